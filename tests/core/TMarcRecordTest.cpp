#include "support/TSampleData.h"
#include "support/TTestRecords.h"

#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> qxFieldList(const TMarcRecord& rxRecord)
{
    std::vector<std::string> xList;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw) {
        const TMarcTag& rxField = rxRecord.qrxGetField(dw);
        xList.push_back(std::to_string(rxField.qiGetTagNumber()) + ":" + rxField.qpacGetData());
    }
    return xList;
}

} // namespace

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
    xField.qvSetData("10\x1F" "aTitle", true);
    for (const char* pacBad : {"-0\x1F" "aTitle", "1A\x1F" "a", "1", ""}) {
        EXPECT_THROW(xField.qvSetData(pacBad, true), TException) << pacBad;
        EXPECT_EQ(std::string("10\x1F" "aTitle"), xField.qpacGetData());
    }
    xField.qvSetData("-0", false);
    EXPECT_EQ(std::string("-0"), xField.qpacGetData());

    TXBuffer<unsigned char> xBuffer;
    const unsigned char axWithNul[] = {'1', '0', 0x1F, 'a', 0, 'b'};
    xBuffer.qvAppend(axWithNul, sizeof axWithNul);
    EXPECT_THROW(xField.qvSetData(xBuffer, false), TException);
    EXPECT_THROW(xField.qtAppend(xBuffer, false), TException);
    EXPECT_EQ(std::string("-0"), xField.qpacGetData());

    xBuffer.qvAssignAscii("\x1F" "aMore");
    EXPECT_THROW(xField.qtAppend(xBuffer, true), TException) << "result still has invalid indicators";
    xField.qvSetData("00", true);
    EXPECT_TRUE(xField.qtAppend(xBuffer, true));
    EXPECT_EQ(std::string("00\x1F" "aMore"), xField.qpacGetData());
    EXPECT_EQ(8u, xField.qdwGetDataSize());
    EXPECT_FALSE(xField.qtAppend(TXBuffer<unsigned char>(), true));
}

TEST(TMarcRecordTest, FindAndReplaceByOccurrence)
{
    TMarcRecord xRecord;
    for (const TMarcTag& rxField : {qxTag(1, "id"), qxTag(650, " 0\x1F" "aA"), qxTag(245, "10\x1F" "aT"),
                                    qxTag(650, " 0\x1F" "aB")})
        xRecord.qvOrderedInsert(rxField);

    TMarcTag xFound(999);
    EXPECT_TRUE(xRecord.qtFindTag(650, xFound, 2));
    EXPECT_EQ(650, xFound.qiGetTagNumber());
    EXPECT_EQ(std::string(" 0\x1F" "aB"), xFound.qpacGetData());
    for (int iOccurrence : {3, 0, -1}) {
        TMarcTag xUntouched = qxTag(500, "  x");
        EXPECT_FALSE(xRecord.qtFindTag(650, xUntouched, iOccurrence)) << iOccurrence;
        EXPECT_EQ(std::string("  x"), xUntouched.qpacGetData());
    }
    EXPECT_FALSE(xRecord.qtFindTag(100, xFound, 1));

    EXPECT_TRUE(xRecord.qtReplaceTag(qxTag(650, " 7\x1F" "aC"), 2));
    EXPECT_FALSE(xRecord.qtReplaceTag(qxTag(650, " 7\x1F" "aD"), 3));
    EXPECT_FALSE(xRecord.qtReplaceTag(qxTag(100, "1 \x1F" "aE"), 1));
    EXPECT_FALSE(xRecord.qtReplaceTag(qxTag(650, " 7\x1F" "aF"), 0));
    EXPECT_EQ((std::vector<std::string>{"1:id", "245:10\x1F" "aT", "650: 0\x1F" "aA", "650: 7\x1F" "aC"}),
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
    xRecord.qvOrderedInsert(qxTag(100, "1 \x1F" "aName"));

    TMarcRecord xCopy(xRecord);
    TMarcRecord xAssigned;
    xAssigned = xRecord;
    xRecord.qrxGetField(0).qvSetIndicator(eFirstIndicator, '3');
    xRecord.qrxGetLeader().qvSetStatus(eDeleted);
    for (const TMarcRecord* pxOther : {&xCopy, &xAssigned}) {
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
    xRecord.qvOrderedInsert(qxTag(245, "10\x1F" "axyz"));
    xRecord.qvOrderedInsert(qxTag(1, "abc"));
    const std::string xExpected = std::string("00062nam a2200049 i 4500") + "001000400000" + "245000800004" +
                                  "\x1E" + "abc\x1E" + "10\x1F" "axyz\x1E" + "\x1D";
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
    xBadField.qrxGetField(0).qvSetData("  a\x1E" "b", false);
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

    auto qxPatched = [&](std::size_t nAt, const std::string& rxBytes) {
        std::string xBad(xGood);
        xBad.replace(nAt, rxBytes.size(), rxBytes);
        return xBad;
    };
    const std::vector<std::pair<std::string, std::string>> axBad = {
        {"truncated by one byte", xGood.substr(0, xGood.size() - 1)},
        {"only the leader", xGood.substr(0, 24)},
        {"shorter than a leader", xGood.substr(0, 10)},
        {"length 99999 on a short buffer", qxPatched(0, "99999")},
        {"length not digits", qxPatched(2, "x")},
        {"base address beyond the record", qxPatched(12, "99999")},
        {"base address inside the leader", qxPatched(12, "00010")},
        {"base address off the directory", qxPatched(12, "00110")},
        {"directory entry with a non-digit", qxPatched(24 + 12 + 4, "x")},
        {"entry start past the end", qxPatched(24 + 12 * 2 + 7, "99999")},
        {"entry length past the end", qxPatched(24 + 12 * 2 + 3, "9999")},
        {"entry length 0", qxPatched(24 + 3, "0000")},
        {"field without terminator", qxPatched(24 + 12 * 2 + 3, "0021")},
        {"no record terminator", qxPatched(xGood.size() - 1, "\x1E")},
        {"invalid indicator", qxPatched(109 + 51, "-")},
        {"leader 10-11 not 22", qxPatched(10, "23")},
        {"leader 20-21 not 45", qxPatched(20, "35")},
        {"implementation-defined entry part", qxPatched(22, "1")},
        {"NUL inside a field", qxPatched(109 + 5, std::string(1, '\0'))},
    };
    ASSERT_EQ('\x1E', xGood[108]) << "sample1's directory ends at 108";
    for (const auto& rxCase : axBad) {
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
        try {
            xRecord.qvSetUSMarcData(qpaxBytes(rxData), static_cast<uint32_t>(rxData.size()));
        } catch (const TException&) {
            ++iRefused;
            return;
        }
        const std::string xWritten = qxIso2709(xRecord);
        TMarcRecord xAgain;
        xAgain.qvSetUSMarcData(qpaxBytes(xWritten), static_cast<uint32_t>(xWritten.size()));
        EXPECT_EQ(xWritten, qxIso2709(xAgain));
    };
    for (std::size_t n = 0; n < xGood.size(); ++n) {
        for (char c : {'\0', '0', '9', 'x', ' ', '\x1E', '\x1D', '\xFF'}) {
            std::string xBad(xGood);
            xBad[n] = c;
            qvTry(xBad);
        }
        qvTry(xGood.substr(0, n));
    }
    EXPECT_GT(iRefused, 1000);
}
