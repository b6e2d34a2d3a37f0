// Any bytes read piece by piece (records, unreadable records, stray bytes, filler)
// in both forms: the pieces follow each other without a gap, and every piece
// written back as read gives the input byte for byte, pieces too long to keep
// included (copied from the input by their offset).
#include "marcio/TMarcFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* paxData, size_t nSize)
{
    const std::string xInput(reinterpret_cast<const char*>(paxData), nSize);
    for (EMarcFileFormat eFormat : {eIso2709, eMarcMaker})
    {
        std::istringstream in(xInput), source(xInput);
        std::ostringstream out;
        uint64_t qwAt = 0;
        qvReadPieces(in, eFormat, eReadLenient, [&](TRecordPiece& rxPiece) {
            if (rxPiece.mqwOffset != qwAt || rxPiece.mqwLength == 0 || !qtWritePieceAsRead(rxPiece, &source, out))
                std::abort();
            qwAt += rxPiece.mqwLength;
        });
        if (out.str() != xInput)
            std::abort();
    }
    std::istringstream sniff(xInput);
    qeSniffFormat(sniff);
    return 0;
}
