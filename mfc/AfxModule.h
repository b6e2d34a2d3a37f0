// The module state of our MFC subset: the current resource module, the chain of
// extension libraries searched for resources, and extension-module start-up.
#pragma once

#include <windows.h>
#include "mfc/AfxDll.h"

ORVO_MFC_API HINSTANCE AfxGetInstanceHandle();
ORVO_MFC_API HINSTANCE AfxGetResourceHandle();
// Makes hInstResource the module that resources are loaded from. It never frees
// the previous one: callers that switch save and restore it.
ORVO_MFC_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds resource (lpszName, lpszType): the current resource
// module first, then each registered extension library in order of
// registration; the current resource module when none has it.
ORVO_MFC_API HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
// The application's name, as message boxes without a caption show it: the
// program's file name without its folder and extension.
ORVO_MFC_API LPCWSTR AfxGetAppName();

// One extension library's record, filled by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

ORVO_MFC_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Unregisters the CDynLinkLibrary objects of this module (bAll: of every module).
ORVO_MFC_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Registers an extension library in the resource chain for as long as it lives.
// The library's entry point creates it on the heap at process attach and
// AfxTermExtensionModule deletes it at detach.
class ORVO_MFC_API CDynLinkLibrary
{
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;
};

// The registered extension libraries, newest last (for tests and diagnostics).
ORVO_MFC_API int AfxGetExtensionLibraryCount();
