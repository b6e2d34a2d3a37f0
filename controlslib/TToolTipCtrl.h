// TToolTipCtrl: the one tooltip control of a dialog. Each tool is a window of
// the dialog; its tip text is set by string ID or by text, and a second call
// for the same window replaces the text.
#pragma once

#include "controlslib/OrvoCustomControls.h"
#include "mfc/afxcmn.h"

#include <cstdint>

class ORVO_CONTROLS_API TToolTipCtrl : public CWnd
{
public:
    // Creates the tooltip window, owned by pParent (and destroyed with it).
    bool qtCreate(CWnd* pParent);
    // The tip is string nIDText, loaded from the resources current now.
    bool qtAddWindowTip(CWnd* pWnd, UINT nIDText);
    bool qtAddWindowTip(CWnd* pWnd, const CString& rxText);
    // The tip text of pWnd; empty when pWnd has no tip.
    void qvGetWindowTip(CWnd* pWnd, CString& rxText) const;
    uint32_t qdwGetToolCount() const;
    // Passes a mouse message of the dialog to the tooltip so it can show.
    void qvRelayEvent(MSG* pMsg);

private:
    void qvFillToolInfo(CWnd* pWnd, TOOLINFOW& rxInfo) const;
};
