// Resource IDs of the test dialog of the editors' base dialog.
#pragma once

#define IDD_BASE_TEST 3100
#define IDC_BASE_LIST 3101
#define IDC_BASE_WIDE_LIST 3102
#define IDC_BASE_EDIT 3103
#define IDC_BASE_MOVED 3104
#define IDC_BASE_ANCHOR 3105

#define IDS_BASE_A 3110
#define IDS_BASE_B 3111
#define IDS_BASE_C 3112
#define IDS_BASE_BLANK 3113
#define IDS_BASE_LONG 3116
#define IDS_BASE_LONGER 3117
#define IDS_BASE_A_AGAIN 3118
