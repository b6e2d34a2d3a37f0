// A 32-bit bitmap selected into a memory DC and filled with one colour, for
// tests that paint and read pixels back.
#pragma once

#include "mfc/afxwin.h"

#include <map>

class TTestCanvas
{
public:
    TTestCanvas(int iWidth, int iHeight, COLORREF dwFill) : mxRect(0, 0, iWidth, iHeight)
    {
        mxDC.CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = iWidth;
        info.bmiHeader.biHeight = -iHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pvBits = nullptr;
        mxBitmap.Attach(::CreateDIBSection(mxDC, &info, DIB_RGB_COLORS, &pvBits, nullptr, 0));
        mxDC.SelectObject(&mxBitmap);
        mxDC.FillSolidRect(&mxRect, dwFill);
    }

    CDC& qrxDC() { return mxDC; }
    const CDC& qrxDC() const { return mxDC; }

    // How many pixels of each colour the columns [x0, x1) hold.
    std::map<COLORREF, int> qxColours(int x0, int x1) const
    {
        std::map<COLORREF, int> counts;
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < mxRect.bottom; ++y)
                ++counts[mxDC.GetPixel(x, y)];
        return counts;
    }

    bool qtHas(COLORREF dw) const { return qxColours(0, mxRect.right).count(dw) != 0; }

private:
    CRect mxRect;
    CBitmap mxBitmap;
    CDC mxDC;
};
