// orvo-bench-006: how fast the 006 editor opens and switches its layout, under
// Wine with whatever graphics driver the prefix has (null for the figures in
// README). Prints the median and 90th percentile of:
//   - opening: from the call of qeDisplay to the dialog ready for input (its
//     WM_INITDIALOG handled), on a record with a Books 006, 50 times;
//   - a form change that rebuilds the layout (a -> m -> a ...), from the
//     choice to the rebuilt dialog, 50 times.
#include "automation/TDialogDriver.h"
#include "manager/TFieldEditorManager.h"
#include "mfc/CComboBox.h"
#include "recordlib/TMarcRecord.h"
#include "resources/006EditorIds.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr int kRuns = 50;

LARGE_INTEGER g_xStart;
std::vector<double> g_xOpenMs;
std::vector<double> g_xSwitchMs;
HHOOK g_hHook = nullptr;

double qdMillisecondsSince(const LARGE_INTEGER& rxStart)
{
    LARGE_INTEGER xNow;
    LARGE_INTEGER xFrequency;
    ::QueryPerformanceCounter(&xNow);
    ::QueryPerformanceFrequency(&xFrequency);
    return static_cast<double>(xNow.QuadPart - rxStart.QuadPart) * 1000.0 / static_cast<double>(xFrequency.QuadPart);
}

// Chooses the form at row iRow of the form list as the list reports a choice.
void qvChooseForm(HWND hDlg, int iRow)
{
    CComboBox xList(::GetDlgItem(hDlg, IDC_006_FORM_OF_MATERIAL));
    xList.SetCurSel(iRow);
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_006_FORM_OF_MATERIAL, CBN_SELENDOK),
                   reinterpret_cast<LPARAM>(xList.m_hWnd));
}

// After the dialog's WM_INITDIALOG: the opening time; on the last opening
// also the layout switches; then Cancel.
LRESULT CALLBACK qhAfterMessage(int iCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* pxMessage = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (iCode == HC_ACTION && pxMessage->message == WM_INITDIALOG &&
        ::GetDlgItem(pxMessage->hwnd, IDC_006_FORM_OF_MATERIAL) != nullptr)
    {
        g_xOpenMs.push_back(qdMillisecondsSince(g_xStart));
        if (g_xOpenMs.size() == kRuns)
            for (int i = 0; i < kRuns; ++i)
            {
                const int iRow = TDialogDriver::qiFindComboRow(::GetDlgItem(pxMessage->hwnd, IDC_006_FORM_OF_MATERIAL),
                                                               i % 2 == 0 ? L"m" : L"a");
                LARGE_INTEGER xStart;
                ::QueryPerformanceCounter(&xStart);
                qvChooseForm(pxMessage->hwnd, iRow);
                g_xSwitchMs.push_back(qdMillisecondsSince(xStart));
            }
        ::PostMessageW(pxMessage->hwnd, WM_COMMAND, IDC_006_CANCEL, 0);
    }
    return ::CallNextHookEx(g_hHook, iCode, wParam, lParam);
}

void qvPrint(const char* pacWhat, std::vector<double> xMs)
{
    if (xMs.empty())
    {
        std::printf("%-40s no figures\n", pacWhat);
        return;
    }
    std::sort(xMs.begin(), xMs.end());
    std::printf("%-40s median %6.2f ms   90th percentile %6.2f ms   (%zu runs)\n", pacWhat, xMs[xMs.size() / 2],
                xMs[xMs.size() * 9 / 10], xMs.size());
}
}

int main()
{
    TMarcRecord record;
    record.qvSetLeader("00000nam a2200000 a 4500");
    TMarcTag field(6);
    field.qvSetData("aabc jr0|01 011 1d", false);
    record.qvOrderedInsert(field);

    g_hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, qhAfterMessage, nullptr, ::GetCurrentThreadId());
    for (int i = 0; i < kRuns; ++i)
    {
        ::QueryPerformanceCounter(&g_xStart);
        if (TFieldEditorManager::qeDisplay(e006Editor, record, 1, nullptr) != eDisplayCancelled)
            std::printf("the 006 editor did not open\n");
    }
    ::UnhookWindowsHookEx(g_hHook);
    qvPrint("006 editor, open (Books)", g_xOpenMs);
    qvPrint("006 editor, form change a <-> m", g_xSwitchMs);
    return g_xOpenMs.size() == kRuns && g_xSwitchMs.size() == kRuns ? 0 : 1;
}
