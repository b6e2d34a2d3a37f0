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

// Runs the editor on rxRecord with the steps, then OK; the record the facade stored.
TMarcRecord qxAfterOk(const TMarcRecord& rxRecord, int iOccurrence, std::vector<TStep> xSteps)
{
    xSteps.push_back(qfnClick(4027));
    EXPECT_EQ(eDisplaySaved, qeRun(e006Editor, rxRecord, iOccurrence, xSteps));
    return TFieldEditorManager::mtRecordValid_static ? qxStoredRecord() : TMarcRecord();
}
}

TEST(T006Editor, EachFormShowsItsLayoutPreselectedFromTheField)
{
    const struct
    {
        const char* pac006;
        const wchar_t* pwcTitle;
        std::map<int, std::wstring> typed; // edit box -> text
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
        const TFieldLayout* pxLayout = qpxGet006Layout(qe006FormGroup(c.pac006[0]));
        ASSERT_NE(nullptr, pxLayout);
        T006Editor editor(qxBook({c.pac006}), 1, nullptr);
        qiRun(editor, {[&](HWND hDlg) {
                  EXPECT_EQ(c.pwcTitle, TDialogDriver::qxGetText(hDlg));
                  qiExpectLayoutShown(hDlg, *pxLayout, c.pac006, kAlwaysShown, 4002, 4027, 4003, 4004, 4006);
                  for (const auto& [id, text] : c.typed)
                      EXPECT_EQ(text, TDialogDriver::qxGetText(qhItem(hDlg, id))) << id;
                  // Form of item stands at 12 on maps and visual materials, at 06 elsewhere.
                  const bool tAt12 = c.pac006[0] == 'f' || c.pac006[0] == 'g';
                  EXPECT_EQ(tAt12 ? L"Form of item: (12)" : L"Form of item: (06)",
                            TDialogDriver::qxGetText(qhItem(hDlg, 4034)));
              }});
    }
}

TEST(T006Editor, ANewFieldTakesAFormThenKeepsEditsWithinTheGroupAndResetsAcrossGroups)
{
    RECT xUnknown = {}, xBooks = {}, xManuscript = {};
    int iPitch = 0;
    std::set<int> xBooksShown;
    const TMarcRecord result = qxAfterOk(
        qxBook({"c           |||| "}), 0,
        {// Away from the screen's edges, where the dialog may grow both ways.
         [](HWND hDlg) { ::SetWindowPos(hDlg, nullptr, 100, 350, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
         [&](HWND hDlg) {
             EXPECT_EQ(L"006 Editor - Unknown", TDialogDriver::qxGetText(hDlg));
             EXPECT_EQ(kAlwaysShown, qxVisibleChildren(hDlg));
             EXPECT_EQ(L"u - Unknown", qxSelectedText(qhItem(hDlg, 4030)));
             EXPECT_FALSE(qtEnabled(hDlg, 4027));
             EXPECT_EQ("u                 ", qxDisplayed(hDlg, 4002));
             xUnknown = qxRect(hDlg);
             qvChooseCode(hDlg, 4030, L"a");
         },
         [&](HWND hDlg) {
             EXPECT_EQ(L"006 Editor - Language Material", TDialogDriver::qxGetText(hDlg));
             EXPECT_EQ(L"a - Language material", qxSelectedText(qhItem(hDlg, 4030)));
             EXPECT_TRUE(qtEnabled(hDlg, 4027));
             EXPECT_EQ("a           000 0 ", qxDisplayed(hDlg, 4002));
             xBooksShown = qxVisibleChildren(hDlg);
             EXPECT_EQ(1u, xBooksShown.count(4051)); // Biography: the Books layout
             xBooks = qxRect(hDlg);
             iPitch = qxItemRect(hDlg, 4006).top - qxItemRect(hDlg, 4004).top;
             TDialogDriver::qvType(qhItem(hDlg, 4044), L"ab");
             qvChooseCode(hDlg, 4031, L"j");
         },
         [](HWND hDlg) { qvChooseCode(hDlg, 4030, L"t"); },
         [&](HWND hDlg) {
             // t is still Books: every edit stays, 00 and the title change.
             EXPECT_EQ(L"006 Editor - Manuscript Language Material", TDialogDriver::qxGetText(hDlg));
             EXPECT_EQ("tab  j      000 0 ", qxDisplayed(hDlg, 4002));
             EXPECT_EQ(xBooksShown, qxVisibleChildren(hDlg));
             xManuscript = qxRect(hDlg);
             qvChooseCode(hDlg, 4030, L"m");
         },
         [&](HWND hDlg) {
             // m is another group: 01-17 go back to blanks with its default, and
             // the dialog shrinks by six rows around its middle.
             EXPECT_EQ("m        u        ", qxDisplayed(hDlg, 4002));
             EXPECT_EQ(0u, qxVisibleChildren(hDlg).count(4051));
             EXPECT_EQ(1u, qxVisibleChildren(hDlg).count(4041));
             const RECT xComputer = qxRect(hDlg);
             EXPECT_EQ(xManuscript.top + 6 * iPitch / 2, xComputer.top);
             EXPECT_EQ(6 * iPitch, (xManuscript.bottom - xManuscript.top) - (xComputer.bottom - xComputer.top));
         }});
    // Ten rows more for Books; the top moves up by half of them, and not again for t.
    ASSERT_GT(iPitch, 0);
    EXPECT_EQ(10 * iPitch, (xBooks.bottom - xBooks.top) - (xUnknown.bottom - xUnknown.top));
    EXPECT_EQ(xUnknown.top - 10 * iPitch / 2, xBooks.top);
    EXPECT_EQ(xBooks.top, xManuscript.top);

    // OK inserts the new 006 in tag order, after the one there was.
    EXPECT_EQ((std::vector<std::string>{"c           |||| ", "m        u        "}), qxFieldsOf(result, 6));
    EXPECT_EQ((std::vector<int>{6, 6, 8, 245}), qxTags(result));
}

TEST(T006Editor, OkReplacesTheOccurrenceEditedOrAddsANewOne)
{
    const TMarcRecord record = qxBook({"aabc jr0|01 011 1d", "m    eo  d f      "});
    TMarcRecord result = qxAfterOk(record, 2, {[](HWND hDlg) { qvChooseCode(hDlg, 4041, L"g"); }});
    EXPECT_EQ((std::vector<std::string>{"aabc jr0|01 011 1d", "m    eo  g f      "}), qxFieldsOf(result, 6));
    EXPECT_EQ((std::vector<int>{6, 6, 8, 245}), qxTags(result));

    // An occurrence the record does not have is a new 006.
    result = qxAfterOk(record, 3, {[](HWND hDlg) { qvChooseCode(hDlg, 4030, L"p"); }});
    EXPECT_EQ(3u, qxFieldsOf(result, 6).size());
    EXPECT_EQ("p                 ", qxFieldsOf(result, 6).at(2));
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
        const TMarcRecord result =
            qxAfterOk(qxBook({c.pac006}), 1,
                      {[&](HWND hDlg) { qvEnter(hDlg, c.nControlId, c.pwcChoice); },
                       [&](HWND hDlg) {
                           EXPECT_EQ(std::make_pair(c.iPosition, static_cast<int>(std::strlen(c.pacWritten))),
                                     qxHighlight(hDlg, 4002));
                       }});
        std::string xExpected = c.pac006;
        xExpected.replace(static_cast<std::size_t>(c.iPosition), std::strlen(c.pacWritten), c.pacWritten);
        EXPECT_EQ(std::vector<std::string>{xExpected}, qxFieldsOf(result, 6));
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
    } cases[] = {{"aabc jr0|01 011 1d", 4051, false, 4027},
                 {"aabc jr0|01 011 1d", 4027, true, 4051},
                 {"aabc jr0|01 011 1d", 4030, false, 4044},
                 {"e                 ", 4033, false, 4039},
                 {"s                 ", 4012, false, 4033},
                 {nullptr, 4030, false, 4028},
                 {nullptr, 4028, false, 4030},
                 {nullptr, 4030, true, 4028}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.pac006 ? c.pac006 : "new") << " from " << c.nStartId);
        T006Editor editor(c.pac006 ? qxBook({c.pac006}) : qxBook({}), c.pac006 ? 1 : 0, nullptr);
        qiRun(editor, {[&](HWND hDlg) { ::SetFocus(qhItem(hDlg, c.nStartId)); },
                       [&](HWND) { TDialogDriver::qvPressKey(VK_TAB, c.tShift); },
                       [&](HWND) { EXPECT_EQ(c.nExpectedId, qiFocusId()); }});
    }
}
