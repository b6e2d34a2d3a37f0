// The 008 editor, driven as a cataloguer would: the layout each record gets,
// what choosing and typing write into the field, the focus moves, and what the
// facade stores after OK and Cancel.
#include "automation/TDialogDriver.h"
#include "support/TSampleRecords.h"
#include "support/TTestRecords.h"
#include "controls/TStaticFieldDisplay.h"
#include "editors/008/T008Editor.h"
#include "manager/TFieldEditorManager.h"
#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
struct TLayoutExpectation
{
    const char* pacName;
    char cTypeOfRecord;
    char cBibLevel;
    const wchar_t* pwcTitle;
    int iRows;
    std::vector<int> labels;
    std::vector<std::pair<int, int>> undefined;
};

// Label texts as the cataloguer reads them; 6118 reads "Form of item: (29)"
// on maps and visual materials.
const std::map<int, std::wstring> kLabelTexts = {
    {6105, L"Type of date/Publication status: (06)"}, {6107, L"Date1: (07-10)"}, {6108, L"Date2: (11-14)"},
    {6109, L"Place of publication, production, or execution: (15-17)"}, {6110, L"Illustrations: (18-21)"},
    {6111, L"Target audience: (22)"}, {6113, L"Form of item: (23)"}, {6115, L"Nature of contents: (24-27)"},
    {6116, L"Government publication: (28)"}, {6118, L"Conference publication: (29)"},
    {6120, L"Festschrift: (30)"}, {6122, L"Index: (31)"}, {6124, L"Literary form: (33)"},
    {6127, L"Biography: (34)"}, {6129, L"Language: (35-37)"}, {6130, L"Modified record: (38)"},
    {6132, L"Cataloging source: (39)"}, {6143, L"Type of computer files: (26)"}, {6164, L"Frequency: (18)"},
    {6166, L"Regularity: (19)"}, {6172, L"Type of continuing resource: (21)"},
    {6175, L"Form of original item: (22)"}, {6178, L"Nature of entire work: (24)"},
    {6180, L"Nature of contents: (25-27)"}, {6183, L"Original alphabet or script of title: (33)"},
    {6185, L"Entry convention: (34)"}, {6154, L"Form of composition: (18-19)"}, {6156, L"Format of music: (20)"},
    {7007, L"Music parts: (21)"}, {6159, L"Accompanying matter: (24-29)"},
    {6162, L"Literary text for sound recordings: (30-31)"}, {7009, L"Transposition and arrangement: (33)"},
    {6148, L"Relief: (18-21)"}, {6146, L"Projection: (22-23)"}, {6150, L"Type of cartographic material: (25)"},
    {6152, L"Special format characteristics: (33-34)"}, {6187, L"Running time: (18-20)"},
    {6189, L"Type of visual material: (33)"}, {6192, L"Technique: (34)"},
    {6007, L"Geographic subdivision: (06)"}, {6009, L"Romanization scheme: (07)"},
    {6011, L"Language of catalog: (08)"}, {6014, L"Kind of record: (09) "},
    {6016, L"Descriptive cataloging rules: (10)"}, {6018, L"Subject heading system/thesaurus: (11)"},
    {6020, L"Type of series: (12)"}, {6022, L"Numbered or unnumbered series: (13)"},
    {6024, L"Heading use--main or added entry: (14)"}, {6026, L"Heading use--subject added entry: (15)"},
    {6028, L"Heading use--series added entry: (16)"}, {6030, L"Type of subject subdivision: (17)"},
    {6032, L"Type of government agency: (28)"}, {6034, L"Reference evaluation: (29)"},
    {6036, L"Record update in process: (31)"}, {6038, L"Undifferentiated personal name: (32)"},
    {6040, L"Level of establishment: (33)"}, {6042, L"Modified record: (38)"}, {6044, L"Cataloging source: (39)"},
    {6077, L"Receipt or acquisition status: (06)"}, {6079, L"Method of acquisition: (07)"},
    {6081, L"Intent to cancel date: (08-11)"}, {6083, L"General retention policy: (12)"},
    {6093, L"Policy Type: (13)"}, {6095, L"Number of units: (14)"}, {6096, L"Unit type: (15)"},
    {6085, L"Completeness: (16)"}, {6087, L"Number of copies reported: (17-19)"}, {6089, L"Lending policy: (20)"},
    {6091, L"Reproduction policy: (21)"}, {6098, L"Language: (22_24)"},
    {6100, L"Separate or composite copy report: (25)"}, {6102, L"Date of report: (26-31)"},
    {6046, L"Volunteer opportunities: (06)"}, {6048, L"Volunteers provided: (07)"},
    {6050, L"Child care arrangements: (08)"}, {6052, L"Speakers bureau: (09)"},
    {6054, L"Mutual support groups: (10)"}, {6056, L"Meeting rooms and facilities available: (11)"},
    {6058, L"Language: (12-14)"}, {6060, L"Kind of record: (06)"}, {6062, L"Type of number: (07)"},
    {6064, L"Classification validity: (08)"}, {6066, L"Standard or optional designation: (09)"},
    {6068, L"Record update in process: (10)"}, {6070, L"Level of establishment: (11)"},
    {6072, L"Synthesized number indication: (12)"}, {6074, L"Display controller: (13)"}};

const std::vector<int> kSharedBibliographicLabels = {6105, 6107, 6108, 6109, 6129, 6130, 6132};

std::vector<int> qxWithShared(std::vector<int> xLabels)
{
    xLabels.insert(xLabels.end(), kSharedBibliographicLabels.begin(), kSharedBibliographicLabels.end());
    return xLabels;
}

const std::vector<TLayoutExpectation>& qrxAllLayouts()
{
    static const std::vector<TLayoutExpectation> xLayouts = {
        {"Books", 'a', 'm', L"008 Editor - Bibliographic - Books", 10,
         qxWithShared({6110, 6111, 6113, 6115, 6116, 6118, 6120, 6122, 6124, 6127}), {{32, 32}}},
        {"Computer files", 'm', 'm', L"008 Editor - Bibliographic - Computer Files", 8,
         qxWithShared({6111, 6113, 6143, 6116}), {{18, 21}, {23, 25}, {27, 27}, {29, 34}}},
        {"Continuing resources", 'a', 's', L"008 Editor - Bibliographic - Serials/Integrating Resources", 11,
         qxWithShared({6164, 6166, 6172, 6175, 6113, 6178, 6180, 6116, 6118, 6183, 6185}), {{30, 32}}},
        {"Music", 'c', 'm', L"008 Editor - Bibliographic - Music", 10,
         qxWithShared({6154, 6156, 7007, 6111, 6113, 6159, 6162, 7009}), {{21, 21}, {32, 34}}},
        {"Maps", 'e', 'm', L"008 Editor - Bibliographic - Maps", 9,
         qxWithShared({6148, 6146, 6150, 6116, 6118, 6122, 6152}), {{24, 24}, {26, 27}, {30, 30}, {32, 32}}},
        {"Visual materials", 'g', 'm', L"008 Editor - Bibliographic - Visual Materials", 8,
         qxWithShared({6187, 6111, 6116, 6118, 6189, 6192}), {{21, 21}, {23, 27}, {30, 32}}},
        {"Mixed materials", 'p', 'c', L"008 Editor - Bibliographic - Mixed Materials", 6, qxWithShared({6113}),
         {{18, 22}, {24, 34}}},
        {"Authority", 'z', ' ', L"008 Editor - Authority", 11,
         {6007, 6009, 6011, 6014, 6016, 6018, 6020, 6022, 6024, 6026, 6028, 6030, 6032, 6034, 6036, 6038, 6040,
          6042, 6044},
         {{19, 27}, {30, 30}, {34, 37}}},
        {"Holdings", 'y', ' ', L"008 Editor - Holdings", 9,
         {6077, 6079, 6081, 6083, 6093, 6095, 6096, 6085, 6087, 6089, 6091, 6098, 6100, 6102}, {{32, 39}}},
        {"Community", 'q', ' ', L"008 Editor - Community", 5, {6046, 6048, 6050, 6052, 6054, 6056, 6058},
         {{15, 39}}},
        {"Classification", 'w', ' ', L"008 Editor - Classification", 6,
         {6060, 6062, 6064, 6066, 6068, 6070, 6072, 6074}, {{14, 39}}},
    };
    return xLayouts;
}

std::string qxEdited008(T008Editor& rxEditor)
{
    TMarcRecord result;
    rxEditor.qvGetEditedRecord(result);
    return qx008(result);
}

HWND qhItem(HWND hDlg, int nID)
{
    return ::GetDlgItem(hDlg, nID);
}

TStaticFieldDisplay* qpxDisplay(HWND hDlg)
{
    return dynamic_cast<TStaticFieldDisplay*>(CWnd::FromHandlePermanent(qhItem(hDlg, 6004)));
}

std::string qxDisplayed(HWND hDlg)
{
    return qpxDisplay(hDlg)->qrxGetFieldData().ToBytes();
}

std::set<int> qxVisibleChildren(HWND hDlg)
{
    std::set<int> xIds;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::IsWindowVisible(h))
            xIds.insert(::GetDlgCtrlID(h));
    return xIds;
}

RECT qxRect(HWND hWnd)
{
    RECT r = {};
    ::GetWindowRect(hWnd, &r);
    return r;
}

// A code as its label shows it: blanks as "#".
std::wstring qxShownCode(const char* pacCode)
{
    std::wstring xShown;
    for (const char* p = pacCode; *p != '\0'; ++p)
        xShown += *p == ' ' ? L'#' : static_cast<wchar_t>(*p);
    return xShown;
}

int qiFocusId()
{
    return ::GetDlgCtrlID(::GetFocus());
}

// Everything a layout shows, read inside the open dialog.
struct TShownLayout
{
    std::wstring xTitle;
    std::set<int> visible;
    std::map<int, std::wstring> labelTexts;
    std::vector<std::string> misplaced;
    std::vector<std::string> wrongSelections;
    std::string xInactive;
    int iOkTop = 0;
    int iExpectedOkTop = 0;
    int iWindowHeight = 0;
    int iPitch = 0;
};

void qvReadLayout(HWND hDlg, const T008Layout& rxLayout, const std::string& rxField, TShownLayout& rxShown)
{
    rxShown.xTitle = TDialogDriver::qxGetText(hDlg);
    rxShown.visible = qxVisibleChildren(hDlg);
    for (const T008Label* p = rxLayout.labels; p->labelId != 0; ++p)
        rxShown.labelTexts[p->labelId] = TDialogDriver::qxGetText(qhItem(hDlg, p->labelId));
    for (const T008Move* p = rxLayout.moves; p->controlId != 0; ++p)
    {
        const RECT control = qxRect(qhItem(hDlg, p->controlId));
        const RECT anchor = qxRect(qhItem(hDlg, p->anchorId));
        if (control.left != anchor.left || control.top != anchor.top)
            rxShown.misplaced.push_back(std::to_string(p->controlId) + " not on " + std::to_string(p->anchorId));
    }
    // Each list shows the last row whose code the field holds, or nothing.
    for (const T008List* p = rxLayout.lists; p->listId != 0; ++p)
    {
        int iExpected = -1;
        for (int i = 0; p->codeList[i].labelId != 0; ++i)
            if (rxField.compare(p->position, std::strlen(p->codeList[i].code), p->codeList[i].code) == 0)
                iExpected = i;
        const HWND hList = qhItem(hDlg, p->listId);
        const int iSelected = TDialogDriver::qiGetCurSel(hList);
        const std::wstring xText = TDialogDriver::qxGetComboText(hList, iSelected);
        const std::wstring xShown = iExpected < 0 ? L"" : qxShownCode(p->codeList[iExpected].code);
        if (iSelected != iExpected || xText.compare(0, xShown.size(), xShown) != 0)
            rxShown.wrongSelections.push_back(std::to_string(p->listId) + " shows row " + std::to_string(iSelected));
    }
    const TStaticFieldDisplay* pxDisplay = qpxDisplay(hDlg);
    for (int i = 0; i < pxDisplay->qiGetFieldLength(); ++i)
        rxShown.xInactive += pxDisplay->qtIsInactive(i) ? 'x' : '.';

    POINT dateLabel = {qxRect(qhItem(hDlg, 6005)).left, qxRect(qhItem(hDlg, 6005)).top};
    ::ScreenToClient(hDlg, &dateLabel);
    POINT ok = {qxRect(qhItem(hDlg, 6002)).left, qxRect(qhItem(hDlg, 6002)).top};
    ::ScreenToClient(hDlg, &ok);
    rxShown.iPitch = qxRect(qhItem(hDlg, 6009)).top - qxRect(qhItem(hDlg, 6007)).top;
    rxShown.iOkTop = ok.y;
    rxShown.iExpectedOkTop = dateLabel.y + rxShown.iPitch * rxLayout.rowCount + ::GetSystemMetrics(SM_CYFIXEDFRAME);
    const RECT window = qxRect(hDlg);
    rxShown.iWindowHeight = window.bottom - window.top;
}

std::string qxInactiveOf(const std::vector<std::pair<int, int>>& rxRanges)
{
    std::string xInactive(40, '.');
    for (const auto& range : rxRanges)
        for (int i = range.first; i <= range.second; ++i)
            xInactive[i] = 'x';
    return xInactive;
}
}

TEST(T008Editor, EachLayoutShowsItsControlsOnTheGrid)
{
    std::map<std::string, int> heights;
    int iPitch = 0;
    for (const TLayoutExpectation& expected : qrxAllLayouts())
    {
        SCOPED_TRACE(expected.pacName);
        TMarcRecord record = qxRecordOfType(expected.cTypeOfRecord, expected.cBibLevel, nullptr);
        const T008Layout* pxLayout =
            qpxGet008Layout(record.qrxGetLeader().qeGetType(), qeGetMaterialTypeOf(record.qrxGetLeader()));
        ASSERT_NE(nullptr, pxLayout);
        T008Editor editor(record, nullptr);
        TShownLayout shown;
        std::string xField;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            xField = qxDisplayed(hDlg);
            qvReadLayout(hDlg, *pxLayout, xField, shown);
        });
        EXPECT_EQ(TDialogDriver::kDriverEnded, editor.DoModal());
        ASSERT_TRUE(driver.qtFinished());

        EXPECT_EQ(expected.pwcTitle, shown.xTitle);
        std::set<int> xExpectedVisible = {6001, 6002, 6003, 6004, 6005};
        for (int nLabelId : expected.labels)
            xExpectedVisible.insert(nLabelId);
        for (const T008ControlPosition* p = pxLayout->controls; p->controlId != 0; ++p)
            xExpectedVisible.insert(p->controlId);
        EXPECT_EQ(xExpectedVisible, shown.visible);
        ASSERT_EQ(expected.labels.size(), shown.labelTexts.size());
        for (int nLabelId : expected.labels)
        {
            const bool tFormOfItem29 = nLabelId == 6118 && (expected.cTypeOfRecord == 'e' || expected.cTypeOfRecord == 'g');
            EXPECT_EQ(tFormOfItem29 ? L"Form of item: (29)" : kLabelTexts.at(nLabelId), shown.labelTexts[nLabelId]);
        }
        EXPECT_TRUE(shown.misplaced.empty()) << ::testing::PrintToString(shown.misplaced);
        EXPECT_TRUE(shown.wrongSelections.empty()) << ::testing::PrintToString(shown.wrongSelections);
        EXPECT_EQ(qxInactiveOf(expected.undefined), shown.xInactive);
        EXPECT_EQ(expected.iRows, pxLayout->rowCount);
        EXPECT_EQ(shown.iExpectedOkTop, shown.iOkTop);
        heights[expected.pacName] = shown.iWindowHeight;
        iPitch = shown.iPitch;
        // The generic 008 went in unchanged.
        TMarcRecord generic = record;
        TFieldEditorManager::qtAddGeneric008ToRecord(generic, false);
        std::string xGeneric = qx008(generic);
        xGeneric.resize(40, ' ');
        EXPECT_EQ(xGeneric, xField);
        EXPECT_EQ(xGeneric, qxEdited008(editor));
    }
    // The dialog grows by one row pitch a row.
    ASSERT_GT(iPitch, 0);
    EXPECT_EQ(heights["Authority"] - heights["Community"], iPitch * (11 - 5));
    EXPECT_EQ(heights["Books"] - heights["Mixed materials"], iPitch * (10 - 6));
    EXPECT_EQ(heights["Holdings"], heights["Maps"]);
}

TEST(T008Editor, RecordsWithoutALayoutShowOnlyTheFieldAndTheDateEntered)
{
    TMarcRecord unknown = qxRecordOfType('a', ' ', "850101s1999    xx            000 0 eng d");
    TMarcRecord patron = qxRecordOfType('a', 'm', "850101s1999    xx            000 0 eng d");
    patron.qrxGetLeader().qvSetMarcType(ePatron);
    const struct
    {
        TMarcRecord* pxRecord;
        const wchar_t* pwcTitle;
    } cases[] = {{&unknown, L"008 Editor - Unknown "}, {&patron, L"008 Editor - Patron"}};
    int iTemplateHeight = -1;
    for (const auto& c : cases)
    {
        T008Editor editor(*c.pxRecord, nullptr);
        std::wstring xTitle;
        std::set<int> visible;
        int iHeight = 0;
        std::string xInactive;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            xTitle = TDialogDriver::qxGetText(hDlg);
            visible = qxVisibleChildren(hDlg);
            const RECT r = qxRect(hDlg);
            iHeight = r.bottom - r.top;
            for (int i = 0; i < 40; ++i)
                xInactive += qpxDisplay(hDlg)->qtIsInactive(i) ? 'x' : '.';
            ::SetFocus(qhItem(hDlg, 6006));
            ::SendMessageW(qhItem(hDlg, 6006), EM_SETSEL, 0, 0);
            TDialogDriver::qvType(qhItem(hDlg, 6006), L"99");
        });
        editor.DoModal();
        EXPECT_EQ(c.pwcTitle, xTitle);
        EXPECT_EQ((std::set<int>{6003, 6004, 6006}), visible);
        EXPECT_EQ(std::string(40, '.'), xInactive);
        if (iTemplateHeight < 0)
            iTemplateHeight = iHeight;
        EXPECT_EQ(iTemplateHeight, iHeight);
        // The date entered still edits its positions.
        EXPECT_EQ("990101s1999", qxEdited008(editor).substr(0, 11));
    }
}

TEST(T008Editor, ChoosingACodeWritesAndHighlightsIt)
{
    // Music: form of composition writes two positions, as does the map projection.
    const struct
    {
        char cType;
        int nListId;
        int iRow;
        int iPosition;
        const char* pacCode;
    } cases[] = {{'c', 6155, 0, 18, "an"}, {'e', 6147, 1, 22, "aa"}, {'z', 6019, 4, 11, "k"}, {'y', 6097, 2, 15, "y"},
                 {'w', 6065, 4, 8, "e"}, {'q', 6057, 2, 11, "n"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nListId);
        TMarcRecord record = qxRecordOfType(c.cType, 'm', nullptr);
        T008Editor editor(record, nullptr);
        int iHighlightStart = -2;
        int iHighlightCount = -2;
        std::string xDisplayed;
        CString xTip;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, c.nListId), c.iRow); });
        driver.qrxThen([&](HWND hDlg) {
            iHighlightStart = qpxDisplay(hDlg)->qiGetHighlightStart();
            iHighlightCount = qpxDisplay(hDlg)->qiGetHighlightCount();
            xDisplayed = qxDisplayed(hDlg);
        });
        editor.DoModal();
        const std::string xField = qxEdited008(editor);
        EXPECT_EQ(c.pacCode, xField.substr(c.iPosition, std::strlen(c.pacCode)));
        EXPECT_EQ(xField, xDisplayed);
        EXPECT_EQ(c.iPosition, iHighlightStart);
        EXPECT_EQ(static_cast<int>(std::strlen(c.pacCode)), iHighlightCount);
    }
}

TEST(T008Editor, TypingWritesTheBoxPaddedAndAFullBoxMovesOn)
{
    TMarcRecord record = qxRecordOfType('a', 'm', "850101s1999    xx            000 0 eng d");
    T008Editor editor(record, nullptr);
    std::string xAfterTyping;
    std::string xAfterClearing;
    int iFocusAfterFilling = 0;
    int iHighlightStart = -2;
    int iHighlightCount = -2;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        ::SendMessageW(qhItem(hDlg, 6137), EM_SETSEL, 0, -1);
        TDialogDriver::qvType(qhItem(hDlg, 6137), L"f");
    });
    driver.qrxThen([&](HWND hDlg) {
        xAfterTyping = qxDisplayed(hDlg);
        iHighlightStart = qpxDisplay(hDlg)->qiGetHighlightStart();
        iHighlightCount = qpxDisplay(hDlg)->qiGetHighlightCount();
        ::SendMessageW(qhItem(hDlg, 6134), EM_SETSEL, 0, -1);
        TDialogDriver::qvType(qhItem(hDlg, 6134), L"\b");
    });
    driver.qrxThen([&](HWND hDlg) {
        xAfterClearing = qxDisplayed(hDlg);
        TDialogDriver::qvType(qhItem(hDlg, 6134), L"2024");
    });
    driver.qrxThen([&](HWND) { iFocusAfterFilling = qiFocusId(); });
    editor.DoModal();
    EXPECT_EQ("850101s1999    f             000 0 eng d", xAfterTyping);
    EXPECT_EQ(15, iHighlightStart);
    EXPECT_EQ(3, iHighlightCount);
    EXPECT_EQ("850101s        f             000 0 eng d", xAfterClearing);
    EXPECT_EQ(6135, iFocusAfterFilling);
    EXPECT_EQ("850101s2024    f             000 0 eng d", qxEdited008(editor));
}

TEST(T008Editor, TabFollowsTheControlTable)
{
    // Maps moves by its control table; holdings and books by the Z order that
    // the control table set.
    const struct
    {
        char cType;
        int nStartId;
        bool tShift;
        int nExpectedId;
    } cases[] = {{'e', 6133, false, 6002}, {'e', 6002, true, 6133}, {'e', 6001, false, 6006},
                 {'e', 6006, false, 6106}, {'e', 6149, true, 6137}, {'y', 6013, false, 6002},
                 {'y', 6002, true, 6013},  {'y', 6006, false, 6078}, {'a', 6134, false, 6135},
                 {'z', 6045, false, 6002}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.cType << " from " << c.nStartId << (c.tShift ? " back" : ""));
        TMarcRecord record = qxRecordOfType(c.cType, 'm', nullptr);
        T008Editor editor(record, nullptr);
        int iFocus = 0;
        int iHighlightStart = -2;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) { ::SetFocus(qhItem(hDlg, c.nStartId)); });
        driver.qrxThen([&](HWND) { TDialogDriver::qvPressKey(VK_TAB, c.tShift); });
        driver.qrxThen([&](HWND hDlg) {
            iFocus = qiFocusId();
            iHighlightStart = qpxDisplay(hDlg)->qiGetHighlightStart();
        });
        editor.DoModal();
        EXPECT_EQ(c.nExpectedId, iFocus);
        // A button clears the highlight.
        if (c.nExpectedId == 6002)
        {
            EXPECT_EQ(-1, iHighlightStart);
        }
    }
}

TEST(T008Editor, AuthorityListsArePreselectedAndOneMayBeDisabled)
{
    const char* const pac008 = "850101n| acannaabn           a aaa      ";
    for (uint32_t dwAuxData : {0u, 7u})
    {
        TMarcRecord record = qxRecordOfType('z', ' ', pac008);
        record.qvSetAuxData1(dwAuxData);
        T008Editor editor(record, nullptr);
        std::map<int, std::wstring> shown;
        std::set<int> disabled;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            const T008Layout* pxLayout = qpxGetOtherFormat008Layout(eAuthority);
            for (const T008List* p = pxLayout->lists; p->listId != 0; ++p)
            {
                const HWND hList = qhItem(hDlg, p->listId);
                shown[p->listId] = TDialogDriver::qxGetComboText(hList, TDialogDriver::qiGetCurSel(hList));
                if (!::IsWindowEnabled(hList))
                    disabled.insert(p->listId);
            }
        });
        editor.DoModal();
        EXPECT_EQ(L"| - No attempt to code", shown[6010]);
        EXPECT_EQ(L"# - No information provided", shown[6076]);
        EXPECT_EQ(L"c - AACR 2", shown[6017]);
        EXPECT_EQ(L"a - Library of Congress Subject Headings", shown[6019]);
        EXPECT_EQ(L"b - Not appropriate", shown[6029]);
        EXPECT_EQ(L"# - Not a government agency", shown[6033]);
        EXPECT_EQ(L"# - Not modified", shown[6043]);
        EXPECT_EQ(L"# - National bibliographic agency", shown[6045]);
        EXPECT_EQ(dwAuxData == 0 ? std::set<int>{} : std::set<int>{6019}, disabled);
        EXPECT_EQ(pac008, qxEdited008(editor));
    }
}

TEST(T008Editor, OkStoresTheGeneric008WithTheChangesAndCancelStoresNothing)
{
    const TMarcRecord books = qxRecordOfType('a', 'm', nullptr);
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, 6112), 8); });
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6002)); });
        EXPECT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e008Editor, books, 0, nullptr));
        TMarcRecord result;
        TFieldEditorManager::qvGetMARCRecord(result);
        EXPECT_EQ("001031s           ||||j||||||||| ||eng |", qx008(result));
        EXPECT_EQ(2u, result.qdwGetFieldCount());
        EXPECT_EQ("(none)", qx008(books));
    }
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvType(qhItem(hDlg, 6006), L"2401"); });
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6001)); });
        EXPECT_EQ(eDisplayCancelled, TFieldEditorManager::qeDisplay(e008Editor, books, 0, nullptr));
        EXPECT_FALSE(TFieldEditorManager::mtRecordValid_static);
        TMarcRecord result;
        EXPECT_THROW(TFieldEditorManager::qvGetMARCRecord(result), TException);
    }
    {
        // A holdings 008 of 32 characters comes back with 40.
        const TMarcRecord holdings = qxRecordOfType('y', ' ', "0010310u    0   4001uu   0001031");
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6002)); });
        EXPECT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e008Editor, holdings, 0, nullptr));
        TMarcRecord result;
        TFieldEditorManager::qvGetMARCRecord(result);
        EXPECT_EQ("0010310u    0   4001uu   0001031        ", qx008(result));
    }
}

TEST(T008Editor, ARecordWithNeither008NorDefaultIsRefused)
{
    const TMarcRecord record = qxRecordOfType('b', 'm', nullptr);
    try
    {
        TFieldEditorManager::qeDisplay(e008Editor, record, 0, nullptr);
        FAIL() << "a record of type b has no generic 008";
    }
    catch (const TException& e)
    {
        EXPECT_STREQ(L"T008Editor::OnInitDialog() : Unable to add 008 to marc record", e.qpwcGetMessage());
        EXPECT_EQ(1, static_cast<int>(e.qeGetErrorType()));
        EXPECT_EQ(-1, e.qiGetCode());
    }
    EXPECT_FALSE(TFieldEditorManager::mtRecordValid_static);
}

TEST(T008Editor, SampleRecordsComeBackWithThe008TheyHad)
{
    int iChecked = 0;
    for (const TSampleRecord& sample : qxReadableSampleRecords())
    {
        std::string xBefore = qx008(sample.mxRecord);
        if (xBefore == "(none)")
            continue;
        if (xBefore.size() < 40)
            xBefore.resize(40, ' ');
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6002)); });
        ASSERT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e008Editor, sample.mxRecord, 0, nullptr))
            << sample.mxName;
        TMarcRecord result;
        TFieldEditorManager::qvGetMARCRecord(result);
        EXPECT_EQ(xBefore, qx008(result)) << sample.mxName;
        EXPECT_EQ(sample.mxRecord.qdwGetFieldCount(), result.qdwGetFieldCount()) << sample.mxName;
        ++iChecked;
    }
    EXPECT_GE(iChecked, 15);
}

TEST(T008Editor, OkWithoutActingGivesBackEveryByteOfThe008)
{
    // Capitals under lowercase boxes, C1 controls and Latin-1 and UTF-8 bytes,
    // each at every position of every layout's 008.
    const std::string xKinds[] = {"ENGLISH AND FRENCH WITH CAPITALS ONLY XY",
                                  std::string("\x80\x85\x8d\x9b\x9f\x90\x81\x9e"),
                                  std::string("\xc3\xa9\xe3\xc9\xff\xa0\xd7\xde\xb5")};
    for (const TLayoutExpectation& layout : qrxAllLayouts())
        for (const std::string& xKind : xKinds)
        {
            std::string x008(40, ' ');
            for (size_t i = 0; i < x008.size(); ++i)
                x008[i] = xKind[i % xKind.size()];
            SCOPED_TRACE(testing::Message() << layout.pacName << ": " << testing::PrintToString(x008));
            const TMarcRecord record = qxRecordOfType(layout.cTypeOfRecord, layout.cBibLevel, x008.c_str());
            TDialogDriver driver;
            driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6002)); });
            ASSERT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e008Editor, record, 0, nullptr));
            TMarcRecord result;
            TFieldEditorManager::qvGetMARCRecord(result);
            EXPECT_EQ(x008, qx008(result));
        }
}
