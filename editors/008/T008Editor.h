// T008Editor: the modal dialog that edits field 008 of one record. It works on
// copies of the record and its first 008 (occurrence 1; a record without one
// is given the default 008 of its type when the dialog opens); every choice in a list
// and every change in an edit box is written at once into the copy of the
// field, and the caller's record is reached only through qvGetEditedRecord
// after OK. Which positions it shows is the data of the record's 008 layout.
#pragma once

#include "base/TFixedFieldEditorBase.h"
#include "controls/TEditorEditControl.h"
#include "core/T008Layout.h"
#include "recordlib/TMarcRecord.h"

#include <cstddef>
#include <string>
#include <utility>

class AFX_EXT_CLASS T008Editor : public TFixedFieldEditorBase
{
public:
    // The edit boxes of the template, each with the kind it is created with.
    struct TEditBox
    {
        int editId;
        int kind;
    };
    static constexpr std::size_t kEditBoxCount = 19;
    static const TEditBox kEditBoxes_static[kEditBoxCount];

    T008Editor(const TMarcRecord& rxRecord, CWnd* pParentWnd);
    ~T008Editor() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    template <std::size_t... I> T008Editor(const TMarcRecord& rxRecord, CWnd* pParentWnd, std::index_sequence<I...>);

    void qvPadField();
    void qvSetTitle();
    void qvShowLayout();
    void qvResizeToRows(int iRows);
    // Tab and Shift+Tab.
    void OnMoveFocusCommand(UINT nCommandId);
    // A full edit box hands the focus on to the next control.
    LRESULT OnEditBoxFull(WPARAM wParam, LPARAM lParam);

    TEditorEditControl mxEditControls[kEditBoxCount];
    EMaterialType meMaterialType;
    const T008Layout* mpxLayout;
    // The field as it stood when the layout was built: the lists and boxes
    // are preset from it even while filling them rewrites mxTag.
    std::string mxLayoutField;
};
