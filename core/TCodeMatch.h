// The preselection rule of a code list: does the field, from a position on,
// hold a row's code? Needs no window system.
#pragma once

#include "core/OrvoEditorCore.h"
#include "core/TCodeListEntry.h"

// True when the characters of pacFieldFromPosition begin with the whole of
// pacCode, compared character for character (case-sensitive, blanks as spaces).
// An empty code matches always; a code longer than the rest of the field never
// does. A null pointer counts as an empty string.
ORVO_EDITORCORE_API bool qtCodeMatches(const char* pacFieldFromPosition, const char* pacCode);
// The row of a code list (ended by a row whose labelId is 0) that the field
// holds from a position on: the last row whose code matches, as a list
// preselects it; -1 when no row matches, which is what makes a code undefined.
// The editors' lists and the record checker both decide by it.
ORVO_EDITORCORE_API int qiFindCodeRow(const TCodeListEntry* pxRows, const char* pacFieldFromPosition);
