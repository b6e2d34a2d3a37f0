// The records of the sample files that the lenient reader reads (repaired where
// damaged, as the host opens them), for tests that open an editor on every real record.
#pragma once

#include "support/TReadAllRecords.h"
#include "support/TSampleData.h"

#include <string>
#include <vector>

struct TSampleRecord
{
    std::string mxName; // "camel.usmarc record 3": the third record read
    TMarcRecord mxRecord;
};

inline std::vector<TSampleRecord> qxReadableSampleRecords()
{
    std::vector<TSampleRecord> xRecords;
    for (const char* pacFile : {"camel.usmarc", "sample1.usmarc", "filler.usmarc", "title_proper.usmarc",
                                "baddir.usmarc", "badldr.usmarc", "badind.usmarc"})
    {
        const TReadLog xLog = qxReadLog(qxReadSample(pacFile), eIso2709, eReadLenient);
        for (std::size_t n = 0; n < xLog.mxRecords.size(); ++n)
            xRecords.push_back({std::string(pacFile) + " record " + std::to_string(n + 1), xLog.mxRecords[n]});
    }
    return xRecords;
}
