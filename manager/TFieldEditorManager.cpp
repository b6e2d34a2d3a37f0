#include "manager/TFieldEditorManager.h"
#include "editors/008/T008Editor.h"
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

// Editors whose dialogs this build does not have yet.
void qvRefuseEditor(const wchar_t* pwcName)
{
    throw TException(std::wstring(L"TFieldEditorManager::qeDisplay() : The ") + pwcName +
                         L" editor is not available in this version",
                     eErrorFatal, -1);
}
}

EDisplayReturn TFieldEditorManager::qeDisplay(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence,
                                              CWnd* pParent)
{
    // The occurrence picks the 006, 007 or 856 to edit; their editors are not
    // in this version yet.
    (void)iOccurrence;
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
    case e007Editor:
        if (eMarcType != eBibliographic)
            return eDisplayNotBibliographic;
        qvRefuseEditor(eEditor == e006Editor ? L"006" : L"007");
        break;
    case e008Editor:
    {
        T008Editor editor(rxRecord, pParent);
        return qeRunRecordEditor(editor);
    }
    case e856Editor:
        qvRefuseEditor(L"856");
        break;
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
