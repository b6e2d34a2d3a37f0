// orvo-edit run as a cataloguing program runs it: a process of its own on a
// file of several records, its editor answered by input sent to its windows.
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"

#include "recordlib/TIso2709Reader.h"
#include "recordlib/TMarcRecord.h"
#include "resources/008EditorIds.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
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

// A path as a command line takes it.
std::wstring qxQuoted(const std::string& rxPath)
{
    return L"\"" + std::wstring(rxPath.begin(), rxPath.end()) + L"\"";
}

// orvo-edit with its arguments; fnAct gets its editor's dialog once it shows.
class TEditRun
{
public:
    explicit TEditRun(const std::wstring& rxArguments)
    {
        std::wstring xCommand = L"\"" + qxBesideThisProgram(L"orvo-edit.exe") + L"\" " + rxArguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        mtStarted = ::CreateProcessW(nullptr, &xCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                     &mxProcess) != FALSE;
    }
    ~TEditRun()
    {
        if (!mtStarted)
            return;
        if (::WaitForSingleObject(mxProcess.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(mxProcess.hProcess, 99);
        ::CloseHandle(mxProcess.hThread);
        ::CloseHandle(mxProcess.hProcess);
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
        if (dwProcess != pxRun->mxProcess.dwProcessId || !::IsWindowVisible(hWnd) || std::wstring(awcClass) != L"#32770")
            return TRUE;
        pxRun->mhDialog = hWnd;
        return FALSE;
    }

    PROCESS_INFORMATION mxProcess{};
    bool mtStarted = false;
    HWND mhDialog = nullptr;
};

// The first three records of camel.usmarc, each exactly as in the file.
std::vector<std::string> qxThreeRecords()
{
    std::istringstream in(qxReadSample("camel.usmarc"));
    TIso2709Reader reader(in);
    std::vector<std::string> xRecords;
    TMarcRecord record;
    while (xRecords.size() < 3 && reader.qtReadNext(record))
        xRecords.push_back(qxBytes(reader.qrxGetRawData()));
    return xRecords;
}
}

TEST(OrvoEdit, OkWritesOnlyTheEditedRecordAndCancelLeavesTheFileAlone)
{
    const std::vector<std::string> xRecords = qxThreeRecords();
    ASSERT_EQ(3u, xRecords.size());
    // Filler between and after records stays where it is: only record 2 is written anew.
    const std::string xOriginal = xRecords[0] + "\r\n" + xRecords[1] + xRecords[2] + "\n";
    const TScratchFolder folder("edit-ok");
    const std::string xFile = folder.qxFile("records.mrc");
    qvWriteFileBytes(xFile, xOriginal);
    {
        // Escape: the file keeps every byte, and no temporary file is left.
        TEditRun run(L"008 --record 2 " + qxQuoted(xFile));
        ASSERT_NE(nullptr, run.qhWaitForDialog());
        run.qvPressKey(VK_ESCAPE);
        EXPECT_EQ(1, run.qiWaitForExit());
        EXPECT_EQ(xOriginal, qxReadFileBytes(xFile));
        EXPECT_EQ(1u, folder.qnFileCount());
    }
    {
        // Date 2 of the second record typed as "1999" (it is blank there), then OK.
        TEditRun run(L"008 --record 2 " + qxQuoted(xFile));
        HWND hDialog = run.qhWaitForDialog();
        ASSERT_NE(nullptr, hDialog);
        HWND hDate2 = ::GetDlgItem(hDialog, IDC_008_BIB_DATE2);
        ASSERT_NE(nullptr, hDate2);
        for (wchar_t c : std::wstring(L"1999"))
            ::SendMessageW(hDate2, WM_CHAR, c, 1);
        ::SendMessageW(::GetDlgItem(hDialog, IDC_008_OK), BM_CLICK, 0, 0);
        EXPECT_EQ(0, run.qiWaitForExit());
    }
    TMarcRecord expected;
    expected.qvSetUSMarcData(qpaxBytes(xRecords[1]), static_cast<uint32_t>(xRecords[1].size()));
    TMarcTag field;
    ASSERT_TRUE(expected.qtFindTag(8, field, 1));
    std::string x008(field.qpacGetData(), field.qdwGetDataSize());
    ASSERT_EQ("    ", x008.substr(11, 4));
    x008.replace(11, 4, "1999");
    field.qvSetData(x008.c_str(), false);
    ASSERT_TRUE(expected.qtReplaceTag(field, 1));
    TXBuffer<unsigned char> xExpected;
    expected.qvGetUSMarcData(xExpected, false);
    EXPECT_EQ(xRecords[0] + "\r\n" + qxBytes(xExpected) + xRecords[2] + "\n", qxReadFileBytes(xFile));
    EXPECT_EQ(1u, folder.qnFileCount());
}

TEST(OrvoEdit, RefusalsLeaveTheFileAloneWithTheReasonAndStatus2)
{
    const std::vector<std::string> xRecords = qxThreeRecords();
    ASSERT_EQ(3u, xRecords.size());
    const std::string xOriginal = xRecords[0] + xRecords[1] + xRecords[2];
    const TScratchFolder folder("edit-refusals");
    const std::string xFile = folder.qxFile("records.mrc");
    qvWriteFileBytes(xFile, xOriginal);
    for (const std::wstring& rxArguments : {L"008 --record 4 " + qxQuoted(xFile), L"009 " + qxQuoted(xFile),
                                            L"008 --record 0 " + qxQuoted(xFile), L"008 " + qxQuoted(xFile + ".absent"),
                                            std::wstring(L"008")})
    {
        TEditRun run(rxArguments);
        EXPECT_EQ(2, run.qiWaitForExit()) << std::string(rxArguments.begin(), rxArguments.end());
    }
    EXPECT_EQ(xOriginal, qxReadFileBytes(xFile));
}
