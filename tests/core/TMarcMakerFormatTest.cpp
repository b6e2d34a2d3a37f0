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
struct TReadRecord
{
    std::string xIso; // the record as ISO 2709, as read
    TMarcRecord xRecord;
};

std::vector<TReadRecord> qxReadIso(const std::string& rxData)
{
    std::istringstream in(rxData);
    TIso2709Reader reader(in);
    std::vector<TReadRecord> xRecords;
    TReadRecord item;
    while (reader.qtReadNext(item.xRecord))
    {
        item.xIso = qxBytes(reader.qrxGetRawData());
        xRecords.push_back(item);
    }
    return xRecords;
}

std::string qxMrk(const TMarcRecord& rxRecord)
{
    std::string xText;
    qvAppendMarcMaker(rxRecord, xText);
    return xText;
}

TMarcRecord qxRecordOf(const char* pacLeader, std::initializer_list<std::pair<int, std::string>> xFields)
{
    TMarcRecord record;
    record.qvSetLeader(pacLeader);
    for (const auto& field : xFields)
    {
        TMarcTag tag(field.first);
        TXBuffer<unsigned char> data;
        data.qvAssign(reinterpret_cast<const unsigned char*>(field.second.data()),
                      static_cast<uint32_t>(field.second.size()));
        tag.qvSetData(data, false);
        record.qvOrderedInsert(tag);
    }
    return record;
}

// Reads every record; a rejected one is recorded as "!" and its message.
std::vector<std::string> qxReadAllMrk(const std::string& rxText, std::vector<std::string>* pxRaw = nullptr)
{
    std::istringstream in(rxText);
    TMarcMakerReader reader(in);
    std::vector<std::string> xOut;
    for (;;)
    {
        TMarcRecord record;
        try
        {
            if (!reader.qtReadNext(record))
                break;
            xOut.push_back(qxMrk(record));
        }
        catch (const TException& e)
        {
            std::wstring xMessage = e.qpwcGetMessage();
            xOut.push_back("!" + std::string(xMessage.begin(), xMessage.end()));
            EXPECT_EQ(eErrorRecoverable, e.qeGetErrorType());
        }
        if (pxRaw != nullptr)
            pxRaw->push_back(qxBytes(reader.qrxGetRawData()));
    }
    return xOut;
}
}

TEST(MarcMaker, EveryGoodSampleSurvivesTheRoundTripThroughText)
{
    for (const char* pacSample : {"camel.usmarc", "sample1.usmarc", "filler.usmarc", "title_proper.usmarc"})
    {
        SCOPED_TRACE(pacSample);
        const std::vector<TReadRecord> xRecords = qxReadIso(qxReadSample(pacSample));
        ASSERT_FALSE(xRecords.empty());
        std::string xText;
        for (const TReadRecord& item : xRecords)
            qvAppendMarcMaker(item.xRecord, xText);

        std::istringstream in(xText);
        TMarcMakerReader reader(in);
        TMarcRecord record;
        std::string xTextAgain;
        for (const TReadRecord& item : xRecords)
        {
            ASSERT_TRUE(reader.qtReadNext(record));
            EXPECT_EQ(item.xIso, qxIso2709(record));
            qvAppendMarcMaker(record, xTextAgain);
        }
        EXPECT_FALSE(reader.qtReadNext(record));
        EXPECT_EQ(xRecords.size(), reader.qdwGetRecordNumber());
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
    const std::vector<std::string> xBack = qxReadAllMrk(xExpected);
    ASSERT_EQ(1u, xBack.size());
    EXPECT_EQ(xExpected, xBack[0]);
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
    std::istringstream in(xText);
    TMarcMakerReader reader(in);
    TMarcRecord record;
    ASSERT_TRUE(reader.qtReadNext(record));
    ASSERT_EQ(2u, record.qdwGetFieldCount());
    EXPECT_EQ(245, record.qrxGetField(0).qiGetTagNumber());
    EXPECT_STREQ("00\x1F" "aSets {x} and \\ rest", record.qrxGetField(0).qpacGetData());
    EXPECT_EQ(100, record.qrxGetField(1).qiGetTagNumber());
    EXPECT_EQ('1', record.qrxGetField(1).qcGetIndicator(eFirstIndicator));
    EXPECT_EQ(' ', record.qrxGetField(1).qcGetIndicator(eSecondIndicator));
    ASSERT_TRUE(reader.qtReadNext(record));
    EXPECT_STREQ("00000cam a2200000 a 4500", record.qrxGetLeader().qpacGetData());
    EXPECT_STREQ("42", record.qrxGetField(0).qpacGetData());
    EXPECT_FALSE(reader.qtReadNext(record));
    EXPECT_EQ(2u, reader.qdwGetRecordNumber());
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
        std::vector<std::string> xRaw;
        const std::vector<std::string> xOut = qxReadAllMrk(xGood1 + "\n" + xBadRecord + "\n" + xGood2, &xRaw);
        ASSERT_EQ(3u, xOut.size());
        EXPECT_EQ(xGood1 + "\n", xOut[0]);
        EXPECT_EQ(0u, xOut[1].find("!TMarcMakerReader::qtReadNext() : Record 2 (line 4), line ")) << xOut[1];
        EXPECT_EQ(xBadRecord, xRaw[1]);
        EXPECT_EQ(xGood2 + "\n", xOut[2]);
    }
}

TEST(MarcMaker, HostileLengthsAreRejectedWithoutKeepingThem)
{
    const std::string xLong(TMarcMakerReader::mdwMaxLineLength_static + 10, 'x');
    std::vector<std::string> xRaw;
    const std::vector<std::string> xOut =
        qxReadAllMrk("=LDR  00000nam\\a2200000\\a\\4500\n=500  \\\\$a" + xLong + "\n\n=LDR  " + xLong, &xRaw);
    ASSERT_EQ(2u, xOut.size());
    EXPECT_NE(std::string::npos, xOut[0].find("longer than")) << xOut[0];
    EXPECT_TRUE(xRaw[0].empty());
    EXPECT_EQ('!', xOut[1][0]);
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
