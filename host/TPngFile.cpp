#include "TPngFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace
{
uint32_t qdwCrc32(const uint8_t* pax, size_t n, uint32_t dwCrc = 0)
{
    dwCrc = ~dwCrc;
    for (size_t i = 0; i < n; ++i)
    {
        dwCrc ^= pax[i];
        for (int k = 0; k < 8; ++k)
            dwCrc = (dwCrc >> 1) ^ (0xEDB88320u & (0u - (dwCrc & 1u)));
    }
    return ~dwCrc;
}

void qvPut32(std::vector<uint8_t>& rxOut, uint32_t dw)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        rxOut.push_back(static_cast<uint8_t>(dw >> shift));
}

void qvChunk(std::vector<uint8_t>& rxOut, const char* pacType, const std::vector<uint8_t>& rxData)
{
    qvPut32(rxOut, static_cast<uint32_t>(rxData.size()));
    const size_t start = rxOut.size();
    rxOut.insert(rxOut.end(), pacType, pacType + 4);
    rxOut.insert(rxOut.end(), rxData.begin(), rxData.end());
    qvPut32(rxOut, qdwCrc32(rxOut.data() + start, rxOut.size() - start));
}
}

bool qtWritePng(const std::wstring& rxPath, int iWidth, int iHeight, const std::vector<uint8_t>& rxRgb)
{
    if (iWidth <= 0 || iHeight <= 0 || rxRgb.size() != static_cast<size_t>(iWidth) * iHeight * 3)
        return false;

    // Each row starts with filter type 0 (none).
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(iHeight) * (iWidth * 3 + 1));
    for (int y = 0; y < iHeight; ++y)
    {
        raw.push_back(0);
        const uint8_t* row = rxRgb.data() + static_cast<size_t>(y) * iWidth * 3;
        raw.insert(raw.end(), row, row + iWidth * 3);
    }

    // zlib stream of stored blocks of at most 65535 bytes, then Adler-32.
    std::vector<uint8_t> zlib = {0x78, 0x01};
    for (size_t pos = 0; pos < raw.size() || raw.empty();)
    {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<uint8_t>(n));
        zlib.push_back(static_cast<uint8_t>(n >> 8));
        zlib.push_back(static_cast<uint8_t>(~n));
        zlib.push_back(static_cast<uint8_t>(~n >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                    raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
        if (last)
            break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t c : raw)
    {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    qvPut32(zlib, (b << 16) | a);

    std::vector<uint8_t> header;
    qvPut32(header, static_cast<uint32_t>(iWidth));
    qvPut32(header, static_cast<uint32_t>(iHeight));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace

    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    qvChunk(file, "IHDR", header);
    qvChunk(file, "IDAT", zlib);
    qvChunk(file, "IEND", {});

    std::ofstream out(std::filesystem::path(rxPath), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    return static_cast<bool>(out);
}
