#include "editors/856/T856Editor.h"
#include "editors/856/T856CodeLists.h"
#include "base/TDllResourceMgr.h"
#include "resources/856EditorIds.h"
#include "resources/resource.h"

#include <string>

namespace
{
const wchar_t kShownDelimiter = L'\x2021';

std::string qxNodeBytes(const TSubfieldNode* pxNode)
{
    return std::string(pxNode->mxData.qpacGetData(), pxNode->mxData.qdwGetDataSize());
}

bool qtHasData(const TSubfieldNode* pxNode)
{
    return pxNode != nullptr && pxNode->mxData.qdwGetDataSize() != 0;
}
}

BEGIN_MESSAGE_MAP(T856Editor, TFieldEditorBase)
    ON_BN_CLICKED(IDC_856_OK, OnOK)
    ON_BN_CLICKED(IDC_856_CANCEL, OnCancelButton)
    ON_BN_CLICKED(IDC_856_NONREPEATABLE_REMOVE, OnRemoveNonRepeatable)
    ON_BN_CLICKED(IDC_856_REPEATABLE_REMOVE, OnRemoveRepeatable)
    ON_BN_CLICKED(IDC_856_REPEATABLE_NEW, OnNewRepeatable)
    ON_BN_CLICKED(IDC_856_NEXT, OnNext)
    ON_BN_CLICKED(IDC_856_PREVIOUS, OnPrevious)
    ON_CBN_SELCHANGE(IDC_856_FIRST_INDICATOR, OnFirstIndicatorChanged)
    ON_CBN_SELCHANGE(IDC_856_ACCESS_METHOD, OnAccessMethodChanged)
    ON_CBN_SELCHANGE(IDC_856_SECOND_INDICATOR, OnSecondIndicatorChanged)
    ON_CBN_SELCHANGE(IDC_856_NONREPEATABLE_CODE, OnNonRepeatableCodeChanged)
    ON_CBN_SELCHANGE(IDC_856_REPEATABLE_CODE, OnRepeatableCodeChanged)
    ON_EN_CHANGE(IDC_856_NONREPEATABLE_TEXT, OnNonRepeatableTextChanged)
    ON_EN_CHANGE(IDC_856_REPEATABLE_TEXT, OnRepeatableTextChanged)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

T856Editor::T856Editor(const TMarcTag& rxTag, bool tAuthority, CWnd* pParentWnd)
    : TFieldEditorBase(IDD_856_EDITOR, pParentWnd),
      mxField(rxTag),
      mtAuthority(tAuthority),
      mpxCurrentNonRepeatable(nullptr),
      mpxCurrentRepeatable(nullptr),
      mtShowing(false)
{
}

T856Editor::~T856Editor() = default;

INT_PTR T856Editor::DoModal()
{
    TDllResourceMgr resources;
    return CDialog::DoModal();
}

void T856Editor::qvGetEditedTag(TMarcTag& rxTag) const
{
    rxTag = mxField.qrxGetTag();
}

void T856Editor::DoDataExchange(CDataExchange* pDX)
{
    TFieldEditorBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_856_FIELD_DISPLAY, mxFieldDisplay);
    DDX_Control(pDX, IDC_856_FIRST_INDICATOR, mxFirstIndicatorList);
    DDX_Control(pDX, IDC_856_ACCESS_METHOD, mxAccessMethodList);
    DDX_Control(pDX, IDC_856_SECOND_INDICATOR, mxSecondIndicatorList);
    DDX_Control(pDX, IDC_856_NONREPEATABLE_CODE, mxNonRepeatableList);
    DDX_Control(pDX, IDC_856_REPEATABLE_CODE, mxRepeatableList);
    DDX_Control(pDX, IDC_856_PREVIOUS, mxPreviousButton);
    DDX_Control(pDX, IDC_856_NEXT, mxNextButton);
}

BOOL T856Editor::OnInitDialog()
{
    TFieldEditorBase::OnInitDialog();
    const struct
    {
        int controlId;
        UINT tipId;
    } kTips[] = {
        {IDC_856_OK, IDS_856_TIP_OK},
        {IDC_856_CANCEL, IDS_856_TIP_CANCEL},
        {IDC_856_NONREPEATABLE_REMOVE, IDS_856_TIP_REMOVE},
        {IDC_856_REPEATABLE_REMOVE, IDS_856_TIP_REMOVE},
        {IDC_856_REPEATABLE_NEW, IDS_856_TIP_NEW},
        {IDC_856_PREVIOUS, IDS_856_TIP_PREVIOUS},
        {IDC_856_NEXT, IDS_856_TIP_NEXT},
    };
    for (const auto& rxTip : kTips)
        mxToolTipCtrl.qtAddWindowTip(GetDlgItem(rxTip.controlId), rxTip.tipId);
    mxPreviousButton.qvSetBitmap(IDB_PREVIOUS, CSize(16, 16));
    mxNextButton.qvSetBitmap(IDB_NEXT, CSize(16, 16));

    const char acFirst[2] = {mxField.qcGetIndicator(1), '\0'};
    qvFillCodeList(IDC_856_FIRST_INDICATOR, k856FirstIndicators_static, acFirst, 0);

    const TSubfieldNode* pxMethod = mxField.qpxFindSubfield('2', nullptr, false);
    const std::string xMethod = pxMethod != nullptr ? qxNodeBytes(pxMethod) : std::string(" ");
    mtShowing = true;
    qvFillCodeList(IDC_856_ACCESS_METHOD, k856AccessMethods_static, xMethod.c_str(), 0);
    // The list shows a listed name only when $2 holds it exactly.
    qvSelectAccessMethod(xMethod.c_str());
    mtShowing = false;
    qvEnable(IDC_856_ACCESS_METHOD, mxField.qcGetIndicator(1) == '7');

    const char acSecond[2] = {mxField.qcGetIndicator(2), '\0'};
    qvFillCodeList(IDC_856_SECOND_INDICATOR, k856SecondIndicators_static, acSecond, 0);
    if (mtAuthority)
        qvEnable(IDC_856_SECOND_INDICATOR, false);

    qvFillCodeList(IDC_856_NONREPEATABLE_CODE, k856NonRepeatableCodes_static, "h", 0);
    qvFillCodeList(IDC_856_REPEATABLE_CODE, k856RepeatableCodes_static, "a", 0);

    mxFieldDisplay.SetSel(-1, 0);
    return TRUE;
}

const char* T856Editor::qpacSelectedCode(const CComboBox& rxList) const
{
    const int iRow = rxList.GetCurSel();
    if (iRow < 0)
        return nullptr;
    return reinterpret_cast<const char*>(rxList.GetItemData(iRow));
}

void T856Editor::qvSetListTip(CComboBox& rxList)
{
    const int iRow = rxList.GetCurSel();
    if (iRow < 0)
        return;
    CString xLabel;
    rxList.GetLBText(iRow, xLabel);
    mxToolTipCtrl.qtAddWindowTip(&rxList, xLabel);
}

void T856Editor::qvEnable(int nControlId, bool tEnable)
{
    if (CWnd* pControl = GetDlgItem(nControlId))
        pControl->EnableWindow(tEnable ? TRUE : FALSE);
}

void T856Editor::qvSelectSubfieldCode(char cCode, bool tForce)
{
    const ESubfieldKind eKind = T856Field::qeGetSubfieldKind(cCode);
    if (eKind == eOtherSubfield)
        return;
    CComboBox& rxList = eKind == eRepeatableSubfield ? mxRepeatableList : mxNonRepeatableList;
    for (int iRow = 0; iRow < rxList.GetCount(); ++iRow)
    {
        const char* pacCode = reinterpret_cast<const char*>(rxList.GetItemData(iRow));
        if (pacCode == nullptr || pacCode[0] != cCode)
            continue;
        if (rxList.GetCurSel() == iRow && !tForce)
            return;
        rxList.SetCurSel(iRow);
        SendMessage(WM_COMMAND, MAKEWPARAM(rxList.GetDlgCtrlID(), CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(rxList.m_hWnd));
        return;
    }
}

void T856Editor::qvSelectAccessMethod(const char* pacText)
{
    int iSelected = 0;
    if (pacText != nullptr && mxAccessMethodList.GetCount() >= 2)
        for (int iRow = 1; iRow < mxAccessMethodList.GetCount(); ++iRow)
            if (std::string(reinterpret_cast<const char*>(mxAccessMethodList.GetItemData(iRow))) == pacText)
            {
                iSelected = iRow;
                break;
            }
    mxAccessMethodList.SetCurSel(iSelected);
}

void T856Editor::qvRefreshDisplay(const TSubfieldNode* pxLocate, int* piOffset)
{
    CString xText = CString::FromBytes(mxField.qxGetDisplayBytes(pxLocate, piOffset));
    std::wstring xShown = xText.str();
    for (wchar_t& wc : xShown)
        if (wc == static_cast<wchar_t>(static_cast<unsigned char>(TMarcTag::mcDelimiter)))
            wc = kShownDelimiter;
    xText = CString(xShown.c_str(), static_cast<int>(xShown.size()));
    if (xText == mxDisplayText && mxFieldDisplay.GetWindowTextLength() == xText.GetLength())
        return;
    mxDisplayText = xText;
    mxFieldDisplay.SetWindowText(mxDisplayText);
}

void T856Editor::qvShowSubfield(const TSubfieldNode* pxNode)
{
    int iOffset = 0;
    qvRefreshDisplay(pxNode, &iOffset);
    if (pxNode == nullptr)
        return;
    mxFieldDisplay.SetSel(iOffset, iOffset + static_cast<int>(pxNode->mxData.qdwGetDataSize()) + 2);
}

void T856Editor::qvShowIndicator(int iIndicator)
{
    qvRefreshDisplay(nullptr, nullptr);
    mxFieldDisplay.SetSel(iIndicator - 1, iIndicator);
}

void T856Editor::qvShowNodeText(int nEditId, const TSubfieldNode* pxNode)
{
    const bool tWasShowing = mtShowing;
    mtShowing = true;
    SetDlgItemText(nEditId, pxNode != nullptr ? CString::FromBytes(qxNodeBytes(pxNode)) : CString());
    mtShowing = tWasShowing;
}

void T856Editor::qvUpdateStepButtons(const TSubfieldNode* pxNode)
{
    const char cCode = pxNode->mcCode;
    qvEnable(IDC_856_NEXT, mxField.qpxFindSubfield(cCode, pxNode, false) != nullptr);
    qvEnable(IDC_856_PREVIOUS, mxField.qpxFindSubfield(cCode, pxNode, true) != nullptr);
}

void T856Editor::qvClearRepeatable()
{
    mpxCurrentRepeatable = nullptr;
    qvEnable(IDC_856_REPEATABLE_REMOVE, false);
    qvEnable(IDC_856_REPEATABLE_TEXT, false);
    qvEnable(IDC_856_NEXT, false);
    qvEnable(IDC_856_PREVIOUS, false);
    qvEnable(IDC_856_REPEATABLE_NEW, true);
    qvShowNodeText(IDC_856_REPEATABLE_TEXT, nullptr);
}

// Rule A. With no row selected (an indicator the list does not offer) the
// field keeps its indicator.
void T856Editor::OnFirstIndicatorChanged()
{
    const char* pacCode = qpacSelectedCode(mxFirstIndicatorList);
    if (pacCode == nullptr)
    {
        qvEnable(IDC_856_ACCESS_METHOD, mxField.qcGetIndicator(1) == '7');
        qvShowIndicator(1);
        return;
    }
    const char cIndicator = pacCode[0];
    char cTarget = '2';
    if (cIndicator == '7')
        qvEnable(IDC_856_ACCESS_METHOD, true);
    else
    {
        cTarget = cIndicator == '3' ? 'b' : 'u';
        TSubfieldNode* pxMethod = mxField.qpxFindSubfield('2', nullptr, false);
        const bool tAsk = pxMethod != nullptr && mxAccessMethodList.IsWindowEnabled() &&
                          mxNonRepeatableList.GetCurSel() >= 0;
        bool tKeep = false;
        if (tAsk && qtHasData(pxMethod))
        {
            CString xQuestion;
            xQuestion.LoadString(IDS_856_ASK_KEEP_ACCESS_METHOD);
            tKeep = MessageBox(xQuestion, nullptr, MB_YESNO) == IDYES;
        }
        if (tAsk && !tKeep)
        {
            mxAccessMethodList.SetCurSel(0);
            const char* pacShown = qpacSelectedCode(mxNonRepeatableList);
            if (pacShown != nullptr && pacShown[0] == '2')
            {
                SetDlgItemText(IDC_856_NONREPEATABLE_TEXT, CString());
                mpxCurrentNonRepeatable = nullptr;
            }
            mxField.qtRemoveSubfield(pxMethod);
        }
        qvEnable(IDC_856_ACCESS_METHOD, false);
    }
    qvSelectSubfieldCode(cTarget, false);
    mxField.qvSetIndicator(1, cIndicator);
    qvSetListTip(mxFirstIndicatorList);
    qvShowIndicator(1);
}

// Rule B.
void T856Editor::OnSecondIndicatorChanged()
{
    if (const char* pacCode = qpacSelectedCode(mxSecondIndicatorList))
    {
        mxField.qvSetIndicator(2, pacCode[0]);
        qvSetListTip(mxSecondIndicatorList);
    }
    qvShowIndicator(2);
}

// Rule C.
void T856Editor::OnNonRepeatableCodeChanged()
{
    const char* pacCode = qpacSelectedCode(mxNonRepeatableList);
    if (pacCode == nullptr)
        return;
    TSubfieldNode* pxNode = mxField.qpxFindSubfield(pacCode[0], nullptr, false);
    if (pxNode == nullptr)
        pxNode = mxField.qpxAppendSubfield(pacCode[0]);
    qvEnable(IDC_856_NONREPEATABLE_REMOVE, qtHasData(pxNode));
    mpxCurrentNonRepeatable = pxNode;
    qvShowNodeText(IDC_856_NONREPEATABLE_TEXT, pxNode);
}

// Rule D.
void T856Editor::OnRepeatableCodeChanged()
{
    const char* pacCode = qpacSelectedCode(mxRepeatableList);
    if (pacCode == nullptr)
        return;
    const char cCode = pacCode[0];
    if (mpxCurrentRepeatable != nullptr && mpxCurrentRepeatable->mcCode == cCode)
        return;
    TSubfieldNode* pxNode = mxField.qpxFindSubfield(cCode, nullptr, false);
    if (pxNode != nullptr)
    {
        qvEnable(IDC_856_REPEATABLE_TEXT, true);
        if (qtHasData(pxNode))
            qvEnable(IDC_856_REPEATABLE_REMOVE, true);
        else
        {
            qvEnable(IDC_856_REPEATABLE_NEW, false);
            qvEnable(IDC_856_REPEATABLE_REMOVE, false);
        }
        mpxCurrentRepeatable = pxNode;
        qvShowNodeText(IDC_856_REPEATABLE_TEXT, pxNode);
        qvUpdateStepButtons(pxNode);
    }
    else
        qvClearRepeatable();
    qvSetListTip(mxRepeatableList);
}

// Rule E; while the list is filled at start-up it only shows.
void T856Editor::OnAccessMethodChanged()
{
    if (mtShowing)
        return;
    const char* pacName = qpacSelectedCode(mxAccessMethodList);
    if (pacName == nullptr)
        return;
    TSubfieldNode* pxMethod = mxField.qpxFindSubfield('2', nullptr, false);
    if (pxMethod == nullptr)
        pxMethod = mxField.qpxAppendSubfield('2');
    T856Field::qvSetSubfieldData(*pxMethod, pacName);
    qvSelectSubfieldCode('2', true);
    qvSetListTip(mxAccessMethodList);
}

// Rule F.
void T856Editor::OnNewRepeatable()
{
    const char* pacCode = qpacSelectedCode(mxRepeatableList);
    if (pacCode == nullptr)
        return;
    TSubfieldNode* pxNode = mxField.qpxAppendSubfield(pacCode[0]);
    mpxCurrentRepeatable = pxNode;
    qvShowNodeText(IDC_856_REPEATABLE_TEXT, pxNode);
    qvEnable(IDC_856_NEXT, false);
    qvEnable(IDC_856_REPEATABLE_TEXT, true);
    qvEnable(IDC_856_REPEATABLE_REMOVE, true);
    qvEnable(IDC_856_PREVIOUS, mxField.qpxFindSubfield(pxNode->mcCode, pxNode, true) != nullptr);
    // The cataloguer goes on typing after what the new subfield holds.
    if (CEdit* pBox = static_cast<CEdit*>(GetDlgItem(IDC_856_REPEATABLE_TEXT)))
    {
        pBox->SetFocus();
        pBox->SetSel(pBox->GetWindowTextLength(), pBox->GetWindowTextLength());
    }
}

// Rule G.
void T856Editor::OnNonRepeatableTextChanged()
{
    const char* pacCode = qpacSelectedCode(mxNonRepeatableList);
    if (pacCode == nullptr)
        return;
    CString xText;
    GetDlgItem(IDC_856_NONREPEATABLE_TEXT)->GetWindowText(xText);
    if (mpxCurrentNonRepeatable == nullptr)
        mpxCurrentNonRepeatable = mxField.qpxAppendSubfield(pacCode[0]);
    const std::string xBytes = xText.ToBytes();
    if (!mtShowing)
        T856Field::qvSetSubfieldData(*mpxCurrentNonRepeatable, xBytes);
    qvEnable(IDC_856_NONREPEATABLE_REMOVE, !xText.IsEmpty());
    if (pacCode[0] == '2')
    {
        if (xText.IsEmpty())
            mxAccessMethodList.SetCurSel(0);
        else
            qvSelectAccessMethod(xBytes.c_str());
    }
    qvSetListTip(mxNonRepeatableList);
    qvShowSubfield(mpxCurrentNonRepeatable);
}

// Rule H.
void T856Editor::OnRepeatableTextChanged()
{
    CString xText;
    GetDlgItem(IDC_856_REPEATABLE_TEXT)->GetWindowText(xText);
    if (!xText.IsEmpty())
    {
        qvEnable(IDC_856_REPEATABLE_NEW, true);
        qvEnable(IDC_856_REPEATABLE_REMOVE, true);
    }
    else
        qvEnable(IDC_856_REPEATABLE_REMOVE, false);
    if (mpxCurrentRepeatable != nullptr && !mtShowing)
        T856Field::qvSetSubfieldData(*mpxCurrentRepeatable, xText.ToBytes());
    qvShowSubfield(mpxCurrentRepeatable);
}

// Rule I.
void T856Editor::OnRemoveNonRepeatable()
{
    if (mpxCurrentNonRepeatable == nullptr)
        return;
    const char cCode = mpxCurrentNonRepeatable->mcCode;
    SetDlgItemText(IDC_856_NONREPEATABLE_TEXT, CString());
    mxField.qtRemoveSubfield(mpxCurrentNonRepeatable);
    mpxCurrentNonRepeatable = mxField.qpxAppendSubfield(cCode);
    qvEnable(IDC_856_NONREPEATABLE_REMOVE, false);
    qvShowSubfield(nullptr);
}

// Rule J.
void T856Editor::OnRemoveRepeatable()
{
    if (mpxCurrentRepeatable == nullptr)
        return;
    const char cCode = mpxCurrentRepeatable->mcCode;
    mxField.qtRemoveSubfield(mpxCurrentRepeatable);
    mpxCurrentRepeatable = nullptr;
    if (mxField.qpxFindSubfield(cCode, nullptr, false) == nullptr)
        qvClearRepeatable();
    else
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_856_REPEATABLE_CODE, CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(mxRepeatableList.m_hWnd));
}

void T856Editor::OnPrevious()
{
    OnStep(true);
}

void T856Editor::OnNext()
{
    OnStep(false);
}

// Rule K.
void T856Editor::OnStep(bool tBackwards)
{
    if (mpxCurrentRepeatable == nullptr)
        return;
    TSubfieldNode* pxNode = mxField.qpxFindSubfield(mpxCurrentRepeatable->mcCode, mpxCurrentRepeatable, tBackwards);
    if (pxNode == nullptr)
        return;
    qvEnable(IDC_856_REPEATABLE_REMOVE, qtHasData(pxNode));
    qvEnable(IDC_856_REPEATABLE_NEW, qtHasData(pxNode));
    mpxCurrentRepeatable = pxNode;
    qvShowNodeText(IDC_856_REPEATABLE_TEXT, pxNode);
    qvUpdateStepButtons(pxNode);
}

// Rule L.
void T856Editor::OnOK()
{
    mxField.qvRebuildField();
    TFieldEditorBase::OnOK();
}

// Rule M.
void T856Editor::OnCancelButton()
{
    OnCancel();
}

// Rule N: the close box asks first; Yes cancels as the dialog manager would.
void T856Editor::OnClose()
{
    CString xQuestion;
    xQuestion.LoadString(IDS_856_ASK_DISCARD_EDITS);
    if (MessageBox(xQuestion, nullptr, MB_YESNO) == IDYES)
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
