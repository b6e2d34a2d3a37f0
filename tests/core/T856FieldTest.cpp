// The 856 subfield list: parsing keeps every subfield in field order,
// rebuilding gives back what the cataloguer did not change byte for byte less
// the empty subfields, and the searches step over occurrences as the dialog's
// Previous and Next buttons need. "$" stands for the delimiter in the fields below.
#include "core/T856CodeLists.h"
#include "core/T856Field.h"
#include "support/T856Text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{
TMarcTag qxTag(const std::string& rxData)
{
    TMarcTag xTag(856);
    xTag.qvSetData(rxData.c_str(), false);
    return xTag;
}

std::string qxRebuilt(T856Field& rxField)
{
    rxField.qvRebuildField();
    return qxReadable(rxField.qrxGetTag().qpacGetData());
}

std::vector<const TSubfieldNode*> qxNodes(const T856Field& rxField)
{
    std::vector<const TSubfieldNode*> xNodes;
    for (const TSubfieldNode* pxNode = rxField.qpxFirstSubfield(); pxNode != nullptr; pxNode = pxNode->mpxNext)
        xNodes.push_back(pxNode);
    return xNodes;
}
}

TEST(T856FieldTest, ParsesInFieldOrderAndRebuildsLessEmptySubfields)
{
    struct TCase
    {
        const char* input;
        const char* codes;
        const char* rebuilt;
    } const kCases[] = {
        {"4 $uhttp://a.org/$zfirst$zsecond", "uzz", "4 $uhttp://a.org/$zfirst$zsecond"},
        {"40$uhttp://a.org/$", "u", "40$uhttp://a.org/"},
        {"40$uhttp://a.org/$z", "u", "40$uhttp://a.org/"},
        {"40$u$zonly note", "uz", "40$zonly note"},
        {"40$$after two delimiters$uhttp://a", "\x1Fu", "40$$after two delimiters$uhttp://a"},
        {"7 $4rel$uhttp://a$7x$2ftp", "4u72", "7 $4rel$uhttp://a$7x$2ftp"},
        {"40", "", "40"},
        {"40$", "", "40$"},
    };
    for (const TCase& rxCase : kCases)
    {
        T856Field xField(qxTag(qxField(rxCase.input)));
        std::string xCodes;
        for (const TSubfieldNode* pxNode : qxNodes(xField))
            xCodes += pxNode->mcCode;
        EXPECT_EQ(xCodes, rxCase.codes) << rxCase.input;
        EXPECT_EQ(qxRebuilt(xField), rxCase.rebuilt) << rxCase.input;
    }
}

TEST(T856FieldTest, EditsRebuildWithAddedSubfieldsLast)
{
    T856Field xField(qxTag(qxField("40$uhttp://a$zone$ztwo")));
    TSubfieldNode* pxFirstZ = xField.qpxFindSubfield('z', nullptr, false);
    TSubfieldNode* pxSecondZ = xField.qpxFindSubfield('z', pxFirstZ, false);
    ASSERT_NE(pxSecondZ, nullptr);
    EXPECT_TRUE(xField.qtRemoveSubfield(pxSecondZ));
    TSubfieldNode xForeign;
    EXPECT_FALSE(xField.qtRemoveSubfield(&xForeign));
    T856Field::qvSetSubfieldData(*xField.qpxAppendSubfield('y'), "link");
    EXPECT_EQ(qxRebuilt(xField), "40$uhttp://a$zone$ylink");

    // A new $u starts with the scheme; a delimiter typed into a subfield would
    // split it, so it is left out.
    TSubfieldNode* pxUri = xField.qpxAppendSubfield('u');
    EXPECT_EQ(std::string(pxUri->mxData.qpacGetData()), "http://");
    T856Field::qvSetSubfieldData(*pxUri, qxField("b$c"));
    EXPECT_EQ(qxRebuilt(xField), "40$uhttp://a$zone$ylink$ubc");
}

TEST(T856FieldTest, NewFieldRebuildsToItsIndicators)
{
    T856Field xEmpty(qxTag(""));
    xEmpty.qpxAppendSubfield('h');
    EXPECT_EQ(qxRebuilt(xEmpty), "  ");

    T856Field xChosen(qxTag(""));
    xChosen.qvSetIndicator(1, '4');
    EXPECT_EQ(qxRebuilt(xChosen), "4 ");
}

TEST(T856FieldTest, SearchesStepOverOccurrences)
{
    T856Field xField(qxTag(qxField("40$uone$ztwo$u$uthree$h$hsecond h$u$ylink")));
    const std::vector<const TSubfieldNode*> xNodes = qxNodes(xField);
    ASSERT_EQ(xNodes.size(), 8u);
    const TSubfieldNode* pxFirstU = xNodes[0];
    const TSubfieldNode* pxThirdU = xNodes[3];
    const TSubfieldNode* pxLastU = xNodes[6];

    EXPECT_EQ(xField.qpxFindSubfield('u', nullptr, false), pxFirstU);
    EXPECT_EQ(xField.qpxFindSubfield('u', pxFirstU, true), nullptr);
    EXPECT_EQ(xField.qpxFindSubfield('u', nullptr, true), nullptr);
    // Forwards skips the empty $u when one with data follows; backwards skips it always.
    EXPECT_EQ(xField.qpxFindSubfield('u', pxFirstU, false), pxThirdU);
    EXPECT_EQ(xField.qpxFindSubfield('u', pxLastU, true), pxThirdU);
    // Forwards lands on an empty one only when nothing with data follows.
    EXPECT_EQ(xField.qpxFindSubfield('u', pxThirdU, false), pxLastU);
    EXPECT_EQ(xField.qpxFindSubfield('u', pxLastU, false), nullptr);
    // A non-repeatable code gives its first node, empty or not.
    EXPECT_EQ(xField.qpxFindSubfield('h', nullptr, false), xNodes[4]);
    EXPECT_EQ(xField.qpxFindSubfield('q', nullptr, false), nullptr);
}

TEST(T856FieldTest, DisplayShowsIndicatorsAndSubfieldsWithData)
{
    const TCharacterSet& rxUtf8 = TCharacterSet::qrxOf(eCharsetUtf8);
    T856Field xField(qxTag(qxField("40$uhttp://a$z$zn")));
    const std::vector<const TSubfieldNode*> xNodes = qxNodes(xField);
    int iOffset = -1, iLength = -1;
    EXPECT_EQ(xField.qxGetDisplayText(rxUtf8, xNodes[2], &iOffset, &iLength), L"40  \x1Fuhttp://a\x1Fzn");
    EXPECT_EQ(iOffset, 14);
    EXPECT_EQ(iLength, 3);
    xField.qxGetDisplayText(rxUtf8, xNodes[1], &iOffset, &iLength);
    EXPECT_EQ(iOffset, 14);
    EXPECT_EQ(iLength, 0);

    // A field without indicators shows blank ones, and gets both once one is set.
    T856Field xNoIndicators(qxTag(qxField("$uhttp://a")));
    EXPECT_EQ(xNoIndicators.qxGetDisplayText(rxUtf8, nullptr, nullptr, nullptr), L"    \x1Fuhttp://a");
    EXPECT_EQ(xNoIndicators.qcGetIndicator(1), ' ');
    xNoIndicators.qvSetIndicator(2, '0');
    EXPECT_EQ(qxRebuilt(xNoIndicators), " 0$uhttp://a");
}

// Subfields are text in the record's set: shown composed and with bytes that
// are no character made visible, counted in characters; written encoded, or
// refused whole.
TEST(T856FieldTest, SubfieldTextIsInTheRecordsCharacterSet)
{
    const TCharacterSet& rxMarc8 = TCharacterSet::qrxOf(eCharsetMarc8);
    T856Field xField(qxTag(qxField("40$zBogot\xE2"
                                   "a$u\xFF$zx")));
    const std::vector<const TSubfieldNode*> xNodes = qxNodes(xField);
    int iOffset = -1, iLength = -1;
    EXPECT_EQ(xField.qxGetDisplayText(rxMarc8, xNodes[1], &iOffset, &iLength), L"40  \x1FzBogot\x00E1\x1Fu\\xFF\x1Fzx");
    EXPECT_EQ(iOffset, 12);
    EXPECT_EQ(iLength, 6);

    TSubfieldNode& rxNote = *xField.qpxFirstSubfield();
    std::size_t nFailedAt = 0;
    EXPECT_FALSE(T856Field::qtSetSubfieldText(rxNote, L"ok \x2603", rxMarc8, nFailedAt));
    EXPECT_EQ(nFailedAt, 3u);
    EXPECT_TRUE(
        T856Field::qtSetSubfieldText(rxNote, T856Field::qxGetSubfieldText(rxNote, rxMarc8) + L"!", rxMarc8, nFailedAt));
    EXPECT_EQ(qxRebuilt(xField), "40$zBogot\xE2"
                                 "a!$u\xFF$zx");
}

// Bytes that no cataloguer typed come back as they were: capitals and bytes
// above 127 in the indicators, control bytes, a field without indicators.
TEST(T856FieldTest, DamagedFieldsKeepTheirBytes)
{
    const std::string kInputs[] = {
        qxField("AB$uhttp://\xE9\xFF\x01$zx"), qxField("$uhttp://no.indicators"), qxField("4$zone indicator"),
        qxField("40junk before$uhttp://a"),    qxField("\x80\x81$\x80\x90\x7F"),
    };
    for (const std::string& rxInput : kInputs)
    {
        T856Field xField(qxTag(rxInput));
        xField.qvRebuildField();
        EXPECT_EQ(std::string(xField.qrxGetTag().qpacGetData()), rxInput) << qxReadable(rxInput);
    }
}

TEST(T856FieldTest, TenThousandSubfieldsParseEditAndRebuild)
{
    std::string xData = "40";
    for (int i = 0; i < 10000; ++i)
        xData += qxField(i % 2 == 0 ? "$uhttp://host/" : "$znote ") + std::to_string(i);
    T856Field xField(qxTag(xData));
    EXPECT_EQ(qxNodes(xField).size(), 10000u);
    TSubfieldNode* pxLastZ = nullptr;
    for (TSubfieldNode* pxNode = xField.qpxFindSubfield('z', nullptr, false); pxNode != nullptr;
         pxNode = xField.qpxFindSubfield('z', pxNode, false))
        pxLastZ = pxNode;
    ASSERT_NE(pxLastZ, nullptr);
    EXPECT_EQ(std::string(pxLastZ->mxData.qpacGetData()), "note 9999");
    EXPECT_TRUE(xField.qtRemoveSubfield(pxLastZ));
    T856Field::qvSetSubfieldData(*xField.qpxAppendSubfield('y'), "end");
    xField.qvRebuildField();
    const std::string xRebuilt = xField.qrxGetTag().qpacGetData();
    EXPECT_EQ(xRebuilt, xData.substr(0, xData.rfind(TMarcTag::mcDelimiter)) + qxField("$yend"));
}

// The subfield code lists: one character a code, none twice, no code in both
// lists, and each list's codes of the kind the list edits.
TEST(T856CodeListsTest, SubfieldCodesAreSingleUniqueAndOfTheirListsKind)
{
    std::set<char> xSeen;
    for (const auto& [pxTable, eKind] : {std::pair{k856NonRepeatableCodes_static, eNonRepeatableSubfield},
                                         std::pair{k856RepeatableCodes_static, eRepeatableSubfield}})
        for (const TCodeListEntry* pxRow = pxTable; pxRow->labelId != 0; ++pxRow)
        {
            EXPECT_EQ(std::string(pxRow->code).size(), 1u) << pxRow->labelId;
            EXPECT_TRUE(xSeen.insert(pxRow->code[0]).second) << pxRow->code;
            EXPECT_EQ(T856Field::qeGetSubfieldKind(pxRow->code[0]), eKind) << pxRow->code;
        }
    for (char cOther : {'4', '7', 'A', '\x1F', '\0'})
        EXPECT_EQ(T856Field::qeGetSubfieldKind(cOther), eOtherSubfield) << int(cOther);

    std::set<std::string> xNames;
    for (const TCodeListEntry* pxRow = k856AccessMethods_static; pxRow->labelId != 0; ++pxRow)
        EXPECT_TRUE(xNames.insert(pxRow->code).second) << pxRow->code;
    EXPECT_EQ(std::string(k856AccessMethods_static[0].code), "");
    for (const TCodeListEntry* pxTable : {k856FirstIndicators_static, k856SecondIndicators_static})
        for (const TCodeListEntry* pxRow = pxTable; pxRow->labelId != 0; ++pxRow)
            EXPECT_TRUE(TMarcTag::qtIsValidIndicator(pxRow->code[0]) && pxRow->code[1] == '\0') << pxRow->labelId;
}
