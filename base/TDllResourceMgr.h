// TDllResourceMgr: while it lives, resources load from the library whose code
// holds it; the resource module that was current before is put back when it
// goes, also when an exception passes. TFieldEditorBase::DoModal, the one
// DoModal of every editor, runs inside one.
#pragma once

#include <windows.h>

class TDllResourceMgr
{
public:
    TDllResourceMgr();
    virtual ~TDllResourceMgr();
    TDllResourceMgr(const TDllResourceMgr&) = delete;
    TDllResourceMgr& operator=(const TDllResourceMgr&) = delete;

    // The module this code is linked into: OrvoFieldEditors.dll.
    static HINSTANCE qhGetLibraryResourceHandle();

private:
    HINSTANCE mhSavedResourceHandle;
};
