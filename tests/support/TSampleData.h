// The sample record files that come with the project (camel.usmarc, ...), and
// bytes as strings for comparing them.
#pragma once

#include "recordlib/TXBuffer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

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

inline std::string qxBytes(const TXBuffer<unsigned char>& rxBuffer)
{
    return std::string(rxBuffer.qpacGetData(), rxBuffer.qdwGetDataSize());
}

inline const unsigned char* qpaxBytes(const std::string& rxData)
{
    return reinterpret_cast<const unsigned char*>(rxData.data());
}
