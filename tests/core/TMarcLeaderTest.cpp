#include "support/TTestRecords.h"

#include "recordlib/TException.h"
#include "recordlib/TMarcLeader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const char acDefault[] = "00000     2200000   4500";

// Leader with one character replaced.
std::string qxWith(uint32_t dwPosition, char cCode)
{
    std::string xLeader(acDefault);
    xLeader[dwPosition] = cCode;
    return xLeader;
}

template <typename E>
void qvExpectRefused(void (TMarcLeader::*pfnSet)(E), const std::vector<int>& rxValues)
{
    for (int iValue : rxValues) {
        TMarcLeader xLeader;
        EXPECT_EQ(eErrorFatal, qxThrown([&] { (xLeader.*pfnSet)(static_cast<E>(iValue)); }).miType) << "value " << iValue;
        EXPECT_STREQ(acDefault, xLeader.qpacGetData()) << "value " << iValue;
    }
}

} // namespace

TEST(TMarcLeaderTest, SetDataTakesExactly24PrintableCharacters)
{
    TMarcLeader xLeader;
    EXPECT_STREQ(acDefault, xLeader.qpacGetData());
    xLeader.qvSetData("01234cam a2200241 a 4500");
    EXPECT_STREQ("01234cam a2200241 a 4500", xLeader.qpacGetData());

    const char* apacBad[] = {"01234cam a2200241 a 450", "01234cam a2200241 a 45000", "", nullptr,
                             "01234cam\ta2200241 a 4500", "01234cam \x1D" "2200241 a 4500"};
    for (const char* pacBad : apacBad) {
        EXPECT_THROW(xLeader.qvSetData(pacBad), TException) << (pacBad ? pacBad : "(null)");
        EXPECT_STREQ("01234cam a2200241 a 4500", xLeader.qpacGetData());
    }
    EXPECT_EQ(L"TMarcLeader::qvSetData() : Leader must have 24 characters",
              qxThrown([&] { xLeader.qvSetData("short"); }).mxMessage);
}

// Every other value's code is checked through the Leader editor's lists
// (LeaderCodeLists); these three types of record have no list.
TEST(TMarcLeaderTest, TypesOfRecordWithoutAList)
{
    const std::pair<ETypeOfRecord, char> axCases[] = {{eAuthorityData, 'z'}, {eClassificationData, 'w'},
                                                      {eCommunityInformation, 'q'}};
    for (const auto& [eType, cCode] : axCases) {
        TMarcLeader xLeader;
        xLeader.qvSetTypeOfRecord(eType);
        EXPECT_EQ(qxWith(6, cCode), xLeader.qpacGetData());
        TMarcLeader xRead;
        xRead.qvSetData(qxWith(6, cCode).c_str());
        EXPECT_EQ(eType, xRead.qeGetTypeOfRecord()) << cCode;
    }
}

TEST(TMarcLeaderTest, SameEncodingCodeDecodesPerFormat)
{
    TMarcLeader xLeader;
    xLeader.qvSetData("00000nam  22000001  4500");
    EXPECT_EQ(eFullLevelNotExamined, xLeader.qeGetEncodingLevel());
    xLeader.qvSetTypeOfRecord(eSerialItemHoldings);
    EXPECT_EQ(eHoldingsLevel1, xLeader.qeGetEncodingLevel());
    // The explicit format wins over Leader/06.
    xLeader.qvSetMarcType(eBibliographic);
    EXPECT_EQ(eFullLevelNotExamined, xLeader.qeGetEncodingLevel());

    xLeader.qvSetData("00000nz   2200000n  4500");
    xLeader.qvClearMarcType();
    EXPECT_EQ(eCompleteAuthority, xLeader.qeGetEncodingLevel());
    xLeader.qvSetTypeOfRecord(eClassificationData);
    EXPECT_EQ(eCompleteClassification, xLeader.qeGetEncodingLevel());
    xLeader.qvSetTypeOfRecord(eLanguageMaterial);
    EXPECT_EQ(eEncodingLevelUndefined, xLeader.qeGetEncodingLevel());

    // Community and patron records have no encoding levels.
    xLeader.qvSetData("00000nq   2200000   4500");
    EXPECT_EQ(eEncodingLevelUndefined, xLeader.qeGetEncodingLevel());
    xLeader.qvSetData("00000na   2200000   4500");
    xLeader.qvSetMarcType(ePatron);
    EXPECT_EQ(eEncodingLevelUndefined, xLeader.qeGetEncodingLevel());
}

TEST(TMarcLeaderTest, CodesWithoutValueReadAsUndefined)
{
    TMarcLeader xLeader;
    xLeader.qvSetData("00000#b#--22000009##4500");
    EXPECT_EQ(eRecordStatusUndefined, xLeader.qeGetStatus());
    EXPECT_EQ(eTypeOfRecordUndefined, xLeader.qeGetTypeOfRecord());
    EXPECT_EQ(eBibliographic, xLeader.qeGetType());
    EXPECT_EQ(eBibLevelUndefined, xLeader.qeGetBibLevel());
    EXPECT_EQ(eKindOfDataUndefined, xLeader.qeGetKindOfData());
    EXPECT_EQ(eControlTypeUndefined, xLeader.qeGetControlType());
    EXPECT_EQ(eCodingSchemeUndefined, xLeader.qeGetCodingScheme());
    EXPECT_EQ(eEncodingLevelUndefined, xLeader.qeGetEncodingLevel());
    EXPECT_EQ(eCatalogingFormUndefined, xLeader.qeGetCatalogingForm());
    EXPECT_EQ(ePunctuationPolicyUndefined, xLeader.qeGetPunctuationPolicy());
    EXPECT_EQ(eItemInfoUndefined, xLeader.qeGetItemInfoInRecord());
    EXPECT_EQ(eLinkRequirementUndefined, xLeader.qeGetLinkRequirement());
}

TEST(TMarcLeaderTest, SettersRefuseValuesWithoutCode)
{
    qvExpectRefused(&TMarcLeader::qvSetStatus, {-1, 8, 100});
    qvExpectRefused(&TMarcLeader::qvSetTypeOfRecord, {-1, 21});
    qvExpectRefused(&TMarcLeader::qvSetBibLevel, {-1, 6, 8}); // 6 is the gap between s and i
    qvExpectRefused(&TMarcLeader::qvSetKindOfData, {-1, 5});
    qvExpectRefused(&TMarcLeader::qvSetControlType, {-1, 2});
    qvExpectRefused(&TMarcLeader::qvSetCodingScheme, {-1, 2});
    qvExpectRefused(&TMarcLeader::qvSetEncodingLevel, {-1, 22, -2});
    qvExpectRefused(&TMarcLeader::qvSetCatalogingForm, {-1, 6});
    qvExpectRefused(&TMarcLeader::qvSetPunctuationPolicy, {-1, 4});
    qvExpectRefused(&TMarcLeader::qvSetItemInfoInRecord, {-1, 2});
    qvExpectRefused(&TMarcLeader::qvSetLinkRequirement, {-1, 4});
}

TEST(TMarcLeaderTest, TypeFollowsLeader06UnlessSetExplicitly)
{
    EXPECT_FALSE(TMarcLeader().qtHasMarcType());
    const std::pair<char, EMarcType> axCases[] = {
        {'z', eAuthority}, {'u', eHoldings}, {'v', eHoldings}, {'x', eHoldings}, {'y', eHoldings},
        {'q', eCommunity}, {'w', eClassification}, {'a', eBibliographic}, {'t', eBibliographic},
        {'p', eBibliographic}, {' ', eBibliographic}, {'Z', eBibliographic},
    };
    for (const auto& rxCase : axCases) {
        TMarcLeader xLeader;
        xLeader.qvSetData(qxWith(6, rxCase.first).c_str());
        EXPECT_EQ(rxCase.second, xLeader.qeGetType()) << "Leader/06 '" << rxCase.first << "'";
    }

    TMarcLeader xLeader;
    xLeader.qvSetData(qxWith(6, 'z').c_str());
    xLeader.qvSetMarcType(ePatron);
    EXPECT_EQ(ePatron, xLeader.qeGetType());
    EXPECT_EQ('z', xLeader.qpacGetData()[6]) << "the explicit format is not written into the leader";

    xLeader.qvSetData(qxWith(6, 'u').c_str());
    TMarcLeader xCopy(xLeader);
    EXPECT_EQ(ePatron, xLeader.qeGetType()) << "kept by qvSetData";
    EXPECT_EQ(ePatron, xCopy.qeGetType()) << "copied with the leader";

    xLeader.qvClearMarcType();
    EXPECT_EQ(eHoldings, xLeader.qeGetType());
    EXPECT_THROW(xLeader.qvSetMarcType(static_cast<EMarcType>(6)), TException);
    EXPECT_EQ(eHoldings, xLeader.qeGetType());
}
