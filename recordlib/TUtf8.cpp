#include "recordlib/TCharacterSet.h"

namespace
{
// The length of the well-formed UTF-8 sequence at p (Unicode's table 3-7), 0 when
// none starts there; rdwCodePoint its code point.
std::size_t qnWellFormed(const unsigned char* p, std::size_t nLeft, char32_t& rdwCodePoint)
{
    const unsigned char by0 = p[0];
    std::size_t nLength = 0;
    unsigned char byLow = 0x80, byHigh = 0xBF; // the range of the second byte
    if (by0 >= 0xC2 && by0 <= 0xDF)
        nLength = 2;
    else if (by0 >= 0xE0 && by0 <= 0xEF)
    {
        nLength = 3;
        if (by0 == 0xE0)
            byLow = 0xA0;
        else if (by0 == 0xED)
            byHigh = 0x9F;
    }
    else if (by0 >= 0xF0 && by0 <= 0xF4)
    {
        nLength = 4;
        if (by0 == 0xF0)
            byLow = 0x90;
        else if (by0 == 0xF4)
            byHigh = 0x8F;
    }
    if (nLength == 0 || nLeft < nLength || p[1] < byLow || p[1] > byHigh)
        return 0;
    char32_t dwCodePoint = by0 & (0x7F >> nLength);
    for (std::size_t n = 1; n < nLength; ++n)
    {
        if (n > 1 && (p[n] & 0xC0) != 0x80)
            return 0;
        dwCodePoint = (dwCodePoint << 6) | (p[n] & 0x3F);
    }
    rdwCodePoint = dwCodePoint;
    return nLength;
}

bool qtEncodeUtf8(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt, bool tStandIns)
{
    const std::size_t nStart = rxOut.size();
    for (std::size_t n = 0; n < xText.size();)
    {
        std::size_t nUnits = 0;
        const char32_t dw = TCharacterSet::qdwCodePointAt(xText, n, nUnits);
        if (dw < 0x80)
            rxOut += static_cast<char>(dw);
        else if (dw < 0x800)
        {
            rxOut += static_cast<char>(0xC0 | (dw >> 6));
            rxOut += static_cast<char>(0x80 | (dw & 0x3F));
        }
        else if (dw >= 0xD800 && dw < 0xE000)
        {
            if (!tStandIns || dw < 0xDC80 || dw > 0xDCFF)
            {
                rxOut.resize(nStart);
                rnFailedAt = n;
                return false;
            }
            rxOut += static_cast<char>(TCharacterSet::qbyStandInByte(static_cast<wchar_t>(dw)));
        }
        else if (dw < 0x10000)
        {
            rxOut += static_cast<char>(0xE0 | (dw >> 12));
            rxOut += static_cast<char>(0x80 | ((dw >> 6) & 0x3F));
            rxOut += static_cast<char>(0x80 | (dw & 0x3F));
        }
        else
        {
            rxOut += static_cast<char>(0xF0 | (dw >> 18));
            rxOut += static_cast<char>(0x80 | ((dw >> 12) & 0x3F));
            rxOut += static_cast<char>(0x80 | ((dw >> 6) & 0x3F));
            rxOut += static_cast<char>(0x80 | (dw & 0x3F));
        }
        n += nUnits;
    }
    return true;
}
}

const wchar_t* TUtf8::qpwcGetName() const
{
    return L"UTF-8";
}

void TUtf8::qvDecode(std::string_view xBytes, std::wstring& rxText) const
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(xBytes.data());
    const std::size_t nSize = xBytes.size();
    rxText.reserve(rxText.size() + nSize);
    for (std::size_t n = 0; n < nSize;)
    {
        if (p[n] < 0x80)
        {
            rxText += static_cast<wchar_t>(p[n++]);
            continue;
        }
        char32_t dwCodePoint = 0;
        const std::size_t nLength = qnWellFormed(p + n, nSize - n, dwCodePoint);
        if (nLength == 0)
        {
            rxText += qwcStandIn(p[n++]);
            continue;
        }
        qvAppendCodePoint(dwCodePoint, rxText);
        n += nLength;
    }
}

bool TUtf8::qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const
{
    return qtEncodeUtf8(xText, rxOut, rnFailedAt, true);
}

bool TUtf8::qtEncodeStrict(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt)
{
    return qtEncodeUtf8(xText, rxOut, rnFailedAt, false);
}
