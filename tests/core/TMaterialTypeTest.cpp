// The material type that leader 06 and 07 imply, and the preselection rule of
// the code lists (natively on their own, under Wine from OrvoFieldEditors.dll).
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

// Every level code a leader can hold at 07 in these tests, known or not.
const char acAllLevels[] = "abcdimsn x|";

struct TMaterialCase
{
    char cType;
    const char* pacLevels; // the levels this row covers
    EMaterialType eExpected;
};
}

TEST(MaterialType, LanguageMaterialDependsOnTheBibliographicLevel)
{
    const TMaterialCase axCases[] = {
        {'a', "acdm", eBooks},
        {'a', "bis", eContinuingResources},
        {'a', "n x|", eUnknownMaterial},
    };
    for (const TMaterialCase& rxCase : axCases)
    {
        for (const char* p = rxCase.pacLevels; *p != '\0'; ++p)
            EXPECT_EQ(rxCase.eExpected, qeMaterialOf(rxCase.cType, *p)) << "06 a, 07 '" << *p << "'";
    }
}

TEST(MaterialType, EveryOtherTypeIgnoresTheBibliographicLevel)
{
    const TMaterialCase axCases[] = {
        {'t', acAllLevels, eBooks},
        {'c', acAllLevels, eMusic},
        {'d', acAllLevels, eMusic},
        {'i', acAllLevels, eMusic},
        {'j', acAllLevels, eMusic},
        {'e', acAllLevels, eMaps},
        {'f', acAllLevels, eMaps},
        {'g', acAllLevels, eVisualMaterials},
        {'k', acAllLevels, eVisualMaterials},
        {'o', acAllLevels, eVisualMaterials},
        {'r', acAllLevels, eVisualMaterials},
        {'m', acAllLevels, eComputerFiles},
        {'p', acAllLevels, eMixedMaterials},
        // Holdings, authority, classification, community and codes MARC 21 does not have.
        {'u', acAllLevels, eUnknownMaterial},
        {'v', acAllLevels, eUnknownMaterial},
        {'x', acAllLevels, eUnknownMaterial},
        {'y', acAllLevels, eUnknownMaterial},
        {'z', acAllLevels, eUnknownMaterial},
        {'w', acAllLevels, eUnknownMaterial},
        {'q', acAllLevels, eUnknownMaterial},
        {'b', acAllLevels, eUnknownMaterial},
        {'h', acAllLevels, eUnknownMaterial},
        {' ', acAllLevels, eUnknownMaterial},
        {'A', acAllLevels, eUnknownMaterial},
    };
    for (const TMaterialCase& rxCase : axCases)
    {
        for (const char* p = rxCase.pacLevels; *p != '\0'; ++p)
            EXPECT_EQ(rxCase.eExpected, qeMaterialOf(rxCase.cType, *p))
                << "06 '" << rxCase.cType << "', 07 '" << *p << "'";
    }
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
