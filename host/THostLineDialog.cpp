#include "host/THostLineDialog.h"

#include <algorithm>
#include <cwchar>

namespace
{
const int kLabelId = 1000;

// The dialog's controls, in dialog units; the template is built from here.
struct TLineDialogItem
{
    WORD wClass; // 0x0080 button, 0x0081 edit, 0x0082 static
    DWORD dwStyle;
    short x, y, cx, cy;
    WORD wId;
    const wchar_t* pwcText;
};

const TLineDialogItem kItems[] = {
    {0x0082, SS_LEFT, 7, 7, 366, 9, kLabelId, L""},
    {0x0081, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 19, 366, 14, THostLineDialog::miLineId_static, L""},
    {0x0080, WS_TABSTOP | BS_DEFPUSHBUTTON, 265, 40, 50, 14, IDOK, L"OK"},
    {0x0080, WS_TABSTOP | BS_PUSHBUTTON, 323, 40, 50, 14, IDCANCEL, L"Cancel"},
};

template <class T> void qvPut(std::vector<BYTE>& rxOut, const T& rxValue)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&rxValue);
    rxOut.insert(rxOut.end(), p, p + sizeof(T));
}

void qvPutString(std::vector<BYTE>& rxOut, const wchar_t* pwc)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(pwc);
    rxOut.insert(rxOut.end(), p, p + (std::wcslen(pwc) + 1) * sizeof(wchar_t));
}

// A DLGTEMPLATE at (0, 0), so that the dialog opens centred over its owner.
std::vector<BYTE> qxBuildTemplate()
{
    std::vector<BYTE> xOut;
    DLGTEMPLATE xHeader = {};
    xHeader.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    xHeader.cdit = static_cast<WORD>(sizeof(kItems) / sizeof(kItems[0]));
    xHeader.cx = 380;
    xHeader.cy = 61;
    qvPut(xOut, xHeader);
    qvPut<WORD>(xOut, 0);   // no menu
    qvPut<WORD>(xOut, 0);   // the dialog class
    qvPutString(xOut, L""); // the title, set when it opens
    qvPut<WORD>(xOut, 8);
    qvPutString(xOut, L"MS Shell Dlg");
    for (const TLineDialogItem& item : kItems)
    {
        xOut.resize((xOut.size() + 3) / 4 * 4, 0);
        DLGITEMTEMPLATE xItem = {};
        xItem.style = WS_CHILD | WS_VISIBLE | item.dwStyle;
        xItem.x = item.x;
        xItem.y = item.y;
        xItem.cx = item.cx;
        xItem.cy = item.cy;
        xItem.id = item.wId;
        qvPut(xOut, xItem);
        qvPut<WORD>(xOut, 0xFFFF);
        qvPut<WORD>(xOut, item.wClass);
        qvPutString(xOut, item.pwcText);
        qvPut<WORD>(xOut, 0); // no creation data
    }
    return xOut;
}
}

THostLineDialog::THostLineDialog(const std::wstring& rxTitle, const std::wstring& rxLabel, const std::wstring& rxLine,
                                 std::function<bool(const std::wstring&)> fnAccept, CWnd* pParent)
    : CDialog(0, pParent), mxTemplate(qxBuildTemplate()), mxTitle(rxTitle), mxLabel(rxLabel), mxLine(rxLine),
      mfnAccept(std::move(fnAccept))
{
    InitModalIndirect(mxTemplate.data(), mxTemplate.size(), pParent);
}

BOOL THostLineDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(mxTitle.c_str());
    SetDlgItemText(kLabelId, mxLabel.c_str());
    SetDlgItemText(miLineId_static, mxLine.c_str());
    HWND hLine = ::GetDlgItem(m_hWnd, miLineId_static);
    ::SendMessageW(hLine, EM_LIMITTEXT, 0, 0);
    ::SetFocus(hLine);
    // A field line: the caret after the tag's blanks, where its content begins;
    // other text comes selected.
    const bool tFieldLine = !mxLine.empty() && mxLine[0] == L'=';
    const LPARAM lStart = tFieldLine ? static_cast<LPARAM>(std::min<std::size_t>(mxLine.size(), 6)) : 0;
    ::SendMessageW(hLine, EM_SETSEL, static_cast<WPARAM>(lStart), tFieldLine ? lStart : -1);
    return FALSE;
}

void THostLineDialog::OnOK()
{
    CString xText;
    GetDlgItemText(miLineId_static, xText);
    mxLine = xText.GetString();
    if (!mfnAccept(mxLine))
    {
        ::SetFocus(::GetDlgItem(m_hWnd, miLineId_static));
        return;
    }
    EndDialog(IDOK);
}
