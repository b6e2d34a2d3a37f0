// Faults and odd but valid input in files of records: what the batch command (and
// marcio under it) makes of a failing read, a byte order mark, comments, CR LF,
// long lines and filler, records too long, and the files it writes over.
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"
#include "support/TTestRecords.h"

#include "batch/TBatchAdd008.h"
#include "batch/TBatchFiles.h"
#include "marcio/TMarcFile.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace
{
namespace fs = std::filesystem;

int qiRun(std::vector<std::string> xArgs, std::string* pxErr = nullptr)
{
    std::ostringstream err;
    const int iStatus = qiRunBatchCommand(xArgs, err);
    if (pxErr != nullptr)
        *pxErr = err.str();
    return iStatus;
}

// Gives its data, then fails as a disk that cannot be read does.
class TFailingBuffer : public std::stringbuf
{
public:
    explicit TFailingBuffer(const std::string& rxData) : std::stringbuf(rxData) {}

protected:
    int_type underflow() override
    {
        const int_type iChar = std::stringbuf::underflow();
        if (iChar == traits_type::eof())
            throw std::ios_base::failure("read error");
        return iChar;
    }
    std::streamsize xsgetn(char* pacOut, std::streamsize nCount) override
    {
        const std::streamsize nGot = std::stringbuf::xsgetn(pacOut, nCount);
        if (nGot < nCount)
            throw std::ios_base::failure("read error");
        return nGot;
    }
};

std::string qxMrk(const TMarcRecord& rxRecord)
{
    std::string xText;
    qvAppendMarcMaker(rxRecord, xText);
    return xText;
}

bool qtAllLinesEndInCrLf(const std::string& rxText)
{
    for (std::size_t n = rxText.find('\n'); n != std::string::npos; n = rxText.find('\n', n + 1))
        if (n == 0 || rxText[n - 1] != '\r')
            return false;
    return true;
}

std::string qxCrLf(std::string xText)
{
    for (std::size_t n = xText.find('\n'); n != std::string::npos; n = xText.find('\n', n + 2))
        xText.insert(n, 1, '\r');
    return xText;
}
}

TEST(RecordFile, AReadErrorIsNeverTakenForTheEndOfTheData)
{
    const std::string xIso = qxReadSample("camel.usmarc");
    const std::string xMrk = qxMrk(qxRecordOfType('a', 'm')) + qxMrk(qxRecordOfType('a', 'm'));
    for (const auto& rxCase : {std::make_pair(eIso2709, xIso), std::make_pair(eMarcMaker, xMrk)})
    {
        TFailingBuffer buffer(rxCase.second.substr(0, rxCase.second.size() / 2 + 7));
        std::istream in(&buffer);
        std::ostringstream out, report;
        TBatchOptions options;
        options.meInFormat = options.meOutFormat = rxCase.first;
        TBatchAdd008 batch(options, report);
        try
        {
            batch.qvRun(in, out);
            ADD_FAILURE() << "a run over a failing read completed";
        }
        catch (const TException& e)
        {
            EXPECT_EQ(kReadFailedCode, e.qiGetCode());
        }
    }
#ifdef __linux__
    // A file whose reading fails (EIO at its first byte): exit 2, OUT as it was, no temporary file.
    const TScratchFolder folder("read-error");
    const std::string xOut = folder.qxFile("out.mrc");
    qvWriteFileBytes(xOut, "old");
    std::string xErr;
    EXPECT_EQ(2, qiRun({"add-008", "/proc/self/mem", xOut}, &xErr));
    EXPECT_NE(std::string::npos, xErr.find("Cannot read mem")) << xErr;
    EXPECT_EQ("old", qxReadFileBytes(xOut));
    EXPECT_EQ(1u, folder.qnFileCount());
#endif
}

TEST(RecordFile, MarcMakerTextComesBackByteForByteAndAChangedRecordInItsLineEnds)
{
    // A byte order mark, comments, blank lines of every kind, CR LF, a mnemonic
    // written another way ({copy}), no line end at the end; the second record lacks
    // its 008 and is the only one to change.
    TMarcRecord without008 = qxRecordOfType('a', 'm');
    for (uint32_t dw = 0; dw < without008.qdwGetFieldCount(); ++dw)
        if (without008.qrxGetField(dw).qiGetTagNumber() == 8)
            without008.qvRemoveField(dw--);
    const std::string xBefore = "\xEF\xBB\xBF# exported by hand\r\n\r\n  \r\n" +
                                qxCrLf("=LDR  00000nam\\a2200000\\a\\4500\n=008  " +
                                       std::string("001031s\\\\\\\\\\\\\\\\\\\\\\||||||||||||||\\||eng\\|\n") +
                                       "=245  10$aCaf{copy} /$cby someone.\n") +
                                "\r\n# between\r\n";
    std::string xChanged = qxMrk(without008);
    xChanged.pop_back(); // the blank line: the text after it in the file stands for it
    const std::string xAfter = "\r\n\r\n# the end";
    const TScratchFolder folder("mrk-bytes");
    const std::string xIn = folder.qxFile("in.mrk"), xOut = folder.qxFile("out.mrk");
    qvWriteFileBytes(xIn, xBefore + qxCrLf(xChanged) + xAfter);
    std::string xErr;
    EXPECT_EQ(0, qiRun({"add-008", xIn, xOut}, &xErr)) << xErr;
    const std::string xResult = qxReadFileBytes(xOut);
    EXPECT_EQ(xBefore, xResult.substr(0, xBefore.size()));
    ASSERT_GT(xResult.size(), xBefore.size() + xAfter.size());
    EXPECT_EQ(xAfter, xResult.substr(xResult.size() - xAfter.size()));
    const std::string xRecord = xResult.substr(xBefore.size(), xResult.size() - xBefore.size() - xAfter.size());
    EXPECT_TRUE(qtAllLinesEndInCrLf(xRecord)) << xRecord;
    EXPECT_NE(std::string::npos, xRecord.find("\r\n=008  ")) << xRecord;
}

TEST(RecordFile, LongLinesAndLongFillerAreGivenBackWhole)
{
    const TScratchFolder folder("long-runs");
    const std::string xSample = qxReadSample("sample1.usmarc");
    const std::string xIso = xSample + std::string(100000, '\0') + xSample + std::string(250000, '\n');
    const std::string xRecord = qxMrk(qxRecordOfType('a', 'm', "001031s           |||||||||||||| ||eng |"));
    const std::string xMrk = xRecord + "=LDR  00000nam\\a2200000\\a\\4500\n=500  \\\\$a" +
                             std::string(TMarcMakerReader::mdwMaxLineLength_static, 'x') + "\n\n" + xRecord;
    for (const auto& rxCase : {std::make_pair(xIso, 0), std::make_pair(xMrk, 1)})
    {
        const std::string xIn = folder.qxFile("in"), xOut = folder.qxFile(rxCase.second == 0 ? "out" : "out.mrk");
        qvWriteFileBytes(xIn, rxCase.first);
        std::string xErr;
        EXPECT_EQ(rxCase.second, qiRun({"add-008", xIn, xOut}, &xErr)) << xErr;
        EXPECT_TRUE(qxReadFileBytes(xOut) == rxCase.first) << xErr;
    }
}

TEST(RecordFile, ARecordTooLongForIso2709IsRefusedInBothForms)
{
    // 99 999 bytes in ISO 2709 without its 008: with one it would not fit.
    TMarcRecord record = qxRecordOf("00000nam a2200000 a 4500", {{1, "1"}});
    for (int i = 0; i < 10; ++i)
        record.qvOrderedInsert(qxTag(500, "  \x1F"
                                          "a" +
                                              std::string(8994, 'x')));
    record.qvOrderedInsert(qxTag(500, "  \x1F"
                                      "a" +
                                          std::string(9832, 'x')));
    ASSERT_EQ(99999u, qxIso2709(record).size());
    for (EMarcFileFormat eOut : {eIso2709, eMarcMaker})
    {
        std::istringstream in(qxIso2709(record));
        std::ostringstream out, report;
        TBatchOptions options;
        options.meOutFormat = eOut;
        TBatchAdd008 batch(options, report);
        batch.qvRun(in, out);
        EXPECT_EQ(1u, batch.qrxGetCounts().mqwRejected) << eOut;
        EXPECT_EQ(0u, batch.qrxGetCounts().mqwChanged) << eOut;
    }
}

TEST(RecordFile, TheOutputIsCheckedFirstAndKeepsItsPermissions)
{
    const TScratchFolder folder("permissions");
    const std::string xIn = qxSamplePath("sample1.usmarc"), xOut = folder.qxFile("out.mrc");
    std::string xErr;
    EXPECT_EQ(2, qiRun({"add-008", folder.qxFile(""), xOut}, &xErr));
    EXPECT_NE(std::string::npos, xErr.find("it is a folder")) << xErr;
    fs::create_directory(folder.qxFile("sub"));
    EXPECT_EQ(2, qiRun({"add-008", xIn, folder.qxFile("sub")}, &xErr));
    EXPECT_NE(std::string::npos, xErr.find("is a folder, not a file")) << xErr;

    qvWriteFileBytes(xOut, "old");
    fs::permissions(xOut, fs::perms::owner_read);
    EXPECT_EQ(2, qiRun({"add-008", xIn, xOut}, &xErr));
    EXPECT_NE(std::string::npos, xErr.find("read-only")) << xErr;
    EXPECT_EQ("old", qxReadFileBytes(xOut));
    EXPECT_EQ(0, qiRun({"add-008", "--force", xIn, xOut}, &xErr)) << xErr;
    EXPECT_EQ(qxReadSample("sample1.usmarc"), qxReadFileBytes(xOut));
    EXPECT_EQ(fs::perms::none, fs::status(xOut).permissions() & fs::perms::owner_write) << "still read-only";
#ifndef _WIN32
    fs::permissions(xOut, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(0, qiRun({"add-008", xIn, xOut}, &xErr)) << xErr;
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, fs::status(xOut).permissions());

    // Stopped by a signal while writing: no temporary file is left behind.
    for (int iSignal : {SIGTERM, SIGINT, SIGHUP})
    {
        const pid_t iChild = ::fork();
        if (iChild == 0)
        {
            TOutputFile output(xOut);
            output.qrxStream() << "half";
            ::raise(iSignal);
            ::_exit(0);
        }
        int iStatus = 0;
        ::waitpid(iChild, &iStatus, 0);
        EXPECT_TRUE(WIFSIGNALED(iStatus) && WTERMSIG(iStatus) == iSignal) << iSignal;
        EXPECT_EQ(2u, folder.qnFileCount()) << iSignal;
    }
#endif
    fs::permissions(xOut, fs::perms::owner_all);
}
