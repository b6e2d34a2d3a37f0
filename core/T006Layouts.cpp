// The seven 006 layouts on the one-column grid of template 1000. The
// Continuing resources layout uses the grid's own controls; the others, and the
// shared Form of item, Government publication and Conference publication rows,
// are moved onto them.
#include "core/T006CodeLists.h"
#include "core/TMaterialCodeLists.h"
#include "core/T006Layout.h"
#include "resources/006EditorIds.h"

namespace
{
const char kIllustrationChars[] = " abcdefghijklmop|";
const char kBookContentsChars[] = " abcdefgijklmnopqrstuvwyz|256";
const char kContinuingContentsChars[] = " abcdefghiklmnopqrstuvwyz|56";
const char kAccompanyingMatterChars[] = " abcdefghikrsz|";
const char kLiteraryTextChars[] = " abcdefghijklmnopqrstz|";
const char kReliefChars[] = " abcdefgijkmz|";
const char kSpecialFormatChars[] = " ejklnoprz|";
const char kRunningTimeChars[] = "0123456789-n|";

// Books
const TControlPosition kBooksControls[] = {
    {IDC_006_OK, -1},
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {IDC_006_ILLUSTRATIONS, 1},
    {IDC_006_TARGET_AUDIENCE, 5},
    {IDC_006_FORM_OF_ITEM, 6},
    {IDC_006_NATURE_OF_CONTENTS, 7},
    {IDC_006_GOVERNMENT_PUBLICATION, 11},
    {IDC_006_CONFERENCE_PUBLICATION, 12},
    {IDC_006_FESTSCHRIFT, 13},
    {IDC_006_INDEX, 14},
    {IDC_006_LITERARY_FORM, 16},
    {IDC_006_BIOGRAPHY, 17},
    {0, 0},
};
const TControlMove kBooksMoves[] = {
    {IDC_006_ILLUSTRATIONS_LABEL, IDC_006_FREQUENCY_LABEL},
    {IDC_006_TARGET_AUDIENCE_LABEL, IDC_006_REGULARITY_LABEL},
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_CONTINUING_RESOURCE_TYPE_LABEL},
    {IDC_006_NATURE_OF_CONTENTS_LABEL, IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, IDC_006_CELL_5_LABEL},
    {IDC_006_CONFERENCE_PUBLICATION_LABEL, IDC_006_NATURE_OF_ENTIRE_WORK_LABEL},
    {IDC_006_FESTSCHRIFT_LABEL, IDC_006_CONTINUING_CONTENTS_LABEL},
    {IDC_006_INDEX_LABEL, IDC_006_CELL_8_LABEL},
    {IDC_006_LITERARY_FORM_LABEL, IDC_006_CELL_9_LABEL},
    {IDC_006_BIOGRAPHY_LABEL, IDC_006_ORIGINAL_SCRIPT_LABEL},
    {IDC_006_ILLUSTRATIONS, IDC_006_FREQUENCY},
    {IDC_006_TARGET_AUDIENCE, IDC_006_REGULARITY},
    {IDC_006_FORM_OF_ITEM, IDC_006_CONTINUING_RESOURCE_TYPE},
    {IDC_006_NATURE_OF_CONTENTS, IDC_006_FORM_OF_ORIGINAL_ITEM},
    {IDC_006_GOVERNMENT_PUBLICATION, IDC_006_CELL_5},
    {IDC_006_CONFERENCE_PUBLICATION, IDC_006_NATURE_OF_ENTIRE_WORK},
    {IDC_006_FESTSCHRIFT, IDC_006_CONTINUING_CONTENTS},
    {IDC_006_INDEX, IDC_006_CELL_8},
    {IDC_006_LITERARY_FORM, IDC_006_CELL_9},
    {IDC_006_BIOGRAPHY, IDC_006_ORIGINAL_SCRIPT},
    {0, 0},
};
const TLayoutLabel kBooksLabels[] = {
    {IDC_006_ILLUSTRATIONS_LABEL, 0},
    {IDC_006_TARGET_AUDIENCE_LABEL, 0},
    {IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_06_LABEL},
    {IDC_006_NATURE_OF_CONTENTS_LABEL, 0},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, 0},
    {IDC_006_CONFERENCE_PUBLICATION_LABEL, 0},
    {IDC_006_FESTSCHRIFT_LABEL, 0},
    {IDC_006_INDEX_LABEL, 0},
    {IDC_006_LITERARY_FORM_LABEL, 0},
    {IDC_006_BIOGRAPHY_LABEL, 0},
    {0, 0},
};
const TLayoutList kBooksLists[] = {
    {IDC_006_TARGET_AUDIENCE, kMaterialTargetAudience, 5},
    {IDC_006_FORM_OF_ITEM, kMaterialFormOfItem, 6},
    {IDC_006_GOVERNMENT_PUBLICATION, kMaterialGovernmentPublication, 11},
    {IDC_006_CONFERENCE_PUBLICATION, kMaterialConferencePublication, 12},
    {IDC_006_FESTSCHRIFT, kMaterialFestschrift, 13},
    {IDC_006_INDEX, kMaterialIndex, 14},
    {IDC_006_LITERARY_FORM, kMaterialLiteraryForm, 16},
    {IDC_006_BIOGRAPHY, kMaterialBiography, 17},
    {0, nullptr, 0},
};
const TLayoutEdit kBooksEdits[] = {
    {IDC_006_ILLUSTRATIONS, 1, 4, kIllustrationChars},
    {IDC_006_NATURE_OF_CONTENTS, 7, 4, kBookContentsChars},
    {0, 0, 0, nullptr},
};
const TPositionRange kBooksUndefined[] = {{15, 15}, {0, 0}};

// Computer files
const TControlPosition kComputerFilesControls[] = {
    {IDC_006_OK, -1},
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {IDC_006_TARGET_AUDIENCE, 5},
    {IDC_006_FORM_OF_ITEM, 6},
    {IDC_006_COMPUTER_FILE_TYPE, 9},
    {IDC_006_GOVERNMENT_PUBLICATION, 11},
    {0, 0},
};
const TControlMove kComputerFilesMoves[] = {
    {IDC_006_TARGET_AUDIENCE_LABEL, IDC_006_FREQUENCY_LABEL},
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_REGULARITY_LABEL},
    {IDC_006_COMPUTER_FILE_TYPE_LABEL, IDC_006_CONTINUING_RESOURCE_TYPE_LABEL},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL},
    {IDC_006_TARGET_AUDIENCE, IDC_006_FREQUENCY},
    {IDC_006_FORM_OF_ITEM, IDC_006_REGULARITY},
    {IDC_006_COMPUTER_FILE_TYPE, IDC_006_CONTINUING_RESOURCE_TYPE},
    {IDC_006_GOVERNMENT_PUBLICATION, IDC_006_FORM_OF_ORIGINAL_ITEM},
    {0, 0},
};
const TLayoutLabel kComputerFilesLabels[] = {
    {IDC_006_TARGET_AUDIENCE_LABEL, 0},
    {IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_06_LABEL},
    {IDC_006_COMPUTER_FILE_TYPE_LABEL, 0},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, 0},
    {0, 0},
};
const TLayoutList kComputerFilesLists[] = {
    {IDC_006_TARGET_AUDIENCE, kMaterialTargetAudience, 5},
    {IDC_006_FORM_OF_ITEM, k006FormOfItemComputerFiles, 6},
    {IDC_006_COMPUTER_FILE_TYPE, kMaterialComputerFileType, 9},
    {IDC_006_GOVERNMENT_PUBLICATION, kMaterialGovernmentPublication, 11},
    {0, nullptr, 0},
};
const TLayoutEdit kNoEdits[] = {{0, 0, 0, nullptr}};
const TPositionRange kComputerFilesUndefined[] = {{1, 4}, {7, 8}, {12, 17}, {0, 0}};

// Continuing resources
const TControlPosition kContinuingResourcesControls[] = {
    {IDC_006_OK, -1},
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {IDC_006_FREQUENCY, 1},
    {IDC_006_REGULARITY, 2},
    {IDC_006_CONTINUING_RESOURCE_TYPE, 4},
    {IDC_006_FORM_OF_ORIGINAL_ITEM, 5},
    {IDC_006_FORM_OF_ITEM, 6},
    {IDC_006_NATURE_OF_ENTIRE_WORK, 7},
    {IDC_006_CONTINUING_CONTENTS, 8},
    {IDC_006_GOVERNMENT_PUBLICATION, 11},
    {IDC_006_CONFERENCE_PUBLICATION, 12},
    {IDC_006_ORIGINAL_SCRIPT, 16},
    {IDC_006_ENTRY_CONVENTION, 17},
    {0, 0},
};
const TControlMove kContinuingResourcesMoves[] = {
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_CELL_5_LABEL},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, IDC_006_CELL_8_LABEL},
    {IDC_006_CONFERENCE_PUBLICATION_LABEL, IDC_006_CELL_9_LABEL},
    {IDC_006_FORM_OF_ITEM, IDC_006_CELL_5},
    {IDC_006_GOVERNMENT_PUBLICATION, IDC_006_CELL_8},
    {IDC_006_CONFERENCE_PUBLICATION, IDC_006_CELL_9},
    {0, 0},
};
const TLayoutLabel kContinuingResourcesLabels[] = {
    {IDC_006_FREQUENCY_LABEL, 0},
    {IDC_006_REGULARITY_LABEL, 0},
    {IDC_006_CONTINUING_RESOURCE_TYPE_LABEL, 0},
    {IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL, 0},
    {IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_06_LABEL},
    {IDC_006_NATURE_OF_ENTIRE_WORK_LABEL, 0},
    {IDC_006_CONTINUING_CONTENTS_LABEL, 0},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, 0},
    {IDC_006_CONFERENCE_PUBLICATION_LABEL, 0},
    {IDC_006_ORIGINAL_SCRIPT_LABEL, 0},
    {IDC_006_ENTRY_CONVENTION_LABEL, 0},
    {0, 0},
};
const TLayoutList kContinuingResourcesLists[] = {
    {IDC_006_FREQUENCY, kMaterialFrequency, 1},
    {IDC_006_REGULARITY, kMaterialRegularity, 2},
    {IDC_006_CONTINUING_RESOURCE_TYPE, kMaterialContinuingResourceType, 4},
    {IDC_006_FORM_OF_ORIGINAL_ITEM, kMaterialFormOfOriginalItem, 5},
    {IDC_006_FORM_OF_ITEM, kMaterialFormOfItem, 6},
    {IDC_006_NATURE_OF_ENTIRE_WORK, kMaterialNatureOfEntireWork, 7},
    {IDC_006_GOVERNMENT_PUBLICATION, kMaterialGovernmentPublication, 11},
    {IDC_006_CONFERENCE_PUBLICATION, kMaterialConferencePublication, 12},
    {IDC_006_ORIGINAL_SCRIPT, kMaterialOriginalScript, 16},
    {IDC_006_ENTRY_CONVENTION, kMaterialEntryConvention, 17},
    {0, nullptr, 0},
};
const TLayoutEdit kContinuingResourcesEdits[] = {
    {IDC_006_CONTINUING_CONTENTS, 8, 3, kContinuingContentsChars},
    {0, 0, 0, nullptr},
};
const TPositionRange kContinuingResourcesUndefined[] = {{13, 15}, {0, 0}};

// Music
const TControlPosition kMusicControls[] = {
    {IDC_006_OK, -1},
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {IDC_006_FORM_OF_COMPOSITION, 1},
    {IDC_006_FORMAT_OF_MUSIC, 3},
    {IDC_006_MUSIC_PARTS, 4},
    {IDC_006_TARGET_AUDIENCE, 5},
    {IDC_006_FORM_OF_ITEM, 6},
    {IDC_006_ACCOMPANYING_MATTER, 7},
    {IDC_006_LITERARY_TEXT, 13},
    {IDC_006_TRANSPOSITION, 16},
    {0, 0},
};
const TControlMove kMusicMoves[] = {
    {IDC_006_FORM_OF_COMPOSITION_LABEL, IDC_006_FREQUENCY_LABEL},
    {IDC_006_FORMAT_OF_MUSIC_LABEL, IDC_006_REGULARITY_LABEL},
    {IDC_006_MUSIC_PARTS_LABEL, IDC_006_CONTINUING_RESOURCE_TYPE_LABEL},
    {IDC_006_TARGET_AUDIENCE_LABEL, IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL},
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_CELL_5_LABEL},
    {IDC_006_ACCOMPANYING_MATTER_LABEL, IDC_006_NATURE_OF_ENTIRE_WORK_LABEL},
    {IDC_006_LITERARY_TEXT_LABEL, IDC_006_CONTINUING_CONTENTS_LABEL},
    {IDC_006_TRANSPOSITION_LABEL, IDC_006_CELL_8_LABEL},
    {IDC_006_FORM_OF_COMPOSITION, IDC_006_FREQUENCY},
    {IDC_006_FORMAT_OF_MUSIC, IDC_006_REGULARITY},
    {IDC_006_MUSIC_PARTS, IDC_006_CONTINUING_RESOURCE_TYPE},
    {IDC_006_TARGET_AUDIENCE, IDC_006_FORM_OF_ORIGINAL_ITEM},
    {IDC_006_FORM_OF_ITEM, IDC_006_CELL_5},
    {IDC_006_ACCOMPANYING_MATTER, IDC_006_NATURE_OF_ENTIRE_WORK},
    {IDC_006_LITERARY_TEXT, IDC_006_CONTINUING_CONTENTS},
    {IDC_006_TRANSPOSITION, IDC_006_CELL_8},
    {0, 0},
};
const TLayoutLabel kMusicLabels[] = {
    {IDC_006_FORM_OF_COMPOSITION_LABEL, 0},
    {IDC_006_FORMAT_OF_MUSIC_LABEL, 0},
    {IDC_006_MUSIC_PARTS_LABEL, 0},
    {IDC_006_TARGET_AUDIENCE_LABEL, 0},
    {IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_06_LABEL},
    {IDC_006_ACCOMPANYING_MATTER_LABEL, 0},
    {IDC_006_LITERARY_TEXT_LABEL, 0},
    {IDC_006_TRANSPOSITION_LABEL, 0},
    {0, 0},
};
const TLayoutList kMusicLists[] = {
    {IDC_006_FORM_OF_COMPOSITION, kMaterialFormOfComposition, 1},
    {IDC_006_FORMAT_OF_MUSIC, k006FormatOfMusic, 3},
    {IDC_006_MUSIC_PARTS, kMaterialMusicParts, 4},
    {IDC_006_TARGET_AUDIENCE, kMaterialTargetAudience, 5},
    {IDC_006_FORM_OF_ITEM, kMaterialFormOfItem, 6},
    {IDC_006_TRANSPOSITION, kMaterialTransposition, 16},
    {0, nullptr, 0},
};
const TLayoutEdit kMusicEdits[] = {
    {IDC_006_ACCOMPANYING_MATTER, 7, 6, kAccompanyingMatterChars},
    {IDC_006_LITERARY_TEXT, 13, 2, kLiteraryTextChars},
    {0, 0, 0, nullptr},
};
const TPositionRange kMusicUndefined[] = {{15, 15}, {17, 17}, {0, 0}};

// Maps
const TControlPosition kMapsControls[] = {
    {IDC_006_OK, -1},
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {IDC_006_RELIEF, 1},
    {IDC_006_PROJECTION, 5},
    {IDC_006_CARTOGRAPHIC_MATERIAL_TYPE, 8},
    {IDC_006_GOVERNMENT_PUBLICATION, 11},
    {IDC_006_FORM_OF_ITEM, 12},
    {IDC_006_INDEX, 14},
    {IDC_006_SPECIAL_FORMAT, 16},
    {0, 0},
};
const TControlMove kMapsMoves[] = {
    {IDC_006_RELIEF_LABEL, IDC_006_FREQUENCY_LABEL},
    {IDC_006_PROJECTION_LABEL, IDC_006_REGULARITY_LABEL},
    {IDC_006_CARTOGRAPHIC_MATERIAL_TYPE_LABEL, IDC_006_CONTINUING_RESOURCE_TYPE_LABEL},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL},
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_CELL_5_LABEL},
    {IDC_006_INDEX_LABEL, IDC_006_NATURE_OF_ENTIRE_WORK_LABEL},
    {IDC_006_SPECIAL_FORMAT_LABEL, IDC_006_CONTINUING_CONTENTS_LABEL},
    {IDC_006_RELIEF, IDC_006_FREQUENCY},
    {IDC_006_PROJECTION, IDC_006_REGULARITY},
    {IDC_006_CARTOGRAPHIC_MATERIAL_TYPE, IDC_006_CONTINUING_RESOURCE_TYPE},
    {IDC_006_GOVERNMENT_PUBLICATION, IDC_006_FORM_OF_ORIGINAL_ITEM},
    {IDC_006_FORM_OF_ITEM, IDC_006_CELL_5},
    {IDC_006_INDEX, IDC_006_NATURE_OF_ENTIRE_WORK},
    {IDC_006_SPECIAL_FORMAT, IDC_006_CONTINUING_CONTENTS},
    {0, 0},
};
const TLayoutLabel kMapsLabels[] = {
    {IDC_006_RELIEF_LABEL, 0},
    {IDC_006_PROJECTION_LABEL, 0},
    {IDC_006_CARTOGRAPHIC_MATERIAL_TYPE_LABEL, 0},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, 0},
    {IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_12_MAPS_LABEL},
    {IDC_006_INDEX_LABEL, 0},
    {IDC_006_SPECIAL_FORMAT_LABEL, 0},
    {0, 0},
};
const TLayoutList kMapsLists[] = {
    {IDC_006_PROJECTION, kMaterialProjection, 5},
    {IDC_006_CARTOGRAPHIC_MATERIAL_TYPE, kMaterialCartographicMaterialType, 8},
    {IDC_006_GOVERNMENT_PUBLICATION, kMaterialGovernmentPublication, 11},
    {IDC_006_FORM_OF_ITEM, kMaterialFormOfItem, 12},
    {IDC_006_INDEX, kMaterialIndex, 14},
    {0, nullptr, 0},
};
const TLayoutEdit kMapsEdits[] = {
    {IDC_006_RELIEF, 1, 4, kReliefChars},
    {IDC_006_SPECIAL_FORMAT, 16, 2, kSpecialFormatChars},
    {0, 0, 0, nullptr},
};
const TPositionRange kMapsUndefined[] = {{7, 7}, {9, 10}, {13, 13}, {15, 15}, {0, 0}};

// Visual materials
const TControlPosition kVisualMaterialsControls[] = {
    {IDC_006_OK, -1},
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {IDC_006_RUNNING_TIME, 1},
    {IDC_006_TARGET_AUDIENCE, 5},
    {IDC_006_GOVERNMENT_PUBLICATION, 11},
    {IDC_006_FORM_OF_ITEM, 12},
    {IDC_006_VISUAL_MATERIAL_TYPE, 16},
    {IDC_006_TECHNIQUE, 17},
    {0, 0},
};
const TControlMove kVisualMaterialsMoves[] = {
    {IDC_006_RUNNING_TIME_LABEL, IDC_006_FREQUENCY_LABEL},
    {IDC_006_TARGET_AUDIENCE_LABEL, IDC_006_REGULARITY_LABEL},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, IDC_006_CONTINUING_RESOURCE_TYPE_LABEL},
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL},
    {IDC_006_VISUAL_MATERIAL_TYPE_LABEL, IDC_006_CELL_5_LABEL},
    {IDC_006_TECHNIQUE_LABEL, IDC_006_NATURE_OF_ENTIRE_WORK_LABEL},
    {IDC_006_RUNNING_TIME, IDC_006_FREQUENCY},
    {IDC_006_TARGET_AUDIENCE, IDC_006_REGULARITY},
    {IDC_006_GOVERNMENT_PUBLICATION, IDC_006_CONTINUING_RESOURCE_TYPE},
    {IDC_006_FORM_OF_ITEM, IDC_006_FORM_OF_ORIGINAL_ITEM},
    {IDC_006_VISUAL_MATERIAL_TYPE, IDC_006_CELL_5},
    {IDC_006_TECHNIQUE, IDC_006_NATURE_OF_ENTIRE_WORK},
    {0, 0},
};
const TLayoutLabel kVisualMaterialsLabels[] = {
    {IDC_006_RUNNING_TIME_LABEL, 0},
    {IDC_006_TARGET_AUDIENCE_LABEL, 0},
    {IDC_006_GOVERNMENT_PUBLICATION_LABEL, 0},
    {IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_12_VISUAL_LABEL},
    {IDC_006_VISUAL_MATERIAL_TYPE_LABEL, 0},
    {IDC_006_TECHNIQUE_LABEL, 0},
    {0, 0},
};
const TLayoutList kVisualMaterialsLists[] = {
    {IDC_006_TARGET_AUDIENCE, kMaterialTargetAudience, 5},
    {IDC_006_GOVERNMENT_PUBLICATION, kMaterialGovernmentPublication, 11},
    {IDC_006_FORM_OF_ITEM, kMaterialFormOfItem, 12},
    {IDC_006_VISUAL_MATERIAL_TYPE, kMaterialVisualMaterialType, 16},
    {IDC_006_TECHNIQUE, k006Technique, 17},
    {0, nullptr, 0},
};
const TLayoutEdit kVisualMaterialsEdits[] = {{IDC_006_RUNNING_TIME, 1, 3, kRunningTimeChars}, {0, 0, 0, nullptr}};
const TPositionRange kVisualMaterialsUndefined[] = {{4, 4}, {6, 10}, {13, 15}, {0, 0}};

// Mixed materials
const TControlPosition kMixedMaterialsControls[] = {
    {IDC_006_OK, -1}, {IDC_006_CANCEL, -1}, {IDC_006_FORM_OF_MATERIAL, 0}, {IDC_006_FORM_OF_ITEM, 6}, {0, 0},
};
const TControlMove kMixedMaterialsMoves[] = {
    {IDC_006_FORM_OF_ITEM_LABEL, IDC_006_FREQUENCY_LABEL},
    {IDC_006_FORM_OF_ITEM, IDC_006_FREQUENCY},
    {0, 0},
};
const TLayoutLabel kMixedMaterialsLabels[] = {{IDC_006_FORM_OF_ITEM_LABEL, IDS_006_FORM_OF_ITEM_06_LABEL}, {0, 0}};
const TLayoutList kMixedMaterialsLists[] = {{IDC_006_FORM_OF_ITEM, kMaterialFormOfItem, 6}, {0, nullptr, 0}};
const TPositionRange kMixedMaterialsUndefined[] = {{1, 5}, {7, 17}, {0, 0}};

// Indexed by group, eBooks (0) to eMixedMaterials (6).
const TFieldLayout kLayouts[] = {
    {L"Books", kBooksControls, kBooksMoves, kBooksLabels, kBooksLists, kBooksEdits, kBooksUndefined, 11},
    {L"Computer files", kComputerFilesControls, kComputerFilesMoves, kComputerFilesLabels, kComputerFilesLists,
     kNoEdits, kComputerFilesUndefined, 5},
    {L"Continuing resources", kContinuingResourcesControls, kContinuingResourcesMoves, kContinuingResourcesLabels,
     kContinuingResourcesLists, kContinuingResourcesEdits, kContinuingResourcesUndefined, 13},
    {L"Music", kMusicControls, kMusicMoves, kMusicLabels, kMusicLists, kMusicEdits, kMusicUndefined, 9},
    {L"Maps", kMapsControls, kMapsMoves, kMapsLabels, kMapsLists, kMapsEdits, kMapsUndefined, 8},
    {L"Visual materials", kVisualMaterialsControls, kVisualMaterialsMoves, kVisualMaterialsLabels,
     kVisualMaterialsLists, kVisualMaterialsEdits, kVisualMaterialsUndefined, 7},
    {L"Mixed materials", kMixedMaterialsControls, kMixedMaterialsMoves, kMixedMaterialsLabels, kMixedMaterialsLists,
     kNoEdits, kMixedMaterialsUndefined, 2},
};

// Without a layout only Cancel and the form list take the focus.
const TControlPosition kUnknownFormControls[] = {
    {IDC_006_CANCEL, -1},
    {IDC_006_FORM_OF_MATERIAL, 0},
    {0, 0},
};
}

const int k006HiddenControls[] = {
    // The grid of the Continuing resources layout, anchors included.
    IDC_006_FREQUENCY_LABEL,
    IDC_006_FREQUENCY,
    IDC_006_REGULARITY_LABEL,
    IDC_006_REGULARITY,
    IDC_006_CONTINUING_RESOURCE_TYPE_LABEL,
    IDC_006_CONTINUING_RESOURCE_TYPE,
    IDC_006_FORM_OF_ORIGINAL_ITEM_LABEL,
    IDC_006_FORM_OF_ORIGINAL_ITEM,
    IDC_006_CELL_5_LABEL,
    IDC_006_CELL_5,
    IDC_006_NATURE_OF_ENTIRE_WORK_LABEL,
    IDC_006_NATURE_OF_ENTIRE_WORK,
    IDC_006_CONTINUING_CONTENTS_LABEL,
    IDC_006_CONTINUING_CONTENTS,
    IDC_006_CELL_8_LABEL,
    IDC_006_CELL_8,
    IDC_006_CELL_9_LABEL,
    IDC_006_CELL_9,
    IDC_006_ORIGINAL_SCRIPT_LABEL,
    IDC_006_ORIGINAL_SCRIPT,
    IDC_006_ENTRY_CONVENTION_LABEL,
    IDC_006_ENTRY_CONVENTION,
    // Shared by several forms.
    IDC_006_TARGET_AUDIENCE,
    IDC_006_TARGET_AUDIENCE_LABEL,
    IDC_006_FORM_OF_ITEM,
    IDC_006_FORM_OF_ITEM_LABEL,
    IDC_006_GOVERNMENT_PUBLICATION,
    IDC_006_GOVERNMENT_PUBLICATION_LABEL,
    IDC_006_CONFERENCE_PUBLICATION,
    IDC_006_CONFERENCE_PUBLICATION_LABEL,
    IDC_006_INDEX,
    IDC_006_INDEX_LABEL,
    // Books, computer files, maps, music, visual materials.
    IDC_006_ILLUSTRATIONS_LABEL,
    IDC_006_ILLUSTRATIONS,
    IDC_006_NATURE_OF_CONTENTS_LABEL,
    IDC_006_NATURE_OF_CONTENTS,
    IDC_006_FESTSCHRIFT,
    IDC_006_FESTSCHRIFT_LABEL,
    IDC_006_LITERARY_FORM,
    IDC_006_LITERARY_FORM_LABEL,
    IDC_006_BIOGRAPHY,
    IDC_006_BIOGRAPHY_LABEL,
    IDC_006_COMPUTER_FILE_TYPE,
    IDC_006_COMPUTER_FILE_TYPE_LABEL,
    IDC_006_RELIEF_LABEL,
    IDC_006_RELIEF,
    IDC_006_PROJECTION,
    IDC_006_PROJECTION_LABEL,
    IDC_006_CARTOGRAPHIC_MATERIAL_TYPE,
    IDC_006_CARTOGRAPHIC_MATERIAL_TYPE_LABEL,
    IDC_006_SPECIAL_FORMAT_LABEL,
    IDC_006_SPECIAL_FORMAT,
    IDC_006_FORM_OF_COMPOSITION,
    IDC_006_FORM_OF_COMPOSITION_LABEL,
    IDC_006_FORMAT_OF_MUSIC,
    IDC_006_FORMAT_OF_MUSIC_LABEL,
    IDC_006_ACCOMPANYING_MATTER_LABEL,
    IDC_006_ACCOMPANYING_MATTER,
    IDC_006_LITERARY_TEXT_LABEL,
    IDC_006_LITERARY_TEXT,
    IDC_006_MUSIC_PARTS,
    IDC_006_MUSIC_PARTS_LABEL,
    IDC_006_TRANSPOSITION,
    IDC_006_TRANSPOSITION_LABEL,
    IDC_006_RUNNING_TIME_LABEL,
    IDC_006_RUNNING_TIME,
    IDC_006_VISUAL_MATERIAL_TYPE_LABEL,
    IDC_006_VISUAL_MATERIAL_TYPE,
    IDC_006_TECHNIQUE,
    IDC_006_TECHNIQUE_LABEL,
    0,
};

const TFieldLayout* qpxGet006Layout(EMaterialType eGroup)
{
    const int iGroup = static_cast<int>(eGroup);
    if (iGroup < 0 || iGroup >= static_cast<int>(sizeof(kLayouts) / sizeof(kLayouts[0])))
        return nullptr;
    return &kLayouts[iGroup];
}

const TControlPosition* qpxGet006ControlTable(EMaterialType eGroup)
{
    const TFieldLayout* pxLayout = qpxGet006Layout(eGroup);
    return pxLayout != nullptr ? pxLayout->controls : kUnknownFormControls;
}

int qi006RowCount(EMaterialType eGroup)
{
    const TFieldLayout* pxLayout = qpxGet006Layout(eGroup);
    return pxLayout != nullptr ? pxLayout->rowCount : 1;
}
