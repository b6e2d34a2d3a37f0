// The 008 layouts of authority, holdings, community information and
// classification records, with their code lists. The authority controls stand
// where every layout's rows go, so that layout moves nothing.
#include "core/T008Layout.h"
#include "core/TCodeLists.h"
#include "resources/008EditorIds.h"

namespace
{
// Labels every list of several formats shares.
constexpr uint32_t kNotApplicable = 23089;
constexpr uint32_t kNoAttemptToCode = 23118;
constexpr uint32_t kUnknown = 23119;
constexpr uint32_t kOther = 23120;

const char* const kLowercaseLetters = " abcdefghijklmnopqrstuvwxyz";

// Authority.
const TCodeListEntry kGeographicSubdivision[] = {
    {23465, " "}, // # - Not subdivided geographically
    {23466, "d"}, // d - Subdivided geographically--direct
    {23467, "i"}, // i - Subdivided geographically--indirect
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kRomanizationScheme[] = {
    {23468, "a"}, // a - International standard
    {23469, "b"}, // b - National standard
    {23470, "c"}, // c - National library association standard
    {23471, "d"}, // d - National library or bibliographic agency standard
    {23472, "e"}, // e - Local standard
    {23473, "f"}, // f - Standard of unknown origin
    {23474, "g"}, // g - Conventional romanization or conventional form of name in language of cataloging agency
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kLanguageOfCatalog[] = {
    {23475, " "}, // # - No information provided
    {23476, "b"}, // b - English and French
    {23477, "e"}, // e - English only
    {23478, "f"}, // f - French only
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kKindOfRecordAuthority[] = {
    {23479, "a"}, // a - Established heading
    {23480, "b"}, // b - Untraced reference
    {23481, "c"}, // c - Traced reference
    {23482, "d"}, // d - Subdivision
    {23483, "e"}, // e - Node label
    {23484, "f"}, // f - Established heading and subdivision
    {23485, "g"}, // g - Reference and subdivision
    {0, ""},
};
const TCodeListEntry kDescriptiveCatalogingRules[] = {
    {23486, "a"}, // a - Earlier rules
    {23487, "b"}, // b - AACR 1
    {23488, "c"}, // c - AACR 2
    {23489, "d"}, // d - AACR 2 compatible heading
    {kNotApplicable, "n"}, {kOther, "z"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kSubjectHeadingSystem[] = {
    {23490, "a"}, // a - Library of Congress Subject Headings
    {23491, "b"}, // b - LC subject headings for children's literature
    {23492, "c"}, // c - Medical Subject Headings
    {23493, "d"}, // d - National Agricultural Library subject authority file
    {23494, "k"}, // k - Canadian Subject Headings
    {kNotApplicable, "n"},
    {23496, "r"}, // r - Art and Architecture Thesaurus
    {23497, "s"}, // s - Sears List of Subject Headings
    {23498, "v"}, // v - RÂ¨Â¦pertoire de vedettes-matiÂ¨Â¨re
    {kOther, "z"},
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kTypeOfSeries[] = {
    {23499, "a"}, // a - Monographic series
    {23500, "b"}, // b - Multipart item
    {23501, "c"}, // c - Series-like phrase
    {kNotApplicable, "n"}, {kOther, "z"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kNumberedSeries[] = {
    {23502, "a"}, // a - Numbered
    {23503, "b"}, // b - Unnumbered
    {23504, "c"}, // c - Numbering varies
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kHeadingUseMain[] = {
    {23505, "a"}, // a - Appropriate
    {23506, "b"}, // b - Not appropriate
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kHeadingUseSubject[] = {
    {23507, "a"}, // a - Appropriate
    {23508, "b"}, // b - Not appropriate
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kHeadingUseSeries[] = {
    {23509, "a"}, // a - Appropriate
    {23510, "b"}, // b - Not appropriate
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kTypeOfSubjectSubdivision[] = {
    {23511, "a"}, // a - Topical
    {23512, "b"}, // b - Form
    {23513, "c"}, // c - Chronological
    {23514, "d"}, // d - Geographic
    {23515, "e"}, // e - Language
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kTypeOfGovernmentAgency[] = {
    {23516, " "}, // # - Not a government agency
    {23517, "a"}, // a - Autonomous or semi-autonomous component
    {23518, "c"}, // c - Multilocal
    {23519, "f"}, // f - Federal/national
    {23520, "i"}, // i - International intergovernmental
    {23521, "l"}, // l - Local
    {23522, "m"}, // m - Multistate
    {23523, "o"}, // o - Government agency--type undetermined
    {23524, "s"}, // s - State, provincial, territorial, dependent, etc.
    {kUnknown, "u"}, {kOther, "z"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kReferenceEvaluation[] = {
    {23525, "a"}, // a - Tracings are consistent with the heading
    {23526, "b"}, // b - Tracings are not necessarily consistent with the heading
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kRecordUpdateAuthority[] = {
    {23527, "a"}, // a - Record can be used
    {23528, "b"}, // b - Record is being updated
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kUndifferentiatedName[] = {
    {23529, "a"}, // a - Differentiated personal name
    {23530, "b"}, // b - Undifferentiated personal name
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kLevelOfEstablishmentAuthority[] = {
    {23531, "a"}, // a - Fully established
    {23532, "b"}, // b - Memorandum
    {23533, "c"}, // c - Provisional
    {23534, "d"}, // d - Preliminary
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""},
};
const TCodeListEntry kModifiedRecordAuthority[] = {
    {23535, " "}, // # - Not modified
    {23536, "s"}, // s - Shortened
    {23537, "x"}, // x - Missing characters
    {kNoAttemptToCode, "|"},
    {0, ""},
};
const TCodeListEntry kCatalogingSourceAuthority[] = {
    {23538, " "}, // # - National bibliographic agency
    {23539, "c"}, // c - Cooperative cataloging program
    {23540, "d"}, // d - Other
    {kUnknown, "u"}, {kNoAttemptToCode, "|"}, {0, ""},
};

// Holdings.
const TCodeListEntry kReceiptStatus[] = {
    {23541, "0"}, // 0 - Unknown
    {23542, "1"}, // 1 - Other receipt or acquisition status
    {23543, "2"}, // 2 - Received and complete or ceased
    {23544, "3"}, // 3 - On order
    {23545, "4"}, // 4 - Currently received
    {23546, "5"}, // 5 - Not currently received
    {0, ""},
};
const TCodeListEntry kMethodOfAcquisition[] = {
    {23547, "d"}, // d - Deposit
    {23548, "e"}, // e - Exchange
    {23549, "f"}, // f - Free
    {23550, "g"}, // g - Gift
    {23551, "p"}, // p - Purchase
    {kUnknown, "u"}, {kOther, "z"}, {0, ""},
};
const TCodeListEntry kGeneralRetentionPolicy[] = {
    {23552, "0"}, // 0 - Unknown
    {23553, "1"}, // 1 - Other general retention policy
    {23554, "2"}, // 2 - Retained except as replaced by updates
    {23555, "3"}, // 3 - Sample issue retained
    {23556, "4"}, // 4 - Retained until replaced by microform
    {23557, "5"}, // 5 - Retained until replaced by cumulation, replacement volume, or revision
    {23558, "6"}, // 6 - Retained for a limited period
    {23559, "7"}, // 7 - Not retained
    {23560, "8"}, // 8 - Permanently retained
    {0, ""},
};
const TCodeListEntry kPolicyType[] = {
    {23603, " "}, // # - No specific retention policy
    {23561, "l"}, // l - Latest
    {23562, "p"}, // p - Previous
    {0, ""},
};
const TCodeListEntry kUnitType[] = {
    {23604, " "}, // # - Unit type not specified or not applicable
    {23563, "m"}, // m - Month(s)
    {23564, "w"}, // w - Week(s)
    {23565, "y"}, // y - Year(s)
    {23566, "e"}, // e - Edition(s)
    {23567, "i"}, // i - Issue(s)
    {23568, "s"}, // s - Supplement(s)
    {0, ""},
};
const TCodeListEntry kCompleteness[] = {
    {23569, "0"}, // 0 - Other
    {23570, "1"}, // 1 - Complete (95%-100% held)
    {23571, "2"}, // 2 - Incomplete (50%-94% held)
    {23572, "3"}, // 3 - Very incomplete or scattered (less than 50% held)
    {23573, "4"}, // 4 - Not applicable
    {0, ""},
};
const TCodeListEntry kLendingPolicy[] = {
    {23574, "a"}, // a - Will lend
    {23575, "b"}, // b - Will not lend
    {kUnknown, "u"},
    {0, ""},
};
const TCodeListEntry kReproductionPolicy[] = {
    {23576, "a"}, // a - Will reproduce
    {23577, "b"}, // b - Will not reproduce
    {kUnknown, "u"},
    {0, ""},
};
const TCodeListEntry kCopyReport[] = {
    {23578, "0"}, // 0 - Separate copy report
    {23579, "1"}, // 1 - Composite copy report
    {0, ""},
};

// Community information: every list offers available, not available, not
// applicable and unknown.
const TCodeListEntry kVolunteerOpportunities[] = {
    {23432, "a"}, // a - Volunteer opportunities available
    {23433, "b"}, // b - No volunteer opportunities available
    {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""},
};
const TCodeListEntry kVolunteersProvided[] = {
    {23434, "a"}, // a - Volunteers provided
    {23435, "b"}, // b - No volunteers provided
    {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""},
};
const TCodeListEntry kChildCare[] = {
    {23436, "a"}, // a - Child care arrangements available
    {23437, "b"}, // b - No child care arrangements available
    {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""},
};
const TCodeListEntry kSpeakersBureau[] = {
    {23438, "a"}, // a - Speakers available
    {23439, "b"}, // b - No speakers available
    {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""},
};
const TCodeListEntry kMutualSupportGroups[] = {
    {23440, "a"}, // a - Mutual support groups available
    {23441, "b"}, // b - No mutual support groups available
    {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""},
};
const TCodeListEntry kMeetingRooms[] = {
    {23442, "a"}, // a - Meeting rooms and facilities available
    {23443, "b"}, // b - No meeting rooms or facilities available
    {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""},
};

// Classification.
const TCodeListEntry kKindOfRecordClassification[] = {
    {23444, "a"}, // a - Schedule record
    {23445, "b"}, // b - Table record
    {23446, "c"}, // c - Index term record
    {0, ""},
};
const TCodeListEntry kTypeOfNumber[] = {
    {23447, "a"}, // a - Single number
    {23448, "b"}, // b - Defined number span
    {23449, "c"}, // c - Summary number span
    {kNotApplicable, "n"}, {0, ""},
};
const TCodeListEntry kClassificationValidity[] = {
    {23450, "a"}, // a - Valid
    {23451, "b"}, // b - First number of span invalid
    {23452, "c"}, // c - Last number of span invalid
    {23453, "d"}, // d - Completely invalid
    {23454, "e"}, // e  - Obsolete
    {kNotApplicable, "n"}, {0, ""},
};
const TCodeListEntry kStandardOrOptional[] = {
    {23455, "a"}, // a - Standard
    {23456, "b"}, // b - Optional
    {kNotApplicable, "n"},
    {0, ""},
};
const TCodeListEntry kRecordUpdateClassification[] = {
    {23457, "a"}, // a - Record can be used
    {23458, "b"}, // b - Record is being updated
    {0, ""},
};
const TCodeListEntry kLevelOfEstablishmentClassification[] = {
    {23459, "a"}, // a - Fully established
    {23460, "c"}, // c - Provisional
    {0, ""},
};
const TCodeListEntry kSynthesizedNumber[] = {
    {23461, "a"}, // a - Number not synthesized
    {23462, "b"}, // b - Number is synthesized
    {kNotApplicable, "n"},
    {0, ""},
};
const TCodeListEntry kDisplayController[] = {
    {23463, "a"}, // a - Displayed in standard schedules or tables
    {23464, "b"}, // b - Extended display
    {0, ""},
};

const T008Move kNoMoves[] = {{0, 0}};
const T008Edit kNoEdits[] = {{0, 0, 0, nullptr}};

// Authority layout.
const T008ControlPosition kAuthorityControls[] = {
    {IDC_008_OK, -1},
    {IDC_008_CANCEL, -1},
    {IDC_008_DATE_ENTERED, 0},
    {IDC_008_AUT_GEOGRAPHIC_SUBDIVISION, 6},
    {IDC_008_AUT_ROMANIZATION_SCHEME, 7},
    {IDC_008_AUT_LANGUAGE_OF_CATALOG, 8},
    {IDC_008_AUT_KIND_OF_RECORD, 9},
    {IDC_008_AUT_CATALOGING_RULES, 10},
    {IDC_008_AUT_SUBJECT_SYSTEM, 11},
    {IDC_008_AUT_SERIES_TYPE, 12},
    {IDC_008_AUT_SERIES_NUMBERING, 13},
    {IDC_008_AUT_MAIN_ENTRY_USE, 14},
    {IDC_008_AUT_SUBJECT_ENTRY_USE, 15},
    {IDC_008_AUT_SERIES_ENTRY_USE, 16},
    {IDC_008_AUT_SUBDIVISION_TYPE, 17},
    {IDC_008_AUT_GOVERNMENT_AGENCY, 28},
    {IDC_008_AUT_REFERENCE_EVALUATION, 29},
    {IDC_008_AUT_UPDATE_IN_PROCESS, 31},
    {IDC_008_AUT_UNDIFFERENTIATED_NAME, 32},
    {IDC_008_AUT_ESTABLISHMENT_LEVEL, 33},
    {IDC_008_AUT_MODIFIED_RECORD, 38},
    {IDC_008_AUT_CATALOGING_SOURCE, 39},
    {0, 0},
};
const T008Label kAuthorityLabels[] = {
    {IDC_008_AUT_GEOGRAPHIC_SUBDIVISION_LABEL, 0},
    {IDC_008_AUT_ROMANIZATION_SCHEME_LABEL, 0},
    {IDC_008_AUT_LANGUAGE_OF_CATALOG_LABEL, 0},
    {IDC_008_AUT_KIND_OF_RECORD_LABEL, 0},
    {IDC_008_AUT_CATALOGING_RULES_LABEL, 0},
    {IDC_008_AUT_SUBJECT_SYSTEM_LABEL, 0},
    {IDC_008_AUT_SERIES_TYPE_LABEL, 0},
    {IDC_008_AUT_SERIES_NUMBERING_LABEL, 0},
    {IDC_008_AUT_MAIN_ENTRY_USE_LABEL, 0},
    {IDC_008_AUT_SUBJECT_ENTRY_USE_LABEL, 0},
    {IDC_008_AUT_SERIES_ENTRY_USE_LABEL, 0},
    {IDC_008_AUT_SUBDIVISION_TYPE_LABEL, 0},
    {IDC_008_AUT_GOVERNMENT_AGENCY_LABEL, 0},
    {IDC_008_AUT_REFERENCE_EVALUATION_LABEL, 0},
    {IDC_008_AUT_UPDATE_IN_PROCESS_LABEL, 0},
    {IDC_008_AUT_UNDIFFERENTIATED_NAME_LABEL, 0},
    {IDC_008_AUT_ESTABLISHMENT_LEVEL_LABEL, 0},
    {IDC_008_AUT_MODIFIED_RECORD_LABEL, 0},
    {IDC_008_AUT_CATALOGING_SOURCE_LABEL, 0},
    {0, 0},
};
const T008List kAuthorityLists[] = {
    {IDC_008_AUT_GEOGRAPHIC_SUBDIVISION, kGeographicSubdivision, 6},
    {IDC_008_AUT_ROMANIZATION_SCHEME, kRomanizationScheme, 7},
    {IDC_008_AUT_LANGUAGE_OF_CATALOG, kLanguageOfCatalog, 8},
    {IDC_008_AUT_KIND_OF_RECORD, kKindOfRecordAuthority, 9},
    {IDC_008_AUT_CATALOGING_RULES, kDescriptiveCatalogingRules, 10},
    {IDC_008_AUT_SUBJECT_SYSTEM, kSubjectHeadingSystem, 11},
    {IDC_008_AUT_SERIES_TYPE, kTypeOfSeries, 12},
    {IDC_008_AUT_SERIES_NUMBERING, kNumberedSeries, 13},
    {IDC_008_AUT_MAIN_ENTRY_USE, kHeadingUseMain, 14},
    {IDC_008_AUT_SUBJECT_ENTRY_USE, kHeadingUseSubject, 15},
    {IDC_008_AUT_SERIES_ENTRY_USE, kHeadingUseSeries, 16},
    {IDC_008_AUT_SUBDIVISION_TYPE, kTypeOfSubjectSubdivision, 17},
    {IDC_008_AUT_GOVERNMENT_AGENCY, kTypeOfGovernmentAgency, 28},
    {IDC_008_AUT_REFERENCE_EVALUATION, kReferenceEvaluation, 29},
    {IDC_008_AUT_UPDATE_IN_PROCESS, kRecordUpdateAuthority, 31},
    {IDC_008_AUT_UNDIFFERENTIATED_NAME, kUndifferentiatedName, 32},
    {IDC_008_AUT_ESTABLISHMENT_LEVEL, kLevelOfEstablishmentAuthority, 33},
    {IDC_008_AUT_MODIFIED_RECORD, kModifiedRecordAuthority, 38},
    {IDC_008_AUT_CATALOGING_SOURCE, kCatalogingSourceAuthority, 39},
    {0, nullptr, 0},
};
// Position 18 is defined (as a blank) though no control edits it.
const T008Range kAuthorityUndefined[] = {
    {19, 27},
    {30, 30},
    {34, 37},
    {0, 0},
};

// Holdings layout.
const T008ControlPosition kHoldingsControls[] = {
    {IDC_008_OK, -1},
    {IDC_008_CANCEL, -1},
    {IDC_008_DATE_ENTERED, 0},
    {IDC_008_HLD_RECEIPT_STATUS, 6},
    {IDC_008_HLD_ACQUISITION_METHOD, 7},
    {IDC_008_HLD_CANCEL_DATE, 8},
    {IDC_008_HLD_RETENTION_POLICY, 12},
    {IDC_008_HLD_POLICY_TYPE, 13},
    {IDC_008_HLD_UNIT_COUNT, 14},
    {IDC_008_HLD_UNIT_TYPE, 15},
    {IDC_008_HLD_COMPLETENESS, 16},
    {IDC_008_HLD_COPIES_REPORTED, 17},
    {IDC_008_HLD_LENDING_POLICY, 20},
    {IDC_008_HLD_REPRODUCTION_POLICY, 21},
    {IDC_008_HLD_LANGUAGE, 22},
    {IDC_008_HLD_COPY_REPORT, 25},
    {IDC_008_HLD_REPORT_DATE, 26},
    {0, 0},
};
const T008Move kHoldingsMoves[] = {
    {IDC_008_HLD_RECEIPT_STATUS_LABEL, IDC_008_CELL_L1_LABEL},
    {IDC_008_HLD_ACQUISITION_METHOD_LABEL, IDC_008_CELL_L2_LABEL},
    {IDC_008_HLD_CANCEL_DATE_LABEL, IDC_008_CELL_L3_LABEL},
    {IDC_008_HLD_RETENTION_POLICY_LABEL, IDC_008_CELL_L4_LABEL},
    {IDC_008_HLD_POLICY_TYPE_LABEL, IDC_008_CELL_L5_LABEL},
    {IDC_008_HLD_UNIT_COUNT_LABEL, IDC_008_CELL_L6_LABEL},
    {IDC_008_HLD_UNIT_TYPE_LABEL, IDC_008_CELL_L7_LABEL},
    {IDC_008_HLD_COMPLETENESS_LABEL, IDC_008_CELL_R0_LABEL},
    {IDC_008_HLD_COPIES_REPORTED_LABEL, IDC_008_CELL_R1_LABEL},
    {IDC_008_HLD_LENDING_POLICY_LABEL, IDC_008_CELL_R2_LABEL},
    {IDC_008_HLD_REPRODUCTION_POLICY_LABEL, IDC_008_CELL_R3_LABEL},
    {IDC_008_HLD_LANGUAGE_LABEL, IDC_008_CELL_R4_LABEL},
    {IDC_008_HLD_COPY_REPORT_LABEL, IDC_008_CELL_R5_LABEL},
    {IDC_008_HLD_REPORT_DATE_LABEL, IDC_008_CELL_R6_LABEL},
    {IDC_008_HLD_RECEIPT_STATUS, IDC_008_CELL_L1},
    {IDC_008_HLD_ACQUISITION_METHOD, IDC_008_CELL_L2},
    {IDC_008_HLD_CANCEL_DATE, IDC_008_CELL_L3},
    {IDC_008_HLD_RETENTION_POLICY, IDC_008_CELL_L4},
    {IDC_008_HLD_POLICY_TYPE, IDC_008_CELL_L5},
    {IDC_008_HLD_UNIT_COUNT, IDC_008_CELL_L6},
    {IDC_008_HLD_UNIT_TYPE, IDC_008_CELL_L7},
    {IDC_008_HLD_COMPLETENESS, IDC_008_CELL_R0},
    {IDC_008_HLD_COPIES_REPORTED, IDC_008_CELL_R1},
    {IDC_008_HLD_LENDING_POLICY, IDC_008_CELL_R2},
    {IDC_008_HLD_REPRODUCTION_POLICY, IDC_008_CELL_R3},
    {IDC_008_HLD_LANGUAGE, IDC_008_CELL_R4},
    {IDC_008_HLD_COPY_REPORT, IDC_008_CELL_R5},
    {IDC_008_HLD_REPORT_DATE, IDC_008_CELL_R6},
    {0, 0},
};
const T008Label kHoldingsLabels[] = {
    {IDC_008_HLD_RECEIPT_STATUS_LABEL, 0},
    {IDC_008_HLD_ACQUISITION_METHOD_LABEL, 0},
    {IDC_008_HLD_CANCEL_DATE_LABEL, 0},
    {IDC_008_HLD_RETENTION_POLICY_LABEL, 0},
    {IDC_008_HLD_POLICY_TYPE_LABEL, 0},
    {IDC_008_HLD_UNIT_COUNT_LABEL, 0},
    {IDC_008_HLD_UNIT_TYPE_LABEL, 0},
    {IDC_008_HLD_COMPLETENESS_LABEL, 0},
    {IDC_008_HLD_COPIES_REPORTED_LABEL, 0},
    {IDC_008_HLD_LENDING_POLICY_LABEL, 0},
    {IDC_008_HLD_REPRODUCTION_POLICY_LABEL, 0},
    {IDC_008_HLD_LANGUAGE_LABEL, 0},
    {IDC_008_HLD_COPY_REPORT_LABEL, 0},
    {IDC_008_HLD_REPORT_DATE_LABEL, 0},
    {0, 0},
};
const T008List kHoldingsLists[] = {
    {IDC_008_HLD_RECEIPT_STATUS, kReceiptStatus, 6},
    {IDC_008_HLD_ACQUISITION_METHOD, kMethodOfAcquisition, 7},
    {IDC_008_HLD_RETENTION_POLICY, kGeneralRetentionPolicy, 12},
    {IDC_008_HLD_POLICY_TYPE, kPolicyType, 13},
    {IDC_008_HLD_UNIT_TYPE, kUnitType, 15},
    {IDC_008_HLD_COMPLETENESS, kCompleteness, 16},
    {IDC_008_HLD_LENDING_POLICY, kLendingPolicy, 20},
    {IDC_008_HLD_REPRODUCTION_POLICY, kReproductionPolicy, 21},
    {IDC_008_HLD_COPY_REPORT, kCopyReport, 25},
    {0, nullptr, 0},
};
// The expected end of acquisition (intent to cancel) is a year and month, four
// blanks (no intent to cancel, or not applicable) or "uuuu" (intent to cancel,
// time unknown); copies reported and the date of report are digits-only boxes.
const char kExpectedEndChars[] = " 0123456789u";
const T008Edit kHoldingsEdits[] = {
    {IDC_008_HLD_CANCEL_DATE, 8, 4, kExpectedEndChars}, {IDC_008_HLD_UNIT_COUNT, 14, 1, " 123456789"},
    {IDC_008_HLD_COPIES_REPORTED, 17, 3, nullptr},      {IDC_008_HLD_LANGUAGE, 22, 3, kLowercaseLetters},
    {IDC_008_HLD_REPORT_DATE, 26, 6, nullptr},          {0, 0, 0, nullptr},
};
const T008Range kHoldingsUndefined[] = {
    {32, 39},
    {0, 0},
};

// Community information layout.
const T008ControlPosition kCommunityControls[] = {
    {IDC_008_OK, -1},
    {IDC_008_CANCEL, -1},
    {IDC_008_DATE_ENTERED, 0},
    {IDC_008_COM_VOLUNTEER_OPPORTUNITIES, 6},
    {IDC_008_COM_VOLUNTEERS_PROVIDED, 7},
    {IDC_008_COM_CHILD_CARE, 8},
    {IDC_008_COM_SPEAKERS_BUREAU, 9},
    {IDC_008_COM_SUPPORT_GROUPS, 10},
    {IDC_008_COM_MEETING_ROOMS, 11},
    {IDC_008_COM_LANGUAGE, 12},
    {0, 0},
};
const T008Move kCommunityMoves[] = {
    {IDC_008_COM_VOLUNTEER_OPPORTUNITIES_LABEL, IDC_008_CELL_L1_LABEL},
    {IDC_008_COM_VOLUNTEERS_PROVIDED_LABEL, IDC_008_CELL_L2_LABEL},
    {IDC_008_COM_CHILD_CARE_LABEL, IDC_008_CELL_L3_LABEL},
    {IDC_008_COM_SPEAKERS_BUREAU_LABEL, IDC_008_CELL_R0_LABEL},
    {IDC_008_COM_SUPPORT_GROUPS_LABEL, IDC_008_CELL_R1_LABEL},
    {IDC_008_COM_MEETING_ROOMS_LABEL, IDC_008_CELL_R2_LABEL},
    {IDC_008_COM_LANGUAGE_LABEL, IDC_008_CELL_R3_LABEL},
    {IDC_008_COM_VOLUNTEER_OPPORTUNITIES, IDC_008_CELL_L1},
    {IDC_008_COM_VOLUNTEERS_PROVIDED, IDC_008_CELL_L2},
    {IDC_008_COM_CHILD_CARE, IDC_008_CELL_L3},
    {IDC_008_COM_SPEAKERS_BUREAU, IDC_008_CELL_R0},
    {IDC_008_COM_SUPPORT_GROUPS, IDC_008_CELL_R1},
    {IDC_008_COM_MEETING_ROOMS, IDC_008_CELL_R2},
    {IDC_008_COM_LANGUAGE, IDC_008_CELL_R3},
    {0, 0},
};
const T008Label kCommunityLabels[] = {
    {IDC_008_COM_VOLUNTEER_OPPORTUNITIES_LABEL, 0},
    {IDC_008_COM_VOLUNTEERS_PROVIDED_LABEL, 0},
    {IDC_008_COM_CHILD_CARE_LABEL, 0},
    {IDC_008_COM_SPEAKERS_BUREAU_LABEL, 0},
    {IDC_008_COM_SUPPORT_GROUPS_LABEL, 0},
    {IDC_008_COM_MEETING_ROOMS_LABEL, 0},
    {IDC_008_COM_LANGUAGE_LABEL, 0},
    {0, 0},
};
const T008List kCommunityLists[] = {
    {IDC_008_COM_VOLUNTEER_OPPORTUNITIES, kVolunteerOpportunities, 6},
    {IDC_008_COM_VOLUNTEERS_PROVIDED, kVolunteersProvided, 7},
    {IDC_008_COM_CHILD_CARE, kChildCare, 8},
    {IDC_008_COM_SPEAKERS_BUREAU, kSpeakersBureau, 9},
    {IDC_008_COM_SUPPORT_GROUPS, kMutualSupportGroups, 10},
    {IDC_008_COM_MEETING_ROOMS, kMeetingRooms, 11},
    {0, nullptr, 0},
};
const T008Edit kCommunityEdits[] = {
    {IDC_008_COM_LANGUAGE, 12, 3, kLowercaseLetters},
    {0, 0, 0, nullptr},
};
const T008Range kCommunityUndefined[] = {
    {15, 39},
    {0, 0},
};

// Classification layout.
const T008ControlPosition kClassificationControls[] = {
    {IDC_008_OK, -1},
    {IDC_008_CANCEL, -1},
    {IDC_008_DATE_ENTERED, 0},
    {IDC_008_CLS_KIND_OF_RECORD, 6},
    {IDC_008_CLS_NUMBER_TYPE, 7},
    {IDC_008_CLS_VALIDITY, 8},
    {IDC_008_CLS_DESIGNATION, 9},
    {IDC_008_CLS_UPDATE_IN_PROCESS, 10},
    {IDC_008_CLS_ESTABLISHMENT_LEVEL, 11},
    {IDC_008_CLS_SYNTHESIZED_NUMBER, 12},
    {IDC_008_CLS_DISPLAY_CONTROLLER, 13},
    {0, 0},
};
const T008Move kClassificationMoves[] = {
    {IDC_008_CLS_KIND_OF_RECORD_LABEL, IDC_008_CELL_L1_LABEL},
    {IDC_008_CLS_NUMBER_TYPE_LABEL, IDC_008_CELL_L2_LABEL},
    {IDC_008_CLS_VALIDITY_LABEL, IDC_008_CELL_L3_LABEL},
    {IDC_008_CLS_DESIGNATION_LABEL, IDC_008_CELL_L4_LABEL},
    {IDC_008_CLS_UPDATE_IN_PROCESS_LABEL, IDC_008_CELL_R0_LABEL},
    {IDC_008_CLS_ESTABLISHMENT_LEVEL_LABEL, IDC_008_CELL_R1_LABEL},
    {IDC_008_CLS_SYNTHESIZED_NUMBER_LABEL, IDC_008_CELL_R2_LABEL},
    {IDC_008_CLS_DISPLAY_CONTROLLER_LABEL, IDC_008_CELL_R3_LABEL},
    {IDC_008_CLS_KIND_OF_RECORD, IDC_008_CELL_L1},
    {IDC_008_CLS_NUMBER_TYPE, IDC_008_CELL_L2},
    {IDC_008_CLS_VALIDITY, IDC_008_CELL_L3},
    {IDC_008_CLS_DESIGNATION, IDC_008_CELL_L4},
    {IDC_008_CLS_UPDATE_IN_PROCESS, IDC_008_CELL_R0},
    {IDC_008_CLS_ESTABLISHMENT_LEVEL, IDC_008_CELL_R1},
    {IDC_008_CLS_SYNTHESIZED_NUMBER, IDC_008_CELL_R2},
    {IDC_008_CLS_DISPLAY_CONTROLLER, IDC_008_CELL_R3},
    {0, 0},
};
const T008Label kClassificationLabels[] = {
    {IDC_008_CLS_KIND_OF_RECORD_LABEL, 0},
    {IDC_008_CLS_NUMBER_TYPE_LABEL, 0},
    {IDC_008_CLS_VALIDITY_LABEL, 0},
    {IDC_008_CLS_DESIGNATION_LABEL, 0},
    {IDC_008_CLS_UPDATE_IN_PROCESS_LABEL, 0},
    {IDC_008_CLS_ESTABLISHMENT_LEVEL_LABEL, 0},
    {IDC_008_CLS_SYNTHESIZED_NUMBER_LABEL, 0},
    {IDC_008_CLS_DISPLAY_CONTROLLER_LABEL, 0},
    {0, 0},
};
const T008List kClassificationLists[] = {
    {IDC_008_CLS_KIND_OF_RECORD, kKindOfRecordClassification, 6},
    {IDC_008_CLS_NUMBER_TYPE, kTypeOfNumber, 7},
    {IDC_008_CLS_VALIDITY, kClassificationValidity, 8},
    {IDC_008_CLS_DESIGNATION, kStandardOrOptional, 9},
    {IDC_008_CLS_UPDATE_IN_PROCESS, kRecordUpdateClassification, 10},
    {IDC_008_CLS_ESTABLISHMENT_LEVEL, kLevelOfEstablishmentClassification, 11},
    {IDC_008_CLS_SYNTHESIZED_NUMBER, kSynthesizedNumber, 12},
    {IDC_008_CLS_DISPLAY_CONTROLLER, kDisplayController, 13},
    {0, nullptr, 0},
};
const T008Range kClassificationUndefined[] = {
    {14, 39},
    {0, 0},
};

const T008Layout kAuthorityLayout = {L"Authority", kAuthorityControls,  kNoMoves, kAuthorityLabels, kAuthorityLists,
                                     kNoEdits,     kAuthorityUndefined, 11};
const T008Layout kHoldingsLayout = {L"Holdings",    kHoldingsControls, kHoldingsMoves,     kHoldingsLabels,
                                    kHoldingsLists, kHoldingsEdits,    kHoldingsUndefined, 9};
const T008Layout kCommunityLayout = {L"Community",    kCommunityControls, kCommunityMoves,     kCommunityLabels,
                                     kCommunityLists, kCommunityEdits,    kCommunityUndefined, 5};
const T008Layout kClassificationLayout = {L"Classification",        kClassificationControls,
                                          kClassificationMoves,     kClassificationLabels,
                                          kClassificationLists,     kNoEdits,
                                          kClassificationUndefined, 6};

struct TFormatLayout
{
    EMarcType eMarcType;
    const T008Layout* pxLayout;
};

const TFormatLayout kLayoutByFormat[] = {
    {eAuthority, &kAuthorityLayout},
    {eHoldings, &kHoldingsLayout},
    {eCommunity, &kCommunityLayout},
    {eClassification, &kClassificationLayout},
};
}

const T008Layout* qpxGetOtherFormat008Layout(EMarcType eMarcType)
{
    for (const TFormatLayout& row : kLayoutByFormat)
        if (row.eMarcType == eMarcType)
            return row.pxLayout;
    return nullptr;
}

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList k008OtherFormatCodeLists_static[] = {
    {"Geographic subdivision", kGeographicSubdivision},
    {"Romanization scheme", kRomanizationScheme},
    {"Language of catalog", kLanguageOfCatalog},
    {"Kind of record (authority)", kKindOfRecordAuthority},
    {"Descriptive cataloging rules", kDescriptiveCatalogingRules},
    {"Subject heading system", kSubjectHeadingSystem},
    {"Type of series", kTypeOfSeries},
    {"Numbered or unnumbered series", kNumberedSeries},
    {"Heading use (main or added entry)", kHeadingUseMain},
    {"Heading use (subject added entry)", kHeadingUseSubject},
    {"Heading use (series added entry)", kHeadingUseSeries},
    {"Type of subject subdivision", kTypeOfSubjectSubdivision},
    {"Type of government agency", kTypeOfGovernmentAgency},
    {"Reference evaluation", kReferenceEvaluation},
    {"Record update (authority)", kRecordUpdateAuthority},
    {"Undifferentiated name", kUndifferentiatedName},
    {"Level of establishment (authority)", kLevelOfEstablishmentAuthority},
    {"Modified record (authority)", kModifiedRecordAuthority},
    {"Cataloging source (authority)", kCatalogingSourceAuthority},
    {"Receipt status", kReceiptStatus},
    {"Method of acquisition", kMethodOfAcquisition},
    {"General retention policy", kGeneralRetentionPolicy},
    {"Policy type", kPolicyType},
    {"Unit type", kUnitType},
    {"Completeness", kCompleteness},
    {"Lending policy", kLendingPolicy},
    {"Reproduction policy", kReproductionPolicy},
    {"Copy report", kCopyReport},
    {"Volunteer opportunities", kVolunteerOpportunities},
    {"Volunteers provided", kVolunteersProvided},
    {"Child care", kChildCare},
    {"Speakers bureau", kSpeakersBureau},
    {"Mutual support groups", kMutualSupportGroups},
    {"Meeting rooms", kMeetingRooms},
    {"Kind of record (classification)", kKindOfRecordClassification},
    {"Type of number", kTypeOfNumber},
    {"Classification validity", kClassificationValidity},
    {"Standard or optional", kStandardOrOptional},
    {"Record update (classification)", kRecordUpdateClassification},
    {"Level of establishment (classification)", kLevelOfEstablishmentClassification},
    {"Synthesized number", kSynthesizedNumber},
    {"Display controller", kDisplayController},
    {nullptr, nullptr},
};
