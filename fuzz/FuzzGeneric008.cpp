// The generic 008 on any record: a record read from the bytes (or, when they
// are not one, a record with their first 24 bytes as Leader) gets the default
// its Leader calls for, or stays as it was; no other field changes.
#include "core/TGeneric008.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
std::string qxWrite(const TMarcRecord& rxRecord)
{
    TXBuffer<unsigned char> out;
    try
    {
        rxRecord.qvGetUSMarcData(out, false);
    }
    catch (const TException&)
    {
        return "(unwritable)";
    }
    return std::string(out.qpacGetData(), out.qdwGetDataSize());
}

std::string qxFieldsOtherThan008(const TMarcRecord& rxRecord, bool tSkipFirst008)
{
    std::string xFields;
    bool tSkipped = !tSkipFirst008;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& field = rxRecord.qrxGetField(dw);
        if (!tSkipped && field.qiGetTagNumber() == 8)
        {
            tSkipped = true;
            continue;
        }
        xFields += std::to_string(field.qiGetTagNumber()) + ":" +
                   std::string(field.qpacGetData(), field.qdwGetDataSize()) + "\n";
    }
    return xFields;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* paxData, size_t nSize)
{
    if (nSize < 25 || nSize > TMarcRecord::mdwMaxRecordLength_static)
        return 0;
    const bool tReplace = (paxData[0] & 1) != 0;
    TMarcRecord record;
    try
    {
        record.qvSetUSMarcData(paxData + 1, static_cast<uint32_t>(nSize - 1));
    }
    catch (const TException&)
    {
        char acLeader[25];
        for (int i = 0; i < 24; ++i)
            acLeader[i] = static_cast<char>(0x20 + paxData[1 + i] % 0x5F);
        acLeader[24] = '\0';
        record.qvSetLeader(acLeader);
    }
    const TMarcRecord before = record;
    TMarcTag old008;
    const bool tHad008 = before.qtFindTag(8, old008, 1);
    const char* pacDefault = qpacGetGeneric008(qeChooseGeneric008(before.qrxGetLeader()));

    const bool tAdded = qtAddGeneric008(record, tReplace);
    if (tAdded != (pacDefault != nullptr && (!tHad008 || tReplace)))
        std::abort();
    if (!tAdded)
    {
        if (qxWrite(record) != qxWrite(before))
            std::abort();
        return 0;
    }
    TMarcTag new008;
    if (!record.qtFindTag(8, new008, 1) || std::strlen(pacDefault) != new008.qdwGetDataSize() ||
        std::memcmp(pacDefault, new008.qpacGetData(), new008.qdwGetDataSize()) != 0)
        std::abort();
    if (qxFieldsOtherThan008(record, true) != qxFieldsOtherThan008(before, tHad008))
        std::abort();
    return 0;
}
