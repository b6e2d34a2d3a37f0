// The preselection rule of a code list: does the field, from a position on,
// hold a row's code? Needs no window system.
#pragma once

#include "base/OrvoEditorCore.h"

// True when the characters of pacFieldFromPosition begin with the whole of
// pacCode, compared character for character (case-sensitive, blanks as spaces).
// An empty code matches always; a code longer than the rest of the field never
// does. A null pointer counts as an empty string.
ORVO_EDITORCORE_API bool qtCodeMatches(const char* pacFieldFromPosition, const char* pacCode);
