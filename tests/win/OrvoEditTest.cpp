// orvo-edit run as a cataloguing program runs it: a process of its own on a
// file of several records, its editor answered by input sent to its windows.
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"

#include "marcio/TMarcFile.h"
#include "recordlib/TMarcRecord.h"
#include "resources/008EditorIds.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
std::wstring qxBesideThisProgram(const wchar_t* pwcName)
{
    wchar_t awcPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, awcPath, MAX_PATH);
    std::wstring xPath(awcPath);
    return xPath.substr(0, xPath.find_last_of(L"\\/") + 1) + pwcName;
}

std::wstring qxWide(const std::string& rxText)
{
    return std::wstring(rxText.begin(), rxText.end());
}

// A file of records, records.mrc, in a scratch folder of its own.
struct TScratchFile
{
    TScratchFolder xFolder;
    std::string xPath = xFolder.qxFile("records.mrc");
    TScratchFile(const std::string& rxName, const std::string& rxBytes) : xFolder(rxName)
    {
        qvWriteFileBytes(xPath, rxBytes);
    }
    std::string qxBytes() const { return qxReadFileBytes(xPath); }
    // orvo-edit's arguments: the 008 of record 2 of the file.
    std::wstring qxQuoted() const { return L"\"" + qxWide(xPath) + L"\""; }
};

// orvo-edit with its arguments, its stderr kept for qxErrors.
class TEditRun
{
public:
    explicit TEditRun(const std::wstring& rxArguments)
    {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE hErrorsWrite = nullptr;
        if (!::CreatePipe(&mhErrorsRead, &hErrorsWrite, &inherit, 1u << 16))
            return;
        ::SetHandleInformation(mhErrorsRead, HANDLE_FLAG_INHERIT, 0);
        std::wstring xCommand = L"\"" + qxBesideThisProgram(L"orvo-edit.exe") + L"\" " + rxArguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = hErrorsWrite;
        mtStarted = ::CreateProcessW(nullptr, &xCommand[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                     &mxProcess) != FALSE;
        ::CloseHandle(hErrorsWrite);
    }
    ~TEditRun()
    {
        if (mhErrorsRead != nullptr)
            ::CloseHandle(mhErrorsRead);
        if (!mtStarted)
            return;
        if (::WaitForSingleObject(mxProcess.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(mxProcess.hProcess, 99);
        ::CloseHandle(mxProcess.hThread);
        ::CloseHandle(mxProcess.hProcess);
    }
    // What the program wrote on stderr (its lines ending in "\n"), once it has ended.
    std::string qxErrors()
    {
        std::string xErrors;
        char acChunk[4096];
        DWORD dwRead = 0;
        while (mhErrorsRead != nullptr && ::ReadFile(mhErrorsRead, acChunk, sizeof(acChunk), &dwRead, nullptr) &&
               dwRead != 0)
            for (DWORD dw = 0; dw < dwRead; ++dw)
                if (acChunk[dw] != '\r')
                    xErrors += acChunk[dw];
        return xErrors;
    }
    TEditRun(const TEditRun&) = delete;
    TEditRun& operator=(const TEditRun&) = delete;

    // The editor's dialog, once the program shows it; null when it ends first or
    // none shows within 30 s.
    HWND qhWaitForDialog()
    {
        for (int i = 0; mtStarted && i < 300; ++i)
        {
            ::EnumWindows(qtFindDialog, reinterpret_cast<LPARAM>(this));
            if (mhDialog != nullptr || ::WaitForSingleObject(mxProcess.hProcess, 100) != WAIT_TIMEOUT)
                break;
        }
        return mhDialog;
    }
    // The exit status, waiting up to 30 s; -1 when it did not end.
    int qiWaitForExit()
    {
        DWORD dwStatus = 0;
        if (!mtStarted || ::WaitForSingleObject(mxProcess.hProcess, 30000) != WAIT_OBJECT_0 ||
            !::GetExitCodeProcess(mxProcess.hProcess, &dwStatus))
            return -1;
        return static_cast<int>(dwStatus);
    }
    // A key pressed in the control that has the focus in the editor.
    void qvPressKey(UINT nKey)
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        HWND hTarget = ::GetGUIThreadInfo(mxProcess.dwThreadId, &info) && info.hwndFocus ? info.hwndFocus : mhDialog;
        ::PostMessageW(hTarget, WM_KEYDOWN, nKey, 1);
        ::PostMessageW(hTarget, WM_KEYUP, nKey, 0xC0000001);
    }

private:
    static BOOL CALLBACK qtFindDialog(HWND hWnd, LPARAM lParam)
    {
        TEditRun* pxRun = reinterpret_cast<TEditRun*>(lParam);
        DWORD dwProcess = 0;
        ::GetWindowThreadProcessId(hWnd, &dwProcess);
        wchar_t awcClass[16] = {};
        ::GetClassNameW(hWnd, awcClass, 16);
        if (dwProcess != pxRun->mxProcess.dwProcessId || !::IsWindowVisible(hWnd) ||
            std::wstring(awcClass) != L"#32770")
            return TRUE;
        pxRun->mhDialog = hWnd;
        return FALSE;
    }

    PROCESS_INFORMATION mxProcess{};
    HANDLE mhErrorsRead = nullptr;
    bool mtStarted = false;
    HWND mhDialog = nullptr;
};

// Date 2 of the 008 (blank in the records used here) typed as "1999" in the
// editor's dialog, then OK.
void qvTypeDate2AndPressOk(HWND hDialog)
{
    HWND hDate2 = ::GetDlgItem(hDialog, IDC_008_BIB_DATE2);
    ASSERT_NE(nullptr, hDate2);
    for (wchar_t c : std::wstring(L"1999"))
        ::SendMessageW(hDate2, WM_CHAR, c, 1);
    ::SendMessageW(::GetDlgItem(hDialog, IDC_008_OK), BM_CLICK, 0, 0);
}

// The record with "1999" as its 008's Date 2, in ISO 2709.
std::string qxWithDate2(TMarcRecord record)
{
    TMarcTag field;
    EXPECT_TRUE(record.qtFindTag(8, field, 1));
    std::string x008(field.qpacGetData(), field.qdwGetDataSize());
    EXPECT_EQ("    ", x008.substr(11, 4));
    x008.replace(11, 4, "1999");
    field.qvSetData(x008.c_str(), false);
    EXPECT_TRUE(record.qtReplaceTag(field, 1));
    TXBuffer<unsigned char> xBytes;
    record.qvGetUSMarcData(xBytes, false);
    return qxBytes(xBytes);
}
}

TEST(OrvoEdit, OkWritesOnlyTheEditedRecordAndCancelLeavesTheFileAlone)
{
    const std::vector<std::string> xRecords = qxSampleRecordBytes("camel.usmarc", 3);
    ASSERT_EQ(3u, xRecords.size());
    // Filler between and after records stays where it is: only record 2 is written anew.
    const std::string xOriginal = xRecords[0] + "\r\n" + xRecords[1] + xRecords[2] + "\n";
    TScratchFile file("edit-1", xOriginal);
    {
        // Escape: the file keeps every byte, and no temporary file is left.
        TEditRun run(L"008 --record 2 " + file.qxQuoted());
        ASSERT_NE(nullptr, run.qhWaitForDialog());
        run.qvPressKey(VK_ESCAPE);
        EXPECT_EQ(1, run.qiWaitForExit());
        EXPECT_EQ(xOriginal, file.qxBytes());
        EXPECT_EQ(1u, file.xFolder.qnFileCount());
    }
    TEditRun run(L"008 --record 2 " + file.qxQuoted());
    HWND hDialog = run.qhWaitForDialog();
    ASSERT_NE(nullptr, hDialog);
    qvTypeDate2AndPressOk(hDialog);
    EXPECT_EQ(0, run.qiWaitForExit()) << run.qxErrors();
    TMarcRecord expected;
    expected.qvSetUSMarcData(qpaxBytes(xRecords[1]), static_cast<uint32_t>(xRecords[1].size()));
    EXPECT_EQ(xRecords[0] + "\r\n" + qxWithDate2(expected) + xRecords[2] + "\n", file.qxBytes());
    EXPECT_EQ(1u, file.xFolder.qnFileCount());
}

TEST(OrvoEdit, MarcMakerTextIsEditedInPlaceInItsOwnLineEnds)
{
    // A byte order mark, comments, CR LF: found by content under any name, and only
    // record 2 written anew, in the file's line ends.
    std::vector<TMarcRecord> xRecords;
    for (const std::string& rxBytes : qxSampleRecordBytes("camel.usmarc", 3))
    {
        xRecords.emplace_back();
        xRecords.back().qvSetUSMarcData(qpaxBytes(rxBytes), static_cast<uint32_t>(rxBytes.size()));
    }
    ASSERT_EQ(3u, xRecords.size());
    std::string xFirst = "\xEF\xBB\xBF# by hand\r\n", xSecond, xLast = "\r\n# after\r\n";
    qvAppendMarcMaker(xRecords[0], xFirst, eLineEndCrLf);
    xFirst += "# between\r\n";
    qvAppendMarcMaker(xRecords[1], xSecond, eLineEndCrLf, false);
    qvAppendMarcMaker(xRecords[2], xLast, eLineEndCrLf, false);
    TScratchFile file("edit-mrk", xFirst + xSecond + xLast);

    TEditRun run(L"008 --record 2 " + file.qxQuoted());
    HWND hDialog = run.qhWaitForDialog();
    ASSERT_NE(nullptr, hDialog);
    qvTypeDate2AndPressOk(hDialog);
    EXPECT_EQ(0, run.qiWaitForExit()) << run.qxErrors();
    const std::string xEdited = qxWithDate2(xRecords[1]);
    TMarcRecord expected;
    expected.qvSetUSMarcData(qpaxBytes(xEdited), static_cast<uint32_t>(xEdited.size()));
    std::string xExpected = xFirst;
    qvAppendMarcMaker(expected, xExpected, eLineEndCrLf, false);
    EXPECT_EQ(xExpected + xLast, file.qxBytes());
}

TEST(OrvoEdit, ADamagedRecordIsEditedInItsRepairedFormAndTheOthersStayByteForByte)
{
    const std::vector<std::string> xRecords = qxSampleRecordBytes("camel.usmarc", 3);
    ASSERT_EQ(3u, xRecords.size());
    // badind.usmarc's record: its 245 has the indicators "-0".
    std::string xDamaged = qxReadSample("badind.usmarc");
    xDamaged.erase(xDamaged.find('\x1D') + 1);
    const std::string xOriginal = xRecords[0] + xDamaged + "\n" + xRecords[2];
    TScratchFile file("edit-2", xOriginal);
    const std::string xRepair = "record 2 repaired: field 245: indicators \"-0\" are not valid: replaced by \" 0\"\n";
    {
        // OK on an editor that changed nothing: the damaged bytes stay, repairs reported.
        TEditRun run(L"008 --record 2 " + file.qxQuoted());
        HWND hDialog = run.qhWaitForDialog();
        ASSERT_NE(nullptr, hDialog);
        ::SendMessageW(::GetDlgItem(hDialog, IDC_008_OK), BM_CLICK, 0, 0);
        EXPECT_EQ(0, run.qiWaitForExit());
        EXPECT_EQ(xRepair + "record 2 left as it was read: the editor changed nothing\n", run.qxErrors());
        EXPECT_EQ(xOriginal, file.qxBytes());
    }
    TEditRun run(L"008 --record 2 " + file.qxQuoted());
    HWND hDialog = run.qhWaitForDialog();
    ASSERT_NE(nullptr, hDialog);
    qvTypeDate2AndPressOk(hDialog);
    EXPECT_EQ(0, run.qiWaitForExit());
    EXPECT_EQ(xRepair + "record 2 written in its repaired form\n", run.qxErrors());
    TMarcRecord repaired;
    std::vector<TRepair> xRepairs;
    repaired.qvRepairUSMarcData(qpaxBytes(xDamaged), static_cast<uint32_t>(xDamaged.size()), xRepairs);
    EXPECT_EQ(xRecords[0] + qxWithDate2(repaired) + "\n" + xRecords[2], file.qxBytes());
    EXPECT_EQ(1u, file.xFolder.qnFileCount());
}

TEST(OrvoEdit, RefusalsLeaveTheFileAloneWithTheReasonAndStatus2)
{
    const std::string xOriginal = qxReadSample("camel.usmarc");
    TScratchFile file("edit-3", xOriginal);
    for (const std::wstring& rxArguments :
         {L"008 --record 11 " + file.qxQuoted(), L"009 " + file.qxQuoted(), L"008 --record 0 " + file.qxQuoted(),
          L"008 \"" + qxWide(file.xPath) + L".absent\"", std::wstring(L"008"),
          L"008 \"" + qxWide(file.xFolder.qxFile("")) + L"\""})
    {
        TEditRun run(rxArguments);
        EXPECT_EQ(2, run.qiWaitForExit()) << std::string(rxArguments.begin(), rxArguments.end());
    }
    // An occurrence past the record's last: refused before any dialog, never an empty form.
    for (const wchar_t* pwcArguments : {L"856 --occurrence 1 ", L"006 --record 2 --occurrence 2 "})
    {
        TEditRun run(pwcArguments + file.qxQuoted());
        EXPECT_EQ(2, run.qiWaitForExit());
        EXPECT_NE(std::string::npos, run.qxErrors().find("so there is no occurrence")) << run.qxErrors();
    }
    EXPECT_EQ(xOriginal, file.qxBytes());

    // A read-only file: refused before the editor opens unless --force.
    std::filesystem::permissions(file.xPath, std::filesystem::perms::owner_read);
    TEditRun readOnly(L"008 " + file.qxQuoted());
    EXPECT_EQ(2, readOnly.qiWaitForExit());
    EXPECT_NE(std::string::npos, readOnly.qxErrors().find("read-only (--force replaces it)"));
    std::filesystem::permissions(file.xPath, std::filesystem::perms::owner_all);
    EXPECT_EQ(xOriginal, file.qxBytes());
}
