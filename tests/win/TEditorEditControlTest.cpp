// The filtered edit box on a real EDIT control: characters arrive as WM_CHAR,
// and a parent window of the test's own records what the box tells it.
#include "controls/TEditorEditControl.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
struct TParentLog
{
    int iBoxFull = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int iChanges = 0;
};
TParentLog g_xLog;

LRESULT CALLBACK qhParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_EDITBOXFULL)
    {
        ++g_xLog.iBoxFull;
        g_xLog.wParam = wParam;
        g_xLog.lParam = lParam;
        return 0;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        ++g_xLog.iChanges;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

const wchar_t kParentClass[] = L"OrvoEditBoxTestParent";

class EditorEditControl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = qhParentProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kParentClass;
        ::RegisterClassW(&wc);
        mhParent = ::CreateWindowExW(0, kParentClass, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100, nullptr,
                                     nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, mhParent);
        g_xLog = TParentLog();
    }

    void TearDown() override { ::DestroyWindow(mhParent); }

    // Puts rxBox on a new bordered EDIT (as a dialog template makes it) with
    // limit 4 and the given text, the caret at iCaret and the focus on it.
    void qvAttach(TEditorEditControl& rxBox, const wchar_t* pwcText, int iCaret)
    {
        HWND hEdit = ::CreateWindowExW(0, L"EDIT", pwcText, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10,
                                       150, 24, mhParent, reinterpret_cast<HMENU>(100), nullptr, nullptr);
        ASSERT_TRUE(rxBox.SubclassWindow(hEdit));
        rxBox.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        rxBox.LimitText(4);
        ::SetForegroundWindow(mhParent);
        rxBox.SetFocus();
        ASSERT_EQ(hEdit, ::GetFocus());
        rxBox.SetSel(iCaret, iCaret);
        g_xLog = TParentLog();
    }

    static std::wstring qxText(const TEditorEditControl& rxBox)
    {
        CString text;
        rxBox.GetWindowText(text);
        return text.str();
    }

    static void qvType(TEditorEditControl& rxBox, const std::wstring& rxKeys)
    {
        for (wchar_t wc : rxKeys)
            rxBox.SendMessage(WM_CHAR, wc, 1);
    }

    HWND mhParent = nullptr;
};
}

TEST_F(EditorEditControl, TypedCharactersAreFilteredAndAFullBoxOverwritesOrSignals)
{
    const struct
    {
        int iKind;              // 0: none given
        const char* pacAllowed; // null: not set
        const wchar_t* pwcText;
        int iCaret;
        const wchar_t* pwcTyped;
        const wchar_t* pwcAfter;
        int iChanges; // EN_CHANGE the parent saw; -1: not counted
        int iBoxFull; // times the parent was told that the box is full
    } cases[] = {
        {0, "0123456789", L"12", 2, L"a -3", L"123", 1, 0},
        // The character that fills the box tells the parent, once; at the end
        // of a full box a character of the set is refused but told again, one
        // not of the set is not.
        {0, "0123456789", L"12", 2, L"34", L"1234", 2, 1},
        {0, "0123456789", L"1234", 4, L"56a", L"1234", -1, 2},
        // Within a full box each character overwrites the one at the caret,
        // and the filter still holds.
        {0, "0123456789", L"1234", 1, L"98x7", L"1987", 3, 0},
        {0, "aB|", L"", 0, L"AabB|", L"aB|", 3, 0}, // case matters
        // Backspace and the clipboard keys pass whatever the set: copying in
        // a full box is not typed over a character.
        {0, nullptr, L"1234", 2, L"\b", L"134", 1, 0},
        {0, nullptr, L"1234", 1, L"\x03", L"1234", 0, 0},
        {10, nullptr, L"", 0, L"1a2", L"12", 2, 0}, // the kind gives the first set
        // Above the byte range nothing gets in, though U+0431 and U+0131 end
        // in the byte of '1'; within it a character is compared by its code.
        {0, "0123456789\xE9", L"", 0,
         L"\x0431\x0131\x03B1\xE9"
         L"1",
         L"\xE9"
         L"1",
         2, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.pwcText << " + " << c.pwcTyped);
        TEditorEditControl box(c.iKind);
        if (c.pacAllowed != nullptr)
            box.qvSetAllowedChars(c.pacAllowed);
        qvAttach(box, c.pwcText, c.iCaret);
        qvType(box, c.pwcTyped);
        EXPECT_EQ(c.pwcAfter, qxText(box));
        if (c.iChanges >= 0)
        {
            EXPECT_EQ(c.iChanges, g_xLog.iChanges);
        }
        EXPECT_EQ(c.iBoxFull, g_xLog.iBoxFull);
        if (c.iBoxFull > 0)
        {
            EXPECT_EQ(static_cast<WPARAM>(VK_TAB), g_xLog.wParam);
            EXPECT_EQ(0, g_xLog.lParam);
        }
        ::DestroyWindow(box.UnsubclassWindow());
    }
}

TEST_F(EditorEditControl, TheCaretIndexIsTheCharacterRightOfTheCaret)
{
    TEditorEditControl box;
    qvAttach(box, L"1234", 0);
    for (int k = 0; k <= 4; ++k)
    {
        box.SetSel(k, k);
        EXPECT_EQ(static_cast<uint32_t>(k), box.qdwGetCaretIndex()) << "caret before character " << k;
    }
    // On the boundary between two cells the left character is found.
    CClientDC dc(&box);
    dc.SelectObject(box.GetFont());
    const int iBoundary = LOWORD(box.GetMargins()) + dc.GetTextExtent(L"1", 1).cx;
    ::SetCaretPos(iBoundary, 2);
    EXPECT_EQ(0u, box.qdwGetCaretIndex());
    ::SetCaretPos(iBoundary + 1, 2);
    EXPECT_EQ(1u, box.qdwGetCaretIndex());
}

TEST_F(EditorEditControl, TheKindGivesTheFirstSetAndASetReplacesItWholeCutToItsRoom)
{
    for (int iKind : {1, 10, 11})
    {
        TEditorEditControl box(iKind);
        EXPECT_STREQ("0123456789", box.qpacGetAllowedChars());
    }
    TEditorEditControl box;
    box.qvSetAllowedChars("aB|");
    box.qvSetAllowedChars("x");
    EXPECT_FALSE(box.qtIsAllowedChar('a'));
    EXPECT_TRUE(box.qtIsAllowedChar('x'));

    std::string set(TEditorEditControl::kAllowedCharsSize - 1, 'x');
    set += "y";
    box.qvSetAllowedChars(set.c_str());
    EXPECT_TRUE(box.qtIsAllowedChar('x'));
    EXPECT_FALSE(box.qtIsAllowedChar('y'));
    box.qvSetAllowedChars(nullptr);
    EXPECT_FALSE(box.qtIsAllowedChar('x'));

    // No kind and no set: no printable character gets in.
    TEditorEditControl none;
    none.qvSetEditType(10);
    qvAttach(none, L"", 0);
    qvType(none, L" a1|~");
    EXPECT_EQ(L"", qxText(none));
    for (UINT c = 0; c < 256; ++c)
        EXPECT_FALSE(none.qtIsAllowedChar(c)) << c;
}
