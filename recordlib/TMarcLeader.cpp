#include "TMarcLeader.h"

#include "TException.h"

#include <cstring>
#include <string>

namespace
{

// One row of a code table: an enum value and the Leader character that stands for it.
template <typename E> struct TCodeEntry
{
    E meValue;
    char mcCode;
};

const TCodeEntry<ERecordStatus> axRecordStatusCodes[] = {
    {eIncreaseInEncodingLevel, 'a'},
    {eCorrectedOrRevised, 'c'},
    {eDeleted, 'd'},
    {eNew, 'n'},
    {eObsolete, 'o'},
    {eIncreaseFromPrepublication, 'p'},
    {eDeletedHeadingSplit, 's'},
    {eDeletedHeadingReplaced, 'x'},
};

const TCodeEntry<ETypeOfRecord> axTypeOfRecordCodes[] = {
    {eLanguageMaterial, 'a'},
    {eNotatedMusic, 'c'},
    {eManuscriptNotatedMusic, 'd'},
    {eCartographicMaterial, 'e'},
    {eManuscriptCartographicMaterial, 'f'},
    {eProjectedMedium, 'g'},
    {eNonmusicalSoundRecording, 'i'},
    {eMusicalSoundRecording, 'j'},
    {eTwoDimensionalGraphic, 'k'},
    {eComputerFile, 'm'},
    {eKit, 'o'},
    {eMixedMaterialsRecord, 'p'},
    {eThreeDimensionalArtifact, 'r'},
    {eManuscriptLanguageMaterial, 't'},
    {eAuthorityData, 'z'},
    {eUnknownHoldings, 'u'},
    {eMultipartItemHoldings, 'v'},
    {eSinglePartItemHoldings, 'x'},
    {eSerialItemHoldings, 'y'},
    {eClassificationData, 'w'},
    {eCommunityInformation, 'q'},
};

const TCodeEntry<EBibLevel> axBibLevelCodes[] = {
    {eMonographicComponentPart, 'a'},
    {eSerialComponentPart, 'b'},
    {eCollection, 'c'},
    {eSubunit, 'd'},
    {eMonograph, 'm'},
    {eSerial, 's'},
    {eIntegratingResource, 'i'},
};

const TCodeEntry<EKindOfData> axKindOfDataCodes[] = {
    {eIndividual, 'n'}, {eOrganization, 'o'}, {eProgramOrService, 'p'}, {eEvent, 'q'}, {eOtherKindOfData, 'z'},
};

const TCodeEntry<EControlType> axControlTypeCodes[] = {
    {eArchival, 'a'},
    {eNoSpecificType, ' '},
};

const TCodeEntry<ECodingScheme> axCodingSchemeCodes[] = {
    {eMarc8, ' '},
    {eUcsUnicode, 'a'},
};

const TCodeEntry<EEncodingLevel> axBibliographicEncodingCodes[] = {
    {eFullLevel, ' '},
    {eFullLevelNotExamined, '1'},
    {eLessThanFullNotExamined, '2'},
    {eAbbreviatedLevel, '3'},
    {eCoreLevel, '4'},
    {ePartialLevel, '5'},
    {eMinimalLevel, '7'},
    {ePrepublicationLevel, '8'},
    {eUnknownLevel, 'u'},
    {eNotApplicableLevel, 'z'},
};

const TCodeEntry<EEncodingLevel> axAuthorityEncodingCodes[] = {
    {eCompleteAuthority, 'n'},
    {eIncompleteAuthority, 'o'},
};

const TCodeEntry<EEncodingLevel> axHoldingsEncodingCodes[] = {
    {eHoldingsLevel1, '1'},       {eHoldingsLevel2, '2'},          {eHoldingsLevel3, '3'},
    {eHoldingsLevel4, '4'},       {eHoldingsLevel4WithPiece, '5'}, {eHoldingsMixedLevel, 'm'},
    {eHoldingsUnknownLevel, 'u'}, {eHoldingsOtherLevel, 'z'},
};

const TCodeEntry<EEncodingLevel> axClassificationEncodingCodes[] = {
    {eCompleteClassification, 'n'},
    {eIncompleteClassification, 'o'},
};

const TCodeEntry<ECatalogingForm> axCatalogingFormCodes[] = {
    {eNonIsbd, ' '},
    {eAacr2, 'a'},
    {eIsbdPunctuationOmitted, 'c'},
    {eIsbdPunctuationIncluded, 'i'},
    {eNonIsbdPunctuationOmitted, 'n'},
    {eUnknownCatalogingForm, 'u'},
};

const TCodeEntry<EPunctuationPolicy> axPunctuationPolicyCodes[] = {
    {eNoPunctuationInformation, ' '},
    {ePunctuationOmitted, 'c'},
    {ePunctuationIncluded, 'i'},
    {eUnknownPunctuation, 'u'},
};

const TCodeEntry<EItemInfoInRecord> axItemInfoCodes[] = {
    {eItemInformation, 'i'},
    {eNoItemInformation, 'n'},
};

const TCodeEntry<ELinkRequirement> axLinkRequirementCodes[] = {
    {eSet, 'a'},
    {ePartWithIndependentTitle, 'b'},
    {ePartWithDependentTitle, 'c'},
    {eNotSpecifiedOrNotApplicable, ' '},
};

// Leader/06 codes that are not bibliographic, and the format each implies.
const TCodeEntry<EMarcType> axFormatByTypeOfRecord[] = {
    {eAuthority, 'z'}, {eHoldings, 'u'},  {eHoldings, 'v'},       {eHoldings, 'x'},
    {eHoldings, 'y'},  {eCommunity, 'q'}, {eClassification, 'w'},
};

const char acDefaultLeader[] = "00000     2200000   4500";

template <typename E, std::size_t N> E qeDecode(const TCodeEntry<E> (&axTable)[N], char cCode, E eUndefined)
{
    for (const TCodeEntry<E>& rxEntry : axTable)
        if (rxEntry.mcCode == cCode)
            return rxEntry.meValue;
    return eUndefined;
}

template <typename E, std::size_t N> bool qtEncode(const TCodeEntry<E> (&axTable)[N], E eValue, char& rcCode)
{
    for (const TCodeEntry<E>& rxEntry : axTable)
    {
        if (rxEntry.meValue == eValue)
        {
            rcCode = rxEntry.mcCode;
            return true;
        }
    }
    return false;
}

[[noreturn]] void qvThrowNoCode(const wchar_t* pwcMethod, int iValue)
{
    throw TException(std::wstring(pwcMethod) + L" : Value " + std::to_wstring(iValue) + L" has no MARC 21 code",
                     eErrorFatal, -1);
}

template <typename E, std::size_t N>
char qcEncode(const TCodeEntry<E> (&axTable)[N], E eValue, const wchar_t* pwcMethod)
{
    char cCode = 0;
    if (!qtEncode(axTable, eValue, cCode))
        qvThrowNoCode(pwcMethod, static_cast<int>(eValue));
    return cCode;
}

constexpr uint32_t dwStatusPos = 5;
constexpr uint32_t dwTypeOfRecordPos = 6;
constexpr uint32_t dwBibLevelPos = 7;
constexpr uint32_t dwControlTypePos = 8;
constexpr uint32_t dwCodingSchemePos = 9;
constexpr uint32_t dwEncodingLevelPos = 17;
constexpr uint32_t dwCatalogingFormPos = 18;
constexpr uint32_t dwLinkRequirementPos = 19;

} // namespace

// Out-of-class definition, so that the DLL exports the constant for code that takes its
// address (a reference to an inline constant cannot be imported).
constexpr uint32_t TMarcLeader::mdwLength_static;

TMarcLeader::TMarcLeader() : mtHasMarcType(false), meMarcType(eBibliographic)
{
    std::memcpy(macData, acDefaultLeader, sizeof macData);
}

const char* TMarcLeader::qpacGetData() const
{
    return macData;
}

void TMarcLeader::qvCheckData(const char* pacData, const wchar_t* pwcCaller)
{
    // The caller's name becomes a string only for a message: this runs for every
    // record read.
    if (pacData == nullptr)
        throw TException(std::wstring(pwcCaller) + L" : Null leader", eErrorFatal, -1);
    // Look at no more than one character past the 24 the leader needs.
    uint32_t dwLength = 0;
    while (dwLength <= mdwLength_static && pacData[dwLength] != '\0')
        ++dwLength;
    if (dwLength != mdwLength_static)
        throw TException(std::wstring(pwcCaller) + L" : Leader must have 24 characters", eErrorRecoverable, -1);
    for (uint32_t dw = 0; dw < mdwLength_static; ++dw)
    {
        const unsigned char c = static_cast<unsigned char>(pacData[dw]);
        if (c < 0x20 || c > 0x7E)
            throw TException(std::wstring(pwcCaller) + L" : Leader position " + std::to_wstring(dw) +
                                 L" holds a character that is not printable ASCII",
                             eErrorRecoverable, -1);
    }
}

void TMarcLeader::qvSetData(const char* pacData)
{
    qvCheckData(pacData, L"TMarcLeader::qvSetData()");
    std::memcpy(macData, pacData, mdwLength_static);
}

char TMarcLeader::qcGetAt(uint32_t dwPosition) const
{
    if (dwPosition >= mdwLength_static)
        throw TException(L"TMarcLeader::qcGetAt() : Position out of range", eErrorFatal, -1);
    return macData[dwPosition];
}

void TMarcLeader::qvSetAt(uint32_t dwPosition, char cCode)
{
    if (dwPosition >= mdwLength_static)
        throw TException(L"TMarcLeader::qvSetAt() : Position out of range", eErrorFatal, -1);
    const unsigned char c = static_cast<unsigned char>(cCode);
    if (c < 0x20 || c > 0x7E)
        throw TException(L"TMarcLeader::qvSetAt() : Character is not printable ASCII", eErrorRecoverable, -1);
    macData[dwPosition] = cCode;
}

EMarcType TMarcLeader::qeGetType() const
{
    if (mtHasMarcType)
        return meMarcType;
    return qeDecode(axFormatByTypeOfRecord, macData[dwTypeOfRecordPos], eBibliographic);
}

void TMarcLeader::qvSetMarcType(EMarcType eMarcType)
{
    if (eMarcType < eBibliographic || eMarcType > eClassification)
        throw TException(L"TMarcLeader::qvSetMarcType() : Unknown record format " +
                             std::to_wstring(static_cast<int>(eMarcType)),
                         eErrorFatal, -1);
    meMarcType = eMarcType;
    mtHasMarcType = true;
}

void TMarcLeader::qvClearMarcType()
{
    mtHasMarcType = false;
    meMarcType = eBibliographic;
}

bool TMarcLeader::qtHasMarcType() const
{
    return mtHasMarcType;
}

ERecordStatus TMarcLeader::qeGetStatus() const
{
    return qeDecode(axRecordStatusCodes, macData[dwStatusPos], eRecordStatusUndefined);
}

void TMarcLeader::qvSetStatus(ERecordStatus eValue)
{
    macData[dwStatusPos] = qcEncode(axRecordStatusCodes, eValue, L"TMarcLeader::qvSetStatus()");
}

ETypeOfRecord TMarcLeader::qeGetTypeOfRecord() const
{
    return qeDecode(axTypeOfRecordCodes, macData[dwTypeOfRecordPos], eTypeOfRecordUndefined);
}

void TMarcLeader::qvSetTypeOfRecord(ETypeOfRecord eValue)
{
    macData[dwTypeOfRecordPos] = qcEncode(axTypeOfRecordCodes, eValue, L"TMarcLeader::qvSetTypeOfRecord()");
}

EBibLevel TMarcLeader::qeGetBibLevel() const
{
    return qeDecode(axBibLevelCodes, macData[dwBibLevelPos], eBibLevelUndefined);
}

void TMarcLeader::qvSetBibLevel(EBibLevel eValue)
{
    macData[dwBibLevelPos] = qcEncode(axBibLevelCodes, eValue, L"TMarcLeader::qvSetBibLevel()");
}

EKindOfData TMarcLeader::qeGetKindOfData() const
{
    return qeDecode(axKindOfDataCodes, macData[dwBibLevelPos], eKindOfDataUndefined);
}

void TMarcLeader::qvSetKindOfData(EKindOfData eValue)
{
    macData[dwBibLevelPos] = qcEncode(axKindOfDataCodes, eValue, L"TMarcLeader::qvSetKindOfData()");
}

EControlType TMarcLeader::qeGetControlType() const
{
    return qeDecode(axControlTypeCodes, macData[dwControlTypePos], eControlTypeUndefined);
}

void TMarcLeader::qvSetControlType(EControlType eValue)
{
    macData[dwControlTypePos] = qcEncode(axControlTypeCodes, eValue, L"TMarcLeader::qvSetControlType()");
}

ECodingScheme TMarcLeader::qeGetCodingScheme() const
{
    return qeDecode(axCodingSchemeCodes, macData[dwCodingSchemePos], eCodingSchemeUndefined);
}

void TMarcLeader::qvSetCodingScheme(ECodingScheme eValue)
{
    macData[dwCodingSchemePos] = qcEncode(axCodingSchemeCodes, eValue, L"TMarcLeader::qvSetCodingScheme()");
}

EEncodingLevel TMarcLeader::qeGetEncodingLevel() const
{
    const char cCode = macData[dwEncodingLevelPos];
    switch (qeGetType())
    {
    case eBibliographic:
        return qeDecode(axBibliographicEncodingCodes, cCode, eEncodingLevelUndefined);
    case eAuthority:
        return qeDecode(axAuthorityEncodingCodes, cCode, eEncodingLevelUndefined);
    case eHoldings:
        return qeDecode(axHoldingsEncodingCodes, cCode, eEncodingLevelUndefined);
    case eClassification:
        return qeDecode(axClassificationEncodingCodes, cCode, eEncodingLevelUndefined);
    default:
        return eEncodingLevelUndefined;
    }
}

void TMarcLeader::qvSetEncodingLevel(EEncodingLevel eValue)
{
    char cCode = 0;
    if (!qtEncode(axBibliographicEncodingCodes, eValue, cCode) && !qtEncode(axAuthorityEncodingCodes, eValue, cCode) &&
        !qtEncode(axHoldingsEncodingCodes, eValue, cCode) && !qtEncode(axClassificationEncodingCodes, eValue, cCode))
        qvThrowNoCode(L"TMarcLeader::qvSetEncodingLevel()", static_cast<int>(eValue));
    macData[dwEncodingLevelPos] = cCode;
}

ECatalogingForm TMarcLeader::qeGetCatalogingForm() const
{
    return qeDecode(axCatalogingFormCodes, macData[dwCatalogingFormPos], eCatalogingFormUndefined);
}

void TMarcLeader::qvSetCatalogingForm(ECatalogingForm eValue)
{
    macData[dwCatalogingFormPos] = qcEncode(axCatalogingFormCodes, eValue, L"TMarcLeader::qvSetCatalogingForm()");
}

EPunctuationPolicy TMarcLeader::qeGetPunctuationPolicy() const
{
    return qeDecode(axPunctuationPolicyCodes, macData[dwCatalogingFormPos], ePunctuationPolicyUndefined);
}

void TMarcLeader::qvSetPunctuationPolicy(EPunctuationPolicy eValue)
{
    macData[dwCatalogingFormPos] = qcEncode(axPunctuationPolicyCodes, eValue, L"TMarcLeader::qvSetPunctuationPolicy()");
}

EItemInfoInRecord TMarcLeader::qeGetItemInfoInRecord() const
{
    return qeDecode(axItemInfoCodes, macData[dwCatalogingFormPos], eItemInfoUndefined);
}

void TMarcLeader::qvSetItemInfoInRecord(EItemInfoInRecord eValue)
{
    macData[dwCatalogingFormPos] = qcEncode(axItemInfoCodes, eValue, L"TMarcLeader::qvSetItemInfoInRecord()");
}

ELinkRequirement TMarcLeader::qeGetLinkRequirement() const
{
    return qeDecode(axLinkRequirementCodes, macData[dwLinkRequirementPos], eLinkRequirementUndefined);
}

void TMarcLeader::qvSetLinkRequirement(ELinkRequirement eValue)
{
    macData[dwLinkRequirementPos] = qcEncode(axLinkRequirementCodes, eValue, L"TMarcLeader::qvSetLinkRequirement()");
}
