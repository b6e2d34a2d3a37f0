// Resource IDs of the 007 editor: dialog template 1001, its controls, its
// commands and its strings. Code-list labels are named by number in the
// code-list tables of core/, each row with its label's text in a comment.
#pragma once

#define IDD_007_EDITOR 1001

// Tab and Shift+Tab as commands, as in the 006 and 008 editors.
#define ID_007_NEXT_CONTROL 2000
#define ID_007_PREVIOUS_CONTROL 2001

#define IDC_007_OK 5000
#define IDC_007_CANCEL 5001
#define IDC_007_FIELD_CAPTION 5003
#define IDC_007_FIELD_DISPLAY 5004
#define IDC_007_CATEGORY 5005
#define IDC_007_CATEGORY_LABEL 5006

// Row n (1 to 16): label 5005 + 2n, list 5006 + 2n.
#define IDC_007_LABEL_1 5007
#define IDC_007_LIST_1 5008
#define IDC_007_LABEL_2 5009
#define IDC_007_LIST_2 5010
#define IDC_007_LABEL_3 5011
#define IDC_007_LIST_3 5012
#define IDC_007_LABEL_4 5013
#define IDC_007_LIST_4 5014
#define IDC_007_LABEL_5 5015
#define IDC_007_LIST_5 5016
#define IDC_007_LABEL_6 5017
#define IDC_007_LIST_6 5018
#define IDC_007_LABEL_7 5019
#define IDC_007_LIST_7 5020
#define IDC_007_LABEL_8 5021
#define IDC_007_LIST_8 5022
#define IDC_007_LABEL_9 5023
#define IDC_007_LIST_9 5024
#define IDC_007_LABEL_10 5025
#define IDC_007_LIST_10 5026
#define IDC_007_LABEL_11 5027
#define IDC_007_LIST_11 5028
#define IDC_007_LABEL_12 5029
#define IDC_007_LIST_12 5030
#define IDC_007_LABEL_13 5031
#define IDC_007_LIST_13 5032
#define IDC_007_LABEL_14 5033
#define IDC_007_LIST_14 5034
#define IDC_007_LABEL_15 5035
#define IDC_007_LIST_15 5036
#define IDC_007_LABEL_16 5037
#define IDC_007_LIST_16 5038
#define IDC_007_ROW_COUNT 16

// The edit boxes of multi-character positions.
#define IDC_007_EDIT_1 5039
#define IDC_007_EDIT_2 5040

#define IDS_007_TITLE_UNSPECIFIED 22000
#define IDS_007_TIP_OK 22004
#define IDS_007_TIP_CANCEL 22005
