// THostMainWindow: the cataloguing host's main window. The records of the open
// file on the left, the Leader and fields of the selected record on the right,
// and a menu whose commands (with their keyboard accelerators) run the field
// editors of OrvoFieldEditors on the selected record.
#pragma once

#include "host/THostSession.h"
#include "mfc/afxwin.h"

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
    eCmdAddDefault008
};

enum EHostControl : UINT
{
    eRecordList = 100,
    eFieldList = 101
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
    void OnRecordSelChange();
    void OnFieldSelChange();
    void OnFieldDblClk();
    void OnClose();
    void OnDestroy();
    LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void qvFillFields();
    void qvLayout(int iWidth, int iHeight);

    THostPrompt& mrxPrompt;
    THostSession mxSession;
    THostAccelerators mxAccelerators;
    CListBox mxRecordList;
    CListBox mxFieldList;
    bool mtQuitOnClose;
};
