// T007Editor: the modal dialog that edits one 007 field of a bibliographic
// record. The cataloguer chooses the category of material first; the dialog
// then labels and shows the generic rows of template 1001 that the category's
// layout names, fills their lists, puts the edit boxes on their rows and sizes
// itself to the rows. Every choice and keystroke is written at once into the
// copy of the field; the caller's record is reached only through
// qvGetEditedRecord after OK.
#pragma once

#include "base/TFixedFieldEditorBase.h"
#include "controls/TEditorEditControl.h"
#include "core/T007Categories.h"
#include "recordlib/TMarcRecord.h"

class AFX_EXT_CLASS T007Editor : public TFixedFieldEditorBase
{
public:
    // iOccurrence counts the record's 007 fields from 1; 0 asks for a new one.
    T007Editor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd);
    ~T007Editor() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Ends the dialog only while a category is shown: a field without one is
    // never stored, even when a message clicks the disabled button.
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    // Finds or creates the field; a category code (an unsigned character)
    // other than a blank replaces it by that category's default. Returns the
    // category shown.
    int qiPrepareField(int iRequested);
    void qvShowLayout(int iCategory);
    // Hides every row's label, list and edit box that rxLayout does not show.
    void qvHideControlsOutside(const TFieldLayout& rxLayout);
    void qvResizeToRows(int iCategory);
    void qvSetTitle();
    // A category chosen in its list: the field starts from that category's
    // default and the dialog shows its layout.
    void OnCategorySelEndOk();
    // Tab and Shift+Tab.
    void OnMoveFocusCommand(UINT nCommandId);

    TEditorEditControl mxEdit1;
    TEditorEditControl mxEdit2;
    int miRowPitch;
    // The category code shown (an unsigned character); a blank before the
    // first layout.
    int miCategory;
};
