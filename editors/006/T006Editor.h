// T006Editor: the modal dialog that edits one occurrence of field 006 of a
// bibliographic record, or creates a new one. Position 00, the form of
// material, chooses one of seven layouts; choosing another form in its list
// while the dialog is open rebuilds the dialog for the new form's group. It
// works on copies of the record and the field, and reaches the caller only
// through qvGetEditedRecord after OK.
#pragma once

#include "base/TFixedFieldEditorBase.h"
#include "controls/TEditorEditControl.h"
#include "core/T006Layout.h"
#include "recordlib/TMarcRecord.h"

#include <cstddef>
#include <string>

class AFX_EXT_CLASS T006Editor : public TFixedFieldEditorBase
{
public:
    static constexpr std::size_t kEditBoxCount = 8;
    static const int kEditBoxIds_static[kEditBoxCount];

    // iOccurrence: 0 for a new 006, otherwise which 006 (from 1) to edit.
    T006Editor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd);
    ~T006Editor() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    // At start (cForm '\0'): finds the 006 or starts a new one of form u.
    // For a form chosen in the list: a form of another group starts a new
    // field with that group's defaults; true when the field was replaced.
    bool qtSetUpField(char cForm);
    void qvMarkEditablePositions();
    void qvSetTitle();
    void qvShowLayout();
    void qvResizeToRows(int iRows);
    // A form chosen in its list: the layout of its group, and the form
    // written into the field.
    void OnFormSelEndOk();
    // Tab and Shift+Tab.
    void OnMoveFocusCommand(UINT nCommandId);

    TEditorEditControl mxEditControls[kEditBoxCount];
    // The form group shown (e006UnknownForm for u or a new 006), and the one
    // before the last change of form (eUnknownMaterial until then).
    EMaterialType meMaterialType;
    EMaterialType mePreviousMaterialType;
    // The field as it stood when the layout was last built: the lists and
    // boxes are preset from it.
    std::string mxLayoutField;
};
