// CGfxPopupMenu: a popup menu that draws its own items, with images from a toolbar resource.
#pragma once

#include "core/TKWExport.h"

#include <afxcmn.h>
#include <afxwin.h>

// Built on the stack for one tracking: create an empty popup and attach it, append items,
// load a toolbar resource for the images, RemapMenu, EnableMenuItems, track, let it go. The
// menu owns its item records, fonts, image lists and the attached menu handle.
class TKWUI_API CGfxPopupMenu : public CMenu {
 public:
  // What an owner-drawn item carries as its item data.
  struct SpawnItem {
    int iImageIdx;     // image in m_ilList; -1 none (negative kinds carry their kind)
    int iCmd;          // command identifier, or a tkw::menu::ItemKind
    WCHAR cText[128];  // label, accelerator after a tab
  };
  // Which image belongs to which command.
  struct ImageItem {
    int iImageIdx;
    int iCmd;
  };
  // The colours the items are drawn in.
  struct Colours {
    COLORREF background;    // item background (white)
    COLORREF selection;     // fill of the selected item
    COLORREF selectedText;  // text of the selected item
    COLORREF lightEdge;     // upper-left edges of raised frames, etched lines, embossing
    COLORREF darkEdge;      // lower-right edges of raised frames, etched lines
    COLORREF disabledText;  // text of disabled items
    COLORREF imageMask;     // transparent colour of the toolbar bitmaps
  };

  CGfxPopupMenu();
  ~CGfxPopupMenu() override;

  // Makes m_hBoldFont from the custom font, or else the menu font; true on success.
  bool CreateBoldFont();
  void AddImageItem(int nImage, WORD nCmdID);
  // Image of the first pair with the command, -1 when it has none.
  int FindImageItem(int nCmdID) const;
  // A new record owned by the menu; its image is the command's, or the kind for kinds.
  SpawnItem* AddSpawnItem(LPCTSTR lpszText, int nCmd);

  // Replaces the images with those of toolbar nID (resource type 241 and a bitmap of the same
  // identifier, found through the resource chain); false when the toolbar is missing.
  bool LoadToolBarResource(UINT nID);
  // Adds the images of toolbar nID after the current ones (light grey transparent).
  bool AddToolBarResource(UINT nID);

  // Makes every item of pMenu and its submenus owner-drawn with a record of its label.
  void RemapMenu(CMenu* pMenu);
  // Runs pOwner's update handlers over every command item; commands without one are disabled.
  void EnableMenuItems(CMenu* pMenu, CWnd* pOwner);

  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  HFONT m_hBoldFont;     // default items
  HFONT m_hCustomFont;   // set by the user of the menu; not owned, null for the menu font
  HFONT m_hMenuFont;     // the system menu font
  CSize m_szImage;       // image size; 20 x 20 until a toolbar is loaded
  CImageList m_ilList;   // item images
  CImageList m_ilOther;  // image 0: check mark of checked items without an image of their own
  Colours m_colours;
  int m_nSpawnItems;
  SpawnItem** m_pSpawnItems;
  int m_nImageItems;
  ImageItem* m_pImageItems;

 private:
  bool AddToolBarImages(UINT nID, bool bReplace);
  bool IsOwnRecord(ULONG_PTR itemData) const;
  HFONT ItemFont(bool bDefault) const;
  void DrawSubmenuTitle(HDC dc, const SpawnItem& item, CRect rcText, bool bSelected) const;
  void DrawCommand(HDC dc, const SpawnItem& item, const CRect& rcItem, UINT nState) const;
  void DrawLabel(HDC dc, const SpawnItem& item, CRect rcText, UINT nState) const;

  CGfxPopupMenu(const CGfxPopupMenu&) = delete;
  CGfxPopupMenu& operator=(const CGfxPopupMenu&) = delete;
};
