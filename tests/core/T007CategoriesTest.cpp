// The 007 categories: which have rows, how each layout fills the sixteen rows
// of dialog template 1001, the defaults a category brings and the category
// lists. The rules every layout shares are in TFieldLayoutRulesTest.
#include "support/TLayoutRules.h"

#include "editors/007/T007Categories.h"
#include "resources/007EditorIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> qxCodes(const TCodeListEntry* pxList)
{
    std::vector<std::string> codes;
    for (; pxList->labelId != 0; ++pxList)
        codes.emplace_back(pxList->code, ::strnlen(pxList->code, sizeof(pxList->code)));
    return codes;
}

std::vector<const T007Category*> qxCategoriesWithLayout()
{
    std::vector<const T007Category*> categories;
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
        if (qt007HasLayout(qrx007Category(*p)))
            categories.push_back(&qrx007Category(*p));
    return categories;
}
}

TEST(T007Categories, SixteenCategoriesHaveRowsAndUAndOtherCodesHaveNone)
{
    std::string xWithLayout;
    for (const T007Category* pxCategory : qxCategoriesWithLayout())
        xWithLayout += pxCategory->code;
    EXPECT_EQ("acdefghkmoqrstvz", xWithLayout);

    for (int cCode : {int{'u'}, int{' '}, int{'b'}, int{'A'}, int{'M'}, 0, 0xE9, -1, 1000})
    {
        const T007Category& rxCategory = qrx007Category(cCode);
        EXPECT_FALSE(qt007HasLayout(rxCategory)) << cCode;
        EXPECT_EQ(static_cast<uint32_t>(IDS_007_TITLE_UNSPECIFIED), rxCategory.titleId) << cCode;
        // No category keeps the height of u, so OK never lands on the category row.
        EXPECT_EQ(2, rxCategory.layout->rowCount) << cCode;
    }
    EXPECT_STREQ("u          ", qrx007Category('u').defaultData);
    EXPECT_EQ(nullptr, qrx007Category('x').defaultData);
}


// Rows fill the template from row 1 without gaps, the dialog is sized for them
// and the position lookup agrees with the control table.
TEST(T007Categories, RowsStartAtTheTopWithoutGapsAndTheDialogFitsThem)
{
    for (const T007Category* pxCategory : qxCategoriesWithLayout())
    {
        SCOPED_TRACE(std::string(1, pxCategory->code));
        const TFieldLayout& rxLayout = *pxCategory->layout;
        int n = 0;
        for (; rxLayout.labels[n].labelId != 0; ++n)
            EXPECT_EQ(IDC_007_LABEL_1 + 2 * n, rxLayout.labels[n].labelId) << "a gap before row " << n + 1;
        EXPECT_LE(n, IDC_007_ROW_COUNT);
        EXPECT_EQ(n + 2, rxLayout.rowCount);
        for (const TControlPosition* c = rxLayout.controls; c->controlId != 0; ++c)
            EXPECT_EQ(c->position, qi007Position(*pxCategory, c->controlId)) << c->controlId;
        for (const TLayoutEdit* e = rxLayout.edits; e->editId != 0; ++e)
            EXPECT_TRUE(e->editId == IDC_007_EDIT_1 || e->editId == IDC_007_EDIT_2) << e->editId;
        EXPECT_EQ(-1, qi007Position(*pxCategory, IDC_007_LIST_1 + 2 * n)) << "a row below the last";
    }
}

// A fresh field of a category preselects a row in every list, and its edit
// boxes accept what it holds. Category e starts blank, selecting no row.
TEST(T007Categories, DefaultsFitTheirLayout)
{
    for (const T007Category* pxCategory : qxCategoriesWithLayout())
    {
        if (pxCategory->defaultData == nullptr)
            continue;
        SCOPED_TRACE(std::string(1, pxCategory->code));
        const std::string xDefault = pxCategory->defaultData;
        ASSERT_EQ(static_cast<std::size_t>(pxCategory->fieldLength), xDefault.size());
        EXPECT_EQ(pxCategory->code, xDefault[0]);
        const bool tBlank = pxCategory->code == 'e';
        qvExpectShownAsItStands(xDefault, *pxCategory->layout, tBlank);
        if (tBlank)
        {
            EXPECT_EQ(std::string(xDefault.size() - 1, ' '), xDefault.substr(1));
        }
    }
}

TEST(T007Categories, CategoryListsOfferTheCategoriesThatHaveLayouts)
{
    const std::vector<std::string> xStandard = qxCodes(qpx007CategoryList('a'));
    std::vector<std::string> xExpected;
    for (const T007Category* pxCategory : qxCategoriesWithLayout())
        if (pxCategory->code != 'e')
            xExpected.emplace_back(1, pxCategory->code);
    EXPECT_EQ(xExpected, xStandard);
    for (int cCode : {int{'z'}, int{'m'}, int{'x'}, 0})
        EXPECT_EQ(qpx007CategoryList('a'), qpx007CategoryList(cCode));

    std::vector<std::string> xWithUnknown = qxCodes(qpx007CategoryList('u'));
    ASSERT_EQ(xStandard.size() + 1, xWithUnknown.size());
    EXPECT_EQ("u", xWithUnknown[0]);
    EXPECT_EQ(xStandard, std::vector<std::string>(xWithUnknown.begin() + 1, xWithUnknown.end()));
    EXPECT_EQ(std::vector<std::string>{"e"}, qxCodes(qpx007CategoryList('e')));

    // Each row's label is the name of the category it stands for.
    for (int cList : {'u', 'e', 'a'})
        for (const TCodeListEntry* pxRow = qpx007CategoryList(cList); pxRow->labelId != 0; ++pxRow)
            EXPECT_EQ(qrx007Category(pxRow->code[0]).nameId, pxRow->labelId) << pxRow->code;
}
