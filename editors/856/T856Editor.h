// T856Editor: the modal dialog that edits one 856 field (Electronic Location
// and Access): its indicators in two lists, the non-repeatable subfields one
// code at a time, the repeatable ones one occurrence at a time with Previous
// and Next, and, while the first indicator is 7, the access method named in
// $2. The read-only line at the top shows the whole field with the part being
// edited selected. The field itself is a T856Field; on OK its subfields are
// joined back into the tag, which the facade takes with qvGetEditedTag.
#pragma once

#include "base/TFieldEditorBase.h"
#include "controls/TBitmapButton.h"
#include "editors/856/T856Field.h"

class AFX_EXT_CLASS T856Editor : public TFieldEditorBase
{
public:
    T856Editor(const TMarcTag& rxTag, bool tAuthority, CWnd* pParentWnd);
    ~T856Editor() override;

    INT_PTR DoModal() override;
    void qvGetEditedTag(TMarcTag& rxTag) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    // Selects cCode in the list of its kind and runs that list's rule, unless
    // it is selected already and tForce is false.
    void qvSelectSubfieldCode(char cCode, bool tForce);
    // Selects the access method named exactly pacText, else "Unknown value",
    // without writing $2.
    void qvSelectAccessMethod(const char* pacText);

    void qvRefreshDisplay(const TSubfieldNode* pxLocate, int* piOffset);
    void qvShowSubfield(const TSubfieldNode* pxNode);
    void qvShowIndicator(int iIndicator);
    // Puts a node's text into an edit box; the box's rule then runs without
    // writing the text back, so showing a subfield never changes it.
    void qvShowNodeText(int nEditId, const TSubfieldNode* pxNode);
    void qvUpdateStepButtons(const TSubfieldNode* pxNode);
    void qvClearRepeatable();
    // The selected row's code; none when the list has no selection.
    const char* qpacSelectedCode(const CComboBox& rxList) const;
    void qvSetListTip(CComboBox& rxList);
    void qvEnable(int nControlId, bool tEnable);

    void OnFirstIndicatorChanged();
    void OnSecondIndicatorChanged();
    void OnNonRepeatableCodeChanged();
    void OnRepeatableCodeChanged();
    void OnAccessMethodChanged();
    void OnNewRepeatable();
    void OnNonRepeatableTextChanged();
    void OnRepeatableTextChanged();
    void OnRemoveNonRepeatable();
    void OnRemoveRepeatable();
    void OnPrevious();
    void OnNext();
    void OnStep(bool tBackwards);
    void OnCancelButton();
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
    bool mtAuthority;
    TSubfieldNode* mpxCurrentNonRepeatable;
    TSubfieldNode* mpxCurrentRepeatable;
    // True while the dialog puts a node's text into a box, and while it fills
    // the access-method list: the rules then show, and write nothing.
    bool mtShowing;
};
