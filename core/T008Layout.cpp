// Which 008 layout and title a record gets: by its format and, for
// bibliographic records, by its material type.
#include "core/T008Layout.h"
#include "resources/008EditorIds.h"

namespace
{
struct T008Title
{
    EMarcType eMarcType;
    EMaterialType eMaterialType; // looked at for bibliographic records only
    uint32_t titleId;
};

const T008Title kTitles[] = {
    {eBibliographic, eBooks, IDS_008_TITLE_BOOKS},
    {eBibliographic, eComputerFiles, IDS_008_TITLE_COMPUTER_FILES},
    {eBibliographic, eContinuingResources, IDS_008_TITLE_CONTINUING_RESOURCES},
    {eBibliographic, eMusic, IDS_008_TITLE_MUSIC},
    {eBibliographic, eMaps, IDS_008_TITLE_MAPS},
    {eBibliographic, eVisualMaterials, IDS_008_TITLE_VISUAL_MATERIALS},
    {eBibliographic, eMixedMaterials, IDS_008_TITLE_MIXED_MATERIALS},
    {eAuthority, eUnknownMaterial, IDS_008_TITLE_AUTHORITY},
    {eHoldings, eUnknownMaterial, IDS_008_TITLE_HOLDINGS},
    {eCommunity, eUnknownMaterial, IDS_008_TITLE_COMMUNITY},
    {ePatron, eUnknownMaterial, IDS_008_TITLE_PATRON},
    {eClassification, eUnknownMaterial, IDS_008_TITLE_CLASSIFICATION},
};
}

const T008Layout* qpxGet008Layout(EMarcType eMarcType, EMaterialType eMaterialType)
{
    if (eMarcType == eBibliographic)
        return qpxGetBibliographic008Layout(eMaterialType);
    return qpxGetOtherFormat008Layout(eMarcType);
}

uint32_t qdwGet008TitleId(EMarcType eMarcType, EMaterialType eMaterialType)
{
    for (const T008Title& row : kTitles)
        if (row.eMarcType == eMarcType && (eMarcType != eBibliographic || row.eMaterialType == eMaterialType))
            return row.titleId;
    return IDS_008_TITLE_UNKNOWN;
}
