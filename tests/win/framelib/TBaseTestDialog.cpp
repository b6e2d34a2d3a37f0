#include "TBaseTestDialog.h"
#include "TBaseTestDialogIds.h"
#include "base/TDllResourceMgr.h"

BEGIN_MESSAGE_MAP(TBaseTestDialog, TFieldEditorBase)
    ON_CONTROL_RANGE(CBN_DROPDOWN, IDC_BASE_LIST, IDC_BASE_WIDE_LIST, OnListDropDown)
END_MESSAGE_MAP()

TBaseTestDialog::TBaseTestDialog(CWnd* pParent) : TFieldEditorBase(IDD_BASE_TEST, pParent)
{
}

INT_PTR TBaseTestDialog::DoModal()
{
    TDllResourceMgr resources;
    return CDialog::DoModal();
}

BOOL TBaseTestDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nCode = HIWORD(wParam);
    if (nCode == CBN_SELCHANGE || nCode == CBN_DROPDOWN)
        mxNotifications.push_back({LOWORD(wParam), nCode, reinterpret_cast<HWND>(lParam)});
    return TFieldEditorBase::OnCommand(wParam, lParam);
}

void TBaseTestDialog::OnListDropDown(UINT nID)
{
    mxDropDownsHandled.push_back(nID);
}
