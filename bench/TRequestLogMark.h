// Marks in the wineserver's request log (wineserver -d1) that
// bench/request-count.sh reads: "orvo-mark begin NAME" and "orvo-mark end
// NAME" around a step, "orvo-mark windows NAME COUNT" for the windows it
// showed, hid or made. Adding a global atom is one request that names its
// text.
#pragma once

#include <windows.h>

#include <string>

inline void qvMarkLog(const std::string& rxText)
{
    const std::wstring xText(rxText.begin(), rxText.end());
    ::GlobalDeleteAtom(::GlobalAddAtomW(xText.c_str()));
}
