#include "batch/TBatchFiles.h"

#include "batch/TBatchAdd008.h"
#include "batch/TBatchConvert.h"
#include "marcio/TOutputFile.h"
#include "recordlib/TException.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace
{
// Large buffers: the run is one pass of reads and writes.
constexpr std::size_t kStreamBuffer = 1u << 20;

const char kUsage[] = "usage: orvo-batch add-008 [--replace] [--repair] [--drop-malformed] [--force] IN OUT\n"
                      "       orvo-batch convert --to utf-8|marc-8 [--repair] [--drop-malformed] [--force] IN OUT\n"
                      "       orvo-batch check [--format text|tsv|json] IN   (checks every coded value)\n"
                      "  Gives every record of IN the default 008 for its type of record and writes OUT.\n"
                      "  Damaged records are repaired as they are read; each repair is reported.\n"
                      "  --replace          also replace an 008 a record has (default: leave it)\n"
                      "  --repair           write repaired records in their repaired form (default: a\n"
                      "                     repaired record that needs no 008 is written as it was read)\n"
                      "  --drop-malformed   leave records that cannot be read and stray bytes out of OUT\n"
                      "                     (default: written to OUT exactly as read; --keep-malformed)\n"
                      "  --force            replace OUT even when it is read-only (it stays read-only)\n"
                      "  convert: turns the text of every record into UTF-8 or MARC-8 and sets Leader/09;\n"
                      "  a record with text the target cannot hold is written unconverted and reported.\n"
                      "  IN: ISO 2709 or MARCMaker (.mrk) text; OUT: MARCMaker if it ends in .mrk, else ISO 2709.\n"
                      "  OUT is replaced only when the run completes and keeps its permissions; it must not be IN.\n"
                      "  Exit status: 0 every record read as it was, 1 some repaired or rejected, 2 nothing written.\n";

int qiUsage(std::ostream& rxErr, const std::string& rxProblem)
{
    return qiBatchUsage(rxErr, rxProblem, kUsage);
}
}

int qiBatchUsage(std::ostream& rxErr, const std::string& rxProblem, const char* pacUsage)
{
    rxErr << "orvo-batch: " << rxProblem << '\n' << pacUsage;
    return 2;
}

bool qtOpenBatchInput(const std::string& rxPath, TBatchInput& rxInput, std::ostream& rxErr, const char* pacUsage)
{
    if (qtIsFolder(rxPath))
    {
        qiBatchUsage(rxErr, "Cannot read " + rxPath + ": it is a folder, not a file of records.", pacUsage);
        return false;
    }
    rxInput.mxBuffer.resize(kStreamBuffer);
    rxInput.mxStream.rdbuf()->pubsetbuf(rxInput.mxBuffer.data(), static_cast<std::streamsize>(rxInput.mxBuffer.size()));
    rxInput.mxStream.open(rxPath, std::ios::binary);
    if (rxInput.mxStream)
        return true;
    rxErr << "orvo-batch: Cannot open " << rxPath << ": it does not exist or may not be read.\n";
    return false;
}

std::string qxFileName(const std::string& rxPath)
{
    return std::filesystem::path(rxPath).filename().string();
}

int qiRunBatchCommand(const std::vector<std::string>& rxArgs, std::ostream& rxErr)
{
    if (rxArgs.empty() || (rxArgs[0] != "add-008" && rxArgs[0] != "convert"))
        return qiUsage(rxErr, rxArgs.empty() ? "no command" : "unknown command");
    const bool tConvert = rxArgs[0] == "convert";
    std::string xTarget;
    TBatchOptions options;
    bool tKeepAsked = false;
    bool tForce = false;
    std::vector<std::string> xPaths;
    for (std::size_t n = 1; n < rxArgs.size(); ++n)
    {
        const std::string& rxArg = rxArgs[n];
        if (rxArg == "--replace" && !tConvert)
            options.mtReplace = true;
        else if (rxArg == "--to" && tConvert && n + 1 < rxArgs.size())
            xTarget = rxArgs[++n];
        else if (rxArg == "--repair")
            options.mtRepair = true;
        else if (rxArg == "--keep-malformed")
        {
            options.meMalformed = eKeepMalformed;
            tKeepAsked = true;
        }
        else if (rxArg == "--drop-malformed")
            options.meMalformed = eDropMalformed;
        else if (rxArg == "--force")
            tForce = true;
        else if (rxArg.size() > 1 && rxArg[0] == '-')
            return qiUsage(rxErr, "unknown option " + rxArg);
        else
            xPaths.push_back(rxArg);
    }
    if (xPaths.size() != 2)
        return qiUsage(rxErr, "give one input and one output file");
    if (tConvert && xTarget != "utf-8" && xTarget != "marc-8")
        return qiUsage(rxErr, "convert needs --to utf-8 or --to marc-8");
    if (xPaths[0] == xPaths[1] || qtSameFile(xPaths[0], xPaths[1]))
        return qiUsage(rxErr, "the output must not be the input");

    const std::string& rxIn = xPaths[0];
    const std::string& rxOutPath = xPaths[1];
    TBatchInput xInput;
    if (!qtOpenBatchInput(rxIn, xInput, rxErr, kUsage))
        return 2;
    std::ifstream& in = xInput.mxStream;
    options.meInFormat = qeSniffFormat(in);
    options.meOutFormat = qeFormatOfPath(rxOutPath);
    if (tKeepAsked && options.meMalformed == eKeepMalformed && options.meInFormat != options.meOutFormat)
        return qiUsage(rxErr, "--keep-malformed needs the output in the input's form (both .mrk or both ISO 2709)");

    TBatchConvert convert(xTarget == "marc-8" ? eCharsetMarc8 : eCharsetUtf8, rxErr);
    if (tConvert)
        options.mfnChange = [&convert](TMarcRecord& rxRecord, uint32_t dwNumber) {
            return convert.qtConvert(rxRecord, dwNumber);
        };
    TBatchAdd008 batch(options, rxErr);
    try
    {
        // OUT is checked (a folder, read-only) before a byte of IN is read.
        TOutputFile out(rxOutPath, tForce);
        // IN a second time, for a piece too long to hold (a long run of filler).
        std::ifstream source(rxIn, std::ios::binary);
        batch.qvRun(in, out.qrxStream(), source ? &source : nullptr);
        out.qvCommit();
    }
    catch (const TException& e)
    {
        const std::string xDetail = qxAsciiText(qxMessageDetail(e));
        if (e.qiGetCode() == kReadFailedCode)
        {
            rxErr << "orvo-batch: Cannot read " << qxFileName(rxIn) << " to its end: " << xDetail << ". " << rxOutPath
                  << " was not changed.\n";
            return 2;
        }
        const bool tReadOnly = xDetail.find("read-only") != std::string::npos;
        rxErr << "orvo-batch: Cannot write " << qxFileName(rxOutPath) << ": " << xDetail
              << (tReadOnly ? " (--force replaces it)" : "") << ". " << rxOutPath << " was not changed.\n";
        return 2;
    }
    const TBatchCounts& counts = batch.qrxGetCounts();
    rxErr << "orvo-batch: " << counts.mqwChanged << " changed, " << counts.mqwSkipped << " skipped, "
          << counts.mqwRepaired << " repaired (" << counts.mqwWrittenRepaired << " of them written repaired), "
          << counts.mqwRejected << " rejected (" << counts.mqwKept << " of them passed through)\n";
    if (tConvert)
        rxErr << "orvo-batch: " << convert.qqwGetRefused() << " written unconverted\n";
    return counts.mqwRejected == 0 && counts.mqwRepaired == 0 && convert.qqwGetRefused() == 0 ? 0 : 1;
}
