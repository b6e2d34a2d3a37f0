#include "recordlib/TCharacterSet.h"

#include "recordlib/TException.h"

#include <cstdio>

TCharacterSet::~TCharacterSet() = default;

const TCharacterSet& TCharacterSet::qrxOf(ECharacterSet eSet)
{
    static const TMarc8 xMarc8;
    static const TUtf8 xUtf8;
    static const TSingleByte xSingleByte;
    switch (eSet)
    {
    case eCharsetMarc8:
        return xMarc8;
    case eCharsetUtf8:
        return xUtf8;
    case eCharsetSingleByte:
        return xSingleByte;
    }
    throw TException(L"TCharacterSet::qrxOf() : No such character set", eErrorFatal, -1);
}

const TCharacterSet& TCharacterSet::qrxOfLeader(char cLeader09)
{
    return qrxOf(cLeader09 == ' ' ? eCharsetMarc8 : cLeader09 == 'a' ? eCharsetUtf8 : eCharsetSingleByte);
}

std::wstring TCharacterSet::qxDecode(std::string_view xBytes) const
{
    std::wstring xText;
    qvDecode(xBytes, xText);
    return xText;
}

void TCharacterSet::qvDecodeComposed(std::string_view xBytes, std::wstring& rxText) const
{
    qvDecode(xBytes, rxText);
}

std::wstring TCharacterSet::qxDecodeComposed(std::string_view xBytes) const
{
    std::wstring xText;
    qvDecodeComposed(xBytes, xText);
    return xText;
}

std::wstring TCharacterSet::qxDecodeByPosition(std::string_view xBytes) const
{
    std::wstring xText;
    xText.reserve(xBytes.size());
    std::wstring xOne;
    for (std::size_t n = 0; n < xBytes.size(); ++n)
    {
        xOne.clear();
        qvDecode(xBytes.substr(n, 1), xOne);
        xText += xOne.size() == 1 && !qtIsStandIn(xOne[0]) ? xOne[0] : L'\xFFFD';
    }
    return xText;
}

std::string TCharacterSet::qxEncode(std::wstring_view xText) const
{
    std::string xBytes;
    std::size_t nFailedAt = 0;
    if (!qtEncode(xText, xBytes, nFailedAt))
        throw TException(L"TCharacterSet::qxEncode() : The character " + qxNameCharacter(xText, nFailedAt) +
                             L" cannot be written in " + qpwcGetName() + L".",
                         eErrorRecoverable, -1);
    return xBytes;
}

char32_t TCharacterSet::qdwCodePointAt(std::wstring_view xText, std::size_t nIndex, std::size_t& rnUnits)
{
    const char32_t dwUnit = static_cast<char16_t>(xText[nIndex]);
    rnUnits = 1;
    if (dwUnit >= 0xD800 && dwUnit < 0xDC00 && nIndex + 1 < xText.size())
    {
        const char32_t dwLow = static_cast<char16_t>(xText[nIndex + 1]);
        if (dwLow >= 0xDC00 && dwLow < 0xE000)
        {
            rnUnits = 2;
            return 0x10000 + ((dwUnit - 0xD800) << 10) + (dwLow - 0xDC00);
        }
    }
    return dwUnit;
}

void TCharacterSet::qvAppendCodePoint(char32_t dwCodePoint, std::wstring& rxText)
{
    if (dwCodePoint < 0x10000)
    {
        rxText += static_cast<wchar_t>(dwCodePoint);
        return;
    }
    dwCodePoint -= 0x10000;
    rxText += static_cast<wchar_t>(0xD800 + (dwCodePoint >> 10));
    rxText += static_cast<wchar_t>(0xDC00 + (dwCodePoint & 0x3FF));
}

std::wstring TCharacterSet::qxNameCharacter(std::wstring_view xText, std::size_t nIndex)
{
    wchar_t awcName[40];
    if (nIndex >= xText.size())
        return L"(none)";
    if (qtIsStandIn(xText[nIndex]))
    {
        std::swprintf(awcName, 40, L"the byte 0x%02X that is no character", qbyStandInByte(xText[nIndex]));
        return awcName;
    }
    std::size_t nUnits = 0;
    const char32_t dwCodePoint = qdwCodePointAt(xText, nIndex, nUnits);
    std::swprintf(awcName, 40, L"U+%04X", static_cast<unsigned>(dwCodePoint));
    std::wstring xName = awcName;
    const bool tShowable = dwCodePoint >= 0x20 && dwCodePoint != 0x7F && !(dwCodePoint >= 0x80 && dwCodePoint < 0xA0) &&
                           !(dwCodePoint >= 0xD800 && dwCodePoint < 0xE000);
    if (tShowable)
        xName += L" (" + std::wstring(xText.substr(nIndex, nUnits)) + L")";
    return xName;
}

std::wstring TCharacterSet::qxVisibleText(std::wstring_view xText)
{
    static const wchar_t kawcHex[] = L"0123456789ABCDEF";
    std::wstring xVisible;
    xVisible.reserve(xText.size());
    for (const wchar_t wcUnit : xText)
    {
        if (!qtIsStandIn(wcUnit))
        {
            xVisible += wcUnit;
            continue;
        }
        const unsigned char byByte = qbyStandInByte(wcUnit);
        xVisible += L"\\x";
        xVisible += kawcHex[byByte >> 4];
        xVisible += kawcHex[byByte & 15];
    }
    return xVisible;
}

const wchar_t* TSingleByte::qpwcGetName() const
{
    return L"ISO 8859-1 (one byte, one character)";
}

void TSingleByte::qvDecode(std::string_view xBytes, std::wstring& rxText) const
{
    for (const char cByte : xBytes)
        rxText += static_cast<wchar_t>(static_cast<unsigned char>(cByte));
}

bool TSingleByte::qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const
{
    for (std::size_t n = 0; n < xText.size(); ++n)
        if (static_cast<char16_t>(xText[n]) > 0xFF)
        {
            rnFailedAt = n;
            return false;
        }
    for (const wchar_t wcUnit : xText)
        rxOut += static_cast<char>(wcUnit);
    return true;
}
