// TBitmapButton: a push button (style BS_ICON) that shows a picture instead of
// its text. One bitmap resource holds two images side by side, the enabled
// picture and the drawn-out one shown while the button is disabled.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include "mfc/afxwin.h"
#include "mfc/afxcmn.h"

class AFX_EXT_CLASS TBitmapButton : public CButton
{
public:
    enum : int
    {
        kEnabledImage = 0,
        kDisabledImage = 1
    };

    TBitmapButton();
    ~TBitmapButton() override;

    // Takes its images from bitmap resource nBitmapId, each rxImageSize large,
    // and shows the one of the button's current state.
    void qvSetBitmap(UINT nBitmapId, const CSize& rxImageSize);
    // Builds the image list again from the stored bitmap and size, and shows
    // the picture of the current state.
    void qvLoadImages();

    uint32_t qdwGetBitmapId() const { return mdwBitmapId; }
    int qiGetImageCount() const { return mpxImageList ? mpxImageList->GetImageCount() : 0; }
    // The icon the button shows now, or null.
    HICON qhGetIcon() const { return mpxIcon.get(); }

protected:
    void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()

private:
    struct TIconDeleter
    {
        void operator()(HICON hIcon) const { ::DestroyIcon(hIcon); }
    };
    using TOwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, TIconDeleter>;

    void qvShowImage(int iImage);

    std::unique_ptr<CImageList> mpxImageList;
    uint32_t mdwBitmapId;
    int miImageWidth;
    int miImageHeight;
    // The icon made for the current state; replaced (and destroyed) at each change.
    TOwnedIcon mpxIcon;
};
