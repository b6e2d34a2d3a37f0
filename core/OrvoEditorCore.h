#pragma once

// Export macro of OrvoEditorCore, the editors' window-free core (code lists, 008
// layouts, the material type, the generic 008). On Windows it is a DLL of its own,
// used by OrvoFieldEditors and by the batch command: its sources are built with
// ORVO_EDITORCORE_BUILD and export; every user imports. Elsewhere it is a static library.
#if defined(_WIN32)
#if defined(ORVO_EDITORCORE_BUILD)
#define ORVO_EDITORCORE_API __declspec(dllexport)
#else
#define ORVO_EDITORCORE_API __declspec(dllimport)
#endif
#else
#define ORVO_EDITORCORE_API
#endif
