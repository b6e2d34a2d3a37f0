// The Leader: its codes as TMarcLeader reads and writes them, and the lists
// of the Leader editor over them.
#include "support/TTestRecords.h"

#include "core/TLeaderCodeLists.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcLeader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{
const char acDefault[] = "00000     2200000   4500";

// Leader with one character replaced.
std::string qxWith(uint32_t dwPosition, char cCode)
{
    std::string xLeader(acDefault);
    xLeader[dwPosition] = cCode;
    return xLeader;
}

template <typename E> void qvExpectRefused(void (TMarcLeader::*pfnSet)(E), const std::vector<int>& rxValues)
{
    for (int iValue : rxValues)
    {
        TMarcLeader xLeader;
        EXPECT_EQ(eErrorFatal, qxThrown([&] { (xLeader.*pfnSet)(static_cast<E>(iValue)); }).miType)
            << "value " << iValue;
        EXPECT_STREQ(acDefault, xLeader.qpacGetData()) << "value " << iValue;
    }
}

// The MARC 21 codes each row offers, in list order; null where the row is
// removed. A trailing '*' marks a list that selects its first entry when the
// leader's code has none.
struct TExpectedFormat
{
    EMarcType eMarcType;
    const char* apcCodes[TLeaderCodeLists::kRowCount];
};

const TExpectedFormat axExpected[] = {
    {eBibliographic, {"acdnp", "acdefgijkmoprt", "abcdims", " a*", " a*", " 1234578uz*", " acinu*", " abc*"}},
    {eAuthority, {"acdnosx", nullptr, nullptr, nullptr, " a*", "no", " ciu", nullptr}},
    {eHoldings, {"cdn", "uvxy", nullptr, nullptr, " a*", "12345muz", "in", nullptr}},
    {eCommunity, {"cdn", nullptr, "nopqz", nullptr, " a*", nullptr, nullptr, nullptr}},
    {ePatron, {"", nullptr, nullptr, nullptr, " a*", nullptr, nullptr, nullptr}},
    {eClassification, {"acdn", nullptr, nullptr, nullptr, " a*", "no", nullptr, nullptr}},
};

TMarcLeader qxLeaderOf(EMarcType eMarcType)
{
    TMarcLeader leader;
    leader.qvSetData("00000nam a2200000 a 4500");
    leader.qvSetMarcType(eMarcType);
    return leader;
}

std::string qxCodesOffered(EMarcType eMarcType, int iRow)
{
    const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, eMarcType);
    const uint32_t dwPosition = static_cast<uint32_t>(TLeaderCodeLists::qpxGetRow(iRow)->position);
    std::string codes;
    std::set<int> values;
    for (const TLeaderListEntry* pxEntry = pxList->entries; pxEntry->labelId != 0; ++pxEntry)
    {
        TMarcLeader leader = qxLeaderOf(eMarcType);
        // '#' is no code, so a setter that writes nothing shows.
        leader.qvSetAt(dwPosition, '#');
        EXPECT_TRUE(TLeaderCodeLists::qtSetValue(leader, pxList->accessor, pxEntry->value));
        // The getter reads back what the entry wrote, so the entry is found again
        // when the dialog opens on this leader.
        EXPECT_EQ(pxEntry->value, TLeaderCodeLists::qiGetValue(leader, pxList->accessor))
            << "label " << pxEntry->labelId;
        codes += leader.qcGetAt(dwPosition);
        values.insert(pxEntry->value);
    }
    // Any other code (another format's, an obsolete one, none) matches no entry.
    for (char c = ' '; c < 0x7F; ++c)
    {
        TMarcLeader leader = qxLeaderOf(eMarcType);
        leader.qvSetAt(dwPosition, c);
        if (codes.find(c) == std::string::npos)
        {
            EXPECT_EQ(0u, values.count(TLeaderCodeLists::qiGetValue(leader, pxList->accessor))) << "code " << c;
        }
    }
    if (pxList->defaultFirst)
        codes += '*';
    return codes;
}
}

TEST(TMarcLeaderTest, SetDataTakesExactly24PrintableCharacters)
{
    TMarcLeader xLeader;
    EXPECT_STREQ(acDefault, xLeader.qpacGetData());
    xLeader.qvSetData("01234cam a2200241 a 4500");
    EXPECT_STREQ("01234cam a2200241 a 4500", xLeader.qpacGetData());

    const char* apacBad[] = {"01234cam a2200241 a 450",
                             "01234cam a2200241 a 45000",
                             "",
                             nullptr,
                             "01234cam\ta2200241 a 4500",
                             "01234cam \x1D"
                             "2200241 a 4500"};
    for (const char* pacBad : apacBad)
    {
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
    const std::pair<ETypeOfRecord, char> axCases[] = {
        {eAuthorityData, 'z'}, {eClassificationData, 'w'}, {eCommunityInformation, 'q'}};
    for (const auto& [eType, cCode] : axCases)
    {
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
    // (Each format's codes: the Leader editor's lists below.)

    // Community and patron records have no encoding levels.
    xLeader.qvClearMarcType();
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
    EXPECT_EQ(eBibliographic, xLeader.qeGetType());
    // Every getter, reached through the Leader editor's accessors.
    for (int iAccessor = eStatusAccessor; iAccessor <= eLinkRequirementAccessor; ++iAccessor)
        EXPECT_EQ(-1, TLeaderCodeLists::qiGetValue(xLeader, static_cast<ELeaderAccessor>(iAccessor))) << iAccessor;
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
        {'z', eAuthority},     {'u', eHoldings},      {'v', eHoldings},       {'x', eHoldings},
        {'y', eHoldings},      {'q', eCommunity},     {'w', eClassification}, {'a', eBibliographic},
        {'t', eBibliographic}, {'p', eBibliographic}, {' ', eBibliographic},  {'Z', eBibliographic},
    };
    for (const auto& rxCase : axCases)
    {
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

// The Leader editor's lists and their mapping onto TMarcLeader, per record format.
TEST(LeaderCodeLists, EachFormatOffersTheMarcCodesOfItsPositionsInListOrderAndNoOther)
{
    for (const TExpectedFormat& rxFormat : axExpected)
    {
        for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
        {
            SCOPED_TRACE("format " + std::to_string(rxFormat.eMarcType) + " row " + std::to_string(iRow));
            const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, rxFormat.eMarcType);
            ASSERT_NE(nullptr, pxList);
            if (rxFormat.apcCodes[iRow] == nullptr)
            {
                EXPECT_EQ(nullptr, pxList->entries);
                if (iRow != 2 && iRow != 6)
                    continue;
                // 07 and 18 mean something else in each format: where hidden, nothing is written or read.
                TMarcLeader leader = qxLeaderOf(rxFormat.eMarcType);
                EXPECT_FALSE(TLeaderCodeLists::qtSetValue(leader, pxList->accessor, 0));
                EXPECT_EQ(-1, TLeaderCodeLists::qiGetValue(leader, pxList->accessor));
                EXPECT_STREQ("00000nam a2200000 a 4500", leader.qpacGetData());
                continue;
            }
            ASSERT_NE(nullptr, pxList->entries);
            EXPECT_EQ(rxFormat.apcCodes[iRow], qxCodesOffered(rxFormat.eMarcType, iRow));
        }
    }
}

TEST(LeaderCodeLists, EditablePositionsAreThoseOfTheListsAFormatFills)
{
    for (const TExpectedFormat& rxFormat : axExpected)
    {
        std::set<int> editable;
        for (const TLeaderRange* pxRange = TLeaderCodeLists::qpxGetEditableRanges(rxFormat.eMarcType);
             pxRange->first != -1; ++pxRange)
        {
            ASSERT_LE(pxRange->first, pxRange->last);
            ASSERT_LT(pxRange->last, 24);
            for (int i = pxRange->first; i <= pxRange->last; ++i)
                editable.insert(i);
        }
        std::set<int> filled;
        for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
        {
            const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, rxFormat.eMarcType);
            if (pxList->entries != nullptr && pxList->entries[0].labelId != 0)
                filled.insert(TLeaderCodeLists::qpxGetRow(iRow)->position);
        }
        // The line of a patron record marks no position changeable, although
        // its coding-scheme list can be used.
        if (rxFormat.eMarcType == ePatron)
            EXPECT_TRUE(editable.empty());
        else
            EXPECT_EQ(filled, editable) << "format " << rxFormat.eMarcType;
    }
}

TEST(LeaderCodeLists, HostileRowsFormatsAndValuesAreRefusedWithoutHarm)
{
    for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
        EXPECT_EQ(iRow, TLeaderCodeLists::qiGetRowOfList(TLeaderCodeLists::qpxGetRow(iRow)->listId));
    EXPECT_EQ(nullptr, TLeaderCodeLists::qpxGetRow(-1));
    EXPECT_EQ(nullptr, TLeaderCodeLists::qpxGetRow(TLeaderCodeLists::kRowCount));
    EXPECT_EQ(-1, TLeaderCodeLists::qiGetRowOfList(3031));
    EXPECT_EQ(nullptr, TLeaderCodeLists::qpxGetList(99, eBibliographic)->entries);
    EXPECT_EQ(nullptr, TLeaderCodeLists::qpxGetList(-1, eBibliographic)->entries);

    // A format value the editor does not know keeps only an empty record-status
    // list: nothing to change, no format name, no renamed label.
    for (int iFormat : {-1, 6, 1000})
    {
        const EMarcType eUnknown = static_cast<EMarcType>(iFormat);
        const TLeaderList* pxStatus = TLeaderCodeLists::qpxGetList(0, eUnknown);
        ASSERT_NE(nullptr, pxStatus->entries);
        EXPECT_EQ(0u, pxStatus->entries[0].labelId);
        for (int iRow = 1; iRow < TLeaderCodeLists::kRowCount; ++iRow)
            EXPECT_EQ(nullptr, TLeaderCodeLists::qpxGetList(iRow, eUnknown)->entries) << iFormat << " " << iRow;
        EXPECT_EQ(-1, TLeaderCodeLists::qpxGetEditableRanges(eUnknown)->first);
        EXPECT_EQ(0, TLeaderCodeLists::qpxGetFormatLabels(eUnknown)->labelId);
        EXPECT_EQ(0u, TLeaderCodeLists::qdwGetFormatNameId(eUnknown));
    }

    TMarcLeader leader = qxLeaderOf(eBibliographic);
    EXPECT_FALSE(TLeaderCodeLists::qtSetValue(leader, static_cast<ELeaderAccessor>(-5), 0));
    EXPECT_FALSE(TLeaderCodeLists::qtSetValue(leader, static_cast<ELeaderAccessor>(99), 0));
    EXPECT_EQ(-1, TLeaderCodeLists::qiGetValue(leader, static_cast<ELeaderAccessor>(99)));
    // A value with no code is the record library's to refuse.
    EXPECT_THROW(TLeaderCodeLists::qtSetValue(leader, eBibLevelAccessor, 6), TException);
    EXPECT_STREQ("00000nam a2200000 a 4500", leader.qpacGetData());
}
