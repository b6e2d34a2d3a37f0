// Common controls of our MFC subset.
#pragma once

#include "mfc/afxwin.h"
#include "mfc/CImageList.h"
#include "mfc/CListCtrl.h"
