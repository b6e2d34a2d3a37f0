// Resource IDs shared by the code and OrvoFieldEditors.rc.
#pragma once

// Record formats, named in captions.
#define IDS_FORMAT_BIBLIOGRAPHIC 19000
#define IDS_FORMAT_AUTHORITY 19001
#define IDS_FORMAT_HOLDINGS 19002
#define IDS_FORMAT_COMMUNITY 19003
#define IDS_FORMAT_PATRON 19004
#define IDS_FORMAT_CLASSIFICATION 19005

// Pictures of the 856 editor's next and previous buttons (enabled, disabled).
#define IDB_NEXT 7005
#define IDB_PREVIOUS 7006
