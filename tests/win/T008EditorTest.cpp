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
const char k008[] = "850101s1999    xx            000 0 eng d";

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
        // The generic 008 goes in unchanged.
        TMarcRecord generic = record;
        TFieldEditorManager::qtAddGeneric008ToRecord(generic, false);
        std::string xGeneric = qx008(generic);
        xGeneric.resize(40, ' ');
        T008Editor editor(record, nullptr);
        qiRun(editor, {[&](HWND hDlg) {
                  EXPECT_EQ(xGeneric, qxDisplayed(hDlg, kDisplay));
                  EXPECT_EQ(expected.pwcTitle, TDialogDriver::qxGetText(hDlg));
                  iPitch = qiExpectLayoutShown(hDlg, *pxLayout, xGeneric, {6001, 6002, 6003, 6004, 6005}, kDisplay,
                                               6002, 6005, 6007, 6009);
                  // One label serves position 29 as conference publication or form of item.
                  const bool tFormOfItem29 = expected.cTypeOfRecord == 'e' || expected.cTypeOfRecord == 'g';
                  if (::IsWindowVisible(qhItem(hDlg, 6118)))
                  {
                      EXPECT_EQ(tFormOfItem29 ? L"Form of item: (29)" : L"Conference publication: (29)",
                                TDialogDriver::qxGetText(qhItem(hDlg, 6118)));
                  }
                  const RECT xWindow = qxRect(hDlg);
                  heights[expected.pacName] = {xWindow.bottom - xWindow.top, pxLayout->rowCount};
              }});
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
    TMarcRecord unknown = qxRecordOfType('a', ' ', k008);
    TMarcRecord patron = qxRecordOfType('a', 'm', k008);
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
        qiRun(editor, {[&](HWND hDlg) {
                  EXPECT_EQ(c.pwcTitle, TDialogDriver::qxGetText(hDlg));
                  EXPECT_EQ((std::set<int>{6003, 6004, 6006}), qxVisibleChildren(hDlg));
                  EXPECT_EQ(std::string(40, '.'), qxInactive(hDlg, kDisplay));
                  const RECT r = qxRect(hDlg);
                  if (iTemplateHeight < 0)
                      iTemplateHeight = r.bottom - r.top;
                  EXPECT_EQ(iTemplateHeight, r.bottom - r.top);
                  ::SetFocus(qhItem(hDlg, 6006));
                  ::SendMessageW(qhItem(hDlg, 6006), EM_SETSEL, 0, 0);
                  TDialogDriver::qvType(qhItem(hDlg, 6006), L"99");
              }});
        // The date entered still edits its positions.
        EXPECT_EQ("990101s1999", qxEdited008(editor).substr(0, 11));
    }
}

TEST(T008Editor, ChoosingAndTypingWriteTheirPositionsAndHighlightThem)
{
    const struct
    {
        char cType;
        int nControlId;
        const wchar_t* pwcValue; // a code to choose, or text to type
        int iPosition;
        const char* pacWritten;
        const char* pac008 = nullptr; // null: the generic 008
    } cases[] = {
        {'c', 6155, L"an", 18, "an"}, // form of composition: two positions
        {'e', 6147, L"aa", 22, "aa"}, // and the map projection
        {'z', 6019, L"k", 11, "k"},        {'y', 6097, L"y", 15, "y"},         {'w', 6065, L"d", 8, "d"},
        {'q', 6057, L"n", 11, "n"},        {'a', 6137, L"f", 15, "f  ", k008}, // a box padded with blanks
        {'a', 6134, L"", 7, "    ", k008},                                     // and emptied
        {'y', 6082, L"u", 8, "u   "}, // holdings 08-11 takes u ("uuuu": intent to cancel, time unknown)
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nControlId);
        T008Editor editor(qxRecordOfType(c.cType, 'm', c.pac008), nullptr);
        std::string xDisplayed;
        qiRun(editor, {[&](HWND hDlg) { qvEnter(hDlg, c.nControlId, c.pwcValue); },
                       [&](HWND hDlg) {
                           xDisplayed = qxDisplayed(hDlg, kDisplay);
                           EXPECT_EQ(std::make_pair(c.iPosition, static_cast<int>(std::strlen(c.pacWritten))),
                                     qxHighlight(hDlg, kDisplay));
                       }});
        const std::string xField = qxEdited008(editor);
        EXPECT_EQ(c.pacWritten, xField.substr(c.iPosition, std::strlen(c.pacWritten)));
        EXPECT_EQ(xField, xDisplayed);
    }
}

TEST(T008Editor, TabAndAFullBoxFollowTheControlTable)
{
    // Maps moves by its control table; holdings and books by the Z order that
    // the control table set. A box filled moves on as Tab would.
    const struct
    {
        char cType;
        int nStartId;
        bool tShift;
        int nExpectedId;
        const wchar_t* pwcTyped = nullptr; // typed to the end of the box instead of Tab
    } cases[] = {{'e', 6133, false, 6002}, {'e', 6002, true, 6133},          {'e', 6001, false, 6006},
                 {'e', 6006, false, 6106}, {'e', 6149, true, 6137},          {'y', 6013, false, 6002},
                 {'y', 6002, true, 6013},  {'y', 6006, false, 6078},         {'a', 6134, false, 6135},
                 {'z', 6045, false, 6002}, {'a', 6134, false, 6135, L"2024"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.cType << " from " << c.nStartId << (c.tShift ? " back" : ""));
        T008Editor editor(qxRecordOfType(c.cType, 'm', nullptr), nullptr);
        qiRun(editor, {[&](HWND hDlg) { ::SetFocus(qhItem(hDlg, c.nStartId)); },
                       [&](HWND hDlg) {
                           if (c.pwcTyped != nullptr)
                               TDialogDriver::qvType(qhItem(hDlg, c.nStartId), c.pwcTyped);
                           else
                               TDialogDriver::qvPressKey(VK_TAB, c.tShift);
                       },
                       [&](HWND hDlg) {
                           EXPECT_EQ(c.nExpectedId, qiFocusId());
                           // A button clears the highlight.
                           if (c.nExpectedId == 6002)
                           {
                               EXPECT_EQ(-1, qxHighlight(hDlg, kDisplay).first);
                           }
                       }});
        if (c.pwcTyped != nullptr)
        {
            EXPECT_EQ("001031s2024", qxEdited008(editor).substr(0, 11));
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
        qiRun(editor, {[&](HWND hDlg) {
                  const T008Layout* pxLayout = qpxGetOtherFormat008Layout(eAuthority);
                  EXPECT_EQ(std::vector<int>{}, qxWrongSelections(hDlg, *pxLayout, pac008));
                  std::set<int> disabled;
                  for (const T008List* p = pxLayout->lists; p->listId != 0; ++p)
                      if (!qtEnabled(hDlg, p->listId))
                          disabled.insert(p->listId);
                  EXPECT_EQ(dwAuxData == 0 ? std::set<int>{} : std::set<int>{6019}, disabled);
              }});
        EXPECT_EQ(pac008, qxEdited008(editor));
    }
}

TEST(T008Editor, OkStoresTheGeneric008WithTheChangesPaddedTo40)
{
    const TMarcRecord books = qxRecordOfType('a', 'm', nullptr);
    EXPECT_EQ(eDisplaySaved,
              qeRun(e008Editor, books, 0,
                    {[](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, 6112), 8); }, qfnClick(6002)}));
    TMarcRecord result = qxStoredRecord();
    EXPECT_EQ("001031s           ||||j||||||||| ||eng |", qx008(result));
    EXPECT_EQ(2u, result.qdwGetFieldCount());
    EXPECT_EQ("(none)", qx008(books));

    // A holdings 008 of 32 characters comes back with 40.
    const TMarcRecord holdings = qxRecordOfType('y', ' ', "0010310u    0   4001uu   0001031");
    EXPECT_EQ(eDisplaySaved, qeRun(e008Editor, holdings, 0, {qfnClick(6002)}));
    EXPECT_EQ("0010310u    0   4001uu   0001031        ", qx008(qxStoredRecord()));
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
    }
    EXPECT_FALSE(TFieldEditorManager::mtRecordValid_static);
}

// The template's controls that the record's layout does not show are not
// created: asking for one finds nothing, creating one is a call of its own.
TEST(T008Editor, AControlOfAnotherLayoutExistsOnlyOnceCreatedOnPurpose)
{
    const int kHoldingsLanguage = 6099;
    const int kBooksLanguage = 6141;
    T008Editor editor(qxRecordOfType('a', 'm', k008), nullptr);
    qiRun(editor, {[&](HWND hDlg) {
              EXPECT_NE(nullptr, editor.GetDlgItem(kBooksLanguage));
              EXPECT_EQ(nullptr, editor.GetDlgItem(kHoldingsLanguage));
              EXPECT_EQ(nullptr, ::GetDlgItem(hDlg, kHoldingsLanguage));
              const HWND hCreated = editor.GetOrCreateDlgItem(kHoldingsLanguage);
              ASSERT_NE(nullptr, hCreated);
              EXPECT_EQ(hCreated, ::GetDlgItem(hDlg, kHoldingsLanguage));
              EXPECT_FALSE(::IsWindowVisible(hCreated));
              EXPECT_EQ(hCreated, editor.GetOrCreateDlgItem(kHoldingsLanguage));
          }});
}

// A layout creates a control straight where and as it shows it; the dialog
// remembers the controls it found, yet finds a control as it stands now.
TEST(T008Editor, AControlIsCreatedInPlaceAndFoundAsItStandsNow)
{
    const int kHoldingsLanguage = 6099;
    const int kBooksLanguage = 6141;
    T008Editor editor(qxRecordOfType('a', 'm', k008), nullptr);
    qiRun(editor, {[&](HWND hDlg) {
        CRect xTemplate;
        ASSERT_TRUE(editor.GetDlgItemRect(kHoldingsLanguage, &xTemplate));
        const POINT xAt = {xTemplate.left + 17, xTemplate.top + 5};
        const HWND hCreated = editor.GetOrCreateDlgItem(kHoldingsLanguage, &xAt, true);
        ASSERT_NE(nullptr, hCreated);
        EXPECT_TRUE(::IsWindowVisible(hCreated));
        CRect xPlaced;
        ASSERT_TRUE(editor.GetDlgItemRect(kHoldingsLanguage, &xPlaced));
        EXPECT_EQ(CRect(xAt.x, xAt.y, xAt.x + xTemplate.Width(), xAt.y + xTemplate.Height()), xPlaced);

        // Found once, then gone: found no more; another window under its ID
        // is the one found.
        const HWND hBooks = editor.GetDlgItem(kBooksLanguage)->m_hWnd;
        ::DestroyWindow(hBooks);
        EXPECT_EQ(nullptr, editor.GetDlgItem(kBooksLanguage));
        const HWND hAgain = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 20, 10, hDlg,
                                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBooksLanguage)),
                                              nullptr, nullptr);
        ASSERT_NE(nullptr, hAgain);
        ASSERT_NE(nullptr, editor.GetDlgItem(kBooksLanguage));
        EXPECT_EQ(hAgain, editor.GetDlgItem(kBooksLanguage)->m_hWnd);
        // A window of another ID that takes the remembered one's place is not it.
        ::SetWindowLongPtrW(hAgain, GWLP_ID, kBooksLanguage + 1000);
        EXPECT_EQ(nullptr, editor.GetDlgItem(kBooksLanguage));
    }});
}
