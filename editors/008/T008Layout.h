// The data of one 008 layout: which labels and controls of dialog template
// 1002 it shows, where they go on the grid, what each list offers and each edit
// box accepts, and which positions the format leaves undefined. Every table is
// a static constant array ended by a row whose first member is 0.
#pragma once

#include "base/TCodeListEntry.h"
#include "base/TMaterialType.h"
#include "recordlib/MarcEnums.h"

#include <cstdint>

#include "base/OrvoEditorCore.h"

// Control table row: the control and the first character position it edits
// (-1 for OK and Cancel). In focus order: OK, Cancel, 6006, then the lists
// and edit boxes in ascending position.
struct T008ControlPosition
{
    int controlId;
    int position;
};

// Move table row: the label or control moved onto the top-left of the anchor.
struct T008Move
{
    int controlId;
    int anchorId;
};

// A label whose text is replaced from the string table when the layout shows.
struct T008Label
{
    int labelId;
    uint32_t stringId;
};

struct T008List
{
    int listId;
    const TCodeListEntry* codeList;
    int position;
};

struct T008Edit
{
    int editId;
    int position;
    int length;
    // The characters the box accepts; null for a digits-only box, which gets
    // its set from being created so.
    const char* allowedChars;
};

// Positions first to last (inclusive) that the format does not define.
struct T008Range
{
    int first;
    int last;
};

struct T008Layout
{
    const wchar_t* name; // "Books", "Authority", ... for messages and tests
    const T008ControlPosition* controls;
    const T008Move* moves;          // empty (first row 0) for Authority
    const T008Label* labels;        // the layout's labels, replaced texts included (stringId 0: template text)
    const T008List* lists;
    const T008Edit* edits;
    const T008Range* undefined;
    int rowCount;
};

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
