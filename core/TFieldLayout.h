// The records that describe a layout of a fixed-length field editor (006, 007,
// 008): which labels and controls of the dialog template it shows, where they
// go, what each list offers and each edit box accepts, and which positions the
// field leaves undefined. Every table is a static constant array ended by a
// row whose first member is 0. Each editor owns its tables; these are only
// their shapes. Needs no window system.
#pragma once

#include "core/TCodeListEntry.h"

#include <cstdint>

// Control table row: the control and the first character position it edits
// (-1 for OK and Cancel). The table's order is the focus order.
struct TControlPosition
{
    int controlId;
    int position;
};

// Move table row: the label or control moved onto the top-left of the anchor.
struct TControlMove
{
    int controlId;
    int anchorId;
};

// A label the layout shows; when stringId is not 0 its text is replaced from
// the string table.
struct TLayoutLabel
{
    int labelId;
    uint32_t stringId;
};

struct TLayoutList
{
    int listId;
    const TCodeListEntry* codeList;
    int position;
};

struct TLayoutEdit
{
    int editId;
    int position;
    int length;
    // The characters the box accepts; null for a box that gets its set from
    // being created so (digits only).
    const char* allowedChars;
};

// Positions first to last (inclusive) that the field does not define.
struct TPositionRange
{
    int first;
    int last;
};

struct TFieldLayout
{
    const wchar_t* name; // "Books", "Authority", ... for messages and tests
    const TControlPosition* controls;
    const TControlMove* moves; // empty (first row 0) when the controls already stand on the grid
    const TLayoutLabel* labels;
    const TLayoutList* lists;
    const TLayoutEdit* edits;
    const TPositionRange* undefined;
    int rowCount;
};
