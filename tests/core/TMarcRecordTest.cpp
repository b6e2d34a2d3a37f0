// The record and its fields, and its two forms: ISO 2709 (writing and parsing
// one record) and MARCMaker text.
#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"
#include "support/TTestRecords.h"

#include "core/TGeneric008.h"
#include "marcio/TMarcFile.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> qxFieldList(const TMarcRecord& rxRecord)
{
    std::vector<std::string> xList;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& rxField = rxRecord.qrxGetField(dw);
        xList.push_back(std::to_string(rxField.qiGetTagNumber()) + ":" + rxField.qpacGetData());
    }
    return xList;
}

std::string qxMrk(const TMarcRecord& rxRecord)
{
    std::string xText;
    qvAppendMarcMaker(rxRecord, xText);
    return xText;
}
}

TEST(TMarcTagTest, IndicatorsOfDataAndControlFields)
{
    TMarcTag xField(856);
    EXPECT_EQ(' ', xField.qcGetIndicator(eFirstIndicator));
    xField.qvSetIndicator(eSecondIndicator, '1');
    EXPECT_EQ(std::string(" 1"), xField.qpacGetData()) << "padded with a blank first indicator";
    xField.qvSetData("4", false);
    EXPECT_EQ('4', xField.qcGetIndicator(eFirstIndicator));
    EXPECT_EQ(' ', xField.qcGetIndicator(eSecondIndicator));
    xField.qvSetData("40\x1Fuhttp://example.org", true);
    xField.qvSetIndicator(eFirstIndicator, '7');
    EXPECT_EQ(std::string("70\x1Fuhttp://example.org"), xField.qpacGetData());
    EXPECT_THROW(xField.qvSetIndicator(eFirstIndicator, '-'), TException);
    EXPECT_THROW(xField.qvSetIndicator(eFirstIndicator, 'A'), TException);
    EXPECT_EQ('7', xField.qcGetIndicator(eFirstIndicator));

    TMarcTag xControl(8);
    xControl.qvSetData("891207s19xx", true);
    EXPECT_EQ(' ', xControl.qcGetIndicator(eFirstIndicator));
    EXPECT_EQ(eErrorWarning, qxThrown([&] { xControl.qvSetIndicator(eFirstIndicator, '1'); }).miType);
    EXPECT_EQ(std::string("891207s19xx"), xControl.qpacGetData());
}

TEST(TMarcTagTest, SetDataChecksIndicatorsOnlyWhenAsked)
{
    TMarcTag xField(245);
    xField.qvSetData("10\x1F"
                     "aTitle",
                     true);
    for (const char* pacBad : {"-0\x1F"
                               "aTitle",
                               "1A\x1F"
                               "a",
                               "1", ""})
    {
        EXPECT_THROW(xField.qvSetData(pacBad, true), TException) << pacBad;
        EXPECT_EQ(std::string("10\x1F"
                              "aTitle"),
                  xField.qpacGetData());
    }
    xField.qvSetData("-0", false);
    EXPECT_EQ(std::string("-0"), xField.qpacGetData());

    TXBuffer<unsigned char> xBuffer;
    const unsigned char axWithNul[] = {'1', '0', 0x1F, 'a', 0, 'b'};
    xBuffer.qvAppend(axWithNul, sizeof axWithNul);
    EXPECT_THROW(xField.qvSetData(xBuffer, false), TException);
    EXPECT_THROW(xField.qtAppend(xBuffer, false), TException);
    EXPECT_EQ(std::string("-0"), xField.qpacGetData());

    xBuffer.qvAssignAscii("\x1F"
                          "aMore");
    EXPECT_THROW(xField.qtAppend(xBuffer, true), TException) << "result still has invalid indicators";
    xField.qvSetData("00", true);
    EXPECT_TRUE(xField.qtAppend(xBuffer, true));
    EXPECT_EQ(std::string("00\x1F"
                          "aMore"),
              xField.qpacGetData());
    EXPECT_EQ(8u, xField.qdwGetDataSize());
    EXPECT_FALSE(xField.qtAppend(TXBuffer<unsigned char>(), true));
}

TEST(TMarcRecordTest, FindAndReplaceByOccurrence)
{
    TMarcRecord xRecord;
    for (const TMarcTag& rxField : {qxTag(1, "id"),
                                    qxTag(650, " 0\x1F"
                                               "aA"),
                                    qxTag(245, "10\x1F"
                                               "aT"),
                                    qxTag(650, " 0\x1F"
                                               "aB")})
        xRecord.qvOrderedInsert(rxField);

    TMarcTag xFound(999);
    EXPECT_TRUE(xRecord.qtFindTag(650, xFound, 2));
    EXPECT_EQ(650, xFound.qiGetTagNumber());
    EXPECT_EQ(std::string(" 0\x1F"
                          "aB"),
              xFound.qpacGetData());
    for (int iOccurrence : {3, 0, -1})
    {
        TMarcTag xUntouched = qxTag(500, "  x");
        EXPECT_FALSE(xRecord.qtFindTag(650, xUntouched, iOccurrence)) << iOccurrence;
        EXPECT_EQ(std::string("  x"), xUntouched.qpacGetData());
    }
    EXPECT_FALSE(xRecord.qtFindTag(100, xFound, 1));

    EXPECT_TRUE(xRecord.qtReplaceTag(qxTag(650, " 7\x1F"
                                                "aC"),
                                     2));
    EXPECT_FALSE(xRecord.qtReplaceTag(qxTag(650, " 7\x1F"
                                                 "aD"),
                                      3));
    EXPECT_FALSE(xRecord.qtReplaceTag(qxTag(100, "1 \x1F"
                                                 "aE"),
                                      1));
    EXPECT_FALSE(xRecord.qtReplaceTag(qxTag(650, " 7\x1F"
                                                 "aF"),
                                      0));
    EXPECT_EQ((std::vector<std::string>{"1:id",
                                        "245:10\x1F"
                                        "aT",
                                        "650: 0\x1F"
                                        "aA",
                                        "650: 7\x1F"
                                        "aC"}),
              qxFieldList(xRecord));
}

TEST(TMarcRecordTest, OrderedInsertKeepsTagOrderAndPutsEqualTagsLast)
{
    TMarcRecord xRecord;
    xRecord.qvOrderedInsert(qxTag(245, "00first245"));
    xRecord.qvOrderedInsert(qxTag(8, "eight"));
    xRecord.qvOrderedInsert(qxTag(650, "00a"));
    xRecord.qvOrderedInsert(qxTag(245, "00second245"));
    xRecord.qvOrderedInsert(qxTag(1, "one"));
    xRecord.qvOrderedInsert(qxTag(999, "00last"));
    xRecord.qvOrderedInsert(qxTag(100, "00hundred"));
    EXPECT_EQ((std::vector<std::string>{"1:one", "8:eight", "100:00hundred", "245:00first245", "245:00second245",
                                        "650:00a", "999:00last"}),
              qxFieldList(xRecord));

    // Fields read in another order: the new field goes after the last one not above it.
    TMarcRecord xUnordered;
    const std::string xData = qxReadSample("sample1.usmarc");
    xUnordered.qvSetUSMarcData(qpaxBytes(xData), static_cast<uint32_t>(xData.size()));
    xUnordered.qrxGetField(0).qvSetTagNumber(900);
    xUnordered.qvOrderedInsert(qxTag(500, "  note"));
    EXPECT_EQ(500, xUnordered.qrxGetField(xUnordered.qdwGetFieldCount() - 3).qiGetTagNumber());

    EXPECT_THROW(xRecord.qvOrderedInsert(TMarcTag()), TException);
    EXPECT_THROW(xRecord.qrxGetField(7), TException);
    EXPECT_THROW(xRecord.qvRemoveField(7), TException);
    xRecord.qvRemoveField(0);
    EXPECT_EQ(8, xRecord.qrxGetField(0).qiGetTagNumber());
}

TEST(TMarcRecordTest, CopiesAreDeepAndClearResets)
{
    TMarcRecord xRecord;
    xRecord.qvSetLeader("00000cz  a2200000n  4500");
    xRecord.qrxGetLeader().qvSetMarcType(ePatron);
    xRecord.qvSetAuxData1(42);
    xRecord.qvOrderedInsert(qxTag(100, "1 \x1F"
                                       "aName"));

    TMarcRecord xCopy(xRecord);
    TMarcRecord xAssigned;
    xAssigned = xRecord;
    xRecord.qrxGetField(0).qvSetIndicator(eFirstIndicator, '3');
    xRecord.qrxGetLeader().qvSetStatus(eDeleted);
    for (const TMarcRecord* pxOther : {&xCopy, &xAssigned})
    {
        EXPECT_EQ('1', pxOther->qrxGetField(0).qcGetIndicator(eFirstIndicator));
        EXPECT_STREQ("00000cz  a2200000n  4500", pxOther->qrxGetLeader().qpacGetData());
        EXPECT_EQ(ePatron, pxOther->qrxGetLeader().qeGetType());
        EXPECT_EQ(42u, pxOther->qdwGetAuxData1());
    }

    xCopy.qvClear(true);
    EXPECT_EQ(0u, xCopy.qdwGetFieldCount());
    EXPECT_EQ(0u, xCopy.qdwGetAuxData1());
    EXPECT_STREQ("00000     2200000   4500", xCopy.qrxGetLeader().qpacGetData());
    EXPECT_EQ(ePatron, xCopy.qrxGetLeader().qeGetType());
    xAssigned.qvClear(false);
    EXPECT_FALSE(xAssigned.qrxGetLeader().qtHasMarcType());

    EXPECT_EQ(L"TMarcRecord::qvSetLeader() : Leader must have 24 characters",
              qxThrown([&] { xRecord.qvSetLeader("00000cz"); }).mxMessage);
}

TEST(TMarcRecordTest, WritesExactIso2709)
{
    TMarcRecord xRecord;
    xRecord.qvSetLeader("99999nam a  99999 i 4590");
    xRecord.qvOrderedInsert(qxTag(245, "10\x1F"
                                       "axyz"));
    xRecord.qvOrderedInsert(qxTag(1, "abc"));
    const std::string xExpected = std::string("00062nam a2200049 i 4500") + "001000400000" + "245000800004" + "\x1E" +
                                  "abc\x1E" +
                                  "10\x1F"
                                  "axyz\x1E" +
                                  "\x1D";
    EXPECT_EQ(xExpected, qxIso2709(xRecord));
    EXPECT_STREQ("99999nam a  99999 i 4590", xRecord.qrxGetLeader().qpacGetData()) << "writing changes nothing";

    TXBuffer<unsigned char> xOut;
    xOut.qvAssignAscii("head");
    xRecord.qvGetUSMarcData(xOut, true);
    EXPECT_EQ("head" + xExpected, qxBytes(xOut));
    xRecord.qvGetUSMarcData(xOut, false);
    EXPECT_EQ(xExpected, qxBytes(xOut));

    TMarcRecord xEmpty;
    EXPECT_EQ(std::string("00026     2200025   4500\x1E\x1D"), qxIso2709(xEmpty));
}

TEST(TMarcRecordTest, WriterRefusesWhatItCannotWriteSoundly)
{
    // 11 fields: 24 + 11 * 12 + 1 + field lengths + 1 = 99999 exactly at the limit.
    TMarcRecord xRecord;
    for (int i = 0; i < 10; ++i)
        xRecord.qvOrderedInsert(qxTag(500, "  " + std::string(8997, 'x')));
    xRecord.qvOrderedInsert(qxTag(520, "  " + std::string(9838, 'y')));
    const std::string xLimit = qxIso2709(xRecord);
    ASSERT_EQ(99999u, xLimit.size());
    TMarcRecord xReread;
    xReread.qvSetUSMarcData(qpaxBytes(xLimit), static_cast<uint32_t>(xLimit.size()));
    EXPECT_EQ(xLimit, qxIso2709(xReread));

    TXBuffer<unsigned char> xOut;
    xOut.qvAssignAscii("kept");
    auto qvExpectRefused = [&](const TMarcRecord& rxBad, const char* pacWhy) {
        EXPECT_THROW(rxBad.qvGetUSMarcData(xOut, false), TException) << pacWhy;
        EXPECT_THROW(rxBad.qvGetUSMarcData(xOut, true), TException) << pacWhy;
        EXPECT_EQ(std::string("kept"), qxBytes(xOut)) << pacWhy;
    };
    TMarcRecord xTooLong(xRecord);
    xTooLong.qrxGetField(10).qvSetData(("  " + std::string(9839, 'y')).c_str(), false);
    qvExpectRefused(xTooLong, "100000 bytes");

    TMarcRecord xFields;
    xFields.qvOrderedInsert(qxTag(500, "  " + std::string(9996, 'z')));
    EXPECT_EQ(24u + 12 + 1 + 9999 + 1, qxIso2709(xFields).size()) << "a field of 9999 bytes is allowed";
    xFields.qvOrderedInsert(qxTag(505, "  " + std::string(9997, 'z')));
    qvExpectRefused(xFields, "field of 10000 bytes");

    TMarcRecord xBadField;
    xBadField.qvOrderedInsert(TMarcTag(500));
    qvExpectRefused(xBadField, "data field without indicators");
    xBadField.qrxGetField(0).qvSetData("  a\x1E"
                                       "b",
                                       false);
    qvExpectRefused(xBadField, "field terminator inside a field");
    xBadField.qrxGetField(0).qvSetData("  ok", false);
    xBadField.qrxGetField(0).qvSetTagNumber(-1);
    qvExpectRefused(xBadField, "no tag number");
}

TEST(TMarcRecordTest, ParserRejectsDamagedRecordsAndKeepsTheOldOne)
{
    const std::string xGood = qxReadSample("sample1.usmarc");
    TMarcRecord xRecord;
    xRecord.qvOrderedInsert(qxTag(1, "previous"));
    const std::string xBefore = qxIso2709(xRecord);

    // (Damaged directory entries, field lengths, base addresses, indicators and
    // bytes in a field: with the lenient read's repairs.)
    const std::vector<std::pair<std::string, std::string>> axBad = {
        {"truncated by one byte", xGood.substr(0, xGood.size() - 1)},
        {"only the leader", xGood.substr(0, 24)},
        {"shorter than a leader", xGood.substr(0, 10)},
        {"length 99999 on a short buffer", qxPatched(xGood, 0, "99999")},
        {"length not digits", qxPatched(xGood, 2, "x")},
        {"base address beyond the record", qxPatched(xGood, 12, "99999")},
        {"base address inside the leader", qxPatched(xGood, 12, "00010")},
        {"entry start past the end", qxPatched(xGood, 24 + 12 * 2 + 7, "99999")},
        {"entry length 0", qxPatched(xGood, 24 + 3, "0000")},
        {"field without terminator", qxPatched(xGood, 24 + 12 * 2 + 3, "0021")},
        {"no record terminator", qxPatched(xGood, xGood.size() - 1, "\x1E")},
        {"leader 10-11 not 22", qxPatched(xGood, 10, "23")},
        {"leader 20-21 not 45", qxPatched(xGood, 20, "35")},
        {"implementation-defined entry part", qxPatched(xGood, 22, "1")},
    };
    for (const auto& rxCase : axBad)
    {
        EXPECT_THROW(xRecord.qvSetUSMarcData(qpaxBytes(rxCase.second), static_cast<uint32_t>(rxCase.second.size())),
                     TException)
            << rxCase.first;
        EXPECT_EQ(xBefore, qxIso2709(xRecord)) << rxCase.first;
    }
    EXPECT_THROW(xRecord.qvSetUSMarcData(nullptr, 10), TException);
    // A record longer than its buffer claims is not read past the size given.
    EXPECT_THROW(xRecord.qvSetUSMarcData(qpaxBytes(xGood), 100), TException);
}

// Every single-byte damage and every truncation of a real record is either read or refused
// with TException; whatever is read can be written and read again.
TEST(TMarcRecordTest, SurvivesEverySingleByteDamage)
{
    const std::string xGood = qxReadSample("sample1.usmarc");
    int iRefused = 0;
    auto qvTry = [&](const std::string& rxData) {
        TMarcRecord xRecord;
        try
        {
            xRecord.qvSetUSMarcData(qpaxBytes(rxData), static_cast<uint32_t>(rxData.size()));
        }
        catch (const TException&)
        {
            ++iRefused;
            return;
        }
        const std::string xWritten = qxIso2709(xRecord);
        TMarcRecord xAgain;
        xAgain.qvSetUSMarcData(qpaxBytes(xWritten), static_cast<uint32_t>(xWritten.size()));
        EXPECT_EQ(xWritten, qxIso2709(xAgain));
    };
    for (std::size_t n = 0; n < xGood.size(); ++n)
    {
        for (char c : {'\0', '0', '9', 'x', ' ', '\x1E', '\x1D', '\xFF'})
        {
            std::string xBad(xGood);
            xBad[n] = c;
            qvTry(xBad);
        }
        qvTry(xGood.substr(0, n));
    }
    EXPECT_GT(iRefused, 1000);
}

// MARCMaker text (.mrk): reading, writing, and the round trip with ISO 2709.
// Every good sample is read whole and written back byte for byte, and survives
// the round trip through MARCMaker text (filler.usmarc: camel's first three
// records with filler between them).
TEST(MarcMaker, EveryGoodSampleIsWrittenBackByteForByteAndSurvivesTheRoundTripThroughText)
{
    const std::pair<const char*, std::size_t> axSamples[] = {
        {"camel.usmarc", 10}, {"sample1.usmarc", 1}, {"title_proper.usmarc", 5}, {"filler.usmarc", 3}};
    for (const auto& [pacSample, nRecords] : axSamples)
    {
        SCOPED_TRACE(pacSample);
        const std::string xFile = qxReadSample(pacSample);
        const TReadLog xIso = qxReadLog(xFile, eIso2709);
        ASSERT_EQ(nRecords, xIso.mxRecords.size());
        EXPECT_TRUE(xIso.mxErrors.empty());
        if (std::string(pacSample) != "filler.usmarc")
        {
            EXPECT_EQ(xFile, qxIso2709(xIso.mxRecords));
        }
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
    const TMarcRecord record = qxRecordOf("00000nam a2200000 a 4500", {{1, "  12345 "},
                                                                       {8, "830803s1846    pau           000 0 eng d"},
                                                                       {245, "10\x1F"
                                                                             "aPrice $5 {net} C:\\x /\x1F"
                                                                             "cby \x1B(Bsomeone\x01."},
                                                                       {500, "  \x1F"
                                                                             "aCaf\xC3\xA9 au lait"}});
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
        "=LDR  00000nam\\a2200000\\a\\4500\n=2#X  10$aNo tag\n",
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
    TMarcRecord record =
        qxRecordOf("00000nam a2200000 a 4500", {{1, std::string(9998, '\x01')}, {500, "  " + xLongest}});
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

// Local tags of letters and digits (CAT, LKR, OWN, 00A ...) are read, kept in their
// place and written by both forms and both readers, and sort after the numeric ones.
TEST(TMarcTagTest, AlphanumericTagsLiveBesideNumericOnes)
{
    for (const char* pacTag : {"CAT", "LKR", "OWN", "00A", "9ZZ", "zzz", "245", "001"})
    {
        SCOPED_TRACE(pacTag);
        const int iTag = TMarcTag::qiTagNumberOf(pacTag);
        ASSERT_GE(iTag, 0);
        EXPECT_EQ(std::string(pacTag), TMarcTag::qxTagText(iTag));
        EXPECT_EQ(std::isalpha(static_cast<unsigned char>(pacTag[2])) ||
                      std::isalpha(static_cast<unsigned char>(pacTag[0])),
                  iTag > 999);
        EXPECT_EQ(pacTag[0] == '0' && pacTag[1] == '0', TMarcTag(iTag).qtIsControlField());
    }
    EXPECT_LT(TMarcTag::qiTagNumberOf("CAT"), TMarcTag::qiTagNumberOf("LKR"));
    EXPECT_LT(TMarcTag::qiTagNumberOf("LKR"), TMarcTag::qiTagNumberOf("OWN"));
    EXPECT_LT(TMarcTag::qiTagNumberOf("OWN"), TMarcTag::qiTagNumberOf("cat"));
    for (const char* pacNot : {"CA#", "ca ",
                               "\xC3\xA1"
                               "A",
                               "",
                               "2\x1E"
                               "5"})
        EXPECT_EQ(-1, TMarcTag::qiTagNumberOf(pacNot)) << pacNot;
    // The numbers of all-digit text belong to the numeric tags only.
    EXPECT_THROW(TMarcTag(TMarcTag::miFirstAlphanumericTag_static), TException);
    EXPECT_THROW(TMarcTag(TMarcTag::miLastTagNumber_static + 1), TException);
    EXPECT_EQ("", TMarcTag::qxTagText(TMarcTag::miFirstAlphanumericTag_static + (2 * 62 + 4) * 62 + 5)) << "245";

    const int iCat = TMarcTag::qiTagNumberOf("CAT"), iOwn = TMarcTag::qiTagNumberOf("OWN");
    const int iLkr = TMarcTag::qiTagNumberOf("LKR"), i00A = TMarcTag::qiTagNumberOf("00A");
    TMarcRecord xRecord = qxRecordOf("00000nam a2200000 a 4500", {{245, "10\x1f"
                                                                        "aTitle"},
                                                                  {iOwn, "  \x1f"
                                                                         "aMAIN"},
                                                                  {iCat, "  \x1f"
                                                                         "aCATALOGER\x1f"
                                                                         "c20240101"},
                                                                  {i00A, "local control"}});
    TMarcTag xLkr(iLkr);
    xLkr.qvSetData("  \x1f"
                   "aUP",
                   true);
    xRecord.qvOrderedInsert(xLkr);
    ASSERT_TRUE(qtAddGeneric008(xRecord, false));
    const std::vector<std::string> xExpected = {
        "8", "245", std::to_string(i00A), std::to_string(iCat), std::to_string(iLkr), std::to_string(iOwn)};
    std::vector<std::string> xTags;
    for (uint32_t dw = 0; dw < xRecord.qdwGetFieldCount(); ++dw)
        xTags.push_back(std::to_string(xRecord.qrxGetField(dw).qiGetTagNumber()));
    EXPECT_EQ(xExpected, xTags) << "in tag order, after the numeric tags, 008 before them";

    const std::string xIso = qxIso2709(xRecord);
    EXPECT_NE(std::string::npos, xIso.find("CAT0024")) << "the directory holds the tag as written";
    // The strict read, the lenient read of a damaged copy (written in repaired form),
    // and MARCMaker text all give back every field.
    TMarcRecord xStrict;
    xStrict.qvSetUSMarcData(qpaxBytes(xIso), static_cast<uint32_t>(xIso.size()));
    EXPECT_EQ(qxFieldList(xRecord), qxFieldList(xStrict));
    const TReadLog xLenient = qxReadLog(qxPatched(xIso, 0, "99999"), eIso2709, eReadLenient);
    ASSERT_EQ(1u, xLenient.mxRecords.size());
    ASSERT_EQ(1u, xLenient.mxRepairs[0].size()) << "only the record length";
    EXPECT_EQ(xIso, qxIso2709(xLenient.mxRecords[0]));
    const std::string xText = qxMrk(xRecord);
    EXPECT_NE(std::string::npos, xText.find("\n=CAT  \\\\$aCATALOGER$c20240101\n"));
    EXPECT_NE(std::string::npos, xText.find("\n=00A  local\\control\n=CAT  "));
    const std::vector<TMarcRecord> xBack = qxReadAllRecords(xText, eMarcMaker);
    ASSERT_EQ(1u, xBack.size());
    EXPECT_EQ(xIso, qxIso2709(xBack[0]));
    // A field tagged LDR would read back as a second Leader: not written.
    TMarcRecord xLdr = xRecord;
    xLdr.qvOrderedInsert(qxTag(TMarcTag::qiTagNumberOf("LDR"), "  \x1f"
                                                               "aX"));
    std::string xNone;
    EXPECT_THROW(qvAppendMarcMaker(xLdr, xNone), TException);
    EXPECT_EQ("", xNone);
    // A tag that is not three letters or digits is still refused.
    const TReadLog xBad = qxReadLog("=LDR  00000nam a2200000 a 4500\n=C#T  \\\\$aX\n\n", eMarcMaker);
    ASSERT_EQ(1u, xBad.mxErrors.size());
    EXPECT_NE(std::wstring::npos, xBad.mxErrors[0].find(L"the tag is not three letters or digits"));
}
