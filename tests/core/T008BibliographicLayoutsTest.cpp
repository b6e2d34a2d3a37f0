// The seven bibliographic 008 layouts: their control, move and label tables
// agree with each other and with the grid of dialog template 1002, and their
// code lists and edit boxes stay inside the 40 positions of the field.
#include "editors/008/T008Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace
{
const EMaterialType kBibliographicMaterials[] = {eBooks,           eComputerFiles, eContinuingResources, eMusic,
                                                 eMaps,            eVisualMaterials, eMixedMaterials};

// The grid as the template has it: row, then left label, left control, right
// label, right control. Row 0 of the left column is the date entered on file.
const int kGrid[10][4] = {
    {6005, 6006, 6026, 6027}, {6007, 6008, 6028, 6029}, {6009, 6010, 6030, 6031}, {6011, 6076, 6032, 6033},
    {6014, 6015, 6034, 6035}, {6016, 6017, 6036, 6037}, {6018, 6019, 6038, 6039}, {6020, 6021, 6040, 6041},
    {6022, 6023, 6042, 6043}, {6024, 6025, 6044, 6045}};

struct TCell
{
    int row;
    int column; // 0 left, 1 right
    bool tLabel;
};

std::map<int, TCell> qxGridCells()
{
    std::map<int, TCell> cells;
    for (int row = 0; row < 10; ++row)
        for (int i = 0; i < 4; ++i)
            cells[kGrid[row][i]] = TCell{row, i / 2, i % 2 == 0};
    return cells;
}

int qiControlCount(const T008Layout& layout)
{
    int n = 0;
    while (layout.controls[n].controlId != 0)
        ++n;
    return n;
}

std::string qxName(const T008Layout& layout)
{
    std::string name;
    for (const wchar_t* p = layout.name; *p; ++p)
        name += static_cast<char>(*p);
    return name;
}

std::map<int, int> qxPositionByControl(const T008Layout& layout)
{
    std::map<int, int> positions;
    for (const T008ControlPosition* p = layout.controls; p->controlId != 0; ++p)
        positions[p->controlId] = p->position;
    return positions;
}
}

TEST(T008BibliographicLayouts, EveryMaterialHasItsLayoutAndNothingElseHasOne)
{
    std::set<const T008Layout*> seen;
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout* pxLayout = qpxGetBibliographic008Layout(eMaterial);
        ASSERT_NE(nullptr, pxLayout) << eMaterial;
        EXPECT_TRUE(seen.insert(pxLayout).second) << "two materials share the layout " << qxName(*pxLayout);
    }
    EXPECT_EQ("Books", qxName(*qpxGetBibliographic008Layout(eBooks)));
    EXPECT_EQ("Mixed materials", qxName(*qpxGetBibliographic008Layout(eMixedMaterials)));
    EXPECT_EQ(nullptr, qpxGetBibliographic008Layout(eUnknownMaterial));
    EXPECT_EQ(nullptr, qpxGetBibliographic008Layout(static_cast<EMaterialType>(7)));
    EXPECT_EQ(nullptr, qpxGetBibliographic008Layout(static_cast<EMaterialType>(-1)));
    EXPECT_EQ(nullptr, qpxGetBibliographic008Layout(static_cast<EMaterialType>(1000)));
}

TEST(T008BibliographicLayouts, ControlTablesStartWithTheButtonsAndDateThenAscendPositions)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        const T008ControlPosition* c = layout.controls;
        ASSERT_GE(qiControlCount(layout), 4);
        EXPECT_EQ(6002, c[0].controlId);
        EXPECT_EQ(-1, c[0].position);
        EXPECT_EQ(6001, c[1].controlId);
        EXPECT_EQ(-1, c[1].position);
        EXPECT_EQ(6006, c[2].controlId);
        EXPECT_EQ(0, c[2].position);
        std::set<int> ids;
        for (int i = 0; c[i].controlId != 0; ++i)
        {
            EXPECT_TRUE(ids.insert(c[i].controlId).second) << "control " << c[i].controlId << " twice";
            if (i >= 3)
            {
                EXPECT_GT(c[i].position, c[i - 1].position) << "control " << c[i].controlId;
                EXPECT_LE(c[i].position, 39) << "control " << c[i].controlId;
            }
        }
    }
    // Seventeen rows besides the date entered on file for books, eight for mixed materials.
    EXPECT_EQ(3 + 17, qiControlCount(*qpxGetBibliographic008Layout(eBooks)));
    EXPECT_EQ(3 + 8, qiControlCount(*qpxGetBibliographic008Layout(eMixedMaterials)));
}

TEST(T008BibliographicLayouts, ListsAndEditBoxesMatchTheControlTable)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        const std::map<int, int> positions = qxPositionByControl(layout);
        std::set<int> described;
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
        {
            ASSERT_NE(nullptr, l->codeList) << "list " << l->listId;
            EXPECT_TRUE(described.insert(l->listId).second) << "list " << l->listId << " twice";
            ASSERT_EQ(1u, positions.count(l->listId)) << "list " << l->listId << " is not in the control table";
            EXPECT_EQ(positions.at(l->listId), l->position) << "list " << l->listId;
            const size_t codeLength = std::strlen(l->codeList[0].code);
            EXPECT_LE(l->position + static_cast<int>(codeLength), 40) << "list " << l->listId;
        }
        for (const T008Edit* e = layout.edits; e->editId != 0; ++e)
        {
            EXPECT_TRUE(described.insert(e->editId).second) << "control " << e->editId << " twice";
            ASSERT_EQ(1u, positions.count(e->editId)) << "edit " << e->editId << " is not in the control table";
            EXPECT_EQ(positions.at(e->editId), e->position) << "edit " << e->editId;
            EXPECT_GE(e->length, 1) << "edit " << e->editId;
            EXPECT_LE(e->position + e->length, 40) << "edit " << e->editId;
            ASSERT_NE(nullptr, e->allowedChars) << "edit " << e->editId;
            EXPECT_NE('\0', e->allowedChars[0]) << "edit " << e->editId;
        }
        // Everything but OK, Cancel and the date entered on file is a list or an edit box.
        for (const auto& [id, position] : positions)
        {
            if (id != 6001 && id != 6002 && id != 6006)
            {
                EXPECT_EQ(1u, described.count(id)) << "control " << id << " has neither list nor edit record";
            }
        }
    }
}

TEST(T008BibliographicLayouts, ControlsOfOneRowEditTheNextPositionsWithoutOverlap)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        std::map<int, int> lengthByPosition{{0, 6}};
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
            lengthByPosition[l->position] = static_cast<int>(std::strlen(l->codeList[0].code));
        for (const T008Edit* e = layout.edits; e->editId != 0; ++e)
            lengthByPosition[e->position] = e->length;
        int end = 0;
        for (const auto& [position, length] : lengthByPosition)
        {
            EXPECT_GE(position, end) << "position " << position << " is edited twice";
            end = position + length;
        }
    }
}

TEST(T008BibliographicLayouts, MovesPutEachLabelAndItsControlIntoOneGridCell)
{
    const std::map<int, TCell> cells = qxGridCells();
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        const std::map<int, int> positions = qxPositionByControl(layout);
        std::set<int> labels;
        for (const T008Label* l = layout.labels; l->labelId != 0; ++l)
            EXPECT_TRUE(labels.insert(l->labelId).second) << "label " << l->labelId << " twice";

        std::set<int> moved;
        std::set<int> usedAnchors;
        std::map<std::pair<int, int>, int> labelsInCell;
        std::map<std::pair<int, int>, int> controlsInCell;
        int lastRow = 0;
        bool tControlsStarted = false;
        for (const T008Move* m = layout.moves; m->controlId != 0; ++m)
        {
            const auto cell = cells.find(m->anchorId);
            ASSERT_NE(cells.end(), cell) << m->controlId << " moves onto " << m->anchorId << ", which is no anchor";
            EXPECT_TRUE(moved.insert(m->controlId).second) << m->controlId << " moves twice";
            EXPECT_TRUE(usedAnchors.insert(m->anchorId).second) << "two moves onto " << m->anchorId;
            EXPECT_FALSE(cell->second.row == 0 && cell->second.column == 0) << "the date row is taken";
            const std::pair<int, int> key{cell->second.row, cell->second.column};
            if (labels.count(m->controlId))
            {
                EXPECT_FALSE(tControlsStarted) << "label " << m->controlId << " after the first control";
                EXPECT_TRUE(cell->second.tLabel) << "label " << m->controlId << " onto control anchor " << m->anchorId;
                labelsInCell[key] = m->controlId;
            }
            else
            {
                tControlsStarted = true;
                EXPECT_EQ(1u, positions.count(m->controlId)) << m->controlId << " is neither label nor control";
                EXPECT_FALSE(cell->second.tLabel) << "control " << m->controlId << " onto label anchor " << m->anchorId;
                controlsInCell[key] = m->controlId;
            }
            lastRow = std::max(lastRow, cell->second.row);
        }
        // Every label and every list or edit box moves; each cell holds a pair.
        EXPECT_EQ(labels.size() + positions.size() - 3, moved.size());
        EXPECT_EQ(labelsInCell.size(), controlsInCell.size());
        for (const auto& [key, label] : labelsInCell)
            EXPECT_EQ(1u, controlsInCell.count(key)) << "label " << label << " has no control beside it";
        // The buttons take the row after the last one used, which stays empty.
        EXPECT_GE(layout.rowCount, lastRow + 2);
        EXPECT_LE(layout.rowCount, 11);
    }
}

TEST(T008BibliographicLayouts, ControlsFollowTheGridInTheirOrder)
{
    // The move table lists the controls in the order of the control table,
    // left column top down, then the right column.
    const std::map<int, TCell> cells = qxGridCells();
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        std::map<int, int> anchorOf;
        for (const T008Move* m = layout.moves; m->controlId != 0; ++m)
            anchorOf[m->controlId] = m->anchorId;
        std::pair<int, int> previous{0, 0};
        for (const T008ControlPosition* c = layout.controls + 3; c->controlId != 0; ++c)
        {
            ASSERT_EQ(1u, anchorOf.count(c->controlId)) << "control " << c->controlId << " is not moved";
            const TCell& cell = cells.at(anchorOf[c->controlId]);
            const std::pair<int, int> now{cell.column, cell.row};
            EXPECT_LT(previous, now) << "control " << c->controlId;
            previous = now;
        }
    }
}

TEST(T008BibliographicLayouts, CodeListsHaveOneCodeLengthAndNoRepeats)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
        {
            const TCodeListEntry* rows = l->codeList;
            ASSERT_NE(0u, rows[0].labelId) << "list " << l->listId << " is empty";
            const size_t length = std::strlen(rows[0].code);
            EXPECT_GE(length, 1u);
            std::set<std::string> codes;
            std::set<uint32_t> labelIds;
            int n = 0;
            for (; rows[n].labelId != 0; ++n)
            {
                ASSERT_LT(n, 200) << "list " << l->listId << " has no end row";
                EXPECT_EQ('\0', rows[n].code[sizeof(rows[n].code) - 1]);
                EXPECT_EQ(length, std::strlen(rows[n].code)) << "list " << l->listId << " row " << n;
                EXPECT_TRUE(codes.insert(rows[n].code).second) << "list " << l->listId << " code " << rows[n].code;
                EXPECT_TRUE(labelIds.insert(rows[n].labelId).second) << "list " << l->listId << " label " << rows[n].labelId;
            }
            // Every list offers "no attempt to code" last.
            EXPECT_EQ(std::string(length, '|'), rows[n - 1].code) << "list " << l->listId;
        }
    }
}

TEST(T008BibliographicLayouts, UndefinedRangesLieInsideTheFieldInOrder)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        int previousLast = 17; // 00-17 are defined for every material
        int count = 0;
        for (const T008Range* r = layout.undefined; r->first != 0; ++r, ++count)
        {
            EXPECT_LE(r->first, r->last);
            EXPECT_GT(r->first, previousLast);
            EXPECT_LT(r->last, 35); // 35-39 are defined for every material
            previousLast = r->last;
        }
        EXPECT_GE(count, 1);
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
        SCOPED_TRACE(qxName(*pxLayout));
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

TEST(T008BibliographicLayouts, SharedPositionsUseTheSameControlsEverywhere)
{
    const std::map<int, int> common{{6, 6106}, {7, 6134}, {11, 6135}, {15, 6137}, {35, 6141}, {38, 6131}, {39, 6133}};
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGetBibliographic008Layout(eMaterial);
        SCOPED_TRACE(qxName(layout));
        std::map<int, int> byPosition;
        for (const T008ControlPosition* c = layout.controls; c->controlId != 0; ++c)
            byPosition[c->position] = c->controlId;
        for (const auto& [position, id] : common)
            EXPECT_EQ(id, byPosition[position]) << "position " << position;
    }
}

TEST(T008BibliographicLayouts, TwoCharacterListsCoverTwoPositions)
{
    auto qiCodeLength = [](EMaterialType eMaterial, int iListId) {
        for (const T008List* l = qpxGetBibliographic008Layout(eMaterial)->lists; l->listId != 0; ++l)
            if (l->listId == iListId)
                return static_cast<int>(std::strlen(l->codeList[0].code));
        return 0;
    };
    EXPECT_EQ(2, qiCodeLength(eMusic, 6155));  // Form of composition, 18-19
    EXPECT_EQ(2, qiCodeLength(eMaps, 6147));   // Projection, 22-23
    EXPECT_EQ(1, qiCodeLength(eMusic, 6157));  // Format of music, 20
    EXPECT_EQ(1, qiCodeLength(eBooks, 6106));  // Type of date, 06
}
