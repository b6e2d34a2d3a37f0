#include "base/TDllResourceMgr.h"
#include "mfc/AfxModule.h"

TDllResourceMgr::TDllResourceMgr() : mhSavedResourceHandle(AfxGetResourceHandle())
{
    AfxSetResourceHandle(qhGetLibraryResourceHandle());
}

TDllResourceMgr::~TDllResourceMgr()
{
    AfxSetResourceHandle(mhSavedResourceHandle);
}

HINSTANCE TDllResourceMgr::qhGetLibraryResourceHandle()
{
    HMODULE hModule = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&TDllResourceMgr::qhGetLibraryResourceHandle), &hModule);
    return hModule;
}
