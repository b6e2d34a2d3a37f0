// The editors' base dialog in a real dialog: filling and preselecting code
// lists, the edit boxes of multi-character positions, moving controls, and
// widening drop-down lists when they open.
#include "TBaseTestDialog.h"
#include "TBaseTestDialogIds.h"
#include "support/TEditorTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// Sorted, the list would read a, b, c, #: table order must win.
const TCodeListEntry axLetters[] = {
    {IDS_BASE_C, "c"}, {IDS_BASE_A, "a"}, {IDS_BASE_B, "b"}, {IDS_BASE_BLANK, " "}, {0, ""},
};
const TCodeListEntry axTwiceA[] = {
    {IDS_BASE_A, "a"},
    {IDS_BASE_B, "b"},
    {IDS_BASE_A_AGAIN, "a"},
    {0, ""},
};
const TCodeListEntry axEmpty[] = {{0, ""}};

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

// The widest of the labels, measured in the list's own font.
int qiWidestLabel(HWND hList, const std::vector<UINT>& rxLabelIds)
{
    CClientDC xDC(CWnd::FromHandle(hList));
    xDC.SelectObject(reinterpret_cast<HGDIOBJ>(::SendMessageW(hList, WM_GETFONT, 0, 0)));
    int iWidest = 0;
    for (UINT nId : rxLabelIds)
        if (nId != 0)
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

TEST(FieldEditorBase, AListIsFilledInTableOrderAndPreselectsTheLastRowOfTheFieldsCode)
{
    // One list filled again and again: each fill starts afresh, selects the
    // last row whose code the field holds at the position (none when no row
    // does), sets that row's label as the tip, and then calls qvOnCodeListFilled once.
    const struct
    {
        const TCodeListEntry* pxTable;
        const char* pacField;
        int iPosition;
        int iRows;
        int iSelected;
        const wchar_t* pwcTip; // null: no tip is set
    } cases[] = {
        {axLetters, "q", 0, 4, -1, L""},
        {axLetters, "xay", 1, 4, 1, L"a - First code"},
        {axLetters, "b c", 1, 4, 3, L"# - Blank code"},
        {axTwiceA, "a", 0, 3, 2, L"a - First code once more"},
        {axLetters, "c", 0, 4, 0, L"c - Third code"},
        {axLetters, "C", 0, 4, -1, nullptr},
        {axLetters, "ab", 5, 4, -1, nullptr},
        {axLetters, nullptr, 0, 4, -1, nullptr},
        {axEmpty, "a", 0, 0, -1, nullptr},
    };
    TBaseTestDialog dlg;
    qiRun(dlg, {[&](HWND hDlg) {
              HWND hList = ::GetDlgItem(hDlg, IDC_BASE_LIST);
              int iNotified = 0;
              for (const auto& c : cases)
              {
                  SCOPED_TRACE(testing::Message() << (c.pacField ? c.pacField : "(null)") << " at " << c.iPosition);
                  const uint32_t dwToolsBefore = dlg.qrxGetToolTip().qdwGetToolCount();
                  dlg.qvFillCodeList(IDC_BASE_LIST, c.pxTable, c.pacField, c.iPosition);
                  ASSERT_EQ(c.iRows, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
                  for (int i = 0; i < c.iRows; ++i)
                  {
                      EXPECT_EQ(std::wstring(qxLoad(c.pxTable[i].labelId)), TDialogDriver::qxGetComboText(hList, i));
                      EXPECT_EQ(reinterpret_cast<LRESULT>(c.pxTable[i].code),
                                ::SendMessageW(hList, CB_GETITEMDATA, i, 0));
                  }
                  EXPECT_EQ(c.iSelected, TDialogDriver::qiGetCurSel(hList));
                  EXPECT_EQ(c.iPosition, qiUserData(hList));
                  if (c.pwcTip != nullptr)
                  {
                      EXPECT_EQ(CString(c.pwcTip), qxTipOf(dlg, hList));
                  }
                  if (c.iSelected < 0)
                  {
                      EXPECT_EQ(dwToolsBefore, dlg.qrxGetToolTip().qdwGetToolCount());
                  }
                  ASSERT_EQ(static_cast<size_t>(++iNotified), dlg.mxListsFilled.size());
                  EXPECT_EQ(static_cast<UINT>(IDC_BASE_LIST), dlg.mxListsFilled.back());
              }

              // Controls the dialog lacks are passed over, and nobody is told.
              dlg.qvFillCodeList(4242, axLetters, "a", 0);
              dlg.qvSetupFieldEdit(4242, "a", 0, 1);
              dlg.qvMoveControl(4242, IDC_BASE_ANCHOR);
              dlg.qvMoveControl(IDC_BASE_MOVED, 4242);
              dlg.qvAdjustDropDownWidth(4242);
              EXPECT_EQ(static_cast<size_t>(iNotified), dlg.mxListsFilled.size());
          }});
}

TEST(FieldEditorBase, AnEditBoxShowsItsPositionWithoutTrailingBlanks)
{
    TBaseTestDialog dlg;
    qiRun(dlg, {[&](HWND hDlg) {
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

              // A position past the field shows nothing.
              dlg.qvSetupFieldEdit(IDC_BASE_EDIT, "ab", 7, 3);
              EXPECT_EQ(std::wstring(), TDialogDriver::qxGetText(hEdit));

              // The text is read at the whole position; the user data keeps its low 16 bits.
              std::string xLong(70004, ' ');
              xLong.replace(70000, 3, "eng");
              dlg.qvSetupFieldEdit(IDC_BASE_EDIT, xLong.c_str(), 70000, 3);
              EXPECT_EQ(std::wstring(L"eng"), TDialogDriver::qxGetText(hEdit));
              EXPECT_EQ(4464, qiUserData(hEdit));
          }});
}

TEST(FieldEditorBase, AMovedControlTakesItsAnchorsTopLeftAndKeepsItsSize)
{
    TBaseTestDialog dlg;
    qiRun(dlg, {[&](HWND hDlg) {
              RECT xBefore = {}, xAfter = {}, xAnchor = {};
              ::GetWindowRect(::GetDlgItem(hDlg, IDC_BASE_MOVED), &xBefore);
              ::GetWindowRect(::GetDlgItem(hDlg, IDC_BASE_ANCHOR), &xAnchor);
              dlg.qvMoveControl(IDC_BASE_MOVED, IDC_BASE_ANCHOR);
              ::GetWindowRect(::GetDlgItem(hDlg, IDC_BASE_MOVED), &xAfter);
              ASSERT_NE(xBefore.left, xAnchor.left);
              ASSERT_NE(xBefore.top, xAnchor.top);
              EXPECT_EQ(xAnchor.left, xAfter.left);
              EXPECT_EQ(xAnchor.top, xAfter.top);
              EXPECT_EQ(xBefore.right - xBefore.left, xAfter.right - xAfter.left);
              EXPECT_EQ(xBefore.bottom - xBefore.top, xAfter.bottom - xAfter.top);
          }});
}

// A list opened is widened for its widest label, and for a scroll bar when
// it shows fewer rows than it has.
TEST(FieldEditorBase, OpeningAListWidensItForItsWidestLabelAndAScrollBar)
{
    std::vector<TCodeListEntry> xLong;
    const UINT anLabels[] = {IDS_BASE_A, IDS_BASE_LONGER, IDS_BASE_LONG};
    for (int i = 0; i < 30; ++i)
        xLong.push_back({anLabels[i % 3], "a"});
    xLong.push_back({0, ""});
    std::vector<TCodeListEntry> xShort = {{IDS_BASE_A, "a"}, {IDS_BASE_LONG, "l"}, {IDS_BASE_B, "b"}, {0, ""}};

    for (std::vector<TCodeListEntry>* pxRows : {&xLong, &xShort})
    {
        const bool tScrolls = pxRows == &xLong;
        TBaseTestDialog dlg;
        qiRun(dlg, {[&](HWND hDlg) {
                  HWND hList = ::GetDlgItem(hDlg, IDC_BASE_WIDE_LIST);
                  dlg.qvFillCodeList(IDC_BASE_WIDE_LIST, pxRows->data(), "a", 0);
                  ASSERT_EQ(tScrolls, qiRowsShown(hList) < static_cast<int>(pxRows->size()) - 1);
                  std::vector<UINT> xLabels;
                  for (const TCodeListEntry& rxRow : *pxRows)
                      xLabels.push_back(rxRow.labelId);
                  const int iWidest = qiWidestLabel(hList, xLabels);
                  RECT xList = {};
                  ::GetWindowRect(hList, &xList);
                  ASSERT_GT(iWidest, xList.right - xList.left);
                  const int iEdge = ::GetSystemMetrics(SM_CXEDGE);
                  const int iScrollBar = tScrolls ? ::GetSystemMetrics(SM_CXVSCROLL) + iEdge : 0;
                  EXPECT_EQ(iWidest + iScrollBar + 2 * iEdge, qiWidthAfterOpening(hList));
              }});
        // The dialog's own handlers still see the list open.
        EXPECT_EQ(std::vector<UINT>{IDC_BASE_WIDE_LIST}, dlg.mxDropDownsHandled);
    }
}
