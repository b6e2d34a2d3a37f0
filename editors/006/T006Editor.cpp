#include "editors/006/T006Editor.h"
#include "base/TDialogLayout.h"
#include "resources/006EditorIds.h"

#include <algorithm>

namespace
{
constexpr int kTagNumber = 6;
}

const int T006Editor::kEditBoxIds_static[kEditBoxCount] = {
    IDC_006_ILLUSTRATIONS,       IDC_006_NATURE_OF_CONTENTS,  IDC_006_RELIEF,
    IDC_006_SPECIAL_FORMAT,      IDC_006_ACCOMPANYING_MATTER, IDC_006_LITERARY_TEXT,
    IDC_006_CONTINUING_CONTENTS, IDC_006_RUNNING_TIME,
};

BEGIN_MESSAGE_MAP(T006Editor, TFixedFieldEditorBase)
    ON_COMMAND_RANGE(ID_006_NEXT_CONTROL, ID_006_PREVIOUS_CONTROL, OnMoveFocusCommand)
    ON_COMMAND(IDC_006_OK, OnOK)
    ON_COMMAND(IDC_006_CANCEL, OnCancel)
    // The form list's choice is written once the field is set up for the new
    // form: this entry stands before the base's, which writes every choice.
    ON_CBN_SELENDOK(IDC_006_FORM_OF_MATERIAL, OnFormSelEndOk)
END_MESSAGE_MAP()

T006Editor::T006Editor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd)
    : TFixedFieldEditorBase(IDD_006_EDITOR, rxRecord, iOccurrence, pParentWnd, IDC_006_FIELD_DISPLAY, IDC_006_OK),
      meMaterialType(qeGetMaterialTypeOf(rxRecord.qrxGetLeader())), mePreviousMaterialType(eUnknownMaterial)
{}

T006Editor::~T006Editor() = default;

void T006Editor::DoDataExchange(CDataExchange* pDX)
{
    TFixedFieldEditorBase::DoDataExchange(pDX);
    for (std::size_t i = 0; i < kEditBoxCount; ++i)
        DDX_Control(pDX, kEditBoxIds_static[i], mxEditControls[i]);
}

BOOL T006Editor::OnInitDialog()
{
    TFixedFieldEditorBase::OnInitDialog();
    qtSetUpField('\0');
    qvSetTitle();
    qvMarkEditablePositions();
    if (meMarcType != eBibliographic)
    {
        CDialog::OnCancel();
        return TRUE;
    }
    qvShowLayout();
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_006_OK), IDS_006_TIP_OK);
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_006_CANCEL), IDS_006_TIP_CANCEL);
    return TRUE;
}

bool T006Editor::qtSetUpField(char cForm)
{
    if (cForm == '\0')
    {
        if (miOccurrence != 0 && mxRecord.qtFindTag(kTagNumber, mxTag, miOccurrence))
        {
            std::string xField = qxGetField();
            if (xField.size() < static_cast<std::size_t>(k006FieldLength))
            {
                xField.resize(k006FieldLength, ' ');
                mxTag.qvSetData(xField.c_str(), false);
            }
            // A form outside the groups keeps the record's material type.
            const EMaterialType eGroup = qe006FormGroup(xField[0]);
            if (eGroup != eUnknownMaterial)
                meMaterialType = eGroup;
            return true;
        }
        miOccurrence = 0;
        mxTag.qvSetTagNumber(kTagNumber);
        std::string xField(k006FieldLength, ' ');
        xField[0] = 'u';
        meMaterialType = e006UnknownForm;
        mxTag.qvSetData(xField.c_str(), false);
        return true;
    }

    // An existing 006 is treated like a new one: the field being edited stays
    // while the form keeps its group, so no edit is lost and the layout
    // always agrees with the field.
    mePreviousMaterialType = meMaterialType;
    EMaterialType eGroup = e006UnknownForm;
    if (cForm != 'u')
    {
        eGroup = qe006FormGroup(cForm);
        if (eGroup == eUnknownMaterial || eGroup == mePreviousMaterialType)
            return false;
    }
    std::string xField = eGroup == e006UnknownForm ? std::string(k006FieldLength, ' ') : qxNew006Field(cForm);
    xField[0] = cForm;
    meMaterialType = eGroup;
    mxTag.qvSetData(xField.c_str(), false);
    return true;
}

void T006Editor::qvMarkEditablePositions()
{
    const TFieldLayout* pxLayout = meMarcType == eBibliographic ? qpxGet006Layout(meMaterialType) : nullptr;
    TFixedFieldEditorBase::qvMarkEditablePositions(pxLayout != nullptr ? pxLayout->undefined : nullptr);
}

void T006Editor::qvSetTitle()
{
    const std::string xField = qxGetField();
    CString xTitle;
    xTitle.LoadString(qdwGet006TitleId(xField.empty() ? '\0' : xField[0]));
    SetWindowText(xTitle);
}

void T006Editor::qvShowLayout()
{
    {
        TLayoutRedrawFreeze xFreeze(this);
        const TFieldLayout* pxLayout = qpxGet006Layout(meMaterialType);
        for (const int* pnId = k006HiddenControls; *pnId != 0; ++pnId)
            qvHideUnlessShownBy(*pnId, pxLayout);
        CWnd* pOk = GetDlgItem(IDC_006_OK);
        if (pOk != nullptr)
            pOk->EnableWindow(TRUE);

        mxLayoutField = qxGetField();
        qvFillCodeList(IDC_006_FORM_OF_MATERIAL, qpxGet006FormList(mxLayoutField[0] == 'u'), mxLayoutField.c_str(), 0);
        mpxControls = qpxGet006ControlTable(meMaterialType);
        if (pxLayout != nullptr)
            qvBuildLayout(*pxLayout, mxLayoutField);
        else if (pOk != nullptr)
            pOk->EnableWindow(FALSE);
    }
    qvResizeToRows(qi006RowCount(meMaterialType));
}

void T006Editor::qvResizeToRows(int iRows)
{
    const int iPitch = qiGetControlTop(this, IDC_006_REGULARITY_LABEL) - qiGetControlTop(this, IDC_006_FREQUENCY_LABEL);
    const int iButtonTop =
        qiGetControlTop(this, IDC_006_FORM_OF_MATERIAL_LABEL) + iPitch * iRows + ::GetSystemMetrics(SM_CYFIXEDFRAME);
    qvPlaceButtonsAndResize(iButtonTop, IDC_006_CANCEL, mePreviousMaterialType != eUnknownMaterial,
                            IDC_006_FORM_OF_MATERIAL);
}

void T006Editor::OnFormSelEndOk()
{
    const CComboBox xFormList = BorrowDlgItem<CComboBox>(IDC_006_FORM_OF_MATERIAL);
    if (xFormList.m_hWnd == nullptr)
        return;
    const int iSelected = xFormList.GetCurSel();
    const char* pacCode = iSelected == CB_ERR ? nullptr : static_cast<const char*>(xFormList.GetItemDataPtr(iSelected));
    if (pacCode == nullptr)
        return;
    if (qtSetUpField(*pacCode))
    {
        qvMarkEditablePositions();
        qvShowLayout();
    }
    qvOnCodeSelected(IDC_006_FORM_OF_MATERIAL);
    qvSetTitle();
}

void T006Editor::OnMoveFocusCommand(UINT nCommandId)
{
    if (meMarcType == eBibliographic)
        qvFocusNextInTable(nCommandId == ID_006_PREVIOUS_CONTROL);
    else
        qvFocusControl(IDC_006_OK);
}
