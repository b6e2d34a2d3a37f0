#include "mfc/CWnd.h"
#include "mfc/AfxModule.h"
#include "mfc/AfxState.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace
{
struct CurrentMessage
{
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// All windows of the layer live on the one user-interface thread.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

CurrentMessage g_currentMessage = {};
CHandlerExceptionScope* g_pInnermostScope = nullptr;
// Kept while no scope was open; the next scope to open throws it.
std::exception_ptr g_pStrayException;
CWnd* g_pWndInit = nullptr;
HHOOK g_hHookInit = nullptr;

void AfxUnhookWindowCreate()
{
    g_pWndInit = nullptr;
    if (g_hHookInit != nullptr)
        ::UnhookWindowsHookEx(g_hHookInit);
    g_hHookInit = nullptr;
}
}

// --- state shared inside the layer -------------------------------------------

CHandlerExceptionScope::CHandlerExceptionScope() : m_pOuter(g_pInnermostScope)
{
    if (g_pStrayException)
    {
        std::exception_ptr p = g_pStrayException;
        g_pStrayException = nullptr;
        std::rethrow_exception(p);
    }
    g_pInnermostScope = this;
}

CHandlerExceptionScope::~CHandlerExceptionScope()
{
    g_pInnermostScope = m_pOuter;
}

void CHandlerExceptionScope::ThrowIfAny()
{
    if (m_pException)
    {
        std::exception_ptr p = m_pException;
        m_pException = nullptr;
        std::rethrow_exception(p);
    }
}

void AfxSetPendingException(std::exception_ptr p)
{
    std::exception_ptr& rSlot = g_pInnermostScope ? g_pInnermostScope->m_pException : g_pStrayException;
    if (!rSlot)
        rSlot = p;
}

void AfxFreeTemporaryWindows()
{
    TemporaryMap().clear();
}

// Binds the first window created while the hook is set, then takes the hook
// away: the dialog's children and the windows its handlers create do not pay
// for a hook they do not need.
static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HCBT_CREATEWND && g_pWndInit != nullptr)
    {
        CWnd* pWnd = g_pWndInit;
        AfxUnhookWindowCreate();
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return lResult;
}

CWndCreateHook::CWndCreateHook(CWnd* pWnd)
{
    AfxUnhookWindowCreate();
    g_hHookInit = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    g_pWndInit = pWnd;
}

CWndCreateHook::~CWndCreateHook()
{
    AfxUnhookWindowCreate();
}

// --- window procedure ----------------------------------------------------------

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    CurrentMessage saved = g_currentMessage;
    g_currentMessage = {hWnd, message, wParam, lParam};
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        AfxSetPendingException(std::current_exception());
    }
    g_currentMessage = saved;

    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
    {
        pWnd->LetGoOfWindow();
        pWnd->PostNcDestroy();
    }
    return lResult;
}

// --- CWnd ----------------------------------------------------------------------

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
    {
        // A window that outlives its object keeps working with its own procedure.
        if (m_pfnSuper != nullptr)
            UnsubclassWindow();
        else
            Detach();
    }
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    std::unique_ptr<CWnd>& slot = TemporaryMap()[hWnd];
    if (!slot)
    {
        slot.reset(new CWnd);
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CHandlerExceptionScope xScope;
    {
        CWndCreateHook hook(this);
        ::CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent,
                          nIDorHMenu, AfxGetInstanceHandle(), lpParam);
    }
    if (xScope.HasException() && m_hWnd != nullptr)
        DestroyWindow();
    xScope.ThrowIfAny();
    return m_hWnd != nullptr;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::unordered_map<std::wstring, std::wstring> names;
    wchar_t name[96];
    ::wsprintfW(name, L"Afx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                static_cast<void*>(hIcon));
    auto it = names.find(name);
    if (it != names.end())
        return it->second.c_str();
    WNDCLASSW wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    if (::RegisterClassW(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return names.emplace(name, name).first->second.c_str();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    PermanentMap()[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
        PermanentMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = nullptr;
    pParent->GetDlgItem(static_cast<int>(nID), &hWndControl);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr && m_hWnd != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::LetGoOfWindow()
{
    UnsubclassWindow();
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_currentMessage.message, g_currentMessage.wParam, g_currentMessage.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT message, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != nullptr; ++p)
        {
            if (p->nMessage != message)
                continue;
            if ((message != WM_COMMAND && message != WM_NOTIFY) ||
                (p->nCode == nCode && p->nID <= nID && nID <= p->nLastID))
                return p;
        }
    }
    return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        const AFX_MSGMAP_ENTRY* pNotify =
            pHeader == nullptr ? nullptr : FindEntry(WM_NOTIFY, pHeader->code, static_cast<UINT>(pHeader->idFrom));
        if (pNotify == nullptr)
            return FALSE;
        *pResult = pNotify->pfn(this, wParam, lParam);
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(message, 0, 0);
    if (pEntry == nullptr)
        return FALSE;
    *pResult = pEntry->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    // Menus and accelerators have no control window: both are plain commands.
    UINT nCode = lParam == 0 ? 0 : HIWORD(wParam);
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(WM_COMMAND, nCode, nID);
    if (pEntry == nullptr)
        return FALSE;
    pEntry->pfn(this, wParam, lParam);
    return TRUE;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    HWND hWnd = nullptr;
    GetDlgItem(nID, &hWnd);
    return FromHandle(hWnd);
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const
{
    *phWnd = FindDlgItem(nID);
}

HWND CWnd::GetOrCreateDlgItem(int nID, const POINT* ptAt, bool bShow, HWND hWndAfter)
{
    HWND hWnd = FindDlgItem(nID);
    if (hWnd == nullptr && m_hWnd != nullptr)
        hWnd = CreateDeferredDlgItem(nID, ptAt, bShow, hWndAfter);
    return hWnd;
}

void CWnd::GetDlgItemText(int nID, CString& rString) const
{
    const CWnd xControl(FindDlgItem(nID));
    if (xControl.m_hWnd != nullptr)
        xControl.GetWindowText(rString);
    else
        rString = CString();
}

BOOL CWnd::GetDlgItemRect(int nID, LPRECT lpRect) const
{
    if (HWND hWnd = FindDlgItem(nID))
    {
        ::GetWindowRect(hWnd, lpRect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
        return TRUE;
    }
    CWnd* pOwner = m_hWnd != nullptr ? FromHandlePermanent(m_hWnd) : nullptr;
    return pOwner != nullptr && pOwner->GetDeferredDlgItemRect(nID, lpRect);
}

void CWnd::SetDlgItemText(int nID, LPCWSTR lpszString)
{
    HWND hWnd = nullptr;
    GetDlgItem(nID, &hWnd);
    if (hWnd != nullptr)
        ::SetWindowTextW(hWnd, lpszString);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                 bRepaint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::GetWindowText(CString& rString) const
{
    int n = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = ::GetWindowTextW(m_hWnd, &text[0], n + 1);
    rString = CString(text.c_str(), n);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : nullptr;
    if (hWndCenter == nullptr)
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcDlg;
    ::GetWindowRect(m_hWnd, &rcDlg);
    RECT rcCenter = {};
    RECT rcArea = {};
    if (dwStyle & WS_CHILD)
    {
        ::GetClientRect(hWndCenter, &rcArea);
        rcCenter = rcArea;
        if (pAlternateOwner != nullptr)
        {
            ::GetWindowRect(hWndCenter, &rcCenter);
            ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rcCenter), 2);
        }
    }
    else
    {
        if (hWndCenter != nullptr)
        {
            const LONG_PTR lStyle = ::GetWindowLongPtrW(hWndCenter, GWL_STYLE);
            if (!(lStyle & WS_VISIBLE) || (lStyle & WS_MINIMIZE))
                hWndCenter = nullptr;
        }
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        if (hWndCenter == nullptr)
        {
            ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
            rcCenter = mi.rcWork;
        }
        else
        {
            ::GetWindowRect(hWndCenter, &rcCenter);
            ::GetMonitorInfoW(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST), &mi);
        }
        rcArea = mi.rcWork;
    }
    const int cx = rcDlg.right - rcDlg.left;
    const int cy = rcDlg.bottom - rcDlg.top;
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    if (xLeft + cx > rcArea.right)
        xLeft = rcArea.right - cx;
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + cy > rcArea.bottom)
        yTop = rcArea.bottom - cy;
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace
{
// The owner a message box of this thread is to be centred over, while
// MessageBox runs; the CBT hook moves the box when it is first activated.
thread_local HWND t_hWndMessageBoxOwner = nullptr;
thread_local HHOOK t_hMessageBoxHook = nullptr;

LRESULT CALLBACK AfxMessageBoxCbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hHook = t_hMessageBoxHook;
    if (nCode == HCBT_ACTIVATE && t_hWndMessageBoxOwner != nullptr)
    {
        CWnd xBox(reinterpret_cast<HWND>(wParam));
        CWnd xOwner(t_hWndMessageBoxOwner);
        t_hWndMessageBoxOwner = nullptr;
        xBox.CenterWindow(&xOwner);
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

// Hooks the thread's window activations for the life of one MessageBox.
class MessageBoxCentring
{
public:
    explicit MessageBoxCentring(HWND hWndOwner)
        : m_hWndOwnerBefore(t_hWndMessageBoxOwner), m_hHookBefore(t_hMessageBoxHook)
    {
        t_hWndMessageBoxOwner = hWndOwner;
        t_hMessageBoxHook = ::SetWindowsHookExW(WH_CBT, &AfxMessageBoxCbtHook, nullptr, ::GetCurrentThreadId());
    }
    ~MessageBoxCentring()
    {
        if (t_hMessageBoxHook != nullptr)
            ::UnhookWindowsHookEx(t_hMessageBoxHook);
        t_hMessageBoxHook = m_hHookBefore;
        t_hWndMessageBoxOwner = m_hWndOwnerBefore;
    }
    MessageBoxCentring(const MessageBoxCentring&) = delete;
    MessageBoxCentring& operator=(const MessageBoxCentring&) = delete;

private:
    HWND m_hWndOwnerBefore;
    HHOOK m_hHookBefore;
};
}

int CWnd::MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    MessageBoxCentring xCentring(m_hWnd);
    return ::MessageBoxW(m_hWnd, lpszText, lpszCaption != nullptr ? lpszCaption : AfxGetAppName(), nType);
}
