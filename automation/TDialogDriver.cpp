#include "automation/TDialogDriver.h"

#include "mfc/CDialog.h"

namespace
{
TDialogDriver* g_pActiveDriver = nullptr;
}

TDialogDriver::TDialogDriver()
    : mdwNextStep(0), mtStarted(false), mhDialog(nullptr), mhHook(nullptr), mdwTimer(0)
{
    g_pActiveDriver = this;
    mhHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &TDialogDriver::qhCallWndRetHook, nullptr,
                                 ::GetCurrentThreadId());
}

TDialogDriver::~TDialogDriver()
{
    if (mdwTimer != 0)
        ::KillTimer(nullptr, mdwTimer);
    if (mhHook != nullptr)
        ::UnhookWindowsHookEx(mhHook);
    if (g_pActiveDriver == this)
        g_pActiveDriver = nullptr;
}

TDialogDriver& TDialogDriver::qrxThen(std::function<void(HWND)> fnStep)
{
    mxSteps.push_back(std::move(fnStep));
    return *this;
}

LRESULT CALLBACK TDialogDriver::qhCallWndRetHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* p = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    TDialogDriver* pDriver = g_pActiveDriver;
    if (code == HC_ACTION && pDriver != nullptr && !pDriver->mtStarted && p->message == WM_INITDIALOG)
    {
        pDriver->mtStarted = true;
        pDriver->mhDialog = p->hwnd;
        pDriver->mdwTimer = ::SetTimer(nullptr, 0, 1, &TDialogDriver::qvOnTimer);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK TDialogDriver::qvOnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pActiveDriver != nullptr)
        g_pActiveDriver->qvRunNextStep();
}

void TDialogDriver::qvRunNextStep()
{
    if (!::IsWindow(mhDialog))
    {
        ::KillTimer(nullptr, mdwTimer);
        mdwTimer = 0;
        return;
    }
    if (mdwNextStep < mxSteps.size())
    {
        // Counted first: a step that ends the dialog must not run again.
        std::function<void(HWND)>& fnStep = mxSteps[mdwNextStep++];
        fnStep(mhDialog);
        return;
    }
    ::KillTimer(nullptr, mdwTimer);
    mdwTimer = 0;
    if (CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(mhDialog)))
        pDlg->EndDialog(kDriverEnded);
}

void TDialogDriver::qvChooseComboRow(HWND hCombo, int iRow)
{
    ::SetFocus(hCombo);
    ::SendMessageW(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    ::SendMessageW(hCombo, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < iRow; ++i)
        ::SendMessageW(hCombo, WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessageW(hCombo, WM_KEYDOWN, VK_RETURN, 0);
}

void TDialogDriver::qvType(HWND hEdit, const std::wstring& rxText)
{
    ::SetFocus(hEdit);
    for (wchar_t c : rxText)
        ::SendMessageW(hEdit, WM_CHAR, c, 1);
}

void TDialogDriver::qvClick(HWND hButton)
{
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
}

void TDialogDriver::qvPressKey(UINT nVirtualKey, bool tShift)
{
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (tShift)
        add(VK_SHIFT, false);
    add(static_cast<WORD>(nVirtualKey), false);
    add(static_cast<WORD>(nVirtualKey), true);
    if (tShift)
        add(VK_SHIFT, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::wstring TDialogDriver::qxGetText(HWND hWnd)
{
    int n = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = ::GetWindowTextW(hWnd, &text[0], n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

int TDialogDriver::qiGetCurSel(HWND hCombo)
{
    return static_cast<int>(::SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
}

std::wstring TDialogDriver::qxGetComboText(HWND hCombo, int iRow)
{
    LRESULT n = ::SendMessageW(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(iRow), 0);
    if (n == CB_ERR)
        return std::wstring();
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    ::SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(iRow), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(n));
    return text;
}
