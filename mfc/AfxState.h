// State of the layer that its own classes share, not exported.
#pragma once

#include <windows.h>
#include <exception>

class CWnd;

// While it lives, the first window created on this thread is subclassed and
// bound to pWnd before it receives its first message (WM_NCCREATE, WM_SETFONT
// and the others that come before WM_INITDIALOG).
class CWndCreateHook
{
public:
    explicit CWndCreateHook(CWnd* pWnd);
    ~CWndCreateHook();
    CWndCreateHook(const CWndCreateHook&) = delete;
    CWndCreateHook& operator=(const CWndCreateHook&) = delete;

private:
    HHOOK m_hHook;
};

// An exception that left a message handler. It must not unwind through the
// system's frames that called our window procedure, so it is kept here; the
// modal loop ends and DoModal throws it again to its caller.
void AfxSetPendingException(std::exception_ptr p);
bool AfxHasPendingException();
std::exception_ptr AfxTakePendingException();

// Modal loops running now; temporary wrappers are freed when the last ends.
void AfxEnterModalLoop();
void AfxLeaveModalLoop();
