#include "core/TMaterialType.h"
#include "recordlib/TMarcLeader.h"

namespace
{
struct TCodeToMaterial
{
    char cCode;
    EMaterialType eMaterial;
};

// Leader 06 codes whose material does not depend on the bibliographic level.
// Language material (a) goes by its level; every code not listed here
// (holdings, authority, classification, community, unknown codes) has none.
const TCodeToMaterial axMaterialByType_static[] = {
    {'t', eBooks},
    {'c', eMusic},
    {'d', eMusic},
    {'i', eMusic},
    {'j', eMusic},
    {'e', eMaps},
    {'f', eMaps},
    {'g', eVisualMaterials},
    {'k', eVisualMaterials},
    {'o', eVisualMaterials},
    {'r', eVisualMaterials},
    {'m', eComputerFiles},
    {'p', eMixedMaterials},
    {'\0', eUnknownMaterial},
};

// Language material by leader 07; any other level has no material.
const TCodeToMaterial axLanguageMaterialByLevel_static[] = {
    {'a', eBooks},
    {'c', eBooks},
    {'d', eBooks},
    {'m', eBooks},
    {'b', eContinuingResources},
    {'i', eContinuingResources},
    {'s', eContinuingResources},
    {'\0', eUnknownMaterial},
};

const char cLanguageMaterial_static = 'a';
const int iTypeOfRecordPosition_static = 6;
const int iBibLevelPosition_static = 7;

// The last row, which ends the table with eUnknownMaterial, catches every
// code the table does not have.
EMaterialType qeLookUp(const TCodeToMaterial* pxTable, char cCode)
{
    while (pxTable->cCode != '\0' && pxTable->cCode != cCode)
        ++pxTable;
    return pxTable->eMaterial;
}
}

EMaterialType qeGetMaterialTypeOf(const TMarcLeader& rxLeader)
{
    const char* pacLeader = rxLeader.qpacGetData();
    const char cType = pacLeader[iTypeOfRecordPosition_static];
    if (cType == cLanguageMaterial_static)
        return qeLookUp(axLanguageMaterialByLevel_static, pacLeader[iBibLevelPosition_static]);
    return qeLookUp(axMaterialByType_static, cType);
}
