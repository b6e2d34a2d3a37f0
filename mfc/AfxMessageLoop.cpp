#include "mfc/AfxMessageLoop.h"
#include "mfc/AfxState.h"
#include "mfc/CWnd.h"

namespace
{
// Loops of the layer running now on this thread, nested by modal dialogs.
int g_iLoopDepth = 0;

class LoopDepth
{
public:
    LoopDepth() { ++g_iLoopDepth; }
    ~LoopDepth() { --g_iLoopDepth; }
    LoopDepth(const LoopDepth&) = delete;
    LoopDepth& operator=(const LoopDepth&) = delete;
};

void AfxIdleBeforeWait(HWND hWndModal)
{
    // Only the outermost loop: a handler further out may still hold a
    // temporary wrapper while a nested loop runs.
    if (g_iLoopDepth == 1)
        AfxFreeTemporaryWindows();
    if (hWndModal != nullptr && ::IsWindow(hWndModal))
        if (HWND hWndOwner = ::GetWindow(hWndModal, GW_OWNER))
            ::SendMessageW(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hWndModal));
}
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return FALSE;
}

int AfxRunMessageLoop(const bool& rbContinue, HWND hWndModal)
{
    CHandlerExceptionScope xScope;
    LoopDepth xDepth;
    int iExitCode = 0;
    bool bIdle = true;
    MSG msg;
    while (rbContinue && !xScope.HasException())
    {
        if (bIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            bIdle = false;
            AfxIdleBeforeWait(hWndModal);
            continue;
        }
        const BOOL r = ::GetMessageW(&msg, nullptr, 0, 0);
        if (r == -1)
            break;
        if (r == 0)
        {
            iExitCode = static_cast<int>(msg.wParam);
            if (hWndModal != nullptr)
                ::PostQuitMessage(iExitCode);
            break;
        }
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        bIdle = true;
    }
    xScope.ThrowIfAny();
    return iExitCode;
}
