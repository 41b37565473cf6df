// Identifiers of the page templates and strings in PropSheetPages.rc.
#pragma once

#define IDD_PAGE_FIRST 9101
#define IDD_PAGE_SECOND 9102
#define IDD_PAGE_THIRD 9103
#define IDC_PAGE_EDIT 1001
#define IDS_PAGE_CAPTION 9111
#define IDS_PAGE_HEADER 9112
#define IDS_PAGE_SUBHEADER 9113
