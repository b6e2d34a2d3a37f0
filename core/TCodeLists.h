// Every code list of the core's tables by name: the name a message or the
// record checker prints ("Target audience", "Color (microform)") beside the
// table the layouts use. Each list is one table, named once, in the file that
// defines it. The Leader editor's lists map labels to enum values
// (core/TLeaderCodeLists.h) and are not among them.
#pragma once

#include "core/TCodeListEntry.h"
#include "core/OrvoEditorCore.h"

#include <vector>

struct TNamedCodeList
{
    const char* name;
    const TCodeListEntry* rows;
};

// Every named code list, file by file.
ORVO_EDITORCORE_API const std::vector<TNamedCodeList>& qrxCodeLists();
// The name of a list; null for rows that are none of the named lists.
ORVO_EDITORCORE_API const char* qpacCodeListName(const TCodeListEntry* pxRows);

// Each file's named lists, ended by a row whose rows is null.
extern const TNamedCodeList kMaterialCodeLists_static[];
extern const TNamedCodeList k006CodeLists_static[];
extern const TNamedCodeList k008BibliographicCodeLists_static[];
extern const TNamedCodeList k008OtherFormatCodeLists_static[];
extern const TNamedCodeList k007CodeLists_static[];
extern const TNamedCodeList k007CategoryLists_static[];
extern const TNamedCodeList k856CodeLists_static[];
