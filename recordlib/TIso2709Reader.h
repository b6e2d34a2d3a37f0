#pragma once

#include "OrvoLibraryU.h"
#include "TMarcRecordReader.h"

#include <cstdint>
#include <istream>
#include <vector>

// Reads the records of an ISO 2709 file one at a time from a stream opened in binary
// mode. Memory stays bounded: at most one record (99999 bytes) and a read chunk are held.
//
// Between records the reader steps over filler (blank, tab, CR, LF, VT, FF, NUL and the
// DOS end-of-file mark 0x1A) without a word. A record starts at 5 ASCII digits giving a
// length of at least 26 bytes. Any other bytes between records are reported as stray
// bytes (TException) before the next call reads the record that follows them; the raw
// data is then the whole gap since the last record, filler included, in pieces of at
// most 99999 bytes (a long gap is reported piece by piece).
//
// Errors and recovery: every TException from qtReadNext is eErrorRecoverable, names the
// record by number (1-based, counting every record start found) and byte offset, and
// says what is wrong. The caller's record is then unchanged, and the next call continues
// after the broken record:
//   - when the leader's length ends on a record terminator, right after those bytes;
//   - otherwise (length wrong or record cut short) after the first record terminator
//     from the record's start, or at the first thing that looks like a leader ("nnnnn"
//     with "22" at 10-11, digits at 12-16 and "45" at 20-21), whichever comes first,
//     looking no further than 99999 bytes; or after the bytes that the length gives
//     (or that remain) when there is neither.
// A lenient reader (eReadLenient) reads each of those records instead, as far as its
// fields can be found: the bytes up to where the record was found to end are given to
// TMarcRecord::qvRepairUSMarcData, and the repairs (with the record length's own, if it
// was wrong) are in qrxGetRepairs. Only a record of another ISO 2709 profile or without
// any field terminator is still refused, as above. Stray bytes are reported in both modes.
// Recovery is linear in the input: what a search for a record's end has looked at is
// remembered, so no byte is searched again for the broken records that follow.
class ORVO_LIBRARYU_API TIso2709Reader : public TMarcRecordReader
{
public:
    explicit TIso2709Reader(std::istream& rxStream, EReadMode eMode = eReadStrict);
    TIso2709Reader(const TIso2709Reader&) = delete;
    TIso2709Reader& operator=(const TIso2709Reader&) = delete;

    // Reads the next record into rxRecord (see TMarcRecord::qvSetUSMarcData); false at
    // the end of the data.
    bool qtReadNext(TMarcRecord& rxRecord) override;

    // Number of the last record met, read or rejected; 0 before the first.
    uint32_t qdwGetRecordNumber() const override;

    // Bytes of the last record or stray piece met, exactly as in the stream: after a
    // broken record the bytes that were skipped as that record. Empty at the end.
    const TXBuffer<unsigned char>& qrxGetRawData() const override;
    const TXBuffer<unsigned char>& qrxGetFillerBefore() const override { return mxFiller; }
    const std::vector<TRepair>& qrxGetRepairs() const override;
    uint64_t qqwGetOffset() const override { return mqwOffset; }

private:
    void qvParse(TMarcRecord& rxRecord, uint64_t qwRecordOffset);

    bool qtFill(uint32_t dwWanted);
    uint32_t qdwAvailable() const;
    const unsigned char* qpaxCurrent() const;
    void qvConsume(uint32_t dwCount, bool tKeepAsRawData);
    uint32_t qdwFindRecordEnd(uint32_t dwLimit);
    void qvStepToRecordStart();

    std::istream* mpxStream;
    EReadMode meMode;
    std::vector<TRepair> mxRepairs;
    // The bytes read and not yet consumed are [mnWindowPos, mnWindowEnd) of
    // mxWindow, which only grows (a record longer than it makes it longer).
    std::vector<unsigned char> mxWindow;
    std::size_t mnWindowPos;
    std::size_t mnWindowEnd;
    bool mtStreamDone;
    uint64_t mqwOffset;
    uint32_t mdwRecordNumber;
    TXBuffer<unsigned char> mxRawData;
    TXBuffer<unsigned char> mxFiller;
    // The search for a record's end: no end mark in [mqwSearchedFrom, mqwSearchedTo);
    // when mtEndMarkFound, one at mqwSearchedTo (a record terminator or a leader).
    uint64_t mqwSearchedFrom;
    uint64_t mqwSearchedTo;
    bool mtEndMarkFound;
};
