// orvo-batch convert: every record's text into UTF-8 or MARC-8, Leader/09 set; a
// record that cannot be converted is written as it was and reported.
#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"
#include "support/TScratchFolder.h"
#include "support/TTestRecords.h"

#include "batch/TBatchFiles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
struct TConverted
{
    int miStatus;
    std::string mxOut;
    std::string mxReport;
};

TConverted qxConvert(const std::string& rxTarget, const std::string& rxIn)
{
    TScratchFolder xFolder("convert");
    qvWriteFileBytes(xFolder.qxFile("in.mrc"), rxIn);
    std::ostringstream err;
    const int iStatus =
        qiRunBatchCommand({"convert", "--to", rxTarget, xFolder.qxFile("in.mrc"), xFolder.qxFile("out.mrc")}, err);
    return {iStatus, iStatus == 2 ? std::string() : qxReadFileBytes(xFolder.qxFile("out.mrc")), err.str()};
}

TMarcRecord qxRecord(char cLeader09, const std::string& x245, const std::string& x856)
{
    char acLeader[] = "00000nam a2200000 a 4500";
    acLeader[9] = cLeader09;
    return qxRecordOf(acLeader, {{1, "conv-1"},
                                 {245, "10\x1F"
                                       "a" +
                                           x245},
                                 {856, "40\x1Fz" + x856}});
}

std::string qxField(const TMarcRecord& rxRecord, uint32_t dwIndex)
{
    return qxFieldBytes(rxRecord.qrxGetField(dwIndex));
}
}

TEST(BatchConvert, ConvertsTheTextOfEveryFieldBothWaysAndSetsLeader09)
{
    const std::string xMarc8 = qxIso2709({qxRecord(' ',
                                                   "Les mis\xE2"
                                                   "erables",
                                                   "Version num\xE2"
                                                   "eris\xE2"
                                                   "ee"),
                                          qxRecord(' ',
                                                   "\x1B(Nwojna\x1B(B, H\x1B"
                                                   "b2\x1BsO",
                                                   "\xA1\xE2od\xE2z")});
    const TConverted xToUtf8 = qxConvert("utf-8", xMarc8);
    EXPECT_EQ(0, xToUtf8.miStatus) << xToUtf8.mxReport;
    const std::vector<TMarcRecord> xUtf8 = qxReadAllRecords(xToUtf8.mxOut, eIso2709);
    ASSERT_EQ(2u, xUtf8.size());
    for (const TMarcRecord& rxRecord : xUtf8)
        EXPECT_EQ('a', rxRecord.qrxGetLeader().qcGetAt(9));
    // Marks follow their letter; indicators and codes stay.
    EXPECT_EQ("40\x1Fz"
              "Version nume\xCC\x81rise\xCC\x81"
              "e",
              qxField(xUtf8[0], 2));
    EXPECT_EQ("10\x1F"
              "a\xD0\x92\xD0\x9E\xD0\x99\xD0\x9D\xD0\x90, H\xE2\x82\x82O",
              qxField(xUtf8[1], 1));

    // Back to MARC-8: the same bytes, Leader/09 blank again.
    const TConverted xBack = qxConvert("marc-8", xToUtf8.mxOut);
    EXPECT_EQ(0, xBack.miStatus) << xBack.mxReport;
    EXPECT_EQ(xMarc8, xBack.mxOut);
    // A record already in the target set is written as it was read.
    EXPECT_EQ(xToUtf8.mxOut, qxConvert("utf-8", xToUtf8.mxOut).mxOut);
}

TEST(BatchConvert, ARecordThatCannotBeConvertedIsWrittenAsItWasAndReported)
{
    // UTF-8 text MARC-8 cannot hold; MARC-8 bytes that are no character; a Leader/09
    // that names neither set. The good record between them is converted.
    const std::string xGood = qxIso2709(qxRecord('a', "Caf\xC3\xA9", "ok"));
    const std::string xEmoji = qxIso2709(qxRecord('a', "Smile", "see \xF0\x9F\x98\x80 here"));
    const std::string xOther = qxIso2709(qxRecord('z', "Caf\xE9", "ok"));
    const TConverted xToMarc8 = qxConvert("marc-8", xEmoji + xGood + xOther);
    EXPECT_EQ(1, xToMarc8.miStatus);
    const std::vector<TMarcRecord> xOut = qxReadAllRecords(xToMarc8.mxOut, eIso2709);
    ASSERT_EQ(3u, xOut.size());
    EXPECT_EQ(xEmoji + qxIso2709(xOut[1]) + xOther, xToMarc8.mxOut);
    EXPECT_EQ("10\x1F"
              "aCaf\xE2"
              "e",
              qxField(xOut[1], 1));
    EXPECT_NE(std::string::npos,
              xToMarc8.mxReport.find("record 1 written unconverted: field 856 holds the character U+1F600 "
                                     "(\xF0\x9F\x98\x80), which MARC-8 cannot hold\n"))
        << xToMarc8.mxReport;
    EXPECT_NE(std::string::npos, xToMarc8.mxReport.find("record 3 written unconverted: its Leader/09 'z'"))
        << xToMarc8.mxReport;
    EXPECT_NE(std::string::npos, xToMarc8.mxReport.find("2 written unconverted")) << xToMarc8.mxReport;

    const std::string xUnknown = qxIso2709(qxRecord(' ', "Bad \x80 byte", "ok"));
    const TConverted xToUtf8 = qxConvert("utf-8", xUnknown);
    EXPECT_EQ(1, xToUtf8.miStatus);
    EXPECT_EQ(xUnknown, xToUtf8.mxOut);
    EXPECT_NE(std::string::npos,
              xToUtf8.mxReport.find("record 1 written unconverted: field 245 holds the byte 0x80 that is no "
                                    "character in MARC-8\n"))
        << xToUtf8.mxReport;
}

TEST(BatchConvert, TheCommandNeedsATarget)
{
    for (const char* pacTarget : {"", "latin-1"})
    {
        std::ostringstream err;
        EXPECT_EQ(2, qiRunBatchCommand({"convert", "--to", pacTarget, "in.mrc", "out.mrc"}, err));
        EXPECT_NE(std::string::npos, err.str().find("convert needs --to utf-8 or --to marc-8")) << err.str();
    }
}
