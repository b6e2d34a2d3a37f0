// T856Editor: the modal dialog that edits one 856 field (Electronic Location
// and Access): its indicators in two lists, the non-repeatable subfields one
// code at a time, the repeatable ones one occurrence at a time with Previous
// and Next, and, while the first indicator is 7, the access method named in
// $2. The read-only line at the top shows the whole field with the part being
// edited selected. The field itself is a T856Field; on OK its subfields are
// joined back into the tag, which qvGetEditedRecord puts back in the record.
//
// Subfields are shown and written in the record's character set (its
// Leader/09): a box shows its subfield's text, and what is typed there is
// written encoded in that set. A character the set cannot hold is refused at
// the box with a message naming it and the set, the subfield left as it was.
// A subfield nobody typed in keeps its bytes.
#pragma once

#include "base/TFieldEditorBase.h"
#include "controls/TBitmapButton.h"
#include "core/T856Field.h"
#include "recordlib/TMarcRecord.h"

class AFX_EXT_CLASS T856Editor : public TFieldEditorBase
{
public:
    // iOccurrence: which 856 (from 1) to edit; 0 for a new one. A missing
    // occurrence opens on an empty field, and OK then finds nothing to replace.
    // The second indicator is not offered on authority records.
    T856Editor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd);
    ~T856Editor() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const TMarcTag* qpxGetEditedField() const override { return &mxField.qrxGetTag(); }
    // Position 1 is the first indicator's list, 2 the second's.
    int qiControlAtPosition(int iPosition) const override;
    // A list filled at start-up is handled as a choice in it.
    void qvOnCodeListFilled(int nComboId) override;

    DECLARE_MESSAGE_MAP()

private:
    // The occurrence of 856 in rxRecord; an empty 856 when it has none.
    static TMarcTag qxFindField(const TMarcRecord& rxRecord, int iOccurrence);
    // Selects cCode in the list of its kind and handles it as a choice there,
    // unless it is selected already and tForce is false.
    void qvSelectSubfieldCode(char cCode, bool tForce);
    // Selects the access method named exactly pacText, else "Unknown value",
    // without writing $2.
    void qvSelectAccessMethod(const char* pacText);

    void qvRefreshDisplay(const TSubfieldNode* pxLocate, int* piOffset, int* piLength);
    void qvShowSubfield(const TSubfieldNode* pxNode);
    void qvShowIndicator(int iIndicator);
    // Puts a node's text into an edit box; the box's change handler then runs
    // without writing the text back, so showing a subfield never changes it.
    void qvShowNodeText(int nEditId, const TSubfieldNode* pxNode);
    // Writes what box nEditId holds into rxNode, in the record's character set.
    // A character the set cannot hold is refused: the cataloguer is told, the
    // box shows the subfield again, and false comes back, rxNode unchanged.
    bool qtWriteBoxText(int nEditId, TSubfieldNode& rxNode);
    void qvUpdateStepButtons(const TSubfieldNode* pxNode);
    void qvClearRepeatable();
    // The selected row's code; none when the list has no selection.
    static const char* qpacSelectedCode(const CComboBox& rxList);
    void qvEnable(int nControlId, bool tEnable);
    // The occurrence before (after) the one shown in the repeatable box.
    void qvStep(bool tBackwards);

    void OnFirstIndicatorSelChange();
    void OnSecondIndicatorSelChange();
    void OnNonRepeatableCodeSelChange();
    void OnRepeatableCodeSelChange();
    void OnAccessMethodSelChange();
    void OnNewRepeatableClicked();
    void OnNonRepeatableTextChange();
    void OnRepeatableTextChange();
    void OnRemoveNonRepeatableClicked();
    void OnRemoveRepeatableClicked();
    void OnPreviousClicked();
    void OnNextClicked();
    void OnClose();

    CEdit mxFieldDisplay;
    TBitmapButton mxPreviousButton;
    TBitmapButton mxNextButton;
    CComboBox mxFirstIndicatorList;
    CComboBox mxAccessMethodList;
    CComboBox mxSecondIndicatorList;
    CComboBox mxNonRepeatableList;
    CComboBox mxRepeatableList;
    CString mxDisplayText;
    T856Field mxField;
    TSubfieldNode* mpxCurrentNonRepeatable;
    TSubfieldNode* mpxCurrentRepeatable;
    // True while the dialog puts a node's text into a box, and while it fills
    // the access-method list: the handlers then show, and write nothing.
    bool mtShowing;
};
