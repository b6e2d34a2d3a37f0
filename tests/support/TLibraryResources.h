// The resources of OrvoFieldEditors.dll as a test reads them: strings exactly
// as stored, dialog templates created modeless and never shown, and the rule
// every code-list label follows.
#pragma once

#include "core/TCodeListEntry.h"

#include <windows.h>

#include <map>
#include <string>

inline HINSTANCE qhLibrary()
{
    return ::GetModuleHandleW(L"OrvoFieldEditors.dll");
}

// The string exactly as stored, trailing blanks included; empty when missing.
inline std::wstring qxString(uint32_t dwId)
{
    const wchar_t* pText = nullptr;
    const int n = ::LoadStringW(qhLibrary(), dwId, reinterpret_cast<LPWSTR>(&pText), 0);
    return n > 0 && pText ? std::wstring(pText, n) : std::wstring();
}

inline std::string qxNarrow(const std::wstring& rxText)
{
    std::string s;
    for (wchar_t c : rxText)
        s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

// What is wrong with a code-list row's label: empty when it exists and reads
// as the code (blanks as "#"), " - " and a name. Two labels do not read so:
// 32772 is the label of code l in the type of continuing resource, 23454 that
// of code e in the classification validity.
inline std::string qxCodeLabelProblem(const TCodeListEntry& rxRow)
{
    static const std::map<uint32_t, std::wstring> kLabelsOffPattern = {{32772, L"| - Updating loose-leaf"},
                                                                       {23454, L"e  - Obsolete"}};
    const std::wstring xLabel = qxString(rxRow.labelId);
    const std::string xId = "string " + std::to_string(rxRow.labelId);
    if (xLabel.empty())
        return xId + " is missing";
    const auto off = kLabelsOffPattern.find(rxRow.labelId);
    if (off != kLabelsOffPattern.end())
        return off->second == xLabel ? "" : xId + " reads \"" + qxNarrow(xLabel) + "\"";
    std::wstring xExpected;
    for (const char* c = rxRow.code; *c; ++c)
        xExpected += *c == ' ' ? L'#' : static_cast<wchar_t>(*c);
    xExpected += L" - ";
    if (xLabel.compare(0, xExpected.size(), xExpected) != 0 || xLabel.size() == xExpected.size())
        return xId + " for code \"" + rxRow.code + "\" reads \"" + qxNarrow(xLabel) + "\"";
    return "";
}

inline INT_PTR CALLBACK qiQuietDialogProc(HWND, UINT uMsg, WPARAM, LPARAM)
{
    return uMsg == WM_INITDIALOG;
}

// A dialog template of the library, created modeless and never shown.
class TLibraryTemplate
{
public:
    explicit TLibraryTemplate(int iTemplateId)
        : mhDialog(::CreateDialogParamW(qhLibrary(), MAKEINTRESOURCEW(iTemplateId), nullptr, qiQuietDialogProc, 0))
    {}
    ~TLibraryTemplate()
    {
        if (mhDialog)
            ::DestroyWindow(mhDialog);
    }
    TLibraryTemplate(const TLibraryTemplate&) = delete;
    TLibraryTemplate& operator=(const TLibraryTemplate&) = delete;

    HWND qhGet() const { return mhDialog; }
    HWND qhItem(int iId) const { return ::GetDlgItem(mhDialog, iId); }
    std::wstring qxText(int iId) const
    {
        wchar_t awcText[256] = {};
        ::GetWindowTextW(qhItem(iId), awcText, 256);
        return awcText;
    }
    std::wstring qxClass(int iId) const
    {
        wchar_t name[64] = {};
        ::GetClassNameW(qhItem(iId), name, 64);
        return name;
    }
    LONG_PTR qiStyle(int iId) const { return ::GetWindowLongPtrW(qhItem(iId), GWL_STYLE); }

private:
    HWND mhDialog;
};
