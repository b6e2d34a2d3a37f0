// Any bytes, decoded and encoded again in each character set (MARC-8, UTF-8, one
// byte a character), as read or as the editors read them (composed), must come
// back identical; MARC-8's lenient reading (the converter's) must not fail on
// them, and text written strictly as UTF-8 must read back as the same text.
#include "recordlib/TCharacterSet.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void qvCheck(bool tHolds)
{
    if (!tHolds)
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* paxData, size_t nSize)
{
    const std::string_view xBytes(reinterpret_cast<const char*>(paxData), nSize);
    for (const ECharacterSet eSet : {eCharsetMarc8, eCharsetUtf8, eCharsetSingleByte})
    {
        const TCharacterSet& rxSet = TCharacterSet::qrxOf(eSet);
        const std::wstring xText = rxSet.qxDecode(xBytes);
        std::string xBack;
        std::size_t nFailedAt = 0;
        qvCheck(rxSet.qtEncode(xText, xBack, nFailedAt));
        qvCheck(xBack == xBytes);
        // The editors' composed reading too.
        xBack.clear();
        qvCheck(rxSet.qtEncode(rxSet.qxDecodeComposed(xBytes), xBack, nFailedAt));
        qvCheck(xBack == xBytes);
        qvCheck(rxSet.qxDecodeByPosition(xBytes).size() == xBytes.size());
    }
    std::wstring xLenient;
    TMarc8::qvDecodeLenient(xBytes, xLenient);
    std::string xUtf8;
    std::size_t nFailedAt = 0;
    if (TUtf8::qtEncodeStrict(xLenient, xUtf8, nFailedAt))
        qvCheck(TCharacterSet::qrxOf(eCharsetUtf8).qxDecode(xUtf8) == xLenient);
    return 0;
}
