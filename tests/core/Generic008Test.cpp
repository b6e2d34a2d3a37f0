// The default 008, through the exported facade (natively on its own, under
// Wine from OrvoFieldEditors.dll).
#include "manager/TFieldEditorManager.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TMarcTag.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TMarcRecord qxRecord(char cType, char cLevel)
{
    char leader[] = "00000nam a2200000 a 4500";
    leader[6] = cType;
    leader[7] = cLevel;
    TMarcRecord record;
    record.qvSetLeader(leader);
    return record;
}

std::string qx008(const TMarcRecord& rxRecord, int iOccurrence = 1)
{
    TMarcTag field;
    if (!rxRecord.qtFindTag(8, field, iOccurrence))
        return "(none)";
    return std::string(field.qpacGetData(), field.qdwGetDataSize());
}

const char* const kBooks = "001031s           |||||||||||||| ||eng |";
const char* const kContinuing = "001031s           |||||||||||0   ||eng |";
const char* const kMusic = "001031s           ||| ||||||||||   eng |";
const char* const kMaps = "001031s           |||||| |  || | ||eng |";
const char* const kVisual = "001031s           ||| |     ||   ||eng |";
const char* const kComputer = "001031s               |   | |      eng |";
const char* const kMixed = "001031s                |           eng |";
const char* const kAuthority = "001031|||d||||||||          || |||    ||";
const char* const kHoldings = "0010310u    0   4001uu   0001031";
const char* const kClassification = "001031annnacna";
const char* const kCommunity = "001031uuuuuueng";
}

TEST(Generic008, EveryTypeOfRecordGetsItsDefault)
{
    const struct
    {
        char cType;
        char cLevel;
        const char* pacExpected;
    } rows[] = {
        {'a', 'b', kContinuing}, {'a', 's', kContinuing},
        {'a', 'a', kBooks}, {'a', 'c', kBooks}, {'a', 'd', kBooks}, {'a', 'm', kBooks}, {'a', 'i', kBooks},
        {'a', ' ', kBooks},
        {'t', 's', kBooks}, // only language material looks at the level
        {'c', 'm', kMusic}, {'d', 'm', kMusic}, {'i', 'm', kMusic}, {'j', 's', kMusic},
        {'e', 'm', kMaps}, {'f', 'm', kMaps},
        {'g', 'm', kVisual}, {'k', 'm', kVisual}, {'o', 'm', kVisual}, {'r', 'm', kVisual},
        {'m', 'm', kComputer},
        {'p', 'c', kMixed},
        {'z', 'n', kAuthority},
        {'u', ' ', kHoldings}, {'v', ' ', kHoldings}, {'x', ' ', kHoldings}, {'y', ' ', kHoldings},
        {'w', ' ', kClassification},
        {'q', 'n', kCommunity},
    };
    for (const auto& row : rows)
    {
        TMarcRecord record = qxRecord(row.cType, row.cLevel);
        EXPECT_TRUE(TFieldEditorManager::qtAddGeneric008ToRecord(record, false)) << row.cType << row.cLevel;
        EXPECT_EQ(row.pacExpected, qx008(record)) << row.cType << row.cLevel;
    }
}

TEST(Generic008, ShortFormsAreKeptShort)
{
    TMarcRecord holdings = qxRecord('y', ' ');
    TMarcRecord classification = qxRecord('w', ' ');
    TMarcRecord community = qxRecord('q', ' ');
    TFieldEditorManager::qtAddGeneric008ToRecord(holdings, false);
    TFieldEditorManager::qtAddGeneric008ToRecord(classification, false);
    TFieldEditorManager::qtAddGeneric008ToRecord(community, false);
    EXPECT_EQ(32u, qx008(holdings).size());
    EXPECT_EQ(14u, qx008(classification).size());
    EXPECT_EQ(15u, qx008(community).size());
}

TEST(Generic008, UnknownTypeOfRecordGetsNothing)
{
    for (char c : {'b', 'h', 'l', 'n', ' ', '#'})
    {
        TMarcRecord record = qxRecord(c, 'm');
        const uint32_t dwFields = record.qdwGetFieldCount();
        EXPECT_FALSE(TFieldEditorManager::qtAddGeneric008ToRecord(record, true)) << c;
        EXPECT_EQ(dwFields, record.qdwGetFieldCount()) << c;
    }
}

TEST(Generic008, ReplaceFlagDecidesAboutAnExisting008)
{
    TMarcRecord record = qxRecord('a', 'm');
    TMarcTag f001(1), f008(8), second008(8), f245(245);
    f001.qvSetData("ocm123", false);
    f008.qvSetData("861028s1986    nyu           000 0 eng  ", false);
    second008.qvSetData("second", false);
    f245.qvSetData("10\x1f" "aTitle", true);
    record.qvOrderedInsert(f245);
    record.qvOrderedInsert(f001);
    record.qvOrderedInsert(f008);
    record.qvOrderedInsert(second008);

    EXPECT_FALSE(TFieldEditorManager::qtAddGeneric008ToRecord(record, false));
    EXPECT_EQ("861028s1986    nyu           000 0 eng  ", qx008(record));

    EXPECT_TRUE(TFieldEditorManager::qtAddGeneric008ToRecord(record, true));
    EXPECT_EQ(kBooks, qx008(record));
    EXPECT_EQ("second", qx008(record, 2));
    EXPECT_EQ(4u, record.qdwGetFieldCount());
}

TEST(Generic008, NewFieldGoesInTagOrder)
{
    TMarcRecord record = qxRecord('e', 'm');
    TMarcTag f001(1), f245(245);
    f001.qvSetData("id", false);
    f245.qvSetData("10\x1f" "aMap", true);
    record.qvOrderedInsert(f001);
    record.qvOrderedInsert(f245);
    ASSERT_TRUE(TFieldEditorManager::qtAddGeneric008ToRecord(record, false));
    ASSERT_EQ(3u, record.qdwGetFieldCount());
    EXPECT_EQ(1, record.qrxGetField(0).qiGetTagNumber());
    EXPECT_EQ(8, record.qrxGetField(1).qiGetTagNumber());
    EXPECT_EQ(245, record.qrxGetField(2).qiGetTagNumber());
}
