// What creating one control costs under Wine, whatever an editor does with it:
// creates twenty statics, drop-down lists and edit boxes, as the editors' templates
// make them, thirty times each, and prints the median time a window.
//
//   run by sh bench/open-latency.sh
#include "mfc/afxwin.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
struct TControlKind
{
    const wchar_t* pwcClass;
    DWORD dwStyle;
    const char* pacName;
};

const TControlKind kKinds[] = {
    {L"STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT, "static"},
    {L"COMBOBOX", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, "drop-down list"},
    {L"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, "edit box"},
};
constexpr int kControls = 20;
constexpr int kRuns = 30;
}

int main()
{
    CWnd xParent;
    if (!xParent.CreateEx(0, AfxRegisterWndClass(0), L"orvo-bench-windows", WS_OVERLAPPEDWINDOW, 0, 0, 640, 640,
                          nullptr, nullptr))
        return 1;
    const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (const TControlKind& rxKind : kKinds)
    {
        std::vector<double> xTimes;
        for (int iRun = 0; iRun < kRuns; ++iRun)
        {
            HWND ahControls[kControls];
            const auto xStart = std::chrono::steady_clock::now();
            for (int i = 0; i < kControls; ++i)
            {
                ahControls[i] = ::CreateWindowExW(
                    0, rxKind.pwcClass, L"x", rxKind.dwStyle, 10, 10 + 25 * i, 200, 200, xParent.m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
                ::SendMessageW(ahControls[i], WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
            }
            xTimes.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - xStart).count() /
                kControls);
            for (HWND hControl : ahControls)
                ::DestroyWindow(hControl);
        }
        std::sort(xTimes.begin(), xTimes.end());
        std::printf("Creating a %-15s median %6.3f ms a window (%d runs of %d)\n", rxKind.pacName,
                    xTimes[xTimes.size() / 2], kRuns, kControls);
    }
    xParent.DestroyWindow();
    return 0;
}
