// orvo-batch check: every record of a file through the record checker, one
// record at a time (memory stays flat whatever the file's size), each finding
// reported as it is met, then a summary.
#pragma once

#include "core/TRecordChecker.h"
#include "marcio/TMarcFile.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <unordered_map>

enum ECheckFormat : int
{
    eCheckText = 0, // one line per finding, then the summary
    eCheckTsv = 1,  // a header line and one row per finding; the summary to the report stream
    eCheckJson = 2  // one object: "findings" (an array) and "summary"
};

struct TCheckCounts
{
    uint64_t mqwRecords = 0;           // records read (repaired ones included)
    uint64_t mqwRecordsWithErrors = 0; // records with at least one error, unreadable ones included
    uint64_t mqwUnreadable = 0;        // records (and runs of stray bytes) that could not be read
    uint64_t maqwByKind[eCheckKindCount] = {};
};

class TBatchCheck
{
public:
    TBatchCheck(ECheckFormat eFormat, std::ostream& rxOut, std::ostream& rxReport);

    // Reads rxIn (ISO 2709 leniently, or MARCMaker) to its end, writing every
    // finding to the output stream, then the summary. TException when rxIn
    // cannot be read (see qvReadPieces).
    void qvRun(std::istream& rxIn, EMarcFileFormat eInFormat);
    const TCheckCounts& qrxGetCounts() const { return mxCounts; }

private:
    void qvRecord(uint32_t dwNumber, const TMarcRecord* pxRecord);
    void qvWriteFinding(uint32_t dwNumber, const TCheckFinding& rxFinding);
    void qvWriteSummary();

    ECheckFormat meFormat;
    std::ostream* mpxOut;
    std::ostream* mpxReport;
    TCheckCounts mxCounts;
    std::vector<TCheckFinding> mxFindings;
    std::string mxControlNumber; // 001 of the record being reported
    std::string mxPending;       // output not yet written
    std::string mxKey;           // the finding being written, without its record
    bool mtFirstJson;
    // How often each finding (its place and problem, without the record) was
    // met; at most kMaxDistinct different ones are counted.
    std::unordered_map<std::string, uint64_t> mxFrequency;
};

// orvo-batch check with its arguments after "check": findings to rxOut,
// problems (and the summary of tsv) to rxErr; the exit status (0 no record has
// an error, 1 some do, 2 the command could not run).
int qiRunCheckCommand(const std::vector<std::string>& rxArgs, std::ostream& rxOut, std::ostream& rxErr);
