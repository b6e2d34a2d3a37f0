// THostMainWindow: the cataloguing host's main window. The records of the open
// file on the left, the Leader and fields of the selected record on the right,
// the findings of the last Check below them, and a menu whose commands (with
// their keyboard accelerators) run the field editors of OrvoFieldEditors on the
// selected record and check the record or the whole file.
#pragma once

#include "host/THostCheck.h"
#include "host/THostSession.h"
#include "mfc/afxcmn.h"

enum EHostCommand : UINT
{
    eCmdOpen = 40001,
    eCmdSave,
    eCmdSaveAs,
    eCmdExit,
    // The editor commands, one range.
    eCmdEditLeader,
    eCmdEdit006,
    eCmdNew006,
    eCmdEdit007,
    eCmdNew007,
    eCmdEdit008,
    eCmdEdit856,
    eCmdNew856,
    eCmdAddDefault008,
    // Editing (THostMainWindow's keyboard and field lines).
    eCmdEditField,
    eCmdInsertField,
    eCmdDeleteField,
    eCmdNewRecord,
    eCmdDeleteRecord,
    eCmdUndo,
    eCmdRedo,
    eCmdReload,
    eCmdFind,
    eCmdFindNext,
    eCmdGoTo,
    // The Check command: the selected record, or the whole file.
    eCmdCheckRecord,
    eCmdCheckFile
};

enum EHostControl : UINT
{
    eRecordList = 100,
    eFieldList = 101,
    eStatusBar = 102,
    eFindingList = 103
};

// Owns an accelerator table made from a static table of keys.
class THostAccelerators
{
public:
    THostAccelerators();
    ~THostAccelerators();
    THostAccelerators(const THostAccelerators&) = delete;
    THostAccelerators& operator=(const THostAccelerators&) = delete;
    HACCEL qhGet() const { return mhAccel; }

private:
    HACCEL mhAccel;
};

class THostMainWindow : public CWnd
{
public:
    // tQuitOnClose: the program ends when this window is closed (not in tests).
    THostMainWindow(THostPrompt& rxPrompt, bool tQuitOnClose);
    ~THostMainWindow() override;

    // Creates the window, hidden; the caller shows it.
    bool qtCreate();
    THostSession& qrxGetSession() { return mxSession; }
    // Translates the menu accelerators for the program's message loop.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The program's message loop, until WM_QUIT; returns its exit code. An
    // exception that leaves a handler is shown to the cataloguer and the loop
    // goes on, so that nothing of the open file is lost.
    int qiRunMessageLoop();
    // The lists and the caption from the session.
    void qvRefresh();

protected:
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExit();
    void OnEditorCommand(UINT nID);
    // The record list: a list view whose rows are drawn from the session.
    void OnRecordItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRecordGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRecordListSetFocus(NMHDR* pNMHDR, LRESULT* pResult);
    // Typing in the record list: the next record whose number starts so.
    void OnRecordFindItem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnFieldSelChange();
    void OnFieldDblClk();
    void OnEditField();
    void OnInsertField();
    void OnDeleteField();
    void OnNewRecord();
    void OnDeleteRecord();
    void OnUndo();
    void OnReload();
    void OnFind();
    void OnFindNext();
    void OnGoTo();
    void OnRedo();
    void OnListSetFocus();
    void OnSetFocus(CWnd* pOldWnd);
    void OnCheckRecord();
    void OnCheckFile();
    void OnFindingDblClk();
    void OnClose();
    void OnDestroy();
    LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeepRecordSelected(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void qvFillFields();
    // The selected record selected in the record list and scrolled into view.
    void qvShowSelectedRecord();
    // The number, 001 and status columns as wide as their widest text; the
    // title takes the rest of the list's width.
    void qvFitColumns();
    void qvFitTitleColumn();
    void qvLayout(int iWidth, int iHeight);
    // The field line dialog on field iField of the selected record (-1: a new field).
    void qvEditFieldLine(int iField);
    // The lists after a change, the selected field shown, the focus back in its list.
    void qvAfterChange();
    // Runs the last Check again (after an editor changed a record) and lists
    // the findings below the record and its fields.
    void qvRunCheck();
    void qvFillFindings();

    THostPrompt& mrxPrompt;
    THostSession mxSession;
    THostAccelerators mxAccelerators;
    CListCtrl mxRecordList;
    // The row the record list asked for last, kept for its other columns.
    int miCachedRow = -1;
    THostRecordRow mxCachedRow;
    // The file whose records the columns were fitted to; empty: fit them again.
    std::wstring mxFittedPath;
    CListBox mxFieldList;
    CWnd mxStatusBar;
    // The findings of the last Check: a summary row, then one row per finding.
    CListBox mxFindingList;
    THostCheck mxCheck;
    // The scope of the last Check: none, the record, the file.
    enum ECheckScope : int
    {
        eCheckedNothing,
        eCheckedRecord,
        eCheckedFile
    } meCheckScope;
    bool mtQuitOnClose;
    // The list that had the focus last: it gets it back when the window does.
    HWND mhFocusList = nullptr;
    // What Find looks for; F3 looks for it again.
    std::wstring mxFindText;
};
