// The data of one 008 layout: which labels and controls of dialog template
// 1002 it shows, where they go on the grid, what each list offers and each edit
// box accepts, and which positions the format leaves undefined. Every table is
// a static constant array ended by a row whose first member is 0.
#pragma once

#include "core/TFieldLayout.h"
#include "core/TMaterialType.h"
#include "recordlib/MarcEnums.h"

#include <cstdint>

#include "core/OrvoEditorCore.h"

// The 008 layouts use the layout records that every fixed-length field
// editor shares.
using T008ControlPosition = TControlPosition;
using T008Move = TControlMove;
using T008Label = TLayoutLabel;
using T008List = TLayoutList;
using T008Edit = TLayoutEdit;
using T008Range = TPositionRange;
using T008Layout = TFieldLayout;

// The 008 is 40 characters, positions 00 to 39.
constexpr int k008FieldLength = 40;

// The layout for a record format and, for bibliographic records, material
// type; null when there is none (unknown material, patron, unknown format).
ORVO_EDITORCORE_API const T008Layout* qpxGet008Layout(EMarcType eMarcType, EMaterialType eMaterialType);
// The string ID of the editor's title for the same choice ("008 Editor - ...").
ORVO_EDITORCORE_API uint32_t qdwGet008TitleId(EMarcType eMarcType, EMaterialType eMaterialType);

// The layout of an authority, holdings, community information or
// classification record; null for any other format.
ORVO_EDITORCORE_API const T008Layout* qpxGetOtherFormat008Layout(EMarcType eMarcType);
// The layout of a bibliographic record of that material type; null for
// eUnknownMaterial.
ORVO_EDITORCORE_API const T008Layout* qpxGetBibliographic008Layout(EMaterialType eMaterialType);
