// The MARCMaker reader on any text: every record it reads is written again,
// and that text reads back to the same record and writes the same text.
#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TException.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

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
