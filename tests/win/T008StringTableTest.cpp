// The resources of the 008 layouts as OrvoFieldEditors.dll holds them: every
// code-list label, label text and title the tables name, the controls of
// dialog template 1002 and accelerator table 1002.
#include "editors/008/T008Layout.h"
#include "support/TLibraryResources.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
const EMaterialType kBibliographicMaterials[] = {eBooks, eComputerFiles,   eContinuingResources, eMusic,
                                                 eMaps,  eVisualMaterials, eMixedMaterials};

// Every layout there is: the seven bibliographic ones and the other formats'.
std::vector<const T008Layout*> qxAllLayouts()
{
    std::vector<const T008Layout*> xLayouts;
    for (EMaterialType eMaterial : kBibliographicMaterials)
        xLayouts.push_back(qpxGet008Layout(eBibliographic, eMaterial));
    for (EMarcType eFormat : {eAuthority, eHoldings, eCommunity, eClassification})
        xLayouts.push_back(qpxGet008Layout(eFormat, eUnknownMaterial));
    return xLayouts;
}

std::string qxName(const T008Layout& rxLayout)
{
    return qxNarrow(rxLayout.name);
}

// Label anchor -> control anchor of the same grid cell.
const std::map<int, int> kControlAnchorOfLabelAnchor = {
    {6007, 6008}, {6009, 6010}, {6011, 6076}, {6014, 6015}, {6016, 6017}, {6018, 6019}, {6020, 6021},
    {6022, 6023}, {6024, 6025}, {6026, 6027}, {6028, 6029}, {6030, 6031}, {6032, 6033}, {6034, 6035},
    {6036, 6037}, {6038, 6039}, {6040, 6041}, {6042, 6043}, {6044, 6045}};
}

TEST(T008StringTable, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhLibrary());
    int checked = 0;
    for (const T008Layout* pxLayout : qxAllLayouts())
    {
        ASSERT_NE(nullptr, pxLayout);
        const T008Layout& layout = *pxLayout;
        SCOPED_TRACE(qxName(layout));
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
            for (const TCodeListEntry* row = l->codeList; row->labelId != 0; ++row, ++checked)
                EXPECT_EQ("", qxCodeLabelProblem(*row)) << "list " << l->listId;
    }
    EXPECT_GT(checked, 400);
}

TEST(T008StringTable, LabelsThatTheCodeListsShareReadExactly)
{
    EXPECT_EQ(L"| - No attempt to code", qxString(23118));
    EXPECT_EQ(L"u - Unknown", qxString(23119));
    EXPECT_EQ(L"z - Other", qxString(23120));
    EXPECT_EQ(L"n - Not applicable ", qxString(23089));
    EXPECT_EQ(L"0 - Not a conference publication ", qxString(23172));
    EXPECT_EQ(L"dv - Divertimentos, serenades, cassations, divertissements, notturni ", qxString(23279));
    EXPECT_EQ(L"z - Other technique", qxString(24089));
}

TEST(T008StringTable, ReplacedLabelTextsNameThePositionsOfTheirRow)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGet008Layout(eBibliographic, eMaterial);
        SCOPED_TRACE(qxName(layout));
        std::map<int, int> anchorOf;
        std::map<int, int> movedOnto;
        for (const T008Move* m = layout.moves; m->controlId != 0; ++m)
        {
            anchorOf[m->controlId] = m->anchorId;
            movedOnto[m->anchorId] = m->controlId;
        }
        std::map<int, int> positionOf;
        for (const T008ControlPosition* c = layout.controls; c->controlId != 0; ++c)
            positionOf[c->controlId] = c->position;
        for (const T008Label* l = layout.labels; l->labelId != 0; ++l)
        {
            if (l->stringId == 0)
                continue;
            const std::wstring text = qxString(l->stringId);
            ASSERT_FALSE(text.empty()) << "label " << l->labelId << ": no string " << l->stringId;
            const int control = movedOnto[kControlAnchorOfLabelAnchor.at(anchorOf.at(l->labelId))];
            wchar_t expected[8];
            swprintf(expected, 8, L": (%02d", positionOf.at(control));
            EXPECT_NE(std::wstring::npos, text.find(expected)) << "string " << l->stringId << ": " << qxNarrow(text);
        }
    }
}

TEST(T008StringTable, TitlesAndTooltipsExist)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const std::wstring title = qxString(qdwGet008TitleId(eBibliographic, eMaterial));
        EXPECT_EQ(0u, title.find(L"008 Editor - Bibliographic - ")) << qxNarrow(title);
    }
    EXPECT_EQ(L"008 Editor - Bibliographic - Serials/Integrating Resources",
              qxString(qdwGet008TitleId(eBibliographic, eContinuingResources)));
    EXPECT_EQ(L"008 Editor - Unknown ", qxString(23000));
    for (uint32_t id : {23009u, 23011u, 23013u, 23018u, 23020u})
        EXPECT_EQ(0u, qxString(id).find(L"008 Editor - ")) << id;
    EXPECT_EQ(L"Close this dialog saving any changes", qxString(23014));
    EXPECT_EQ(L"Close this dialog canceling any changes", qxString(23015));
}

TEST(T008StringTable, TemplateHoldsEveryControlOfTheLayoutsHidden)
{
    TLibraryTemplate dialog(1002);
    ASSERT_NE(nullptr, dialog.qhGet());
    EXPECT_EQ(L"Field 008 Editor", dialog.qxCaption());
    // Visible from the start: the field line, its caption and the date entered on file.
    for (int id : {6003, 6004, 6006})
        EXPECT_TRUE(dialog.qiStyle(id) & WS_VISIBLE) << id;
    EXPECT_TRUE(dialog.qiStyle(6004) & SS_SUNKEN);
    EXPECT_TRUE(dialog.qiStyle(6006) & ES_NUMBER);
    for (int id : {6001, 6002, 6005})
        EXPECT_FALSE(dialog.qiStyle(id) & WS_VISIBLE) << id;
    for (int id : {6001, 6002})
        EXPECT_TRUE(dialog.qiStyle(id) & BS_NOTIFY) << id;
    EXPECT_EQ(BS_DEFPUSHBUTTON, dialog.qiStyle(6002) & 0x0F);

    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const T008Layout& layout = *qpxGet008Layout(eBibliographic, eMaterial);
        SCOPED_TRACE(qxName(layout));
        for (const T008Label* l = layout.labels; l->labelId != 0; ++l)
        {
            ASSERT_NE(nullptr, dialog.qhItem(l->labelId)) << "label " << l->labelId;
            EXPECT_EQ(0, _wcsicmp(L"Static", dialog.qxClass(l->labelId).c_str())) << l->labelId;
            EXPECT_FALSE(dialog.qiStyle(l->labelId) & WS_VISIBLE) << l->labelId;
        }
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
        {
            ASSERT_NE(nullptr, dialog.qhItem(l->listId)) << "list " << l->listId;
            EXPECT_EQ(0, _wcsicmp(L"ComboBox", dialog.qxClass(l->listId).c_str())) << l->listId;
            const LONG_PTR style = dialog.qiStyle(l->listId);
            EXPECT_EQ(CBS_DROPDOWNLIST, style & 0x3) << l->listId;
            // WS_VSCROLL goes on to the drop-down list and does not show here.
            EXPECT_TRUE((style & CBS_SORT) && (style & WS_TABSTOP)) << l->listId;
            EXPECT_FALSE(style & WS_VISIBLE) << l->listId;
        }
        for (const T008Edit* e = layout.edits; e->editId != 0; ++e)
        {
            ASSERT_NE(nullptr, dialog.qhItem(e->editId)) << "edit " << e->editId;
            EXPECT_EQ(0, _wcsicmp(L"Edit", dialog.qxClass(e->editId).c_str())) << e->editId;
            const LONG_PTR style = dialog.qiStyle(e->editId);
            EXPECT_FALSE(style & WS_VISIBLE) << e->editId;
            EXPECT_TRUE((style & WS_TABSTOP) && (style & ES_AUTOHSCROLL)) << e->editId;
            EXPECT_FALSE(style & ES_NUMBER) << e->editId;
            // The dates take "u" and "|" as they are typed; every other box lowercases.
            const bool tNoCase = e->editId == 6134 || e->editId == 6135;
            EXPECT_EQ(!tNoCase, (style & ES_LOWERCASE) != 0) << e->editId;
        }
    }
}

TEST(T008StringTable, TabAndShiftTabBecomeTheFocusCommands)
{
    const std::map<BYTE, WORD> xCommands = qxAcceleratorCommands(1002, VK_TAB);
    ASSERT_EQ(2u, xCommands.size());
    EXPECT_EQ(2000, xCommands.at(FVIRTKEY));
    EXPECT_EQ(2001, xCommands.at(FVIRTKEY | FSHIFT));
}
