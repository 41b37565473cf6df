// Identifiers of the host resource module qxres.dll, shared by its .rc files and the code that loads from it.
#ifndef QXRES_IDS_H
#define QXRES_IDS_H

// Strings: grid list
#define IDS_QX_DELETE_SELECTED_ITEMS 141  // confirmation before deleting the selected rows
#define IDS_QX_COPY_ALL 363               // popup command that copies the whole list
#define IDS_QX_EMPTY_LIST 537             // text drawn in a list without rows

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

// Animations (resource type "AVI")
#define IDR_QX_AVI_WORKING 1361  // default progress animation

#endif
