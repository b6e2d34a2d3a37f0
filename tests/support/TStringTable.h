// The string table of OrvoFieldEditors.dll as the tests read it, and the
// check that a code list's labels exist and read "code - name".
#pragma once

#include "base/TCodeListEntry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

inline HINSTANCE qhFieldEditorsLibrary()
{
    return ::GetModuleHandleW(L"OrvoFieldEditors.dll");
}

// The string exactly as stored, trailing blanks included; empty when missing.
inline std::wstring qxLibraryString(uint32_t dwId)
{
    const wchar_t* pText = nullptr;
    const int n = ::LoadStringW(qhFieldEditorsLibrary(), dwId, reinterpret_cast<LPWSTR>(&pText), 0);
    return n > 0 && pText ? std::wstring(pText, n) : std::wstring();
}

inline std::string qxAsciiOf(const std::wstring& rxText)
{
    std::string s;
    for (wchar_t c : rxText)
        s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

// Checks every row of a code list (ended by labelId 0): its label exists and
// reads as its code (blanks shown as "#"), " - " and a name, unless the row
// is one of rxOffPattern, whose label is given there. Returns the rows seen.
inline int qiCheckCodeLabels(const TCodeListEntry* pxTable, const std::map<uint32_t, std::wstring>& rxOffPattern)
{
    int iChecked = 0;
    for (const TCodeListEntry* row = pxTable; row->labelId != 0; ++row, ++iChecked)
    {
        const std::wstring label = qxLibraryString(row->labelId);
        EXPECT_FALSE(label.empty()) << "no string " << row->labelId;
        const auto off = rxOffPattern.find(row->labelId);
        if (off != rxOffPattern.end())
        {
            EXPECT_EQ(off->second, label) << row->labelId;
            continue;
        }
        std::wstring expected;
        for (const char* c = row->code; *c; ++c)
            expected += *c == ' ' ? L'#' : static_cast<wchar_t>(*c);
        expected += L" - ";
        EXPECT_EQ(expected, label.substr(0, expected.size()))
            << "string " << row->labelId << ": \"" << qxAsciiOf(label) << "\"";
        EXPECT_GT(label.size(), expected.size()) << "string " << row->labelId << " names nothing";
    }
    return iChecked;
}
