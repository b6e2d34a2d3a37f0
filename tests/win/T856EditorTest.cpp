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
constexpr int kDisplay = 7000, kOk = 7001, kFirstIndicator = 7004, kAccessMethod = 7005,
              kSecondIndicator = 7006, kNonRepeatableCode = 7007, kNonRepeatableText = 7008,
              kNonRepeatableRemove = 7009, kRepeatableCode = 7010, kRepeatableText = 7011,
              kRepeatableRemove = 7012, kNew = 7013, kNext = 7014, kPrevious = 7015;

TMarcRecord qxRecord(const std::vector<std::string>& rx856s, char cTypeOfRecord = 'a')
{
    std::vector<std::string> xFields;
    for (const std::string& rxText : rx856s)
        xFields.push_back(qxField(rxText));
    return qxRecordWith(cTypeOfRecord, 856, xFields);
}

// The record's fields in order, as "tag data" lines.
std::vector<std::string> qxFields(const TMarcRecord& rxRecord)
{
    std::vector<std::string> xFields;
    for (int iTag : {245, 856})
    {
        TMarcTag xField;
        for (int i = 1; rxRecord.qtFindTag(iTag, xField, i); ++i)
            xFields.push_back(std::to_string(iTag) + " " + qxReadable(xField.qpacGetData()));
    }
    return xFields;
}

// The field the facade stored after OK, or what went wrong.
std::string qxStored856(int iOccurrence = 1)
{
    TMarcTag xField;
    if (!qxStoredRecord().qtFindTag(856, xField, iOccurrence))
        return "(none)";
    return qxReadable(xField.qpacGetData());
}

bool qtEnabled(HWND hDlg, int nId)
{
    return ::IsWindowEnabled(qhItem(hDlg, nId)) != FALSE;
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

void qvClick(HWND hDlg, int nId)
{
    TDialogDriver::qvClick(qhItem(hDlg, nId));
}

// Replaces a box's text as a cataloguer would: select all, then type.
void qvRetype(HWND hDlg, int nId, const std::wstring& rxText)
{
    ::SendMessageW(qhItem(hDlg, nId), EM_SETSEL, 0, -1);
    if (rxText.empty())
        ::SendMessageW(qhItem(hDlg, nId), WM_CHAR, VK_BACK, 1);
    TDialogDriver::qvType(qhItem(hDlg, nId), rxText);
}

// A message box of the dialog, as a person sees it: its text, and the answer
// clicked. Runs as a driver step while the box's own modal loop waits.
struct TQuestion
{
    std::string xText;
    std::string xTitle;
};

std::function<void(HWND)> qfnAnswer(TQuestion& rxSeen, int nButton)
{
    return [&rxSeen, nButton](HWND hDlg) {
        HWND hBox = nullptr;
        for (HWND h = ::FindWindowW(L"#32770", nullptr); h != nullptr; h = ::FindWindowExW(nullptr, h, L"#32770", nullptr))
            if (h != hDlg && ::GetWindow(h, GW_OWNER) == hDlg && ::IsWindowVisible(h))
                hBox = h;
        if (hBox == nullptr)
        {
            rxSeen.xText = "(no message box)";
            return;
        }
        rxSeen.xText = qxNarrow(TDialogDriver::qxGetText(::GetDlgItem(hBox, 0xFFFF)));
        rxSeen.xTitle = qxNarrow(TDialogDriver::qxGetText(hBox));
        TDialogDriver::qvClick(::GetDlgItem(hBox, nButton));
    };
}

EDisplayReturn qeRun(TDialogDriver& rxDriver, const TMarcRecord& rxRecord, int iOccurrence = 1)
{
    const EDisplayReturn eResult = TFieldEditorManager::qeDisplay(e856Editor, rxRecord, iOccurrence, nullptr);
    EXPECT_TRUE(rxDriver.qtFinished());
    return eResult;
}

auto qfnOk = [](HWND hDlg) { qvClick(hDlg, kOk); };
}

TEST(T856EditorTest, OpensOnHAndAAndStepsThroughRepeatedSubfields)
{
    const TMarcRecord xRecord = qxRecord({"40$uhttp://a.org/$zfirst note$zsecond note"});
    TDialogDriver driver;
    driver
        .qrxThen([](HWND hDlg) {
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
        })
        .qrxThen([](HWND hDlg) {
            EXPECT_EQ(qxText(hDlg, kRepeatableText), "http://a.org/");
            EXPECT_EQ(qxSelected(hDlg), "$uhttp://a.org/");
            EXPECT_FALSE(qtEnabled(hDlg, kNext));
            qvChooseCode(hDlg, kRepeatableCode, L"z");
        })
        .qrxThen([](HWND hDlg) {
            EXPECT_EQ(qxText(hDlg, kRepeatableText), "first note");
            EXPECT_EQ(qxSelected(hDlg), "$zfirst note");
            EXPECT_TRUE(qtEnabled(hDlg, kNext));
            EXPECT_FALSE(qtEnabled(hDlg, kPrevious));
            qvClick(hDlg, kNext);
        })
        .qrxThen([](HWND hDlg) {
            EXPECT_EQ(qxText(hDlg, kRepeatableText), "second note");
            EXPECT_EQ(qxSelected(hDlg), "$zsecond note");
            EXPECT_FALSE(qtEnabled(hDlg, kNext));
            EXPECT_TRUE(qtEnabled(hDlg, kPrevious));
            qvClick(hDlg, kPrevious);
        })
        .qrxThen([](HWND hDlg) {
            EXPECT_EQ(qxText(hDlg, kRepeatableText), "first note");
            qvClick(hDlg, kOk);
        });
    EXPECT_EQ(qeRun(driver, xRecord), eDisplaySaved);
    EXPECT_EQ(qxStored856(), "40$uhttp://a.org/$zfirst note$zsecond note");
}

TEST(T856EditorTest, AccessMethodFollowsSubfield2)
{
    struct TCase
    {
        const char* field;
        const char* shown;
    } const kCases[] = {{"7 $2gopher$uhttp://a", "Gopher"}, {"7 $2ftp$uhttp://a", "Unknown value"},
                        {"7 $2gopherx$uhttp://a", "Unknown value"}};
    for (const TCase& rxCase : kCases)
    {
        TDialogDriver driver;
        driver.qrxThen([&rxCase](HWND hDlg) {
            EXPECT_TRUE(qtEnabled(hDlg, kAccessMethod));
            EXPECT_EQ(qxShown(hDlg, kAccessMethod), rxCase.shown) << rxCase.field;
            qvClick(hDlg, kOk);
        });
        EXPECT_EQ(qeRun(driver, qxRecord({rxCase.field})), eDisplaySaved);
        EXPECT_EQ(qxStored856(), rxCase.field);
    }

    // Typing a name moves the list; the same name in capitals is no listed
    // name. Picking a row writes its name into $2.
    TDialogDriver driver;
    std::vector<std::string> xShown;
    driver
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, kNonRepeatableCode, L"2"); })
        .qrxThen([&xShown](HWND hDlg) {
            xShown.push_back(qxText(hDlg, kNonRepeatableText));
            qvRetype(hDlg, kNonRepeatableText, L"wais");
            xShown.push_back(qxShown(hDlg, kAccessMethod));
            qvRetype(hDlg, kNonRepeatableText, L"WAIS");
            xShown.push_back(qxShown(hDlg, kAccessMethod));
            qvChooseCode(hDlg, kAccessMethod, L"USENET news");
        })
        .qrxThen([&xShown](HWND hDlg) {
            xShown.push_back(qxText(hDlg, kNonRepeatableText));
            xShown.push_back(qxSelected(hDlg));
            qvClick(hDlg, kOk);
        });
    EXPECT_EQ(qeRun(driver, qxRecord({"7 $2ftp$uhttp://a"})), eDisplaySaved);
    EXPECT_EQ(xShown, (std::vector<std::string>{"ftp", "Wide Area Information Servers", "Unknown value", "news",
                                                "$2news"}));
    EXPECT_EQ(qxStored856(), "7 $2news$uhttp://a");
}

TEST(T856EditorTest, LeavingMethod7AsksWhetherToKeepSubfield2)
{
    for (const int nAnswer : {IDYES, IDNO})
    {
        TDialogDriver driver;
        TQuestion xQuestion;
        driver
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, kFirstIndicator, L"4"); })
            .qrxThen(qfnAnswer(xQuestion, nAnswer))
            .qrxThen([](HWND hDlg) {
                EXPECT_FALSE(qtEnabled(hDlg, kAccessMethod));
                EXPECT_EQ(qxShown(hDlg, kRepeatableCode), "u - Uniform Resource Identifier");
                EXPECT_EQ(qxSelected(hDlg), "4");
                qvClick(hDlg, kOk);
            });
        EXPECT_EQ(qeRun(driver, qxRecord({"7 $2gopher$uhttp://a"})), eDisplaySaved);
        EXPECT_EQ(xQuestion.xText, "Save subfield 2 that you are currently editing?");
        EXPECT_EQ(qxStored856(), nAnswer == IDYES ? "4 $2gopher$uhttp://a" : "4 $uhttp://a");
    }

    // Without a $2 nothing is asked; 3 moves the repeatable list to b.
    TDialogDriver driver;
    driver
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, kFirstIndicator, L"3"); })
        .qrxThen([](HWND hDlg) {
            EXPECT_EQ(qxShown(hDlg, kRepeatableCode), "b - Access number");
            qvChooseCode(hDlg, kSecondIndicator, L"2");
        })
        .qrxThen(qfnOk);
    EXPECT_EQ(qeRun(driver, qxRecord({"  $uhttp://a"})), eDisplaySaved);
    EXPECT_EQ(qxStored856(), "32$uhttp://a");
}

TEST(T856EditorTest, NewRemoveAndEmptiedOccurrences)
{
    TDialogDriver driver;
    std::vector<std::string> xSteps;
    driver
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, kRepeatableCode, L"u"); })
        .qrxThen([](HWND hDlg) { qvClick(hDlg, kNew); })
        .qrxThen([&xSteps](HWND hDlg) {
            EXPECT_EQ(qxText(hDlg, kRepeatableText), "http://");
            EXPECT_EQ(qxSelected(hDlg), "$uhttp://");
            EXPECT_EQ(qxText(hDlg, kDisplay), "40  $3part 1$uhttp://a$zone$ztwo$zthree$uhttp://");
            EXPECT_FALSE(qtEnabled(hDlg, kNext));
            EXPECT_TRUE(qtEnabled(hDlg, kPrevious));
            EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), kRepeatableText);
            TDialogDriver::qvType(qhItem(hDlg, kRepeatableText), L"b.org/");
            qvChooseCode(hDlg, kRepeatableCode, L"z");
        })
        .qrxThen([](HWND hDlg) { qvClick(hDlg, kNext); })
        .qrxThen([&xSteps](HWND hDlg) {
            // Emptying "two" makes it absent: gone from the line, skipped backwards.
            qvRetype(hDlg, kRepeatableText, L"");
            xSteps.push_back(qxText(hDlg, kDisplay));
            EXPECT_FALSE(qtEnabled(hDlg, kRepeatableRemove));
            qvClick(hDlg, kNext);
        })
        .qrxThen([](HWND hDlg) { qvClick(hDlg, kPrevious); })
        .qrxThen([&xSteps](HWND hDlg) {
            xSteps.push_back(qxText(hDlg, kRepeatableText));
            qvClick(hDlg, kRepeatableRemove);
        })
        .qrxThen([&xSteps](HWND hDlg) {
            xSteps.push_back(qxText(hDlg, kRepeatableText));
            qvChooseCode(hDlg, kNonRepeatableCode, L"q");
        })
        .qrxThen([](HWND hDlg) {
            TDialogDriver::qvType(qhItem(hDlg, kNonRepeatableText), L"text/html");
            EXPECT_TRUE(qtEnabled(hDlg, kNonRepeatableRemove));
            EXPECT_EQ(qxSelected(hDlg), "$qtext/html");
            qvChooseCode(hDlg, kNonRepeatableCode, L"h");
        })
        .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, kNonRepeatableCode, L"3"); })
        .qrxThen([](HWND hDlg) {
            EXPECT_EQ(qxText(hDlg, kNonRepeatableText), "part 1");
            qvClick(hDlg, kNonRepeatableRemove);
            EXPECT_EQ(qxText(hDlg, kNonRepeatableText), "");
            EXPECT_FALSE(qtEnabled(hDlg, kNonRepeatableRemove));
        })
        .qrxThen(qfnOk);
    EXPECT_EQ(qeRun(driver, qxRecord({"40$3part 1$uhttp://a$zone$ztwo$zthree"})), eDisplaySaved);
    EXPECT_EQ(xSteps, (std::vector<std::string>{"40  $3part 1$uhttp://a$zone$zthree$uhttp://b.org/", "one",
                                                "three"}));
    EXPECT_EQ(qxStored856(), "40$uhttp://a$zthree$uhttp://b.org/$qtext/html");
}

// The close box asks before it discards the edits.
TEST(T856EditorTest, TheCloseBoxAsksFirst)
{
    TDialogDriver closed;
    TQuestion xFirst, xSecond;
    bool tStillOpen = false;
    closed
        .qrxThen([](HWND hDlg) { ::SendMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); })
        .qrxThen(qfnAnswer(xFirst, IDNO))
        .qrxThen([&tStillOpen](HWND hDlg) {
            tStillOpen = ::IsWindowVisible(hDlg) != FALSE;
            ::SendMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        })
        .qrxThen(qfnAnswer(xSecond, IDYES));
    EXPECT_EQ(qeRun(closed, qxRecord({"40$uhttp://a"})), eDisplayCancelled);
    EXPECT_TRUE(tStillOpen);
    EXPECT_EQ(xFirst.xText, "Close form, discarding all edits and changes?");
    EXPECT_EQ(xSecond.xText, xFirst.xText);
    // No caption: the box is titled with the program's name.
    EXPECT_EQ(xFirst.xTitle, "orvo_win_tests");
}

TEST(T856EditorTest, FacadeInsertsReplacesAndKeepsTheRecord)
{
    const TMarcRecord xTwo = qxRecord({"40$uhttp://first", "41$uhttp://second"});

    TDialogDriver replace;
    replace.qrxThen([](HWND hDlg) {
        EXPECT_EQ(qxText(hDlg, kDisplay), "41  $uhttp://second");
        qvChooseCode(hDlg, kSecondIndicator, L"2");
    }).qrxThen(qfnOk);
    EXPECT_EQ(qeRun(replace, xTwo, 2), eDisplaySaved);
    TMarcRecord xResult;
    TFieldEditorManager::qvGetMARCRecord(xResult);
    EXPECT_EQ(qxFields(xResult),
              (std::vector<std::string>{"245 10$aA title", "856 40$uhttp://first", "856 42$uhttp://second"}));

    TDialogDriver insert;
    insert.qrxThen([](HWND hDlg) {
        EXPECT_EQ(qxText(hDlg, kDisplay), "    ");
        qvChooseCode(hDlg, kRepeatableCode, L"u");
    })
        .qrxThen([](HWND hDlg) { qvClick(hDlg, kNew); })
        .qrxThen([](HWND hDlg) { TDialogDriver::qvType(qhItem(hDlg, kRepeatableText), L"new"); })
        .qrxThen(qfnOk);
    EXPECT_EQ(qeRun(insert, qxRecord({}), 0), eDisplaySaved);
    TFieldEditorManager::qvGetMARCRecord(xResult);
    EXPECT_EQ(qxFields(xResult),
              (std::vector<std::string>{"245 10$aA title", "856   $uhttp://new"}));

    // A missing occurrence opens empty, and OK stores the record as it was.
    TDialogDriver missing;
    missing.qrxThen([](HWND hDlg) { EXPECT_EQ(qxText(hDlg, kDisplay), "    "); }).qrxThen(qfnOk);
    EXPECT_EQ(qeRun(missing, xTwo, 5), eDisplaySaved);
    TFieldEditorManager::qvGetMARCRecord(xResult);
    EXPECT_EQ(qxFields(xResult), qxFields(xTwo));

    // An authority record: the second indicator shows, but cannot be changed.
    TDialogDriver authority;
    authority.qrxThen([](HWND hDlg) {
        EXPECT_FALSE(qtEnabled(hDlg, kSecondIndicator));
        EXPECT_EQ(qxShown(hDlg, kSecondIndicator), "1 - Version of resource");
    }).qrxThen(qfnOk);
    EXPECT_EQ(qeRun(authority, qxRecord({"41$uhttp://a"}, 'z')), eDisplaySaved);
}

// Opened and closed with OK at once, an 856 that no list can show comes back
// as it was, and so does one of ten thousand subfields. (Empty subfields:
// T856FieldTest; hostile bytes in every subfield: UntouchedRecords.)
TEST(T856EditorTest, OkAtOnceKeepsIndicatorsNoListOffersAndLongFields)
{
    std::string xLong = "40";
    for (int i = 0; i < 10000; ++i)
        xLong += "$zn" + std::to_string(i);
    for (const std::string& xField :
         {std::string("AB$uHTTP://A.ORG/\xE9\xFF$z\x01\x7F\x80"), std::string("$uhttp://no.indicators"), std::string("4"),
          xLong})
    {
        TDialogDriver driver;
        driver.qrxThen(qfnOk);
        EXPECT_EQ(qeRun(driver, qxRecord({xField})), eDisplaySaved) << xField.substr(0, 40);
        EXPECT_EQ(qxStored856(), xField);
    }
}
