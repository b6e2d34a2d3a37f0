// The preselection rule of a code list: does the field, from a position on,
// hold a row's code? Needs no window system.
#pragma once

#ifdef _WIN32
#include "mfc/AfxDll.h"
#else
#define AFX_EXT_CLASS
#endif

// True when the characters of pacFieldFromPosition begin with the whole of
// pacCode, compared character for character (case-sensitive, blanks as spaces).
// An empty code matches always; a code longer than the rest of the field never
// does. A null pointer counts as an empty string.
AFX_EXT_CLASS bool qtCodeMatches(const char* pacFieldFromPosition, const char* pacCode);
