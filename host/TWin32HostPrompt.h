// The host's questions as message boxes and common file dialogs, owned by the
// main window.
#pragma once

#include "host/THostPrompt.h"

#include <windows.h>

class TWin32HostPrompt : public THostPrompt
{
public:
    TWin32HostPrompt() : mhOwner(nullptr) {}
    void qvSetOwner(HWND hOwner) { mhOwner = hOwner; }

    void qvShowMessage(const std::wstring& rxText, bool tError, const std::wstring& rxDetail) override;
    EHostAnswer qeAsk(const std::wstring& rxQuestion, bool tCancel) override;
    bool qtChooseFileToOpen(std::wstring& rxPath) override;
    bool qtChooseFileToSave(std::wstring& rxPath) override;

private:
    bool qtChooseFile(std::wstring& rxPath, bool tSave);

    HWND mhOwner;
};
