#pragma once

// Export macro of the record library OrvoLibraryU.
// On Windows the library is a DLL: its own sources are built with ORVO_LIBRARYU_BUILD
// and export the classes; every user imports them. Elsewhere it is a static library.
#if defined(_WIN32)
#if defined(ORVO_LIBRARYU_BUILD)
#define ORVO_LIBRARYU_API __declspec(dllexport)
#else
#define ORVO_LIBRARYU_API __declspec(dllimport)
#endif
#else
#define ORVO_LIBRARYU_API
#endif
