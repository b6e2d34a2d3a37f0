// The MARCMaker text form of MARC 21 records (.mrk), one field a line:
//
//   =LDR  00714cam\a2200205\a\4500
//   =001  \\\12345
//   =245  10$aThe title /$cby someone.
//
// A record is its "=LDR" line and the field lines after it, up to a blank line or
// the next "=LDR". After "=" come the tag (or LDR) and two blanks. In the Leader,
// in control fields and in the two indicators a blank is written "\"; in a data
// field "$" stands for the subfield delimiter. Characters that would be read as
// something else are written as mnemonics: {dollar} "$", {bsol} "\", {lcub} "{",
// {rcub} "}", {esc} 0x1B, and {xHH} for any other control byte. Bytes from 0x80 up
// pass as they are (UTF-8 or MARC-8 alike). Lines that begin with "#" are comments.
#pragma once

#include "recordlib/TCharacterSet.h"
#include "recordlib/TMarcRecordReader.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

// Reads the records of a MARCMaker text stream one at a time. Memory stays bounded:
// one record, and no line is kept beyond mdwMaxLineLength_static characters.
//
// Every byte of the stream belongs to one piece: a record (its lines, exactly as they
// stand, line ends included), or filler before it (blank lines and comment lines
// between records: qrxGetFillerBefore). A record ends before a blank line, before
// the next "=LDR" or at the end of the data. Line ends may be LF or CR LF.
//
// Errors: every TException from qtReadNext is eErrorRecoverable and names the record
// (1-based) and the line; the caller's record is then unchanged, qrxGetRawData holds
// the record's lines as they were in the stream, and the next call goes on with the
// record that follows. Lines that belong to no record are reported the same way.
class TMarcMakerReader : public TMarcRecordReader
{
public:
    // The longest line the writer writes for a field that fits in ISO 2709: "=TAG  "
    // and every byte of the field as the longest mnemonic, "{dollar}".
    static constexpr uint32_t mdwLongestMnemonic_static = 8;
    static constexpr uint32_t mdwMaxLineLength_static =
        6 + mdwLongestMnemonic_static * (TMarcRecord::mdwMaxFieldLength_static - 1);
    // Text kept of a record, and of a run of filler; a longer piece is only measured.
    static constexpr uint32_t mdwMaxRecordText_static = 1u << 20;

    explicit TMarcMakerReader(std::istream& rxStream);
    TMarcMakerReader(const TMarcMakerReader&) = delete;
    TMarcMakerReader& operator=(const TMarcMakerReader&) = delete;

    // False at the end of the data.
    bool qtReadNext(TMarcRecord& rxRecord) override;
    uint32_t qdwGetRecordNumber() const override;
    // The text of the last record met, read or rejected, exactly as in the stream;
    // empty at the end of the data and for a record too long to keep.
    const TXBuffer<unsigned char>& qrxGetRawData() const override;
    const TXBuffer<unsigned char>& qrxGetFillerBefore() const override { return mxFiller; }
    // The end of the last piece met (a line read ahead to find it is not counted).
    uint64_t qqwGetOffset() const override { return mtHaveLine ? mqwOffset - mqwLineLength : mqwOffset; }
    uint64_t qqwGetPieceLength() const override { return mqwPieceLength; }

private:
    bool qtReadLine();
    void qvKeepLine(TXBuffer<unsigned char>& rxText, bool& rtDropped);

    std::istream* mpxStream;
    std::string mxLine;     // the current line without its end, cut after mdwMaxLineLength_static
    std::string mxLineEnd;  // "\n", "\r\n" or "" (the last line of the data)
    uint64_t mqwLineLength; // the current line's bytes in the stream, end included
    bool mtLineTooLong;
    bool mtHaveLine;
    uint64_t mqwLineNumber;
    uint64_t mqwOffset;
    uint64_t mqwPieceLength;
    uint32_t mdwRecordNumber;
    TXBuffer<unsigned char> mxRawData;
    TXBuffer<unsigned char> mxFiller;
};

// How a record's lines end when written.
enum ELineEnd : int
{
    eLineEndLf = 0,
    eLineEndCrLf = 1
};

// Appends rxRecord in MARCMaker form to rxOut, each line ended by eLineEnd, with a blank
// line after it when tBlankLineAfter. TException (eErrorRecoverable), rxOut unchanged,
// for a field without a tag number, tagged LDR (its line would read as a second Leader),
// or a field or record longer than ISO 2709 allows (the same records that form refuses).
// Tags of letters are written as they are ("=CAT  ").
void qvAppendMarcMaker(const TMarcRecord& rxRecord, std::string& rxOut, ELineEnd eLineEnd = eLineEndLf,
                       bool tBlankLineAfter = true);

// Appends what follows "=TAG  " on rxField's line: its data with blanks, delimiters
// and special characters written as MARCMaker writes them.
void qvAppendMarcMakerData(const TMarcTag& rxField, std::string& rxOut);
// Appends what follows "=TAG  " on rxField's line for a person to read: the same
// marks, with the text (each subfield's, all of a control field) read in rxSet
// as the editors show it, composed, and what could not be read shown as
// TCharacterSet::qxVisibleText shows it.
void qvAppendMarcMakerText(const TMarcTag& rxField, const TCharacterSet& rxSet, std::wstring& rxOut);
// Appends what follows "=LDR  ": the Leader with its blanks written "\".
void qvAppendMarcMakerLeader(const TMarcLeader& rxLeader, std::string& rxOut);

// rxField's line as a person reads and edits it: "=245  10$aTitle", its text in
// rxSet (the record's character set), blanks of a control field and of the
// indicators written "\", "$" for the subfield delimiter and the mnemonics of
// the file form for the characters they stand for.
std::wstring qxMarcMakerFieldText(const TMarcTag& rxField, const TCharacterSet& rxSet);
// The field such a line stands for. TException (eErrorRecoverable) with a
// sentence that says what is wrong and at which character (from 1) of the
// line: the line's shape, a tag that is not three digits or letters, an
// indicator that is not a digit, a lowercase letter or "\", text or a "$"
// without a subfield code, a character rxSet cannot hold.
TMarcTag qxReadMarcMakerFieldText(std::wstring_view xLine, const TCharacterSet& rxSet);
