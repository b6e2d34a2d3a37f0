// The resources of the 006 editor as OrvoFieldEditors.dll holds them: every
// code-list label, title and label text its tables name, dialog template 1000
// and accelerator table 1000.
#include "editors/006/T006Layout.h"
#include "support/TLibraryResources.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace
{
const EMaterialType kGroups[] = {eBooks, eComputerFiles, eContinuingResources, eMusic,
                                 eMaps,  eVisualMaterials, eMixedMaterials};
const std::set<int> kAlwaysShown = {4001, 4002, 4003, 4027, 4028, 4030};
// Label anchor -> control anchor of the same grid row.
const std::map<int, int> kRowOfLabelAnchor = {{4004, 4005}, {4006, 4007}, {4009, 4010}, {4011, 4012},
                                              {4013, 4014}, {4015, 4016}, {4017, 4018}, {4019, 4020},
                                              {4021, 4022}, {4023, 4024}, {4025, 4026}};

// The control that stands beside a label once the layout is built.
std::map<int, int> qxControlBesideLabel(const TFieldLayout& rxLayout)
{
    std::map<int, int> xStandsOn; // label or control -> the anchor it stands on
    for (const auto& [label, control] : kRowOfLabelAnchor)
    {
        xStandsOn[label] = label;
        xStandsOn[control] = control;
    }
    for (const TControlMove* m = rxLayout.moves; m->controlId != 0; ++m)
        xStandsOn[m->controlId] = m->anchorId;
    std::map<int, int> xOnAnchor;
    for (const TControlPosition* c = rxLayout.controls + 3; c->controlId != 0; ++c)
        xOnAnchor[xStandsOn[c->controlId]] = c->controlId;
    std::map<int, int> xBeside;
    for (const TLayoutLabel* l = rxLayout.labels; l->labelId != 0; ++l)
        xBeside[l->labelId] = xOnAnchor[kRowOfLabelAnchor.at(xStandsOn[l->labelId])];
    return xBeside;
}
}

TEST(T006StringTable, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhLibrary());
    int iChecked = 0;
    for (const TCodeListEntry* row = qpxGet006FormList(true); row->labelId != 0; ++row, ++iChecked)
        EXPECT_EQ("", qxCodeLabelProblem(*row)) << "form of material";
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        SCOPED_TRACE(qxNarrow(layout.name));
        for (const TLayoutList* l = layout.lists; l->listId != 0; ++l)
            for (const TCodeListEntry* row = l->codeList; row->labelId != 0; ++row, ++iChecked)
                EXPECT_EQ("", qxCodeLabelProblem(*row)) << "list " << l->listId;
    }
    EXPECT_GT(iChecked, 300);
    // The lists that differ from their 008 counterparts.
    EXPECT_EQ(L"# - Unknown or not specified", qxString(20101));
    EXPECT_EQ(L"k - Vocal score", qxString(20028));
    EXPECT_EQ(L"z - Other", qxString(23120));
}

TEST(T006StringTable, TitlesNameTheFormAndLabelsNameThePositionsOfTheirRow)
{
    std::set<std::wstring> xTitles;
    for (const TCodeListEntry* row = qpxGet006FormList(false); row->labelId != 0; ++row)
    {
        const std::wstring xTitle = qxString(qdwGet006TitleId(row->code[0]));
        EXPECT_EQ(0u, xTitle.find(L"006 Editor - ")) << row->code;
        EXPECT_TRUE(xTitles.insert(xTitle).second) << qxNarrow(xTitle);
    }
    EXPECT_EQ(L"006 Editor - Unknown", qxString(qdwGet006TitleId('u')));
    EXPECT_EQ(L"006 Editor - Three-dimensional Aritfact or Naturally Occurring Object",
              qxString(qdwGet006TitleId('r')));
    EXPECT_EQ(L"Close this dialog saving any changes", qxString(21009));
    EXPECT_EQ(L"Close this dialog canceling any changes", qxString(21010));

    TLibraryTemplate dialog(1000);
    ASSERT_NE(nullptr, dialog.qhGet());
    std::map<int, int> xPositionOf;
    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        SCOPED_TRACE(qxNarrow(layout.name));
        for (const TControlPosition* c = layout.controls; c->controlId != 0; ++c)
            xPositionOf[c->controlId] = c->position;
        for (const auto& [label, control] : qxControlBesideLabel(layout))
        {
            uint32_t dwStringId = 0;
            for (const TLayoutLabel* l = layout.labels; l->labelId != 0; ++l)
                if (l->labelId == label)
                    dwStringId = l->stringId;
            const std::wstring xText = dwStringId != 0 ? qxString(dwStringId) : dialog.qxText(label);
            wchar_t awcPosition[8];
            swprintf(awcPosition, 8, L": (%02d", xPositionOf[control]);
            EXPECT_NE(std::wstring::npos, xText.find(awcPosition)) << label << ": " << qxNarrow(xText);
        }
    }
}

TEST(T006StringTable, TemplateHoldsTheFormListAndEveryLayoutsControlsHidden)
{
    TLibraryTemplate dialog(1000);
    ASSERT_NE(nullptr, dialog.qhGet());
    EXPECT_EQ(L"<Field 006 Editor>", dialog.qxCaption());
    EXPECT_EQ(L"Form of material: (00)", dialog.qxText(4003));
    EXPECT_EQ(BS_DEFPUSHBUTTON, dialog.qiStyle(4027) & 0x0F);
    for (int id : {4027, 4028})
        EXPECT_TRUE(dialog.qiStyle(id) & BS_NOTIFY) << id;

    // The children are the six always shown and the hidden set, nothing else.
    std::set<int> xHidden;
    for (const int* p = k006HiddenControls; *p != 0; ++p)
        xHidden.insert(*p);
    for (HWND h = ::GetWindow(dialog.qhGet(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        const int id = ::GetDlgCtrlID(h);
        EXPECT_TRUE(kAlwaysShown.count(id) || xHidden.erase(id)) << id << " is in neither set";
        EXPECT_EQ(kAlwaysShown.count(id) == 1, (dialog.qiStyle(id) & WS_VISIBLE) != 0) << id;
    }
    EXPECT_TRUE(xHidden.empty()) << "hidden controls the template lacks: " << ::testing::PrintToString(xHidden);

    for (EMaterialType eGroup : kGroups)
    {
        const TFieldLayout& layout = *qpxGet006Layout(eGroup);
        for (const TLayoutLabel* l = layout.labels; l->labelId != 0; ++l)
            EXPECT_EQ(0, _wcsicmp(L"Static", dialog.qxClass(l->labelId).c_str())) << l->labelId;
        for (const TLayoutList* l = layout.lists; l->listId != 0; ++l)
        {
            EXPECT_EQ(0, _wcsicmp(L"ComboBox", dialog.qxClass(l->listId).c_str())) << l->listId;
            EXPECT_EQ(CBS_DROPDOWNLIST, dialog.qiStyle(l->listId) & 0x3) << l->listId;
            EXPECT_TRUE(dialog.qiStyle(l->listId) & WS_TABSTOP) << l->listId;
        }
        // Edit boxes keep what is typed as it is typed: no case or number style.
        for (const TLayoutEdit* e = layout.edits; e->editId != 0; ++e)
        {
            EXPECT_EQ(0, _wcsicmp(L"Edit", dialog.qxClass(e->editId).c_str())) << e->editId;
            EXPECT_EQ(0, dialog.qiStyle(e->editId) & (ES_LOWERCASE | ES_UPPERCASE | ES_NUMBER)) << e->editId;
            EXPECT_TRUE(dialog.qiStyle(e->editId) & WS_TABSTOP) << e->editId;
        }
    }

    const std::map<BYTE, WORD> xCommands = qxAcceleratorCommands(1000, VK_TAB);
    ASSERT_EQ(2u, xCommands.size());
    EXPECT_EQ(2000, xCommands.at(FVIRTKEY));
    EXPECT_EQ(2001, xCommands.at(FVIRTKEY | FSHIFT));
}
