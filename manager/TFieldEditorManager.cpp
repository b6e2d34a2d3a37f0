#include "manager/TFieldEditorManager.h"
#include "editors/006/T006Editor.h"
#include "editors/007/T007Editor.h"
#include "editors/008/T008Editor.h"
#include "editors/856/T856Editor.h"
#include "editors/008/TGeneric008.h"
#include "editors/leader/TLeaderEditor.h"
#include "recordlib/TException.h"

bool TFieldEditorManager::mtRecordValid_static = false;
TMarcRecord TFieldEditorManager::mxMarcRecord_static;

namespace
{
// Runs an editor that hands back the whole record; after OK the record is kept
// as the result.
template <class TEditor>
EDisplayReturn qeRunRecordEditor(TEditor& rxEditor)
{
    if (rxEditor.DoModal() != IDOK)
        return eDisplayCancelled;
    rxEditor.qvGetEditedRecord(TFieldEditorManager::mxMarcRecord_static);
    TFieldEditorManager::mtRecordValid_static = true;
    return eDisplaySaved;
}
}

EDisplayReturn TFieldEditorManager::qeDisplay(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence,
                                              CWnd* pParent)
{
    // The occurrence picks the 006, 007 or 856 to edit.
    mxMarcRecord_static.qvClear(false);
    mtRecordValid_static = false;

    const EMarcType eMarcType = rxRecord.qrxGetLeader().qeGetType();
    switch (eEditor)
    {
    case eLeaderEditor:
    {
        TLeaderEditor editor(rxRecord, pParent);
        return qeRunRecordEditor(editor);
    }
    case e006Editor:
    {
        if (eMarcType != eBibliographic)
            return eDisplayNotBibliographic;
        T006Editor editor(rxRecord, iOccurrence, pParent);
        return qeRunRecordEditor(editor);
    }
    case e007Editor:
    {
        if (eMarcType != eBibliographic)
            return eDisplayNotBibliographic;
        T007Editor editor(rxRecord, iOccurrence, pParent);
        return qeRunRecordEditor(editor);
    }
    case e008Editor:
    {
        T008Editor editor(rxRecord, pParent);
        return qeRunRecordEditor(editor);
    }
    case e856Editor:
    {
        // A missing occurrence leaves the field empty: the editor opens on a
        // new 856, and OK then finds nothing to replace.
        TMarcTag xField(856);
        if (iOccurrence != 0)
            rxRecord.qtFindTag(856, xField, iOccurrence);
        T856Editor editor(xField, eMarcType == eAuthority, pParent);
        if (editor.DoModal() != IDOK)
            return eDisplayCancelled;
        editor.qvGetEditedTag(xField);
        mxMarcRecord_static = rxRecord;
        if (iOccurrence == 0)
            mxMarcRecord_static.qvOrderedInsert(xField);
        else
            mxMarcRecord_static.qtReplaceTag(xField, iOccurrence);
        mtRecordValid_static = true;
        return eDisplaySaved;
    }
    default:
        throw TException(L"TFieldEditorManager::qeDisplay() : Unknown field editor parameter", eErrorFatal, -1);
    }
    return eDisplayCancelled;
}

void TFieldEditorManager::qvGetMARCRecord(TMarcRecord& rxRecord)
{
    if (!mtRecordValid_static)
        throw TException(L"TFieldEditorManager::qvGetMARCRecord() : MARC Record is invalid", eErrorFatal, -1);
    rxRecord = mxMarcRecord_static;
}

bool TFieldEditorManager::qtAddGeneric008ToRecord(TMarcRecord& rxRecord, bool tReplace)
{
    return qtAddGeneric008(rxRecord, tReplace);
}
