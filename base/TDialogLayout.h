// Operations on a dialog's controls that every editor needs, as functions of
// any dialog (TFieldEditorBase wraps the two that act on one control).
#pragma once

#include "mfc/afxwin.h"

#include <cstddef>
#include <initializer_list>

// Puts control nControlId of pDialog on the top-left corner of control
// nAnchorId; its size and Z order stay. Missing controls are ignored, and
// one that stands there already is not moved again.
AFX_EXT_CLASS void qvMoveControlOntoAnchor(CWnd* pDialog, int nControlId, int nAnchorId);
// Moves controls anControlIds of pDialog iDeltaY pixels down, or up when
// iDeltaY is negative. Missing controls are ignored.
AFX_EXT_CLASS void qvShiftControls(CWnd* pDialog, const int* panControlIds, std::size_t dwCount, int iDeltaY);
inline void qvShiftControls(CWnd* pDialog, std::initializer_list<int> anControlIds, int iDeltaY)
{
    qvShiftControls(pDialog, anControlIds.begin(), anControlIds.size(), iDeltaY);
}
// Moves controls panControlIds[0 .. dwCount) of pDialog iDeltaY pixels down,
// or up when iDeltaY is negative, and makes the dialog iDeltaY taller: how an
// editor closes up the rows its layout leaves out, with OK and Cancel
// following, or opens room in its middle for the controls below it. Missing
// controls are ignored.
AFX_EXT_CLASS void qvShiftControlsAndResize(CWnd* pDialog, const int* panControlIds, std::size_t dwCount, int iDeltaY);
inline void qvShiftControlsAndResize(CWnd* pDialog, std::initializer_list<int> anControlIds, int iDeltaY)
{
    qvShiftControlsAndResize(pDialog, anControlIds.begin(), anControlIds.size(), iDeltaY);
}
// The top of control nControlId of pDialog in client coordinates; 0 when
// there is no such control.
AFX_EXT_CLASS int qiGetControlTop(CWnd* pDialog, int nControlId);
// Makes the drop-down of list nComboId of pDialog wide enough for its widest
// entry and, when not every entry fits in the dropped height, for a vertical
// scroll bar. A missing list is ignored.
AFX_EXT_CLASS void qvWidenDropDown(CWnd* pDialog, int nComboId);
// The top nearest iTop at which a window of iHeight stays inside the work
// area of its monitor, its caption first: a dialog that grows near the edge
// of the screen stays where the cataloguer can reach it.
AFX_EXT_CLASS int qiTopOnScreen(HWND hWnd, int iTop, int iHeight);

// While it lives, a visible dialog does not repaint: a layout switch hides,
// shows, moves and fills many controls, and the cataloguer sees only the
// result, painted once when it ends. A hidden dialog (still being set up) is
// left alone.
class AFX_EXT_CLASS TLayoutRedrawFreeze
{
public:
    explicit TLayoutRedrawFreeze(CWnd* pDialog);
    ~TLayoutRedrawFreeze();
    TLayoutRedrawFreeze(const TLayoutRedrawFreeze&) = delete;
    TLayoutRedrawFreeze& operator=(const TLayoutRedrawFreeze&) = delete;

private:
    CWnd* mpDialog;
};
