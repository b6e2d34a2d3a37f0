// The records of the sample files that the lenient reader reads (repaired where
// damaged, as the host opens them), for tests that open an editor on every real record.
#pragma once

#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"
#include "recordlib/TMarcRecord.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

struct TSampleRecord
{
    std::string mxName; // "camel.usmarc record 3"
    TMarcRecord mxRecord;
};

inline std::vector<TSampleRecord> qxReadableSampleRecords()
{
    std::vector<TSampleRecord> xRecords;
    for (const char* pacFile : {"camel.usmarc", "sample1.usmarc", "filler.usmarc", "title_proper.usmarc",
                                "baddir.usmarc", "badldr.usmarc", "badind.usmarc"})
    {
        std::ifstream file(std::string(ORVO_SAMPLES_DIR) + "/" + pacFile, std::ios::binary);
        EXPECT_TRUE(file.good()) << pacFile;
        TIso2709Reader reader(file, eReadLenient);
        for (;;)
        {
            TMarcRecord record;
            try
            {
                if (!reader.qtReadNext(record))
                    break;
            }
            catch (const TException&)
            {
                continue; // a broken record the reader refuses
            }
            xRecords.push_back({std::string(pacFile) + " record " + std::to_string(reader.qdwGetRecordNumber()), record});
        }
    }
    return xRecords;
}
