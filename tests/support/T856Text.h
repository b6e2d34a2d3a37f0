// 856 fields written readably in tests: "$" stands for the subfield delimiter.
#pragma once

#include "recordlib/TMarcTag.h"

#include <string>

inline std::string qxField(std::string xText)
{
    for (char& c : xText)
        if (c == '$')
            c = TMarcTag::mcDelimiter;
    return xText;
}

inline std::string qxReadable(std::string xData)
{
    for (char& c : xData)
        if (c == TMarcTag::mcDelimiter)
            c = '$';
    return xData;
}
