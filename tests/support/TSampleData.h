// The sample record files that come with the project (camel.usmarc, ...), and
// bytes as strings for comparing them.
#pragma once

#include "recordlib/TXBuffer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string qxSamplePath(const std::string& rxName)
{
    return std::string(ORVO_SAMPLES_DIR) + "/" + rxName;
}

inline std::string qxReadFileBytes(const std::string& rxPath)
{
    std::ifstream xFile(rxPath, std::ios::binary);
    EXPECT_TRUE(xFile.good()) << "cannot open " << rxPath;
    return std::string(std::istreambuf_iterator<char>(xFile), std::istreambuf_iterator<char>());
}

inline void qvWriteFileBytes(const std::string& rxPath, const std::string& rxBytes)
{
    std::ofstream(rxPath, std::ios::binary | std::ios::trunc) << rxBytes;
}

inline std::string qxReadSample(const std::string& rxName)
{
    return qxReadFileBytes(qxSamplePath(rxName));
}

// The first nCount records of a sample file, each its bytes up to its record terminator.
inline std::vector<std::string> qxSampleRecordBytes(const std::string& rxName, std::size_t nCount)
{
    const std::string xData = qxReadSample(rxName);
    std::vector<std::string> xRecords;
    for (std::size_t nStart = 0, nEnd;
         xRecords.size() < nCount && (nEnd = xData.find('\x1D', nStart)) != std::string::npos; nStart = nEnd + 1)
        xRecords.push_back(xData.substr(nStart, nEnd + 1 - nStart));
    return xRecords;
}

// The bytes with rxPatch written over them from nAt on.
inline std::string qxPatched(std::string xBytes, std::size_t nAt, const std::string& rxPatch)
{
    return xBytes.replace(nAt, rxPatch.size(), rxPatch);
}

inline std::string qxBytes(const TXBuffer<unsigned char>& rxBuffer)
{
    return std::string(rxBuffer.qpacGetData(), rxBuffer.qdwGetDataSize());
}

inline const unsigned char* qpaxBytes(const std::string& rxData)
{
    return reinterpret_cast<const unsigned char*>(rxData.data());
}
