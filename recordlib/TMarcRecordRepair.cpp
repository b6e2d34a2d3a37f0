// The lenient parse of an ISO 2709 record: TMarcRecord::qvRepairUSMarcData.
#include "TMarcRecord.h"

#include "TException.h"
#include "TIso2709Format.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace
{

const wchar_t acwRepairMethod[] = L"TMarcRecord::qvRepairUSMarcData() : ";
constexpr uint32_t dwShownBytes = 16;
constexpr unsigned char cFieldTerminator = static_cast<unsigned char>(TMarcRecord::mcFieldTerminator_static);
constexpr unsigned char cRecordTerminator = static_cast<unsigned char>(TMarcRecord::mcRecordTerminator_static);

[[noreturn]] void qvThrowUnreadable(const std::wstring& rxWhat)
{
    throw TException(acwRepairMethod + rxWhat, eErrorRecoverable, -1);
}

bool qtIsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

std::wstring qxNumber(uint32_t dwValue)
{
    return std::to_wstring(dwValue);
}

// Whether the directory reads with the entry map (widths of the field length, the
// starting position and the implementation-defined part): whole entries of a tag and
// digits from the end of the leader to a field terminator just before the base
// address, each field inside the record.
bool qtDirectoryReads(const unsigned char* paxData, uint32_t dwSize, uint32_t dwLengthWidth, uint32_t dwStartWidth,
                      uint32_t dwPartWidth)
{
    const uint32_t dwLeaderLength = TMarcLeader::mdwLength_static;
    const uint32_t dwEntryLength = 3 + dwLengthWidth + dwStartWidth + dwPartWidth;
    uint32_t dwBase = 0;
    if (dwLengthWidth == 0 || dwStartWidth == 0 || dwLengthWidth > 9 || dwStartWidth > 9 ||
        !qtReadNumber(paxData + 12, 5, dwBase) || dwBase <= dwLeaderLength || dwBase > dwSize ||
        paxData[dwBase - 1] != cFieldTerminator || (dwBase - 1 - dwLeaderLength) % dwEntryLength != 0)
        return false;
    for (uint32_t dwAt = dwLeaderLength; dwAt < dwBase - 1; dwAt += dwEntryLength)
    {
        uint32_t dwLength = 0, dwStart = 0;
        if (qiReadTag(paxData + dwAt) < 0 || !qtReadNumber(paxData + dwAt + 3, dwLengthWidth, dwLength) ||
            !qtReadNumber(paxData + dwAt + 3 + dwLengthWidth, dwStartWidth, dwStart) ||
            uint64_t(dwBase) + dwStart + dwLength > dwSize)
            return false;
    }
    return true;
}

// Leader 10-11 and 20-22, which say which ISO 2709 profile a record follows.
// Bytes that are not digits at 10-11 or 20-21 are damage: MARC 21's values used.
// Digits other than MARC 21's ("22", "45", and 0 at 22) are another profile (refused)
// when the directory reads with the entry map the leader gives and not with MARC 21's;
// otherwise the leader is what was damaged, and MARC 21's values are used.
void qvRepairProfile(const unsigned char* paxData, uint32_t dwSize, char* pacLeader, std::vector<TRepair>& rxRepairs)
{
    auto qtDigits = [&](uint32_t dwAt, uint32_t dwWidth) {
        return std::all_of(paxData + dwAt, paxData + dwAt + dwWidth, qtIsDigit);
    };
    auto qvUse = [&](ERepairKind eKind, uint32_t dwAt, const char* pacMarc21) {
        const uint32_t dwWidth = static_cast<uint32_t>(std::strlen(pacMarc21));
        const std::wstring xPositions =
            dwWidth == 1 ? qxNumber(dwAt) : qxNumber(dwAt) + L"-" + qxNumber(dwAt + dwWidth - 1);
        rxRepairs.push_back(qxMakeRepair(eKind, -1, dwAt,
                                         {xPositions, qxShowBytes(paxData + dwAt, dwWidth, dwWidth),
                                          L"\"" + std::wstring(pacMarc21, pacMarc21 + dwWidth) + L"\""}));
        std::memcpy(pacLeader + dwAt, pacMarc21, dwWidth);
    };
    const bool tIndicatorsDigits = qtDigits(10, 2);
    const bool tMapDigits = qtDigits(20, 2);
    if (!tIndicatorsDigits)
        qvUse(eRepairLeaderLayout, 10, "22");
    if (!tMapDigits)
        qvUse(eRepairLeaderLayout, 20, "45");
    const bool tOtherIndicators = tIndicatorsDigits && std::memcmp(paxData + 10, "22", 2) != 0;
    const bool tPart = qtIsDigit(paxData[22]) && paxData[22] != '0';
    const bool tOtherMap = (tMapDigits && std::memcmp(paxData + 20, "45", 2) != 0) || tPart;
    if (!tOtherIndicators && !tOtherMap)
        return;
    const bool tOwnMap = tMapDigits && qtDirectoryReads(paxData, dwSize, static_cast<uint32_t>(paxData[20] - '0'),
                                                        static_cast<uint32_t>(paxData[21] - '0'),
                                                        tPart ? static_cast<uint32_t>(paxData[22] - '0') : 0);
    if (tOwnMap && !qtDirectoryReads(paxData, dwSize, 4, 5, 0))
        qvThrowUnreadable(L"Not a MARC 21 record: leader 10-11 and 20-22 are " + qxShowBytes(paxData + 10, 2, 2) +
                          L" and " + qxShowBytes(paxData + 20, 3, 3) + L", another ISO 2709 profile");
    if (tOtherIndicators)
        qvUse(eRepairLeaderProfile, 10, "22");
    if (tOtherMap && tMapDigits)
        qvUse(eRepairLeaderProfile, 20, tPart ? "450" : "45");
    else if (tOtherMap)
        qvUse(eRepairLeaderProfile, 22, "0"); // 20-21 already repaired above
}

// One run of the data area up to a field terminator (or to the end of the data).
struct TSegment
{
    uint32_t mdwStart;
    uint32_t mdwEnd; // the terminator's position, or the end of the data
    bool mtTerminated;
    bool mtUsed;
    bool mtLostTerminator; // mdwEnd holds another byte where a field's terminator belongs
};

// The run holding dwPosition. Fields mostly stand in directory order, so the run
// after the previous entry's (nHint) is tried first.
std::size_t qnSegmentAt(const std::vector<TSegment>& rxSegments, uint32_t dwPosition, std::size_t nHint)
{
    if (nHint < rxSegments.size() && rxSegments[nHint].mdwStart <= dwPosition &&
        (nHint + 1 == rxSegments.size() || dwPosition < rxSegments[nHint + 1].mdwStart))
        return nHint;
    const auto it = std::upper_bound(rxSegments.begin(), rxSegments.end(), dwPosition,
                                     [](uint32_t dw, const TSegment& rx) { return dw < rx.mdwStart; });
    return static_cast<std::size_t>(it - rxSegments.begin()) - 1;
}

// Where a directory entry's field was found.
struct TPlacement
{
    int miTag = -1;
    uint32_t mdwFrom = 0;
    uint32_t mdwTo = 0;
    bool mtPlaced = false;
};

// NUL and record terminators inside a field become blanks, and so do indicators that
// are not valid (missing ones are supplied).
void qvRepairContent(const TPlacement& rxPlacement, bool tControl, std::string& rxBytes,
                     std::vector<TRepair>& rxRepairs)
{
    const int iTag = rxPlacement.miTag;
    std::string xForbidden;
    uint32_t dwFirstForbidden = 0;
    for (std::size_t n = 0; n < rxBytes.size(); ++n)
    {
        if (rxBytes[n] != '\0' && rxBytes[n] != TMarcRecord::mcRecordTerminator_static)
            continue;
        if (xForbidden.empty())
            dwFirstForbidden = rxPlacement.mdwFrom + static_cast<uint32_t>(n);
        xForbidden += rxBytes[n];
        rxBytes[n] = ' ';
    }
    if (!xForbidden.empty())
        rxRepairs.push_back(qxMakeRepair(eRepairForbiddenByte, iTag, dwFirstForbidden,
                                         {qxNumber(static_cast<uint32_t>(xForbidden.size())),
                                          qxShowBytes(reinterpret_cast<const unsigned char*>(xForbidden.data()),
                                                      static_cast<uint32_t>(xForbidden.size()), 4),
                                          qxNumber(dwFirstForbidden)}));
    const unsigned char* paxContent = reinterpret_cast<const unsigned char*>(rxBytes.data());
    const uint32_t dwContentSize = static_cast<uint32_t>(rxBytes.size());
    if (tControl || qtHasValidIndicators(paxContent, dwContentSize))
        return;
    const std::wstring xWas = qxShowBytes(paxContent, std::min<uint32_t>(dwContentSize, 2), 2);
    if (rxBytes.size() < 2)
        rxBytes.insert(rxBytes.size(), 2 - rxBytes.size(), ' ');
    for (std::size_t n = 0; n < 2; ++n)
        if (!TMarcTag::qtIsValidIndicator(rxBytes[n]))
            rxBytes[n] = ' ';
    const std::wstring xNow = rxBytes[0] == ' ' && rxBytes[1] == ' '
                                  ? std::wstring(L"blanks")
                                  : qxShowBytes(reinterpret_cast<const unsigned char*>(rxBytes.data()), 2, 2);
    rxRepairs.push_back(qxMakeRepair(eRepairIndicators, iTag, rxPlacement.mdwFrom, {xWas, xNow}));
}

// The fields of a record whose structure needs no repair, straight from its
// directory: the record ends on a record terminator where its length says; the
// leader is printable ASCII with MARC 21's "22" at 10-11, "45" at 20-21 and no
// implementation-defined part at 22; the directory is whole entries up to a field
// terminator at the base address; and the fields, in directory order, follow one
// another through the whole data area, each ending on its field terminator and
// holding no other. qvPlaceLeniently places the fields of such a record just so and
// repairs nothing in its structure; this finds that in one pass over the directory
// (most records of a file are such records). False for any other record.
bool qtPlacePlainFields(const unsigned char* paxData, uint32_t dwSize, std::vector<TPlacement>& rxPlacements)
{
    const uint32_t dwLeaderLength = TMarcLeader::mdwLength_static;
    uint32_t dwLength = 0, dwBase = 0;
    if (!qtReadNumber(paxData, 5, dwLength) || dwLength != dwSize || paxData[dwSize - 1] != cRecordTerminator ||
        std::memcmp(paxData + 10, "22", 2) != 0 || std::memcmp(paxData + 20, "45", 2) != 0 ||
        (paxData[22] >= '1' && paxData[22] <= '9') || !qtReadNumber(paxData + 12, 5, dwBase))
        return false;
    for (uint32_t dw = 0; dw < dwLeaderLength; ++dw)
        if (paxData[dw] < 0x20 || paxData[dw] > 0x7E)
            return false;
    const uint32_t dwDataEnd = dwSize - 1;
    if (dwBase <= dwLeaderLength || dwBase > dwDataEnd || (dwBase - 1 - dwLeaderLength) % dwDirectoryEntryLength != 0 ||
        std::memchr(paxData + dwLeaderLength, cFieldTerminator, dwBase - dwLeaderLength) != paxData + dwBase - 1)
        return false;
    const uint32_t dwEntryCount = (dwBase - 1 - dwLeaderLength) / dwDirectoryEntryLength;
    rxPlacements.resize(dwEntryCount);
    uint32_t dwFrom = dwBase;
    for (uint32_t dw = 0; dw < dwEntryCount; ++dw)
    {
        const unsigned char* paxEntry = paxData + dwLeaderLength + dw * dwDirectoryEntryLength;
        const int iTag = qiReadTag(paxEntry);
        uint32_t dwFieldLength = 0, dwStart = 0;
        if (iTag < 0 || !qtReadNumber(paxEntry + 3, 4, dwFieldLength) || !qtReadNumber(paxEntry + 7, 5, dwStart) ||
            dwFieldLength == 0 || dwBase + dwStart != dwFrom || dwFieldLength > dwDataEnd - dwFrom ||
            std::memchr(paxData + dwFrom, cFieldTerminator, dwFieldLength) != paxData + dwFrom + dwFieldLength - 1)
            return false;
        rxPlacements[dw] = {iTag, dwFrom, dwFrom + dwFieldLength - 1, true};
        dwFrom += dwFieldLength;
    }
    return dwFrom == dwDataEnd;
}

// Where each directory entry's field is, in any record: the leader repaired in
// pacLeader, the data area cut into runs (rxSegments, each marked when a field took
// it), and what was repaired to place them.
void qvPlaceLeniently(const unsigned char* paxData, uint32_t dwSize, char* pacLeader,
                      std::vector<TPlacement>& rxPlacements, std::vector<TSegment>& rxSegments,
                      std::vector<TRepair>& rxRepairs)
{
    const uint32_t dwLeaderLength = TMarcLeader::mdwLength_static;

    // The record's end.
    uint32_t dwLength = 0;
    const bool tLengthDigits = qtReadNumber(paxData, 5, dwLength);
    auto qxLength = [&] { return tLengthDigits ? qxNumber(dwLength) : qxShowBytes(paxData, 5, 5); };
    const bool tTerminated = paxData[dwSize - 1] == cRecordTerminator;
    if (!tTerminated)
        rxRepairs.push_back(qxMakeRepair(eRepairRecordUnterminated, -1, 0, {qxLength(), qxNumber(dwSize)}));
    else if (!tLengthDigits || dwLength != dwSize)
        rxRepairs.push_back(qxMakeRepair(eRepairRecordEnd, -1, 0, {qxLength(), qxNumber(dwSize - 1)}));
    const uint32_t dwDataEnd = tTerminated ? dwSize - 1 : dwSize;

    // The Leader.
    qvRepairProfile(paxData, dwSize, pacLeader, rxRepairs);
    for (uint32_t dw = 0; dw < dwLeaderLength; ++dw)
    {
        const unsigned char c = static_cast<unsigned char>(pacLeader[dw]);
        if (c >= 0x20 && c <= 0x7E)
            continue;
        rxRepairs.push_back(qxMakeRepair(eRepairLeaderByte, -1, dw, {qxNumber(dw), qxShowBytes(&c, 1, 1)}));
        pacLeader[dw] = ' ';
    }

    // The directory: up to the base address when that ends whole entries with no field
    // terminator before it, else up to the first field terminator.
    uint32_t dwBase = 0;
    const bool tBaseDigits = qtReadNumber(paxData + 12, 5, dwBase);
    const void* pvFirstTerminator = std::memchr(paxData + dwLeaderLength, cFieldTerminator, dwDataEnd - dwLeaderLength);
    const uint32_t dwFirstTerminator =
        pvFirstTerminator == nullptr
            ? dwDataEnd
            : static_cast<uint32_t>(static_cast<const unsigned char*>(pvFirstTerminator) - paxData);
    uint32_t dwDirectoryEnd = 0;
    if (tBaseDigits && dwBase > dwLeaderLength && dwBase <= dwDataEnd &&
        (dwBase - 1 - dwLeaderLength) % dwDirectoryEntryLength == 0 && dwFirstTerminator >= dwBase - 1)
    {
        dwDirectoryEnd = dwBase - 1;
        if (paxData[dwDirectoryEnd] != cFieldTerminator)
            rxRepairs.push_back(qxMakeRepair(eRepairDirectoryEnd, -1, dwDirectoryEnd,
                                             {qxShowBytes(paxData + dwDirectoryEnd, 1, 1), qxNumber(dwDirectoryEnd)}));
    }
    else
    {
        if (pvFirstTerminator == nullptr)
            qvThrowUnreadable(L"No field terminator after the leader: the directory cannot be found");
        dwDirectoryEnd = dwFirstTerminator;
        if (!tBaseDigits || dwBase != dwDirectoryEnd + 1)
            rxRepairs.push_back(qxMakeRepair(
                eRepairBaseAddress, -1, 12,
                {tBaseDigits ? qxNumber(dwBase) : qxShowBytes(paxData + 12, 5, 5), qxNumber(dwDirectoryEnd)}));
        const uint32_t dwTail = (dwDirectoryEnd - dwLeaderLength) % dwDirectoryEntryLength;
        if (dwTail != 0)
            rxRepairs.push_back(qxMakeRepair(eRepairDirectoryTail, -1, dwDirectoryEnd - dwTail,
                                             {qxNumber(dwTail), qxNumber(dwDirectoryEnd - dwTail)}));
    }

    // The data area, cut at its field terminators, and also where an entry's length
    // ends on another byte although the next field starts right after it (or the data
    // ends there): that byte is the field's damaged terminator, and the length is
    // trusted, as yaz does, rather than gluing the next field on.
    const uint32_t dwDataStart = dwDirectoryEnd + 1;
    const uint32_t dwAreaSize = dwDataEnd - dwDataStart;
    const uint32_t dwEntryCount = (dwDirectoryEnd - dwLeaderLength) / dwDirectoryEntryLength;
    std::vector<uint32_t> xEntryStarts;
    std::vector<uint32_t> xLostTerminators;
    for (int iPass = 0; iPass < 2; ++iPass)
    {
        for (uint32_t dw = 0; dw < dwEntryCount; ++dw)
        {
            const unsigned char* paxEntry = paxData + dwLeaderLength + dw * dwDirectoryEntryLength;
            uint32_t dwFieldLength = 0, dwStart = 0;
            if (!qtReadNumber(paxEntry + 3, 4, dwFieldLength) || !qtReadNumber(paxEntry + 7, 5, dwStart) ||
                dwStart >= dwAreaSize)
                continue;
            const uint32_t dwFrom = dwDataStart + dwStart;
            const uint64_t qwEnd = uint64_t(dwFrom) + dwFieldLength - 1;
            if (iPass == 0)
                xEntryStarts.push_back(dwFrom);
            else if (dwFieldLength > 0 && qwEnd < dwDataEnd && paxData[qwEnd] != cFieldTerminator &&
                     ((tTerminated && qwEnd + 1 == dwDataEnd) ||
                      std::binary_search(xEntryStarts.begin(), xEntryStarts.end(), uint32_t(qwEnd + 1))) &&
                     std::memchr(paxData + dwFrom, cFieldTerminator, dwFieldLength - 1) == nullptr)
                xLostTerminators.push_back(static_cast<uint32_t>(qwEnd));
        }
        std::sort(xEntryStarts.begin(), xEntryStarts.end());
    }
    std::sort(xLostTerminators.begin(), xLostTerminators.end());
    rxSegments.reserve(dwEntryCount + 1);
    auto itLost = xLostTerminators.begin();
    for (uint32_t dwFrom = dwDataStart; dwFrom < dwDataEnd;)
    {
        const void* pvEnd = std::memchr(paxData + dwFrom, cFieldTerminator, dwDataEnd - dwFrom);
        uint32_t dwTo =
            pvEnd == nullptr ? dwDataEnd : static_cast<uint32_t>(static_cast<const unsigned char*>(pvEnd) - paxData);
        while (itLost != xLostTerminators.end() && *itLost < dwFrom)
            ++itLost;
        const bool tLost = itLost != xLostTerminators.end() && *itLost < dwTo;
        if (tLost)
            dwTo = *itLost;
        rxSegments.push_back({dwFrom, dwTo, pvEnd != nullptr || tLost, false, tLost});
        dwFrom = dwTo + 1;
    }

    // First the entries that describe their field, or its start; each other entry's
    // report waits for the second pass.
    rxPlacements.assign(dwEntryCount, TPlacement());
    std::vector<std::size_t> xSegmentOf(dwEntryCount, rxSegments.size());
    std::vector<std::wstring> xDefects(dwEntryCount);
    std::vector<TRepair> xEntryRepairs;
    auto qvPlace = [&](uint32_t dwEntry, std::size_t nSegment, uint32_t dwFrom) {
        TSegment& rxSegment = rxSegments[nSegment];
        rxSegment.mtUsed = true;
        rxPlacements[dwEntry].mdwFrom = dwFrom;
        rxPlacements[dwEntry].mdwTo = rxSegment.mdwEnd;
        rxPlacements[dwEntry].mtPlaced = true;
        xSegmentOf[dwEntry] = nSegment;
    };
    std::size_t nNextSegment = 0;
    for (uint32_t dw = 0; dw < dwEntryCount; ++dw)
    {
        const unsigned char* paxEntry = paxData + dwLeaderLength + dw * dwDirectoryEntryLength;
        const int iTag = qiReadTag(paxEntry);
        uint32_t dwFieldLength = 0, dwStart = 0;
        const bool tDigits =
            iTag >= 0 && qtReadNumber(paxEntry + 3, 4, dwFieldLength) && qtReadNumber(paxEntry + 7, 5, dwStart);
        rxPlacements[dw].miTag = iTag;
        if (!tDigits)
        {
            xDefects[dw] = L"is not a tag of three letters or digits, then 9 digits";
            continue;
        }
        if (dwStart >= dwAreaSize)
        {
            xDefects[dw] = L"(field " + qxShowBytes(paxEntry, 3, 3) + L") points outside the data area";
            continue;
        }
        const uint32_t dwFrom = dwDataStart + dwStart;
        const std::size_t nSegment = qnSegmentAt(rxSegments, dwFrom, nNextSegment);
        nNextSegment = nSegment + 1;
        const TSegment& rxSegment = rxSegments[nSegment];
        if (dwFieldLength > 0 && dwFrom + dwFieldLength - 1 == rxSegment.mdwEnd && rxSegment.mtTerminated)
        {
            qvPlace(dw, nSegment, dwFrom);
            if (rxSegment.mtLostTerminator)
                xEntryRepairs.push_back(qxMakeRepair(
                    eRepairFieldTerminator, iTag, rxSegment.mdwEnd,
                    {qxNumber(dw + 1), qxShowBytes(paxData + rxSegment.mdwEnd, 1, 1), qxNumber(rxSegment.mdwEnd)}));
            continue;
        }
        if (rxSegment.mdwStart != dwFrom || rxSegment.mtUsed)
        {
            xDefects[dw] = L"(field " + qxShowBytes(paxEntry, 3, 3) + L") does not point at a field";
            continue;
        }
        qvPlace(dw, nSegment, dwFrom);
        const uint32_t dwPosition = dwLeaderLength + dw * dwDirectoryEntryLength;
        if (rxSegment.mtTerminated)
            xEntryRepairs.push_back(
                qxMakeRepair(eRepairFieldEnd, iTag, dwPosition,
                             {qxNumber(dw + 1), qxNumber(dwFieldLength), qxNumber(rxSegment.mdwEnd)}));
        else
            xEntryRepairs.push_back(qxMakeRepair(eRepairFieldCutShort, iTag, dwPosition,
                                                 {qxNumber(dw + 1), qxNumber(rxSegment.mdwEnd - dwFrom)}));
    }

    // Then each other entry with a tag takes the first unclaimed run after the fields
    // of the entries before it and before the field of the next described entry. The
    // runs are looked at in order, once.
    std::vector<std::size_t> xNextPlaced(dwEntryCount + 1, rxSegments.size());
    for (uint32_t dw = dwEntryCount; dw > 0; --dw)
        xNextPlaced[dw - 1] = rxPlacements[dw - 1].mtPlaced ? xSegmentOf[dw - 1] : xNextPlaced[dw];
    std::size_t nCursor = 0;
    for (uint32_t dw = 0; dw < dwEntryCount; ++dw)
    {
        if (rxPlacements[dw].mtPlaced)
        {
            nCursor = std::max(nCursor, xSegmentOf[dw] + 1);
            continue;
        }
        const uint32_t dwPosition = dwLeaderLength + dw * dwDirectoryEntryLength;
        while (nCursor < xNextPlaced[dw + 1] && rxSegments[nCursor].mtUsed)
            ++nCursor;
        if (rxPlacements[dw].miTag < 0 || nCursor >= xNextPlaced[dw + 1])
        {
            xEntryRepairs.push_back(
                qxMakeRepair(eRepairEntryDropped, -1, dwPosition, {qxNumber(dw + 1), xDefects[dw]}));
            continue;
        }
        const TSegment& rxSegment = rxSegments[nCursor];
        qvPlace(dw, nCursor, rxSegment.mdwStart);
        xEntryRepairs.push_back(qxMakeRepair(eRepairEntryRecovered, rxPlacements[dw].miTag, dwPosition,
                                             {qxNumber(dw + 1), xDefects[dw], qxNumber(rxSegment.mdwStart)}));
        if (!rxSegment.mtTerminated)
            xEntryRepairs.push_back(qxMakeRepair(eRepairFieldCutShort, rxPlacements[dw].miTag, rxSegment.mdwStart,
                                                 {qxNumber(dw + 1), qxNumber(rxSegment.mdwEnd - rxSegment.mdwStart)}));
        ++nCursor;
    }
    rxRepairs.insert(rxRepairs.end(), xEntryRepairs.begin(), xEntryRepairs.end());
}

} // namespace

void TMarcRecord::qvRepairUSMarcData(const unsigned char* paxData, uint32_t dwSize, std::vector<TRepair>& rxRepairs)
{
    if (paxData == nullptr)
        throw TException(L"TMarcRecord::qvRepairUSMarcData() : Null data", eErrorFatal, -1);
    const uint32_t dwLeaderLength = TMarcLeader::mdwLength_static;
    if (dwSize < dwLeaderLength + 2)
        qvThrowUnreadable(L"Record of " + qxNumber(dwSize) + L" bytes is too short to hold a leader and a directory");
    std::vector<TRepair> xRepairs;
    char acLeader[TMarcLeader::mdwLength_static + 1];
    std::memcpy(acLeader, paxData, dwLeaderLength);
    acLeader[dwLeaderLength] = '\0';
    std::vector<TPlacement> xPlacements;
    std::vector<TSegment> xSegments;
    if (!qtPlacePlainFields(paxData, dwSize, xPlacements))
        qvPlaceLeniently(paxData, dwSize, acLeader, xPlacements, xSegments, xRepairs);

    // The fields, in directory order, written over the record's own so that their
    // buffers are used again (a file read record by record then hardly allocates);
    // only a field that needs it is copied to be repaired. Everything that can refuse
    // the record has run: from here only want of memory throws, and empties it.
    TMarcLeader xLeader;
    xLeader.qvSetData(acLeader);
    try
    {
        std::size_t nFields = 0;
        std::string xBytes;
        for (const TPlacement& rxPlacement : xPlacements)
        {
            if (!rxPlacement.mtPlaced)
                continue;
            if (nFields == mxFields.size() && mxSpare.mxFields.empty())
                mxFields.emplace_back();
            else if (nFields == mxFields.size())
            {
                mxFields.push_back(std::move(mxSpare.mxFields.back()));
                mxSpare.mxFields.pop_back();
            }
            TMarcTag& rxField = mxFields[nFields++];
            rxField.qvSetTagNumber(rxPlacement.miTag);
            const unsigned char* paxField = paxData + rxPlacement.mdwFrom;
            const uint32_t dwContentSize = rxPlacement.mdwTo - rxPlacement.mdwFrom;
            const bool tControl = rxField.qtIsControlField();
            const bool tClean =
                (dwContentSize == 0 || (std::memchr(paxField, 0, dwContentSize) == nullptr &&
                                        std::memchr(paxField, cRecordTerminator, dwContentSize) == nullptr)) &&
                (tControl || qtHasValidIndicators(paxField, dwContentSize));
            if (tClean)
                rxField.qvSetData(paxField, dwContentSize, false);
            else
            {
                xBytes.assign(paxField, paxField + dwContentSize);
                qvRepairContent(rxPlacement, tControl, xBytes, xRepairs);
                rxField.qvSetData(reinterpret_cast<const unsigned char*>(xBytes.data()),
                                  static_cast<uint32_t>(xBytes.size()), false);
            }
        }
        for (; mxFields.size() > nFields; mxFields.pop_back())
            mxSpare.mxFields.push_back(std::move(mxFields.back()));
    }
    catch (...)
    {
        qvClear(false);
        throw;
    }

    // What no field took: reported with its first bytes, so that nothing goes unsaid.
    for (const TSegment& rxSegment : xSegments)
    {
        if (rxSegment.mtUsed)
            continue;
        const uint32_t dwCount = rxSegment.mdwEnd - rxSegment.mdwStart + (rxSegment.mtTerminated ? 1 : 0);
        xRepairs.push_back(qxMakeRepair(eRepairUnplacedBytes, -1, rxSegment.mdwStart,
                                        {qxNumber(dwCount), qxNumber(rxSegment.mdwStart),
                                         qxShowBytes(paxData + rxSegment.mdwStart, dwCount, dwShownBytes)}));
    }

    mxLeader = xLeader;
    rxRepairs.swap(xRepairs);
}
