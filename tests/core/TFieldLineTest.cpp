// A field as the line a cataloguer edits ("=245  10$aTitle"), in the record's
// character set, and the lines refused with what is wrong and where.
#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcTag.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TMarcTag qxField(int iTag, const std::string& rxData)
{
    TMarcTag field(iTag);
    field.qvSetData(rxData.c_str(), false);
    return field;
}

// The message a refused line gets; empty when it was read.
std::wstring qxRefusal(const std::wstring& rxLine, const TCharacterSet& rxSet)
{
    try
    {
        qxReadMarcMakerFieldText(rxLine, rxSet);
    }
    catch (const TException& e)
    {
        return e.qpwcGetMessage();
    }
    return std::wstring();
}
}

TEST(FieldLine, AFieldGoesToItsLineInTheRecordsSetAndBackByteForByte)
{
    const TCharacterSet& rxUtf8 = TCharacterSet::qrxOfLeader('a');
    const TCharacterSet& rxMarc8 = TCharacterSet::qrxOfLeader(' ');
    struct
    {
        const TCharacterSet& rxSet;
        TMarcTag xField;
        std::wstring xLine;
    } cases[] = {
        {rxUtf8,
         qxField(245, "10\x1F"
                      "aCaf\xC3\xA9 $5 {x} \\ /\x1F"
                      "cby me."),
         L"=245  10$aCaf\u00E9 {dollar}5 {lcub}x{rcub} {bsol} /$cby me."},
        {rxUtf8, qxField(8, "850101s1999    xx "), L"=008  850101s1999\\\\\\\\xx\\"},
        {rxUtf8,
         qxField(650, " 0\x1F"
                      "aCats."),
         L"=650  \\0$aCats."},
        // MARC-8: a combining acute before its letter, read as the letter and the mark.
        {rxMarc8,
         qxField(245, "00\x1F"
                      "aCaf\xE2"
                      "e."),
         L"=245  00$aCafe\u0301."},
        // A control field's text is read in the record's set too (a local 00A, a
        // 001 with a letter beyond ASCII); a byte that is no character comes back.
        {rxUtf8, qxField(1, "Caf\xC3\xA9 1 \xFF"), L"=001  Caf\u00E9\\1\\\xDCFF"},
        {rxMarc8,
         qxField(TMarcTag::qiTagNumberOf("00A"), "Caf\xE2"
                                                 "e 1"),
         L"=00A  Cafe\u0301\\1"},
        {TCharacterSet::qrxOfLeader('z'), qxField(1, "Caf\xE9"), L"=001  Caf\u00E9"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.xField.qxGetTagText());
        const std::wstring xLine = qxMarcMakerFieldText(c.xField, c.rxSet);
        EXPECT_EQ(c.xLine, xLine);
        const TMarcTag xRead = qxReadMarcMakerFieldText(xLine, c.rxSet);
        EXPECT_EQ(c.xField.qiGetTagNumber(), xRead.qiGetTagNumber());
        EXPECT_EQ(std::string(c.xField.qpacGetData(), c.xField.qdwGetDataSize()),
                  std::string(xRead.qpacGetData(), xRead.qdwGetDataSize()));
    }
}

// In MARC-8 the bytes of other scripts and of their escape sequences are often
// "$", "\\", "{" or "}": a line nobody changed still gives back every byte, and
// what is typed in those scripts is written through their escapes.
TEST(FieldLine, OtherScriptsInMarc8ComeBackByteForByte)
{
    const TCharacterSet& rxMarc8 = TCharacterSet::qrxOfLeader(' ');
    for (const std::string& rxData : {std::string("00\x1F"
                                                  "6245-01\x1F"
                                                  "a\x1B$1!0!\x1B(B"),
                                      std::string("10\x1F"
                                                  "a\x1B(S\\{}$\x1B(B \x1B(Nwoj\x1F"
                                                  "bna\x1B(B"),
                                      std::string("\x1B(S\\ \x1B(B{x}")})
    {
        const TMarcTag xField = qxField(rxData.size() > 20 ? 880 : 9, rxData);
        const std::wstring xLine = qxMarcMakerFieldText(xField, rxMarc8);
        const TMarcTag xRead = qxReadMarcMakerFieldText(xLine, rxMarc8);
        EXPECT_EQ(rxData, std::string(xRead.qpacGetData(), xRead.qdwGetDataSize())) << qxRefusal(xLine, rxMarc8);
    }
    const TMarcTag xTyped = qxReadMarcMakerFieldText(L"=245  10$a\u03A8 {dollar}$b\u0412", rxMarc8);
    EXPECT_EQ("10\x1F"
              "a\x1B(S\\\x1B(B $\x1F"
              "b\x1B(Nw\x1B(B",
              std::string(xTyped.qpacGetData(), xTyped.qdwGetDataSize()));
    // An escape typed as its mnemonic is the byte, as in MARCMaker text.
    const TMarcTag xEscaped = qxReadMarcMakerFieldText(L"=245  10$a{esc}(Nw{esc}(B", rxMarc8);
    EXPECT_EQ("10\x1F"
              "a\x1B(Nw\x1B(B",
              std::string(xEscaped.qpacGetData(), xEscaped.qdwGetDataSize()));
}

TEST(FieldLine, AnInvalidLineIsRefusedSayingWhatAndWhere)
{
    const TCharacterSet& rxMarc8 = TCharacterSet::qrxOfLeader(' ');
    EXPECT_EQ(L"The tag \"24!\" (characters 2 to 4) is not three digits or letters.",
              qxRefusal(L"=24!  10$aTitle", rxMarc8));
    EXPECT_EQ(L"The second indicator of field 245 (character 8) is \"A\": an indicator is a digit, a lowercase "
              L"letter or \"\\\" for a blank.",
              qxRefusal(L"=245  1A$aTitle", rxMarc8));
    EXPECT_EQ(L"Field 245 has text without a subfield code at character 9: each subfield begins with \"$\" and "
              L"its code.",
              qxRefusal(L"=245  10Title", rxMarc8));
    EXPECT_EQ(L"The \"$\" at character 16 of field 245 has no subfield code.", qxRefusal(L"=245  10$aTitle$", rxMarc8));
    EXPECT_EQ(L"The \"$\" at character 9 of field 500 has no subfield code.", qxRefusal(L"=500  \\\\$$aNote", rxMarc8));
    EXPECT_EQ(L"Field 245 has no second indicator (character 8).", qxRefusal(L"=245  1", rxMarc8));
    EXPECT_NE(std::wstring::npos, qxRefusal(L"245 10 $aTitle", rxMarc8).find(L"begins with \"=\""));
    // A character MARC-8 cannot hold, named; UTF-8 takes it.
    EXPECT_EQ(L"The character U+263A (\u263A) at character 11 cannot be written in MARC-8.",
              qxRefusal(L"=500  \\\\$a\u263A", rxMarc8));
    EXPECT_EQ(L"", qxRefusal(L"=500  \\\\$a\u263A", TCharacterSet::qrxOfLeader('a')));
    // Control fields have neither indicators nor subfields.
    EXPECT_EQ(L"", qxRefusal(L"=001  ocm12345", rxMarc8));
}
