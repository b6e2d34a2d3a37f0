// CDialogTemplate: a copy of a dialog template resource (DIALOG or DIALOGEX)
// whose hidden controls a dialog creates only when it first needs them.
//
// A dialog that shows few of many controls (a layout of a large template)
// pays for creating only those: CDialog::DoModal creates the dialog from the
// trimmed template, and the first CWnd::GetDlgItem of a deferred control
// creates it where, as and with what the template says (class, text, styles,
// place, font, creation data, and its place in the Tab order).
#pragma once

#include <windows.h>
#include "mfc/AfxDll.h"

#include <vector>

class CWnd;

class ORVO_MFC_API CDialogTemplate
{
public:
    // Copies template lpszTemplate found along the resource chain; false when
    // there is none or it is not a template this class can read.
    BOOL Load(LPCWSTR lpszTemplate);
    // Copies nSize bytes of a template made in memory; hInstance owns the
    // windows it creates.
    BOOL LoadIndirect(const void* pTemplate, size_t nSize, HINSTANCE hInstance);
    // Leaves every control the template creates hidden (no WS_VISIBLE) out of
    // the dialog until it is asked for.
    void DeferHiddenItems();

    // The template with the deferred controls left out.
    LPCDLGTEMPLATEW GetTemplate() const { return reinterpret_cast<LPCDLGTEMPLATEW>(m_xTrimmed.data()); }
    HINSTANCE GetInstance() const { return m_hInstance; }
    // The template places the dialog at (0, 0) and asks for no centring of
    // its own: the dialog is to be centred as MFC centres it (CWnd::CenterWindow).
    BOOL IsAutoCenter() const { return m_bAutoCenter; }

    // Creates deferred control nID in pDialog, made from this template, once;
    // null when nID is not deferred or was created already. With ptAt it
    // stands there (client coordinates) instead of the template's place, its
    // size as the template's; with bShow it is created visible; with
    // hWndAfter it follows that window in the Z (and Tab) order instead of
    // the control the template has before it.
    HWND CreateDeferredItem(CWnd* pDialog, int nID, const POINT* ptAt = nullptr, bool bShow = false,
                            HWND hWndAfter = nullptr);
    // Control nID is deferred and not created yet: the dialog has no such child.
    bool IsDeferredAndNotCreated(int nID) const;
    // Where deferred control nID goes in pDialog's client area; false when
    // nID is not deferred.
    BOOL GetDeferredItemRect(const CWnd* pDialog, int nID, LPRECT lpRect) const;

private:
    struct Item
    {
        size_t offset; // of the item in m_xResource
        size_t size;   // its bytes, to the next item's DWORD boundary
        DWORD style;
        DWORD exStyle;
        short x, y, cx, cy;
        int id;
        // Where the class and the text stand as names (0: given by an ordinal
        // or empty), the class's ordinal, and the creation data's offset
        // (0: none).
        size_t classAt;
        WORD classOrdinal;
        size_t textAt;
        size_t createDataAt;
        bool deferred;
        bool created;
    };
    void RebuildTrimmed();

    HINSTANCE m_hInstance = nullptr;
    bool m_bExtended = false;
    bool m_bAutoCenter = false;
    size_t m_nHeaderSize = 0;
    std::vector<BYTE> m_xResource;
    std::vector<Item> m_xItems;
    std::vector<BYTE> m_xTrimmed;
};
