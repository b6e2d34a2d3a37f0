// The code lists that only the 006 layouts have: one table per list, rows in
// display order, each ended by a row whose label ID is 0. Form of item for
// computer files, Format of music and Technique differ from their 008
// counterparts; the lists both fields share are in core/TMaterialCodeLists.h.
#pragma once

#include "core/TCodeListEntry.h"

// Form of material (00): the u row first, then the forms; the list without u
// starts at the second row.
extern const TCodeListEntry k006FormOfMaterial[];

extern const TCodeListEntry k006FormOfItemComputerFiles[]; // Form of item (computer files)
extern const TCodeListEntry k006FormatOfMusic[];           // Format of music
extern const TCodeListEntry k006Technique[];               // Technique
