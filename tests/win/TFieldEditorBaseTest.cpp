// The editors' base dialog in a real dialog: filling and preselecting code
// lists, the edit boxes of multi-character positions, moving controls, and
// widening drop-down lists when they open.
#include "TBaseTestDialog.h"
#include "TBaseTestDialogIds.h"
#include "automation/TDialogDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
// Sorted, the list would read a, b, c, #: table order must win.
const TCodeListEntry axLetters[] = {
    {IDS_BASE_C, "c"}, {IDS_BASE_A, "a"}, {IDS_BASE_B, "b"}, {IDS_BASE_BLANK, " "}, {0, ""},
};
const TCodeListEntry axTwiceA[] = {
    {IDS_BASE_A, "a"}, {IDS_BASE_B, "b"}, {IDS_BASE_A_AGAIN, "a"}, {0, ""},
};
const TCodeListEntry axEmpty[] = {{0, ""}};

// Runs the test dialog with one step and checks that the step ran.
void qvRunStep(TBaseTestDialog& rxDialog, const std::function<void(HWND)>& fnStep)
{
    TDialogDriver driver;
    driver.qrxThen(fnStep);
    rxDialog.DoModal();
    EXPECT_TRUE(driver.qtFinished());
}

CString qxLoad(UINT nId)
{
    CString xText;
    xText.LoadString(nId);
    return xText;
}

CString qxTipOf(TBaseTestDialog& rxDialog, HWND hWnd)
{
    CString xTip;
    rxDialog.qrxGetToolTip().qvGetWindowTip(CWnd::FromHandle(hWnd), xTip);
    return xTip;
}

LONG_PTR qiUserData(HWND hWnd)
{
    return ::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
}

int qiSelChanges(const TBaseTestDialog& rxDialog, UINT nId, HWND hList)
{
    return static_cast<int>(std::count_if(rxDialog.mxNotifications.begin(), rxDialog.mxNotifications.end(),
                                          [&](const TBaseTestDialog::TNotification& rxSeen) {
                                              return rxSeen.nId == nId && rxSeen.nCode == CBN_SELCHANGE &&
                                                     rxSeen.hControl == hList;
                                          }));
}

// The widest of the labels, measured in the list's own font.
int qiWidestLabel(HWND hList, const std::vector<UINT>& rxLabelIds)
{
    CClientDC xDC(CWnd::FromHandle(hList));
    xDC.SelectObject(reinterpret_cast<HGDIOBJ>(::SendMessageW(hList, WM_GETFONT, 0, 0)));
    int iWidest = 0;
    for (UINT nId : rxLabelIds)
        iWidest = std::max(iWidest, static_cast<int>(xDC.GetTextExtent(qxLoad(nId)).cx));
    return iWidest;
}

// How many rows the open list shows, as the base dialog counts them.
int qiRowsShown(HWND hList)
{
    RECT xDropped = {};
    ::SendMessageW(hList, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&xDropped));
    int iItemHeight = static_cast<int>(::SendMessageW(hList, CB_GETITEMHEIGHT, 0, 0));
    return (xDropped.bottom - xDropped.top - 2 * ::GetSystemMetrics(SM_CYEDGE)) /
           (iItemHeight + 2 * ::GetSystemMetrics(SM_CXEDGE));
}

int qiWidthAfterOpening(HWND hList)
{
    ::SendMessageW(hList, CB_SHOWDROPDOWN, TRUE, 0);
    int iWidth = static_cast<int>(::SendMessageW(hList, CB_GETDROPPEDWIDTH, 0, 0));
    ::SendMessageW(hList, CB_SHOWDROPDOWN, FALSE, 0);
    return iWidth;
}
}

TEST(FieldEditorBase, AListIsFilledInTableOrderAndPreselectsTheFieldsCode)
{
    TBaseTestDialog dlg;
    HWND hList = nullptr;
    qvRunStep(dlg, [&](HWND hDlg) {
        hList = ::GetDlgItem(hDlg, IDC_BASE_LIST);
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, "xay", 1);

        EXPECT_EQ(1, TDialogDriver::qiGetCurSel(hList));
        EXPECT_EQ(1, qiUserData(hList));
        ASSERT_EQ(4, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ(std::wstring(qxLoad(axLetters[i].labelId)), TDialogDriver::qxGetComboText(hList, i));
            EXPECT_EQ(reinterpret_cast<LRESULT>(axLetters[i].code), ::SendMessageW(hList, CB_GETITEMDATA, i, 0))
                << "row " << i;
        }
        EXPECT_EQ(CString(L"a - First code"), qxTipOf(dlg, hList));
        // Filled, then told of it once, after the selection was made.
        EXPECT_EQ(1, qiSelChanges(dlg, IDC_BASE_LIST, hList));

        // A blank in the field is the blank code's row; a refill starts afresh.
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, "b c", 1);
        EXPECT_EQ(3, TDialogDriver::qiGetCurSel(hList));
        EXPECT_EQ(4, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(CString(L"# - Blank code"), qxTipOf(dlg, hList));
        EXPECT_EQ(2, qiSelChanges(dlg, IDC_BASE_LIST, hList));
    });
    ASSERT_EQ(2u, dlg.mxNotifications.size());
}

TEST(FieldEditorBase, WithoutAMatchNothingIsSelectedNoTipIsSetAndTheNotificationStillComes)
{
    TBaseTestDialog dlg;
    qvRunStep(dlg, [&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, IDC_BASE_LIST);
        uint32_t dwToolsBefore = dlg.qrxGetToolTip().qdwGetToolCount();
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, "q", 0);
        EXPECT_EQ(-1, TDialogDriver::qiGetCurSel(hList));
        EXPECT_EQ(4, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        EXPECT_TRUE(qxTipOf(dlg, hList).IsEmpty());
        EXPECT_EQ(dwToolsBefore, dlg.qrxGetToolTip().qdwGetToolCount());
        EXPECT_EQ(1, qiSelChanges(dlg, IDC_BASE_LIST, hList));

        // A list that had a selection loses it when the field holds no code of it.
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, "c", 0);
        ASSERT_EQ(0, TDialogDriver::qiGetCurSel(hList));
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, "C", 0);
        EXPECT_EQ(-1, TDialogDriver::qiGetCurSel(hList));

        // An empty table: an empty list, and still the notification.
        dlg.qvFillCodeList(IDC_BASE_LIST, axEmpty, "a", 0);
        EXPECT_EQ(0, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(-1, TDialogDriver::qiGetCurSel(hList));
        EXPECT_EQ(4, qiSelChanges(dlg, IDC_BASE_LIST, hList));
    });
}

TEST(FieldEditorBase, WhenSeveralRowsMatchTheLastWins)
{
    TBaseTestDialog dlg;
    qvRunStep(dlg, [&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, IDC_BASE_LIST);
        dlg.qvFillCodeList(IDC_BASE_LIST, axTwiceA, "a", 0);
        EXPECT_EQ(2, TDialogDriver::qiGetCurSel(hList));
        EXPECT_EQ(CString(L"a - First code once more"), qxTipOf(dlg, hList));
        EXPECT_EQ(reinterpret_cast<LRESULT>(axTwiceA[2].code), ::SendMessageW(hList, CB_GETITEMDATA, 2, 0));
    });
}

TEST(FieldEditorBase, BadPositionsAndMissingControlsAreHarmless)
{
    TBaseTestDialog dlg;
    qvRunStep(dlg, [&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, IDC_BASE_LIST);
        HWND hEdit = ::GetDlgItem(hDlg, IDC_BASE_EDIT);
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, "ab", 5);
        EXPECT_EQ(-1, TDialogDriver::qiGetCurSel(hList));
        EXPECT_EQ(4, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(5, qiUserData(hList));
        dlg.qvFillCodeList(IDC_BASE_LIST, axLetters, nullptr, 0);
        EXPECT_EQ(-1, TDialogDriver::qiGetCurSel(hList));
        dlg.qvSetupFieldEdit(IDC_BASE_EDIT, "ab", 7, 3);
        EXPECT_EQ(std::wstring(), TDialogDriver::qxGetText(hEdit));

        size_t dwSeen = dlg.mxNotifications.size();
        dlg.qvFillCodeList(4242, axLetters, "a", 0);
        dlg.qvSetupFieldEdit(4242, "a", 0, 1);
        dlg.qvMoveControl(4242, IDC_BASE_ANCHOR);
        dlg.qvMoveControl(IDC_BASE_MOVED, 4242);
        dlg.qvAdjustDropDownWidth(4242);
        EXPECT_EQ(dwSeen, dlg.mxNotifications.size());
    });
}

TEST(FieldEditorBase, AnEditBoxShowsItsPositionWithoutTrailingBlanks)
{
    TBaseTestDialog dlg;
    qvRunStep(dlg, [&](HWND hDlg) {
        HWND hEdit = ::GetDlgItem(hDlg, IDC_BASE_EDIT);
        dlg.qvSetupFieldEdit(IDC_BASE_EDIT, "xxab yy", 2, 3);
        EXPECT_EQ(std::wstring(L"ab"), TDialogDriver::qxGetText(hEdit));
        EXPECT_EQ(3, ::SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0));
        EXPECT_EQ(2, qiUserData(hEdit));

        dlg.qvSetupFieldEdit(IDC_BASE_EDIT, "x   y", 1, 3);
        EXPECT_EQ(std::wstring(), TDialogDriver::qxGetText(hEdit));

        dlg.qvSetupFieldEdit(IDC_BASE_EDIT, "x a b", 1, 4);
        EXPECT_EQ(std::wstring(L" a b"), TDialogDriver::qxGetText(hEdit));
        EXPECT_EQ(4, ::SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0));

        // The text is read at the whole position; the user data keeps its low 16 bits.
        std::string xLong(70004, ' ');
        xLong.replace(70000, 3, "eng");
        dlg.qvSetupFieldEdit(IDC_BASE_EDIT, xLong.c_str(), 70000, 3);
        EXPECT_EQ(std::wstring(L"eng"), TDialogDriver::qxGetText(hEdit));
        EXPECT_EQ(4464, qiUserData(hEdit));
    });
}

TEST(FieldEditorBase, AMovedControlTakesItsAnchorsTopLeftAndKeepsItsSize)
{
    TBaseTestDialog dlg;
    RECT xBefore = {}, xAfter = {}, xAnchor = {};
    qvRunStep(dlg, [&](HWND hDlg) {
        ::GetWindowRect(::GetDlgItem(hDlg, IDC_BASE_MOVED), &xBefore);
        ::GetWindowRect(::GetDlgItem(hDlg, IDC_BASE_ANCHOR), &xAnchor);
        dlg.qvMoveControl(IDC_BASE_MOVED, IDC_BASE_ANCHOR);
        ::GetWindowRect(::GetDlgItem(hDlg, IDC_BASE_MOVED), &xAfter);
    });
    ASSERT_NE(xBefore.left, xAnchor.left);
    ASSERT_NE(xBefore.top, xAnchor.top);
    EXPECT_EQ(xAnchor.left, xAfter.left);
    EXPECT_EQ(xAnchor.top, xAfter.top);
    EXPECT_EQ(xBefore.right - xBefore.left, xAfter.right - xAfter.left);
    EXPECT_EQ(xBefore.bottom - xBefore.top, xAfter.bottom - xAfter.top);
}

TEST(FieldEditorBase, OpeningALongListWidensItForItsWidestLabelAndAScrollBar)
{
    std::vector<TCodeListEntry> xRows;
    const UINT anLabels[] = {IDS_BASE_A, IDS_BASE_LONGER, IDS_BASE_LONG};
    for (int i = 0; i < 30; ++i)
        xRows.push_back({anLabels[i % 3], "a"});
    xRows.push_back({0, ""});

    TBaseTestDialog dlg;
    qvRunStep(dlg, [&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, IDC_BASE_WIDE_LIST);
        dlg.qvFillCodeList(IDC_BASE_WIDE_LIST, xRows.data(), "a", 0);
        ASSERT_LT(qiRowsShown(hList), 30);
        int iWidest = qiWidestLabel(hList, {IDS_BASE_A, IDS_BASE_LONG, IDS_BASE_LONGER});
        RECT xList = {};
        ::GetWindowRect(hList, &xList);
        ASSERT_GT(iWidest, xList.right - xList.left);

        int iEdge = ::GetSystemMetrics(SM_CXEDGE);
        EXPECT_EQ(iWidest + ::GetSystemMetrics(SM_CXVSCROLL) + iEdge + 2 * iEdge, qiWidthAfterOpening(hList));
    });
    // The editor's own handlers still see the list open.
    EXPECT_EQ(std::vector<UINT>{IDC_BASE_WIDE_LIST}, dlg.mxDropDownsHandled);
}

TEST(FieldEditorBase, OpeningAShortListWidensItForItsWidestLabelOnly)
{
    const TCodeListEntry axShort[] = {{IDS_BASE_A, "a"}, {IDS_BASE_LONG, "l"}, {IDS_BASE_B, "b"}, {0, ""}};
    TBaseTestDialog dlg;
    qvRunStep(dlg, [&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, IDC_BASE_WIDE_LIST);
        dlg.qvFillCodeList(IDC_BASE_WIDE_LIST, axShort, "l", 0);
        ASSERT_GE(qiRowsShown(hList), 3);
        int iWidest = qiWidestLabel(hList, {IDS_BASE_A, IDS_BASE_LONG, IDS_BASE_B});
        EXPECT_EQ(iWidest + 2 * ::GetSystemMetrics(SM_CXEDGE), qiWidthAfterOpening(hList));
    });
}
