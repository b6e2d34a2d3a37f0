// TLeaderEditor: the modal dialog that edits the coded positions of a record's
// leader (05-09, 17-19), one drop-down list per position, with the leader shown
// as a 24-character line above them. What each format shows comes from
// TLeaderCodeLists; every choice is written at once into the working copies.
#pragma once

#include "controls/TStaticFieldDisplay.h"
#include "controlslib/TDialog.h"
#include "recordlib/TMarcLeader.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TXBuffer.h"

class AFX_EXT_CLASS TLeaderEditor : public TDialog
{
public:
    TLeaderEditor(const TMarcRecord& rxRecord, CWnd* pParent);
    ~TLeaderEditor() override;

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;

    // The working copy of the record, with the edited leader.
    void qvGetEditedRecord(TMarcRecord& rxRecord) const;

    // Writes the list's current choice into the leader and refreshes the line;
    // TException for an ID that is none of the eight lists.
    void qvChangeLeaderData(int iListId);
    // Refreshes the line and highlights the position of the control; nothing
    // is highlighted for an ID that is not a list.
    void qvShowFieldPosition(int iControlId);

    const TStaticFieldDisplay& qrxGetLeaderDisplay() const { return mxLeaderDisplay; }
    const TToolTipCtrl& qrxGetToolTip() const { return mxToolTipCtrl; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void qvAddLeaderListItem(CComboBox& rxList, UINT nLabelId, int iCurrentValue, int iEntryValue, int iIndex,
                             int* piSelected);
    void qvFillLeaderList(int iRow);
    void qvMarkEditablePositions();
    void qvSetTitle();
    void qvSetFormatLabels();
    void qvAddButtonTips();
    void qvCompactRows();
    void qvUpdateSelectionTip(int iListId);
    void qvAdjustDropDownWidth(int iListId);
    void qvMoveControl(int iControlId, int iAnchorId);

    void OnListDropDown(UINT nId);
    void OnListSelChange(UINT nId);
    void OnListSetFocus(UINT nId);
    void OnListKillFocus(UINT nId);
    void OnOkClicked();
    void OnCancelClicked();

    TStaticFieldDisplay mxLeaderDisplay;
    TMarcLeader mxLeader;
    TMarcRecord mxRecord;
    TXBuffer<unsigned char> mxMarcData;
    EMarcType meMarcType;

    DECLARE_MESSAGE_MAP()
};
