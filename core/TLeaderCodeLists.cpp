#include "core/TLeaderCodeLists.h"

#include "recordlib/TMarcLeader.h"
#include "resources/LeaderEditorIds.h"
#include "resources/resource.h"

namespace
{
const TLeaderRow axRows[TLeaderCodeLists::kRowCount] = {
    {5, IDC_LEADER_STATUS_LABEL, IDC_LEADER_STATUS_LIST}, {6, IDC_LEADER_TYPE_LABEL, IDC_LEADER_TYPE_LIST},
    {7, IDC_LEADER_LEVEL_LABEL, IDC_LEADER_LEVEL_LIST},   {8, IDC_LEADER_CONTROL_LABEL, IDC_LEADER_CONTROL_LIST},
    {9, IDC_LEADER_CODING_LABEL, IDC_LEADER_CODING_LIST}, {17, IDC_LEADER_ENCODING_LABEL, IDC_LEADER_ENCODING_LIST},
    {18, IDC_LEADER_FORM_LABEL, IDC_LEADER_FORM_LIST},    {19, IDC_LEADER_MULTIPART_LABEL, IDC_LEADER_MULTIPART_LIST},
};

// 05 Record status.
const TLeaderListEntry axBibliographicStatus[] = {{20029, eIncreaseInEncodingLevel},
                                                  {20030, eCorrectedOrRevised},
                                                  {20031, eDeleted},
                                                  {20032, eNew},
                                                  {20033, eIncreaseFromPrepublication},
                                                  {0, 0}};
const TLeaderListEntry axAuthorityStatus[] = {{20029, eIncreaseInEncodingLevel},
                                              {20030, eCorrectedOrRevised},
                                              {20031, eDeleted},
                                              {20032, eNew},
                                              {32778, eObsolete},
                                              {20034, eDeletedHeadingSplit},
                                              {20035, eDeletedHeadingReplaced},
                                              {0, 0}};
const TLeaderListEntry axHoldingsStatus[] = {{20030, eCorrectedOrRevised}, {20031, eDeleted}, {20032, eNew}, {0, 0}};
const TLeaderListEntry axClassificationStatus[] = {
    {20029, eIncreaseInEncodingLevel}, {20030, eCorrectedOrRevised}, {20031, eDeleted}, {20032, eNew}, {0, 0}};
const TLeaderListEntry axNoEntries[] = {{0, 0}};

// 06 Type of record.
const TLeaderListEntry axBibliographicTypes[] = {{20036, eLanguageMaterial},
                                                 {20037, eNotatedMusic},
                                                 {20038, eManuscriptNotatedMusic},
                                                 {20039, eCartographicMaterial},
                                                 {20040, eManuscriptCartographicMaterial},
                                                 {20041, eProjectedMedium},
                                                 {20042, eNonmusicalSoundRecording},
                                                 {20043, eMusicalSoundRecording},
                                                 {20044, eTwoDimensionalGraphic},
                                                 {20045, eComputerFile},
                                                 {20046, eKit},
                                                 {20047, eMixedMaterialsRecord},
                                                 {20048, eThreeDimensionalArtifact},
                                                 {20049, eManuscriptLanguageMaterial},
                                                 {0, 0}};
const TLeaderListEntry axHoldingsTypes[] = {{20050, eUnknownHoldings},
                                            {20051, eMultipartItemHoldings},
                                            {20052, eSinglePartItemHoldings},
                                            {20053, eSerialItemHoldings},
                                            {0, 0}};

// 07 Bibliographic level (i is listed before m although its value is higher)
// and kind of data.
const TLeaderListEntry axBibLevels[] = {
    {20054, eMonographicComponentPart}, {20055, eSerialComponentPart}, {20056, eCollection}, {20057, eSubunit},
    {20099, eIntegratingResource},      {20058, eMonograph},           {20059, eSerial},     {0, 0}};
const TLeaderListEntry axKindsOfData[] = {{20060, eIndividual}, {20061, eOrganization},    {20062, eProgramOrService},
                                          {20063, eEvent},      {20064, eOtherKindOfData}, {0, 0}};

// 08 Type of control: blank first.
const TLeaderListEntry axControlTypes[] = {{20065, eNoSpecificType}, {20066, eArchival}, {0, 0}};

// 09 Character coding scheme.
const TLeaderListEntry axCodingSchemes[] = {{20067, eMarc8}, {20068, eUcsUnicode}, {0, 0}};

// 17 Encoding level.
const TLeaderListEntry axBibliographicEncoding[] = {{20069, eFullLevel},
                                                    {20070, eFullLevelNotExamined},
                                                    {20071, eLessThanFullNotExamined},
                                                    {20072, eAbbreviatedLevel},
                                                    {20073, eCoreLevel},
                                                    {20074, ePartialLevel},
                                                    {20075, eMinimalLevel},
                                                    {20076, ePrepublicationLevel},
                                                    {20077, eUnknownLevel},
                                                    {20078, eNotApplicableLevel},
                                                    {0, 0}};
const TLeaderListEntry axAuthorityEncoding[] = {{20087, eCompleteAuthority}, {20088, eIncompleteAuthority}, {0, 0}};
const TLeaderListEntry axHoldingsEncoding[] = {
    {20079, eHoldingsLevel1},       {20080, eHoldingsLevel2},          {20081, eHoldingsLevel3},
    {20082, eHoldingsLevel4},       {20083, eHoldingsLevel4WithPiece}, {20084, eHoldingsMixedLevel},
    {20085, eHoldingsUnknownLevel}, {20086, eHoldingsOtherLevel},      {0, 0}};
const TLeaderListEntry axClassificationEncoding[] = {
    {20089, eCompleteClassification}, {20090, eIncompleteClassification}, {0, 0}};

// 18 Descriptive cataloging form, punctuation policy, item information.
const TLeaderListEntry axCatalogingForms[] = {{20091, eNonIsbd},
                                              {20092, eAacr2},
                                              {20105, eIsbdPunctuationOmitted},
                                              {20093, eIsbdPunctuationIncluded},
                                              {20106, eNonIsbdPunctuationOmitted},
                                              {20094, eUnknownCatalogingForm},
                                              {0, 0}};
const TLeaderListEntry axPunctuationPolicies[] = {{19008, eNoPunctuationInformation},
                                                  {19009, ePunctuationOmitted},
                                                  {19010, ePunctuationIncluded},
                                                  {19011, eUnknownPunctuation},
                                                  {0, 0}};
const TLeaderListEntry axItemInfo[] = {{20095, eItemInformation}, {20096, eNoItemInformation}, {0, 0}};

// 19 Multipart resource record level: blank first.
const TLeaderListEntry axLinkRequirements[] = {{20097, eNotSpecifiedOrNotApplicable},
                                               {24105, eSet},
                                               {24112, ePartWithIndependentTitle},
                                               {24113, ePartWithDependentTitle},
                                               {0, 0}};

constexpr bool kDefaultFirst = true;
constexpr bool kNoDefault = false;

// Indexed by EMarcType, then by row.
const TLeaderList axListsByFormat[][TLeaderCodeLists::kRowCount] = {
    {
        // eBibliographic
        {axBibliographicStatus, eStatusAccessor, kNoDefault},
        {axBibliographicTypes, eTypeOfRecordAccessor, kNoDefault},
        {axBibLevels, eBibLevelAccessor, kNoDefault},
        {axControlTypes, eControlTypeAccessor, kDefaultFirst},
        {axCodingSchemes, eCodingSchemeAccessor, kDefaultFirst},
        {axBibliographicEncoding, eEncodingLevelAccessor, kDefaultFirst},
        {axCatalogingForms, eCatalogingFormAccessor, kDefaultFirst},
        {axLinkRequirements, eLinkRequirementAccessor, kDefaultFirst},
    },
    {
        // eAuthority
        {axAuthorityStatus, eStatusAccessor, kNoDefault},
        {nullptr, eTypeOfRecordAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eControlTypeAccessor, kDefaultFirst},
        {axCodingSchemes, eCodingSchemeAccessor, kDefaultFirst},
        {axAuthorityEncoding, eEncodingLevelAccessor, kNoDefault},
        {axPunctuationPolicies, ePunctuationPolicyAccessor, kNoDefault},
        {nullptr, eLinkRequirementAccessor, kDefaultFirst},
    },
    {
        // eHoldings
        {axHoldingsStatus, eStatusAccessor, kNoDefault},
        {axHoldingsTypes, eTypeOfRecordAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eControlTypeAccessor, kDefaultFirst},
        {axCodingSchemes, eCodingSchemeAccessor, kDefaultFirst},
        {axHoldingsEncoding, eEncodingLevelAccessor, kNoDefault},
        {axItemInfo, eItemInfoInRecordAccessor, kNoDefault},
        {nullptr, eLinkRequirementAccessor, kDefaultFirst},
    },
    {
        // eCommunity
        {axHoldingsStatus, eStatusAccessor, kNoDefault},
        {nullptr, eTypeOfRecordAccessor, kNoDefault},
        {axKindsOfData, eKindOfDataAccessor, kNoDefault},
        {nullptr, eControlTypeAccessor, kDefaultFirst},
        {axCodingSchemes, eCodingSchemeAccessor, kDefaultFirst},
        {nullptr, eEncodingLevelAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eLinkRequirementAccessor, kDefaultFirst},
    },
    {
        // ePatron
        {axNoEntries, eStatusAccessor, kNoDefault},
        {nullptr, eTypeOfRecordAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eControlTypeAccessor, kDefaultFirst},
        {axCodingSchemes, eCodingSchemeAccessor, kDefaultFirst},
        {nullptr, eEncodingLevelAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eLinkRequirementAccessor, kDefaultFirst},
    },
    {
        // eClassification
        {axClassificationStatus, eStatusAccessor, kNoDefault},
        {nullptr, eTypeOfRecordAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eControlTypeAccessor, kDefaultFirst},
        {axCodingSchemes, eCodingSchemeAccessor, kDefaultFirst},
        {axClassificationEncoding, eEncodingLevelAccessor, kNoDefault},
        {nullptr, eNoAccessor, kNoDefault},
        {nullptr, eLinkRequirementAccessor, kDefaultFirst},
    },
};
constexpr int kFormatCount = static_cast<int>(sizeof(axListsByFormat) / sizeof(axListsByFormat[0]));
static_assert(kFormatCount == eClassification + 1, "one row of lists per record format");

const TLeaderList axListsOfUnknownFormat[TLeaderCodeLists::kRowCount] = {
    {axNoEntries, eStatusAccessor, kNoDefault},
    {nullptr, eTypeOfRecordAccessor, kNoDefault},
    {nullptr, eNoAccessor, kNoDefault},
    {nullptr, eControlTypeAccessor, kDefaultFirst},
    {nullptr, eCodingSchemeAccessor, kDefaultFirst},
    {nullptr, eEncodingLevelAccessor, kNoDefault},
    {nullptr, eNoAccessor, kNoDefault},
    {nullptr, eLinkRequirementAccessor, kDefaultFirst},
};

const TLeaderList xHiddenList = {nullptr, eNoAccessor, kNoDefault};

// Editable Leader positions, indexed by EMarcType.
const TLeaderRange axBibliographicRanges[] = {{5, 9}, {17, 19}, {-1, -1}};
const TLeaderRange axAuthorityRanges[] = {{5, 5}, {9, 9}, {17, 18}, {-1, -1}};
const TLeaderRange axHoldingsRanges[] = {{5, 6}, {9, 9}, {17, 18}, {-1, -1}};
const TLeaderRange axCommunityRanges[] = {{5, 5}, {7, 7}, {9, 9}, {-1, -1}};
const TLeaderRange axClassificationRanges[] = {{5, 5}, {9, 9}, {17, 17}, {-1, -1}};
const TLeaderRange axNoRanges[] = {{-1, -1}};
const TLeaderRange* const apxRangesByFormat[] = {axBibliographicRanges, axAuthorityRanges, axHoldingsRanges,
                                                 axCommunityRanges,     axNoRanges,        axClassificationRanges};
static_assert(sizeof(apxRangesByFormat) / sizeof(apxRangesByFormat[0]) == kFormatCount, "one per format");

// Row labels renamed by format, indexed by EMarcType.
const TLeaderLabelText axAuthorityLabels[] = {{IDC_LEADER_FORM_LABEL, IDS_LEADER_PUNCTUATION_POLICY_LABEL}, {0, 0}};
const TLeaderLabelText axHoldingsLabels[] = {{IDC_LEADER_FORM_LABEL, IDS_LEADER_ITEM_INFO_LABEL}, {0, 0}};
const TLeaderLabelText axCommunityLabels[] = {{IDC_LEADER_LEVEL_LABEL, IDS_LEADER_KIND_OF_DATA_LABEL}, {0, 0}};
const TLeaderLabelText axNoLabels[] = {{0, 0}};
const TLeaderLabelText* const apxLabelsByFormat[] = {axNoLabels,        axAuthorityLabels, axHoldingsLabels,
                                                     axCommunityLabels, axNoLabels,        axNoLabels};
static_assert(sizeof(apxLabelsByFormat) / sizeof(apxLabelsByFormat[0]) == kFormatCount, "one per format");

// Format names of the caption, indexed by EMarcType; a patron record has none.
const uint32_t adwFormatNameIds[] = {
    IDS_FORMAT_BIBLIOGRAPHIC, IDS_FORMAT_AUTHORITY, IDS_FORMAT_HOLDINGS, IDS_FORMAT_COMMUNITY, 0,
    IDS_FORMAT_CLASSIFICATION};
static_assert(sizeof(adwFormatNameIds) / sizeof(adwFormatNameIds[0]) == kFormatCount, "one per format");

struct TLeaderAccessorFunctions
{
    int (*get)(const TMarcLeader&);
    void (*set)(TMarcLeader&, int);
    const char* name; // of the lists it reads, as a message names them
};

#define LEADER_ACCESSOR(Name, EnumType, pacListName)                                                                   \
    {                                                                                                                  \
        [](const TMarcLeader& rxLeader) { return static_cast<int>(rxLeader.qeGet##Name()); },                          \
            [](TMarcLeader& rxLeader, int iValue) { rxLeader.qvSet##Name(static_cast<EnumType>(iValue)); },            \
            pacListName                                                                                                \
    }

// Indexed by ELeaderAccessor.
const TLeaderAccessorFunctions axAccessors[] = {
    {nullptr, nullptr, nullptr},
    LEADER_ACCESSOR(Status, ERecordStatus, "Record status"),
    LEADER_ACCESSOR(TypeOfRecord, ETypeOfRecord, "Type of record"),
    LEADER_ACCESSOR(BibLevel, EBibLevel, "Bibliographic level"),
    LEADER_ACCESSOR(KindOfData, EKindOfData, "Kind of data"),
    LEADER_ACCESSOR(ControlType, EControlType, "Type of control"),
    LEADER_ACCESSOR(CodingScheme, ECodingScheme, "Character coding scheme"),
    LEADER_ACCESSOR(EncodingLevel, EEncodingLevel, "Encoding level"),
    LEADER_ACCESSOR(CatalogingForm, ECatalogingForm, "Descriptive cataloging form"),
    LEADER_ACCESSOR(PunctuationPolicy, EPunctuationPolicy, "Punctuation policy"),
    LEADER_ACCESSOR(ItemInfoInRecord, EItemInfoInRecord, "Item information in record"),
    LEADER_ACCESSOR(LinkRequirement, ELinkRequirement, "Multipart resource record level"),
};
#undef LEADER_ACCESSOR
constexpr int kAccessorCount = static_cast<int>(sizeof(axAccessors) / sizeof(axAccessors[0]));
static_assert(kAccessorCount == eLinkRequirementAccessor + 1, "one pair per accessor");

bool qtIsKnownFormat(EMarcType eMarcType)
{
    return eMarcType >= 0 && eMarcType < kFormatCount;
}

const TLeaderAccessorFunctions* qpxGetAccessor(ELeaderAccessor eAccessor)
{
    if (eAccessor <= eNoAccessor || eAccessor >= kAccessorCount)
        return nullptr;
    return &axAccessors[eAccessor];
}
}

const TLeaderRow* TLeaderCodeLists::qpxGetRow(int iRow)
{
    if (iRow < 0 || iRow >= kRowCount)
        return nullptr;
    return &axRows[iRow];
}

int TLeaderCodeLists::qiGetRowOfList(int iListId)
{
    for (int iRow = 0; iRow < kRowCount; ++iRow)
        if (axRows[iRow].listId == iListId)
            return iRow;
    return -1;
}

const TLeaderList* TLeaderCodeLists::qpxGetList(int iRow, EMarcType eMarcType)
{
    if (iRow < 0 || iRow >= kRowCount)
        return &xHiddenList;
    if (!qtIsKnownFormat(eMarcType))
        return &axListsOfUnknownFormat[iRow];
    return &axListsByFormat[eMarcType][iRow];
}

const TLeaderRange* TLeaderCodeLists::qpxGetEditableRanges(EMarcType eMarcType)
{
    return qtIsKnownFormat(eMarcType) ? apxRangesByFormat[eMarcType] : axNoRanges;
}

const TLeaderLabelText* TLeaderCodeLists::qpxGetFormatLabels(EMarcType eMarcType)
{
    return qtIsKnownFormat(eMarcType) ? apxLabelsByFormat[eMarcType] : axNoLabels;
}

uint32_t TLeaderCodeLists::qdwGetFormatNameId(EMarcType eMarcType)
{
    return qtIsKnownFormat(eMarcType) ? adwFormatNameIds[eMarcType] : 0;
}

int TLeaderCodeLists::qiGetValue(const TMarcLeader& rxLeader, ELeaderAccessor eAccessor)
{
    const TLeaderAccessorFunctions* pxAccessor = qpxGetAccessor(eAccessor);
    return pxAccessor ? pxAccessor->get(rxLeader) : -1;
}

const char* TLeaderCodeLists::qpacGetListName(ELeaderAccessor eAccessor)
{
    const TLeaderAccessorFunctions* pxAccessor = qpxGetAccessor(eAccessor);
    return pxAccessor ? pxAccessor->name : nullptr;
}

int TLeaderCodeLists::qiFindValue(const TLeaderListEntry* pxEntries, int iValue)
{
    int iFound = -1;
    for (int i = 0; pxEntries != nullptr && pxEntries[i].labelId != 0; ++i)
        if (pxEntries[i].value == iValue)
            iFound = i;
    return iFound;
}

bool TLeaderCodeLists::qtSetValue(TMarcLeader& rxLeader, ELeaderAccessor eAccessor, int iValue)
{
    const TLeaderAccessorFunctions* pxAccessor = qpxGetAccessor(eAccessor);
    if (pxAccessor == nullptr)
        return false;
    pxAccessor->set(rxLeader, iValue);
    return true;
}
