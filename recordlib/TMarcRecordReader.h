#pragma once

#include "TMarcRecord.h"
#include "TMarcRepair.h"
#include "TXBuffer.h"

#include <cstdint>
#include <vector>

// How a reader takes a damaged record: refused (strict), or repaired when its fields
// can be found (lenient: TMarcRecord::qvRepairUSMarcData), the repairs given beside it.
enum EReadMode : int
{
    eReadStrict = 0,
    eReadLenient = 1
};

// What every reader of a file of records does, whatever the file's form (ISO 2709
// here, MARCMaker text in marcio/): one record at a time, in file order.
//
// qtReadNext reads the next record into rxRecord and returns true, or returns false
// at the end of the data. It throws TException (eErrorRecoverable) for a piece of the
// file that is not a good record, leaving rxRecord unchanged; the next call goes on
// after that piece. The piece is either a broken record (the record number went up)
// or bytes between records that belong to none (stray bytes: the number stayed).
// Either way qrxGetRawData holds its bytes exactly as in the file, so that a caller
// can pass them through.
class TMarcRecordReader
{
public:
    virtual ~TMarcRecordReader() = default;

    virtual bool qtReadNext(TMarcRecord& rxRecord) = 0;
    // Number of the last record met, read or rejected; 0 before the first.
    virtual uint32_t qdwGetRecordNumber() const = 0;
    // Bytes of the last record or stray piece met, as in the stream; empty at the end
    // of the data and when the piece was too long to keep.
    virtual const TXBuffer<unsigned char>& qrxGetRawData() const = 0;
    // What was repaired in the last record read; empty when nothing was, and always
    // for a strict reader or a form that has nothing to repair.
    virtual const std::vector<TRepair>& qrxGetRepairs() const
    {
        static const std::vector<TRepair> xNone;
        return xNone;
    }
    // Filler (blanks, line ends, NULs) the last call stepped over before the piece
    // it met, or before the end of the data; empty for a form without filler.
    virtual const TXBuffer<unsigned char>& qrxGetFillerBefore() const
    {
        static const TXBuffer<unsigned char> xNone;
        return xNone;
    }
    // Bytes taken from the stream so far: where the last call stopped. With the length
    // of the piece it met, this places the piece and the filler before it in the file
    // even when either was too long to keep.
    virtual uint64_t qqwGetOffset() const = 0;
    // Length of the last record or stray piece met; its raw data holds fewer bytes only
    // when it was too long to keep.
    virtual uint64_t qqwGetPieceLength() const { return qrxGetRawData().qdwGetDataSize(); }
};
