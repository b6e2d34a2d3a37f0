// Our MFC subset: windows, dialogs, controls, GDI, strings and modules, with
// MFC's names, holding only what our libraries use.
#pragma once

#include "mfc/AfxDll.h"
#include "mfc/AfxMessageLoop.h"
#include "mfc/AfxModule.h"
#include "mfc/CButton.h"
#include "mfc/CComboBox.h"
#include "mfc/CDC.h"
#include "mfc/CDialog.h"
#include "mfc/CEdit.h"
#include "mfc/CGdiObject.h"
#include "mfc/CListBox.h"
#include "mfc/CRect.h"
#include "mfc/CStatic.h"
#include "mfc/CString.h"
#include "mfc/CWnd.h"
