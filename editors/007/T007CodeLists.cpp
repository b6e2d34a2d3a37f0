// The code lists of the 007 layouts. Lists that two categories offer alike
// are one table; "u - Unspecified" (22096) stands for u where the material
// designation has no unknown.
#include "editors/007/T007CodeLists.h"

// Specific material designation (map)
const TCodeListEntry k007MapSpecificMaterialDesignation[] = {
    {22165, "d"}, {22166, "g"}, {22167, "j"}, {22168, "k"}, {22169, "q"}, {22170, "r"}, {22171, "s"}, {22096, "u"},
    {22172, "y"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Color (map, globe)
const TCodeListEntry k007ColorMapGlobe[] = {
    {22113, "a"}, {22115, "c"}, {22094, "|"}, {0, ""},
};

// Physical medium (map)
const TCodeListEntry k007MapPhysicalMedium[] = {
    {22119, "a"}, {22120, "b"}, {22121, "c"}, {22122, "d"}, {22123, "e"}, {22124, "f"}, {22125, "g"}, {24114, "i"},
    {22126, "j"}, {24115, "l"}, {24116, "n"}, {22127, "p"}, {22128, "q"}, {22129, "r"}, {22130, "s"}, {22131, "t"},
    {22092, "u"}, {24117, "v"}, {24118, "w"}, {22132, "y"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Type of reproduction (map, globe)
const TCodeListEntry k007TypeOfReproduction[] = {
    {22133, "f"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Production/reproduction details (map)
const TCodeListEntry k007MapProductionReproductionDetails[] = {
    {22173, "a"}, {22174, "b"}, {22175, "c"}, {22176, "d"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Positive/negative aspect (map)
const TCodeListEntry k007MapPositiveNegativeAspect[] = {
    {22134, "a"}, {22136, "b"}, {22138, "m"}, {22095, "n"}, {22094, "|"}, {0, ""},
};

// Specific material designation (electronic resource)
const TCodeListEntry k007ElectronicResourceSpecificMaterialDesignation[] = {
    {22177, "a"}, {22178, "b"}, {22179, "c"}, {58112, "d"}, {32776, "e"}, {22180, "f"}, {22181, "h"}, {22182, "j"},
    {32777, "k"}, {22183, "m"}, {22184, "o"}, {22185, "r"}, {22207, "s"}, {22096, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Color (electronic resource)
const TCodeListEntry k007ElectronicResourceColor[] = {
    {22113, "a"}, {22114, "b"}, {22115, "c"}, {22116, "g"}, {22118, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"},
    {22094, "|"}, {0, ""},
};

// Dimensions (electronic resource)
const TCodeListEntry k007ElectronicResourceDimensions[] = {
    {22186, "a"}, {22187, "e"}, {22188, "g"}, {22189, "i"}, {22190, "j"}, {22095, "n"}, {22191, "o"}, {22092, "u"},
    {22206, "v"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Sound (electronic resource)
const TCodeListEntry k007ElectronicResourceSound[] = {
    {22161, " "}, {22162, "a"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// File formats (electronic resource)
const TCodeListEntry k007ElectronicResourceFileFormats[] = {
    {22192, "a"}, {22193, "m"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Quality assurance target(s) (electronic resource)
const TCodeListEntry k007ElectronicResourceQualityAssuranceTarget[] = {
    {22194, "a"}, {22095, "n"}, {22195, "p"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Antecedent/Source (electronic resource)
const TCodeListEntry k007ElectronicResourceAntecedentSource[] = {
    {22196, "a"}, {22197, "b"}, {22198, "c"}, {22199, "d"}, {22200, "m"}, {22095, "n"}, {22092, "u"}, {22094, "|"},
    {0, ""},
};

// Level of compression (electronic resource)
const TCodeListEntry k007ElectronicResourceLevelOfCompression[] = {
    {22201, "a"}, {22202, "b"}, {22203, "d"}, {22204, "m"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Reformatting quality (electronic resource)
const TCodeListEntry k007ElectronicResourceReformattingQuality[] = {
    {22205, "a"}, {22095, "n"}, {22208, "p"}, {22210, "r"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Specific material designation (globe)
const TCodeListEntry k007GlobeSpecificMaterialDesignation[] = {
    {22211, "a"}, {22212, "b"}, {22213, "c"}, {22214, "e"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Physical medium (globe)
const TCodeListEntry k007GlobePhysicalMedium[] = {
    {22119, "a"}, {22120, "b"}, {22121, "c"}, {22122, "d"}, {22123, "e"}, {22124, "f"}, {22125, "g"}, {24114, "i"},
    {24115, "l"}, {24116, "n"}, {22127, "p"}, {24117, "v"}, {24118, "w"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Specific material designation (tactile material)
const TCodeListEntry k007TactileMaterialSpecificMaterialDesignation[] = {
    {22215, "a"}, {22216, "b"}, {22217, "c"}, {22218, "d"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Level of contraction (tactile material)
const TCodeListEntry k007TactileMaterialLevelOfContraction[] = {
    {22219, "a"}, {22220, "b"}, {22221, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific physical characteristics (tactile material)
const TCodeListEntry k007TactileMaterialSpecificPhysicalCharacteristics[] = {
    {22222, "a"}, {22223, "b"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific material designation (projected graphic)
const TCodeListEntry k007ProjectedGraphicSpecificMaterialDesignation[] = {
    {22224, "c"}, {22225, "d"}, {22226, "f"}, {22227, "o"}, {22228, "s"}, {22229, "t"}, {22096, "u"}, {22093, "z"},
    {22094, "|"}, {0, ""},
};

// Color (projected graphic)
const TCodeListEntry k007ProjectedGraphicColor[] = {
    {22113, "a"}, {22114, "b"}, {22115, "c"}, {22117, "h"}, {22118, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"},
    {22094, "|"}, {0, ""},
};

// Base of emulsion (projected graphic)
const TCodeListEntry k007ProjectedGraphicBaseOfEmulsion[] = {
    {22230, "d"}, {22231, "e"}, {22232, "j"}, {22233, "k"}, {22234, "m"}, {22235, "o"}, {22092, "u"}, {22093, "z"},
    {22094, "|"}, {0, ""},
};

// Sound on medium or separate (projected graphic, motion picture, videorecording)
const TCodeListEntry k007SoundOnMediumOrSeparate[] = {
    {22161, " "}, {22162, "a"}, {22163, "b"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Medium for sound (projected graphic, motion picture, videorecording)
const TCodeListEntry k007MediumForSound[] = {
    {22148, " "}, {22139, "a"}, {22140, "b"}, {22141, "c"}, {22142, "d"}, {22143, "e"}, {22144, "f"}, {22145, "g"},
    {22146, "h"}, {22147, "i"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Dimensions (projected graphic)
const TCodeListEntry k007ProjectedGraphicDimensions[] = {
    {22236, "a"}, {22237, "b"}, {22238, "c"}, {22239, "d"}, {22240, "e"}, {22241, "f"}, {22242, "g"}, {22243, "j"},
    {22244, "k"}, {22245, "s"}, {22246, "t"}, {22092, "u"}, {22247, "v"}, {22248, "w"}, {22249, "x"}, {22250, "y"},
    {22093, "z"}, {22094, "|"}, {0, ""},
};

// Secondary support material (projected graphic)
const TCodeListEntry k007ProjectedGraphicSecondarySupportMaterial[] = {
    {22251, " "}, {22252, "c"}, {22253, "d"}, {22254, "e"}, {22255, "h"}, {22256, "j"}, {22257, "k"}, {22258, "m"},
    {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific material designation (microform)
const TCodeListEntry k007MicroformSpecificMaterialDesignation[] = {
    {22259, "a"}, {22260, "b"}, {22261, "c"}, {22262, "d"}, {22263, "e"}, {22264, "f"}, {22265, "g"}, {22592, "h"},
    {22609, "j"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Positive/negative aspect (microform)
const TCodeListEntry k007MicroformPositiveNegativeAspect[] = {
    {22134, "a"}, {22136, "b"}, {22138, "m"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Dimensions (microform)
const TCodeListEntry k007MicroformDimensions[] = {
    {22266, "a"}, {22267, "d"}, {22268, "f"}, {22269, "g"}, {22270, "h"}, {22271, "l"}, {22272, "m"}, {22273, "o"},
    {22274, "p"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Reduction ratio range (microform)
const TCodeListEntry k007MicroformReductionRatioRange[] = {
    {22275, "a"}, {22276, "b"}, {22277, "c"}, {22278, "d"}, {22279, "e"}, {22092, "u"}, {22280, "v"}, {22094, "|"},
    {0, ""},
};

// Color (microform)
const TCodeListEntry k007MicroformColor[] = {
    {22114, "b"}, {22115, "c"}, {22118, "m"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Emulsion on film (microform)
const TCodeListEntry k007MicroformEmulsionOnFilm[] = {
    {22281, "a"}, {22282, "b"}, {22283, "c"}, {22284, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Generation (microform)
const TCodeListEntry k007MicroformGeneration[] = {
    {22285, "a"}, {22286, "b"}, {22287, "c"}, {22288, "m"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Base of film (microform, motion picture)
const TCodeListEntry k007BaseOfFilm[] = {
    {22153, "a"}, {22154, "c"}, {22155, "d"}, {22159, "i"}, {22160, "m"}, {22095, "n"}, {22156, "p"}, {22157, "r"},
    {22158, "t"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific material designation (nonprojected graphic)
const TCodeListEntry k007NonprojectedGraphicSpecificMaterialDesignation[] = {
    {22610, "a"}, {22289, "c"}, {22290, "d"}, {22291, "e"}, {22292, "f"}, {22293, "g"}, {22294, "h"}, {22295, "i"},
    {22296, "j"}, {22611, "k"}, {22297, "l"}, {22298, "n"}, {22299, "o"}, {22612, "p"}, {22613, "q"}, {22614, "r"},
    {22615, "s"}, {22096, "u"}, {22616, "v"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Color (nonprojected graphic)
const TCodeListEntry k007NonprojectedGraphicColor[] = {
    {22113, "a"}, {22114, "b"}, {22115, "c"}, {22117, "h"}, {22118, "m"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Primary support material (nonprojected graphic)
const TCodeListEntry k007NonprojectedGraphicPrimarySupportMaterial[] = {
    {22300, "a"}, {22301, "b"}, {22302, "c"}, {22303, "d"}, {22304, "e"}, {22305, "f"}, {22306, "g"}, {22307, "h"},
    {22617, "i"}, {22618, "l"}, {22308, "m"}, {22309, "o"}, {22310, "p"}, {22311, "q"}, {22312, "r"}, {22313, "s"},
    {22314, "t"}, {22092, "u"}, {22619, "v"}, {22620, "w"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Secondary support material (nonprojected graphic)
const TCodeListEntry k007NonprojectedGraphicSecondarySupportMaterial[] = {
    {22315, " "}, {22300, "a"}, {22301, "b"}, {22302, "c"}, {22303, "d"}, {22304, "e"}, {22305, "f"}, {22306, "g"},
    {22307, "h"}, {22617, "i"}, {22618, "l"}, {22308, "m"}, {22309, "o"}, {22310, "p"}, {22311, "q"}, {22312, "r"},
    {22313, "s"}, {22314, "t"}, {22092, "u"}, {22619, "v"}, {22620, "w"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific material designation (motion picture)
const TCodeListEntry k007MotionPictureSpecificMaterialDesignation[] = {
    {22316, "c"}, {22317, "f"}, {22621, "o"}, {22318, "r"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Color (motion picture)
const TCodeListEntry k007MotionPictureColor[] = {
    {22114, "b"}, {22115, "c"}, {22117, "h"}, {22118, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Motion picture presentation format (motion picture)
const TCodeListEntry k007MotionPicturePresentationFormat[] = {
    {22319, "a"}, {22320, "b"}, {22321, "c"}, {22322, "d"}, {22323, "e"}, {22324, "f"}, {22092, "u"}, {22093, "z"},
    {22094, "|"}, {0, ""},
};

// Dimensions (motion picture)
const TCodeListEntry k007MotionPictureDimensions[] = {
    {22325, "a"}, {22326, "b"}, {22327, "c"}, {22328, "d"}, {22329, "e"}, {22330, "f"}, {22331, "g"}, {22092, "u"},
    {22093, "z"}, {22094, "|"}, {0, ""},
};

// Configuration of playback channels (motion picture, videorecording)
const TCodeListEntry k007ConfigurationOfPlaybackChannels[] = {
    {22149, "k"}, {22150, "m"}, {22095, "n"}, {22151, "q"}, {22152, "s"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Production elements (motion picture)
const TCodeListEntry k007MotionPictureProductionElements[] = {
    {22332, "a"}, {22333, "b"}, {22334, "c"}, {22335, "d"}, {22336, "e"}, {22337, "f"}, {22338, "g"}, {22095, "n"},
    {22093, "z"}, {22094, "|"}, {0, ""},
};

// Positive/negative aspect (motion picture)
const TCodeListEntry k007MotionPicturePositiveNegativeAspect[] = {
    {22134, "a"}, {22136, "b"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Generation (motion picture)
const TCodeListEntry k007MotionPictureGeneration[] = {
    {22339, "d"}, {22340, "e"}, {22341, "o"}, {22342, "r"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Refined categories of color (motion picture)
const TCodeListEntry k007MotionPictureRefinedCategoriesOfColor[] = {
    {22343, "a"}, {22344, "b"}, {22345, "c"}, {22346, "d"}, {22347, "e"}, {22348, "f"}, {22349, "g"}, {22350, "h"},
    {22351, "i"}, {22352, "j"}, {22353, "k"}, {22354, "l"}, {22355, "m"}, {22095, "n"}, {22356, "p"}, {22357, "q"},
    {22358, "r"}, {22359, "s"}, {22360, "t"}, {22092, "u"}, {22361, "v"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Kind of color stock or print (motion picture)
const TCodeListEntry k007MotionPictureKindOfColorStockOrPrint[] = {
    {22362, "a"}, {22363, "b"}, {22364, "c"}, {22365, "d"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Deterioration stage (motion picture)
const TCodeListEntry k007MotionPictureDeteriorationStage[] = {
    {22366, "a"}, {22367, "b"}, {22368, "c"}, {22369, "d"}, {22370, "e"}, {22371, "f"}, {22372, "g"}, {22373, "h"},
    {22374, "k"}, {22375, "l"}, {22376, "m"}, {22094, "|"}, {0, ""},
};

// Completeness (motion picture)
const TCodeListEntry k007MotionPictureCompleteness[] = {
    {22377, "c"}, {22378, "i"}, {22095, "n"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Specific material designation (kit, notated music, remote-sensing image)
const TCodeListEntry k007UnspecifiedMaterialDesignation[] = {
    {22096, "u"}, {22094, "|"}, {0, ""},
};

// Specific material designation (text)
const TCodeListEntry k007TextSpecificMaterialDesignation[] = {
    {22588, "a"}, {22589, "b"}, {22590, "c"}, {22591, "d"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific material designation (unspecified)
const TCodeListEntry k007UnspecifiedSpecificMaterialDesignation[] = {
    {22164, "m"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Altitude of sensor (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageAltitudeOfSensor[] = {
    {22379, "a"}, {22380, "b"}, {22381, "c"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Attitude of sensor (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageAttitudeOfSensor[] = {
    {22382, "a"}, {22383, "b"}, {22384, "c"}, {22095, "n"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Cloud cover (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageCloudCover[] = {
    {22385, "0"}, {22386, "1"}, {22387, "2"}, {22388, "3"}, {22389, "4"}, {22390, "5"}, {22391, "6"}, {22392, "7"},
    {22393, "8"}, {22394, "9"}, {22095, "n"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Platform construction type (remote-sensing image)
const TCodeListEntry k007RemoteSensingImagePlatformConstructionType[] = {
    {22395, "a"}, {22396, "b"}, {22397, "c"}, {22398, "d"}, {22399, "e"}, {22400, "f"}, {22401, "g"}, {22402, "h"},
    {22403, "i"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Platform use category (remote-sensing image)
const TCodeListEntry k007RemoteSensingImagePlatformUseCategory[] = {
    {22404, "a"}, {22405, "b"}, {22406, "c"}, {22407, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Sensor type (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageSensorType[] = {
    {22408, "a"}, {22409, "b"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Data type (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageDataType[] = {
    {22410, "aa"}, {22411, "da"}, {22412, "db"}, {22413, "dc"}, {22414, "dd"}, {22415, "de"}, {22416, "df"},
    {22417, "dv"}, {22418, "dz"}, {22419, "ga"}, {22420, "gb"}, {22421, "gc"}, {22422, "gd"}, {22423, "ge"},
    {22424, "gf"}, {22425, "gg"}, {22426, "gu"}, {22427, "gz"}, {22428, "ja"}, {22429, "jb"}, {22430, "jc"},
    {22431, "jv"}, {22432, "jz"}, {22433, "ma"}, {22434, "mb"}, {22435, "mm"}, {22436, "nn"}, {22437, "pa"},
    {22438, "pb"}, {22439, "pc"}, {22440, "pd"}, {22441, "pe"}, {22442, "pz"}, {22443, "ra"}, {22444, "rb"},
    {22445, "rc"}, {22446, "rd"}, {22447, "sa"}, {22448, "ta"}, {22449, "uu"}, {22450, "zz"}, {22451, "||"},
    {0, ""},
};

// Specific material designation (sound recording)
const TCodeListEntry k007SoundRecordingSpecificMaterialDesignation[] = {
    {22452, "d"}, {22453, "e"}, {22454, "g"}, {22455, "i"}, {22456, "q"}, {22622, "r"}, {22457, "s"}, {22458, "t"},
    {22096, "u"}, {22459, "w"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Speed (sound recording)
const TCodeListEntry k007SoundRecordingSpeed[] = {
    {22460, "a"}, {22461, "b"}, {22462, "c"}, {22463, "d"}, {22464, "e"}, {22465, "f"}, {22466, "h"}, {22467, "i"},
    {22468, "k"}, {22469, "l"}, {22470, "m"}, {22095, "n"}, {22471, "o"}, {22472, "p"}, {22473, "r"}, {22092, "u"},
    {22093, "z"}, {22094, "|"}, {0, ""},
};

// Configuration of playback channels (sound recording)
const TCodeListEntry k007SoundRecordingConfigurationOfPlaybackChannels[] = {
    {22474, "m"}, {22475, "q"}, {22476, "s"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Groove width/groove pitch (sound recording)
const TCodeListEntry k007SoundRecordingGrooveWidthGroovePitch[] = {
    {22477, "m"}, {22095, "n"}, {22478, "s"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Dimensions (sound recording)
const TCodeListEntry k007SoundRecordingDimensions[] = {
    {22479, "a"}, {22480, "b"}, {22481, "c"}, {22482, "d"}, {22483, "e"}, {22484, "f"}, {22485, "g"}, {22486, "j"},
    {22487, "o"}, {22095, "n"}, {22488, "s"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Tape width (sound recording)
const TCodeListEntry k007SoundRecordingTapeWidth[] = {
    {22489, "l"}, {22490, "m"}, {22095, "n"}, {22491, "o"}, {22492, "p"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Tape configuration (sound recording)
const TCodeListEntry k007SoundRecordingTapeConfiguration[] = {
    {22493, "a"}, {22494, "b"}, {22495, "c"}, {22496, "d"}, {22497, "e"}, {22498, "f"}, {22095, "n"}, {22092, "u"},
    {22093, "z"}, {22094, "|"}, {0, ""},
};

// Kind of disc, cylinder or tape (sound recording)
const TCodeListEntry k007SoundRecordingKindOfDiscCylinderOrTape[] = {
    {22499, "a"}, {22500, "b"}, {22501, "d"}, {22502, "i"}, {22503, "m"}, {22095, "n"}, {22504, "r"}, {22505, "s"},
    {22506, "t"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Kind of material (sound recording)
const TCodeListEntry k007SoundRecordingKindOfMaterial[] = {
    {22507, "a"}, {24082, "b"}, {24083, "c"}, {24084, "g"}, {24085, "i"}, {22508, "l"}, {22509, "m"}, {22095, "n"},
    {22510, "p"}, {24086, "r"}, {22511, "s"}, {22092, "u"}, {22512, "w"}, {24087, "z"}, {22094, "|"}, {0, ""},
};

// Kind of cutting (sound recording)
const TCodeListEntry k007SoundRecordingKindOfCutting[] = {
    {22513, "h"}, {22514, "l"}, {22095, "n"}, {22092, "u"}, {22094, "|"}, {0, ""},
};

// Special playback characteristics (sound recording)
const TCodeListEntry k007SoundRecordingSpecialPlaybackCharacteristics[] = {
    {22515, "a"}, {22516, "b"}, {22517, "c"}, {22518, "d"}, {22519, "e"}, {22520, "f"}, {22521, "g"}, {22522, "h"},
    {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Capture and storage technique (sound recording)
const TCodeListEntry k007SoundRecordingCaptureAndStorageTechnique[] = {
    {22523, "a"}, {22524, "b"}, {22525, "d"}, {22526, "e"}, {22092, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Specific material designation (videorecording)
const TCodeListEntry k007VideorecordingSpecificMaterialDesignation[] = {
    {22527, "c"}, {22528, "d"}, {22529, "f"}, {22530, "r"}, {22096, "u"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Color (videorecording)
const TCodeListEntry k007VideorecordingColor[] = {
    {22113, "a"}, {22114, "b"}, {22115, "c"}, {22118, "m"}, {22095, "n"}, {22092, "u"}, {22093, "z"}, {22094, "|"},
    {0, ""},
};

// Videorecording format (videorecording)
const TCodeListEntry k007VideorecordingFormat[] = {
    {22531, "a"}, {22532, "b"}, {22533, "c"}, {22534, "d"}, {22535, "e"}, {22536, "f"}, {22537, "g"}, {22538, "h"},
    {22539, "i"}, {22540, "j"}, {22541, "k"}, {22542, "m"}, {22543, "o"}, {22544, "p"}, {22545, "q"}, {24111, "s"},
    {22092, "u"}, {24081, "v"}, {22093, "z"}, {22094, "|"}, {0, ""},
};

// Dimensions (videorecording)
const TCodeListEntry k007VideorecordingDimensions[] = {
    {22546, "a"}, {22547, "m"}, {22548, "o"}, {22549, "p"}, {22550, "q"}, {22551, "r"}, {22092, "u"}, {22093, "z"},
    {22094, "|"}, {0, ""},
};

// Stairway ramps (disabled)
const TCodeListEntry k007DisabledStairwayRamps[] = {
    {22552, "a"}, {22553, "b"}, {22554, "c"}, {22555, "d"}, {22556, "e"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Doors (disabled)
const TCodeListEntry k007DisabledDoors[] = {
    {22557, "a"}, {22558, "b"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Furniture, equipment, display racks (disabled)
const TCodeListEntry k007DisabledFurnitureEquipmentDisplayRacks[] = {
    {22559, "a"}, {22560, "b"}, {22561, "c"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Restrooms (disabled)
const TCodeListEntry k007DisabledRestrooms[] = {
    {22562, "a"}, {22563, "b"}, {22564, "c"}, {22565, "d"}, {22566, "e"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Elevators (disabled)
const TCodeListEntry k007DisabledElevators[] = {
    {22567, "a"}, {22568, "b"}, {22569, "c"}, {22570, "d"}, {22571, "e"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Telephones (disabled)
const TCodeListEntry k007DisabledTelephones[] = {
    {22572, "a"}, {22573, "b"}, {22574, "c"}, {22575, "d"}, {22576, "e"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Flashing emergency lights (disabled)
const TCodeListEntry k007DisabledFlashingEmergencyLights[] = {
    {22577, "a"}, {22578, "b"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Sign language (disabled)
const TCodeListEntry k007DisabledSignLanguage[] = {
    {22579, "a"}, {22580, "b"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Subtitles and/or supertitles (disabled)
const TCodeListEntry k007DisabledSubtitlesAndOrSupertitles[] = {
    {22581, "a"}, {22582, "b"}, {22583, "c"}, {22584, "d"}, {22095, "n"}, {22092, "u"}, {0, ""},
};

// Parking (disabled)
const TCodeListEntry k007DisabledParking[] = {
    {22585, "a"}, {22586, "b"}, {22587, "c"}, {22095, "n"}, {22092, "u"}, {0, ""},
};
