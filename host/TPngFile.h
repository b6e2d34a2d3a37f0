// Writes a 24-bit picture as a PNG file, with no library: the image data go
// into stored (uncompressed) deflate blocks, which every PNG reader accepts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rxRgb holds iHeight rows of iWidth pixels, 3 bytes each (red, green, blue),
// top row first. False when the file cannot be written.
bool qtWritePng(const std::wstring& rxPath, int iWidth, int iHeight, const std::vector<uint8_t>& rxRgb);
