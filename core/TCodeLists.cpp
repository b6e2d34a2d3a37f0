#include "core/TCodeLists.h"

namespace
{
const TNamedCodeList* const kFiles[] = {
    kMaterialCodeLists_static,
    k006CodeLists_static,
    k008BibliographicCodeLists_static,
    k008OtherFormatCodeLists_static,
    k007CodeLists_static,
    k007CategoryLists_static,
    k856CodeLists_static,
};
}

const std::vector<TNamedCodeList>& qrxCodeLists()
{
    static const std::vector<TNamedCodeList> xLists = [] {
        std::vector<TNamedCodeList> xAll;
        for (const TNamedCodeList* pxFile : kFiles)
            for (const TNamedCodeList* pxList = pxFile; pxList->rows != nullptr; ++pxList)
                xAll.push_back(*pxList);
        return xAll;
    }();
    return xLists;
}

const char* qpacCodeListName(const TCodeListEntry* pxRows)
{
    for (const TNamedCodeList& rxList : qrxCodeLists())
        if (rxList.rows == pxRows)
            return rxList.name;
    return nullptr;
}
