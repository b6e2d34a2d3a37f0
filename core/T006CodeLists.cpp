#include "core/T006CodeLists.h"
#include "core/TCodeLists.h"

// Form of material
const TCodeListEntry k006FormOfMaterial[] = {
    {23119, "u"}, // u - Unknown
    {21060, "a"}, // a - Language material
    {21065, "c"}, // c - Notated music
    {21066, "d"}, // d - Manuscript notated music
    {21063, "e"}, // e - Cartographic material
    {21064, "f"}, // f - Manuscript cartographic material
    {21070, "g"}, // g - Projected medium
    {21067, "i"}, // i - Nonmusical sound recording
    {21068, "j"}, // j - Musical sound recording
    {21071, "k"}, // k - Two-dimensional nonprojectable graphic
    {21062, "m"}, // m - Computer file/Electronic resource
    {21072, "o"}, // o - Kit
    {21074, "p"}, // p - Mixed materials
    {21073, "r"}, // r - Three-dimensional artifact or naturally occurring object
    {21069, "s"}, // s - Serials/Integrating resource
    {21061, "t"}, // t - Manuscript language material
    {0, ""},
};

// Form of item (computer files)
const TCodeListEntry k006FormOfItemComputerFiles[] = {
    {20101, " "}, // # - Unknown or not specified
    {20102, "o"}, // o - Online
    {20103, "q"}, // q - Direct electronic
    {20104, "|"}, // | - No attempt to code
    {0, ""},
};

// Format of music
const TCodeListEntry k006FormatOfMusic[] = {
    {23328, "a"}, // a - Full score
    {23329, "b"}, // b - Miniature or study score
    {23330, "c"}, // c - Accompaniment reduced for keyboard
    {23331, "d"}, // d - Voice score with accompaniment omitted
    {23332, "e"}, // e - Condensed score or piano-conductor score
    {23333, "g"}, // g - Close score
    {23592, "h"}, // h - Chorus score
    {23593, "i"}, // i - Condensed score
    {23594, "j"}, // j - Performer-conductor part
    {20028, "k"}, // k - Vocal score
    {23334, "m"}, // m - Multiple score formats
    {23335, "n"}, // n - Not applicable
    {23119, "u"}, // u - Unknown
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Technique
const TCodeListEntry k006Technique[] = {
    {23428, "a"}, // a - Animation
    {23429, "c"}, // c - Animation and live action
    {23430, "l"}, // l - Live action
    {23431, "n"}, // n - Not applicable
    {23119, "u"}, // u - Unknown
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList k006CodeLists_static[] = {
    {"Form of material", k006FormOfMaterial},
    {"Form of item (computer files)", k006FormOfItemComputerFiles},
    {"Format of music", k006FormatOfMusic},
    {"Technique", k006Technique},
    {nullptr, nullptr},
};
