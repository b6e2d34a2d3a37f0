#include "host/THostMainWindow.h"
#include "recordlib/TException.h"

#include <filesystem>

namespace
{
const wchar_t kTitle[] = L"Orvo Cataloguing Host";

enum EHostMenu : int
{
    eMenuFile = 0,
    eMenuRecord = 1
};

const wchar_t* const kMenuTitles[] = {L"&File", L"&Record"};

// One line per menu item: the menus and the accelerator table come from here.
// An item with command 0 is a separator; key 0 has no accelerator.
struct THostMenuItem
{
    EHostMenu meMenu;
    UINT nCommand;
    const wchar_t* pwcLabel;
    BYTE fVirt;
    WORD wKey;
};

const BYTE kCtrl = FVIRTKEY | FCONTROL;
const BYTE kCtrlShift = FVIRTKEY | FCONTROL | FSHIFT;

const THostMenuItem kMenuItems[] = {
    {eMenuFile, eCmdOpen, L"&Open...\tCtrl+O", kCtrl, 'O'},
    {eMenuFile, eCmdSave, L"&Save\tCtrl+S", kCtrl, 'S'},
    {eMenuFile, eCmdSaveAs, L"Save &As...\tCtrl+Shift+S", kCtrlShift, 'S'},
    {eMenuFile, 0, nullptr, 0, 0},
    {eMenuFile, eCmdExit, L"E&xit", 0, 0},
    {eMenuRecord, eCmdEditLeader, L"&Leader...\tCtrl+L", kCtrl, 'L'},
    {eMenuRecord, eCmdEdit006, L"00&6...\tCtrl+6", kCtrl, '6'},
    {eMenuRecord, eCmdNew006, L"New 006...\tCtrl+Shift+6", kCtrlShift, '6'},
    {eMenuRecord, eCmdEdit007, L"00&7...\tCtrl+7", kCtrl, '7'},
    {eMenuRecord, eCmdNew007, L"New 007...\tCtrl+Shift+7", kCtrlShift, '7'},
    {eMenuRecord, eCmdEdit008, L"00&8...\tCtrl+8", kCtrl, '8'},
    {eMenuRecord, eCmdEdit856, L"8&56...\tCtrl+U", kCtrl, 'U'},
    {eMenuRecord, eCmdNew856, L"New 856...\tCtrl+Shift+U", kCtrlShift, 'U'},
    {eMenuRecord, 0, nullptr, 0, 0},
    {eMenuRecord, eCmdAddDefault008, L"Add &default 008\tCtrl+D", kCtrl, 'D'},
};

struct THostEditorCommand
{
    UINT nCommand;
    EFieldEditor meEditor;
    bool mtNewField;
};

const THostEditorCommand kEditorCommands[] = {
    {eCmdEditLeader, eLeaderEditor, false}, {eCmdEdit006, e006Editor, false}, {eCmdNew006, e006Editor, true},
    {eCmdEdit007, e007Editor, false},       {eCmdNew007, e007Editor, true},   {eCmdEdit008, e008Editor, false},
    {eCmdEdit856, e856Editor, false},       {eCmdNew856, e856Editor, true},
};

// The editor a double-clicked field opens, by tag (-1: the Leader row).
struct THostTagEditor
{
    int iTag;
    UINT nCommand;
};

const THostTagEditor kTagEditors[] = {
    {-1, eCmdEditLeader}, {6, eCmdEdit006}, {7, eCmdEdit007}, {8, eCmdEdit008}, {856, eCmdEdit856},
};

HMENU qhBuildMenu()
{
    HMENU hBar = ::CreateMenu();
    HMENU ahMenus[sizeof(kMenuTitles) / sizeof(kMenuTitles[0])] = {};
    for (std::size_t n = 0; n < sizeof(kMenuTitles) / sizeof(kMenuTitles[0]); ++n)
    {
        ahMenus[n] = ::CreatePopupMenu();
        ::AppendMenuW(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(ahMenus[n]), kMenuTitles[n]);
    }
    for (const THostMenuItem& item : kMenuItems)
    {
        if (item.nCommand == 0)
            ::AppendMenuW(ahMenus[item.meMenu], MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(ahMenus[item.meMenu], MF_STRING, item.nCommand, item.pwcLabel);
    }
    return hBar;
}
}

THostAccelerators::THostAccelerators() : mhAccel(nullptr)
{
    ACCEL aAccel[sizeof(kMenuItems) / sizeof(kMenuItems[0])];
    int iCount = 0;
    for (const THostMenuItem& item : kMenuItems)
        if (item.wKey != 0)
            aAccel[iCount++] = {item.fVirt, item.wKey, static_cast<WORD>(item.nCommand)};
    mhAccel = ::CreateAcceleratorTableW(aAccel, iCount);
}

THostAccelerators::~THostAccelerators()
{
    if (mhAccel != nullptr)
        ::DestroyAcceleratorTable(mhAccel);
}

BEGIN_MESSAGE_MAP(THostMainWindow, CWnd)
    ON_COMMAND(eCmdOpen, OnFileOpen)
    ON_COMMAND(eCmdSave, OnFileSave)
    ON_COMMAND(eCmdSaveAs, OnFileSaveAs)
    ON_COMMAND(eCmdExit, OnFileExit)
    ON_COMMAND_RANGE(eCmdEditLeader, eCmdAddDefault008, OnEditorCommand)
    ON_CONTROL(LBN_SELCHANGE, eRecordList, OnRecordSelChange)
    ON_CONTROL(LBN_SELCHANGE, eFieldList, OnFieldSelChange)
    ON_CONTROL(LBN_DBLCLK, eFieldList, OnFieldDblClk)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SIZE, OnSizeMessage)
END_MESSAGE_MAP()

THostMainWindow::THostMainWindow(THostPrompt& rxPrompt, bool tQuitOnClose)
    : mrxPrompt(rxPrompt), mxSession(rxPrompt), mtQuitOnClose(tQuitOnClose)
{
}

THostMainWindow::~THostMainWindow()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

bool THostMainWindow::qtCreate()
{
    LPCWSTR pwcClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    HMENU hMenu = qhBuildMenu();
    if (pwcClass == nullptr ||
        !CreateEx(0, pwcClass, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 900, 600,
                  nullptr, hMenu, nullptr))
    {
        // A menu that no window took is ours to free.
        ::DestroyMenu(hMenu);
        return false;
    }
    const DWORD dwListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY |
                              LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS;
    mxRecordList.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", dwListStyle, 0, 0, 0, 0, m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(eRecordList)));
    mxFieldList.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", dwListStyle, 0, 0, 0, 0, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(eFieldList)));
    mxRecordList.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    mxFieldList.SetFont(static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT)));
    int aiTabs[] = {24, 90};
    mxRecordList.SetTabStops(2, aiTabs);
    mxFieldList.SetHorizontalExtent(4000);
    CRect rect;
    GetClientRect(&rect);
    qvLayout(rect.Width(), rect.Height());
    qvRefresh();
    return true;
}

BOOL THostMainWindow::PreTranslateMessage(MSG* pMsg)
{
    return m_hWnd != nullptr && ::TranslateAcceleratorW(m_hWnd, mxAccelerators.qhGet(), pMsg);
}

int THostMainWindow::qiRunMessageLoop()
{
    const bool bRun = true;
    for (;;)
    {
        try
        {
            return AfxRunMessageLoop(bRun);
        }
        catch (const TException& e)
        {
            mrxPrompt.qvShowMessage(e.qpwcGetMessage(), true);
        }
        catch (const std::exception& e)
        {
            const std::string xWhat = e.what();
            mrxPrompt.qvShowMessage(L"Unexpected error: " + std::wstring(xWhat.begin(), xWhat.end()), true);
        }
    }
}

void THostMainWindow::qvLayout(int iWidth, int iHeight)
{
    if (mxRecordList.m_hWnd == nullptr || mxFieldList.m_hWnd == nullptr)
        return;
    const int iSplit = iWidth * 35 / 100;
    mxRecordList.SetWindowPos(nullptr, 0, 0, iSplit, iHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    mxFieldList.SetWindowPos(nullptr, iSplit + 4, 0, iWidth - iSplit - 4, iHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT THostMainWindow::OnSizeMessage(WPARAM, LPARAM lParam)
{
    qvLayout(LOWORD(lParam), HIWORD(lParam));
    return 0;
}

void THostMainWindow::qvRefresh()
{
    if (m_hWnd == nullptr)
        return;
    std::wstring xCaption = kTitle;
    if (!mxSession.qrxGetPath().empty())
        xCaption = std::filesystem::path(mxSession.qrxGetPath()).filename().wstring() +
                   (mxSession.qtIsModified() ? L"*" : L"") + L" - " + kTitle;
    SetWindowText(xCaption.c_str());

    mxRecordList.ResetContent();
    for (std::size_t n = 0; n < mxSession.qnGetRecordCount(); ++n)
        mxRecordList.AddString(mxSession.qxRecordLine(n).c_str());
    mxRecordList.SetCurSel(mxSession.qiGetSelectedRecord());
    qvFillFields();
}

void THostMainWindow::qvFillFields()
{
    mxFieldList.ResetContent();
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRecord < 0)
        return;
    const THostEntry& rxEntry = mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord));
    if (!rxEntry.mtReadable)
    {
        mxFieldList.AddString((L"Unreadable: " + rxEntry.mxProblem).c_str());
        return;
    }
    mxFieldList.AddString(THostSession::qxLeaderLine(rxEntry.mxRecord.qrxGetLeader()).c_str());
    for (uint32_t dw = 0; dw < rxEntry.mxRecord.qdwGetFieldCount(); ++dw)
        mxFieldList.AddString(THostSession::qxFieldLine(rxEntry.mxRecord.qrxGetField(dw)).c_str());
    for (const TRepair& rxRepair : rxEntry.mxRepairs)
        mxFieldList.AddString((L"Repaired: " + rxRepair.mxText).c_str());
    // Row 0 is the Leader; field k is row k + 1; the repairs follow the fields.
    mxFieldList.SetCurSel(mxSession.qiGetSelectedField() + 1);
}

void THostMainWindow::OnFileOpen()
{
    mxSession.qtOpen();
    qvRefresh();
}

void THostMainWindow::OnFileSave()
{
    mxSession.qtSave();
    qvRefresh();
}

void THostMainWindow::OnFileSaveAs()
{
    mxSession.qtSaveAs();
    qvRefresh();
}

void THostMainWindow::OnFileExit()
{
    OnClose();
}

void THostMainWindow::OnEditorCommand(UINT nID)
{
    if (nID == eCmdAddDefault008)
        mxSession.qvAddDefault008();
    for (const THostEditorCommand& command : kEditorCommands)
        if (command.nCommand == nID)
            mxSession.qvEditField(command.meEditor, command.mtNewField, this);
    const int iField = mxSession.qiGetSelectedField();
    qvRefresh();
    mxSession.qvSelectField(iField);
    mxFieldList.SetCurSel(mxSession.qiGetSelectedField() + 1);
}

void THostMainWindow::OnRecordSelChange()
{
    mxSession.qvSelectRecord(mxRecordList.GetCurSel());
    qvFillFields();
}

void THostMainWindow::OnFieldSelChange()
{
    mxSession.qvSelectField(mxFieldList.GetCurSel() - 1);
}

void THostMainWindow::OnFieldDblClk()
{
    const int iRow = mxFieldList.GetCurSel();
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRow < 0 || iRecord < 0 || !mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord)).mtReadable)
        return;
    const TMarcRecord& rxRecord = mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord)).mxRecord;
    if (static_cast<uint32_t>(iRow) > rxRecord.qdwGetFieldCount())
        return; // a row of repairs
    const int iTag =
        iRow == 0 ? -1 : rxRecord.qrxGetField(static_cast<uint32_t>(iRow - 1)).qiGetTagNumber();
    for (const THostTagEditor& editor : kTagEditors)
        if (editor.iTag == iTag)
            OnEditorCommand(editor.nCommand);
}

void THostMainWindow::OnClose()
{
    if (mxSession.qtConfirmDiscard())
        DestroyWindow();
}

void THostMainWindow::OnDestroy()
{
    if (mtQuitOnClose)
        ::PostQuitMessage(0);
    Default();
}
