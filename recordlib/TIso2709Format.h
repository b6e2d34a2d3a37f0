// The pieces of ISO 2709 that the strict and the lenient parse of a record share.
// Internal to the record library.
#pragma once

#include "TMarcTag.h"

#include <cstdint>

constexpr uint32_t dwDirectoryEntryLength = 12;

// Reads dwWidth ASCII digits; false when one is not a digit.
inline bool qtReadNumber(const unsigned char* paxDigits, uint32_t dwWidth, uint32_t& rdwValue)
{
    rdwValue = 0;
    for (uint32_t dw = 0; dw < dwWidth; ++dw)
    {
        if (paxDigits[dw] < '0' || paxDigits[dw] > '9')
            return false;
        rdwValue = rdwValue * 10 + (paxDigits[dw] - '0');
    }
    return true;
}

// The tag of a directory entry (three ASCII letters or digits); -1 when it is none.
inline int qiReadTag(const unsigned char* paxTag)
{
    return TMarcTag::qiTagNumberOf(reinterpret_cast<const char*>(paxTag));
}

inline bool qtHasValidIndicators(const unsigned char* paxData, uint32_t dwSize)
{
    return dwSize >= 2 && TMarcTag::qtIsValidIndicator(static_cast<char>(paxData[0])) &&
           TMarcTag::qtIsValidIndicator(static_cast<char>(paxData[1]));
}
