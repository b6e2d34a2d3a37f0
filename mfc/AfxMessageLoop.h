// The one message pump of the layer. The host's main loop and every modal
// dialog's loop (CDialog::DoModal) run on it.
#pragma once

#include <windows.h>
#include "mfc/AfxDll.h"

// Runs this thread's messages until rbContinue turns false or WM_QUIT comes.
// Each message first goes to the PreTranslateMessage of the layer's windows
// from its own window up to its top-level window.
//
// Each time the queue empties, the outermost loop frees the temporary wrappers
// made by CWnd::FromHandle, and a modal loop (hWndModal, its dialog) tells the
// dialog's owner with WM_ENTERIDLE (MSGF_DIALOGBOX), as the system's dialog
// manager does.
//
// An exception that leaves a message handler while this loop is the innermost
// one running ends this loop and is thrown from here. WM_QUIT ends a modal
// loop and is posted again for the loop outside it; the main loop (hWndModal
// null) returns its exit code.
ORVO_MFC_API int AfxRunMessageLoop(const bool& rbContinue, HWND hWndModal = nullptr);

// Offers pMsg to the PreTranslateMessage of the layer's windows from its
// window up to its top-level window; true when one of them took it.
ORVO_MFC_API BOOL AfxPreTranslateMessage(MSG* pMsg);
