// The code lists of the 007 layouts. Lists that two categories offer alike
// are one table; "u - Unspecified" (22096) stands for u where the material
// designation has no unknown.
#include "core/T007CodeLists.h"
#include "core/TCodeLists.h"

// Specific material designation (map)
const TCodeListEntry k007MapSpecificMaterialDesignation[] = {
    {22165, "d"}, // d - Atlas
    {22166, "g"}, // g - Diagram
    {22167, "j"}, // j - Map
    {22168, "k"}, // k - Profile
    {22169, "q"}, // q - Model
    {22170, "r"}, // r - Remote-sensing image
    {22171, "s"}, // s - Section
    {22096, "u"}, // u - Unspecified
    {22172, "y"}, // y - View
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (map, globe)
const TCodeListEntry k007ColorMapGlobe[] = {
    {22113, "a"}, // a - One color
    {22115, "c"}, // c - Multicolored
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Physical medium (map)
const TCodeListEntry k007MapPhysicalMedium[] = {
    {22119, "a"}, // a - Paper
    {22120, "b"}, // b - Wood
    {22121, "c"}, // c - Stone
    {22122, "d"}, // d - Metal
    {22123, "e"}, // e - Synthetic
    {22124, "f"}, // f - Skin
    {22125, "g"}, // g - Textile
    {24114, "i"}, // i - Plastic
    {22126, "j"}, // j - Glass
    {24115, "l"}, // l - Vinyl
    {24116, "n"}, // n - Vellum
    {22127, "p"}, // p - Plaster
    {22128, "q"}, // q - Flexible base photographic, positive
    {22129, "r"}, // r - Flexible base photographic, negative
    {22130, "s"}, // s - Non-flexible base photographic, positive
    {22131, "t"}, // t - Non-flexible base photographic, negative
    {22092, "u"}, // u - Unknown
    {24117, "v"}, // v - Leather
    {24118, "w"}, // w - Parchment
    {22132, "y"}, // y - Other photographic medium
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Type of reproduction (map, globe)
const TCodeListEntry k007TypeOfReproduction[] = {
    {22133, "f"}, // f - Facsimile
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Production/reproduction details (map)
const TCodeListEntry k007MapProductionReproductionDetails[] = {
    {22173, "a"}, // a - Photocopy, blueline print
    {22174, "b"}, // b - Photocopy
    {22175, "c"}, // c - Photographic pre-production
    {22176, "d"}, // d - Film
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Positive/negative aspect (map)
const TCodeListEntry k007MapPositiveNegativeAspect[] = {
    {22134, "a"}, // a - Positive
    {22136, "b"}, // b - Negative
    {22138, "m"}, // m - Mixed polarity
    {22095, "n"}, // n - Not applicable
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (electronic resource)
const TCodeListEntry k007ElectronicResourceSpecificMaterialDesignation[] = {
    {22177, "a"}, // a - Tape cartridge
    {22178, "b"}, // b - Chip cartridge
    {22179, "c"}, // c - Computer optical disc cartridge
    {58112, "d"}, // d - Computer disc, type unspecified
    {32776, "e"}, // e - Computer disc cartridge, type unspecified
    {22180, "f"}, // f - Tape cassette
    {22181, "h"}, // h - Tape reel
    {22182, "j"}, // j - Magnetic disk
    {32777, "k"}, // k - Computer card
    {22183, "m"}, // m - Magneto-optical disc
    {22184, "o"}, // o - Optical disc
    {22185, "r"}, // r - Remote
    {22207, "s"}, // s - Standalone device
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (electronic resource)
const TCodeListEntry k007ElectronicResourceColor[] = {
    {22113, "a"}, // a - One color
    {22114, "b"}, // b - Black-and-white
    {22115, "c"}, // c - Multicolored
    {22116, "g"}, // g - Gray scale
    {22118, "m"}, // m - Mixed
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Dimensions (electronic resource)
const TCodeListEntry k007ElectronicResourceDimensions[] = {
    {22186, "a"}, // a - 3 1/2 in.
    {22187, "e"}, // e - 12 in.
    {22188, "g"}, // g - 4 3/4 in. or 12 cm.
    {22189, "i"}, // i - 1 1/8 x 2 3/8 in.
    {22190, "j"}, // j - 3 7/8 x 2 1/2 in.
    {22095, "n"}, // n - Not applicable
    {22191, "o"}, // o - 5 1/4 in.
    {22092, "u"}, // u - Unknown
    {22206, "v"}, // v - 8 in.
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Sound (electronic resource)
const TCodeListEntry k007ElectronicResourceSound[] = {
    {22161, " "}, // # - No sound (silent)
    {22162, "a"}, // a - Sound on medium
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// File formats (electronic resource)
const TCodeListEntry k007ElectronicResourceFileFormats[] = {
    {22192, "a"}, // a - One file format
    {22193, "m"}, // m - Multiple file formats
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Quality assurance target(s) (electronic resource)
const TCodeListEntry k007ElectronicResourceQualityAssuranceTarget[] = {
    {22194, "a"}, // a - Absent
    {22095, "n"}, // n - Not applicable
    {22195, "p"}, // p - Present
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Antecedent/Source (electronic resource)
const TCodeListEntry k007ElectronicResourceAntecedentSource[] = {
    {22196, "a"}, // a - File reproduced from original
    {22197, "b"}, // b - File reproduced from microform
    {22198, "c"}, // c - File reproduced from an electronic resource
    {22199, "d"}, // d - File reproduced from an intermediate (not microform)
    {22200, "m"}, // m - Mixed
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Level of compression (electronic resource)
const TCodeListEntry k007ElectronicResourceLevelOfCompression[] = {
    {22201, "a"}, // a - Uncompressed
    {22202, "b"}, // b - Lossless
    {22203, "d"}, // d - Lossy
    {22204, "m"}, // m - Mixed
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Reformatting quality (electronic resource)
const TCodeListEntry k007ElectronicResourceReformattingQuality[] = {
    {22205, "a"}, // a - Access
    {22095, "n"}, // n - Not applicable
    {22208, "p"}, // p - Preservation
    {22210, "r"}, // r - Replacement
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (globe)
const TCodeListEntry k007GlobeSpecificMaterialDesignation[] = {
    {22211, "a"}, // a - Celestial globe
    {22212, "b"}, // b - Planetary or lunar globe
    {22213, "c"}, // c - Terrestrial globe
    {22214, "e"}, // e - Earth moon globe
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Physical medium (globe)
const TCodeListEntry k007GlobePhysicalMedium[] = {
    {22119, "a"}, // a - Paper
    {22120, "b"}, // b - Wood
    {22121, "c"}, // c - Stone
    {22122, "d"}, // d - Metal
    {22123, "e"}, // e - Synthetic
    {22124, "f"}, // f - Skin
    {22125, "g"}, // g - Textile
    {24114, "i"}, // i - Plastic
    {24115, "l"}, // l - Vinyl
    {24116, "n"}, // n - Vellum
    {22127, "p"}, // p - Plaster
    {24117, "v"}, // v - Leather
    {24118, "w"}, // w - Parchment
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (tactile material)
const TCodeListEntry k007TactileMaterialSpecificMaterialDesignation[] = {
    {22215, "a"}, // a - Moon
    {22216, "b"}, // b - Braille
    {22217, "c"}, // c - Combination
    {22218, "d"}, // d - Tactile, with no writing system
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Level of contraction (tactile material)
const TCodeListEntry k007TactileMaterialLevelOfContraction[] = {
    {22219, "a"}, // a - Uncontracted
    {22220, "b"}, // b - Contracted
    {22221, "m"}, // m - Combination
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific physical characteristics (tactile material)
const TCodeListEntry k007TactileMaterialSpecificPhysicalCharacteristics[] = {
    {22222, "a"}, // a - Print/braille
    {22223, "b"}, // b - Jumbo or enlarged braille
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (projected graphic)
const TCodeListEntry k007ProjectedGraphicSpecificMaterialDesignation[] = {
    {22224, "c"}, // c - Filmstrip cartridge
    {22225, "d"}, // d - Filmslip
    {22226, "f"}, // f - Filmstrip, type unspecified
    {22227, "o"}, // o - Filmstrip roll
    {22228, "s"}, // s - Slide
    {22229, "t"}, // t - Transparency
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (projected graphic)
const TCodeListEntry k007ProjectedGraphicColor[] = {
    {22113, "a"}, // a - One color
    {22114, "b"}, // b - Black-and-white
    {22115, "c"}, // c - Multicolored
    {22117, "h"}, // h - Hand colored
    {22118, "m"}, // m - Mixed
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Base of emulsion (projected graphic)
const TCodeListEntry k007ProjectedGraphicBaseOfEmulsion[] = {
    {22230, "d"}, // d - Glass
    {22231, "e"}, // e - Synthetic
    {22232, "j"}, // j - Safety film
    {22233, "k"}, // k - Film base, other than safety film
    {22234, "m"}, // m - Mixed collection
    {22235, "o"}, // o - Paper
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Sound on medium or separate (projected graphic, motion picture, videorecording)
const TCodeListEntry k007SoundOnMediumOrSeparate[] = {
    {22161, " "}, // # - No sound (silent)
    {22162, "a"}, // a - Sound on medium
    {22163, "b"}, // b - Sound separate from medium
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Medium for sound (projected graphic, motion picture, videorecording)
const TCodeListEntry k007MediumForSound[] = {
    {22148, " "}, // # - No sound (silent)
    {22139, "a"}, // a - Optical sound track on motion picture film
    {22140, "b"}, // b - Magnetic sound track on motion picture film
    {22141, "c"}, // c - Magnetic audio tape in cartridge
    {22142, "d"}, // d - Sound disc
    {22143, "e"}, // e - Magnetic audio tape on reel
    {22144, "f"}, // f - Magnetic audio tape in cassette
    {22145, "g"}, // g - Optical and magnetic sound track on motion picture film
    {22146, "h"}, // h - Videotape
    {22147, "i"}, // i - Videodisc
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Dimensions (projected graphic)
const TCodeListEntry k007ProjectedGraphicDimensions[] = {
    {22236, "a"}, // a - Standard 8 mm. film width
    {22237, "b"}, // b - Super 8 mm./single 8 mm. film width
    {22238, "c"}, // c - 9.5 mm. film width
    {22239, "d"}, // d - 16 mm. film width
    {22240, "e"}, // e - 28 mm. film width
    {22241, "f"}, // f - 35 mm. film width
    {22242, "g"}, // g - 70 mm. film width
    {22243, "j"}, // j - 2x2 in. or 5x5 cm. slide
    {22244, "k"}, // k - 2 1/4 x 2 1/4 in. or 6x6 cm. slide
    {22245, "s"}, // s - 4x5 in. or 10x13 cm. transparency
    {22246, "t"}, // t - 5x7 in. or 13x18 cm. transparency
    {22092, "u"}, // u - Unknown
    {22247, "v"}, // v - 8x10 in. or 21x26 cm. transparency
    {22248, "w"}, // w - 9x9 in. or 23x23 cm. transparency
    {22249, "x"}, // x - 10x10 in. or 26x26 cm. transparency
    {22250, "y"}, // y - 7x7 in. or 18x18 cm. transparency
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Secondary support material (projected graphic)
const TCodeListEntry k007ProjectedGraphicSecondarySupportMaterial[] = {
    {22251, " "}, // # - No secondary support
    {22252, "c"}, // c - Cardboard
    {22253, "d"}, // d - Glass
    {22254, "e"}, // e - Synthetic
    {22255, "h"}, // h - Metal
    {22256, "j"}, // j - Metal and glass
    {22257, "k"}, // k - Synthetic and glass
    {22258, "m"}, // m - Mixed collection
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (microform)
const TCodeListEntry k007MicroformSpecificMaterialDesignation[] = {
    {22259, "a"}, // a - Aperture card
    {22260, "b"}, // b - Microfilm cartridge
    {22261, "c"}, // c - Microfilm cassette
    {22262, "d"}, // d - Microfilm reel
    {22263, "e"}, // e - Microfiche
    {22264, "f"}, // f - Microfiche cassette
    {22265, "g"}, // g - Microopaque
    {22592, "h"}, // h - Microfilm slip
    {22609, "j"}, // j - Microfilm roll
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Positive/negative aspect (microform)
const TCodeListEntry k007MicroformPositiveNegativeAspect[] = {
    {22134, "a"}, // a - Positive
    {22136, "b"}, // b - Negative
    {22138, "m"}, // m - Mixed polarity
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Dimensions (microform)
const TCodeListEntry k007MicroformDimensions[] = {
    {22266, "a"}, // a - 8 mm.
    {22267, "d"}, // d - 16 mm.
    {22268, "f"}, // f - 35 mm.
    {22269, "g"}, // g - 70 mm.
    {22270, "h"}, // h - 105 mm.
    {22271, "l"}, // l - 3x5 in. or 8x13 cm.
    {22272, "m"}, // m - 4x6 in. or 11x15 cm.
    {22273, "o"}, // o - 6x9 in. or 16x23 cm.
    {22274, "p"}, // p - 3 1/4 x 7 3/8 in. or 9x19 cm.
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Reduction ratio range (microform)
const TCodeListEntry k007MicroformReductionRatioRange[] = {
    {22275, "a"}, // a - Low reduction ratio
    {22276, "b"}, // b - Normal reduction
    {22277, "c"}, // c - High reduction
    {22278, "d"}, // d - Very high reduction
    {22279, "e"}, // e - Ultra high reduction
    {22092, "u"}, // u - Unknown
    {22280, "v"}, // v - Reduction rate varies
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (microform)
const TCodeListEntry k007MicroformColor[] = {
    {22114, "b"}, // b - Black-and-white
    {22115, "c"}, // c - Multicolored
    {22118, "m"}, // m - Mixed
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Emulsion on film (microform)
const TCodeListEntry k007MicroformEmulsionOnFilm[] = {
    {22281, "a"}, // a - Silver halide
    {22282, "b"}, // b - Diazo
    {22283, "c"}, // c - Vesicular
    {22284, "m"}, // m - Mixed emulsion
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Generation (microform)
const TCodeListEntry k007MicroformGeneration[] = {
    {22285, "a"}, // a - First generation (master)
    {22286, "b"}, // b - Printing master
    {22287, "c"}, // c - Service copy
    {22288, "m"}, // m - Mixed generation
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Base of film (microform, motion picture)
const TCodeListEntry k007BaseOfFilm[] = {
    {22153, "a"}, // a - Safety base, undetermined
    {22154, "c"}, // c - Safety base, acetate undetermined
    {22155, "d"}, // d - Safety base, diacetate
    {22159, "i"}, // i - Nitrate base
    {22160, "m"}, // m - Mixed base (nitrate and safety)
    {22095, "n"}, // n - Not applicable
    {22156, "p"}, // p - Safety base, polyester
    {22157, "r"}, // r - Safety base, mixed
    {22158, "t"}, // t - Safety base, triacetate
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (nonprojected graphic)
const TCodeListEntry k007NonprojectedGraphicSpecificMaterialDesignation[] = {
    {22610, "a"}, // a - Activity card
    {22289, "c"}, // c - Collage
    {22290, "d"}, // d - Drawing
    {22291, "e"}, // e - Painting
    {22292, "f"}, // f - Photomechanical print
    {22293, "g"}, // g - Photonegative
    {22294, "h"}, // h - Photoprint
    {22295, "i"}, // i - Picture
    {22296, "j"}, // j - Print
    {22611, "k"}, // k - Poster
    {22297, "l"}, // l - Technical drawing
    {22298, "n"}, // n - Chart
    {22299, "o"}, // o - Flash card
    {22612, "p"}, // p - Postcard
    {22613, "q"}, // q - Icon
    {22614, "r"}, // r - Radiograph
    {22615, "s"}, // s - Study print
    {22096, "u"}, // u - Unspecified
    {22616, "v"}, // v - Photograph, type unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (nonprojected graphic)
const TCodeListEntry k007NonprojectedGraphicColor[] = {
    {22113, "a"}, // a - One color
    {22114, "b"}, // b - Black-and-white
    {22115, "c"}, // c - Multicolored
    {22117, "h"}, // h - Hand colored
    {22118, "m"}, // m - Mixed
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Secondary support material (nonprojected graphic); from its second row on,
// the primary support material.
const TCodeListEntry k007NonprojectedGraphicSecondarySupportMaterial[] = {
    {22315, " "}, // # - No secondary support
    {22300, "a"}, // a - Canvas
    {22301, "b"}, // b - Bristol board
    {22302, "c"}, // c - Cardboard/illustration board
    {22303, "d"}, // d - Glass
    {22304, "e"}, // e - Synthetic
    {22305, "f"}, // f - Skin
    {22306, "g"}, // g - Textile
    {22307, "h"}, // h - Metal
    {22617, "i"}, // i - Plastic
    {22618, "l"}, // l - Vinyl
    {22308, "m"}, // m - Mixed collection - Vellum
    {22309, "o"}, // o - Paper
    {22310, "p"}, // p - Plaster
    {22311, "q"}, // q - Hardboard
    {22312, "r"}, // r - Porcelain
    {22313, "s"}, // s - Stone
    {22314, "t"}, // t - Wood
    {22092, "u"}, // u - Unknown
    {22619, "v"}, // v - Leather
    {22620, "w"}, // w - Parchment
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (motion picture)
const TCodeListEntry k007MotionPictureSpecificMaterialDesignation[] = {
    {22316, "c"}, // c - Film cartridge
    {22317, "f"}, // f - Film cassette
    {22621, "o"}, // o - Film roll
    {22318, "r"}, // r - Film reel
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (motion picture)
const TCodeListEntry k007MotionPictureColor[] = {
    {22114, "b"}, // b - Black-and-white
    {22115, "c"}, // c - Multicolored
    {22117, "h"}, // h - Hand colored
    {22118, "m"}, // m - Mixed
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Motion picture presentation format (motion picture)
const TCodeListEntry k007MotionPicturePresentationFormat[] = {
    {22319, "a"}, // a - Standard sound aperture (reduced frame)
    {22320, "b"}, // b - Nonanamorphic (wide-screen)
    {22321, "c"}, // c - 3D
    {22322, "d"}, // d - Anamorphic (wide-screen)
    {22323, "e"}, // e - Other wide-screen format
    {22324, "f"}, // f - Standard silent aperture (full frame)
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Dimensions (motion picture)
const TCodeListEntry k007MotionPictureDimensions[] = {
    {22325, "a"}, // a - Standard 8 mm.
    {22326, "b"}, // b - Super 8 mm./single 8 mm.
    {22327, "c"}, // c - 9.5 mm.
    {22328, "d"}, // d - 16 mm.
    {22329, "e"}, // e - 28 mm.
    {22330, "f"}, // f - 35 mm.
    {22331, "g"}, // g - 70 mm.
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Configuration of playback channels (motion picture, videorecording)
const TCodeListEntry k007ConfigurationOfPlaybackChannels[] = {
    {22149, "k"}, // k - Mixed
    {22150, "m"}, // m - Monaural
    {22095, "n"}, // n - Not applicable
    {22151, "q"}, // q - Quadraphonic, multichannel, or surround
    {22152, "s"}, // s - Stereophonic
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Production elements (motion picture)
const TCodeListEntry k007MotionPictureProductionElements[] = {
    {22332, "a"}, // a - Workprint
    {22333, "b"}, // b - Trims
    {22334, "c"}, // c - Outtakes
    {22335, "d"}, // d - Rushes
    {22336, "e"}, // e - Mixing tracks
    {22337, "f"}, // f - Title bands/inter-title rolls
    {22338, "g"}, // g - Production rolls
    {22095, "n"}, // n - Not applicable
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Positive/negative aspect (motion picture)
const TCodeListEntry k007MotionPicturePositiveNegativeAspect[] = {
    {22134, "a"}, // a - Positive
    {22136, "b"}, // b - Negative
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Generation (motion picture)
const TCodeListEntry k007MotionPictureGeneration[] = {
    {22339, "d"}, // d - Duplicate
    {22340, "e"}, // e - Master
    {22341, "o"}, // o - Original
    {22342, "r"}, // r - Reference print/viewing copy
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Refined categories of color (motion picture)
const TCodeListEntry k007MotionPictureRefinedCategoriesOfColor[] = {
    {22343, "a"}, // a - 3 layer color
    {22344, "b"}, // b - 2 color, single strip
    {22345, "c"}, // c - Undetermined 2 color
    {22346, "d"}, // d - Undetermined 3 color
    {22347, "e"}, // e - 3 strip color
    {22348, "f"}, // f - 2 strip color
    {22349, "g"}, // g - Red strip
    {22350, "h"}, // h - Blue or green strip
    {22351, "i"}, // i - Cyan strip
    {22352, "j"}, // j - Magenta strip
    {22353, "k"}, // k - Yellow strip
    {22354, "l"}, // l - S E N 2
    {22355, "m"}, // m - S E N 3
    {22095, "n"}, // n - Not applicable
    {22356, "p"}, // p - Sepia tone
    {22357, "q"}, // q - Other tone
    {22358, "r"}, // r - Tint
    {22359, "s"}, // s - Tinted and toned
    {22360, "t"}, // t - Stencil color
    {22092, "u"}, // u - Unknown
    {22361, "v"}, // v - Hand colored
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Kind of color stock or print (motion picture)
const TCodeListEntry k007MotionPictureKindOfColorStockOrPrint[] = {
    {22362, "a"}, // a - Imbibition dye transfer prints
    {22363, "b"}, // b - Three-layer stock
    {22364, "c"}, // c - Three layer stock, low fade
    {22365, "d"}, // d - Duplitized stock
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Deterioration stage (motion picture)
const TCodeListEntry k007MotionPictureDeteriorationStage[] = {
    {22366, "a"}, // a - None apparent
    {22367, "b"}, // b - Nitrate: suspicious odor
    {22368, "c"}, // c - Nitrate: pungent odor
    {22369, "d"}, // d - Nitrate: brownish, discoloration, fading, dusty
    {22370, "e"}, // e - Nitrate: sticky
    {22371, "f"}, // f - Nitrate: frothy, bubbles, blisters
    {22372, "g"}, // g - Nitrate: congealed
    {22373, "h"}, // h - Nitrate: powder
    {22374, "k"}, // k - Non-nitrate: detectable deterioration
    {22375, "l"}, // l - Non-nitrate: advanced deterioration
    {22376, "m"}, // m - Non-nitrate: disaster
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Completeness (motion picture)
const TCodeListEntry k007MotionPictureCompleteness[] = {
    {22377, "c"}, // c - Complete
    {22378, "i"}, // i - Incomplete
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (kit, notated music, remote-sensing image)
const TCodeListEntry k007UnspecifiedMaterialDesignation[] = {
    {22096, "u"}, // u - Unspecified
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (text)
const TCodeListEntry k007TextSpecificMaterialDesignation[] = {
    {22588, "a"}, // a - Regular print
    {22589, "b"}, // b - Large print
    {22590, "c"}, // c - Braille
    {22591, "d"}, // d - Loose-leaf
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (unspecified)
const TCodeListEntry k007UnspecifiedSpecificMaterialDesignation[] = {
    {22164, "m"}, // m - Multiple physical forms
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Altitude of sensor (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageAltitudeOfSensor[] = {
    {22379, "a"}, // a - Surface
    {22380, "b"}, // b - Airborne
    {22381, "c"}, // c - Spaceborne
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Attitude of sensor (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageAttitudeOfSensor[] = {
    {22382, "a"}, // a - Low oblique
    {22383, "b"}, // b - High oblique
    {22384, "c"}, // c - Vertical
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Cloud cover (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageCloudCover[] = {
    {22385, "0"}, // 0 - 0-9%
    {22386, "1"}, // 1 - 10-19%
    {22387, "2"}, // 2 - 20-29%
    {22388, "3"}, // 3 - 30-39%
    {22389, "4"}, // 4 - 40-49%
    {22390, "5"}, // 5 - 50-59%
    {22391, "6"}, // 6 - 60-69%
    {22392, "7"}, // 7 - 70-79%
    {22393, "8"}, // 8 - 80-89%
    {22394, "9"}, // 9 - 90-100%
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Platform construction type (remote-sensing image)
const TCodeListEntry k007RemoteSensingImagePlatformConstructionType[] = {
    {22395, "a"}, // a - Balloon
    {22396, "b"}, // b - Aircraft--low altitude
    {22397, "c"}, // c - Aircraft--medium altitude
    {22398, "d"}, // d - Aircraft--high altitude
    {22399, "e"}, // e - Manned spacecraft
    {22400, "f"}, // f - Unmanned spacecraft
    {22401, "g"}, // g - Land-based remote-sensing device
    {22402, "h"}, // h - Water surface-based remote-sensing device
    {22403, "i"}, // i - Submersible remote-sensing device
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Platform use category (remote-sensing image)
const TCodeListEntry k007RemoteSensingImagePlatformUseCategory[] = {
    {22404, "a"}, // a - Meteorological
    {22405, "b"}, // b - Surface observing
    {22406, "c"}, // c - Space observing
    {22407, "m"}, // m - Mixed uses
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Sensor type (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageSensorType[] = {
    {22408, "a"}, // a - Active
    {22409, "b"}, // b - Passive
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Data type (remote-sensing image)
const TCodeListEntry k007RemoteSensingImageDataType[] = {
    {22410, "aa"}, // aa - Visible light
    {22411, "da"}, // da - Near infrared
    {22412, "db"}, // db - Middle infrared
    {22413, "dc"}, // dc - Far infrared
    {22414, "dd"}, // dd - Thermal infrared
    {22415, "de"}, // de - Shortwave infrared (SWIR)
    {22416, "df"}, // df - Reflective infrared
    {22417, "dv"}, // dv - Combinations
    {22418, "dz"}, // dz - Other infrared data
    {22419, "ga"}, // ga - Sidelooking airborne radar (SLAR)
    {22420, "gb"}, // gb - Synthetic aperture radar (SAR)-Single frequency
    {22421, "gc"}, // gc - SAR-multi-frequency (multichannel)
    {22422, "gd"}, // gd - SAR-like polarization
    {22423, "ge"}, // ge - SAR-cross polarization
    {22424, "gf"}, // gf - Infometric SAR
    {22425, "gg"}, // gg - Polarmetric SAR
    {22426, "gu"}, // gu - Passive microwave mapping
    {22427, "gz"}, // gz - Other microwave data
    {22428, "ja"}, // ja - Far ultraviolet
    {22429, "jb"}, // jb - Middle ultraviolet
    {22430, "jc"}, // jc - Near ultraviolet
    {22431, "jv"}, // jv - Ultraviolet combinations
    {22432, "jz"}, // jz - Other ultraviolet data
    {22433, "ma"}, // ma - Multi-spectral, multidata
    {22434, "mb"}, // mb - Multi-temporal
    {22435, "mm"}, // mm - Combination of various data types
    {22436, "nn"}, // nn - Not applicable
    {22437, "pa"}, // pa - Sonar--water depth
    {22438, "pb"}, // pb - Sonar--bottom topography images, sidescan
    {22439, "pc"}, // pc - Sonar--bottom topography, near-surface
    {22440, "pd"}, // pd - Sonar--bottom topography, near-bottom
    {22441, "pe"}, // pe - Seismic surveys
    {22442, "pz"}, // pz - Other acoustical data
    {22443, "ra"}, // ra - Gravity anomalies (general)
    {22444, "rb"}, // rb - Free-air
    {22445, "rc"}, // rc - Bouger
    {22446, "rd"}, // rd - Isostatic
    {22447, "sa"}, // sa - Magnetic field
    {22448, "ta"}, // ta - radiometric surveys
    {22449, "uu"}, // uu - Unknown
    {22450, "zz"}, // zz - Other
    {22451, "||"}, // || - No attempt to code
    {0, ""},
};

// Specific material designation (sound recording)
const TCodeListEntry k007SoundRecordingSpecificMaterialDesignation[] = {
    {22452, "d"}, // d - Sound disc
    {22453, "e"}, // e - Cylinder
    {22454, "g"}, // g - Sound cartridge
    {22455, "i"}, // i - Sound-track film
    {22456, "q"}, // q - Roll
    {22622, "r"}, // r - Remote
    {22457, "s"}, // s - Sound cassette
    {22458, "t"}, // t - Sound-tape reel
    {22096, "u"}, // u - Unspecified
    {22459, "w"}, // w - Wire recording
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Speed (sound recording)
const TCodeListEntry k007SoundRecordingSpeed[] = {
    {22460, "a"}, // a - 16 rpm (discs)
    {22461, "b"}, // b - 33 1/3 rpm (discs)
    {22462, "c"}, // c - 45 rpm (discs)
    {22463, "d"}, // d - 78 rpm (discs)
    {22464, "e"}, // e - 8 rpm (discs)
    {22465, "f"}, // f - 1.4 m. per second (discs)
    {22466, "h"}, // h - 120 rpm (cylinders)
    {22467, "i"}, // i - 160 rpm (cylinders)
    {22468, "k"}, // k - 15/16 ips (tapes)
    {22469, "l"}, // l - 1 7/8 ips (tapes)
    {22470, "m"}, // m - 3 3/4 ips (tapes)
    {22095, "n"}, // n - Not applicable
    {22471, "o"}, // o - 7 1/2 ips (tapes)
    {22472, "p"}, // p - 15 ips (tapes)
    {22473, "r"}, // r - 30 ips (tape)
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Configuration of playback channels (sound recording)
const TCodeListEntry k007SoundRecordingConfigurationOfPlaybackChannels[] = {
    {22474, "m"}, // m - Monaural
    {22475, "q"}, // q - Quadraphonic, multichannel, or surround
    {22476, "s"}, // s - Stereophonic
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Groove width/groove pitch (sound recording)
const TCodeListEntry k007SoundRecordingGrooveWidthGroovePitch[] = {
    {22477, "m"}, // m - Microgroove/fine
    {22095, "n"}, // n - Not applicable
    {22478, "s"}, // s - Coarse/standard
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Dimensions (sound recording)
const TCodeListEntry k007SoundRecordingDimensions[] = {
    {22479, "a"}, // a - 3 in. diameter
    {22480, "b"}, // b - 5 in. diameter
    {22481, "c"}, // c - 7 in. diameter
    {22482, "d"}, // d - 10 in. diameter
    {22483, "e"}, // e - 12 in. diameter
    {22484, "f"}, // f - 16 in. diameter
    {22485, "g"}, // g - 4 3/4 in. or 12 cm. diameter
    {22486, "j"}, // j - 3 7/8 x 2 1/2 in.
    {22487, "o"}, // o - 5 1/4 x 3 7/8 in.
    {22095, "n"}, // n - Not applicable
    {22488, "s"}, // s - 2 3/4 x 4 in.
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Tape width (sound recording)
const TCodeListEntry k007SoundRecordingTapeWidth[] = {
    {22489, "l"}, // l - 1/8 in.
    {22490, "m"}, // m - 1/4 in.
    {22095, "n"}, // n - Not applicable
    {22491, "o"}, // o - 1/2 in.
    {22492, "p"}, // p - 1 in.
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Tape configuration (sound recording)
const TCodeListEntry k007SoundRecordingTapeConfiguration[] = {
    {22493, "a"}, // a - Full (1) track
    {22494, "b"}, // b - Half (2) track
    {22495, "c"}, // c - Quarter (4) track
    {22496, "d"}, // d - Eight track
    {22497, "e"}, // e - Twelve track
    {22498, "f"}, // f - Sixteen track
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Kind of disc, cylinder or tape (sound recording)
const TCodeListEntry k007SoundRecordingKindOfDiscCylinderOrTape[] = {
    {22499, "a"}, // a - Master tape
    {22500, "b"}, // b - Tape duplication master
    {22501, "d"}, // d - Disc master (negative)
    {22502, "i"}, // i - Instantaneous (recorded on the spot)
    {22503, "m"}, // m - Mass-produced
    {22095, "n"}, // n - Not applicable
    {22504, "r"}, // r - Mother (positive)
    {22505, "s"}, // s - Stamper (negative)
    {22506, "t"}, // t - Test pressing
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Kind of material (sound recording)
const TCodeListEntry k007SoundRecordingKindOfMaterial[] = {
    {22507, "a"}, // a - Lacquer coating
    {24082, "b"}, // b - Cellulose nitrate
    {24083, "c"}, // c - Acetate tape with ferrous oxide
    {24084, "g"}, // g - Glass with lacquer
    {24085, "i"}, // i - Aluminum with lacquer
    {22508, "l"}, // l - Metal
    {22509, "m"}, // m - Plastic with metal
    {22095, "n"}, // n - Not applicable
    {22510, "p"}, // p - Plastic
    {24086, "r"}, // r - Paper with lacquer or ferrous oxide
    {22511, "s"}, // s - Shellac
    {22092, "u"}, // u - Unknown
    {22512, "w"}, // w - Wax
    {24087, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Kind of cutting (sound recording)
const TCodeListEntry k007SoundRecordingKindOfCutting[] = {
    {22513, "h"}, // h - Hill-and-dale cutting
    {22514, "l"}, // l - Lateral or combined cutting
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Special playback characteristics (sound recording)
const TCodeListEntry k007SoundRecordingSpecialPlaybackCharacteristics[] = {
    {22515, "a"}, // a - NAB standard
    {22516, "b"}, // b - CCIR standard
    {22517, "c"}, // c - Dolby-B encoded
    {22518, "d"}, // d - dbx encoded
    {22519, "e"}, // e - Digital recording
    {22520, "f"}, // f - Dolby-A encoded
    {22521, "g"}, // g - Dolby-C encoded
    {22522, "h"}, // h - CX encoded
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Capture and storage technique (sound recording)
const TCodeListEntry k007SoundRecordingCaptureAndStorageTechnique[] = {
    {22523, "a"}, // a - Acoustical capture, direct storage
    {22524, "b"}, // b - Direct storage, not acoustical
    {22525, "d"}, // d - Digital storage
    {22526, "e"}, // e - Analog electrical storage
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Specific material designation (videorecording)
const TCodeListEntry k007VideorecordingSpecificMaterialDesignation[] = {
    {22527, "c"}, // c - Videocartridge
    {22528, "d"}, // d - Videodisc
    {22529, "f"}, // f - Videocassette
    {22530, "r"}, // r - Videoreel
    {22096, "u"}, // u - Unspecified
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Color (videorecording)
const TCodeListEntry k007VideorecordingColor[] = {
    {22113, "a"}, // a - One color
    {22114, "b"}, // b - Black-and-white
    {22115, "c"}, // c - Multicolored
    {22118, "m"}, // m - Mixed
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Videorecording format (videorecording)
const TCodeListEntry k007VideorecordingFormat[] = {
    {22531, "a"}, // a - Beta (1/2 in., videocassette)
    {22532, "b"}, // b - VHS (1/2 in., videocassette)
    {22533, "c"}, // c - U-matic (3/4 in., videocasstte)
    {22534, "d"}, // d - EIAJ (1/2 in., reel)
    {22535, "e"}, // e - Type C (1 in., reel)
    {22536, "f"}, // f - Quadruplex (1 in. or 2 in., reel)
    {22537, "g"}, // g - Laserdisc
    {22538, "h"}, // h - CED (Capacitance Electronic Disc) videodisc
    {22539, "i"}, // i - Betacam (1/2 in., videocassette)
    {22540, "j"}, // j - Betacam SP (1/2 in., videocassette)
    {22541, "k"}, // k - Super-VHS (1/2 in., videocassette)
    {22542, "m"}, // m - M-II (1/2 in., videocassette)
    {22543, "o"}, // o - D-2 (3/4 in., videocassette)
    {22544, "p"}, // p - 8 mm.
    {22545, "q"}, // q - Hi-8 mm.
    {24111, "s"}, // s - Blu-ray disc
    {22092, "u"}, // u - Unknown
    {24081, "v"}, // v - DVD
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Dimensions (videorecording)
const TCodeListEntry k007VideorecordingDimensions[] = {
    {22546, "a"}, // a - 8 mm.
    {22547, "m"}, // m - 1/4 in.
    {22548, "o"}, // o - 1/2 in.
    {22549, "p"}, // p - 1 in.
    {22550, "q"}, // q - 2 in.
    {22551, "r"}, // r - 3/4 in.
    {22092, "u"}, // u - Unknown
    {22093, "z"}, // z - Other
    {22094, "|"}, // | - No attempt to code
    {0, ""},
};

// Stairway ramps (disabled)
const TCodeListEntry k007DisabledStairwayRamps[] = {
    {22552, "a"}, // a - Accessible
    {22553, "b"}, // b - Partly accessible
    {22554, "c"}, // c - Accessible with assistance
    {22555, "d"}, // d - Temporarily inaccessible
    {22556, "e"}, // e - Inaccessible
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Doors (disabled)
const TCodeListEntry k007DisabledDoors[] = {
    {22557, "a"}, // a - Automatic doors
    {22558, "b"}, // b - Manual doors
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Furniture, equipment, display racks (disabled)
const TCodeListEntry k007DisabledFurnitureEquipmentDisplayRacks[] = {
    {22559, "a"}, // a - Unaccessible furniture, equipment, display racks
    {22560, "b"}, // b - Partly accessible furniture, equipment, display racks
    {22561, "c"}, // c - Accessible furniture, equipment, display racks
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Restrooms (disabled)
const TCodeListEntry k007DisabledRestrooms[] = {
    {22562, "a"}, // a - Accessible
    {22563, "b"}, // b - Partly accessible
    {22564, "c"}, // c - Accessible with assistance
    {22565, "d"}, // d - Temporarily inaccessible
    {22566, "e"}, // e - Inaccessible
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Elevators (disabled)
const TCodeListEntry k007DisabledElevators[] = {
    {22567, "a"}, // a - Accessible
    {22568, "b"}, // b - Partly accessible
    {22569, "c"}, // c - Accessible with assistance
    {22570, "d"}, // d - Temporarily inaccessible
    {22571, "e"}, // e - Inaccessible
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Telephones (disabled)
const TCodeListEntry k007DisabledTelephones[] = {
    {22572, "a"}, // a - Accessible
    {22573, "b"}, // b - Partly accessible
    {22574, "c"}, // c - Text telephone available
    {22575, "d"}, // d - Amplified telephone available
    {22576, "e"}, // e - Inaccessible
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Flashing emergency lights (disabled)
const TCodeListEntry k007DisabledFlashingEmergencyLights[] = {
    {22577, "a"}, // a - Present
    {22578, "b"}, // b - Absent
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Sign language (disabled)
const TCodeListEntry k007DisabledSignLanguage[] = {
    {22579, "a"}, // a - Available
    {22580, "b"}, // b - Available on request
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Subtitles and/or supertitles (disabled)
const TCodeListEntry k007DisabledSubtitlesAndOrSupertitles[] = {
    {22581, "a"}, // a - Subtitles
    {22582, "b"}, // b - Supertitles
    {22583, "c"}, // c - Subtitles and supertitles
    {22584, "d"}, // d - On request
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// Parking (disabled)
const TCodeListEntry k007DisabledParking[] = {
    {22585, "a"}, // a - Reserved spaces near the entrance
    {22586, "b"}, // b - Reserved spaces
    {22587, "c"}, // c - No reserved spaces
    {22095, "n"}, // n - Not applicable
    {22092, "u"}, // u - Unknown
    {0, ""},
};

// The lists of this file by name (core/TCodeLists.h).
const TNamedCodeList k007CodeLists_static[] = {
    {"Specific material designation (map)", k007MapSpecificMaterialDesignation},
    {"Color (map, globe)", k007ColorMapGlobe},
    {"Physical medium (map)", k007MapPhysicalMedium},
    {"Type of reproduction (map, globe)", k007TypeOfReproduction},
    {"Production/reproduction details (map)", k007MapProductionReproductionDetails},
    {"Positive/negative aspect (map)", k007MapPositiveNegativeAspect},
    {"Specific material designation (electronic resource)", k007ElectronicResourceSpecificMaterialDesignation},
    {"Color (electronic resource)", k007ElectronicResourceColor},
    {"Dimensions (electronic resource)", k007ElectronicResourceDimensions},
    {"Sound (electronic resource)", k007ElectronicResourceSound},
    {"File formats (electronic resource)", k007ElectronicResourceFileFormats},
    {"Quality assurance target(s) (electronic resource)", k007ElectronicResourceQualityAssuranceTarget},
    {"Antecedent/Source (electronic resource)", k007ElectronicResourceAntecedentSource},
    {"Level of compression (electronic resource)", k007ElectronicResourceLevelOfCompression},
    {"Reformatting quality (electronic resource)", k007ElectronicResourceReformattingQuality},
    {"Specific material designation (globe)", k007GlobeSpecificMaterialDesignation},
    {"Physical medium (globe)", k007GlobePhysicalMedium},
    {"Specific material designation (tactile material)", k007TactileMaterialSpecificMaterialDesignation},
    {"Level of contraction (tactile material)", k007TactileMaterialLevelOfContraction},
    {"Specific physical characteristics (tactile material)", k007TactileMaterialSpecificPhysicalCharacteristics},
    {"Specific material designation (projected graphic)", k007ProjectedGraphicSpecificMaterialDesignation},
    {"Color (projected graphic)", k007ProjectedGraphicColor},
    {"Base of emulsion (projected graphic)", k007ProjectedGraphicBaseOfEmulsion},
    {"Sound on medium or separate (projected graphic, motion picture, videorecording)", k007SoundOnMediumOrSeparate},
    {"Medium for sound (projected graphic, motion picture, videorecording)", k007MediumForSound},
    {"Dimensions (projected graphic)", k007ProjectedGraphicDimensions},
    {"Secondary support material (projected graphic)", k007ProjectedGraphicSecondarySupportMaterial},
    {"Specific material designation (microform)", k007MicroformSpecificMaterialDesignation},
    {"Positive/negative aspect (microform)", k007MicroformPositiveNegativeAspect},
    {"Dimensions (microform)", k007MicroformDimensions},
    {"Reduction ratio range (microform)", k007MicroformReductionRatioRange},
    {"Color (microform)", k007MicroformColor},
    {"Emulsion on film (microform)", k007MicroformEmulsionOnFilm},
    {"Generation (microform)", k007MicroformGeneration},
    {"Base of film (microform, motion picture)", k007BaseOfFilm},
    {"Specific material designation (nonprojected graphic)", k007NonprojectedGraphicSpecificMaterialDesignation},
    {"Color (nonprojected graphic)", k007NonprojectedGraphicColor},
    {"Primary support material (nonprojected graphic)", k007NonprojectedGraphicPrimarySupportMaterial},
    {"Secondary support material (nonprojected graphic)", k007NonprojectedGraphicSecondarySupportMaterial},
    {"Specific material designation (motion picture)", k007MotionPictureSpecificMaterialDesignation},
    {"Color (motion picture)", k007MotionPictureColor},
    {"Motion picture presentation format (motion picture)", k007MotionPicturePresentationFormat},
    {"Dimensions (motion picture)", k007MotionPictureDimensions},
    {"Configuration of playback channels (motion picture, videorecording)", k007ConfigurationOfPlaybackChannels},
    {"Production elements (motion picture)", k007MotionPictureProductionElements},
    {"Positive/negative aspect (motion picture)", k007MotionPicturePositiveNegativeAspect},
    {"Generation (motion picture)", k007MotionPictureGeneration},
    {"Refined categories of color (motion picture)", k007MotionPictureRefinedCategoriesOfColor},
    {"Kind of color stock or print (motion picture)", k007MotionPictureKindOfColorStockOrPrint},
    {"Deterioration stage (motion picture)", k007MotionPictureDeteriorationStage},
    {"Completeness (motion picture)", k007MotionPictureCompleteness},
    {"Specific material designation (kit, notated music, remote-sensing image)", k007UnspecifiedMaterialDesignation},
    {"Specific material designation (text)", k007TextSpecificMaterialDesignation},
    {"Specific material designation (unspecified)", k007UnspecifiedSpecificMaterialDesignation},
    {"Altitude of sensor (remote-sensing image)", k007RemoteSensingImageAltitudeOfSensor},
    {"Attitude of sensor (remote-sensing image)", k007RemoteSensingImageAttitudeOfSensor},
    {"Cloud cover (remote-sensing image)", k007RemoteSensingImageCloudCover},
    {"Platform construction type (remote-sensing image)", k007RemoteSensingImagePlatformConstructionType},
    {"Platform use category (remote-sensing image)", k007RemoteSensingImagePlatformUseCategory},
    {"Sensor type (remote-sensing image)", k007RemoteSensingImageSensorType},
    {"Data type (remote-sensing image)", k007RemoteSensingImageDataType},
    {"Specific material designation (sound recording)", k007SoundRecordingSpecificMaterialDesignation},
    {"Speed (sound recording)", k007SoundRecordingSpeed},
    {"Configuration of playback channels (sound recording)", k007SoundRecordingConfigurationOfPlaybackChannels},
    {"Groove width/groove pitch (sound recording)", k007SoundRecordingGrooveWidthGroovePitch},
    {"Dimensions (sound recording)", k007SoundRecordingDimensions},
    {"Tape width (sound recording)", k007SoundRecordingTapeWidth},
    {"Tape configuration (sound recording)", k007SoundRecordingTapeConfiguration},
    {"Kind of disc, cylinder or tape (sound recording)", k007SoundRecordingKindOfDiscCylinderOrTape},
    {"Kind of material (sound recording)", k007SoundRecordingKindOfMaterial},
    {"Kind of cutting (sound recording)", k007SoundRecordingKindOfCutting},
    {"Special playback characteristics (sound recording)", k007SoundRecordingSpecialPlaybackCharacteristics},
    {"Capture and storage technique (sound recording)", k007SoundRecordingCaptureAndStorageTechnique},
    {"Specific material designation (videorecording)", k007VideorecordingSpecificMaterialDesignation},
    {"Color (videorecording)", k007VideorecordingColor},
    {"Videorecording format (videorecording)", k007VideorecordingFormat},
    {"Dimensions (videorecording)", k007VideorecordingDimensions},
    {"Stairway ramps (disabled)", k007DisabledStairwayRamps},
    {"Doors (disabled)", k007DisabledDoors},
    {"Furniture, equipment, display racks (disabled)", k007DisabledFurnitureEquipmentDisplayRacks},
    {"Restrooms (disabled)", k007DisabledRestrooms},
    {"Elevators (disabled)", k007DisabledElevators},
    {"Telephones (disabled)", k007DisabledTelephones},
    {"Flashing emergency lights (disabled)", k007DisabledFlashingEmergencyLights},
    {"Sign language (disabled)", k007DisabledSignLanguage},
    {"Subtitles and/or supertitles (disabled)", k007DisabledSubtitlesAndOrSupertitles},
    {"Parking (disabled)", k007DisabledParking},
    {nullptr, nullptr},
};
