#include "batch/TBatchFiles.h"

#include "batch/TBatchAdd008.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace
{
// Large buffers: the run is one pass of reads and writes.
constexpr std::size_t kStreamBuffer = 1u << 20;

const char kUsage[] =
    "usage: orvo-batch add-008 [--replace] [--repair] [--drop-malformed] IN OUT\n"
    "  Gives every record of IN the default 008 for its type of record and writes OUT.\n"
    "  Damaged records are repaired as they are read; each repair is reported.\n"
    "  --replace          also replace an 008 a record has (default: leave it)\n"
    "  --repair           write repaired records in their repaired form (default: a\n"
    "                     repaired record that needs no 008 is written as it was read)\n"
    "  --drop-malformed   leave records that cannot be read and stray bytes out of OUT\n"
    "                     (default: written to OUT exactly as read; --keep-malformed)\n"
    "  IN: ISO 2709 or MARCMaker (.mrk) text; OUT: MARCMaker if it ends in .mrk, else ISO 2709.\n"
    "  OUT is replaced only when the run completes; it must not be IN.\n";

int qiUsage(std::ostream& rxErr, const std::string& rxProblem)
{
    rxErr << "orvo-batch: " << rxProblem << '\n' << kUsage;
    return 2;
}
}

int qiRunBatchCommand(const std::vector<std::string>& rxArgs, std::ostream& rxErr)
{
    if (rxArgs.empty() || rxArgs[0] != "add-008")
        return qiUsage(rxErr, rxArgs.empty() ? "no command" : "unknown command");
    TBatchOptions options;
    bool tKeepAsked = false;
    std::vector<std::string> xPaths;
    for (std::size_t n = 1; n < rxArgs.size(); ++n)
    {
        const std::string& rxArg = rxArgs[n];
        if (rxArg == "--replace")
            options.mtReplace = true;
        else if (rxArg == "--repair")
            options.mtRepair = true;
        else if (rxArg == "--keep-malformed")
        {
            options.meMalformed = eKeepMalformed;
            tKeepAsked = true;
        }
        else if (rxArg == "--drop-malformed")
            options.meMalformed = eDropMalformed;
        else if (rxArg.size() > 1 && rxArg[0] == '-')
            return qiUsage(rxErr, "unknown option " + rxArg);
        else
            xPaths.push_back(rxArg);
    }
    if (xPaths.size() != 2)
        return qiUsage(rxErr, "give one input and one output file");
    if (xPaths[0] == xPaths[1] || qtSameFile(xPaths[0], xPaths[1]))
        return qiUsage(rxErr, "the output must not be the input");

    std::vector<char> xInBuffer(kStreamBuffer);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(xInBuffer.data(), static_cast<std::streamsize>(xInBuffer.size()));
    in.open(xPaths[0], std::ios::binary);
    if (!in)
    {
        rxErr << "orvo-batch: cannot open " << xPaths[0] << '\n';
        return 2;
    }
    options.meInFormat = qeSniffFormat(in);
    options.meOutFormat = qeFormatOfPath(xPaths[1]);
    if (tKeepAsked && options.meMalformed == eKeepMalformed && options.meInFormat != options.meOutFormat)
        return qiUsage(rxErr, "--keep-malformed needs the output in the input's form (both .mrk or both ISO 2709)");

    TBatchAdd008 batch(options, rxErr);
    try
    {
        TOutputFile out(xPaths[1]);
        batch.qvRun(in, out.qrxStream());
        out.qvCommit();
    }
    catch (const TException& e)
    {
        rxErr << "orvo-batch: " << qxAsciiText(e.qpwcGetMessage()) << " (" << xPaths[1] << " left as it was)\n";
        return 2;
    }
    const TBatchCounts& counts = batch.qrxGetCounts();
    rxErr << "orvo-batch: " << counts.mqwChanged << " changed, " << counts.mqwSkipped << " skipped, "
          << counts.mqwRepaired << " repaired (" << counts.mqwWrittenRepaired << " of them written repaired), "
          << counts.mqwRejected << " rejected (" << counts.mqwKept << " of them passed through)\n";
    return counts.mqwRejected == 0 && counts.mqwRepaired == 0 ? 0 : 1;
}
