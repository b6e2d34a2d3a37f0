// The default 008: which records get one, where it goes, and that each default
// is one the 008 editor shows as it stands.
#include "support/TTestRecords.h"

#include "base/TCodeMatch.h"
#include "base/TMaterialType.h"
#include "editors/008/T008Layout.h"
#include "editors/008/TGeneric008.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace
{
// The Leader 06 codes MARC 21 gives bibliographic records, and every 07 code.
const char kBibliographicTypes[] = "acdefgijkmoprt";
const char kBibliographicLevels[] = "abcdims";

// What the 008 editor would make of the field: each list's matching codes,
// one but at the positions given.
void qvExpectShownAsItStands(const std::string& rx008, const T008Layout& rxLayout, const std::string& rxWhat,
                             const std::set<int>& rxUnmatched = {})
{
    for (const T008List* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
    {
        int iMatches = 0;
        for (const TCodeListEntry* pxEntry = pxList->codeList; pxEntry->labelId != 0; ++pxEntry)
            iMatches += qtCodeMatches(rx008.c_str() + pxList->position, pxEntry->code) ? 1 : 0;
        EXPECT_EQ(rxUnmatched.count(pxList->position) ? 0 : 1, iMatches) << rxWhat << ": position " << pxList->position << " of \"" << rx008 << "\"";
    }
    for (const T008Edit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
        EXPECT_LE(static_cast<std::size_t>(pxEdit->position + pxEdit->length), rx008.size()) << rxWhat;
}
}

TEST(Generic008, EveryBibliographicDefaultIsPreselectedByTheLayoutItIsShownWith)
{
    for (const char* pcType = kBibliographicTypes; *pcType != '\0'; ++pcType)
    {
        for (const char* pcLevel = kBibliographicLevels; *pcLevel != '\0'; ++pcLevel)
        {
            const std::string xWhat = std::string("06 ") + *pcType + ", 07 " + *pcLevel;
            TMarcRecord record = qxRecordOfType(*pcType, *pcLevel);
            ASSERT_TRUE(qtAddGeneric008(record, false)) << xWhat;
            const std::string x008 = qx008(record);
            ASSERT_EQ(40u, x008.size()) << xWhat;
            EXPECT_TRUE(std::all_of(x008.begin(), x008.begin() + 6, [](char c) { return std::isdigit(c); }))
                << xWhat << ": date entered on file";
            // Language material of level i (integrating resource) is shown with the
            // continuing-resources layout but given the Books default.
            const EMaterialType eShownAs = (*pcType == 'a' && *pcLevel == 'i')
                                               ? eBooks
                                               : qeGetMaterialTypeOf(record.qrxGetLeader());
            const T008Layout* pxLayout = qpxGet008Layout(eBibliographic, eShownAs);
            ASSERT_NE(nullptr, pxLayout) << xWhat;
            qvExpectShownAsItStands(x008, *pxLayout, xWhat);
        }
    }
}

// So are the other formats' defaults, but for the holdings positions that the
// default leaves blank (13 policy type, 15 unit type), which no list offers.
TEST(Generic008, EveryOtherFormatsDefaultIsPreselectedByItsLayout)
{
    for (const auto& [cType, eFormat] :
         {std::pair{'z', eAuthority}, std::pair{'y', eHoldings}, std::pair{'q', eCommunity}, std::pair{'w', eClassification}})
    {
        TMarcRecord record = qxRecordOfType(cType, ' ');
        ASSERT_TRUE(qtAddGeneric008(record, false)) << cType;
        std::string x008 = qx008(record);
        x008.resize(40, ' ');
        qvExpectShownAsItStands(x008, *qpxGetOtherFormat008Layout(eFormat), std::string("06 ") + cType,
                                eFormat == eHoldings ? std::set<int>{13, 15} : std::set<int>{});
    }
}

TEST(Generic008, ARecordGetsADefaultExactlyWhenItsFormatHasAnEditorLayout)
{
    for (int c = 0x20; c < 0x7F; ++c)
    {
        TMarcRecord record = qxRecordOfType(static_cast<char>(c), 'm');
        const TMarcRecord before = record;
        const TMarcLeader& rxLeader = record.qrxGetLeader();
        const bool tHasLayout =
            qpxGet008Layout(rxLeader.qeGetType(), qeGetMaterialTypeOf(rxLeader)) != nullptr;
        EXPECT_EQ(tHasLayout, qtAddGeneric008(record, true)) << "06 '" << static_cast<char>(c) << "'";
        if (!tHasLayout)
        {
            EXPECT_EQ(qxIso2709(before), qxIso2709(record)) << "06 '" << static_cast<char>(c) << "'";
            continue;
        }
        // The length MARC 21 gives the 008 of each format.
        const std::size_t nLength = rxLeader.qeGetType() == eHoldings         ? 32
                                    : rxLeader.qeGetType() == eClassification ? 14
                                    : rxLeader.qeGetType() == eCommunity      ? 15
                                                                               : 40;
        EXPECT_EQ(nLength, qx008(record).size()) << "06 '" << static_cast<char>(c) << "'";
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
    TMarcTag f001(1), second008(8);
    f001.qvSetData("ocm123", false);
    second008.qvSetData("second", false);
    record.qvOrderedInsert(f001);
    record.qvOrderedInsert(second008);

    EXPECT_FALSE(qtAddGeneric008(record, false));
    EXPECT_EQ(kOld008, qx008(record));

    EXPECT_TRUE(qtAddGeneric008(record, true));
    EXPECT_EQ(qpacGetGeneric008(eGeneric008Books), qx008(record));
    EXPECT_EQ("second", qx008(record, 2));
    EXPECT_EQ(4u, record.qdwGetFieldCount());

    TMarcRecord map = qxRecordOfType('e', 'm');
    map.qvOrderedInsert(f001);
    ASSERT_TRUE(qtAddGeneric008(map, false));
    ASSERT_EQ(3u, map.qdwGetFieldCount());
    EXPECT_EQ(1, map.qrxGetField(0).qiGetTagNumber());
    EXPECT_EQ(8, map.qrxGetField(1).qiGetTagNumber());
    EXPECT_EQ(245, map.qrxGetField(2).qiGetTagNumber());
}
