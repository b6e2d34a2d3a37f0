// The 008 editor, driven as a cataloguer would: the layout each record gets,
// what choosing and typing write into the field, the focus moves, and what the
// facade stores after OK and Cancel.
#include "editors/008/T008Editor.h"
#include "recordlib/TException.h"
#include "support/TEditorTestKit.h"
#include "support/TTestRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr int kDisplay = 6004;

struct TLayoutExpectation
{
    const char* pacName;
    char cTypeOfRecord;
    char cBibLevel;
    const wchar_t* pwcTitle;
};

const TLayoutExpectation kAllLayouts[] = {
    {"Books", 'a', 'm', L"008 Editor - Bibliographic - Books"},
    {"Computer files", 'm', 'm', L"008 Editor - Bibliographic - Computer Files"},
    {"Continuing resources", 'a', 's', L"008 Editor - Bibliographic - Serials/Integrating Resources"},
    {"Music", 'c', 'm', L"008 Editor - Bibliographic - Music"},
    {"Maps", 'e', 'm', L"008 Editor - Bibliographic - Maps"},
    {"Visual materials", 'g', 'm', L"008 Editor - Bibliographic - Visual Materials"},
    {"Mixed materials", 'p', 'c', L"008 Editor - Bibliographic - Mixed Materials"},
    {"Authority", 'z', ' ', L"008 Editor - Authority"},
    {"Holdings", 'y', ' ', L"008 Editor - Holdings"},
    {"Community", 'q', ' ', L"008 Editor - Community"},
    {"Classification", 'w', ' ', L"008 Editor - Classification"},
};

std::string qxEdited008(T008Editor& rxEditor)
{
    TMarcRecord result;
    rxEditor.qvGetEditedRecord(result);
    return qx008(result);
}
}

TEST(T008Editor, EachLayoutShowsItsControlsOnTheGrid)
{
    std::map<std::string, std::pair<int, int>> heights; // layout -> window height, rows
    int iPitch = 0;
    for (const TLayoutExpectation& expected : kAllLayouts)
    {
        SCOPED_TRACE(expected.pacName);
        TMarcRecord record = qxRecordOfType(expected.cTypeOfRecord, expected.cBibLevel, nullptr);
        const T008Layout* pxLayout =
            qpxGet008Layout(record.qrxGetLeader().qeGetType(), qeGetMaterialTypeOf(record.qrxGetLeader()));
        ASSERT_NE(nullptr, pxLayout);
        T008Editor editor(record, nullptr);
        TLayoutView shown;
        std::string xField;
        std::wstring xLabel6118;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            xField = qxDisplayed(hDlg, kDisplay);
            shown = qxViewLayout(hDlg, *pxLayout, xField, kDisplay, 6002, 6005, 6007, 6009);
            xLabel6118 = TDialogDriver::qxGetText(qhItem(hDlg, 6118));
        });
        EXPECT_EQ(TDialogDriver::kDriverEnded, editor.DoModal());
        ASSERT_TRUE(driver.qtFinished());

        EXPECT_EQ(expected.pwcTitle, shown.xTitle);
        qvExpectLayoutView(shown, *pxLayout, {6001, 6002, 6003, 6004, 6005}, 40);
        // One label serves position 29 as conference publication or form of item.
        const bool tFormOfItem29 = expected.cTypeOfRecord == 'e' || expected.cTypeOfRecord == 'g';
        if (shown.visible.count(6118))
        {
            EXPECT_EQ(tFormOfItem29 ? L"Form of item: (29)" : L"Conference publication: (29)", xLabel6118);
        }
        heights[expected.pacName] = {shown.iWindowHeight, pxLayout->rowCount};
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
    for (const auto& [xName, xHeight] : heights)
        EXPECT_EQ(heights["Community"].first + iPitch * (xHeight.second - heights["Community"].second), xHeight.first)
            << xName;
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
                xInactive += qpxDisplay(hDlg, kDisplay)->qtIsInactive(i) ? 'x' : '.';
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
            iHighlightStart = qpxDisplay(hDlg, kDisplay)->qiGetHighlightStart();
            iHighlightCount = qpxDisplay(hDlg, kDisplay)->qiGetHighlightCount();
            xDisplayed = qxDisplayed(hDlg, kDisplay);
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
        xAfterTyping = qxDisplayed(hDlg, kDisplay);
        iHighlightStart = qpxDisplay(hDlg, kDisplay)->qiGetHighlightStart();
        iHighlightCount = qpxDisplay(hDlg, kDisplay)->qiGetHighlightCount();
        ::SendMessageW(qhItem(hDlg, 6134), EM_SETSEL, 0, -1);
        TDialogDriver::qvType(qhItem(hDlg, 6134), L"\b");
    });
    driver.qrxThen([&](HWND hDlg) {
        xAfterClearing = qxDisplayed(hDlg, kDisplay);
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
            iHighlightStart = qpxDisplay(hDlg, kDisplay)->qiGetHighlightStart();
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
        std::vector<int> xWrong;
        std::set<int> disabled;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            const T008Layout* pxLayout = qpxGetOtherFormat008Layout(eAuthority);
            xWrong = qxWrongSelections(hDlg, *pxLayout, pac008);
            for (const T008List* p = pxLayout->lists; p->listId != 0; ++p)
                if (!::IsWindowEnabled(qhItem(hDlg, p->listId)))
                    disabled.insert(p->listId);
        });
        editor.DoModal();
        EXPECT_TRUE(xWrong.empty()) << testing::PrintToString(xWrong);
        EXPECT_EQ(dwAuxData == 0 ? std::set<int>{} : std::set<int>{6019}, disabled);
        EXPECT_EQ(pac008, qxEdited008(editor));
    }
}

TEST(T008Editor, OkStoresTheGeneric008WithTheChangesPaddedTo40)
{
    const TMarcRecord books = qxRecordOfType('a', 'm', nullptr);
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, 6112), 8); });
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6002)); });
        EXPECT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e008Editor, books, 0, nullptr));
        const TMarcRecord result = qxStoredRecord();
        EXPECT_EQ("001031s           ||||j||||||||| ||eng |", qx008(result));
        EXPECT_EQ(2u, result.qdwGetFieldCount());
        EXPECT_EQ("(none)", qx008(books));
    }
    {
        // A holdings 008 of 32 characters comes back with 40.
        const TMarcRecord holdings = qxRecordOfType('y', ' ', "0010310u    0   4001uu   0001031");
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 6002)); });
        EXPECT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e008Editor, holdings, 0, nullptr));
        const TMarcRecord result = qxStoredRecord();
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
