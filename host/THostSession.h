// THostSession: one open file of MARC 21 records in the cataloguing host, and
// the commands the host's menus give on it. Window-free: the main window shows
// what it holds and passes its own window as the editors' parent; every
// question and message goes through THostPrompt.
#pragma once

#include "host/THostPrompt.h"
#include "manager/TFieldEditorManager.h"
#include "marcio/TMarcFile.h"

#include <string>
#include <vector>

// One record of the file. A record that could not be read is kept as it was
// in the file (mxRaw, in meRawFormat) and written back unchanged. A damaged record
// that could be read was repaired: mxRepairs says how, and it is saved repaired.
struct THostEntry
{
    TMarcRecord mxRecord;
    std::vector<TRepair> mxRepairs;
    bool mtReadable = true;
    std::string mxRaw;
    EMarcFileFormat meRawFormat = eIso2709;
    std::wstring mxProblem;
    // What the file held before this record that belongs to no record (filler
    // between records, stray bytes), written back in place when the file is
    // saved in the form it was read in.
    std::string mxBytesBefore;
};

class THostSession
{
public:
    explicit THostSession(THostPrompt& rxPrompt);

    // File commands. Each that would lose unsaved changes first asks whether to
    // save them; false when nothing happened (the person said Cancel, a file
    // could not be read or written).
    bool qtOpen();
    bool qtOpenFile(const std::wstring& rxPath);
    bool qtSave();
    bool qtSaveAs();
    bool qtSaveTo(const std::wstring& rxPath);
    // True when there are no unsaved changes, or they were saved or given up.
    bool qtConfirmDiscard();

    // Record commands on the selected record. iOccurrence rules: see qiOccurrenceFor.
    void qvEditField(EFieldEditor eEditor, bool tNewField, CWnd* pParent);
    void qvAddDefault008();

    // The open file.
    const std::wstring& qrxGetPath() const { return mxPath; }
    bool qtIsModified() const { return mtModified; }
    std::size_t qnGetRecordCount() const { return mxEntries.size(); }
    const THostEntry& qrxGetEntry(std::size_t nIndex) const { return mxEntries.at(nIndex); }

    // Selection: a record of the file (-1 none) and a field of it (-1 none).
    int qiGetSelectedRecord() const { return miSelectedRecord; }
    int qiGetSelectedField() const { return miSelectedField; }
    void qvSelectRecord(int iIndex);
    void qvSelectField(int iIndex);
    // Which field an editor works on: 0 (a new one) for tNewField; otherwise the
    // selected field when it has the editor's tag, else the first field with it,
    // else 0. The Leader and 008 editors take 0.
    int qiOccurrenceFor(EFieldEditor eEditor, bool tNewField) const;

    // Lines as the host shows them: "245 10 $aTitle ..." with blanks in control
    // fields and indicators shown as "\" and the delimiter as "$".
    static std::wstring qxFieldLine(const TMarcTag& rxField);
    static std::wstring qxLeaderLine(const TMarcLeader& rxLeader);
    std::wstring qxRecordLine(std::size_t nIndex) const;

private:
    bool qtLoad(const std::wstring& rxPath);
    bool qtIsSourceFile(const std::wstring& rxPath) const;
    bool qtConfirmRepairsOver(const std::wstring& rxPath);
    THostEntry* qpxSelectedEntry(bool tReadableOnly);
    void qvReportOpenProblems(std::size_t nUnreadable, std::size_t nRepaired, std::size_t nStrayNotes);

    THostPrompt& mrxPrompt;
    std::wstring mxPath;
    // The file the records were read from (repaired records differ from it).
    std::wstring mxSourcePath;
    EMarcFileFormat meFormat;
    std::vector<THostEntry> mxEntries;
    // The form of the source file, what it held after its last record that
    // belongs to no record, and how many runs of stray bytes it held in all.
    EMarcFileFormat meSourceFormat;
    std::string mxBytesAtEnd;
    std::size_t mnStrayRuns;
    bool mtModified;
    int miSelectedRecord;
    int miSelectedField;
};
