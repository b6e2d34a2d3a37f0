/* OrvoFieldEditors: the C interface.
 *
 * For cataloguing programs that cannot call the C++ class TFieldEditorManager
 * (another compiler, C#, Delphi, VB6, Python, ...). Records travel as ISO 2709
 * bytes. No C++ exception ever leaves these functions: every failure is a
 * return value, and its message, type and code are kept for the calling thread
 * until its next call into this interface.
 *
 * Every function uses the WINAPI calling convention. Memory handed out by the
 * library (records, the text of OrvoCheckRecord) is released with
 * OrvoFreeRecord and nothing else.
 */
#ifndef ORVO_FIELD_EDITORS_H
#define ORVO_FIELD_EDITORS_H

/* A program that declares the few Windows names this header uses itself
 * (BYTE, DWORD, BOOL, WCHAR, HWND, WINAPI), for example one built where
 * <windows.h> cannot be compiled, defines ORVO_FIELD_EDITORS_NO_WINDOWS_H
 * before including it. */
#ifndef ORVO_FIELD_EDITORS_NO_WINDOWS_H
#include <windows.h>
#endif

#ifdef ORVO_FIELD_EDITORS_EXPORTS
#define ORVO_FIELD_EDITORS_API __declspec(dllexport)
#else
#define ORVO_FIELD_EDITORS_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C"
{
#endif

/* The editors (the values of the C++ interface's EFieldEditor). */
#define ORVO_EDITOR_LEADER 0
#define ORVO_EDITOR_006 1
#define ORVO_EDITOR_007 2
#define ORVO_EDITOR_008 3
#define ORVO_EDITOR_856 4

/* What OrvoDisplayEditor and OrvoAddGeneric008 return. */
#define ORVO_RESULT_ERROR (-1)            /* nothing done; see OrvoGetLastError... */
#define ORVO_RESULT_UNCHANGED 0           /* OrvoAddGeneric008: no default 008 added */
#define ORVO_RESULT_SAVED 1               /* OK pressed / default 008 added */
#define ORVO_RESULT_CANCELLED 2           /* the dialog ended any other way */
#define ORVO_RESULT_NOT_BIBLIOGRAPHIC 101 /* 006 or 007 asked for a record that is not bibliographic */

/* Error types (as TException's): 0 a request refused with nothing changed,
 * 1 bad data (an unreadable record, a record too long to write), 2 a broken
 * contract (a null pointer, an unknown editor). */
#define ORVO_ERROR_NONE (-1)
#define ORVO_ERROR_WARNING 0
#define ORVO_ERROR_BAD_DATA 1
#define ORVO_ERROR_CONTRACT 2

    /* Shows one editor modally, owned by hwndParent (may be NULL), on the record
 * given as one ISO 2709 record of cbRecord bytes. nOccurrence picks the 006,
 * 007 or 856 to edit, from 1; 0 adds a new one; the Leader and 008 editors
 * ignore it. On ORVO_RESULT_SAVED *ppEdited receives the edited record as ISO
 * 2709 bytes (release it with OrvoFreeRecord) and *pcbEdited its size; on any
 * other result both are set to NULL and 0. */
    ORVO_FIELD_EDITORS_API int WINAPI OrvoDisplayEditor(int nEditor, const BYTE* pRecord, DWORD cbRecord,
                                                        int nOccurrence, HWND hwndParent, BYTE** ppEdited,
                                                        DWORD* pcbEdited);

    /* Gives the record the default 008 for its type of record, without a dialog.
 * With bReplace FALSE a record that has an 008 keeps it. ORVO_RESULT_SAVED:
 * *ppResult receives the record with its new 008; ORVO_RESULT_UNCHANGED: the
 * record was left as it was (it has an 008, or its type has no default) and
 * *ppResult is NULL. */
    ORVO_FIELD_EDITORS_API int WINAPI OrvoAddGeneric008(const BYTE* pRecord, DWORD cbRecord, BOOL bReplace,
                                                        BYTE** ppResult, DWORD* pcbResult);

    /* Checks every coded value of the record (one ISO 2709 record of cbRecord
 * bytes) against the code lists the editors show: the Leader by its format,
 * each 006 by its form, each 007 by its category, the 008 by the layout the
 * 008 editor chooses, the 856 indicators and $2, and that a bibliographic
 * record has one 008. A damaged record is read leniently and every repair is a
 * finding; bytes that are no record at all are one finding.
 * Returns the number of findings (0: nothing found) and sets *ppText to them
 * as text, or NULL when there are none: one line per finding ending in "\n",
 * ten tab-separated columns:
 *   severity   "error" or "warning"
 *   kind       "undefined-code", "fill-character", "disallowed-characters",
 *              "undefined-position", "field-length", "no-layout",
 *              "leader-structure", "missing-008", "repeated-008", "indicator",
 *              "subfield-2", "repaired" or "unreadable"
 *   place      "Leader/17", "008/22", "007 (2)/03-05", "856 first indicator", "record"
 *   tag        "LDR", "008", ...; empty for the record as a whole
 *   occurrence of the tag, from 1 (0 for the Leader and the record)
 *   position   the first character position (the indicator for an
 *              indicator); empty when none
 *   count      how many positions
 *   found      the value as it stands
 *   expected   the list's name, the characters the edit box takes, the value
 *   problem    the whole finding in words
 * The text is ASCII bytes (other bytes of a value as they stand) and ends in
 * a NUL that *pcbText does not count. Release it with OrvoFreeRecord.
 * ORVO_RESULT_ERROR when a pointer is NULL. */
    ORVO_FIELD_EDITORS_API int WINAPI OrvoCheckRecord(const BYTE* pRecord, DWORD cbRecord, BYTE** ppText,
                                                      DWORD* pcbText);

    /* Releases a record (or findings' text) handed out by this library; NULL is allowed. */
    ORVO_FIELD_EDITORS_API void WINAPI OrvoFreeRecord(BYTE* pRecord);

    /* The last failure of the calling thread: its message (an empty string when
 * the last call succeeded; valid until the thread's next call), its type
 * (ORVO_ERROR_NONE when none) and its code. */
    ORVO_FIELD_EDITORS_API const WCHAR* WINAPI OrvoGetLastErrorMessage(void);
    ORVO_FIELD_EDITORS_API int WINAPI OrvoGetLastErrorType(void);
    ORVO_FIELD_EDITORS_API int WINAPI OrvoGetLastErrorCode(void);

    /* The library's version, "major.minor.patch". */
    ORVO_FIELD_EDITORS_API const WCHAR* WINAPI OrvoGetVersion(void);

#ifdef __cplusplus
}
#endif

#endif
