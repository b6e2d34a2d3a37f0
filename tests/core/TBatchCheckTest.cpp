// orvo-batch check over files: findings a reader can act on (record number,
// 001, place, what was found and expected), the summary, the exit status, and
// the three output forms.
#include "batch/TBatchCheck.h"
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"
#include "support/TTestRecords.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
struct TCheckRun
{
    int status;
    std::string out;
    std::string err;
};

TCheckRun qxRunCheck(std::vector<std::string> xArgs)
{
    std::ostringstream out;
    std::ostringstream err;
    const int iStatus = qiRunCheckCommand(xArgs, out, err);
    return {iStatus, out.str(), err.str()};
}

// Three records: clean, one with an undefined 008/22 and 856 7 without $2,
// then bytes that are no record.
std::string qxThreeRecords()
{
    const char* pacLeader = "00000nam a2200000 a 4500";
    const std::string x008 = "860506s1985    nyua          001 0 eng d";
    std::string xBytes = qxIso2709(qxRecordOf(pacLeader, {{1, "good-1"}, {8, x008}}));
    std::string xBad008 = x008;
    xBad008[22] = '~';
    xBytes += qxIso2709(qxRecordOf(pacLeader, {{1, "bad-2"}, {8, xBad008}, {856, "70\x1fuhttp://example.org/"}}));
    return xBytes + "00042garbage that is no record\x1d";
}
}

TEST(TBatchCheckTest, FindingsNameRecordPlaceAndExpectationThenTheSummary)
{
    TScratchFolder folder("batch-check");
    qvWriteFileBytes(folder.qxFile("in.mrc"), qxThreeRecords());
    const TCheckRun run = qxRunCheck({folder.qxFile("in.mrc")});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("record 2 (001 bad-2): 008/22 error: \"~\" is no code of "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("record 2 (001 bad-2): 856 first indicator error: first indicator 7 without $2"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("record 1 "), std::string::npos) << "the clean record has no finding\n" << run.out;
    EXPECT_NE(run.out.find("records checked: 2\nrecords with errors: 2 (1 of them unreadable)\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("findings by kind: undefined-code 1, subfield-2 1, unreadable 1\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("most frequent findings:\n       1  008/22 error:"), std::string::npos) << run.out;
}

TEST(TBatchCheckTest, TsvAndJsonCarryTheSameFindings)
{
    TScratchFolder folder("batch-check-forms");
    qvWriteFileBytes(folder.qxFile("in.mrc"), qxThreeRecords());
    const TCheckRun tsv = qxRunCheck({"--format", "tsv", folder.qxFile("in.mrc")});
    EXPECT_EQ(tsv.status, 1);
    EXPECT_EQ(tsv.out.rfind("record\t001\tseverity\tkind\tplace\t", 0), 0u) << tsv.out;
    EXPECT_NE(tsv.out.find("\n2\tbad-2\terror\tundefined-code\t008/22\t008\t1\t22\t1\t~\t"), std::string::npos)
        << tsv.out;
    EXPECT_NE(tsv.err.find("records checked: 2"), std::string::npos) << "the tsv summary goes to stderr";
    EXPECT_EQ(std::count(tsv.out.begin(), tsv.out.end(), '\n'), 4) << tsv.out;

    const TCheckRun json = qxRunCheck({"--format", "json", folder.qxFile("in.mrc")});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.out.rfind("{\"findings\": [\n{\"record\": 2, \"001\": \"bad-2\"", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("\"summary\": {\"records\": 2, \"recordsWithErrors\": 2"), std::string::npos) << json.out;
    EXPECT_EQ(json.out.substr(json.out.size() - 4), "]}}\n");
}

TEST(TBatchCheckTest, ExitStatusAndTheSampleFiles)
{
    TScratchFolder folder("batch-check-status");
    const std::string x008 = "860506s1985    nyua          001 0 eng d";
    qvWriteFileBytes(folder.qxFile("clean.mrc"), qxIso2709(qxRecordOf("00000nam a2200000 a 4500", {{8, x008}})));
    EXPECT_EQ(qxRunCheck({folder.qxFile("clean.mrc")}).status, 0);
    EXPECT_EQ(qxRunCheck({folder.qxFile("missing.mrc")}).status, 2);
    EXPECT_EQ(qxRunCheck({"--format", "xml", folder.qxFile("clean.mrc")}).status, 2);
    EXPECT_EQ(qxRunCheck({}).status, 2);
    // Every sample, damaged ones included, is checked to its end: every line
    // before the summary is a finding of a numbered record.
    for (const char* pacName : {"camel.usmarc", "sample1.usmarc", "filler.usmarc", "title_proper.usmarc",
                                "baddir.usmarc", "badldr.usmarc", "badind.usmarc"})
    {
        const TCheckRun run = qxRunCheck({qxSamplePath(pacName)});
        EXPECT_NE(run.status, 2) << pacName << run.err;
        std::istringstream lines(run.out);
        std::string xLine;
        while (std::getline(lines, xLine) && xLine.rfind("records checked: ", 0) != 0)
            EXPECT_EQ(xLine.rfind("record ", 0), 0u) << pacName << ": " << xLine;
        EXPECT_EQ(xLine.rfind("records checked: ", 0), 0u) << pacName;
    }
}
