// The 008 layouts: which layout and title each record gets, what the layouts
// of one family share, and that the default 008 of each other format is shown
// as it stands. The rules every layout satisfies are in TFieldLayoutRulesTest.
#include "support/TLayoutRules.h"
#include "support/TTestRecords.h"

#include "base/TCodeMatch.h"
#include "editors/008/TGeneric008.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace
{
const EMaterialType kBibliographicMaterials[] = {eBooks,           eComputerFiles, eContinuingResources, eMusic,
                                                 eMaps,            eVisualMaterials, eMixedMaterials};

// The generic 008 of a record of that type of record, padded as the editor pads it.
std::string qxGenericFor(char cTypeOfRecord)
{
    TMarcRecord record = qxRecordOfType(cTypeOfRecord, ' ');
    if (!qtAddGeneric008(record, false))
        return std::string();
    std::string xField = qx008(record);
    xField.resize(40, ' ');
    return xField;
}
}

TEST(T008LayoutSelection, EachFormatGetsItsLayoutAndTitle)
{
    const wchar_t* const kAnyBibliographic = L"";
    const struct
    {
        EMarcType eMarcType;
        EMaterialType eMaterialType;
        const wchar_t* pwcLayout; // null: no layout; kAnyBibliographic: a layout of its own
        uint32_t titleId;
    } rows[] = {
        {eAuthority, eUnknownMaterial, L"Authority", 23009},
        {eAuthority, eBooks, L"Authority", 23009}, // the material type counts for bibliographic records only
        {eHoldings, eUnknownMaterial, L"Holdings", 23011},
        {eCommunity, eMaps, L"Community", 23013},
        {eClassification, eUnknownMaterial, L"Classification", 23018},
        {ePatron, eBooks, nullptr, 23020},
        {eBibliographic, eUnknownMaterial, nullptr, 23000},
        {static_cast<EMarcType>(6), eUnknownMaterial, nullptr, 23000},
        {static_cast<EMarcType>(-1), eBooks, nullptr, 23000},
        {eBibliographic, eBooks, kAnyBibliographic, 23022},
        {eBibliographic, eComputerFiles, kAnyBibliographic, 23026},
        {eBibliographic, eContinuingResources, kAnyBibliographic, 23024},
        {eBibliographic, eMusic, kAnyBibliographic, 23030},
        {eBibliographic, eMaps, kAnyBibliographic, 23028},
        {eBibliographic, eVisualMaterials, kAnyBibliographic, 23032},
        {eBibliographic, eMixedMaterials, kAnyBibliographic, 23035},
        {eBibliographic, static_cast<EMaterialType>(7), nullptr, 23000},
    };
    std::set<const T008Layout*> bibliographic;
    for (const auto& row : rows)
    {
        const T008Layout* pxLayout = qpxGet008Layout(row.eMarcType, row.eMaterialType);
        if (row.pwcLayout == nullptr)
            EXPECT_EQ(nullptr, pxLayout) << row.eMarcType << "/" << row.eMaterialType;
        else if (pxLayout == nullptr)
            ADD_FAILURE() << "no layout for " << row.eMarcType << "/" << row.eMaterialType;
        else if (row.pwcLayout == kAnyBibliographic)
            EXPECT_TRUE(bibliographic.insert(pxLayout).second) << "material " << row.eMaterialType << " shares a layout";
        else
            EXPECT_STREQ(row.pwcLayout, pxLayout->name);
        EXPECT_EQ(row.titleId, qdwGet008TitleId(row.eMarcType, row.eMaterialType))
            << row.eMarcType << "/" << row.eMaterialType;
    }
}

// 00-17 and 35-39 mean the same for every material: the same controls edit
// them and no material leaves them undefined.
TEST(T008BibliographicLayouts, CommonPositionsAreEditedAlikeEverywhere)
{
    const std::map<int, int> common{{6, 6106}, {7, 6134}, {11, 6135}, {15, 6137}, {35, 6141}, {38, 6131}, {39, 6133}};
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxNarrowName(layout.name));
        std::map<int, int> byPosition;
        for (const T008ControlPosition* c = layout.controls; c->controlId != 0; ++c)
            byPosition[c->position] = c->controlId;
        for (const auto& [position, id] : common)
            EXPECT_EQ(id, byPosition[position]) << "position " << position;
        for (const T008Range* r = layout.undefined; r->first != 0; ++r)
            EXPECT_TRUE(r->first > 17 && r->last < 35) << r->first << "-" << r->last;
    }
}

TEST(T008BibliographicLayouts, Position29IsConferencePublicationOrFormOfItem)
{
    // Both meanings use list 6119 and label 6118; maps and visual materials
    // replace the label's text and offer another code list.
    auto qxList = [](const T008Layout& layout) -> const T008List* {
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
            if (l->position == 29)
                return l;
        return nullptr;
    };
    auto qdwLabelString = [](const T008Layout& layout) -> uint32_t {
        for (const T008Label* l = layout.labels; l->labelId != 0; ++l)
            if (l->labelId == 6118)
                return l->stringId;
        return 1;
    };
    const T008Layout& books = *qpxGetBibliographic008Layout(eBooks);
    const T008Layout& serials = *qpxGetBibliographic008Layout(eContinuingResources);
    const T008Layout& maps = *qpxGetBibliographic008Layout(eMaps);
    const T008Layout& visual = *qpxGetBibliographic008Layout(eVisualMaterials);
    for (const T008Layout* pxLayout : {&books, &serials, &maps, &visual})
    {
        SCOPED_TRACE(qxNarrowName(pxLayout->name));
        ASSERT_NE(nullptr, qxList(*pxLayout));
        EXPECT_EQ(6119, qxList(*pxLayout)->listId);
    }
    EXPECT_EQ(qxList(books)->codeList, qxList(serials)->codeList);
    EXPECT_EQ(qxList(maps)->codeList, qxList(visual)->codeList);
    EXPECT_NE(qxList(books)->codeList, qxList(maps)->codeList);
    EXPECT_STREQ("0", qxList(books)->codeList[0].code);
    EXPECT_STREQ(" ", qxList(maps)->codeList[0].code);
    EXPECT_EQ(0u, qdwLabelString(books));
    EXPECT_EQ(0u, qdwLabelString(serials));
    EXPECT_EQ(23114u, qdwLabelString(maps));
    EXPECT_EQ(23114u, qdwLabelString(visual));
}

TEST(T008LayoutTables, TheGenericDefaultsOfTheOtherFormatsArePreselected)
{
    // Every list finds its default code, except the holdings positions that
    // the default leaves blank (13 policy type, 15 unit type): no specific
    // retention policy is a blank, which neither list offers.
    const struct
    {
        EMarcType eMarcType;
        char cTypeOfRecord;
        std::set<int> unmatched;
    } rows[] = {
        {eAuthority, 'z', {}},
        {eHoldings, 'y', {13, 15}},
        {eCommunity, 'q', {}},
        {eClassification, 'w', {}},
    };
    for (const auto& row : rows)
    {
        const T008Layout* pxLayout = qpxGetOtherFormat008Layout(row.eMarcType);
        ASSERT_NE(nullptr, pxLayout);
        const std::string field = qxGenericFor(row.cTypeOfRecord);
        ASSERT_EQ(40u, field.size()) << row.cTypeOfRecord;
        for (const T008List* p = pxLayout->lists; p->listId != 0; ++p)
        {
            int matches = 0;
            for (const TCodeListEntry* entry = p->codeList; entry->labelId != 0; ++entry)
                matches += qtCodeMatches(field.c_str() + p->position, entry->code) ? 1 : 0;
            EXPECT_EQ(row.unmatched.count(p->position) ? 0 : 1, matches)
                << qxNarrowName(pxLayout->name) << " list " << p->listId;
        }
    }
}
