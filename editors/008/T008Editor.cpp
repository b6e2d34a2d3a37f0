#include "editors/008/T008Editor.h"
#include "base/TDialogLayout.h"
#include "core/TGeneric008.h"
#include "recordlib/TException.h"
#include "resources/008EditorIds.h"

namespace
{
constexpr int kFieldLength = 40;
constexpr int kDateEnteredLength = 6;
// Kinds of TEditorEditControl: 1 starts with the digits as its set.
constexpr int kAnyChars = 0;
constexpr int kDigitsOnly = 1;
}

const T008Editor::TEditBox T008Editor::kEditBoxes_static[kEditBoxCount] = {
    {IDC_008_DATE_ENTERED, kDigitsOnly},
    {IDC_008_HLD_CANCEL_DATE, kAnyChars},
    {IDC_008_HLD_UNIT_COUNT, kAnyChars},
    {IDC_008_HLD_COPIES_REPORTED, kDigitsOnly},
    {IDC_008_HLD_LANGUAGE, kAnyChars},
    {IDC_008_HLD_REPORT_DATE, kDigitsOnly},
    {IDC_008_COM_LANGUAGE, kAnyChars},
    {IDC_008_BIB_DATE1, kAnyChars},
    {IDC_008_BIB_DATE2, kAnyChars},
    {IDC_008_BIB_PLACE, kAnyChars},
    {IDC_008_BIB_LANGUAGE, kAnyChars},
    {IDC_008_BIB_ILLUSTRATIONS, kAnyChars},
    {IDC_008_BIB_NATURE_OF_CONTENTS, kAnyChars},
    {IDC_008_BIB_RELIEF, kAnyChars},
    {IDC_008_BIB_SPECIAL_FORMAT, kAnyChars},
    {IDC_008_BIB_ACCOMPANYING_MATTER, kAnyChars},
    {IDC_008_BIB_LITERARY_TEXT, kAnyChars},
    {IDC_008_BIB_CONTINUING_CONTENTS, kAnyChars},
    {IDC_008_BIB_RUNNING_TIME, kAnyChars},
};

BEGIN_MESSAGE_MAP(T008Editor, TFixedFieldEditorBase)
    ON_COMMAND_RANGE(ID_008_NEXT_CONTROL, ID_008_PREVIOUS_CONTROL, OnMoveFocusCommand)
    ON_COMMAND(IDC_008_OK, OnOK)
    ON_COMMAND(IDC_008_CANCEL, OnCancel)
    ON_MESSAGE(WM_EDITBOXFULL, OnEditBoxFull)
END_MESSAGE_MAP()

T008Editor::T008Editor(const TMarcRecord& rxRecord, CWnd* pParentWnd)
    : T008Editor(rxRecord, pParentWnd, std::make_index_sequence<kEditBoxCount>{})
{}

template <std::size_t... I>
T008Editor::T008Editor(const TMarcRecord& rxRecord, CWnd* pParentWnd, std::index_sequence<I...>)
    : TFixedFieldEditorBase(IDD_008_EDITOR, rxRecord, 1, pParentWnd, IDC_008_FIELD_DISPLAY, IDC_008_OK),
      mxEditControls{TEditorEditControl(kEditBoxes_static[I].kind)...},
      meMaterialType(qeGetMaterialTypeOf(rxRecord.qrxGetLeader())),
      mpxLayout(qpxGet008Layout(meMarcType, meMaterialType))
{}

T008Editor::~T008Editor() = default;

void T008Editor::DoDataExchange(CDataExchange* pDX)
{
    TFixedFieldEditorBase::DoDataExchange(pDX);
    for (std::size_t i = 0; i < kEditBoxCount; ++i)
        DDX_Control(pDX, kEditBoxes_static[i].editId, mxEditControls[i]);
}

BOOL T008Editor::OnInitDialog()
{
    TFixedFieldEditorBase::OnInitDialog();
    if (!mxRecord.qtFindTag(8, mxTag, 1))
    {
        if (!qtAddGeneric008(mxRecord, false))
            throw TException(L"T008Editor::OnInitDialog() : Unable to add 008 to marc record", eErrorRecoverable, -1);
        if (!mxRecord.qtFindTag(8, mxTag, 1))
            throw TException(L"T008Editor::OnInitDialog() : Unable to get 008 from marc record", eErrorRecoverable, -1);
    }
    qvPadField();
    mxLayoutField = qxGetField();
    qvMarkEditablePositions(mpxLayout != nullptr ? mpxLayout->undefined : nullptr);
    qvSetTitle();
    qvShowLayout();
    // The template hides OK and Cancel; they exist (hidden) also for a type
    // of record that has no layout, so that the host can still end the dialog.
    GetOrCreateDlgItem(IDC_008_OK);
    GetOrCreateDlgItem(IDC_008_CANCEL);
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_008_OK), IDS_008_TIP_OK);
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_008_CANCEL), IDS_008_TIP_CANCEL);
    qvSetupFieldEdit(IDC_008_DATE_ENTERED, qxGetField().c_str(), 0, kDateEnteredLength);
    if (CWnd* pDateEntered = GetDlgItem(IDC_008_DATE_ENTERED))
        pDateEntered->SetFocus();
    return FALSE;
}

void T008Editor::qvPadField()
{
    std::string xField = qxGetField();
    if (xField.size() >= static_cast<std::size_t>(kFieldLength))
        return;
    xField.resize(kFieldLength, ' ');
    mxTag.qvSetData(xField.c_str(), false);
}

void T008Editor::qvSetTitle()
{
    CString xTitle;
    xTitle.LoadString(qdwGet008TitleId(meMarcType, meMaterialType));
    SetWindowText(xTitle);
}

void T008Editor::qvShowLayout()
{
    if (mpxLayout == nullptr)
        return;
    for (int nLabelId : {IDC_008_FIELD_CAPTION, IDC_008_DATE_ENTERED_LABEL})
        if (CWnd* pLabel = CWnd::FromHandle(GetOrCreateDlgItem(nLabelId)))
            pLabel->ShowWindow(SW_SHOW);
    mpxControls = mpxLayout->controls;
    qvBuildLayout(*mpxLayout, mxLayoutField);
    qvResizeToRows(mpxLayout->rowCount);

    if (meMarcType == eAuthority && mxRecord.qdwGetAuxData1() != 0)
        if (CWnd* pSubjectSystem = GetDlgItem(IDC_008_AUT_SUBJECT_SYSTEM))
            pSubjectSystem->EnableWindow(FALSE);
}

void T008Editor::qvResizeToRows(int iRows)
{
    const int iPitch = qiGetControlTop(this, IDC_008_CELL_L2_LABEL) - qiGetControlTop(this, IDC_008_CELL_L1_LABEL);
    const int iButtonTop =
        qiGetControlTop(this, IDC_008_DATE_ENTERED_LABEL) + iPitch * iRows + ::GetSystemMetrics(SM_CYFIXEDFRAME);
    qvPlaceButtonsAndResize(iButtonTop, IDC_008_CANCEL, false, 0);
}

void T008Editor::OnMoveFocusCommand(UINT nCommandId)
{
    const bool tBackwards = nCommandId == ID_008_PREVIOUS_CONTROL;
    if (meMarcType == eBibliographic && meMaterialType != eBooks && meMaterialType != eMixedMaterials)
        qvFocusNextInTable(tBackwards);
    else if (CWnd* pTarget = GetNextDlgTabItem(GetFocus(), tBackwards))
        GotoDlgCtrl(pTarget);
}

LRESULT T008Editor::OnEditBoxFull(WPARAM, LPARAM)
{
    if (CWnd* pNext = GetNextDlgTabItem(GetFocus(), FALSE))
        pNext->SetFocus();
    return 0;
}
