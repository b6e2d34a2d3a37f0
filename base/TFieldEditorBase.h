// TFieldEditorBase: the dialog base of the 006, 007, 008 and 856 editors. It
// fills code lists from their static tables and preselects the field's code,
// sets up the edit boxes of multi-character positions, widens every drop-down
// list to its widest entry when it opens, and moves controls onto their place
// in a layout.
//
// Every list or edit box that edits a position keeps that position in its
// window user data (GWLP_USERDATA); each entry of a code list keeps, as item
// data, the address of its code characters in the static table.
#pragma once

#include "base/TCodeListEntry.h"
#include "base/TMaterialType.h"
#include "controlslib/TDialog.h"
#include "mfc/afxwin.h"

#include <map>

class TMarcLeader;

class AFX_EXT_CLASS TFieldEditorBase : public TDialog
{
public:
    TFieldEditorBase(UINT nIDTemplate, CWnd* pParentWnd);
    ~TFieldEditorBase() override;

    static EMaterialType qeGetMaterialType(const TMarcLeader& rxLeader);

protected:
    // Fills list nComboId from pxTable (ended by a row whose labelId is 0), in
    // table order, preselects the last row whose code the field holds at
    // iPosition, and then sends this dialog CBN_SELCHANGE for the list. A list
    // that holds pxTable already keeps its rows (a layout shown again).
    void qvFillCodeList(int nComboId, const TCodeListEntry* pxTable, const char* pacField, int iPosition);
    // Inserts one row at iIndex; when the field holds its code, *piSelected
    // becomes iIndex and the list's tooltip the row's label.
    void qvAddCodeListItem(CComboBox& rxCombo, UINT nLabelId, const char* pacFieldFromPosition, const char* pacCode,
                           int iIndex, int* piSelected);
    // Limits edit box nEditId to iLength characters and shows the field's
    // characters there, byte for character, without trailing blanks. Writes
    // nothing: the box's EN_CHANGE for this text reaches no editor.
    void qvSetupFieldEdit(int nEditId, const char* pacField, int iPosition, int iLength);
    // Puts control nControlId on the top-left corner of control nAnchorId.
    void qvMoveControl(int nControlId, int nAnchorId);
    // Makes the drop-down of list nComboId wide enough for its widest entry
    // and, when not every entry fits, for a vertical scroll bar.
    void qvAdjustDropDownWidth(int nComboId);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    static int qiCountRows(const TCodeListEntry* pxTable);
    // When the field holds pacCode, *piSelected becomes iIndex and the list's
    // tooltip the row's label.
    void qvNoteCodeListMatch(CComboBox& rxCombo, UINT nLabelId, const char* pacFieldFromPosition, const char* pacCode,
                             int iIndex, int* piSelected);

    // The edit box that qvSetupFieldEdit is giving its text, while it does.
    HWND mhSettingUpEdit;
    // The table each list was last filled from, by list ID.
    std::map<int, const TCodeListEntry*> mxListTables;
};
