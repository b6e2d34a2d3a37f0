#include "host/TWin32HostPrompt.h"

#include "mfc/afxwin.h"

#include <commdlg.h>

#include <vector>

namespace
{
const wchar_t kCaption[] = L"Orvo Cataloguing Host";

// A message goes over the host's dialog that is open (a field line refused),
// else over the main window.
HWND qhMessageOwner(HWND hMain)
{
    HWND hActive = ::GetActiveWindow();
    return hActive != nullptr && ::GetAncestor(hActive, GA_ROOTOWNER) == hMain ? hActive : hMain;
}
// Pairs of description and pattern, as the common dialogs take them.
const wchar_t kFilter[] = L"MARC records (*.mrc;*.mrk;*.usmarc)\0*.mrc;*.mrk;*.usmarc\0"
                          L"ISO 2709 (*.mrc)\0*.mrc\0"
                          L"MARCMaker text (*.mrk)\0*.mrk\0"
                          L"All files (*.*)\0*.*\0";
}

// A message with a detail asks whether to show it: No (the default, Enter or
// Esc) closes it, Yes shows the detail in a second box.
void TWin32HostPrompt::qvShowMessage(const std::wstring& rxText, bool tError, const std::wstring& rxDetail)
{
    CWnd xOwner(qhMessageOwner(mhOwner));
    const UINT nIcon = tError ? MB_ICONERROR : MB_ICONINFORMATION;
    if (rxDetail.empty())
    {
        xOwner.MessageBox(rxText.c_str(), kCaption, MB_OK | nIcon);
        return;
    }
    if (xOwner.MessageBox((rxText + L"\n\nShow the technical details?").c_str(), kCaption,
                          MB_YESNO | MB_DEFBUTTON2 | nIcon) == IDYES)
        xOwner.MessageBox(rxDetail.c_str(), L"Technical details", MB_OK | MB_ICONINFORMATION);
}

EHostAnswer TWin32HostPrompt::qeAsk(const std::wstring& rxQuestion, bool tCancel)
{
    switch (CWnd(qhMessageOwner(mhOwner))
                .MessageBox(rxQuestion.c_str(), kCaption, (tCancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION))
    {
    case IDYES:
        return eAnswerYes;
    case IDNO:
        return eAnswerNo;
    default:
        return eAnswerCancel;
    }
}

bool TWin32HostPrompt::qtChooseFile(std::wstring& rxPath, bool tSave)
{
    std::vector<wchar_t> xBuffer(32768, L'\0');
    rxPath.copy(xBuffer.data(), xBuffer.size() - 1);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = mhOwner;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = xBuffer.data();
    ofn.nMaxFile = static_cast<DWORD>(xBuffer.size());
    ofn.lpstrDefExt = L"mrc";
    ofn.Flags = OFN_HIDEREADONLY | (tSave ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL bChosen = tSave ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!bChosen)
        return false;
    rxPath = xBuffer.data();
    return true;
}

bool TWin32HostPrompt::qtChooseFileToOpen(std::wstring& rxPath)
{
    return qtChooseFile(rxPath, false);
}

bool TWin32HostPrompt::qtChooseFileToSave(std::wstring& rxPath)
{
    return qtChooseFile(rxPath, true);
}
