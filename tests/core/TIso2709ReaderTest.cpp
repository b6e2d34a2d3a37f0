#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"
#include "support/TTestRecords.h"

#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

TReadLog qxReadAll(const std::string& rxData)
{
    return qxReadLog(rxData, eIso2709);
}

bool qtMentions(const std::wstring& rxMessage, const wchar_t* pwcText)
{
    return rxMessage.find(pwcText) != std::wstring::npos;
}

} // namespace

TEST(TIso2709ReaderTest, GoodSamplesAreWrittenBackByteForByte)
{
    const struct {
        const char* pacFile;
        std::size_t nRecords;
    } axSamples[] = {{"camel.usmarc", 10}, {"sample1.usmarc", 1}, {"title_proper.usmarc", 5}};
    for (const auto& rxSample : axSamples) {
        SCOPED_TRACE(rxSample.pacFile);
        const std::string xFile = qxReadSample(rxSample.pacFile);
        const TReadLog xLog = qxReadAll(xFile);
        EXPECT_EQ(rxSample.nRecords, xLog.mxRecords.size());
        EXPECT_TRUE(xLog.mxErrors.empty());
        EXPECT_EQ(xFile, qxIso2709(xLog.mxRecords));
        for (std::size_t n = 0; n < xLog.mxRecords.size(); ++n)
            EXPECT_EQ(xLog.mxRawData[n], qxIso2709(xLog.mxRecords[n]));
    }
}

TEST(TIso2709ReaderTest, StepsOverFillerBetweenRecords)
{
    const std::string xFile = qxReadSample("filler.usmarc");
    const TReadLog xLog = qxReadAll(xFile);
    EXPECT_EQ((std::vector<std::string>{"ok 18", "ok 18", "ok 15"}), xLog.mxOutcomes);
    // The records are camel's first three, without the filler.
    const std::string xCamel = qxReadSample("camel.usmarc");
    EXPECT_EQ(xCamel.substr(0, 755 + 647 + 605), qxIso2709(xLog.mxRecords));

    EXPECT_TRUE(qxReadAll("").mxOutcomes.empty());
    EXPECT_TRUE(qxReadAll(std::string("\n \0\r\n\x1A", 6)).mxOutcomes.empty());
}

TEST(TIso2709ReaderTest, BadSamplesAreRejectedWithTheRecordNumber)
{
    const TReadLog xDir = qxReadAll(qxReadSample("baddir.usmarc"));
    ASSERT_EQ((std::vector<std::string>{"error"}), xDir.mxOutcomes);
    EXPECT_TRUE(qtMentions(xDir.mxErrors[0], L"Record 1 (offset 0)")) << xDir.mxErrors[0].size();
    EXPECT_TRUE(qtMentions(xDir.mxErrors[0], L"Directory")) << xDir.mxErrors[0].size();

    const TReadLog xInd = qxReadAll(qxReadSample("badind.usmarc"));
    ASSERT_EQ((std::vector<std::string>{"error"}), xInd.mxOutcomes);
    EXPECT_TRUE(qtMentions(xInd.mxErrors[0], L"Field 245 (number 3) has invalid indicators"));

    // badldr: a stray record terminator before the third record and a stray "7" at the
    // end; each is reported, and every record is still read.
    const TReadLog xLdr = qxReadAll(qxReadSample("badldr.usmarc"));
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
    auto qxWithLength = [](std::string xRecord, const char* pacLength) { return xRecord.replace(0, 5, pacLength); };

    // A record whose content is broken, between good ones.
    TReadLog xLog = qxReadAll(xFirst + xBadInd + xSecond);
    EXPECT_EQ((std::vector<std::string>{"ok 18", "error", "ok 18"}), xLog.mxOutcomes);
    EXPECT_TRUE(qtMentions(xLog.mxErrors[0], L"Record 2 (offset 755)"));

    // Lengths that run past the record's end, or stop short of it.
    for (const char* pacLength : {"00800", "00700", "99999", "00026"}) {
        SCOPED_TRACE(pacLength);
        xLog = qxReadAll(qxWithLength(xFirst, pacLength) + xSecond + xThird);
        EXPECT_EQ((std::vector<std::string>{"error", "ok 18", "ok 15"}), xLog.mxOutcomes);
        EXPECT_EQ(xSecond + xThird, qxIso2709(xLog.mxRecords));
    }

    // A record cut off in the middle, followed by a whole one.
    xLog = qxReadAll(xFirst.substr(0, 400) + xSecond);
    EXPECT_EQ((std::vector<std::string>{"error", "ok 18"}), xLog.mxOutcomes);
    EXPECT_EQ(xSecond, qxIso2709(xLog.mxRecords));

    // A record cut off at the end of the data.
    xLog = qxReadAll(xFirst + xSecond.substr(0, 300));
    EXPECT_EQ((std::vector<std::string>{"ok 18", "error"}), xLog.mxOutcomes);
    EXPECT_TRUE(qtMentions(xLog.mxErrors[0], L"Record 2 (offset 755): Record length 647 in the leader, but the data "
                                             L"ends after 300 bytes"));

    // Directory entries with non-digits.
    std::string xBadDirectory(xFirst);
    xBadDirectory[24 + 12 * 3 + 5] = '?';
    xLog = qxReadAll(xBadDirectory + xSecond);
    EXPECT_EQ((std::vector<std::string>{"error", "ok 18"}), xLog.mxOutcomes);
    EXPECT_TRUE(qtMentions(xLog.mxErrors[0], L"Directory entry 4 is not 12 digits"));
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

TEST(TIso2709ReaderTest, BrokenRecordsAndStrayBytesComeBackWholeAndInLinearTime)
{
    // A length that ends on no record terminator, again and again: each "record" is
    // searched for its end, and no byte may be searched again for the next one (1 MiB
    // takes minutes otherwise under the sanitizers; the test's time limit catches it).
    // Leniently, each is read: a directory ended by a field terminator, one stray byte.
    for (const EReadMode eMode : {eReadStrict, eReadLenient}) {
        const std::string xUnit = "00026" + std::string(19, 'x') + (eMode == eReadLenient ? "\x1Ex" : "xx");
        std::string xHostile;
        while (xHostile.size() < (1u << 20))
            xHostile += xUnit;
        std::istringstream xStream(xHostile);
        TIso2709Reader xReader(xStream, eMode);
        TMarcRecord xRecord;
        std::size_t nRead = 0, nBroken = 0;
        std::string xRaw;
        for (;;) {
            try {
                if (!xReader.qtReadNext(xRecord))
                    break;
                ++nRead;
            } catch (const TException&) {
                ++nBroken;
            }
            xRaw += qxBytes(xReader.qrxGetRawData());
        }
        EXPECT_EQ(xHostile.size() / xUnit.size(), eMode == eReadLenient ? nRead : nBroken);
        EXPECT_EQ(xHostile, xRaw);
    }

    // Stray bytes are given back as they were, with the filler around them.
    const std::string xSample = qxReadSample("sample1.usmarc");
    const TReadLog xLog = qxReadAll(xSample + "\n JUNK\n" + xSample + "\n\n" + xSample + "##");
    EXPECT_EQ((std::vector<std::string>{"ok 7", "error", "ok 7", "ok 7", "error"}), xLog.mxOutcomes);
    EXPECT_EQ("\n JUNK\n", xLog.mxRawData[1]);
}
