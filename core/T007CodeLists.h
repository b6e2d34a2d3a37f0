// The row lists of the 007 categories, in the order the dialog shows them.
#pragma once

#include "core/TCodeListEntry.h"

extern const TCodeListEntry k007MapSpecificMaterialDesignation[];
extern const TCodeListEntry k007ColorMapGlobe[];
extern const TCodeListEntry k007MapPhysicalMedium[];
extern const TCodeListEntry k007TypeOfReproduction[];
extern const TCodeListEntry k007MapProductionReproductionDetails[];
extern const TCodeListEntry k007MapPositiveNegativeAspect[];
extern const TCodeListEntry k007ElectronicResourceSpecificMaterialDesignation[];
extern const TCodeListEntry k007ElectronicResourceColor[];
extern const TCodeListEntry k007ElectronicResourceDimensions[];
extern const TCodeListEntry k007ElectronicResourceSound[];
extern const TCodeListEntry k007ElectronicResourceFileFormats[];
extern const TCodeListEntry k007ElectronicResourceQualityAssuranceTarget[];
extern const TCodeListEntry k007ElectronicResourceAntecedentSource[];
extern const TCodeListEntry k007ElectronicResourceLevelOfCompression[];
extern const TCodeListEntry k007ElectronicResourceReformattingQuality[];
extern const TCodeListEntry k007GlobeSpecificMaterialDesignation[];
extern const TCodeListEntry k007GlobePhysicalMedium[];
extern const TCodeListEntry k007TactileMaterialSpecificMaterialDesignation[];
extern const TCodeListEntry k007TactileMaterialLevelOfContraction[];
extern const TCodeListEntry k007TactileMaterialSpecificPhysicalCharacteristics[];
extern const TCodeListEntry k007ProjectedGraphicSpecificMaterialDesignation[];
extern const TCodeListEntry k007ProjectedGraphicColor[];
extern const TCodeListEntry k007ProjectedGraphicBaseOfEmulsion[];
extern const TCodeListEntry k007SoundOnMediumOrSeparate[];
extern const TCodeListEntry k007MediumForSound[];
extern const TCodeListEntry k007ProjectedGraphicDimensions[];
extern const TCodeListEntry k007ProjectedGraphicSecondarySupportMaterial[];
extern const TCodeListEntry k007MicroformSpecificMaterialDesignation[];
extern const TCodeListEntry k007MicroformPositiveNegativeAspect[];
extern const TCodeListEntry k007MicroformDimensions[];
extern const TCodeListEntry k007MicroformReductionRatioRange[];
extern const TCodeListEntry k007MicroformColor[];
extern const TCodeListEntry k007MicroformEmulsionOnFilm[];
extern const TCodeListEntry k007MicroformGeneration[];
extern const TCodeListEntry k007BaseOfFilm[];
extern const TCodeListEntry k007NonprojectedGraphicSpecificMaterialDesignation[];
extern const TCodeListEntry k007NonprojectedGraphicColor[];
// 23 rows and the end row: the bound lets the primary list below be a constant.
extern const TCodeListEntry k007NonprojectedGraphicSecondarySupportMaterial[24];
// The primary support material: the secondary's rows without its first,
// "# - No secondary support".
constexpr const TCodeListEntry* k007NonprojectedGraphicPrimarySupportMaterial =
    k007NonprojectedGraphicSecondarySupportMaterial + 1;
extern const TCodeListEntry k007MotionPictureSpecificMaterialDesignation[];
extern const TCodeListEntry k007MotionPictureColor[];
extern const TCodeListEntry k007MotionPicturePresentationFormat[];
extern const TCodeListEntry k007MotionPictureDimensions[];
extern const TCodeListEntry k007ConfigurationOfPlaybackChannels[];
extern const TCodeListEntry k007MotionPictureProductionElements[];
extern const TCodeListEntry k007MotionPicturePositiveNegativeAspect[];
extern const TCodeListEntry k007MotionPictureGeneration[];
extern const TCodeListEntry k007MotionPictureRefinedCategoriesOfColor[];
extern const TCodeListEntry k007MotionPictureKindOfColorStockOrPrint[];
extern const TCodeListEntry k007MotionPictureDeteriorationStage[];
extern const TCodeListEntry k007MotionPictureCompleteness[];
extern const TCodeListEntry k007UnspecifiedMaterialDesignation[];
extern const TCodeListEntry k007TextSpecificMaterialDesignation[];
extern const TCodeListEntry k007UnspecifiedSpecificMaterialDesignation[];
extern const TCodeListEntry k007RemoteSensingImageAltitudeOfSensor[];
extern const TCodeListEntry k007RemoteSensingImageAttitudeOfSensor[];
extern const TCodeListEntry k007RemoteSensingImageCloudCover[];
extern const TCodeListEntry k007RemoteSensingImagePlatformConstructionType[];
extern const TCodeListEntry k007RemoteSensingImagePlatformUseCategory[];
extern const TCodeListEntry k007RemoteSensingImageSensorType[];
extern const TCodeListEntry k007RemoteSensingImageDataType[];
extern const TCodeListEntry k007SoundRecordingSpecificMaterialDesignation[];
extern const TCodeListEntry k007SoundRecordingSpeed[];
extern const TCodeListEntry k007SoundRecordingConfigurationOfPlaybackChannels[];
extern const TCodeListEntry k007SoundRecordingGrooveWidthGroovePitch[];
extern const TCodeListEntry k007SoundRecordingDimensions[];
extern const TCodeListEntry k007SoundRecordingTapeWidth[];
extern const TCodeListEntry k007SoundRecordingTapeConfiguration[];
extern const TCodeListEntry k007SoundRecordingKindOfDiscCylinderOrTape[];
extern const TCodeListEntry k007SoundRecordingKindOfMaterial[];
extern const TCodeListEntry k007SoundRecordingKindOfCutting[];
extern const TCodeListEntry k007SoundRecordingSpecialPlaybackCharacteristics[];
extern const TCodeListEntry k007SoundRecordingCaptureAndStorageTechnique[];
extern const TCodeListEntry k007VideorecordingSpecificMaterialDesignation[];
extern const TCodeListEntry k007VideorecordingColor[];
extern const TCodeListEntry k007VideorecordingFormat[];
extern const TCodeListEntry k007VideorecordingDimensions[];
extern const TCodeListEntry k007DisabledStairwayRamps[];
extern const TCodeListEntry k007DisabledDoors[];
extern const TCodeListEntry k007DisabledFurnitureEquipmentDisplayRacks[];
extern const TCodeListEntry k007DisabledRestrooms[];
extern const TCodeListEntry k007DisabledElevators[];
extern const TCodeListEntry k007DisabledTelephones[];
extern const TCodeListEntry k007DisabledFlashingEmergencyLights[];
extern const TCodeListEntry k007DisabledSignLanguage[];
extern const TCodeListEntry k007DisabledSubtitlesAndOrSupertitles[];
extern const TCodeListEntry k007DisabledParking[];
