// The code lists of the material-specific positions that the 006 (01-17) and
// the bibliographic 008 (18-34) share, the same list in both fields: rows in
// display order, each ended by a row whose label ID is 0. Lists that differ
// between the two fields (Form of item for computer files, Format of music,
// Technique) stay with their field.
#pragma once

#include "core/TCodeListEntry.h"
#include "core/OrvoEditorCore.h"

extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialTargetAudience[];         // Target audience
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialFormOfItem[];             // Form of item
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialGovernmentPublication[];  // Government publication
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialConferencePublication[];  // Conference publication
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialFestschrift[];            // Festschrift
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialIndex[];                  // Index
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialLiteraryForm[];           // Literary form
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialBiography[];              // Biography
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialComputerFileType[];       // Type of computer file
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialFrequency[];              // Frequency
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialRegularity[];             // Regularity
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialContinuingResourceType[]; // Type of continuing resource
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialFormOfOriginalItem[];     // Form of original item
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialNatureOfEntireWork[];     // Nature of entire work
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialOriginalScript[];    // Original alphabet or script of title
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialEntryConvention[];   // Entry convention
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialFormOfComposition[]; // Form of composition
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialMusicParts[];        // Music parts
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialTransposition[];     // Transposition and arrangement
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialProjection[];        // Projection
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialCartographicMaterialType[]; // Type of cartographic material
extern ORVO_EDITORCORE_API const TCodeListEntry kMaterialVisualMaterialType[];       // Type of visual material
