#include "host/THostMainWindow.h"
#include "host/THostLineDialog.h"
#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TException.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>

namespace
{
const wchar_t kTitle[] = L"Orvo Cataloguing Host";
// Posted when the record list is left with no row selected (see
// OnRecordItemChanged).
constexpr UINT kWmKeepRecordSelected = WM_APP + 1;
// What an error that left a command's handler means for the cataloguer.
const wchar_t kUnfinished[] = L"The last command could not be finished. The open records are kept.";

enum EHostMenu : int
{
    eMenuFile = 0,
    eMenuEdit = 1,
    eMenuRecord = 2
};

const wchar_t* const kMenuTitles[] = {L"&File", L"&Edit", L"&Record"};

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
    {eMenuFile, eCmdReload, L"&Reload\tF5", FVIRTKEY, VK_F5},
    {eMenuFile, 0, nullptr, 0, 0},
    {eMenuFile, eCmdExit, L"E&xit", 0, 0},
    {eMenuEdit, eCmdUndo, L"&Undo\tCtrl+Z", kCtrl, 'Z'},
    {eMenuEdit, eCmdRedo, L"&Redo\tCtrl+Y", kCtrl, 'Y'},
    {eMenuEdit, 0, nullptr, 0, 0},
    {eMenuEdit, eCmdEditField, L"&Edit field...\tEnter", 0, 0},
    {eMenuEdit, eCmdInsertField, L"&Insert field...\tIns", FVIRTKEY, VK_INSERT},
    {eMenuEdit, eCmdDeleteField, L"&Delete field\tDel", 0, 0},
    {eMenuEdit, 0, nullptr, 0, 0},
    {eMenuEdit, eCmdFind, L"&Find...\tCtrl+F", kCtrl, 'F'},
    {eMenuEdit, eCmdFindNext, L"Find &next\tF3", FVIRTKEY, VK_F3},
    {eMenuEdit, eCmdGoTo, L"&Go to record...\tCtrl+G", kCtrl, 'G'},
    {eMenuRecord, eCmdNewRecord, L"&New record...\tCtrl+N", kCtrl, 'N'},
    {eMenuRecord, eCmdDeleteRecord, L"Dele&te record\tCtrl+Del", kCtrl, VK_DELETE},
    {eMenuRecord, 0, nullptr, 0, 0},
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
    {eMenuRecord, 0, nullptr, 0, 0},
    {eMenuRecord, eCmdCheckRecord, L"&Check record\tF7", FVIRTKEY, VK_F7},
    {eMenuRecord, eCmdCheckFile, L"Check &file\tShift+F7", FVIRTKEY | FSHIFT, VK_F7},
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

struct THostRecordColumn
{
    EHostRecordColumn meColumn;
    const wchar_t* pwcHeading;
};

const THostRecordColumn kRecordColumns[] = {
    {eColumnNumber, L"No."}, {eColumnId, L"001"}, {eColumnTitle, L"Title"}, {eColumnStatus, L"Status"}};

// The widest text of the status column; the first rows whose 001s are measured;
// room beside a column's text; the title column's least width.
const wchar_t kWidestStatus[] = L"unreadable";
const std::size_t kRowsMeasured = 1000;
const int kColumnMargin = 16;
const int kMinTitleWidth = 120;

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
    ON_NOTIFY(LVN_ITEMCHANGED, eRecordList, OnRecordItemChanged)
    ON_NOTIFY(LVN_GETDISPINFOW, eRecordList, OnRecordGetDispInfo)
    ON_NOTIFY(NM_SETFOCUS, eRecordList, OnRecordListSetFocus)
    ON_NOTIFY(LVN_ODFINDITEMW, eRecordList, OnRecordFindItem)
    ON_CONTROL(LBN_SELCHANGE, eFieldList, OnFieldSelChange)
    ON_CONTROL(LBN_DBLCLK, eFieldList, OnFieldDblClk)
    ON_COMMAND(eCmdEditField, OnEditField)
    ON_COMMAND(eCmdInsertField, OnInsertField)
    ON_COMMAND(eCmdDeleteField, OnDeleteField)
    ON_COMMAND(eCmdNewRecord, OnNewRecord)
    ON_COMMAND(eCmdDeleteRecord, OnDeleteRecord)
    ON_COMMAND(eCmdUndo, OnUndo)
    ON_COMMAND(eCmdReload, OnReload)
    ON_COMMAND(eCmdFind, OnFind)
    ON_COMMAND(eCmdFindNext, OnFindNext)
    ON_COMMAND(eCmdGoTo, OnGoTo)
    ON_COMMAND(eCmdRedo, OnRedo)
    ON_CONTROL(LBN_SETFOCUS, eFieldList, OnListSetFocus)
    ON_CONTROL(LBN_SETFOCUS, eFindingList, OnListSetFocus)
    ON_WM_SETFOCUS()
    ON_COMMAND(eCmdCheckRecord, OnCheckRecord)
    ON_COMMAND(eCmdCheckFile, OnCheckFile)
    ON_CONTROL(LBN_DBLCLK, eFindingList, OnFindingDblClk)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SIZE, OnSizeMessage)
    ON_MESSAGE(kWmKeepRecordSelected, OnKeepRecordSelected)
END_MESSAGE_MAP()

THostMainWindow::THostMainWindow(THostPrompt& rxPrompt, bool tQuitOnClose)
    : mrxPrompt(rxPrompt), mxSession(rxPrompt), meCheckScope(eCheckedNothing), mtQuitOnClose(tQuitOnClose)
{}

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
    if (pwcClass == nullptr || !CreateEx(0, pwcClass, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                         CW_USEDEFAULT, 900, 600, nullptr, hMenu, nullptr))
    {
        // A menu that no window took is ours to free.
        ::DestroyMenu(hMenu);
        return false;
    }
    INITCOMMONCONTROLSEX xControls = {sizeof(xControls), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&xControls);
    // The record list holds only the count of records: each row's text comes
    // from the session as it is drawn, so that a file of any size shows at once.
    mxRecordList.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS,
                        CRect(), this, eRecordList);
    mxRecordList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (const THostRecordColumn& column : kRecordColumns)
        mxRecordList.InsertColumn(column.meColumn, column.pwcHeading);
    const DWORD dwListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY |
                              LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS;
    mxFieldList.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", dwListStyle, 0, 0, 0, 0, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(eFieldList)));
    mxStatusBar.CreateEx(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(eStatusBar)));
    mxFindingList.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", dwListStyle, 0, 0, 0, 0, m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(eFindingList)));
    mxFindingList.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    int aiFindingTabs[] = {90, 170};
    mxFindingList.SetTabStops(2, aiFindingTabs);
    mxFindingList.SetHorizontalExtent(2000);
    mxRecordList.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    mxFieldList.SetFont(static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT)));
    mxFieldList.SetHorizontalExtent(4000);
    mhFocusList = mxRecordList.m_hWnd;
    qvFitColumns();
    CRect rect;
    GetClientRect(&rect);
    qvLayout(rect.Width(), rect.Height());
    qvRefresh();
    return true;
}

BOOL THostMainWindow::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr)
        return FALSE;
    // The lists' own keys: Tab and Shift+Tab go from one list to the next
    // (the findings too once a Check has run); Enter and F2 open the field
    // line or the finding, Delete deletes the field or the record.
    const HWND ahLists[] = {mxRecordList.m_hWnd, mxFieldList.m_hWnd, mxFindingList.m_hWnd};
    const int iLists = meCheckScope == eCheckedNothing ? 2 : 3;
    const int iList = static_cast<int>(std::find(ahLists, ahLists + iLists, pMsg->hwnd) - ahLists);
    if (pMsg->message == WM_KEYDOWN && iList < iLists && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0)
    {
        switch (pMsg->wParam)
        {
        case VK_TAB:
            ::SetFocus(ahLists[(iList + (::GetKeyState(VK_SHIFT) < 0 ? iLists - 1 : 1)) % iLists]);
            return TRUE;
        case VK_RETURN:
        case VK_F2:
            if (ahLists[iList] == mxRecordList.m_hWnd)
                ::SetFocus(mxFieldList.m_hWnd);
            else if (ahLists[iList] == mxFieldList.m_hWnd)
                OnEditField();
            else
                OnFindingDblClk();
            return TRUE;
        case VK_DELETE:
            if (ahLists[iList] == mxFieldList.m_hWnd)
                OnDeleteField();
            else if (ahLists[iList] == mxRecordList.m_hWnd)
                OnDeleteRecord();
            return TRUE;
        default:
            break;
        }
    }
    return ::TranslateAcceleratorW(m_hWnd, mxAccelerators.qhGet(), pMsg);
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
            mrxPrompt.qvShowMessage(kUnfinished, true, e.qpwcGetMessage());
        }
        catch (const std::exception& e)
        {
            const std::string xWhat = e.what();
            mrxPrompt.qvShowMessage(kUnfinished, true, std::wstring(xWhat.begin(), xWhat.end()));
        }
    }
}

void THostMainWindow::qvLayout(int iWidth, int iHeight)
{
    if (mxRecordList.m_hWnd == nullptr || mxFieldList.m_hWnd == nullptr || mxFindingList.m_hWnd == nullptr)
        return;
    const int iSplit = iWidth * 35 / 100;
    // The status bar places itself at the bottom; the lists take the rest.
    if (mxStatusBar.m_hWnd != nullptr)
    {
        mxStatusBar.SendMessage(WM_SIZE, 0, 0);
        RECT xBar = {};
        mxStatusBar.GetWindowRect(&xBar);
        iHeight = std::max(0, iHeight - static_cast<int>(xBar.bottom - xBar.top));
    }
    // The findings take the lower third once a Check has run.
    const int iFindings = meCheckScope == eCheckedNothing ? 0 : iHeight / 3;
    const int iTop = iHeight - iFindings;
    mxRecordList.SetWindowPos(nullptr, 0, 0, iSplit, iTop, SWP_NOZORDER | SWP_NOACTIVATE);
    mxFieldList.SetWindowPos(nullptr, iSplit + 4, 0, iWidth - iSplit - 4, iTop, SWP_NOZORDER | SWP_NOACTIVATE);
    mxFindingList.SetWindowPos(nullptr, 0, iTop + (iFindings > 0 ? 4 : 0), iWidth, std::max(iFindings - 4, 0),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    qvFitTitleColumn();
}

void THostMainWindow::qvFitColumns()
{
    // The number column as wide as the largest number; the 001 column as the
    // widest 001 of the first rows (a file's 001s are mostly of one width).
    const std::size_t nCount = mxSession.qnGetRecordCount();
    std::wstring xWidestNumber(std::to_wstring(std::max<std::size_t>(nCount, 1)).size(), L'0');
    int aiWidth[eRecordColumnCount] = {};
    for (const THostRecordColumn& column : kRecordColumns)
        aiWidth[column.meColumn] = mxRecordList.GetStringWidth(column.pwcHeading);
    aiWidth[eColumnNumber] = std::max(aiWidth[eColumnNumber], mxRecordList.GetStringWidth(xWidestNumber.c_str()));
    aiWidth[eColumnStatus] = std::max(aiWidth[eColumnStatus], mxRecordList.GetStringWidth(kWidestStatus));
    for (std::size_t n = 0; n < std::min<std::size_t>(nCount, kRowsMeasured); ++n)
        aiWidth[eColumnId] =
            std::max(aiWidth[eColumnId], mxRecordList.GetStringWidth(mxSession.qxRecordRow(n)[eColumnId].c_str()));
    for (int iColumn : {eColumnNumber, eColumnId, eColumnStatus})
        mxRecordList.SetColumnWidth(iColumn, aiWidth[iColumn] + kColumnMargin);
    mxFittedPath = mxSession.qrxGetPath();
    qvFitTitleColumn();
}

void THostMainWindow::qvFitTitleColumn()
{
    CRect rect;
    mxRecordList.GetClientRect(&rect);
    int iOthers = 0;
    for (int iColumn : {eColumnNumber, eColumnId, eColumnStatus})
        iOthers += mxRecordList.GetColumnWidth(iColumn);
    mxRecordList.SetColumnWidth(eColumnTitle, std::max(rect.Width() - iOthers, kMinTitleWidth));
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

    // The rows are drawn from the session: the list needs only their count.
    miCachedRow = -1;
    mxRecordList.SetItemCountEx(static_cast<int>(mxSession.qnGetRecordCount()));
    if (mxFittedPath != mxSession.qrxGetPath())
        qvFitColumns();
    qvShowSelectedRecord();
    qvFillFields();
}

void THostMainWindow::qvShowSelectedRecord()
{
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRecord < 0)
    {
        mxRecordList.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    mxRecordList.SetItemState(iRecord, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    mxRecordList.EnsureVisible(iRecord, FALSE);
}

void THostMainWindow::qvFillFields()
{
    mxStatusBar.SetWindowText(mxSession.qxStatusLine().c_str());
    mxFieldList.ResetContent();
    // Each record is shown from its first column.
    mxFieldList.SendMessage(WM_HSCROLL, SB_LEFT);
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRecord < 0)
        return;
    const THostEntry& rxEntry = mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord));
    if (!rxEntry.mtReadable)
    {
        mxFieldList.AddString((L"Unreadable: " + rxEntry.mxProblem).c_str());
        return;
    }
    // The Leader as it will be written: in ISO 2709 with its record length and
    // base address.
    TMarcLeader xLeader = rxEntry.mxRecord.qrxGetLeader();
    if (mxSession.qeGetFormat() == eIso2709)
    {
        TXBuffer<unsigned char> xBytes;
        try
        {
            rxEntry.mxRecord.qvGetUSMarcData(xBytes, false);
            const std::string xWritten(reinterpret_cast<const char*>(xBytes.qpaxGetData()),
                                       TMarcLeader::mdwLength_static);
            xLeader.qvSetData(xWritten.c_str());
        }
        catch (const TException&)
        {
            // Not writable as it stands: the save will say why; shown as held.
        }
    }
    mxFieldList.AddString(THostSession::qxLeaderLine(xLeader).c_str());
    const TCharacterSet& rxSet = TCharacterSet::qrxOfLeader(rxEntry.mxRecord.qrxGetLeader().qcGetAt(9));
    for (uint32_t dw = 0; dw < rxEntry.mxRecord.qdwGetFieldCount(); ++dw)
        mxFieldList.AddString(THostSession::qxFieldLine(rxEntry.mxRecord.qrxGetField(dw), rxSet).c_str());
    for (const TRepair& rxRepair : rxEntry.mxRepairs)
        mxFieldList.AddString((L"Repaired: " + rxRepair.mxText).c_str());
    // Row 0 is the Leader; field k is row k + 1; the repairs follow the fields.
    mxFieldList.SetCurSel(mxSession.qiGetSelectedField() + 1);
}

void THostMainWindow::OnFileOpen()
{
    if (mxSession.qtOpen())
    {
        // The findings were of the file closed; their list goes, and the focus
        // it had goes to the records.
        meCheckScope = eCheckedNothing;
        if (mhFocusList == mxFindingList.m_hWnd)
            mhFocusList = mxRecordList.m_hWnd;
        mxFittedPath.clear(); // the same name may be another file now
        qvRunCheck();
    }
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
    qvAfterChange();
}

void THostMainWindow::OnRecordItemChanged(NMHDR* pNMHDR, LRESULT*)
{
    // A row chosen by the cataloguer; the row of the selected record (selected
    // again after a change) and rows left are nothing to do.
    if ((reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->uChanged & LVIF_STATE) == 0)
        return;
    const int iRow = mxRecordList.GetNextItem(-1, LVNI_SELECTED);
    if (iRow < 0)
    {
        // No row selected: a click beside the rows (or Ctrl+Space) took the
        // selection away, or the list is between leaving one row and taking
        // the next. Which it was is known once the list has finished.
        PostMessage(kWmKeepRecordSelected);
        return;
    }
    if (iRow == mxSession.qiGetSelectedRecord())
        return;
    mxSession.qvSelectRecord(iRow);
    qvFillFields();
}

LRESULT THostMainWindow::OnKeepRecordSelected(WPARAM, LPARAM)
{
    // The fields shown are the chosen record's, and every command acts on it:
    // its row stays selected, wherever the list is scrolled.
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRecord >= 0 && mxRecordList.GetNextItem(-1, LVNI_SELECTED) < 0)
        mxRecordList.SetItemState(iRecord, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return 0;
}

void THostMainWindow::OnRecordGetDispInfo(NMHDR* pNMHDR, LRESULT*)
{
    LVITEMW& rxItem = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    if ((rxItem.mask & LVIF_TEXT) == 0 || rxItem.pszText == nullptr || rxItem.cchTextMax <= 0)
        return;
    rxItem.pszText[0] = L'\0';
    if (rxItem.iItem < 0 || static_cast<std::size_t>(rxItem.iItem) >= mxSession.qnGetRecordCount() ||
        rxItem.iSubItem < 0 || rxItem.iSubItem >= eRecordColumnCount)
        return;
    if (rxItem.iItem != miCachedRow)
    {
        mxCachedRow = mxSession.qxRecordRow(static_cast<std::size_t>(rxItem.iItem));
        miCachedRow = rxItem.iItem;
    }
    const std::wstring& rxText = mxCachedRow[static_cast<std::size_t>(rxItem.iSubItem)];
    const std::size_t nLength = std::min(rxText.size(), static_cast<std::size_t>(rxItem.cchTextMax) - 1);
    rxText.copy(rxItem.pszText, nLength);
    rxItem.pszText[nLength] = L'\0';
}

void THostMainWindow::OnRecordListSetFocus(NMHDR*, LRESULT*)
{
    mhFocusList = mxRecordList.m_hWnd;
}

void THostMainWindow::OnRecordFindItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The list's own search looks in its first column, the record numbers:
    // from its start row round to it; -1 for none (any letter).
    const NMLVFINDITEMW* pxFind = reinterpret_cast<const NMLVFINDITEMW*>(pNMHDR);
    *pResult = -1;
    const std::size_t nCount = mxSession.qnGetRecordCount();
    if ((pxFind->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || pxFind->lvfi.psz == nullptr || nCount == 0)
        return;
    const std::wstring xTyped = pxFind->lvfi.psz;
    const std::size_t nStart = pxFind->iStart < 0 ? 0 : static_cast<std::size_t>(pxFind->iStart) % nCount;
    for (std::size_t n = 0; n < nCount; ++n)
    {
        const std::size_t nRow = (nStart + n) % nCount;
        if (mxSession.qxRecordNumber(nRow).compare(0, xTyped.size(), xTyped) == 0)
        {
            *pResult = static_cast<LRESULT>(nRow);
            return;
        }
    }
}

void THostMainWindow::OnFieldSelChange()
{
    mxSession.qvSelectField(mxFieldList.GetCurSel() - 1);
}

void THostMainWindow::OnFieldDblClk()
{
    OnEditField();
}

void THostMainWindow::OnEditField()
{
    const int iRow = mxFieldList.GetCurSel();
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRow < 0 || iRecord < 0 || !mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord)).mtReadable)
        return;
    const TMarcRecord& rxRecord = mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord)).mxRecord;
    if (static_cast<uint32_t>(iRow) > rxRecord.qdwGetFieldCount())
        return; // a row of repairs
    const int iTag = iRow == 0 ? -1 : rxRecord.qrxGetField(static_cast<uint32_t>(iRow - 1)).qiGetTagNumber();
    for (const THostTagEditor& editor : kTagEditors)
    {
        if (editor.iTag == iTag)
        {
            OnEditorCommand(editor.nCommand);
            return;
        }
    }
    qvEditFieldLine(iRow - 1);
}

void THostMainWindow::qvEditFieldLine(int iField)
{
    const int iRecord = mxSession.qiGetSelectedRecord();
    if (iRecord < 0 || !mxSession.qrxGetEntry(static_cast<std::size_t>(iRecord)).mtReadable)
        return;
    const std::wstring xTitle = (iField < 0 ? L"New field in record " : L"Field of record ") +
                                std::to_wstring(iRecord + 1) + L" (" + mxSession.qrxGetCharacterSet().qpwcGetName() +
                                L")";
    const TCharacterSet& rxSet = mxSession.qrxGetCharacterSet();
    TMarcTag xField;
    THostLineDialog dialog(
        xTitle, L"&Field: =tag, two blanks, indicators (\\ for a blank), subfields as $ and their code",
        iField < 0 ? L"=" : mxSession.qxFieldText(iField),
        [&](const std::wstring& rxLine) {
            try
            {
                xField = qxReadMarcMakerFieldText(rxLine, rxSet);
                return true;
            }
            catch (const TException& e)
            {
                mrxPrompt.qvShowMessage(e.qpwcGetMessage(), true);
                return false;
            }
        },
        this);
    if (dialog.DoModal() == IDOK)
        mxSession.qvPutField(iField, xField);
    qvAfterChange();
}

void THostMainWindow::qvAfterChange()
{
    const int iField = mxSession.qiGetSelectedField();
    qvRefresh();
    mxSession.qvSelectField(iField);
    mxFieldList.SetCurSel(mxSession.qiGetSelectedField() + 1);
    // A Check that has run is run again on the changed records.
    if (meCheckScope != eCheckedNothing)
        qvRunCheck();
    if (mhFocusList != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetFocus(mhFocusList);
}

void THostMainWindow::OnInsertField()
{
    qvEditFieldLine(-1);
}

void THostMainWindow::OnDeleteField()
{
    mxSession.qvDeleteField();
    qvAfterChange();
}

void THostMainWindow::OnNewRecord()
{
    mxSession.qvNewRecord(this);
    qvAfterChange();
}

void THostMainWindow::OnDeleteRecord()
{
    mxSession.qvDeleteRecord();
    qvAfterChange();
}

void THostMainWindow::OnUndo()
{
    if (mxSession.qtUndo())
        qvAfterChange();
}

void THostMainWindow::OnFind()
{
    THostLineDialog dialog(
        L"Find", L"&Find in every field of every record:", mxFindText,
        [](const std::wstring& rxText) { return !rxText.empty(); }, this);
    if (dialog.DoModal() == IDOK)
    {
        mxFindText = dialog.qrxGetLine();
        OnFindNext();
    }
    else
        qvAfterChange();
}

void THostMainWindow::OnFindNext()
{
    if (mxFindText.empty())
    {
        OnFind();
        return;
    }
    if (mxSession.qtFind(mxFindText))
        mhFocusList = mxFieldList.m_hWnd;
    qvAfterChange();
}

void THostMainWindow::OnGoTo()
{
    THostLineDialog dialog(
        L"Go to record", L"&Record number or 001:", L"",
        [this](const std::wstring& rxText) { return mxSession.qtGoTo(rxText); }, this);
    if (dialog.DoModal() == IDOK)
        mhFocusList = mxRecordList.m_hWnd;
    qvAfterChange();
}

void THostMainWindow::OnReload()
{
    if (!mxSession.qtReload())
        return;
    // The file as it is now on the disk: its columns fitted again.
    mxFittedPath.clear();
    qvAfterChange();
}

void THostMainWindow::OnRedo()
{
    if (mxSession.qtRedo())
        qvAfterChange();
}

void THostMainWindow::OnListSetFocus()
{
    mhFocusList = ::GetFocus();
}

void THostMainWindow::OnSetFocus(CWnd*)
{
    // The window itself takes the focus when it is activated (after every
    // dialog): the list that had it gets it back.
    if (mhFocusList != nullptr)
        ::SetFocus(mhFocusList);
}

void THostMainWindow::qvRunCheck()
{
    if (meCheckScope == eCheckedFile)
        mxCheck.qvCheckFile(mxSession);
    else if (meCheckScope == eCheckedRecord && mxSession.qiGetSelectedRecord() >= 0)
        mxCheck.qvCheckRecord(mxSession, static_cast<std::size_t>(mxSession.qiGetSelectedRecord()));
    else
        mxCheck.qvClear();
    CRect rect;
    GetClientRect(&rect);
    qvLayout(rect.Width(), rect.Height());
    qvFillFindings();
}

void THostMainWindow::qvFillFindings()
{
    mxFindingList.ResetContent();
    if (meCheckScope == eCheckedNothing)
        return;
    const std::size_t nChecked = meCheckScope == eCheckedFile ? mxSession.qnGetRecordCount() : 1;
    mxFindingList.AddString(mxCheck.qxSummaryLine(nChecked).c_str());
    for (std::size_t n = 0; n < mxCheck.qrxGetFindings().size(); ++n)
        mxFindingList.AddString(mxCheck.qxFindingLine(mxSession, n).c_str());
}

void THostMainWindow::OnCheckRecord()
{
    if (mxSession.qiGetSelectedRecord() < 0)
        return;
    meCheckScope = eCheckedRecord;
    qvRunCheck();
}

void THostMainWindow::OnCheckFile()
{
    meCheckScope = eCheckedFile;
    qvRunCheck();
}

// A finding opens the editor of its field with the focus on the control of
// its position; afterwards the same Check runs again.
void THostMainWindow::OnFindingDblClk()
{
    const int iRow = mxFindingList.GetCurSel() - 1; // row 0 is the summary
    if (iRow < 0 || static_cast<std::size_t>(iRow) >= mxCheck.qrxGetFindings().size())
        return;
    const THostFinding xFinding = mxCheck.qrxGetFindings()[static_cast<std::size_t>(iRow)];
    if (xFinding.mnRecord >= mxSession.qnGetRecordCount())
        return;
    mxSession.qvSelectRecord(static_cast<int>(xFinding.mnRecord));
    const THostEntry& rxEntry = mxSession.qrxGetEntry(xFinding.mnRecord);
    const THostFindingTarget xTarget =
        rxEntry.mtReadable ? THostCheck::qxTargetOf(rxEntry.mxRecord, xFinding.mxFinding) : THostFindingTarget();
    mxSession.qvSelectField(xTarget.miField);
    qvShowSelectedRecord();
    qvFillFields();
    if (!xTarget.mtHasEditor)
        return;
    mxSession.qvEditField(xTarget.meEditor, false, this, xTarget.miFocusPosition);
    qvAfterChange();
    mxFindingList.SetCurSel(std::min(iRow + 1, mxFindingList.GetCount() - 1));
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
