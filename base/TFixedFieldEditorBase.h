// TFixedFieldEditorBase: what the editors of fixed-length fields (006, 007,
// 008) share. Each works on a copy of its field (mxTag), shows it in a field
// line, and builds its dialog from a layout (core/TFieldLayout.h). Every
// choice in a list and every change in an edit box is written at once into
// the field, and the field line highlights what the focused control edits.
// Tab and Shift+Tab move the focus by the layout's control table.
// The template's hidden controls are created only when a layout asks for them.
// Each editor gives the record and the occurrence (see TFieldEditorBase).
#pragma once

#include "base/TFieldEditorBase.h"
#include "core/TFieldLayout.h"
#include "controls/TStaticFieldDisplay.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TMarcTag.h"

#include <cstdint>
#include <string>

class AFX_EXT_CLASS TFixedFieldEditorBase : public TFieldEditorBase
{
public:
    // nDisplayId is the field line of the template; nOkId the OK button, where
    // the focus goes from a control the control table does not hold.
    TFixedFieldEditorBase(UINT nIDTemplate, const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd,
                          int nDisplayId, int nOkId);
    ~TFixedFieldEditorBase() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const TMarcTag* qpxGetEditedField() const override { return &mxTag; }
    // The control of the control table whose position is the last at or
    // before iPosition (a box of several positions holds those after its first).
    int qiControlAtPosition(int iPosition) const override;

    // A control that takes the focus shows its positions in the field line.
    void OnControlSetFocus(UINT nId);
    // A change in an edit box is written into the field.
    void OnEditChange(UINT nId);
    // A choice in a list is written into the field.
    void OnListSelEndOk(UINT nId);

    // The field line: the field, its length, and the undefined ranges shown inactive.
    void qvMarkEditablePositions(const TPositionRange* pxUndefined);
    // Shows the layout's labels (replacing the texts it names) and controls,
    // chains the controls in the Z order (and so the Tab order) of the control
    // table, moves them onto their grid cells, fills the lists and sets up the
    // edit boxes from rxField. Writes nothing into the field.
    void qvBuildLayout(const TFieldLayout& rxLayout, const std::string& rxField);
    // Layout pxLayout (none when null) shows control nControlId, as a label
    // or a control of its table.
    static bool qtLayoutShows(const TFieldLayout* pxLayout, int nControlId);
    // Hides control nControlId unless pxLayout shows it: a layout switch
    // leaves up what the new layout shows, so that no control is hidden and
    // shown again.
    void qvHideUnlessShownBy(int nControlId, const TFieldLayout* pxLayout);
    // Highlights in the field line what control nControlId edits (nothing for
    // a button), after showing the field as it stands.
    void qvShowFieldPosition(int nControlId);
    // Writes the code chosen in list nListId into the field.
    void qvOnCodeSelected(int nListId);
    // Writes the text of edit box nEditId, padded with blanks to its limit,
    // into the field.
    void qvOnEditChanged(int nEditId);
    // The control after (or before) dwControlId in the control table, going
    // round from the last to the first; the OK button when the table does not
    // hold it.
    uint32_t qdwGetNextControlId(uint32_t dwControlId, bool tBackwards) const;
    // Gives the focus to control nControlId, as Tab would.
    void qvFocusControl(int nControlId);
    // Moves OK and Cancel (nCancelId) to iButtonTop and makes the dialog fit
    // them. After a layout switch (tAroundMiddle) the dialog grows or shrinks
    // equally above and below, staying on the screen. With nPointerListId the
    // pointer goes back over that list, the one the cataloguer just used.
    void qvPlaceButtonsAndResize(int iButtonTop, int nCancelId, bool tAroundMiddle, int nPointerListId);
    // Tab (or Shift+Tab, tBackwards) by the control table: the focus goes to
    // the control after (before) the focused one.
    void qvFocusNextInTable(bool tBackwards);

    std::string qxGetField() const;
    // The field as the field line shows it: one character a byte, read in the
    // record's character set.
    CString qxGetFieldText() const;
    // Puts rxChars into the field from iPosition on; ignored when they would
    // not fit inside the field.
    void qvWriteField(int iPosition, const std::string& rxChars);

    TStaticFieldDisplay mxFieldDisplay;
    TMarcTag mxTag;
    // The control table of the layout shown (null when there is none): which
    // position each control edits, and the focus order.
    const TControlPosition* mpxControls;

private:
    const TControlPosition* qpxFindControl(int nControlId) const;
    // Shows control nControlId unless it is visible already.
    void qvShowControl(int nControlId);

    int mnDisplayId;
    int mnOkId;

    DECLARE_MESSAGE_MAP()
};
