// orvo-demo: a scripted tour of the library, as a cataloguer would take it.
// On the first record of a file it opens each editor the library serves, makes
// a few choices, takes a picture of the dialog, presses OK and fetches the
// edited record. It prints the record before and after in MARCMaker form and
// leaves before.mrk, after.mrk and one PNG per editor in the output folder.
// Then the cataloguing host opens the file, runs Check file, takes a picture of
// the findings and double-clicks the first one, which opens its editor at its
// position (a picture, then Cancel). Last, the host opens after.mrk, the
// cataloguer changes the 245's title in its field line, and the host is
// pictured with its lists (host.png, field-line.png); the file is saved.
#include "automation/TDialogDriver.h"
#include "TPngFile.h"
#include "host/THostLineDialog.h"
#include "host/THostMainWindow.h"
#include "manager/TFieldEditorManager.h"
#include "marcio/TMarcMakerFormat.h"
#include "mfc/afxwin.h"
#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"
#include "recordlib/TMarcRecord.h"
#include "resources/006EditorIds.h"
#include "resources/008EditorIds.h"
#include "resources/856EditorIds.h"
#include "resources/007EditorIds.h"
#include "resources/LeaderEditorIds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
std::wstring g_xOutputFolder;

// A file of the output folder, written with the folder's own kind of slash.
std::wstring qxOutputPath(const std::wstring& rxName)
{
    const wchar_t wcSlash = g_xOutputFolder.find(L'\\') != std::wstring::npos ? L'\\' : L'/';
    return g_xOutputFolder + wcSlash + rxName;
}

// The dialog as it stands on the screen, saved as <name>.png.
void qvTakePicture(HWND hDlg, const wchar_t* pwcName)
{
    // Every child painted as it stands now (the host's status bar and lists
    // change just before their picture).
    ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    CRect rect;
    ::GetWindowRect(hDlg, &rect);
    CClientDC screen(nullptr);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(screen, rect.Width(), rect.Height()))
        return;
    memory.SelectObject(&bitmap);
    memory.BitBlt(0, 0, rect.Width(), rect.Height(), &screen, rect.left, rect.top, SRCCOPY);
    memory.RestoreSelections();

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = rect.Width();
    info.bmiHeader.biHeight = -rect.Height(); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgrx(static_cast<size_t>(rect.Width()) * rect.Height() * 4);
    if (!::GetDIBits(memory, bitmap, 0, rect.Height(), bgrx.data(), &info, DIB_RGB_COLORS))
        return;
    std::vector<uint8_t> rgb;
    rgb.reserve(bgrx.size() / 4 * 3);
    for (size_t i = 0; i < bgrx.size(); i += 4)
        rgb.insert(rgb.end(), {bgrx[i + 2], bgrx[i + 1], bgrx[i]});
    const std::wstring path = qxOutputPath(std::wstring(pwcName) + L".png");
    if (qtWritePng(path, rect.Width(), rect.Height(), rgb))
        std::printf("  picture: %ls\n", path.c_str());
}

// The host's questions in the tour: no file dialogs, every question answered
// as the tour's cataloguer would (no when nothing is to change, yes when the
// edit is to be saved).
class TDemoPrompt : public THostPrompt
{
public:
    explicit TDemoPrompt(EHostAnswer eAnswer) : meAnswer(eAnswer) {}
    void qvShowMessage(const std::wstring& rxText, bool, const std::wstring& rxDetail) override
    {
        std::printf("  the host says: %ls\n", rxText.c_str());
        if (!rxDetail.empty())
            std::printf("  (details: %ls)\n", rxDetail.c_str());
    }
    EHostAnswer qeAsk(const std::wstring&, bool) override { return meAnswer; }
    bool qtChooseFileToOpen(std::wstring&) override { return false; }
    bool qtChooseFileToSave(std::wstring&) override { return false; }

private:
    EHostAnswer meAnswer;
};

// The host on the file: Check file, a picture of its findings, and the first
// finding opened in its editor (a picture; Cancel).
void qvTourHostCheck(const std::wstring& rxFile)
{
    std::printf("Host, Check file:\n");
    TDemoPrompt prompt(eAnswerNo);
    THostMainWindow window(prompt, false);
    if (!window.qtCreate() || !window.qrxGetSession().qtOpenFile(rxFile))
        return;
    window.qvRefresh();
    window.ShowWindow(SW_SHOWNORMAL);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(eCmdCheckFile, 0), 0);
    HWND hFindings = ::GetDlgItem(window.m_hWnd, eFindingList);
    const int iRows = static_cast<int>(::SendMessageW(hFindings, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < iRows; ++i)
    {
        std::wstring xRow(static_cast<std::size_t>(::SendMessageW(hFindings, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        xRow.resize(
            static_cast<std::size_t>(::SendMessageW(hFindings, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&xRow[0]))));
        std::printf("  %ls\n", xRow.c_str());
    }
    qvTakePicture(window.m_hWnd, L"host-check");
    if (iRows < 2)
        return;
    TDialogDriver driver;
    driver.qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"host-check-editor"); }).qrxThen([](HWND hDlg) {
        ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    ::SendMessageW(hFindings, LB_SETCURSEL, 1, 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(eFindingList, LBN_DBLCLK), reinterpret_cast<LPARAM>(hFindings));
    std::printf("  the first finding opened its editor at its position\n");
    window.DestroyWindow();
}

void qvChooseCode(HWND hDlg, int iListId, const wchar_t* pwcCode)
{
    HWND hCombo = ::GetDlgItem(hDlg, iListId);
    const int iRow = TDialogDriver::qiFindComboRow(hCombo, pwcCode);
    if (iRow >= 0)
    {
        // Read before choosing: a choice may refill the list (the 006 form list).
        const std::wstring xLabel = TDialogDriver::qxGetComboText(hCombo, iRow);
        TDialogDriver::qvChooseComboRow(hCombo, iRow);
        std::printf("  chose \"%ls\"\n", xLabel.c_str());
    }
}

void qvPrint(const char* pacTitle, const TMarcRecord& rxRecord)
{
    std::string text;
    qvAppendMarcMaker(rxRecord, text);
    std::printf("%s\n%s", pacTitle, text.c_str());
}

void qvSave(const TMarcRecord& rxRecord, const wchar_t* pwcName)
{
    std::string text;
    qvAppendMarcMaker(rxRecord, text);
    std::ofstream out(std::filesystem::path(qxOutputPath(pwcName)), std::ios::binary);
    out << text;
}

// The host on the output's after.mrk: the 245 edited as its field line, saved.
void qvTourTheHost()
{
    std::printf("Cataloguing host:\n");
    TDemoPrompt prompt(eAnswerYes);
    THostMainWindow window(prompt, false);
    if (!window.qtCreate())
        return;
    window.SetWindowPos(nullptr, 40, 40, 960, 560, SWP_NOZORDER);
    window.ShowWindow(SW_SHOW);
    THostSession& rxSession = window.qrxGetSession();
    if (!rxSession.qtOpenFile(qxOutputPath(L"after.mrk")))
        return;
    window.qvRefresh();
    const TMarcRecord& rxRecord = rxSession.qrxGetEntry(0).mxRecord;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
        if (rxRecord.qrxGetField(dw).qiGetTagNumber() == 245)
            rxSession.qvSelectField(static_cast<int>(dw));
    window.qvRefresh();
    TDialogDriver driver;
    driver
        .qrxThen([](HWND hDlg) {
            HWND hLine = ::GetDlgItem(hDlg, THostLineDialog::miLineId_static);
            const std::wstring xLine = TDialogDriver::qxGetText(hLine);
            const std::size_t nTitle = xLine.find(L"$a");
            if (nTitle == std::wstring::npos)
                return;
            // A new title proper, typed over the old one (up to the next subfield).
            const std::size_t nEnd = xLine.find(L'$', nTitle + 2);
            ::SendMessageW(hLine, EM_SETSEL, nTitle + 2, nEnd == std::wstring::npos ? -1 : static_cast<LPARAM>(nEnd));
            TDialogDriver::qvType(hLine, L"Whales and dolphins.");
            std::printf("  245 is now %ls\n", TDialogDriver::qxGetText(hLine).c_str());
        })
        .qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"field-line"); })
        .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDOK)); });
    ::SendMessageW(window.m_hWnd, WM_COMMAND, eCmdEditField, 0);
    qvTakePicture(window.m_hWnd, L"host");
    rxSession.qtSave();
    window.DestroyWindow();
}

// Opens one editor on rxRecord (the caller's driver runs its steps inside it)
// and, when it was closed with OK, takes the edited record.
void qvVisit(const char* pacName, EFieldEditor eEditor, TMarcRecord& rxRecord, int iOccurrence = 0)
{
    std::printf("%s editor:\n", pacName);
    try
    {
        const EDisplayReturn eResult = TFieldEditorManager::qeDisplay(eEditor, rxRecord, iOccurrence, nullptr);
        if (eResult == eDisplaySaved)
            TFieldEditorManager::qvGetMARCRecord(rxRecord);
        std::printf("  closed with %d (%s)\n", static_cast<int>(eResult),
                    eResult == eDisplaySaved ? "OK" : "not saved");
    }
    catch (const TException& e)
    {
        std::printf("  the library says: %ls\n", e.qpwcGetMessage());
    }
}
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: orvo-demo RECORDS.mrc OUTPUT-FOLDER\n");
        return 2;
    }
    g_xOutputFolder = argv[2];
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(g_xOutputFolder), error);

    std::ifstream file(std::filesystem::path(argv[1]), std::ios::binary);
    TMarcRecord record;
    try
    {
        TIso2709Reader reader(file);
        if (!file || !reader.qtReadNext(record))
        {
            std::fprintf(stderr, "orvo-demo: %ls holds no record\n", argv[1]);
            return 1;
        }
    }
    catch (const TException& e)
    {
        std::fprintf(stderr, "orvo-demo: %ls\n", e.qpwcGetMessage());
        return 1;
    }
    qvPrint("Record before:", record);
    qvSave(record, L"before.mrk");

    {
        // Leader: the cataloguer upgrades the encoding level to full level.
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_LEADER_ENCODING_LIST, L"#"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_LEADER_FORM_LIST, L"a"); })
            .qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"leader-editor"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_LEADER_OK)); });
        qvVisit("Leader", eLeaderEditor, record);
    }
    {
        // 008: a juvenile book with an index, entered today.
        TDialogDriver driver;
        driver
            .qrxThen([](HWND hDlg) {
                HWND hDate = ::GetDlgItem(hDlg, IDC_008_DATE_ENTERED);
                CEdit(hDate).SetSel(0, 0, TRUE);
                TDialogDriver::qvType(hDate, L"261205");
                std::printf("  typed date entered on file 261205\n");
            })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_008_BIB_TARGET_AUDIENCE, L"j"); })
            .qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"008-editor"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_008_OK)); });
        qvVisit("008", e008Editor, record);
    }
    {
        // A new 006: the form of material first (the dialog rebuilds for it),
        // then one of the new form's positions.
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_006_FORM_OF_MATERIAL, L"m"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_006_FORM_OF_ITEM, L"o"); })
            .qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"006-editor"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_006_OK)); });
        qvVisit("006", e006Editor, record);
    }
    {
        // 856, new: a link to the table of contents, with two public notes.
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_856_FIRST_INDICATOR, L"4"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_856_SECOND_INDICATOR, L"1"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_856_REPEATABLE_CODE, L"u"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_856_REPEATABLE_NEW)); })
            .qrxThen([](HWND hDlg) {
                TDialogDriver::qvType(::GetDlgItem(hDlg, IDC_856_REPEATABLE_TEXT),
                                      L"www.loc.gov/catdir/toc/whales.html");
            })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_856_REPEATABLE_CODE, L"z"); });
        for (const wchar_t* pwcNote : {L"Table of contents", L"Free to all readers"})
            driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_856_REPEATABLE_NEW)); })
                .qrxThen([pwcNote](HWND hDlg) {
                    TDialogDriver::qvType(::GetDlgItem(hDlg, IDC_856_REPEATABLE_TEXT), pwcNote);
                });
        driver.qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_856_OK)); });
        qvVisit("856 (new)", e856Editor, record);
    }
    {
        // 856, again: the cataloguer steps to the second public note.
        int iLast = 0;
        for (TMarcTag field; record.qtFindTag(856, field, iLast + 1);)
            ++iLast;
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_856_REPEATABLE_CODE, L"z"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_856_NEXT)); })
            .qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"856-editor"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_856_OK)); });
        qvVisit("856", e856Editor, record, iLast);
    }
    {
        // 007, new: a videodisc. The category comes first, then its format.
        TDialogDriver driver;
        driver.qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_007_CATEGORY, L"m"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_007_CATEGORY, L"v"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_007_LIST_1, L"d"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_007_LIST_2, L"c"); })
            .qrxThen([](HWND hDlg) { qvChooseCode(hDlg, IDC_007_LIST_3, L"v"); })
            .qrxThen([](HWND hDlg) { qvTakePicture(hDlg, L"007-editor"); })
            .qrxThen([](HWND hDlg) { TDialogDriver::qvClick(::GetDlgItem(hDlg, IDC_007_OK)); });
        qvVisit("007", e007Editor, record);
    }

    qvPrint("\nRecord after:", record);
    qvSave(record, L"after.mrk");
    qvTourHostCheck(argv[1]);
    qvTourTheHost();
    return 0;
}
