// The code lists that only the bibliographic 008 layouts have: one table per
// list, rows in display order, each ended by a row whose label ID is 0. The
// lists the 006 shares are in core/TMaterialCodeLists.h.
#pragma once

#include "core/TCodeListEntry.h"

extern const TCodeListEntry k008TypeOfDate[];              // Type of date/Publication status
extern const TCodeListEntry k008ModifiedRecord[];          // Modified record (bibliographic)
extern const TCodeListEntry k008CatalogingSource[];        // Cataloging source (bibliographic)
extern const TCodeListEntry k008FormOfItemComputerFiles[]; // Form of item (computer files)
extern const TCodeListEntry k008FormatOfMusic[];           // Format of music
extern const TCodeListEntry k008FormOfItem29[];            // Form of item (29)
extern const TCodeListEntry k008Technique[];               // Technique
