// TEditorEditControl: the edit box of a multi-character position. It lets
// through only the characters of its editor's set and, once full, overwrites the
// character at the caret instead of refusing the key. When typing fills the box
// it sends its parent WM_EDITBOXFULL so that the dialog can move on.
#pragma once

#include <cstdint>
#include "mfc/afxwin.h"

// Sent to the parent with wParam VK_TAB and lParam 0.
#define WM_EDITBOXFULL (WM_USER + 21)

class AFX_EXT_CLASS TEditorEditControl : public CEdit
{
public:
    // Room for the set and its terminating NUL.
    enum : int
    {
        kAllowedCharsSize = 260
    };

    TEditorEditControl();
    // Kinds 1, 10 and 11 start with the digits as their set.
    explicit TEditorEditControl(int iKind);
    ~TEditorEditControl() override;

    // Replaces the set; a longer one is cut to kAllowedCharsSize - 1 characters.
    void qvSetAllowedChars(const char* pacAllowedChars);
    void qvSetEditType(int iKind) { miKind = iKind; }
    const char* qpacGetAllowedChars() const { return macAllowedChars; }
    // Whether the low byte of nChar is in the set; never for an empty set.
    bool qtIsAllowedChar(UINT nChar) const;
    // Index of the character whose cell holds the caret; the text length when
    // the caret is after the last one.
    uint32_t qdwGetCaretIndex();

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void qvOverwriteAt(uint32_t dwIndex, wchar_t wcChar);

    int miKind;
    char macAllowedChars[kAllowedCharsSize];
};
