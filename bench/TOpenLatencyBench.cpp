// How fast each editor is ready for input, under Wine: opens each editor 50
// times through TFieldEditorManager::qeDisplay on a typical record and prints
// the median and 90th percentile of the time from the call to the dialog's
// modal loop first going idle (its owner's first WM_ENTERIDLE), the windows
// one open creates, and the GDI and USER objects the process holds after the
// last close. Then it times the layout switches: the 006 form change, the 007
// category change and the 856 Previous/Next, each from the notification to the
// dialog repainted.
//
//   sh bench/open-latency.sh [RUNS, default 50]
//
// With --requests it opens each editor and makes each switch once after a
// warm-up, each between two marks the wineserver's log shows (a global atom
// named "orvo-mark begin NAME" and "orvo-mark end NAME"), and after a switch
// names in a third mark how many windows it showed or hidden; the log is
// counted by bench/request-count.sh.
#include "automation/TDialogDriver.h"
#include "bench/TRequestLogMark.h"
#include "manager/TFieldEditorManager.h"
#include "mfc/afxwin.h"
#include "resources/006EditorIds.h"
#include "resources/007EditorIds.h"
#include "resources/856EditorIds.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace
{
using TClock = std::chrono::steady_clock;

double qdMilliseconds(TClock::time_point xFrom, TClock::time_point xTo)
{
    return std::chrono::duration<double, std::milli>(xTo - xFrom).count();
}

// The name of the step between the marks, empty when no log is marked.
std::string g_xMarkedStep;

// The editors' owner: it sees the modal loop go idle, then runs the step the
// run asked for and closes the dialog.
class TBenchOwner : public CWnd
{
public:
    std::function<void(HWND hDlg)> mfnOnReady;
    TClock::time_point mxReady;

protected:
    LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam)
    {
        const HWND hDlg = reinterpret_cast<HWND>(lParam);
        if (wParam != MSGF_DIALOGBOX || !mtWaitingForReady)
            return 0;
        mxReady = TClock::now();
        mtWaitingForReady = false;
        if (!g_xMarkedStep.empty())
        {
            qvMarkLog("orvo-mark end " + g_xMarkedStep);
            g_xMarkedStep.clear();
        }
        if (mfnOnReady)
            mfnOnReady(hDlg);
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

public:
    // Set before each open: the first idle of the dialog is its ready time.
    bool mtWaitingForReady = false;
};

BEGIN_MESSAGE_MAP(TBenchOwner, CWnd)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

TMarcRecord qxRecord(const char* pacLeader, std::initializer_list<std::pair<int, const char*>> xFields)
{
    TMarcRecord xRecord;
    xRecord.qvSetLeader(pacLeader);
    for (const auto& rxField : xFields)
    {
        TMarcTag xTag(rxField.first);
        xTag.qvSetData(rxField.second, false);
        xRecord.qvOrderedInsert(xTag);
    }
    return xRecord;
}

const char kBookLeader[] = "01041cam a2200265 a 4500";
const char kBook008[] = "920219s1993    caua   j      000 0 eng  ";

struct TOpenCase
{
    const char* pacName;
    EFieldEditor eEditor;
    TMarcRecord xRecord;
    int iOccurrence;
};

std::vector<TOpenCase> qxOpenCases()
{
    return {
        {"Leader", eLeaderEditor, qxRecord(kBookLeader, {{8, kBook008}}), 0},
        {"008, Books", e008Editor, qxRecord(kBookLeader, {{8, kBook008}}), 0},
        {"008, Maps", e008Editor,
         qxRecord("00000cem a2200000 a 4500", {{8, "850101s1985    xx a     a    1   0 eng d"}}), 0},
        {"008, Authority", e008Editor,
         qxRecord("00000nz  a2200000n  4500", {{8, "860211n| acannaabn          |a aaa      "}}), 0},
        {"006, Books", e006Editor, qxRecord(kBookLeader, {{6, "aabc jr0|01 011 1d"}, {8, kBook008}}), 1},
        {"007, Motion picture", e007Editor, qxRecord(kBookLeader, {{7, "mr baaadnnartnnai197501"}, {8, kBook008}}), 1},
        {"856, 13 subfields", e856Editor,
         qxRecord(kBookLeader, {{8, kBook008},
                                {856, "40\x1fuhttp://www.loc.gov/catdir/toc/whales.html\x1fqtext/html\x1fzFirst note"
                                      "\x1fzSecond note\x1fzThird note\x1fzFourth note\x1fzFifth note\x1fzSixth note"
                                      "\x1fzSeventh note\x1fzEighth note\x1fzNinth note\x1fzTenth note\x1f"
                                      "3Contents"}}),
         1},
    };
}

int g_iWindowsCreated = 0;

// Marks the start and the end of the switch it lives around, when a step is
// named. (An open's end is its dialog's first idle: TBenchOwner marks it.)
class TMarkedStep
{
public:
    TMarkedStep()
    {
        if (!g_xMarkedStep.empty())
            qvMarkLog("orvo-mark begin " + g_xMarkedStep);
    }
    ~TMarkedStep()
    {
        if (!g_xMarkedStep.empty())
            qvMarkLog("orvo-mark end " + g_xMarkedStep);
    }
    TMarkedStep(const TMarkedStep&) = delete;
    TMarkedStep& operator=(const TMarkedStep&) = delete;
};

LRESULT CALLBACK qhCountCreations(int iCode, WPARAM wParam, LPARAM lParam)
{
    if (iCode == HCBT_CREATEWND)
        ++g_iWindowsCreated;
    return ::CallNextHookEx(nullptr, iCode, wParam, lParam);
}

void qvPrintTimes(const std::string& rxWhat, std::vector<double> xTimes, const std::string& rxMore)
{
    std::sort(xTimes.begin(), xTimes.end());
    std::printf("%-28s median %7.2f ms   90th %7.2f ms%s\n", rxWhat.c_str(), xTimes[xTimes.size() / 2],
                xTimes[xTimes.size() * 9 / 10], rxMore.c_str());
    std::fflush(stdout);
}

// Opens the editor iRuns times and returns the times to ready.
std::vector<double> qxTimeOpens(TBenchOwner& rxOwner, const TOpenCase& rxCase, int iRuns)
{
    std::vector<double> xTimes;
    for (int i = 0; i < iRuns; ++i)
    {
        rxOwner.mtWaitingForReady = true;
        const TClock::time_point xStart = TClock::now();
        if (!g_xMarkedStep.empty())
            qvMarkLog("orvo-mark begin " + g_xMarkedStep);
        TFieldEditorManager::qeDisplay(rxCase.eEditor, rxCase.xRecord, rxCase.iOccurrence, &rxOwner);
        xTimes.push_back(qdMilliseconds(xStart, rxOwner.mxReady));
    }
    return xTimes;
}

int qiCountCreatedWindows(TBenchOwner& rxOwner, const TOpenCase& rxCase)
{
    g_iWindowsCreated = 0;
    const HHOOK hHook = ::SetWindowsHookExW(WH_CBT, qhCountCreations, nullptr, ::GetCurrentThreadId());
    qxTimeOpens(rxOwner, rxCase, 1);
    ::UnhookWindowsHookEx(hHook);
    return g_iWindowsCreated;
}

// Chooses the row of list nListId for code pwcCode, as the list reports a
// choice, and returns the time until the dialog is repainted.
double qdChoose(HWND hDlg, int nListId, const wchar_t* pwcCode, UINT nNotification)
{
    CComboBox xList(::GetDlgItem(hDlg, nListId));
    xList.SetCurSel(TDialogDriver::qiFindComboRow(xList.m_hWnd, pwcCode));
    const TClock::time_point xStart = TClock::now();
    TMarkedStep xMarked;
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nListId, nNotification), reinterpret_cast<LPARAM>(xList.m_hWnd));
    ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return qdMilliseconds(xStart, TClock::now());
}

double qdClick(HWND hDlg, int nButtonId)
{
    const HWND hButton = ::GetDlgItem(hDlg, nButtonId);
    const TClock::time_point xStart = TClock::now();
    TMarkedStep xMarked;
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return qdMilliseconds(xStart, TClock::now());
}

// (Named functions, not lambdas: on 32-bit Windows a callback is __stdcall,
// which a lambda cannot convert to.)
BOOL CALLBACK qtCountChildWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK qtCountWindowAndChildren(HWND hWnd, LPARAM lParam)
{
    qtCountChildWindow(hWnd, lParam);
    ::EnumChildWindows(hWnd, qtCountChildWindow, lParam);
    return TRUE;
}

// Each child window of a dialog and whether it is visible.
BOOL CALLBACK qtNoteChildVisibility(HWND hWnd, LPARAM lParam)
{
    auto& rxVisible = *reinterpret_cast<std::map<HWND, bool>*>(lParam);
    rxVisible[hWnd] = (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
    return TRUE;
}

std::map<HWND, bool> qxChildVisibility(HWND hDlg)
{
    std::map<HWND, bool> xVisible;
    ::EnumChildWindows(hDlg, qtNoteChildVisibility, reinterpret_cast<LPARAM>(&xVisible));
    return xVisible;
}

// The windows shown or hidden between two notes of qxChildVisibility (a new
// window counts when visible).
int qiCountVisibilityChanges(const std::map<HWND, bool>& rxBefore, const std::map<HWND, bool>& rxAfter)
{
    int iChanged = 0;
    for (const auto& rxWindow : rxAfter)
    {
        const auto itBefore = rxBefore.find(rxWindow.first);
        if (itBefore == rxBefore.end() ? rxWindow.second : itBefore->second != rxWindow.second)
            ++iChanged;
    }
    return iChanged;
}

int qiCountThreadWindows()
{
    int iCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), qtCountWindowAndChildren, reinterpret_cast<LPARAM>(&iCount));
    return iCount;
}

// A layout switch and the switch back, timed alternately on one dialog.
struct TSwitchCase
{
    const char* pacForward;
    const char* pacBack;
    size_t dwOpenCase;
    std::function<double(HWND hDlg)> fnForward;
    std::function<double(HWND hDlg)> fnBack;
};

std::vector<TSwitchCase> qxSwitchCases()
{
    return {
        {"006 form change a -> m", "006 form change m -> a", 4,
         [](HWND hDlg) { return qdChoose(hDlg, IDC_006_FORM_OF_MATERIAL, L"m", CBN_SELENDOK); },
         [](HWND hDlg) { return qdChoose(hDlg, IDC_006_FORM_OF_MATERIAL, L"a", CBN_SELENDOK); }},
        {"007 category m -> o", "007 category o -> m", 5,
         [](HWND hDlg) { return qdChoose(hDlg, IDC_007_CATEGORY, L"o", CBN_SELENDOK); },
         [](HWND hDlg) { return qdChoose(hDlg, IDC_007_CATEGORY, L"m", CBN_SELENDOK); }},
        {"856 Next", "856 Previous", 6, [](HWND hDlg) { return qdClick(hDlg, IDC_856_NEXT); },
         [](HWND hDlg) { return qdClick(hDlg, IDC_856_PREVIOUS); }},
    };
}

// One open of each editor and one of each switch, each way, between marks
// in the wineserver's log; after each switch a third mark names the windows
// it showed or hid ("orvo-mark windows NAME COUNT"). Every step is made once
// unmarked before, so that none counts loading or first filling.
void qvMarkRequests(TBenchOwner& rxOwner, const std::vector<TOpenCase>& rxOpenCases)
{
    for (const TOpenCase& rxCase : rxOpenCases)
    {
        g_xMarkedStep = std::string("open ") + rxCase.pacName;
        qxTimeOpens(rxOwner, rxCase, 1);
    }
    for (const TSwitchCase& rxSwitch : qxSwitchCases())
    {
        rxOwner.mfnOnReady = [&](HWND hDlg) {
            rxSwitch.fnForward(hDlg);
            rxSwitch.fnBack(hDlg);
            for (const auto& rxStep : {std::make_pair(rxSwitch.pacForward, rxSwitch.fnForward),
                                       std::make_pair(rxSwitch.pacBack, rxSwitch.fnBack)})
            {
                const std::map<HWND, bool> xBefore = qxChildVisibility(hDlg);
                g_xMarkedStep = std::string("switch ") + rxStep.first;
                rxStep.second(hDlg);
                g_xMarkedStep.clear();
                qvMarkLog(std::string("orvo-mark windows switch ") + rxStep.first + " " +
                          std::to_string(qiCountVisibilityChanges(xBefore, qxChildVisibility(hDlg))));
            }
        };
        qxTimeOpens(rxOwner, rxOpenCases[rxSwitch.dwOpenCase], 1);
    }
    rxOwner.mfnOnReady = nullptr;
}
}

int main(int argc, char** argv)
{
    const bool tMarkRequests = argc > 1 && std::string(argv[1]) == "--requests";
    const int iRuns = argc > 1 && !tMarkRequests ? std::max(1, std::atoi(argv[1])) : 50;
    TBenchOwner xOwner;
    if (!xOwner.CreateEx(0, AfxRegisterWndClass(0), L"orvo-bench-open", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                         nullptr))
        return 1;
    const std::vector<TOpenCase> xOpenCases = qxOpenCases();
    // One open of each first, so that no figure includes loading the DLLs.
    for (const TOpenCase& rxCase : xOpenCases)
        qxTimeOpens(xOwner, rxCase, 1);
    if (tMarkRequests)
    {
        qvMarkRequests(xOwner, xOpenCases);
        xOwner.DestroyWindow();
        return 0;
    }

    std::printf("Open, from qeDisplay to the dialog ready for input (%d runs each)\n", iRuns);
    for (const TOpenCase& rxCase : xOpenCases)
    {
        const std::vector<double> xTimes = qxTimeOpens(xOwner, rxCase, iRuns);
        const int iCreated = qiCountCreatedWindows(xOwner, rxCase);
        qvPrintTimes(rxCase.pacName, xTimes, "   " + std::to_string(iCreated) + " windows created");
    }

    std::printf("Layout switches, from the notification to the dialog repainted (%d runs each)\n", iRuns);
    for (const TSwitchCase& rxSwitch : qxSwitchCases())
    {
        std::vector<double> xForward, xBack;
        xOwner.mfnOnReady = [&](HWND hDlg) {
            for (int i = 0; i < iRuns; ++i)
            {
                xForward.push_back(rxSwitch.fnForward(hDlg));
                xBack.push_back(rxSwitch.fnBack(hDlg));
            }
        };
        qxTimeOpens(xOwner, xOpenCases[rxSwitch.dwOpenCase], 1);
        qvPrintTimes(rxSwitch.pacForward, xForward, "");
        qvPrintTimes(rxSwitch.pacBack, xBack, "");
    }
    xOwner.mfnOnReady = nullptr;

    // Wine 8 answers 0 for both counts whatever the process holds (its
    // GetGuiResources is a stub); the windows of this thread, the owner
    // included, show there what the editors left behind.
    std::printf("After the last close: %lu GDI objects, %lu USER objects (GetGuiResources), "
                "%d windows on this thread (the owner's included)\n",
                ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
                ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), qiCountThreadWindows());
    xOwner.DestroyWindow();
    return 0;
}
