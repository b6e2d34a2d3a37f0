#pragma once

#include "recordlib/TXBuffer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

// The sample record files that come with the project (camel.usmarc, ...).
inline std::string qxSamplePath(const std::string& rxName)
{
    return std::string(ORVO_SAMPLES_DIR) + "/" + rxName;
}

inline std::string qxReadSample(const std::string& rxName)
{
    std::ifstream xFile(qxSamplePath(rxName), std::ios::binary);
    EXPECT_TRUE(xFile.good()) << "cannot open " << qxSamplePath(rxName);
    return std::string(std::istreambuf_iterator<char>(xFile), std::istreambuf_iterator<char>());
}

inline std::string qxBytes(const TXBuffer<unsigned char>& rxBuffer)
{
    return std::string(rxBuffer.qpacGetData(), rxBuffer.qdwGetDataSize());
}

inline const unsigned char* qpaxBytes(const std::string& rxData)
{
    return reinterpret_cast<const unsigned char*>(rxData.data());
}
