// How fast the 007 editor opens and switches category, under Wine: prints the
// median and the slowest of 50 opens through TFieldEditorManager::qeDisplay
// (from the call until the dialog, its WM_INITDIALOG done, is activated for
// input) and of 50 switches from m to o and back (the whole rebuild of the
// layout that choosing a category causes, without painting).
//
//   scripts/wine-run build/win/bin/orvo-bench-007.exe
#include "manager/TFieldEditorManager.h"
#include "mfc/CComboBox.h"
#include "resources/007EditorIds.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using TClock = std::chrono::steady_clock;

constexpr int kRuns = 50;

TClock::time_point g_xReady;
std::vector<double> g_xSwitches;

double qdMilliseconds(TClock::time_point xFrom, TClock::time_point xTo)
{
    return std::chrono::duration<double, std::milli>(xTo - xFrom).count();
}

// Chooses category cCode in the category list as the list itself would
// report it, and returns how long the dialog took to rebuild.
double qdSwitchTo(HWND hDlg, wchar_t wcCode)
{
    CComboBox xList(::GetDlgItem(hDlg, IDC_007_CATEGORY));
    for (int i = 0; i < xList.GetCount(); ++i)
    {
        CString xText;
        xList.GetLBText(i, xText);
        if (xText.IsEmpty() || xText[0] != wcCode)
            continue;
        xList.SetCurSel(i);
        const TClock::time_point xStart = TClock::now();
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_007_CATEGORY, CBN_SELENDOK),
                       reinterpret_cast<LPARAM>(xList.m_hWnd));
        return qdMilliseconds(xStart, TClock::now());
    }
    return -1.0;
}

bool g_tMeasureSwitches = false;

void CALLBACK qvOnReady(HWND hDlg, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(hDlg, idEvent);
    if (g_tMeasureSwitches)
        for (int i = 0; i < kRuns; ++i)
            g_xSwitches.push_back(qdSwitchTo(hDlg, L'o') + qdSwitchTo(hDlg, L'm'));
    ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
}

// Sees the editor being activated, once WM_INITDIALOG is done: the moment it
// is ready for input. A CBT hook, unlike a message hook, costs nothing per
// message, so it does not slow what it measures.
LRESULT CALLBACK qhCbtHook(int iCode, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (iCode == HCBT_ACTIVATE && ::GetDlgItem(hWnd, IDC_007_CATEGORY) != nullptr)
    {
        g_xReady = TClock::now();
        ::SetTimer(hWnd, 1, 0, qvOnReady);
    }
    return ::CallNextHookEx(nullptr, iCode, wParam, lParam);
}

void qvPrint(const char* pacWhat, std::vector<double> xTimes)
{
    std::sort(xTimes.begin(), xTimes.end());
    std::printf("%-34s median %7.2f ms   slowest %7.2f ms   (%zu runs)\n", pacWhat, xTimes[xTimes.size() / 2],
                xTimes.back(), xTimes.size());
}
}

int wmain()
{
    TMarcRecord record;
    record.qvSetLeader("00000ngm a2200000 a 4500");
    TMarcTag field(7);
    field.qvSetData("m| ||||||||||||||||||||", false);
    record.qvOrderedInsert(field);

    HHOOK hHook = ::SetWindowsHookExW(WH_CBT, qhCbtHook, nullptr, ::GetCurrentThreadId());
    std::vector<double> xOpens;
    for (int i = 0; i <= kRuns; ++i)
    {
        g_tMeasureSwitches = i == kRuns;
        const TClock::time_point xStart = TClock::now();
        TFieldEditorManager::qeDisplay(e007Editor, record, 1, nullptr);
        if (i > 0 && !g_tMeasureSwitches) // the first open loads the library's fonts and classes
            xOpens.push_back(qdMilliseconds(xStart, g_xReady));
    }
    ::UnhookWindowsHookEx(hHook);
    qvPrint("007 editor open (motion picture)", xOpens);
    qvPrint("category switch m -> o -> m", g_xSwitches);
    return 0;
}
