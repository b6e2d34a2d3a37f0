#pragma once

#include "OrvoLibraryU.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// What the lenient ISO 2709 read (TMarcRecord::qvRepairUSMarcData) did to make a
// damaged record a valid one. Each kind has one message format (TMarcRepair.cpp);
// positions are byte offsets from the record's first byte.
enum ERepairKind : int
{
    eRepairRecordEnd = 0,      // the record length does not end on the record terminator
    eRepairRecordUnterminated, // no record terminator at all: the record ends where its bytes end
    eRepairLeaderByte,         // a Leader byte that is not printable ASCII
    eRepairLeaderLayout,       // Leader 10-11 or 20-21 not digits: the MARC 21 values used
    eRepairLeaderProfile,      // Leader 10-11 or 20-22 other digits, but the directory is MARC 21's
    eRepairBaseAddress,        // the base address does not follow the directory
    eRepairDirectoryEnd,       // the directory ends on another byte than a field terminator
    eRepairDirectoryTail,      // bytes after the directory's last whole entry
    eRepairFieldEnd,           // an entry's length does not end on a field terminator
    eRepairFieldTerminator,    // the byte where an entry's length ends is not a field terminator
    eRepairFieldCutShort,      // the last field has no field terminator: the data ends inside it
    eRepairEntryRecovered,     // an unusable entry: its field recovered from the data
    eRepairEntryDropped,       // an unusable entry whose field is not found in the data
    eRepairForbiddenByte,      // NUL or record terminator inside a field
    eRepairIndicators,         // a data field without two valid indicators
    eRepairUnplacedBytes       // data that belongs to no field: reported, left out
};

struct TRepair
{
    ERepairKind meKind;
    int miTag;            // the field's tag; -1 for the Leader, the directory or the record
    uint32_t mdwPosition; // where in the record
    std::wstring mxText;  // "field 245: indicators \"-0\" are not valid: replaced by \" 0\""
};

// The repair of the kind, its text made from the kind's format: "%T" is the tag,
// "%1" to "%3" the arguments in order.
ORVO_LIBRARYU_API TRepair qxMakeRepair(ERepairKind eKind, int iTag, uint32_t dwPosition,
                                       std::initializer_list<std::wstring> xArguments);

// Bytes as a message shows them: runs of printable ASCII in quotes, other bytes in
// hexadecimal ("\"10\" 0x1F \"aTitle\"", "0xC3 0xA1"); at most dwShown bytes, then "...".
ORVO_LIBRARYU_API std::wstring qxShowBytes(const unsigned char* paxData, uint32_t dwSize, uint32_t dwShown);
