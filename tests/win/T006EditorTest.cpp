// The 006 editor, driven as a cataloguer would: the layout each form gets,
// choosing another form (the dialog rebuilds, grows and shrinks), what choosing
// and typing write, Tab, and what the facade stores after OK and Cancel.
#include "editors/006/T006Editor.h"
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
const std::set<int> kAlwaysShown = {4001, 4002, 4003, 4027, 4028, 4030};
const char k008[] = "850101s1999    xx            000 0 eng d";

TMarcRecord qxBook(const std::vector<std::string>& rx006s)
{
    return qxRecordWith('a', 6, rx006s, k008);
}

// Runs the editor on rxRecord with the driver's steps; the edited record after OK.
TMarcRecord qxAfterOk(const TMarcRecord& rxRecord, int iOccurrence, TDialogDriver& rxDriver)
{
    rxDriver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(qhItem(hDlg, 4027)); });
    EXPECT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(e006Editor, rxRecord, iOccurrence, nullptr));
    return TFieldEditorManager::mtRecordValid_static ? qxStoredRecord() : TMarcRecord();
}
}

TEST(T006Editor, EachFormShowsItsLayoutPreselectedFromTheField)
{
    const struct
    {
        const char* pac006;
        const wchar_t* pwcTitle;
        std::map<int, std::wstring> typed;    // edit box -> text
    } cases[] = {
        {"aabc jr0|01 011 1d", L"006 Editor - Language Material", {{4044, L"abc"}, {4046, L"0|01"}}},
        {"m    eo  d f      ", L"006 Editor - Computer File/Electronic Resource", {}},
        {"sdr n  a   f0   a0", L"006 Editor - Serials/Integrating Resource", {{4018, L""}}},
        {"jsyuna ab    k  n ", L"006 Editor - Musical Sound Recording", {{4067, L"ab"}, {4069, L"k"}}},
        {"fa   aa |     0 ek", L"006 Editor - Manuscript Cartographic Material", {{4054, L"a"}, {4061, L"ek"}}},
        {"g090 g     s    kl", L"006 Editor - Projected Medium", {{4071, L"090"}}},
        {"p     s           ", L"006 Editor - Mixed Material", {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pac006);
        const TMarcRecord record = qxBook({c.pac006});
        const TFieldLayout* pxLayout = qpxGet006Layout(qe006FormGroup(c.pac006[0]));
        ASSERT_NE(nullptr, pxLayout);
        T006Editor editor(record, 1, nullptr);
        TLayoutView xView;
        std::map<int, std::wstring> xTyped;
        std::wstring xFormOfItemLabel;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            xView = qxViewLayout(hDlg, *pxLayout, c.pac006, 4002, 4027, 4003, 4004, 4006);
            for (const auto& [id, text] : c.typed)
                xTyped[id] = TDialogDriver::qxGetText(qhItem(hDlg, id));
            xFormOfItemLabel = TDialogDriver::qxGetText(qhItem(hDlg, 4034));
        });
        editor.DoModal();
        ASSERT_TRUE(driver.qtFinished());

        EXPECT_EQ(c.pwcTitle, xView.xTitle);
        qvExpectLayoutView(xView, *pxLayout, kAlwaysShown, k006FieldLength);
        for (const auto& [id, text] : c.typed)
            EXPECT_EQ(text, xTyped[id]) << id;
        // Form of item stands at 12 on maps and visual materials, at 06 elsewhere.
        const bool tAt12 = c.pac006[0] == 'f' || c.pac006[0] == 'g';
        EXPECT_EQ(tAt12 ? L"Form of item: (12)" : L"Form of item: (06)", xFormOfItemLabel);
    }
}

TEST(T006Editor, ANewFieldTakesAFormThenKeepsEditsWithinTheGroupAndResetsAcrossGroups)
{
    const TMarcRecord record = qxBook({"c           |||| "});
    struct TSeen
    {
        std::wstring xTitle;
        std::set<int> xVisible;
        std::wstring xForm;
        bool tOkEnabled = false;
        std::string xField;
        RECT xWindow = {};
    };
    std::vector<TSeen> xSeen;
    int iPitch = 0;
    auto qvLook = [&](HWND hDlg) {
        TSeen seen;
        seen.xTitle = TDialogDriver::qxGetText(hDlg);
        seen.xVisible = qxVisibleChildren(hDlg);
        seen.xForm = qxSelectedText(qhItem(hDlg, 4030));
        seen.tOkEnabled = ::IsWindowEnabled(qhItem(hDlg, 4027)) != FALSE;
        seen.xField = qxDisplayed(hDlg, 4002);
        seen.xWindow = qxRect(hDlg);
        iPitch = qxItemRect(hDlg, 4006).top - qxItemRect(hDlg, 4004).top;
        xSeen.push_back(seen);
    };
    TDialogDriver driver;
    // Away from the screen's edges, where the dialog may grow both ways.
    driver.qrxThen([](HWND hDlg) { ::SetWindowPos(hDlg, nullptr, 100, 350, 0, 0, SWP_NOSIZE | SWP_NOZORDER); })
        .qrxThen(qvLook)
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, 4030, L"a"); })
        .qrxThen(qvLook)
        .qrxThen([](HWND hDlg) {
            TDialogDriver::qvType(qhItem(hDlg, 4044), L"ab");
            qvChooseCode(hDlg, 4031, L"j");
        })
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, 4030, L"t"); })
        .qrxThen(qvLook)
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, 4030, L"m"); })
        .qrxThen(qvLook);
    const TMarcRecord result = qxAfterOk(record, 0, driver);
    ASSERT_EQ(4u, xSeen.size());

    EXPECT_EQ(L"006 Editor - Unknown", xSeen[0].xTitle);
    EXPECT_EQ(kAlwaysShown, xSeen[0].xVisible);
    EXPECT_EQ(L"u - Unknown", xSeen[0].xForm);
    EXPECT_FALSE(xSeen[0].tOkEnabled);
    EXPECT_EQ("u                 ", xSeen[0].xField);

    EXPECT_EQ(L"006 Editor - Language Material", xSeen[1].xTitle);
    EXPECT_EQ(L"a - Language material", xSeen[1].xForm);
    EXPECT_TRUE(xSeen[1].tOkEnabled);
    EXPECT_EQ("a           000 0 ", xSeen[1].xField);
    EXPECT_EQ(1u, xSeen[1].xVisible.count(4051)); // Biography: the Books layout
    // Ten rows more; the top moves up by half of them.
    const int iAdded = (xSeen[1].xWindow.bottom - xSeen[1].xWindow.top) - (xSeen[0].xWindow.bottom - xSeen[0].xWindow.top);
    EXPECT_EQ(10 * iPitch, iAdded);
    EXPECT_EQ(xSeen[0].xWindow.top - 10 * iPitch / 2, xSeen[1].xWindow.top);

    // t is still Books: every edit stays, 00 and the title change.
    EXPECT_EQ(L"006 Editor - Manuscript Language Material", xSeen[2].xTitle);
    EXPECT_EQ("tab  j      000 0 ", xSeen[2].xField);
    EXPECT_EQ(xSeen[1].xVisible, xSeen[2].xVisible);
    EXPECT_EQ(xSeen[1].xWindow.top, xSeen[2].xWindow.top);

    // m is another group: 01-17 go back to blanks with its default, and the
    // dialog shrinks by six rows around its middle.
    EXPECT_EQ("m        u        ", xSeen[3].xField);
    EXPECT_EQ(0u, xSeen[3].xVisible.count(4051));
    EXPECT_EQ(1u, xSeen[3].xVisible.count(4041));
    EXPECT_EQ(xSeen[2].xWindow.top + 6 * iPitch / 2, xSeen[3].xWindow.top);
    EXPECT_EQ(6 * iPitch, (xSeen[2].xWindow.bottom - xSeen[2].xWindow.top) - (xSeen[3].xWindow.bottom - xSeen[3].xWindow.top));

    // OK inserts the new 006 in tag order, after the one there was.
    EXPECT_EQ((std::vector<std::string>{"c           |||| ", "m        u        "}), qxFieldsOf(result, 6));
    EXPECT_EQ((std::vector<int>{6, 6, 8, 245}), qxTags(result));
}

TEST(T006Editor, OkReplacesTheOccurrenceEditedOrAddsANewOne)
{
    const TMarcRecord record = qxBook({"aabc jr0|01 011 1d", "m    eo  d f      "});
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, 4041, L"g"); });
        const TMarcRecord result = qxAfterOk(record, 2, driver);
        EXPECT_EQ((std::vector<std::string>{"aabc jr0|01 011 1d", "m    eo  g f      "}), qxFieldsOf(result, 6));
        EXPECT_EQ((std::vector<int>{6, 6, 8, 245}), qxTags(result));
    }
    {
        // An occurrence the record does not have is a new 006.
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, 4030, L"p"); });
        const TMarcRecord result = qxAfterOk(record, 3, driver);
        EXPECT_EQ(3u, qxFieldsOf(result, 6).size());
        EXPECT_EQ("p                 ", qxFieldsOf(result, 6)[2]);
    }
}

TEST(T006Editor, ChoosingAndTypingWriteTheirPositionsAndHighlightThem)
{
    const struct
    {
        const char* pac006;
        int nControlId;
        const wchar_t* pwcChoice; // a code to choose, or text to type
        int iPosition;
        const char* pacWritten;
    } cases[] = {
        {"e                 ", 4055, L"zz", 5, "zz"},   // Projection: two positions
        {"e                 ", 4033, L"r", 12, "r"},    // Form of item on maps: 12
        {"g                 ", 4033, L"s", 12, "s"},    // and on visual materials
        {"a                 ", 4033, L"s", 6, "s"},     // and 06 on books
        {"c                 ", 4062, L"uu", 1, "uu"},   // Form of composition
        {"a                 ", 4046, L"2b", 7, "2b  "}, // Nature of contents, padded
        {"g123              ", 4071, L"", 1, "   "},    // Running time emptied
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nControlId);
        const TMarcRecord record = qxBook({c.pac006});
        int iStart = -2;
        int iCount = -2;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            const HWND hControl = qhItem(hDlg, c.nControlId);
            wchar_t awcClass[16] = {};
            ::GetClassNameW(hControl, awcClass, 16);
            if (_wcsicmp(awcClass, L"ComboBox") == 0)
                qvChooseCode(hDlg, c.nControlId, c.pwcChoice);
            else
            {
                ::SetFocus(hControl);
                ::SendMessageW(hControl, EM_SETSEL, 0, -1);
                TDialogDriver::qvType(hControl, *c.pwcChoice ? c.pwcChoice : L"\b");
            }
        });
        driver.qrxThen([&](HWND hDlg) {
            iStart = qpxDisplay(hDlg, 4002)->qiGetHighlightStart();
            iCount = qpxDisplay(hDlg, 4002)->qiGetHighlightCount();
        });
        const std::string x006 = qxFieldsOf(qxAfterOk(record, 1, driver), 6).at(0);
        std::string xExpected = c.pac006;
        xExpected.replace(static_cast<std::size_t>(c.iPosition), std::strlen(c.pacWritten), c.pacWritten);
        EXPECT_EQ(xExpected, x006);
        EXPECT_EQ(c.iPosition, iStart);
        EXPECT_EQ(static_cast<int>(std::strlen(c.pacWritten)), iCount);
    }
}

TEST(T006Editor, TabFollowsTheControlTableAndCyclesInTheFormListAlone)
{
    const struct
    {
        const char* pac006; // null: a new 006
        int nStartId;
        bool tShift;
        int nExpectedId;
    } cases[] = {{"aabc jr0|01 011 1d", 4051, false, 4027}, {"aabc jr0|01 011 1d", 4027, true, 4051},
                 {"aabc jr0|01 011 1d", 4030, false, 4044}, {"e                 ", 4033, false, 4039},
                 {"s                 ", 4012, false, 4033}, {nullptr, 4030, false, 4028},
                 {nullptr, 4028, false, 4030},            {nullptr, 4030, true, 4028}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.pac006 ? c.pac006 : "new") << " from " << c.nStartId);
        const TMarcRecord record = c.pac006 ? qxBook({c.pac006}) : qxBook({});
        T006Editor editor(record, c.pac006 ? 1 : 0, nullptr);
        int iFocus = 0;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) { ::SetFocus(qhItem(hDlg, c.nStartId)); })
            .qrxThen([&](HWND) { TDialogDriver::qvPressKey(VK_TAB, c.tShift); })
            .qrxThen([&](HWND) { iFocus = ::GetDlgCtrlID(::GetFocus()); });
        editor.DoModal();
        EXPECT_EQ(c.nExpectedId, iFocus);
    }
}

TEST(T006Editor, OkAtOnceGivesBackEveryByteAndHostileFieldsDoNotBreakIt)
{
    std::string xLong(1000, 'x');
    xLong[0] = 'a';
    xLong[999] = 'z';
    const std::string xDelimiter = "s\x1F" "abc\x1F" "d          ";
    // Capitals, controls and bytes above 127 in every position: UntouchedRecords.
    for (const std::string& rx006 : {std::string("a"), xLong, xDelimiter,
                                     std::string("\xE9\x80             ")})
    {
        SCOPED_TRACE(rx006.size());
        const TMarcRecord record = qxBook({rx006});
        TDialogDriver driver;
        const TMarcRecord result = qxAfterOk(record, 1, driver);
        std::string xExpected = rx006;
        if (xExpected.size() < 18)
            xExpected.resize(18, ' ');
        EXPECT_EQ(std::vector<std::string>{xExpected}, qxFieldsOf(result, 6));
        EXPECT_EQ(qxTags(record), qxTags(result));
    }
}
