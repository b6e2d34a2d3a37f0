// Resource IDs of the test-only extension library and of the test host.
#pragma once

#define IDD_FRAME_TEST 1950
#define IDS_FRAME_WHERE 1951
#define IDC_TEST_EDIT 1952
#define IDC_TEST_COMBO 1953
#define IDC_TEST_THROW 1954
#define IDC_TEST_PAINTED 1955
#define IDS_FRAME_TIP 1956
#define IDC_TEST_SECOND_EDIT 1957
#define IDD_HOST_ONLY 1960

#define ID_NEXT_CONTROL 2000
#define ID_PREVIOUS_CONTROL 2001
