#include "automation/TDialogDriver.h"

#include "mfc/CComboBox.h"
#include "mfc/CDialog.h"

namespace
{
TDialogDriver* g_pActiveDriver = nullptr;
}

TDialogDriver::TDialogDriver() : mdwNextStep(0), mtStarted(false), mhDialog(nullptr), mhHook(nullptr), mdwTimer(0)
{
    g_pActiveDriver = this;
    mhHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &TDialogDriver::qhCallWndRetHook, nullptr, ::GetCurrentThreadId());
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
    CComboBox xCombo(hCombo);
    xCombo.SetFocus();
    xCombo.ShowDropDown();
    xCombo.SendMessage(WM_KEYDOWN, VK_HOME);
    for (int i = 0; i < iRow; ++i)
        xCombo.SendMessage(WM_KEYDOWN, VK_DOWN);
    xCombo.SendMessage(WM_KEYDOWN, VK_RETURN);
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

void TDialogDriver::qvPressKey(UINT nVirtualKey, bool tShift, bool tCtrl)
{
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (tCtrl)
        add(VK_CONTROL, false);
    if (tShift)
        add(VK_SHIFT, false);
    add(static_cast<WORD>(nVirtualKey), false);
    add(static_cast<WORD>(nVirtualKey), true);
    if (tShift)
        add(VK_SHIFT, true);
    if (tCtrl)
        add(VK_CONTROL, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::wstring TDialogDriver::qxGetText(HWND hWnd)
{
    CString xText;
    CWnd(hWnd).GetWindowText(xText);
    return xText.str();
}

int TDialogDriver::qiGetCurSel(HWND hCombo)
{
    return CComboBox(hCombo).GetCurSel();
}

std::wstring TDialogDriver::qxGetComboText(HWND hCombo, int iRow)
{
    CString xText;
    CComboBox(hCombo).GetLBText(iRow, xText);
    return xText.str();
}

int TDialogDriver::qiFindComboRow(HWND hCombo, const std::wstring& rxCode)
{
    const std::wstring xPrefix = rxCode + L" - ";
    const int iCount = CComboBox(hCombo).GetCount();
    for (int i = 0; i < iCount; ++i)
    {
        const std::wstring xLabel = qxGetComboText(hCombo, i);
        if (xLabel == rxCode || xLabel.compare(0, xPrefix.size(), xPrefix) == 0)
            return i;
    }
    return -1;
}
