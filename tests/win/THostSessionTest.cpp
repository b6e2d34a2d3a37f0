// The cataloguing host driven through its menu commands: WM_COMMAND of the
// menu IDs to its main window, with a scripted person answering its questions.
#include "automation/TDialogDriver.h"
#include "support/TEditorTestKit.h"
#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"
#include "support/TTestRecords.h"
#include "host/THostMainWindow.h"
#include "host/TWin32HostPrompt.h"
#include "manager/TFieldEditorManager.h"
#include "marcio/TMarcFile.h"
#include "marcio/TMarcMakerFormat.h"
#include "mfc/AfxMessageLoop.h"
#include "recordlib/TException.h"
#include "resources/008EditorIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{
const char kBooks008[] = "001031s           |||||||||||||| ||eng |";

class TScriptedPrompt : public THostPrompt
{
public:
    std::vector<std::wstring> mxMessages;
    // The technical detail given with each message (empty: none).
    std::vector<std::wstring> mxDetails;
    std::vector<std::wstring> mxQuestions;
    std::deque<EHostAnswer> mxAnswers;
    std::deque<std::wstring> mxFiles;

    void qvShowMessage(const std::wstring& rxText, bool, const std::wstring& rxDetail) override
    {
        mxMessages.push_back(rxText);
        mxDetails.push_back(rxDetail);
    }
    EHostAnswer qeAsk(const std::wstring& rxQuestion, bool) override
    {
        mxQuestions.push_back(rxQuestion);
        if (mxAnswers.empty())
        {
            ADD_FAILURE() << "unexpected question: " << std::string(rxQuestion.begin(), rxQuestion.end());
            return eAnswerCancel;
        }
        const EHostAnswer eAnswer = mxAnswers.front();
        mxAnswers.pop_front();
        return eAnswer;
    }
    bool qtChooseFileToOpen(std::wstring& rxPath) override { return qtNextFile(rxPath); }
    bool qtChooseFileToSave(std::wstring& rxPath) override { return qtNextFile(rxPath); }

private:
    bool qtNextFile(std::wstring& rxPath)
    {
        if (mxFiles.empty())
            return false;
        rxPath = mxFiles.front();
        mxFiles.pop_front();
        return true;
    }
};

std::wstring qxWide(const std::string& rxText)
{
    return std::wstring(rxText.begin(), rxText.end());
}

std::wstring qxSample(const char* pacName)
{
    return qxWide(qxSamplePath(pacName));
}

// The record bytes of badind.usmarc, whose 245 has the indicators "-0".
std::string qxDamagedRecord()
{
    std::string xBad = qxReadSample("badind.usmarc");
    return xBad.erase(xBad.rfind('\x1D') + 1);
}

void qvCommand(const THostMainWindow& rxWindow, UINT nCommand)
{
    ::SendMessageW(rxWindow.m_hWnd, WM_COMMAND, MAKEWPARAM(nCommand, 0), 0);
}

// Chooses a row of one of the two lists as a click would.
void qvChooseRow(const THostMainWindow& rxWindow, EHostControl eList, int iRow)
{
    HWND hList = ::GetDlgItem(rxWindow.m_hWnd, eList);
    if (eList == eRecordList)
    {
        CListCtrl(hList).SetItemState(iRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    ::SendMessageW(hList, LB_SETCURSEL, static_cast<WPARAM>(iRow), 0);
    ::SendMessageW(rxWindow.m_hWnd, WM_COMMAND, MAKEWPARAM(eList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

// The rows of a list; a row of the record list is its columns with a tab between.
std::vector<std::wstring> qxRows(const THostMainWindow& rxWindow, EHostControl eList)
{
    HWND hList = ::GetDlgItem(rxWindow.m_hWnd, eList);
    std::vector<std::wstring> xRows;
    if (eList == eRecordList)
    {
        const CListCtrl xList(hList);
        for (int i = 0; i < xList.GetItemCount(); ++i)
        {
            std::wstring xRow;
            for (int iColumn = 0; iColumn < xList.GetColumnCount(); ++iColumn)
                xRow += (iColumn == 0 ? L"" : L"\t") + std::wstring(xList.GetItemText(i, iColumn).GetString());
            xRows.push_back(xRow);
        }
        return xRows;
    }
    const int iCount = static_cast<int>(::SendMessageW(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < iCount; ++i)
    {
        std::wstring xRow(static_cast<std::size_t>(::SendMessageW(hList, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        xRow.resize(static_cast<std::size_t>(::SendMessageW(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&xRow[0]))));
        xRows.push_back(xRow);
    }
    return xRows;
}

bool qtStartsWith(const std::wstring& rxText, const std::wstring& rxStart)
{
    return rxText.compare(0, rxStart.size(), rxStart) == 0;
}

// The host's window with a scripted person, and a scratch folder for its files.
class HostSession : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(window.qtCreate()); }
    void TearDown() override { window.DestroyWindow(); }
    // Writes a file of the folder and opens it.
    std::string qxOpen(const std::string& rxName, const std::string& rxBytes)
    {
        const std::string xPath = folder.qxFile(rxName);
        qvWriteFileBytes(xPath, rxBytes);
        prompt.mxFiles.push_back(qxWide(xPath));
        qvCommand(window, eCmdOpen);
        return xPath;
    }

    TScratchFolder folder{"host-session"};
    TScriptedPrompt prompt;
    THostMainWindow window{prompt, false};
};
}

TEST_F(HostSession, OpensAddsTheDefault008SavesAndAsksBeforeLosingChanges)
{
    ASSERT_EQ(&window, CWnd::FromHandlePermanent(window.m_hWnd));
    prompt.mxFiles.push_back(qxSample("camel.usmarc"));
    qvCommand(window, eCmdOpen);
    EXPECT_EQ(L"camel.usmarc - Orvo Cataloguing Host", TDialogDriver::qxGetText(window.m_hWnd));
    ASSERT_EQ(10u, qxRows(window, eRecordList).size());
    std::vector<std::wstring> xFields = qxRows(window, eFieldList);
    ASSERT_LT(5u, xFields.size());
    EXPECT_TRUE(qtStartsWith(xFields[0], L"LDR    00755cam\\\\22002414a\\4500")) << xFields[0].c_str();
    EXPECT_TRUE(qtStartsWith(xFields[1], L"001    ")) << xFields[1].c_str();
    bool tTitleShown = false;
    for (const std::wstring& xRow : xFields)
        tTitleShown |= qtStartsWith(xRow, L"245 10 $aActivePerl with ASP and ADO /$cTobi");
    EXPECT_TRUE(tTitleShown);

    // The record has an 008: replace it only when the person says yes.
    prompt.mxAnswers = {eAnswerNo};
    qvCommand(window, eCmdAddDefault008);
    ASSERT_EQ(1u, prompt.mxQuestions.size());
    EXPECT_EQ(L"Record 1 already has an 008. Replace it with the default 008?", prompt.mxQuestions[0]);
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    EXPECT_NE(kBooks008, qx008(window.qrxGetSession().qrxGetEntry(0).mxRecord));
    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdAddDefault008);
    EXPECT_EQ(kBooks008, qx008(window.qrxGetSession().qrxGetEntry(0).mxRecord));
    EXPECT_EQ(L"camel.usmarc* - Orvo Cataloguing Host", TDialogDriver::qxGetText(window.m_hWnd));

    // Opening another file with unsaved changes: Cancel keeps everything.
    prompt.mxAnswers = {eAnswerCancel};
    prompt.mxFiles.push_back(qxSample("sample1.usmarc"));
    qvCommand(window, eCmdOpen);
    EXPECT_EQ(L"Save the changes to camel.usmarc?", prompt.mxQuestions.back());
    EXPECT_TRUE(window.qrxGetSession().qtIsModified());
    EXPECT_EQ(10u, window.qrxGetSession().qnGetRecordCount());
    prompt.mxFiles.clear();

    // Save As MARCMaker text: the file holds every record, the first with the default.
    const std::string xText = folder.qxFile("camel.mrk");
    prompt.mxFiles.push_back(qxWide(xText));
    qvCommand(window, eCmdSaveAs);
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    EXPECT_EQ(L"camel.mrk - Orvo Cataloguing Host", TDialogDriver::qxGetText(window.m_hWnd));
    std::vector<TMarcRecord> xSaved = qxReadAllRecords(qxReadFileBytes(xText), eMarcMaker);
    ASSERT_EQ(10u, xSaved.size());
    EXPECT_EQ(kBooks008, qx008(xSaved[0]));
    EXPECT_NE(kBooks008, qx008(xSaved[1]));

    // A change to the second record, then closing: No gives it up, the file stays.
    qvChooseRow(window, eRecordList, 1);
    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdAddDefault008);
    EXPECT_EQ(L"Record 2 already has an 008. Replace it with the default 008?", prompt.mxQuestions.back());
    EXPECT_EQ(kBooks008, qx008(window.qrxGetSession().qrxGetEntry(1).mxRecord));
    prompt.mxAnswers = {eAnswerCancel};
    ::SendMessageW(window.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_NE(nullptr, window.m_hWnd);
    prompt.mxAnswers = {eAnswerNo};
    ::SendMessageW(window.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, window.m_hWnd);
    xSaved = qxReadAllRecords(qxReadFileBytes(xText), eMarcMaker);
    EXPECT_EQ(kBooks008, qx008(xSaved.at(0)));
    EXPECT_NE(kBooks008, qx008(xSaved.at(1)));
    EXPECT_TRUE(prompt.mxMessages.empty());
}

TEST_F(HostSession, TextIsToldByContentAndWhatWasNotChangedIsSavedByteForByte)
{
    // MARCMaker text under an ISO 2709 name, with a byte order mark, comments, CR LF,
    // a mnemonic written another way, and no line end at the end.
    const std::string xFirst = "\xEF\xBB\xBF# by hand\r\n=LDR  00000nam\\a2200000\\a\\4500\r\n=245  10$aCaf{copy}\r\n"
                               "\r\n# between\r\n";
    const std::string xSecond = "=LDR  00000nam\\a2200000\\a\\4500\r\n=245  10$aSecond";
    const std::string xPath = qxOpen("text.mrc", xFirst + xSecond);
    ASSERT_EQ(2u, window.qrxGetSession().qnGetRecordCount());
    EXPECT_TRUE(prompt.mxMessages.empty());
    qvCommand(window, eCmdSave);
    EXPECT_EQ(xFirst + xSecond, qxReadFileBytes(xPath));

    // A changed record is written in the file's line ends; the rest stays as it
    // was, and so do the file's attributes.
    const std::wstring xWidePath = qxWide(xPath);
    ::SetFileAttributesW(xWidePath.c_str(), FILE_ATTRIBUTE_HIDDEN);
    qvChooseRow(window, eRecordList, 1);
    qvCommand(window, eCmdAddDefault008);
    qvCommand(window, eCmdSave);
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN),
              ::GetFileAttributesW(xWidePath.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    ::SetFileAttributesW(xWidePath.c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string xSaved = qxReadFileBytes(xPath);
    EXPECT_EQ(xFirst, xSaved.substr(0, xFirst.size()));
    const std::string xChanged = xSaved.substr(xFirst.size());
    EXPECT_EQ(0u, xChanged.find("=LDR  00000nam\\a2200000\\a\\4500\r\n=008  001031s")) << xChanged;
    EXPECT_NE(std::string::npos, xChanged.find("=245  10$aSecond\r\n")) << xChanged;
    for (std::size_t n = xChanged.find('\n'); n != std::string::npos; n = xChanged.find('\n', n + 1))
        EXPECT_EQ('\r', xChanged[n - 1]) << xChanged;

    // A read-only file is not saved over: No keeps the changes open; Yes saves
    // them under another name, and the read-only file stays as it was.
    std::filesystem::permissions(xPath, std::filesystem::perms::owner_read);
    prompt.mxAnswers = {eAnswerYes, eAnswerNo};
    qvCommand(window, eCmdAddDefault008);
    qvCommand(window, eCmdSave);
    const std::wstring xRefusal = L"Cannot save text.mrc: it is read-only. The file was not changed; the records are "
                                  L"still open. Save them under another name?";
    EXPECT_EQ(xRefusal, prompt.mxQuestions.back());
    EXPECT_TRUE(window.qrxGetSession().qtIsModified());
    const std::string xOther = folder.qxFile("other.mrc");
    prompt.mxAnswers = {eAnswerYes};
    prompt.mxFiles.push_back(qxWide(xOther));
    qvCommand(window, eCmdSave);
    EXPECT_EQ(xRefusal, prompt.mxQuestions.back());
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    EXPECT_EQ(L"other.mrc - Orvo Cataloguing Host", TDialogDriver::qxGetText(window.m_hWnd));
    EXPECT_EQ(2u, qxReadAllRecords(qxReadFileBytes(xOther), eIso2709).size());
    EXPECT_EQ(xSaved, qxReadFileBytes(xPath));
    EXPECT_EQ(std::filesystem::perms::none,
              std::filesystem::status(xPath).permissions() & std::filesystem::perms::owner_write);
    std::filesystem::permissions(xPath, std::filesystem::perms::owner_all);

    // A folder that does not exist is named as such; the library's message is the detail.
    const std::string xNowhere = folder.qxFile("missing") + "/out.mrc";
    prompt.mxFiles.push_back(qxWide(xNowhere));
    qvCommand(window, eCmdSaveAs);
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_EQ(L"Cannot save out.mrc: the folder " + qxWide(folder.qxFile("missing")) +
                  L" does not exist. The file was not changed; the records are still open.",
              prompt.mxMessages[0]);
    EXPECT_TRUE(qtStartsWith(prompt.mxDetails[0], L"TOutputFile::TOutputFile() : the folder "));
    EXPECT_EQ(L"other.mrc - Orvo Cataloguing Host", TDialogDriver::qxGetText(window.m_hWnd));
}

// Each record's text is shown in the character set its Leader/09 names: a
// MARC-8 letter and its mark as the composed letter, Greek by its escape, a
// byte that is no UTF-8 character as "\xFF"; the Leader as it will be written;
// each record from the left.
TEST_F(HostSession, FieldsShowInTheirRecordsCharacterSet)
{
    const TMarcRecord xMarc8 = qxRecordOf("00000nam  2200000 a 4500", {{245, "10\x1F"
                                                                             "aNum\xE2"
                                                                             "eris\xE2"
                                                                             "ee \x1B(Sab\x1B(B"}});
    const TMarcRecord xUtf8 = qxRecordOf("00000nam a2200000 a 4500", {{245, "10\x1F"
                                                                            "aNum\xC3\xA9ris\xC3\xA9"
                                                                            "e \xFF"}});
    qxOpen("sets.mrc", qxIso2709(std::vector<TMarcRecord>{xMarc8, xUtf8}));
    EXPECT_EQ(L"245 10 $aNum\u00E9ris\u00E9e \u03B1\u03B2", qxRows(window, eFieldList).at(1));
    EXPECT_EQ(L"1\t\tNum\u00E9ris\u00E9e \u03B1\u03B2\t", qxRows(window, eRecordList).at(0));

    // A default 008 makes the record longer: the Leader line shows the length
    // it will be written with, not the length it was read with.
    const std::wstring xLengthRead = qxRows(window, eFieldList).at(0).substr(0, 12);
    qvCommand(window, eCmdAddDefault008);
    const std::wstring xLengthShown = qxRows(window, eFieldList).at(0).substr(0, 12);
    EXPECT_NE(xLengthRead, xLengthShown);
    EXPECT_EQ(L"LDR    " + qxWide(qxIso2709(window.qrxGetSession().qrxGetEntry(0).mxRecord).substr(0, 5)),
              xLengthShown);

    // The field list scrolled sideways starts at its left edge for the next record.
    HWND hFields = ::GetDlgItem(window.m_hWnd, eFieldList);
    ::SendMessageW(hFields, WM_HSCROLL, SB_PAGERIGHT, 0);
    ASSERT_LT(0, ::GetScrollPos(hFields, SB_HORZ));
    qvChooseRow(window, eRecordList, 1);
    EXPECT_EQ(0, ::GetScrollPos(hFields, SB_HORZ));
    EXPECT_EQ(L"245 10 $aNum\u00E9ris\u00E9e \\xFF", qxRows(window, eFieldList).at(1));
}

TEST_F(HostSession, RefusalsAndLibraryErrorsAreShownAndLoseNothing)
{
    qvCommand(window, eCmdEdit008);
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_EQ(L"Open a file of records and choose a record first.", prompt.mxMessages[0]);

    // An authority record and a book, as MARCMaker text.
    qxOpen("two.mrk", "=LDR  00000nz\\\\a2200000n\\\\4500\n=001  auth1\n=100  1\\$aSomeone\n\n"
                      "=LDR  00000nam\\a2200000\\a\\4500\n=001  book1\n=245  10$aA book\n\n");
    ASSERT_EQ(2u, window.qrxGetSession().qnGetRecordCount());
    EXPECT_EQ(L"1\tauth1\t\t", qxRows(window, eRecordList)[0]);
    EXPECT_EQ(L"2\tbook1\tA book\t", qxRows(window, eRecordList)[1]);

    // 006 on the authority record: the library refuses (101).
    prompt.mxMessages.clear();
    qvCommand(window, eCmdNew006);
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_EQ(L"The 006 editor is for bibliographic records only; record 1 is not one.", prompt.mxMessages[0]);

    // Every editor on the book: an editor that is not there yet throws, and its
    // message is shown; one that is there opens and is cancelled. Either way
    // the record and the file stay as they were.
    qvChooseRow(window, eRecordList, 1);
    qvChooseRow(window, eFieldList, 3); // the 245
    const TMarcRecord before = window.qrxGetSession().qrxGetEntry(1).mxRecord;
    for (UINT nCommand : {eCmdEditLeader, eCmdEdit006, eCmdNew007, eCmdEdit008, eCmdEdit856, eCmdNew856})
    {
        SCOPED_TRACE(nCommand);
        prompt.mxMessages.clear();
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDCANCEL)); });
        qvCommand(window, nCommand);
        if (driver.qtFinished())
        {
            EXPECT_TRUE(prompt.mxMessages.empty());
        }
        else
        {
            ASSERT_EQ(1u, prompt.mxMessages.size());
            EXPECT_TRUE(qtStartsWith(prompt.mxMessages[0], L"The "));
            EXPECT_NE(std::wstring::npos, prompt.mxMessages[0].find(L" editor could not work on record 2. The "
                                                                    L"record was not changed."));
            EXPECT_TRUE(qtStartsWith(prompt.mxDetails[0], L"TFieldEditorManager::qeDisplay() : "))
                << std::string(prompt.mxDetails[0].begin(), prompt.mxDetails[0].end());
        }
        EXPECT_FALSE(window.qrxGetSession().qtIsModified());
        EXPECT_EQ(before.qdwGetFieldCount(), window.qrxGetSession().qrxGetEntry(1).mxRecord.qdwGetFieldCount());
        EXPECT_EQ(2u, qxRows(window, eRecordList).size());
    }
}

TEST_F(HostSession, UnreadableRecordsAndStrayBytesAreKeptAndWrittenBackAsTheyWere)
{
    // A record of another ISO 2709 profile (directory entries of 11 bytes) cannot
    // be read; filler and stray bytes stand between the records and after the last.
    const std::string xBad = qxLaidOutWithMap(qxReadAllRecords(qxReadSample("sample1.usmarc"), eIso2709).at(0), "35");
    const std::vector<std::string> xCamel = qxSampleRecordBytes("camel.usmarc", 2);
    const std::string &xFirst = xCamel.at(0), &xSecond = xCamel.at(1);
    const std::string xFiller("\r\n\0", 3), xStray = "stray bytes", xEnd = "\x1a";
    const std::string xPath = qxOpen("mixed.mrc", xFirst + xFiller + xBad + xStray + xSecond + xEnd);
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_TRUE(qtStartsWith(prompt.mxMessages[0], L"1 of the 3 records could not be read."));
    EXPECT_NE(std::wstring::npos, prompt.mxMessages[0].find(L"Bytes that belong to no record were found"));
    EXPECT_EQ(L"2\t\t\tunreadable", qxRows(window, eRecordList).at(1));

    // Each number, 001 and status fits its column, and the title takes the rest
    // of the list's width, also after the window is made wider.
    const CListCtrl xList(::GetDlgItem(window.m_hWnd, eRecordList));
    auto fnTitleWidthFits = [&] {
        for (int i = 0; i < xList.GetItemCount(); ++i)
            for (int iColumn : {eColumnNumber, eColumnId, eColumnStatus})
                EXPECT_LT(xList.GetStringWidth(xList.GetItemText(i, iColumn).GetString()),
                          xList.GetColumnWidth(iColumn))
                    << "row " << i << ", column " << iColumn;
        CRect xClient;
        xList.GetClientRect(&xClient);
        int iSum = 0;
        for (int iColumn = 0; iColumn < eRecordColumnCount; ++iColumn)
            iSum += xList.GetColumnWidth(iColumn);
        EXPECT_EQ(xClient.Width(), iSum);
        return xList.GetColumnWidth(eColumnTitle);
    };
    EXPECT_EQ(4, xList.GetColumnCount());
    const int iTitleWidth = fnTitleWidthFits();
    CRect xWindow;
    window.GetWindowRect(&xWindow);
    window.SetWindowPos(nullptr, 0, 0, xWindow.Width() + 300, xWindow.Height(), SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_LT(iTitleWidth, fnTitleWidthFits());

    qvChooseRow(window, eRecordList, 1);
    EXPECT_TRUE(qtStartsWith(qxRows(window, eFieldList).at(0), L"Unreadable: "));
    qvCommand(window, eCmdAddDefault008);
    ASSERT_EQ(2u, prompt.mxMessages.size());
    EXPECT_TRUE(qtStartsWith(prompt.mxMessages[1], L"Record 2 could not be read and cannot be edited:"));

    // A change elsewhere, saved in place: the unreadable record and the bytes
    // between records keep their bytes and places.
    qvChooseRow(window, eRecordList, 2);
    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdAddDefault008);
    qvCommand(window, eCmdSave);
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    const std::string xSaved = qxReadFileBytes(xPath);
    const std::string xKept = xFirst + xFiller + xBad + xStray;
    EXPECT_EQ(0u, xSaved.find(xKept));
    EXPECT_EQ(xEnd, xSaved.substr(xSaved.size() - xEnd.size()));
    EXPECT_NE(xSecond + xEnd, xSaved.substr(xKept.size()));

    // It cannot be written as text: the person is asked, and No writes nothing.
    const std::string xText = folder.qxFile("mixed.mrk");
    prompt.mxFiles.push_back(qxWide(xText));
    prompt.mxAnswers = {eAnswerNo};
    qvCommand(window, eCmdSaveAs);
    EXPECT_EQ(L"1 unreadable record(s) and the bytes that belong to no record cannot be written as MARCMaker text "
              L"and will be left out. Save anyway?",
              prompt.mxQuestions.back());
    EXPECT_FALSE(std::filesystem::exists(xText));
    EXPECT_EQ(L"mixed.mrc - Orvo Cataloguing Host", TDialogDriver::qxGetText(window.m_hWnd));
}

TEST_F(HostSession, RepairedRecordsAreMarkedShownEditedAndSavedOverTheirFileOnlyWhenAllowed)
{
    const std::string xBad = qxDamagedRecord();
    const std::string xSample = qxReadSample("sample1.usmarc");
    const std::string xPath = qxOpen("repaired.mrc", xSample + xBad);
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_TRUE(qtStartsWith(prompt.mxMessages[0], L"1 of the 2 records were damaged and have been repaired."));
    const std::vector<std::wstring> xRecords = qxRows(window, eRecordList);
    EXPECT_EQ(std::wstring::npos, xRecords.at(0).find(L"repaired"));
    EXPECT_EQ(L"2\t\tAll about whales.\trepaired", xRecords.at(1));

    qvChooseRow(window, eRecordList, 1);
    const std::vector<std::wstring> xFields = qxRows(window, eFieldList);
    ASSERT_EQ(1u + 7u + 1u, xFields.size()) << "Leader, 7 fields, 1 repair";
    EXPECT_EQ(L"245 \\0 $aAll about whales.", xFields[3]);
    EXPECT_EQ(L"Repaired: field 245: indicators \"-0\" are not valid: replaced by \" 0\"", xFields[8]);
    qvChooseRow(window, eFieldList, 8);
    EXPECT_EQ(-1, window.qrxGetSession().qiGetSelectedField()) << "a repair is no field";

    // Edited, then saved over its own file: asked first; No writes nothing.
    prompt.mxAnswers = {eAnswerYes, eAnswerNo};
    qvCommand(window, eCmdAddDefault008);
    qvCommand(window, eCmdSave);
    EXPECT_EQ(L"1 record(s) were repaired when read from repaired.mrc. Saving writes them in their "
              L"repaired form over that file. Save anyway?",
              prompt.mxQuestions.back());
    EXPECT_EQ(xSample + xBad, qxReadFileBytes(xPath));
    EXPECT_TRUE(window.qrxGetSession().qtIsModified());

    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdSave);
    const std::vector<TMarcRecord> xSaved = qxReadAllRecords(qxReadFileBytes(xPath), eIso2709);
    ASSERT_EQ(2u, xSaved.size());
    TMarcTag x245;
    ASSERT_TRUE(xSaved[1].qtFindTag(245, x245, 1));
    EXPECT_EQ(std::string(" 0\x1F"
                          "aAll about whales."),
              std::string(x245.qpacGetData()));
    EXPECT_EQ(kBooks008, qx008(xSaved[1]));
    EXPECT_EQ(std::wstring::npos, qxRows(window, eRecordList).at(1).find(L"repaired")) << "the file holds it repaired";
}

TEST_F(HostSession, ASaveThatCannotFinishLeavesTheFileAsItWasAndTheChangesOpen)
{
    // Record 2 is a book without an 008, so long that the default 008 makes it
    // too long for ISO 2709.
    TMarcRecord xLong = qxRecordOfType('a', 'm');
    for (int i = 0; i < 10; ++i)
    {
        TMarcTag note(500);
        note.qvSetData(("  \x1F"
                        "a" +
                        std::string(9000, 'x'))
                           .c_str(),
                       true);
        xLong.qvOrderedInsert(note);
    }
    TMarcTag last(500);
    last.qvSetData(("  \x1F"
                    "a" +
                    std::string(99999 - 30 - qxIso2709(xLong).size() - 13 - 4, 'y'))
                       .c_str(),
                   true);
    xLong.qvOrderedInsert(last);
    ASSERT_EQ(99999u - 30u, qxIso2709(xLong).size());

    const std::vector<std::string> xCamel = qxSampleRecordBytes("camel.usmarc", 2);
    const std::string xOriginal = xCamel.at(0) + qxIso2709(xLong) + xCamel.at(1);
    const std::string xPath = qxOpen("halfway.mrc", xOriginal);
    ASSERT_EQ(3u, window.qrxGetSession().qnGetRecordCount());

    // While another program reads the file, a save cannot put its new file in
    // place: the reader keeps reading the old file whole, the cataloguer is told,
    // and the change stays open. Once the reader is gone the save goes through.
    qvChooseRow(window, eRecordList, 2);
    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdAddDefault008);
    HANDLE hReader =
        ::CreateFileW(qxWide(xPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hReader);
    qvCommand(window, eCmdSave);
    std::string xSeen(xOriginal.size() + 1, '\0');
    DWORD dwRead = 0;
    ::ReadFile(hReader, &xSeen[0], static_cast<DWORD>(xSeen.size()), &dwRead, nullptr);
    ::CloseHandle(hReader);
    xSeen.resize(dwRead);
    EXPECT_TRUE(xSeen == xOriginal) << dwRead << " bytes read of " << xOriginal.size();
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_TRUE(qtStartsWith(prompt.mxMessages[0], L"Cannot save halfway.mrc: "));
    EXPECT_TRUE(qtStartsWith(prompt.mxDetails[0], L"TOutputFile::qvCommit() : "));
    EXPECT_TRUE(qxReadFileBytes(xPath) == xOriginal);
    EXPECT_EQ(1u, folder.qnFileCount());
    EXPECT_TRUE(window.qrxGetSession().qtIsModified());
    prompt.mxMessages.clear();
    qvCommand(window, eCmdSave);
    EXPECT_TRUE(prompt.mxMessages.empty());
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    const std::string xSaved = qxReadFileBytes(xPath);
    ASSERT_EQ(3u, qxReadAllRecords(xSaved, eIso2709).size());
    EXPECT_EQ(kBooks008, qx008(qxReadAllRecords(xSaved, eIso2709)[2]));

    // Record 1 changed, then record 2 that cannot be written: the save stops at
    // record 2, the file keeps every byte, nothing is left beside it, and both
    // changes are still open to be saved another way.
    qvChooseRow(window, eRecordList, 0);
    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdAddDefault008);
    qvChooseRow(window, eRecordList, 1);
    qvCommand(window, eCmdAddDefault008);
    EXPECT_EQ(kBooks008, qx008(window.qrxGetSession().qrxGetEntry(1).mxRecord));
    qvCommand(window, eCmdSave);
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_TRUE(qtStartsWith(prompt.mxMessages[0], L"Record 2 cannot be saved in halfway.mrc: "));
    EXPECT_NE(std::wstring::npos, prompt.mxMessages[0].find(L"The file was not changed"));
    EXPECT_TRUE(qxReadFileBytes(xPath) == xSaved);
    EXPECT_EQ(1u, folder.qnFileCount());
    EXPECT_TRUE(window.qrxGetSession().qtIsModified());
    EXPECT_EQ(kBooks008, qx008(window.qrxGetSession().qrxGetEntry(0).mxRecord));
    EXPECT_EQ(kBooks008, qx008(window.qrxGetSession().qrxGetEntry(1).mxRecord));
}

namespace
{
// The host's window with one handler that fails, as any handler of a host may.
class TFailingMainWindow : public THostMainWindow
{
public:
    using THostMainWindow::THostMainWindow;

protected:
    LRESULT OnFail(WPARAM, LPARAM)
    {
        throw TException(L"TFailingMainWindow::OnFail() : thrown on purpose", eErrorRecoverable, 3);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TFailingMainWindow, THostMainWindow)
    ON_MESSAGE(WM_APP, OnFail)
END_MESSAGE_MAP()
}

TEST(HostLoop, AnExceptionFromAHostHandlerReachesTheHostsLoopAndTheNextEditorOpensNormally)
{
    TScriptedPrompt prompt;
    TFailingMainWindow window(prompt, false);
    ASSERT_TRUE(window.qtCreate());
    // No dialog is open: the host's own loop meets the exception, says what it
    // was and goes on until the program ends.
    window.PostMessage(WM_APP);
    ::PostQuitMessage(5);
    EXPECT_EQ(5, window.qiRunMessageLoop());
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_EQ(L"The last command could not be finished. The open records are kept.", prompt.mxMessages[0]);
    EXPECT_EQ(L"TFailingMainWindow::OnFail() : thrown on purpose", prompt.mxDetails[0]);

    // Nothing of it is left to surface in the next editor.
    TDialogDriver driver;
    driver.qrxThen([](HWND hDlg) { ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(eDisplayCancelled, TFieldEditorManager::qeDisplay(e008Editor, qxRecordOfType('a', 'm'), 0, &window));
    EXPECT_TRUE(driver.qtFinished());
}

namespace
{
// Runs the thread's messages as the host's loop does (its keys included) until
// none has come for a while.
void qvPump()
{
    MSG msg;
    for (int iQuiet = 0; iQuiet < 5;)
    {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ++iQuiet;
            ::Sleep(10);
            continue;
        }
        iQuiet = 0;
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// A key pressed on the host's window (Shift or Ctrl held as asked), then its messages run.
void qvKey(UINT nKey, bool tShift = false, bool tCtrl = false)
{
    TDialogDriver::qvPressKey(nKey, tShift, tCtrl);
    qvPump();
}

const int kLineId = 1001; // the field line dialog's box

// The host shown and active, as a cataloguer sees it, with the keyboard.
class HostKeyboard : public HostSession
{
protected:
    void SetUp() override
    {
        HostSession::SetUp();
        window.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(window.m_hWnd);
        ::SetActiveWindow(window.m_hWnd);
        qvPump();
    }
    HWND qhList(EHostControl eList) const { return ::GetDlgItem(window.m_hWnd, eList); }
    std::string qxRecordText(std::size_t nIndex)
    {
        std::string xText;
        qvAppendMarcMaker(window.qrxGetSession().qrxGetEntry(nIndex).mxRecord, xText);
        return xText;
    }
};

// A book's 008 as its MARCMaker line, blanks written "\\".
std::string qx008Line()
{
    std::string x008 = "=008  850101s1999    xx            000 0 eng d\n";
    std::replace(x008.begin() + 6, x008.end(), ' ', '\\');
    return x008;
}

const std::string kTwoRecords =
    "=LDR  00000nam\\a2200000\\a\\4500\n=001  first\n" + qx008Line() +
    "=245  10$aOld title /$cby me.\n=500  \\\\$aA note.\n\n"
    "# left as it was\n=LDR  00000nam\\a2200000\\a\\4500\n=001  second\n=245  00$aOther.\n\n";
}

TEST_F(HostKeyboard, FieldsAreEditedInsertedDeletedUndoneAndRedoneWithTheKeys)
{
    // The focus starts in the record list; Tab and Shift+Tab go between the lists.
    EXPECT_EQ(qhList(eRecordList), ::GetFocus());
    const std::string xPath = qxOpen("keys.mrk", kTwoRecords);
    ASSERT_EQ(2u, window.qrxGetSession().qnGetRecordCount());
    const std::string xOriginal = qxRecordText(0);
    qvKey(VK_TAB);
    EXPECT_EQ(qhList(eFieldList), ::GetFocus());
    qvKey(VK_TAB, true);
    EXPECT_EQ(qhList(eRecordList), ::GetFocus());
    qvKey(VK_TAB);

    // Enter on the 245 opens its line in the record's set; a new $a, OK.
    qvChooseRow(window, eFieldList, 3);
    {
        TDialogDriver driver;
        driver
            .qrxThen([](HWND hDlg) {
                EXPECT_EQ(L"=245  10$aOld title /$cby me.", TDialogDriver::qxGetText(qhItem(hDlg, kLineId)));
                EXPECT_EQ(L"Field of record 1 (UTF-8)", TDialogDriver::qxGetText(hDlg));
                qvRetype(hDlg, kLineId, L"=245  10$aNew title /$cby me.");
            })
            .qrxThen(qfnClick(IDOK));
        qvKey(VK_RETURN);
        EXPECT_TRUE(driver.qtFinished());
    }
    EXPECT_EQ(qhList(eFieldList), ::GetFocus());
    EXPECT_EQ(L"245 10 $aNew title /$cby me.", qxRows(window, eFieldList)[3]);

    // An invalid line is refused with what and where; the text stays for correction.
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvRetype(hDlg, kLineId, L"=245  1A$aNew title"); })
            .qrxThen(qfnClick(IDOK))
            .qrxThen([](HWND hDlg) {
                EXPECT_EQ(L"=245  1A$aNew title", TDialogDriver::qxGetText(qhItem(hDlg, kLineId)));
                qvClick(hDlg, IDCANCEL);
            });
        qvKey(VK_F2);
        EXPECT_TRUE(driver.qtFinished());
    }
    ASSERT_EQ(1u, prompt.mxMessages.size());
    EXPECT_EQ(L"The second indicator of field 245 (character 8) is \"A\": an indicator is a digit, a lowercase "
              L"letter or \"\\\" for a blank.",
              prompt.mxMessages[0]);
    prompt.mxMessages.clear();

    // Insert: a 650 goes in tag order; Delete: the 500 goes, after asking.
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvType(qhItem(hDlg, kLineId), L"650  \\0$aCats."); })
            .qrxThen(qfnClick(IDOK));
        qvKey(VK_INSERT);
        EXPECT_TRUE(driver.qtFinished());
    }
    EXPECT_EQ(L"650 \\0 $aCats.", qxRows(window, eFieldList).at(5));
    EXPECT_EQ(
        L"650 \\0 $aCats.",
        qxRows(window, eFieldList)[static_cast<std::size_t>(::SendMessageW(qhList(eFieldList), LB_GETCURSEL, 0, 0))]);
    qvChooseRow(window, eFieldList, 4);
    prompt.mxAnswers = {eAnswerYes};
    qvKey(VK_DELETE);
    EXPECT_EQ(L"Delete field 500 from record 1?", prompt.mxQuestions.back());
    const std::string xEdited = qxRecordText(0);
    EXPECT_EQ(std::string::npos, xEdited.find("=500"));

    // Three undos give the record back as it was read; three redos make the changes again.
    for (int i = 0; i < 3; ++i)
        qvKey('Z', false, true);
    EXPECT_EQ(xOriginal, qxRecordText(0));
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    for (int i = 0; i < 3; ++i)
        qvKey('Y', false, true);
    EXPECT_EQ(xEdited, qxRecordText(0));
    EXPECT_EQ(L"1\tfirst\tNew title /by me.\tchanged", qxRows(window, eRecordList).at(0));
    EXPECT_EQ(L"MARCMaker text    UTF-8    2 records    1 changed",
              TDialogDriver::qxGetText(::GetDlgItem(window.m_hWnd, eStatusBar)));

    // Saved and read again: the first record changed, the second byte for byte.
    qvKey('S', false, true);
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    const std::string xExpected =
        "=LDR  00000nam\\a2200000\\a\\4500\n=001  first\n" + qx008Line() +
        "=245  10$aNew title /$cby me.\n=650  \\0$aCats.\n\n"
        "# left as it was\n=LDR  00000nam\\a2200000\\a\\4500\n=001  second\n=245  00$aOther.\n\n";
    EXPECT_EQ(xExpected, qxReadFileBytes(xPath));
    prompt.mxFiles.push_back(qxWide(xPath));
    qvCommand(window, eCmdOpen);
    EXPECT_EQ(xEdited, qxRecordText(0));
    EXPECT_TRUE(prompt.mxMessages.empty());
}

TEST_F(HostKeyboard, TheFocusComesBackWhereItWasAfterEveryEditor)
{
    qxOpen("focus.mrk", kTwoRecords);
    // Down and Up in the record list choose the records.
    qvKey(VK_DOWN);
    EXPECT_EQ(1, window.qrxGetSession().qiGetSelectedRecord());
    EXPECT_EQ(L"001    second", qxRows(window, eFieldList).at(1));
    qvKey(VK_UP);
    EXPECT_EQ(0, window.qrxGetSession().qiGetSelectedRecord());
    // Typing a number goes to that record; a letter is no record number.
    qvKey('2');
    EXPECT_EQ(1, window.qrxGetSession().qiGetSelectedRecord());
    qvKey('X');
    EXPECT_EQ(1, window.qrxGetSession().qiGetSelectedRecord());
    qvKey(VK_HOME);
    EXPECT_EQ(0, window.qrxGetSession().qiGetSelectedRecord());
    // Ctrl+L from the record list: the Leader editor, then the record list again.
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND) {});
        qvKey('L', false, true);
        EXPECT_TRUE(driver.qtFinished());
    }
    EXPECT_EQ(qhList(eRecordList), ::GetFocus());
    // Enter on the 008 line opens the 008 editor; the field list has the focus after it.
    qvKey(VK_TAB);
    qvChooseRow(window, eFieldList, 2);
    {
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { EXPECT_NE(std::wstring::npos, TDialogDriver::qxGetText(hDlg).find(L"008")); });
        qvKey(VK_RETURN);
        EXPECT_TRUE(driver.qtFinished());
    }
    EXPECT_EQ(qhList(eFieldList), ::GetFocus());
    // A record added (Ctrl+N: Leader editor, default 008 dated today), then deleted.
    {
        TDialogDriver driver;
        driver.qrxThen(qfnClick(3002)); // the Leader editor's OK
        qvKey('N', false, true);
        EXPECT_TRUE(driver.qtFinished());
    }
    ASSERT_EQ(3u, window.qrxGetSession().qnGetRecordCount());
    EXPECT_EQ(1, window.qrxGetSession().qiGetSelectedRecord());
    char acToday[8] = {};
    const std::time_t xNow = std::time(nullptr);
    std::strftime(acToday, sizeof(acToday), "%y%m%d", std::localtime(&xNow));
    EXPECT_EQ(acToday, qx008(window.qrxGetSession().qrxGetEntry(1).mxRecord).substr(0, 6));
    prompt.mxAnswers = {eAnswerYes};
    qvKey(VK_DELETE, false, true);
    EXPECT_EQ(L"Delete record 2 from the file?", prompt.mxQuestions.back());
    ASSERT_EQ(2u, window.qrxGetSession().qnGetRecordCount());
    EXPECT_EQ(L"2\tsecond\tOther.\t", qxRows(window, eRecordList)[1]);
}

// A click beside the rows takes the selection off the record list; the record
// whose fields are shown, the one every command acts on, stays selected.
TEST_F(HostKeyboard, TheRecordShownStaysSelectedWhenTheListLosesItsSelection)
{
    qxOpen("beside.mrk", kTwoRecords);
    qvChooseRow(window, eRecordList, 1);
    qvPump();
    const std::vector<std::wstring> xFields = qxRows(window, eFieldList);
    CListCtrl xList(qhList(eRecordList));
    // What the list itself does on a click beside its rows.
    xList.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    qvPump();
    EXPECT_EQ(1, xList.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(1, window.qrxGetSession().qiGetSelectedRecord());
    EXPECT_EQ(xFields, qxRows(window, eFieldList));
    // Another row chosen is taken, though the list has no row selected for a moment.
    qvChooseRow(window, eRecordList, 0);
    qvPump();
    EXPECT_EQ(0, xList.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(0, window.qrxGetSession().qiGetSelectedRecord());
    EXPECT_NE(xFields, qxRows(window, eFieldList));
}

TEST_F(HostKeyboard, AFileChangedOnDiskIsNotSavedOverWithoutAskingAndF5ReadsItAgain)
{
    const std::string xPath = qxOpen("disk.mrk", kTwoRecords);
    prompt.mxAnswers = {eAnswerYes};
    qvCommand(window, eCmdAddDefault008); // replaces the 008: a change
    ASSERT_TRUE(window.qrxGetSession().qtIsModified());
    // Another program writes the file, same size and perhaps the same time.
    std::string xOther = kTwoRecords;
    xOther.replace(xOther.find("Other."), 6, "Their.");
    qvWriteFileBytes(xPath, xOther);
    prompt.mxAnswers = {eAnswerNo};
    qvKey('S', false, true);
    EXPECT_EQ(L"disk.mrk was changed by another program since it was read. Save over it anyway? What that "
              L"program wrote would be lost.",
              prompt.mxQuestions.back());
    EXPECT_EQ(xOther, qxReadFileBytes(xPath));
    EXPECT_TRUE(window.qrxGetSession().qtIsModified());
    // F5 asks before giving up the changes, then shows what is on the disk.
    prompt.mxAnswers = {eAnswerYes};
    qvKey(VK_F5);
    EXPECT_EQ(L"Give up the changes to disk.mrk and read it again from the disk?", prompt.mxQuestions.back());
    EXPECT_FALSE(window.qrxGetSession().qtIsModified());
    EXPECT_EQ(L"2\tsecond\tTheir.\t", qxRows(window, eRecordList).at(1));
    EXPECT_TRUE(prompt.mxAnswers.empty());
}

TEST_F(HostKeyboard, FindLooksThroughEveryFieldOfEveryRecordAndGoToTakesANumberOrAn001)
{
    std::string xText;
    for (int i = 1; i <= 8; ++i)
        xText += "=LDR  00000nam\\a2200000\\a\\4500\n=001  rec" + std::to_string(i) + "\n=245  10$aBook " +
                 std::to_string(i) + "\n" + (i == 7 ? "=520  \\\\$aA tale of a Marmot and its burrow.\n" : "") +
                 "=650  \\0$aAnimals.\n\n";
    qxOpen("find.mrk", xText);
    auto fnTypeAndOk = [](const std::wstring& rxText) {
        return std::vector<TStep>{[rxText](HWND hDlg) { qvRetype(hDlg, kLineId, rxText); }, qfnClick(IDOK)};
    };
    {
        TDialogDriver driver;
        for (const TStep& fnStep : fnTypeAndOk(L"marmot"))
            driver.qrxThen(fnStep);
        qvKey('F', false, true);
        EXPECT_TRUE(driver.qtFinished());
    }
    EXPECT_EQ(6, window.qrxGetSession().qiGetSelectedRecord());
    EXPECT_EQ(2, window.qrxGetSession().qiGetSelectedField());
    EXPECT_EQ(qhList(eFieldList), ::GetFocus());
    EXPECT_EQ(3, ::SendMessageW(qhList(eFieldList), LB_GETCURSEL, 0, 0));
    // F3: the next "animals" after it, then round to the first record.
    qvChooseRow(window, eRecordList, 7);
    {
        TDialogDriver driver;
        for (const TStep& fnStep : fnTypeAndOk(L"ANIMALS"))
            driver.qrxThen(fnStep);
        qvKey('F', false, true);
    }
    EXPECT_EQ(7, window.qrxGetSession().qiGetSelectedRecord());
    qvKey(VK_F3);
    EXPECT_EQ(0, window.qrxGetSession().qiGetSelectedRecord());
    EXPECT_EQ(2, window.qrxGetSession().qiGetSelectedField());
    // Go to: by number, by 001, and a record there is not.
    for (const auto& [xAsked, iRecord] : std::vector<std::pair<std::wstring, int>>{{L"5", 4}, {L" rec3 ", 2}})
    {
        TDialogDriver driver;
        for (const TStep& fnStep : fnTypeAndOk(xAsked))
            driver.qrxThen(fnStep);
        qvKey('G', false, true);
        EXPECT_EQ(iRecord, window.qrxGetSession().qiGetSelectedRecord());
        EXPECT_EQ(qhList(eRecordList), ::GetFocus());
    }
    {
        TDialogDriver driver;
        for (const TStep& fnStep : fnTypeAndOk(L"99"))
            driver.qrxThen(fnStep);
        driver.qrxThen(qfnClick(IDCANCEL));
        qvKey('G', false, true);
    }
    ASSERT_FALSE(prompt.mxMessages.empty());
    EXPECT_EQ(L"There is no record 99: give a number from 1 to 8 or a record's 001.", prompt.mxMessages.back());
}

// After a Check, Tab goes on to the findings and Enter opens one; the focus
// comes back to them after its editor, and Shift+Tab goes back to the fields.
TEST_F(HostKeyboard, TheFindingsAreReachedAndOpenedWithTheKeys)
{
    std::string x008 = "860506s1985    nyua          001 0 eng d";
    x008[22] = '~';
    qxOpen("findings.mrc", qxIso2709(qxRecordOf("00000nam a2200000 a 4500", {{1, "one"}, {8, x008}})));
    qvKey(VK_F7, true);
    ASSERT_EQ(2u, qxRows(window, eFindingList).size());
    qvKey(VK_TAB);
    qvKey(VK_TAB);
    EXPECT_EQ(qhList(eFindingList), ::GetFocus());
    qvKey(VK_HOME); // the summary
    qvKey(VK_DOWN); // the finding
    int iFocus = 0;
    {
        TDialogDriver driver;
        driver.qrxThen([&](HWND) { iFocus = ::GetDlgCtrlID(::GetFocus()); }).qrxThen(qfnClick(IDC_008_CANCEL));
        qvKey(VK_RETURN);
        EXPECT_TRUE(driver.qtFinished());
    }
    EXPECT_EQ(IDC_008_BIB_TARGET_AUDIENCE, iFocus);
    EXPECT_EQ(qhList(eFindingList), ::GetFocus());
    qvKey(VK_TAB, true);
    EXPECT_EQ(qhList(eFieldList), ::GetFocus());
    // Another file: the findings go, and Tab goes between the two lists again.
    qxOpen("again.mrc", qxIso2709(qxRecordOf("00000nam a2200000 a 4500", {{1, "two"}})));
    qvKey(VK_TAB);
    EXPECT_EQ(qhList(eRecordList), ::GetFocus());
}

// Check file lists every finding under a summary; a double-click selects the
// record and opens the editor of the field with the focus on the control of
// the finding's position; afterwards the check runs again.
TEST_F(HostSession, CheckListsTheFindingsAndOneOpensItsEditorAtItsPosition)
{
    const char* pacLeader = "00000nam a2200000 a 4500";
    const std::string x008 = "860506s1985    nyua          001 0 eng d";
    std::string xBad008 = x008;
    xBad008[22] = '~';
    qxOpen("check.mrc", qxIso2709(qxRecordOf(pacLeader, {{1, "one"}, {8, x008}})) +
                            qxIso2709(qxRecordOf(pacLeader, {{1, "two"}, {8, xBad008}})));
    qvCommand(window, eCmdCheckFile);
    std::vector<std::wstring> xRows = qxRows(window, eFindingList);
    ASSERT_EQ(2u, xRows.size());
    EXPECT_TRUE(qtStartsWith(xRows[0], L"2 records checked: 1 error(s), 0 warning(s)."));
    EXPECT_TRUE(qtStartsWith(xRows[1], L"2 (001 two)\t008/22\terror: \"~\" is no code of "))
        << std::string(xRows[1].begin(), xRows[1].end());

    int iFocus = 0;
    TDialogDriver driver;
    driver.qrxThen([&](HWND) { iFocus = ::GetDlgCtrlID(::GetFocus()); }).qrxThen([](HWND hDlg) {
        TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_008_CANCEL));
    });
    HWND hFindings = ::GetDlgItem(window.m_hWnd, eFindingList);
    ::SendMessageW(hFindings, LB_SETCURSEL, 1, 0);
    ::SendMessageW(window.m_hWnd, WM_COMMAND, MAKEWPARAM(eFindingList, LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(hFindings));
    EXPECT_TRUE(driver.qtFinished());
    EXPECT_EQ(IDC_008_BIB_TARGET_AUDIENCE, iFocus);
    EXPECT_EQ(1, window.qrxGetSession().qiGetSelectedRecord());
    EXPECT_EQ(2u, qxRows(window, eFindingList).size()) << "the check ran again: the 008 was not changed";

    // Check record on the first record: nothing found.
    qvChooseRow(window, eRecordList, 0);
    qvCommand(window, eCmdCheckRecord);
    xRows = qxRows(window, eFindingList);
    ASSERT_EQ(1u, xRows.size());
    EXPECT_TRUE(qtStartsWith(xRows[0], L"1 record checked: 0 error(s), 0 warning(s)."));
}

namespace
{
// What the message boxes of one thread showed, each answered from a script as
// a person would: a timer of the thread finds the box its modal loop runs.
struct TBoxScript
{
    std::deque<int> mxButtons;                                 // the button each box is closed with; 0: Enter pressed
    std::vector<std::pair<std::wstring, std::wstring>> mxSeen; // caption, text
};
TBoxScript* g_pxBoxScript = nullptr;

BOOL CALLBACK qtCollectText(HWND hChild, LPARAM lParam)
{
    wchar_t awcClass[16] = {};
    ::GetClassNameW(hChild, awcClass, 16);
    if (std::wstring(awcClass) == L"Static" && !TDialogDriver::qxGetText(hChild).empty())
        *reinterpret_cast<std::wstring*>(lParam) += TDialogDriver::qxGetText(hChild);
    return TRUE;
}

void CALLBACK qvAnswerTheBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hBox = ::GetActiveWindow();
    wchar_t awcClass[16] = {};
    ::GetClassNameW(hBox, awcClass, 16);
    if (g_pxBoxScript == nullptr || std::wstring(awcClass) != L"#32770" ||
        ::GetPropW(hBox, L"orvo-answered") != nullptr)
        return;
    ::SetPropW(hBox, L"orvo-answered", hBox);
    std::wstring xText;
    ::EnumChildWindows(hBox, &qtCollectText, reinterpret_cast<LPARAM>(&xText));
    g_pxBoxScript->mxSeen.emplace_back(TDialogDriver::qxGetText(hBox), xText);
    // A box the script did not expect is seen and cancelled.
    const int iButton = g_pxBoxScript->mxButtons.empty() ? IDCANCEL : g_pxBoxScript->mxButtons.front();
    if (!g_pxBoxScript->mxButtons.empty())
        g_pxBoxScript->mxButtons.pop_front();
    if (iButton == 0)
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    else
        ::PostMessageW(hBox, WM_COMMAND, static_cast<WPARAM>(iButton), 0);
}

// The prompt's message boxes over a shown host window, answered from xButtons.
std::vector<std::pair<std::wstring, std::wstring>> qxBoxesOf(const std::function<void(THostPrompt&)>& fnShow,
                                                             std::deque<int> xButtons)
{
    TScriptedPrompt unused;
    THostMainWindow window(unused, false);
    EXPECT_TRUE(window.qtCreate());
    window.ShowWindow(SW_SHOW);
    TWin32HostPrompt prompt;
    prompt.qvSetOwner(window.m_hWnd);
    TBoxScript script{std::move(xButtons), {}};
    g_pxBoxScript = &script;
    const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 50, &qvAnswerTheBox);
    fnShow(prompt);
    ::KillTimer(nullptr, idTimer);
    g_pxBoxScript = nullptr;
    EXPECT_TRUE(script.mxButtons.empty()) << "a box did not come";
    window.DestroyWindow();
    return script.mxSeen;
}
}

// The cataloguer reads the sentence; the library's message comes only when
// asked for, and Enter (No, the default) closes the box.
TEST(HostPrompt, AMessageGivesItsTechnicalDetailOnlyWhenAskedFor)
{
    const std::wstring xSentence = L"Cannot save out.mrc: the folder C:\\x does not exist. The file was not changed.";
    const std::wstring xDetail = L"TOutputFile::TOutputFile() : the folder C:\\x does not exist";
    const std::wstring xAsked = xSentence + L"\n\nShow the technical details?";
    auto fnShow = [&](THostPrompt& rxPrompt) { rxPrompt.qvShowMessage(xSentence, true, xDetail); };

    std::vector<std::pair<std::wstring, std::wstring>> xSeen = qxBoxesOf(fnShow, {0});
    ASSERT_EQ(1u, xSeen.size());
    EXPECT_EQ(L"Orvo Cataloguing Host", xSeen[0].first);
    EXPECT_EQ(xAsked, xSeen[0].second);

    xSeen = qxBoxesOf(fnShow, {IDYES, IDOK});
    ASSERT_EQ(2u, xSeen.size());
    EXPECT_EQ(xAsked, xSeen[0].second);
    EXPECT_EQ(L"Technical details", xSeen[1].first);
    EXPECT_EQ(xDetail, xSeen[1].second);

    // Without a detail: the sentence alone, and nothing is asked.
    xSeen = qxBoxesOf([&](THostPrompt& rxPrompt) { rxPrompt.qvShowMessage(xSentence, false); }, {IDOK});
    ASSERT_EQ(1u, xSeen.size());
    EXPECT_EQ(xSentence, xSeen[0].second);
}
