// THostLineDialog: one line of text edited in a small dialog: a field as its
// MARCMaker line ("=245  10$aTitle") in the record's character set, the text
// to find, the record to go to. OK hands the line to the caller's check; a
// line it refuses (it says why) keeps the dialog open with the text as typed.
#pragma once

#include "mfc/afxwin.h"

#include <functional>
#include <string>
#include <vector>

class THostLineDialog : public CDialog
{
public:
    // The line's edit box.
    static constexpr int miLineId_static = 1001;

    // fnAccept: true takes the line and closes the dialog.
    THostLineDialog(const std::wstring& rxTitle, const std::wstring& rxLabel, const std::wstring& rxLine,
                    std::function<bool(const std::wstring&)> fnAccept, CWnd* pParent);

    const std::wstring& qrxGetLine() const { return mxLine; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // The template, made in memory (see THostLineDialog.cpp).
    std::vector<BYTE> mxTemplate;
    std::wstring mxTitle;
    std::wstring mxLabel;
    std::wstring mxLine;
    std::function<bool(const std::wstring&)> mfnAccept;
};
