// The 008 layouts of authority, holdings, community information and
// classification records, with their code lists. The authority controls stand
// where every layout's rows go, so that layout moves nothing.
#include "editors/008/T008Layout.h"
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
    {23465, " "}, {23466, "d"}, {23467, "i"}, {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kRomanizationScheme[] = {
    {23468, "a"}, {23469, "b"}, {23470, "c"}, {23471, "d"}, {23472, "e"}, {23473, "f"}, {23474, "g"},
    {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kLanguageOfCatalog[] = {
    {23475, " "}, {23476, "b"}, {23477, "e"}, {23478, "f"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kKindOfRecordAuthority[] = {
    {23479, "a"}, {23480, "b"}, {23481, "c"}, {23482, "d"}, {23483, "e"}, {23484, "f"}, {23485, "g"}, {0, ""}};
const TCodeListEntry kDescriptiveCatalogingRules[] = {
    {23486, "a"}, {23487, "b"}, {23488, "c"}, {23489, "d"}, {kNotApplicable, "n"}, {kOther, "z"},
    {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kSubjectHeadingSystem[] = {
    {23490, "a"}, {23491, "b"}, {23492, "c"}, {23493, "d"}, {23494, "k"}, {kNotApplicable, "n"}, {23496, "r"},
    {23497, "s"}, {23498, "v"}, {kOther, "z"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kTypeOfSeries[] = {
    {23499, "a"}, {23500, "b"}, {23501, "c"}, {kNotApplicable, "n"}, {kOther, "z"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kNumberedSeries[] = {
    {23502, "a"}, {23503, "b"}, {23504, "c"}, {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kHeadingUseMain[] = {{23505, "a"}, {23506, "b"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kHeadingUseSubject[] = {{23507, "a"}, {23508, "b"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kHeadingUseSeries[] = {{23509, "a"}, {23510, "b"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kTypeOfSubjectSubdivision[] = {
    {23511, "a"}, {23512, "b"}, {23513, "c"}, {23514, "d"}, {23515, "e"}, {kNotApplicable, "n"},
    {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kTypeOfGovernmentAgency[] = {
    {23516, " "}, {23517, "a"}, {23518, "c"}, {23519, "f"}, {23520, "i"}, {23521, "l"}, {23522, "m"},
    {23523, "o"}, {23524, "s"}, {kUnknown, "u"}, {kOther, "z"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kReferenceEvaluation[] = {
    {23525, "a"}, {23526, "b"}, {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kRecordUpdateAuthority[] = {{23527, "a"}, {23528, "b"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kUndifferentiatedName[] = {
    {23529, "a"}, {23530, "b"}, {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kLevelOfEstablishmentAuthority[] = {
    {23531, "a"}, {23532, "b"}, {23533, "c"}, {23534, "d"}, {kNotApplicable, "n"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kModifiedRecordAuthority[] = {
    {23535, " "}, {23536, "s"}, {23537, "x"}, {kNoAttemptToCode, "|"}, {0, ""}};
const TCodeListEntry kCatalogingSourceAuthority[] = {
    {23538, " "}, {23539, "c"}, {23540, "d"}, {kUnknown, "u"}, {kNoAttemptToCode, "|"}, {0, ""}};

// Holdings.
const TCodeListEntry kReceiptStatus[] = {
    {23541, "0"}, {23542, "1"}, {23543, "2"}, {23544, "3"}, {23545, "4"}, {23546, "5"}, {0, ""}};
const TCodeListEntry kMethodOfAcquisition[] = {
    {23547, "d"}, {23548, "e"}, {23549, "f"}, {23550, "g"}, {23551, "p"}, {kUnknown, "u"}, {kOther, "z"}, {0, ""}};
const TCodeListEntry kGeneralRetentionPolicy[] = {
    {23552, "0"}, {23553, "1"}, {23554, "2"}, {23555, "3"}, {23556, "4"}, {23557, "5"}, {23558, "6"},
    {23559, "7"}, {23560, "8"}, {0, ""}};
const TCodeListEntry kPolicyType[] = {{23561, "l"}, {23562, "p"}, {0, ""}};
const TCodeListEntry kUnitType[] = {
    {23563, "m"}, {23564, "w"}, {23565, "y"}, {23566, "e"}, {23567, "i"}, {23568, "s"}, {0, ""}};
const TCodeListEntry kCompleteness[] = {{23569, "0"}, {23570, "1"}, {23571, "2"}, {23572, "3"}, {23573, "4"}, {0, ""}};
const TCodeListEntry kLendingPolicy[] = {{23574, "a"}, {23575, "b"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kReproductionPolicy[] = {{23576, "a"}, {23577, "b"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kCopyReport[] = {{23578, "0"}, {23579, "1"}, {0, ""}};

// Community information: every list offers available, not available, not
// applicable and unknown.
const TCodeListEntry kVolunteerOpportunities[] = {
    {23432, "a"}, {23433, "b"}, {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kVolunteersProvided[] = {
    {23434, "a"}, {23435, "b"}, {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kChildCare[] = {{23436, "a"}, {23437, "b"}, {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kSpeakersBureau[] = {{23438, "a"}, {23439, "b"}, {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kMutualSupportGroups[] = {
    {23440, "a"}, {23441, "b"}, {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""}};
const TCodeListEntry kMeetingRooms[] = {{23442, "a"}, {23443, "b"}, {kNotApplicable, "n"}, {kUnknown, "u"}, {0, ""}};

// Classification.
const TCodeListEntry kKindOfRecordClassification[] = {{23444, "a"}, {23445, "b"}, {23446, "c"}, {0, ""}};
const TCodeListEntry kTypeOfNumber[] = {{23447, "a"}, {23448, "b"}, {23449, "c"}, {kNotApplicable, "n"}, {0, ""}};
const TCodeListEntry kClassificationValidity[] = {
    {23450, "a"}, {23451, "b"}, {23452, "c"}, {23453, "d"}, {23454, "e"}, {kNotApplicable, "n"}, {0, ""}};
const TCodeListEntry kStandardOrOptional[] = {{23455, "a"}, {23456, "b"}, {kNotApplicable, "n"}, {0, ""}};
const TCodeListEntry kRecordUpdateClassification[] = {{23457, "a"}, {23458, "b"}, {0, ""}};
const TCodeListEntry kLevelOfEstablishmentClassification[] = {{23459, "a"}, {23460, "c"}, {0, ""}};
const TCodeListEntry kSynthesizedNumber[] = {{23461, "a"}, {23462, "b"}, {kNotApplicable, "n"}, {0, ""}};
const TCodeListEntry kDisplayController[] = {{23463, "a"}, {23464, "b"}, {0, ""}};

const T008Move kNoMoves[] = {{0, 0}};
const T008Edit kNoEdits[] = {{0, 0, 0, nullptr}};

// Authority layout.
const T008ControlPosition kAuthorityControls[] = {
    {IDC_008_OK, -1}, {IDC_008_CANCEL, -1}, {IDC_008_DATE_ENTERED, 0},
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
    {IDC_008_OK, -1}, {IDC_008_CANCEL, -1}, {IDC_008_DATE_ENTERED, 0},
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
// Intent to cancel, copies reported and the date of report are digits-only boxes.
const T008Edit kHoldingsEdits[] = {
    {IDC_008_HLD_CANCEL_DATE, 8, 4, nullptr},
    {IDC_008_HLD_UNIT_COUNT, 14, 1, " 123456789"},
    {IDC_008_HLD_COPIES_REPORTED, 17, 3, nullptr},
    {IDC_008_HLD_LANGUAGE, 22, 3, kLowercaseLetters},
    {IDC_008_HLD_REPORT_DATE, 26, 6, nullptr},
    {0, 0, 0, nullptr},
};
const T008Range kHoldingsUndefined[] = {
    {32, 39},
    {0, 0},
};

// Community information layout.
const T008ControlPosition kCommunityControls[] = {
    {IDC_008_OK, -1}, {IDC_008_CANCEL, -1}, {IDC_008_DATE_ENTERED, 0},
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
    {IDC_008_OK, -1}, {IDC_008_CANCEL, -1}, {IDC_008_DATE_ENTERED, 0},
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

const T008Layout kAuthorityLayout = {L"Authority", kAuthorityControls, kNoMoves, kAuthorityLabels,
                                     kAuthorityLists, kNoEdits, kAuthorityUndefined, 11};
const T008Layout kHoldingsLayout = {L"Holdings", kHoldingsControls, kHoldingsMoves, kHoldingsLabels,
                                    kHoldingsLists, kHoldingsEdits, kHoldingsUndefined, 9};
const T008Layout kCommunityLayout = {L"Community", kCommunityControls, kCommunityMoves, kCommunityLabels,
                                     kCommunityLists, kCommunityEdits, kCommunityUndefined, 5};
const T008Layout kClassificationLayout = {L"Classification", kClassificationControls, kClassificationMoves,
                                          kClassificationLabels, kClassificationLists, kNoEdits,
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
