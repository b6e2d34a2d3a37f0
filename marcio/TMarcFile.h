// Files of MARC 21 records in either of the two forms a cataloguer meets:
// ISO 2709 (.mrc, .usmarc, ...) and MARCMaker text (.mrk).
#pragma once

#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"

#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

enum EMarcFileFormat : int
{
    eIso2709 = 0,
    eMarcMaker = 1
};

// By the name's extension: .mrk (any case) is MARCMaker, anything else ISO 2709.
EMarcFileFormat qeFormatOfPath(const std::string& rxPath);
EMarcFileFormat qeFormatOfPath(const std::wstring& rxPath);

// The form of a file of records by its content, after a UTF-8 byte order mark if it
// has one: MARCMaker when the first byte that is not white space is "=" or "#", ISO
// 2709 otherwise. What it looks at is put back where the stream allows (a stream
// just opened always does).
EMarcFileFormat qeSniffFormat(std::istream& rxStream);

// A reader of the form: ISO 2709 or MARCMaker, behind the one reader interface.
// eMode is for ISO 2709; MARCMaker text has no directory to repair.
std::unique_ptr<TMarcRecordReader> qpxMakeRecordReader(std::istream& rxStream, EMarcFileFormat eFormat,
                                                       EReadMode eMode = eReadStrict);

enum ERecordPiece : int
{
    ePieceRecord = 0,       // a record, read
    ePieceBrokenRecord = 1, // a record that could not be read
    ePieceStrayBytes = 2,   // bytes between records that belong to none
    ePieceFiller = 3        // a byte order mark, blanks, line ends, NULs, MARCMaker comments (no data)
};

// One piece of a file of records, as qvReadPieces meets it.
struct TRecordPiece
{
    ERecordPiece mePiece;
    // The record's number from 1; for stray bytes and filler, the number of the record before them.
    uint32_t mdwRecordNumber;
    // The record read (ePieceRecord only; the receiver may change or take it).
    TMarcRecord* mpxRecord;
    // Where the piece stands in the file, and how many bytes it takes there.
    uint64_t mqwOffset;
    uint64_t mqwLength;
    // The piece's bytes as in the file; fewer than mqwLength (none) for a piece too
    // long to keep, whose bytes are then only in the file (qtWritePieceAsRead).
    const TXBuffer<unsigned char>* mpxRawData;
    // What is wrong with a piece that is not a record.
    std::wstring mxProblem;
    // What was repaired in the record read (ePieceRecord only; empty when nothing was).
    const std::vector<TRepair>* mpxRepairs;

    bool qtIsKeptWhole() const { return mpxRawData->qdwGetDataSize() == mqwLength; }
    std::string_view qxRawData() const
    {
        return std::string_view(mpxRawData->qpacGetData(), mpxRawData->qdwGetDataSize());
    }
};

// What a library message says after "Class::method() : ": the detail that a
// message to a person about a file quotes.
std::wstring qxMessageDetail(const TException& rxError);

// The code of the TException qvReadPieces throws when the stream fails.
constexpr int kReadFailedCode = 5;

// Reads rxStream, in the form qeSniffFormat told, to its end, handing every piece to
// fnPiece in file order: each record, each broken record, each run of stray bytes and
// each run of filler (a byte order mark among them). The pieces cover the data byte
// for byte. Exceptions thrown by fnPiece go to the caller. TException
// (eErrorRecoverable, kReadFailedCode) when the stream fails (a read error is never taken for the end
// of the data); no piece read from the failed part reaches fnPiece.
void qvReadPieces(std::istream& rxStream, EMarcFileFormat eFormat, EReadMode eMode,
                  const std::function<void(TRecordPiece&)>& fnPiece);

// Writes rxPiece to rxOut as it stood in the file: its bytes as kept, or, for a piece
// too long to keep, mqwLength bytes from mqwOffset of pxSource (the data read, opened
// a second time), copied in chunks. False, nothing written, when it was not kept and
// there is no source. TException (eErrorRecoverable) when pxSource cannot give the bytes.
bool qtWritePieceAsRead(const TRecordPiece& rxPiece, std::istream* pxSource, std::ostream& rxOut);

// Appends one record in the form to rxOut, as a file of that form holds it after
// other records. TException (eErrorRecoverable) for a record the form cannot hold
// (more than 99 999 bytes in ISO 2709, in either form); rxOut is then unchanged.
void qvAppendRecord(const TMarcRecord& rxRecord, EMarcFileFormat eFormat, std::string& rxOut);

// Appends rxRecord to rxOut to stand in place of a record read as xAsRead from a file
// of the form eFormat: MARCMaker lines end as that record's did, and no blank line
// follows (what followed it in the file, a blank line or not, is filler and stays).
// TException as qvAppendRecord.
void qvAppendRecordInPlace(const TMarcRecord& rxRecord, std::string_view xAsRead, EMarcFileFormat eFormat,
                           std::string& rxOut);
