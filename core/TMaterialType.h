// The material type of a bibliographic record, from leader 06 (type of record)
// and, for language material, leader 07 (bibliographic level). Needs no
// window system.
#pragma once

#include "core/OrvoEditorCore.h"

class TMarcLeader;

enum EMaterialType : int
{
    eBooks = 0,
    eComputerFiles = 1,
    eContinuingResources = 2,
    eMusic = 3,
    eMaps = 4,
    eVisualMaterials = 5,
    eMixedMaterials = 6,
    // 7 is not used.
    eUnknownMaterial = 8
};

ORVO_EDITORCORE_API EMaterialType qeGetMaterialTypeOf(const TMarcLeader& rxLeader);
