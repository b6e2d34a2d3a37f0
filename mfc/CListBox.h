// CListBox: one message per method.
#pragma once

#include "mfc/CWnd.h"

class CListBox : public CWnd
{
public:
    CListBox() = default;
    // Borrows hWnd: see CWnd.
    explicit CListBox(HWND hWnd) : CWnd(hWnd) {}

    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
    int AddString(LPCWSTR lpszItem)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    void SetHorizontalExtent(int cxExtent) { SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent)); }
    int GetTextLen(int nIndex) const
    {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)));
    }
    void GetText(int nIndex, CString& rString) const
    {
        int n = GetTextLen(nIndex);
        if (n < 0)
        {
            rString.Empty();
            return;
        }
        std::wstring text(static_cast<size_t>(n) + 1, L'\0');
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&text[0]));
        rString = CString(text.c_str(), n);
    }
    int SetTabStops(int nTabStops, LPINT rgTabStops)
    {
        return static_cast<int>(
            SendMessage(LB_SETTABSTOPS, static_cast<WPARAM>(nTabStops), reinterpret_cast<LPARAM>(rgTabStops)));
    }
};
