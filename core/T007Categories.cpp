// The sixteen 007 categories and category u: their layouts (o, q, t and z
// share one control table), field lengths, defaults and titles, and the three
// category lists.
#include "core/T007Categories.h"
#include "core/TCodeLists.h"
#include "core/T007CodeLists.h"
#include "resources/007EditorIds.h"

namespace
{
// No layout of a bibliographic record writes position 02 but e's; the field
// line shows it inactive in all.
const TPositionRange kPosition02[] = {{2, 2}, {0, 0}};
const TControlMove kNoMoves[] = {{0, 0}};
const TLayoutEdit kNoEdits[] = {{0, 0, 0, nullptr}};
// Kit, notated music, text and unspecified: one row, position 01.
const TControlPosition kShortControls[] = {
    {IDC_007_OK, -1}, {IDC_007_CANCEL, -1}, {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1}, {0, 0},
};
// Category u and a character outside the table: the category list only, in
// a dialog as high as two rows.
const TControlPosition kNoCategoryControls[] = {
    {IDC_007_OK, -1},
    {IDC_007_CANCEL, -1},
    {IDC_007_CATEGORY, 0},
    {0, 0},
};
const TLayoutLabel kNoLabels[] = {{0, 0}};
const TLayoutList kNoLists[] = {{0, nullptr, 0}};
const TFieldLayout kNoCategoryLayout = {L"No category", kNoCategoryControls, kNoMoves, kNoLabels, kNoLists,
                                        kNoEdits,       kPosition02,         2};

// Map: positions 01 03 04 05 06 07
const TControlPosition kMapControls[] = {
    {IDC_007_OK, -1},    {IDC_007_CANCEL, -1}, {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1}, {IDC_007_LIST_2, 3},
    {IDC_007_LIST_3, 4}, {IDC_007_LIST_4, 5},  {IDC_007_LIST_5, 6},   {IDC_007_LIST_6, 7}, {0, 0},
};
const TLayoutLabel kMapLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {IDC_007_LABEL_2, 22010},
    {IDC_007_LABEL_3, 22011},
    {IDC_007_LABEL_4, 22012},
    {IDC_007_LABEL_5, 22013},
    {IDC_007_LABEL_6, 22014},
    {0, 0},
};
const TLayoutList kMapLists[] = {
    {IDC_007_LIST_1, k007MapSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007ColorMapGlobe, 3},
    {IDC_007_LIST_3, k007MapPhysicalMedium, 4},
    {IDC_007_LIST_4, k007TypeOfReproduction, 5},
    {IDC_007_LIST_5, k007MapProductionReproductionDetails, 6},
    {IDC_007_LIST_6, k007MapPositiveNegativeAspect, 7},
    {0, nullptr, 0},
};
const TFieldLayout kMapLayout = {L"Map", kMapControls, kNoMoves, kMapLabels, kMapLists, kNoEdits, kPosition02, 8};

// Electronic resource: positions 01 03 04 05 06-08 09 10 11 12 13
const TControlPosition kElectronicResourceControls[] = {
    {IDC_007_OK, -1},      {IDC_007_CANCEL, -1},
    {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3},   {IDC_007_LIST_3, 4},
    {IDC_007_LIST_4, 5},   {IDC_007_EDIT_1, 6},
    {IDC_007_LIST_6, 9},   {IDC_007_LIST_7, 10},
    {IDC_007_LIST_8, 11},  {IDC_007_LIST_9, 12},
    {IDC_007_LIST_10, 13}, {0, 0},
};
const TLayoutLabel kElectronicResourceLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {IDC_007_LABEL_2, 22010},
    {IDC_007_LABEL_3, 22015},
    {IDC_007_LABEL_4, 22016},
    {IDC_007_LABEL_5, 22017},
    {IDC_007_LABEL_6, 22018},
    {IDC_007_LABEL_7, 22019},
    {IDC_007_LABEL_8, 22020},
    {IDC_007_LABEL_9, 22021},
    {IDC_007_LABEL_10, 22022},
    {0, 0},
};
const TLayoutList kElectronicResourceLists[] = {
    {IDC_007_LIST_1, k007ElectronicResourceSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007ElectronicResourceColor, 3},
    {IDC_007_LIST_3, k007ElectronicResourceDimensions, 4},
    {IDC_007_LIST_4, k007ElectronicResourceSound, 5},
    {IDC_007_LIST_6, k007ElectronicResourceFileFormats, 9},
    {IDC_007_LIST_7, k007ElectronicResourceQualityAssuranceTarget, 10},
    {IDC_007_LIST_8, k007ElectronicResourceAntecedentSource, 11},
    {IDC_007_LIST_9, k007ElectronicResourceLevelOfCompression, 12},
    {IDC_007_LIST_10, k007ElectronicResourceReformattingQuality, 13},
    {0, nullptr, 0},
};
const TLayoutEdit kElectronicResourceEdits[] = {
    {IDC_007_EDIT_1, 6, 3, "0123456789mn-|"},
    {0, 0, 0, nullptr},
};
const TControlMove kElectronicResourceMoves[] = {{IDC_007_EDIT_1, IDC_007_LIST_5}, {0, 0}};
const TFieldLayout kElectronicResourceLayout = {L"Electronic resource",
                                                kElectronicResourceControls,
                                                kElectronicResourceMoves,
                                                kElectronicResourceLabels,
                                                kElectronicResourceLists,
                                                kElectronicResourceEdits,
                                                kPosition02,
                                                12};

// Globe: positions 01 03 04 05
const TControlPosition kGlobeControls[] = {
    {IDC_007_OK, -1},    {IDC_007_CANCEL, -1}, {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3}, {IDC_007_LIST_3, 4},  {IDC_007_LIST_4, 5},   {0, 0},
};
const TLayoutLabel kGlobeLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22010}, {IDC_007_LABEL_3, 22023}, {IDC_007_LABEL_4, 22024}, {0, 0},
};
const TLayoutList kGlobeLists[] = {
    {IDC_007_LIST_1, k007GlobeSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007ColorMapGlobe, 3},
    {IDC_007_LIST_3, k007GlobePhysicalMedium, 4},
    {IDC_007_LIST_4, k007TypeOfReproduction, 5},
    {0, nullptr, 0},
};
const TFieldLayout kGlobeLayout = {L"Globe",    kGlobeControls, kNoMoves,    kGlobeLabels,
                                   kGlobeLists, kNoEdits,       kPosition02, 6};

// Tactile material: positions 01 03-04 05 06-08 09
const TControlPosition kTactileMaterialControls[] = {
    {IDC_007_OK, -1},    {IDC_007_CANCEL, -1}, {IDC_007_CATEGORY, 0},
    {IDC_007_LIST_1, 1}, {IDC_007_EDIT_1, 3},  {IDC_007_LIST_3, 5},
    {IDC_007_EDIT_2, 6}, {IDC_007_LIST_5, 9},  {0, 0},
};
const TLayoutLabel kTactileMaterialLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22026}, {IDC_007_LABEL_3, 22027},
    {IDC_007_LABEL_4, 22028}, {IDC_007_LABEL_5, 22029}, {0, 0},
};
const TLayoutList kTactileMaterialLists[] = {
    {IDC_007_LIST_1, k007TactileMaterialSpecificMaterialDesignation, 1},
    {IDC_007_LIST_3, k007TactileMaterialLevelOfContraction, 5},
    {IDC_007_LIST_5, k007TactileMaterialSpecificPhysicalCharacteristics, 9},
    {0, nullptr, 0},
};
const TLayoutEdit kTactileMaterialEdits[] = {
    {IDC_007_EDIT_1, 3, 2, " abcdemnuz|"},
    {IDC_007_EDIT_2, 6, 3, " abcdefghijklnuz|"},
    {0, 0, 0, nullptr},
};
const TControlMove kTactileMaterialMoves[] = {
    {IDC_007_EDIT_1, IDC_007_LIST_2}, {IDC_007_EDIT_2, IDC_007_LIST_4}, {0, 0}};
const TFieldLayout kTactileMaterialLayout = {
    L"Tactile material",   kTactileMaterialControls, kTactileMaterialMoves, kTactileMaterialLabels,
    kTactileMaterialLists, kTactileMaterialEdits,    kPosition02,           7};

// Projected graphic: positions 01 03 04 05 06 07 08
const TControlPosition kProjectedGraphicControls[] = {
    {IDC_007_OK, -1},
    {IDC_007_CANCEL, -1},
    {IDC_007_CATEGORY, 0},
    {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3},
    {IDC_007_LIST_3, 4},
    {IDC_007_LIST_4, 5},
    {IDC_007_LIST_5, 6},
    {IDC_007_LIST_6, 7},
    {IDC_007_LIST_7, 8},
    {0, 0},
};
const TLayoutLabel kProjectedGraphicLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22010}, {IDC_007_LABEL_3, 22030}, {IDC_007_LABEL_4, 22031},
    {IDC_007_LABEL_5, 22032}, {IDC_007_LABEL_6, 22033}, {IDC_007_LABEL_7, 22034}, {0, 0},
};
const TLayoutList kProjectedGraphicLists[] = {
    {IDC_007_LIST_1, k007ProjectedGraphicSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007ProjectedGraphicColor, 3},
    {IDC_007_LIST_3, k007ProjectedGraphicBaseOfEmulsion, 4},
    {IDC_007_LIST_4, k007SoundOnMediumOrSeparate, 5},
    {IDC_007_LIST_5, k007MediumForSound, 6},
    {IDC_007_LIST_6, k007ProjectedGraphicDimensions, 7},
    {IDC_007_LIST_7, k007ProjectedGraphicSecondarySupportMaterial, 8},
    {0, nullptr, 0},
};
const TFieldLayout kProjectedGraphicLayout = {L"Projected graphic",
                                              kProjectedGraphicControls,
                                              kNoMoves,
                                              kProjectedGraphicLabels,
                                              kProjectedGraphicLists,
                                              kNoEdits,
                                              kPosition02,
                                              9};

// Microform: positions 01 03 04 05 06-08 09 10 11 12
const TControlPosition kMicroformControls[] = {
    {IDC_007_OK, -1},
    {IDC_007_CANCEL, -1},
    {IDC_007_CATEGORY, 0},
    {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3},
    {IDC_007_LIST_3, 4},
    {IDC_007_LIST_4, 5},
    {IDC_007_EDIT_1, 6},
    {IDC_007_LIST_6, 9},
    {IDC_007_LIST_7, 10},
    {IDC_007_LIST_8, 11},
    {IDC_007_LIST_9, 12},
    {0, 0},
};
const TLayoutLabel kMicroformLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22035},
    {IDC_007_LABEL_3, 22036}, {IDC_007_LABEL_4, 22037},
    {IDC_007_LABEL_5, 22038}, {IDC_007_LABEL_6, 22039},
    {IDC_007_LABEL_7, 22040}, {IDC_007_LABEL_8, 22041},
    {IDC_007_LABEL_9, 22042}, {0, 0},
};
const TLayoutList kMicroformLists[] = {
    {IDC_007_LIST_1, k007MicroformSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007MicroformPositiveNegativeAspect, 3},
    {IDC_007_LIST_3, k007MicroformDimensions, 4},
    {IDC_007_LIST_4, k007MicroformReductionRatioRange, 5},
    {IDC_007_LIST_6, k007MicroformColor, 9},
    {IDC_007_LIST_7, k007MicroformEmulsionOnFilm, 10},
    {IDC_007_LIST_8, k007MicroformGeneration, 11},
    {IDC_007_LIST_9, k007BaseOfFilm, 12},
    {0, nullptr, 0},
};
const TLayoutEdit kMicroformEdits[] = {
    {IDC_007_EDIT_1, 6, 3, "0123456789-"},
    {0, 0, 0, nullptr},
};
const TControlMove kMicroformMoves[] = {{IDC_007_EDIT_1, IDC_007_LIST_5}, {0, 0}};
const TFieldLayout kMicroformLayout = {L"Microform",    kMicroformControls, kMicroformMoves, kMicroformLabels,
                                       kMicroformLists, kMicroformEdits,    kPosition02,     11};

// Nonprojected graphic: positions 01 03 04 05
const TControlPosition kNonprojectedGraphicControls[] = {
    {IDC_007_OK, -1},    {IDC_007_CANCEL, -1}, {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3}, {IDC_007_LIST_3, 4},  {IDC_007_LIST_4, 5},   {0, 0},
};
const TLayoutLabel kNonprojectedGraphicLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22010}, {IDC_007_LABEL_3, 22043}, {IDC_007_LABEL_4, 22044}, {0, 0},
};
const TLayoutList kNonprojectedGraphicLists[] = {
    {IDC_007_LIST_1, k007NonprojectedGraphicSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007NonprojectedGraphicColor, 3},
    {IDC_007_LIST_3, k007NonprojectedGraphicPrimarySupportMaterial, 4},
    {IDC_007_LIST_4, k007NonprojectedGraphicSecondarySupportMaterial, 5},
    {0, nullptr, 0},
};
const TFieldLayout kNonprojectedGraphicLayout = {L"Nonprojected graphic",
                                                 kNonprojectedGraphicControls,
                                                 kNoMoves,
                                                 kNonprojectedGraphicLabels,
                                                 kNonprojectedGraphicLists,
                                                 kNoEdits,
                                                 kPosition02,
                                                 6};

// Motion picture: positions 01 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17-22
const TControlPosition kMotionPictureControls[] = {
    {IDC_007_OK, -1},      {IDC_007_CANCEL, -1},  {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},   {IDC_007_LIST_2, 3},
    {IDC_007_LIST_3, 4},   {IDC_007_LIST_4, 5},   {IDC_007_LIST_5, 6},   {IDC_007_LIST_6, 7},   {IDC_007_LIST_7, 8},
    {IDC_007_LIST_8, 9},   {IDC_007_LIST_9, 10},  {IDC_007_LIST_10, 11}, {IDC_007_LIST_11, 12}, {IDC_007_LIST_12, 13},
    {IDC_007_LIST_13, 14}, {IDC_007_LIST_14, 15}, {IDC_007_LIST_15, 16}, {IDC_007_EDIT_1, 17},  {0, 0},
};
const TLayoutLabel kMotionPictureLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {IDC_007_LABEL_2, 22010},
    {IDC_007_LABEL_3, 22045},
    {IDC_007_LABEL_4, 22046},
    {IDC_007_LABEL_5, 22047},
    {IDC_007_LABEL_6, 22048},
    {IDC_007_LABEL_7, 22049},
    {IDC_007_LABEL_8, 22050},
    {IDC_007_LABEL_9, 22051},
    {IDC_007_LABEL_10, 22052},
    {IDC_007_LABEL_11, 22053},
    {IDC_007_LABEL_12, 22054},
    {IDC_007_LABEL_13, 22055},
    {IDC_007_LABEL_14, 22056},
    {IDC_007_LABEL_15, 22057},
    {IDC_007_LABEL_16, 22058},
    {0, 0},
};
const TLayoutList kMotionPictureLists[] = {
    {IDC_007_LIST_1, k007MotionPictureSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007MotionPictureColor, 3},
    {IDC_007_LIST_3, k007MotionPicturePresentationFormat, 4},
    {IDC_007_LIST_4, k007SoundOnMediumOrSeparate, 5},
    {IDC_007_LIST_5, k007MediumForSound, 6},
    {IDC_007_LIST_6, k007MotionPictureDimensions, 7},
    {IDC_007_LIST_7, k007ConfigurationOfPlaybackChannels, 8},
    {IDC_007_LIST_8, k007MotionPictureProductionElements, 9},
    {IDC_007_LIST_9, k007MotionPicturePositiveNegativeAspect, 10},
    {IDC_007_LIST_10, k007MotionPictureGeneration, 11},
    {IDC_007_LIST_11, k007BaseOfFilm, 12},
    {IDC_007_LIST_12, k007MotionPictureRefinedCategoriesOfColor, 13},
    {IDC_007_LIST_13, k007MotionPictureKindOfColorStockOrPrint, 14},
    {IDC_007_LIST_14, k007MotionPictureDeteriorationStage, 15},
    {IDC_007_LIST_15, k007MotionPictureCompleteness, 16},
    {0, nullptr, 0},
};
const TLayoutEdit kMotionPictureEdits[] = {
    {IDC_007_EDIT_1, 17, 6, "-|0123456789"},
    {0, 0, 0, nullptr},
};
const TControlMove kMotionPictureMoves[] = {{IDC_007_EDIT_1, IDC_007_LIST_16}, {0, 0}};
const TFieldLayout kMotionPictureLayout = {
    L"Motion picture",   kMotionPictureControls, kMotionPictureMoves, kMotionPictureLabels,
    kMotionPictureLists, kMotionPictureEdits,    kPosition02,         18};

// Kit: positions 01
const TLayoutLabel kKitLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {0, 0},
};
const TLayoutList kKitLists[] = {
    {IDC_007_LIST_1, k007UnspecifiedMaterialDesignation, 1},
    {0, nullptr, 0},
};
const TFieldLayout kKitLayout = {L"Kit", kShortControls, kNoMoves, kKitLabels, kKitLists, kNoEdits, kPosition02, 3};

// Notated music: positions 01
const TLayoutLabel kNotatedMusicLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {0, 0},
};
const TLayoutList kNotatedMusicLists[] = {
    {IDC_007_LIST_1, k007UnspecifiedMaterialDesignation, 1},
    {0, nullptr, 0},
};
const TFieldLayout kNotatedMusicLayout = {L"Notated music",   kShortControls, kNoMoves,    kNotatedMusicLabels,
                                          kNotatedMusicLists, kNoEdits,       kPosition02, 3};

// Text: positions 01
const TLayoutLabel kTextLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {0, 0},
};
const TLayoutList kTextLists[] = {
    {IDC_007_LIST_1, k007TextSpecificMaterialDesignation, 1},
    {0, nullptr, 0},
};
const TFieldLayout kTextLayout = {L"Text", kShortControls, kNoMoves, kTextLabels, kTextLists, kNoEdits, kPosition02, 3};

// Unspecified: positions 01
const TLayoutLabel kUnspecifiedLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {0, 0},
};
const TLayoutList kUnspecifiedLists[] = {
    {IDC_007_LIST_1, k007UnspecifiedSpecificMaterialDesignation, 1},
    {0, nullptr, 0},
};
const TFieldLayout kUnspecifiedLayout = {L"Unspecified",    kShortControls, kNoMoves,    kUnspecifiedLabels,
                                         kUnspecifiedLists, kNoEdits,       kPosition02, 3};

// Remote-sensing image: positions 01 03 04 05 06 07 08 09
const TControlPosition kRemoteSensingImageControls[] = {
    {IDC_007_OK, -1},    {IDC_007_CANCEL, -1}, {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3}, {IDC_007_LIST_3, 4},  {IDC_007_LIST_4, 5},   {IDC_007_LIST_5, 6},
    {IDC_007_LIST_6, 7}, {IDC_007_LIST_7, 8},  {IDC_007_LIST_8, 9},   {0, 0},
};
const TLayoutLabel kRemoteSensingImageLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22059}, {IDC_007_LABEL_3, 22060},
    {IDC_007_LABEL_4, 22061}, {IDC_007_LABEL_5, 22062}, {IDC_007_LABEL_6, 22063},
    {IDC_007_LABEL_7, 22064}, {IDC_007_LABEL_8, 22065}, {0, 0},
};
const TLayoutList kRemoteSensingImageLists[] = {
    {IDC_007_LIST_1, k007UnspecifiedMaterialDesignation, 1},
    {IDC_007_LIST_2, k007RemoteSensingImageAltitudeOfSensor, 3},
    {IDC_007_LIST_3, k007RemoteSensingImageAttitudeOfSensor, 4},
    {IDC_007_LIST_4, k007RemoteSensingImageCloudCover, 5},
    {IDC_007_LIST_5, k007RemoteSensingImagePlatformConstructionType, 6},
    {IDC_007_LIST_6, k007RemoteSensingImagePlatformUseCategory, 7},
    {IDC_007_LIST_7, k007RemoteSensingImageSensorType, 8},
    {IDC_007_LIST_8, k007RemoteSensingImageDataType, 9},
    {0, nullptr, 0},
};
const TFieldLayout kRemoteSensingImageLayout = {L"Remote-sensing image",
                                                kRemoteSensingImageControls,
                                                kNoMoves,
                                                kRemoteSensingImageLabels,
                                                kRemoteSensingImageLists,
                                                kNoEdits,
                                                kPosition02,
                                                10};

// Sound recording: positions 01 03 04 05 06 07 08 09 10 11 12 13
const TControlPosition kSoundRecordingControls[] = {
    {IDC_007_OK, -1},      {IDC_007_CANCEL, -1},  {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3},   {IDC_007_LIST_3, 4},   {IDC_007_LIST_4, 5},   {IDC_007_LIST_5, 6},
    {IDC_007_LIST_6, 7},   {IDC_007_LIST_7, 8},   {IDC_007_LIST_8, 9},   {IDC_007_LIST_9, 10},
    {IDC_007_LIST_10, 11}, {IDC_007_LIST_11, 12}, {IDC_007_LIST_12, 13}, {0, 0},
};
const TLayoutLabel kSoundRecordingLabels[] = {
    {IDC_007_LABEL_1, 22009},
    {IDC_007_LABEL_2, 22066},
    {IDC_007_LABEL_3, 22067},
    {IDC_007_LABEL_4, 22068},
    {IDC_007_LABEL_5, 22069},
    {IDC_007_LABEL_6, 22070},
    {IDC_007_LABEL_7, 22071},
    {IDC_007_LABEL_8, 22072},
    {IDC_007_LABEL_9, 22073},
    {IDC_007_LABEL_10, 22074},
    {IDC_007_LABEL_11, 22075},
    {IDC_007_LABEL_12, 22076},
    {0, 0},
};
const TLayoutList kSoundRecordingLists[] = {
    {IDC_007_LIST_1, k007SoundRecordingSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007SoundRecordingSpeed, 3},
    {IDC_007_LIST_3, k007SoundRecordingConfigurationOfPlaybackChannels, 4},
    {IDC_007_LIST_4, k007SoundRecordingGrooveWidthGroovePitch, 5},
    {IDC_007_LIST_5, k007SoundRecordingDimensions, 6},
    {IDC_007_LIST_6, k007SoundRecordingTapeWidth, 7},
    {IDC_007_LIST_7, k007SoundRecordingTapeConfiguration, 8},
    {IDC_007_LIST_8, k007SoundRecordingKindOfDiscCylinderOrTape, 9},
    {IDC_007_LIST_9, k007SoundRecordingKindOfMaterial, 10},
    {IDC_007_LIST_10, k007SoundRecordingKindOfCutting, 11},
    {IDC_007_LIST_11, k007SoundRecordingSpecialPlaybackCharacteristics, 12},
    {IDC_007_LIST_12, k007SoundRecordingCaptureAndStorageTechnique, 13},
    {0, nullptr, 0},
};
const TFieldLayout kSoundRecordingLayout = {L"Sound recording",
                                            kSoundRecordingControls,
                                            kNoMoves,
                                            kSoundRecordingLabels,
                                            kSoundRecordingLists,
                                            kNoEdits,
                                            kPosition02,
                                            14};

// Videorecording: positions 01 03 04 05 06 07 08
const TControlPosition kVideorecordingControls[] = {
    {IDC_007_OK, -1},
    {IDC_007_CANCEL, -1},
    {IDC_007_CATEGORY, 0},
    {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 3},
    {IDC_007_LIST_3, 4},
    {IDC_007_LIST_4, 5},
    {IDC_007_LIST_5, 6},
    {IDC_007_LIST_6, 7},
    {IDC_007_LIST_7, 8},
    {0, 0},
};
const TLayoutLabel kVideorecordingLabels[] = {
    {IDC_007_LABEL_1, 22009}, {IDC_007_LABEL_2, 22010}, {IDC_007_LABEL_3, 22077}, {IDC_007_LABEL_4, 22078},
    {IDC_007_LABEL_5, 22079}, {IDC_007_LABEL_6, 22080}, {IDC_007_LABEL_7, 22081}, {0, 0},
};
const TLayoutList kVideorecordingLists[] = {
    {IDC_007_LIST_1, k007VideorecordingSpecificMaterialDesignation, 1},
    {IDC_007_LIST_2, k007VideorecordingColor, 3},
    {IDC_007_LIST_3, k007VideorecordingFormat, 4},
    {IDC_007_LIST_4, k007SoundOnMediumOrSeparate, 5},
    {IDC_007_LIST_5, k007MediumForSound, 6},
    {IDC_007_LIST_6, k007VideorecordingDimensions, 7},
    {IDC_007_LIST_7, k007ConfigurationOfPlaybackChannels, 8},
    {0, nullptr, 0},
};
const TFieldLayout kVideorecordingLayout = {L"Videorecording",
                                            kVideorecordingControls,
                                            kNoMoves,
                                            kVideorecordingLabels,
                                            kVideorecordingLists,
                                            kNoEdits,
                                            kPosition02,
                                            9};

// Disabled: positions 01 02 03 04 05 06 07 08 09 10
const TControlPosition kDisabledControls[] = {
    {IDC_007_OK, -1},      {IDC_007_CANCEL, -1},
    {IDC_007_CATEGORY, 0}, {IDC_007_LIST_1, 1},
    {IDC_007_LIST_2, 2},   {IDC_007_LIST_3, 3},
    {IDC_007_LIST_4, 4},   {IDC_007_LIST_5, 5},
    {IDC_007_LIST_6, 6},   {IDC_007_LIST_7, 7},
    {IDC_007_LIST_8, 8},   {IDC_007_LIST_9, 9},
    {IDC_007_LIST_10, 10}, {0, 0},
};
const TLayoutLabel kDisabledLabels[] = {
    {IDC_007_LABEL_1, 22082},
    {IDC_007_LABEL_2, 22083},
    {IDC_007_LABEL_3, 22084},
    {IDC_007_LABEL_4, 22085},
    {IDC_007_LABEL_5, 22086},
    {IDC_007_LABEL_6, 22087},
    {IDC_007_LABEL_7, 22088},
    {IDC_007_LABEL_8, 22089},
    {IDC_007_LABEL_9, 22090},
    {IDC_007_LABEL_10, 22091},
    {0, 0},
};
const TLayoutList kDisabledLists[] = {
    {IDC_007_LIST_1, k007DisabledStairwayRamps, 1},
    {IDC_007_LIST_2, k007DisabledDoors, 2},
    {IDC_007_LIST_3, k007DisabledFurnitureEquipmentDisplayRacks, 3},
    {IDC_007_LIST_4, k007DisabledRestrooms, 4},
    {IDC_007_LIST_5, k007DisabledElevators, 5},
    {IDC_007_LIST_6, k007DisabledTelephones, 6},
    {IDC_007_LIST_7, k007DisabledFlashingEmergencyLights, 7},
    {IDC_007_LIST_8, k007DisabledSignLanguage, 8},
    {IDC_007_LIST_9, k007DisabledSubtitlesAndOrSupertitles, 9},
    {IDC_007_LIST_10, k007DisabledParking, 10},
    {0, nullptr, 0},
};
const TFieldLayout kDisabledLayout = {L"Disabled",    kDisabledControls, kNoMoves,    kDisabledLabels,
                                      kDisabledLists, kNoEdits,          kPosition02, 12};

// In the order of the category list; u last, as it is not one of its rows.
// Choosing e again blanks its positions after 00, as its lists know no
// "no attempt to code".
const T007Category kCategories[] = {
    {'a', 22097, 22593, 8, "aj cauun", &kMapLayout},
    {'c', 22098, 22594, 14, "c| || ||||||||", &kElectronicResourceLayout},
    {'d', 22099, 22595, 6, "d| |||", &kGlobeLayout},
    {'e', 22100, 22596, 11, "e          ", &kDisabledLayout},
    {'f', 22101, 22597, 10, "f| |||||||", &kTactileMaterialLayout},
    {'g', 22102, 22598, 9, "g| ||||||", &kProjectedGraphicLayout},
    {'h', 22103, 22599, 13, "h| |||000||||", &kMicroformLayout},
    {'k', 22104, 22600, 6, "k| |||", &kNonprojectedGraphicLayout},
    {'m', 22105, 22601, 23, "m| ||||||||||||||||||||", &kMotionPictureLayout},
    {'o', 22106, 22602, 2, "o|", &kKitLayout},
    {'q', 22107, 22603, 2, "q|", &kNotatedMusicLayout},
    {'r', 22108, 22604, 11, "r| ||||||||", &kRemoteSensingImageLayout},
    {'s', 22109, 22605, 14, "s| |||||||||||", &kSoundRecordingLayout},
    {'t', 22110, 22606, 2, "t|", &kTextLayout},
    {'v', 22111, 22607, 9, "v| ||||||", &kVideorecordingLayout},
    {'z', 22112, 22608, 2, "z|", &kUnspecifiedLayout},
    {'u', 22092, IDS_007_TITLE_UNSPECIFIED, 1, "u          ", &kNoCategoryLayout},
};
const T007Category kNoCategory = {0, 0, IDS_007_TITLE_UNSPECIFIED, 0, nullptr, &kNoCategoryLayout};

const char kCategoryCodes[] = "acdefghkmoqrstvzu";

// Every category, u first; from the second row on, the list without u.
const TCodeListEntry kCategoriesWithUnknown[] = {
    {22092, "u"}, // u - Unknown
    {22097, "a"}, // a - Map
    {22098, "c"}, // c - Electronic resource
    {22099, "d"}, // d - Globe
    {22101, "f"}, // f - Tactile material
    {22102, "g"}, // g - Projected graphic
    {22103, "h"}, // h - Microform
    {22104, "k"}, // k - Nonprojected graphic
    {22105, "m"}, // m - Motion picture
    {22106, "o"}, // o - Kit
    {22107, "q"}, // q - Notated music
    {22108, "r"}, // r - Remote-sensing image
    {22109, "s"}, // s - Sound recording
    {22110, "t"}, // t - Text
    {22111, "v"}, // v - Videorecording
    {22112, "z"}, // z - Unspecified
    {0, ""},
};
const TCodeListEntry kDisabledCategory[] = {
    {22100, "e"}, // e - Disabled
    {0, ""},
};
}

const T007Category& qrx007Category(int cCode)
{
    for (const T007Category& rxCategory : kCategories)
        if (rxCategory.code == cCode)
            return rxCategory;
    return kNoCategory;
}

bool qt007HasLayout(const T007Category& rxCategory)
{
    return rxCategory.layout->labels[0].labelId != 0;
}

const TCodeListEntry* qpx007CategoryList(int cCode)
{
    if (cCode == 'u')
        return kCategoriesWithUnknown;
    if (cCode == 'e')
        return kDisabledCategory;
    return kCategoriesWithUnknown + 1;
}

int qi007Position(const T007Category& rxCategory, int nControlId)
{
    for (const TControlPosition* pxControl = rxCategory.layout->controls; pxControl->controlId != 0; ++pxControl)
        if (pxControl->controlId == nControlId)
            return pxControl->position;
    return -1;
}

const char* qpac007CategoryCodes()
{
    return kCategoryCodes;
}

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList k007CategoryLists_static[] = {
    {"Category of material", kCategoriesWithUnknown + 1},
    {"Category of material (with unknown)", kCategoriesWithUnknown},
    {"Category of material (disabled)", kDisabledCategory},
    {nullptr, nullptr},
};
