#include "base/TFixedFieldEditorBase.h"
#include "base/TDialogLayout.h"
#include "controls/TEditorEditControl.h"

#include <algorithm>
#include <cstring>

namespace
{
bool qtHasClass(HWND hWnd, const wchar_t* pwcClass)
{
    wchar_t awcClass[32] = {};
    ::GetClassNameW(hWnd, awcClass, static_cast<int>(sizeof(awcClass) / sizeof(awcClass[0])));
    return ::lstrcmpiW(awcClass, pwcClass) == 0;
}
}

BEGIN_MESSAGE_MAP(TFixedFieldEditorBase, TFieldEditorBase)
    ON_CONTROL_RANGE(BN_SETFOCUS, 0, 0xFFFF, OnControlSetFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, 0, 0xFFFF, OnControlSetFocus)
    ON_CONTROL_RANGE(CBN_SETFOCUS, 0, 0xFFFF, OnControlSetFocus)
    ON_CONTROL_RANGE(EN_CHANGE, 0, 0xFFFF, OnEditChange)
    ON_CONTROL_RANGE(CBN_SELENDOK, 0, 0xFFFF, OnListSelEndOk)
END_MESSAGE_MAP()

TFixedFieldEditorBase::TFixedFieldEditorBase(UINT nIDTemplate, const TMarcRecord& rxRecord, int iOccurrence,
                                             CWnd* pParentWnd, int nDisplayId, int nOkId)
    : TFieldEditorBase(nIDTemplate, rxRecord, iOccurrence, pParentWnd), mxTag(-1), mpxControls(nullptr),
      mnDisplayId(nDisplayId), mnOkId(nOkId)
{
    // A layout shows few of the template's controls: the others are never
    // created unless a layout asks for them.
    DeferHiddenControls();
}

TFixedFieldEditorBase::~TFixedFieldEditorBase() = default;

void TFixedFieldEditorBase::DoDataExchange(CDataExchange* pDX)
{
    TFieldEditorBase::DoDataExchange(pDX);
    DDX_Control(pDX, mnDisplayId, mxFieldDisplay);
}

void TFixedFieldEditorBase::OnControlSetFocus(UINT nId)
{
    qvShowFieldPosition(static_cast<int>(nId));
}

void TFixedFieldEditorBase::OnEditChange(UINT nId)
{
    // The box's text at setup, after its style may have changed it (a
    // lowercase box lowers capitals), is no change: the field keeps its bytes.
    if (qtIsSettingUpEdit(::GetDlgItem(m_hWnd, static_cast<int>(nId))))
        return;
    qvOnEditChanged(static_cast<int>(nId));
}

void TFixedFieldEditorBase::OnListSelEndOk(UINT nId)
{
    qvOnCodeSelected(static_cast<int>(nId));
}

void TFixedFieldEditorBase::qvMarkEditablePositions(const TPositionRange* pxUndefined)
{
    const int iLength =
        std::min(static_cast<int>(mxTag.qdwGetDataSize()), static_cast<int>(TStaticFieldDisplay::kMaxPositions));
    mxFieldDisplay.qvSetFieldLength(iLength);
    mxFieldDisplay.qvSetFieldData(qxGetFieldText());
    mxFieldDisplay.qvSetInactivePositions(0, iLength - 1, false);
    for (const TPositionRange* pxRange = pxUndefined; pxRange != nullptr && (pxRange->first != 0 || pxRange->last != 0);
         ++pxRange)
        mxFieldDisplay.qvSetInactivePositions(pxRange->first, pxRange->last, true);
}

void TFixedFieldEditorBase::qvBuildLayout(const TFieldLayout& rxLayout, const std::string& rxField)
{
    // A control the template deferred is created here where the layout puts
    // it (on its anchor), visible when the layout shows it, and a control of
    // the control table right after the one before it in the table: what
    // follows then finds it in place, and moves, shows and orders again only
    // a control an earlier layout left elsewhere. Labels and the controls
    // only moved first, so that no later creation comes between two
    // controls of the table.
    const auto qtPlace = [&](int nId, POINT* pxAt) {
        for (const TControlMove* pxMove = rxLayout.moves; pxMove->controlId != 0; ++pxMove)
        {
            CRect xAnchor;
            if (pxMove->controlId == nId && GetDlgItemRect(pxMove->anchorId, &xAnchor))
            {
                *pxAt = xAnchor.TopLeft();
                return true;
            }
        }
        return false;
    };
    const auto qvCreate = [&](int nId, bool tShow, HWND hAfter) {
        POINT xAt;
        const bool tPlaced = qtPlace(nId, &xAt);
        return GetOrCreateDlgItem(nId, tPlaced ? &xAt : nullptr, tShow, hAfter);
    };
    for (const TLayoutLabel* pxLabel = rxLayout.labels; pxLabel->labelId != 0; ++pxLabel)
        qvCreate(pxLabel->labelId, true, nullptr);
    for (const TControlMove* pxMove = rxLayout.moves; pxMove->controlId != 0; ++pxMove)
        if (!qtLayoutShows(&rxLayout, pxMove->controlId))
            qvCreate(pxMove->controlId, false, nullptr);
    HWND hPrevious = nullptr;
    for (const TControlPosition* pxControl = rxLayout.controls; pxControl->controlId != 0; ++pxControl)
    {
        const bool tExisted = GetDlgItem(pxControl->controlId) != nullptr;
        CWnd xControl(qvCreate(pxControl->controlId, true, hPrevious));
        if (xControl.m_hWnd == nullptr)
            continue;
        // The control table is the Z order, and so the Tab order.
        if (tExisted && hPrevious != nullptr && xControl.GetWindow(GW_HWNDPREV) != hPrevious)
            xControl.SetWindowPos(CWnd::FromHandle(hPrevious), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        hPrevious = xControl.m_hWnd;
    }

    for (const TLayoutLabel* pxLabel = rxLayout.labels; pxLabel->labelId != 0; ++pxLabel)
    {
        if (pxLabel->stringId == 0)
            continue;
        CString xText;
        xText.LoadString(pxLabel->stringId);
        SetDlgItemText(pxLabel->labelId, xText);
    }
    for (const TLayoutLabel* pxLabel = rxLayout.labels; pxLabel->labelId != 0; ++pxLabel)
        qvShowControl(pxLabel->labelId);
    for (const TControlPosition* pxControl = rxLayout.controls; pxControl->controlId != 0; ++pxControl)
        qvShowControl(pxControl->controlId);

    for (const TControlMove* pxMove = rxLayout.moves; pxMove->controlId != 0; ++pxMove)
        qvMoveControl(pxMove->controlId, pxMove->anchorId);

    const char* pacField = rxField.c_str();
    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
        qvFillCodeList(pxList->listId, pxList->codeList, pacField, pxList->position);
    for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
    {
        qvSetupFieldEdit(pxEdit->editId, pacField, pxEdit->position, pxEdit->length);
        CWnd* pEdit = GetDlgItem(pxEdit->editId);
        auto* pxEditControl =
            pEdit != nullptr ? dynamic_cast<TEditorEditControl*>(CWnd::FromHandlePermanent(pEdit->m_hWnd)) : nullptr;
        if (pxEditControl != nullptr && pxEdit->allowedChars != nullptr)
            pxEditControl->qvSetAllowedChars(pxEdit->allowedChars);
    }
}

void TFixedFieldEditorBase::qvShowFieldPosition(int nControlId)
{
    const TControlPosition* pxControl = qpxFindControl(nControlId);
    CWnd* pControl = GetDlgItem(nControlId);
    if (pxControl == nullptr || pControl == nullptr)
        return;
    mxFieldDisplay.qvSetFieldData(qxGetFieldText());
    int iFirst = pxControl->position;
    int iCount = 0;
    if (qtHasClass(pControl->m_hWnd, L"COMBOBOX"))
    {
        const char* pacFirstCode = static_cast<const char*>(CComboBox(pControl->m_hWnd).GetItemDataPtr(0));
        if (pacFirstCode == nullptr)
            return;
        iCount = static_cast<int>(::strnlen(pacFirstCode, sizeof(TCodeListEntry::code)));
    }
    else if (qtHasClass(pControl->m_hWnd, L"EDIT"))
        iCount = static_cast<int>(CEdit(pControl->m_hWnd).GetLimitText());
    else if (qtHasClass(pControl->m_hWnd, L"BUTTON"))
    {
        iFirst = -1;
        iCount = 1;
    }
    else
        return;
    mxFieldDisplay.qvSetHighlight(iFirst, iCount);
}

void TFixedFieldEditorBase::qvOnCodeSelected(int nListId)
{
    CComboBox xList = BorrowDlgItem<CComboBox>(nListId);
    if (xList.m_hWnd == nullptr)
        return;
    const int iSelected = xList.GetCurSel();
    if (iSelected < 0)
        return;
    qvShowSelectionTip(xList);
    const int iPosition = static_cast<int>(xList.GetWindowLongPtr(GWLP_USERDATA));
    const char* pacCode = static_cast<const char*>(xList.GetItemDataPtr(iSelected));
    if (pacCode == nullptr)
        return;
    qvWriteField(iPosition, std::string(pacCode, ::strnlen(pacCode, sizeof(TCodeListEntry::code))));
    qvShowFieldPosition(nListId);
}

void TFixedFieldEditorBase::qvOnEditChanged(int nEditId)
{
    const CEdit xEdit = BorrowDlgItem<CEdit>(nEditId);
    if (xEdit.m_hWnd == nullptr)
        return;
    const int iPosition = LOWORD(xEdit.GetWindowLongPtr(GWLP_USERDATA));
    const std::size_t dwLimit = xEdit.GetLimitText();
    // A box that no layout has set up yet still has the system's limit.
    if (dwLimit > static_cast<std::size_t>(TStaticFieldDisplay::kMaxPositions))
        return;
    CString xText;
    xEdit.GetWindowText(xText);
    std::string xChars = xText.ToBytes();
    xChars.resize(dwLimit, ' ');
    qvWriteField(iPosition, xChars);
    qvShowFieldPosition(nEditId);
}

uint32_t TFixedFieldEditorBase::qdwGetNextControlId(uint32_t dwControlId, bool tBackwards) const
{
    if (mpxControls == nullptr)
        return static_cast<uint32_t>(mnOkId);
    int iCount = 0;
    int iFound = -1;
    for (; mpxControls[iCount].controlId != 0; ++iCount)
        if (static_cast<uint32_t>(mpxControls[iCount].controlId) == dwControlId)
            iFound = iCount;
    if (iFound < 0)
        return static_cast<uint32_t>(mnOkId);
    const int iNext = tBackwards ? (iFound + iCount - 1) % iCount : (iFound + 1) % iCount;
    return static_cast<uint32_t>(mpxControls[iNext].controlId);
}

void TFixedFieldEditorBase::qvFocusControl(int nControlId)
{
    if (CWnd* pTarget = GetDlgItem(nControlId))
        GotoDlgCtrl(pTarget);
}

void TFixedFieldEditorBase::qvPlaceButtonsAndResize(int iButtonTop, int nCancelId, bool tAroundMiddle,
                                                    int nPointerListId)
{
    // OK and Cancel not created yet are created in their new place; the
    // dialog takes its new size (and place) in one move.
    const int iDeltaY = iButtonTop - qiGetControlTop(this, mnOkId);
    for (int nButtonId : {mnOkId, nCancelId})
    {
        CRect xButton;
        if (GetDlgItem(nButtonId) != nullptr || !GetDlgItemRect(nButtonId, &xButton))
            qvShiftControls(this, {nButtonId}, iDeltaY);
        else
        {
            const POINT xAt = {xButton.left, xButton.top + iDeltaY};
            GetOrCreateDlgItem(nButtonId, &xAt);
        }
    }
    if (iDeltaY != 0)
    {
        CRect xWindow;
        GetWindowRect(&xWindow);
        const int iHeight = xWindow.Height() + iDeltaY;
        const int iTop = tAroundMiddle ? qiTopOnScreen(m_hWnd, xWindow.top - iDeltaY / 2, iHeight) : xWindow.top;
        SetWindowPos(nullptr, xWindow.left, iTop, xWindow.Width(), iHeight,
                     SWP_NOZORDER | (tAroundMiddle ? 0 : SWP_NOMOVE));
    }
    constexpr int kPointerAboveListBottom = 8;
    CRect xList;
    POINT xPointer;
    if (nPointerListId != 0 && GetDlgItemRect(nPointerListId, &xList) && ::GetCursorPos(&xPointer))
    {
        ClientToScreen(&xList);
        ::SetCursorPos(xPointer.x, xList.bottom - kPointerAboveListBottom);
    }
}

void TFixedFieldEditorBase::qvFocusNextInTable(bool tBackwards)
{
    CWnd* pFocus = GetFocus();
    const uint32_t dwFocusId = pFocus != nullptr ? static_cast<uint32_t>(pFocus->GetDlgCtrlID()) : 0;
    qvFocusControl(static_cast<int>(qdwGetNextControlId(dwFocusId, tBackwards)));
}

int TFixedFieldEditorBase::qiControlAtPosition(int iPosition) const
{
    int nFound = 0;
    int iFoundPosition = -1;
    for (const TControlPosition* pxControl = mpxControls; pxControl != nullptr && pxControl->controlId != 0;
         ++pxControl)
        if (pxControl->position >= 0 && pxControl->position <= iPosition && pxControl->position > iFoundPosition)
        {
            nFound = pxControl->controlId;
            iFoundPosition = pxControl->position;
        }
    return nFound;
}

bool TFixedFieldEditorBase::qtLayoutShows(const TFieldLayout* pxLayout, int nControlId)
{
    if (pxLayout == nullptr)
        return false;
    for (const TLayoutLabel* pxLabel = pxLayout->labels; pxLabel->labelId != 0; ++pxLabel)
        if (pxLabel->labelId == nControlId)
            return true;
    for (const TControlPosition* pxControl = pxLayout->controls; pxControl->controlId != 0; ++pxControl)
        if (pxControl->controlId == nControlId)
            return true;
    return false;
}

void TFixedFieldEditorBase::qvHideUnlessShownBy(int nControlId, const TFieldLayout* pxLayout)
{
    CWnd* pControl = qtLayoutShows(pxLayout, nControlId) ? nullptr : GetDlgItem(nControlId);
    if (pControl != nullptr && (pControl->GetStyle() & WS_VISIBLE) != 0)
        pControl->ShowWindow(SW_HIDE);
}

void TFixedFieldEditorBase::qvShowControl(int nControlId)
{
    CWnd* pControl = GetDlgItem(nControlId);
    if (pControl != nullptr && (pControl->GetStyle() & WS_VISIBLE) == 0)
        pControl->ShowWindow(SW_SHOW);
}

const TControlPosition* TFixedFieldEditorBase::qpxFindControl(int nControlId) const
{
    if (mpxControls == nullptr)
        return nullptr;
    for (const TControlPosition* pxControl = mpxControls; pxControl->controlId != 0; ++pxControl)
        if (pxControl->controlId == nControlId)
            return pxControl;
    return nullptr;
}

void TFixedFieldEditorBase::qvWriteField(int iPosition, const std::string& rxChars)
{
    std::string xField = qxGetField();
    if (iPosition < 0 || static_cast<std::size_t>(iPosition) + rxChars.size() > xField.size())
        return;
    xField.replace(static_cast<std::size_t>(iPosition), rxChars.size(), rxChars);
    mxTag.qvSetData(xField.c_str(), false);
}

std::string TFixedFieldEditorBase::qxGetField() const
{
    const char* pacData = mxTag.qpacGetData();
    return pacData != nullptr ? std::string(pacData, mxTag.qdwGetDataSize()) : std::string();
}

CString TFixedFieldEditorBase::qxGetFieldText() const
{
    const std::wstring xText = qrxGetCharacterSet().qxDecodeByPosition(qxGetField());
    return CString(xText.c_str(), static_cast<int>(xText.size()));
}
