// Two operations on a dialog's controls that every editor needs, the Leader
// editor included (it is not a TFieldEditorBase).
#pragma once

#include "mfc/afxwin.h"

// Puts control nControlId of pDialog on the top-left corner of control
// nAnchorId; its size and Z order stay. Missing controls are ignored.
AFX_EXT_CLASS void qvMoveControlOntoAnchor(CWnd* pDialog, int nControlId, int nAnchorId);
// Makes the drop-down of list nComboId of pDialog wide enough for its widest
// entry and, when not every entry fits in the dropped height, for a vertical
// scroll bar. A missing list is ignored.
AFX_EXT_CLASS void qvWidenDropDown(CWnd* pDialog, int nComboId);
// The top nearest iTop at which a window of iHeight stays inside the work
// area of its monitor, its caption first: a dialog that grows near the edge
// of the screen stays where the cataloguer can reach it.
AFX_EXT_CLASS int qiTopOnScreen(HWND hWnd, int iTop, int iHeight);
