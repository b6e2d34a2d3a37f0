// THostFileStamp: what a file was when the host read or wrote it (its size,
// its time and a hash of its bytes), so that a change made to it by another
// program since is noticed before it is saved over.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct THostFileStamp
{
    bool mtExists = false;
    std::uintmax_t mnSize = 0;
    std::filesystem::file_time_type mxTime;
    std::uint64_t mqwHash = 0;

    // The file as it is now (mtExists false when it cannot be read).
    static THostFileStamp qxOf(const std::wstring& rxPath);
    bool operator==(const THostFileStamp& rxOther) const
    {
        return mtExists == rxOther.mtExists && mnSize == rxOther.mnSize && mxTime == rxOther.mxTime &&
               mqwHash == rxOther.mqwHash;
    }
    bool operator!=(const THostFileStamp& rxOther) const { return !(*this == rxOther); }
};
