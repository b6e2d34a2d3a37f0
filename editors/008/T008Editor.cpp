#include "editors/008/T008Editor.h"
#include "base/TDllResourceMgr.h"
#include "editors/008/TGeneric008.h"
#include "recordlib/TException.h"
#include "resources/008EditorIds.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr int kFieldLength = 40;
constexpr int kDateEnteredLength = 6;
// Kinds of TEditorEditControl: 1 starts with the digits as its set.
constexpr int kAnyChars = 0;
constexpr int kDigitsOnly = 1;

// Each field byte becomes one character, so display positions stay field positions.
CString qxWiden(const std::string& rxField)
{
    std::wstring xWide(rxField.size(), L' ');
    std::transform(rxField.begin(), rxField.end(), xWide.begin(),
                   [](char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); });
    return CString(xWide.c_str(), static_cast<int>(xWide.size()));
}

// A character that does not fit in one byte, and NUL, which would end the
// field, are written as blanks.
char qcNarrow(wchar_t wc)
{
    return (wc == L'\0' || wc > 0xFF) ? ' ' : static_cast<char>(static_cast<unsigned char>(wc));
}

bool qtHasClass(HWND hWnd, const wchar_t* pwcClass)
{
    wchar_t awcClass[32] = {};
    ::GetClassNameW(hWnd, awcClass, static_cast<int>(sizeof(awcClass) / sizeof(awcClass[0])));
    return ::lstrcmpiW(awcClass, pwcClass) == 0;
}
}

const T008Editor::TEditBox T008Editor::kEditBoxes_static[kEditBoxCount] = {
    {IDC_008_DATE_ENTERED, kDigitsOnly},
    {IDC_008_HLD_CANCEL_DATE, kDigitsOnly},
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

BEGIN_MESSAGE_MAP(T008Editor, TFieldEditorBase)
    ON_COMMAND_RANGE(ID_008_NEXT_CONTROL, ID_008_PREVIOUS_CONTROL, qvMoveFocus)
    ON_COMMAND(IDC_008_OK, OnOK)
    ON_COMMAND(IDC_008_CANCEL, OnCancel)
    ON_MESSAGE(WM_EDITBOXFULL, qvFocusNextTabItem)
END_MESSAGE_MAP()

T008Editor::T008Editor(const TMarcRecord& rxRecord, CWnd* pParentWnd)
    : T008Editor(rxRecord, pParentWnd, std::make_index_sequence<kEditBoxCount>{})
{
}

template <std::size_t... I>
T008Editor::T008Editor(const TMarcRecord& rxRecord, CWnd* pParentWnd, std::index_sequence<I...>)
    : TFieldEditorBase(IDD_008_EDITOR, pParentWnd),
      mxEditControls{TEditorEditControl(kEditBoxes_static[I].kind)...},
      mxTag(-1),
      mxLeader(rxRecord.qrxGetLeader()),
      mxRecord(rxRecord),
      meMarcType(mxLeader.qeGetType()),
      meMaterialType(qeGetMaterialType(mxLeader)),
      mpxLayout(qpxGet008Layout(meMarcType, meMaterialType))
{
}

T008Editor::~T008Editor() = default;

INT_PTR T008Editor::DoModal()
{
    TDllResourceMgr resources;
    return CDialog::DoModal();
}

void T008Editor::qvGetEditedRecord(TMarcRecord& rxRecord)
{
    if (!mxRecord.qtReplaceTag(mxTag, 1))
        mxRecord.qvOrderedInsert(mxTag);
    rxRecord = mxRecord;
}

void T008Editor::DoDataExchange(CDataExchange* pDX)
{
    TFieldEditorBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_008_FIELD_DISPLAY, mxFieldDisplay);
    for (std::size_t i = 0; i < kEditBoxCount; ++i)
        DDX_Control(pDX, kEditBoxes_static[i].editId, mxEditControls[i]);
}

BOOL T008Editor::OnInitDialog()
{
    TFieldEditorBase::OnInitDialog();
    if (!mxRecord.qtFindTag(8, mxTag, 1))
    {
        if (!qtAddGeneric008(mxRecord, false))
            throw TException(L"T008Editor::OnInitDialog() : Unable to add 008 to marc record", eErrorRecoverable, -1);
        if (!mxRecord.qtFindTag(8, mxTag, 1))
            throw TException(L"T008Editor::OnInitDialog() : Unable to get 008 from marc record", eErrorRecoverable, -1);
    }
    qvPadField();
    mxLayoutField = qxGetField();
    qvMarkEditablePositions();
    qvSetTitle();
    qvShowLayout();
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

void T008Editor::qvMarkEditablePositions()
{
    const int iLength =
        std::min(static_cast<int>(mxTag.qdwGetDataSize()), static_cast<int>(TStaticFieldDisplay::kMaxPositions));
    mxFieldDisplay.qvSetFieldLength(iLength);
    mxFieldDisplay.qvSetFieldData(qxWiden(qxGetField()));
    mxFieldDisplay.qvSetInactivePositions(0, iLength - 1, false);
    if (mpxLayout == nullptr)
        return;
    for (const T008Range* pxRange = mpxLayout->undefined; pxRange->first != 0 || pxRange->last != 0; ++pxRange)
        mxFieldDisplay.qvSetInactivePositions(pxRange->first, pxRange->last, true);
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
    for (const T008Label* pxLabel = mpxLayout->labels; pxLabel->labelId != 0; ++pxLabel)
    {
        if (pxLabel->stringId == 0)
            continue;
        CString xText;
        xText.LoadString(pxLabel->stringId);
        SetDlgItemText(pxLabel->labelId, xText);
    }
    for (int nLabelId : {IDC_008_FIELD_CAPTION, IDC_008_DATE_ENTERED_LABEL})
        if (CWnd* pLabel = GetDlgItem(nLabelId))
            pLabel->ShowWindow(SW_SHOW);
    for (const T008Label* pxLabel = mpxLayout->labels; pxLabel->labelId != 0; ++pxLabel)
        if (CWnd* pLabel = GetDlgItem(pxLabel->labelId))
            pLabel->ShowWindow(SW_SHOW);

    // The control table is the Z order, and so the Tab order.
    HWND hPrevious = nullptr;
    for (const T008ControlPosition* pxControl = mpxLayout->controls; pxControl->controlId != 0; ++pxControl)
    {
        CWnd* pControl = GetDlgItem(pxControl->controlId);
        if (pControl == nullptr)
            continue;
        pControl->ShowWindow(SW_SHOW);
        if (hPrevious != nullptr)
            pControl->SetWindowPos(CWnd::FromHandle(hPrevious), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        hPrevious = pControl->m_hWnd;
    }

    for (const T008Move* pxMove = mpxLayout->moves; pxMove->controlId != 0; ++pxMove)
        qvMoveControl(pxMove->controlId, pxMove->anchorId);

    const char* pacField = mxLayoutField.c_str();
    for (const T008List* pxList = mpxLayout->lists; pxList->listId != 0; ++pxList)
        qvFillCodeList(pxList->listId, pxList->codeList, pacField, pxList->position);
    for (const T008Edit* pxEdit = mpxLayout->edits; pxEdit->editId != 0; ++pxEdit)
    {
        qvSetupFieldEdit(pxEdit->editId, pacField, pxEdit->position, pxEdit->length);
        TEditorEditControl* pxEditControl = qpxGetEditControl(pxEdit->editId);
        if (pxEditControl != nullptr && pxEdit->allowedChars != nullptr)
            pxEditControl->qvSetAllowedChars(pxEdit->allowedChars);
    }

    qvResizeToRows(mpxLayout->rowCount);

    if (meMarcType == eAuthority && mxRecord.qdwGetAuxData1() != 0)
        if (CWnd* pSubjectSystem = GetDlgItem(IDC_008_AUT_SUBJECT_SYSTEM))
            pSubjectSystem->EnableWindow(FALSE);
}

void T008Editor::qvResizeToRows(int iRows)
{
    CWnd* pDateLabel = GetDlgItem(IDC_008_DATE_ENTERED_LABEL);
    CWnd* pFirstRow = GetDlgItem(IDC_008_CELL_L1_LABEL);
    CWnd* pSecondRow = GetDlgItem(IDC_008_CELL_L2_LABEL);
    CWnd* pOk = GetDlgItem(IDC_008_OK);
    CWnd* pCancel = GetDlgItem(IDC_008_CANCEL);
    if (pDateLabel == nullptr || pFirstRow == nullptr || pSecondRow == nullptr || pOk == nullptr || pCancel == nullptr)
        return;
    const int iCaptionHeight = ::GetSystemMetrics(SM_CYCAPTION);
    const int iFrameHeight = ::GetSystemMetrics(SM_CYFIXEDFRAME);

    CRect xDateLabel;
    pDateLabel->GetWindowRect(&xDateLabel);
    ScreenToClient(&xDateLabel);
    CRect xFirstRow;
    CRect xSecondRow;
    pFirstRow->GetWindowRect(&xFirstRow);
    pSecondRow->GetWindowRect(&xSecondRow);
    const int iButtonTop = xDateLabel.top + (xSecondRow.top - xFirstRow.top) * iRows + iFrameHeight;

    CRect xClient;
    GetClientRect(&xClient);
    CRect xOk;
    pOk->GetWindowRect(&xOk);
    ScreenToClient(&xOk);
    const int iBelowButtons = xClient.bottom - xOk.top;
    for (CWnd* pButton : {pOk, pCancel})
    {
        CRect xButton;
        pButton->GetWindowRect(&xButton);
        ScreenToClient(&xButton);
        pButton->SetWindowPos(nullptr, xButton.left, iButtonTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    CRect xWindow;
    GetWindowRect(&xWindow);
    SetWindowPos(nullptr, 0, 0, xWindow.Width(), iButtonTop + iBelowButtons + iCaptionHeight + iFrameHeight,
                 SWP_NOMOVE | SWP_NOZORDER);
}

BOOL T008Editor::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nControlId = LOWORD(wParam);
    if (lParam != 0)
    {
        switch (HIWORD(wParam))
        {
        case BN_SETFOCUS:
        case EN_SETFOCUS:
        case CBN_SETFOCUS:
            qvShowFieldPosition(nControlId);
            break;
        case EN_CHANGE:
            qvOnEditChanged(nControlId);
            break;
        case CBN_SELENDOK:
            qvOnCodeSelected(nControlId);
            break;
        default:
            break;
        }
    }
    return TFieldEditorBase::OnCommand(wParam, lParam);
}

void T008Editor::qvShowFieldPosition(int nControlId)
{
    const T008ControlPosition* pxControl = qpxFindControl(nControlId);
    CWnd* pControl = GetDlgItem(nControlId);
    if (pxControl == nullptr || pControl == nullptr)
        return;
    mxFieldDisplay.qvSetFieldData(qxWiden(qxGetField()));
    int iFirst = pxControl->position;
    int iCount = 0;
    if (qtHasClass(pControl->m_hWnd, L"COMBOBOX"))
    {
        const LRESULT lFirstCode = pControl->SendMessage(CB_GETITEMDATA, 0);
        if (lFirstCode == CB_ERR || lFirstCode == 0)
            return;
        iCount = static_cast<int>(::strnlen(reinterpret_cast<const char*>(lFirstCode), sizeof(TCodeListEntry::code)));
    }
    else if (qtHasClass(pControl->m_hWnd, L"EDIT"))
        iCount = static_cast<int>(pControl->SendMessage(EM_GETLIMITTEXT));
    else if (qtHasClass(pControl->m_hWnd, L"BUTTON"))
    {
        iFirst = -1;
        iCount = 1;
    }
    else
        return;
    mxFieldDisplay.qvSetHighlight(iFirst, iCount);
}

void T008Editor::qvOnCodeSelected(int nListId)
{
    CWnd* pList = GetDlgItem(nListId);
    if (pList == nullptr)
        return;
    const int iSelected = static_cast<int>(pList->SendMessage(CB_GETCURSEL));
    if (iSelected < 0)
        return;
    const LRESULT lTextLength = pList->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(iSelected));
    if (lTextLength >= 0)
    {
        std::wstring xText(static_cast<std::size_t>(lTextLength) + 1, L'\0');
        pList->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(iSelected), reinterpret_cast<LPARAM>(&xText[0]));
        mxToolTipCtrl.qtAddWindowTip(pList, CString(xText.c_str(), static_cast<int>(lTextLength)));
    }
    const int iPosition = static_cast<int>(::GetWindowLongPtrW(pList->m_hWnd, GWLP_USERDATA));
    const LRESULT lCode = pList->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(iSelected));
    if (lCode == CB_ERR || lCode == 0)
        return;
    const char* pacCode = reinterpret_cast<const char*>(lCode);
    qvWriteField(iPosition, std::string(pacCode, ::strnlen(pacCode, sizeof(TCodeListEntry::code))));
    qvShowFieldPosition(nListId);
}

void T008Editor::qvOnEditChanged(int nEditId)
{
    CWnd* pEdit = GetDlgItem(nEditId);
    if (pEdit == nullptr)
        return;
    const int iPosition = LOWORD(::GetWindowLongPtrW(pEdit->m_hWnd, GWLP_USERDATA));
    const std::size_t dwLimit = static_cast<std::size_t>(pEdit->SendMessage(EM_GETLIMITTEXT));
    // A box that no layout has set up yet still has the system's limit.
    if (dwLimit > static_cast<std::size_t>(TStaticFieldDisplay::kMaxPositions))
        return;
    CString xText;
    pEdit->GetWindowText(xText);
    std::string xChars(dwLimit, ' ');
    const std::size_t dwTextLength = std::min(dwLimit, static_cast<std::size_t>(xText.GetLength()));
    for (std::size_t i = 0; i < dwTextLength; ++i)
        xChars[i] = qcNarrow(xText.GetString()[i]);
    qvWriteField(iPosition, xChars);
    qvShowFieldPosition(nEditId);
}

void T008Editor::qvMoveFocus(UINT nCommandId)
{
    CWnd* pFocus = GetFocus();
    const bool tBackwards = nCommandId == ID_008_PREVIOUS_CONTROL;
    CWnd* pTarget = nullptr;
    if (meMarcType == eBibliographic && meMaterialType != eBooks && meMaterialType != eMixedMaterials)
    {
        const uint32_t dwFocusId = pFocus != nullptr ? static_cast<uint32_t>(pFocus->GetDlgCtrlID()) : 0;
        pTarget = GetDlgItem(static_cast<int>(qdwGetNextControlId(dwFocusId, tBackwards)));
    }
    else
        pTarget = GetNextDlgTabItem(pFocus, tBackwards);
    if (pTarget != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pTarget->m_hWnd), TRUE);
}

uint32_t T008Editor::qdwGetNextControlId(uint32_t dwControlId, bool tBackwards) const
{
    if (mpxLayout == nullptr)
        return IDC_008_OK;
    const T008ControlPosition* pxTable = mpxLayout->controls;
    int iCount = 0;
    int iFound = -1;
    for (; pxTable[iCount].controlId != 0; ++iCount)
        if (static_cast<uint32_t>(pxTable[iCount].controlId) == dwControlId)
            iFound = iCount;
    if (iFound < 0)
        return IDC_008_OK;
    const int iNext = tBackwards ? (iFound + iCount - 1) % iCount : (iFound + 1) % iCount;
    return static_cast<uint32_t>(pxTable[iNext].controlId);
}

LRESULT T008Editor::qvFocusNextTabItem(WPARAM, LPARAM)
{
    if (CWnd* pNext = GetNextDlgTabItem(GetFocus(), FALSE))
        pNext->SetFocus();
    return 0;
}

const T008ControlPosition* T008Editor::qpxFindControl(int nControlId) const
{
    if (mpxLayout == nullptr)
        return nullptr;
    for (const T008ControlPosition* pxControl = mpxLayout->controls; pxControl->controlId != 0; ++pxControl)
        if (pxControl->controlId == nControlId)
            return pxControl;
    return nullptr;
}

TEditorEditControl* T008Editor::qpxGetEditControl(int nEditId)
{
    for (std::size_t i = 0; i < kEditBoxCount; ++i)
        if (kEditBoxes_static[i].editId == nEditId)
            return &mxEditControls[i];
    return nullptr;
}

void T008Editor::qvWriteField(int iPosition, const std::string& rxChars)
{
    std::string xField = qxGetField();
    if (iPosition < 0 || static_cast<std::size_t>(iPosition) + rxChars.size() > xField.size())
        return;
    xField.replace(static_cast<std::size_t>(iPosition), rxChars.size(), rxChars);
    mxTag.qvSetData(xField.c_str(), false);
}

std::string T008Editor::qxGetField() const
{
    const char* pacData = mxTag.qpacGetData();
    return pacData != nullptr ? std::string(pacData, mxTag.qdwGetDataSize()) : std::string();
}
