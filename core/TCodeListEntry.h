// One row of a code-list table: the string-table ID of its label ("a - Language
// material", blanks of the code shown as "#") and the code characters exactly
// as they stand in the field (blanks as spaces, 1 to 11 characters, NUL-padded).
// Tables are static constant arrays ended by a row whose labelId is 0.
#pragma once

#include <cstdint>

struct TCodeListEntry
{
    uint32_t labelId;
    char code[12];
};
