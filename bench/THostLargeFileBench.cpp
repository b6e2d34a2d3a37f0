// The cataloguing host on a large file, under Wine: prints how long the host
// takes from Open to its lists showing the records, the memory the open file
// takes beside its size on disk, and how long Find takes through every field
// of every record (the word is in the last record only).
//
//   orvo-bench-host [RECORDS, default 50000]
#include "host/THostMainWindow.h"

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
class TSilentPrompt : public THostPrompt
{
public:
    void qvShowMessage(const std::wstring&, bool, const std::wstring&) override {}
    EHostAnswer qeAsk(const std::wstring&, bool) override { return eAnswerNo; }
    bool qtChooseFileToOpen(std::wstring&) override { return false; }
    bool qtChooseFileToSave(std::wstring&) override { return false; }
};

// One record of about 660 bytes in ISO 2709, numbered n.
std::string qxRecord(std::size_t n, bool tLast)
{
    TMarcRecord record;
    record.qvSetLeader("00000cam a2200000 a 4500");
    auto add = [&record](int iTag, const std::string& rxData) {
        TMarcTag field(iTag);
        field.qvSetData(rxData.c_str(), false);
        record.qvOrderedInsert(field);
    };
    add(1, "bench" + std::to_string(n));
    add(8, "850101s1999    xx            000 0 eng d");
    add(100, "1 \x1F"
             "aAuthor, Some,"
             "\x1F"
             "d1900-1980.");
    add(245, "10\x1F"
             "aA title of record " +
                 std::to_string(n) +
                 " /\x1F"
                 "cby Some Author.");
    add(260, "  \x1F"
             "aPlace :\x1F"
             "bPublisher,\x1F"
             "c1999.");
    add(300, "  \x1F"
             "a320 p. :\x1F"
             "bill. ;\x1F"
             "c24 cm.");
    add(500, "  \x1F"
             "aA general note that makes the record about as long as a real one.");
    add(520, "  \x1F"
             "aA summary of the book, long enough to be like the summaries cataloguers write, " +
                 std::string(tLast ? "with the word zanzibar in it" : "with nothing special in it") + ".");
    add(650, " 0\x1F"
             "aCataloguing\x1F"
             "vHandbooks, manuals, etc.");
    add(650, " 0\x1F"
             "aMetadata.");
    add(700, "1 \x1F"
             "aOther, Person.");
    TXBuffer<unsigned char> xBytes;
    record.qvGetUSMarcData(xBytes, false);
    return std::string(xBytes.qpacGetData(), xBytes.qdwGetDataSize());
}

double qdSecondsSince(std::chrono::steady_clock::time_point xStart)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - xStart).count();
}

std::size_t qnMemory()
{
    PROCESS_MEMORY_COUNTERS xCounters = {};
    xCounters.cb = sizeof(xCounters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &xCounters, sizeof(xCounters));
    return xCounters.PagefileUsage;
}
}

int main(int argc, char** argv)
{
    const std::size_t nRecords = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50000;
    wchar_t awcTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, awcTemp);
    const std::wstring xPath = std::wstring(awcTemp) + L"orvo-bench-host.mrc";
    std::size_t nBytes = 0;
    {
        std::ofstream out(std::filesystem::path(xPath), std::ios::binary);
        for (std::size_t n = 1; n <= nRecords; ++n)
        {
            const std::string xRecord = qxRecord(n, n == nRecords);
            out << xRecord;
            nBytes += xRecord.size();
        }
    }
    TSilentPrompt prompt;
    THostMainWindow window(prompt, false);
    if (!window.qtCreate())
        return 1;
    window.ShowWindow(SW_SHOW);
    const std::size_t nMemoryBefore = qnMemory();
    const auto xOpen = std::chrono::steady_clock::now();
    window.qrxGetSession().qtOpenFile(xPath);
    window.qvRefresh();
    window.UpdateWindow();
    const double dOpen = qdSecondsSince(xOpen);
    const std::size_t nMemory = qnMemory() - nMemoryBefore;
    const auto xFind = std::chrono::steady_clock::now();
    const bool tFound = window.qrxGetSession().qtFind(L"zanzibar");
    const double dFind = qdSecondsSince(xFind);
    std::printf("records %zu, file %.1f MB\n", window.qrxGetSession().qnGetRecordCount(), nBytes / 1048576.0);
    std::printf("open to records shown: %.2f s\n", dOpen);
    std::printf("memory of the open file: %.1f MB (%.1f times the file)\n", nMemory / 1048576.0,
                static_cast<double>(nMemory) / static_cast<double>(nBytes));
    std::printf("find through every field: %.2f s (%s, record %d)\n", dFind, tFound ? "found" : "NOT FOUND",
                window.qrxGetSession().qiGetSelectedRecord() + 1);
    window.DestroyWindow();
    ::DeleteFileW(xPath.c_str());
    return 0;
}
