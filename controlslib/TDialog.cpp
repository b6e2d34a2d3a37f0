#include "controlslib/TDialog.h"

BEGIN_MESSAGE_MAP(TDialog, CDialog)
END_MESSAGE_MAP()

TDialog::TDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd), mhAccelerators(nullptr) {}

TDialog::~TDialog()
{
    // The owner's destruction takes the tooltip with it; this covers a tooltip
    // whose dialog is already gone.
    mxToolTipCtrl.DestroyWindow();
}

BOOL TDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    mxToolTipCtrl.qtCreate(this);
    LPCWSTR lpszTable = MAKEINTRESOURCEW(GetTemplateID());
    HINSTANCE hInst = AfxFindResourceHandle(lpszTable, RT_ACCELERATOR);
    mhAccelerators = ::LoadAcceleratorsW(hInst, lpszTable);
    return TRUE;
}

void TDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL TDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr)
        return FALSE;
    bool ours = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
    if (ours && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        mxToolTipCtrl.qvRelayEvent(pMsg);
    if (ours && mhAccelerators != nullptr && ::TranslateAcceleratorW(m_hWnd, mhAccelerators, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}
