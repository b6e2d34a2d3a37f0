// Every layout of every fixed-length field editor (006, 007, 008) with the grid
// of its dialog template, and the rules each layout's tables must satisfy: the
// control table, the lists and edit boxes, the positions of the field, the
// grid cells and the code lists agree with one another.
#pragma once

#include "core/TCodeMatch.h"
#include "core/T006Layout.h"
#include "core/T007Categories.h"
#include "core/T008Layout.h"
#include "resources/006EditorIds.h"
#include "resources/007EditorIds.h"
#include "resources/008EditorIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

struct TGridCell
{
    int row;
    int column;
    bool tLabel; // in the label half of the cell
};

struct TLayoutCase
{
    std::string name; // "008 Books"
    const TFieldLayout* layout;
    int templateId;
    int fieldLength;
    int okId, cancelId, firstId;          // the control table's first three entries
    int firstWidth;                       // the positions from 00 the third one edits
    const std::map<int, TGridCell>* grid; // anchor -> cell
    int buttonRowGap;                     // the buttons stand at least this many rows below the last one used
    std::set<int> unaccounted;            // positions exempt from "edited once or undefined, never both"
    bool tFillLast;                       // every list offers the fill character last
};

// gtest names a failing case by this.
inline void PrintTo(const TLayoutCase& rxCase, std::ostream* pxOut)
{
    *pxOut << rxCase.name;
}

inline std::string qxNarrowName(const wchar_t* pwcName)
{
    std::string xName;
    for (; *pwcName; ++pwcName)
        xName += static_cast<char>(*pwcName);
    return xName;
}

// A grid from its anchors row by row: in each cell a label anchor, then a
// control anchor; iColumns cells a row, the first row numbered iFirstRow.
inline std::map<int, TGridCell> qxGrid(const std::vector<int>& rxAnchors, int iColumns, int iFirstRow)
{
    std::map<int, TGridCell> xGrid;
    for (std::size_t i = 0; i < rxAnchors.size(); ++i)
    {
        const int iCell = static_cast<int>(i / 2);
        xGrid[rxAnchors[i]] = {iFirstRow + iCell / iColumns, iCell % iColumns, i % 2 == 0};
    }
    return xGrid;
}

// Row 0 is the form-of-material row, above the grid.
inline const std::map<int, TGridCell>& qrx006Grid()
{
    static const std::map<int, TGridCell> xGrid =
        qxGrid({4004, 4005, 4006, 4007, 4009, 4010, 4011, 4012, 4013, 4014, 4015,
                4016, 4017, 4018, 4019, 4020, 4021, 4022, 4023, 4024, 4025, 4026},
               1, 1);
    return xGrid;
}

// Row 0 is the category row, above the grid.
inline const std::map<int, TGridCell>& qrx007Grid()
{
    static const std::map<int, TGridCell> xGrid = [] {
        std::vector<int> xAnchors;
        for (int n = 0; n < IDC_007_ROW_COUNT; ++n)
            xAnchors.insert(xAnchors.end(), {IDC_007_LABEL_1 + 2 * n, IDC_007_LIST_1 + 2 * n});
        return qxGrid(xAnchors, 1, 1);
    }();
    return xGrid;
}

// Row 0 of the left column is the date entered on file.
inline const std::map<int, TGridCell>& qrx008Grid()
{
    static const std::map<int, TGridCell> xGrid =
        qxGrid({6005, 6006, 6026, 6027, 6007, 6008, 6028, 6029, 6009, 6010, 6030, 6031, 6011, 6076,
                6032, 6033, 6014, 6015, 6034, 6035, 6016, 6017, 6036, 6037, 6018, 6019, 6038, 6039,
                6020, 6021, 6040, 6041, 6022, 6023, 6042, 6043, 6024, 6025, 6044, 6045},
               2, 0);
    return xGrid;
}

inline const EMaterialType* qpe006Groups()
{
    static const EMaterialType kGroups[] = {eBooks, eComputerFiles,   eContinuingResources, eMusic,
                                            eMaps,  eVisualMaterials, eMixedMaterials,      eUnknownMaterial};
    return kGroups;
}

// The seven 006 layouts, the eleven 008 layouts and the sixteen 007 ones.
inline std::vector<TLayoutCase> qxAllLayoutCases()
{
    std::vector<TLayoutCase> xCases;
    // 006 10 of computer files and 03 of continuing resources are neither
    // edited nor undefined, as 008 27 and 20.
    for (const EMaterialType* pe = qpe006Groups(); *pe != eUnknownMaterial; ++pe)
    {
        const TFieldLayout* pxLayout = qpxGet006Layout(*pe);
        const std::set<int> xUnaccounted = *pe == eComputerFiles         ? std::set<int>{10}
                                           : *pe == eContinuingResources ? std::set<int>{3}
                                                                         : std::set<int>{};
        xCases.push_back({"006 " + qxNarrowName(pxLayout->name), pxLayout, IDD_006_EDITOR, k006FieldLength, IDC_006_OK,
                          IDC_006_CANCEL, IDC_006_FORM_OF_MATERIAL, 1, &qrx006Grid(), 1, xUnaccounted, true});
    }
    const std::pair<EMarcType, EMaterialType> k008[] = {{eBibliographic, eBooks},
                                                        {eBibliographic, eComputerFiles},
                                                        {eBibliographic, eContinuingResources},
                                                        {eBibliographic, eMusic},
                                                        {eBibliographic, eMaps},
                                                        {eBibliographic, eVisualMaterials},
                                                        {eBibliographic, eMixedMaterials},
                                                        {eAuthority, eUnknownMaterial},
                                                        {eHoldings, eUnknownMaterial},
                                                        {eCommunity, eUnknownMaterial},
                                                        {eClassification, eUnknownMaterial}};
    // Authority 18 and continuing resources 20 are neither edited nor
    // undefined; music 21 and 33 and computer files 23 are both.
    const std::map<std::wstring, std::set<int>> k008Unaccounted = {
        {L"Authority", {18}}, {L"Continuing resources", {20}}, {L"Music", {21, 33}}, {L"Computer files", {23}}};
    for (const auto& [eFormat, eMaterial] : k008)
    {
        const TFieldLayout* pxLayout = qpxGet008Layout(eFormat, eMaterial);
        const auto unaccounted = k008Unaccounted.find(pxLayout->name);
        xCases.push_back({"008 " + qxNarrowName(pxLayout->name), pxLayout, IDD_008_EDITOR, 40, IDC_008_OK,
                          IDC_008_CANCEL, IDC_008_DATE_ENTERED, 6, &qrx008Grid(), 2,
                          unaccounted == k008Unaccounted.end() ? std::set<int>{} : unaccounted->second,
                          eFormat == eBibliographic});
    }
    // 007 02 is shown inactive in every category, even e's, which edits it,
    // and in those whose field ends before it.
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
    {
        const T007Category& rxCategory = qrx007Category(*p);
        if (qt007HasLayout(rxCategory))
            xCases.push_back({"007 " + qxNarrowName(rxCategory.layout->name),
                              rxCategory.layout,
                              IDD_007_EDITOR,
                              rxCategory.fieldLength,
                              IDC_007_OK,
                              IDC_007_CANCEL,
                              IDC_007_CATEGORY,
                              1,
                              &qrx007Grid(),
                              2,
                              {2},
                              false});
    }
    return xCases;
}

// Where each label and list or edit box of the layout stands once the layout
// is built: on the anchor it is moved onto, or on itself when it is an anchor.
inline std::map<int, TGridCell> qxCells(const TLayoutCase& rxCase)
{
    std::map<int, int> xAnchorOf;
    for (const TControlMove* m = rxCase.layout->moves; m->controlId != 0; ++m)
        xAnchorOf[m->controlId] = m->anchorId;
    std::vector<int> xItems;
    for (const TLayoutLabel* l = rxCase.layout->labels; l->labelId != 0; ++l)
        xItems.push_back(l->labelId);
    for (const TControlPosition* c = rxCase.layout->controls + 3; c->controlId != 0; ++c)
        xItems.push_back(c->controlId);
    std::map<int, TGridCell> xCells;
    for (int id : xItems)
    {
        const auto anchor = xAnchorOf.find(id);
        const auto cell = rxCase.grid->find(anchor != xAnchorOf.end() ? anchor->second : id);
        if (cell != rxCase.grid->end())
            xCells[id] = cell->second;
    }
    return xCells;
}

// The control that stands beside each label once the layout is built.
inline std::map<int, int> qxControlBesideLabel(const TLayoutCase& rxCase)
{
    std::map<std::pair<int, int>, int> xControlIn;
    std::map<int, int> xBeside;
    const std::map<int, TGridCell> xCells = qxCells(rxCase);
    for (const auto& [id, cell] : xCells)
        if (!cell.tLabel)
            xControlIn[{cell.row, cell.column}] = id;
    for (const auto& [id, cell] : xCells)
        if (cell.tLabel && xControlIn.count({cell.row, cell.column}))
            xBeside[id] = xControlIn[{cell.row, cell.column}];
    return xBeside;
}

// A code list: one code width, no code or label twice; with tFillLast, the
// fill character ("no attempt to code") offered last.
inline void qvExpectCodeListRules(const TCodeListEntry* pxList, int iListId, bool tFillLast)
{
    ASSERT_NE(nullptr, pxList) << "list " << iListId;
    ASSERT_NE(0u, pxList[0].labelId) << "list " << iListId << " is empty";
    const std::size_t dwWidth = ::strnlen(pxList[0].code, sizeof(pxList[0].code));
    EXPECT_GE(dwWidth, 1u) << "list " << iListId;
    std::set<std::string> xCodes;
    std::set<uint32_t> xLabels;
    for (int n = 0; pxList[n].labelId != 0; ++n)
    {
        ASSERT_LT(n, 300) << "list " << iListId << " has no end row";
        const TCodeListEntry& rxRow = pxList[n];
        ASSERT_EQ('\0', rxRow.code[sizeof(rxRow.code) - 1]) << "list " << iListId;
        EXPECT_EQ(dwWidth, std::strlen(rxRow.code)) << "list " << iListId << " row " << n;
        EXPECT_TRUE(xCodes.insert(rxRow.code).second) << "list " << iListId << " repeats '" << rxRow.code << "'";
        EXPECT_TRUE(xLabels.insert(rxRow.labelId).second) << "list " << iListId << " label " << rxRow.labelId;
        if (tFillLast && pxList[n + 1].labelId == 0)
        {
            EXPECT_EQ(std::string(dwWidth, '|'), rxRow.code)
                << "list " << iListId << " ends without the fill character";
        }
    }
}

// A field as the editor first shows it: each list finds one row (none at the
// positions rxNoRow; with tBlankIsUnset blanks may find none), each
// edit box accepts what it holds (blanks too with tBlankIsUnset), and an
// undefined position holds a blank.
inline void qvExpectShownAsItStands(const std::string& rxField, const TFieldLayout& rxLayout, bool tBlankIsUnset,
                                    const std::set<int>& rxNoRow = {})
{
    const std::string xWhere = " of \"" + rxField + "\"";
    for (const TLayoutList* l = rxLayout.lists; l->listId != 0; ++l)
    {
        const std::size_t dwWidth = std::strlen(l->codeList[0].code);
        ASSERT_LE(l->position + dwWidth, rxField.size());
        int iMatches = 0;
        for (const TCodeListEntry* row = l->codeList; row->labelId != 0; ++row)
            iMatches += qtCodeMatches(rxField.c_str() + l->position, row->code) ? 1 : 0;
        if (tBlankIsUnset && rxField.compare(l->position, dwWidth, std::string(dwWidth, ' ')) == 0)
            iMatches = 1;
        EXPECT_EQ(rxNoRow.count(l->position) ? 0 : 1, iMatches) << "position " << l->position << xWhere;
    }
    for (const TLayoutEdit* e = rxLayout.edits; e->editId != 0; ++e)
    {
        ASSERT_LE(static_cast<std::size_t>(e->position + e->length), rxField.size());
        for (int i = e->position; i < e->position + e->length; ++i)
            EXPECT_TRUE(!e->allowedChars || std::strchr(e->allowedChars, rxField[i]) ||
                        (tBlankIsUnset && rxField[i] == ' '))
                << "position " << i << xWhere;
    }
    for (const TPositionRange* r = rxLayout.undefined; r->first != 0; ++r)
        for (int i = r->first; i <= r->last && i < static_cast<int>(rxField.size()); ++i)
            EXPECT_EQ(' ', rxField[i]) << "position " << i << xWhere;
}

inline void qvExpectLayoutRules(const TLayoutCase& rxCase)
{
    const TFieldLayout& rxLayout = *rxCase.layout;
    const TControlPosition* c = rxLayout.controls;
    // OK, Cancel and the control of position 00 open the control table.
    ASSERT_EQ(rxCase.okId, c[0].controlId);
    EXPECT_EQ(-1, c[0].position);
    ASSERT_EQ(rxCase.cancelId, c[1].controlId);
    EXPECT_EQ(-1, c[1].position);
    ASSERT_EQ(rxCase.firstId, c[2].controlId);
    EXPECT_EQ(0, c[2].position);

    // Then every list and edit box, each once, in ascending position, each
    // described once with the position the control table gives it. Every
    // position of the field is edited by one control or undefined, never both;
    // nothing lies outside the field.
    std::map<int, int> xPositionOf;
    for (const TControlPosition* p = c + 3; p->controlId != 0; ++p)
    {
        EXPECT_GT(p->position, (p - 1)->position) << p->controlId;
        EXPECT_TRUE(xPositionOf.emplace(p->controlId, p->position).second) << p->controlId << " twice";
    }
    std::vector<int> xUses(static_cast<std::size_t>(rxCase.fieldLength), 0);
    auto qvUse = [&](int iFirst, int iCount, const std::string& rxWhat) {
        for (int i = iFirst; i < iFirst + iCount; ++i)
        {
            if (rxCase.unaccounted.count(i))
                continue;
            if (i < 0 || i >= rxCase.fieldLength)
                ADD_FAILURE() << rxWhat << " reaches position " << i;
            else
                ++xUses[static_cast<std::size_t>(i)];
        }
    };
    std::map<int, int> xDescribed;
    for (const TLayoutList* l = rxLayout.lists; l->listId != 0; ++l)
    {
        EXPECT_TRUE(xDescribed.emplace(l->listId, l->position).second) << "list " << l->listId << " twice";
        qvUse(l->position, static_cast<int>(::strnlen(l->codeList[0].code, sizeof(l->codeList[0].code))),
              "list " + std::to_string(l->listId));
        qvExpectCodeListRules(l->codeList, l->listId, rxCase.tFillLast);
    }
    for (const TLayoutEdit* e = rxLayout.edits; e->editId != 0; ++e)
    {
        EXPECT_TRUE(xDescribed.emplace(e->editId, e->position).second) << "edit " << e->editId << " twice";
        qvUse(e->position, e->length, "edit " + std::to_string(e->editId));
        EXPECT_TRUE(e->length >= 1 && (e->allowedChars == nullptr || *e->allowedChars != '\0')) << "edit " << e->editId;
    }
    EXPECT_EQ(xPositionOf, xDescribed) << "the control table and the lists and edit boxes disagree";

    qvUse(0, rxCase.firstWidth, "the first control");
    int iPreviousLast = -1;
    for (const TPositionRange* r = rxLayout.undefined; r->first != 0; ++r)
    {
        EXPECT_LE(r->first, r->last);
        EXPECT_GT(r->first, iPreviousLast) << "undefined ranges out of order";
        iPreviousLast = r->last;
        qvUse(r->first, r->last - r->first + 1, "an undefined range");
    }
    for (int i = 0; i < rxCase.fieldLength; ++i)
        if (!rxCase.unaccounted.count(i))
        {
            EXPECT_EQ(1, xUses[static_cast<std::size_t>(i)]) << "position " << i << " edited or undefined so often";
        }

    // Each label and control stands on one cell of the grid, labels in label
    // halves and controls in control halves, never two on one cell, each
    // beside its partner, the controls in focus order down the left column
    // and then the right, the labels moved before any control.
    const std::map<int, TGridCell> xCells = qxCells(rxCase);
    std::set<int> xLabels;
    std::vector<int> xItems; // the labels, then the controls in focus order
    for (const TLayoutLabel* l = rxLayout.labels; l->labelId != 0; ++l)
    {
        EXPECT_TRUE(xLabels.insert(l->labelId).second) << "label " << l->labelId << " twice";
        xItems.push_back(l->labelId);
    }
    for (const TControlPosition* p = c + 3; p->controlId != 0; ++p)
        xItems.push_back(p->controlId);
    std::set<std::tuple<int, int, bool>> xTaken; // row, column, label half
    std::pair<int, int> xPrevious{-1, -1};
    int iLastRow = 0;
    for (int id : xItems)
    {
        ASSERT_EQ(1u, xCells.count(id)) << id << " stands nowhere on the grid";
        const TGridCell& cell = xCells.at(id);
        const bool tLabel = xLabels.count(id) != 0;
        EXPECT_EQ(tLabel, cell.tLabel) << id << " in the other half of its cell";
        EXPECT_TRUE(xTaken.insert({cell.row, cell.column, cell.tLabel}).second) << id << " on a taken cell";
        if (!tLabel)
        {
            EXPECT_LT(xPrevious, std::pair(cell.column, cell.row)) << id << " out of focus order";
            xPrevious = {cell.column, cell.row};
        }
        iLastRow = std::max(iLastRow, cell.row);
    }
    for (const auto& [row, column, tLabel] : xTaken)
        EXPECT_EQ(1u, xTaken.count({row, column, !tLabel}))
            << "nothing beside the one in row " << row << ", column " << column;
    if (const auto first = rxCase.grid->find(rxCase.firstId); first != rxCase.grid->end())
    {
        EXPECT_EQ(0u, xTaken.count({first->second.row, first->second.column, false}))
            << "a control on the first one's cell";
    }
    std::set<int> xMoved;
    bool tControlMoved = false;
    for (const TControlMove* m = rxLayout.moves; m->controlId != 0; ++m)
    {
        EXPECT_TRUE(xMoved.insert(m->controlId).second) << m->controlId << " moves twice";
        const bool tLabel = xLabels.count(m->controlId) != 0;
        EXPECT_TRUE(tLabel || xPositionOf.count(m->controlId)) << m->controlId << " is not in the layout";
        EXPECT_FALSE(tLabel && tControlMoved) << "label " << m->controlId << " moved after a control";
        tControlMoved = tControlMoved || !tLabel;
    }
    EXPECT_GE(rxLayout.rowCount, iLastRow + rxCase.buttonRowGap) << "the buttons cover the last row";
}
