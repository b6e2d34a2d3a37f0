#include "core/TRecordChecker.h"

#include "core/T006Layout.h"
#include "core/T007Categories.h"
#include "core/T008Layout.h"
#include "core/T856CodeLists.h"
#include "core/TCodeLists.h"
#include "core/TCodeMatch.h"
#include "core/TGeneric008.h"
#include "core/TLeaderCodeLists.h"
#include "core/TMaterialType.h"
#include "recordlib/TException.h"
#include "recordlib/TMarcRecord.h"

#include <algorithm>
#include <cstring>

namespace
{
// A fixed field is checked from a NUL-terminated copy of its first bytes: no
// layout reaches this far, and a longer field is only a length finding.
constexpr int kFixedCopy = 63;
constexpr uint64_t kOne = 1;

const char kDigits[] = "0123456789";
const char kBlankOrFill[] = "blank or fill";
const char kSomeList[] = "its list";
const char kIndicatorCount[] = "22";
const char kEntryMap[] = "4500";
const char kAnyTag008[] = "an 008";
const char kOne008[] = "one 008";
const char kSubfield2[] = "$2 exactly when the first indicator is 7";

constexpr char kFill = '|';
constexpr int kTag006 = 6;
constexpr int kTag007 = 7;
constexpr int kTag008 = 8;
constexpr int kTag856 = 856;

// One fixed field as the checks read it.
struct TFixedField
{
    char acData[kFixedCopy + 1];
    int iLength; // the field's whole length, which may exceed the copy
    int iTag;
    int iOccurrence;
};

TCheckFinding& qrxAdd(std::vector<TCheckFinding>& rxFindings, ECheckKind eKind, ECheckSeverity eSeverity, int iTag,
                      int iOccurrence, int iPosition, int iCount, const char* pacExpected)
{
    rxFindings.emplace_back();
    TCheckFinding& rxFinding = rxFindings.back();
    rxFinding.meKind = eKind;
    rxFinding.meSeverity = eSeverity;
    rxFinding.miTag = iTag;
    rxFinding.miOccurrence = iOccurrence;
    rxFinding.miPosition = iPosition;
    rxFinding.miCount = iCount;
    rxFinding.macFound[0] = '\0';
    rxFinding.mpacExpected = pacExpected;
    rxFinding.miExpectedLength = 0;
    rxFinding.mpxList = nullptr;
    return rxFinding;
}

void qvSetFound(TCheckFinding& rxFinding, const char* pacFound, int iCount)
{
    const int iCopied = std::clamp(iCount, 0, static_cast<int>(sizeof(rxFinding.macFound)) - 1);
    std::memcpy(rxFinding.macFound, pacFound, static_cast<std::size_t>(iCopied));
    rxFinding.macFound[iCopied] = '\0';
}

const char* qpacListName(const TCodeListEntry* pxRows)
{
    const char* pacName = qpacCodeListName(pxRows);
    return pacName != nullptr ? pacName : kSomeList;
}

// The widest code of a list: the characters of the field its rows compare.
int qiCodeWidth(const TCodeListEntry* pxRows)
{
    int iWidth = 1;
    for (; pxRows->labelId != 0; ++pxRows)
        iWidth = std::max(iWidth, static_cast<int>(::strnlen(pxRows->code, sizeof(pxRows->code))));
    return iWidth;
}

bool qtAllFill(const char* pacData, int iCount)
{
    for (int i = 0; i < iCount; ++i)
        if (pacData[i] != kFill)
            return false;
    return true;
}

// Positions [iPosition, iPosition + iCount) that fall inside the field, as a mask.
uint64_t qqwMask(int iPosition, int iCount)
{
    uint64_t qwMask = 0;
    for (int i = std::max(iPosition, 0); i < iPosition + iCount && i < kFixedCopy; ++i)
        qwMask |= kOne << i;
    return qwMask;
}

void qvCheckList(const TFixedField& rxField, const TLayoutList& rxList, std::vector<TCheckFinding>& rxFindings)
{
    // A position past the end of a short field: the length finding says it.
    const int iCopied = std::min(rxField.iLength, kFixedCopy);
    if (rxList.position >= iCopied)
        return;
    // A row matches only inside the copy (its terminator matches no code), so a
    // defined code is known before the list's width is looked for.
    const char* pacFrom = rxField.acData + rxList.position;
    if (qiFindCodeRow(rxList.codeList, pacFrom) >= 0)
        return;
    const int iWidth = qiCodeWidth(rxList.codeList);
    if (rxList.position + iWidth > iCopied)
        return;
    const bool tFill = qtAllFill(pacFrom, iWidth);
    TCheckFinding& rxFinding =
        qrxAdd(rxFindings, tFill ? eCheckFillCharacter : eCheckUndefinedCode, tFill ? eCheckWarning : eCheckError,
               rxField.iTag, rxField.iOccurrence, rxList.position, iWidth, qpacListName(rxList.codeList));
    rxFinding.mpxList = rxList.codeList;
    qvSetFound(rxFinding, pacFrom, iWidth);
}

void qvCheckEdit(const TFixedField& rxField, const TLayoutEdit& rxEdit, std::vector<TCheckFinding>& rxFindings)
{
    const int iEnd = std::min({rxEdit.position + rxEdit.length, rxField.iLength, kFixedCopy});
    const char* pacAllowed = rxEdit.allowedChars != nullptr ? rxEdit.allowedChars : kDigits;
    for (int i = rxEdit.position; i < iEnd; ++i)
    {
        const char c = rxField.acData[i];
        if (c == '\0' || std::strchr(pacAllowed, c) == nullptr)
        {
            TCheckFinding& rxFinding = qrxAdd(rxFindings, eCheckDisallowedChars, eCheckError, rxField.iTag,
                                              rxField.iOccurrence, rxEdit.position, rxEdit.length, pacAllowed);
            qvSetFound(rxFinding, rxField.acData + rxEdit.position, iEnd - rxEdit.position);
            return;
        }
    }
}

// Whether the field holds only blanks and fill characters in the range.
bool qtBlankOrFill(const TFixedField& rxField, const TPositionRange& rxRange)
{
    const int iEnd = std::min({rxRange.last + 1, rxField.iLength, kFixedCopy});
    for (int i = rxRange.first; i < iEnd; ++i)
        if (rxField.acData[i] != ' ' && rxField.acData[i] != kFill)
            return false;
    return true;
}

void qvCheckUndefined(const TFixedField& rxField, const TPositionRange& rxRange, uint64_t qwCovered,
                      std::vector<TCheckFinding>& rxFindings)
{
    const int iEnd = std::min({rxRange.last + 1, rxField.iLength, kFixedCopy});
    for (int i = rxRange.first; i < iEnd; ++i)
    {
        const char c = rxField.acData[i];
        if ((qwCovered & (kOne << i)) != 0 || c == ' ' || c == kFill)
            continue;
        TCheckFinding& rxFinding =
            qrxAdd(rxFindings, eCheckUndefinedPosition, eCheckWarning, rxField.iTag, rxField.iOccurrence, rxRange.first,
                   rxRange.last - rxRange.first + 1, kBlankOrFill);
        qvSetFound(rxFinding, rxField.acData + rxRange.first, iEnd - rxRange.first);
        return;
    }
}

// Shorter than iShortest is an error (positions are missing); longer than
// iLongest a warning (characters past the field's end).
void qvCheckLength(const TFixedField& rxField, int iShortest, int iLongest, std::vector<TCheckFinding>& rxFindings)
{
    if (rxField.iLength >= iShortest && rxField.iLength <= iLongest)
        return;
    const bool tShort = rxField.iLength < iShortest;
    const int iExpected = tShort ? iShortest : iLongest;
    TCheckFinding& rxFinding = qrxAdd(rxFindings, eCheckFieldLength, tShort ? eCheckError : eCheckWarning, rxField.iTag,
                                      rxField.iOccurrence, -1, 0, "");
    const std::string xLength = std::to_string(rxField.iLength);
    qvSetFound(rxFinding, xLength.data(), static_cast<int>(xLength.size()));
    rxFinding.miExpectedLength = iExpected;
}

// The positions the layout's lists and edit boxes cover, as a mask.
uint64_t qqwCovered(const TFieldLayout& rxLayout)
{
    uint64_t qwCovered = 0;
    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
        qwCovered |= qqwMask(pxList->position, qiCodeWidth(pxList->codeList));
    for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
        qwCovered |= qqwMask(pxEdit->position, pxEdit->length);
    return qwCovered;
}

// Every list, edit box and undefined range of the layout over the field. What
// the lists and boxes cover is worked out only for an undefined range that
// holds something other than blanks and fill (this runs for every fixed field).
void qvCheckLayout(const TFixedField& rxField, const TFieldLayout& rxLayout, std::vector<TCheckFinding>& rxFindings)
{
    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
        qvCheckList(rxField, *pxList, rxFindings);
    for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
        qvCheckEdit(rxField, *pxEdit, rxFindings);
    uint64_t qwCovered = 0;
    bool tCoveredKnown = false;
    for (const TPositionRange* pxRange = rxLayout.undefined; pxRange->first != 0 || pxRange->last != 0; ++pxRange)
    {
        if (qtBlankOrFill(rxField, *pxRange))
            continue;
        if (!tCoveredKnown)
        {
            qwCovered = qqwCovered(rxLayout);
            tCoveredKnown = true;
        }
        qvCheckUndefined(rxField, *pxRange, qwCovered, rxFindings);
    }
}

// A first position (006 form, 007 category) that selects no layout.
void qvNoLayout(const TFixedField& rxField, const TCodeListEntry* pxList, std::vector<TCheckFinding>& rxFindings)
{
    TCheckFinding& rxFinding =
        qrxAdd(rxFindings, eCheckNoLayout, eCheckError, rxField.iTag, rxField.iOccurrence, 0, 1, qpacListName(pxList));
    rxFinding.mpxList = pxList;
    qvSetFound(rxFinding, rxField.acData, std::min(rxField.iLength, 1));
}

void qvCheck006(const TFixedField& rxField, std::vector<TCheckFinding>& rxFindings)
{
    const TFieldLayout* pxLayout = rxField.iLength > 0 ? qpxGet006Layout(qe006FormGroup(rxField.acData[0])) : nullptr;
    if (pxLayout == nullptr)
    {
        qvNoLayout(rxField, qpxGet006FormList(false), rxFindings);
        return;
    }
    qvCheckLength(rxField, k006FieldLength, k006FieldLength, rxFindings);
    qvCheckLayout(rxField, *pxLayout, rxFindings);
}

void qvCheck007(const TFixedField& rxField, std::vector<TCheckFinding>& rxFindings)
{
    const T007Category& rxCategory = qrx007Category(rxField.iLength > 0 ? rxField.acData[0] : 0);
    if (!qt007HasLayout(rxCategory))
    {
        qvNoLayout(rxField, qpx007CategoryList(0), rxFindings);
        return;
    }
    qvCheckLength(rxField, rxCategory.fieldLength, rxCategory.fieldLength, rxFindings);
    qvCheckLayout(rxField, *rxCategory.layout, rxFindings);
}

void qvCheck008(const TFixedField& rxField, const TMarcLeader& rxLeader, std::vector<TCheckFinding>& rxFindings)
{
    // A record with no 008 layout (patron, a bibliographic record of no material
    // type) has its Leader finding; its 008 is not checked.
    const EMarcType eType = rxLeader.qeGetType();
    const TFieldLayout* pxLayout =
        qpxGet008Layout(eType, eType == eBibliographic ? qeGetMaterialTypeOf(rxLeader) : eUnknownMaterial);
    if (pxLayout == nullptr)
        return;
    // The 008 of a holdings, community or classification record is shorter
    // than the 40 positions the editor shows (the rest undefined): as long as
    // the default 008 of its type.
    const char* pacDefault = qpacGetGeneric008(qeChooseGeneric008(rxLeader));
    const int iShortest = pacDefault != nullptr ? static_cast<int>(std::strlen(pacDefault)) : k008FieldLength;
    qvCheckLength(rxField, std::min(iShortest, k008FieldLength), k008FieldLength, rxFindings);
    qvCheckLayout(rxField, *pxLayout, rxFindings);
}

void qvCheckIndicator(int iOccurrence, int iIndicator, char cValue, const TCodeListEntry* pxList,
                      std::vector<TCheckFinding>& rxFindings)
{
    const char acValue[2] = {cValue, '\0'};
    if (qiFindCodeRow(pxList, acValue) >= 0)
        return;
    TCheckFinding& rxFinding =
        qrxAdd(rxFindings, eCheckIndicator, eCheckError, kTag856, iOccurrence, iIndicator, 1, qpacListName(pxList));
    rxFinding.mpxList = pxList;
    qvSetFound(rxFinding, acValue, 1);
}

bool qtHasSubfield(const TMarcTag& rxField, char cCode)
{
    const unsigned char* paxData = rxField.qpaxGetData();
    const uint32_t dwSize = rxField.qdwGetDataSize();
    for (uint32_t i = 2; i + 1 < dwSize; ++i)
        if (paxData[i] == static_cast<unsigned char>(TMarcTag::mcDelimiter) &&
            paxData[i + 1] == static_cast<unsigned char>(cCode))
            return true;
    return false;
}

void qvCheck856(const TMarcTag& rxField, int iOccurrence, std::vector<TCheckFinding>& rxFindings)
{
    const char cFirst = rxField.qcGetIndicator(eFirstIndicator);
    qvCheckIndicator(iOccurrence, 1, cFirst, k856FirstIndicators_static, rxFindings);
    qvCheckIndicator(iOccurrence, 2, rxField.qcGetIndicator(eSecondIndicator), k856SecondIndicators_static, rxFindings);
    const bool tNamed = cFirst == '7';
    if (qtHasSubfield(rxField, '2') != tNamed)
    {
        TCheckFinding& rxFinding =
            qrxAdd(rxFindings, eCheckSubfield2, eCheckError, kTag856, iOccurrence, 1, 1, kSubfield2);
        qvSetFound(rxFinding, &cFirst, 1);
    }
}

void qvCheckLeader(const TMarcLeader& rxLeader, std::vector<TCheckFinding>& rxFindings)
{
    const char* pacLeader = rxLeader.qpacGetData();
    const EMarcType eType = rxLeader.qeGetType();
    for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
    {
        const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, eType);
        if (pxList->entries == nullptr || pxList->entries[0].labelId == 0)
            continue;
        const int iValue = TLeaderCodeLists::qiGetValue(rxLeader, pxList->accessor);
        if (TLeaderCodeLists::qiFindValue(pxList->entries, iValue) >= 0)
            continue;
        const TLeaderRow* pxRow = TLeaderCodeLists::qpxGetRow(iRow);
        const char* pacName = TLeaderCodeLists::qpacGetListName(pxList->accessor);
        TCheckFinding& rxFinding = qrxAdd(rxFindings, eCheckUndefinedCode, eCheckError, kCheckLeaderTag, 0,
                                          pxRow->position, 1, pacName != nullptr ? pacName : kSomeList);
        qvSetFound(rxFinding, pacLeader + pxRow->position, 1);
    }
    struct TFixedPart
    {
        int iPosition;
        const char* pacValue;
    };
    for (const TFixedPart& rxPart : {TFixedPart{10, kIndicatorCount}, TFixedPart{20, kEntryMap}})
    {
        const int iCount = static_cast<int>(std::strlen(rxPart.pacValue));
        if (std::memcmp(pacLeader + rxPart.iPosition, rxPart.pacValue, static_cast<std::size_t>(iCount)) == 0)
            continue;
        TCheckFinding& rxFinding = qrxAdd(rxFindings, eCheckLeaderStructure, eCheckError, kCheckLeaderTag, 0,
                                          rxPart.iPosition, iCount, rxPart.pacValue);
        qvSetFound(rxFinding, pacLeader + rxPart.iPosition, iCount);
    }
}

void qvCopyFixed(const TMarcTag& rxField, int iOccurrence, TFixedField& rxFixed)
{
    const uint32_t dwSize = rxField.qdwGetDataSize();
    const uint32_t dwCopied = std::min<uint32_t>(dwSize, kFixedCopy);
    std::memcpy(rxFixed.acData, rxField.qpaxGetData(), dwCopied);
    rxFixed.acData[dwCopied] = '\0';
    rxFixed.iLength = static_cast<int>(std::min<uint32_t>(dwSize, TMarcRecord::mdwMaxFieldLength_static));
    rxFixed.iTag = rxField.qiGetTagNumber();
    rxFixed.iOccurrence = iOccurrence;
}

// i in decimal, with leading zeros to at least iWidth digits (i >= 0).
void qvAppendNumber(int i, int iWidth, std::string& rxOut)
{
    char acDigits[12];
    int n = 0;
    unsigned int u = static_cast<unsigned int>(i);
    do
    {
        acDigits[n++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    for (; n < iWidth; ++n)
        acDigits[n] = '0';
    while (n > 0)
        rxOut += acDigits[--n];
}

const char* const kKindNames[eCheckKindCount] = {
    "undefined-code",   "fill-character", "disallowed-characters", "undefined-position", "field-length", "no-layout",
    "leader-structure", "missing-008",    "repeated-008",          "indicator",          "subfield-2",   "repaired",
    "unreadable",
};
}

void qvCheckRecord(const TMarcRecord& rxRecord, std::vector<TCheckFinding>& rxFindings)
{
    const TMarcLeader& rxLeader = rxRecord.qrxGetLeader();
    qvCheckLeader(rxLeader, rxFindings);
    int i006 = 0;
    int i007 = 0;
    int i008 = 0;
    int i856 = 0;
    TFixedField xFixed;
    const uint32_t dwCount = rxRecord.qdwGetFieldCount();
    for (uint32_t n = 0; n < dwCount; ++n)
    {
        const TMarcTag& rxField = rxRecord.qrxGetField(n);
        switch (rxField.qiGetTagNumber())
        {
        case kTag006:
            qvCopyFixed(rxField, ++i006, xFixed);
            qvCheck006(xFixed, rxFindings);
            break;
        case kTag007:
            qvCopyFixed(rxField, ++i007, xFixed);
            qvCheck007(xFixed, rxFindings);
            break;
        case kTag008:
            qvCopyFixed(rxField, ++i008, xFixed);
            if (i008 > 1)
                qrxAdd(rxFindings, eCheckRepeated008, eCheckError, kTag008, i008, -1, 0, kOne008);
            else
                qvCheck008(xFixed, rxLeader, rxFindings);
            break;
        case kTag856:
            qvCheck856(rxField, ++i856, rxFindings);
            break;
        default:
            break;
        }
    }
    if (i008 == 0 && rxLeader.qeGetType() == eBibliographic)
        qrxAdd(rxFindings, eCheckMissing008, eCheckError, kCheckRecordTag, 0, -1, 0, kAnyTag008);
}

void TRecordChecker::qvAddRepairs(const std::vector<TRepair>& rxRepairs, std::vector<TCheckFinding>& rxFindings)
{
    for (const TRepair& rxRepair : rxRepairs)
    {
        TCheckFinding& rxFinding = qrxAdd(rxFindings, eCheckRepaired, eCheckError, kCheckRecordTag, 0, -1, 0, "");
        rxFinding.mxText = qxAsciiText(rxRepair.mxText);
    }
}

void qvAddUnreadable(const char* pacWhat, const std::wstring& rxReaderMessage, std::vector<TCheckFinding>& rxFindings)
{
    // A reader's message begins with the method that threw ("TIso2709Reader::
    // qtReadNext() : "), which tells a cataloguer nothing.
    std::string xMessage = qxAsciiText(rxReaderMessage);
    const std::size_t nSeparator = xMessage.find(") : ");
    if (nSeparator != std::string::npos && xMessage.find("::") < nSeparator)
        xMessage.erase(0, nSeparator + 4);
    TCheckFinding& rxFinding = qrxAdd(rxFindings, eCheckUnreadable, eCheckError, kCheckRecordTag, 0, -1, 0, "");
    rxFinding.mxText = std::string(pacWhat) + ": " + xMessage;
}

TRecordChecker::TRecordChecker() : mpxRecord(std::make_unique<TMarcRecord>()) {}

TRecordChecker::~TRecordChecker() = default;

void TRecordChecker::qvCheck(const TMarcRecord& rxRecord)
{
    mxFindings.clear();
    qvCheckRecord(rxRecord, mxFindings);
}

bool TRecordChecker::qtCheckIso2709(const unsigned char* paxData, uint32_t dwSize)
{
    mxFindings.clear();
    try
    {
        mpxRecord->qvSetUSMarcData(paxData, dwSize);
    }
    catch (const TException&)
    {
        try
        {
            mpxRecord->qvRepairUSMarcData(paxData, dwSize, mxRepairs);
        }
        catch (const TException& e)
        {
            qvAddUnreadable("not readable as a record", e.qpwcGetMessage(), mxFindings);
            mpxRecord->qvClear(false);
            return false;
        }
        qvAddRepairs(mxRepairs, mxFindings);
    }
    qvCheckRecord(*mpxRecord, mxFindings);
    return true;
}

const TMarcRecord& TRecordChecker::qrxGetRecord() const
{
    return *mpxRecord;
}

bool TRecordChecker::qtHasErrors() const
{
    for (const TCheckFinding& rxFinding : mxFindings)
        if (rxFinding.meSeverity == eCheckError)
            return true;
    return false;
}

void qvAppendPlace(const TCheckFinding& rxFinding, std::string& rxOut)
{
    if (rxFinding.miTag == kCheckRecordTag)
    {
        rxOut += "record";
        return;
    }
    if (rxFinding.miTag == kCheckLeaderTag)
        rxOut += "Leader";
    else
        qvAppendNumber(rxFinding.miTag, 3, rxOut);
    if (rxFinding.miOccurrence > 1)
    {
        rxOut += " (";
        qvAppendNumber(rxFinding.miOccurrence, 1, rxOut);
        rxOut += ')';
    }
    if (rxFinding.miPosition < 0)
        return;
    if (rxFinding.meKind == eCheckIndicator || rxFinding.meKind == eCheckSubfield2)
    {
        rxOut += rxFinding.miPosition == 1 ? " first indicator" : " second indicator";
        return;
    }
    rxOut += '/';
    qvAppendNumber(rxFinding.miPosition, 2, rxOut);
    if (rxFinding.miCount > 1)
    {
        rxOut += '-';
        qvAppendNumber(rxFinding.miPosition + rxFinding.miCount - 1, 2, rxOut);
    }
}

std::string qxDescribePlace(const TCheckFinding& rxFinding)
{
    std::string xPlace;
    qvAppendPlace(rxFinding, xPlace);
    return xPlace;
}

void qvAppendProblem(const TCheckFinding& rxFinding, std::string& rxOut)
{
    const char* pacFound = rxFinding.macFound;
    const char* pacExpected = rxFinding.mpacExpected;
    auto qvFound = [&] {
        rxOut += '"';
        rxOut += pacFound;
        rxOut += '"';
    };
    switch (rxFinding.meKind)
    {
    case eCheckUndefinedCode:
    case eCheckIndicator:
        qvFound();
        rxOut += " is no code of ";
        rxOut += pacExpected;
        return;
    case eCheckFillCharacter:
        rxOut += "fill character ";
        qvFound();
        rxOut += " where ";
        rxOut += pacExpected;
        rxOut += " expects a code";
        return;
    case eCheckDisallowedChars:
        qvFound();
        rxOut += " has characters other than \"";
        rxOut += pacExpected;
        rxOut += '"';
        return;
    case eCheckUndefinedPosition:
        qvFound();
        rxOut += " where the field defines nothing (obsolete?): ";
        rxOut += pacExpected;
        rxOut += " expected";
        return;
    case eCheckFieldLength:
        rxOut += pacFound;
        rxOut += rxFinding.meSeverity == eCheckError ? " characters, at least " : " characters, at most ";
        qvAppendNumber(rxFinding.miExpectedLength, 1, rxOut);
        rxOut += " expected";
        return;
    case eCheckNoLayout:
        qvFound();
        rxOut += " is no code of ";
        rxOut += pacExpected;
        rxOut += " that has a layout; the rest is not checked";
        return;
    case eCheckLeaderStructure:
        qvFound();
        rxOut += " where \"";
        rxOut += pacExpected;
        rxOut += "\" is expected";
        return;
    case eCheckMissing008:
        rxOut += "a bibliographic record without 008";
        return;
    case eCheckRepeated008:
        rxOut += "another 008: a record has ";
        rxOut += pacExpected;
        return;
    case eCheckSubfield2:
        if (pacFound[0] == '7')
            rxOut += "first indicator 7 without $2 (the access method's name)";
        else
        {
            rxOut += "$2 with first indicator ";
            qvFound();
            rxOut += " (only 7 takes one)";
        }
        return;
    case eCheckRepaired:
    case eCheckUnreadable:
    case eCheckKindCount:
        break;
    }
    rxOut += rxFinding.mxText;
}

std::string qxDescribeProblem(const TCheckFinding& rxFinding)
{
    std::string xProblem;
    qvAppendProblem(rxFinding, xProblem);
    return xProblem;
}

const char kFindingRowHeader[] = "severity\tkind\tplace\ttag\toccurrence\tposition\tcount\tfound\texpected\tproblem";

void qvAppendFindingRow(const TCheckFinding& rxFinding, std::string& rxOut)
{
    std::string xTag;
    if (rxFinding.miTag >= 0)
        qvAppendNumber(rxFinding.miTag, 3, xTag);
    else if (rxFinding.miTag == kCheckLeaderTag)
        xTag = "LDR";
    const std::string axColumns[] = {
        qpacCheckSeverityName(rxFinding.meSeverity),
        qpacCheckKindName(rxFinding.meKind),
        qxDescribePlace(rxFinding),
        xTag,
        std::to_string(rxFinding.miOccurrence),
        rxFinding.miPosition >= 0 ? std::to_string(rxFinding.miPosition) : std::string(),
        std::to_string(rxFinding.miCount),
        rxFinding.macFound,
        rxFinding.mpacExpected,
        qxDescribeProblem(rxFinding),
    };
    bool tFirst = true;
    for (const std::string& rxColumn : axColumns)
    {
        if (!tFirst)
            rxOut += '\t';
        tFirst = false;
        for (const char c : rxColumn)
            rxOut += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
}

const char* qpacCheckKindName(ECheckKind eKind)
{
    return eKind >= 0 && eKind < eCheckKindCount ? kKindNames[eKind] : "unknown";
}

const char* qpacCheckSeverityName(ECheckSeverity eSeverity)
{
    return eSeverity == eCheckError ? "error" : "warning";
}
