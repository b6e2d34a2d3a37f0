#include "core/TCodeMatch.h"

#include <cstddef>

int qiFindCodeRow(const TCodeListEntry* pxRows, const char* pacFieldFromPosition)
{
    int iFound = -1;
    for (int i = 0; pxRows != nullptr && pxRows[i].labelId != 0; ++i)
        if (qtCodeMatches(pacFieldFromPosition, pxRows[i].code))
            iFound = i;
    return iFound;
}

bool qtCodeMatches(const char* pacFieldFromPosition, const char* pacCode)
{
    if (pacCode == nullptr)
        return true;
    const char* pacField = pacFieldFromPosition != nullptr ? pacFieldFromPosition : "";
    // The field's terminator differs from every code character, so a field
    // shorter than the code stops the loop before reading past its end.
    for (std::size_t i = 0; pacCode[i] != '\0'; ++i)
    {
        if (pacField[i] != pacCode[i])
            return false;
    }
    return true;
}
