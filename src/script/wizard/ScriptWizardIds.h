// Resource identifiers of the script wizard in the host's resource module.
#pragma once

namespace scriptwiz {

enum : unsigned {
  // Templates of the pages.
  IDD_CATEGORY = 116,
  IDD_FILE_ACCESS = 117,
  IDD_RAND_LIST = 118,
  IDD_SINGLE_PARAMETER = 119,
  IDD_DATE = 5019,
  IDD_RAND_NUM = 5020,
  IDD_LIST = 5022,
  // Wizard97 pictures.
  IDB_WATERMARK = 4468,
  IDB_HEADER = 5018,
  // The list page's 11-pixel image strip.
  IDB_LIST_IMAGES = 4124,
  // Strings: the category page's header, the sheet caption, categories 541 to 547.
  IDS_CATEGORY_TITLE = 538,
  IDS_CATEGORY_SUBTITLE = 539,
  IDS_CATEGORY_ALL = 541,
  IDS_SHEET_CAPTION = 5016,
  IDS_INVALID_DATE = 55296,
};

// Controls. The argument pages share the ids of their common controls.
enum : int {
  IDC_FUNCTIONS = 1004,
  IDC_CATEGORIES = 1007,
  IDC_DESCRIPTION = 1662,
  IDC_PREVIEW = 1663,
  IDC_LABEL1 = 1664,  // labels of arguments 1 to 4
  IDC_LABEL2 = 1665,
  IDC_LABEL3 = 1666,
  IDC_LABEL4 = 1667,
  IDC_ARG1 = 1670,  // argument editors 1 to 4
  IDC_ARG2 = 1671,
  IDC_ARG3 = 1672,
  IDC_ARG4 = 1673,
  IDC_CHOICES = 1674,  // a parameter's choices
  IDC_ADD = 1675,
  IDC_REMOVE = 1676,
  IDC_ROWS = 1677,  // the list pages' grid
  IDC_BROWSE = 1678,
  IDC_START_DATE = 1597,
  IDC_END_DATE = 1598,
};

}  // namespace scriptwiz
