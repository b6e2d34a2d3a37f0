// A dialog that exists only for the tests of the editors' base dialog: it
// derives from TFieldEditorBase as the editors do, opens its operations to the
// tests, and records the list notifications that reach it.
#pragma once

// While this library builds, AFX_EXT_CLASS exports; the base dialog belongs to
// OrvoFieldEditors, so its declarations are read as imports here.
#include "mfc/AfxDll.h"
#pragma push_macro("AFX_EXT_CLASS")
#undef AFX_EXT_CLASS
#define AFX_EXT_CLASS __declspec(dllimport)
#include "base/TFieldEditorBase.h"
#pragma pop_macro("AFX_EXT_CLASS")

#include <vector>

class AFX_EXT_CLASS TBaseTestDialog : public TFieldEditorBase
{
public:
    explicit TBaseTestDialog(CWnd* pParent = nullptr);

    using TFieldEditorBase::qvAdjustDropDownWidth;
    using TFieldEditorBase::qvFillCodeList;
    using TFieldEditorBase::qvMoveControl;
    using TFieldEditorBase::qvSetupFieldEdit;

    TToolTipCtrl& qrxGetToolTip() { return mxToolTipCtrl; }
    // The lists qvFillCodeList filled, in order.
    std::vector<UINT> mxListsFilled;
    // The lists whose CBN_DROPDOWN reached this dialog's message map.
    std::vector<UINT> mxDropDownsHandled;

protected:
    const TMarcTag* qpxGetEditedField() const override { return nullptr; }
    void qvOnCodeListFilled(int nComboId) override;
    void OnListDropDown(UINT nID);

    DECLARE_MESSAGE_MAP()
};
