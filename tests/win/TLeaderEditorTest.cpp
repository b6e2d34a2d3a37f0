// The Leader editor, opened on records of every format and driven as a
// cataloguer would: what it shows, how it lays itself out, what a choice
// writes, and what the facade keeps afterwards.
#include "support/TEditorTestKit.h"
#include "support/TTestRecords.h"
#include "editors/leader/TLeaderEditor.h"
#include "manager/TFieldEditorManager.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcTag.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr int kRows = 8;
const int aiListIds[kRows] = {3019, 3021, 3023, 3025, 3027, 3028, 3029, 3030};
const int aiLabelIds[kRows] = {3006, 3008, 3010, 3012, 3014, 3015, 3016, 3017};
const int aiPositions[kRows] = {5, 6, 7, 8, 9, 17, 18, 19};
const wchar_t* const apwcTemplateLabels[kRows] = {L"Record status: (05)",
                                                  L"Type of record: (06)",
                                                  L"Bibliographic level: (07)",
                                                  L"Type of control: (08)",
                                                  L"Character coding scheme: (09)",
                                                  L"Encoding level: (17)",
                                                  L"Descriptive cataloging form: (18)",
                                                  L"Multipart resource record level: (19)"};
constexpr int kOk = 3002;
constexpr int kCancel = 3003;
constexpr int kDisplay = 3031;

TMarcRecord qxRecord(const char* pacLeader, bool tPatron = false)
{
    TMarcRecord record;
    record.qvSetLeader(pacLeader);
    if (tPatron)
        record.qrxGetLeader().qvSetMarcType(ePatron);
    TMarcTag field(1);
    field.qvSetData("ocm00012345", false);
    record.qvOrderedInsert(field);
    return record;
}

std::wstring qxTipOf(HWND hDlg, int iId)
{
    CString tip;
    TLeaderEditor* pxEditor = dynamic_cast<TLeaderEditor*>(CWnd::FromHandlePermanent(hDlg));
    pxEditor->qrxGetToolTip().qvGetWindowTip(CWnd::FromHandle(::GetDlgItem(hDlg, iId)), tip);
    return tip.str();
}

CRect qxClientRect(HWND hDlg, int iId)
{
    CRect rect;
    ::GetWindowRect(::GetDlgItem(hDlg, iId), &rect);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool qtHasVisibleStyle(HWND hDlg, int iId)
{
    return (::GetWindowLongW(::GetDlgItem(hDlg, iId), GWL_STYLE) & WS_VISIBLE) != 0;
}

// The code of each entry of a list, as its label ("a - ...") shows it.
std::wstring qxCodes(HWND hList)
{
    std::wstring xCodes;
    const int iCount = static_cast<int>(::SendMessageW(hList, CB_GETCOUNT, 0, 0));
    for (int j = 0; j < iCount; ++j)
    {
        const std::wstring label = TDialogDriver::qxGetComboText(hList, j);
        EXPECT_TRUE(label.size() > 4 && label.compare(1, 3, L" - ") == 0) << label;
        xCodes += label.empty() ? L'?' : label[0];
    }
    return xCodes;
}

struct TFormatCase
{
    const char* pacName;
    const char* pacLeader;
    bool tPatron;
    const wchar_t* pwcCaption;
    const wchar_t* apwcCodes[kRows]; // null: the row is removed
    const wchar_t* apwcSelected[kRows];
    int iRenamedRow;
    const wchar_t* pwcRenamedLabel;
};

const TFormatCase axFormats[] = {
    {"bibliographic",
     "00000nam a2200000 a 4500",
     false,
     L"Leader Editor - Bibliographic",
     {L"acdnp", L"acdefgijkmoprt", L"abcdims", L"#a", L"#a", L"#1234578uz", L"#acinu", L"#abc"},
     {L"n - New", L"a - Language material", L"m - Monograph/item", L"# - No specific type ", L"a - UCS/Unicode",
      L"# - Full level", L"a - AACR 2", L"# - Not specified or not applicable"},
     -1,
     nullptr},
    {"authority",
     "00000nz  a2200000n  4500",
     false,
     L"Leader Editor - Authority",
     {L"acdnosx", nullptr, nullptr, nullptr, L"#a", L"no", L"#ciu", nullptr},
     {L"n - New", nullptr, nullptr, nullptr, L"a - UCS/Unicode", L"n - Complete authority record",
      L"# - No information provided", nullptr},
     6,
     L"Punctuation policy: (18)"},
    {"holdings",
     "00000cy   22000003i 4500",
     false,
     L"Leader Editor - Holdings",
     {L"cdn", L"uvxy", nullptr, nullptr, L"#a", L"12345muz", L"in", nullptr},
     {L"c - Corrected or revised", L"y - Serial item holdings", nullptr, nullptr, L"# - MARC-8",
      L"3 - Holdings level 3", L"i - Item information", nullptr},
     6,
     L"Item information in record: (18)"},
    {"community",
     "00000nqo a2200000   4500",
     false,
     L"Leader Editor - Community",
     {L"cdn", nullptr, L"nopqz", nullptr, L"#a", nullptr, nullptr, nullptr},
     {L"n - New", nullptr, L"o - Organization", nullptr, L"a - UCS/Unicode", nullptr, nullptr, nullptr},
     2,
     L"Kind Of Data: (07)"},
    {"classification",
     "00000nw  a2200000n  4500",
     false,
     L"Leader Editor - Classification",
     {L"acdn", nullptr, nullptr, nullptr, L"#a", L"no", nullptr, nullptr},
     {L"n - New", nullptr, nullptr, nullptr, L"a - UCS/Unicode", L"n - Complete classification record", nullptr,
      nullptr},
     -1,
     nullptr},
    {"patron",
     "00000nam a2200000 a 4500",
     true,
     L"Leader Editor",
     {L"", nullptr, nullptr, nullptr, L"#a", nullptr, nullptr, nullptr},
     {L"", nullptr, nullptr, nullptr, L"a - UCS/Unicode", nullptr, nullptr, nullptr},
     -1,
     nullptr},
};
}

TEST(LeaderEditor, EachFormatShowsItsListsPreselectedAndWithoutGaps)
{
    // The bibliographic dialog, opened first, shows every row: the other
    // formats' rows close up to its slots, and OK, Cancel and the window's
    // bottom move up a row step for each row removed.
    std::vector<CRect> xListSlots, xLabelSlots;
    CRect xFullOk, xFullCancel, xFullWindow;
    for (const TFormatCase& rxCase : axFormats)
    {
        SCOPED_TRACE(rxCase.pacName);
        const TMarcRecord record = qxRecord(rxCase.pacLeader, rxCase.tPatron);
        TLeaderEditor editor(record, nullptr);
        qiRun(editor, {[&](HWND hDlg) {
                  const bool tFull = xListSlots.empty();
                  EXPECT_EQ(rxCase.pwcCaption, TDialogDriver::qxGetText(hDlg));
                  EXPECT_EQ(L"Close this dialog saving any changes", qxTipOf(hDlg, kOk));
                  EXPECT_EQ(L"Close this Dialog canceling any changes", qxTipOf(hDlg, kCancel));
                  // The line shows the leader as the record is exchanged, lengths included.
                  EXPECT_EQ(qxIso2709(record).substr(0, 24), qxDisplayed(hDlg, kDisplay));

                  std::size_t nSlot = 0;
                  std::string expectedInactive(24, 'x');
                  for (int i = 0; i < kRows; ++i)
                  {
                      SCOPED_TRACE("row " + std::to_string(i));
                      const bool tShown = rxCase.apwcCodes[i] != nullptr;
                      EXPECT_EQ(tShown, qtHasVisibleStyle(hDlg, aiListIds[i]));
                      EXPECT_EQ(tShown, qtHasVisibleStyle(hDlg, aiLabelIds[i]));
                      if (!tShown)
                          continue;
                      const HWND hList = qhItem(hDlg, aiListIds[i]);
                      EXPECT_EQ(i == rxCase.iRenamedRow ? rxCase.pwcRenamedLabel : apwcTemplateLabels[i],
                                TDialogDriver::qxGetText(qhItem(hDlg, aiLabelIds[i])));
                      EXPECT_EQ(rxCase.apwcCodes[i], qxCodes(hList));
                      EXPECT_EQ(rxCase.apwcSelected[i], qxSelectedText(hList));
                      EXPECT_EQ(rxCase.apwcSelected[i], qxTipOf(hDlg, aiListIds[i]));
                      if (tFull)
                      {
                          xListSlots.push_back(qxClientRect(hDlg, aiListIds[i]));
                          xLabelSlots.push_back(qxClientRect(hDlg, aiLabelIds[i]));
                      }
                      ASSERT_LT(nSlot, xListSlots.size());
                      EXPECT_EQ(xListSlots[nSlot].TopLeft(), qxClientRect(hDlg, aiListIds[i]).TopLeft());
                      EXPECT_EQ(xLabelSlots[nSlot].TopLeft(), qxClientRect(hDlg, aiLabelIds[i]).TopLeft());
                      ++nSlot;
                      if (*rxCase.apwcCodes[i] != L'\0' && !rxCase.tPatron)
                          expectedInactive[aiPositions[i]] = '.';
                  }
                  EXPECT_EQ(expectedInactive, qxInactive(hDlg, kDisplay));

                  CRect xWindow;
                  ::GetWindowRect(hDlg, &xWindow);
                  if (tFull)
                  {
                      xFullOk = qxClientRect(hDlg, kOk);
                      xFullCancel = qxClientRect(hDlg, kCancel);
                      xFullWindow = xWindow;
                  }
                  const int iShrink = (kRows - static_cast<int>(nSlot)) * (xListSlots[0].Height() + 1);
                  EXPECT_EQ(CPoint(xFullOk.left, xFullOk.top - iShrink), qxClientRect(hDlg, kOk).TopLeft());
                  EXPECT_EQ(CPoint(xFullCancel.left, xFullCancel.top - iShrink), qxClientRect(hDlg, kCancel).TopLeft());
                  EXPECT_EQ(xFullWindow.Height() - iShrink, xWindow.Height());
                  EXPECT_EQ(xFullWindow.Width(), xWindow.Width());
              }});
    }
}
TEST(LeaderEditor, CodesWithoutAnEntryOpenUnselectedOrOnTheDefaultAndAreKeptUntilChosen)
{
    // Status o is an authority code only; 08 x and 17 y are not MARC 21 codes.
    const TMarcRecord record = qxRecord("00000oamxa2200000ya 4500");
    ASSERT_EQ(eDisplaySaved, qeRun(eLeaderEditor, record, 0, {[](HWND hDlg) {
                                       EXPECT_EQ(L"", qxSelectedText(qhItem(hDlg, aiListIds[0])));
                                       EXPECT_EQ(L"", qxTipOf(hDlg, aiListIds[0]));
                                       EXPECT_EQ(L"# - No specific type ", qxSelectedText(qhItem(hDlg, aiListIds[3])));
                                       EXPECT_EQ(L"# - No specific type ", qxTipOf(hDlg, aiListIds[3]));
                                       EXPECT_EQ(L"# - Full level", qxSelectedText(qhItem(hDlg, aiListIds[5])));
                                       qvClick(hDlg, kOk);
                                   }}));
    EXPECT_EQ(qxIso2709(record), qxIso2709(qxStoredRecord()));
}

// One choice in each row; the code each entry of each format writes is
// LeaderCodeLists' to check.
TEST(LeaderEditor, AChoiceIsWrittenHighlightedAndStoredAfterOk)
{
    const struct
    {
        const char* pacLeader;
        bool tPatron;
        int iRow;
        int iChoice;
        std::wstring xChosenLabel;
        char cCode;
    } axCases[] = {
        {"00000nai a2200000 a 4500", false, 2, 5, L"m - Monograph/item", 'm'},
        {"00000nam a2200000 a 4500", false, 3, 1, L"a - Archival ", 'a'},
        {"00000nam a2200000 a 4500", false, 5, 6, L"7 - Minimal level", '7'},
        {"00000nam a2200000 a 4500", false, 6, 4, L"n - Non-ISBN punctuation omitted", 'n'},
        {"00000nam a2200000 a 4500", false, 7, 2, L"b - Part with independent title", 'b'},
        {"00000nz  a2200000n  4500", false, 0, 4, L"o - Obsolete", 'o'},
        {"00000cy   22000003i 4500", false, 1, 0, L"u - Unknown", 'u'},
        {"00000nam a2200000 a 4500", true, 4, 0, L"# - MARC-8", ' '},
    };
    for (const auto& rxCase : axCases)
    {
        SCOPED_TRACE(std::string(rxCase.pacLeader) + " row " + std::to_string(rxCase.iRow));
        const TMarcRecord record = qxRecord(rxCase.pacLeader, rxCase.tPatron);
        const int iListId = aiListIds[rxCase.iRow];
        const int iPosition = aiPositions[rxCase.iRow];
        std::string expected = rxCase.pacLeader;
        expected[static_cast<size_t>(iPosition)] = rxCase.cCode;
        ASSERT_EQ(eDisplaySaved,
                  qeRun(eLeaderEditor, record, 0,
                        {[&](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, iListId), rxCase.iChoice); },
                         [&](HWND hDlg) {
                             EXPECT_EQ(iPosition, qxHighlight(hDlg, kDisplay).first);
                             EXPECT_EQ(rxCase.cCode, qxDisplayed(hDlg, kDisplay).at(static_cast<size_t>(iPosition)));
                             EXPECT_EQ(rxCase.xChosenLabel, qxTipOf(hDlg, iListId));
                             ::SetFocus(qhItem(hDlg, kCancel));
                         },
                         [&](HWND hDlg) {
                             EXPECT_EQ(-1, qxHighlight(hDlg, kDisplay).first);
                             ::SetFocus(qhItem(hDlg, aiListIds[0]));
                         },
                         [&](HWND hDlg) {
                             EXPECT_EQ(5, qxHighlight(hDlg, kDisplay).first);
                             qvClick(hDlg, kOk);
                         }}));
        const TMarcRecord result = qxStoredRecord();
        EXPECT_EQ(expected, result.qrxGetLeader().qpacGetData());
        EXPECT_EQ(record.qrxGetLeader().qeGetType(), result.qrxGetLeader().qeGetType());
        EXPECT_EQ(record.qdwGetFieldCount(), result.qdwGetFieldCount());
    }
}

TEST(LeaderEditor, OpeningAListWidensItToTheLongestLabel)
{
    TLeaderEditor editor(qxRecord("00000nam a2200000 a 4500"), nullptr);
    qiRun(editor, {[&](HWND hDlg) {
              HWND hList = qhItem(hDlg, 3021);
              const RECT xList = qxRect(hList);
              ::SendMessageW(hList, CB_SHOWDROPDOWN, TRUE, 0);
              const int iDroppedWidth = static_cast<int>(::SendMessageW(hList, CB_GETDROPPEDWIDTH, 0, 0));
              ::SendMessageW(hList, CB_SHOWDROPDOWN, FALSE, 0);
              CClientDC dc(CWnd::FromHandle(hList));
              dc.SelectObject(reinterpret_cast<HGDIOBJ>(::SendMessageW(hList, WM_GETFONT, 0, 0)));
              const std::wstring longest = TDialogDriver::qxGetComboText(hList, 12);
              const int iLongestLabel = dc.GetTextExtent(longest.c_str(), static_cast<int>(longest.size())).cx;
              ASSERT_GT(iLongestLabel, xList.right - xList.left) << "the label of r must not fit the closed list";
              EXPECT_GE(iDroppedWidth, iLongestLabel);
          }});
}

TEST(LeaderEditor, CancelAndClosingStoreNothingAndDiscardAnEarlierResult)
{
    const TMarcRecord record = qxRecord("00000nam a2200000 a 4500");
    ASSERT_EQ(eDisplaySaved, qeRun(eLeaderEditor, record, 0, {qfnClick(kOk)}));
    // Fetching twice after one OK gives the same record.
    EXPECT_EQ(qxIso2709(record), qxIso2709(qxStoredRecord()));
    EXPECT_EQ(qxIso2709(record), qxIso2709(qxStoredRecord()));

    // Closing the window after a choice is Cancel (the Cancel button: UntouchedRecords).
    EXPECT_EQ(eDisplayCancelled, qeRun(eLeaderEditor, record, 0,
                                       {[](HWND hDlg) { TDialogDriver::qvChooseComboRow(qhItem(hDlg, 3023), 6); },
                                        [](HWND hDlg) { ::PostMessageW(hDlg, WM_CLOSE, 0, 0); }}));
    TMarcRecord out;
    EXPECT_THROW(TFieldEditorManager::qvGetMARCRecord(out), TException);
}

// An entry whose value has no code: its setter throws inside the
// selection-change handler, and the exception reaches the host.
TEST(LeaderEditor, AnExceptionInsideTheEditorReachesTheHostAndLeavesNoResult)
{
    const TMarcRecord record = qxRecord("00000nam a2200000 a 4500");
    qvStoreAnEditedRecord(record);
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        HWND hList = qhItem(hDlg, 3023);
        ::SendMessageW(hList, CB_SETITEMDATA, ::SendMessageW(hList, CB_GETCURSEL, 0, 0), 6);
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(3023, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
    });
    EXPECT_THROW(TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, nullptr), TException);
    EXPECT_TRUE(driver.qtFinished());
    EXPECT_FALSE(TFieldEditorManager::mtRecordValid_static);
    TMarcRecord out;
    EXPECT_THROW(TFieldEditorManager::qvGetMARCRecord(out), TException);
}
