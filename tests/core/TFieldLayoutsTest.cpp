// The fixed-length fields' layouts: the rules every layout of the 006, 007 and
// 008 editors satisfies, checked on each; then, field by field, which layout
// and title each form, category or record gets, what a new field holds, and
// what the layouts of one family share.
#include "support/TLayoutRules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
class TFieldLayoutRules : public testing::TestWithParam<TLayoutCase>
{};

std::string qxTestName(const testing::TestParamInfo<TLayoutCase>& rxInfo)
{
    std::string xName;
    for (char c : rxInfo.param.name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            xName += c;
    return xName;
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

const EMaterialType kBibliographicMaterials[] = {eBooks, eComputerFiles,   eContinuingResources, eMusic,
                                                 eMaps,  eVisualMaterials, eMixedMaterials};
}

TEST_P(TFieldLayoutRules, TablesAgreeWithEachOtherTheFieldAndTheGrid)
{
    qvExpectLayoutRules(GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllFields, TFieldLayoutRules, testing::ValuesIn(qxAllLayoutCases()), qxTestName);

// The 006 layouts and forms, and the controls hidden before a layout is built.
TEST(T006Layouts, EveryGroupHasItsOwnLayoutAndNoOtherValueHasOne)
{
    std::set<const TFieldLayout*> xSeen;
    for (const EMaterialType* pe = qpe006Groups(); *pe != eUnknownMaterial; ++pe)
    {
        const TFieldLayout* pxLayout = qpxGet006Layout(*pe);
        ASSERT_NE(nullptr, pxLayout) << *pe;
        EXPECT_TRUE(xSeen.insert(pxLayout).second) << qxNarrowName(pxLayout->name);
        EXPECT_EQ(pxLayout->controls, qpxGet006ControlTable(*pe));
        EXPECT_EQ(pxLayout->rowCount, qi006RowCount(*pe));
        // Only the label of Form of item takes its text from the string table.
        for (const TLayoutLabel* l = pxLayout->labels; l->labelId != 0; ++l)
            EXPECT_EQ(l->labelId == IDC_006_FORM_OF_ITEM_LABEL, l->stringId != 0) << l->labelId;
    }
    for (int iOther : {7, 8, -1, 1000})
    {
        const EMaterialType eOther = static_cast<EMaterialType>(iOther);
        EXPECT_EQ(nullptr, qpxGet006Layout(eOther)) << iOther;
        EXPECT_EQ(1, qi006RowCount(eOther)) << iOther;
        // Without a layout only Cancel and the form list take the focus.
        const TControlPosition* c = qpxGet006ControlTable(eOther);
        EXPECT_EQ(4028, c[0].controlId);
        EXPECT_EQ(4030, c[1].controlId);
        EXPECT_EQ(0, c[1].position);
        EXPECT_EQ(0, c[2].controlId);
    }
}

TEST(T006Forms, EveryFormOfTheListHasAGroupATitleAndADefaultFieldItsLayoutOffers)
{
    const TCodeListEntry* pxWithU = qpxGet006FormList(true);
    const TCodeListEntry* pxWithoutU = qpxGet006FormList(false);
    EXPECT_STREQ("u", pxWithU[0].code);
    EXPECT_EQ(pxWithU + 1, pxWithoutU);
    EXPECT_EQ(eUnknownMaterial, qe006FormGroup('u'));
    const uint32_t dwUnknownTitle = qdwGet006TitleId('u');
    for (char cOther : {'x', '\0', 'A'})
        EXPECT_EQ(dwUnknownTitle, qdwGet006TitleId(cOther)) << int{cOther};

    std::set<int> xGroupsReached;
    std::set<uint32_t> xTitles;
    for (const TCodeListEntry* row = pxWithoutU; row->labelId != 0; ++row)
    {
        const char cForm = row->code[0];
        SCOPED_TRACE(cForm);
        ASSERT_EQ('\0', row->code[1]);
        const EMaterialType eGroup = qe006FormGroup(cForm);
        const TFieldLayout* pxLayout = qpxGet006Layout(eGroup);
        ASSERT_NE(nullptr, pxLayout);
        xGroupsReached.insert(eGroup);
        EXPECT_TRUE(xTitles.insert(qdwGet006TitleId(cForm)).second);
        EXPECT_NE(dwUnknownTitle, qdwGet006TitleId(cForm));

        // A new field: the form, then what its layout shows as it stands.
        const std::string xField = qxNew006Field(cForm);
        ASSERT_EQ(static_cast<std::size_t>(k006FieldLength), xField.size());
        EXPECT_EQ(cForm, xField[0]);
        qvExpectShownAsItStands(xField, *pxLayout, true);
    }
    EXPECT_EQ(7u, xGroupsReached.size());
    // Same group, same defaults: a change of form within a group keeps the field.
    EXPECT_EQ(qxNew006Field('a').substr(1), qxNew006Field('t').substr(1));
}

TEST(T006Layouts, HiddenSetHoldsEveryLabelAndControlOfEveryLayoutOnce)
{
    std::set<int> xHidden;
    for (const int* p = k006HiddenControls; *p != 0; ++p)
        EXPECT_TRUE(xHidden.insert(*p).second) << *p << " twice";
    for (int iAlwaysShown : {4001, 4002, 4003, 4027, 4028, 4030})
        EXPECT_EQ(0u, xHidden.count(iAlwaysShown)) << iAlwaysShown;
    for (const auto& [id, cell] : qrx006Grid())
        EXPECT_EQ(1u, xHidden.count(id)) << id;
    for (const EMaterialType* pe = qpe006Groups(); *pe != eUnknownMaterial; ++pe)
    {
        const TFieldLayout& layout = *qpxGet006Layout(*pe);
        for (const TLayoutLabel* l = layout.labels; l->labelId != 0; ++l)
            EXPECT_EQ(1u, xHidden.count(l->labelId)) << qxNarrowName(layout.name) << " label " << l->labelId;
        for (const TControlPosition* c = layout.controls + 3; c->controlId != 0; ++c)
            EXPECT_EQ(1u, xHidden.count(c->controlId)) << qxNarrowName(layout.name) << " control " << c->controlId;
    }
}

// The 007 categories: which have rows, how each layout fills the sixteen rows
// of dialog template 1001, the defaults a category brings and the category lists.
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

// The 008 layouts.
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
            EXPECT_TRUE(bibliographic.insert(pxLayout).second)
                << "material " << row.eMaterialType << " shares a layout";
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
