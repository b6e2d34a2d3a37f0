// CWnd: a window handle and the message map that receives its messages.
//
// A CWnd either wraps a handle (Attach, or a temporary object from FromHandle),
// borrows it (a typed control wrapper made from a handle, as WTL's: it neither
// binds itself to the window nor lets go of it), or subclasses the window (SubclassWindow, DDX_Control, a dialog while it is
// created): then our window procedure sends every message of that window
// through WindowProc and the message map, and what the map does not handle
// goes on to the window's original procedure. The original procedure is put
// back when the object lets go or the window is destroyed.
#pragma once

#include <windows.h>
#include "mfc/AfxDll.h"
#include "mfc/AfxMessageMap.h"
#include "mfc/AfxModule.h"
#include "mfc/CDC.h"
#include "mfc/CRect.h"
#include "mfc/CString.h"

class ORVO_MFC_API CWnd
{
public:
    CWnd();
    // Borrows hWnd (see above).
    explicit CWnd(HWND hWndBorrowed) : m_hWnd(hWndBorrowed), m_pfnSuper(nullptr) {}
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // The object bound to hWnd, or a wrapper that lives until the outermost
    // modal loop ends. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The object bound to hWnd by Attach or SubclassWindow, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Creates a window of a registered class, bound to this object before its
    // first message (WM_NCCREATE and the others before WM_CREATE).
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);

    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    // Calls the original window procedure with the message being handled now.
    LRESULT Default();

    // Children and focus. GetDlgItem and BorrowDlgItem find controls that
    // exist; a control that the dialog's template defers (see CDialogTemplate)
    // exists once GetOrCreateDlgItem has created it.
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    // Control nID, created first when the template deferred it; null when
    // there is no such control. A control created here stands at ptAt
    // (client coordinates; null: where the template puts it) and is visible
    // when bShow is true: a layout that knows its place moves and shows it
    // no more; with hWndAfter it follows that window in the Z (and Tab)
    // order, instead of the control the template has before it. A control
    // that exists already is left as it is.
    HWND GetOrCreateDlgItem(int nID, const POINT* ptAt = nullptr, bool bShow = false, HWND hWndAfter = nullptr);
    // The text of control nID; empty when there is no such control.
    void GetDlgItemText(int nID, CString& rString) const;
    // Where control nID stands, in this window's client coordinates; for a
    // deferred control not created yet, where its template puts it. False
    // when there is no such control.
    BOOL GetDlgItemRect(int nID, LPRECT lpRect) const;
    // A typed wrapper (CComboBox, CEdit, ...) borrowing control nID; its
    // handle is null when there is no such control.
    template <class TControl> TControl BorrowDlgItem(int nID) const
    {
        HWND hWnd = nullptr;
        GetDlgItem(nID, &hWnd);
        return TControl(hWnd);
    }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const;
    static CWnd* GetFocus();
    CWnd* SetFocus();
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    void SetDlgItemText(int nID, LPCWSTR lpszString);

    // Placement and state.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    // The window before this one in the Z order (GW_HWNDPREV) or after it
    // (GW_HWNDNEXT), and so on, as ::GetWindow; null when there is none.
    HWND GetWindow(UINT nCmd) const { return ::GetWindow(m_hWnd, nCmd); }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtr(GWL_STYLE)); }
    // The window's own values: GWLP_USERDATA (where an editor keeps the field
    // position a control edits), GWL_STYLE, ...
    LONG_PTR GetWindowLongPtr(int nIndex) const { return ::GetWindowLongPtrW(m_hWnd, nIndex); }
    LONG_PTR SetWindowLongPtr(int nIndex, LONG_PTR dwNewLong) { return ::SetWindowLongPtrW(m_hWnd, nIndex, dwNewLong); }
    BOOL DestroyWindow();

    // Text and painting.
    void SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, static_cast<WPARAM>(bRedraw)); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    // Without a caption the box is titled with the application's name, as in
    // MFC. The box is owned by this window and centred over it (kept on the
    // screen's work area), as Windows places an owned message box.
    int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption = nullptr, UINT nType = MB_OK);
    // Centres this window over pAlternateOwner, else over its owner (its
    // parent for a child window), else over the work area of the screen, and
    // keeps it inside that work area, as MFC does. An owner that is hidden or
    // minimized counts as none.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Message handling, overridable as in MFC.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Looks WM_COMMAND up in the message map; TRUE when a handler ran.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone and the object has let go of it.
    virtual void PostNcDestroy() {}
    // Creates control nID that this window's template deferred (at ptAt, and
    // visible with bShow: see GetOrCreateDlgItem); null when it defers none
    // by that ID.
    virtual HWND CreateDeferredDlgItem(int, const POINT* = nullptr, bool = false, HWND = nullptr) { return nullptr; }
    virtual BOOL GetDeferredDlgItemRect(int, LPRECT) const { return FALSE; }
    // Control nID of this window, null when there is none: what every
    // GetDlgItem* above asks. A dialog answers from the handles it knows,
    // without asking the window system each time (see CDialog).
    virtual HWND FindDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    WNDPROC m_pfnSuper;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    void LetGoOfWindow();
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT nCode, UINT nID) const;
};

// The name of a window class with these attributes, registered on first use in
// this program's instance (as MFC: "Afx:..." names, DefWindowProc underneath).
ORVO_MFC_API LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                                         HICON hIcon = nullptr);

// The window procedure of every subclassed window.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

template <class T> LRESULT AfxCallOnEraseBkgnd(T* pThis, WPARAM wParam)
{
    CDC dc;
    dc.m_hDC = reinterpret_cast<HDC>(wParam);
    return pThis->OnEraseBkgnd(&dc);
}
