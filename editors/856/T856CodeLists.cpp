#include "editors/856/T856CodeLists.h"

const TCodeListEntry k856FirstIndicators_static[] = {
    {24030, " "}, {24031, "0"}, {24032, "1"}, {24033, "2"}, {24034, "3"}, {24035, "4"}, {24036, "7"}, {0, ""},
};

const TCodeListEntry k856AccessMethods_static[] = {
    {24078, ""},     {24037, "gopher"}, {24038, "news"},     {24039, "nntp"},
    {24040, "wais"}, {24041, "file"},   {24042, "prospero"}, {0, ""},
};

const TCodeListEntry k856SecondIndicators_static[] = {
    {24043, " "}, {24044, "0"}, {24045, "1"}, {24046, "2"}, {24047, "8"}, {0, ""},
};

const TCodeListEntry k856NonRepeatableCodes_static[] = {
    {24048, "h"}, {24049, "j"}, {24050, "k"}, {24051, "l"}, {24052, "n"}, {24053, "o"}, {24054, "p"},
    {24055, "q"}, {24056, "r"}, {24057, "2"}, {24058, "3"}, {24059, "6"}, {0, ""},
};

const TCodeListEntry k856RepeatableCodes_static[] = {
    {24060, "a"}, {24061, "b"}, {24062, "c"}, {24063, "d"}, {24064, "f"}, {24065, "i"},
    {24066, "m"}, {24067, "s"}, {24068, "t"}, {24069, "u"}, {24070, "v"}, {24071, "w"},
    {24072, "x"}, {24073, "y"}, {24074, "z"}, {24075, "8"}, {0, ""},
};
