// The ISO 2709 reader on any bytes: as one record and as a stream of records.
// Whatever it accepts must survive a write and a second read unchanged, and
// whatever it rejects it must give back as raw bytes that were in the input. The
// lenient parse gives what the strict one accepts unrepaired, and a record that
// can be written whatever it repaired.
#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string qxWrite(const TMarcRecord& rxRecord)
{
    TXBuffer<unsigned char> out;
    rxRecord.qvGetUSMarcData(out, false);
    return std::string(out.qpacGetData(), out.qdwGetDataSize());
}

// A record that was read is written; that writing reads back to the same record.
void qvCheckRoundTrip(const TMarcRecord& rxRecord)
{
    std::string xFirst;
    try
    {
        xFirst = qxWrite(rxRecord);
    }
    catch (const TException&)
    {
        return; // too long to write once changed: refused, never written damaged
    }
    TMarcRecord again;
    again.qvSetUSMarcData(reinterpret_cast<const unsigned char*>(xFirst.data()), static_cast<uint32_t>(xFirst.size()));
    if (qxWrite(again) != xFirst)
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* paxData, size_t nSize)
{
    if (nSize <= TMarcRecord::mdwMaxRecordLength_static)
    {
        TMarcRecord record;
        bool tStrict = false;
        try
        {
            record.qvSetUSMarcData(paxData, static_cast<uint32_t>(nSize));
            tStrict = true;
            qvCheckRoundTrip(record);
        }
        catch (const TException&)
        {}
        TMarcRecord repaired;
        std::vector<TRepair> xRepairs;
        bool tRepairedRead = false;
        try
        {
            repaired.qvRepairUSMarcData(paxData, static_cast<uint32_t>(nSize), xRepairs);
            tRepairedRead = true;
        }
        catch (const TException&)
        {}
        if (tStrict && !tRepairedRead)
            std::abort();
        // A legal record may hold bytes no entry covers: reported, the only repair.
        for (const TRepair& rxRepair : xRepairs)
            if (tStrict && rxRepair.meKind != eRepairUnplacedBytes)
                std::abort();
        if (tRepairedRead)
            qvCheckRoundTrip(repaired);
        try
        {
            if (tStrict && qxWrite(repaired) != qxWrite(record))
                std::abort();
        }
        catch (const TException&)
        {}
    }

    std::istringstream in(std::string(reinterpret_cast<const char*>(paxData), nSize));
    TIso2709Reader reader(in);
    TMarcRecord record;
    std::size_t nRawBytes = 0;
    for (int iPieces = 0;; ++iPieces)
    {
        if (iPieces > static_cast<int>(nSize) + 1)
            std::abort(); // every piece takes at least one byte
        try
        {
            if (!reader.qtReadNext(record))
                break;
            qvCheckRoundTrip(record);
        }
        catch (const TException&)
        {}
        nRawBytes += reader.qrxGetRawData().qdwGetDataSize();
    }
    if (nRawBytes > nSize)
        std::abort();
    return 0;
}
