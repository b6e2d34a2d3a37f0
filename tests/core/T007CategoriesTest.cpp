// The 007 tables: each category's control table, label rows, code lists,
// default field and row count agree with one another, with the sixteen rows
// of dialog template 1001 and with the category's field length.
#include "editors/007/T007Categories.h"
#include "resources/007EditorIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
// One label row of a layout: its label's text, the control beside it, and
// either the list's codes or the edit box's length and characters.
struct TRow
{
    uint32_t labelStringId;
    int controlId;
    const TCodeListEntry* codeList;
    int length;
    const char* allowedChars;
};

// The rows of a layout in row order, each with the control on its slot.
std::vector<TRow> qxRows(const T007Category& rxCategory)
{
    const TFieldLayout& rxLayout = *rxCategory.layout;
    std::vector<TRow> rows;
    for (int n = 0; rxLayout.labels[n].labelId != 0; ++n)
    {
        const int nSlot = IDC_007_LIST_1 + 2 * n;
        EXPECT_EQ(IDC_007_LABEL_1 + 2 * n, rxLayout.labels[n].labelId) << "a gap before row " << n + 1;
        TRow row{rxLayout.labels[n].stringId, 0, nullptr, 0, nullptr};
        for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
            if (pxList->listId == nSlot)
                row = TRow{row.labelStringId, nSlot, pxList->codeList, 0, nullptr};
        for (const TControlMove* pxMove = rxLayout.moves; pxMove->controlId != 0; ++pxMove)
            if (pxMove->anchorId == nSlot)
                for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
                    if (pxEdit->editId == pxMove->controlId)
                    {
                        EXPECT_EQ(0, row.controlId) << "two controls on row " << n + 1;
                        row = TRow{row.labelStringId, pxEdit->editId, nullptr, pxEdit->length, pxEdit->allowedChars};
                        EXPECT_EQ(pxEdit->position, qi007Position(rxCategory, pxEdit->editId));
                    }
        EXPECT_NE(0, row.controlId) << "nothing beside label " << n + 1;
        rows.push_back(row);
    }
    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
        EXPECT_EQ(pxList->position, qi007Position(rxCategory, pxList->listId)) << pxList->listId;
    return rows;
}

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

bool qtIsLabelId(uint32_t dwId)
{
    return (dwId >= 22000 && dwId <= 22622) || (dwId >= 24081 && dwId <= 24120) || (dwId >= 32772 && dwId <= 32778) ||
           dwId == 58112;
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

TEST(T007Categories, ControlTablesFollowTheRowsInFocusOrder)
{
    for (const T007Category* pxCategory : qxCategoriesWithLayout())
    {
        SCOPED_TRACE(std::string(1, pxCategory->code));
        const std::vector<TRow> rows = qxRows(*pxCategory);
        ASSERT_LE(rows.size(), static_cast<std::size_t>(IDC_007_ROW_COUNT));
        EXPECT_EQ(static_cast<int>(rows.size()) + 2, pxCategory->layout->rowCount);

        const TControlPosition* pxControls = pxCategory->layout->controls;
        ASSERT_EQ(IDC_007_OK, pxControls[0].controlId);
        EXPECT_EQ(-1, pxControls[0].position);
        ASSERT_EQ(IDC_007_CANCEL, pxControls[1].controlId);
        EXPECT_EQ(-1, pxControls[1].position);
        ASSERT_EQ(IDC_007_CATEGORY, pxControls[2].controlId);
        EXPECT_EQ(0, pxControls[2].position);

        int iLastPosition = 0;
        std::set<int> edits;
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            const TRow& rxRow = rows[i];
            const TControlPosition& rxControl = pxControls[3 + i];
            ASSERT_EQ(rxRow.controlId, rxControl.controlId) << "row " << i + 1;
            EXPECT_GT(rxControl.position, iLastPosition) << "row " << i + 1;
            iLastPosition = rxControl.position;
            EXPECT_EQ(rxControl.position, qi007Position(*pxCategory, rxControl.controlId));
            EXPECT_TRUE(rxRow.labelStringId >= 22009 && rxRow.labelStringId <= 22091) << rxRow.labelStringId;

            const int iSlot = IDC_007_LIST_1 + 2 * static_cast<int>(i);
            if (rxRow.codeList != nullptr)
            {
                EXPECT_EQ(iSlot, rxRow.controlId) << "a list stands on its own row";
                EXPECT_EQ(nullptr, rxRow.allowedChars);
            }
            else
            {
                EXPECT_TRUE(rxRow.controlId == IDC_007_EDIT_1 || rxRow.controlId == IDC_007_EDIT_2);
                EXPECT_TRUE(edits.insert(rxRow.controlId).second) << "one box on two rows";
                ASSERT_NE(nullptr, rxRow.allowedChars);
                EXPECT_GT(rxRow.length, 1);
                EXPECT_LE(rxControl.position + rxRow.length, pxCategory->fieldLength);
            }
        }
        EXPECT_EQ(0, pxControls[3 + rows.size()].controlId) << "a control that no row shows";
    }
}

TEST(T007Categories, CodeListsAreUniqueOfOneWidthAndFitTheField)
{
    for (const T007Category* pxCategory : qxCategoriesWithLayout())
        for (const TRow& rxRow : qxRows(*pxCategory))
        {
            const TRow* pxRow = &rxRow;
            if (pxRow->codeList == nullptr)
                continue;
            SCOPED_TRACE(std::string(1, pxCategory->code) + " label " + std::to_string(pxRow->labelStringId));
            const std::vector<std::string> codes = qxCodes(pxRow->codeList);
            ASSERT_FALSE(codes.empty());
            const int iPosition = qi007Position(*pxCategory, pxRow->controlId);
            std::set<std::string> seen;
            std::set<uint32_t> labels;
            for (std::size_t i = 0; i < codes.size(); ++i)
            {
                EXPECT_EQ(codes[0].size(), codes[i].size()) << codes[i];
                EXPECT_TRUE(seen.insert(codes[i]).second) << "twice: '" << codes[i] << "'";
                EXPECT_TRUE(labels.insert(pxRow->codeList[i].labelId).second) << pxRow->codeList[i].labelId;
                EXPECT_TRUE(qtIsLabelId(pxRow->codeList[i].labelId)) << pxRow->codeList[i].labelId;
            }
            EXPECT_LE(iPosition + static_cast<int>(codes[0].size()), pxCategory->fieldLength);
        }
}

// A fresh field of a category preselects a row in every list, and its edit
// boxes accept what it holds. Category e starts blank: no row of its lists.
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
        if (xDefault.size() > 2)
        {
            EXPECT_EQ(' ', xDefault[2]) << "position 02 starts blank";
        }
        for (const TRow& rxRow : qxRows(*pxCategory))
        {
            const TRow* pxRow = &rxRow;
            const std::size_t dwPosition = static_cast<std::size_t>(qi007Position(*pxCategory, pxRow->controlId));
            if (pxCategory->code == 'e')
                EXPECT_EQ(' ', xDefault[dwPosition]);
            else if (pxRow->codeList != nullptr)
            {
                const std::vector<std::string> codes = qxCodes(pxRow->codeList);
                const std::string xHeld = xDefault.substr(dwPosition, codes[0].size());
                EXPECT_NE(codes.end(), std::find(codes.begin(), codes.end(), xHeld)) << "position " << dwPosition;
            }
            else
                for (int i = 0; i < pxRow->length; ++i)
                    EXPECT_NE(nullptr, std::strchr(pxRow->allowedChars, xDefault[dwPosition + i]))
                        << "position " << dwPosition + i;
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
