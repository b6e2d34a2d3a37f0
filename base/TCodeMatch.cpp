#include "base/TCodeMatch.h"

#include <cstddef>

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
