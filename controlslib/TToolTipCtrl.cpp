#include "controlslib/TToolTipCtrl.h"

#include <commctrl.h>
#include <vector>

bool TToolTipCtrl::qtCreate(CWnd* pParent)
{
    if (m_hWnd != nullptr || pParent == nullptr || pParent->m_hWnd == nullptr)
        return false;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParent->m_hWnd, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (hWnd == nullptr)
        return false;
    // Subclassed, not only wrapped, so the object lets go when the owner
    // destroys the window.
    SubclassWindow(hWnd);
    // Long labels wrap instead of running off the screen.
    SendMessage(TTM_SETMAXTIPWIDTH, 0, 400);
    return true;
}

void TToolTipCtrl::qvFillToolInfo(CWnd* pWnd, TOOLINFOW& rxInfo) const
{
    rxInfo = TOOLINFOW();
    rxInfo.cbSize = TTTOOLINFOW_V2_SIZE;
    rxInfo.uFlags = TTF_IDISHWND;
    rxInfo.hwnd = ::GetParent(pWnd->m_hWnd);
    rxInfo.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
}

bool TToolTipCtrl::qtAddWindowTip(CWnd* pWnd, UINT nIDText)
{
    CString text;
    if (!text.LoadString(nIDText))
        return false;
    return qtAddWindowTip(pWnd, text);
}

bool TToolTipCtrl::qtAddWindowTip(CWnd* pWnd, const CString& rxText)
{
    if (m_hWnd == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return false;
    TOOLINFOW info;
    qvFillToolInfo(pWnd, info);
    bool exists = SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    qvFillToolInfo(pWnd, info);
    // The control copies the text.
    info.lpszText = const_cast<LPWSTR>(rxText.GetString());
    if (exists)
    {
        SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        return true;
    }
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void TToolTipCtrl::qvGetWindowTip(CWnd* pWnd, CString& rxText) const
{
    rxText.Empty();
    if (m_hWnd == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return;
    TOOLINFOW info;
    qvFillToolInfo(pWnd, info);
    if (SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) == 0)
        return;
    // TTM_GETTEXTW does not say how long the text is: ask with a buffer that
    // grows until the text no longer fills it.
    for (size_t size = 256; size <= 65536; size *= 4)
    {
        std::vector<wchar_t> buffer(size, L'\0');
        qvFillToolInfo(pWnd, info);
        info.lpszText = buffer.data();
        SendMessage(TTM_GETTEXTW, size, reinterpret_cast<LPARAM>(&info));
        buffer.back() = L'\0';
        rxText = buffer.data();
        if (static_cast<size_t>(rxText.GetLength()) + 1 < size)
            return;
    }
}

uint32_t TToolTipCtrl::qdwGetToolCount() const
{
    return m_hWnd ? static_cast<uint32_t>(SendMessage(TTM_GETTOOLCOUNT)) : 0;
}

void TToolTipCtrl::qvRelayEvent(MSG* pMsg)
{
    if (m_hWnd != nullptr)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
