// The default 008: which records get one, where it goes, and that each default
// is one the 008 editor shows as it stands; then the material type a record's
// leader implies and the rule by which a code list preselects a row.
#include "support/TLayoutRules.h"
#include "support/TTestRecords.h"

#include "core/TCodeMatch.h"
#include "core/TMaterialType.h"
#include "core/T008Layout.h"
#include "core/TGeneric008.h"
#include "recordlib/TMarcLeader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <string>

namespace
{
// The Leader 06 codes MARC 21 gives bibliographic records, and every 07 code.
const char kBibliographicTypes[] = "acdefgijkmoprt";
const char kBibliographicLevels[] = "abcdims";

TMarcLeader qxLeaderOf(char cType, char cLevel)
{
    std::string xData = "00000nam a2200000 a 4500";
    xData[6] = cType;
    xData[7] = cLevel;
    TMarcLeader xLeader;
    xLeader.qvSetData(xData.c_str());
    return xLeader;
}

EMaterialType qeMaterialOf(char cType, char cLevel)
{
    return qeGetMaterialTypeOf(qxLeaderOf(cType, cLevel));
}

// Every level code a leader can hold at 07 in these tests, known or not.
const char acAllLevels[] = "abcdimsn x|";
}

// A record gets a default exactly when its format has an editor layout: every
// format but patron, and bibliographic records of a MARC 21 type. The default
// has the length MARC 21 gives the format's 008, begins with the date entered
// on file, and is preselected position by position by the layout it is shown
// with, but for the holdings positions it leaves blank (13 policy type, 15
// unit type), which no list offers.
TEST(Generic008, ARecordGetsADefaultExactlyWhenItsFormatHasALayoutThatShowsItAsItStands)
{
    for (int c = 0x20; c < 0x7F; ++c)
        for (const char* pcLevel = kBibliographicLevels; *pcLevel != '\0'; ++pcLevel)
        {
            const char cType = static_cast<char>(c);
            SCOPED_TRACE(std::string("06 ") + cType + ", 07 " + *pcLevel);
            TMarcRecord record = qxRecordOfType(cType, *pcLevel);
            const TMarcRecord before = record;
            const EMarcType eFormat = record.qrxGetLeader().qeGetType();
            // Language material of level i (integrating resource) is shown with the
            // continuing-resources layout but given the Books default.
            const EMaterialType eShownAs =
                (cType == 'a' && *pcLevel == 'i') ? eBooks : qeGetMaterialTypeOf(record.qrxGetLeader());
            const T008Layout* pxLayout = qpxGet008Layout(eFormat, eShownAs);
            ASSERT_EQ(eFormat != eBibliographic || std::strchr(kBibliographicTypes, cType), pxLayout != nullptr);
            EXPECT_EQ(pxLayout != nullptr, qtAddGeneric008(record, true));
            if (pxLayout == nullptr)
            {
                EXPECT_EQ(qxIso2709(before), qxIso2709(record));
                continue;
            }
            std::string x008 = qx008(record);
            const std::map<EMarcType, std::size_t> kShorter = {
                {eHoldings, 32}, {eClassification, 14}, {eCommunity, 15}};
            EXPECT_EQ(kShorter.count(eFormat) ? kShorter.at(eFormat) : 40u, x008.size());
            EXPECT_TRUE(std::all_of(x008.begin(), x008.begin() + 6, [](char d) { return std::isdigit(d); }));
            x008.resize(40, ' ');
            qvExpectShownAsItStands(x008, *pxLayout, false);
        }
    // Language material of an unknown level still gets the Books default.
    TMarcRecord unknownLevel = qxRecordOfType('a', ' ');
    EXPECT_TRUE(qtAddGeneric008(unknownLevel, false));
    EXPECT_EQ(qpacGetGeneric008(eGeneric008Books), qx008(unknownLevel));
}

TEST(Generic008, AnExisting008IsReplacedOnlyWhenAskedAndANewOneGoesInTagOrder)
{
    const char kOld008[] = "861028s1986    nyu           000 0 eng  ";
    TMarcRecord record = qxRecordOfType('a', 'm', kOld008);
    record.qvOrderedInsert(qxTag(1, "ocm123"));
    record.qvOrderedInsert(qxTag(8, "second"));

    EXPECT_FALSE(qtAddGeneric008(record, false));
    EXPECT_EQ(kOld008, qx008(record));

    EXPECT_TRUE(qtAddGeneric008(record, true));
    EXPECT_EQ(qpacGetGeneric008(eGeneric008Books), qx008(record));
    EXPECT_EQ("second", qx008(record, 2));
    EXPECT_EQ(4u, record.qdwGetFieldCount());

    TMarcRecord map = qxRecordOfType('e', 'm');
    map.qvOrderedInsert(qxTag(1, "ocm123"));
    ASSERT_TRUE(qtAddGeneric008(map, false));
    ASSERT_EQ(3u, map.qdwGetFieldCount());
    EXPECT_EQ(1, map.qrxGetField(0).qiGetTagNumber());
    EXPECT_EQ(8, map.qrxGetField(1).qiGetTagNumber());
    EXPECT_EQ(245, map.qrxGetField(2).qiGetTagNumber());
}

// The material type that leader 06 and 07 imply, and the preselection rule of
// the code lists.
TEST(MaterialType, OnlyLanguageMaterialLooksAtTheLevelAndOnlyBibliographicRecordsHaveOne)
{
    for (int c = 0x20; c < 0x7F; ++c)
    {
        const char cType = static_cast<char>(c);
        const EMaterialType eFirst = qeMaterialOf(cType, acAllLevels[0]);
        if (qxLeaderOf(cType, 'm').qeGetType() != eBibliographic)
        {
            EXPECT_EQ(eUnknownMaterial, eFirst) << "06 '" << cType << "'";
        }
        if (cType == 'a')
            continue;
        for (const char* pcLevel = acAllLevels; *pcLevel != '\0'; ++pcLevel)
            EXPECT_EQ(eFirst, qeMaterialOf(cType, *pcLevel)) << "06 '" << cType << "', 07 '" << *pcLevel << "'";
    }
}

TEST(MaterialType, LanguageMaterialIsABookOrAContinuingResourceByItsLevel)
{
    // MARC 21: monographic levels take the Books 008, serial and integrating ones
    // the Continuing resources 008; a level MARC 21 does not define, neither.
    for (char cLevel : {'a', 'c', 'd', 'm'})
        EXPECT_EQ(eBooks, qeMaterialOf('a', cLevel)) << cLevel;
    for (char cLevel : {'b', 'i', 's'})
        EXPECT_EQ(eContinuingResources, qeMaterialOf('a', cLevel)) << cLevel;
    for (char cLevel : {'n', ' ', 'x', '|'})
        EXPECT_EQ(eUnknownMaterial, qeMaterialOf('a', cLevel)) << cLevel;
}

TEST(CodeMatch, EveryCharacterOfTheCodeMustStandInTheFieldFromThePosition)
{
    const struct
    {
        const char* pacField; // from the list's position on
        const char* pacCode;
        bool tMatches;
    } axCases[] = {
        {"abc", "a", true},    {"abc", "b", false},
        {" bc", " ", true},    {"Abc", "a", false}, // case counts
        {"abc", "A", false},   {"aab", "aa", true},
        {"aba", "aa", false},  {"   x", "  ", true},
        {" x", "  ", false},   {"a", "aa", false}, // one character left for a code of two
        {"en", "eng", false},  {"abcdefghijkl", "abcdefghijk", true},
        {"abc", "", true}, // an empty code matches always
        {"", "", true},        {"", "a", false},
        {nullptr, "", true}, // null is an empty string
        {nullptr, "a", false}, {"abc", nullptr, true},
    };
    for (const auto& rxCase : axCases)
        EXPECT_EQ(rxCase.tMatches, qtCodeMatches(rxCase.pacField, rxCase.pacCode))
            << (rxCase.pacField ? rxCase.pacField : "null") << " / " << (rxCase.pacCode ? rxCase.pacCode : "null");
}

TEST(CodeMatch, TheFieldIsNotReadPastItsEnd)
{
    // A field of one character with nothing after its terminator: under the
    // sanitizers a read past it would be reported.
    char* pacField = new char[2]{'a', '\0'};
    EXPECT_FALSE(qtCodeMatches(pacField, "ab"));
    EXPECT_FALSE(qtCodeMatches(pacField + 1, "a"));
    delete[] pacField;
}
