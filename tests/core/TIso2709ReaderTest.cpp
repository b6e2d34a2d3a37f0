// Reading ISO 2709: strictly, where a damaged record is refused and the reading
// goes on, and leniently, where it is repaired and each repair reported.
#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"
#include "support/TTestRecords.h"

#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace
{
bool qtMentions(const std::wstring& rxMessage, const wchar_t* pwcText)
{
    return rxMessage.find(pwcText) != std::wstring::npos;
}

// "\xNN" back to its byte, as the file of yaz's reading writes bytes.
std::string qxUnescape(const std::string& rxText)
{
    std::string xOut;
    for (std::size_t n = 0; n < rxText.size(); ++n)
    {
        if (rxText[n] == '\\' && n + 3 < rxText.size() && rxText[n + 1] == 'x')
        {
            xOut += static_cast<char>(std::stoi(rxText.substr(n + 2, 2), nullptr, 16));
            n += 3;
        }
        else
            xOut += rxText[n];
    }
    return xOut;
}

bool qtHasRepair(const std::vector<TRepair>& rxRepairs, ERepairKind eKind, int iTag)
{
    for (const TRepair& rxRepair : rxRepairs)
        if (rxRepair.meKind == eKind && rxRepair.miTag == iTag)
            return true;
    return false;
}

std::vector<ERepairKind> qxKinds(const std::vector<TRepair>& rxRepairs)
{
    std::vector<ERepairKind> xKinds;
    for (const TRepair& rxRepair : rxRepairs)
        xKinds.push_back(rxRepair.meKind);
    return xKinds;
}
}

// The good samples, read whole and written back byte for byte: with the
// round trip through MARCMaker text.
TEST(TIso2709ReaderTest, StepsOverFillerBetweenRecords)
{
    const std::string xFile = qxReadSample("filler.usmarc");
    const TReadLog xLog = qxReadLog(xFile, eIso2709);
    EXPECT_EQ((std::vector<std::string>{"ok 18", "ok 18", "ok 15"}), xLog.mxOutcomes);
    // The records are camel's first three, without the filler.
    const std::string xCamel = qxReadSample("camel.usmarc");
    EXPECT_EQ(xCamel.substr(0, 755 + 647 + 605), qxIso2709(xLog.mxRecords));

    EXPECT_TRUE(qxReadLog("", eIso2709).mxOutcomes.empty());
    EXPECT_TRUE(qxReadLog(std::string("\n \0\r\n\x1A", 6), eIso2709).mxOutcomes.empty());
}

TEST(TIso2709ReaderTest, BadSamplesAreRejectedWithTheRecordNumber)
{
    const TReadLog xDir = qxReadLog(qxReadSample("baddir.usmarc"), eIso2709);
    ASSERT_EQ((std::vector<std::string>{"error"}), xDir.mxOutcomes);
    EXPECT_TRUE(qtMentions(xDir.mxErrors[0], L"Record 1 (offset 0)")) << xDir.mxErrors[0].size();
    EXPECT_TRUE(qtMentions(xDir.mxErrors[0], L"Directory")) << xDir.mxErrors[0].size();

    const TReadLog xInd = qxReadLog(qxReadSample("badind.usmarc"), eIso2709);
    ASSERT_EQ((std::vector<std::string>{"error"}), xInd.mxOutcomes);
    EXPECT_TRUE(qtMentions(xInd.mxErrors[0], L"Field 245 (number 3) has invalid indicators"));

    // badldr: a stray record terminator before the third record and a stray "7" at the
    // end; each is reported, and every record is still read.
    const TReadLog xLdr = qxReadLog(qxReadSample("badldr.usmarc"), eIso2709);
    EXPECT_EQ((std::vector<std::string>{"ok 5", "ok 5", "error", "ok 7", "ok 5", "ok 5", "ok 11", "error"}),
              xLdr.mxOutcomes);
    ASSERT_EQ(2u, xLdr.mxErrors.size());
    EXPECT_TRUE(qtMentions(xLdr.mxErrors[0], L"1 stray byte(s) from offset 472 before record 3 (offset 473)"));
    EXPECT_TRUE(qtMentions(xLdr.mxErrors[1], L"after record 6"));
}

TEST(TIso2709ReaderTest, RecoversAfterBrokenRecords)
{
    const std::string xCamel = qxReadSample("camel.usmarc");
    const std::string xFirst = xCamel.substr(0, 755);
    const std::string xSecond = xCamel.substr(755, 647);
    const std::string xThird = xCamel.substr(1402, 605);
    const std::string xBadInd = qxReadSample("badind.usmarc");

    // A record whose content is broken, between good ones.
    TReadLog xLog = qxReadLog(xFirst + xBadInd + xSecond, eIso2709);
    EXPECT_EQ((std::vector<std::string>{"ok 18", "error", "ok 18"}), xLog.mxOutcomes);
    EXPECT_TRUE(qtMentions(xLog.mxErrors[0], L"Record 2 (offset 755)"));

    // Lengths that run past the record's end, or stop short of it.
    for (const char* pacLength : {"00800", "00700", "99999", "00026"})
    {
        SCOPED_TRACE(pacLength);
        xLog = qxReadLog(qxPatched(xFirst, 0, pacLength) + xSecond + xThird, eIso2709);
        EXPECT_EQ((std::vector<std::string>{"error", "ok 18", "ok 15"}), xLog.mxOutcomes);
        EXPECT_EQ(xSecond + xThird, qxIso2709(xLog.mxRecords));
    }

    // A record cut off in the middle, followed by a whole one.
    xLog = qxReadLog(xFirst.substr(0, 400) + xSecond, eIso2709);
    EXPECT_EQ((std::vector<std::string>{"error", "ok 18"}), xLog.mxOutcomes);
    EXPECT_EQ(xSecond, qxIso2709(xLog.mxRecords));

    // A record cut off at the end of the data.
    xLog = qxReadLog(xFirst + xSecond.substr(0, 300), eIso2709);
    EXPECT_EQ((std::vector<std::string>{"ok 18", "error"}), xLog.mxOutcomes);
    EXPECT_TRUE(qtMentions(xLog.mxErrors[0], L"Record 2 (offset 755): Record length 647 in the leader, but the data "
                                             L"ends after 300 bytes"));

    // Directory entries with non-digits.
    xLog = qxReadLog(qxPatched(xFirst, 24 + 12 * 3 + 5, "?") + xSecond, eIso2709);
    EXPECT_EQ((std::vector<std::string>{"error", "ok 18"}), xLog.mxOutcomes);
    EXPECT_TRUE(
        qtMentions(xLog.mxErrors[0], L"Directory entry 4 is not a tag of three letters or digits, then 9 digits"));
}

TEST(TIso2709ReaderTest, RawDataOfBrokenRecordIsPassedThrough)
{
    const std::string xCamel = qxReadSample("camel.usmarc");
    const std::string xBadInd = qxReadSample("badind.usmarc");
    const std::string xBroken = xBadInd.substr(0, 240);
    std::istringstream xStream(xBroken + "\n" + xCamel.substr(0, 755));
    TIso2709Reader xReader(xStream);
    TMarcRecord xRecord;
    xRecord.qvOrderedInsert(TMarcTag(1));
    EXPECT_THROW(xReader.qtReadNext(xRecord), TException);
    EXPECT_EQ(1u, xReader.qdwGetRecordNumber());
    EXPECT_EQ(xBroken, qxBytes(xReader.qrxGetRawData()));
    EXPECT_EQ(1u, xRecord.qdwGetFieldCount()) << "the caller's record is unchanged";
    EXPECT_TRUE(xReader.qtReadNext(xRecord));
    EXPECT_EQ(2u, xReader.qdwGetRecordNumber());
    EXPECT_EQ(xCamel.substr(0, 755), qxBytes(xReader.qrxGetRawData()));
    EXPECT_FALSE(xReader.qtReadNext(xRecord));
    EXPECT_EQ(0u, xReader.qrxGetRawData().qdwGetDataSize());
}

TEST(TIso2709ReaderTest, BrokenRecordsComeBackWholeAndInLinearTime)
{
    // A length that ends on no record terminator, again and again: each "record" is
    // searched for its end, and no byte may be searched again for the next one (1 MiB
    // takes minutes otherwise under the sanitizers; the test's time limit catches it).
    // Leniently, each is read: a directory ended by a field terminator, one stray byte.
    for (const EReadMode eMode : {eReadStrict, eReadLenient})
    {
        const std::string xUnit = "00026" + std::string(19, 'x') + (eMode == eReadLenient ? "\x1Ex" : "xx");
        std::string xHostile;
        while (xHostile.size() < (1u << 20))
            xHostile += xUnit;
        std::istringstream xStream(xHostile);
        TIso2709Reader xReader(xStream, eMode);
        TMarcRecord xRecord;
        std::size_t nRead = 0, nBroken = 0;
        std::string xRaw;
        for (;;)
        {
            try
            {
                if (!xReader.qtReadNext(xRecord))
                    break;
                ++nRead;
            }
            catch (const TException&)
            {
                ++nBroken;
            }
            xRaw += qxBytes(xReader.qrxGetRawData());
        }
        EXPECT_EQ(xHostile.size() / xUnit.size(), eMode == eReadLenient ? nRead : nBroken);
        EXPECT_EQ(xHostile, xRaw);
    }
}

// The lenient read.

// Every field yaz-marcdump reads from the sample files, the lenient read reads with the
// same tag and data; only indicators it reports repairing may differ.
TEST(TMarcRecordRepairTest, ReadsEverySampleFieldAsYazDoes)
{
    std::map<std::string, std::vector<std::pair<int, std::string>>> xExpected; // "file n" -> fields
    std::ifstream xList(std::string(ORVO_TEST_DATA_DIR) + "/sample-fields-by-yaz.txt", std::ios::binary);
    ASSERT_TRUE(xList.good());
    std::vector<std::string> xFiles;
    for (std::string xLine; std::getline(xList, xLine);)
    {
        if (xLine.empty() || xLine[0] == '#')
            continue;
        const std::size_t nTab = xLine.find('\t');
        const std::string xKey = xLine.substr(0, nTab - 4);
        const std::string xFile = xKey.substr(0, xKey.find(' '));
        if (xFiles.empty() || xFiles.back() != xFile)
            xFiles.push_back(xFile);
        xExpected[xKey].emplace_back(std::stoi(xLine.substr(nTab - 3, 3)), qxUnescape(xLine.substr(nTab + 1)));
    }
    ASSERT_EQ(7u, xFiles.size());

    std::size_t nRecords = 0;
    for (const std::string& rxFile : xFiles)
    {
        const TReadLog xRead = qxReadLog(qxReadSample(rxFile), eIso2709, eReadLenient);
        for (std::size_t n = 0; n < xRead.mxRecords.size(); ++n)
        {
            const std::string xKey = rxFile + " " + std::to_string(n + 1);
            SCOPED_TRACE(xKey);
            const TMarcRecord& rxRecord = xRead.mxRecords[n];
            const auto& rxFields = xExpected[xKey];
            ASSERT_EQ(rxFields.size(), rxRecord.qdwGetFieldCount());
            for (uint32_t dw = 0; dw < rxFields.size(); ++dw)
            {
                const TMarcTag& rxField = rxRecord.qrxGetField(dw);
                EXPECT_EQ(rxFields[dw].first, rxField.qiGetTagNumber());
                const bool tIndicatorsRepaired = qtHasRepair(xRead.mxRepairs[n], eRepairIndicators, rxFields[dw].first);
                const std::size_t nFrom = tIndicatorsRepaired ? 2 : 0;
                EXPECT_EQ(rxFields[dw].second.substr(nFrom), qxFieldBytes(rxField).substr(nFrom));
            }
            ++nRecords;
        }
        EXPECT_EQ(xExpected.count(rxFile + " " + std::to_string(xRead.mxRecords.size() + 1)), 0u) << rxFile;
    }
    EXPECT_EQ(27u, nRecords);
}

TEST(TMarcRecordRepairTest, BrokenSamplesAreRepairedAndSaySo)
{
    // baddir: the directory ends with a subfield delimiter (0x1F at 144) instead of a field
    // terminator; 001 follows it at the base address 145.
    const std::string xBadDir = qxReadSample("baddir.usmarc");
    TReadLog xRead = qxReadLog(xBadDir, eIso2709, eReadLenient);
    ASSERT_EQ(1u, xRead.mxRecords.size());
    ASSERT_EQ(1u, xRead.mxRepairs[0].size());
    EXPECT_EQ(L"the directory ends with 0x1F at 144, not a field terminator: taken as its end",
              xRead.mxRepairs[0][0].mxText);
    EXPECT_EQ(qxPatched(xBadDir.substr(0, 382), 144, "\x1E"), qxIso2709(xRead.mxRecords[0]))
        << "only the directory's end changes";

    // badind: 245 has "-0".
    xRead = qxReadLog(qxReadSample("badind.usmarc"), eIso2709, eReadLenient);
    ASSERT_EQ(1u, xRead.mxRepairs.size());
    ASSERT_EQ(1u, xRead.mxRepairs[0].size());
    EXPECT_EQ(L"field 245: indicators \"-0\" are not valid: replaced by \" 0\"", xRead.mxRepairs[0][0].mxText);
    EXPECT_EQ(160u, xRead.mxRepairs[0][0].mdwPosition); // base address 109 + start 51

    // The good files need nothing, and badldr's stray bytes stay stray bytes.
    for (const char* pacFile :
         {"camel.usmarc", "sample1.usmarc", "filler.usmarc", "title_proper.usmarc", "badldr.usmarc"})
    {
        SCOPED_TRACE(pacFile);
        xRead = qxReadLog(qxReadSample(pacFile), eIso2709, eReadLenient);
        for (const auto& rxRepairs : xRead.mxRepairs)
            EXPECT_EQ(std::vector<ERepairKind>{}, qxKinds(rxRepairs));
    }
    EXPECT_EQ(2u, xRead.mxErrors.size());
}

// camel's first record (755 bytes, 18 fields, base address 241) damaged in one known
// way: the lenient read repairs it and says how, the strict read still refuses it.
TEST(TMarcRecordRepairTest, EachDamageHasItsRepair)
{
    const std::string xCamel = qxReadSample("camel.usmarc");
    const std::string xFirst = xCamel.substr(0, 755);
    const std::string xSecond = xCamel.substr(755, 647);
    TMarcRecord xOriginal;
    xOriginal.qvSetUSMarcData(qpaxBytes(xFirst), 755);
    auto qxEntry = [](uint32_t dwEntry) { return 24 + 12 * (dwEntry - 1); };
    ASSERT_EQ(std::string("245"), xFirst.substr(qxEntry(12), 3));
    const uint32_t dw245 = 241 + 237; // its data, from its directory entry

    const struct
    {
        const char* pacDamage;
        uint32_t dwAt;
        std::string xPatch;
        std::vector<ERepairKind> xKinds;
        const wchar_t* pwcText; // the first repair's text
        uint32_t dwFieldsLost;
        const wchar_t* pwcLast = nullptr; // the last repair's text, where there is a second
    } axCases[] = {
        {"entry 12's start not digits",
         qxEntry(12) + 9,
         "x",
         {eRepairEntryRecovered},
         L"directory entry 12 is not a tag of three letters or digits, then 9 digits: entry skipped, its field "
         L"recovered from the data at 478",
         0},
        {"entry 12's length too long",
         qxEntry(12) + 4,
         "9",
         {eRepairFieldEnd},
         L"field 245 (directory entry 12): length 954 does not end on a field terminator: the terminator found at 531 used",
         0},
        {"entry 12's tag not letters or digits",
         qxEntry(12),
         "#",
         {eRepairEntryDropped, eRepairUnplacedBytes},
         L"directory entry 12 is not a tag of three letters or digits, then 9 digits: entry skipped, no field of its "
         L"own found in the data",
         1,
         L"54 bytes at 478 belong to no field: left out (\"10\" 0x1F \"aActivePerl w\" ...)"},
        {"record length too long",
         0,
         "00914",
         {eRepairRecordEnd},
         L"record length 914 does not end on the record terminator: the terminator found at 754 used",
         0},
        {"UTF-8 letter as indicators",
         dw245,
         "\xC3\xA1",
         {eRepairIndicators},
         L"field 245: indicators 0xC3 0xA1 are not valid: replaced by blanks",
         0},
        {"NUL in a field",
         dw245 + 5,
         std::string(1, '\0'),
         {eRepairForbiddenByte},
         L"field 245 holds 1 byte(s) that no field may hold (0x00), the first at 483: replaced by blanks",
         0},
        {"base address wrong",
         12,
         "00300",
         {eRepairBaseAddress},
         L"base address 300 does not follow the directory: the directory's end found at 240 used",
         0},
        {"leader 10-11 not digits",
         10,
         "  ",
         {eRepairLeaderLayout},
         L"leader 10-11 holds \"  \", not digits: \"22\" used",
         0},
        // One digit changed where the profile is told: the directory says MARC 21.
        {"leader 20-23 4590",
         22,
         "9",
         {eRepairLeaderProfile},
         L"leader 20-22 holds \"459\", but the directory is MARC 21's: \"450\" used",
         0},
        {"leader 10-11 32",
         10,
         "3",
         {eRepairLeaderProfile},
         L"leader 10-11 holds \"32\", but the directory is MARC 21's: \"22\" used",
         0},
        {"leader 20-21 55",
         20,
         "5",
         {eRepairLeaderProfile},
         L"leader 20-21 holds \"55\", but the directory is MARC 21's: \"45\" used",
         0},
        // A field terminator damaged: the length is trusted, the next field stays its own.
        {"245's terminator damaged",
         dw245 + 53,
         "x",
         {eRepairFieldTerminator},
         L"field 245 (directory entry 12): its length ends on \"x\" at 531, not a field terminator: taken as its end",
         0},
        {"last field's terminator damaged",
         753,
         "x",
         {eRepairFieldTerminator},
         L"field 630 (directory entry 18): its length ends on \"x\" at 753, not a field terminator: taken as its end",
         0},
    };
    for (const auto& rxCase : axCases)
    {
        SCOPED_TRACE(rxCase.pacDamage);
        const std::string xDamaged = qxPatched(xFirst, rxCase.dwAt, rxCase.xPatch);
        const TReadLog xRead = qxReadLog(xDamaged + xSecond, eIso2709, eReadLenient);
        ASSERT_EQ(2u, xRead.mxRecords.size()) << "the record and the next one";
        const std::vector<TRepair>& rxRepairs = xRead.mxRepairs[0];
        ASSERT_EQ(rxCase.xKinds, qxKinds(rxRepairs));
        EXPECT_EQ(std::wstring(rxCase.pwcText), rxRepairs[0].mxText);
        if (rxCase.pwcLast != nullptr)
        {
            EXPECT_EQ(std::wstring(rxCase.pwcLast), rxRepairs.back().mxText);
        }
        EXPECT_TRUE(xRead.mxRepairs[1].empty());

        // Every field but a lost one has its data; a repaired byte is a blank.
        const TMarcRecord& rxRecord = xRead.mxRecords[0];
        ASSERT_EQ(18u - rxCase.dwFieldsLost, rxRecord.qdwGetFieldCount());
        for (uint32_t dw = 0, dwOriginal = 0; dw < rxRecord.qdwGetFieldCount(); ++dw, ++dwOriginal)
        {
            if (rxCase.dwFieldsLost != 0 && dwOriginal == 11)
                ++dwOriginal;
            const std::string xWas = qxFieldBytes(xOriginal.qrxGetField(dwOriginal));
            const std::string xIs = qxFieldBytes(rxRecord.qrxGetField(dw));
            ASSERT_EQ(xWas.size(), xIs.size());
            for (std::size_t n = 0; n < xWas.size(); ++n)
                EXPECT_TRUE(xWas[n] == xIs[n] || (xIs[n] == ' ' && dwOriginal == 11)) << dw << " " << n;
        }
        TXBuffer<unsigned char> xWritten;
        EXPECT_NO_THROW(rxRecord.qvGetUSMarcData(xWritten, false)) << "a repaired record is a valid one";

        TMarcRecord xStrict = xOriginal;
        EXPECT_THROW(xStrict.qvSetUSMarcData(qpaxBytes(xDamaged), static_cast<uint32_t>(xDamaged.size())), TException);
        EXPECT_EQ(xFirst, qxIso2709(xStrict)) << "the refused record leaves the one there was";
    }
}

// A record whose directory points, in order, at fields that follow one another,
// each on its own terminator, is taken as it stands; anything else, even with a
// sound leader, length and terminators, goes through the repairs.
TEST(TMarcRecordRepairTest, OnlyASoundStructureIsTakenAsItStands)
{
    const std::string xFirst = qxReadSample("camel.usmarc").substr(0, 755);
    auto qxEntry = [](uint32_t dwEntry) { return 24 + 12 * (dwEntry - 1); };
    const uint32_t dw245 = 241 + 237;
    auto qxRead = [](const std::string& rxBytes) {
        TReadLog xRead = qxReadLog(rxBytes, eIso2709, eReadLenient);
        EXPECT_EQ(1u, xRead.mxRecords.size());
        return xRead;
    };

    // The directory out of the data's order is sound: entries 11 and 12 swapped.
    std::string xSwapped = xFirst;
    xSwapped.replace(qxEntry(11), 24, xFirst.substr(qxEntry(12), 12) + xFirst.substr(qxEntry(11), 12));
    TReadLog xRead = qxRead(xSwapped);
    EXPECT_EQ(std::vector<ERepairKind>{}, qxKinds(xRead.mxRepairs[0]));
    TMarcRecord xStrict;
    xStrict.qvSetUSMarcData(qpaxBytes(xSwapped), static_cast<uint32_t>(xSwapped.size()));
    EXPECT_EQ(qxIso2709(xStrict), qxIso2709(xRead.mxRecords[0]));

    // 245's entry starting one byte into its field, and a field terminator inside
    // 245: each is repaired, although every length still ends on a terminator.
    for (const std::string& rxDamaged :
         {qxPatched(xFirst, qxEntry(12) + 11, "8"), qxPatched(xFirst, dw245 + 20, "\x1E")})
    {
        xRead = qxRead(rxDamaged);
        EXPECT_FALSE(xRead.mxRepairs[0].empty());
        EXPECT_THROW(xStrict.qvSetUSMarcData(qpaxBytes(rxDamaged), static_cast<uint32_t>(rxDamaged.size())),
                     TException);
    }
}

TEST(TMarcRecordRepairTest, CutShortRecordsKeepWhatIsThereAndOtherProfilesAreRefused)
{
    const std::string xCamel = qxReadSample("camel.usmarc");
    const std::string xSecond = xCamel.substr(755, 647);

    // Cut inside 245's data (478-531): 245 is kept up to the cut, the 6 entries after it
    // find no data, and the next record is read whole.
    TReadLog xRead = qxReadLog(xCamel.substr(0, 500) + xSecond, eIso2709, eReadLenient);
    ASSERT_EQ(2u, xRead.mxRecords.size());
    const std::vector<TRepair>& rxRepairs = xRead.mxRepairs[0];
    EXPECT_EQ(eRepairRecordUnterminated, rxRepairs.at(0).meKind);
    EXPECT_EQ(L"record length 755 does not end on the record terminator, and the record has none: its 500 bytes read "
              L"as the record",
              rxRepairs[0].mxText);
    EXPECT_TRUE(qtHasRepair(rxRepairs, eRepairFieldCutShort, 245));
    ASSERT_EQ(12u, xRead.mxRecords[0].qdwGetFieldCount());
    EXPECT_EQ(xCamel.substr(478, 22), qxFieldBytes(xRead.mxRecords[0].qrxGetField(11)));
    EXPECT_EQ(1u + 1u + 6u, rxRepairs.size()) << "one report for each entry left";
    EXPECT_EQ(18u, xRead.mxRecords[1].qdwGetFieldCount());

    // A record of another ISO 2709 profile (its directory reads with the entry map its
    // leader gives, and not with MARC 21's) is refused and says why; the reader goes on.
    TMarcRecord xCamelFirst;
    xCamelFirst.qvSetUSMarcData(qpaxBytes(xCamel), 755);
    for (const char* pacMap : {"35", "451", "56"})
    {
        SCOPED_TRACE(pacMap);
        const std::string xOther = qxLaidOutWithMap(xCamelFirst, pacMap);
        xRead = qxReadLog(xOther + xSecond, eIso2709, eReadLenient);
        ASSERT_EQ(1u, xRead.mxErrors.size());
        EXPECT_NE(std::wstring::npos, xRead.mxErrors[0].find(L"Record 1 (offset 0): Not a MARC 21 record"));
        EXPECT_EQ(1u, xRead.mxRecords.size());
        EXPECT_EQ(xOther, xRead.mxRawData[0]) << "passed through as it stands";
    }
}
