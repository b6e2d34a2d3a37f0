// Records made for tests: a field, a record of given fields or of a given type,
// its 008, its ISO 2709 form.
#pragma once

#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TMarcTag.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// A field of the tag holding the bytes as given (NULs aside), indicators unchecked.
inline TMarcTag qxTag(int iTag, const std::string& rxData)
{
    TMarcTag field(iTag);
    field.qvSetData(rxData.c_str(), false);
    return field;
}

// A record of the leader and the fields, each put in tag order.
inline TMarcRecord qxRecordOf(const char* pacLeader, std::initializer_list<std::pair<int, std::string>> xFields)
{
    TMarcRecord record;
    record.qvSetLeader(pacLeader);
    for (const auto& [iTag, rxData] : xFields)
        record.qvOrderedInsert(qxTag(iTag, rxData));
    return record;
}

// A record with Leader 06 (type of record) and 07 (bibliographic level) as given,
// a 245, and an 008 when pac008 is not null.
inline TMarcRecord qxRecordOfType(char cTypeOfRecord, char cBibLevel, const char* pac008 = nullptr)
{
    char acLeader[] = "00000nam a2200000 a 4500";
    acLeader[6] = cTypeOfRecord;
    acLeader[7] = cBibLevel;
    TMarcRecord record = qxRecordOf(acLeader, {{245, "10\x1f"
                                                     "aA title"}});
    if (pac008 != nullptr)
        record.qvOrderedInsert(qxTag(8, pac008));
    return record;
}

// The field's bytes.
inline std::string qxFieldBytes(const TMarcTag& rxField)
{
    return std::string(rxField.qpacGetData(), rxField.qdwGetDataSize());
}

// The occurrence (from 1) of the record's 008, or "(none)".
inline std::string qx008(const TMarcRecord& rxRecord, int iOccurrence = 1)
{
    TMarcTag field;
    return rxRecord.qtFindTag(8, field, iOccurrence) ? qxFieldBytes(field) : "(none)";
}

// The record in ISO 2709.
inline std::string qxIso2709(const TMarcRecord& rxRecord)
{
    TXBuffer<unsigned char> buffer;
    rxRecord.qvGetUSMarcData(buffer, false);
    return std::string(buffer.qpacGetData(), buffer.qdwGetDataSize());
}

// The records in ISO 2709, one after the other.
inline std::string qxIso2709(const std::vector<TMarcRecord>& rxRecords)
{
    std::string xAll;
    for (const TMarcRecord& rxRecord : rxRecords)
        xAll += qxIso2709(rxRecord);
    return xAll;
}

// The record in ISO 2709 with the directory entry map given for leader 20-22: the
// widths of the field length, the starting position and the implementation-defined part.
inline std::string qxLaidOutWithMap(const TMarcRecord& rxRecord, const std::string& rxMap)
{
    const int iLength = rxMap[0] - '0', iStart = rxMap[1] - '0', iPart = rxMap.size() > 2 ? rxMap[2] - '0' : 0;
    std::string xDirectory, xData;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& rxField = rxRecord.qrxGetField(dw);
        char acEntry[40];
        std::snprintf(acEntry, sizeof acEntry, "%s%0*u%0*u%0*d", rxField.qxGetTagText().c_str(), iLength,
                      rxField.qdwGetDataSize() + 1, iStart, static_cast<unsigned>(xData.size()), iPart, 0);
        xDirectory += std::string(acEntry, 3 + iLength + iStart + iPart);
        xData += qxFieldBytes(rxField) + "\x1E";
    }
    std::string xLeader(rxRecord.qrxGetLeader().qpacGetData(), 24);
    char acNumber[8];
    std::snprintf(acNumber, sizeof acNumber, "%05u", static_cast<unsigned>(24 + xDirectory.size() + 1));
    xLeader.replace(12, 5, acNumber);
    std::snprintf(acNumber, sizeof acNumber, "%05u", static_cast<unsigned>(24 + xDirectory.size() + 2 + xData.size()));
    xLeader.replace(0, 5, acNumber);
    xLeader.replace(20, rxMap.size(), rxMap);
    return xLeader + xDirectory + "\x1E" + xData + "\x1D";
}
// What fn throws: the TException's type and message; type -1 when it throws none.
struct TThrown
{
    int miType = -1;
    std::wstring mxMessage;
};

template <typename F> TThrown qxThrown(F fn)
{
    try
    {
        fn();
    }
    catch (const TException& rxError)
    {
        return {rxError.qeGetErrorType(), rxError.qpwcGetMessage()};
    }
    return {};
}

// qxRecordOfType(cTypeOfRecord, 'm') with a field of iTag for each of rxData.
inline TMarcRecord qxRecordWith(char cTypeOfRecord, int iTag, const std::vector<std::string>& rxData,
                                const char* pac008 = nullptr)
{
    TMarcRecord record = qxRecordOfType(cTypeOfRecord, 'm', pac008);
    for (const std::string& rxField : rxData)
        record.qvOrderedInsert(qxTag(iTag, rxField));
    return record;
}
