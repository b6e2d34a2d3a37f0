// Any bytes as the data of an 856: parsing, rebuilding and parsing the
// rebuilt field again must give the same subfields with data, in the same
// order, and the same bytes before the first delimiter; the searches must
// stay inside the list and agree with each other; each subfield's text, written
// back unchanged, must give its bytes in every character set.
#include "core/T856Field.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace
{
using TSubfields = std::vector<std::pair<char, std::string>>;

TSubfields qxSubfieldsWithData(const T856Field& rxField)
{
    TSubfields xSubfields;
    for (const TSubfieldNode* pxNode = rxField.qpxFirstSubfield(); pxNode != nullptr; pxNode = pxNode->mpxNext)
        if (pxNode->mxData.qdwGetDataSize() != 0)
            xSubfields.emplace_back(pxNode->mcCode,
                                    std::string(pxNode->mxData.qpacGetData(), pxNode->mxData.qdwGetDataSize()));
    return xSubfields;
}

void qvCheck(bool tHolds)
{
    if (!tHolds)
        std::abort();
}

// Steps forwards through every occurrence of cCode, and checks that a step
// backwards from each lands on an earlier node with data.
void qvCheckSearches(const T856Field& rxField, char cCode)
{
    const TSubfieldNode* pxPrevious = nullptr;
    for (const TSubfieldNode* pxNode = rxField.qpxFindSubfield(cCode, nullptr, false); pxNode != nullptr;
         pxNode = rxField.qpxFindSubfield(cCode, pxNode, false))
    {
        qvCheck(pxNode->mcCode == cCode);
        const TSubfieldNode* pxBack = rxField.qpxFindSubfield(cCode, pxNode, true);
        qvCheck(pxBack == nullptr || (pxBack->mcCode == cCode && pxBack->mxData.qdwGetDataSize() != 0));
        if (pxPrevious != nullptr && pxPrevious->mxData.qdwGetDataSize() != 0)
            qvCheck(pxBack == pxPrevious);
        pxPrevious = pxNode;
        if (T856Field::qeGetSubfieldKind(cCode) == eNonRepeatableSubfield)
            break;
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* paxData, size_t dwSize)
{
    // The field's data is a C string: it ends at the first NUL.
    const std::string xData(reinterpret_cast<const char*>(paxData), dwSize);
    TMarcTag xTag(856);
    xTag.qvSetData(xData.c_str(), false);

    T856Field xField(xTag);
    const TCharacterSet& rxMarc8 = TCharacterSet::qrxOf(eCharsetMarc8);
    const std::wstring xDisplay = xField.qxGetDisplayText(rxMarc8, nullptr, nullptr, nullptr);
    // A subfield's text written back unchanged gives its bytes, in every set.
    for (const ECharacterSet eSet : {eCharsetMarc8, eCharsetUtf8, eCharsetSingleByte})
        for (TSubfieldNode* pxNode = xField.qpxFirstSubfield(); pxNode != nullptr; pxNode = pxNode->mpxNext)
        {
            const TCharacterSet& rxSet = TCharacterSet::qrxOf(eSet);
            const TXBuffer<unsigned char> xBefore = pxNode->mxData;
            std::size_t nFailedAt = 0;
            qvCheck(
                T856Field::qtSetSubfieldText(*pxNode, T856Field::qxGetSubfieldText(*pxNode, rxSet), rxSet, nFailedAt));
            qvCheck(pxNode->mxData.qdwGetDataSize() == xBefore.qdwGetDataSize() &&
                    std::equal(xBefore.qpacGetData(), xBefore.qpacGetData() + xBefore.qdwGetDataSize(),
                               pxNode->mxData.qpacGetData()));
        }
    xField.qvRebuildField();
    T856Field xReparsed(xField.qrxGetTag());
    qvCheck(qxSubfieldsWithData(xField) == qxSubfieldsWithData(xReparsed));
    qvCheck(xReparsed.qxGetDisplayText(rxMarc8, nullptr, nullptr, nullptr) == xDisplay);
    qvCheck(xReparsed.qcGetIndicator(1) == xField.qcGetIndicator(1));
    qvCheck(xReparsed.qcGetIndicator(2) == xField.qcGetIndicator(2));

    for (char cCode : {'u', 'z', 'h', '2', '4'})
        qvCheckSearches(xField, cCode);

    // Removing every node the searches find empties the list, node by node.
    while (TSubfieldNode* pxNode = xField.qpxFirstSubfield())
        qvCheck(xField.qtRemoveSubfield(pxNode));
    return 0;
}
