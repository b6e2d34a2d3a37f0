// The 006 layouts and forms: which group and layout each form gets, what a
// new field holds, and the controls hidden before a layout is built. The rules
// every layout shares are in TFieldLayoutRulesTest.
#include "support/TLayoutRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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
    EXPECT_EQ(dwUnknownTitle, qdwGet006TitleId('x'));
    EXPECT_EQ(dwUnknownTitle, qdwGet006TitleId('\0'));
    EXPECT_EQ(dwUnknownTitle, qdwGet006TitleId('A'));

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
    EXPECT_EQ("a           000 0 ", qxNew006Field('a'));
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
