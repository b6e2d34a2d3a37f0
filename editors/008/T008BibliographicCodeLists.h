// The code lists of the bibliographic 008 layouts: one table per list, rows in
// display order, each ended by a row whose label ID is 0.
#pragma once

#include "base/TCodeListEntry.h"

extern const TCodeListEntry k008TypeOfDate[]; // Type of date/Publication status
extern const TCodeListEntry k008TargetAudience[]; // Target audience
extern const TCodeListEntry k008FormOfItem23[]; // Form of item (23)
extern const TCodeListEntry k008GovernmentPublication[]; // Government publication
extern const TCodeListEntry k008ConferencePublication[]; // Conference publication
extern const TCodeListEntry k008Festschrift[]; // Festschrift
extern const TCodeListEntry k008Index[]; // Index
extern const TCodeListEntry k008LiteraryForm[]; // Literary form
extern const TCodeListEntry k008Biography[]; // Biography
extern const TCodeListEntry k008ModifiedRecord[]; // Modified record (bibliographic)
extern const TCodeListEntry k008CatalogingSource[]; // Cataloging source (bibliographic)
extern const TCodeListEntry k008FormOfItemComputerFiles[]; // Form of item (computer files)
extern const TCodeListEntry k008ComputerFileType[]; // Type of computer files
extern const TCodeListEntry k008Frequency[]; // Frequency
extern const TCodeListEntry k008Regularity[]; // Regularity
extern const TCodeListEntry k008ContinuingResourceType[]; // Type of continuing resource
extern const TCodeListEntry k008FormOfOriginalItem[]; // Form of original item
extern const TCodeListEntry k008NatureOfEntireWork[]; // Nature of entire work
extern const TCodeListEntry k008OriginalScript[]; // Original alphabet or script of title
extern const TCodeListEntry k008EntryConvention[]; // Entry convention
extern const TCodeListEntry k008FormOfComposition[]; // Form of composition
extern const TCodeListEntry k008FormatOfMusic[]; // Format of music
extern const TCodeListEntry k008MusicParts[]; // Music parts
extern const TCodeListEntry k008Transposition[]; // Transposition and arrangement
extern const TCodeListEntry k008Projection[]; // Projection
extern const TCodeListEntry k008CartographicMaterialType[]; // Type of cartographic material
extern const TCodeListEntry k008FormOfItem29[]; // Form of item (29)
extern const TCodeListEntry k008VisualMaterialType[]; // Type of visual material
extern const TCodeListEntry k008Technique[]; // Technique
