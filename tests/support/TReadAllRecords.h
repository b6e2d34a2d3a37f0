// Every record of a file's text, read back in the given form: for tests that
// check what a writer produced.
#pragma once

#include "marcio/TMarcFile.h"
#include "recordlib/TMarcRecord.h"

#include <sstream>
#include <string>
#include <vector>

inline std::vector<TMarcRecord> qxReadAllRecords(const std::string& rxData, EMarcFileFormat eFormat)
{
    std::istringstream in(rxData);
    const std::unique_ptr<TMarcRecordReader> pxReader = qpxMakeRecordReader(in, eFormat);
    std::vector<TMarcRecord> xRecords(1);
    while (pxReader->qtReadNext(xRecords.back()))
        xRecords.emplace_back();
    xRecords.pop_back();
    return xRecords;
}
