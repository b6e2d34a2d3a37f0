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
const wchar_t* const apwcTemplateLabels[kRows] = {
    L"Record status: (05)", L"Type of record: (06)", L"Bibliographic level: (07)", L"Type of control: (08)",
    L"Character coding scheme: (09)", L"Encoding level: (17)", L"Descriptive cataloging form: (18)",
    L"Multipart resource record level: (19)"};
constexpr int kOk = 3002;
constexpr int kCancel = 3003;

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

TLeaderEditor* qpxEditorOf(HWND hDlg)
{
    return dynamic_cast<TLeaderEditor*>(CWnd::FromHandlePermanent(hDlg));
}

std::wstring qxTipOf(HWND hDlg, int iId)
{
    CString tip;
    qpxEditorOf(hDlg)->qrxGetToolTip().qvGetWindowTip(CWnd::FromHandle(::GetDlgItem(hDlg, iId)), tip);
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

struct TRowView
{
    bool tListVisible = false;
    bool tLabelVisible = false;
    CRect xList, xLabel;
    std::wstring xLabelText;
    std::wstring xCodes;    // the code of each entry, as its label shows it
    std::wstring xSelected; // the selected entry's label; empty for none
    std::wstring xTip;
};

struct TEditorView
{
    std::wstring xCaption;
    TRowView axRows[kRows];
    CRect xOk, xCancel, xWindow;
    std::wstring xOkTip, xCancelTip;
    std::wstring xLine;
    std::string xInactive; // 'x' for each inactive position of the line
};

TEditorView qxCapture(HWND hDlg)
{
    TEditorView view;
    view.xCaption = TDialogDriver::qxGetText(hDlg);
    for (int i = 0; i < kRows; ++i)
    {
        TRowView& row = view.axRows[i];
        HWND hList = ::GetDlgItem(hDlg, aiListIds[i]);
        row.tListVisible = qtHasVisibleStyle(hDlg, aiListIds[i]);
        row.tLabelVisible = qtHasVisibleStyle(hDlg, aiLabelIds[i]);
        row.xList = qxClientRect(hDlg, aiListIds[i]);
        row.xLabel = qxClientRect(hDlg, aiLabelIds[i]);
        row.xLabelText = TDialogDriver::qxGetText(::GetDlgItem(hDlg, aiLabelIds[i]));
        const int iCount = static_cast<int>(::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        for (int j = 0; j < iCount; ++j)
        {
            const std::wstring label = TDialogDriver::qxGetComboText(hList, j);
            EXPECT_TRUE(label.size() > 4 && label.compare(1, 3, L" - ") == 0) << label;
            row.xCodes += label.empty() ? L'?' : label[0];
        }
        row.xSelected = qxSelectedText(hList);
        row.xTip = qxTipOf(hDlg, aiListIds[i]);
    }
    view.xOk = qxClientRect(hDlg, kOk);
    view.xCancel = qxClientRect(hDlg, kCancel);
    ::GetWindowRect(hDlg, &view.xWindow);
    view.xOkTip = qxTipOf(hDlg, kOk);
    view.xCancelTip = qxTipOf(hDlg, kCancel);
    const TStaticFieldDisplay& line = qpxEditorOf(hDlg)->qrxGetLeaderDisplay();
    view.xLine = line.qrxGetFieldData().str();
    for (int i = 0; i < 24; ++i)
        view.xInactive += line.qtIsInactive(i) ? 'x' : '.';
    return view;
}

TEditorView qxOpen(const TMarcRecord& rxRecord)
{
    TLeaderEditor editor(rxRecord, nullptr);
    TEditorView view;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) { view = qxCapture(hDlg); });
    EXPECT_EQ(TDialogDriver::kDriverEnded, editor.DoModal());
    return view;
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
    {"bibliographic", "00000nam a2200000 a 4500", false, L"Leader Editor - Bibliographic",
     {L"acdnp", L"acdefgijkmoprt", L"abcdims", L"#a", L"#a", L"#1234578uz", L"#acinu", L"#abc"},
     {L"n - New", L"a - Language material", L"m - Monograph/item", L"# - No specific type ", L"a - UCS/Unicode",
      L"# - Full level", L"a - AACR 2", L"# - Not specified or not applicable"},
     -1, nullptr},
    {"authority", "00000nz  a2200000n  4500", false, L"Leader Editor - Authority",
     {L"acdnosx", nullptr, nullptr, nullptr, L"#a", L"no", L"#ciu", nullptr},
     {L"n - New", nullptr, nullptr, nullptr, L"a - UCS/Unicode", L"n - Complete authority record",
      L"# - No information provided", nullptr},
     6, L"Punctuation policy: (18)"},
    {"holdings", "00000cy   22000003i 4500", false, L"Leader Editor - Holdings",
     {L"cdn", L"uvxy", nullptr, nullptr, L"#a", L"12345muz", L"in", nullptr},
     {L"c - Corrected or revised", L"y - Serial item holdings", nullptr, nullptr, L"# - MARC-8",
      L"3 - Holdings level 3", L"i - Item information", nullptr},
     6, L"Item information in record: (18)"},
    {"community", "00000nqo a2200000   4500", false, L"Leader Editor - Community",
     {L"cdn", nullptr, L"nopqz", nullptr, L"#a", nullptr, nullptr, nullptr},
     {L"n - New", nullptr, L"o - Organization", nullptr, L"a - UCS/Unicode", nullptr, nullptr, nullptr},
     2, L"Kind Of Data: (07)"},
    {"classification", "00000nw  a2200000n  4500", false, L"Leader Editor - Classification",
     {L"acdn", nullptr, nullptr, nullptr, L"#a", L"no", nullptr, nullptr},
     {L"n - New", nullptr, nullptr, nullptr, L"a - UCS/Unicode", L"n - Complete classification record", nullptr,
      nullptr},
     -1, nullptr},
    {"patron", "00000nam a2200000 a 4500", true, L"Leader Editor",
     {L"", nullptr, nullptr, nullptr, L"#a", nullptr, nullptr, nullptr},
     {L"", nullptr, nullptr, nullptr, L"a - UCS/Unicode", nullptr, nullptr, nullptr},
     -1, nullptr},
};
}

TEST(LeaderEditor, EachFormatShowsItsListsPreselectedAndWithoutGaps)
{
    const TEditorView baseline = qxOpen(qxRecord(axFormats[0].pacLeader));
    const int iStep = baseline.axRows[0].xList.Height() + 1;
    ASSERT_GT(iStep, 1);

    for (const TFormatCase& rxCase : axFormats)
    {
        SCOPED_TRACE(rxCase.pacName);
        const TMarcRecord record = qxRecord(rxCase.pacLeader, rxCase.tPatron);
        const TEditorView view = qxOpen(record);
        EXPECT_EQ(rxCase.pwcCaption, view.xCaption);
        EXPECT_EQ(L"Close this dialog saving any changes", view.xOkTip);
        EXPECT_EQ(L"Close this Dialog canceling any changes", view.xCancelTip);
        // The line shows the leader as the record is exchanged, lengths included.
        const std::string exchanged = qxIso2709(record).substr(0, 24);
        EXPECT_EQ(std::wstring(exchanged.begin(), exchanged.end()), view.xLine);

        int iSlot = 0;
        std::string expectedInactive(24, 'x');
        for (int i = 0; i < kRows; ++i)
        {
            SCOPED_TRACE("row " + std::to_string(i));
            const TRowView& row = view.axRows[i];
            if (rxCase.apwcCodes[i] == nullptr)
            {
                EXPECT_FALSE(row.tListVisible);
                EXPECT_FALSE(row.tLabelVisible);
                continue;
            }
            EXPECT_TRUE(row.tListVisible);
            EXPECT_TRUE(row.tLabelVisible);
            EXPECT_EQ(i == rxCase.iRenamedRow ? rxCase.pwcRenamedLabel : apwcTemplateLabels[i], row.xLabelText);
            EXPECT_EQ(rxCase.apwcCodes[i], row.xCodes);
            EXPECT_EQ(rxCase.apwcSelected[i], row.xSelected);
            EXPECT_EQ(rxCase.apwcSelected[i], row.xTip);
            // Rows close up: the n-th row shown sits where the n-th row of the
            // full dialog sits.
            EXPECT_EQ(baseline.axRows[iSlot].xList.TopLeft(), row.xList.TopLeft());
            EXPECT_EQ(baseline.axRows[iSlot].xLabel.TopLeft(), row.xLabel.TopLeft());
            ++iSlot;
            if (!row.xCodes.empty() && !rxCase.tPatron)
                expectedInactive[aiPositions[i]] = '.';
        }
        EXPECT_EQ(expectedInactive, view.xInactive);

        const int iShrink = (kRows - iSlot) * iStep;
        EXPECT_EQ(baseline.xOk.left, view.xOk.left);
        EXPECT_EQ(baseline.xOk.top - iShrink, view.xOk.top);
        EXPECT_EQ(baseline.xCancel.left, view.xCancel.left);
        EXPECT_EQ(baseline.xCancel.top - iShrink, view.xCancel.top);
        EXPECT_EQ(baseline.xWindow.Height() - iShrink, view.xWindow.Height());
        EXPECT_EQ(baseline.xWindow.Width(), view.xWindow.Width());
    }
}

TEST(LeaderEditor, CodesWithoutAnEntryOpenUnselectedOrOnTheDefaultAndAreKeptUntilChosen)
{
    // Status o is an authority code only; 08 x and 17 y are not MARC 21 codes.
    const TMarcRecord record = qxRecord("00000oamxa2200000ya 4500");
    const TEditorView view = qxOpen(record);
    EXPECT_EQ(L"", view.axRows[0].xSelected);
    EXPECT_EQ(L"", view.axRows[0].xTip);
    EXPECT_EQ(L"# - No specific type ", view.axRows[3].xSelected);
    EXPECT_EQ(L"# - No specific type ", view.axRows[3].xTip);
    EXPECT_EQ(L"# - Full level", view.axRows[5].xSelected);

    TDialogDriver driver;
    driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, kOk)); });
    ASSERT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, nullptr));
    const TMarcRecord result = qxStoredRecord();
    EXPECT_EQ(qxIso2709(record), qxIso2709(result));
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
        int iHighlightAfterChoice = -2, iHighlightAfterLeaving = -2, iHighlightOnStatus = -2;
        std::wstring xLineAfterChoice, xTipAfterChoice;
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) { TDialogDriver::qvChooseComboRow(::GetDlgItem(hDlg, iListId), rxCase.iChoice); });
        driver.qrxThen([&](HWND hDlg) {
            const TStaticFieldDisplay& line = qpxEditorOf(hDlg)->qrxGetLeaderDisplay();
            iHighlightAfterChoice = line.qiGetHighlightStart();
            xLineAfterChoice = line.qrxGetFieldData().str();
            xTipAfterChoice = qxTipOf(hDlg, iListId);
            ::SetFocus(::GetDlgItem(hDlg, kCancel));
        });
        driver.qrxThen([&](HWND hDlg) {
            iHighlightAfterLeaving = qpxEditorOf(hDlg)->qrxGetLeaderDisplay().qiGetHighlightStart();
            ::SetFocus(::GetDlgItem(hDlg, aiListIds[0]));
        });
        driver.qrxThen([&](HWND hDlg) {
            iHighlightOnStatus = qpxEditorOf(hDlg)->qrxGetLeaderDisplay().qiGetHighlightStart();
            TDialogDriver::qvClick(::GetDlgItem(hDlg, kOk));
        });
        ASSERT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, nullptr));

        EXPECT_EQ(iPosition, iHighlightAfterChoice);
        ASSERT_EQ(24u, xLineAfterChoice.size());
        EXPECT_EQ(static_cast<wchar_t>(rxCase.cCode), xLineAfterChoice[static_cast<size_t>(iPosition)]);
        EXPECT_EQ(rxCase.xChosenLabel, xTipAfterChoice);
        EXPECT_EQ(-1, iHighlightAfterLeaving);
        EXPECT_EQ(5, iHighlightOnStatus);

        const TMarcRecord result = qxStoredRecord();
        std::string expected = rxCase.pacLeader;
        expected[static_cast<size_t>(iPosition)] = rxCase.cCode;
        EXPECT_EQ(expected, result.qrxGetLeader().qpacGetData());
        EXPECT_EQ(record.qrxGetLeader().qeGetType(), result.qrxGetLeader().qeGetType());
        EXPECT_EQ(record.qdwGetFieldCount(), result.qdwGetFieldCount());
    }
}

TEST(LeaderEditor, OpeningAListWidensItToTheLongestLabel)
{
    const TMarcRecord record = qxRecord("00000nam a2200000 a 4500");
    TLeaderEditor editor(record, nullptr);
    int iListWidth = 0, iDroppedWidth = 0, iLongestLabel = 0;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, 3021);
        CRect rect;
        ::GetWindowRect(hList, &rect);
        iListWidth = rect.Width();
        ::SendMessageW(hList, CB_SHOWDROPDOWN, TRUE, 0);
        iDroppedWidth = static_cast<int>(::SendMessageW(hList, CB_GETDROPPEDWIDTH, 0, 0));
        ::SendMessageW(hList, CB_SHOWDROPDOWN, FALSE, 0);
        CClientDC dc(CWnd::FromHandle(hList));
        dc.SelectObject(reinterpret_cast<HGDIOBJ>(::SendMessageW(hList, WM_GETFONT, 0, 0)));
        const std::wstring longest = TDialogDriver::qxGetComboText(hList, 12);
        iLongestLabel = dc.GetTextExtent(longest.c_str(), static_cast<int>(longest.size())).cx;
    });
    editor.DoModal();
    ASSERT_GT(iLongestLabel, iListWidth) << "the label of r must not fit the closed list";
    EXPECT_GE(iDroppedWidth, iLongestLabel);
}

TEST(LeaderEditor, CancelAndClosingStoreNothingAndDiscardAnEarlierResult)
{
    const TMarcRecord record = qxRecord("00000nam a2200000 a 4500");
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, kOk)); });
        ASSERT_EQ(eDisplaySaved, TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, nullptr));
    }
    // Fetching twice after one OK gives the same record.
    TMarcRecord first, second;
    TFieldEditorManager::qvGetMARCRecord(first);
    TFieldEditorManager::qvGetMARCRecord(second);
    EXPECT_EQ(qxIso2709(record), qxIso2709(first));
    EXPECT_EQ(qxIso2709(first), qxIso2709(second));
    EXPECT_TRUE(TFieldEditorManager::mtRecordValid_static);

    // Closing the window after a choice is Cancel (the Cancel button: UntouchedRecords).
    TDialogDriver driver;
    driver.qrxThen([](HWND hDlg) { TDialogDriver::qvChooseComboRow(::GetDlgItem(hDlg, 3023), 6); });
    driver.qrxThen([](HWND hDlg) { ::PostMessageW(hDlg, WM_CLOSE, 0, 0); });
    EXPECT_EQ(eDisplayCancelled, TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, nullptr));
    TMarcRecord out;
    EXPECT_THROW(TFieldEditorManager::qvGetMARCRecord(out), TException);
}

TEST(LeaderEditor, AnExceptionInsideTheEditorReachesTheHostAndLeavesNoResult)
{
    const TMarcRecord record = qxRecord("00000nam a2200000 a 4500");
    TFieldEditorManager::mxMarcRecord_static = record;
    TFieldEditorManager::mtRecordValid_static = true;

    bool tUnknownIdThrew = false;
    TDialogDriver driver;
    driver.qrxThen([&](HWND hDlg) {
        try
        {
            qpxEditorOf(hDlg)->qvChangeLeaderData(3001);
        }
        catch (const TException& e)
        {
            tUnknownIdThrew = true;
            EXPECT_STREQ(L"TLeaderEditor::qvChangeLeaderData(): Combo Box ID not implement here.",
                         e.qpwcGetMessage());
            EXPECT_EQ(0, static_cast<int>(e.qeGetErrorType()));
            EXPECT_EQ(-1, e.qiGetCode());
        }
        // An entry whose value has no code: its setter throws inside the
        // selection-change handler.
        HWND hList = ::GetDlgItem(hDlg, 3023);
        ::SendMessageW(hList, CB_SETITEMDATA, ::SendMessageW(hList, CB_GETCURSEL, 0, 0), 6);
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(3023, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
    });
    EXPECT_THROW(TFieldEditorManager::qeDisplay(eLeaderEditor, record, 0, nullptr), TException);
    EXPECT_TRUE(tUnknownIdThrew);
    EXPECT_FALSE(TFieldEditorManager::mtRecordValid_static);
    EXPECT_EQ(0u, TFieldEditorManager::mxMarcRecord_static.qdwGetFieldCount());
    TMarcRecord out;
    EXPECT_THROW(TFieldEditorManager::qvGetMARCRecord(out), TException);
}
