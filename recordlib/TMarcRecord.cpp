#include "TMarcRecord.h"

#include "TException.h"
#include "TIso2709Format.h"

#include <cstring>
#include <string>
#include <utility>

namespace
{

const wchar_t acwParseMethod[] = L"TMarcRecord::qvSetUSMarcData() : ";
const wchar_t acwWriteMethod[] = L"TMarcRecord::qvGetUSMarcData() : ";

[[noreturn]] void qvThrowMalformed(const std::wstring& rxWhat)
{
    throw TException(acwParseMethod + rxWhat, eErrorRecoverable, -1);
}

[[noreturn]] void qvThrowUnwritable(const std::wstring& rxWhat)
{
    throw TException(acwWriteMethod + rxWhat, eErrorRecoverable, -1);
}

template <uint32_t dwWidth> void qvWriteNumber(char* pacOut, uint32_t dwValue)
{
    for (uint32_t dw = dwWidth; dw > 0; --dw)
    {
        pacOut[dw - 1] = static_cast<char>('0' + dwValue % 10);
        dwValue /= 10;
    }
}

bool qtHoldsTerminator(const unsigned char* paxData, uint32_t dwSize)
{
    return dwSize > 0 && (std::memchr(paxData, TMarcRecord::mcFieldTerminator_static, dwSize) != nullptr ||
                          std::memchr(paxData, TMarcRecord::mcRecordTerminator_static, dwSize) != nullptr);
}

std::wstring qxFieldName(int iTagNumber, uint32_t dwIndex)
{
    return L"Field " + TMarcTag::qxTagWideText(iTagNumber) + L" (number " + std::to_wstring(dwIndex + 1) + L")";
}

} // namespace

// Out-of-class definitions, so that the DLL exports the constants for code that takes
// their address (a reference to an inline constant cannot be imported).
constexpr char TMarcRecord::mcFieldTerminator_static;
constexpr char TMarcRecord::mcRecordTerminator_static;
constexpr uint32_t TMarcRecord::mdwMaxRecordLength_static;
constexpr uint32_t TMarcRecord::mdwMaxFieldLength_static;

TMarcRecord::TMarcRecord() : mdwAuxData1(0) {}

void TMarcRecord::qvClear(bool tKeepMarcType)
{
    const bool tHadMarcType = mxLeader.qtHasMarcType();
    const EMarcType eMarcType = mxLeader.qeGetType();
    mxLeader = TMarcLeader();
    if (tKeepMarcType && tHadMarcType)
        mxLeader.qvSetMarcType(eMarcType);
    mxFields.clear();
    mdwAuxData1 = 0;
}

TMarcLeader& TMarcRecord::qrxGetLeader()
{
    return mxLeader;
}

const TMarcLeader& TMarcRecord::qrxGetLeader() const
{
    return mxLeader;
}

void TMarcRecord::qvSetLeader(const char* pacLeader)
{
    TMarcLeader::qvCheckData(pacLeader, L"TMarcRecord::qvSetLeader()");
    mxLeader.qvSetData(pacLeader);
}

uint32_t TMarcRecord::qdwGetAuxData1() const
{
    return mdwAuxData1;
}

void TMarcRecord::qvSetAuxData1(uint32_t dwAuxData1)
{
    mdwAuxData1 = dwAuxData1;
}

bool TMarcRecord::qtFindTag(int iTagNumber, TMarcTag& rxField, int iOccurrence) const
{
    if (iOccurrence < 1)
        return false;
    int iSeen = 0;
    for (const TMarcTag& rxCandidate : mxFields)
    {
        if (rxCandidate.qiGetTagNumber() == iTagNumber && ++iSeen == iOccurrence)
        {
            rxField = rxCandidate;
            return true;
        }
    }
    return false;
}

bool TMarcRecord::qtReplaceTag(const TMarcTag& rxField, int iOccurrence)
{
    if (iOccurrence < 1)
        return false;
    int iSeen = 0;
    for (TMarcTag& rxCandidate : mxFields)
    {
        if (rxCandidate.qiGetTagNumber() == rxField.qiGetTagNumber() && ++iSeen == iOccurrence)
        {
            rxCandidate = rxField;
            return true;
        }
    }
    return false;
}

void TMarcRecord::qvOrderedInsert(const TMarcTag& rxField)
{
    const int iTagNumber = rxField.qiGetTagNumber();
    if (iTagNumber < 0)
        throw TException(L"TMarcRecord::qvOrderedInsert() : Field has no tag number", eErrorFatal, -1);
    std::size_t nAt = mxFields.size();
    while (nAt > 0 && mxFields[nAt - 1].qiGetTagNumber() > iTagNumber)
        --nAt;
    mxFields.insert(mxFields.begin() + static_cast<std::ptrdiff_t>(nAt), rxField);
}

uint32_t TMarcRecord::qdwGetFieldCount() const
{
    return static_cast<uint32_t>(mxFields.size());
}

TMarcTag& TMarcRecord::qrxGetField(uint32_t dwIndex)
{
    if (dwIndex >= mxFields.size())
        throw TException(L"TMarcRecord::qrxGetField() : Field index out of range", eErrorFatal, -1);
    return mxFields[dwIndex];
}

const TMarcTag& TMarcRecord::qrxGetField(uint32_t dwIndex) const
{
    if (dwIndex >= mxFields.size())
        throw TException(L"TMarcRecord::qrxGetField() : Field index out of range", eErrorFatal, -1);
    return mxFields[dwIndex];
}

void TMarcRecord::qvRemoveField(uint32_t dwIndex)
{
    if (dwIndex >= mxFields.size())
        throw TException(L"TMarcRecord::qvRemoveField() : Field index out of range", eErrorFatal, -1);
    mxFields.erase(mxFields.begin() + static_cast<std::ptrdiff_t>(dwIndex));
}

void TMarcRecord::qvGetUSMarcData(TXBuffer<unsigned char>& rxOut, bool tAppend) const
{
    // Check everything and size the record before writing a byte.
    uint64_t qwDataLength = 0;
    for (uint32_t dw = 0; dw < mxFields.size(); ++dw)
    {
        const TMarcTag& rxField = mxFields[dw];
        const uint32_t dwSize = rxField.qdwGetDataSize();
        if (rxField.qiGetTagNumber() < 0)
            qvThrowUnwritable(qxFieldName(rxField.qiGetTagNumber(), dw) + L" has no tag number");
        if (dwSize + 1ULL > mdwMaxFieldLength_static)
            qvThrowUnwritable(qxFieldName(rxField.qiGetTagNumber(), dw) + L" is longer than 9999 bytes");
        if (qtHoldsTerminator(rxField.qpaxGetData(), dwSize))
            qvThrowUnwritable(qxFieldName(rxField.qiGetTagNumber(), dw) + L" holds a field or record terminator");
        if (!rxField.qtIsControlField() && !qtHasValidIndicators(rxField.qpaxGetData(), dwSize))
            qvThrowUnwritable(qxFieldName(rxField.qiGetTagNumber(), dw) + L" has no valid indicators");
        qwDataLength += dwSize + 1ULL;
    }
    const uint64_t qwBase = TMarcLeader::mdwLength_static + uint64_t(dwDirectoryEntryLength) * mxFields.size() + 1;
    const uint64_t qwTotal = qwBase + qwDataLength + 1;
    if (qwTotal > mdwMaxRecordLength_static)
        qvThrowUnwritable(L"Record of " + std::to_wstring(qwTotal) + L" bytes is longer than 99999 bytes");

    char acLeader[TMarcLeader::mdwLength_static + 1];
    std::memcpy(acLeader, mxLeader.qpacGetData(), sizeof acLeader);
    qvWriteNumber<5>(acLeader, static_cast<uint32_t>(qwTotal));
    acLeader[10] = '2';
    acLeader[11] = '2';
    qvWriteNumber<5>(acLeader + 12, static_cast<uint32_t>(qwBase));
    acLeader[20] = '4';
    acLeader[21] = '5';
    if (acLeader[22] >= '0' && acLeader[22] <= '9')
        acLeader[22] = '0';

    // Written in place: the record's size is known, so nothing grows.
    std::vector<unsigned char> xBytes(static_cast<std::size_t>(qwTotal));
    char* pacEntry = reinterpret_cast<char*>(xBytes.data());
    std::memcpy(pacEntry, acLeader, TMarcLeader::mdwLength_static);
    pacEntry += TMarcLeader::mdwLength_static;
    unsigned char* paxField = xBytes.data() + qwBase;
    uint32_t dwStart = 0;
    for (const TMarcTag& rxField : mxFields)
    {
        const uint32_t dwSize = rxField.qdwGetDataSize();
        std::memcpy(pacEntry, rxField.qxGetTagText().data(), 3);
        qvWriteNumber<4>(pacEntry + 3, dwSize + 1);
        qvWriteNumber<5>(pacEntry + 7, dwStart);
        pacEntry += dwDirectoryEntryLength;
        if (dwSize != 0)
            std::memcpy(paxField, rxField.qpaxGetData(), dwSize);
        paxField += dwSize;
        *paxField++ = static_cast<unsigned char>(mcFieldTerminator_static);
        dwStart += dwSize + 1;
    }
    *pacEntry = mcFieldTerminator_static;
    *paxField = static_cast<unsigned char>(mcRecordTerminator_static);

    if (tAppend)
        rxOut.qvAppend(xBytes.data(), static_cast<uint32_t>(xBytes.size()));
    else
        rxOut.qvAdopt(std::move(xBytes));
}

void TMarcRecord::qvSetUSMarcData(const unsigned char* paxData, uint32_t dwSize)
{
    if (paxData == nullptr)
        throw TException(L"TMarcRecord::qvSetUSMarcData() : Null data", eErrorFatal, -1);
    const uint32_t dwLeaderLength = TMarcLeader::mdwLength_static;
    if (dwSize < dwLeaderLength)
        qvThrowMalformed(L"Record of " + std::to_wstring(dwSize) + L" bytes is shorter than a leader");

    uint32_t dwRecordLength = 0;
    if (!qtReadNumber(paxData, 5, dwRecordLength))
        qvThrowMalformed(L"Record length (leader 00-04) is not 5 digits");
    if (dwRecordLength != dwSize)
        qvThrowMalformed(L"Record length " + std::to_wstring(dwRecordLength) + L" in the leader does not match the " +
                         std::to_wstring(dwSize) + L" bytes of data");
    if (paxData[dwSize - 1] != static_cast<unsigned char>(mcRecordTerminator_static))
        qvThrowMalformed(L"Record does not end with a record terminator");
    if (paxData[10] != '2' || paxData[11] != '2')
        qvThrowMalformed(L"Leader 10-11 (indicator count, subfield code length) is not \"22\"");
    uint32_t dwBase = 0;
    if (!qtReadNumber(paxData + 12, 5, dwBase))
        qvThrowMalformed(L"Base address (leader 12-16) is not 5 digits");
    if (paxData[20] != '4' || paxData[21] != '5')
        qvThrowMalformed(L"Leader 20-21 (directory entry map) is not \"45\"");
    if (paxData[22] >= '1' && paxData[22] <= '9')
        qvThrowMalformed(L"Directory entries with an implementation-defined part (leader 22) are not supported");

    char acLeader[TMarcLeader::mdwLength_static + 1];
    std::memcpy(acLeader, paxData, dwLeaderLength);
    acLeader[dwLeaderLength] = '\0';
    if (std::memchr(acLeader, 0, dwLeaderLength) != nullptr)
        qvThrowMalformed(L"Leader holds a NUL byte");
    TMarcLeader::qvCheckData(acLeader, L"TMarcRecord::qvSetUSMarcData()");

    // Directory: whole 12-byte entries from byte 24 up to the field terminator just
    // before the base address; the fields lie between the base address and the record
    // terminator.
    if (dwBase < dwLeaderLength + 1 || dwBase > dwSize - 1)
        qvThrowMalformed(L"Base address " + std::to_wstring(dwBase) + L" is outside the record");
    const uint32_t dwDirectoryLength = dwBase - 1 - dwLeaderLength;
    if (dwDirectoryLength % dwDirectoryEntryLength != 0)
        qvThrowMalformed(L"Directory of " + std::to_wstring(dwDirectoryLength) +
                         L" bytes is not made of 12-byte entries");
    if (paxData[dwBase - 1] != static_cast<unsigned char>(mcFieldTerminator_static))
        qvThrowMalformed(L"Directory does not end with a field terminator");

    const uint32_t dwDataAreaEnd = dwSize - 1;
    const uint32_t dwEntryCount = dwDirectoryLength / dwDirectoryEntryLength;
    std::vector<TMarcTag> xFields;
    xFields.reserve(dwEntryCount);
    TXBuffer<unsigned char> xContent;
    for (uint32_t dw = 0; dw < dwEntryCount; ++dw)
    {
        const unsigned char* paxEntry = paxData + dwLeaderLength + dw * dwDirectoryEntryLength;
        const int iTag = qiReadTag(paxEntry);
        uint32_t dwLength = 0, dwStart = 0;
        if (iTag < 0 || !qtReadNumber(paxEntry + 3, 4, dwLength) || !qtReadNumber(paxEntry + 7, 5, dwStart))
            qvThrowMalformed(L"Directory entry " + std::to_wstring(dw + 1) +
                             L" is not a tag of three letters or digits, then 9 digits");
        // The name is made only for a message: building it for every field
        // would cost more than reading the field.
        auto xField = [&]() { return qxFieldName(iTag, dw); };
        if (dwLength == 0)
            qvThrowMalformed(xField() + L" has length 0");
        if (dwStart >= dwDataAreaEnd - dwBase || dwLength > dwDataAreaEnd - dwBase - dwStart)
            qvThrowMalformed(xField() + L" lies outside the data area");
        const unsigned char* paxField = paxData + dwBase + dwStart;
        const uint32_t dwContentSize = dwLength - 1;
        if (paxField[dwContentSize] != static_cast<unsigned char>(mcFieldTerminator_static))
            qvThrowMalformed(xField() + L" does not end with a field terminator");
        if (qtHoldsTerminator(paxField, dwContentSize))
            qvThrowMalformed(xField() + L" holds a field or record terminator");
        if (dwContentSize > 0 && std::memchr(paxField, 0, dwContentSize) != nullptr)
            qvThrowMalformed(xField() + L" holds a NUL byte");
        xFields.emplace_back(iTag);
        if (!xFields.back().qtIsControlField() && !qtHasValidIndicators(paxField, dwContentSize))
            qvThrowMalformed(xField() + L" has invalid indicators");
        xContent.qvAssign(paxField, dwContentSize);
        xFields.back().qvSetData(xContent, false);
    }

    mxLeader.qvSetData(acLeader);
    mxFields.swap(xFields);
}
