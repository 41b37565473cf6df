// Identifiers of the host resource module qxres.dll, shared by its .rc files and the code that
// loads from it.
#ifndef QXRES_IDS_H
#define QXRES_IDS_H

// Strings: grid list
#define IDS_QX_DELETE_SELECTED_ITEMS 141  // confirmation before deleting the selected rows
#define IDS_QX_COPY_ALL 363               // popup command that copies the whole list
#define IDS_QX_EMPTY_LIST 537             // text drawn in a list without rows
#define IDS_QX_NO_SHOWN_COLUMNS 536       // customise dialog: OK with no shown column

// Strings: script wizard function categories (the script manager reports the same captions)
#define IDS_QX_CATEGORY_ALL 541
#define IDS_QX_CATEGORY_DATE_TIME 542
#define IDS_QX_CATEGORY_FILE_ACCESS 543
#define IDS_QX_CATEGORY_RANDOM_STRINGS 544
#define IDS_QX_CATEGORY_RANDOM_NUMBERS 545
#define IDS_QX_CATEGORY_STRING 546
#define IDS_QX_CATEGORY_NUMERIC 547

// Bitmaps
#define IDB_QX_HEADER_GLYPHS 4124  // header image strip, 11 pixels per image, magenta mask

// Toolbar (RT_TOOLBAR 241) and its bitmap under one identifier: the images of the popup menus,
// one 16 x 15 image per button, light grey (0xC0C0C0) is transparent
#define IDR_QX_MENU_TOOLBAR 4120

// Icons: button rows and image lists
#define IDI_QX_OVERLAY_LINK 4247  // overlay image 1 of every icon image list
#define IDI_QX_PROPERTIES 4316    // properties, delete and insert buttons of a button row
#define IDI_QX_DELETE 4317
#define IDI_QX_INSERT 4318

// Bitmaps: pictures painted with magenta transparent
#define IDB_QX_WIZARD_TITLE 4469  // 48 x 48, 8 bits with a palette

// Bitmaps: background pictures of lists (SetBkImage), 128 x 128, seamless when tiled
#define IDB_QX_WATERMARK 4480      // 8 bits with a palette of pale blues
#define IDB_QX_WATERMARK_RGB 4481  // 24 bits, sand to sea wash

// Dialogs: small shared controls
#define IDD_QX_INPUT_BOX 5255  // one-field input: prompt static and value edit
#define IDC_QX_INPUT_PROMPT 1898
#define IDC_QX_INPUT_VALUE 2125

// Dialogs: grid column dialogs (the shown-column list has the same id in both)
#define IDD_QX_CUSTOMIZE_COLUMNS 4116
#define IDD_QX_FORMAT_COLUMN 4117
#define IDC_QX_COL_ADD 251
#define IDC_QX_COL_REMOVE 591
#define IDC_QX_COL_SHOWN 4126
#define IDC_QX_COL_MOVE_UP 4129
#define IDC_QX_COL_MOVE_DOWN 4130
#define IDC_QX_COL_AVAILABLE 4131
#define IDC_QX_COL_FORMAT 4132
#define IDC_QX_COL_LABEL 4133
#define IDC_QX_COL_LABEL_DT 4134
#define IDC_QX_COL_WIDTH 4135
#define IDC_QX_COL_RIGHT 4136
#define IDC_QX_COL_CENTER 4137
#define IDC_QX_COL_LEFT 4138
#define IDC_QX_COL_EDITOR 4139

// Animations (resource type "AVI")
#define IDR_QX_AVI_WORKING 1361  // default progress animation

// Dialogs: grid printing status
#define IDD_QX_PRINT_STATUS 930
#define IDC_QX_PRINT_PERCENT 1037  // "%d %%" of the pages printed
#define IDC_QX_PRINT_PRINTER 1038  // template: document, device, port text
#define IDC_QX_PRINT_PAGE 1039     // template: page ordinal, page count, remaining time
#define IDC_QX_PRINT_PROGRESS 1242
#define IDC_QX_PRINT_ANIMATION 1561
#define IDR_QX_AVI_PRINT 1561  // pages leaving a printer, played while printing

// Strings: chart templates
#define IDS_QX_CHART_TEMPLATE_TITLE 529          // title of the load and save template dialogs
#define IDS_QX_CHART_DEFAULT_TEMPLATE_TITLE 530  // title of the default template dialog
#define IDS_QX_CHART_CLEAR_DEFAULT_TEMPLATE 531  // question before forgetting a default template

// Dialogs: wizard framework
#define IDD_QX_WIZARD_PAGE 852  // default page of the page base
#define IDC_QX_PAGE_ICON 409    // static that shows the page's icon
#define IDC_QX_PAGE_NOTE 754    // text drawn in dark blue
#define IDD_QX_FILE_PAGE 4505   // file page: recent list, path and browse
#define IDC_QX_FILE_BROWSE 291
#define IDC_QX_FILE_PATH 395
#define IDC_QX_FILE_RECENT 1220
#define IDI_QX_FILE_PAGE 4550  // file page's icon
// Wizard image buttons: 120 x 32, 24 bits, the top-left pixel's colour is transparent
#define IDB_QX_WIZBTN_NORMAL 5368
#define IDB_QX_WIZBTN_ARROW_NORMAL 5369
#define IDB_QX_WIZBTN_DISABLED 5370
#define IDB_QX_WIZBTN_HOVER 5371
#define IDB_QX_WIZBTN_ARROW_DISABLED 5373
#define IDB_QX_WIZBTN_ARROW_HOVER 5374

// Item lists: the transaction list's mark icons, the recent projects list's file icon and its
// question before removing rows
#define IDI_QX_MARK_NONE 4214  // unmarked transaction: an empty box
#define IDI_QX_MARK_ALL 4208   // marked: a ticked box
#define IDI_QX_MARK_SOME 4364  // partly marked: some sub-transactions are
#define IDI_QX_RECENT_PROJECT 4235
#define IDS_QX_REMOVE_RECENT_PROJECTS 32063
// Script editor: context menu strings and the assist list's dialog
#define IDS_QX_SCRIPT_WIZARD_ENTRY 533  // context menu: starts the script wizard
#define IDS_QX_SCRIPT_UNDO 534
#define IDS_QX_SCRIPT_SELECT_ALL 535
#define IDD_QX_SCRIPT_ASSIST 4308  // borderless pop-up holding the function list
#define IDC_QX_SCRIPT_ASSIST_LIST 1412

// Script wizard: page templates, pictures, strings and the pages' controls
#define IDD_QX_WIZ_CATEGORY 116
#define IDD_QX_WIZ_FILE_ACCESS 117
#define IDD_QX_WIZ_RAND_LIST 118
#define IDD_QX_WIZ_SINGLE_PARAMETER 119
#define IDD_QX_WIZ_DATE 5019
#define IDD_QX_WIZ_RAND_NUM 5020
#define IDD_QX_WIZ_LIST 5022
#define IDB_QX_WIZ_WATERMARK 4468  // Wizard97 first-page panel, 164 x 314
#define IDB_QX_WIZ_HEADER 5018     // Wizard97 page header picture, 49 x 49
#define IDS_QX_WIZ_CATEGORY_TITLE 538
#define IDS_QX_WIZ_CATEGORY_SUBTITLE 539
#define IDS_QX_WIZ_CAPTION 5016
#define IDS_QX_WIZ_INVALID_DATE 55296
#define IDC_QX_WIZ_FUNCTIONS 1004
#define IDC_QX_WIZ_CATEGORIES 1007
#define IDC_QX_WIZ_DESCRIPTION 1662
#define IDC_QX_WIZ_PREVIEW 1663
#define IDC_QX_WIZ_LABEL1 1664
#define IDC_QX_WIZ_LABEL2 1665
#define IDC_QX_WIZ_LABEL3 1666
#define IDC_QX_WIZ_LABEL4 1667
#define IDC_QX_WIZ_ARG1 1670
#define IDC_QX_WIZ_ARG2 1671
#define IDC_QX_WIZ_ARG3 1672
#define IDC_QX_WIZ_ARG4 1673
#define IDC_QX_WIZ_CHOICES 1674
#define IDC_QX_WIZ_ADD 1675
#define IDC_QX_WIZ_REMOVE 1676
#define IDC_QX_WIZ_ROWS 1677
#define IDC_QX_WIZ_BROWSE 1678
#define IDC_QX_WIZ_START_DATE 1597
#define IDC_QX_WIZ_END_DATE 1598
// Dialogs, strings and animations: progress
#define IDD_QX_PROGRESS 4763
#define IDC_QX_PROGRESS_ANIMATION 1636  // dialog: replaced by the animation control
#define IDC_QX_PROGRESS_BAR 537         // dialog and window: replaced by the progress bar
#define IDC_QX_PROGRESS_STATUS 730      // dialog: status line
#define IDC_QX_PROGRESS_CANCEL 304      // window's Cancel button
#define IDC_QX_PROGRESS_WND_ANIMATION 1560
#define IDC_QX_PROGRESS_WND_TEXT 1312
#define IDS_QX_PROGRESS_CANCEL_QUERY 532  // window: question before cancelling
#define IDR_QX_AVI_CANCELING 4541         // shown while a cancelled task stops

#endif
