#include "batch/TBatchConvert.h"

#include "recordlib/TException.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace
{
constexpr uint32_t kdwLeaderCharset = 9;

// ASCII without ESC reads the same in MARC-8 and UTF-8.
bool qtPlainAscii(const unsigned char* p, std::size_t nSize)
{
    for (std::size_t n = 0; n < nSize; ++n)
        if (p[n] >= 0x80 || p[n] == 0x1B)
            return false;
    return true;
}

// A report line as UTF-8 (it names the character itself).
std::string qxUtf8(const std::wstring& rxText)
{
    std::string xOut;
    std::size_t nFailedAt = 0;
    return TUtf8::qtEncodeStrict(rxText, xOut, nFailedAt) ? xOut : qxAsciiText(rxText);
}
}

TBatchConvert::TBatchConvert(ECharacterSet eTarget, std::ostream& rxReport)
    : meTarget(eTarget), meSource(eTarget == eCharsetUtf8 ? eCharsetMarc8 : eCharsetUtf8), mpxReport(&rxReport),
      mqwRefused(0)
{
    if (eTarget != eCharsetUtf8 && eTarget != eCharsetMarc8)
        throw TException(L"TBatchConvert::TBatchConvert() : Records are converted to UTF-8 or MARC-8 only", eErrorFatal,
                         -1);
}

void TBatchConvert::qvRefuse(uint32_t dwRecordNumber, int iTag, const std::wstring& rxWhy)
{
    ++mqwRefused;
    char acTag[8];
    std::snprintf(acTag, sizeof acTag, "%03d", iTag);
    *mpxReport << "record " << dwRecordNumber << " written unconverted: field " << acTag << " holds " << qxUtf8(rxWhy)
               << '\n';
}

// One piece of text from the source set into the target; false with rxWhy naming
// the character when it cannot be read or written.
bool TBatchConvert::qtConvertText(const unsigned char* paxText, std::size_t nSize, std::string& rxOut,
                                  std::wstring& rxWhy)
{
    if (qtPlainAscii(paxText, nSize))
    {
        rxOut.append(reinterpret_cast<const char*>(paxText), nSize);
        return true;
    }
    const std::string_view xBytes(reinterpret_cast<const char*>(paxText), nSize);
    mxText.clear();
    if (meSource == eCharsetMarc8)
        TMarc8::qvDecodeLenient(xBytes, mxText);
    else
        TCharacterSet::qrxOf(meSource).qvDecode(xBytes, mxText);
    for (std::size_t n = 0; n < mxText.size(); ++n)
        if (TCharacterSet::qtIsStandIn(mxText[n]))
        {
            rxWhy = TCharacterSet::qxNameCharacter(mxText, n) + L" in " + TCharacterSet::qrxOf(meSource).qpwcGetName();
            return false;
        }
    std::size_t nFailedAt = 0;
    const bool tWritten = meTarget == eCharsetUtf8 ? TUtf8::qtEncodeStrict(mxText, rxOut, nFailedAt)
                                                   : TCharacterSet::qrxOf(meTarget).qtEncode(mxText, rxOut, nFailedAt);
    if (!tWritten)
        rxWhy = L"the character " + TCharacterSet::qxNameCharacter(mxText, nFailedAt) + L", which " +
                TCharacterSet::qrxOf(meTarget).qpwcGetName() + L" cannot hold";
    return tWritten;
}

bool TBatchConvert::qtConvert(TMarcRecord& rxRecord, uint32_t dwRecordNumber)
{
    const char cLeader09 = rxRecord.qrxGetLeader().qcGetAt(kdwLeaderCharset);
    const ECharacterSet eSet = TCharacterSet::qrxOfLeader(cLeader09).qeGetSet();
    if (eSet == meTarget)
        return false;
    if (eSet != meSource)
    {
        ++mqwRefused;
        *mpxReport << "record " << dwRecordNumber << " written unconverted: its Leader/09 '" << cLeader09
                   << "' names neither MARC-8 (blank) nor UTF-8 (a)\n";
        return false;
    }
    const uint32_t dwFields = rxRecord.qdwGetFieldCount();
    if (mxFields.size() < dwFields)
        mxFields.resize(dwFields);
    std::wstring xWhy;
    for (uint32_t dw = 0; dw < dwFields; ++dw)
    {
        const TMarcTag& rxField = rxRecord.qrxGetField(dw);
        const unsigned char* p = rxField.qpaxGetData();
        const std::size_t nSize = rxField.qdwGetDataSize();
        std::string& rxOut = mxFields[dw];
        rxOut.clear();
        // A control field is text to its end. In a data field the indicators and
        // each delimiter with its code stay; the text between is converted.
        const bool tControl = rxField.qtIsControlField();
        std::size_t nText = tControl ? 0 : std::min<std::size_t>(nSize, 2);
        rxOut.append(reinterpret_cast<const char*>(p), nText);
        while (nText < nSize)
        {
            std::size_t nEnd = nText;
            while (!tControl && nEnd < nSize && p[nEnd] != TMarcTag::mcDelimiter)
                ++nEnd;
            if (tControl)
                nEnd = nSize;
            if (!qtConvertText(p + nText, nEnd - nText, rxOut, xWhy))
            {
                qvRefuse(dwRecordNumber, rxField.qiGetTagNumber(), xWhy);
                return false;
            }
            const std::size_t nCode = std::min<std::size_t>(nSize - nEnd, 2);
            rxOut.append(reinterpret_cast<const char*>(p + nEnd), nCode);
            nText = nEnd + nCode;
        }
    }
    for (uint32_t dw = 0; dw < dwFields; ++dw)
        rxRecord.qrxGetField(dw).qvSetData(reinterpret_cast<const unsigned char*>(mxFields[dw].data()),
                                           static_cast<uint32_t>(mxFields[dw].size()), false);
    rxRecord.qrxGetLeader().qvSetAt(kdwLeaderCharset, meTarget == eCharsetUtf8 ? 'a' : ' ');
    return true;
}
