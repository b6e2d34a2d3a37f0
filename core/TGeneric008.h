// The generic 008: a default 008 for a record without one, chosen by the
// record's type of record and, for language material, its bibliographic level.
// The defaults are fixed strings; nothing in them is computed.
#pragma once

#include "core/OrvoEditorCore.h"
#include "recordlib/MarcEnums.h"

class TMarcLeader;
class TMarcRecord;

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
ORVO_EDITORCORE_API EGeneric008 qeChooseGeneric008(const TMarcLeader& rxLeader);
// The default's characters; null for eGeneric008None.
ORVO_EDITORCORE_API const char* qpacGetGeneric008(EGeneric008 eDefault);

// Gives rxRecord the default 008 for its Leader: inserted in tag order when it has
// none, put in place of its first 008 when tReplace. False, the record unchanged,
// when it has an 008 and not tReplace, or when its type of record has no default.
ORVO_EDITORCORE_API bool qtAddGeneric008(TMarcRecord& rxRecord, bool tReplace);
