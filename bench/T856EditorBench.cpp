// Speed of the 856 editor under Wine, through the facade as the host calls
// it: the time from qeDisplay to the end of WM_INITDIALOG (the dialog ready
// for input) over 50 opens, and the time of one Previous or Next click,
// repainting included, over 50 steps. Prints medians and worst cases, for a
// field of a dozen subfields and for one of 10 000.
//
//   scripts/wine-run build/win/bin/orvo-bench-856.exe [OPENS, default 50]
#include "automation/TDialogDriver.h"
#include "mfc/CComboBox.h"
#include "manager/TFieldEditorManager.h"
#include "resources/856EditorIds.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
LARGE_INTEGER g_xInitDone = {};

double qdMilliseconds(const LARGE_INTEGER& rxFrom, const LARGE_INTEGER& rxTo)
{
    LARGE_INTEGER xFrequency;
    ::QueryPerformanceFrequency(&xFrequency);
    return 1000.0 * static_cast<double>(rxTo.QuadPart - rxFrom.QuadPart) / static_cast<double>(xFrequency.QuadPart);
}

LRESULT CALLBACK qhAfterMessage(int iCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* pxMessage = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (iCode == HC_ACTION && pxMessage->message == WM_INITDIALOG)
        ::QueryPerformanceCounter(&g_xInitDone);
    return ::CallNextHookEx(nullptr, iCode, wParam, lParam);
}

void qvPrint(const char* pacWhat, std::vector<double> xTimes)
{
    std::sort(xTimes.begin(), xTimes.end());
    std::printf("%-44s median %7.2f ms, worst %7.2f ms (%zu runs)\n", pacWhat, xTimes[xTimes.size() / 2],
                xTimes.back(), xTimes.size());
    std::fflush(stdout);
}

TMarcRecord qxRecord(int iNotes)
{
    TMarcRecord xRecord;
    xRecord.qvSetLeader("00000nam a2200000 a 4500");
    std::string xData = "40\x1fuhttp://www.loc.gov/catdir/toc/whales.html\x1fqtext/html";
    for (int i = 0; i < iNotes; ++i)
        xData += "\x1fzPublic note number " + std::to_string(i + 1);
    xData += "\x1f" "3Table of contents";
    TMarcTag xField(856);
    xField.qvSetData(xData.c_str(), false);
    xRecord.qvOrderedInsert(xField);
    return xRecord;
}

void qvMeasure(const char* pacName, int iNotes, int iOpens)
{
    const TMarcRecord xRecord = qxRecord(iNotes);
    std::vector<double> xOpens;
    for (int i = 0; i < iOpens; ++i)
    {
        TDialogDriver xDriver;
        xDriver.qrxThen([](HWND hDlg) { ::PostMessageW(hDlg, WM_COMMAND, IDC_856_CANCEL, 0); });
        LARGE_INTEGER xStart;
        ::QueryPerformanceCounter(&xStart);
        TFieldEditorManager::qeDisplay(e856Editor, xRecord, 1, nullptr);
        xOpens.push_back(qdMilliseconds(xStart, g_xInitDone));
    }
    qvPrint((std::string(pacName) + ": open").c_str(), xOpens);

    std::vector<double> xSteps;
    TDialogDriver xDriver;
    xDriver.qrxThen([](HWND hDlg) {
        const HWND hList = ::GetDlgItem(hDlg, IDC_856_REPEATABLE_CODE);
        TDialogDriver::qvChooseComboRow(hList, CComboBox(hList).GetCount() - 2);
    });
    for (int i = 0; i < 50; ++i)
        xDriver.qrxThen([&xSteps](HWND hDlg) {
            const HWND hNext = ::GetDlgItem(hDlg, IDC_856_NEXT);
            const HWND hButton = ::IsWindowEnabled(hNext) ? hNext : ::GetDlgItem(hDlg, IDC_856_PREVIOUS);
            LARGE_INTEGER xStart, xEnd;
            ::QueryPerformanceCounter(&xStart);
            TDialogDriver::qvClick(hButton);
            ::UpdateWindow(hDlg);
            ::QueryPerformanceCounter(&xEnd);
            xSteps.push_back(qdMilliseconds(xStart, xEnd));
        });
    xDriver.qrxThen([](HWND hDlg) { ::PostMessageW(hDlg, WM_COMMAND, IDC_856_CANCEL, 0); });
    TFieldEditorManager::qeDisplay(e856Editor, xRecord, 1, nullptr);
    qvPrint((std::string(pacName) + ": Previous/Next").c_str(), xSteps);
}
}

int main(int argc, char** argv)
{
    const int iOpens = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const HHOOK hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, qhAfterMessage, nullptr, ::GetCurrentThreadId());
    qvMeasure("856 of 13 subfields", 10, iOpens);
    qvMeasure("856 of 10 003 subfields", 10000, std::max(1, iOpens / 5));
    ::UnhookWindowsHookEx(hHook);
    return 0;
}
