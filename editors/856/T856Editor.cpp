#include "editors/856/T856Editor.h"
#include "core/T856CodeLists.h"
#include "resources/856EditorIds.h"
#include "resources/resource.h"

#include <cstring>
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
    ON_BN_CLICKED(IDC_856_CANCEL, OnCancel)
    ON_BN_CLICKED(IDC_856_NONREPEATABLE_REMOVE, OnRemoveNonRepeatableClicked)
    ON_BN_CLICKED(IDC_856_REPEATABLE_REMOVE, OnRemoveRepeatableClicked)
    ON_BN_CLICKED(IDC_856_REPEATABLE_NEW, OnNewRepeatableClicked)
    ON_BN_CLICKED(IDC_856_NEXT, OnNextClicked)
    ON_BN_CLICKED(IDC_856_PREVIOUS, OnPreviousClicked)
    // A real list sends CBN_SELCHANGE for each row the arrow keys reach (not
    // for one the program selects): the 856 follows the keys; its own choices call the handlers.
    ON_CBN_SELCHANGE(IDC_856_FIRST_INDICATOR, OnFirstIndicatorSelChange)
    ON_CBN_SELCHANGE(IDC_856_ACCESS_METHOD, OnAccessMethodSelChange)
    ON_CBN_SELCHANGE(IDC_856_SECOND_INDICATOR, OnSecondIndicatorSelChange)
    ON_CBN_SELCHANGE(IDC_856_NONREPEATABLE_CODE, OnNonRepeatableCodeSelChange)
    ON_CBN_SELCHANGE(IDC_856_REPEATABLE_CODE, OnRepeatableCodeSelChange)
    ON_EN_CHANGE(IDC_856_NONREPEATABLE_TEXT, OnNonRepeatableTextChange)
    ON_EN_CHANGE(IDC_856_REPEATABLE_TEXT, OnRepeatableTextChange)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

T856Editor::T856Editor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParentWnd)
    : TFieldEditorBase(IDD_856_EDITOR, rxRecord, iOccurrence, pParentWnd), mxField(qxFindField(rxRecord, iOccurrence)),
      mpxCurrentNonRepeatable(nullptr), mpxCurrentRepeatable(nullptr), mtShowing(false)
{}

T856Editor::~T856Editor() = default;

TMarcTag T856Editor::qxFindField(const TMarcRecord& rxRecord, int iOccurrence)
{
    TMarcTag xField(856);
    if (iOccurrence != 0)
        rxRecord.qtFindTag(856, xField, iOccurrence);
    return xField;
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
    if (meMarcType == eAuthority)
        qvEnable(IDC_856_SECOND_INDICATOR, false);

    qvFillCodeList(IDC_856_NONREPEATABLE_CODE, k856NonRepeatableCodes_static, "h", 0);
    qvFillCodeList(IDC_856_REPEATABLE_CODE, k856RepeatableCodes_static, "a", 0);

    mxFieldDisplay.SetSel(-1, 0);
    return TRUE;
}

void T856Editor::qvOnCodeListFilled(int nComboId)
{
    switch (nComboId)
    {
    case IDC_856_FIRST_INDICATOR:
        OnFirstIndicatorSelChange();
        break;
    case IDC_856_ACCESS_METHOD:
        OnAccessMethodSelChange();
        break;
    case IDC_856_SECOND_INDICATOR:
        OnSecondIndicatorSelChange();
        break;
    case IDC_856_NONREPEATABLE_CODE:
        OnNonRepeatableCodeSelChange();
        break;
    case IDC_856_REPEATABLE_CODE:
        OnRepeatableCodeSelChange();
        break;
    default:
        break;
    }
}

const char* T856Editor::qpacSelectedCode(const CComboBox& rxList)
{
    const int iRow = rxList.GetCurSel();
    if (iRow < 0)
        return nullptr;
    return static_cast<const char*>(rxList.GetItemDataPtr(iRow));
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
        const char* pacCode = static_cast<const char*>(rxList.GetItemDataPtr(iRow));
        if (pacCode == nullptr || pacCode[0] != cCode)
            continue;
        if (rxList.GetCurSel() == iRow && !tForce)
            return;
        rxList.SetCurSel(iRow);
        if (eKind == eRepeatableSubfield)
            OnRepeatableCodeSelChange();
        else
            OnNonRepeatableCodeSelChange();
        return;
    }
}

void T856Editor::qvSelectAccessMethod(const char* pacText)
{
    int iSelected = 0;
    if (pacText != nullptr && mxAccessMethodList.GetCount() >= 2)
        for (int iRow = 1; iRow < mxAccessMethodList.GetCount(); ++iRow)
        {
            const char* pacName = static_cast<const char*>(mxAccessMethodList.GetItemDataPtr(iRow));
            if (pacName != nullptr && std::strcmp(pacName, pacText) == 0)
            {
                iSelected = iRow;
                break;
            }
        }
    mxAccessMethodList.SetCurSel(iSelected);
}

void T856Editor::qvRefreshDisplay(const TSubfieldNode* pxLocate, int* piOffset, int* piLength)
{
    std::wstring xShown = mxField.qxGetDisplayText(qrxGetCharacterSet(), pxLocate, piOffset, piLength);
    for (wchar_t& wc : xShown)
        if (wc == static_cast<wchar_t>(static_cast<unsigned char>(TMarcTag::mcDelimiter)))
            wc = kShownDelimiter;
    const CString xText(xShown.c_str(), static_cast<int>(xShown.size()));
    if (xText == mxDisplayText && mxFieldDisplay.GetWindowTextLength() == xText.GetLength())
        return;
    mxDisplayText = xText;
    mxFieldDisplay.SetWindowText(mxDisplayText);
}

void T856Editor::qvShowSubfield(const TSubfieldNode* pxNode)
{
    int iOffset = 0, iLength = 0;
    qvRefreshDisplay(pxNode, &iOffset, &iLength);
    if (pxNode == nullptr)
        return;
    mxFieldDisplay.SetSel(iOffset, iOffset + iLength);
}

void T856Editor::qvShowIndicator(int iIndicator)
{
    qvRefreshDisplay(nullptr, nullptr, nullptr);
    mxFieldDisplay.SetSel(iIndicator - 1, iIndicator);
}

void T856Editor::qvShowNodeText(int nEditId, const TSubfieldNode* pxNode)
{
    const bool tWasShowing = mtShowing;
    mtShowing = true;
    const std::wstring xText = pxNode != nullptr ? T856Field::qxGetSubfieldText(*pxNode, qrxGetCharacterSet()) : L"";
    SetDlgItemText(nEditId, CString(xText.c_str(), static_cast<int>(xText.size())));
    mtShowing = tWasShowing;
}

bool T856Editor::qtWriteBoxText(int nEditId, TSubfieldNode& rxNode)
{
    CString xText;
    GetDlgItemText(nEditId, xText);
    const std::wstring& rxText = xText.str();
    std::size_t nFailedAt = 0;
    if (T856Field::qtSetSubfieldText(rxNode, rxText, qrxGetCharacterSet(), nFailedAt))
        return true;
    // A character typed as a surrogate pair comes one half at a time: the first
    // half at the end waits for the second, the subfield keeping what it held.
    const wchar_t wcFailed = rxText[nFailedAt];
    if (nFailedAt + 1 == rxText.size() && wcFailed >= 0xD800 && wcFailed < 0xDC00)
        return false;
    CString xMessage;
    AfxFormatString2(xMessage, IDS_856_CANNOT_WRITE_CHARACTER,
                     TCharacterSet::qxNameCharacter(rxText, nFailedAt).c_str(), qrxGetCharacterSet().qpwcGetName());
    qvShowNodeText(nEditId, &rxNode);
    CEdit xBox = BorrowDlgItem<CEdit>(nEditId);
    if (xBox.m_hWnd != nullptr)
        xBox.SetSel(static_cast<int>(nFailedAt), static_cast<int>(nFailedAt));
    MessageBox(xMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
    return false;
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

// The first indicator chosen: 7 enables the access-method list and goes to
// $2; any other disables it, goes to $b (3) or $u, and takes $2 out of the
// field unless the cataloguer, asked, keeps a $2 that holds data. With no row
// selected (an indicator the list does not offer) the field keeps its
// indicator.
void T856Editor::OnFirstIndicatorSelChange()
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
        const bool tAsk =
            pxMethod != nullptr && mxAccessMethodList.IsWindowEnabled() && mxNonRepeatableList.GetCurSel() >= 0;
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
    qvShowSelectionTip(mxFirstIndicatorList);
    qvShowIndicator(1);
}

// The second indicator chosen is written into the field.
void T856Editor::OnSecondIndicatorSelChange()
{
    if (const char* pacCode = qpacSelectedCode(mxSecondIndicatorList))
    {
        mxField.qvSetIndicator(2, pacCode[0]);
        qvShowSelectionTip(mxSecondIndicatorList);
    }
    qvShowIndicator(2);
}

// A non-repeatable code chosen: its subfield (appended empty when the field
// has none) is shown in the box below the list.
void T856Editor::OnNonRepeatableCodeSelChange()
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

// A repeatable code chosen: its first occurrence is shown, with Previous and
// Next for the others; without one the box is cleared and only New is enabled.
void T856Editor::OnRepeatableCodeSelChange()
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
    qvShowSelectionTip(mxRepeatableList);
}

// An access method chosen is written into $2 (appended when absent) and $2
// is shown; while the list is filled at start-up it only shows.
void T856Editor::OnAccessMethodSelChange()
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
    qvShowSelectionTip(mxAccessMethodList);
}

// New: appends an occurrence of the chosen repeatable code and puts the
// cursor at the end of its box.
void T856Editor::OnNewRepeatableClicked()
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
    CEdit xBox = BorrowDlgItem<CEdit>(IDC_856_REPEATABLE_TEXT);
    if (xBox.m_hWnd != nullptr)
    {
        xBox.SetFocus();
        xBox.SetSel(xBox.GetWindowTextLength(), xBox.GetWindowTextLength());
    }
}

// Typing in the non-repeatable box writes the subfield (not while the dialog
// shows one); for $2 the access-method list follows the text.
void T856Editor::OnNonRepeatableTextChange()
{
    const char* pacCode = qpacSelectedCode(mxNonRepeatableList);
    if (pacCode == nullptr)
        return;
    if (mpxCurrentNonRepeatable == nullptr)
        mpxCurrentNonRepeatable = mxField.qpxAppendSubfield(pacCode[0]);
    // A refused character: the box shows the subfield again, which came here.
    if (!mtShowing && !qtWriteBoxText(IDC_856_NONREPEATABLE_TEXT, *mpxCurrentNonRepeatable))
        return;
    CString xText;
    GetDlgItemText(IDC_856_NONREPEATABLE_TEXT, xText);
    qvEnable(IDC_856_NONREPEATABLE_REMOVE, !xText.IsEmpty());
    if (pacCode[0] == '2')
    {
        if (xText.IsEmpty())
            mxAccessMethodList.SetCurSel(0);
        else
            qvSelectAccessMethod(qxNodeBytes(mpxCurrentNonRepeatable).c_str());
    }
    qvShowSelectionTip(mxNonRepeatableList);
    qvShowSubfield(mpxCurrentNonRepeatable);
}

// Typing in the repeatable box writes the occurrence shown (not while the
// dialog shows one); a box with text enables New and Remove.
void T856Editor::OnRepeatableTextChange()
{
    CString xText;
    GetDlgItemText(IDC_856_REPEATABLE_TEXT, xText);
    if (!xText.IsEmpty())
    {
        qvEnable(IDC_856_REPEATABLE_NEW, true);
        qvEnable(IDC_856_REPEATABLE_REMOVE, true);
    }
    else
        qvEnable(IDC_856_REPEATABLE_REMOVE, false);
    if (mpxCurrentRepeatable != nullptr && !mtShowing &&
        !qtWriteBoxText(IDC_856_REPEATABLE_TEXT, *mpxCurrentRepeatable))
        return;
    qvShowSubfield(mpxCurrentRepeatable);
}

// Remove beside the non-repeatable box: the subfield is emptied (taken out
// and appended again empty).
void T856Editor::OnRemoveNonRepeatableClicked()
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

// Remove beside the repeatable box: the occurrence shown goes, and the first
// one left of that code is shown.
void T856Editor::OnRemoveRepeatableClicked()
{
    if (mpxCurrentRepeatable == nullptr)
        return;
    const char cCode = mpxCurrentRepeatable->mcCode;
    mxField.qtRemoveSubfield(mpxCurrentRepeatable);
    mpxCurrentRepeatable = nullptr;
    if (mxField.qpxFindSubfield(cCode, nullptr, false) == nullptr)
        qvClearRepeatable();
    else
        OnRepeatableCodeSelChange();
}

void T856Editor::OnPreviousClicked()
{
    qvStep(true);
}

void T856Editor::OnNextClicked()
{
    qvStep(false);
}

void T856Editor::qvStep(bool tBackwards)
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

// OK joins the subfields back into the field.
void T856Editor::OnOK()
{
    mxField.qvRebuildField();
    TFieldEditorBase::OnOK();
}

// The close box asks first; Yes cancels.
void T856Editor::OnClose()
{
    CString xQuestion;
    xQuestion.LoadString(IDS_856_ASK_DISCARD_EDITS);
    if (MessageBox(xQuestion, nullptr, MB_YESNO) == IDYES)
        OnCancel();
}

int T856Editor::qiControlAtPosition(int iPosition) const
{
    return iPosition == 1 ? IDC_856_FIRST_INDICATOR : iPosition == 2 ? IDC_856_SECOND_INDICATOR : 0;
}
