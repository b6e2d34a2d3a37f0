// A dialog that exists only for the tests of the frame: an extension library's
// dialog with subclassed controls, a tooltip, accelerators and a button that
// throws, built exactly as the editors are.
#pragma once

#include "controlslib/TDialog.h"
#include "mfc/afxwin.h"

#include <string>
#include <vector>

// An edit box whose own message map sees its characters.
class AFX_EXT_CLASS TRecordingEdit : public CEdit
{
public:
    std::wstring mxCharsSeen;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// A static control that counts its WM_PAINT and records WM_ENABLE.
class AFX_EXT_CLASS TRecordingStatic : public CStatic
{
public:
    int miPaintCount = 0;
    std::vector<BOOL> mxEnableSeen;

protected:
    void OnPaint();
    void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS TFrameTestDialog : public TDialog
{
public:
    explicit TFrameTestDialog(CWnd* pParent = nullptr);

    INT_PTR DoModal() override;

    bool mtThrowInInit = false;
    // What the dialog saw while it ran.
    HINSTANCE mhResourceInInit = nullptr;
    CString mxWhereInInit;
    int miNextCount = 0;
    int miPreviousCount = 0;
    std::vector<UINT> mxComboNotifications;
    TRecordingEdit mxEdit;
    TRecordingStatic mxPainted;
    CComboBox mxCombo;

    TToolTipCtrl& qrxGetToolTip() { return mxToolTipCtrl; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnThrow();
    void OnNextControl();
    void OnPreviousControl();
    void OnComboSelChange();
    void OnComboSelEndOk();

    DECLARE_MESSAGE_MAP()
};
