#include "recordlib/TCharacterSet.h"

#include "recordlib/TMarc8Tables.h"

#include <algorithm>
#include <bitset>
#include <unordered_map>
#include <vector>

namespace
{
constexpr unsigned char kbyEsc = 0x1B;
constexpr uint32_t kdwCombining = 0x80000000u; // in a lookup entry: the code point is a mark
constexpr std::size_t knNoRun = std::string::npos;

// The code tables arranged for lookup, built once from the generated data.
struct TMarc8Lookup
{
    // Single-byte sets: code (7 bits) to code point | kdwCombining, 0 for none.
    uint32_t madwSingle[32][128] = {};
    // EACC: its range of kaxMarc8Codes (sorted by code).
    const TMarc8Code* mpxEaccBegin = nullptr;
    const TMarc8Code* mpxEaccEnd = nullptr;
    // Code point to the code written for it.
    std::unordered_map<uint32_t, const TMarc8Code*> mxWritten;
    // (set, code point) for every code: whether a set holds a character, and as which code.
    std::unordered_map<uint64_t, const TMarc8Code*> mxHeld;
    // Final byte of ESC ( F and the like to the set, -1 for none.
    int8_t maiSetOfFinal[128];

    TMarc8Lookup()
    {
        std::fill(std::begin(maiSetOfFinal), std::end(maiSetOfFinal), int8_t(-1));
        for (uint32_t n = 0; n < kdwMarc8SetCount; ++n)
        {
            const TMarc8SetInfo& rxSet = kaxMarc8Sets[n];
            const bool tTechnique1 = n == eMarc8GreekSymbols || n == eMarc8Subscripts || n == eMarc8Superscripts;
            if (rxSet.mcFinal != 0 && !tTechnique1)
                maiSetOfFinal[static_cast<unsigned char>(rxSet.mcFinal) & 0x7F] = static_cast<int8_t>(n);
        }
        for (uint32_t n = 0; n < kdwMarc8CodeCount; ++n)
        {
            const TMarc8Code& rxCode = kaxMarc8Codes[n];
            if (rxCode.mbySet == eMarc8Eacc)
            {
                if (mpxEaccBegin == nullptr)
                    mpxEaccBegin = &rxCode;
                mpxEaccEnd = &rxCode + 1;
            }
            else
                madwSingle[rxCode.mbySet][rxCode.mdwCode & 0x7F] =
                    rxCode.mdwCodePoint | (rxCode.mtCombining ? kdwCombining : 0);
            mxWritten.emplace(rxCode.mdwCodePoint, &rxCode);
            mxHeld.emplace(qqwKey(rxCode.mbySet, rxCode.mdwCodePoint), &rxCode);
        }
        for (uint32_t n = 0; n < kdwMarc8PreferenceCount; ++n)
        {
            const TMarc8Code& rxPreferred = kaxMarc8Preferences[n];
            mxWritten[rxPreferred.mdwCodePoint] = mxHeld.at(qqwKey(rxPreferred.mbySet, rxPreferred.mdwCodePoint));
        }
    }

    static uint64_t qqwKey(uint32_t dwSet, uint32_t dwCodePoint) { return (uint64_t(dwSet) << 32) | dwCodePoint; }

    // The EACC code's entry, or nullptr.
    const TMarc8Code* qpxEacc(uint32_t dwCode) const
    {
        const TMarc8Code* pxFound = std::lower_bound(mpxEaccBegin, mpxEaccEnd, dwCode,
                                                     [](const TMarc8Code& x, uint32_t dw) { return x.mdwCode < dw; });
        return pxFound != mpxEaccEnd && pxFound->mdwCode == dwCode ? pxFound : nullptr;
    }

    // Whether MARC-8 writes this code point as a mark before its letter.
    bool qtIsMark(uint32_t dwCodePoint) const
    {
        const auto it = mxWritten.find(dwCodePoint);
        return it != mxWritten.end() && it->second->mtCombining;
    }

    const TMarc8Decomposition* qpxDecomposition(uint32_t dwCodePoint) const
    {
        const TMarc8Decomposition* pxEnd = kaxMarc8Decompositions + kdwMarc8DecompositionCount;
        const TMarc8Decomposition* pxFound =
            std::lower_bound(kaxMarc8Decompositions, pxEnd, dwCodePoint,
                             [](const TMarc8Decomposition& x, uint32_t dw) { return x.mdwCodePoint < dw; });
        return pxFound != pxEnd && pxFound->mdwCodePoint == dwCodePoint ? pxFound : nullptr;
    }
};

const TMarc8Lookup& qrxLookup()
{
    static const TMarc8Lookup xLookup;
    return xLookup;
}

// The decompositions sorted by their parts: a letter and marks to the one
// character they make.
struct TMarc8Compositions
{
    std::vector<const TMarc8Decomposition*> mxByParts;
    // The marks that stand in a decomposition, for a quick test before a search.
    std::bitset<0x10000> mxMarks;

    TMarc8Compositions()
    {
        for (uint32_t n = 0; n < kdwMarc8DecompositionCount; ++n)
        {
            mxByParts.push_back(&kaxMarc8Decompositions[n]);
            for (std::size_t k = 1; k < 4; ++k)
                if (kaxMarc8Decompositions[n].madwParts[k] < mxMarks.size())
                    mxMarks.set(kaxMarc8Decompositions[n].madwParts[k]);
        }
        // Where two characters have the same parts (Greek tonos and oxia), the
        // lower, Unicode's composed form, comes first and is the one found.
        std::sort(mxByParts.begin(), mxByParts.end(), [](const TMarc8Decomposition* a, const TMarc8Decomposition* b) {
            if (!std::equal(std::begin(a->madwParts), std::end(a->madwParts), std::begin(b->madwParts)))
                return std::lexicographical_compare(std::begin(a->madwParts), std::end(a->madwParts),
                                                    std::begin(b->madwParts), std::end(b->madwParts));
            return a->mdwCodePoint < b->mdwCodePoint;
        });
    }

    // The character the parts make, 0 for none.
    uint32_t qdwCompose(const uint32_t (&adwParts)[4]) const
    {
        const auto it = std::lower_bound(
            mxByParts.begin(), mxByParts.end(), adwParts, [](const TMarc8Decomposition* x, const uint32_t(&adw)[4]) {
                return std::lexicographical_compare(std::begin(x->madwParts), std::end(x->madwParts), adw, adw + 4);
            });
        return it != mxByParts.end() && std::equal(adwParts, adwParts + 4, (*it)->madwParts) ? (*it)->mdwCodePoint : 0;
    }
};

// Each letter and the marks after it that make one character MARC-8 holds only
// as those parts, as that character (the longest run of marks that makes one).
std::wstring qxComposed(std::wstring_view xText)
{
    static const TMarc8Compositions xCompositions;
    std::wstring xComposed;
    xComposed.reserve(xText.size());
    for (std::size_t n = 0; n < xText.size();)
    {
        uint32_t dwComposed = 0;
        std::size_t nParts = std::min<std::size_t>(4, xText.size() - n);
        if (nParts >= 2 && !xCompositions.mxMarks.test(static_cast<char16_t>(xText[n + 1])))
            nParts = 1;
        for (; nParts >= 2; --nParts)
        {
            uint32_t adwParts[4] = {};
            for (std::size_t k = 0; k < nParts; ++k)
                adwParts[k] = static_cast<char16_t>(xText[n + k]);
            dwComposed = xCompositions.qdwCompose(adwParts);
            if (dwComposed != 0)
                break;
        }
        if (dwComposed == 0)
        {
            xComposed += xText[n++];
            continue;
        }
        TCharacterSet::qvAppendCodePoint(dwComposed, xComposed);
        n += nParts;
    }
    return xComposed;
}

// The graphic sets in G0 and G1; the writer also notes which it designated itself.
struct TMarc8State
{
    uint8_t mbyG0 = eMarc8Ascii;
    uint8_t mbyG1 = eMarc8Ansel;
    bool mtOwnG0 = true;
    bool mtOwnG1 = true;
};

// The length of the escape sequence at p (p[0] is ESC) that designates a known set,
// 0 when none does; rbySet and rtG1 say which set goes where.
std::size_t qnEscape(const unsigned char* p, std::size_t nLeft, uint8_t& rbySet, bool& rtG1)
{
    if (nLeft < 2)
        return 0;
    rtG1 = false;
    switch (p[1])
    {
    case 'g':
        rbySet = eMarc8GreekSymbols;
        return 2;
    case 'b':
        rbySet = eMarc8Subscripts;
        return 2;
    case 'p':
        rbySet = eMarc8Superscripts;
        return 2;
    case 's':
        rbySet = eMarc8Ascii;
        return 2;
    case '(':
    case ',':
    case ')':
    case '-':
    {
        if (nLeft < 3 || p[2] >= 0x80)
            return 0;
        const int iSet = qrxLookup().maiSetOfFinal[p[2]];
        if (iSet < 0 || iSet == eMarc8Eacc)
            return 0;
        rbySet = static_cast<uint8_t>(iSet);
        rtG1 = p[1] == ')' || p[1] == '-';
        return 3;
    }
    case '$':
        rbySet = eMarc8Eacc;
        if (nLeft >= 3 && p[2] == '1')
            return 3;
        if (nLeft >= 4 && p[3] == '1' && (p[2] == '(' || p[2] == ',' || p[2] == ')' || p[2] == '-'))
        {
            rtG1 = p[2] == ')' || p[2] == '-';
            return 4;
        }
        return 0;
    default:
        return 0;
    }
}

enum ETokenKind : int
{
    eTokenEnd,
    eTokenEscape, // a known escape sequence
    eTokenChar,   // a character (a mark or not)
    eTokenUnknown // bytes the tables do not know
};

struct TToken
{
    ETokenKind meKind = eTokenEnd;
    std::size_t mnLength = 0;
    uint32_t mdwCodePoint = 0;
    bool mtMark = false;
    uint8_t mbySet = 0; // of an escape
    bool mtG1 = false;  // of an escape
};

// The token at p read in state rxState.
TToken qxToken(const unsigned char* p, std::size_t nLeft, const TMarc8State& rxState)
{
    TToken xToken;
    if (nLeft == 0)
        return xToken;
    const TMarc8Lookup& rxLookup = qrxLookup();
    const unsigned char by = p[0];
    xToken.meKind = eTokenUnknown;
    xToken.mnLength = 1;
    if (by == kbyEsc)
    {
        const std::size_t nLength = qnEscape(p, nLeft, xToken.mbySet, xToken.mtG1);
        if (nLength != 0)
        {
            xToken.meKind = eTokenEscape;
            xToken.mnLength = nLength;
        }
        return xToken;
    }
    uint32_t dwEntry = 0;
    if (by < 0x21 || by == 0x7F)
        dwEntry = by;
    else if (by >= 0x80 && by < 0xA0)
        dwEntry = rxLookup.madwSingle[eMarc8Controls][by & 0x7F];
    else if (by != 0xA0 && by != 0xFF)
    {
        const bool tG1 = by >= 0x80;
        const uint8_t bySet = tG1 ? rxState.mbyG1 : rxState.mbyG0;
        if (kaxMarc8Sets[bySet].mbyWidth == 1)
            dwEntry = rxLookup.madwSingle[bySet][by & 0x7F];
        else
        {
            // Three bytes of the same half, each a graphic code.
            if (nLeft < 3)
                return xToken;
            for (std::size_t n = 1; n < 3; ++n)
                if ((p[n] >= 0x80) != tG1 || (p[n] & 0x7F) < 0x21 || (p[n] & 0x7F) > 0x7E)
                    return xToken;
            xToken.mnLength = 3;
            const TMarc8Code* pxCode = rxLookup.qpxEacc(((by & 0x7Fu) << 16) | ((p[1] & 0x7Fu) << 8) | (p[2] & 0x7Fu));
            if (pxCode == nullptr)
                return xToken;
            dwEntry = pxCode->mdwCodePoint;
        }
    }
    if (dwEntry == 0 && by != 0)
        return xToken;
    xToken.meKind = eTokenChar;
    xToken.mdwCodePoint = dwEntry & ~kdwCombining;
    xToken.mtMark = rxLookup.qtIsMark(xToken.mdwCodePoint);
    return xToken;
}

void qvApplyEscape(const TToken& rxToken, TMarc8State& rxState, bool tOwn)
{
    (rxToken.mtG1 ? rxState.mbyG1 : rxState.mbyG0) = rxToken.mbySet;
    (rxToken.mtG1 ? rxState.mtOwnG1 : rxState.mtOwnG0) = tOwn;
}

// Writes MARC-8 after the rules of TMarc8's encoder. Bytes written as stand-ins are
// read for the escape sequences among them before the next character is written,
// so that the writer's sets are those a reader of its output is in.
class TMarc8Writer
{
public:
    explicit TMarc8Writer(std::string& rxOut) : mpxOut(&rxOut), mnRun(knNoRun) {}

    struct TMark
    {
        TMarc8State mxState;
        std::size_t mnRun;
        std::size_t mnSize;
    };
    TMark qxMark() const { return {mxState, mnRun, mpxOut->size()}; }
    void qvBackTo(const TMark& rxMark)
    {
        mxState = rxMark.mxState;
        mnRun = rxMark.mnRun;
        mpxOut->resize(rxMark.mnSize);
    }

    void qvStandIn(unsigned char byByte)
    {
        if (mnRun == knNoRun)
            mnRun = mpxOut->size();
        *mpxOut += static_cast<char>(byByte);
    }

    // Writes a letter with the marks that follow it in the text (in MARC-8 they go
    // before it). False when one of them cannot be written: rnFailed is its index
    // (0 the letter, 1 + n the nth mark); the output is then incomplete.
    bool qtWriteCluster(uint32_t dwBase, const uint32_t* pdwMarks, std::size_t nMarks, std::size_t& rnFailed)
    {
        qvCloseRun();
        const TMarc8Lookup& rxLookup = qrxLookup();
        rnFailed = 0;
        if (rxLookup.qtIsMark(dwBase))
            return false;
        const TMarc8Decomposition* pxDecomposition =
            dwBase > 0x7F && rxLookup.mxWritten.count(dwBase) == 0 ? rxLookup.qpxDecomposition(dwBase) : nullptr;
        if (pxDecomposition != nullptr)
        {
            dwBase = pxDecomposition->madwParts[0];
            for (std::size_t n = 1; n < 4 && pxDecomposition->madwParts[n] != 0; ++n)
                if (!qtWriteCodePoint(pxDecomposition->madwParts[n]))
                    return false;
        }
        for (std::size_t n = 0; n < nMarks; ++n)
            if (!qtWriteCodePoint(pdwMarks[n]))
            {
                rnFailed = n + 1;
                return false;
            }
        return qtWriteCodePoint(dwBase);
    }

    // The end of the string: back to ASCII and ANSEL where the writer left them.
    void qvFinish()
    {
        qvCloseRun();
        if (mxState.mtOwnG0 && mxState.mbyG0 != eMarc8Ascii)
            qvDesignate(eMarc8Ascii);
        if (mxState.mtOwnG1 && mxState.mbyG1 != eMarc8Ansel)
            qvDesignate(eMarc8Ansel);
    }

private:
    void qvCloseRun()
    {
        if (mnRun == knNoRun)
            return;
        const unsigned char* p = reinterpret_cast<const unsigned char*>(mpxOut->data());
        const std::size_t nEnd = mpxOut->size();
        for (std::size_t n = mnRun; n < nEnd;)
        {
            TToken xEscape;
            const std::size_t nLength = p[n] == kbyEsc ? qnEscape(p + n, nEnd - n, xEscape.mbySet, xEscape.mtG1) : 0;
            if (nLength == 0)
            {
                ++n;
                continue;
            }
            qvApplyEscape(xEscape, mxState, false);
            n += nLength;
        }
        mnRun = knNoRun;
    }

    void qvDesignate(uint8_t bySet)
    {
        std::string& rxOut = *mpxOut;
        rxOut += static_cast<char>(kbyEsc);
        if (bySet == eMarc8Ansel)
        {
            rxOut += ")E";
            mxState.mbyG1 = bySet;
            mxState.mtOwnG1 = true;
            return;
        }
        const uint8_t byOld = mxState.mbyG0;
        const bool tOldTechnique1 =
            byOld == eMarc8GreekSymbols || byOld == eMarc8Subscripts || byOld == eMarc8Superscripts;
        if (bySet == eMarc8Ascii && tOldTechnique1)
            rxOut += 's';
        else if (bySet == eMarc8GreekSymbols || bySet == eMarc8Subscripts || bySet == eMarc8Superscripts)
            rxOut += kaxMarc8Sets[bySet].mcFinal;
        else if (bySet == eMarc8Eacc)
            rxOut += "$1";
        else
        {
            rxOut += '(';
            rxOut += kaxMarc8Sets[bySet].mcFinal;
        }
        mxState.mbyG0 = bySet;
        mxState.mtOwnG0 = true;
    }

    void qvWriteCode(const TMarc8Code& rxCode, bool tG1)
    {
        const unsigned char byHigh = tG1 ? 0x80 : 0;
        if (kaxMarc8Sets[rxCode.mbySet].mbyWidth == 3)
        {
            *mpxOut += static_cast<char>(((rxCode.mdwCode >> 16) & 0x7F) | byHigh);
            *mpxOut += static_cast<char>(((rxCode.mdwCode >> 8) & 0x7F) | byHigh);
        }
        *mpxOut += static_cast<char>((rxCode.mdwCode & 0x7F) | byHigh);
    }

    bool qtWriteCodePoint(uint32_t dwCodePoint)
    {
        if (dwCodePoint < 0x21 || dwCodePoint == 0x7F)
        {
            if (dwCodePoint == kbyEsc)
                return false;
            // A blank goes with ASCII, as yaz writes it, unless the input chose the set.
            if (dwCodePoint == 0x20 && mxState.mtOwnG0 && mxState.mbyG0 != eMarc8Ascii)
                qvDesignate(eMarc8Ascii);
            *mpxOut += static_cast<char>(dwCodePoint);
            return true;
        }
        const TMarc8Lookup& rxLookup = qrxLookup();
        const auto it = rxLookup.mxWritten.find(dwCodePoint);
        if (it == rxLookup.mxWritten.end())
            return false;
        const TMarc8Code& rxCode = *it->second;
        if (rxCode.mbySet == eMarc8Controls)
            *mpxOut += static_cast<char>(rxCode.mdwCode);
        else if (rxCode.mbySet == mxState.mbyG0)
            qvWriteCode(rxCode, false);
        else if (rxCode.mbySet == mxState.mbyG1)
            qvWriteCode(rxCode, true);
        else if (!qtWriteInInputSet(dwCodePoint))
        {
            qvDesignate(rxCode.mbySet);
            qvWriteCode(rxCode, rxCode.mbySet == eMarc8Ansel);
        }
        return true;
    }

    // A set the input designated is kept while it holds the characters.
    bool qtWriteInInputSet(uint32_t dwCodePoint)
    {
        const TMarc8Lookup& rxLookup = qrxLookup();
        for (const bool tG1 : {false, true})
        {
            if (tG1 ? mxState.mtOwnG1 : mxState.mtOwnG0)
                continue;
            const auto it =
                rxLookup.mxHeld.find(TMarc8Lookup::qqwKey(tG1 ? mxState.mbyG1 : mxState.mbyG0, dwCodePoint));
            if (it != rxLookup.mxHeld.end())
            {
                qvWriteCode(*it->second, tG1);
                return true;
            }
        }
        return false;
    }

    std::string* mpxOut;
    TMarc8State mxState;
    std::size_t mnRun; // where the stand-in bytes not yet read for escapes begin
};

void qvAppendStandIns(const unsigned char* p, std::size_t nLength, std::wstring& rxText)
{
    for (std::size_t n = 0; n < nLength; ++n)
        rxText += TCharacterSet::qwcStandIn(p[n]);
}

std::size_t qnCountStandIns(const std::wstring& rxText)
{
    return static_cast<std::size_t>(std::count_if(rxText.begin(), rxText.end(), TCharacterSet::qtIsStandIn));
}

void qvAppendCluster(uint32_t dwBase, const std::vector<uint32_t>& rxMarks, std::wstring& rxText)
{
    TCharacterSet::qvAppendCodePoint(dwBase, rxText);
    for (const uint32_t dwMark : rxMarks)
        TCharacterSet::qvAppendCodePoint(dwMark, rxText);
}

// One exact reading: every letter with its marks (and, with tElide, the escape
// sequences before them) is kept as text only when the writer, given that text,
// writes the same bytes; anything else gets stand-ins. False (rxText unchanged)
// when the whole does not come back, as when a string ends in a set the writer
// would return from.
bool qtDecodeExact(const unsigned char* p, std::size_t nSize, std::wstring& rxText, bool tElide)
{
    const std::size_t nTextStart = rxText.size();
    std::string xEcho;
    xEcho.reserve(nSize + 8);
    TMarc8Writer xWriter(xEcho);
    TMarc8State xState;
    std::vector<uint32_t> xMarks;
    std::size_t nPos = 0;
    while (nPos < nSize)
    {
        // A unit: escape sequences and marks up to a letter.
        std::size_t nEnd = nPos;
        TMarc8State xUnitState = xState;
        xMarks.clear();
        bool tEscapes = false;
        std::size_t nTokens = 0;
        TToken xBase;
        for (;; ++nTokens)
        {
            const TToken xToken = qxToken(p + nEnd, nSize - nEnd, xUnitState);
            if (xToken.meKind == eTokenEscape && tElide)
            {
                qvApplyEscape(xToken, xUnitState, true);
                tEscapes = true;
            }
            else if (xToken.meKind == eTokenChar && xToken.mtMark)
                xMarks.push_back(xToken.mdwCodePoint);
            else
            {
                if (xToken.meKind == eTokenChar)
                    xBase = xToken;
                break;
            }
            nEnd += xToken.mnLength;
        }
        const std::size_t nPrefixEnd = nEnd;
        const TMarc8Writer::TMark xMark = xWriter.qxMark();
        if (xBase.meKind == eTokenChar)
        {
            nEnd += xBase.mnLength;
            std::size_t nFailed = 0;
            if (xWriter.qtWriteCluster(xBase.mdwCodePoint, xMarks.data(), xMarks.size(), nFailed) &&
                xEcho.compare(xMark.mnSize, std::string::npos, reinterpret_cast<const char*>(p + nPos), nEnd - nPos) ==
                    0)
            {
                qvAppendCluster(xBase.mdwCodePoint, xMarks, rxText);
                nPos = nEnd;
                xState = xUnitState;
                continue;
            }
        }
        else if (tEscapes && xMarks.empty() && nEnd == nSize)
        {
            // The sequences that end the string: kept when they are the writer's return.
            xWriter.qvFinish();
            if (xEcho.compare(xMark.mnSize, std::string::npos, reinterpret_cast<const char*>(p + nPos), nEnd - nPos) ==
                0)
                break;
        }
        xWriter.qvBackTo(xMark);
        // Stand-ins for the first token; for every token before the letter when
        // there are many, so that reading stays linear in the input.
        const bool tAll = xBase.meKind != eTokenChar || nTokens > 4;
        do
        {
            const TToken xToken = qxToken(p + nPos, nSize - nPos, xState);
            if (xToken.meKind == eTokenEscape)
                qvApplyEscape(xToken, xState, false);
            qvAppendStandIns(p + nPos, xToken.mnLength, rxText);
            for (std::size_t n = 0; n < xToken.mnLength; ++n)
                xWriter.qvStandIn(p[nPos + n]);
            nPos += xToken.mnLength;
        } while (tAll && nPos < nPrefixEnd);
    }
    xWriter.qvFinish();
    if (xEcho.size() == nSize && xEcho.compare(0, nSize, reinterpret_cast<const char*>(p), nSize) == 0)
        return true;
    rxText.resize(nTextStart);
    return false;
}
}

const wchar_t* TMarc8::qpwcGetName() const
{
    return L"MARC-8";
}

void TMarc8::qvDecode(std::string_view xBytes, std::wstring& rxText) const
{
    // Two exact readings: escape sequences taken as the writer's own, or all shown
    // as stand-ins (the writer then keeps the input's sets). The one with fewer
    // stand-ins is kept; failing both, every byte is a stand-in.
    const unsigned char* p = reinterpret_cast<const unsigned char*>(xBytes.data());
    std::wstring xElided, xShown;
    const bool tElided = qtDecodeExact(p, xBytes.size(), xElided, true);
    if (tElided && qnCountStandIns(xElided) == 0)
    {
        rxText += xElided;
        return;
    }
    const bool tShown = qtDecodeExact(p, xBytes.size(), xShown, false);
    if (tElided && (!tShown || qnCountStandIns(xElided) <= qnCountStandIns(xShown)))
        rxText += xElided;
    else if (tShown)
        rxText += xShown;
    else
        qvAppendStandIns(p, xBytes.size(), rxText);
}

void TMarc8::qvDecodeComposed(std::string_view xBytes, std::wstring& rxText) const
{
    std::wstring xDecoded;
    qvDecode(xBytes, xDecoded);
    std::wstring xComposed = qxComposed(xDecoded);
    // Composed only where the writer gives the same bytes back: a mark written
    // in another set than the writer's own, say, stays a mark.
    std::string xBack;
    std::size_t nFailedAt = 0;
    const bool tSame =
        xComposed.size() == xDecoded.size() || (qtEncode(xComposed, xBack, nFailedAt) && xBack == xBytes);
    rxText += tSame ? xComposed : xDecoded;
}

void TMarc8::qvDecodeLenient(std::string_view xBytes, std::wstring& rxText)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(xBytes.data());
    const std::size_t nSize = xBytes.size();
    TMarc8State xState;
    std::vector<uint32_t> xMarks;
    const auto qvFlushMarks = [&]() {
        for (const uint32_t dwMark : xMarks)
            qvAppendCodePoint(dwMark, rxText);
        xMarks.clear();
    };
    for (std::size_t nPos = 0; nPos < nSize;)
    {
        const TToken xToken = qxToken(p + nPos, nSize - nPos, xState);
        if (xToken.meKind == eTokenEscape)
            qvApplyEscape(xToken, xState, false);
        else if (xToken.meKind == eTokenChar && xToken.mtMark)
            xMarks.push_back(xToken.mdwCodePoint);
        else if (xToken.meKind == eTokenChar)
        {
            qvAppendCodePoint(xToken.mdwCodePoint, rxText);
            qvFlushMarks();
        }
        else
        {
            qvFlushMarks();
            qvAppendStandIns(p + nPos, xToken.mnLength, rxText);
        }
        nPos += xToken.mnLength;
    }
    qvFlushMarks();
}

bool TMarc8::qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const
{
    const TMarc8Lookup& rxLookup = qrxLookup();
    const std::size_t nStart = rxOut.size();
    TMarc8Writer xWriter(rxOut);
    std::vector<uint32_t> xMarks;
    std::vector<std::size_t> xMarkAt;
    const auto qtFail = [&](std::size_t nAt) {
        rxOut.resize(nStart);
        rnFailedAt = nAt;
        return false;
    };
    for (std::size_t n = 0; n < xText.size();)
    {
        if (qtIsStandIn(xText[n]))
        {
            xWriter.qvStandIn(qbyStandInByte(xText[n]));
            ++n;
            continue;
        }
        std::size_t nUnits = 0;
        const char32_t dwBase = qdwCodePointAt(xText, n, nUnits);
        if ((dwBase >= 0xD800 && dwBase < 0xE000) || rxLookup.qtIsMark(dwBase))
            return qtFail(n);
        // The marks that follow the letter.
        std::size_t nNext = n + nUnits;
        xMarks.clear();
        xMarkAt.clear();
        while (nNext < xText.size() && !qtIsStandIn(xText[nNext]))
        {
            std::size_t nMarkUnits = 0;
            const char32_t dwMark = qdwCodePointAt(xText, nNext, nMarkUnits);
            if (!rxLookup.qtIsMark(dwMark))
                break;
            xMarks.push_back(dwMark);
            xMarkAt.push_back(nNext);
            nNext += nMarkUnits;
        }
        std::size_t nFailed = 0;
        if (!xWriter.qtWriteCluster(dwBase, xMarks.data(), xMarks.size(), nFailed))
            return qtFail(nFailed == 0 ? n : xMarkAt[nFailed - 1]);
        n = nNext;
    }
    xWriter.qvFinish();
    return true;
}
