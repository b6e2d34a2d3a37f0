#include "mfc/CDialog.h"
#include "mfc/AfxMessageLoop.h"
#include "mfc/AfxModule.h"
#include "mfc/AfxState.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndControl = nullptr;
    pDX->m_pDlgWnd->GetDlgItem(nIDC, &hWndControl);
    if (hWndControl != nullptr)
        rControl.SubclassWindow(hWndControl);
    else if (auto* pDlg = dynamic_cast<CDialog*>(pDX->m_pDlgWnd))
        pDlg->BindWhenCreated(nIDC, rControl);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnIdOk)
    ON_COMMAND(IDCANCEL, OnIdCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd), m_nModalResult(-1), m_bContinueModal(false)
{}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = static_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return TRUE;
    // The system's dialog procedure called us: an exception must stop here.
    try
    {
        RECT rcBefore;
        ::GetWindowRect(hWnd, &rcBefore);
        const BOOL bResult = pDlg->OnInitDialog();
        // As MFC: a template at (0, 0) that OnInitDialog neither showed nor
        // moved is centred over its owner, or over the work area.
        RECT rcAfter;
        ::GetWindowRect(hWnd, &rcAfter);
        if (pDlg->m_xTemplate.IsAutoCenter() && !::IsWindowVisible(hWnd) && rcBefore.left == rcAfter.left &&
            rcBefore.top == rcAfter.top)
            pDlg->CenterWindow();
        return bResult;
    }
    catch (...)
    {
        AfxSetPendingException(std::current_exception());
        return TRUE;
    }
}

namespace
{
// Everything DoModal must undo, undone also when an exception passes.
class ModalScope
{
public:
    ModalScope(CDialog* pDlg, HWND hWndParent) : m_pDlg(pDlg), m_hWndParent(hWndParent)
    {
        if (m_hWndParent != nullptr && ::IsWindowEnabled(m_hWndParent))
        {
            ::EnableWindow(m_hWndParent, FALSE);
            m_bParentDisabled = true;
        }
    }
    ~ModalScope()
    {
        if (m_bParentDisabled)
            ::EnableWindow(m_hWndParent, TRUE);
        if (m_pDlg->m_hWnd != nullptr)
        {
            if (m_hWndParent != nullptr && ::GetActiveWindow() == m_pDlg->m_hWnd)
                ::SetActiveWindow(m_hWndParent);
            m_pDlg->DestroyWindow();
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    CDialog* m_pDlg;
    HWND m_hWndParent;
    bool m_bParentDisabled = false;
};
}

INT_PTR CDialog::DoModal()
{
    if (!m_bIndirect && !m_xTemplate.Load(MAKEINTRESOURCEW(m_nIDHelp)))
        return -1;
    if (m_bDeferHiddenControls)
        m_xTemplate.DeferHiddenItems();
    m_xDeferredBindings.clear();
    m_xKnownItems.clear();

    HWND hWndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    m_nModalResult = -1;
    m_bContinueModal = true;
    // Exceptions of the dialog's creation and WM_INITDIALOG; the loop keeps
    // its own.
    CHandlerExceptionScope xScope;
    {
        ModalScope scope(this, hWndParent);
        {
            CWndCreateHook hook(this);
            ::CreateDialogIndirectParamW(m_xTemplate.GetInstance(), m_xTemplate.GetTemplate(), hWndParent,
                                         &CDialog::AfxDlgProc, 0);
        }
        if (m_hWnd != nullptr && m_bContinueModal && !xScope.HasException())
        {
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            AfxRunMessageLoop(m_bContinueModal, m_hWnd);
        }
    }
    m_xDeferredBindings.clear();
    m_xKnownItems.clear();
    xScope.ThrowIfAny();
    return m_nModalResult;
}

BOOL CDialog::InitModalIndirect(const void* lpDialogTemplate, size_t nSize, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_bIndirect = m_xTemplate.LoadIndirect(lpDialogTemplate, nSize, ::GetModuleHandleW(nullptr));
    return m_bIndirect;
}

HWND CDialog::FindDlgItem(int nID) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    const auto itKnown = m_xKnownItems.find(nID);
    // A handle is checked without a request: Wine and Windows answer these
    // for the process's own windows from its own memory.
    if (itKnown != m_xKnownItems.end() && ::IsWindow(itKnown->second) && ::GetParent(itKnown->second) == m_hWnd &&
        ::GetDlgCtrlID(itKnown->second) == nID)
        return itKnown->second;
    if (m_xTemplate.IsDeferredAndNotCreated(nID))
        return nullptr;
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != nullptr)
        m_xKnownItems[nID] = hWnd;
    else
        m_xKnownItems.erase(nID);
    return hWnd;
}

HWND CDialog::CreateDeferredDlgItem(int nID, const POINT* ptAt, bool bShow, HWND hWndAfter)
{
    HWND hWnd = m_hWnd != nullptr ? m_xTemplate.CreateDeferredItem(this, nID, ptAt, bShow, hWndAfter) : nullptr;
    if (hWnd != nullptr)
    {
        m_xKnownItems[nID] = hWnd;
        auto it = m_xDeferredBindings.find(nID);
        if (it != m_xDeferredBindings.end())
        {
            it->second->SubclassWindow(hWnd);
            m_xDeferredBindings.erase(it);
        }
    }
    return hWnd;
}

BOOL CDialog::GetDeferredDlgItemRect(int nID, LPRECT lpRect) const
{
    return m_hWnd != nullptr && m_xTemplate.GetDeferredItemRect(this, nID, lpRect);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = false;
    if (m_hWnd != nullptr)
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
