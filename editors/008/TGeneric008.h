// The generic 008: a default 008 for a record without one, chosen by the
// record's type of record and, for language material, its bibliographic level.
// The defaults are fixed strings; nothing in them is computed.
#pragma once

#include "recordlib/MarcEnums.h"

class TMarcLeader;

enum EGeneric008 : int
{
    eGeneric008Books = 0,
    eGeneric008ContinuingResources,
    eGeneric008Music,
    eGeneric008Maps,
    eGeneric008VisualMaterials,
    eGeneric008ComputerFiles,
    eGeneric008MixedMaterials,
    eGeneric008Authority,
    eGeneric008Holdings,
    eGeneric008Classification,
    eGeneric008Community,
    eGeneric008None
};

// The default for a leader; eGeneric008None when its type of record has none.
// Unlike the 008 editor's material type, language material of bibliographic
// level i gets the Books default here.
EGeneric008 qeChooseGeneric008(const TMarcLeader& rxLeader);
// The default's characters; null for eGeneric008None.
const char* qpacGetGeneric008(EGeneric008 eDefault);
