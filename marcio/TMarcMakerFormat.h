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

#include "recordlib/TMarcRecordReader.h"

#include <cstdint>
#include <istream>
#include <string>

// Reads the records of a MARCMaker text stream one at a time. Memory stays bounded:
// one record, and no line is kept beyond mdwMaxLineLength_static characters.
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
    static constexpr uint32_t mdwMaxRecordText_static = 1u << 20;

    explicit TMarcMakerReader(std::istream& rxStream);
    TMarcMakerReader(const TMarcMakerReader&) = delete;
    TMarcMakerReader& operator=(const TMarcMakerReader&) = delete;

    // False at the end of the data.
    bool qtReadNext(TMarcRecord& rxRecord) override;
    uint32_t qdwGetRecordNumber() const override;
    // The text of the last record met, read or rejected, as in the stream (each
    // line ending in "\n"; the blank line after it not included); empty at the end
    // of the data and for a record too long to keep (mdwMaxRecordText_static).
    const TXBuffer<unsigned char>& qrxGetRawData() const override;

private:
    bool qtReadLine();
    void qvKeepLine();

    std::istream* mpxStream;
    std::string mxLine;
    bool mtLineTooLong;
    bool mtRawDropped;
    bool mtHaveLine;
    uint64_t mqwLineNumber;
    uint32_t mdwRecordNumber;
    TXBuffer<unsigned char> mxRawData;
};

// Appends rxRecord in MARCMaker form to rxOut, ending with a blank line. TException
// (eErrorRecoverable), rxOut unchanged, for a field without a tag number or longer than
// ISO 2709 allows (the reader would refuse its line).
void qvAppendMarcMaker(const TMarcRecord& rxRecord, std::string& rxOut);

// Appends what follows "=TAG  " on rxField's line: its data with blanks, delimiters
// and special characters written as MARCMaker writes them.
void qvAppendMarcMakerData(const TMarcTag& rxField, std::string& rxOut);
// Appends what follows "=LDR  ": the Leader with its blanks written "\".
void qvAppendMarcMakerLeader(const TMarcLeader& rxLeader, std::string& rxOut);
