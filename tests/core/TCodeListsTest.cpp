// The code lists as one set: every list a layout, the 007 category list or the
// 856 editor offers has a name a message can print, and no two lists hold the
// same rows (a correction is made in one table).
#include "core/T856CodeLists.h"
#include "core/TCodeLists.h"
#include "support/TLayoutRules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace
{
using TRows = std::vector<std::pair<uint32_t, std::string>>;

TRows qxRows(const TCodeListEntry* pxList)
{
    TRows xRows;
    for (; pxList->labelId != 0; ++pxList)
        xRows.emplace_back(pxList->labelId, std::string(pxList->code, ::strnlen(pxList->code, sizeof(pxList->code))));
    return xRows;
}

// Every list the editors offer, with where it is used.
std::vector<std::pair<std::string, const TCodeListEntry*>> qxListsInUse()
{
    std::vector<std::pair<std::string, const TCodeListEntry*>> xLists;
    for (const TLayoutCase& rxCase : qxAllLayoutCases())
        for (const TLayoutList* l = rxCase.layout->lists; l->listId != 0; ++l)
            xLists.emplace_back(rxCase.name + " position " + std::to_string(l->position), l->codeList);
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
        xLists.emplace_back(std::string("007 categories for ") + *p, qpx007CategoryList(*p));
    xLists.emplace_back("006 form of material", qpxGet006FormList(true));
    for (const TCodeListEntry* pxList :
         {k856FirstIndicators_static, k856AccessMethods_static, k856SecondIndicators_static,
          k856NonRepeatableCodes_static, k856RepeatableCodes_static})
        xLists.emplace_back("856", pxList);
    return xLists;
}
} // namespace

TEST(TCodeLists, EveryListInUseHasAName)
{
    for (const auto& [xWhere, pxList] : qxListsInUse())
    {
        const char* pacName = qpacCodeListName(pxList);
        ASSERT_NE(pacName, nullptr) << xWhere;
        EXPECT_NE(pacName[0], '\0') << xWhere;
    }
    EXPECT_EQ(qpacCodeListName(nullptr), nullptr);
}

TEST(TCodeLists, NoTwoListsAlike)
{
    std::map<TRows, std::string> xSeen;
    std::map<const TCodeListEntry*, std::string> xTables;
    for (const TNamedCodeList& rxList : qrxCodeLists())
    {
        EXPECT_TRUE(xTables.emplace(rxList.rows, rxList.name).second) << rxList.name << " is named twice";
        const auto [it, tNew] = xSeen.emplace(qxRows(rxList.rows), rxList.name);
        EXPECT_TRUE(tNew) << rxList.name << " holds the same rows as " << it->second;
    }
}
