// The record checker against the editors' own tables: every code of every list
// of every layout passes, a code no row has is exactly one finding naming that
// position and list, and the record-wide rules (008 present and single, 856
// $2, the Leader's fixed parts) each give their one finding.
#include "core/TCodeLists.h"
#include "core/TCodeMatch.h"
#include "core/TGeneric008.h"
#include "core/TLeaderCodeLists.h"
#include "core/TRecordChecker.h"
#include "support/TCheckCases.h"
#include "support/TSampleData.h"
#include "support/TTestRecords.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <sstream>

namespace
{
std::vector<TCheckFinding> qxCheck(const TMarcRecord& rxRecord)
{
    std::vector<TCheckFinding> xFindings;
    qvCheckRecord(rxRecord, xFindings);
    return xFindings;
}

std::string qxShow(const std::vector<TCheckFinding>& rxFindings)
{
    std::string xText;
    for (const TCheckFinding& rxFinding : rxFindings)
        xText += qxDescribePlace(rxFinding) + ": " + qxDescribeProblem(rxFinding) + "\n";
    return xText;
}

class TRecordCheckerLayoutTest : public ::testing::TestWithParam<TCheckCase>
{};

TEST_P(TRecordCheckerLayoutTest, EveryCodeOfEveryListPassesAndAnUndefinedOneIsOneFinding)
{
    const TCheckCase& rxCase = GetParam();
    const TFieldLayout& rxLayout = *rxCase.layoutCase.layout;
    const std::string xClean = qxCleanField(rxLayout, rxCase.layoutCase.fieldLength, rxCase.first);
    ASSERT_EQ(qxShow(qxCheck(qxRecordWith(rxCase, xClean))), "");

    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
    {
        const std::size_t nAt = static_cast<std::size_t>(pxList->position);
        std::size_t nWidth = 1;
        for (const TCodeListEntry* pxRow = pxList->codeList; pxRow->labelId != 0; ++pxRow)
        {
            std::string xField = xClean;
            xField.replace(nAt, std::strlen(pxRow->code), pxRow->code);
            nWidth = std::max(nWidth, std::strlen(pxRow->code));
            EXPECT_EQ(qxShow(qxCheck(qxRecordWith(rxCase, xField))), "") << "code \"" << pxRow->code << "\"";
        }
        std::string xField = xClean;
        xField.replace(nAt, nWidth, std::string(nWidth, kNoCode));
        const std::vector<TCheckFinding> xFindings = qxCheck(qxRecordWith(rxCase, xField));
        ASSERT_EQ(xFindings.size(), 1u) << "position " << nAt << "\n" << qxShow(xFindings);
        EXPECT_EQ(xFindings[0].meKind, eCheckUndefinedCode);
        EXPECT_EQ(xFindings[0].meSeverity, eCheckError);
        EXPECT_EQ(xFindings[0].miTag, rxCase.tag);
        EXPECT_EQ(xFindings[0].miPosition, pxList->position);
        EXPECT_EQ(xFindings[0].mpxList, pxList->codeList);
        ASSERT_NE(qpacCodeListName(pxList->codeList), nullptr) << "a list without a name at " << nAt;
        EXPECT_STREQ(xFindings[0].mpacExpected, qpacCodeListName(pxList->codeList));
        char acPlace[8];
        std::snprintf(acPlace, sizeof(acPlace), "%03d/%02d", rxCase.tag, pxList->position);
        EXPECT_EQ(qxDescribePlace(xFindings[0]).rfind(acPlace, 0), 0u) << qxDescribePlace(xFindings[0]);
    }
    for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
    {
        std::string xField = xClean;
        xField[static_cast<std::size_t>(pxEdit->position)] = kNoCode;
        const std::vector<TCheckFinding> xFindings = qxCheck(qxRecordWith(rxCase, xField));
        ASSERT_EQ(xFindings.size(), 1u) << "edit box at " << pxEdit->position << "\n" << qxShow(xFindings);
        EXPECT_EQ(xFindings[0].meKind, eCheckDisallowedChars);
        EXPECT_EQ(xFindings[0].miPosition, pxEdit->position);
        EXPECT_EQ(xFindings[0].miCount, pxEdit->length);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, TRecordCheckerLayoutTest, ::testing::ValuesIn(qxAllCheckCases()),
                         [](const ::testing::TestParamInfo<TCheckCase>& rxInfo) {
                             std::string xName;
                             for (const char c : rxInfo.param.layoutCase.name)
                                 xName += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return xName;
                         });

// A Books record that the checker finds clean, with rxFields added.
TMarcRecord qxBooksRecord(std::initializer_list<std::pair<int, std::string>> xFields)
{
    const std::pair<char, char> x = qx06And07(eBooks);
    TMarcRecord xRecord;
    xRecord.qvSetLeader(qxCleanLeader(eBibliographic, x.first, x.second).c_str());
    xRecord.qvOrderedInsert(qxTag(8, qxCleanField(*qpxGetBibliographic008Layout(eBooks), 40, '\0')));
    for (const auto& [iTag, rxData] : xFields)
        xRecord.qvOrderedInsert(qxTag(iTag, rxData));
    return xRecord;
}

TEST(TRecordCheckerTest, LeaderListsOfEveryFormat)
{
    const std::pair<char, char> xBooks = qx06And07(eBooks);
    const std::pair<EMarcType, char> kFormats[] = {
        {eBibliographic, xBooks.first}, {eAuthority, 'z'}, {eHoldings, 'x'}, {eCommunity, 'q'},
        {eClassification, 'w'},         {ePatron, ' '}};
    for (const auto& [eType, c06] : kFormats)
    {
        TMarcRecord xRecord = eType == eBibliographic ? qxBooksRecord({}) : TMarcRecord();
        xRecord.qvSetLeader(qxCleanLeader(eType, c06, eType == eBibliographic ? xBooks.second : '\0').c_str());
        xRecord.qrxGetLeader().qvSetMarcType(eType);
        ASSERT_EQ(qxShow(qxCheck(xRecord)), "") << "format " << eType;
        for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
        {
            const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, eType);
            if (pxList->entries == nullptr || pxList->entries[0].labelId == 0)
                continue;
            const int iPosition = TLeaderCodeLists::qpxGetRow(iRow)->position;
            for (const TLeaderListEntry* pxEntry = pxList->entries; pxEntry->labelId != 0; ++pxEntry)
            {
                TMarcRecord xWith = xRecord;
                TLeaderCodeLists::qtSetValue(xWith.qrxGetLeader(), pxList->accessor, pxEntry->value);
                // Another type of record or level may choose another 008 layout: only
                // the Leader's findings count here.
                std::vector<TCheckFinding> xLeaderFindings = qxCheck(xWith);
                xLeaderFindings.erase(std::remove_if(xLeaderFindings.begin(), xLeaderFindings.end(),
                                                     [](const TCheckFinding& x) { return x.miTag != kCheckLeaderTag; }),
                                      xLeaderFindings.end());
                EXPECT_EQ(qxShow(xLeaderFindings), "") << "format " << eType << " Leader/" << iPosition;
            }
            TMarcRecord xUndefined = xRecord;
            xUndefined.qrxGetLeader().qvSetAt(static_cast<uint32_t>(iPosition), kNoCode);
            const std::vector<TCheckFinding> xFindings = qxCheck(xUndefined);
            ASSERT_EQ(xFindings.size(), 1u) << "format " << eType << " Leader/" << iPosition << "\n"
                                            << qxShow(xFindings);
            EXPECT_EQ(xFindings[0].miTag, kCheckLeaderTag);
            EXPECT_EQ(xFindings[0].miPosition, iPosition);
            EXPECT_STREQ(xFindings[0].mpacExpected, TLeaderCodeLists::qpacGetListName(pxList->accessor));
        }
    }
}

TEST(TRecordCheckerTest, EachRecordWideRuleIsOneFinding)
{
    struct TRuleCase
    {
        const char* what;
        TMarcRecord record;
        ECheckKind kind;
        const char* place;
    };
    TMarcRecord xNo008 = qxBooksRecord({});
    xNo008.qvRemoveField(0);
    TMarcRecord xBadParts = qxBooksRecord({});
    xBadParts.qrxGetLeader().qvSetAt(23, '1');
    const std::string x008 = qxCleanField(*qpxGetBibliographic008Layout(eBooks), 40, '\0');
    TMarcRecord xUndefined32 = qxBooksRecord({});
    xUndefined32.qvRemoveField(0);
    xUndefined32.qvOrderedInsert(qxTag(8, qxPatched(x008, 32, "x")));
    const TRuleCase kCases[] = {
        {"short 008", qxRecordOf(qxBooksRecord({}).qrxGetLeader().qpacGetData(), {{8, x008.substr(0, 36)}}),
         eCheckFieldLength, "008"},
        {"unknown 007 category", qxBooksRecord({{7, "x|||||||"}}), eCheckNoLayout, "007/00"},
        {"007 category u", qxBooksRecord({{7, "u"}}), eCheckNoLayout, "007/00"},
        {"006 form u", qxBooksRecord({{6, "u                 "}}), eCheckNoLayout, "006/00"},
        {"856 7 without $2", qxBooksRecord({{856, "70\x1fuhttp://example.org/"}}), eCheckSubfield2,
         "856 first indicator"},
        {"856 4 with $2",
         qxBooksRecord({{856, "40\x1fuhttp://example.org/\x1f"
                              "2gopher"}}),
         eCheckSubfield2, "856 first indicator"},
        {"856 second indicator 9", qxBooksRecord({{856, "49\x1fuhttp://example.org/"}}), eCheckIndicator,
         "856 second indicator"},
        {"no 008", xNo008, eCheckMissing008, "record"},
        {"two 008", qxBooksRecord({{8, x008}}), eCheckRepeated008, "008 (2)"},
        {"Leader 20-23", xBadParts, eCheckLeaderStructure, "Leader/20-23"},
        {"books 32 undefined", xUndefined32, eCheckUndefinedPosition, "008/32"},
        {"long 006", qxBooksRecord({{6, qxCleanField(*qpxGet006Layout(eBooks), 18, 'a') + "x"}}), eCheckFieldLength,
         "006"},
    };
    for (const TRuleCase& rxCase : kCases)
    {
        const std::vector<TCheckFinding> xFindings = qxCheck(rxCase.record);
        ASSERT_EQ(xFindings.size(), 1u) << rxCase.what << "\n" << qxShow(xFindings);
        EXPECT_EQ(xFindings[0].meKind, rxCase.kind) << rxCase.what;
        EXPECT_EQ(qxDescribePlace(xFindings[0]), rxCase.place) << rxCase.what;
    }
    EXPECT_EQ(qxShow(qxCheck(qxBooksRecord({{856, "70\x1fuhttp://example.org/\x1f"
                                                  "2gopher"}}))),
              "");
}

TEST(TRecordCheckerTest, FillWhereTheListHasNoneAndUndefinedPositionsAreWarnings)
{
    const std::vector<TCheckCase> xCases = qxAllCheckCases();
    int iFillCases = 0;
    for (const TCheckCase& rxCase : xCases)
        for (const TLayoutList* pxList = rxCase.layoutCase.layout->lists; pxList->listId != 0; ++pxList)
        {
            if (qiFindCodeRow(pxList->codeList, "|||") >= 0)
                continue;
            std::string xField = qxCleanField(*rxCase.layoutCase.layout, rxCase.layoutCase.fieldLength, rxCase.first);
            xField.replace(static_cast<std::size_t>(pxList->position), std::strlen(pxList->codeList[0].code),
                           std::string(std::strlen(pxList->codeList[0].code), '|'));
            const std::vector<TCheckFinding> xFindings = qxCheck(qxRecordWith(rxCase, xField));
            ASSERT_EQ(xFindings.size(), 1u) << rxCase.layoutCase.name << "\n" << qxShow(xFindings);
            EXPECT_EQ(xFindings[0].meKind, eCheckFillCharacter);
            EXPECT_EQ(xFindings[0].meSeverity, eCheckWarning);
            ++iFillCases;
        }
    EXPECT_GT(iFillCases, 0) << "every list offers the fill character: nothing was tried";
}

// Every default 008 the editors and add-008 write passes the checker: it is as
// long as its type's 008 must be and holds a code of every list (the holdings
// default's blanks at 08-11, 13 and 15 among them).
TEST(TRecordCheckerTest, TheDefault008OfEveryTypePasses)
{
    std::set<EGeneric008> xChecked;
    for (const char c06 : std::string("acdefgijkmoprtuvxyzqw"))
        for (const char c07 : std::string("ms"))
        {
            TMarcRecord xRecord = qxRecordOfType(c06, c07);
            if (!qtAddGeneric008(xRecord, true))
                continue;
            xChecked.insert(qeChooseGeneric008(xRecord.qrxGetLeader()));
            std::vector<TCheckFinding> xFindings = qxCheck(xRecord);
            std::vector<TCheckFinding> x008Findings;
            for (const TCheckFinding& rxFinding : xFindings)
                if (rxFinding.miTag == 8)
                    x008Findings.push_back(rxFinding);
            EXPECT_EQ(qxShow(x008Findings), "") << "Leader/06-07 " << c06 << c07;
        }
    EXPECT_EQ(xChecked.size(), static_cast<std::size_t>(eGeneric008None));
}

TEST(TRecordCheckerTest, Iso2709BytesAreReadLenientlyAndRepairsAreFindings)
{
    TRecordChecker xChecker;
    const std::string xGood = qxIso2709(qxBooksRecord({}));
    EXPECT_TRUE(xChecker.qtCheckIso2709(qpaxBytes(xGood), static_cast<uint32_t>(xGood.size())));
    EXPECT_EQ(qxShow(xChecker.qrxGetFindings()), "");
    EXPECT_FALSE(xChecker.qtHasErrors());

    // A record length two bytes short: the read repairs it and says so.
    const std::string xShortLength = qxPatched(
        xGood, 0, std::to_string(xGood.size() - 2).insert(0, 5 - std::to_string(xGood.size() - 2).size(), '0'));
    EXPECT_TRUE(xChecker.qtCheckIso2709(qpaxBytes(xShortLength), static_cast<uint32_t>(xShortLength.size())));
    ASSERT_FALSE(xChecker.qrxGetFindings().empty());
    EXPECT_EQ(xChecker.qrxGetFindings()[0].meKind, eCheckRepaired);
    EXPECT_TRUE(xChecker.qtHasErrors());

    const std::string xNoRecord = "not a record at all";
    EXPECT_FALSE(xChecker.qtCheckIso2709(qpaxBytes(xNoRecord), static_cast<uint32_t>(xNoRecord.size())));
    ASSERT_EQ(xChecker.qrxGetFindings().size(), 1u);
    EXPECT_EQ(xChecker.qrxGetFindings()[0].meKind, eCheckUnreadable);
}
}
