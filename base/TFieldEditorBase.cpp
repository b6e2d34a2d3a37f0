#include "base/TFieldEditorBase.h"
#include "base/TDialogLayout.h"
#include "core/TCodeMatch.h"
#include "base/TDllResourceMgr.h"

#include <algorithm>
#include <cstring>
#include <string>

BEGIN_MESSAGE_MAP(TFieldEditorBase, TDialog)
    ON_CONTROL_RANGE(CBN_DROPDOWN, 0, 0xFFFF, OnListDropDown)
    ON_MESSAGE(WM_SHOWWINDOW, OnShowWindowMessage)
END_MESSAGE_MAP()

namespace
{
// The field's characters from iPosition on; empty when the position lies
// outside the data, so a wrong position never reads past the field.
const char* qpacFieldFrom(const char* pacField, int iPosition)
{
    if (pacField == nullptr || iPosition < 0)
        return "";
    size_t dwLength = std::strlen(pacField);
    return static_cast<size_t>(iPosition) <= dwLength ? pacField + iPosition : "";
}
}

TFieldEditorBase::TFieldEditorBase(UINT nIDTemplate, const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd)
    : TDialog(nIDTemplate, pParentWnd), mxRecord(rxRecord), miOccurrence(iOccurrence),
      meMarcType(rxRecord.qrxGetLeader().qeGetType()), mhSettingUpEdit(nullptr), miFocusPosition(-1)
{}

int TFieldEditorBase::qiControlAtPosition(int) const
{
    return 0;
}

// The dialog is shown once its controls stand; the focus it gives its first
// control on activation comes after this, so the move is posted.
LRESULT TFieldEditorBase::OnShowWindowMessage(WPARAM wParam, LPARAM)
{
    const LRESULT lResult = Default();
    const int nControlId = wParam != FALSE && miFocusPosition >= 0 ? qiControlAtPosition(miFocusPosition) : 0;
    miFocusPosition = -1;
    CWnd* pControl = nControlId != 0 ? GetDlgItem(nControlId) : nullptr;
    // The dialog is not visible yet, so neither is any control: the style says
    // whether the layout shows it.
    if (pControl != nullptr && (pControl->GetStyle() & WS_VISIBLE) != 0)
        PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pControl->m_hWnd), TRUE);
    return lResult;
}

TFieldEditorBase::~TFieldEditorBase() = default;

INT_PTR TFieldEditorBase::DoModal()
{
    TDllResourceMgr xResources;
    return TDialog::DoModal();
}

void TFieldEditorBase::qvGetEditedRecord(TMarcRecord& rxRecord) const
{
    rxRecord = mxRecord;
    const TMarcTag* pxField = qpxGetEditedField();
    if (pxField == nullptr)
        return;
    if (miOccurrence == 0)
        rxRecord.qvOrderedInsert(*pxField);
    else
        rxRecord.qtReplaceTag(*pxField, miOccurrence);
}

void TFieldEditorBase::qvOnCodeListFilled(int) {}

void TFieldEditorBase::qvFillCodeList(int nComboId, const TCodeListEntry* pxTable, const char* pacField, int iPosition)
{
    CComboBox xCombo(GetOrCreateDlgItem(nComboId));
    if (xCombo.m_hWnd == nullptr)
        return;
    // A list that already holds this table (its layout shown again) keeps its
    // rows: only the choice is made again.
    const auto itFilled = mxListTables.find(nComboId);
    const bool tKeepRows =
        itFilled != mxListTables.end() && itFilled->second == pxTable && xCombo.GetCount() == qiCountRows(pxTable);
    xCombo.SetWindowLongPtr(GWLP_USERDATA, iPosition);
    if (!tKeepRows)
    {
        // Filled with its redraw off: the rows are drawn once, when shown.
        xCombo.SetRedraw(FALSE);
        xCombo.ResetContent();
        for (int i = 0; pxTable != nullptr && pxTable[i].labelId != 0; ++i)
            qvAddCodeListItem(xCombo, pxTable[i].labelId, pxTable[i].code, i);
        xCombo.SetRedraw(TRUE);
    }
    mxListTables[nComboId] = pxTable;
    // The row the field holds, by the rule the record checker calls a code
    // undefined by.
    xCombo.SetCurSel(qiFindCodeRow(pxTable, qpacFieldFrom(pacField, iPosition)));
    qvShowSelectionTip(xCombo);
    qvOnCodeListFilled(nComboId);
}

int TFieldEditorBase::qiCountRows(const TCodeListEntry* pxTable)
{
    int iRows = 0;
    while (pxTable != nullptr && pxTable[iRows].labelId != 0)
        ++iRows;
    return iRows;
}

void TFieldEditorBase::qvAddCodeListItem(CComboBox& rxCombo, UINT nLabelId, const char* pacCode, int iIndex)
{
    if (rxCombo.m_hWnd == nullptr)
        return;
    CString xLabel;
    xLabel.LoadString(nLabelId);
    const int iInserted = rxCombo.InsertString(iIndex, xLabel);
    if (iInserted >= 0)
        rxCombo.SetItemDataPtr(iInserted, const_cast<char*>(pacCode));
}

void TFieldEditorBase::qvShowSelectionTip(CComboBox& rxList)
{
    if (rxList.m_hWnd == nullptr)
        return;
    const int iSelected = rxList.GetCurSel();
    if (iSelected < 0 || rxList.GetLBTextLen(iSelected) < 0)
        return;
    CString xLabel;
    rxList.GetLBText(iSelected, xLabel);
    mxToolTipCtrl.qtAddWindowTip(&rxList, xLabel);
}

void TFieldEditorBase::qvSetupFieldEdit(int nEditId, const char* pacField, int iPosition, int iLength)
{
    CEdit xEdit(GetOrCreateDlgItem(nEditId));
    if (xEdit.m_hWnd == nullptr)
        return;
    xEdit.LimitText(std::max(iLength, 0));
    xEdit.SetWindowLongPtr(GWLP_USERDATA, LOWORD(iPosition));
    const char* pacFromPosition = qpacFieldFrom(pacField, iPosition);
    const size_t dwCount = ::strnlen(pacFromPosition, static_cast<size_t>(std::max(iLength, 0)));
    CString xText = CString::FromBytes(pacFromPosition, static_cast<int>(dwCount));
    xText.TrimRight();
    mhSettingUpEdit = xEdit.m_hWnd;
    xEdit.SetWindowText(xText);
    mhSettingUpEdit = nullptr;
}

const TCharacterSet& TFieldEditorBase::qrxGetCharacterSet() const
{
    return TCharacterSet::qrxOfLeader(mxRecord.qrxGetLeader().qcGetAt(9));
}

void TFieldEditorBase::qvMoveControl(int nControlId, int nAnchorId)
{
    qvMoveControlOntoAnchor(this, nControlId, nAnchorId);
}

void TFieldEditorBase::qvAdjustDropDownWidth(int nComboId)
{
    qvWidenDropDown(this, nComboId);
}

void TFieldEditorBase::OnListDropDown(UINT nId)
{
    qvAdjustDropDownWidth(static_cast<int>(nId));
}
