#include "core/TGeneric008.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TMarcLeader.h"
#include "recordlib/TMarcTag.h"
#include "recordlib/TXBuffer.h"

namespace
{
// Indexed by EGeneric008. "|" is the fill character.
const char* const kGeneric008[] = {
    "001031s           |||||||||||||| ||eng |", // Books
    "001031s           |||||||||||0   ||eng |", // Continuing resources
    "001031s           ||| ||||||||||   eng |", // Music
    "001031s           |||||| |  || | ||eng |", // Maps
    "001031s           ||| |     ||   ||eng |", // Visual materials
    "001031s               |   | |      eng |", // Computer files
    "001031s                |           eng |", // Mixed materials
    "001031|||d||||||||          || |||    ||", // Authority
    "0010310u    0   4001uu   0001031",         // Holdings
    "001031annnacna",                           // Classification
    "001031uuuuuueng",                          // Community
};
static_assert(sizeof(kGeneric008) / sizeof(kGeneric008[0]) == eGeneric008None, "one default per layout");

struct TGeneric008Choice
{
    ETypeOfRecord eTypeOfRecord;
    EGeneric008 eDefault;
};

// Type of record a is decided by the bibliographic level, before this table.
const TGeneric008Choice kChoiceByTypeOfRecord[] = {
    {eManuscriptLanguageMaterial, eGeneric008Books},
    {eNotatedMusic, eGeneric008Music},
    {eManuscriptNotatedMusic, eGeneric008Music},
    {eNonmusicalSoundRecording, eGeneric008Music},
    {eMusicalSoundRecording, eGeneric008Music},
    {eCartographicMaterial, eGeneric008Maps},
    {eManuscriptCartographicMaterial, eGeneric008Maps},
    {eProjectedMedium, eGeneric008VisualMaterials},
    {eTwoDimensionalGraphic, eGeneric008VisualMaterials},
    {eKit, eGeneric008VisualMaterials},
    {eThreeDimensionalArtifact, eGeneric008VisualMaterials},
    {eComputerFile, eGeneric008ComputerFiles},
    {eMixedMaterialsRecord, eGeneric008MixedMaterials},
    {eAuthorityData, eGeneric008Authority},
    {eUnknownHoldings, eGeneric008Holdings},
    {eMultipartItemHoldings, eGeneric008Holdings},
    {eSinglePartItemHoldings, eGeneric008Holdings},
    {eSerialItemHoldings, eGeneric008Holdings},
    {eClassificationData, eGeneric008Classification},
    {eCommunityInformation, eGeneric008Community},
};
}

EGeneric008 qeChooseGeneric008(const TMarcLeader& rxLeader)
{
    const ETypeOfRecord eType = rxLeader.qeGetTypeOfRecord();
    if (eType == eLanguageMaterial)
    {
        const EBibLevel eLevel = rxLeader.qeGetBibLevel();
        if (eLevel == eSerialComponentPart || eLevel == eSerial)
            return eGeneric008ContinuingResources;
        return eGeneric008Books;
    }
    for (const TGeneric008Choice& choice : kChoiceByTypeOfRecord)
        if (choice.eTypeOfRecord == eType)
            return choice.eDefault;
    return eGeneric008None;
}

const char* qpacGetGeneric008(EGeneric008 eDefault)
{
    if (eDefault < eGeneric008Books || eDefault >= eGeneric008None)
        return nullptr;
    return kGeneric008[eDefault];
}

bool qtAddGeneric008(TMarcRecord& rxRecord, bool tReplace)
{
    TMarcTag field(-1);
    const bool tFound = rxRecord.qtFindTag(8, field, 1);
    if (tFound && !tReplace)
        return false;
    const char* pacDefault = qpacGetGeneric008(qeChooseGeneric008(rxRecord.qrxGetLeader()));
    if (pacDefault == nullptr)
        return false;

    TXBuffer<unsigned char> buffer;
    buffer.qvAssignAscii(pacDefault);
    field.qvSetTagNumber(8);
    field.qvSetData(buffer, false);
    if (tFound)
        rxRecord.qtReplaceTag(field, 1);
    else
        rxRecord.qvOrderedInsert(field);
    return true;
}
