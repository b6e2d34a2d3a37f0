#pragma once

#include "OrvoLibraryU.h"
#include "TMarcLeader.h"
#include "TMarcRepair.h"
#include "TMarcTag.h"
#include "TXBuffer.h"

#include <cstdint>
#include <vector>

// A MARC 21 record: a Leader, its fields in order, and one host-defined number. Its
// exchange form is ISO 2709 as MARC 21 lays it out (qvGetUSMarcData, qvSetUSMarcData,
// qvRepairUSMarcData).
class ORVO_LIBRARYU_API TMarcRecord
{
public:
    static constexpr char mcFieldTerminator_static = 0x1E;
    static constexpr char mcRecordTerminator_static = 0x1D;
    static constexpr uint32_t mdwMaxRecordLength_static = 99999;
    static constexpr uint32_t mdwMaxFieldLength_static = 9999;

    TMarcRecord();

    // Removes every field, sets the default Leader and the host number 0.
    // tKeepMarcType true keeps the Leader's explicit record format; false clears it too.
    void qvClear(bool tKeepMarcType);

    TMarcLeader& qrxGetLeader();
    const TMarcLeader& qrxGetLeader() const;
    // The 24 Leader characters; the explicit record format is kept.
    void qvSetLeader(const char* pacLeader);

    uint32_t qdwGetAuxData1() const;
    void qvSetAuxData1(uint32_t dwAuxData1);

    // Copies the occurrence (from 1) of the tag into rxField; false when absent or when
    // the occurrence is below 1 (rxField is then unchanged).
    bool qtFindTag(int iTagNumber, TMarcTag& rxField, int iOccurrence) const;
    // Replaces the occurrence (from 1) of rxField's tag; false when absent.
    bool qtReplaceTag(const TMarcTag& rxField, int iOccurrence);
    // Inserts after the last field whose tag number is not greater than the new one's;
    // TException when the field has no tag number.
    void qvOrderedInsert(const TMarcTag& rxField);

    uint32_t qdwGetFieldCount() const;
    // TException (eErrorFatal) when the index is out of range.
    TMarcTag& qrxGetField(uint32_t dwIndex);
    const TMarcTag& qrxGetField(uint32_t dwIndex) const;
    void qvRemoveField(uint32_t dwIndex);

    // Writes the record in ISO 2709: the Leader with the record length (00-04) and base
    // address (12-16) computed, "22" at 10-11 and "45" at 20-21, then one 12-byte
    // directory entry per field (tag 3, length 4, start 5 digits), a field terminator
    // after the directory and after each field, and the record terminator, the fields'
    // data one after another in field order. Leader/22 is written as '0' when it holds a
    // digit; Leader/22-23 are otherwise written as held. tAppend true appends the record
    // to rxOut; false replaces rxOut's content.
    // A record read with qvSetUSMarcData is written back byte for byte when its directory
    // lists the fields in the order of their data, each starting where the one before
    // ends (as this writer and most others lay them out). A legal record laid out
    // otherwise (entries out of data order, entries sharing data, bytes between fields
    // that no entry covers) keeps every field, in directory order, with all its data; but
    // it is written in the layout above, so its bytes differ: shared data is written once
    // for each entry, and bytes that no entry covers are not written.
    // It throws TException (eErrorRecoverable), leaving rxOut unchanged, rather than write
    // a damaged record: a record over 99999 bytes, a field over 9999 bytes (terminator
    // included), a field without a tag number, a field holding a field or record
    // terminator, a data field without two valid indicators.
    void qvGetUSMarcData(TXBuffer<unsigned char>& rxOut, bool tAppend) const;

    // Parses exactly one record of exactly dwSize bytes. It replaces the Leader's
    // characters and the fields; the explicit record format and the host number are kept.
    // It throws TException (eErrorRecoverable), leaving the record unchanged, on any
    // defect: length or base address not digits or out of range, Leader/10-11 not "22",
    // Leader/20-21 not "45", a digit other than '0' at Leader/22, a directory that is not
    // whole 12-byte entries (a tag of three letters or digits, 9 digits) ending in a field
    // terminator, an entry pointing outside the data area or at a field without its
    // terminator, a field holding NUL or a terminator, a data field without two valid
    // indicators, a missing record terminator.
    void qvSetUSMarcData(const unsigned char* paxData, uint32_t dwSize);

    // The lenient parse: reads a damaged record as long as its fields can be found,
    // repairs what it must to make a valid record, and gives each repair in rxRepairs
    // (replacing what it held). It takes the bytes as the record whatever the leader's
    // length says, with or without a record terminator.
    //   - The directory is found through the base address or, failing that, the first
    //     field terminator.
    //   - An entry's length is trusted when it ends where the next field starts (or the
    //     data ends), even on another byte than a field terminator: that byte is reported
    //     as the damaged terminator and left out, and the next field stays its own.
    //   - An entry that does not describe a field (not a tag and 9 digits, outside the
    //     data area, not ending on a field terminator) is skipped and its field is
    //     recovered from the data where the field terminators show it: the field that
    //     starts where the entry says, or else the next unclaimed one after the fields of
    //     the entries before it. Data that no field takes is reported, not kept.
    //   - NUL and record terminators inside a field and invalid indicators become blanks.
    //   - Leader/10-11 and 20-22: bytes that are not digits there, and digits other than
    //     MARC 21's when the directory reads as MARC 21's (entries of a tag, 4 and 5
    //     digits ending at the base address), are a damaged leader: MARC 21's values used.
    // Every field keeps its place in directory order and every byte of its data.
    // It throws TException (eErrorRecoverable), leaving the record unchanged, for a record
    // of another ISO 2709 profile (other digits at Leader/10-11 or 20-22, and a directory
    // that reads with the entry map the leader gives and not with MARC 21's): it is not
    // MARC 21; and for a record too short to hold a directory or without any field
    // terminator. It writes over the record's own fields, keeping their buffers, so that
    // a record read over and over hardly allocates; should memory run out there, it
    // empties the record.
    void qvRepairUSMarcData(const unsigned char* paxData, uint32_t dwSize, std::vector<TRepair>& rxRepairs);

private:
    // Fields a record read over this one had beyond its own, kept only for their
    // buffers: qvRepairUSMarcData takes them back for a record with more fields. A
    // copy of the record starts without them.
    class TSpareFields
    {
    public:
        TSpareFields() = default;
        TSpareFields(const TSpareFields&) {}
        TSpareFields& operator=(const TSpareFields&) { return *this; }
        TSpareFields(TSpareFields&&) = default;
        TSpareFields& operator=(TSpareFields&&) = default;
        std::vector<TMarcTag> mxFields;
    };

    TMarcLeader mxLeader;
    std::vector<TMarcTag> mxFields;
    TSpareFields mxSpare;
    uint32_t mdwAuxData1;
};
