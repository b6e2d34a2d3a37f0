#include "TFrameTestDialog.h"
#include "framelib_resource.h"
#include "base/TDllResourceMgr.h"
#include "recordlib/TException.h"

BEGIN_MESSAGE_MAP(TRecordingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void TRecordingEdit::OnChar(UINT nChar, UINT, UINT)
{
    mxCharsSeen += static_cast<wchar_t>(nChar);
    Default();
}

BEGIN_MESSAGE_MAP(TRecordingStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_ENABLE()
END_MESSAGE_MAP()

void TRecordingStatic::OnPaint()
{
    ++miPaintCount;
    Default();
}

void TRecordingStatic::OnEnable(BOOL bEnable)
{
    mxEnableSeen.push_back(bEnable);
    Default();
}

BEGIN_MESSAGE_MAP(TFrameTestDialog, TDialog)
    ON_BN_CLICKED(IDC_TEST_THROW, OnThrow)
    ON_COMMAND(ID_NEXT_CONTROL, OnNextControl)
    ON_COMMAND(ID_PREVIOUS_CONTROL, OnPreviousControl)
    ON_CBN_SELCHANGE(IDC_TEST_COMBO, OnComboSelChange)
    ON_CBN_SELENDOK(IDC_TEST_COMBO, OnComboSelEndOk)
END_MESSAGE_MAP()

TFrameTestDialog::TFrameTestDialog(CWnd* pParent) : TDialog(IDD_FRAME_TEST, pParent) {}

INT_PTR TFrameTestDialog::DoModal()
{
    TDllResourceMgr resources;
    return CDialog::DoModal();
}

BOOL TFrameTestDialog::OnInitDialog()
{
    TDialog::OnInitDialog();
    mhResourceInInit = AfxGetResourceHandle();
    mxWhereInInit.LoadString(IDS_FRAME_WHERE);
    if (mtThrowInInit)
        throw TException(L"TFrameTestDialog::OnInitDialog() : thrown on purpose", eErrorRecoverable, 11);
    mxCombo.AddString(L"a - First");
    mxCombo.AddString(L"b - Second");
    mxCombo.AddString(L"c - Third");
    mxToolTipCtrl.qtAddWindowTip(&mxCombo, IDS_FRAME_TIP);
    return TRUE;
}

void TFrameTestDialog::DoDataExchange(CDataExchange* pDX)
{
    TDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEST_EDIT, mxEdit);
    DDX_Control(pDX, IDC_TEST_PAINTED, mxPainted);
    DDX_Control(pDX, IDC_TEST_COMBO, mxCombo);
}

void TFrameTestDialog::OnThrow()
{
    throw TException(L"TFrameTestDialog::OnThrow() : thrown on purpose", eErrorRecoverable, 7);
}

void TFrameTestDialog::OnNextControl()
{
    ++miNextCount;
}

void TFrameTestDialog::OnPreviousControl()
{
    ++miPreviousCount;
}

void TFrameTestDialog::OnComboSelChange()
{
    mxComboNotifications.push_back(CBN_SELCHANGE);
}

void TFrameTestDialog::OnComboSelEndOk()
{
    mxComboNotifications.push_back(CBN_SELENDOK);
}
