#include "TBaseTestDialog.h"
#include "TBaseTestDialogIds.h"

BEGIN_MESSAGE_MAP(TBaseTestDialog, TFieldEditorBase)
    ON_CONTROL_RANGE(CBN_DROPDOWN, IDC_BASE_LIST, IDC_BASE_WIDE_LIST, OnListDropDown)
END_MESSAGE_MAP()

TBaseTestDialog::TBaseTestDialog(CWnd* pParent) : TFieldEditorBase(IDD_BASE_TEST, TMarcRecord(), 0, pParent) {}

void TBaseTestDialog::qvOnCodeListFilled(int nComboId)
{
    mxListsFilled.push_back(static_cast<UINT>(nComboId));
}

void TBaseTestDialog::OnListDropDown(UINT nID)
{
    TFieldEditorBase::OnListDropDown(nID);
    mxDropDownsHandled.push_back(nID);
}
