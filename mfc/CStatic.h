// CStatic: a static control.
#pragma once

#include "mfc/CWnd.h"

class CStatic : public CWnd
{
public:
    CStatic() = default;
    // Borrows hWnd: see CWnd.
    explicit CStatic(HWND hWnd) : CWnd(hWnd) {}

    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
};
