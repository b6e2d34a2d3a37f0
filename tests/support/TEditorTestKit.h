// What the editor tests read in an open dialog (its controls, its field line,
// the layout it shows) and in the record the facade kept after OK.
#pragma once

#include "automation/TDialogDriver.h"
#include "core/TCodeMatch.h"
#include "core/TFieldLayout.h"
#include "controls/TStaticFieldDisplay.h"
#include "manager/TFieldEditorManager.h"
#include "recordlib/TCharacterSet.h"
#include "recordlib/TMarcRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

inline HWND qhItem(HWND hDlg, int iId)
{
    return ::GetDlgItem(hDlg, iId);
}

inline RECT qxRect(HWND hWnd)
{
    RECT r = {};
    ::GetWindowRect(hWnd, &r);
    return r;
}

// Where item iId of the dialog stands, in screen coordinates; for a control
// the dialog has not needed yet, where its template puts it.
inline RECT qxItemRect(HWND hDlg, int iId)
{
    RECT r = {};
    if (CWnd* pDialog = CWnd::FromHandlePermanent(hDlg))
        pDialog->GetDlgItemRect(iId, &r);
    ::MapWindowPoints(hDlg, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline bool qtEnabled(HWND hDlg, int iId)
{
    return ::IsWindowEnabled(qhItem(hDlg, iId)) != FALSE;
}

inline int qiFocusId()
{
    return ::GetDlgCtrlID(::GetFocus());
}

inline std::set<int> qxVisibleChildren(HWND hDlg)
{
    std::set<int> xIds;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::IsWindowVisible(h))
            xIds.insert(::GetDlgCtrlID(h));
    return xIds;
}

inline TStaticFieldDisplay* qpxDisplay(HWND hDlg, int iDisplayId)
{
    return dynamic_cast<TStaticFieldDisplay*>(CWnd::FromHandlePermanent(qhItem(hDlg, iDisplayId)));
}

// The field line's characters in UTF-8 (its ASCII as it is), and which of
// its positions show inactive ('x').
inline std::string qxDisplayed(HWND hDlg, int iDisplayId)
{
    return TCharacterSet::qrxOf(eCharsetUtf8).qxEncode(qpxDisplay(hDlg, iDisplayId)->qrxGetFieldData().str());
}

inline std::string qxInactive(HWND hDlg, int iDisplayId)
{
    const TStaticFieldDisplay* pxDisplay = qpxDisplay(hDlg, iDisplayId);
    std::string xInactive;
    for (int i = 0; i < pxDisplay->qiGetFieldLength(); ++i)
        xInactive += pxDisplay->qtIsInactive(i) ? 'x' : '.';
    return xInactive;
}

// Where the field line's highlight starts and how many positions it covers.
inline std::pair<int, int> qxHighlight(HWND hDlg, int iDisplayId)
{
    const TStaticFieldDisplay* pxDisplay = qpxDisplay(hDlg, iDisplayId);
    return {pxDisplay->qiGetHighlightStart(), pxDisplay->qiGetHighlightCount()};
}

// The labels and controls that do not stand on the anchor their move puts them on.
inline std::vector<int> qxMisplaced(HWND hDlg, const TFieldLayout& rxLayout)
{
    std::vector<int> xMisplaced;
    for (const TControlMove* m = rxLayout.moves; m->controlId != 0; ++m)
    {
        const RECT xControl = qxItemRect(hDlg, m->controlId);
        const RECT xAnchor = qxItemRect(hDlg, m->anchorId);
        if (xControl.left != xAnchor.left || xControl.top != xAnchor.top)
            xMisplaced.push_back(m->controlId);
    }
    return xMisplaced;
}

// The lists that do not show the row a field preselects (qiFindCodeRow: the
// last row whose code the field holds at the list's position, or none), by
// its label (blanks show as "#").
inline std::vector<int> qxWrongSelections(HWND hDlg, const TFieldLayout& rxLayout, const std::string& rxField)
{
    std::vector<int> xWrong;
    for (const TLayoutList* l = rxLayout.lists; l->listId != 0; ++l)
    {
        const int iExpected = l->position < static_cast<int>(rxField.size())
                                  ? qiFindCodeRow(l->codeList, rxField.c_str() + l->position)
                                  : -1;
        std::wstring xCode;
        for (const char* p = iExpected < 0 ? "" : l->codeList[iExpected].code; *p != '\0'; ++p)
            xCode += *p == ' ' ? L'#' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
        const HWND hList = qhItem(hDlg, l->listId);
        const int iSelected = TDialogDriver::qiGetCurSel(hList);
        if (iSelected != iExpected ||
            TDialogDriver::qxGetComboText(hList, iSelected).compare(0, xCode.size(), xCode) != 0)
            xWrong.push_back(l->listId);
    }
    return xWrong;
}

// Checks what an open dialog shows of a layout of a fixed-length field:
// exactly the layout's labels and controls besides rxAlwaysShown, each on its
// anchor, every list preselected from the field, the undefined positions
// inactive, and OK the layout's row count below the top row's label
// (iTopLabelId). iRowLabelId and iNextRowLabelId are two labels a row apart;
// returns that row pitch.
inline int qiExpectLayoutShown(HWND hDlg, const TFieldLayout& rxLayout, const std::string& rxField,
                               const std::set<int>& rxAlwaysShown, int iDisplayId, int iOkId, int iTopLabelId,
                               int iRowLabelId, int iNextRowLabelId)
{
    std::set<int> xShown = rxAlwaysShown;
    for (const TLayoutLabel* l = rxLayout.labels; l->labelId != 0; ++l)
        xShown.insert(l->labelId);
    for (const TControlPosition* c = rxLayout.controls; c->controlId != 0; ++c)
        xShown.insert(c->controlId);
    EXPECT_EQ(xShown, qxVisibleChildren(hDlg));
    EXPECT_EQ(std::vector<int>{}, qxMisplaced(hDlg, rxLayout));
    EXPECT_EQ(std::vector<int>{}, qxWrongSelections(hDlg, rxLayout, rxField));
    std::string xInactive(rxField.size(), '.');
    for (const TPositionRange* r = rxLayout.undefined; r->first != 0; ++r)
        for (int i = r->first; i <= r->last && i < static_cast<int>(xInactive.size()); ++i)
            xInactive[static_cast<std::size_t>(i)] = 'x';
    EXPECT_EQ(xInactive, qxInactive(hDlg, iDisplayId));
    const int iPitch = qxItemRect(hDlg, iNextRowLabelId).top - qxItemRect(hDlg, iRowLabelId).top;
    EXPECT_GT(iPitch, 0);
    EXPECT_EQ(qxItemRect(hDlg, iTopLabelId).top + iPitch * rxLayout.rowCount + ::GetSystemMetrics(SM_CYFIXEDFRAME),
              qxItemRect(hDlg, iOkId).top);
    return iPitch;
}

// The selected row's label; empty when none is selected.
inline std::wstring qxSelectedText(HWND hList)
{
    const int iRow = TDialogDriver::qiGetCurSel(hList);
    return iRow < 0 ? std::wstring() : TDialogDriver::qxGetComboText(hList, iRow);
}

// Chooses the row of a code as a person would (arrow keys and Enter).
inline void qvChooseCode(HWND hDlg, int iListId, const std::wstring& rxCode)
{
    const int iRow = TDialogDriver::qiFindComboRow(qhItem(hDlg, iListId), rxCode);
    ASSERT_GE(iRow, 0) << iListId << " offers no " << std::string(rxCode.begin(), rxCode.end());
    TDialogDriver::qvChooseComboRow(qhItem(hDlg, iListId), iRow);
}

// The data of every occurrence of a tag, in order.
inline std::vector<std::string> qxFieldsOf(const TMarcRecord& rxRecord, int iTag)
{
    std::vector<std::string> xFields;
    TMarcTag xField;
    for (int i = 1; rxRecord.qtFindTag(iTag, xField, i); ++i)
        xFields.emplace_back(xField.qpacGetData(), xField.qdwGetDataSize());
    return xFields;
}

inline std::vector<int> qxTags(const TMarcRecord& rxRecord)
{
    std::vector<int> xTags;
    for (uint32_t i = 0; i < rxRecord.qdwGetFieldCount(); ++i)
        xTags.push_back(rxRecord.qrxGetField(i).qiGetTagNumber());
    return xTags;
}

// The record the facade kept after OK.
inline TMarcRecord qxStoredRecord()
{
    TMarcRecord xResult;
    TFieldEditorManager::qvGetMARCRecord(xResult);
    return xResult;
}

// What a cataloguer does in an open dialog, one step a tick of its modal loop.
using TStep = std::function<void(HWND hDlg)>;

inline void qvClick(HWND hDlg, int iId)
{
    TDialogDriver::qvClick(qhItem(hDlg, iId));
}

inline TStep qfnClick(int iId)
{
    return [iId](HWND hDlg) { qvClick(hDlg, iId); };
}

// Replaces a box's text as a cataloguer would: focus it, select all, type.
inline void qvRetype(HWND hDlg, int iId, const std::wstring& rxText)
{
    ::SetFocus(qhItem(hDlg, iId));
    ::SendMessageW(qhItem(hDlg, iId), EM_SETSEL, 0, -1);
    TDialogDriver::qvType(qhItem(hDlg, iId), L"\b" + rxText);
}

// Gives a control a value as a cataloguer would: chooses the row of the code
// in a list, types the text over a box's.
inline void qvEnter(HWND hDlg, int iId, const std::wstring& rxValue)
{
    wchar_t awcClass[16] = {};
    ::GetClassNameW(qhItem(hDlg, iId), awcClass, 16);
    if (_wcsicmp(awcClass, L"ComboBox") == 0)
        qvChooseCode(hDlg, iId, rxValue);
    else
        qvRetype(hDlg, iId, rxValue);
}

// Opens a dialog with fnOpen and takes it through the steps; every step must
// have run, or checks inside them would pass unseen.
template <class TOpen> auto qxDrive(const std::vector<TStep>& rxSteps, TOpen fnOpen)
{
    TDialogDriver driver;
    for (const TStep& fnStep : rxSteps)
        driver.qrxThen(fnStep);
    const auto xResult = fnOpen();
    EXPECT_TRUE(driver.qtFinished());
    return xResult;
}

// A dialog's DoModal with the steps.
template <class TDialogT> INT_PTR qiRun(TDialogT& rxDialog, const std::vector<TStep>& rxSteps)
{
    return qxDrive(rxSteps, [&] { return rxDialog.DoModal(); });
}

// An editor opened through the facade with the steps.
inline EDisplayReturn qeRun(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence,
                            const std::vector<TStep>& rxSteps)
{
    return qxDrive(rxSteps, [&] { return TFieldEditorManager::qeDisplay(eEditor, rxRecord, iOccurrence, nullptr); });
}

// Leaves rxRecord stored as the facade's result: the Leader editor, closed with OK.
inline void qvStoreAnEditedRecord(const TMarcRecord& rxRecord)
{
    const int kLeaderOkId = 3002;
    ASSERT_EQ(eDisplaySaved, qeRun(eLeaderEditor, rxRecord, 0, {qfnClick(kLeaderOkId)}));
    ASSERT_TRUE(TFieldEditorManager::mtRecordValid_static);
}
