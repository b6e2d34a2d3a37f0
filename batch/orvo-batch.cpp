// orvo-batch: the library's window-free services over whole files of records.
//
//   orvo-batch add-008 [--replace] [--keep-malformed|--drop-malformed] IN OUT
//
// IN is ISO 2709 or MARCMaker text (told by its content), OUT is MARCMaker when
// its name ends in .mrk and ISO 2709 otherwise. Exit status: 0 when every record
// was read, 1 when some were rejected, 2 when the command could not run.
#include "batch/TBatchAdd008.h"
#include "recordlib/TException.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{
const char kUsage[] =
    "usage: orvo-batch add-008 [--replace] [--keep-malformed|--drop-malformed] IN OUT\n"
    "  Gives every record of IN the default 008 for its type of record and writes OUT.\n"
    "  --replace          also replace an 008 a record has (default: leave it)\n"
    "  --drop-malformed   leave malformed records out of OUT (default)\n"
    "  --keep-malformed   write malformed records to OUT exactly as read\n"
    "  IN: ISO 2709 or MARCMaker (.mrk) text; OUT: MARCMaker if it ends in .mrk, else ISO 2709.\n";

int qiUsage(const char* pacProblem)
{
    std::fprintf(stderr, "orvo-batch: %s\n%s", pacProblem, kUsage);
    return 2;
}

// Large buffers: the run is one pass of reads and writes.
constexpr std::size_t kStreamBuffer = 1u << 20;
}

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "add-008") != 0)
        return qiUsage(argc < 2 ? "no command" : "unknown command");
    TBatchOptions options;
    std::vector<std::string> xPaths;
    for (int i = 2; i < argc; ++i)
    {
        const std::string xArg = argv[i];
        if (xArg == "--replace")
            options.mtReplace = true;
        else if (xArg == "--keep-malformed")
            options.meMalformed = eKeepMalformed;
        else if (xArg == "--drop-malformed")
            options.meMalformed = eDropMalformed;
        else if (xArg.size() > 1 && xArg[0] == '-')
            return qiUsage(("unknown option " + xArg).c_str());
        else
            xPaths.push_back(xArg);
    }
    if (xPaths.size() != 2)
        return qiUsage("give one input and one output file");
    if (xPaths[0] == xPaths[1])
        return qiUsage("the output must not be the input");

    std::vector<char> xInBuffer(kStreamBuffer), xOutBuffer(kStreamBuffer);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(xInBuffer.data(), static_cast<std::streamsize>(xInBuffer.size()));
    in.open(xPaths[0], std::ios::binary);
    if (!in)
    {
        std::fprintf(stderr, "orvo-batch: cannot open %s\n", xPaths[0].c_str());
        return 2;
    }
    options.meInFormat = qeSniffFormat(in);
    options.meOutFormat = qeFormatOfPath(xPaths[1]);
    if (options.meMalformed == eKeepMalformed && options.meInFormat != options.meOutFormat)
        return qiUsage("--keep-malformed needs the output in the input's form (both .mrk or both ISO 2709)");
    std::ofstream out;
    out.rdbuf()->pubsetbuf(xOutBuffer.data(), static_cast<std::streamsize>(xOutBuffer.size()));
    out.open(xPaths[1], std::ios::binary | std::ios::trunc);
    if (!out)
    {
        std::fprintf(stderr, "orvo-batch: cannot create %s\n", xPaths[1].c_str());
        return 2;
    }

    TBatchAdd008 batch(options, std::cerr);
    try
    {
        batch.qvRun(in, out);
    }
    catch (const TException& e)
    {
        std::fprintf(stderr, "orvo-batch: %ls\n", e.qpwcGetMessage());
        return 2;
    }
    out.close();
    if (!out)
    {
        std::fprintf(stderr, "orvo-batch: cannot write %s\n", xPaths[1].c_str());
        return 2;
    }
    const TBatchCounts& counts = batch.qrxGetCounts();
    std::fprintf(stderr, "orvo-batch: %llu changed, %llu skipped, %llu rejected (%llu of them passed through)\n",
                 static_cast<unsigned long long>(counts.mqwChanged), static_cast<unsigned long long>(counts.mqwSkipped),
                 static_cast<unsigned long long>(counts.mqwRejected), static_cast<unsigned long long>(counts.mqwKept));
    return counts.mqwRejected == 0 ? 0 : 1;
}
