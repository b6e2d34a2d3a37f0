// The 006 layouts and forms: the rules their tables must satisfy among
// themselves and with the one-column grid of template 1000.
#include "editors/006/T006Layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

namespace
{
const EMaterialType kGroups[] = {eBooks, eComputerFiles, eContinuingResources, eMusic,
                                 eMaps,  eVisualMaterials, eMixedMaterials};

// Grid row -> label anchor, control anchor (rows 1 to 11).
const std::map<int, std::pair<int, int>> kGrid = {
    {1, {4004, 4005}}, {2, {4006, 4007}},  {3, {4009, 4010}},  {4, {4011, 4012}},
    {5, {4013, 4014}}, {6, {4015, 4016}},  {7, {4017, 4018}},  {8, {4019, 4020}},
    {9, {4021, 4022}}, {10, {4023, 4024}}, {11, {4025, 4026}}};

std::string qxName(const TFieldLayout& rxLayout)
{
    std::string xName;
    for (const wchar_t* p = rxLayout.name; *p; ++p)
        xName += static_cast<char>(*p);
    return xName;
}

// Where a label or control stands once the layout is built: grid row, and
// whether it stands in the label column.
std::map<int, std::pair<int, bool>> qxCells(const TFieldLayout& rxLayout)
{
    std::map<int, std::pair<int, bool>> xAnchors;
    for (const auto& [row, anchors] : kGrid)
    {
        xAnchors[anchors.first] = {row, true};
        xAnchors[anchors.second] = {row, false};
    }
    std::map<int, std::pair<int, bool>> xCells = xAnchors;
    for (const TControlMove* m = rxLayout.moves; m->controlId != 0; ++m)
        xCells[m->controlId] = xAnchors.at(m->anchorId);
    return xCells;
}

// Position -> the characters a new field may hold there: a list's codes, an
// edit box's allowed set.
std::map<int, std::set<std::string>> qxOffered(const TFieldLayout& rxLayout)
{
    std::map<int, std::set<std::string>> xOffered;
    for (const TLayoutList* l = rxLayout.lists; l->listId != 0; ++l)
        for (const TCodeListEntry* row = l->codeList; row->labelId != 0; ++row)
            for (std::size_t i = 0; row->code[i] != '\0'; ++i)
                xOffered[l->position + static_cast<int>(i)].insert(std::string(1, row->code[i]));
    for (const TLayoutEdit* e = rxLayout.edits; e->editId != 0; ++e)
        for (int i = 0; i < e->length; ++i)
            for (const char* c = e->allowedChars; *c; ++c)
                xOffered[e->position + i].insert(std::string(1, *c));
    return xOffered;
}
}

TEST(T006Layouts, EveryGroupHasItsOwnLayoutAndNoOtherValueHasOne)
{
    std::set<const TFieldLayout*> xSeen;
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout* pxLayout = qpxGet006Layout(eGroup);
        ASSERT_NE(nullptr, pxLayout) << eGroup;
        EXPECT_TRUE(xSeen.insert(pxLayout).second) << qxName(*pxLayout);
        EXPECT_EQ(pxLayout->controls, qpxGet006ControlTable(eGroup));
        EXPECT_EQ(pxLayout->rowCount, qi006RowCount(eGroup));
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

TEST(T006Layouts, ControlTablesListListsAndEditBoxesInPositionOrder)
{
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        SCOPED_TRACE(qxName(layout));
        const TControlPosition* c = layout.controls;
        ASSERT_EQ(4027, c[0].controlId);
        ASSERT_EQ(4028, c[1].controlId);
        ASSERT_EQ(4030, c[2].controlId);
        EXPECT_EQ(0, c[2].position);
        std::map<int, int> xPositionOf;
        int iPreviousEnd = 1;
        std::map<int, int> xLengthOf;
        for (const TLayoutList* l = layout.lists; l->listId != 0; ++l)
            EXPECT_TRUE(xLengthOf.emplace(l->listId, static_cast<int>(std::strlen(l->codeList[0].code))).second);
        for (const TLayoutEdit* e = layout.edits; e->editId != 0; ++e)
            EXPECT_TRUE(xLengthOf.emplace(e->editId, e->length).second);
        for (int i = 3; c[i].controlId != 0; ++i)
        {
            ASSERT_EQ(1u, xLengthOf.count(c[i].controlId)) << c[i].controlId << " is neither list nor edit box";
            EXPECT_GE(c[i].position, iPreviousEnd) << c[i].controlId << " overlaps the control before it";
            iPreviousEnd = c[i].position + xLengthOf[c[i].controlId];
            EXPECT_LE(iPreviousEnd, k006FieldLength) << c[i].controlId;
            xPositionOf[c[i].controlId] = c[i].position;
        }
        EXPECT_EQ(xLengthOf.size(), xPositionOf.size());
        for (const TLayoutList* l = layout.lists; l->listId != 0; ++l)
            EXPECT_EQ(xPositionOf[l->listId], l->position) << l->listId;
        for (const TLayoutEdit* e = layout.edits; e->editId != 0; ++e)
            EXPECT_EQ(xPositionOf[e->editId], e->position) << e->editId;

        // An undefined position is edited by nothing.
        int iPreviousLast = 0;
        for (const TPositionRange* r = layout.undefined; r->first != 0; ++r)
        {
            EXPECT_GT(r->first, iPreviousLast);
            EXPECT_LE(r->first, r->last);
            EXPECT_LT(r->last, k006FieldLength);
            iPreviousLast = r->last;
            for (int i = 3; c[i].controlId != 0; ++i)
                EXPECT_TRUE(c[i].position + xLengthOf[c[i].controlId] <= r->first || c[i].position > r->last)
                    << c[i].controlId << " edits undefined " << r->first << "-" << r->last;
        }
    }
}

TEST(T006Layouts, EachRowPutsItsLabelBesideItsControlDownTheGrid)
{
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        SCOPED_TRACE(qxName(layout));
        const auto xCells = qxCells(layout);
        std::set<int> xTaken;
        std::map<int, int> xLabelRows;
        for (const TLayoutLabel* l = layout.labels; l->labelId != 0; ++l)
        {
            ASSERT_EQ(1u, xCells.count(l->labelId)) << "label " << l->labelId << " stands nowhere on the grid";
            EXPECT_TRUE(xCells.at(l->labelId).second) << "label " << l->labelId << " in the control column";
            EXPECT_TRUE(xTaken.insert(xCells.at(l->labelId).first).second) << "two labels in one row";
            ++xLabelRows[xCells.at(l->labelId).first];
        }
        int iPreviousRow = 0;
        for (const TControlPosition* c = layout.controls + 3; c->controlId != 0; ++c)
        {
            ASSERT_EQ(1u, xCells.count(c->controlId)) << c->controlId << " stands nowhere on the grid";
            const auto [row, tLabelColumn] = xCells.at(c->controlId);
            EXPECT_FALSE(tLabelColumn) << c->controlId;
            EXPECT_GT(row, iPreviousRow) << c->controlId << " is not below the control before it";
            EXPECT_EQ(1, xLabelRows[row]) << c->controlId << " has no label beside it";
            iPreviousRow = row;
        }
        EXPECT_EQ(xTaken.size(), static_cast<std::size_t>(iPreviousRow));
        // The buttons go below the last row.
        EXPECT_GT(layout.rowCount, iPreviousRow);
        // Only the label of Form of item takes its text from the string table.
        for (const TLayoutLabel* l = layout.labels; l->labelId != 0; ++l)
            EXPECT_EQ(l->labelId == 4034, l->stringId != 0) << l->labelId;
    }
}

TEST(T006Layouts, CodeListsHaveOneCodeLengthNoRepeatsAndEndWithTheFillCharacter)
{
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        SCOPED_TRACE(qxName(layout));
        for (const TLayoutList* l = layout.lists; l->listId != 0; ++l)
        {
            const TCodeListEntry* rows = l->codeList;
            ASSERT_NE(0u, rows[0].labelId) << l->listId;
            const std::size_t dwLength = std::strlen(rows[0].code);
            std::set<std::string> xCodes;
            int n = 0;
            for (; rows[n].labelId != 0; ++n)
            {
                EXPECT_EQ(dwLength, ::strnlen(rows[n].code, sizeof(rows[n].code))) << l->listId << " row " << n;
                EXPECT_TRUE(xCodes.insert(rows[n].code).second) << l->listId << " code " << rows[n].code;
            }
            EXPECT_EQ(std::string(dwLength, '|'), rows[n - 1].code) << l->listId;
        }
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

        // A new field: the form, then blanks or codes its layout offers at
        // their positions, never anything in an undefined position.
        const std::string xField = qxNew006Field(cForm);
        ASSERT_EQ(static_cast<std::size_t>(k006FieldLength), xField.size());
        EXPECT_EQ(cForm, xField[0]);
        const auto xOffered = qxOffered(*pxLayout);
        for (int i = 1; i < k006FieldLength; ++i)
        {
            if (xField[i] == ' ')
                continue;
            ASSERT_EQ(1u, xOffered.count(i)) << "position " << i << " holds a default nothing edits";
            EXPECT_EQ(1u, xOffered.at(i).count(std::string(1, xField[i]))) << "position " << i;
        }
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
    for (const auto& [row, anchors] : kGrid)
    {
        EXPECT_EQ(1u, xHidden.count(anchors.first)) << row;
        EXPECT_EQ(1u, xHidden.count(anchors.second)) << row;
    }
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        for (const TLayoutLabel* l = layout.labels; l->labelId != 0; ++l)
            EXPECT_EQ(1u, xHidden.count(l->labelId)) << qxName(layout) << " label " << l->labelId;
        for (const TControlPosition* c = layout.controls + 3; c->controlId != 0; ++c)
            EXPECT_EQ(1u, xHidden.count(c->controlId)) << qxName(layout) << " control " << c->controlId;
    }
}
