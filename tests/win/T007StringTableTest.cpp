// The resources of the 007 categories as OrvoFieldEditors.dll holds them:
// every code-list label, row label, category name and title the tables name.
#include "editors/007/T007Categories.h"
#include "resources/007EditorIds.h"
#include "support/TLibraryResources.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace
{
// Every row of a code list; returns how many.
int qiCheckCodeLabels(const TCodeListEntry* pxList)
{
    int iChecked = 0;
    for (const TCodeListEntry* pxRow = pxList; pxRow->labelId != 0; ++pxRow, ++iChecked)
        EXPECT_EQ("", qxCodeLabelProblem(*pxRow));
    return iChecked;
}
}

TEST(T007StringTable, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhLibrary());
    int iChecked = 0;
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
    {
        SCOPED_TRACE(std::string(1, *p));
        iChecked += qiCheckCodeLabels(qpx007CategoryList(*p));
        for (const TLayoutList* pxList = qrx007Category(*p).layout->lists; pxList->listId != 0; ++pxList)
        {
            SCOPED_TRACE(testing::Message() << "list " << pxList->listId);
            iChecked += qiCheckCodeLabels(pxList->codeList);
        }
    }
    EXPECT_GT(iChecked, 700);
}

TEST(T007StringTable, LabelsThatDeviateOrAreSharedReadExactly)
{
    EXPECT_EQ(L"u - Unknown", qxString(22092));
    EXPECT_EQ(L"z - Other", qxString(22093));
    EXPECT_EQ(L"| - No attempt to code", qxString(22094));
    EXPECT_EQ(L"n - Not applicable", qxString(22095));
    EXPECT_EQ(L"u - Unspecified", qxString(22096));
    EXPECT_EQ(L"l - Non-nitrate: advanced deterioration ", qxString(22375));
    EXPECT_EQ(L"p - Plastic ", qxString(22510));
    EXPECT_EQ(L"f - Dolby-A encoded ", qxString(22520));
    EXPECT_EQ(L"0 - 0-9% ", qxString(22385));
    EXPECT_EQ(L"1 - 10-19%", qxString(22386));
    EXPECT_EQ(L"5 - 50-59% ", qxString(22390));
    EXPECT_EQ(L"9 - 90-100% ", qxString(22394));
    EXPECT_EQ(L"m - Mixed collection - Vellum", qxString(22308));
    EXPECT_EQ(L"rc - Bouger", qxString(22445));
    EXPECT_EQ(L"a - Unaccessible furniture, equipment, display racks", qxString(22559));
    EXPECT_EQ(qxString(22148), qxString(22161));
    EXPECT_EQ(L"# - No secondary support", qxString(22251));
    EXPECT_EQ(qxString(22251), qxString(22315));
}

// Each row label names the positions its control edits; each category's
// name and title exist.
TEST(T007StringTable, RowLabelsNameTheirPositionsAndTitlesExist)
{
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
    {
        const T007Category& rxCategory = qrx007Category(*p);
        SCOPED_TRACE(std::string(1, *p));
        EXPECT_EQ(0u, qxString(rxCategory.titleId).find(L"007 Editor - "));
        EXPECT_EQ(0u, qxString(rxCategory.nameId).find(std::wstring(1, static_cast<wchar_t>(*p)) + L" - "));
        const TFieldLayout& rxLayout = *rxCategory.layout;
        for (int n = 0; rxLayout.labels[n].labelId != 0; ++n)
        {
            const std::wstring xText = qxString(rxLayout.labels[n].stringId);
            // The control of row n stands on the slot of list n: itself, or
            // the edit box moved there.
            int nControl = IDC_007_LIST_1 + 2 * n;
            for (const TControlMove* pxMove = rxLayout.moves; pxMove->controlId != 0; ++pxMove)
                if (pxMove->anchorId == nControl)
                    nControl = pxMove->controlId;
            wchar_t awcExpected[8];
            std::swprintf(awcExpected, 8, L": (%02d", qi007Position(rxCategory, nControl));
            EXPECT_NE(std::wstring::npos, xText.find(awcExpected)) << qxNarrow(xText);
        }
    }
    EXPECT_EQ(L"007 Editor - Unspecified", qxString(IDS_007_TITLE_UNSPECIFIED));
    EXPECT_EQ(L"Close this dialog saving any changes", qxString(IDS_007_TIP_OK));
    EXPECT_EQ(L"Close this dialog canceling any changes", qxString(IDS_007_TIP_CANCEL));
}
