// The material type that leader 06 and 07 imply, and the preselection rule of
// the code lists.
#include "base/TCodeMatch.h"
#include "base/TMaterialType.h"
#include "recordlib/TMarcLeader.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
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
        {"abc", "a", true},
        {"abc", "b", false},
        {" bc", " ", true},
        {"Abc", "a", false}, // case counts
        {"abc", "A", false},
        {"aab", "aa", true},
        {"aba", "aa", false},
        {"   x", "  ", true},
        {" x", "  ", false},
        {"a", "aa", false}, // one character left for a code of two
        {"en", "eng", false},
        {"abcdefghijkl", "abcdefghijk", true},
        {"abc", "", true}, // an empty code matches always
        {"", "", true},
        {"", "a", false},
        {nullptr, "", true}, // null is an empty string
        {nullptr, "a", false},
        {"abc", nullptr, true},
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
