// The code lists of the 856 editor: indicators, access-method names for $2,
// and the subfield codes edited one at a time (non-repeatable) or one
// occurrence at a time (repeatable). The two subfield tables also decide each
// code's kind.
#pragma once

#include "core/TCodeListEntry.h"
#include "core/OrvoEditorCore.h"

ORVO_EDITORCORE_API extern const TCodeListEntry k856FirstIndicators_static[];
// Row 0, "Unknown value", has an empty code: $2 holds no listed name.
ORVO_EDITORCORE_API extern const TCodeListEntry k856AccessMethods_static[];
ORVO_EDITORCORE_API extern const TCodeListEntry k856SecondIndicators_static[];
ORVO_EDITORCORE_API extern const TCodeListEntry k856NonRepeatableCodes_static[];
ORVO_EDITORCORE_API extern const TCodeListEntry k856RepeatableCodes_static[];
