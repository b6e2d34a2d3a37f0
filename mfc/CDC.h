// Device contexts. A CDC puts back, when it is destroyed, every object that was
// selected out of it, so a caller never pairs SelectObject calls by hand.
// CPaintDC pairs BeginPaint/EndPaint, CClientDC GetDC/ReleaseDC, and a DC made
// by CreateCompatibleDC is deleted by its object.
#pragma once

#include <windows.h>
#include "mfc/AfxDll.h"
#include "mfc/CRect.h"
#include "mfc/CString.h"

class CWnd;
class CGdiObject;

class ORVO_MFC_API CDC
{
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // A memory DC compatible with pDC (the screen when null), owned by this object.
    BOOL CreateCompatibleDC(CDC* pDC);

    // Selects hObject and gives the handle it replaced; the first one replaced of
    // each kind is selected back in when the DC object is destroyed.
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    HGDIOBJ SelectObject(CGdiObject* pObject);
    void RestoreSelections();

    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    CSize GetTextExtent(LPCWSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRICW lpMetrics) const { return ::GetTextMetricsW(m_hDC, lpMetrics); }
    BOOL TextOut(int x, int y, LPCWSTR lpszString, int nCount) { return ::TextOutW(m_hDC, x, y, lpszString, nCount); }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCWSTR lpszString, UINT nCount)
    {
        return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, nullptr);
    }
    int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
    {
        return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
    }
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
    {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
    }

    HDC m_hDC = nullptr;

private:
    enum
    {
        kFont,
        kBrush,
        kPen,
        kBitmap,
        kKinds
    };
    HGDIOBJ m_hOriginal[kKinds] = {};
    bool m_bOwnsDC = false;
};

class ORVO_MFC_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

class ORVO_MFC_API CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
