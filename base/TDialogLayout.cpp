#include "base/TDialogLayout.h"

#include <algorithm>
#include <string>

void qvMoveControlOntoAnchor(CWnd* pDialog, int nControlId, int nAnchorId)
{
    CWnd* pControl = pDialog->GetDlgItem(nControlId);
    CWnd* pAnchor = pDialog->GetDlgItem(nAnchorId);
    if (pControl == nullptr || pAnchor == nullptr)
        return;
    CRect xRect;
    pAnchor->GetWindowRect(&xRect);
    pDialog->ScreenToClient(&xRect);
    pControl->SetWindowPos(nullptr, xRect.left, xRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void qvWidenDropDown(CWnd* pCombo)
{
    if (pCombo == nullptr)
        return;
    const int iCount = static_cast<int>(pCombo->SendMessage(CB_GETCOUNT));
    int iWidest = 0;
    {
        CClientDC xDC(pCombo);
        xDC.SelectObject(reinterpret_cast<HGDIOBJ>(pCombo->SendMessage(WM_GETFONT)));
        std::wstring xText;
        for (int i = 0; i < iCount; ++i)
        {
            LRESULT iLength = pCombo->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
            if (iLength <= 0)
                continue;
            xText.assign(static_cast<size_t>(iLength) + 1, L'\0');
            pCombo->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&xText[0]));
            CSize xExtent = xDC.GetTextExtent(xText.c_str(), static_cast<int>(iLength));
            iWidest = std::max(iWidest, static_cast<int>(xExtent.cx));
        }
    }
    const int iEdge = ::GetSystemMetrics(SM_CXEDGE);
    int iWidth = iWidest;
    LRESULT iItemHeight = pCombo->SendMessage(CB_GETITEMHEIGHT, 0);
    if (iItemHeight != CB_ERR)
    {
        CRect xDropped;
        pCombo->SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&xDropped));
        const int iRowHeight = static_cast<int>(iItemHeight) + 2 * iEdge;
        const int iListHeight = xDropped.Height() - 2 * ::GetSystemMetrics(SM_CYEDGE);
        const int iRowsShown = iRowHeight > 0 ? iListHeight / iRowHeight : 0;
        if (iRowsShown < iCount)
            iWidth = iWidest + ::GetSystemMetrics(SM_CXVSCROLL) + iEdge;
    }
    pCombo->SendMessage(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(iWidth + 2 * iEdge));
}
