// The batch command's work, the default 008 over a whole stream of records;
// then orvo-batch and its files.
#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"
#include "support/TTestRecords.h"

#include "batch/TBatchAdd008.h"
#include "batch/TBatchFiles.h"
#include "marcio/TMarcFile.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const std::string kBooks008 = "001031s           |||||||||||||| ||eng |";

// The camel records: 0, 3 and 6 lose their 008; 9 gets a type of record that
// has no default (b, obsolete).
std::vector<TMarcRecord> qxInputRecords()
{
    std::vector<TMarcRecord> xRecords = qxReadAllRecords(qxReadSample("camel.usmarc"), eIso2709);
    EXPECT_EQ(10u, xRecords.size());
    for (std::size_t n : {0u, 3u, 6u})
        for (uint32_t dw = 0; dw < xRecords[n].qdwGetFieldCount(); ++dw)
            if (xRecords[n].qrxGetField(dw).qiGetTagNumber() == 8)
                xRecords[n].qvRemoveField(dw--);
    xRecords[9].qrxGetLeader().qvSetAt(6, 'b');
    return xRecords;
}

struct TRun
{
    TBatchCounts xCounts;
    std::string xOut;
    std::string xReport;
};

TRun qxRun(const std::string& rxIn, TBatchOptions options)
{
    std::istringstream in(rxIn);
    std::ostringstream out, report;
    TBatchAdd008 batch(options, report);
    batch.qvRun(in, out);
    return {batch.qrxGetCounts(), out.str(), report.str()};
}

std::string qxCounts(const TRun& rxRun)
{
    const TBatchCounts& c = rxRun.xCounts;
    return "changed " + std::to_string(c.mqwChanged) + ", skipped " + std::to_string(c.mqwSkipped) + ", repaired " +
           std::to_string(c.mqwRepaired) + " (written so " + std::to_string(c.mqwWrittenRepaired) + "), rejected " +
           std::to_string(c.mqwRejected) + " (kept " + std::to_string(c.mqwKept) + ")";
}

TBatchOptions qxOnMalformed(EMalformedPolicy eMalformed)
{
    TBatchOptions options;
    options.meMalformed = eMalformed;
    return options;
}

int qiRun(std::vector<std::string> xArgs, std::string* pxErr = nullptr)
{
    std::ostringstream err;
    const int iStatus = qiRunBatchCommand(xArgs, err);
    if (pxErr != nullptr)
        *pxErr = err.str();
    return iStatus;
}
}

TEST(BatchAdd008, AddsWhereMissingAndLeavesTheRestByteForByteOrReplacesWhenAsked)
{
    const std::vector<TMarcRecord> xInput = qxInputRecords();
    const TRun run = qxRun(qxIso2709(xInput), TBatchOptions());
    EXPECT_EQ("changed 3, skipped 7, repaired 0 (written so 0), rejected 0 (kept 0)", qxCounts(run));
    EXPECT_EQ("", run.xReport);

    const std::vector<TMarcRecord> xOut = qxReadAllRecords(run.xOut, eIso2709);
    ASSERT_EQ(xInput.size(), xOut.size());
    for (std::size_t n = 0; n < xOut.size(); ++n)
    {
        SCOPED_TRACE(n);
        if (n == 0 || n == 3 || n == 6)
        {
            EXPECT_EQ(kBooks008, qx008(xOut[n]));
            EXPECT_EQ(xInput[n].qdwGetFieldCount() + 1, xOut[n].qdwGetFieldCount());
        }
        else
            EXPECT_EQ(qxIso2709(xInput[n]), qxIso2709(xOut[n]));
    }

    // Asked to replace, every record with a default gets it; 9 has none.
    TBatchOptions options;
    options.mtReplace = true;
    const TRun replaced = qxRun(qxIso2709(xInput), options);
    EXPECT_EQ("changed 9, skipped 1, repaired 0 (written so 0), rejected 0 (kept 0)", qxCounts(replaced));
    const std::vector<TMarcRecord> xReplaced = qxReadAllRecords(replaced.xOut, eIso2709);
    ASSERT_EQ(10u, xReplaced.size());
    EXPECT_EQ(kBooks008, qx008(xReplaced[1]));
    EXPECT_NE(kBooks008, qx008(xReplaced[9]));
}

TEST(BatchAdd008, AnUnreadableRecordInTheMiddleIsReportedAndKeptAsReadOrDropped)
{
    const std::vector<TMarcRecord> xInput = qxInputRecords();
    // A record of another ISO 2709 profile (directory entries of 11 bytes).
    const std::string xBad = qxLaidOutWithMap(xInput[2], "35");
    const std::string xIn = qxIso2709({xInput[0], xInput[1]}) + xBad + qxIso2709({xInput[2], xInput[3]});

    const TRun kept = qxRun(xIn, TBatchOptions());
    EXPECT_EQ("changed 2, skipped 2, repaired 0 (written so 0), rejected 1 (kept 1)", qxCounts(kept));
    EXPECT_EQ(0u, kept.xReport.find("record 3 passed through unchanged: ")) << kept.xReport;
    EXPECT_NE(std::string::npos, kept.xReport.find("Not a MARC 21 record")) << kept.xReport;
    // In its place, between the second record (unchanged) and the third.
    EXPECT_EQ(qxIso2709(xInput[1]).size() + qxRun(qxIso2709(xInput[0]), TBatchOptions()).xOut.size(),
              kept.xOut.find(xBad));

    const TRun dropped = qxRun(xIn, qxOnMalformed(eDropMalformed));
    EXPECT_EQ("changed 2, skipped 2, repaired 0 (written so 0), rejected 1 (kept 0)", qxCounts(dropped));
    EXPECT_EQ(0u, dropped.xReport.find("record 3 left out: ")) << dropped.xReport;
    EXPECT_EQ(4u, qxReadAllRecords(dropped.xOut, eIso2709).size());
    EXPECT_EQ(std::string::npos, dropped.xOut.find(xBad));
}

TEST(BatchAdd008, ARepairedRecordIsWrittenAsReadUnlessChangedOrAskedFor)
{
    const std::string xSample = qxReadSample("sample1.usmarc");
    const std::string xIn = xSample + qxSampleRecordBytes("badind.usmarc", 1).at(0) + xSample;
    const std::string xRepairLine =
        "record 2 repaired: field 245: indicators \"-0\" are not valid: replaced by \" 0\"\n";

    const TRun asRead = qxRun(xIn, TBatchOptions());
    EXPECT_EQ(xIn, asRead.xOut) << "badind has its 008: nothing to change";
    EXPECT_EQ(xRepairLine + "record 2 written as it was read\n", asRead.xReport);
    EXPECT_EQ("changed 0, skipped 3, repaired 1 (written so 0), rejected 0 (kept 0)", qxCounts(asRead));

    // --repair, or a new 008, writes the repaired record; nothing else changes.
    for (const bool tReplace : {false, true})
    {
        TBatchOptions options;
        options.mtRepair = !tReplace;
        options.mtReplace = tReplace;
        const TRun repaired = qxRun(xIn, options);
        EXPECT_EQ(xRepairLine + "record 2 written in its repaired form\n", repaired.xReport);
        EXPECT_EQ(tReplace ? "changed 3, skipped 0, repaired 1 (written so 1), rejected 0 (kept 0)"
                           : "changed 0, skipped 3, repaired 1 (written so 1), rejected 0 (kept 0)",
                  qxCounts(repaired));
        const std::vector<TMarcRecord> xOut = qxReadAllRecords(repaired.xOut, eIso2709);
        ASSERT_EQ(3u, xOut.size());
        TMarcTag x245;
        ASSERT_TRUE(xOut[1].qtFindTag(245, x245, 1));
        EXPECT_EQ(std::string(" 0\x1F"
                              "aAll about whales."),
                  std::string(x245.qpacGetData()));
        EXPECT_EQ(tReplace, qx008(xOut[1]) == kBooks008);
        if (!tReplace)
        {
            EXPECT_EQ(xSample, repaired.xOut.substr(0, xSample.size()));
        }
    }
}

TEST(BatchAdd008, WorksOnMarcMakerTextAndBetweenTheForms)
{
    const std::vector<TMarcRecord> xInput = qxInputRecords();
    std::string xText;
    for (std::size_t n = 0; n < 4; ++n)
        qvAppendMarcMaker(xInput[n], xText);
    const std::string xBad = "=LDR  00000nam\\a2200000\\a\\4500\n=245  1\n";
    xText += xBad + "\n";

    TBatchOptions options;
    options.meInFormat = eMarcMaker;
    options.meOutFormat = eMarcMaker;
    const TRun text = qxRun(xText, options);
    EXPECT_EQ("changed 2, skipped 2, repaired 0 (written so 0), rejected 1 (kept 1)", qxCounts(text));
    EXPECT_NE(std::string::npos, text.xOut.find("=008  001031s\\\\\\\\\\\\\\\\\\\\\\|"));
    EXPECT_EQ(text.xOut.size() - xBad.size() - 1, text.xOut.find(xBad));

    // Kept records cannot change form: in ISO 2709 out it is left out, and said so.
    options.meOutFormat = eIso2709;
    const TRun iso = qxRun(xText, options);
    EXPECT_EQ("changed 2, skipped 2, repaired 0 (written so 0), rejected 1 (kept 0)", qxCounts(iso));
    EXPECT_NE(std::string::npos, iso.xReport.find("record 5 left out (it cannot be kept in another form)"));
    const std::vector<TMarcRecord> xOut = qxReadAllRecords(iso.xOut, eIso2709);
    ASSERT_EQ(4u, xOut.size());
    EXPECT_EQ(qxIso2709(xInput[1]), qxIso2709(xOut[1]));
    EXPECT_EQ(kBooks008, qx008(xOut[3]));
}

TEST(BatchAdd008, StrayBytesAreRejectedAndKeptInTheirPlaceUnlessDropped)
{
    const std::string xSample = qxReadSample("sample1.usmarc");
    const std::string xIn = xSample + "\nJUNK" + xSample + "\r\n#";
    const TRun dropped = qxRun(xIn, qxOnMalformed(eDropMalformed));
    EXPECT_EQ(xSample + xSample, dropped.xOut);
    EXPECT_EQ("changed 0, skipped 2, repaired 0 (written so 0), rejected 2 (kept 0)", qxCounts(dropped));
    EXPECT_NE(std::string::npos, dropped.xReport.find("bytes after record 1 that are no record left out"))
        << dropped.xReport;

    const TRun kept = qxRun(xIn, TBatchOptions());
    EXPECT_EQ(xIn, kept.xOut) << "every byte in its place";
    EXPECT_EQ("changed 0, skipped 2, repaired 0 (written so 0), rejected 2 (kept 2)", qxCounts(kept));

    // Filler alone between records is no rejection, and stays where it stood.
    const std::string xFiller = xSample + "\r\n" + xSample + std::string(3, '\0') + "\n";
    const TRun filler = qxRun(xFiller, TBatchOptions());
    EXPECT_EQ("changed 0, skipped 2, repaired 0 (written so 0), rejected 0 (kept 0)", qxCounts(filler));
    EXPECT_EQ(xFiller, filler.xOut);

    const TRun empty = qxRun("", TBatchOptions());
    EXPECT_EQ("", empty.xOut);
    EXPECT_EQ("changed 0, skipped 0, repaired 0 (written so 0), rejected 0 (kept 0)", qxCounts(empty));
}

TEST(BatchAdd008, AFailingOutputIsAnError)
{
    std::istringstream in(qxReadSample("camel.usmarc"));
    std::ostringstream out, report;
    out.setstate(std::ios::badbit);
    TBatchAdd008 batch(TBatchOptions(), report);
    EXPECT_THROW(batch.qvRun(in, out), TException);
}

// orvo-batch and its files: the input is never destroyed, the output replaced
// only by a run that completed.
TEST(BatchFiles, TheInputIsRefusedAsOutputUnderAnyName)
{
    const TScratchFolder folder("batch-same");
    const std::string xInput = qxReadSample("camel.usmarc") + "JUNK";
    const std::string xPath = folder.qxFile("same.mrc");
    qvWriteFileBytes(xPath, xInput);

    std::vector<std::string> xOtherNames = {
        folder.qxFile("./same.mrc"),
        folder.qxFile("../" + std::filesystem::path(xPath).parent_path().filename().string() + "/same.mrc")};
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
    for (const auto& rxSample :
         {std::make_pair("camel.usmarc", 0), std::make_pair("title_proper.usmarc", 0),
          std::make_pair("baddir.usmarc", 1), std::make_pair("badind.usmarc", 1), std::make_pair("sample1.usmarc", 0)})
    {
        SCOPED_TRACE(rxSample.first);
        std::string xErr;
        EXPECT_EQ(rxSample.second, qiRun({"add-008", qxSamplePath(rxSample.first), xOut}, &xErr)) << xErr;
        EXPECT_EQ(qxReadSample(rxSample.first), qxReadFileBytes(xOut));
    }
}
