// Files of MARC 21 records in either of the two forms a cataloguer meets:
// ISO 2709 (.mrc, .usmarc, ...) and MARCMaker text (.mrk).
#pragma once

#include "marcio/TMarcMakerFormat.h"
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

// By the content: MARCMaker when the first byte that is not white space is "=" or
// "#", ISO 2709 otherwise. White space before it is put back where the stream
// allows (both readers step over it anyway).
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
    ePieceFiller = 3        // blanks, line ends or NULs between records (no data)
};

// One piece of a file of records, as qvReadPieces meets it.
struct TRecordPiece
{
    ERecordPiece mePiece;
    // The record's number from 1; for stray bytes, the number of the record before them.
    uint32_t mdwRecordNumber;
    // The record read (ePieceRecord only; the receiver may change or take it).
    TMarcRecord* mpxRecord;
    // The piece's bytes as in the file; may be empty for a piece too long to keep.
    const TXBuffer<unsigned char>* mpxRawData;
    // What is wrong with a piece that is not a record.
    std::wstring mxProblem;
    // What was repaired in the record read (ePieceRecord only; empty when nothing was).
    const std::vector<TRepair>* mpxRepairs;
};

// Reads the reader to its end, handing every piece to fnPiece in file order: each
// record, each broken record, each run of stray bytes and each run of filler
// between records (its bytes as raw data). Exceptions thrown by fnPiece go to the caller.
void qvReadPieces(TMarcRecordReader& rxReader, const std::function<void(TRecordPiece&)>& fnPiece);

// Appends a piece's bytes to rxOut as they are written back in the form they were
// read in (a MARCMaker record gets back the blank line that ended it).
void qvAppendRawData(std::string_view xRawData, EMarcFileFormat eFormat, std::string& rxOut);

// Appends a piece to rxOut as it stood in the file, for a file written in the form it
// was read in: filler as it was, any other piece through qvAppendRawData.
void qvAppendPieceAsRead(const TRecordPiece& rxPiece, EMarcFileFormat eFormat, std::string& rxOut);

// Appends one record in the form to rxOut. TException (eErrorRecoverable) for a
// record the form cannot hold; rxOut is then unchanged.
void qvAppendRecord(const TMarcRecord& rxRecord, EMarcFileFormat eFormat, std::string& rxOut);
