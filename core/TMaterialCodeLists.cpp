// The code lists of the material-specific positions that the 006 (01-17)
// and the bibliographic 008 (18-34) share: one table per list, used by the
// layouts of both fields.
#include "core/TMaterialCodeLists.h"
#include "core/TCodeLists.h"

// Target audience
const TCodeListEntry kMaterialTargetAudience[] = {
    {23146, " "}, // # - Unknown or not specified
    {23147, "a"}, // a - Preschool
    {23148, "b"}, // b - Primary
    {23149, "c"}, // c - Pre-adolescent
    {23150, "d"}, // d - Adolescent
    {23151, "e"}, // e - Adult
    {23152, "f"}, // f - Specialized
    {23153, "g"}, // g - General
    {23154, "j"}, // j - Juvenile
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Form of item
const TCodeListEntry kMaterialFormOfItem[] = {
    {23155, " "}, // # - None of the following
    {23156, "a"}, // a - Microfilm
    {23157, "b"}, // b - Microfiche
    {23158, "c"}, // c - Microopaque
    {23159, "d"}, // d - Large print
    {23160, "f"}, // f - Braille
    {20098, "o"}, // o - Online
    {20100, "q"}, // q - Direct electronic
    {23161, "r"}, // r - Regular print reproduction
    {23162, "s"}, // s - Electronic
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Government publication
const TCodeListEntry kMaterialGovernmentPublication[] = {
    {23163, " "}, // # - Not a government publication
    {23164, "a"}, // a - Autonomous or semi-autonomous component
    {23165, "c"}, // c - Multilocal
    {23166, "f"}, // f - Federal/national
    {23167, "i"}, // i - International intergovernmental
    {23168, "l"}, // l - Local
    {23169, "m"}, // m - Multistate
    {23170, "o"}, // o - Government publication-level undetermined
    {23171, "s"}, // s - State, provincial, territorial, dependent, etc.
    {24110, "u"}, // u - Unknown if item is government publication
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Conference publication
const TCodeListEntry kMaterialConferencePublication[] = {
    {23172, "0"}, // 0 - Not a conference publication
    {23173, "1"}, // 1 - Conference publication
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Festschrift
const TCodeListEntry kMaterialFestschrift[] = {
    {23176, "0"}, // 0 - Not a festschrift
    {23177, "1"}, // 1 - Festschrift
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Index
const TCodeListEntry kMaterialIndex[] = {
    {23174, "0"}, // 0 - No index
    {23175, "1"}, // 1 - Index present
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Literary form
const TCodeListEntry kMaterialLiteraryForm[] = {
    {23178, "0"}, // 0 - Not fiction (not further specified)
    {23179, "1"}, // 1 - Fiction (not further specified)
    {23181, "d"}, // d - Dramas
    {23182, "e"}, // e - Essays
    {23183, "f"}, // f - Novels
    {23184, "h"}, // h - Humor, satires, etc.
    {23185, "i"}, // i - Letters
    {23186, "j"}, // j - Short stories
    {23187, "m"}, // m - Mixed forms
    {23188, "p"}, // p - Poetry
    {23189, "s"}, // s - Speeches
    {23119, "u"}, // u - Unknown
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Biography
const TCodeListEntry kMaterialBiography[] = {
    {23190, " "}, // # - No biographical material
    {23191, "a"}, // a - Autobiography
    {23192, "b"}, // b - Individual biography
    {23193, "c"}, // c - Collective biography
    {23194, "d"}, // d - Contains biographical information
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Type of computer file
const TCodeListEntry kMaterialComputerFileType[] = {
    {23195, "a"}, // a - Numeric data
    {23196, "b"}, // b - Computer program
    {23197, "c"}, // c - Representational
    {23198, "d"}, // d - Document
    {23199, "e"}, // e - Bibliographic data
    {23200, "f"}, // f - Font
    {23201, "g"}, // g - Game
    {23202, "h"}, // h - Sound
    {23203, "i"}, // i - Interactive multimedia
    {23204, "j"}, // j - Online system or service
    {23205, "m"}, // m - Combination
    {23119, "u"}, // u - Unknown
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Frequency
const TCodeListEntry kMaterialFrequency[] = {
    {23336, " "}, // # - No determinable frequency
    {23337, "a"}, // a - Annual
    {23338, "b"}, // b - Bimonthly
    {23339, "c"}, // c - Semiweekly
    {23340, "d"}, // d - Daily
    {23341, "e"}, // e - Biweekly
    {23342, "f"}, // f - Semiannual
    {23343, "g"}, // g - Biennial
    {23344, "h"}, // h - Triennial
    {23345, "i"}, // i - Three times a week
    {23346, "j"}, // j - Three times a month
    {24088, "k"}, // k - Continuously updated
    {23347, "m"}, // m - Monthly
    {23348, "q"}, // q - Quarterly
    {23349, "s"}, // s - Semimonthly
    {23350, "t"}, // t - Three times a year
    {23119, "u"}, // u - Unknown
    {23351, "w"}, // w - Weekly
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Regularity
const TCodeListEntry kMaterialRegularity[] = {
    {23352, "n"}, // n - Normalized irregular
    {23353, "r"}, // r - Regular
    {23119, "u"}, // u - Unknown
    {23354, "x"}, // x - Completely irregular
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Type of continuing resource
const TCodeListEntry kMaterialContinuingResourceType[] = {
    {23359, " "}, // # - None of the following
    {24107, "d"}, // d - Updating database
    {32772, "l"}, // | - Updating loose-leaf
    {23360, "m"}, // m - Monographic series
    {23361, "n"}, // n - Newspaper
    {23362, "p"}, // p - Periodical
    {32773, "w"}, // w - Updating Web site
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Form of original item
const TCodeListEntry kMaterialFormOfOriginalItem[] = {
    {23363, " "}, // # - None of the following
    {23364, "a"}, // a - Microfilm
    {23365, "b"}, // b - Microfiche
    {23366, "c"}, // c - Microopaque
    {23367, "d"}, // d - Large print
    {23368, "e"}, // e - Newspaper format
    {23369, "f"}, // f - Braille
    {24119, "o"}, // o - Online
    {24120, "q"}, // q - Direct electronic
    {23370, "s"}, // s - Electronic
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Nature of entire work
const TCodeListEntry kMaterialNatureOfEntireWork[] = {
    {23371, " "}, // # - Not specified
    {23372, "a"}, // a - Abstracts/summaries
    {23373, "b"}, // b - Bibliographies
    {23374, "c"}, // c - Catalogs
    {23375, "d"}, // d - Dictionaries
    {23376, "e"}, // e - Encyclopedias
    {23377, "f"}, // f - Handbooks
    {23378, "g"}, // g - Legal articles
    {23379, "h"}, // h - Biography
    {23380, "i"}, // i - Indexes
    {23381, "k"}, // k - Discographies
    {23382, "l"}, // l - Legislation
    {23383, "m"}, // m - Theses
    {23384, "n"}, // n - Surveys of literature in a subject area
    {23385, "o"}, // o - Reviews
    {23386, "p"}, // p - Programmed texts
    {23387, "q"}, // q - Filmographies
    {23388, "r"}, // r - Directories
    {23389, "s"}, // s - Statistics
    {23390, "t"}, // t - Technical reports
    {24108, "u"}, // u - Standards/specifications
    {23391, "v"}, // v - Legal cases and case notes
    {23392, "w"}, // w - Law reports and digests
    {23597, "y"}, // y - Yearbooks
    {23393, "z"}, // z - Treaties
    {23598, "5"}, // 5 - Calendars
    {23599, "6"}, // 6 - Comics/graphic novels
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Original alphabet or script of title
const TCodeListEntry kMaterialOriginalScript[] = {
    {23394, " "}, // # - No alphabet or script given/No key title
    {23395, "a"}, // a - Basic Roman
    {23396, "b"}, // b - Extended Roman
    {23397, "c"}, // c - Cyrillic
    {23398, "d"}, // d - Japanese
    {23399, "e"}, // e - Chinese
    {23400, "f"}, // f - Arabic
    {23401, "g"}, // g - Greek
    {23402, "h"}, // h - Hebrew
    {23403, "i"}, // i - Thai
    {23404, "j"}, // j - Devanagari
    {23405, "k"}, // k - Korean
    {23406, "l"}, // l - Tamil
    {23119, "u"}, // u - Unknown
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Entry convention
const TCodeListEntry kMaterialEntryConvention[] = {
    {23407, "0"}, // 0 - Successive entry
    {23408, "1"}, // 1 - Latest entry
    {24109, "2"}, // 2 - Integrated entry
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Form of composition
const TCodeListEntry kMaterialFormOfComposition[] = {
    {23259, "an"}, // an - Anthems
    {23260, "bd"}, // bd - Ballads
    {23261, "bg"}, // bg - Bluegrass music
    {23262, "bl"}, // bl - Blues
    {23263, "bt"}, // bt - Ballets
    {23264, "ca"}, // ca - Chaconnes
    {23265, "cb"}, // cb - Chants, Other religions
    {23266, "cc"}, // cc - Chant, Christian
    {23267, "cg"}, // cg - Concerti grossi
    {23268, "ch"}, // ch - Chorales
    {23269, "cl"}, // cl - Chorale preludes
    {23270, "cn"}, // cn - Canons and rounds
    {23271, "co"}, // co - Concertos
    {23272, "cp"}, // cp - Chansons, polyphonic
    {23273, "cr"}, // cr - Carols
    {23274, "cs"}, // cs - Chance compositions
    {23275, "ct"}, // ct - Cantatas
    {23276, "cy"}, // cy - Country music
    {23277, "cz"}, // cz - Canzonas
    {23278, "df"}, // df - Dance forms
    {23279, "dv"}, // dv - Divertimentos, serenades, cassations, divertissements, notturni
    {23280, "fg"}, // fg - Fugues
    {23588, "fl"}, // fl - Flamenco
    {23281, "fm"}, // fm - Folk music
    {23282, "ft"}, // ft - Fantasias
    {23283, "gm"}, // gm - Gospel music
    {23284, "hy"}, // hy - Hymns
    {23285, "jz"}, // jz - Jazz
    {23286, "mc"}, // mc - Musical revues and comedies
    {23287, "md"}, // md - Madrigals
    {23288, "mi"}, // mi - Minuets
    {23289, "mo"}, // mo - Motets
    {23290, "mp"}, // mp - Motion picture music
    {23291, "mr"}, // mr - Marches
    {23292, "ms"}, // ms - Masses
    {23293, "mu"}, // mu - Multiple forms
    {23294, "mz"}, // mz - Mazurkas
    {23295, "nc"}, // nc - Nocturnes
    {23296, "nn"}, // nn - Not applicable
    {23297, "op"}, // op - Operas
    {23298, "or"}, // or - Oratorios
    {23299, "ov"}, // ov - Overtures
    {23300, "pg"}, // pg - Program music
    {23301, "pm"}, // pm - Passion music
    {23302, "po"}, // po - Polonaises
    {23303, "pp"}, // pp - Popular music
    {23304, "pr"}, // pr - Preludes
    {23305, "ps"}, // ps - Passacaglias
    {23306, "pt"}, // pt - Part-songs
    {23307, "pv"}, // pv - Pavans
    {23308, "rc"}, // rc - Rock music
    {23309, "rd"}, // rd - Rondos
    {23310, "rg"}, // rg - Ragtime music
    {23311, "ri"}, // ri - Ricercars
    {23312, "rp"}, // rp - Rhapsodies
    {23313, "rq"}, // rq - Requiems
    {23314, "sd"}, // sd - Square dance music
    {23315, "sg"}, // sg - Songs
    {23316, "sn"}, // sn - Sonatas
    {23317, "sp"}, // sp - Symphonic poems
    {23318, "st"}, // st - Studies and exercises
    {23319, "su"}, // su - Suites
    {23320, "sy"}, // sy - Symphonies
    {23321, "tc"}, // tc - Toccatas
    {23589, "tl"}, // tl - Teatro lirico
    {23322, "ts"}, // ts - Trio-sonatas
    {23323, "uu"}, // uu - Unknown
    {23590, "vi"}, // vi - Villancicos
    {23324, "vr"}, // vr - Variations
    {23325, "wz"}, // wz - Waltzes
    {23591, "za"}, // za - Zarzuelas
    {23326, "zz"}, // zz - Other
    {23327, "||"}, // || - No attempt to code
    {0, ""},
};

// Music parts
const TCodeListEntry kMaterialMusicParts[] = {
    {24090, " "}, // # - No parts in hand or not specified
    {24091, "d"}, // d - Instrumental and vocal parts
    {24096, "e"}, // e - Instrumental parts
    {24097, "f"}, // f - Vocal parts
    {24100, "n"}, // n - Not applicable
    {24101, "u"}, // u - Unknown
    {24102, "|"}, // | - No attempt to code
    {0, ""},
};

// Transposition and arrangement
const TCodeListEntry kMaterialTransposition[] = {
    {24098, " "}, // # - Not arrangement or transposition or not specified
    {24099, "a"}, // a - Transposition
    {24104, "b"}, // b - Arrangement
    {24092, "c"}, // c - Both transposed and arranged
    {24093, "n"}, // n - Not applicable
    {24094, "u"}, // u - Unknown
    {24095, "|"}, // | - No attempt to code
    {0, ""},
};

// Projection
const TCodeListEntry kMaterialProjection[] = {
    {23206, "  "}, // ## - Projection not specified
    {23207, "aa"}, // aa - Aitoff
    {23208, "ab"}, // ab - Gnomic
    {23209, "ac"}, // ac - Lambert's azimuthal equal area
    {23210, "ad"}, // ad - Orthographic
    {23211, "ae"}, // ae - Azimuthal equidistant
    {23212, "af"}, // af - Stereographic
    {23213, "ag"}, // ag - General vertical near-sided
    {23214, "am"}, // am - Modified stereographic for Alaska
    {23215, "an"}, // an - Chamberlin trimetric
    {23216, "ap"}, // ap - Polar stereographic
    {23217, "au"}, // au - Azimuthal, specific type unknown
    {23218, "az"}, // az - Azimuthal, other
    {23219, "ba"}, // ba - Gall
    {23220, "bb"}, // bb - Goode's homolographic
    {23221, "bc"}, // bc - Lambert's cylindrical equal area
    {23222, "bd"}, // bd - Mercator
    {23223, "be"}, // be - Miller
    {23224, "bf"}, // bf - Mollweide
    {23225, "bg"}, // bg - Sinusoidal
    {23226, "bh"}, // bh - Transverse Mercator
    {23227, "bi"}, // bi - Gauss-Kruger
    {23228, "bj"}, // bj - Equirectangular
    {23595, "bk"}, // bk - Krovak
    {23596, "bl"}, // bl - Cassini-Soldner
    {23229, "bo"}, // bo - Oblique Mercator
    {23230, "br"}, // br - Robinson
    {23231, "bs"}, // bs - Space oblique Mercator
    {23232, "bu"}, // bu - Cylindrical, specific type unknown
    {23233, "bz"}, // bz - Cylindrical, other
    {23234, "ca"}, // ca - Albers equal area
    {23235, "cb"}, // cb - Bonne
    {23236, "cc"}, // cc - Lambert's conformal conic
    {23237, "ce"}, // ce - Equidistant conic
    {23238, "cp"}, // cp - Polyconic
    {23239, "cu"}, // cu - Conic, specific type unknown
    {23240, "cz"}, // cz - Conic, other
    {23241, "da"}, // da - Armadillo
    {23242, "db"}, // db - Butterfly
    {23243, "dc"}, // dc - Eckert
    {23244, "dd"}, // dd - Goode's homolosine
    {23245, "de"}, // de - Miller's bipolar oblique conformal conic
    {23246, "df"}, // df - Van Der Grinten
    {23247, "dg"}, // dg - Dimaxion
    {23248, "dh"}, // dh - Cordiform
    {23249, "dl"}, // dl - Lambert conformal
    {23250, "zz"}, // zz - Other
    {23251, "||"}, // || - No attempt to code
    {0, ""},
};

// Type of cartographic material
const TCodeListEntry kMaterialCartographicMaterialType[] = {
    {23252, "a"}, // a - Single map
    {23253, "b"}, // b - Map series
    {23254, "c"}, // c - Map serial
    {23255, "d"}, // d - Globe
    {23256, "e"}, // e - Atlas
    {23257, "f"}, // f - Separate supplement to another work
    {23258, "g"}, // g - Bound as part of another work
    {23119, "u"}, // u - Unknown
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// Type of visual material
const TCodeListEntry kMaterialVisualMaterialType[] = {
    {23409, "a"}, // a - Art original
    {23410, "b"}, // b - Kit
    {23411, "c"}, // c - Art reproduction
    {23412, "d"}, // d - Diorama
    {23413, "f"}, // f - Filmstrip
    {23414, "g"}, // g - Game
    {23415, "i"}, // i - Picture
    {23416, "k"}, // k - Graphic
    {23417, "l"}, // l - Technical drawing
    {23418, "m"}, // m - Motion picture
    {23419, "n"}, // n - Chart
    {23420, "o"}, // o - Flash card
    {23421, "p"}, // p - Microscope slide
    {23422, "q"}, // q - Model
    {23423, "r"}, // r - Realia
    {23424, "s"}, // s - Slide
    {23425, "t"}, // t - Transparency
    {23426, "v"}, // v - Videorecording
    {23427, "w"}, // w - Toy
    {23120, "z"}, // z - Other
    {23118, "|"}, // | - No attempt to code
    {0, ""},
};

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList kMaterialCodeLists_static[] = {
    {"Target audience", kMaterialTargetAudience},
    {"Form of item", kMaterialFormOfItem},
    {"Government publication", kMaterialGovernmentPublication},
    {"Conference publication", kMaterialConferencePublication},
    {"Festschrift", kMaterialFestschrift},
    {"Index", kMaterialIndex},
    {"Literary form", kMaterialLiteraryForm},
    {"Biography", kMaterialBiography},
    {"Type of computer file", kMaterialComputerFileType},
    {"Frequency", kMaterialFrequency},
    {"Regularity", kMaterialRegularity},
    {"Type of continuing resource", kMaterialContinuingResourceType},
    {"Form of original item", kMaterialFormOfOriginalItem},
    {"Nature of entire work", kMaterialNatureOfEntireWork},
    {"Original alphabet or script of title", kMaterialOriginalScript},
    {"Entry convention", kMaterialEntryConvention},
    {"Form of composition", kMaterialFormOfComposition},
    {"Music parts", kMaterialMusicParts},
    {"Transposition and arrangement", kMaterialTransposition},
    {"Projection", kMaterialProjection},
    {"Type of cartographic material", kMaterialCartographicMaterialType},
    {"Type of visual material", kMaterialVisualMaterialType},
    {nullptr, nullptr},
};
