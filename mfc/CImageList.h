// CImageList: a common-controls image list, destroyed with its object.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include "mfc/AfxDll.h"

class CBitmap;
class CDC;

class ORVO_MFC_API CImageList
{
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Adds the images of pbmImage (as many as its width holds); crMask is the
    // colour drawn transparent. Index of the first new image, -1 on failure.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    HIMAGELIST m_hImageList = nullptr;
};
