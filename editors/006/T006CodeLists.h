// The code lists of the 006 layouts: one table per list, rows in display
// order, each ended by a row whose label ID is 0. They are the 006's own
// tables; several differ from their 008 counterparts (Format of music, Form of
// item for computer files, Technique).
#pragma once

#include "base/TCodeListEntry.h"

// Form of material (00): the u row first, then the forms; the list without u
// starts at the second row.
extern const TCodeListEntry k006FormOfMaterial[];

extern const TCodeListEntry k006TargetAudience[]; // Target audience
extern const TCodeListEntry k006FormOfItem[]; // Form of item (06, or 12 for maps and visual materials)
extern const TCodeListEntry k006GovernmentPublication[]; // Government publication
extern const TCodeListEntry k006ConferencePublication[]; // Conference publication
extern const TCodeListEntry k006Festschrift[]; // Festschrift
extern const TCodeListEntry k006Index[]; // Index
extern const TCodeListEntry k006LiteraryForm[]; // Literary form
extern const TCodeListEntry k006Biography[]; // Biography
extern const TCodeListEntry k006FormOfItemComputerFiles[]; // Form of item (computer files)
extern const TCodeListEntry k006ComputerFileType[]; // Type of computer file
extern const TCodeListEntry k006Frequency[]; // Frequency
extern const TCodeListEntry k006Regularity[]; // Regularity
extern const TCodeListEntry k006ContinuingResourceType[]; // Type of continuing resource
extern const TCodeListEntry k006FormOfOriginalItem[]; // Form of original item
extern const TCodeListEntry k006NatureOfEntireWork[]; // Nature of entire work
extern const TCodeListEntry k006OriginalScript[]; // Original alphabet or script of title
extern const TCodeListEntry k006EntryConvention[]; // Entry convention
extern const TCodeListEntry k006FormOfComposition[]; // Form of composition
extern const TCodeListEntry k006FormatOfMusic[]; // Format of music
extern const TCodeListEntry k006MusicParts[]; // Music parts
extern const TCodeListEntry k006Transposition[]; // Transposition and arrangement
extern const TCodeListEntry k006Projection[]; // Projection
extern const TCodeListEntry k006CartographicMaterialType[]; // Type of cartographic material
extern const TCodeListEntry k006VisualMaterialType[]; // Type of visual material
extern const TCodeListEntry k006Technique[]; // Technique
