// The 007 editor, driven as a cataloguer would: the rows each category shows,
// choosing a category and codes, typing, the dialog's height, Tab, and what
// the facade stores after OK and Cancel, whatever bytes the field holds.
#include "core/T007Categories.h"
#include "editors/007/T007Editor.h"
#include "recordlib/TException.h"
#include "resources/007EditorIds.h"
#include "support/TEditorTestKit.h"
#include "support/TTestRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
const int kOk = IDC_007_OK;
const int kCancel = IDC_007_CANCEL;
const int kCategoryList = IDC_007_CATEGORY;

TMarcRecord qxRecord(const std::vector<std::string>& rxFields, char cTypeOfRecord = 'a')
{
    return qxRecordWith(cTypeOfRecord, 7, rxFields);
}

// The rows shown: the number of visible labels, which must be rows 1 to n.
int qiShownRows(HWND hDlg)
{
    int iShown = 0;
    for (int n = 0; n < IDC_007_ROW_COUNT; ++n)
        if (::IsWindowVisible(qhItem(hDlg, IDC_007_LABEL_1 + 2 * n)))
        {
            EXPECT_EQ(iShown, n) << "a gap before row " << n + 1;
            iShown = n + 1;
        }
    return iShown;
}

int qiRowOf(const std::wstring& rxLabel, HWND hDlg)
{
    for (int n = 0; n < IDC_007_ROW_COUNT; ++n)
        if (TDialogDriver::qxGetText(qhItem(hDlg, IDC_007_LABEL_1 + 2 * n)) == rxLabel)
            return n + 1;
    return 0;
}

void qvChooseCategory(HWND hDlg, wchar_t wcCode)
{
    ::SetFocus(qhItem(hDlg, kCategoryList));
    qvChooseCode(hDlg, kCategoryList, std::wstring(1, wcCode));
}

std::string qxEdited(T007Editor& rxEditor)
{
    TMarcRecord result;
    rxEditor.qvGetEditedRecord(result);
    std::vector<std::string> fields = qxFieldsOf(result, 7);
    return fields.empty() ? "(none)" : fields[0];
}

struct TShown
{
    std::string xField;
    std::wstring xTitle;
    int iRows = -1;
    bool tOkEnabled = false;
    std::vector<int> misplaced;       // edit boxes off their row's slot
    std::vector<int> wrongSelections; // lists not preselected from the field
};

TShown qxShown(HWND hDlg)
{
    TShown shown;
    shown.xField = qxDisplayed(hDlg, IDC_007_FIELD_DISPLAY);
    shown.xTitle = TDialogDriver::qxGetText(hDlg);
    shown.iRows = qiShownRows(hDlg);
    shown.tOkEnabled = ::IsWindowEnabled(qhItem(hDlg, kOk)) != FALSE;
    const TFieldLayout& rxLayout = *qrx007Category(shown.xField.empty() ? 0 : shown.xField[0]).layout;
    shown.misplaced = qxMisplaced(hDlg, rxLayout);
    shown.wrongSelections = qxWrongSelections(hDlg, rxLayout, shown.xField);
    return shown;
}
}

TEST(T007Editor, EachCategoryShowsItsRowsPreselectedFromTheFieldAndNoneOnlyTheCategoryList)
{
    const struct
    {
        std::vector<std::string> fields;
        int iOccurrence;
        const char* pacShown; // how the field line begins
        const wchar_t* pwcTitle;
        int iRows; // 0: only the category list, and OK disabled
    } cases[] = {
        {{"aj canzn"}, 1, "aj canzn", L"007 Editor - Map", 6},
        {{"cr cn ---mamaa"}, 1, "cr cn ---mamaa", L"007 Editor - Electronic Resource", 10},
        {{"d| |||"}, 1, "d| |||", L"007 Editor - Globe", 4},
        {{"eabnunabnau"}, 1, "eabnunabnau", L"007 Editor - Disabled", 10},
        {{"fb aza  bn"}, 1, "fb aza  bn", L"007 Editor - Tactile Material", 5},
        {{"gs cjbfj"}, 1, "gs cjbfj", L"007 Editor - Projected Graphic", 7},
        {{"he bmb024baca"}, 1, "he bmb024baca", L"007 Editor - Microform", 9},
        {{"kh coo"}, 1, "kh coo", L"007 Editor - Nonprojected Graphic", 4},
        {{"mr baaafu||||||||199912"}, 1, "mr baaafu||||||||199912", L"007 Editor - Motion Picture", 16},
        {{"ou"}, 1, "ou", L"007 Editor - Kit", 1},
        {{"q|"}, 1, "q|", L"007 Editor - Notated Music", 1},
        {{"ru aan|||||"}, 1, "ru aan|||||", L"007 Editor - Remote-Sensing Image", 8},
        {{"sd fsngnnmmned"}, 1, "sd fsngnnmmned", L"007 Editor - Sound Recording", 12},
        {{"ta"}, 1, "ta", L"007 Editor - Text", 1},
        {{"vf cbahou"}, 1, "vf cbahou", L"007 Editor - Videorecording", 7},
        {{"zm"}, 1, "zm", L"007 Editor - Unspecified", 1},
        // A new field, a missing occurrence, no category or an unknown one.
        {{}, 0, "u          ", L"007 Editor - Unspecified", 0},
        {{"aj cauun"}, 2, "u          ", L"007 Editor - Unspecified", 0},
        {{"u"}, 1, "u", L"007 Editor - Unspecified", 0},
        {{" abc"}, 1, "u          ", L"007 Editor - Unspecified", 0},
        {{"x12"}, 1, "x12", L"007 Editor - Unspecified", 0},
        // A byte that is no character in the record's UTF-8 shows as U+FFFD.
        {{"\xE9\x01"}, 1, "\xEF\xBF\xBD\x01", L"007 Editor - Unspecified", 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pacShown);
        T007Editor editor(qxRecord(c.fields), c.iOccurrence, nullptr);
        TShown shown;
        EXPECT_EQ(TDialogDriver::kDriverEnded, qiRun(editor, {[&](HWND hDlg) { shown = qxShown(hDlg); }}));
        EXPECT_EQ(c.pwcTitle, shown.xTitle);
        EXPECT_EQ(c.iRows, shown.iRows);
        EXPECT_EQ(c.iRows > 0, shown.tOkEnabled);
        EXPECT_TRUE(shown.misplaced.empty()) << testing::PrintToString(shown.misplaced);
        EXPECT_TRUE(shown.wrongSelections.empty()) << testing::PrintToString(shown.wrongSelections);
        // A field of no category is shown whole, as it is.
        EXPECT_EQ(c.pacShown, c.iRows > 0 ? shown.xField.substr(0, std::strlen(c.pacShown)) : shown.xField);
    }
}

TEST(T007Editor, ChoosingACategoryGivesItsDefaultAndReChoosingResetsIt)
{
    T007Editor editor(qxRecord({}), 0, nullptr);
    qiRun(editor, {[](HWND hDlg) {
                       EXPECT_EQ("u          ", qxDisplayed(hDlg, IDC_007_FIELD_DISPLAY));
                       EXPECT_EQ(L"u - Unknown", TDialogDriver::qxGetComboText(qhItem(hDlg, kCategoryList), 0));
                       EXPECT_FALSE(qtEnabled(hDlg, kOk));
                       qvChooseCategory(hDlg, L'm');
                   },
                   [](HWND hDlg) {
                       const TShown shown = qxShown(hDlg);
                       EXPECT_EQ("m| ||||||||||||||||||||", shown.xField);
                       EXPECT_EQ(L"007 Editor - Motion Picture", shown.xTitle);
                       EXPECT_EQ(16, shown.iRows);
                       EXPECT_TRUE(shown.tOkEnabled);
                       EXPECT_TRUE(shown.misplaced.empty());
                       EXPECT_TRUE(shown.wrongSelections.empty());
                       ::SetFocus(qhItem(hDlg, IDC_007_LIST_1));
                       TDialogDriver::qvChooseComboRow(qhItem(hDlg, IDC_007_LIST_1), 0);
                   },
                   [](HWND hDlg) {
                       EXPECT_EQ("mc ||||||||||||||||||||", qxDisplayed(hDlg, IDC_007_FIELD_DISPLAY));
                       qvChooseCategory(hDlg, L'm');
                   },
                   [](HWND hDlg) { EXPECT_EQ("m| ||||||||||||||||||||", qxDisplayed(hDlg, IDC_007_FIELD_DISPLAY)); }});
    EXPECT_EQ("m| ||||||||||||||||||||", qxEdited(editor));

    // Disabled, the only category its list offers, keeps its layout with blank positions.
    T007Editor disabled(qxRecord({"eabnun"}), 1, nullptr);
    qiRun(disabled, {[](HWND hDlg) {
                         EXPECT_EQ(1, CComboBox(qhItem(hDlg, kCategoryList)).GetCount());
                         qvChooseCategory(hDlg, L'e');
                     },
                     [](HWND hDlg) {
                         const TShown shown = qxShown(hDlg);
                         EXPECT_EQ("e          ", shown.xField);
                         EXPECT_EQ(10, shown.iRows);
                         EXPECT_EQ(L"007 Editor - Disabled", shown.xTitle);
                         EXPECT_TRUE(shown.tOkEnabled);
                     }});
}

TEST(T007Editor, ChoicesAndTypingWriteOnlyTheirPositions)
{
    const struct
    {
        const char* pacField;
        const wchar_t* pwcLabel;
        int iRow;               // list row to choose; -1 to type instead
        const wchar_t* pwcText; // typed over the whole box
        const char* pacAfter;
        int iHighlightStart;
        int iHighlightCount;
    } cases[] = {
        // A short field is padded to its category's length; a long one keeps its tail.
        {"h| |||000|", L"Base of film: (12)", 0, nullptr, "h| |||000|  a", 12, 1},
        {"ou|extra", L"Specific material designation: (01)", 1, nullptr, "o||extra", 1, 1},
        {"r| ||||||||", L"Data type: (09-10)", 41, nullptr, "r| ||||||||", 9, 2},
        {"r| ||||||||", L"Data type: (09-10)", 0, nullptr, "r| ||||||aa", 9, 2},
        {"c| || ||||||||", L"Image bit depth: (06-08)", -1, L"1", "c| || 1  |||||", 6, 3},
        {"f| |||||||", L"Braille music format: (06-08)", -1, L"a1b", "f| |||ab |", 6, 3},
        {"m| ||||||||||||||||||||", L"Film inspection date: (17-22)", -1, L"2024-1", "m| ||||||||||||||2024-1", 17, 6},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pacAfter);
        T007Editor editor(qxRecord({c.pacField}), 1, nullptr);
        EXPECT_EQ(IDOK, qiRun(editor, {[&](HWND hDlg) {
                                           const int iRow = qiRowOf(c.pwcLabel, hDlg);
                                           ASSERT_NE(0, iRow);
                                           HWND hList = qhItem(hDlg, IDC_007_LIST_1 + 2 * (iRow - 1));
                                           if (c.iRow >= 0)
                                           {
                                               ::SetFocus(hList);
                                               TDialogDriver::qvChooseComboRow(hList, c.iRow);
                                               return;
                                           }
                                           for (int nEdit : {IDC_007_EDIT_1, IDC_007_EDIT_2})
                                               if (qxItemRect(hDlg, nEdit).top ==
                                                   qxItemRect(hDlg, IDC_007_LIST_1 + 2 * (iRow - 1)).top)
                                                   qvRetype(hDlg, nEdit, c.pwcText);
                                       },
                                       [&](HWND hDlg) {
                                           EXPECT_EQ(c.pacAfter, qxDisplayed(hDlg, IDC_007_FIELD_DISPLAY));
                                           EXPECT_EQ(std::make_pair(c.iHighlightStart, c.iHighlightCount),
                                                     qxHighlight(hDlg, IDC_007_FIELD_DISPLAY));
                                           qvClick(hDlg, kOk);
                                       }}));
        EXPECT_EQ(c.pacAfter, qxEdited(editor));
    }
}

TEST(T007Editor, SwitchingCategoriesResizesAroundTheMiddleAndKeepsThePointerOnTheList)
{
    T007Editor editor(qxRecord({"m| ||||||||||||||||||||"}), 1, nullptr);
    RECT xMotion = {}, xKit = {};
    int iPitch = 0;
    qiRun(editor, {[&](HWND hDlg) {
                       xMotion = qxRect(hDlg);
                       iPitch = qxItemRect(hDlg, IDC_007_LABEL_2).top - qxItemRect(hDlg, IDC_007_LABEL_1).top;
                       qvChooseCategory(hDlg, L'o');
                   },
                   [&](HWND hDlg) {
                       xKit = qxRect(hDlg);
                       POINT xPointer = {};
                       ::GetCursorPos(&xPointer);
                       EXPECT_EQ(qxItemRect(hDlg, kCategoryList).bottom - 8, xPointer.y);
                       qvChooseCategory(hDlg, L'q');
                   },
                   [&](HWND hDlg) {
                       // Kit and music have one row each: nothing moves.
                       const RECT xMusic = qxRect(hDlg);
                       EXPECT_EQ(xKit.top, xMusic.top);
                       EXPECT_EQ(xKit.bottom, xMusic.bottom);
                   }});
    ASSERT_GT(iPitch, 0);
    EXPECT_EQ(15 * iPitch, (xMotion.bottom - xMotion.top) - (xKit.bottom - xKit.top));
    EXPECT_EQ(15 * iPitch / 2, xKit.top - xMotion.top);
    EXPECT_EQ(xMotion.left, xKit.left);
}

TEST(T007Editor, TabFollowsTheControlTableAndHighlightsEachPosition)
{
    for (const char* pacField : {"gs cjbfj", "eabnun|||||"})
    {
        SCOPED_TRACE(pacField);
        T007Editor editor(qxRecord({pacField}), 1, nullptr);
        std::vector<int> xForward;
        std::vector<int> xHighlights;
        const TStep fnTab = [](HWND) { TDialogDriver::qvPressKey(VK_TAB); };
        const TStep fnSee = [&](HWND hDlg) {
            xForward.push_back(qiFocusId());
            xHighlights.push_back(qxHighlight(hDlg, IDC_007_FIELD_DISPLAY).first);
        };
        qiRun(editor, {[](HWND hDlg) { ::SetFocus(qhItem(hDlg, kCancel)); }, fnTab, fnSee, fnTab, fnSee, fnTab, fnSee,
                       fnTab, fnSee, [](HWND) { TDialogDriver::qvPressKey(VK_TAB, true); },
                       [](HWND) { EXPECT_EQ(IDC_007_LIST_2, qiFocusId()); }});
        EXPECT_EQ((std::vector<int>{kCategoryList, IDC_007_LIST_1, IDC_007_LIST_2, IDC_007_LIST_3}), xForward);
        const int iSecond = pacField[0] == 'e' ? 2 : 3;
        EXPECT_EQ((std::vector<int>{0, 1, iSecond, iSecond + 1}), xHighlights);
    }
}

TEST(T007Editor, OkStoresThroughTheFacadeInTagOrder)
{
    const struct
    {
        std::vector<std::string> fields;
        int iOccurrence;
        wchar_t wcCategory;
        std::vector<std::string> stored;
    } cases[] = {
        // A new 007 goes after the ones there are, before the 245.
        {{"ta"}, 0, L't', {"ta", "t|"}},
        // The second of two is replaced, the first kept.
        {{"ta", "kh coo"}, 2, L't', {"ta", "t|"}},
        // Occurrence 2 of a record with one 007 starts new; its replacement fails and the 007 stays.
        {{"kh coo"}, 2, L'a', {"kh coo"}},
    };
    for (const auto& c : cases)
    {
        const TMarcRecord record = qxRecord(c.fields);
        ASSERT_EQ(eDisplaySaved, qeRun(e007Editor, record, c.iOccurrence,
                                       {[&](HWND hDlg) { qvChooseCategory(hDlg, c.wcCategory); }, qfnClick(kOk)}));
        const TMarcRecord result = qxStoredRecord();
        EXPECT_EQ(c.stored, qxFieldsOf(result, 7));
        std::vector<int> xTags(c.stored.size(), 7);
        xTags.push_back(245);
        EXPECT_EQ(xTags, qxTags(result));
    }
}
