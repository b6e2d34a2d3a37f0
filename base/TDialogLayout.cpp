#include "base/TDialogLayout.h"

#include <algorithm>
#include <string>

void qvMoveControlOntoAnchor(CWnd* pDialog, int nControlId, int nAnchorId)
{
    CWnd* pControl = pDialog->GetDlgItem(nControlId);
    CRect xRect;
    CRect xNow;
    if (pControl == nullptr || !pDialog->GetDlgItemRect(nAnchorId, &xRect) ||
        (pDialog->GetDlgItemRect(nControlId, &xNow) && xNow.TopLeft() == xRect.TopLeft()))
        return;
    pControl->SetWindowPos(nullptr, xRect.left, xRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void qvShiftControls(CWnd* pDialog, const int* panControlIds, std::size_t dwCount, int iDeltaY)
{
    if (iDeltaY == 0)
        return;
    for (std::size_t i = 0; i < dwCount; ++i)
    {
        CWnd* pControl = pDialog->GetDlgItem(panControlIds[i]);
        if (pControl == nullptr)
            continue;
        CRect xRect;
        pControl->GetWindowRect(&xRect);
        pDialog->ScreenToClient(&xRect);
        pControl->SetWindowPos(nullptr, xRect.left, xRect.top + iDeltaY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

void qvShiftControlsAndResize(CWnd* pDialog, const int* panControlIds, std::size_t dwCount, int iDeltaY)
{
    if (iDeltaY == 0)
        return;
    qvShiftControls(pDialog, panControlIds, dwCount, iDeltaY);
    CRect xWindow;
    pDialog->GetWindowRect(&xWindow);
    pDialog->SetWindowPos(nullptr, 0, 0, xWindow.Width(), xWindow.Height() + iDeltaY, SWP_NOMOVE | SWP_NOZORDER);
}

int qiGetControlTop(CWnd* pDialog, int nControlId)
{
    CRect xRect;
    return pDialog->GetDlgItemRect(nControlId, &xRect) ? xRect.top : 0;
}

void qvWidenDropDown(CWnd* pDialog, int nComboId)
{
    CComboBox xCombo = pDialog->BorrowDlgItem<CComboBox>(nComboId);
    if (xCombo.m_hWnd == nullptr)
        return;
    const int iCount = xCombo.GetCount();
    int iWidest = 0;
    {
        CClientDC xDC(&xCombo);
        xDC.SelectObject(xCombo.GetFont());
        CString xText;
        for (int i = 0; i < iCount; ++i)
        {
            xCombo.GetLBText(i, xText);
            if (xText.IsEmpty())
                continue;
            CSize xExtent = xDC.GetTextExtent(xText.GetString(), xText.GetLength());
            iWidest = std::max(iWidest, static_cast<int>(xExtent.cx));
        }
    }
    const int iEdge = ::GetSystemMetrics(SM_CXEDGE);
    int iWidth = iWidest;
    const int iItemHeight = xCombo.GetItemHeight(0);
    if (iItemHeight != CB_ERR)
    {
        CRect xDropped;
        xCombo.GetDroppedControlRect(&xDropped);
        const int iRowHeight = iItemHeight + 2 * iEdge;
        const int iListHeight = xDropped.Height() - 2 * ::GetSystemMetrics(SM_CYEDGE);
        const int iRowsShown = iRowHeight > 0 ? iListHeight / iRowHeight : 0;
        if (iRowsShown < iCount)
            iWidth = iWidest + ::GetSystemMetrics(SM_CXVSCROLL) + iEdge;
    }
    xCombo.SetDroppedWidth(static_cast<UINT>(iWidth + 2 * iEdge));
}

int qiTopOnScreen(HWND hWnd, int iTop, int iHeight)
{
    MONITORINFO xMonitor = {};
    xMonitor.cbSize = sizeof(xMonitor);
    if (!::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &xMonitor))
        return iTop;
    return std::max(std::min(iTop, static_cast<int>(xMonitor.rcWork.bottom) - iHeight),
                    static_cast<int>(xMonitor.rcWork.top));
}

TLayoutRedrawFreeze::TLayoutRedrawFreeze(CWnd* pDialog)
    : mpDialog(pDialog != nullptr && pDialog->IsWindowVisible() ? pDialog : nullptr)
{
    if (mpDialog != nullptr)
        mpDialog->SetRedraw(FALSE);
}

TLayoutRedrawFreeze::~TLayoutRedrawFreeze()
{
    if (mpDialog == nullptr)
        return;
    mpDialog->SetRedraw(TRUE);
    mpDialog->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
