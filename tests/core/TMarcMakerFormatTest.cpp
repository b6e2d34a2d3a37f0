// MARCMaker text (.mrk): reading, writing, and the round trip with ISO 2709.
#include "support/TSampleData.h"
#include "support/TReadAllRecords.h"
#include "support/TTestRecords.h"
#include "marcio/TMarcFile.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string qxMrk(const TMarcRecord& rxRecord)
{
    std::string xText;
    qvAppendMarcMaker(rxRecord, xText);
    return xText;
}
}

TEST(MarcMaker, EveryGoodSampleSurvivesTheRoundTripThroughText)
{
    for (const char* pacSample : {"camel.usmarc", "sample1.usmarc", "filler.usmarc", "title_proper.usmarc"})
    {
        SCOPED_TRACE(pacSample);
        const TReadLog xIso = qxReadLog(qxReadSample(pacSample), eIso2709);
        ASSERT_FALSE(xIso.mxRecords.empty());
        std::string xText;
        for (const TMarcRecord& rxRecord : xIso.mxRecords)
            qvAppendMarcMaker(rxRecord, xText);

        const TReadLog xBack = qxReadLog(xText, eMarcMaker);
        ASSERT_EQ(xIso.mxOutcomes, xBack.mxOutcomes);
        std::string xTextAgain;
        for (std::size_t n = 0; n < xBack.mxRecords.size(); ++n)
        {
            EXPECT_EQ(xIso.mxRawData[n], qxIso2709(xBack.mxRecords[n]));
            qvAppendMarcMaker(xBack.mxRecords[n], xTextAgain);
        }
        EXPECT_EQ(xText, xTextAgain);
    }
}

TEST(MarcMaker, BlanksDelimitersAndSpecialCharactersAreWrittenAsCataloguersKnowThem)
{
    const TMarcRecord record = qxRecordOf(
        "00000nam a2200000 a 4500",
        {{1, "  12345 "},
         {8, "830803s1846    pau           000 0 eng d"},
         {245, "10\x1F" "aPrice $5 {net} C:\\x /\x1F" "cby \x1B(Bsomeone\x01."},
         {500, "  \x1F" "aCaf\xC3\xA9 au lait"}});
    const std::string xExpected = "=LDR  00000nam\\a2200000\\a\\4500\n"
                                  "=001  \\\\12345\\\n"
                                  "=008  830803s1846\\\\\\\\pau\\\\\\\\\\\\\\\\\\\\\\000\\0\\eng\\d\n"
                                  "=245  10$aPrice {dollar}5 {lcub}net{rcub} C:{bsol}x /$cby {esc}(Bsomeone{x01}.\n"
                                  "=500  \\\\$aCaf\xC3\xA9 au lait\n"
                                  "\n";
    EXPECT_EQ(xExpected, qxMrk(record));
    const std::vector<TMarcRecord> xBack = qxReadAllRecords(xExpected, eMarcMaker);
    ASSERT_EQ(1u, xBack.size());
    EXPECT_EQ(xExpected, qxMrk(xBack[0]));
}

TEST(MarcMaker, ReaderTakesTheFormsOtherToolsWrite)
{
    // CR LF line ends, comments, blank lines before the first record, records
    // separated by their =LDR alone, a brace that starts no mnemonic, a "\" inside
    // subfield data, and tags out of order (kept as they are).
    const std::string xText = "\r\n# exported by hand\r\n"
                              "=LDR  00000nam\\a2200000\\a\\4500\r\n"
                              "=245  00$aSets {x} and \\ rest\r\n"
                              "# a comment inside the record\r\n"
                              "=100  1\\$aAuthor\r\n"
                              "=LDR  00000cam\\a2200000\\a\\4500\n"
                              "=001  42\n";
    const std::vector<TMarcRecord> xRecords = qxReadAllRecords(xText, eMarcMaker);
    ASSERT_EQ(2u, xRecords.size());
    EXPECT_EQ("=LDR  00000nam\\a2200000\\a\\4500\n=245  00$aSets {lcub}x{rcub} and {bsol} rest\n=100  1\\$aAuthor\n\n",
              qxMrk(xRecords[0]));
    EXPECT_EQ("=LDR  00000cam\\a2200000\\a\\4500\n=001  42\n\n", qxMrk(xRecords[1]));
}

TEST(MarcMaker, AMalformedRecordIsReportedWithItsTextAndReadingGoesOn)
{
    const std::string xGood1 = "=LDR  00000nam\\a2200000\\a\\4500\n=001  1\n";
    const std::vector<std::string> xBad = {
        "=LDR  00000nam\\a2200000\\a\\4500\n=24X  10$aNo tag\n",
        "=LDR  00000nam\\a2200000\\a\\4500\n=245  1\n",
        "=LDR  00000nam\\a2200000\\a\\4500\n=245  1-$aBad indicator\n",
        "=LDR  00000nam\\a22\n",
        "=LDR  00000nam\\a2200000\\a\\4500\n=500  \\\\$aA {x1E} terminator\n",
        "=LDR  00000nam\\a2200000\\a\\4500\n245  10$aNo equals sign\n",
        "=001  before any leader\n",
    };
    const std::string xGood2 = "=LDR  00000cam\\a2200000\\a\\4500\n=001  2\n";
    for (const std::string& xBadRecord : xBad)
    {
        SCOPED_TRACE(xBadRecord);
        const TReadLog xLog = qxReadLog(xGood1 + "\n" + xBadRecord + "\n" + xGood2, eMarcMaker);
        ASSERT_EQ((std::vector<std::string>{"ok 1", "error", "ok 1"}), xLog.mxOutcomes);
        EXPECT_EQ(xGood1 + "\n", qxMrk(xLog.mxRecords[0]));
        EXPECT_EQ(0u, xLog.mxErrors[0].find(L"TMarcMakerReader::qtReadNext() : Record 2 (line 4), line "));
        EXPECT_EQ(xBadRecord, xLog.mxRawData[1]);
        EXPECT_EQ(xGood2 + "\n", qxMrk(xLog.mxRecords[1]));
    }
}

TEST(MarcMaker, HostileLengthsAreRejectedWithoutKeepingThem)
{
    const std::string xLong(TMarcMakerReader::mdwMaxLineLength_static + 10, 'x');
    const TReadLog xLog =
        qxReadLog("=LDR  00000nam\\a2200000\\a\\4500\n=500  \\\\$a" + xLong + "\n\n=LDR  " + xLong, eMarcMaker);
    ASSERT_EQ((std::vector<std::string>{"error", "error"}), xLog.mxOutcomes);
    EXPECT_NE(std::wstring::npos, xLog.mxErrors[0].find(L"longer than"));
    EXPECT_TRUE(xLog.mxRawData[0].empty());
}

TEST(MarcMaker, EveryFieldThatFitsInIso2709IsReadBackAndNoLongerOneIsWritten)
{
    // The longest fields a record can hold, of the bytes with the longest mnemonics.
    const std::string xLongest(TMarcRecord::mdwMaxFieldLength_static - 1 - 2, '$');
    TMarcRecord record = qxRecordOf("00000nam a2200000 a 4500", {{1, std::string(9998, '\x01')}, {500, "  " + xLongest}});
    ASSERT_NO_THROW(qxIso2709(record)) << "the record fits in ISO 2709";
    const std::vector<TMarcRecord> xBack = qxReadAllRecords(qxMrk(record), eMarcMaker);
    ASSERT_EQ(1u, xBack.size());
    EXPECT_EQ(qxIso2709(record), qxIso2709(xBack[0]));

    TMarcRecord tooLong = qxRecordOf("00000nam a2200000 a 4500", {{245, "10" + std::string(20000, '\x01')}});
    std::string xText = "kept";
    EXPECT_THROW(qvAppendMarcMaker(tooLong, xText), TException);
    EXPECT_EQ("kept", xText);
}

TEST(MarcFile, FormatIsToldByNameAndByContent)
{
    EXPECT_EQ(eMarcMaker, qeFormatOfPath(std::string("C:/data/export.MRK")));
    EXPECT_EQ(eMarcMaker, qeFormatOfPath(std::wstring(L"records.mrk")));
    EXPECT_EQ(eIso2709, qeFormatOfPath(std::string("records.mrc")));
    EXPECT_EQ(eIso2709, qeFormatOfPath(std::string("mrk")));

    std::istringstream text("\n  \n=LDR  00000nam\\a2200000\\a\\4500\n");
    EXPECT_EQ(eMarcMaker, qeSniffFormat(text));
    TMarcRecord record;
    EXPECT_TRUE(qpxMakeRecordReader(text, eMarcMaker)->qtReadNext(record));

    std::istringstream iso(qxReadSample("sample1.usmarc"));
    EXPECT_EQ(eIso2709, qeSniffFormat(iso));
    EXPECT_TRUE(qpxMakeRecordReader(iso, eIso2709)->qtReadNext(record));
    EXPECT_EQ(qxReadSample("sample1.usmarc").substr(0, 24), std::string(record.qrxGetLeader().qpacGetData()));
}
