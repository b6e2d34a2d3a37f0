// Text in a record's character set: UTF-8, MARC-8 and one byte a character, each
// read and written back; what cannot be read comes back byte for byte, what cannot
// be written is refused.
#include "recordlib/TCharacterSet.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{
// Text as UTF-16 units in a wstring on every platform (u"" literals are UTF-16).
std::wstring qxText(const std::u16string& rxText)
{
    return std::wstring(rxText.begin(), rxText.end());
}

const TCharacterSet& kxUtf8 = TCharacterSet::qrxOf(eCharsetUtf8);
const TCharacterSet& kxMarc8 = TCharacterSet::qrxOf(eCharsetMarc8);
const TCharacterSet& kxSingleByte = TCharacterSet::qrxOf(eCharsetSingleByte);

// Decoding then encoding gives back every byte; the failure names the set and the input.
void qvExpectRoundTrip(const TCharacterSet& rxSet, const std::string& rxBytes)
{
    const std::wstring xText = rxSet.qxDecode(rxBytes);
    std::string xBack;
    std::size_t nFailedAt = 0;
    ASSERT_TRUE(rxSet.qtEncode(xText, xBack, nFailedAt))
        << qxAsciiText(rxSet.qpwcGetName()) << " refused its own text at " << nFailedAt;
    std::string xHex;
    for (const unsigned char by : rxBytes)
        xHex += "0123456789ABCDEF"[by >> 4], xHex += "0123456789ABCDEF"[by & 15], xHex += ' ';
    ASSERT_EQ(rxBytes, xBack) << qxAsciiText(rxSet.qpwcGetName()) << " input: " << xHex;
    // The editors' composed reading gives the same bytes back too.
    xBack.clear();
    ASSERT_TRUE(rxSet.qtEncode(rxSet.qxDecodeComposed(rxBytes), xBack, nFailedAt)) << xHex;
    ASSERT_EQ(rxBytes, xBack) << qxAsciiText(rxSet.qpwcGetName()) << " composed, input: " << xHex;
}

std::size_t qnStandIns(const std::wstring& rxText)
{
    std::size_t n = 0;
    for (const wchar_t wc : rxText)
        n += TCharacterSet::qtIsStandIn(wc) ? 1 : 0;
    return n;
}
}

TEST(TCharacterSetTest, LeaderPosition09ChoosesTheSet)
{
    EXPECT_EQ(eCharsetMarc8, TCharacterSet::qrxOfLeader(' ').qeGetSet());
    EXPECT_EQ(eCharsetUtf8, TCharacterSet::qrxOfLeader('a').qeGetSet());
    for (const char c : {'A', 'z', '#', '\0', '\xE9'})
        EXPECT_EQ(eCharsetSingleByte, TCharacterSet::qrxOfLeader(c).qeGetSet()) << int(c);
}

TEST(TCharacterSetTest, Utf8ReadsAndWritesTextAndKeepsEveryInvalidByte)
{
    const std::wstring xNote = qxText(u"Version numérisée Ψηφιακή \U0001F600");
    const std::string xBytes = kxUtf8.qxEncode(xNote);
    EXPECT_EQ("Version num\xC3\xA9ris\xC3\xA9"
              "e \xCE\xA8\xCE\xB7\xCF\x86\xCE\xB9\xCE\xB1\xCE\xBA\xCE\xAE \xF0\x9F\x98\x80",
              xBytes);
    EXPECT_EQ(xNote, kxUtf8.qxDecode(xBytes));

    // Each byte of an ill-formed sequence is one stand-in: ISO 8859-1 é, an overlong
    // slash, an encoded surrogate, a sequence cut short, a lead byte past U+10FFFF,
    // a lone continuation byte.
    const std::string xBad = "num\xE9ris\xC0\xAF|\xED\xA0\x80|\xE2\x82|\xF5\x80\x80\x80|\x80";
    const std::wstring xText = kxUtf8.qxDecode(xBad);
    EXPECT_EQ(13u, qnStandIns(xText));
    EXPECT_EQ(L"num\\xE9ris\\xC0\\xAF|", TCharacterSet::qxVisibleText(xText).substr(0, 19));
    qvExpectRoundTrip(kxUtf8, xBad);
    // Converted text must be UTF-8 throughout: the strict writer refuses a stand-in.
    std::string xOut;
    std::size_t nFailedAt = 0;
    EXPECT_FALSE(TUtf8::qtEncodeStrict(xText, xOut, nFailedAt));
    EXPECT_EQ(3u, nFailedAt);
    EXPECT_TRUE(xOut.empty());
}

TEST(TCharacterSetTest, EveryWriterRefusesWhatItCannotHoldAndNamesIt)
{
    std::string xOut = "kept";
    std::size_t nFailedAt = 0;
    // An unpaired high surrogate, and the stand-in of an ASCII byte (no UTF-8 reading makes one).
    EXPECT_FALSE(kxUtf8.qtEncode(qxText(u"ab") + L'\xD800' + L'c', xOut, nFailedAt));
    EXPECT_EQ(2u, nFailedAt);
    EXPECT_FALSE(kxUtf8.qtEncode(std::wstring(L"x") + TCharacterSet::qwcStandIn('A'), xOut, nFailedAt));
    EXPECT_EQ(1u, nFailedAt);
    EXPECT_FALSE(kxSingleByte.qtEncode(qxText(u"caf\u00E9 \u0152"), xOut, nFailedAt));
    EXPECT_EQ(5u, nFailedAt);
    EXPECT_EQ("kept", xOut);

    try
    {
        kxMarc8.qxEncode(qxText(u"Smile \U0001F600"));
        ADD_FAILURE() << "MARC-8 wrote a character it has no code for";
    }
    catch (const TException& e)
    {
        EXPECT_EQ(L"TCharacterSet::qxEncode() : The character U+1F600 (" + qxText(u"\U0001F600") +
                      L") cannot be written in MARC-8.",
                  e.qpwcGetMessage());
        EXPECT_EQ(eErrorRecoverable, e.qeGetErrorType());
    }
    EXPECT_EQ(L"the byte 0xE9 that is no character",
              TCharacterSet::qxNameCharacter(std::wstring(1, TCharacterSet::qwcStandIn(0xE9)), 0));
}

TEST(TCharacterSetTest, SingleByteIsOneByteOneCharacter)
{
    std::string xAll;
    for (int n = 0; n < 256; ++n)
        xAll += static_cast<char>(n);
    const std::wstring xText = kxSingleByte.qxDecode(xAll);
    EXPECT_EQ(L'\xE9', xText[0xE9]);
    EXPECT_EQ(0u, qnStandIns(xText));
    qvExpectRoundTrip(kxSingleByte, xAll);
}

TEST(TCharacterSetTest, Marc8WritesDiacriticsBeforeTheirLetterAndReadsThemAfter)
{
    // A precomposed letter is written as ANSEL acute (E2) and its letter.
    EXPECT_EQ("num\xE2"
              "eris\xE2"
              "ee",
              kxMarc8.qxEncode(qxText(u"numérisée")));
    const std::wstring xRead = kxMarc8.qxDecode("num\xE2"
                                                "eris\xE2"
                                                "ee");
    EXPECT_EQ(qxText(u"nume\u0301rise\u0301e"), xRead);
    EXPECT_EQ("num\xE2"
              "eris\xE2"
              "ee",
              kxMarc8.qxEncode(xRead));
    // Two marks on one letter keep their order; the special letters are single codes.
    EXPECT_EQ(qxText(u"Le\u0323\u0302 \u0141o\u0301dz\u0301 \u00E6\u00F0"),
              kxMarc8.qxDecode("L\xF2\xE3"
                               "e \xA1\xE2od\xE2z \xB5\xBA"));
    EXPECT_EQ("\xA1\xE2odz", kxMarc8.qxEncode(qxText(u"\u0141\u00F3dz")));
}

TEST(TCharacterSetTest, EditorsSeeMarc8LettersComposed)
{
    // A letter and its marks show as the one character; the bytes stay as they were.
    EXPECT_EQ(qxText(u"num\u00E9ris\u00E9e \u1EC7 \u0141\u00F3d\u017A"), kxMarc8.qxDecodeComposed("num\xE2"
                                                                                                  "eris\xE2"
                                                                                                  "ee \xF2\xE3"
                                                                                                  "e \xA1\xE2od\xE2z"));
    // Greek's acute (tonos) is written from ANSEL too; tonos and oxia show as tonos.
    EXPECT_EQ(qxText(u"\u03B1\u03AE"), kxMarc8.qxDecodeComposed("\x1B(Sa\xE2j\x1B(B"));
    // A mark that makes no character with the letter and the marks before it stays a mark.
    qvExpectRoundTrip(kxMarc8, "\xE3\xF2"
                               "e \xE2q \xE2");
    EXPECT_EQ(qxText(u"\u00EA\u0323 q\u0301 "), kxMarc8.qxDecodeComposed("\xE3\xF2"
                                                                         "e \xE2q "));
    // UTF-8 text shows as it is written, decomposed or not.
    EXPECT_EQ(qxText(u"e\u0301\u00E9"), kxUtf8.qxDecodeComposed("e\xCC\x81\xC3\xA9"));
}

TEST(TCharacterSetTest, FixedFieldsReadOneCharacterAPosition)
{
    const std::string xField = "ab \xE9\x1B|";
    EXPECT_EQ(L"ab \xFFFD\x1B|", kxUtf8.qxDecodeByPosition(xField));
    EXPECT_EQ(L"ab \xFFFD\xFFFD|", kxMarc8.qxDecodeByPosition(xField));
    EXPECT_EQ(L"ab \xE9\x1B|", kxSingleByte.qxDecodeByPosition(xField));
    EXPECT_EQ(qxText(u"\u0141"), kxMarc8.qxDecodeByPosition("\xA1"));
}

TEST(TCharacterSetTest, Marc8ReachesTheOtherSetsByEscapeSequences)
{
    struct TCase
    {
        std::u16string xText;
        std::string xMarc8;
    };
    const TCase axCases[] = {
        {u"Война и мир", "\x1B(Nwojna\x1B(B \x1B(Ni\x1B(B \x1B(Nmir\x1B(B"},
        {u"\u03B1\u03B2 x", "\x1B(Sab\x1B(B x"},
        {u"H\u2082O x\u00B2", "H\x1B"
                              "b2\x1BsO x\x1Bp2\x1Bs"},
        {u"\u4E00 \u4E00", "\x1B$1\x21\x30\x21\x1B(B \x1B$1\x21\x30\x21\x1B(B"},
        {u"\u05E9\u05DC\u05D5\u05DD", "\x1B(2ylfm\x1B(B"},
    };
    for (const TCase& rxCase : axCases)
    {
        const std::wstring xText = qxText(rxCase.xText);
        const std::string xBytes = kxMarc8.qxEncode(xText);
        EXPECT_EQ(xText, kxMarc8.qxDecode(xBytes));
        // The Cyrillic and Hebrew letters' codes are the tables' own: checked by reading only.
        if (rxCase.xMarc8.find("\x1B(N") == std::string::npos && rxCase.xMarc8.find("\x1B(2") == std::string::npos)
            EXPECT_EQ(rxCase.xMarc8, xBytes);
        else
            EXPECT_EQ(0u, qnStandIns(kxMarc8.qxDecode(xBytes)));
    }
    // A set designated into G1 is read from the high bytes; our writer never puts
    // Cyrillic there, so the designations show, and the writer keeps the set.
    qvExpectRoundTrip(kxMarc8, "\x1B)N\xD7\xCF\xCA\xCE\xC1 1869\x1B)E");
    EXPECT_EQ(L"\\x1B\\x29\\x4E" + qxText(u"\u0432\u043E\u0439\u043D\u0430") + L" 1869\\x1B\\x29\\x45",
              TCharacterSet::qxVisibleText(kxMarc8.qxDecode("\x1B)N\xD7\xCF\xCA\xCE\xC1 1869\x1B)E")));
}

TEST(TCharacterSetTest, Marc8RefusesWhatNoSetHolds)
{
    std::string xOut;
    std::size_t nFailedAt = 0;
    // A mark with no letter before it, ESC typed as a character, a Latin letter MARC-8 has no mark for.
    for (const std::wstring& rxText : {qxText(u"\u0301a"), qxText(u"a\u001B(S"), qxText(u"ab\u0180")})
    {
        EXPECT_FALSE(kxMarc8.qtEncode(rxText, xOut, nFailedAt));
        EXPECT_TRUE(xOut.empty());
    }
    EXPECT_EQ(2u, nFailedAt);
    // A letter that does decompose, but into a mark MARC-8 lacks, is refused at the letter.
    EXPECT_FALSE(kxMarc8.qtEncode(qxText(u"xy\u1E9B"), xOut, nFailedAt));
    EXPECT_EQ(2u, nFailedAt);
}

TEST(TCharacterSetTest, Marc8GivesBackEveryByteOfOddInput)
{
    // Sequences no writer of ours makes, each read and given back whole.
    const std::string axInputs[] = {
        "\x1B(B\x1B(Babc",          // a redundant escape
        "\x1B(Sab",                 // a string left in Greek
        "x\x1B(Nw\x1B(B1\x1B(Nw",   // the return to ASCII only for the digit
        "\x1B(Nw1w\x1B(B",          // the digit written in the Cyrillic set
        "ab\xE2",                   // a mark with no letter after it
        "\xE2\x1B(Sa\x1B(B",        // a mark across an escape
        "\x1B(Z\x1B$\x1B",          // unknown and cut short sequences
        "\x1B$1\x7E\x7E\x7E\x1B(B", // an EACC code the tables lack
        "\x1B$1\x21\x30",           // an EACC code cut short
        "\x80\x88\xA0\xFF\x8D",     // C1 bytes, with and without a meaning
        "\x1Bs\x1Bg",               // returns and designations with nothing after them
        "\x1B)S\xE1\x1B)E\xE1",     // G1 swapped and back
    };
    for (const std::string& rxInput : axInputs)
        qvExpectRoundTrip(kxMarc8, rxInput);
    // What can be read still reads: the redundant escape shows, the text after it does not suffer.
    const std::wstring xText = kxMarc8.qxDecode("\x1B(B\x1B(Babc");
    EXPECT_EQ(L"abc", xText.substr(xText.size() - 3));
    // yaz's way of writing a digit in Cyrillic text (back to ASCII for it) reads without a stand-in.
    EXPECT_EQ(qxText(u"\u0416") + L"1" + qxText(u"\u0416"), kxMarc8.qxDecode("\x1B(Nv\x1B(B1\x1B(Nv\x1B(B"));
}

TEST(TCharacterSetTest, Marc8LenientReadingFollowsEverySequence)
{
    // The converter reads what it can: a redundant escape is followed, a mark with
    // no letter after it stays a mark, and only unknown bytes get stand-ins.
    std::wstring xText;
    TMarc8::qvDecodeLenient("\x1B(B\x1B(Sa\x1B(B\x1B(Bb\xE2|\x80", xText);
    EXPECT_EQ(qxText(u"\u03B1b|\u0301") + TCharacterSet::qwcStandIn(0x80), xText);
}

TEST(TCharacterSetTest, AnyBytesComeBackInEverySet)
{
    // Bytes drawn mostly from what MARC-8 and UTF-8 give a meaning to.
    static const char kacAlphabet[] = "\x1B\x1B()$,-1SNBEQ234gbps aAzZ!~\x7F\x80\x88\x8D\xA0\xA1\xB5\xC0\xE1"
                                      "\xE2\xEB\xEC\xFA\xFB\xFF\xC3\xA9\xCE\xB1\xE4\xB8\x80\xF0\x9F\x98\xED\xA0";
    const std::string xAlphabet(kacAlphabet, sizeof kacAlphabet - 1);
    std::mt19937 xRandom(23);
    for (int nRound = 0; nRound < 20000; ++nRound)
    {
        std::string xBytes(xRandom() % 24, '\0');
        for (char& rc : xBytes)
            rc = xRandom() % 4 == 0 ? static_cast<char>(xRandom()) : xAlphabet[xRandom() % xAlphabet.size()];
        for (const TCharacterSet* pxSet : {&kxUtf8, &kxMarc8, &kxSingleByte})
        {
            qvExpectRoundTrip(*pxSet, xBytes);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(TCharacterSetTest, HostileInputReadsInLinearTime)
{
    // Long runs of marks without a letter, of escapes, of a letter's many marks:
    // a reading gone quadratic runs into the test's time limit.
    const std::string axRuns[] = {std::string(200000, '\xE2'), std::string(100000, '\xE2') + "a", [] {
                                      std::string x;
                                      for (int n = 0; n < 50000; ++n)
                                          x += "\x1B(B";
                                      return x + "a\x1B(S";
                                  }()};
    for (const std::string& rxRun : axRuns)
        qvExpectRoundTrip(kxMarc8, rxRun);
}
