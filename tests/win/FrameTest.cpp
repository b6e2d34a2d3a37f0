// The dialog frame: a test-only extension library's dialog, built like the
// editors, run modally and driven from inside its own loop.
#include "support/TEditorTestKit.h"
#include "TFrameTestDialog.h"
#include "framelib_resource.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
HINSTANCE qhLibrary()
{
    return ::GetModuleHandleW(L"OrvoFrameTestLib.dll");
}

CString qxLoad(UINT nID)
{
    CString s;
    s.LoadString(nID);
    return s;
}

// A window of the host's that owns the dialog.
struct THostWindow
{
    CWnd xWnd;
    THostWindow()
    {
        xWnd.Attach(::CreateWindowExW(0, L"STATIC", L"host window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                      nullptr, nullptr, nullptr, nullptr));
    }
    ~THostWindow() { ::DestroyWindow(xWnd.Detach()); }
};
}

TEST(Frame, DoModalReturnsHowTheDialogEnded)
{
    const struct
    {
        TStep fnEnd; // null: the driver ends it
        INT_PTR iExpected;
    } cases[] = {
        {qfnClick(IDOK), IDOK},
        {qfnClick(IDCANCEL), IDCANCEL},
        // Closing from the caption bar is a cancel.
        {[](HWND hDlg) { ::PostMessageW(hDlg, WM_CLOSE, 0, 0); }, IDCANCEL},
        {nullptr, TDialogDriver::kDriverEnded},
    };
    for (const auto& c : cases)
    {
        TFrameTestDialog dlg;
        EXPECT_EQ(c.iExpected, c.fnEnd ? qiRun(dlg, {c.fnEnd}) : qiRun(dlg, {}));
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
    // A template that does not exist ends at once.
    TDialog missing(4242, nullptr);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_EQ(nullptr, missing.m_hWnd);
}

TEST(Frame, LibraryResourcesAreCurrentOnlyWhileTheDialogRuns)
{
    HINSTANCE hHost = AfxGetResourceHandle();
    ASSERT_EQ(::GetModuleHandleW(nullptr), hHost);
    ASSERT_NE(nullptr, qhLibrary());
    EXPECT_EQ(CString(L"host"), qxLoad(IDS_FRAME_WHERE));

    TFrameTestDialog dlg;
    qiRun(dlg, {[](HWND) {
              EXPECT_EQ(qhLibrary(), AfxGetResourceHandle());
              EXPECT_EQ(CString(L"library"), qxLoad(IDS_FRAME_WHERE));
          }});
    EXPECT_EQ(qhLibrary(), dlg.mhResourceInInit);
    EXPECT_EQ(CString(L"library"), dlg.mxWhereInInit);
    EXPECT_EQ(hHost, AfxGetResourceHandle());
    EXPECT_EQ(CString(L"host"), qxLoad(IDS_FRAME_WHERE));
}

TEST(Frame, AnExceptionFromAHandlerReachesTheCallerAsTException)
{
    HINSTANCE hHost = AfxGetResourceHandle();
    TFrameTestDialog dlg;
    TDialogDriver driver;
    HWND hDlg = nullptr;
    driver.qrxThen([&](HWND h) {
        hDlg = h;
        qvClick(h, IDC_TEST_THROW);
    });
    try
    {
        dlg.DoModal();
        ADD_FAILURE() << "the handler's exception did not come through";
    }
    catch (const TException& e)
    {
        EXPECT_STREQ(L"TFrameTestDialog::OnThrow() : thrown on purpose", e.qpwcGetMessage());
        EXPECT_EQ(1, static_cast<int>(e.qeGetErrorType()));
        EXPECT_EQ(7, e.qiGetCode());
    }
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(hHost, AfxGetResourceHandle());
    EXPECT_EQ(CString(L"host"), qxLoad(IDS_FRAME_WHERE));
}

TEST(Frame, TheParentIsDisabledWhileTheDialogRunsAndFreedEvenByAnExceptionFromOnInitDialog)
{
    THostWindow parent;
    ASSERT_NE(nullptr, parent.xWnd.m_hWnd);
    TFrameTestDialog dlg(&parent.xWnd);
    qiRun(dlg, {[&](HWND hDlg) {
              EXPECT_FALSE(parent.xWnd.IsWindowEnabled());
              EXPECT_EQ(parent.xWnd.m_hWnd, ::GetWindow(hDlg, GW_OWNER));
          }});
    EXPECT_TRUE(parent.xWnd.IsWindowEnabled());

    HINSTANCE hHost = AfxGetResourceHandle();
    TFrameTestDialog failing(&parent.xWnd);
    failing.mtThrowInInit = true;
    EXPECT_THROW(failing.DoModal(), TException);
    EXPECT_EQ(nullptr, failing.m_hWnd);
    EXPECT_TRUE(parent.xWnd.IsWindowEnabled());
    EXPECT_EQ(hHost, AfxGetResourceHandle());
}

TEST(Frame, SubclassedControlsReceiveTheirOwnMessages)
{
    TFrameTestDialog dlg;
    int paintsBefore = -1;
    qiRun(dlg, {[&](HWND hDlg) {
                    TDialogDriver::qvType(qhItem(hDlg, IDC_TEST_EDIT), L"ab1");
                    paintsBefore = dlg.mxPainted.miPaintCount;
                    ::InvalidateRect(qhItem(hDlg, IDC_TEST_PAINTED), nullptr, TRUE);
                    ::UpdateWindow(qhItem(hDlg, IDC_TEST_PAINTED));
                    ::EnableWindow(qhItem(hDlg, IDC_TEST_PAINTED), FALSE);
                    ::EnableWindow(qhItem(hDlg, IDC_TEST_PAINTED), TRUE);
                },
                // The map's handler passed each character on to the real edit control.
                [](HWND hDlg) { EXPECT_EQ(L"ab1", TDialogDriver::qxGetText(qhItem(hDlg, IDC_TEST_EDIT))); }});
    EXPECT_EQ(L"ab1", dlg.mxEdit.mxCharsSeen);
    EXPECT_GT(dlg.mxPainted.miPaintCount, paintsBefore);
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), dlg.mxPainted.mxEnableSeen);
    // The objects let go of their windows when the dialog went.
    EXPECT_EQ(nullptr, dlg.mxEdit.m_hWnd);
    EXPECT_EQ(nullptr, dlg.mxCombo.m_hWnd);
}

TEST(Frame, ChoosingAComboRowSendsTheNotificationsOfARealComboBox)
{
    TFrameTestDialog dlg;
    qiRun(dlg, {[](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, IDC_TEST_COMBO), 2); },
                [](HWND hDlg) { EXPECT_EQ(2, TDialogDriver::qiGetCurSel(qhItem(hDlg, IDC_TEST_COMBO))); }});
    ASSERT_FALSE(dlg.mxComboNotifications.empty());
    EXPECT_EQ(static_cast<UINT>(CBN_SELENDOK), dlg.mxComboNotifications.back());
    EXPECT_NE(
        dlg.mxComboNotifications.end(),
        std::find(dlg.mxComboNotifications.begin(), dlg.mxComboNotifications.end(), static_cast<UINT>(CBN_SELCHANGE)));
}

TEST(Frame, TooltipTakesTextByStringIdAndASecondCallReplacesIt)
{
    TFrameTestDialog dlg;
    qiRun(dlg, {[&](HWND) {
              CString tip;
              dlg.qrxGetToolTip().qvGetWindowTip(&dlg.mxCombo, tip);
              // The trailing blank of the string table entry is kept.
              EXPECT_EQ(CString(L"Tip from the library's string table "), tip);
              dlg.qrxGetToolTip().qtAddWindowTip(&dlg.mxCombo, CString(L"b - Second"));
              dlg.qrxGetToolTip().qvGetWindowTip(&dlg.mxCombo, tip);
              EXPECT_EQ(CString(L"b - Second"), tip);
              EXPECT_EQ(1u, dlg.qrxGetToolTip().qdwGetToolCount());
          }});
}

TEST(Frame, TabAndShiftTabBecomeTheAcceleratorCommands)
{
    TFrameTestDialog dlg;
    qiRun(dlg, {[&](HWND hDlg) {
                    ::SetForegroundWindow(hDlg);
                    ::SetFocus(qhItem(hDlg, IDC_TEST_EDIT));
                    TDialogDriver::qvPressKey(VK_TAB);
                },
                [&](HWND hDlg) {
                    // The accelerator took the key: the dialog manager did not move the focus.
                    EXPECT_EQ(qhItem(hDlg, IDC_TEST_EDIT), ::GetFocus());
                    TDialogDriver::qvPressKey(VK_TAB, true);
                },
                [&](HWND) { TDialogDriver::qvPressKey(VK_TAB); }});
    EXPECT_EQ(2, dlg.miNextCount);
    EXPECT_EQ(1, dlg.miPreviousCount);
}
