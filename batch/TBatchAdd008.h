// The batch side of the default 008: gives every record of a file the generic
// 008, one record at a time, so that files of millions of records take no more
// memory than one record and an output chunk.
#pragma once

#include "marcio/TMarcFile.h"

#include <cstdint>
#include <functional>
#include <iosfwd>

// What becomes of a record that cannot be read at all (and of stray bytes).
enum EMalformedPolicy : int
{
    eDropMalformed = 0, // reported and left out of the output
    eKeepMalformed = 1  // reported and written out exactly as read (the default)
};

struct TBatchOptions
{
    bool mtReplace = false; // replace an 008 the record has
    // Write a repaired record in its repaired form even when nothing else changed it;
    // otherwise such a record is written as read when the forms agree.
    bool mtRepair = false;
    EMalformedPolicy meMalformed = eKeepMalformed;
    EMarcFileFormat meInFormat = eIso2709;
    EMarcFileFormat meOutFormat = eIso2709;
    // What the run does to each record read (its number from 1), true when it changed
    // the record; empty: the default 008. orvo-batch convert puts its conversion here.
    std::function<bool(TMarcRecord&, uint32_t)> mfnChange;
};

struct TBatchCounts
{
    uint64_t mqwChanged = 0;         // given the default 008
    uint64_t mqwSkipped = 0;         // written unchanged: it has an 008, or its type has no default
    uint64_t mqwRepaired = 0;        // read with repairs (also counted as changed or skipped)
    uint64_t mqwWrittenRepaired = 0; // of the repaired, written in their repaired form
    uint64_t mqwRejected = 0;        // malformed, stray bytes between records, or too long to write with the new 008
    uint64_t mqwKept = 0;            // of the rejected, written out as read
};

class TBatchAdd008
{
public:
    // rxReport receives one line per rejected record or run of stray bytes, one per repair
    // with the record's number and one on what became of the repaired record, progress
    // lines on long runs, and nothing else. Records are read leniently (repaired). A malformed record can only be kept when it is written in
    // the form it was read in; otherwise it is left out and the report says so.
    TBatchAdd008(const TBatchOptions& rxOptions, std::ostream& rxReport);

    // Reads rxIn (in meInFormat) to its end and writes rxOut. pxSource, when given, is
    // the same data opened a second time: a piece too long to keep in memory is copied
    // from it (without it such a piece is left out and reported). TException
    // (eErrorRecoverable) when rxIn cannot be read or rxOut fails; the counts then say
    // how far it got.
    void qvRun(std::istream& rxIn, std::ostream& rxOut, std::istream* pxSource = nullptr);
    const TBatchCounts& qrxGetCounts() const { return mxCounts; }

private:
    void qvReject(const TRecordPiece& rxPiece, const std::wstring& rxWhy);
    void qvWriteRecord(TRecordPiece& rxPiece);
    bool qtWriteAsRead(const TRecordPiece& rxPiece);
    void qvFlush();
    void qvReportProgress(uint32_t dwRecordNumber);

    TBatchOptions mxOptions;
    std::ostream* mpxReport;
    TBatchCounts mxCounts;
    int64_t miLastProgress;
    std::ostream* mpxOut;
    std::istream* mpxSource;
    std::string mxPending; // written to mpxOut a megabyte at a time
};
