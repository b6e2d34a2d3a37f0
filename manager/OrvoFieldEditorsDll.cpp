// Start-up and shut-down of OrvoFieldEditors as an MFC extension library: its
// resources join the host's resource chain while it is loaded.
#include "mfc/afxwin.h"

static AFX_EXTENSION_MODULE OrvoFieldEditorsDLL = {FALSE, nullptr, nullptr};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(OrvoFieldEditorsDLL, hInstance))
            return 0;
        // Deleted by AfxTermExtensionModule at detach.
        new CDynLinkLibrary(OrvoFieldEditorsDLL);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(OrvoFieldEditorsDLL);
    }
    return 1;
}
