// TFieldEditorBase: the contract of every field editor (Leader, 006, 007, 008,
// 856). An editor is a modal dialog on a working copy of the caller's record
// and the occurrence of its field (from 1; 0 for a new field). DoModal runs
// the dialog on this library's resources; after OK qvGetEditedRecord gives the
// working record with the edited field put back. The editor's own parts are
// the virtual steps: which field it puts back (qpxGetEditedField) and what it
// does once a code list is filled (qvOnCodeListFilled).
//
// It also holds what the editors' dialogs share: code lists filled from their
// static tables with the field's code preselected, the chosen row's label as
// the list's tooltip, edit boxes of multi-character positions, drop-down lists
// widened to their widest entry when they open, and controls moved onto their
// place in a layout.
//
// Every list or edit box that edits a position keeps that position in its
// window user data (GWLP_USERDATA); each entry of a code list keeps, as item
// data, the address of its code characters in the static table.
#pragma once

#include "core/TCodeListEntry.h"
#include "core/TMaterialType.h"
#include "controlslib/TDialog.h"
#include "mfc/afxwin.h"
#include "recordlib/TCharacterSet.h"
#include "recordlib/TMarcRecord.h"

#include <map>

class AFX_EXT_CLASS TFieldEditorBase : public TDialog
{
public:
    // iOccurrence: which occurrence of the field to edit, from 1; 0 for a new one.
    TFieldEditorBase(UINT nIDTemplate, const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd);
    ~TFieldEditorBase() override;

    // The dialog, with resources loaded from this library while it is open.
    INT_PTR DoModal() final;
    // The working record with the edited field put back: in place of the
    // occurrence edited, or inserted in tag order for occurrence 0; nothing is
    // put back when that occurrence is absent, or for an editor that edits
    // the record itself.
    void qvGetEditedRecord(TMarcRecord& rxRecord) const;
    // The control that edits iPosition of the field (a finding's place) gets
    // the focus when the dialog opens; -1, the default, leaves the editor's own
    // first control.
    void qvSetFocusPosition(int iPosition) { miFocusPosition = iPosition; }

protected:
    // The control that edits iPosition in the layout shown; 0 for none.
    virtual int qiControlAtPosition(int iPosition) const;
    // The field to put back into the working record; null when the editor
    // edits the working record itself.
    virtual const TMarcTag* qpxGetEditedField() const = 0;
    // Called when qvFillCodeList has filled list nComboId and made its
    // choice, as a choice in the list would be.
    virtual void qvOnCodeListFilled(int nComboId);

    // Fills list nComboId from pxTable (ended by a row whose labelId is 0), in
    // table order, preselects the last row whose code the field holds at
    // iPosition (qiFindCodeRow), and then calls qvOnCodeListFilled. A list that holds pxTable
    // already keeps its rows (a layout shown again).
    void qvFillCodeList(int nComboId, const TCodeListEntry* pxTable, const char* pacField, int iPosition);
    // The chosen row's label becomes the list's tooltip; nothing changes while
    // no row is chosen.
    void qvShowSelectionTip(CComboBox& rxList);
    // Limits edit box nEditId to iLength characters and shows the field's
    // characters there, byte for character, without trailing blanks.
    void qvSetupFieldEdit(int nEditId, const char* pacField, int iPosition, int iLength);
    // True while qvSetupFieldEdit gives box hEdit its text: the EN_CHANGE the
    // box sends for it is no change of the cataloguer's.
    bool qtIsSettingUpEdit(HWND hEdit) const { return hEdit != nullptr && hEdit == mhSettingUpEdit; }
    // The character set the record's Leader/09 names: its fields' text is
    // shown and written in it.
    const TCharacterSet& qrxGetCharacterSet() const;
    // Puts control nControlId on the top-left corner of control nAnchorId.
    void qvMoveControl(int nControlId, int nAnchorId);
    // Makes the drop-down of list nComboId wide enough for its widest entry
    // and, when not every entry fits, for a vertical scroll bar.
    void qvAdjustDropDownWidth(int nComboId);

    // Every list that opens is widened (qvAdjustDropDownWidth).
    void OnListDropDown(UINT nId);

    // The working copy of the caller's record, the occurrence edited and the
    // record's format when the editor opened.
    TMarcRecord mxRecord;
    int miOccurrence;
    const EMarcType meMarcType;

    DECLARE_MESSAGE_MAP()

private:
    static int qiCountRows(const TCodeListEntry* pxTable);
    // Inserts one row at iIndex, the address of its code as item data.
    void qvAddCodeListItem(CComboBox& rxCombo, UINT nLabelId, const char* pacCode, int iIndex);
    // The first time the dialog shows, the control of miFocusPosition gets the focus.
    LRESULT OnShowWindowMessage(WPARAM wParam, LPARAM lParam);

    // The edit box that qvSetupFieldEdit is giving its text, while it does.
    HWND mhSettingUpEdit;
    // The position whose control gets the focus when the dialog shows; -1 none.
    int miFocusPosition;
    // The table each list was last filled from, by list ID.
    std::map<int, const TCodeListEntry*> mxListTables;
};
