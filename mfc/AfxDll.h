// Export macros of our MFC-subset DLL (OrvoMfc) and of extension DLLs built on
// it. Outside Windows the macros are empty.
#pragma once

#ifndef _WIN32
#define ORVO_MFC_API
#define AFX_EXT_CLASS
#else

#ifdef ORVO_MFC_BUILD
#define ORVO_MFC_API __declspec(dllexport)
#else
#define ORVO_MFC_API __declspec(dllimport)
#endif

// As in MFC: an extension DLL defines _AFXEXT while it builds and exports its
// classes with AFX_EXT_CLASS; its users import them.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#endif

#endif
