#include "base/TFieldEditorBase.h"
#include "base/TDialogLayout.h"
#include "base/TCodeMatch.h"

#include <algorithm>
#include <cstring>
#include <string>

BEGIN_MESSAGE_MAP(TFieldEditorBase, TDialog)
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

TFieldEditorBase::TFieldEditorBase(UINT nIDTemplate, CWnd* pParentWnd)
    : TDialog(nIDTemplate, pParentWnd), mhSettingUpEdit(nullptr)
{
}

TFieldEditorBase::~TFieldEditorBase() = default;

EMaterialType TFieldEditorBase::qeGetMaterialType(const TMarcLeader& rxLeader)
{
    return qeGetMaterialTypeOf(rxLeader);
}

void TFieldEditorBase::qvFillCodeList(int nComboId, const TCodeListEntry* pxTable, const char* pacField,
                                      int iPosition)
{
    CComboBox xCombo = BorrowDlgItem<CComboBox>(nComboId);
    if (xCombo.m_hWnd == nullptr)
        return;
    // A list that already holds this table (its layout shown again) keeps its
    // rows: only the choice is made again.
    const auto itFilled = mxListTables.find(nComboId);
    const bool tKeepRows = itFilled != mxListTables.end() && itFilled->second == pxTable &&
                           xCombo.GetCount() == qiCountRows(pxTable);
    if (!tKeepRows)
        xCombo.ResetContent();
    xCombo.SetWindowLongPtr(GWLP_USERDATA, iPosition);
    const char* pacFromPosition = qpacFieldFrom(pacField, iPosition);
    int iSelected = -1;
    for (int i = 0; pxTable != nullptr && pxTable[i].labelId != 0; ++i)
    {
        if (tKeepRows)
            qvNoteCodeListMatch(xCombo, pxTable[i].labelId, pacFromPosition, pxTable[i].code, i, &iSelected);
        else
            qvAddCodeListItem(xCombo, pxTable[i].labelId, pacFromPosition, pxTable[i].code, i, &iSelected);
    }
    mxListTables[nComboId] = pxTable;
    xCombo.SetCurSel(iSelected);
    SendMessage(WM_COMMAND, MAKEWPARAM(nComboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(xCombo.m_hWnd));
}

int TFieldEditorBase::qiCountRows(const TCodeListEntry* pxTable)
{
    int iRows = 0;
    while (pxTable != nullptr && pxTable[iRows].labelId != 0)
        ++iRows;
    return iRows;
}

void TFieldEditorBase::qvNoteCodeListMatch(CComboBox& rxCombo, UINT nLabelId, const char* pacFieldFromPosition,
                                           const char* pacCode, int iIndex, int* piSelected)
{
    if (!qtCodeMatches(pacFieldFromPosition, pacCode))
        return;
    if (piSelected != nullptr)
        *piSelected = iIndex;
    mxToolTipCtrl.qtAddWindowTip(&rxCombo, nLabelId);
}

void TFieldEditorBase::qvAddCodeListItem(CComboBox& rxCombo, UINT nLabelId, const char* pacFieldFromPosition,
                                         const char* pacCode, int iIndex, int* piSelected)
{
    if (rxCombo.m_hWnd == nullptr)
        return;
    qvNoteCodeListMatch(rxCombo, nLabelId, pacFieldFromPosition, pacCode, iIndex, piSelected);
    CString xLabel;
    xLabel.LoadString(nLabelId);
    const int iInserted = rxCombo.InsertString(iIndex, xLabel);
    if (iInserted >= 0)
        rxCombo.SetItemDataPtr(iInserted, const_cast<char*>(pacCode));
}

void TFieldEditorBase::qvSetupFieldEdit(int nEditId, const char* pacField, int iPosition, int iLength)
{
    CEdit xEdit = BorrowDlgItem<CEdit>(nEditId);
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

void TFieldEditorBase::qvMoveControl(int nControlId, int nAnchorId)
{
    qvMoveControlOntoAnchor(this, nControlId, nAnchorId);
}

void TFieldEditorBase::qvAdjustDropDownWidth(int nComboId)
{
    qvWidenDropDown(this, nComboId);
}

// A box tells its parent of the text it is given at setup, after its style
// may have changed it (a lowercase box lowers capitals): that is no change of
// the cataloguer's, so no editor hears of it and the field keeps its bytes.
LRESULT TFieldEditorBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && mhSettingUpEdit != nullptr &&
        reinterpret_cast<HWND>(lParam) == mhSettingUpEdit)
        return 0;
    return TDialog::WindowProc(message, wParam, lParam);
}

BOOL TFieldEditorBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == CBN_DROPDOWN)
        qvAdjustDropDownWidth(LOWORD(wParam));
    return TDialog::OnCommand(wParam, lParam);
}
