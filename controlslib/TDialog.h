// TDialog: the dialog class of every editor. It owns the dialog's tooltip,
// relays mouse messages to it, and translates the accelerator table that bears
// the dialog template's ID (Tab and Shift+Tab become commands there).
#pragma once

#include "controlslib/OrvoCustomControls.h"
#include "controlslib/TToolTipCtrl.h"
#include "mfc/afxwin.h"

class ORVO_CONTROLS_API TDialog : public CDialog
{
public:
    TDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~TDialog() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    TToolTipCtrl mxToolTipCtrl;
    // Loaded when the dialog opens, from the resources current then; tables
    // from LoadAccelerators belong to their module and are not destroyed.
    HACCEL mhAccelerators;

    DECLARE_MESSAGE_MAP()
};
