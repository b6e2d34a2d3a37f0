// The dialog frame: a test-only extension library's dialog, built like the
// editors, run modally and driven from inside its own loop.
#include "automation/TDialogDriver.h"
#include "TFrameTestDialog.h"
#include "framelib_resource.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

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

HWND qhItem(HWND hDlg, int nID)
{
    return ::GetDlgItem(hDlg, nID);
}
}

TEST(Frame, DoModalReturnsHowTheDialogEnded)
{
    {
        TFrameTestDialog dlg;
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, IDOK)); });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_TRUE(driver.qtFinished());
    }
    {
        TFrameTestDialog dlg;
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, IDCANCEL)); });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
    {
        // Closing from the caption bar is a cancel.
        TFrameTestDialog dlg;
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { ::PostMessageW(hDlg, WM_CLOSE, 0, 0); });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
    {
        TFrameTestDialog dlg;
        TDialogDriver driver;
        EXPECT_EQ(TDialogDriver::kDriverEnded, dlg.DoModal());
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
}

TEST(Frame, ATemplateThatDoesNotExistEndsAtOnce)
{
    TDialog dlg(4242, nullptr);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(Frame, LibraryResourcesAreCurrentOnlyWhileTheDialogRuns)
{
    HINSTANCE hHost = AfxGetResourceHandle();
    ASSERT_EQ(::GetModuleHandleW(nullptr), hHost);
    ASSERT_NE(nullptr, qhLibrary());
    EXPECT_EQ(CString(L"host"), qxLoad(IDS_FRAME_WHERE));

    TFrameTestDialog dlg;
    HINSTANCE hDuringSteps = nullptr;
    CString whereDuringSteps;
    TDialogDriver driver;
    driver.qrxThen([&](HWND) {
        hDuringSteps = AfxGetResourceHandle();
        whereDuringSteps = qxLoad(IDS_FRAME_WHERE);
    });
    dlg.DoModal();

    EXPECT_EQ(qhLibrary(), dlg.mhResourceInInit);
    EXPECT_EQ(CString(L"library"), dlg.mxWhereInInit);
    EXPECT_EQ(qhLibrary(), hDuringSteps);
    EXPECT_EQ(CString(L"library"), whereDuringSteps);
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
        TDialogDriver::qvClick(qhItem(h, IDC_TEST_THROW));
    });
    bool caught = false;
    try
    {
        dlg.DoModal();
    }
    catch (const TException& e)
    {
        caught = true;
        EXPECT_STREQ(L"TFrameTestDialog::OnThrow() : thrown on purpose", e.qpwcGetMessage());
        EXPECT_EQ(1, static_cast<int>(e.qeGetErrorType()));
        EXPECT_EQ(7, e.qiGetCode());
    }
    EXPECT_TRUE(caught);
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(hHost, AfxGetResourceHandle());
    EXPECT_EQ(CString(L"host"), qxLoad(IDS_FRAME_WHERE));
}

TEST(Frame, AnExceptionFromOnInitDialogReachesTheCallerAndFreesTheParent)
{
    HINSTANCE hHost = AfxGetResourceHandle();
    CWnd parent;
    parent.Attach(::CreateWindowExW(0, L"STATIC", L"host window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                    200, nullptr, nullptr, nullptr, nullptr));
    ASSERT_NE(nullptr, parent.m_hWnd);

    TFrameTestDialog dlg(&parent);
    dlg.mtThrowInInit = true;
    EXPECT_THROW(dlg.DoModal(), TException);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(parent.IsWindowEnabled());
    EXPECT_EQ(hHost, AfxGetResourceHandle());
    ::DestroyWindow(parent.Detach());
}

TEST(Frame, TheParentIsDisabledWhileTheDialogRuns)
{
    CWnd parent;
    parent.Attach(::CreateWindowExW(0, L"STATIC", L"host window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                    200, nullptr, nullptr, nullptr, nullptr));
    TFrameTestDialog dlg(&parent);
    BOOL enabledDuring = TRUE;
    HWND hOwner = nullptr;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        enabledDuring = parent.IsWindowEnabled();
        hOwner = ::GetWindow(hDlg, GW_OWNER);
    });
    dlg.DoModal();
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(parent.m_hWnd, hOwner);
    EXPECT_TRUE(parent.IsWindowEnabled());
    ::DestroyWindow(parent.Detach());
}

TEST(Frame, SubclassedControlsReceiveTheirOwnMessages)
{
    TFrameTestDialog dlg;
    int paintsBefore = -1;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        TDialogDriver::qvType(qhItem(hDlg, IDC_TEST_EDIT), L"ab1");
        paintsBefore = dlg.mxPainted.miPaintCount;
        ::InvalidateRect(qhItem(hDlg, IDC_TEST_PAINTED), nullptr, TRUE);
        ::UpdateWindow(qhItem(hDlg, IDC_TEST_PAINTED));
        ::EnableWindow(qhItem(hDlg, IDC_TEST_PAINTED), FALSE);
        ::EnableWindow(qhItem(hDlg, IDC_TEST_PAINTED), TRUE);
    });
    std::wstring textAfterTyping;
    driver.qrxThen([&](HWND hDlg) { textAfterTyping = TDialogDriver::qxGetText(qhItem(hDlg, IDC_TEST_EDIT)); });
    dlg.DoModal();

    EXPECT_EQ(L"ab1", dlg.mxEdit.mxCharsSeen);
    // The map's handler passed each character on to the real edit control.
    EXPECT_EQ(L"ab1", textAfterTyping);
    EXPECT_GT(dlg.mxPainted.miPaintCount, paintsBefore);
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), dlg.mxPainted.mxEnableSeen);
    // The objects let go of their windows when the dialog went.
    EXPECT_EQ(nullptr, dlg.mxEdit.m_hWnd);
    EXPECT_EQ(nullptr, dlg.mxCombo.m_hWnd);
}

TEST(Frame, ChoosingAComboRowSendsTheNotificationsOfARealComboBox)
{
    TFrameTestDialog dlg;
    int selection = -1;
    TDialogDriver driver;
    driver.qrxThen([](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, IDC_TEST_COMBO), 2); });
    driver.qrxThen([&](HWND hDlg) { selection = TDialogDriver::qiGetCurSel(qhItem(hDlg, IDC_TEST_COMBO)); });
    dlg.DoModal();

    EXPECT_EQ(2, selection);
    ASSERT_FALSE(dlg.mxComboNotifications.empty());
    EXPECT_EQ(static_cast<UINT>(CBN_SELENDOK), dlg.mxComboNotifications.back());
    EXPECT_NE(dlg.mxComboNotifications.end(),
              std::find(dlg.mxComboNotifications.begin(), dlg.mxComboNotifications.end(), static_cast<UINT>(CBN_SELCHANGE)));
}

TEST(Frame, TooltipTakesTextByStringIdAndASecondCallReplacesIt)
{
    TFrameTestDialog dlg;
    CString tipFromTable, tipReplaced;
    uint32_t toolsAfterReplace = 0;
    TDialogDriver driver;
    driver.qrxThen([&](HWND) {
        dlg.qrxGetToolTip().qvGetWindowTip(&dlg.mxCombo, tipFromTable);
        dlg.qrxGetToolTip().qtAddWindowTip(&dlg.mxCombo, CString(L"b - Second"));
        dlg.qrxGetToolTip().qvGetWindowTip(&dlg.mxCombo, tipReplaced);
        toolsAfterReplace = dlg.qrxGetToolTip().qdwGetToolCount();
    });
    dlg.DoModal();

    // The trailing blank of the string table entry is kept.
    EXPECT_EQ(CString(L"Tip from the library's string table "), tipFromTable);
    EXPECT_EQ(CString(L"b - Second"), tipReplaced);
    EXPECT_EQ(1u, toolsAfterReplace);
}

TEST(Frame, TabAndShiftTabBecomeTheAcceleratorCommands)
{
    TFrameTestDialog dlg;
    HWND hFocusAfterTab = nullptr;
    HWND hEdit = nullptr;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        hEdit = qhItem(hDlg, IDC_TEST_EDIT);
        ::SetForegroundWindow(hDlg);
        ::SetFocus(hEdit);
        TDialogDriver::qvPressKey(VK_TAB);
    });
    driver.qrxThen([&](HWND) {
        hFocusAfterTab = ::GetFocus();
        TDialogDriver::qvPressKey(VK_TAB, true);
    });
    driver.qrxThen([&](HWND) { TDialogDriver::qvPressKey(VK_TAB); });
    dlg.DoModal();

    EXPECT_EQ(2, dlg.miNextCount);
    EXPECT_EQ(1, dlg.miPreviousCount);
    // The accelerator took the key: the dialog manager did not move the focus.
    EXPECT_EQ(hEdit, hFocusAfterTab);
}
