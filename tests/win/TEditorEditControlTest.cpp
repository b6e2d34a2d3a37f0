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
        mhParent = ::CreateWindowExW(0, kParentClass, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100,
                                     nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, mhParent);
        g_xLog = TParentLog();
    }

    void TearDown() override { ::DestroyWindow(mhParent); }

    // Puts rxBox on a new bordered EDIT (as a dialog template makes it) with
    // limit 4 and the given text, the caret at iCaret and the focus on it.
    void qvAttach(TEditorEditControl& rxBox, const wchar_t* pwcText, int iCaret)
    {
        HWND hEdit = ::CreateWindowExW(0, L"EDIT", pwcText, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                       10, 10, 150, 24, mhParent, reinterpret_cast<HMENU>(100), nullptr, nullptr);
        ASSERT_TRUE(rxBox.SubclassWindow(hEdit));
        rxBox.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        rxBox.LimitText(4);
        ::SetForegroundWindow(mhParent);
        rxBox.SetFocus();
        ASSERT_EQ(hEdit, ::GetFocus());
        qvPlaceCaret(rxBox, iCaret);
        g_xLog = TParentLog();
    }

    static void qvPlaceCaret(TEditorEditControl& rxBox, int iCaret) { rxBox.SetSel(iCaret, iCaret); }

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

TEST_F(EditorEditControl, OnlyCharactersOfTheSetReachTheBox)
{
    TEditorEditControl box;
    box.qvSetAllowedChars("0123456789");
    qvAttach(box, L"12", 2);

    qvType(box, L"a -");
    EXPECT_EQ(L"12", qxText(box));
    EXPECT_EQ(0, g_xLog.iChanges);

    qvType(box, L"3");
    EXPECT_EQ(L"123", qxText(box));
    EXPECT_EQ(0, g_xLog.iBoxFull);

    // The character that fills the box tells the parent, once.
    qvType(box, L"4");
    EXPECT_EQ(L"1234", qxText(box));
    EXPECT_EQ(1, g_xLog.iBoxFull);
    EXPECT_EQ(static_cast<WPARAM>(VK_TAB), g_xLog.wParam);
    EXPECT_EQ(0, g_xLog.lParam);
}

TEST_F(EditorEditControl, CaseMattersAndTheSetIsReplacedWhole)
{
    TEditorEditControl box;
    box.qvSetAllowedChars("aB|");
    qvAttach(box, L"", 0);
    qvType(box, L"AabB|");
    EXPECT_EQ(L"aB|", qxText(box));

    box.qvSetAllowedChars("x");
    qvType(box, L"ax");
    EXPECT_EQ(L"aB|x", qxText(box));
}

TEST_F(EditorEditControl, AFullBoxOverwritesTheCharacterAtTheCaret)
{
    TEditorEditControl box;
    box.qvSetAllowedChars("0123456789");
    qvAttach(box, L"1234", 0);

    for (int k = 0; k <= 4; ++k)
    {
        qvPlaceCaret(box, k);
        EXPECT_EQ(static_cast<uint32_t>(k), box.qdwGetCaretIndex()) << "caret before character " << k;
    }
    {
        // On the boundary between two cells the left character is found.
        CClientDC dc(&box);
        dc.SelectObject(box.GetFont());
        const int iBoundary = LOWORD(box.GetMargins()) + dc.GetTextExtent(L"1", 1).cx;
        ::SetCaretPos(iBoundary, 2);
        EXPECT_EQ(0u, box.qdwGetCaretIndex());
        ::SetCaretPos(iBoundary + 1, 2);
        EXPECT_EQ(1u, box.qdwGetCaretIndex());
    }

    qvPlaceCaret(box, 1);
    qvType(box, L"9");
    EXPECT_EQ(L"1934", qxText(box));
    int iStart = -1, iEnd = -1;
    box.GetSel(iStart, iEnd);
    EXPECT_EQ(2, iStart);
    EXPECT_EQ(2, iEnd);
    EXPECT_EQ(1, g_xLog.iChanges);

    // Typing on overwrites character after character.
    qvType(box, L"87");
    qvPlaceCaret(box, 0);
    qvType(box, L"5");
    EXPECT_EQ(L"5987", qxText(box));
    EXPECT_EQ(0, g_xLog.iBoxFull);

    // Overwriting keeps the filter.
    qvPlaceCaret(box, 0);
    qvType(box, L"x");
    EXPECT_EQ(L"5987", qxText(box));
}

TEST_F(EditorEditControl, TheEndOfAFullBoxRefusesTheKeyButSignalsAgain)
{
    TEditorEditControl box;
    box.qvSetAllowedChars("0123456789");
    qvAttach(box, L"1234", 4);
    qvType(box, L"5");
    EXPECT_EQ(L"1234", qxText(box));
    EXPECT_EQ(1, g_xLog.iBoxFull);
    qvType(box, L"6");
    EXPECT_EQ(2, g_xLog.iBoxFull);
    // A refused character is not signalled.
    qvType(box, L"a");
    EXPECT_EQ(2, g_xLog.iBoxFull);
}

TEST_F(EditorEditControl, BackspaceAndTheClipboardKeysPassWhateverTheSet)
{
    TEditorEditControl box;
    qvAttach(box, L"1234", 2);
    qvType(box, L"\b");
    EXPECT_EQ(L"134", qxText(box));

    // In a full box the clipboard keys keep their meaning: copying is not typed
    // over a character.
    box.SetWindowText(L"1234");
    qvPlaceCaret(box, 1);
    qvType(box, L"\x03");
    EXPECT_EQ(L"1234", qxText(box));
    EXPECT_EQ(0, g_xLog.iBoxFull);
}

TEST_F(EditorEditControl, TheKindGivesTheFirstSet)
{
    for (int iKind : {1, 10, 11})
    {
        TEditorEditControl box(iKind);
        EXPECT_STREQ("0123456789", box.qpacGetAllowedChars());
        EXPECT_TRUE(box.qtIsAllowedChar('7'));
        EXPECT_FALSE(box.qtIsAllowedChar('a'));
    }
    {
        TEditorEditControl box(10);
        qvAttach(box, L"", 0);
        qvType(box, L"1a2");
        EXPECT_EQ(L"12", qxText(box));
    }
    {
        // No kind and no set: no printable character gets in.
        TEditorEditControl box;
        box.qvSetEditType(10);
        qvAttach(box, L"", 0);
        qvType(box, L" a1|~");
        EXPECT_EQ(L"", qxText(box));
        for (UINT c = 0; c < 256; ++c)
            EXPECT_FALSE(box.qtIsAllowedChar(c)) << c;
    }
}

TEST_F(EditorEditControl, CharactersAboveTheByteRangeAreDropped)
{
    TEditorEditControl box;
    box.qvSetAllowedChars("0123456789\xE9");
    qvAttach(box, L"", 0);
    // U+0431 and U+0131 end in the bytes of '1'; U+03B1 is a Greek alpha.
    EXPECT_TRUE(box.qtIsAllowedChar(0x0431));
    qvType(box, L"\x0431\x0131\x03B1");
    EXPECT_EQ(L"", qxText(box));
    // A character of the byte range is compared by its code.
    qvType(box, L"\xE9" L"1");
    EXPECT_EQ(L"\xE9" L"1", qxText(box));
}

TEST_F(EditorEditControl, ASetLongerThanItsRoomIsCut)
{
    TEditorEditControl box;
    std::string set(TEditorEditControl::kAllowedCharsSize - 1, 'x');
    set += "y";
    box.qvSetAllowedChars(set.c_str());
    EXPECT_TRUE(box.qtIsAllowedChar('x'));
    EXPECT_FALSE(box.qtIsAllowedChar('y'));
    box.qvSetAllowedChars(nullptr);
    EXPECT_FALSE(box.qtIsAllowedChar('x'));
}
