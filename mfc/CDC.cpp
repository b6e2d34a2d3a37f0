#include "mfc/CDC.h"
#include "mfc/CGdiObject.h"
#include "mfc/CWnd.h"

CDC::~CDC()
{
    RestoreSelections();
    if (m_bOwnsDC && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    HDC hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    if (hDC == nullptr)
        return FALSE;
    m_hDC = hDC;
    m_bOwnsDC = true;
    return TRUE;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (m_hDC == nullptr || hObject == nullptr)
        return nullptr;
    int kind;
    switch (::GetObjectType(hObject))
    {
    case OBJ_FONT:
        kind = kFont;
        break;
    case OBJ_BRUSH:
        kind = kBrush;
        break;
    case OBJ_PEN:
        kind = kPen;
        break;
    case OBJ_BITMAP:
        kind = kBitmap;
        break;
    default:
        return nullptr;
    }
    HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
    if (m_hOriginal[kind] == nullptr)
        m_hOriginal[kind] = hOld;
    return hOld;
}

HGDIOBJ CDC::SelectObject(CGdiObject* pObject)
{
    return pObject ? SelectObject(pObject->m_hObject) : nullptr;
}

void CDC::RestoreSelections()
{
    if (m_hDC == nullptr)
        return;
    for (HGDIOBJ& h : m_hOriginal)
    {
        if (h != nullptr)
            ::SelectObject(m_hDC, h);
        h = nullptr;
    }
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    if (nCount > 0)
        ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->GetSafeHwnd())
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    RestoreSelections();
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    RestoreSelections();
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}
