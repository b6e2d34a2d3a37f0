#include "core/T856CodeLists.h"
#include "core/TCodeLists.h"
#include "resources/856EditorIds.h"

const TCodeListEntry k856FirstIndicators_static[] = {
    {24030, " "}, // # - No information provided
    {24031, "0"}, // 0 - Email
    {24032, "1"}, // 1 - FTP
    {24033, "2"}, // 2 - Remote login(Telnet)
    {24034, "3"}, // 3 - Dial-up
    {24035, "4"}, // 4 - HTTP
    {24036, "7"}, // 7 - Method specified in subfield $2
    {0, ""},
};

const TCodeListEntry k856AccessMethods_static[] = {
    {IDS_856_UNKNOWN_ACCESS_METHOD, ""},
    {24037, "gopher"},   // Gopher
    {24038, "news"},     // USENET news
    {24039, "nntp"},     // USENET new using NNTP access
    {24040, "wais"},     // Wide Area Information Servers
    {24041, "file"},     // Host specific file names
    {24042, "prospero"}, // Prospero Directory Service
    {0, ""},
};

const TCodeListEntry k856SecondIndicators_static[] = {
    {24043, " "}, // # - No information provided
    {24044, "0"}, // 0 - Resource
    {24045, "1"}, // 1 - Version of resource
    {24046, "2"}, // 2 - Related resource
    {24047, "8"}, // 8 - No display constant generated
    {0, ""},
};

const TCodeListEntry k856NonRepeatableCodes_static[] = {
    {24048, "h"}, // h - Processor of request
    {24049, "j"}, // j - Bits per second
    {24050, "k"}, // k - Password
    {24051, "l"}, // l - Logon
    {24052, "n"}, // n - Name of location of host
    {24053, "o"}, // o - Operating system
    {24054, "p"}, // p - Port
    {24055, "q"}, // q - Electronic format type
    {24056, "r"}, // r - Settings
    {24057, "2"}, // 2 - Access method
    {24058, "3"}, // 3 - Materials specfied
    {24059, "6"}, // 6 - Linkage
    {0, ""},
};

const TCodeListEntry k856RepeatableCodes_static[] = {
    {24060, "a"}, // a - Host name
    {24061, "b"}, // b - Access number
    {24062, "c"}, // c - Compression information
    {24063, "d"}, // d - Path
    {24064, "f"}, // f - Electronic name
    {24065, "i"}, // i - Instruction
    {24066, "m"}, // m - Contact for access assistance
    {24067, "s"}, // s - File size
    {24068, "t"}, // t - Terminal emulation
    {24069, "u"}, // u - Uniform Resource Identifier
    {24070, "v"}, // v - Hours access method available
    {24071, "w"}, // w - Record control number
    {24072, "x"}, // x - Nonpublic note
    {24073, "y"}, // y - Link text
    {24074, "z"}, // z - Public note
    {24075, "8"}, // 8 - Field link and sequence number
    {0, ""},
};

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList k856CodeLists_static[] = {
    {"Access method (first indicator)", k856FirstIndicators_static},
    {"Access method ($2)", k856AccessMethods_static},
    {"Relationship (second indicator)", k856SecondIndicators_static},
    {"Non-repeatable subfields", k856NonRepeatableCodes_static},
    {"Repeatable subfields", k856RepeatableCodes_static},
    {nullptr, nullptr},
};
