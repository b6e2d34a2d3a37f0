#include "editors/007/T007Editor.h"
#include "base/TDialogLayout.h"
#include "resources/007EditorIds.h"

#include <algorithm>

namespace
{
constexpr int kBlank = ' ';
}

BEGIN_MESSAGE_MAP(T007Editor, TFixedFieldEditorBase)
    // The category list's choice is written once the field is set up for the
    // new category: this entry stands before the base's.
    ON_CBN_SELENDOK(IDC_007_CATEGORY, OnCategorySelEndOk)
    ON_COMMAND_RANGE(ID_007_NEXT_CONTROL, ID_007_PREVIOUS_CONTROL, OnMoveFocusCommand)
    ON_BN_CLICKED(IDC_007_OK, OnOK)
    ON_BN_CLICKED(IDC_007_CANCEL, OnCancel)
END_MESSAGE_MAP()

T007Editor::T007Editor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd)
    : TFixedFieldEditorBase(IDD_007_EDITOR, rxRecord, iOccurrence, pParentWnd, IDC_007_FIELD_DISPLAY, IDC_007_OK),
      miRowPitch(0), miCategory(kBlank)
{}

T007Editor::~T007Editor() = default;

void T007Editor::DoDataExchange(CDataExchange* pDX)
{
    TFixedFieldEditorBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_007_EDIT_1, mxEdit1);
    DDX_Control(pDX, IDC_007_EDIT_2, mxEdit2);
}

BOOL T007Editor::OnInitDialog()
{
    TFixedFieldEditorBase::OnInitDialog();
    miRowPitch = qiGetControlTop(this, IDC_007_LABEL_2) - qiGetControlTop(this, IDC_007_LABEL_1);
    const int iCategory = qiPrepareField(kBlank);
    qvSetTitle();
    qvShowLayout(iCategory);
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_007_OK), IDS_007_TIP_OK);
    mxToolTipCtrl.qtAddWindowTip(GetDlgItem(IDC_007_CANCEL), IDS_007_TIP_CANCEL);
    // The cataloguer starts from the category, whether or not OK is enabled.
    if (CWnd* pCategory = GetDlgItem(IDC_007_CATEGORY))
        pCategory->SetFocus();
    return FALSE;
}

void T007Editor::OnOK()
{
    if (qt007HasLayout(qrx007Category(miCategory)))
        TFixedFieldEditorBase::OnOK();
}

int T007Editor::qiPrepareField(int iRequested)
{
    // The search starts from the unchanged copy: it brings back the field as
    // the caller passed it.
    const bool tFound = miOccurrence != 0 && mxRecord.qtFindTag(7, mxTag, miOccurrence);
    const bool tEmpty = mxTag.qdwGetDataSize() == 0;
    if (tFound)
    {
        const uint32_t dwLength = static_cast<uint32_t>(qrx007Category(mxTag.qpacGetData()[0]).fieldLength);
        if (mxTag.qdwGetDataSize() < dwLength)
        {
            TXBuffer<unsigned char> xBlanks;
            for (uint32_t i = mxTag.qdwGetDataSize(); i < dwLength; ++i)
                xBlanks.qvAppendAscii(" ");
            mxTag.qtAppend(xBlanks, false);
        }
    }
    else
        mxTag.qvSetTagNumber(7);

    const bool tKeep = tFound && !tEmpty && iRequested == kBlank;
    const int iCategory = tKeep ? static_cast<unsigned char>(mxTag.qpacGetData()[0]) : iRequested;
    if (iCategory == kBlank)
    {
        mxTag.qvSetData(qrx007Category('u').defaultData, false);
        return 'u';
    }
    if (tKeep)
        return iCategory;
    const char* pacDefault = qrx007Category(iCategory).defaultData;
    mxTag.qvSetData(pacDefault != nullptr ? pacDefault : "", false);
    return mxTag.qdwGetDataSize() != 0 ? static_cast<unsigned char>(mxTag.qpacGetData()[0]) : 0;
}

void T007Editor::qvShowLayout(int iCategory)
{
    const TFieldLayout& rxLayout = *qrx007Category(iCategory).layout;
    {
        TLayoutRedrawFreeze xFreeze(this);
        qvHideControlsOutside(rxLayout);
        qvMarkEditablePositions(rxLayout.undefined);
        const std::string xField = qxGetField();
        qvFillCodeList(IDC_007_CATEGORY, qpx007CategoryList(iCategory), xField.c_str(), 0);
        mpxControls = rxLayout.controls;
        qvBuildLayout(rxLayout, xField);
        if (CWnd* pOk = GetDlgItem(IDC_007_OK))
            pOk->EnableWindow(qt007HasLayout(qrx007Category(iCategory)) ? TRUE : FALSE);
    }
    qvResizeToRows(iCategory);
    miCategory = iCategory;
}

void T007Editor::qvHideControlsOutside(const TFieldLayout& rxLayout)
{
    for (int nRow = 0; nRow < IDC_007_ROW_COUNT; ++nRow)
        for (int nControlId : {IDC_007_LABEL_1 + 2 * nRow, IDC_007_LIST_1 + 2 * nRow})
            qvHideUnlessShownBy(nControlId, &rxLayout);
    for (int nEditId : {IDC_007_EDIT_1, IDC_007_EDIT_2})
        qvHideUnlessShownBy(nEditId, &rxLayout);
}

void T007Editor::qvResizeToRows(int iCategory)
{
    const int iRows = qrx007Category(iCategory).layout->rowCount;
    const int iButtonTop =
        miRowPitch * iRows + qiGetControlTop(this, IDC_007_CATEGORY_LABEL) + ::GetSystemMetrics(SM_CYFIXEDFRAME);
    const bool tSwitch = miCategory != kBlank;
    qvPlaceButtonsAndResize(iButtonTop, IDC_007_CANCEL, tSwitch, tSwitch ? IDC_007_CATEGORY : 0);
}

void T007Editor::qvSetTitle()
{
    const std::string xField = qxGetField();
    CString xTitle;
    xTitle.LoadString(qrx007Category(xField.empty() ? 0 : static_cast<unsigned char>(xField[0])).titleId);
    SetWindowText(xTitle);
}

void T007Editor::OnCategorySelEndOk()
{
    const CComboBox xList = BorrowDlgItem<CComboBox>(IDC_007_CATEGORY);
    const int iSelected = xList.m_hWnd != nullptr ? xList.GetCurSel() : CB_ERR;
    const auto* pacCode = iSelected < 0 ? nullptr : static_cast<const unsigned char*>(xList.GetItemDataPtr(iSelected));
    if (pacCode == nullptr)
        return;
    const int iCategory = qiPrepareField(*pacCode);
    qvShowLayout(iCategory);
    qvOnCodeSelected(IDC_007_CATEGORY);
    qvSetTitle();
}

void T007Editor::OnMoveFocusCommand(UINT nCommandId)
{
    qvFocusNextInTable(nCommandId == ID_007_PREVIOUS_CONTROL);
}
