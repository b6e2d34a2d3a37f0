// Every record of a file's text as a reader gives it, call by call: for tests
// that check what a writer produced and what a reader makes of damaged data.
#pragma once

#include "support/TSampleData.h"

#include "marcio/TMarcFile.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

struct TReadLog
{
    std::vector<std::string> mxOutcomes;         // each call: "ok <field count>" or "error"
    std::vector<std::string> mxRawData;          // each call: the reader's bytes
    std::vector<TMarcRecord> mxRecords;          // each record read
    std::vector<std::vector<TRepair>> mxRepairs; // and what was repaired in it
    std::vector<std::wstring> mxErrors;          // each refusal's message
};

// Reads to the end; a refusal must let the reading go on, and the end stay the end.
inline TReadLog qxReadLog(TMarcRecordReader& rxReader)
{
    TReadLog xLog;
    // One record read over and over, as the batch command reads a file.
    TMarcRecord xRecord;
    for (int iCall = 0; iCall < 10000; ++iCall)
    {
        try
        {
            if (!rxReader.qtReadNext(xRecord))
            {
                EXPECT_FALSE(rxReader.qtReadNext(xRecord)) << "the end stays the end";
                return xLog;
            }
            xLog.mxOutcomes.push_back("ok " + std::to_string(xRecord.qdwGetFieldCount()));
            xLog.mxRecords.push_back(xRecord);
            xLog.mxRepairs.push_back(rxReader.qrxGetRepairs());
        }
        catch (const TException& rxError)
        {
            EXPECT_EQ(eErrorRecoverable, rxError.qeGetErrorType());
            xLog.mxOutcomes.push_back("error");
            xLog.mxErrors.push_back(rxError.qpwcGetMessage());
        }
        xLog.mxRawData.push_back(qxBytes(rxReader.qrxGetRawData()));
    }
    ADD_FAILURE() << "the reader never reached the end";
    return xLog;
}

inline TReadLog qxReadLog(const std::string& rxData, EMarcFileFormat eFormat, EReadMode eMode = eReadStrict)
{
    std::istringstream in(rxData);
    return qxReadLog(*qpxMakeRecordReader(in, eFormat, eMode));
}

// The records of data that must hold nothing broken.
inline std::vector<TMarcRecord> qxReadAllRecords(const std::string& rxData, EMarcFileFormat eFormat)
{
    const TReadLog xLog = qxReadLog(rxData, eFormat);
    EXPECT_TRUE(xLog.mxErrors.empty()) << xLog.mxErrors.size() << " records refused";
    return xLog.mxRecords;
}
