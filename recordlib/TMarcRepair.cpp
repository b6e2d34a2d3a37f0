#include "TMarcRepair.h"

#include "TMarcTag.h"

#include <algorithm>
#include <cstdio>

namespace
{

struct TRepairFormat
{
    ERepairKind meKind;
    const wchar_t* pwcFormat;
};

const TRepairFormat axRepairFormats[] = {
    {eRepairRecordEnd, L"record length %1 does not end on the record terminator: the terminator found at %2 used"},
    {eRepairRecordUnterminated,
     L"record length %1 does not end on the record terminator, and the record has none: its %2 bytes read as the record"},
    {eRepairLeaderByte, L"leader position %1 holds %2, which is not printable: replaced by a blank"},
    {eRepairLeaderLayout, L"leader %1 holds %2, not digits: %3 used"},
    {eRepairLeaderProfile, L"leader %1 holds %2, but the directory is MARC 21's: %3 used"},
    {eRepairBaseAddress, L"base address %1 does not follow the directory: the directory's end found at %2 used"},
    {eRepairDirectoryEnd, L"the directory ends with %1 at %2, not a field terminator: taken as its end"},
    {eRepairDirectoryTail, L"%1 bytes after the last whole directory entry, at %2, are no entry: ignored"},
    {eRepairFieldTerminator,
     L"field %T (directory entry %1): its length ends on %2 at %3, not a field terminator: taken as its end"},
    {eRepairFieldEnd,
     L"field %T (directory entry %1): length %2 does not end on a field terminator: the terminator found at %3 used"},
    {eRepairFieldCutShort,
     L"field %T (directory entry %1) has no field terminator: its %2 bytes up to the end of the data kept"},
    {eRepairEntryRecovered, L"directory entry %1 %2: entry skipped, its field recovered from the data at %3"},
    {eRepairEntryDropped, L"directory entry %1 %2: entry skipped, no field of its own found in the data"},
    {eRepairForbiddenByte,
     L"field %T holds %1 byte(s) that no field may hold (%2), the first at %3: replaced by blanks"},
    {eRepairIndicators, L"field %T: indicators %1 are not valid: replaced by %2"},
    {eRepairUnplacedBytes, L"%1 bytes at %2 belong to no field: left out (%3)"},
};

std::wstring qxTagText(int iTag)
{
    return iTag < 0 ? L"?" : TMarcTag::qxTagWideText(iTag);
}

} // namespace

TRepair qxMakeRepair(ERepairKind eKind, int iTag, uint32_t dwPosition, std::initializer_list<std::wstring> xArguments)
{
    const auto pxFormat = std::find_if(std::begin(axRepairFormats), std::end(axRepairFormats),
                                       [eKind](const TRepairFormat& rx) { return rx.meKind == eKind; });
    const std::wstring xFormat = pxFormat == std::end(axRepairFormats) ? L"%1" : pxFormat->pwcFormat;
    std::wstring xText;
    for (std::size_t n = 0; n < xFormat.size(); ++n)
    {
        const wchar_t cNext = n + 1 < xFormat.size() ? xFormat[n + 1] : L'\0';
        if (xFormat[n] == L'%' && cNext == L'T')
        {
            xText += qxTagText(iTag);
            ++n;
        }
        else if (xFormat[n] == L'%' && cNext >= L'1' && cNext <= L'9')
        {
            const std::size_t nArgument = static_cast<std::size_t>(cNext - L'1');
            if (nArgument < xArguments.size())
                xText += xArguments.begin()[nArgument];
            ++n;
        }
        else
            xText += xFormat[n];
    }
    return TRepair{eKind, iTag, dwPosition, xText};
}

std::wstring qxShowBytes(const unsigned char* paxData, uint32_t dwSize, uint32_t dwShown)
{
    const uint32_t dwCount = std::min(dwSize, dwShown);
    std::wstring xOut;
    for (uint32_t dw = 0; dw < dwCount;)
    {
        if (!xOut.empty())
            xOut += L' ';
        uint32_t dwRun = dw;
        while (dwRun < dwCount && paxData[dwRun] >= 0x20 && paxData[dwRun] < 0x7F)
            ++dwRun;
        if (dwRun > dw)
        {
            xOut += L"\"" + std::wstring(paxData + dw, paxData + dwRun) + L"\"";
            dw = dwRun;
            continue;
        }
        wchar_t acwByte[8];
        std::swprintf(acwByte, 8, L"0x%02X", paxData[dw]);
        xOut += acwByte;
        ++dw;
    }
    return dwCount < dwSize ? xOut + L" ..." : xOut;
}
