// The field line, painted into a memory device context and read back pixel by
// pixel: each character cell's background and the colour of its glyph.
#include "controls/TStaticFieldDisplay.h"
#include "support/TTestCanvas.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <map>

namespace
{
constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The colours of one character cell: its background (the colour most of the
// cell has) and whether a glyph pixel of the given colour is in it.
struct TCell
{
    COLORREF dwBackground;
    std::map<COLORREF, int> xColours;
    bool qtHas(COLORREF dw) const { return xColours.count(dw) != 0; }
};

class StaticFieldDisplay : public ::testing::Test
{
protected:
    static constexpr int kHeight = 20;

    // Characters whose glyphs have plenty of solid pixels.
    void SetUp() override
    {
        TTestCanvas probe(1, 1, kUntouched);
        miCellWidth = probe.qrxDC().GetTextExtent(L"M", 1).cx;
        ASSERT_GT(miCellWidth, 2);
        // The checks tell the colour roles apart only when they differ.
        ASSERT_NE(mxDisplay.qdwGetBackgroundColour(), mxDisplay.qdwGetHighlightBackgroundColour());
        ASSERT_NE(mxDisplay.qdwGetTextColour(), kRed);
        ASSERT_NE(mxDisplay.qdwGetHighlightTextColour(), kRed);
    }

    void qvShow(int iLength, const wchar_t* pwcData)
    {
        mxDisplay.qvSetFieldLength(iLength);
        mxDisplay.qvSetFieldData(pwcData);
    }

    // Paints a control iWidth pixels wide (the canvas is wider, so that what
    // falls outside the control stays visible).
    void qvPaint(int iWidth)
    {
        mpxCanvas = std::make_unique<TTestCanvas>(iWidth + 10 * miCellWidth, kHeight, kUntouched);
        mxDisplay.qvDraw(&mpxCanvas->qrxDC(), CRect(0, 0, iWidth, kHeight));
    }

    TCell qxCell(int i) const
    {
        TCell cell{kUntouched, mpxCanvas->qxColours(i * miCellWidth, (i + 1) * miCellWidth)};
        int iMost = 0;
        for (const auto& [dw, n] : cell.xColours)
            if (n > iMost)
                iMost = n, cell.dwBackground = dw;
        return cell;
    }

    // Cells iFirst on, one character each: '.' an ordinary position, 'x' an
    // inactive one (red), 'H' a highlighted one, ' ' nothing but the
    // control's background and '-' nothing at all (outside the control).
    void qvExpectCells(int iFirst, const std::string& rxCells) const
    {
        for (int i = iFirst; i < iFirst + static_cast<int>(rxCells.size()); ++i)
        {
            const char cKind = rxCells[static_cast<std::size_t>(i - iFirst)];
            const TCell cell = qxCell(i);
            const bool tGlyph = cKind != ' ' && cKind != '-';
            const COLORREF dwBackground = cKind == 'H'   ? mxDisplay.qdwGetHighlightBackgroundColour()
                                          : cKind == '-' ? kUntouched
                                                         : mxDisplay.qdwGetBackgroundColour();
            const COLORREF dwGlyph = cKind == 'x'   ? kRed
                                     : cKind == 'H' ? mxDisplay.qdwGetHighlightTextColour()
                                                    : mxDisplay.qdwGetTextColour();
            SCOPED_TRACE(testing::Message() << "cell " << i << " '" << cKind << "'");
            EXPECT_EQ(dwBackground, cell.dwBackground);
            EXPECT_EQ(tGlyph ? 2u : 1u, std::min<std::size_t>(cell.xColours.size(), 2));
            EXPECT_EQ(tGlyph, cell.qtHas(dwGlyph));
            EXPECT_EQ(cKind == 'x', cell.qtHas(kRed));
        }
    }

    TStaticFieldDisplay mxDisplay;
    std::unique_ptr<TTestCanvas> mpxCanvas;
    int miCellWidth = 0;
};

const wchar_t k24[] = L"MMMMMMMMMMMMMMMMMMMMMMMM";
}

TEST_F(StaticFieldDisplay, AFreshDisplayDrawsEveryPositionRed)
{
    qvShow(24, k24);
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, std::string(24, 'x') + " ");
}

TEST_F(StaticFieldDisplay, TheHighlightMustEndInsideTheField)
{
    qvShow(24, k24);
    mxDisplay.qvSetInactivePositions(0, 23, false);

    mxDisplay.qvSetHighlight(23, 1);
    qvPaint(40 * miCellWidth);
    qvExpectCells(22, ".H");

    // Ending one past the field: the old range stays.
    mxDisplay.qvSetHighlight(23, 2);
    mxDisplay.qvSetHighlight(INT_MAX, INT_MAX);
    mxDisplay.qvSetHighlight(0, INT_MAX);
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, std::string(23, '.') + "H");

    mxDisplay.qvSetHighlight(2, 3);
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, "..HHH" + std::string(19, '.'));

    // First -1 and count 1: how an editor clears the highlight.
    mxDisplay.qvSetHighlight(-1, 1);
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, std::string(24, '.'));
}

TEST_F(StaticFieldDisplay, AnInactivePositionInsideTheHighlightStaysRed)
{
    qvShow(24, k24);
    mxDisplay.qvSetInactivePositions(0, 23, false);
    mxDisplay.qvSetInactivePositions(7, 8, true);
    mxDisplay.qvSetHighlight(6, 4);
    qvPaint(40 * miCellWidth);
    qvExpectCells(5, ".HxxH.");
}

TEST_F(StaticFieldDisplay, FlagRangesOutsideTheFieldAreIgnored)
{
    qvShow(24, k24);
    mxDisplay.qvSetInactivePositions(0, 23, false);
    mxDisplay.qvSetInactivePositions(5, 4, true);
    mxDisplay.qvSetInactivePositions(-1, 2, true);
    mxDisplay.qvSetInactivePositions(20, 24, true);
    mxDisplay.qvSetInactivePositions(INT_MIN, INT_MAX, true);
    mxDisplay.qvSetInactivePositions(23, 23, true);
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, std::string(23, '.') + "x");
}

TEST_F(StaticFieldDisplay, OnlyTheFieldLengthIsDrawn)
{
    // A longer string: the characters past the field are not drawn.
    qvShow(4, L"MMMMMMMM");
    mxDisplay.qvSetInactivePositions(0, 3, false);
    qvPaint(40 * miCellWidth);
    qvExpectCells(3, ". ");

    // A shorter string ends the line early.
    qvShow(10, L"MM");
    qvPaint(40 * miCellWidth);
    qvExpectCells(1, ". ");

    // No positions: only the background.
    qvShow(0, L"MM");
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, " ");

    // Hostile lengths: the flag table bounds them.
    mxDisplay.qvSetFieldLength(INT_MAX);
    EXPECT_EQ(TStaticFieldDisplay::kMaxPositions, mxDisplay.qiGetFieldLength());
    mxDisplay.qvSetInactivePositions(0, 254, true);
    mxDisplay.qvSetInactivePositions(0, INT_MAX - 1, false);
    mxDisplay.qvSetFieldData(CString(L'M', 300));
    EXPECT_EQ(255, mxDisplay.qrxGetFieldData().GetLength());
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, "x");
    qvExpectCells(39, "x");
    mxDisplay.qvSetFieldLength(-5);
    qvPaint(40 * miCellWidth);
    qvExpectCells(0, " ");
}

TEST_F(StaticFieldDisplay, ANarrowControlStopsWhereTheNextCharacterWouldNotFit)
{
    qvShow(24, k24);
    mxDisplay.qvSetInactivePositions(0, 23, false);

    // Room for five and a half cells: five are drawn, the rest of the control
    // is background and nothing is drawn outside it.
    const int iWidth = 5 * miCellWidth + miCellWidth / 2;
    qvPaint(iWidth);
    qvExpectCells(0, ".....");
    EXPECT_EQ(1u, mpxCanvas->qxColours(5 * miCellWidth, iWidth).size());
    EXPECT_EQ(1u, mpxCanvas->qxColours(iWidth, 7 * miCellWidth).size());
    EXPECT_EQ(kUntouched, mpxCanvas->qrxDC().GetPixel(iWidth, 0));

    // Exactly six cells wide: the sixth fits.
    qvPaint(6 * miCellWidth);
    qvExpectCells(5, ".-");
}

TEST_F(StaticFieldDisplay, AHighlightRepaintsTheControlAndAnIgnoredOneDoesNot)
{
    HWND hParent = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 100, nullptr,
                                     nullptr, nullptr, nullptr);
    HWND hStatic = ::CreateWindowExW(0, L"STATIC", L"<TTTT>", WS_CHILD | WS_VISIBLE, 0, 0, 300, 20, hParent, nullptr,
                                     nullptr, nullptr);
    ASSERT_TRUE(mxDisplay.SubclassWindow(hStatic));
    qvShow(24, k24);
    RECT update;

    ::ValidateRect(hStatic, nullptr);
    mxDisplay.qvSetHighlight(24, 1);
    EXPECT_FALSE(::GetUpdateRect(hStatic, &update, FALSE));

    mxDisplay.qvSetHighlight(3, 2);
    EXPECT_TRUE(::GetUpdateRect(hStatic, &update, FALSE));
    EXPECT_EQ(300, update.right);
    // The control paints the field itself, not its window text.
    mxDisplay.qvSetInactivePositions(0, 23, false);
    ::UpdateWindow(hStatic);
    {
        CClientDC dc(&mxDisplay);
        EXPECT_EQ(mxDisplay.qdwGetHighlightBackgroundColour(), dc.GetPixel(3 * miCellWidth, 0));
        EXPECT_EQ(mxDisplay.qdwGetBackgroundColour(), dc.GetPixel(5 * miCellWidth, 0));
    }

    ::ValidateRect(hStatic, nullptr);
    mxDisplay.qvSetHighlight(-1, 1);
    EXPECT_TRUE(::GetUpdateRect(hStatic, &update, FALSE));
    EXPECT_EQ(-1, mxDisplay.qiGetHighlightStart());
    ::DestroyWindow(hParent);
}
