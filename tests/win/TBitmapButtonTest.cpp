// The bitmap button on a real BUTTON control: the icon it carries is drawn into
// a memory device context and its pixels say which picture it is.
#include "controls/TBitmapButton.h"
#include "resources/resource.h"
#include "support/TTestCanvas.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kCanvas = RGB(1, 2, 3);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
const CSize kImageSize(16, 16);

enum class EPicture
{
    eNone,
    eNextEnabled,
    ePreviousEnabled,
    eDisabled,
    eOther
};

// Which picture the button carries now, told by a few pixels of its icon: the
// transparent corner, the disc and the tail of the arrow.
EPicture qeGetPicture(HWND hButton)
{
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageW(hButton, BM_GETIMAGE, IMAGE_ICON, 0));
    if (hIcon == nullptr)
        return EPicture::eNone;
    TTestCanvas canvas(16, 16, kCanvas);
    ::DrawIconEx(canvas.qrxDC(), 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    const CDC& dc = canvas.qrxDC();
    if (dc.GetPixel(0, 0) != kCanvas)
        return EPicture::eOther;
    if (dc.GetPixel(1, 7) == kGreen && dc.GetPixel(3, 6) == kWhite && dc.GetPixel(12, 6) == kGreen)
        return EPicture::eNextEnabled;
    if (dc.GetPixel(1, 7) == kGreen && dc.GetPixel(3, 6) == kGreen && dc.GetPixel(12, 6) == kWhite)
        return EPicture::ePreviousEnabled;
    if (dc.GetPixel(0, 7) == kBlack && dc.GetPixel(1, 7) == kWhite && !canvas.qtHas(kGreen))
        return EPicture::eDisabled;
    return EPicture::eOther;
}

class BitmapButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mhParent = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                     nullptr, nullptr, nullptr);
        mhButton = ::CreateWindowExW(0, L"BUTTON", L"<NEXT>", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_ICON, 10, 10,
                                     40, 30, mhParent, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, mhButton);
    }
    void TearDown() override { ::DestroyWindow(mhParent); }

    // Whether the button, asked to paint itself into a memory DC, shows green.
    bool qtPaintsGreen() const
    {
        TTestCanvas canvas(40, 30, kCanvas);
        ::SendMessageW(mhButton, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.qrxDC().GetSafeHdc()),
                       PRF_CLIENT | PRF_ERASEBKGND);
        return canvas.qtHas(kGreen);
    }

    HWND mhParent = nullptr;
    HWND mhButton = nullptr;
};
}

TEST_F(BitmapButton, ThePictureFollowsTheEnabledState)
{
    TBitmapButton button;
    ASSERT_TRUE(button.SubclassWindow(mhButton));
    EXPECT_EQ(EPicture::eNone, qeGetPicture(mhButton));

    // Shown as soon as the bitmap is set, without waiting for a state change.
    button.qvSetBitmap(IDB_NEXT, kImageSize);
    EXPECT_EQ(2, button.qiGetImageCount());
    EXPECT_EQ(EPicture::eNextEnabled, qeGetPicture(mhButton));
    EXPECT_TRUE(qtPaintsGreen());

    button.EnableWindow(FALSE);
    EXPECT_EQ(EPicture::eDisabled, qeGetPicture(mhButton));
    EXPECT_FALSE(qtPaintsGreen());

    button.EnableWindow(TRUE);
    EXPECT_EQ(EPicture::eNextEnabled, qeGetPicture(mhButton));
    EXPECT_TRUE(qtPaintsGreen());
}

TEST_F(BitmapButton, ANewBitmapReplacesTheImagesAndAMissingOneLeavesNoPicture)
{
    TBitmapButton button;
    // Before the button has a window: nothing to show yet.
    button.qvSetBitmap(IDB_NEXT, kImageSize);
    ASSERT_TRUE(button.SubclassWindow(mhButton));
    button.EnableWindow(FALSE);
    EXPECT_EQ(EPicture::eDisabled, qeGetPicture(mhButton));

    // Set while disabled: the disabled picture stays, and the next change takes
    // its picture from the new list.
    button.qvSetBitmap(IDB_PREVIOUS, kImageSize);
    EXPECT_EQ(IDB_PREVIOUS, button.qdwGetBitmapId());
    EXPECT_EQ(2, button.qiGetImageCount());
    EXPECT_EQ(EPicture::eDisabled, qeGetPicture(mhButton));
    button.EnableWindow(TRUE);
    EXPECT_EQ(EPicture::ePreviousEnabled, qeGetPicture(mhButton));
    button.EnableWindow(FALSE);
    EXPECT_EQ(EPicture::eDisabled, qeGetPicture(mhButton));
    button.EnableWindow(TRUE);
    button.qvSetBitmap(IDB_NEXT, kImageSize);
    EXPECT_EQ(EPicture::eNextEnabled, qeGetPicture(mhButton));

    button.qvSetBitmap(4242, kImageSize);
    EXPECT_EQ(0, button.qiGetImageCount());
    EXPECT_EQ(EPicture::eNone, qeGetPicture(mhButton));
    button.EnableWindow(FALSE);
    EXPECT_EQ(EPicture::eNone, qeGetPicture(mhButton));
}

TEST_F(BitmapButton, AButtonThatOutlivesItsObjectKeepsNoDestroyedIcon)
{
    {
        TBitmapButton button;
        ASSERT_TRUE(button.SubclassWindow(mhButton));
        button.qvSetBitmap(IDB_NEXT, kImageSize);
        ASSERT_NE(nullptr, button.qhGetIcon());
    }
    EXPECT_EQ(nullptr, reinterpret_cast<HICON>(::SendMessageW(mhButton, BM_GETIMAGE, IMAGE_ICON, 0)));
}
