// The MARCMaker reader on any text: every record it reads is written again,
// and that text reads back to the same record and writes the same text. Each of
// its fields, as the line the host lets a cataloguer edit in each character set,
// reads back to the same bytes.
#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TCharacterSet.h"
#include "recordlib/TException.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace
{
void qvCheckFieldLines(const TMarcRecord& rxRecord)
{
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& rxField = rxRecord.qrxGetField(dw);
        const std::string_view xBytes(rxField.qpacGetData(), rxField.qdwGetDataSize());
        // A line whose subfields a cataloguer must put right first is refused:
        // text before the first subfield code, a delimiter without a code.
        if (!rxField.qtIsControlField() &&
            (xBytes.size() < 3 || xBytes[2] != TMarcTag::mcDelimiter || xBytes.back() == TMarcTag::mcDelimiter ||
             xBytes.find("\x1F\x1F") != std::string_view::npos || xBytes.find("\x1F ") != std::string_view::npos))
            continue;
        for (const char cLeader09 : {'a', ' ', 'z'})
        {
            const TCharacterSet& rxSet = TCharacterSet::qrxOfLeader(cLeader09);
            // Throws (and fails the run) when a line nobody changed is refused.
            const TMarcTag xRead = qxReadMarcMakerFieldText(qxMarcMakerFieldText(rxField, rxSet), rxSet);
            if (xRead.qiGetTagNumber() != rxField.qiGetTagNumber() ||
                std::string_view(xRead.qpacGetData(), xRead.qdwGetDataSize()) != xBytes)
                std::abort();
        }
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* paxData, size_t nSize)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(paxData), nSize));
    TMarcMakerReader reader(in);
    TMarcRecord record;
    for (;;)
    {
        try
        {
            if (!reader.qtReadNext(record))
                break;
        }
        catch (const TException&)
        {
            continue;
        }
        qvCheckFieldLines(record);
        std::string xText;
        try
        {
            qvAppendMarcMaker(record, xText);
        }
        catch (const TException&)
        {
            continue; // a field longer than a record may hold: refused, not written
        }
        std::istringstream again(xText);
        TMarcMakerReader secondReader(again);
        TMarcRecord second;
        if (!secondReader.qtReadNext(second)) // throws (and fails the run) when the text is refused
            std::abort();
        std::string xTextAgain;
        qvAppendMarcMaker(second, xTextAgain);
        if (xTextAgain != xText)
            std::abort();
    }
    return 0;
}
