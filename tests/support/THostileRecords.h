// Hostile but legal records: what a careless or hostile catalogue may hold and
// ISO 2709 can carry. Capitals, C0 and C1 controls and bytes above 127 stand in
// every position of every field (the Leader takes printable characters only),
// beside fields of odd lengths, a repeated 008 and five thousand fields. Each
// record holds a 006, 007, 008 and 856, so that every editor finds its field.
#pragma once

#include "support/TTestRecords.h"

#include <cstddef>
#include <string>
#include <vector>

struct THostileRecord
{
    std::string mxName;
    TMarcRecord mxRecord;
};

// The byte at position dwPosition of a field. The kinds take turns (capital,
// C1 control, byte above 0x9F, C0 control), so that every box of three or more
// positions meets each kind; shifting by one moves every kind to the next
// position. Never NUL nor one of the three ISO 2709 delimiters.
inline char qcHostileByte(std::size_t dwPosition, int iShift)
{
    static const char* const kKinds[] = {"ENGLISHZQ", "\x80\x85\x8d\x9b\x9f\x90\x81\x9e",
                                         "\xc3\xa9\xe3\xc9\xff\xa0\xd7\xde\xb5", "\x01\x09\x0a\x0d\x1b\x7f\x1c"};
    const std::size_t dwTurn = dwPosition + static_cast<std::size_t>(iShift);
    const std::string xKind = kKinds[dwTurn % 4];
    return xKind[(dwTurn / 4) % xKind.size()];
}

inline std::string qxHostileBytes(std::size_t dwLength, int iShift)
{
    std::string xBytes(dwLength, ' ');
    for (std::size_t i = 0; i < dwLength; ++i)
        xBytes[i] = qcHostileByte(i, iShift);
    return xBytes;
}

// Two valid indicators, then subfields whose codes and values are hostile.
inline std::string qxHostileDataField(const char* pacIndicators, std::size_t dwLength, int iShift)
{
    std::string xData = pacIndicators;
    for (char cCode : {'u', 'Z', '\xe9'})
        xData += std::string(1, TMarcTag::mcDelimiter) + cCode + qxHostileBytes(dwLength, iShift + cCode);
    return xData;
}

// A record of Leader 06 and 07 as given, its other Leader positions capitals
// and punctuation, and hostile 001, 006, 007 (but its category), 008 (of
// dw008Length), 245 and 856, and local fields of letters (00A, CAT, LKR).
inline TMarcRecord qxHostileRecord(char cTypeOfRecord, char cBibLevel, std::size_t dw008Length, int iShift)
{
    std::string xLeader = "QZ#J!XW?ABCDEFGHIJKLMNOP";
    xLeader[6] = cTypeOfRecord;
    xLeader[7] = cBibLevel;
    TMarcRecord record;
    record.qvSetLeader(xLeader.c_str());
    record.qvOrderedInsert(qxTag(1, qxHostileBytes(12, iShift)));
    record.qvOrderedInsert(qxTag(6, qxHostileBytes(18, iShift + 1)));
    // The 007 of an electronic resource (14 positions), so that its rows show.
    record.qvOrderedInsert(qxTag(7, "c" + qxHostileBytes(13, iShift + 2)));
    record.qvOrderedInsert(qxTag(8, qxHostileBytes(dw008Length, iShift)));
    record.qvOrderedInsert(qxTag(245, qxHostileDataField("10", 20, iShift)));
    record.qvOrderedInsert(qxTag(856, qxHostileDataField("4 ", 30, iShift)));
    record.qvOrderedInsert(qxTag(TMarcTag::qiTagNumberOf("LKR"), qxHostileDataField("  ", 10, iShift)));
    record.qvOrderedInsert(qxTag(TMarcTag::qiTagNumberOf("00A"), qxHostileBytes(9, iShift)));
    record.qvOrderedInsert(qxTag(TMarcTag::qiTagNumberOf("CAT"), qxHostileDataField("  ", 10, iShift + 3)));
    return record;
}

inline std::vector<THostileRecord> qxHostileRecords()
{
    // Every 008 layout: each format and bibliographic material type, and a
    // type of record that has none.
    const char kTypes[][3] = {"am", "mm", "as", "cm", "em", "gm", "pc", "z ", "y ", "q ", "w ", "Am"};
    std::vector<THostileRecord> xRecords;
    int iShift = 0;
    for (const char* pacType : kTypes)
    {
        xRecords.push_back({std::string("type ") + pacType, qxHostileRecord(pacType[0], pacType[1], 40, iShift)});
        ++iShift;
    }
    xRecords.push_back({"008 of 300", qxHostileRecord('a', 'm', 300, 1)});
    xRecords.push_back({"008 of 1", qxHostileRecord('a', 'm', 1, 0)});

    TMarcRecord xTwo008s = qxHostileRecord('a', 'm', 40, 2);
    xTwo008s.qvOrderedInsert(qxTag(8, qxHostileBytes(40, 3)));
    xRecords.push_back({"two 008", xTwo008s});

    // 5,000 fields still fit in ISO 2709's 99,999 bytes.
    TMarcRecord xMany = qxHostileRecord('a', 'm', 40, 3);
    for (int i = static_cast<int>(xMany.qdwGetFieldCount()); i < 5000; ++i)
        xMany.qvOrderedInsert(qxTag(900 + i % 100, std::string("1 \x1f") + qcHostileByte(i, 0)));
    xRecords.push_back({"5,000 fields", xMany});
    return xRecords;
}
