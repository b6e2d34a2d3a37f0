#include "core/T008BibliographicCodeLists.h"
#include "core/TCodeLists.h"

// Type of date/Publication status
const TCodeListEntry k008TypeOfDate[] = {
    {23121, "b"}, // b - No dates given; B.C. date involved
    {23122, "c"}, // c - Continuing resource currently published
    {23123, "d"}, // d - Continuing resource ceased publication
    {23124, "e"}, // e - Detailed date
    {23125, "i"}, // i - Inclusive dates of collection
    {23126, "k"}, // k - Range of years of bulk of collection
    {23127, "m"}, // m - Multiple dates
    {23128, "n"}, // n - Dates unknown
    {23129, "p"}, // p - Date of distribution/release/issue and production/recording session when different
    {23130, "q"}, // q - Questionable date
    {23131, "r"}, // r - Reprint/reissue date and original date
    {23132, "s"}, // s - Single known date/probable date
    {23133, "t"}, // t - Publication date and copyright date
    {23134, "u"}, // u - Continuing resource status unknown
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Modified record (bibliographic)
const TCodeListEntry k008ModifiedRecord[] = {
    {23136, " "}, // # - Not modified
    {23137, "d"}, // d - Dashed-on information omitted
    {23138, "o"}, // o - Completely romanized/printed cards romanized
    {23139, "r"}, // r - Completely romanized/printed cards in script
    {23140, "s"}, // s - Shortened
    {23141, "x"}, // x - Missing characters
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Cataloging source (bibliographic)
const TCodeListEntry k008CatalogingSource[] = {
    {23142, " "}, // # - National bibliographic agency
    {23143, "c"}, // c - Cooperative cataloging program
    {23144, "d"}, // d - Other
    {23119, "u"}, // u - Unknown
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Form of item (computer files)
const TCodeListEntry k008FormOfItemComputerFiles[] = {
    {23146, " "}, // # - Unknown or not specified
    {20098, "o"}, // o - Online
    {20100, "q"}, // q - Direct electronic
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Format of music
const TCodeListEntry k008FormatOfMusic[] = {
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
    {19006, "l"}, // l - Score
    {23334, "m"}, // m - Multiple score formats
    {23335, "n"}, // n - Not applicable
    {23602, "p"}, // p - Piano score
    {23119, "u"}, // u - Unknown
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Form of item (29)
const TCodeListEntry k008FormOfItem29[] = {
    {23580, " "}, // # - None of the following
    {23581, "a"}, // a - Microfilm
    {23582, "b"}, // b - Microfiche
    {23583, "c"}, // c - Microopaque
    {23584, "d"}, // d - Large print
    {23586, "f"}, // f - Braille
    {23600, "o"}, // o - Online
    {23601, "q"}, // q - Direct electronic
    {23585, "r"}, // r - Regular print reproduction
    {23587, "s"}, // s - Electronic
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Technique
const TCodeListEntry k008Technique[] = {
    {23428, "a"}, // a - Animation
    {23429, "c"}, // c - Animation and live action
    {23430, "l"}, // l - Live action
    {23431, "n"}, // n - Not applicable
    {23119, "u"}, // u - Unknown
    {24089, "z"}, // z - Other technique
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList k008BibliographicCodeLists_static[] = {
    {"Type of date/Publication status", k008TypeOfDate},
    {"Modified record (bibliographic)", k008ModifiedRecord},
    {"Cataloging source (bibliographic)", k008CatalogingSource},
    {"Form of item (computer files)", k008FormOfItemComputerFiles},
    {"Format of music", k008FormatOfMusic},
    {"Form of item (29)", k008FormOfItem29},
    {"Technique", k008Technique},
    {nullptr, nullptr},
};
