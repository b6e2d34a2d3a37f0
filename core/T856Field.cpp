#include "core/T856Field.h"
#include "core/T856CodeLists.h"

#include <cstring>

namespace
{
constexpr char kDelimiter = TMarcTag::mcDelimiter;
const char kNewUriData[] = "http://";

bool qtTableHasCode(const TCodeListEntry* pxTable, char cCode)
{
    for (; pxTable->labelId != 0; ++pxTable)
        if (pxTable->code[0] == cCode && pxTable->code[1] == '\0')
            return true;
    return false;
}

bool qtHasData(const TSubfieldNode* pxNode)
{
    return pxNode->mxData.qdwGetDataSize() != 0;
}
}

T856Field::T856Field(const TMarcTag& rxTag) : mxTag(rxTag)
{
    qvParseField();
}

T856Field::~T856Field()
{
    qvFreeSubfields();
}

ESubfieldKind T856Field::qeGetSubfieldKind(char cCode)
{
    if (cCode == '\0')
        return eOtherSubfield;
    if (qtTableHasCode(k856RepeatableCodes_static, cCode))
        return eRepeatableSubfield;
    if (qtTableHasCode(k856NonRepeatableCodes_static, cCode))
        return eNonRepeatableSubfield;
    return eOtherSubfield;
}

// Linear in the data: each byte is looked at once, and nodes are linked
// after the last one without walking the list.
void T856Field::qvParseField()
{
    mpxSubfields = new TSubfieldNode;
    mpxLast = mpxSubfields;
    const char* pacData = mxTag.qpacGetData();
    const std::size_t dwSize = mxTag.qdwGetDataSize();
    const char* pacFirst = static_cast<const char*>(std::memchr(pacData, kDelimiter, dwSize));
    const std::size_t dwLeadSize = pacFirst != nullptr ? static_cast<std::size_t>(pacFirst - pacData) : dwSize;
    mxLead.assign(pacData, dwLeadSize);
    std::size_t i = dwLeadSize;
    // A delimiter at the end, or a delimiter and a code at the end, is an
    // empty subfield and is not taken.
    while (i + 2 < dwSize)
    {
        const char* pacStart = pacData + i + 2;
        const void* pvNext = std::memchr(pacStart, kDelimiter, dwSize - (i + 2));
        const std::size_t dwEnd =
            pvNext != nullptr ? static_cast<std::size_t>(static_cast<const char*>(pvNext) - pacData) : dwSize;
        TSubfieldNode* pxNode = new TSubfieldNode;
        pxNode->mcCode = pacData[i + 1];
        pxNode->mxData.qvAssign(reinterpret_cast<const unsigned char*>(pacStart),
                                static_cast<uint32_t>(dwEnd - (i + 2)));
        mpxLast->mpxNext = pxNode;
        mpxLast = pxNode;
        i = dwEnd;
    }
}

void T856Field::qvFreeSubfields()
{
    while (mpxSubfields != nullptr)
    {
        TSubfieldNode* pxNext = mpxSubfields->mpxNext;
        delete mpxSubfields;
        mpxSubfields = pxNext;
    }
    mpxLast = nullptr;
}

char T856Field::qcGetIndicator(int iIndicator) const
{
    const std::size_t dwIndex = iIndicator == 2 ? 1 : 0;
    return dwIndex < mxLead.size() ? mxLead[dwIndex] : ' ';
}

void T856Field::qvSetIndicator(int iIndicator, char cIndicator)
{
    if (qcGetIndicator(iIndicator) == cIndicator)
        return;
    if (mxLead.size() < 2)
        mxLead.resize(2, ' ');
    mxLead[iIndicator == 2 ? 1 : 0] = cIndicator;
    mtLeadChanged = true;
}

TSubfieldNode* T856Field::qpxFirstSubfield() const
{
    return mpxSubfields->mpxNext;
}

TSubfieldNode* T856Field::qpxAppendSubfield(char cCode)
{
    TSubfieldNode* pxNode = new TSubfieldNode;
    pxNode->mcCode = cCode;
    if (cCode == 'u')
        pxNode->mxData.qvAssignAscii(kNewUriData);
    mpxLast->mpxNext = pxNode;
    mpxLast = pxNode;
    return pxNode;
}

TSubfieldNode* T856Field::qpxFindSubfield(char cCode, const TSubfieldNode* pxStart, bool tBackwards) const
{
    if (tBackwards)
    {
        if (pxStart == nullptr)
            return nullptr;
        TSubfieldNode* pxFound = nullptr;
        for (TSubfieldNode* pxNode = qpxFirstSubfield(); pxNode != nullptr && pxNode != pxStart;
             pxNode = pxNode->mpxNext)
            if (pxNode->mcCode == cCode && qtHasData(pxNode))
                pxFound = pxNode;
        return pxFound;
    }
    const bool tFirstWins = qeGetSubfieldKind(cCode) == eNonRepeatableSubfield;
    TSubfieldNode* pxLastEmpty = nullptr;
    for (TSubfieldNode* pxNode = pxStart != nullptr ? pxStart->mpxNext : qpxFirstSubfield(); pxNode != nullptr;
         pxNode = pxNode->mpxNext)
    {
        if (pxNode->mcCode != cCode)
            continue;
        if (tFirstWins || qtHasData(pxNode))
            return pxNode;
        pxLastEmpty = pxNode;
    }
    return pxLastEmpty;
}

bool T856Field::qtRemoveSubfield(TSubfieldNode* pxNode)
{
    if (pxNode == nullptr || pxNode == mpxSubfields)
        return false;
    for (TSubfieldNode* pxBefore = mpxSubfields; pxBefore->mpxNext != nullptr; pxBefore = pxBefore->mpxNext)
    {
        if (pxBefore->mpxNext != pxNode)
            continue;
        pxBefore->mpxNext = pxNode->mpxNext;
        if (mpxLast == pxNode)
            mpxLast = pxBefore;
        delete pxNode;
        return true;
    }
    return false;
}

void T856Field::qvSetSubfieldData(TSubfieldNode& rxNode, const std::string& rxBytes)
{
    std::string xData;
    xData.reserve(rxBytes.size());
    for (char c : rxBytes)
        if (c != kDelimiter && c != '\0')
            xData += c;
    rxNode.mxData.qvAssign(reinterpret_cast<const unsigned char*>(xData.data()), static_cast<uint32_t>(xData.size()));
}

void T856Field::qvRebuildField()
{
    if (qpxFirstSubfield() == nullptr)
    {
        if (!mtLeadChanged)
            return;
        // Only the indicators changed: the rest, at most a delimiter and a
        // code that make no subfield, stays as it was.
        const char* pacData = mxTag.qpacGetData();
        const char* pacFirst = static_cast<const char*>(std::memchr(pacData, kDelimiter, mxTag.qdwGetDataSize()));
        const std::string xRest = pacFirst != nullptr ? std::string(pacFirst) : std::string();
        mxTag.qvSetData((mxLead + xRest).c_str(), false);
        return;
    }
    TXBuffer<unsigned char> xData;
    // A new field gets its two indicators; a damaged one keeps what it had.
    std::string xLead = mxLead;
    if (mxTag.qdwGetDataSize() == 0 && xLead.size() < 2)
        xLead.resize(2, ' ');
    xData.qvAppend(reinterpret_cast<const unsigned char*>(xLead.data()), static_cast<uint32_t>(xLead.size()));
    for (const TSubfieldNode* pxNode = qpxFirstSubfield(); pxNode != nullptr; pxNode = pxNode->mpxNext)
    {
        if (!qtHasData(pxNode))
            continue;
        const unsigned char axHeader[2] = {static_cast<unsigned char>(kDelimiter),
                                           static_cast<unsigned char>(pxNode->mcCode)};
        xData.qvAppend(axHeader, 2);
        xData.qvAppend(pxNode->mxData);
    }
    mxTag.qvSetData(xData, false);
}

std::wstring T856Field::qxGetSubfieldText(const TSubfieldNode& rxNode, const TCharacterSet& rxSet)
{
    return rxSet.qxDecodeComposed(std::string_view(rxNode.mxData.qpacGetData(), rxNode.mxData.qdwGetDataSize()));
}

bool T856Field::qtSetSubfieldText(TSubfieldNode& rxNode, std::wstring_view xText, const TCharacterSet& rxSet,
                                  std::size_t& rnFailedAt)
{
    std::string xBytes;
    if (!rxSet.qtEncode(xText, xBytes, rnFailedAt))
        return false;
    qvSetSubfieldData(rxNode, xBytes);
    return true;
}

std::wstring T856Field::qxGetDisplayText(const TCharacterSet& rxSet, const TSubfieldNode* pxLocate, int* piOffset,
                                         int* piLength) const
{
    std::wstring xText = rxSet.qxDecodeByPosition(mxLead.size() >= 2 ? mxLead : (mxLead + "  ").substr(0, 2));
    xText += L"  ";
    for (const TSubfieldNode* pxNode = qpxFirstSubfield(); pxNode != nullptr; pxNode = pxNode->mpxNext)
    {
        const std::size_t nStart = xText.size();
        if (qtHasData(pxNode))
        {
            xText += static_cast<wchar_t>(kDelimiter);
            xText += static_cast<wchar_t>(static_cast<unsigned char>(pxNode->mcCode));
            xText += TCharacterSet::qxVisibleText(qxGetSubfieldText(*pxNode, rxSet));
        }
        if (pxNode == pxLocate && piOffset != nullptr && piLength != nullptr)
        {
            *piOffset = static_cast<int>(nStart);
            *piLength = static_cast<int>(xText.size() - nStart);
        }
    }
    return xText;
}
