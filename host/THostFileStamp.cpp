#include "host/THostFileStamp.h"

#include <fstream>
#include <vector>

THostFileStamp THostFileStamp::qxOf(const std::wstring& rxPath)
{
    THostFileStamp xStamp;
    std::error_code xError;
    const std::filesystem::path xPath(rxPath);
    xStamp.mnSize = std::filesystem::file_size(xPath, xError);
    if (xError)
        return THostFileStamp();
    xStamp.mxTime = std::filesystem::last_write_time(xPath, xError);
    std::ifstream in(xPath, std::ios::binary);
    if (xError || !in)
        return THostFileStamp();
    // FNV-1a, 64 bits.
    std::uint64_t qwHash = 14695981039346656037ull;
    std::vector<char> xChunk(1 << 20);
    while (in.read(xChunk.data(), static_cast<std::streamsize>(xChunk.size())) || in.gcount() > 0)
    {
        const std::streamsize nRead = in.gcount();
        for (std::streamsize n = 0; n < nRead; ++n)
            qwHash = (qwHash ^ static_cast<unsigned char>(xChunk[static_cast<std::size_t>(n)])) * 1099511628211ull;
        if (!in)
            break;
    }
    xStamp.mqwHash = qwHash;
    xStamp.mtExists = true;
    return xStamp;
}
