// THostSession: one open file of MARC 21 records in the cataloguing host, and
// the commands the host's menus give on it. Window-free: the main window shows
// what it holds and passes its own window as the editors' parent; every
// question and message goes through THostPrompt.
#pragma once

#include "host/THostFileStamp.h"
#include "host/THostPrompt.h"
#include "manager/TFieldEditorManager.h"
#include "marcio/TMarcFile.h"

#include <array>
#include <string>
#include <vector>

// One record of the file, with its bytes as read (mxRaw, in meRawFormat). A record
// that could not be read is written back as it was. A damaged record that could be
// read was repaired: mxRepairs says how, and it is saved repaired. A record neither
// repaired nor changed (mtChanged) is saved in the form it was read in byte for byte.
struct THostEntry
{
    TMarcRecord mxRecord;
    std::vector<TRepair> mxRepairs;
    bool mtReadable = true;
    bool mtChanged = false;
    std::string mxRaw;
    EMarcFileFormat meRawFormat = eIso2709;
    std::wstring mxProblem;
    // What the file held before this record that belongs to no record (filler
    // between records, stray bytes), written back in place when the file is
    // saved in the form it was read in.
    std::string mxBytesBefore;
};

#include "host/THostEdits.h"

// The columns of the record list.
enum EHostRecordColumn : int
{
    eColumnNumber,
    eColumnId,
    eColumnTitle,
    eColumnStatus,
    eRecordColumnCount
};
typedef std::array<std::wstring, eRecordColumnCount> THostRecordRow;

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
    // Reads the open file again, asking first when there are unsaved changes.
    bool qtReload();
    // True when there are no unsaved changes, or they were saved or given up.
    bool qtConfirmDiscard();

    // Record commands on the selected record. iOccurrence rules: see qiOccurrenceFor.
    // iFocusPosition: the position whose control has the focus when the editor
    // opens (-1: the editor's first control).
    void qvEditField(EFieldEditor eEditor, bool tNewField, CWnd* pParent, int iFocusPosition = -1);
    void qvAddDefault008();

    // Editing, each change one step of undo and redo (THostEdits.cpp).
    // The selected record's character set (Leader/09).
    const TCharacterSet& qrxGetCharacterSet() const;
    // Field iField of the selected record as its MARCMaker line in that set.
    std::wstring qxFieldText(int iField) const;
    // Puts rxField in place of field iField of the selected record, or adds it in
    // tag order (iField -1), and selects it.
    void qvPutField(int iField, const TMarcTag& rxField);
    // Deletes the selected field, after asking.
    void qvDeleteField();
    // A new record after the selected one: its type of record chosen in the
    // Leader editor, then the default 008 for it dated today (008/00-05).
    void qvNewRecord(CWnd* pParent);
    // Deletes the selected record, after asking.
    void qvDeleteRecord();
    // What the status bar shows: the file's form, the selected record's
    // character set, the record count and how many records were changed.
    std::wstring qxStatusLine() const;
    // Selects the next field, after the selected one, whose text (its line after the tag) holds rxText
    // (letters of either case), through every record and round to the start;
    // false (and says so) when none does.
    bool qtFind(const std::wstring& rxText);
    // Selects the record rxText names, by its number or its 001; false (and
    // says so) when none.
    bool qtGoTo(const std::wstring& rxText);
    // False when there is nothing to undo or redo.
    bool qtUndo();
    bool qtRedo();

    // The open file.
    const std::wstring& qrxGetPath() const { return mxPath; }
    bool qtIsModified() const { return mtModified; }
    // The form the file is saved in.
    EMarcFileFormat qeGetFormat() const { return meFormat; }
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
    // fields and indicators shown as "\" and the delimiter as "$"; the text read
    // in rxSet, the record's character set (TCharacterSet::qrxOfLeader), what
    // could not be read shown as "\xE9".
    static std::wstring qxFieldLine(const TMarcTag& rxField, const TCharacterSet& rxSet);
    static std::wstring qxLeaderLine(const TMarcLeader& rxLeader);
    // The record list's row of record nIndex: its number, its 001, its title
    // (from the 245) and its state: "unreadable", "repaired" when read, "changed"
    // since, or nothing.
    THostRecordRow qxRecordRow(std::size_t nIndex) const;
    // Record nIndex's number as the list shows it, from 1.
    static std::wstring qxRecordNumber(std::size_t nIndex) { return std::to_wstring(nIndex + 1); }

private:
    bool qtLoad(const std::wstring& rxPath);
    bool qtIsSourceFile(const std::wstring& rxPath) const;
    bool qtConfirmRepairsOver(const std::wstring& rxPath);
    THostEntry* qpxSelectedEntry(bool tReadableOnly);
    void qvReportOpenProblems(std::size_t nUnreadable, std::size_t nRepaired, std::size_t nStrayNotes);

    // The selected record becomes rxRecord, one change.
    void qvReplaceSelectedRecord(const TMarcRecord& rxRecord);
    // Makes a change (forward) or takes it back, and selects its record.
    void qvApply(const THostChange& rxChange, bool tForward);
    // Undo (tForward false) or redo of pxChange; false for none.
    bool qtStep(const THostChange* pxChange, bool tForward);

    THostPrompt& mrxPrompt;
    THostEdits mxEdits;
    // The open file as it was read or last saved.
    THostFileStamp mxStamp;
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
