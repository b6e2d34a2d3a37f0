// What one control costs under Wine, whatever an editor does with it.
//
// By default it creates twenty statics, drop-down lists, edit boxes and push
// buttons, as the editors' templates make them, thirty times each, and prints
// the median time a window.
//
// With --requests it leaves in the wineserver's log, between two marks (a
// global atom named "orvo-mark begin bare KIND" and "orvo-mark end bare
// KIND"), what ten bare controls of each kind cost from their creation in a
// hidden window until that window has been shown and painted: the floor an
// editor's windows cannot go below, whatever the editor does. A list gets ten
// rows, inserted with its redraw off as the editors fill theirs. The same is
// measured with no control ("none": showing and painting the window itself);
// bench/request-count.sh subtracts it and divides by ten.
//
//   run by sh bench/open-latency.sh and sh bench/request-count.sh
#include "bench/TRequestLogMark.h"
#include "mfc/afxwin.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct TControlKind
{
    const wchar_t* pwcClass;
    DWORD dwStyle;
    const char* pacName;
};

// The names are those bench/request-count.sh gives the windows of an open by
// their class.
const TControlKind kKinds[] = {
    {L"STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT, "static"},
    {L"COMBOBOX", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, "list"},
    {L"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, "edit"},
    {L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, "button"},
};
constexpr int kControls = 20;
constexpr int kMarkedControls = 10;
constexpr int kListRows = 10;
constexpr int kRuns = 30;

HWND qhCreateControl(const TControlKind& rxKind, HWND hParent, int i, HFONT hFont)
{
    const bool tList = rxKind.pwcClass[0] == L'C';
    const HWND hControl = ::CreateWindowExW(0, rxKind.pwcClass, L"x", rxKind.dwStyle, 10, 10 + 25 * i, 200,
                                            tList ? 200 : 21, hParent,
                                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
    CWnd(hControl).SetFont(hFont, FALSE);
    if (!tList)
        return hControl;
    CComboBox xList(hControl);
    xList.SetRedraw(FALSE);
    for (int iRow = 0; iRow < kListRows; ++iRow)
        xList.InsertString(iRow, L"a - Some code");
    xList.SetRedraw(TRUE);
    xList.SetCurSel(0);
    return hControl;
}

// Takes every message waiting, the paints included, as a dialog's loop does
// before it first goes idle.
void qvPumpMessages()
{
    MSG xMsg;
    while (::PeekMessageW(&xMsg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&xMsg);
        ::DispatchMessageW(&xMsg);
    }
}

// Ten controls of rxKind (none when null) created in hidden window rxParent,
// which is then shown and painted; between marks when tMarked.
void qvBareControls(CWnd& rxParent, const TControlKind* pxKind, HFONT hFont, bool tMarked)
{
    const std::string xName = std::string("bare ") + (pxKind != nullptr ? pxKind->pacName : "none");
    if (tMarked)
        qvMarkLog("orvo-mark begin " + xName);
    std::vector<HWND> xControls;
    for (int i = 0; pxKind != nullptr && i < kMarkedControls; ++i)
        xControls.push_back(qhCreateControl(*pxKind, rxParent.m_hWnd, i, hFont));
    rxParent.ShowWindow(SW_SHOWNA);
    qvPumpMessages();
    if (tMarked)
    {
        qvMarkLog("orvo-mark end " + xName);
        qvMarkLog("orvo-mark windows " + xName + " " + std::to_string(kMarkedControls));
    }
    rxParent.ShowWindow(SW_HIDE);
    for (HWND hControl : xControls)
        ::DestroyWindow(hControl);
    qvPumpMessages();
}

void qvMarkBareControls(CWnd& rxParent, HFONT hFont)
{
    for (bool tMarked : {false, true})
    {
        qvBareControls(rxParent, nullptr, hFont, tMarked);
        for (const TControlKind& rxKind : kKinds)
            qvBareControls(rxParent, &rxKind, hFont, tMarked);
    }
}

void qvTimeControls(CWnd& rxParent, HFONT hFont)
{
    rxParent.ShowWindow(SW_SHOWNA);
    for (const TControlKind& rxKind : kKinds)
    {
        std::vector<double> xTimes;
        for (int iRun = 0; iRun < kRuns; ++iRun)
        {
            HWND ahControls[kControls];
            const auto xStart = std::chrono::steady_clock::now();
            for (int i = 0; i < kControls; ++i)
                ahControls[i] = qhCreateControl(rxKind, rxParent.m_hWnd, i, hFont);
            xTimes.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - xStart).count() /
                kControls);
            for (HWND hControl : ahControls)
                ::DestroyWindow(hControl);
        }
        std::sort(xTimes.begin(), xTimes.end());
        std::printf("Creating a %-7s median %6.3f ms a window (%d runs of %d)\n", rxKind.pacName,
                    xTimes[xTimes.size() / 2], kRuns, kControls);
    }
}
}

int main(int argc, char** argv)
{
    CWnd xParent;
    if (!xParent.CreateEx(0, AfxRegisterWndClass(0), L"orvo-bench-windows", WS_OVERLAPPEDWINDOW, 0, 0, 640, 640,
                          nullptr, nullptr))
        return 1;
    const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (argc > 1 && std::string(argv[1]) == "--requests")
        qvMarkBareControls(xParent, hFont);
    else
        qvTimeControls(xParent, hFont);
    xParent.DestroyWindow();
    return 0;
}
