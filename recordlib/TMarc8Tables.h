// The MARC-8 code tables (recordlib/TMarc8Tables.cpp, written by
// scripts/gen-marc8-tables.py from yaz-iconv): data only; TMarc8 reads them.
#pragma once

#include <cstdint>

// One graphic set: the final byte of the escape sequences that designate it, the
// bytes a character takes (1, or 3 for EACC) and its name.
struct TMarc8SetInfo
{
    char mcFinal;
    uint8_t mbyWidth;
    const char* mpacName;
};

// One code: its set (an index into kaxMarc8Sets), its bytes without the high bit
// (big-endian; a C1 control's code is its byte), the Unicode code point it stands
// for and whether that is a combining mark (written before its letter in MARC-8,
// after it in Unicode).
struct TMarc8Code
{
    uint8_t mbySet;
    uint32_t mdwCode;
    uint32_t mdwCodePoint;
    bool mtCombining;
};

// A character MARC-8 holds only as a letter and combining marks, in Unicode order
// (the letter first); unused parts are 0.
struct TMarc8Decomposition
{
    uint32_t mdwCodePoint;
    uint32_t madwParts[4];
};

// Indexes into kaxMarc8Sets of the sets the codec names.
enum EMarc8Set : uint8_t
{
    eMarc8Ascii = 0,
    eMarc8Ansel = 1,
    eMarc8GreekSymbols = 2,
    eMarc8Subscripts = 3,
    eMarc8Superscripts = 4,
    eMarc8Eacc = 11,
    eMarc8Controls = 12 // bytes 80-9F with a MARC-8 meaning, whatever the sets
};

extern const TMarc8SetInfo kaxMarc8Sets[];
extern const uint32_t kdwMarc8SetCount;
// Sorted by set, then code.
extern const TMarc8Code kaxMarc8Codes[];
extern const uint32_t kdwMarc8CodeCount;
// For a code point several codes stand for, the one written (as yaz writes it); by code point.
extern const TMarc8Code kaxMarc8Preferences[];
extern const uint32_t kdwMarc8PreferenceCount;
// Sorted by code point.
extern const TMarc8Decomposition kaxMarc8Decompositions[];
extern const uint32_t kdwMarc8DecompositionCount;
