// CDialog: a modal dialog from a template, with MFC's modal loop, and the data
// exchange that binds the template's controls to C++ objects.
#pragma once

#include "mfc/CDialogTemplate.h"
#include "mfc/CWnd.h"

#include <map>

class ORVO_MFC_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Subclasses control nIDC of the dialog with rControl, once: from then on the
// control's messages reach rControl's message map. A missing control is left
// unbound (rControl keeps a null handle); one the dialog's template defers is
// bound when it is created.
ORVO_MFC_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class ORVO_MFC_API CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog from its template (found along the resource chain),
    // runs the modal loop and returns the value given to EndDialog; -1 when the
    // dialog cannot be created. An exception thrown by a handler ends the loop
    // and is thrown again from here, after the dialog is destroyed.
    virtual INT_PTR DoModal();
    // Makes DoModal create the dialog from a template in memory (nSize bytes,
    // copied) instead of a resource, as MFC's InitModalIndirect.
    BOOL InitModalIndirect(const void* lpDialogTemplate, size_t nSize, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    // Moves the focus to pWndCtrl as the dialog's own keys do (WM_NEXTDLGCTL):
    // an edit box's text comes selected, the default button follows.
    void GotoDlgCtrl(CWnd* pWndCtrl) { SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE); }
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Called by the dialog procedure for WM_INITDIALOG: exchanges data
    // (DoDataExchange, so controls are bound) and gives the focus to the first
    // control when it returns TRUE.
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT GetTemplateID() const { return m_nIDHelp; }
    HWND CreateDeferredDlgItem(int nID, const POINT* ptAt = nullptr, bool bShow = false,
                               HWND hWndAfter = nullptr) override;
    // The control's handle as this dialog last found or created it (still its
    // child by that ID); a control the template defers and nobody created
    // yet is known to be missing; anything else is asked of the system.
    HWND FindDlgItem(int nID) const override;
    BOOL GetDeferredDlgItemRect(int nID, LPRECT lpRect) const override;
    // DDX_Control of a control not created yet: rControl is bound to it when
    // it is.
    void BindWhenCreated(int nID, CWnd& rControl) { m_xDeferredBindings[nID] = &rControl; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    // Call before DoModal: the template's hidden controls are created only
    // when first asked for (see CDialogTemplate), so a dialog that shows few
    // of them opens faster.
    void DeferHiddenControls() { m_bDeferHiddenControls = true; }

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;
    int m_nModalResult;
    bool m_bContinueModal;
    bool m_bDeferHiddenControls = false;
    bool m_bIndirect = false;
    CDialogTemplate m_xTemplate;
    // Controls of DDX_Control not created yet, bound when they are.
    std::map<int, CWnd*> m_xDeferredBindings;
    // The controls found or created so far, by ID (see FindDlgItem): under
    // Wine every ::GetDlgItem is a request to the window server.
    mutable std::map<int, HWND> m_xKnownItems;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // void OnOK(), void OnCancel() are virtual; these entries reach them.
    void OnIdOk() { OnOK(); }
    void OnIdCancel() { OnCancel(); }
};
