// The 008 layouts: which layout and title each record gets, and what the
// layouts of one family share. The rules every layout satisfies are in TFieldLayoutRulesTest.
#include "support/TLayoutRules.h"


#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace
{
const EMaterialType kBibliographicMaterials[] = {eBooks,           eComputerFiles, eContinuingResources, eMusic,
                                                 eMaps,            eVisualMaterials, eMixedMaterials};

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

// Both meanings use list 6119 and label 6118; maps and visual materials offer
// another code list (the label's text: the 008 editor's test).
TEST(T008BibliographicLayouts, Position29IsConferencePublicationOrFormOfItem)
{
    std::map<EMaterialType, const TCodeListEntry*> xListAt29;
    for (EMaterialType eMaterial : {eBooks, eContinuingResources, eMaps, eVisualMaterials})
        for (const T008List* l = qpxGetBibliographic008Layout(eMaterial)->lists; l->listId != 0; ++l)
            if (l->position == 29)
            {
                EXPECT_EQ(6119, l->listId) << eMaterial;
                xListAt29[eMaterial] = l->codeList;
            }
    ASSERT_EQ(4u, xListAt29.size());
    EXPECT_EQ(xListAt29[eBooks], xListAt29[eContinuingResources]);
    EXPECT_EQ(xListAt29[eMaps], xListAt29[eVisualMaterials]);
    EXPECT_STREQ("0", xListAt29[eBooks][0].code);
    EXPECT_STREQ(" ", xListAt29[eMaps][0].code);
}
