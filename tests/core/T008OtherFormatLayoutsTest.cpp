// The 008 layout tables: which layout and title each record gets, and whether
// every layout's tables agree with each other and with the grid.
#include "support/TTestRecords.h"

#include "base/TCodeMatch.h"
#include "editors/008/T008Layout.h"
#include "editors/008/TGeneric008.h"
#include "recordlib/TMarcRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace
{
struct TLayoutCase
{
    EMarcType eMarcType;
    EMaterialType eMaterialType;
};

const TLayoutCase kAllLayouts[] = {
    {eBibliographic, eBooks}, {eBibliographic, eComputerFiles}, {eBibliographic, eContinuingResources},
    {eBibliographic, eMusic}, {eBibliographic, eMaps}, {eBibliographic, eVisualMaterials},
    {eBibliographic, eMixedMaterials}, {eAuthority, eUnknownMaterial}, {eHoldings, eUnknownMaterial},
    {eCommunity, eUnknownMaterial}, {eClassification, eUnknownMaterial},
};
const TLayoutCase* const kOtherFormatLayouts = kAllLayouts + 7;

// Grid row of each anchor (label anchors and control anchors).
const std::map<int, int> kAnchorRow = {
    {6005, 0}, {6006, 0}, {6026, 0}, {6027, 0}, {6007, 1}, {6008, 1}, {6028, 1}, {6029, 1},
    {6009, 2}, {6010, 2}, {6030, 2}, {6031, 2}, {6011, 3}, {6076, 3}, {6032, 3}, {6033, 3},
    {6014, 4}, {6015, 4}, {6034, 4}, {6035, 4}, {6016, 5}, {6017, 5}, {6036, 5}, {6037, 5},
    {6018, 6}, {6019, 6}, {6038, 6}, {6039, 6}, {6020, 7}, {6021, 7}, {6040, 7}, {6041, 7},
    {6022, 8}, {6023, 8}, {6042, 8}, {6043, 8}, {6024, 9}, {6025, 9}, {6044, 9}, {6045, 9}};

// Positions that a layout leaves out of the rule "edited by one control or
// undefined, never both": authority 18 and continuing resources 20 are
// neither, music 21 and 33 and computer files 23 are both.
struct TPositionException
{
    EMarcType eMarcType;
    EMaterialType eMaterialType;
    int position;
};
const TPositionException kPositionExceptions[] = {
    {eAuthority, eUnknownMaterial, 18},
    {eBibliographic, eContinuingResources, 20},
    {eBibliographic, eMusic, 21},
    {eBibliographic, eMusic, 33},
    {eBibliographic, eComputerFiles, 23},
};

bool qtIsException(const TLayoutCase& rxCase, int iPosition)
{
    for (const TPositionException& e : kPositionExceptions)
        if (e.eMarcType == rxCase.eMarcType && e.eMaterialType == rxCase.eMaterialType && e.position == iPosition)
            return true;
    return false;
}

std::string qxName(const T008Layout& rxLayout)
{
    const std::wstring name = rxLayout.name;
    return std::string(name.begin(), name.end());
}

int qiCodeLength(const TCodeListEntry& rxRow)
{
    return static_cast<int>(strnlen(rxRow.code, sizeof(rxRow.code)));
}

int qiWidthOf(const T008Layout& rxLayout, int iControlId)
{
    for (const T008List* p = rxLayout.lists; p->listId != 0; ++p)
        if (p->listId == iControlId)
            return qiCodeLength(p->codeList[0]);
    for (const T008Edit* p = rxLayout.edits; p->editId != 0; ++p)
        if (p->editId == iControlId)
            return p->length;
    return iControlId == 6006 ? 6 : 0;
}

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

TEST(T008LayoutTables, ControlMoveAndLabelTablesAgree)
{
    for (const TLayoutCase* pc = kOtherFormatLayouts; pc != std::end(kAllLayouts); ++pc)
    {
        const TLayoutCase& c = *pc;
        const T008Layout* pxLayout = qpxGet008Layout(c.eMarcType, c.eMaterialType);
        ASSERT_NE(nullptr, pxLayout) << c.eMarcType << "/" << c.eMaterialType;
        const T008Layout& layout = *pxLayout;
        SCOPED_TRACE("layout " + qxName(layout));

        // OK, Cancel and the date entered open every control table; then the
        // lists and boxes, each once, in ascending position.
        ASSERT_EQ(6002, layout.controls[0].controlId);
        EXPECT_EQ(-1, layout.controls[0].position);
        ASSERT_EQ(6001, layout.controls[1].controlId);
        EXPECT_EQ(-1, layout.controls[1].position);
        ASSERT_EQ(6006, layout.controls[2].controlId);
        EXPECT_EQ(0, layout.controls[2].position);
        std::map<int, int> positionOf;
        int previous = 0;
        for (const T008ControlPosition* p = layout.controls + 3; p->controlId != 0; ++p)
        {
            EXPECT_GT(p->position, previous) << p->controlId;
            previous = p->position;
            EXPECT_TRUE(positionOf.emplace(p->controlId, p->position).second) << p->controlId;
        }
        size_t rows = 0;
        for (const T008List* p = layout.lists; p->listId != 0; ++p, ++rows)
            EXPECT_EQ(p->position, positionOf.count(p->listId) ? positionOf[p->listId] : -2) << p->listId;
        for (const T008Edit* p = layout.edits; p->editId != 0; ++p, ++rows)
        {
            EXPECT_EQ(p->position, positionOf.count(p->editId) ? positionOf[p->editId] : -2) << p->editId;
            EXPECT_LE(p->position + p->length, 40) << p->editId;
        }
        EXPECT_EQ(positionOf.size(), rows) << "a control-table entry that is neither list nor edit box";

        size_t labelCount = 0;
        std::set<int> labels;
        for (const T008Label* p = layout.labels; p->labelId != 0; ++p, ++labelCount)
            labels.insert(p->labelId);
        EXPECT_EQ(rows, labelCount) << "one label per row";

        // Every label and control goes onto a grid anchor, labels first, no
        // two onto one cell, all above the row of the buttons.
        std::set<int> anchorsUsed;
        std::set<int> moved;
        bool tLabelsDone = false;
        for (const T008Move* p = layout.moves; p->controlId != 0; ++p)
        {
            const auto row = kAnchorRow.find(p->anchorId);
            ASSERT_NE(kAnchorRow.end(), row) << p->controlId << " onto " << p->anchorId;
            EXPECT_LT(row->second, layout.rowCount) << p->controlId;
            EXPECT_TRUE(anchorsUsed.insert(p->anchorId).second) << "cell " << p->anchorId << " used twice";
            EXPECT_TRUE(moved.insert(p->controlId).second) << p->controlId;
            const bool tIsLabel = labels.count(p->controlId) != 0;
            if (!tIsLabel)
                tLabelsDone = true;
            EXPECT_FALSE(tIsLabel && tLabelsDone) << "label " << p->controlId << " after the controls";
            EXPECT_TRUE(tIsLabel || positionOf.count(p->controlId)) << p->controlId << " is not in the layout";
        }
        if (layout.moves[0].controlId != 0)
        {
            EXPECT_EQ(labelCount + rows, moved.size());
        }
        else
        {
            for (const auto& entry : positionOf)
                EXPECT_EQ(1u, kAnchorRow.count(entry.first)) << entry.first << " is not on the grid";
        }
    }
}

TEST(T008LayoutTables, EveryPositionIsEditedOrUndefined)
{
    for (const TLayoutCase& c : kAllLayouts)
    {
        const T008Layout* pxLayout = qpxGet008Layout(c.eMarcType, c.eMaterialType);
        ASSERT_NE(nullptr, pxLayout) << c.eMarcType << "/" << c.eMaterialType;
        const std::string name = qxName(*pxLayout);
        int edits[40] = {};
        int undefined[40] = {};
        for (const T008ControlPosition* p = pxLayout->controls + 2; p->controlId != 0; ++p)
            for (int i = 0; i < qiWidthOf(*pxLayout, p->controlId); ++i)
                ++edits[p->position + i];
        for (const T008Range* p = pxLayout->undefined; !(p->first == 0 && p->last == 0); ++p)
        {
            ASSERT_LE(p->first, p->last) << name;
            ASSERT_LT(p->last, 40) << name;
            for (int i = p->first; i <= p->last; ++i)
                ++undefined[i];
        }
        for (int i = 0; i < 40; ++i)
        {
            if (!qtIsException(c, i))
            {
                EXPECT_EQ(1, edits[i] + undefined[i]) << name << " position " << i;
            }
        }
    }
}

TEST(T008LayoutTables, CodeListsHaveOneCodeWidthAndNoDuplicates)
{
    for (const TLayoutCase* pc = kOtherFormatLayouts; pc != std::end(kAllLayouts); ++pc)
    {
        const TLayoutCase& c = *pc;
        const T008Layout* pxLayout = qpxGet008Layout(c.eMarcType, c.eMaterialType);
        ASSERT_NE(nullptr, pxLayout) << c.eMarcType << "/" << c.eMaterialType;
        for (const T008List* p = pxLayout->lists; p->listId != 0; ++p)
        {
            ASSERT_NE(nullptr, p->codeList) << p->listId;
            ASSERT_NE(0u, p->codeList[0].labelId) << p->listId << " is empty";
            const int width = qiCodeLength(p->codeList[0]);
            std::set<std::string> codes;
            for (const TCodeListEntry* row = p->codeList; row->labelId != 0; ++row)
            {
                EXPECT_EQ(width, qiCodeLength(*row)) << p->listId << " '" << row->code << "'";
                EXPECT_TRUE(codes.insert(row->code).second) << p->listId << " repeats '" << row->code << "'";
            }
            EXPECT_TRUE(width == 1 || width == 2) << p->listId;
        }
    }
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
                << qxName(*pxLayout) << " list " << p->listId;
        }
    }
}
