// A folder of a test's own under the temporary folder, emptied when it is made
// and removed with everything in it at the end.
#pragma once

#include <cstddef>
#include <filesystem>
#include <iterator>
#include <string>

class TScratchFolder
{
public:
    explicit TScratchFolder(const std::string& rxName)
        : mxPath((std::filesystem::temp_directory_path() / ("orvo-test-" + rxName)).string())
    {
        std::filesystem::remove_all(mxPath);
        std::filesystem::create_directories(mxPath);
    }
    ~TScratchFolder() { std::filesystem::remove_all(mxPath); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string qxFile(const std::string& rxName) const { return mxPath + "/" + rxName; }
    std::size_t qnFileCount() const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(mxPath), std::filesystem::directory_iterator()));
    }

private:
    std::string mxPath;
};
