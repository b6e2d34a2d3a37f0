// The data of the 007 editor, keyed by the category of material (007/00): per
// category its layout of dialog template 1001 (which of the sixteen label and
// list rows it shows, with which labels, lists and edit boxes, in which focus
// order, and how many rows the dialog is sized for), its field length, its
// default field, its name in the category list and its title.
#pragma once

#include "core/TFieldLayout.h"

#include <cstdint>

#include "core/OrvoEditorCore.h"

struct T007Category
{
    char code;               // 0 for a character outside the table
    uint32_t nameId;         // the category list's label, "a - Map"
    uint32_t titleId;        // "007 Editor - Map"
    int fieldLength;         // an opened field is padded with blanks to it
    const char* defaultData; // the field when the category is chosen; null: none
    // Rows from 1 without gaps: label n is 5005 + 2n, list n 5006 + 2n; an
    // edit box is moved onto the slot of its row's list. For u and a
    // character outside the table: OK, Cancel and the category list only.
    const TFieldLayout* layout;
};

// The constants of category cCode; for a character outside the table, those
// of no category (no rows, no default, the title of u, the height of u).
ORVO_EDITORCORE_API const T007Category& qrx007Category(int cCode);
// True for the sixteen categories that have rows: OK is enabled exactly then.
ORVO_EDITORCORE_API bool qt007HasLayout(const T007Category& rxCategory);
// The rows of the category list while category cCode is shown: the list
// with "u - Unknown" first for u, the single "e - Disabled" for e, the
// standard fifteen otherwise.
ORVO_EDITORCORE_API const TCodeListEntry* qpx007CategoryList(int cCode);
// The first character position that control nControlId edits in category
// rxCategory; -1 when the category does not show it.
ORVO_EDITORCORE_API int qi007Position(const T007Category& rxCategory, int nControlId);
// Every category that has a table entry, u included, in the table's order.
ORVO_EDITORCORE_API const char* qpac007CategoryCodes();
