// State of the layer that its own classes share, not exported.
#pragma once

#include <windows.h>
#include <exception>

class CWnd;

// While it lives, the first window created on this thread is subclassed and
// bound to pWnd before it receives its first message (WM_NCCREATE, WM_SETFONT
// and the others that come before WM_INITDIALOG). The hook is taken away as
// soon as that window is bound.
class CWndCreateHook
{
public:
    explicit CWndCreateHook(CWnd* pWnd);
    ~CWndCreateHook();
    CWndCreateHook(const CWndCreateHook&) = delete;
    CWndCreateHook& operator=(const CWndCreateHook&) = delete;
};

// An exception that left a message handler. It must not unwind through the
// system's frames that called our window procedure, so it is kept by the
// innermost of the layer's calls that led to the handler (a message loop,
// CDialog::DoModal, CWnd::CreateEx), which throws it again when the system
// returns to it. The first exception of a scope wins; later ones in the same
// scope come from the unwinding it causes.
class CHandlerExceptionScope
{
public:
    // Throws first an exception that was kept while no scope was open (a
    // message sent to our windows from outside the layer's calls).
    CHandlerExceptionScope();
    ~CHandlerExceptionScope();
    CHandlerExceptionScope(const CHandlerExceptionScope&) = delete;
    CHandlerExceptionScope& operator=(const CHandlerExceptionScope&) = delete;

    bool HasException() const { return static_cast<bool>(m_pException); }
    void ThrowIfAny();

private:
    friend void AfxSetPendingException(std::exception_ptr p);
    std::exception_ptr m_pException;
    CHandlerExceptionScope* m_pOuter;
};

void AfxSetPendingException(std::exception_ptr p);

// Frees the temporary wrappers made by CWnd::FromHandle.
void AfxFreeTemporaryWindows();
