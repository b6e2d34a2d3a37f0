#include "mfc/AfxModule.h"
#include <string>

namespace
{
struct AfxModuleState
{
    HINSTANCE hCurrentResourceHandle = nullptr;
    CDynLinkLibrary* pFirstDLL = nullptr;
};

AfxModuleState& ModuleState()
{
    static AfxModuleState state;
    return state;
}

bool HasResource(HINSTANCE hInst, LPCWSTR lpszName, LPCWSTR lpszType)
{
    return hInst != nullptr && ::FindResourceW(hInst, lpszName, lpszType) != nullptr;
}
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    AfxModuleState& state = ModuleState();
    return state.hCurrentResourceHandle ? state.hCurrentResourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    ModuleState().hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    HINSTANCE hCurrent = AfxGetResourceHandle();
    if (HasResource(hCurrent, lpszName, lpszType))
        return hCurrent;
    for (CDynLinkLibrary* p = ModuleState().pFirstDLL; p != nullptr; p = p->m_pNextDLL)
        if (HasResource(p->m_hResource, lpszName, lpszType))
            return p->m_hResource;
    return hCurrent;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == nullptr)
        return FALSE;
    if (!state.bInitialized)
    {
        state.hModule = hModule;
        state.hResource = hModule;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    AfxModuleState& ms = ModuleState();
    CDynLinkLibrary* p = ms.pFirstDLL;
    while (p != nullptr)
    {
        CDynLinkLibrary* pNext = p->m_pNextDLL;
        if (bAll || p->m_hModule == state.hModule)
            delete p;
        p = pNext;
    }
    if (!bAll)
        state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    CDynLinkLibrary** pp = &ModuleState().pFirstDLL;
    while (*pp != nullptr)
        pp = &(*pp)->m_pNextDLL;
    *pp = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** pp = &ModuleState().pFirstDLL; *pp != nullptr; pp = &(*pp)->m_pNextDLL)
    {
        if (*pp == this)
        {
            *pp = m_pNextDLL;
            break;
        }
    }
}

int AfxGetExtensionLibraryCount()
{
    int n = 0;
    for (CDynLinkLibrary* p = ModuleState().pFirstDLL; p != nullptr; p = p->m_pNextDLL)
        ++n;
    return n;
}

LPCWSTR AfxGetAppName()
{
    static const std::wstring xName = [] {
        wchar_t awcPath[MAX_PATH] = {};
        const DWORD dwLength = ::GetModuleFileNameW(nullptr, awcPath, MAX_PATH);
        std::wstring xPath(awcPath, dwLength < MAX_PATH ? dwLength : 0);
        xPath.erase(0, xPath.find_last_of(L"\\/") + 1);
        const std::size_t nDot = xPath.find_last_of(L'.');
        return nDot == std::wstring::npos ? xPath : xPath.substr(0, nDot);
    }();
    return xName.c_str();
}
