// TFieldEditorManager: the exported face of OrvoFieldEditors. The host shows one
// field editor modally on a record it owns and, after OK, fetches the edited
// record; or it gives a record the default 008 without a dialog.
#pragma once

#include "recordlib/TMarcRecord.h"

#include "mfc/AfxDll.h"

class CWnd;

enum EFieldEditor : int
{
    eLeaderEditor = 0,
    e006Editor = 1,
    e007Editor = 2,
    e008Editor = 3,
    e856Editor = 4
};

enum EDisplayReturn : int
{
    eDisplaySaved = 1,
    eDisplayCancelled = 2,
    eDisplayNotBibliographic = 101
};

class AFX_EXT_CLASS TFieldEditorManager
{
public:
    TFieldEditorManager() = delete;

    // Shows eEditor modally on a copy of rxRecord, owned by pParent (may be
    // null). iOccurrence picks the 006, 007 or 856 to edit, from 1; 0 adds a
    // new one; the Leader and 008 editors ignore it. Every call first empties
    // and invalidates the stored result; only OK stores a new one.
    static EDisplayReturn qeDisplay(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParent);
    // As qeDisplay, with the focus on the control that edits iFocusPosition
    // when the editor opens (-1: the editor's first control). The position is
    // a character position of the Leader, 006, 007 or 008, or for the 856
    // editor the indicator (1 or 2): where the record checker's finding is.
    static EDisplayReturn qeDisplayAt(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence,
                                      int iFocusPosition, CWnd* pParent);
    // Copies the record stored by the last OK; TException when there is none.
    static void qvGetMARCRecord(TMarcRecord& rxRecord);
    // Gives rxRecord the default 008 for its type of record. With tReplace
    // false a record that has an 008 is left alone (false); with true its first
    // 008 is replaced. False also when the type of record has no default.
    static bool qtAddGeneric008ToRecord(TMarcRecord& rxRecord, bool tReplace);

    // True only after an editor was closed with OK, until the next qeDisplay.
    static bool mtRecordValid_static;
    // The record the last OK stored: what qvGetMARCRecord copies out.
    static TMarcRecord mxMarcRecord_static;
};
