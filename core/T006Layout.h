// The data of the 006 editor: the form groups that position 00 (form of
// material) selects, the titles, the seven layouts of dialog template 1000 on
// its one-column grid, the defaults a new form brings, and the controls hidden
// before a layout is built. Needs no window system.
#pragma once

#include "core/TFieldLayout.h"
#include "core/TMaterialType.h"

#include <cstdint>
#include <string>

#include "core/OrvoEditorCore.h"

// The 006 is edited as at least 18 characters, positions 00 to 17.
constexpr int k006FieldLength = 18;

// The group of a new 006, or of u chosen as the form of material: only the
// form-of-material list shows and OK stays disabled. The other groups are
// material types.
constexpr EMaterialType e006UnknownForm = static_cast<EMaterialType>(7);

// The group that a form of material (the character at 00) selects;
// eUnknownMaterial for a character outside the form groups, u among them.
ORVO_EDITORCORE_API EMaterialType qe006FormGroup(char cForm);
// The layout of a group; null for group 7 and any value that is not a group.
ORVO_EDITORCORE_API const TFieldLayout* qpxGet006Layout(EMaterialType eGroup);
// The control table the dialog moves the focus by: the group's layout's, or
// Cancel and the form-of-material list alone when the group has no layout.
ORVO_EDITORCORE_API const TControlPosition* qpxGet006ControlTable(EMaterialType eGroup);
// The grid rows the dialog is sized for: the layout's own, 1 without one.
ORVO_EDITORCORE_API int qi006RowCount(EMaterialType eGroup);
// The string ID of the title for a form of material ("006 Editor - ...").
ORVO_EDITORCORE_API uint32_t qdwGet006TitleId(char cForm);
// The form-of-material list: with its u row first when the field holds u at
// 00, without it otherwise.
ORVO_EDITORCORE_API const TCodeListEntry* qpxGet006FormList(bool tWithUnknown);
// A new 006 for a form of material: 18 characters, the form at 00, blanks,
// and the defaults of the form's group. The form's group must be 0 to 6.
ORVO_EDITORCORE_API std::string qxNew006Field(char cForm);

// Every label and control of template 1000 that a layout may show, hidden
// before a layout is built; ended by 0.
extern ORVO_EDITORCORE_API const int k006HiddenControls[];
