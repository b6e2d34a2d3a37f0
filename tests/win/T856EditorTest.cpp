// The 856 editor, driven through the facade as a cataloguer would: lists
// chosen with the arrow keys and Enter, text typed, buttons clicked, questions
// answered in the real message box. "$" stands for the delimiter below and
// for the double dagger of the field line.
#include "support/T856Text.h"
#include "support/TEditorTestKit.h"
#include "support/TTestRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr int kDisplay = 7000, kOk = 7001, kFirstIndicator = 7004, kAccessMethod = 7005, kSecondIndicator = 7006,
              kNonRepeatableCode = 7007, kNonRepeatableText = 7008, kNonRepeatableRemove = 7009, kRepeatableCode = 7010,
              kRepeatableText = 7011, kRepeatableRemove = 7012, kNew = 7013, kNext = 7014, kPrevious = 7015;

TMarcRecord qxRecord(const std::vector<std::string>& rx856s, char cTypeOfRecord = 'a')
{
    std::vector<std::string> xFields;
    for (const std::string& rxText : rx856s)
        xFields.push_back(qxField(rxText));
    return qxRecordWith(cTypeOfRecord, 856, xFields);
}

// The 856s of the record the facade stored after OK, readable.
std::vector<std::string> qxStored856s()
{
    std::vector<std::string> xFields = qxFieldsOf(qxStoredRecord(), 856);
    for (std::string& rxField : xFields)
        rxField = qxReadable(rxField);
    return xFields;
}

std::string qxNarrow(const std::wstring& rxText)
{
    std::string xText;
    for (wchar_t wc : rxText)
        xText += wc == L'\x2021' ? '$' : static_cast<char>(wc);
    return xText;
}

std::string qxText(HWND hDlg, int nId)
{
    return qxNarrow(TDialogDriver::qxGetText(qhItem(hDlg, nId)));
}

// The part of the field line that is selected.
std::string qxSelected(HWND hDlg)
{
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageW(qhItem(hDlg, kDisplay), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    return qxText(hDlg, kDisplay).substr(dwStart, dwEnd - dwStart);
}

// The label of the selected row.
std::string qxShown(HWND hDlg, int nListId)
{
    return qxNarrow(qxSelectedText(qhItem(hDlg, nListId)));
}

// A message box of the dialog, as a person sees it: its text, and the answer
// clicked. Runs as a driver step while the box's own modal loop waits.
struct TQuestion
{
    std::string xText;
    std::string xTitle;
    std::wstring xWideText;
};

std::function<void(HWND)> qfnAnswer(TQuestion& rxSeen, int nButton)
{
    return [&rxSeen, nButton](HWND hDlg) {
        HWND hBox = nullptr;
        for (HWND h = ::FindWindowW(L"#32770", nullptr); h != nullptr;
             h = ::FindWindowExW(nullptr, h, L"#32770", nullptr))
            if (h != hDlg && ::GetWindow(h, GW_OWNER) == hDlg && ::IsWindowVisible(h))
                hBox = h;
        if (hBox == nullptr)
        {
            rxSeen.xText = "(no message box)";
            return;
        }
        rxSeen.xWideText = TDialogDriver::qxGetText(::GetDlgItem(hBox, 0xFFFF));
        rxSeen.xText = qxNarrow(rxSeen.xWideText);
        rxSeen.xTitle = qxNarrow(TDialogDriver::qxGetText(hBox));
        TDialogDriver::qvClick(::GetDlgItem(hBox, nButton));
    };
}

// The record of qxRecord with Leader/09 cLeader09: blank MARC-8, 'a' UTF-8.
TMarcRecord qxRecordIn(char cLeader09, const std::vector<std::string>& rx856s)
{
    TMarcRecord xRecord = qxRecord(rx856s);
    std::string xLeader(xRecord.qrxGetLeader().qpacGetData(), 24);
    xLeader[9] = cLeader09;
    xRecord.qvSetLeader(xLeader.c_str());
    return xRecord;
}

EDisplayReturn qeRun856(const TMarcRecord& rxRecord, const std::vector<TStep>& rxSteps, int iOccurrence = 1)
{
    return qeRun(e856Editor, rxRecord, iOccurrence, rxSteps);
}

const TStep qfnOk = qfnClick(kOk);
}

TEST(T856EditorTest, OpensOnHAndAAndStepsThroughRepeatedSubfields)
{
    const TMarcRecord xRecord = qxRecord({"40$uhttp://a.org/$zfirst note$zsecond note"});
    EXPECT_EQ(eDisplaySaved,
              qeRun856(xRecord, {[](HWND hDlg) {
                                     EXPECT_EQ(qxText(hDlg, kDisplay), "40  $uhttp://a.org/$zfirst note$zsecond note");
                                     EXPECT_EQ(qxSelected(hDlg), "");
                                     EXPECT_EQ(qxShown(hDlg, kFirstIndicator), "4 - HTTP");
                                     EXPECT_EQ(qxShown(hDlg, kSecondIndicator), "0 - Resource");
                                     EXPECT_EQ(qxShown(hDlg, kNonRepeatableCode), "h - Processor of request");
                                     EXPECT_EQ(qxShown(hDlg, kRepeatableCode), "a - Host name");
                                     EXPECT_FALSE(qtEnabled(hDlg, kAccessMethod));
                                     EXPECT_FALSE(qtEnabled(hDlg, kRepeatableText));
                                     EXPECT_FALSE(qtEnabled(hDlg, kNext));
                                     EXPECT_FALSE(qtEnabled(hDlg, kPrevious));
                                     EXPECT_TRUE(qtEnabled(hDlg, kNew));
                                     qvChooseCode(hDlg, kRepeatableCode, L"u");
                                 },
                                 [](HWND hDlg) {
                                     EXPECT_EQ(qxText(hDlg, kRepeatableText), "http://a.org/");
                                     EXPECT_EQ(qxSelected(hDlg), "$uhttp://a.org/");
                                     EXPECT_FALSE(qtEnabled(hDlg, kNext));
                                     qvChooseCode(hDlg, kRepeatableCode, L"z");
                                 },
                                 [](HWND hDlg) {
                                     EXPECT_EQ(qxText(hDlg, kRepeatableText), "first note");
                                     EXPECT_EQ(qxSelected(hDlg), "$zfirst note");
                                     EXPECT_TRUE(qtEnabled(hDlg, kNext));
                                     EXPECT_FALSE(qtEnabled(hDlg, kPrevious));
                                     qvClick(hDlg, kNext);
                                 },
                                 [](HWND hDlg) {
                                     EXPECT_EQ(qxText(hDlg, kRepeatableText), "second note");
                                     EXPECT_EQ(qxSelected(hDlg), "$zsecond note");
                                     EXPECT_FALSE(qtEnabled(hDlg, kNext));
                                     EXPECT_TRUE(qtEnabled(hDlg, kPrevious));
                                     qvClick(hDlg, kPrevious);
                                 },
                                 [](HWND hDlg) {
                                     EXPECT_EQ(qxText(hDlg, kRepeatableText), "first note");
                                     qvClick(hDlg, kOk);
                                 }}));
    EXPECT_EQ(qxStored856s(), std::vector<std::string>{"40$uhttp://a.org/$zfirst note$zsecond note"});
}

TEST(T856EditorTest, AccessMethodFollowsSubfield2)
{
    struct TCase
    {
        const char* field;
        const char* shown;
    } const kCases[] = {{"7 $2gopher$uhttp://a", "Gopher"},
                        {"7 $2ftp$uhttp://a", "Unknown value"},
                        {"7 $2gopherx$uhttp://a", "Unknown value"}};
    for (const TCase& rxCase : kCases)
    {
        EXPECT_EQ(eDisplaySaved, qeRun856(qxRecord({rxCase.field}), {[&rxCase](HWND hDlg) {
                                              EXPECT_TRUE(qtEnabled(hDlg, kAccessMethod));
                                              EXPECT_EQ(qxShown(hDlg, kAccessMethod), rxCase.shown) << rxCase.field;
                                              qvClick(hDlg, kOk);
                                          }}));
        EXPECT_EQ(qxStored856s(), std::vector<std::string>{rxCase.field});
    }

    // Typing a name moves the list; the same name in capitals is no listed
    // name. Picking a row writes its name into $2.
    EXPECT_EQ(eDisplaySaved, qeRun856(qxRecord({"7 $2ftp$uhttp://a"}),
                                      {[](HWND hDlg) { qvChooseCode(hDlg, kNonRepeatableCode, L"2"); },
                                       [](HWND hDlg) {
                                           EXPECT_EQ(qxText(hDlg, kNonRepeatableText), "ftp");
                                           qvRetype(hDlg, kNonRepeatableText, L"wais");
                                           EXPECT_EQ(qxShown(hDlg, kAccessMethod), "Wide Area Information Servers");
                                           qvRetype(hDlg, kNonRepeatableText, L"WAIS");
                                           EXPECT_EQ(qxShown(hDlg, kAccessMethod), "Unknown value");
                                           qvChooseCode(hDlg, kAccessMethod, L"USENET news");
                                       },
                                       [](HWND hDlg) {
                                           EXPECT_EQ(qxText(hDlg, kNonRepeatableText), "news");
                                           EXPECT_EQ(qxSelected(hDlg), "$2news");
                                           qvClick(hDlg, kOk);
                                       }}));
    EXPECT_EQ(qxStored856s(), std::vector<std::string>{"7 $2news$uhttp://a"});
}

TEST(T856EditorTest, LeavingMethod7AsksWhetherToKeepSubfield2)
{
    for (const int nAnswer : {IDYES, IDNO})
    {
        TQuestion xQuestion;
        EXPECT_EQ(eDisplaySaved,
                  qeRun856(qxRecord({"7 $2gopher$uhttp://a"}),
                           {[](HWND hDlg) { qvChooseCode(hDlg, kFirstIndicator, L"4"); }, qfnAnswer(xQuestion, nAnswer),
                            [](HWND hDlg) {
                                EXPECT_FALSE(qtEnabled(hDlg, kAccessMethod));
                                EXPECT_EQ(qxShown(hDlg, kRepeatableCode), "u - Uniform Resource Identifier");
                                EXPECT_EQ(qxSelected(hDlg), "4");
                                qvClick(hDlg, kOk);
                            }}));
        EXPECT_EQ(xQuestion.xText, "Save subfield 2 that you are currently editing?");
        EXPECT_EQ(qxStored856s(), std::vector<std::string>{nAnswer == IDYES ? "4 $2gopher$uhttp://a" : "4 $uhttp://a"});
    }

    // Without a $2 nothing is asked; 3 moves the repeatable list to b.
    EXPECT_EQ(eDisplaySaved,
              qeRun856(qxRecord({"  $uhttp://a"}), {[](HWND hDlg) { qvChooseCode(hDlg, kFirstIndicator, L"3"); },
                                                    [](HWND hDlg) {
                                                        EXPECT_EQ(qxShown(hDlg, kRepeatableCode), "b - Access number");
                                                        qvChooseCode(hDlg, kSecondIndicator, L"2");
                                                    },
                                                    qfnOk}));
    EXPECT_EQ(qxStored856s(), std::vector<std::string>{"32$uhttp://a"});
}

TEST(T856EditorTest, NewRemoveAndEmptiedOccurrences)
{
    EXPECT_EQ(
        eDisplaySaved,
        qeRun856(qxRecord({"40$3part 1$uhttp://a$zone$ztwo$zthree"}),
                 {[](HWND hDlg) { qvChooseCode(hDlg, kRepeatableCode, L"u"); }, [](HWND hDlg) { qvClick(hDlg, kNew); },
                  [](HWND hDlg) {
                      EXPECT_EQ(qxText(hDlg, kRepeatableText), "http://");
                      EXPECT_EQ(qxSelected(hDlg), "$uhttp://");
                      EXPECT_EQ(qxText(hDlg, kDisplay), "40  $3part 1$uhttp://a$zone$ztwo$zthree$uhttp://");
                      EXPECT_FALSE(qtEnabled(hDlg, kNext));
                      EXPECT_TRUE(qtEnabled(hDlg, kPrevious));
                      EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), kRepeatableText);
                      TDialogDriver::qvType(qhItem(hDlg, kRepeatableText), L"b.org/");
                      qvChooseCode(hDlg, kRepeatableCode, L"z");
                  },
                  [](HWND hDlg) { qvClick(hDlg, kNext); },
                  [](HWND hDlg) {
                      // Emptying "two" makes it absent: gone from the line, skipped backwards.
                      qvRetype(hDlg, kRepeatableText, L"");
                      EXPECT_EQ(qxText(hDlg, kDisplay), "40  $3part 1$uhttp://a$zone$zthree$uhttp://b.org/");
                      EXPECT_FALSE(qtEnabled(hDlg, kRepeatableRemove));
                      qvClick(hDlg, kNext);
                  },
                  [](HWND hDlg) { qvClick(hDlg, kPrevious); },
                  [](HWND hDlg) {
                      EXPECT_EQ(qxText(hDlg, kRepeatableText), "one");
                      qvClick(hDlg, kRepeatableRemove);
                  },
                  [](HWND hDlg) {
                      EXPECT_EQ(qxText(hDlg, kRepeatableText), "three");
                      qvChooseCode(hDlg, kNonRepeatableCode, L"q");
                  },
                  [](HWND hDlg) {
                      TDialogDriver::qvType(qhItem(hDlg, kNonRepeatableText), L"text/html");
                      EXPECT_TRUE(qtEnabled(hDlg, kNonRepeatableRemove));
                      EXPECT_EQ(qxSelected(hDlg), "$qtext/html");
                      qvChooseCode(hDlg, kNonRepeatableCode, L"h");
                  },
                  [](HWND hDlg) { qvChooseCode(hDlg, kNonRepeatableCode, L"3"); },
                  [](HWND hDlg) {
                      EXPECT_EQ(qxText(hDlg, kNonRepeatableText), "part 1");
                      qvClick(hDlg, kNonRepeatableRemove);
                      EXPECT_EQ(qxText(hDlg, kNonRepeatableText), "");
                      EXPECT_FALSE(qtEnabled(hDlg, kNonRepeatableRemove));
                  },
                  qfnOk}));
    EXPECT_EQ(qxStored856s(), std::vector<std::string>{"40$uhttp://a$zthree$uhttp://b.org/$qtext/html"});
}

// The close box asks before it discards the edits.
TEST(T856EditorTest, TheCloseBoxAsksFirst)
{
    TQuestion xFirst, xSecond;
    EXPECT_EQ(eDisplayCancelled,
              qeRun856(qxRecord({"40$uhttp://a"}),
                       {[](HWND hDlg) { ::SendMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }, qfnAnswer(xFirst, IDNO),
                        [](HWND hDlg) {
                            EXPECT_TRUE(::IsWindowVisible(hDlg));
                            ::SendMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                        },
                        qfnAnswer(xSecond, IDYES)}));
    EXPECT_EQ(xFirst.xText, "Close form, discarding all edits and changes?");
    EXPECT_EQ(xSecond.xText, xFirst.xText);
    // No caption: the box is titled with the program's name.
    EXPECT_EQ(xFirst.xTitle, "orvo_win_tests");
}

TEST(T856EditorTest, FacadeInsertsReplacesAndKeepsTheRecord)
{
    const TMarcRecord xTwo = qxRecord({"40$uhttp://first", "41$uhttp://second"});
    EXPECT_EQ(eDisplaySaved, qeRun856(xTwo,
                                      {[](HWND hDlg) {
                                           EXPECT_EQ(qxText(hDlg, kDisplay), "41  $uhttp://second");
                                           qvChooseCode(hDlg, kSecondIndicator, L"2");
                                       },
                                       qfnOk},
                                      2));
    EXPECT_EQ(qxStored856s(), (std::vector<std::string>{"40$uhttp://first", "42$uhttp://second"}));

    EXPECT_EQ(eDisplaySaved,
              qeRun856(qxRecord({}),
                       {[](HWND hDlg) {
                            EXPECT_EQ(qxText(hDlg, kDisplay), "    ");
                            qvChooseCode(hDlg, kRepeatableCode, L"u");
                        },
                        [](HWND hDlg) { qvClick(hDlg, kNew); },
                        [](HWND hDlg) { TDialogDriver::qvType(qhItem(hDlg, kRepeatableText), L"new"); }, qfnOk},
                       0));
    EXPECT_EQ(qxStored856s(), std::vector<std::string>{"  $uhttp://new"});
    EXPECT_EQ((std::vector<int>{245, 856}), qxTags(qxStoredRecord()));

    // A missing occurrence opens empty, and OK stores the record as it was.
    EXPECT_EQ(eDisplaySaved, qeRun856(xTwo, {[](HWND hDlg) { EXPECT_EQ(qxText(hDlg, kDisplay), "    "); }, qfnOk}, 5));
    EXPECT_EQ(qxIso2709(xTwo), qxIso2709(qxStoredRecord()));

    // An authority record: the second indicator shows, but cannot be changed.
    EXPECT_EQ(eDisplaySaved, qeRun856(qxRecord({"41$uhttp://a"}, 'z'),
                                      {[](HWND hDlg) {
                                           EXPECT_FALSE(qtEnabled(hDlg, kSecondIndicator));
                                           EXPECT_EQ(qxShown(hDlg, kSecondIndicator), "1 - Version of resource");
                                       },
                                       qfnOk}));
}

// Text is typed and shown in the record's character set (Leader/09).
TEST(T856EditorTest, TypedTextIsWrittenInTheRecordsCharacterSet)
{
    for (const char cLeader09 : {'a', ' '})
    {
        EXPECT_EQ(eDisplaySaved, qeRun856(qxRecordIn(cLeader09, {"40$uhttp://a"}),
                                          {[](HWND hDlg) { qvChooseCode(hDlg, kRepeatableCode, L"z"); },
                                           [](HWND hDlg) { qvClick(hDlg, kNew); },
                                           [](HWND hDlg) {
                                               TDialogDriver::qvType(qhItem(hDlg, kRepeatableText),
                                                                     L"num\u00E9ris\u00E9e");
                                               EXPECT_EQ(TDialogDriver::qxGetText(qhItem(hDlg, kDisplay)),
                                                         L"40  \x2021uhttp://a\x2021znum\u00E9ris\u00E9e");
                                               EXPECT_EQ(qxSelected(hDlg).size(), 11u);
                                           },
                                           qfnOk}));
        EXPECT_EQ(qxStored856s(), std::vector<std::string>{cLeader09 == 'a' ? "40$uhttp://a$znum\xC3\xA9ris\xC3\xA9"
                                                                              "e"
                                                                            : "40$uhttp://a$znum\xE2"
                                                                              "eris\xE2"
                                                                              "ee"});
    }
}

// In MARC-8 a stored letter and its mark show as the one character, Cyrillic
// and Greek are written through their sets' escapes, and a character MARC-8
// lacks is refused, named with the set, the subfield left as it was.
TEST(T856EditorTest, Marc8ShowsComposedReachesOtherScriptsAndRefusesTheRest)
{
    TQuestion xRefusal;
    EXPECT_EQ(eDisplaySaved,
              qeRun856(qxRecordIn(' ', {"40$uhttp://a$zBogot\xE2"
                                        "a"}),
                       {[](HWND hDlg) { qvChooseCode(hDlg, kRepeatableCode, L"z"); },
                        [](HWND hDlg) {
                            EXPECT_EQ(TDialogDriver::qxGetText(qhItem(hDlg, kRepeatableText)), L"Bogot\u00E1");
                            qvRetype(hDlg, kRepeatableText, L"\u0412\u043E\u0439\u043D\u0430 \u03A8");
                            qvClick(hDlg, kNew);
                        },
                        [](HWND hDlg) { TDialogDriver::qvType(qhItem(hDlg, kRepeatableText), L"Snow \u2603"); },
                        qfnAnswer(xRefusal, IDOK),
                        [](HWND hDlg) {
                            EXPECT_EQ(TDialogDriver::qxGetText(qhItem(hDlg, kRepeatableText)), L"Snow ");
                            qvClick(hDlg, kOk);
                        }}));
    EXPECT_EQ(xRefusal.xWideText, L"The character U+2603 (\u2603) cannot be written in this record's character set, "
                                  L"MARC-8. The subfield is left as it was.");
    EXPECT_EQ(qxStored856s(), std::vector<std::string>{"40$uhttp://a$z\x1B(NwOJNA\x1B(B \x1B(S\\\x1B(B$zSnow "});
}

// Bytes that are no character (invalid UTF-8, MARC-8 escapes to no known set)
// show visibly, and a field opened and closed with OK gives every byte back,
// also beside a subfield the cataloguer retyped.
TEST(T856EditorTest, BytesThatAreNoCharacterComeBackAsTheyWere)
{
    struct TCase
    {
        char cLeader09;
        const char* pacField;
        const wchar_t* pwcShownZ;
    } const kCases[] = {
        {'a', "40$uhttp://a/\xFF$zbad \xE9t\xE9 \xF0\x9F$zcaf\xC3\xA9", L"bad \\xE9t\\xE9 \\xF0\\x9F"},
        {' ',
         "40$uhttp://a/\xFF$zodd \x1B(Zq\x1B)Zr$zcaf\xE2"
         "e",
         L"odd \\x1B(Zq\\x1B)Zr"},
    };
    for (const TCase& rxCase : kCases)
    {
        for (const bool tRetypeU : {false, true})
        {
            EXPECT_EQ(eDisplaySaved,
                      qeRun856(qxRecordIn(rxCase.cLeader09, {rxCase.pacField}),
                               {[](HWND hDlg) { qvChooseCode(hDlg, kRepeatableCode, L"z"); },
                                [&rxCase](HWND hDlg) {
                                    const std::wstring xLine = TDialogDriver::qxGetText(qhItem(hDlg, kDisplay));
                                    EXPECT_NE(xLine.find(rxCase.pwcShownZ), std::wstring::npos) << qxNarrow(xLine);
                                    EXPECT_NE(xLine.find(L"\x2021zcaf\u00E9"), std::wstring::npos) << qxNarrow(xLine);
                                    qvClick(hDlg, kNext);
                                },
                                [tRetypeU](HWND hDlg) {
                                    qvChooseCode(hDlg, kRepeatableCode, L"u");
                                    if (tRetypeU)
                                        qvRetype(hDlg, kRepeatableText, L"http://b/");
                                },
                                qfnOk}));
            std::string xExpected = rxCase.pacField;
            if (tRetypeU)
                xExpected.replace(2, std::strlen("$uhttp://a/\xFF"), "$uhttp://b/");
            EXPECT_EQ(qxStored856s(), std::vector<std::string>{xExpected}) << rxCase.cLeader09 << tRetypeU;
        }
    }
}
