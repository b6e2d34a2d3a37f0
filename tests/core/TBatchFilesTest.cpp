// orvo-batch and its files: the input is never destroyed, the output replaced
// only by a run that completed.
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"

#include "batch/TBatchFiles.h"
#include "marcio/TOutputFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
int qiRun(std::vector<std::string> xArgs, std::string* pxErr = nullptr)
{
    std::ostringstream err;
    const int iStatus = qiRunBatchCommand(xArgs, err);
    if (pxErr != nullptr)
        *pxErr = err.str();
    return iStatus;
}
}

TEST(BatchFiles, TheInputIsRefusedAsOutputUnderAnyName)
{
    const TScratchFolder folder("batch-same");
    const std::string xInput = qxReadSample("camel.usmarc") + "JUNK";
    const std::string xPath = folder.qxFile("same.mrc");
    qvWriteFileBytes(xPath, xInput);

    std::vector<std::string> xOtherNames = {folder.qxFile("./same.mrc"), folder.qxFile("../" +
                                            std::filesystem::path(xPath).parent_path().filename().string() +
                                            "/same.mrc")};
#ifdef _WIN32
    xOtherNames.push_back(folder.qxFile("SAME.MRC"));
#else
    std::filesystem::create_symlink(xPath, folder.qxFile("link.mrc"));
    xOtherNames.push_back(folder.qxFile("link.mrc"));
#endif
    for (const std::string& rxOut : xOtherNames)
    {
        std::string xErr;
        EXPECT_EQ(2, qiRun({"add-008", "--keep-malformed", xPath, rxOut}, &xErr)) << rxOut;
        EXPECT_NE(std::string::npos, xErr.find("must not be the input")) << xErr;
        EXPECT_EQ(xInput, qxReadFileBytes(xPath)) << rxOut;
    }
    EXPECT_FALSE(qtSameFile(xPath, folder.qxFile("absent.mrc")));
}

TEST(BatchFiles, TheOutputIsReplacedOnlyByARunThatCompleted)
{
    const TScratchFolder folder("batch-output");
    const std::string xOut = folder.qxFile("out.mrc");
    qvWriteFileBytes(xOut, "old");
    {
        TOutputFile output(xOut);
        output.qrxStream() << "half written";
    }
    EXPECT_EQ("old", qxReadFileBytes(xOut)) << "a run that did not finish";
    EXPECT_EQ(1u, folder.qnFileCount()) << "and no temporary file left behind";

    {
        TOutputFile output(xOut);
        output.qrxStream() << "new";
        EXPECT_EQ("old", qxReadFileBytes(xOut)) << "until the end of the run";
        output.qvCommit();
    }
    EXPECT_EQ("new", qxReadFileBytes(xOut));
    EXPECT_EQ(1u, folder.qnFileCount());

    // A whole run: records rejected (exit 1) still complete the output.
    const std::string xIn = folder.qxFile("in.mrc");
    const std::string xSample = qxReadSample("sample1.usmarc");
    qvWriteFileBytes(xIn, xSample + "JUNK");
    EXPECT_EQ(1, qiRun({"add-008", "--keep-malformed", xIn, xOut}));
    EXPECT_EQ(xSample + "JUNK", qxReadFileBytes(xOut));
    EXPECT_EQ(2, qiRun({"add-008", folder.qxFile("absent.mrc"), xOut}));
    EXPECT_EQ(xSample + "JUNK", qxReadFileBytes(xOut));
    EXPECT_EQ(2u, folder.qnFileCount());
}

TEST(BatchFiles, TheDefaultRunLosesNoByteOfTheSampleFiles)
{
    // Every record of these has its 008, so the output is the input: broken records are
    // passed through and repaired ones written as read, each reported (exit 1), and
    // the filler between and after them (line ends) stays where it stood.
    const TScratchFolder folder("samples");
    const std::string xOut = folder.qxFile("out.mrc");
    for (const auto& rxSample : {std::make_pair("camel.usmarc", 0), std::make_pair("title_proper.usmarc", 0),
                                 std::make_pair("baddir.usmarc", 1), std::make_pair("badind.usmarc", 1),
                                 std::make_pair("sample1.usmarc", 0)})
    {
        SCOPED_TRACE(rxSample.first);
        std::string xErr;
        EXPECT_EQ(rxSample.second, qiRun({"add-008", qxSamplePath(rxSample.first), xOut}, &xErr)) << xErr;
        EXPECT_EQ(qxReadSample(rxSample.first), qxReadFileBytes(xOut));
    }
}
