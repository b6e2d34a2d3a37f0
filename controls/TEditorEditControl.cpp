#include "controls/TEditorEditControl.h"

#include <cstring>

namespace
{
const char kDigits[] = "0123456789";
// Kinds whose boxes take digits before their editor gives a set.
const int kDigitKinds[] = {1, 10, 11};

// Codes below this pass the filter whatever the set (backspace, the clipboard keys).
constexpr UINT kFirstFilteredCode = 25;
constexpr UINT kBackspace = 8;
}

BEGIN_MESSAGE_MAP(TEditorEditControl, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEditorEditControl::TEditorEditControl() : TEditorEditControl(0) {}

TEditorEditControl::TEditorEditControl(int iKind) : miKind(iKind), macAllowedChars()
{
    for (int iDigitKind : kDigitKinds)
        if (iKind == iDigitKind)
            qvSetAllowedChars(kDigits);
}

TEditorEditControl::~TEditorEditControl() = default;

void TEditorEditControl::qvSetAllowedChars(const char* pacAllowedChars)
{
    macAllowedChars[0] = '\0';
    if (pacAllowedChars == nullptr)
        return;
    size_t n = 0;
    while (n < kAllowedCharsSize - 1 && pacAllowedChars[n] != '\0')
        ++n;
    std::memcpy(macAllowedChars, pacAllowedChars, n);
    macAllowedChars[n] = '\0';
}

bool TEditorEditControl::qtIsAllowedChar(UINT nChar) const
{
    const char c = static_cast<char>(nChar & 0xFF);
    return c != '\0' && std::strchr(macAllowedChars, c) != nullptr;
}

uint32_t TEditorEditControl::qdwGetCaretIndex()
{
    CClientDC dc(this);
    dc.SelectObject(GetFont());
    CString text;
    GetWindowText(text);
    POINT caret = {0, 0};
    ::GetCaretPos(&caret);

    int x = LOWORD(GetMargins());
    const int iLength = text.GetLength();
    for (int k = 0; k < iLength; ++k)
    {
        const int w = dc.GetTextExtent(text.GetString() + k, 1).cx;
        if (x <= caret.x && caret.x <= x + w)
            return static_cast<uint32_t>(k);
        x += w;
    }
    return static_cast<uint32_t>(iLength);
}

void TEditorEditControl::qvOverwriteAt(uint32_t dwIndex, wchar_t wcChar)
{
    const wchar_t awcText[2] = {wcChar, L'\0'};
    SetSel(static_cast<int>(dwIndex), static_cast<int>(dwIndex + 1), TRUE);
    ReplaceSel(awcText, FALSE);
    SetSel(-1, 0);
}

void TEditorEditControl::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar > 0xFF)
        return;
    CString text;
    GetWindowText(text);
    if (nChar >= kFirstFilteredCode && !qtIsAllowedChar(nChar))
        return;
    if (nChar == kBackspace)
    {
        Default();
        return;
    }

    const uint32_t dwLimit = GetLimitText();
    if (static_cast<uint32_t>(text.GetLength()) == dwLimit)
    {
        // In a full box the other control keys (copy, cut, paste, select all)
        // keep their own meaning instead of being typed over a character.
        if (nChar < kFirstFilteredCode)
        {
            Default();
            return;
        }
        const uint32_t dwIndex = qdwGetCaretIndex();
        if (dwIndex < dwLimit)
        {
            qvOverwriteAt(dwIndex, static_cast<wchar_t>(nChar));
            return;
        }
    }

    Default();
    GetWindowText(text);
    if (static_cast<uint32_t>(text.GetLength()) == GetLimitText())
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_EDITBOXFULL, VK_TAB);
}
