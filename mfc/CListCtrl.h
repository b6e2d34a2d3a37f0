// CListCtrl: a list view, one message per method. A list of many rows is
// made with LVS_OWNERDATA: it holds only the row count, and asks its parent
// for each row's text as it is drawn (LVN_GETDISPINFO).
#pragma once

#include "mfc/CString.h"
#include "mfc/CWnd.h"

#include <commctrl.h>

class CListCtrl : public CWnd
{
public:
    CListCtrl() = default;
    // Borrows hWnd: see CWnd.
    explicit CListCtrl(HWND hWnd) : CWnd(hWnd) {}

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", dwStyle, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, pParentWnd->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
    }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
    }

    int InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1)
    {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_FMT | (nWidth >= 0 ? LVCF_WIDTH : 0);
        column.fmt = nFormat;
        column.cx = nWidth;
        column.pszText = const_cast<LPWSTR>(lpszColumnHeading);
        return static_cast<int>(
            SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&column)));
    }
    int GetColumnWidth(int nCol) const
    {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
    }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)));
    }
    // The width of the text in the list's font, without the column's margins.
    int GetStringWidth(LPCWSTR lpsz) const
    {
        return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(lpsz)));
    }
    // The header's columns.
    int GetColumnCount() const
    {
        const HWND hHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
        return hHeader == nullptr ? 0 : static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
    }

    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // The row count of an LVS_OWNERDATA list.
    void SetItemCountEx(int iCount, DWORD dwFlags = 0)
    {
        SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(iCount), static_cast<LPARAM>(dwFlags));
    }
    // The next row after nItem (-1: from the start) with the LVNI_ flags.
    int GetNextItem(int nItem, int nFlags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
    }
    // nItem -1: every row.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask)
    {
        LVITEMW item = {};
        item.state = nState;
        item.stateMask = nMask;
        return static_cast<BOOL>(
            SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK));
    }
    CString GetItemText(int nItem, int nSubItem) const
    {
        std::wstring xText(1024, L'\0');
        LVITEMW item = {};
        item.iSubItem = nSubItem;
        item.pszText = &xText[0];
        item.cchTextMax = static_cast<int>(xText.size());
        const int n = static_cast<int>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        return CString(xText.c_str(), n);
    }
};
