// The resources of the 008 layouts as OrvoFieldEditors.dll holds them: every
// code-list label, label text and title the tables name, the controls of
// dialog template 1002 and accelerator table 1002.
#include "editors/008/T008Layout.h"
#include "support/TStringTable.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
const EMaterialType kBibliographicMaterials[] = {eBooks, eComputerFiles,   eContinuingResources, eMusic,
                                                 eMaps,  eVisualMaterials, eMixedMaterials};

// Labels that do not read "code - name": 32772 is the label of code l in the
// type of continuing resource, 23454 that of code e in the classification
// validity.
const std::map<uint32_t, std::wstring> kLabelsOffPattern = {{32772, L"| - Updating loose-leaf"},
                                                            {23454, L"e  - Obsolete"}};

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
    return qxAsciiOf(rxLayout.name);
}

// Label anchor -> control anchor of the same grid cell.
const std::map<int, int> kControlAnchorOfLabelAnchor = {
    {6007, 6008}, {6009, 6010}, {6011, 6076}, {6014, 6015}, {6016, 6017}, {6018, 6019}, {6020, 6021},
    {6022, 6023}, {6024, 6025}, {6026, 6027}, {6028, 6029}, {6030, 6031}, {6032, 6033}, {6034, 6035},
    {6036, 6037}, {6038, 6039}, {6040, 6041}, {6042, 6043}, {6044, 6045}};

// Template positions of the grid anchors, in dialog units.
const std::map<int, POINT> kAnchorPositions = {
    {6005, {7, 34}},    {6006, {147, 34}},  {6026, {268, 34}},  {6027, {405, 33}},  {6007, {7, 48}},
    {6008, {147, 47}},  {6028, {268, 48}},  {6029, {405, 47}},  {6009, {7, 62}},   {6010, {147, 60}},
    {6030, {268, 62}},  {6031, {405, 61}},  {6011, {7, 76}},   {6076, {147, 74}},  {6032, {268, 76}},
    {6033, {405, 75}},  {6014, {7, 88}},   {6015, {147, 91}},  {6034, {268, 90}},  {6035, {405, 89}},
    {6016, {7, 110}},  {6017, {147, 108}}, {6036, {268, 109}}, {6037, {405, 108}}, {6018, {7, 124}},
    {6019, {147, 122}}, {6038, {268, 123}}, {6039, {405, 122}}, {6020, {7, 138}},  {6021, {147, 136}},
    {6040, {268, 137}}, {6041, {405, 136}}, {6022, {7, 152}},  {6023, {147, 150}}, {6042, {268, 151}},
    {6043, {405, 150}}, {6024, {7, 166}},  {6025, {147, 164}}, {6044, {268, 165}}, {6045, {405, 163}}};

INT_PTR CALLBACK qiQuietDialogProc(HWND, UINT uMsg, WPARAM, LPARAM)
{
    return uMsg == WM_INITDIALOG;
}

// Template 1002 created from the library, modeless and never shown.
class TTemplate1002
{
public:
    TTemplate1002()
        : mhDialog(::CreateDialogParamW(qhFieldEditorsLibrary(), MAKEINTRESOURCEW(1002), nullptr, qiQuietDialogProc, 0))
    {
    }
    ~TTemplate1002()
    {
        if (mhDialog)
            ::DestroyWindow(mhDialog);
    }
    TTemplate1002(const TTemplate1002&) = delete;
    TTemplate1002& operator=(const TTemplate1002&) = delete;

    HWND qhGet() const { return mhDialog; }
    HWND qhItem(int iId) const { return ::GetDlgItem(mhDialog, iId); }
    std::wstring qxClass(int iId) const
    {
        wchar_t name[64] = {};
        ::GetClassNameW(qhItem(iId), name, 64);
        return name;
    }
    LONG_PTR qiStyle(int iId) const { return ::GetWindowLongPtrW(qhItem(iId), GWL_STYLE); }
    // The control's top-left in client coordinates, and the same for a point
    // of the template in dialog units.
    POINT qxTopLeft(int iId) const
    {
        RECT r;
        ::GetWindowRect(qhItem(iId), &r);
        POINT p{r.left, r.top};
        ::ScreenToClient(mhDialog, &p);
        return p;
    }
    POINT qxFromDialogUnits(POINT xUnits) const
    {
        RECT r{xUnits.x, xUnits.y, xUnits.x, xUnits.y};
        ::MapDialogRect(mhDialog, &r);
        return POINT{r.left, r.top};
    }

private:
    HWND mhDialog;
};
}

TEST(T008StringTable, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhFieldEditorsLibrary());
    int checked = 0;
    for (const T008Layout* pxLayout : qxAllLayouts())
    {
        ASSERT_NE(nullptr, pxLayout);
        const T008Layout& layout = *pxLayout;
        SCOPED_TRACE(qxName(layout));
        for (const T008List* l = layout.lists; l->listId != 0; ++l)
        {
            SCOPED_TRACE("list " + std::to_string(l->listId));
            checked += qiCheckCodeLabels(l->codeList, kLabelsOffPattern);
        }
    }
    EXPECT_GT(checked, 400);
}

TEST(T008StringTable, LabelsThatTheCodeListsShareReadExactly)
{
    EXPECT_EQ(L"| - No attempt to code", qxLibraryString(23118));
    EXPECT_EQ(L"u - Unknown", qxLibraryString(23119));
    EXPECT_EQ(L"z - Other", qxLibraryString(23120));
    EXPECT_EQ(L"n - Not applicable ", qxLibraryString(23089));
    EXPECT_EQ(L"0 - Not a conference publication ", qxLibraryString(23172));
    EXPECT_EQ(L"dv - Divertimentos, serenades, cassations, divertissements, notturni ", qxLibraryString(23279));
    EXPECT_EQ(L"z - Other technique", qxLibraryString(24089));
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
            const std::wstring text = qxLibraryString(l->stringId);
            ASSERT_FALSE(text.empty()) << "label " << l->labelId << ": no string " << l->stringId;
            const int control = movedOnto[kControlAnchorOfLabelAnchor.at(anchorOf.at(l->labelId))];
            wchar_t expected[8];
            swprintf(expected, 8, L": (%02d", positionOf.at(control));
            EXPECT_NE(std::wstring::npos, text.find(expected)) << "string " << l->stringId << ": " << qxAsciiOf(text);
        }
    }
}

TEST(T008StringTable, TitlesAndTooltipsExist)
{
    for (EMaterialType eMaterial : kBibliographicMaterials)
    {
        const std::wstring title = qxLibraryString(qdwGet008TitleId(eBibliographic, eMaterial));
        EXPECT_EQ(0u, title.find(L"008 Editor - Bibliographic - ")) << qxAsciiOf(title);
    }
    EXPECT_EQ(L"008 Editor - Bibliographic - Serials/Integrating Resources",
              qxLibraryString(qdwGet008TitleId(eBibliographic, eContinuingResources)));
    EXPECT_EQ(L"008 Editor - Unknown ", qxLibraryString(23000));
    for (uint32_t id : {23009u, 23011u, 23013u, 23018u, 23020u})
        EXPECT_EQ(0u, qxLibraryString(id).find(L"008 Editor - ")) << id;
    EXPECT_EQ(L"Close this dialog saving any changes", qxLibraryString(23014));
    EXPECT_EQ(L"Close this dialog canceling any changes", qxLibraryString(23015));
}

TEST(T008StringTable, TemplateHoldsEveryControlOfTheLayoutsHidden)
{
    TTemplate1002 dialog;
    ASSERT_NE(nullptr, dialog.qhGet());
    EXPECT_EQ(L"Field 008 Editor", [&] {
        wchar_t caption[64] = {};
        ::GetWindowTextW(dialog.qhGet(), caption, 64);
        return std::wstring(caption);
    }());
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

TEST(T008StringTable, GridAnchorsStandWhereTheRowsGo)
{
    TTemplate1002 dialog;
    ASSERT_NE(nullptr, dialog.qhGet());
    for (const auto& [id, units] : kAnchorPositions)
    {
        const POINT expected = dialog.qxFromDialogUnits(units);
        const POINT actual = dialog.qxTopLeft(id);
        EXPECT_EQ(expected.x, actual.x) << id;
        EXPECT_EQ(expected.y, actual.y) << id;
    }
}

TEST(T008StringTable, TabAndShiftTabBecomeTheFocusCommands)
{
    // A table loaded from resources is freed with its module.
    HACCEL hTable = ::LoadAcceleratorsW(qhFieldEditorsLibrary(), MAKEINTRESOURCEW(1002));
    ASSERT_NE(nullptr, hTable);
    std::vector<ACCEL> entries(::CopyAcceleratorTableW(hTable, nullptr, 0));
    ::CopyAcceleratorTableW(hTable, entries.data(), static_cast<int>(entries.size()));
    ASSERT_EQ(2u, entries.size());
    std::map<BYTE, WORD> commandByFlags;
    for (const ACCEL& entry : entries)
    {
        EXPECT_EQ(VK_TAB, entry.key);
        commandByFlags[entry.fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT)] = entry.cmd;
    }
    EXPECT_EQ(2000, commandByFlags[FVIRTKEY]);
    EXPECT_EQ(2001, commandByFlags[FVIRTKEY | FSHIFT]);
}
