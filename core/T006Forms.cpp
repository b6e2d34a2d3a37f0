// What the form of material at 006/00 decides: the group (and with it the
// layout), the title, and the defaults a new field of that form starts with.
#include "core/T006CodeLists.h"
#include "core/T006Layout.h"
#include "resources/006EditorIds.h"

namespace
{
struct T006Form
{
    char cForm;
    EMaterialType eGroup;
    uint32_t titleId;
};

const T006Form kForms[] = {
    {'a', eBooks, IDS_006_TITLE_LANGUAGE_MATERIAL},
    {'t', eBooks, IDS_006_TITLE_MANUSCRIPT_LANGUAGE_MATERIAL},
    {'m', eComputerFiles, IDS_006_TITLE_COMPUTER_FILE},
    {'s', eContinuingResources, IDS_006_TITLE_CONTINUING_RESOURCE},
    {'c', eMusic, IDS_006_TITLE_NOTATED_MUSIC},
    {'d', eMusic, IDS_006_TITLE_MANUSCRIPT_NOTATED_MUSIC},
    {'i', eMusic, IDS_006_TITLE_NONMUSICAL_SOUND_RECORDING},
    {'j', eMusic, IDS_006_TITLE_MUSICAL_SOUND_RECORDING},
    {'e', eMaps, IDS_006_TITLE_CARTOGRAPHIC_MATERIAL},
    {'f', eMaps, IDS_006_TITLE_MANUSCRIPT_CARTOGRAPHIC_MATERIAL},
    {'g', eVisualMaterials, IDS_006_TITLE_PROJECTED_MEDIUM},
    {'k', eVisualMaterials, IDS_006_TITLE_NONPROJECTABLE_GRAPHIC},
    {'o', eVisualMaterials, IDS_006_TITLE_KIT},
    {'r', eVisualMaterials, IDS_006_TITLE_THREE_DIMENSIONAL_ARTIFACT},
    {'p', eMixedMaterials, IDS_006_TITLE_MIXED_MATERIAL},
};

// What a new field of a group holds besides blanks and its form at 00.
struct T006Default
{
    EMaterialType eGroup;
    int position;
    char value;
};

const T006Default kDefaults[] = {
    {eBooks, 12, '0'},
    {eBooks, 13, '0'},
    {eBooks, 14, '0'},
    {eBooks, 16, '0'},
    {eComputerFiles, 9, 'u'},
    {eMaps, 8, '|'},
    {eMaps, 14, '0'},
    {eMusic, 1, 'u'},
    {eMusic, 2, 'u'},
    {eMusic, 3, 'u'},
    {eVisualMaterials, 16, 'z'},
    {eVisualMaterials, 17, 'u'},
    {eContinuingResources, 2, 'u'},
    {eContinuingResources, 12, '0'},
};

const T006Form* qpxFindForm(char cForm)
{
    for (const T006Form& rxForm : kForms)
        if (rxForm.cForm == cForm)
            return &rxForm;
    return nullptr;
}
}

EMaterialType qe006FormGroup(char cForm)
{
    const T006Form* pxForm = qpxFindForm(cForm);
    return pxForm != nullptr ? pxForm->eGroup : eUnknownMaterial;
}

uint32_t qdwGet006TitleId(char cForm)
{
    const T006Form* pxForm = qpxFindForm(cForm);
    return pxForm != nullptr ? pxForm->titleId : IDS_006_TITLE_UNKNOWN;
}

const TCodeListEntry* qpxGet006FormList(bool tWithUnknown)
{
    return tWithUnknown ? k006FormOfMaterial : k006FormOfMaterial + 1;
}

std::string qxNew006Field(char cForm)
{
    std::string xField(k006FieldLength, ' ');
    xField[0] = cForm;
    const EMaterialType eGroup = qe006FormGroup(cForm);
    for (const T006Default& rxDefault : kDefaults)
        if (rxDefault.eGroup == eGroup)
            xField[static_cast<std::size_t>(rxDefault.position)] = rxDefault.value;
    return xField;
}
