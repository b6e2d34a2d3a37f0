#include "controls/TBitmapButton.h"

namespace
{
// Pixels of this colour in the bitmap are transparent.
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
}

BEGIN_MESSAGE_MAP(TBitmapButton, CButton)
    ON_WM_ENABLE()
END_MESSAGE_MAP()

TBitmapButton::TBitmapButton() : mdwBitmapId(UINT32_MAX), miImageWidth(-1), miImageHeight(-1) {}

TBitmapButton::~TBitmapButton()
{
    // A button that outlives us must not keep showing the icon we destroy.
    if (mpxIcon && m_hWnd != nullptr && ::IsWindow(m_hWnd))
        SetIcon(nullptr);
}

void TBitmapButton::qvSetBitmap(UINT nBitmapId, const CSize& rxImageSize)
{
    mdwBitmapId = nBitmapId;
    miImageWidth = rxImageSize.cx;
    miImageHeight = rxImageSize.cy;
    qvLoadImages();
}

void TBitmapButton::qvLoadImages()
{
    mpxImageList.reset();
    auto pxImageList = std::make_unique<CImageList>();
    if (pxImageList->Create(miImageWidth, miImageHeight, ILC_COLOR24 | ILC_MASK, 1, 1))
    {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(mdwBitmapId))
            pxImageList->Add(&bitmap, kMaskColour);
        mpxImageList = std::move(pxImageList);
    }
    if (m_hWnd != nullptr)
        qvShowImage(IsWindowEnabled() ? kEnabledImage : kDisabledImage);
}

void TBitmapButton::OnEnable(BOOL bEnable)
{
    Default();
    qvShowImage(bEnable ? kEnabledImage : kDisabledImage);
}

void TBitmapButton::qvShowImage(int iImage)
{
    TOwnedIcon pxIcon;
    if (mpxImageList && iImage < mpxImageList->GetImageCount())
        pxIcon.reset(ImageList_GetIcon(*mpxImageList, iImage, ILD_NORMAL));
    SetIcon(pxIcon.get());
    mpxIcon = std::move(pxIcon);
}
