// TLeaderEditor: the modal dialog that edits the coded positions of a record's
// leader (05-09, 17-19), one drop-down list per position, with the leader shown
// as a 24-character line above them. What each format shows comes from
// TLeaderCodeLists; every choice is written at once into the working record,
// which is what it hands back (it puts back no field).
#pragma once

#include "base/TFieldEditorBase.h"
#include "controls/TStaticFieldDisplay.h"
#include "recordlib/TMarcLeader.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TXBuffer.h"

class AFX_EXT_CLASS TLeaderEditor : public TFieldEditorBase
{
public:
    TLeaderEditor(const TMarcRecord& rxRecord, CWnd* pParent);
    ~TLeaderEditor() override;

    const TToolTipCtrl& qrxGetToolTip() const { return mxToolTipCtrl; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    const TMarcTag* qpxGetEditedField() const override { return nullptr; }
    // The list of the row of that Leader position.
    int qiControlAtPosition(int iPosition) const override;

private:
    // Writes the list's current choice into the leader and refreshes the line;
    // TException for an ID that is none of the eight lists.
    void qvChangeLeaderData(int iListId);
    // Refreshes the line and highlights the position of the control; nothing
    // is highlighted for an ID that is not a list.
    void qvShowFieldPosition(int iControlId);
    // Inserts one row at iIndex, its entry's value as item data.
    void qvAddLeaderListItem(CComboBox& rxList, UINT nLabelId, int iEntryValue, int iIndex);
    void qvFillLeaderList(int iRow);
    void qvMarkEditablePositions();
    void qvSetTitle();
    void qvSetFormatLabels();
    void qvAddButtonTips();
    void qvCompactRows();

    // A choice in a list: its label becomes the tip and it is written.
    void OnListSelChange(UINT nId);
    void OnListSetFocus(UINT nId);
    void OnListKillFocus(UINT nId);

    TStaticFieldDisplay mxLeaderDisplay;
    TMarcLeader mxLeader;
    TXBuffer<unsigned char> mxMarcData;

    DECLARE_MESSAGE_MAP()
};
