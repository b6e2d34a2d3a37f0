#include "manager/TFieldEditorManager.h"
#include "editors/006/T006Editor.h"
#include "editors/007/T007Editor.h"
#include "editors/008/T008Editor.h"
#include "editors/856/T856Editor.h"
#include "core/TGeneric008.h"
#include "editors/leader/TLeaderEditor.h"
#include "recordlib/TException.h"

#include <memory>

bool TFieldEditorManager::mtRecordValid_static = false;
TMarcRecord TFieldEditorManager::mxMarcRecord_static;

namespace
{
using TEditorFactory = std::unique_ptr<TFieldEditorBase> (*)(const TMarcRecord&, int, CWnd*);

template <class TEditor>
std::unique_ptr<TFieldEditorBase> qpxMakeEditor(const TMarcRecord& rxRecord, int iOccurrence, CWnd* pParent)
{
    return std::make_unique<TEditor>(rxRecord, iOccurrence, pParent);
}

// The Leader and 008 editors take no occurrence.
template <class TEditor>
std::unique_ptr<TFieldEditorBase> qpxMakeWholeRecordEditor(const TMarcRecord& rxRecord, int, CWnd* pParent)
{
    return std::make_unique<TEditor>(rxRecord, pParent);
}

// Each editor the facade shows, and whether it opens only on bibliographic
// records (fields of material).
const struct
{
    EFieldEditor eEditor;
    bool tBibliographicOnly;
    TEditorFactory pfnMake;
} kEditors_static[] = {
    {eLeaderEditor, false, &qpxMakeWholeRecordEditor<TLeaderEditor>},
    {e006Editor, true, &qpxMakeEditor<T006Editor>},
    {e007Editor, true, &qpxMakeEditor<T007Editor>},
    {e008Editor, false, &qpxMakeWholeRecordEditor<T008Editor>},
    {e856Editor, false, &qpxMakeEditor<T856Editor>},
};
}

EDisplayReturn TFieldEditorManager::qeDisplay(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence,
                                              CWnd* pParent)
{
    return qeDisplayAt(eEditor, rxRecord, iOccurrence, -1, pParent);
}

EDisplayReturn TFieldEditorManager::qeDisplayAt(EFieldEditor eEditor, const TMarcRecord& rxRecord, int iOccurrence,
                                                int iFocusPosition, CWnd* pParent)
{
    mxMarcRecord_static.qvClear(false);
    mtRecordValid_static = false;

    for (const auto& rxEntry : kEditors_static)
    {
        if (rxEntry.eEditor != eEditor)
            continue;
        if (rxEntry.tBibliographicOnly && rxRecord.qrxGetLeader().qeGetType() != eBibliographic)
            return eDisplayNotBibliographic;
        const std::unique_ptr<TFieldEditorBase> pxEditor = rxEntry.pfnMake(rxRecord, iOccurrence, pParent);
        pxEditor->qvSetFocusPosition(iFocusPosition);
        if (pxEditor->DoModal() != IDOK)
            return eDisplayCancelled;
        pxEditor->qvGetEditedRecord(mxMarcRecord_static);
        mtRecordValid_static = true;
        return eDisplaySaved;
    }
    throw TException(L"TFieldEditorManager::qeDisplay() : Unknown field editor parameter", eErrorFatal, -1);
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
