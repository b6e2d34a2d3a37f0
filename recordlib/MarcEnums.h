#pragma once

// Enums of the record library. The numbers are part of the interface: editors keep
// them as list item data, so they never change. Every enum has a fixed underlying
// type so that any int converts to it safely; the setters of TMarcLeader refuse
// values that have no MARC 21 code.
//
// Each Leader enum has one "Undefined" value, returned by the getter when the Leader
// holds a code that has no value (for the encoding level: no value in the record's
// format). The setters refuse it.

// The record's format (see TMarcLeader::qeGetType).
enum EMarcType : int
{
    eBibliographic = 0,
    eAuthority = 1,
    eHoldings = 2,
    eCommunity = 3,
    ePatron = 4,
    eClassification = 5
};

enum ETagIndicator : int
{
    eFirstIndicator = 0,
    eSecondIndicator = 1
};

// Leader/05.
enum ERecordStatus : int
{
    eRecordStatusUndefined = -1,
    eIncreaseInEncodingLevel = 0,    // a
    eCorrectedOrRevised = 1,         // c
    eDeleted = 2,                    // d
    eNew = 3,                        // n
    eObsolete = 4,                   // o (authority)
    eIncreaseFromPrepublication = 5, // p
    eDeletedHeadingSplit = 6,        // s (authority)
    eDeletedHeadingReplaced = 7      // x (authority)
};

// Leader/06.
enum ETypeOfRecord : int
{
    eTypeOfRecordUndefined = -1,
    eLanguageMaterial = 0,               // a
    eNotatedMusic = 1,                   // c
    eManuscriptNotatedMusic = 2,         // d
    eCartographicMaterial = 3,           // e
    eManuscriptCartographicMaterial = 4, // f
    eProjectedMedium = 5,                // g
    eNonmusicalSoundRecording = 6,       // i
    eMusicalSoundRecording = 7,          // j
    eTwoDimensionalGraphic = 8,          // k
    eComputerFile = 9,                   // m
    eKit = 10,                           // o
    eMixedMaterialsRecord = 11,          // p
    eThreeDimensionalArtifact = 12,      // r
    eManuscriptLanguageMaterial = 13,    // t
    eAuthorityData = 14,                 // z
    eUnknownHoldings = 15,               // u
    eMultipartItemHoldings = 16,         // v
    eSinglePartItemHoldings = 17,        // x
    eSerialItemHoldings = 18,            // y
    eClassificationData = 19,            // w
    eCommunityInformation = 20           // q
};

// Leader/07, bibliographic. There is no value 6.
enum EBibLevel : int
{
    eBibLevelUndefined = -1,
    eMonographicComponentPart = 0, // a
    eSerialComponentPart = 1,      // b
    eCollection = 2,               // c
    eSubunit = 3,                  // d
    eMonograph = 4,                // m
    eSerial = 5,                   // s
    eIntegratingResource = 7       // i
};

// Leader/07, community information.
enum EKindOfData : int
{
    eKindOfDataUndefined = -1,
    eIndividual = 0,       // n
    eOrganization = 1,     // o
    eProgramOrService = 2, // p
    eEvent = 3,            // q
    eOtherKindOfData = 4   // z
};

// Leader/08.
enum EControlType : int
{
    eControlTypeUndefined = -1,
    eArchival = 0,      // a
    eNoSpecificType = 1 // blank
};

// Leader/09.
enum ECodingScheme : int
{
    eCodingSchemeUndefined = -1,
    eMarc8 = 0,     // blank
    eUcsUnicode = 1 // a
};

// Leader/17. The same code means different levels in different formats, so the
// getter decodes by the record's format; each value has exactly one code.
enum EEncodingLevel : int
{
    eEncodingLevelUndefined = -1,
    // bibliographic
    eFullLevel = 0,               // blank
    eFullLevelNotExamined = 1,    // 1
    eLessThanFullNotExamined = 2, // 2
    eAbbreviatedLevel = 3,        // 3
    eCoreLevel = 4,               // 4
    ePartialLevel = 5,            // 5
    eMinimalLevel = 6,            // 7
    ePrepublicationLevel = 7,     // 8
    eUnknownLevel = 8,            // u
    eNotApplicableLevel = 9,      // z
    // authority
    eCompleteAuthority = 10,   // n
    eIncompleteAuthority = 11, // o
    // holdings
    eHoldingsLevel1 = 12,          // 1
    eHoldingsLevel2 = 13,          // 2
    eHoldingsLevel3 = 14,          // 3
    eHoldingsLevel4 = 15,          // 4
    eHoldingsLevel4WithPiece = 16, // 5
    eHoldingsMixedLevel = 17,      // m
    eHoldingsUnknownLevel = 18,    // u
    eHoldingsOtherLevel = 19,      // z
    // classification
    eCompleteClassification = 20,  // n
    eIncompleteClassification = 21 // o
};

// Leader/18, bibliographic.
enum ECatalogingForm : int
{
    eCatalogingFormUndefined = -1,
    eNonIsbd = 0,                   // blank
    eAacr2 = 1,                     // a
    eIsbdPunctuationOmitted = 2,    // c
    eIsbdPunctuationIncluded = 3,   // i
    eNonIsbdPunctuationOmitted = 4, // n
    eUnknownCatalogingForm = 5      // u
};

// Leader/18, authority.
enum EPunctuationPolicy : int
{
    ePunctuationPolicyUndefined = -1,
    eNoPunctuationInformation = 0, // blank
    ePunctuationOmitted = 1,       // c
    ePunctuationIncluded = 2,      // i
    eUnknownPunctuation = 3        // u
};

// Leader/18, holdings.
enum EItemInfoInRecord : int
{
    eItemInfoUndefined = -1,
    eItemInformation = 0,  // i
    eNoItemInformation = 1 // n
};

// Leader/19.
enum ELinkRequirement : int
{
    eLinkRequirementUndefined = -1,
    eSet = 0,                        // a
    ePartWithIndependentTitle = 1,   // b
    ePartWithDependentTitle = 2,     // c
    eNotSpecifiedOrNotApplicable = 3 // blank
};
