// The resources of the editors as OrvoFieldEditors.dll holds them: every
// code-list label the tables name, the row labels, titles and tips, the
// controls of the layouts in the dialog templates.
#include "core/T856CodeLists.h"
#include "resources/856EditorIds.h"
#include "support/TLayoutRules.h"
#include "support/TLibraryResources.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
const TLibraryTemplate& qrxTemplate(int iTemplateId)
{
    static std::map<int, std::unique_ptr<TLibraryTemplate>> xTemplates;
    std::unique_ptr<TLibraryTemplate>& rpxTemplate = xTemplates[iTemplateId];
    if (!rpxTemplate)
        rpxTemplate = std::make_unique<TLibraryTemplate>(iTemplateId);
    return *rpxTemplate;
}

bool qtIsOtherFormat008(const TFieldLayout& rxLayout)
{
    for (EMarcType eFormat : {eAuthority, eHoldings, eCommunity, eClassification})
        if (&rxLayout == qpxGetOtherFormat008Layout(eFormat))
            return true;
    return false;
}

bool qtIsClass(const TLibraryTemplate& rxTemplate, int iId, const wchar_t* pwcClass)
{
    return _wcsicmp(pwcClass, rxTemplate.qxClass(iId).c_str()) == 0;
}
}

TEST(StringTables, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhLibrary());
    std::vector<std::pair<std::string, const TCodeListEntry*>> xLists = {
        {"006 form of material", qpxGet006FormList(true)},
        {"856 first indicator", k856FirstIndicators_static},
        {"856 second indicator", k856SecondIndicators_static},
        {"856 non-repeatable subfields", k856NonRepeatableCodes_static},
        {"856 repeatable subfields", k856RepeatableCodes_static}};
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
        xLists.push_back({std::string("007 category list of ") + *p, qpx007CategoryList(*p)});
    for (const TLayoutCase& rxCase : qxAllLayoutCases())
        for (const TLayoutList* l = rxCase.layout->lists; l->listId != 0; ++l)
            xLists.push_back({rxCase.name + " list " + std::to_string(l->listId), l->codeList});
    int iChecked = 0;
    for (const auto& [xWhat, pxList] : xLists)
        for (const TCodeListEntry* pxRow = pxList; pxRow->labelId != 0; ++pxRow, ++iChecked)
            EXPECT_EQ("", qxCodeLabelProblem(*pxRow)) << xWhat;
    EXPECT_GT(iChecked, 1500);

    // The access methods are named, not coded: each by a name of its own.
    std::set<std::wstring> xNames;
    for (const TCodeListEntry* pxRow = k856AccessMethods_static; pxRow->labelId != 0; ++pxRow)
    {
        EXPECT_FALSE(qxString(pxRow->labelId).empty()) << pxRow->labelId;
        EXPECT_TRUE(xNames.insert(qxString(pxRow->labelId)).second) << pxRow->labelId;
    }
    EXPECT_EQ(7u, xNames.size());
}

// A label's text, from the template or the string table, names the first
// position of the control beside it: "Date1: (07-10)" beside the box at 07.
TEST(StringTables, EachRowLabelNamesThePositionOfTheControlBesideIt)
{
    for (const TLayoutCase& rxCase : qxAllLayoutCases())
    {
        SCOPED_TRACE(rxCase.name);
        const TLibraryTemplate& rxTemplate = qrxTemplate(rxCase.templateId);
        ASSERT_NE(nullptr, rxTemplate.qhGet());
        std::map<int, int> xPositionOf;
        for (const TControlPosition* c = rxCase.layout->controls; c->controlId != 0; ++c)
            xPositionOf[c->controlId] = c->position;
        std::map<int, uint32_t> xStringOf;
        for (const TLayoutLabel* l = rxCase.layout->labels; l->labelId != 0; ++l)
            xStringOf[l->labelId] = l->stringId;
        for (const auto& [iLabel, iControl] : qxControlBesideLabel(rxCase))
        {
            const std::wstring xText = xStringOf[iLabel] != 0 ? qxString(xStringOf[iLabel]) : rxTemplate.qxText(iLabel);
            wchar_t awcPosition[8];
            std::swprintf(awcPosition, 8, L": (%02d", xPositionOf.at(iControl));
            EXPECT_NE(std::wstring::npos, xText.find(awcPosition)) << iLabel << " reads \"" << qxNarrow(xText) << "\"";
        }
    }
}

// Each 006 form has a title of its own, each 007 category a name that begins
// with its code, and each editor its tips. (Each 007 and 008 title: the
// editors' tests.)
TEST(StringTables, Every006FormHasItsTitleEvery007CategoryItsNameAndEveryEditorItsTips)
{
    std::set<std::wstring> x006Titles;
    for (const TCodeListEntry* pxRow = qpxGet006FormList(true); pxRow->labelId != 0; ++pxRow)
    {
        const std::wstring xTitle = qxString(qdwGet006TitleId(pxRow->code[0]));
        EXPECT_EQ(0u, xTitle.find(L"006 Editor - ")) << pxRow->code;
        EXPECT_TRUE(x006Titles.insert(xTitle).second) << qxNarrow(xTitle);
    }
    for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
        EXPECT_EQ(0u, qxString(qrx007Category(*p).nameId).find(std::wstring(1, static_cast<wchar_t>(*p)) + L" - "));
    for (const auto& [iOk, iCancel] : {std::pair{IDS_006_TIP_OK, IDS_006_TIP_CANCEL},
                                       {IDS_007_TIP_OK, IDS_007_TIP_CANCEL},
                                       {IDS_008_TIP_OK, IDS_008_TIP_CANCEL},
                                       {IDS_856_TIP_OK, IDS_856_TIP_CANCEL}})
    {
        EXPECT_EQ(L"Close this dialog saving any changes", qxString(iOk)) << iOk;
        EXPECT_EQ(L"Close this dialog canceling any changes", qxString(iCancel)) << iCancel;
    }
}

// Every label, list and edit box a layout shows is in its template, hidden
// until a layout shows it. (Tab through the accelerators: the editors' tests.)
TEST(StringTables, TemplatesHoldTheLayoutsControlsHidden)
{
    for (const TLayoutCase& rxCase : qxAllLayoutCases())
    {
        SCOPED_TRACE(rxCase.name);
        const TLibraryTemplate& rxTemplate = qrxTemplate(rxCase.templateId);
        EXPECT_EQ(BS_DEFPUSHBUTTON, rxTemplate.qiStyle(rxCase.okId) & 0x0F);
        for (int iButton : {rxCase.okId, rxCase.cancelId})
            EXPECT_EQ(rxCase.templateId != IDD_007_EDITOR, (rxTemplate.qiStyle(iButton) & BS_NOTIFY) != 0) << iButton;
        for (const TLayoutLabel* l = rxCase.layout->labels; l->labelId != 0; ++l)
        {
            EXPECT_TRUE(qtIsClass(rxTemplate, l->labelId, L"Static")) << l->labelId;
            EXPECT_FALSE(rxTemplate.qiStyle(l->labelId) & WS_VISIBLE) << l->labelId;
        }
        for (const TLayoutList* l = rxCase.layout->lists; l->listId != 0; ++l)
        {
            EXPECT_TRUE(qtIsClass(rxTemplate, l->listId, L"ComboBox")) << l->listId;
            const LONG_PTR iStyle = rxTemplate.qiStyle(l->listId);
            EXPECT_EQ(CBS_DROPDOWNLIST, iStyle & 0x3) << l->listId;
            EXPECT_EQ(WS_TABSTOP | CBS_SORT, iStyle & (WS_TABSTOP | CBS_SORT | WS_VISIBLE)) << l->listId;
        }
        for (const TLayoutEdit* e = rxCase.layout->edits; e->editId != 0; ++e)
        {
            EXPECT_TRUE(qtIsClass(rxTemplate, e->editId, L"Edit")) << e->editId;
            const LONG_PTR iStyle = rxTemplate.qiStyle(e->editId);
            EXPECT_EQ(WS_TABSTOP | ES_AUTOHSCROLL, iStyle & (WS_TABSTOP | ES_AUTOHSCROLL | WS_VISIBLE)) << e->editId;
            // The bibliographic 008 boxes lowercase what is typed, but for the
            // dates, which take "u" and "|"; the 006 and 007 boxes keep every
            // case. (The other formats' boxes differ box by box.)
            if (qtIsOtherFormat008(*rxCase.layout))
                continue;
            EXPECT_FALSE(iStyle & (ES_NUMBER | ES_UPPERCASE)) << e->editId;
            const bool tLowercase = rxCase.templateId == IDD_008_EDITOR && e->editId != 6134 && e->editId != 6135;
            EXPECT_EQ(tLowercase, (iStyle & ES_LOWERCASE) != 0) << e->editId;
        }
    }
}

TEST(StringTables, TemplatesShowOnlyTheControlsEveryLayoutShows)
{
    // 006: the form-of-material row, the field line, OK and Cancel; the
    // hidden set holds every other child.
    const std::set<int> k006Shown = {4001, 4002, 4003, 4027, 4028, 4030};
    std::set<int> xHidden;
    for (const int* p = k006HiddenControls; *p != 0; ++p)
        xHidden.insert(*p);
    const TLibraryTemplate& rx006 = qrxTemplate(IDD_006_EDITOR);
    for (HWND h = ::GetWindow(rx006.qhGet(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        const int iId = ::GetDlgCtrlID(h);
        EXPECT_TRUE(k006Shown.count(iId) || xHidden.erase(iId)) << iId << " is in neither set";
        EXPECT_EQ(k006Shown.count(iId) == 1, (rx006.qiStyle(iId) & WS_VISIBLE) != 0) << iId;
    }
    EXPECT_TRUE(xHidden.empty()) << "hidden controls the template lacks: " << testing::PrintToString(xHidden);

    // 008: the field line (sunken), its caption and the date entered on file
    // (digits only); OK, Cancel and the date's label wait for a layout.
    const TLibraryTemplate& rx008 = qrxTemplate(IDD_008_EDITOR);
    for (int iId : {6003, 6004, 6006})
        EXPECT_TRUE(rx008.qiStyle(iId) & WS_VISIBLE) << iId;
    for (int iId : {6001, 6002, 6005})
        EXPECT_FALSE(rx008.qiStyle(iId) & WS_VISIBLE) << iId;
    EXPECT_TRUE(rx008.qiStyle(6004) & SS_SUNKEN);
    EXPECT_TRUE(rx008.qiStyle(6006) & ES_NUMBER);
}
