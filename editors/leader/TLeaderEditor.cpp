#include "editors/leader/TLeaderEditor.h"

#include "base/TDialogLayout.h"
#include "core/TLeaderCodeLists.h"
#include "recordlib/TException.h"
#include "resources/LeaderEditorIds.h"

#include <algorithm>

namespace
{
// Rows in the order their lists are filled: encoding level (17) before
// character coding scheme (09).
const int aiFillOrder[] = {0, 1, 2, 3, 5, 4, 6, 7};
static_assert(sizeof(aiFillOrder) / sizeof(aiFillOrder[0]) == TLeaderCodeLists::kRowCount, "every row once");

constexpr int kNoControl = -1;
}

BEGIN_MESSAGE_MAP(TLeaderEditor, TFieldEditorBase)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_LEADER_STATUS_LIST, IDC_LEADER_MULTIPART_LIST, OnListSelChange)
    ON_CONTROL_RANGE(CBN_SETFOCUS, IDC_LEADER_STATUS_LIST, IDC_LEADER_MULTIPART_LIST, OnListSetFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_LEADER_STATUS_LIST, IDC_LEADER_MULTIPART_LIST, OnListKillFocus)
    ON_BN_CLICKED(IDC_LEADER_OK, OnOK)
    ON_BN_CLICKED(IDC_LEADER_CANCEL, OnCancel)
END_MESSAGE_MAP()

TLeaderEditor::TLeaderEditor(const TMarcRecord& rxRecord, CWnd* pParent)
    : TFieldEditorBase(IDD_LEADER_EDITOR, rxRecord, 0, pParent), mxLeader(rxRecord.qrxGetLeader())
{
    rxRecord.qvGetUSMarcData(mxMarcData, false);
    qvMarkEditablePositions();
}

TLeaderEditor::~TLeaderEditor() = default;

void TLeaderEditor::DoDataExchange(CDataExchange* pDX)
{
    TFieldEditorBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LEADER_DISPLAY, mxLeaderDisplay);
}

BOOL TLeaderEditor::OnInitDialog()
{
    TFieldEditorBase::OnInitDialog();
    qvSetTitle();
    qvSetFormatLabels();
    qvAddButtonTips();
    for (int iRow : aiFillOrder)
        qvFillLeaderList(iRow);
    qvCompactRows();
    qvShowFieldPosition(kNoControl);
    return TRUE;
}

void TLeaderEditor::qvMarkEditablePositions()
{
    mxLeaderDisplay.qvSetFieldLength(static_cast<int>(TMarcLeader::mdwLength_static));
    for (const TLeaderRange* pxRange = TLeaderCodeLists::qpxGetEditableRanges(meMarcType); pxRange->first != -1;
         ++pxRange)
        mxLeaderDisplay.qvSetInactivePositions(pxRange->first, pxRange->last, false);
}

void TLeaderEditor::qvSetTitle()
{
    CString xTitle;
    xTitle.LoadString(IDS_LEADER_EDITOR_TITLE);
    const uint32_t dwFormatNameId = TLeaderCodeLists::qdwGetFormatNameId(meMarcType);
    if (dwFormatNameId != 0)
    {
        CString xFormatName;
        xFormatName.LoadString(dwFormatNameId);
        xTitle += L" - ";
        xTitle += xFormatName;
    }
    SetWindowText(xTitle);
}

void TLeaderEditor::qvSetFormatLabels()
{
    for (const TLeaderLabelText* pxLabel = TLeaderCodeLists::qpxGetFormatLabels(meMarcType); pxLabel->labelId != 0;
         ++pxLabel)
    {
        CString xText;
        xText.LoadString(pxLabel->stringId);
        SetDlgItemText(pxLabel->labelId, xText);
    }
}

void TLeaderEditor::qvAddButtonTips()
{
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_LEADER_OK), IDS_LEADER_OK_TIP);
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_LEADER_CANCEL), IDS_LEADER_CANCEL_TIP);
}

void TLeaderEditor::qvFillLeaderList(int iRow)
{
    const TLeaderRow* pxRow = TLeaderCodeLists::qpxGetRow(iRow);
    const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, meMarcType);
    if (pxRow == nullptr)
        return;
    CComboBox xCombo = BorrowDlgItem<CComboBox>(pxRow->listId);
    if (xCombo.m_hWnd == nullptr)
        return;
    if (pxList->entries == nullptr)
    {
        xCombo.ShowWindow(SW_HIDE);
        return;
    }
    // Filled with its redraw off: the rows are drawn once, when shown.
    xCombo.SetRedraw(FALSE);
    for (int i = 0; pxList->entries[i].labelId != 0; ++i)
        qvAddLeaderListItem(xCombo, pxList->entries[i].labelId, pxList->entries[i].value, i);
    xCombo.SetRedraw(TRUE);
    int iSelected =
        TLeaderCodeLists::qiFindValue(pxList->entries, TLeaderCodeLists::qiGetValue(mxLeader, pxList->accessor));
    if (iSelected == -1 && pxList->defaultFirst && pxList->entries[0].labelId != 0)
        iSelected = 0;
    xCombo.SetCurSel(iSelected);
    qvShowSelectionTip(xCombo);
}

void TLeaderEditor::qvAddLeaderListItem(CComboBox& rxList, UINT nLabelId, int iEntryValue, int iIndex)
{
    CString xLabel;
    xLabel.LoadString(nLabelId);
    rxList.InsertString(iIndex, xLabel);
    rxList.SetItemData(iIndex, static_cast<DWORD_PTR>(iEntryValue));
}

// Rows whose list is hidden are taken out and the rows below move up into
// their place, so the dialog shows no gaps and gets shorter. Each row moves
// once, straight onto the place of the row as many rows up as are taken out
// above it (a row taken out moves too, hidden, as the rows around it).
void TLeaderEditor::qvCompactRows()
{
    CRect axListPlaces[TLeaderCodeLists::kRowCount];
    CRect axLabelPlaces[TLeaderCodeLists::kRowCount];
    for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
    {
        GetDlgItemRect(TLeaderCodeLists::qpxGetRow(iRow)->listId, &axListPlaces[iRow]);
        GetDlgItemRect(TLeaderCodeLists::qpxGetRow(iRow)->labelId, &axLabelPlaces[iRow]);
    }
    int iShrink = 0;
    int iTakenOut = 0;
    for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
    {
        const TLeaderRow* pxRow = TLeaderCodeLists::qpxGetRow(iRow);
        CWnd* pxList = GetDlgItem(pxRow->listId);
        if (pxList == nullptr)
            continue;
        CWnd* pxLabel = GetDlgItem(pxRow->labelId);
        if (iTakenOut > 0)
        {
            const CRect& rxListPlace = axListPlaces[iRow - iTakenOut];
            const CRect& rxLabelPlace = axLabelPlaces[iRow - iTakenOut];
            pxList->SetWindowPos(nullptr, rxListPlace.left, rxListPlace.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            if (pxLabel != nullptr)
                pxLabel->SetWindowPos(nullptr, rxLabelPlace.left, rxLabelPlace.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        if ((pxList->GetStyle() & WS_VISIBLE) != 0)
            continue;
        if (pxLabel != nullptr)
            pxLabel->ShowWindow(SW_HIDE);
        iShrink += axListPlaces[iRow].Height() + 1;
        ++iTakenOut;
    }
    qvShiftControlsAndResize(this, {IDC_LEADER_OK, IDC_LEADER_CANCEL}, -iShrink);
}

void TLeaderEditor::qvShowFieldPosition(int iControlId)
{
    const int iRow = TLeaderCodeLists::qiGetRowOfList(iControlId);
    const int iPosition = iRow < 0 ? -1 : TLeaderCodeLists::qpxGetRow(iRow)->position;
    const uint32_t dwLength = std::min(mxMarcData.qdwGetDataSize(), TMarcLeader::mdwLength_static);
    const std::wstring xLeader =
        qrxGetCharacterSet().qxDecodeByPosition(std::string_view(mxMarcData.qpacGetData(), dwLength));
    mxLeaderDisplay.qvSetFieldData(CString(xLeader.c_str(), static_cast<int>(xLeader.size())));
    mxLeaderDisplay.qvSetHighlight(iPosition, 1);
}

void TLeaderEditor::qvChangeLeaderData(int iListId)
{
    const int iRow = TLeaderCodeLists::qiGetRowOfList(iListId);
    const CComboBox xList = BorrowDlgItem<CComboBox>(iListId);
    if (iRow < 0 || xList.m_hWnd == nullptr)
        throw TException(L"TLeaderEditor::qvChangeLeaderData(): Combo Box ID not implement here.", eErrorWarning, -1);
    const int iSelected = xList.GetCurSel();
    if (iSelected != CB_ERR)
    {
        const int iValue = static_cast<int>(xList.GetItemData(iSelected));
        TLeaderCodeLists::qtSetValue(mxLeader, TLeaderCodeLists::qpxGetList(iRow, meMarcType)->accessor, iValue);
        mxRecord.qvSetLeader(mxLeader.qpacGetData());
        mxRecord.qvGetUSMarcData(mxMarcData, false);
    }
    qvShowFieldPosition(iListId);
}

void TLeaderEditor::OnListSelChange(UINT nId)
{
    if (TLeaderCodeLists::qiGetRowOfList(static_cast<int>(nId)) < 0)
        return;
    CComboBox xList = BorrowDlgItem<CComboBox>(static_cast<int>(nId));
    qvShowSelectionTip(xList);
    qvChangeLeaderData(static_cast<int>(nId));
}

void TLeaderEditor::OnListSetFocus(UINT nId)
{
    qvShowFieldPosition(static_cast<int>(nId));
}

void TLeaderEditor::OnListKillFocus(UINT)
{
    qvShowFieldPosition(kNoControl);
}

int TLeaderEditor::qiControlAtPosition(int iPosition) const
{
    for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
        if (TLeaderCodeLists::qpxGetRow(iRow)->position == iPosition)
            return TLeaderCodeLists::qpxGetRow(iRow)->listId;
    return 0;
}
