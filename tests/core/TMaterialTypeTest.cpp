// The material type that leader 06 and 07 imply, and the preselection rule of
// the code lists.
#include "base/TCodeMatch.h"
#include "base/TMaterialType.h"
#include "recordlib/TMarcLeader.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
EMaterialType qeMaterialOf(char cType, char cLevel)
{
    std::string xData = "00000nam a2200000 a 4500";
    xData[6] = cType;
    xData[7] = cLevel;
    TMarcLeader xLeader;
    xLeader.qvSetData(xData.c_str());
    return qeGetMaterialTypeOf(xLeader);
}

TMarcLeader qxLeaderOf(char cType)
{
    std::string xData = "00000nam a2200000 a 4500";
    xData[6] = cType;
    TMarcLeader xLeader;
    xLeader.qvSetData(xData.c_str());
    return xLeader;
}

// Every level code a leader can hold at 07 in these tests, known or not.
const char acAllLevels[] = "abcdimsn x|";
}

TEST(MaterialType, OnlyLanguageMaterialLooksAtTheLevelAndOnlyBibliographicRecordsHaveOne)
{
    for (int c = 0x20; c < 0x7F; ++c)
    {
        const char cType = static_cast<char>(c);
        const EMaterialType eFirst = qeMaterialOf(cType, acAllLevels[0]);
        if (qxLeaderOf(cType).qeGetType() != eBibliographic)
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

TEST(CodeMatch, OneCharacterCodesCompareTheCharacterAtThePosition)
{
    EXPECT_TRUE(qtCodeMatches("abc", "a"));
    EXPECT_FALSE(qtCodeMatches("abc", "b"));
    EXPECT_TRUE(qtCodeMatches(" bc", " "));
    EXPECT_TRUE(qtCodeMatches("|", "|"));
    // Case counts: A is not a.
    EXPECT_FALSE(qtCodeMatches("Abc", "a"));
    EXPECT_FALSE(qtCodeMatches("abc", "A"));
}

TEST(CodeMatch, LongerCodesNeedEveryCharacterAndEnoughField)
{
    EXPECT_TRUE(qtCodeMatches("aab", "aa"));
    EXPECT_FALSE(qtCodeMatches("aba", "aa"));
    EXPECT_FALSE(qtCodeMatches("ba", "aa"));
    EXPECT_TRUE(qtCodeMatches("   x", "  "));
    EXPECT_FALSE(qtCodeMatches(" x", "  "));
    // One character left for a two-character code.
    EXPECT_FALSE(qtCodeMatches("a", "aa"));
    EXPECT_FALSE(qtCodeMatches(" ", "  "));
    EXPECT_TRUE(qtCodeMatches("eng", "eng"));
    EXPECT_FALSE(qtCodeMatches("en", "eng"));
    EXPECT_TRUE(qtCodeMatches("abcdefghijkl", "abcdefghijk"));
}

TEST(CodeMatch, EmptyCodesMatchAndAnEndedFieldMatchesNothingElse)
{
    EXPECT_TRUE(qtCodeMatches("abc", ""));
    EXPECT_TRUE(qtCodeMatches("", ""));
    EXPECT_FALSE(qtCodeMatches("", "a"));
    EXPECT_FALSE(qtCodeMatches("", " "));
    EXPECT_TRUE(qtCodeMatches(nullptr, ""));
    EXPECT_FALSE(qtCodeMatches(nullptr, "a"));
    EXPECT_TRUE(qtCodeMatches("abc", nullptr));
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
