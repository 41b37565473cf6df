// CGfxPopupMenu: owner-drawn popup menu items with toolbar images.
#include "grid/editors/GfxPopupMenu.h"

#include <afxdll_.h>

#include <algorithm>
#include <cwchar>

#include "grid/editors/logic/ToolBarLayout.h"

using tkw::menu::ItemKind;

namespace {

const LPCWSTR kToolBarType = MAKEINTRESOURCEW(241);
// Toolbar bitmaps are drawn on light grey; AddToolBarResource always masks it.
const COLORREF kToolBarGrey = RGB(192, 192, 192);
// Each tracking of the process nests submenus from the same depth: the depth tells a submenu
// title of the first level from a deeper one.
int g_nRemapDepth = 0;

// Selects a font and a text colour into a DC for one drawing and puts the old ones back.
class DcState {
 public:
  DcState(HDC dc, HFONT font) : dc_(dc) {
    oldFont_ = ::SelectObject(dc, font);
    oldColour_ = ::GetTextColor(dc);
    oldMode_ = ::SetBkMode(dc, TRANSPARENT);
  }
  ~DcState() {
    ::SetBkMode(dc_, oldMode_);
    ::SetTextColor(dc_, oldColour_);
    ::SelectObject(dc_, oldFont_);
  }
  DcState(const DcState&) = delete;
  DcState& operator=(const DcState&) = delete;

 private:
  HDC dc_;
  HGDIOBJ oldFont_;
  COLORREF oldColour_;
  int oldMode_;
};

void Fill(HDC dc, const RECT& rc, COLORREF colour) {
  COLORREF old = ::SetBkColor(dc, colour);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  ::SetBkColor(dc, old);
}

// A one-pixel frame just inside rc: topLeft on the top and left edges, bottomRight on the others.
void Frame3d(HDC dc, const RECT& rc, COLORREF topLeft, COLORREF bottomRight) {
  Fill(dc, {rc.left, rc.top, rc.right - 1, rc.top + 1}, topLeft);
  Fill(dc, {rc.left, rc.top, rc.left + 1, rc.bottom - 1}, topLeft);
  Fill(dc, {rc.right - 1, rc.top, rc.right, rc.bottom}, bottomRight);
  Fill(dc, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, bottomRight);
}

tkw::menu::ItemSize TextExtent(HFONT font, const WCHAR* text, bool bTabbed) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  const int len = static_cast<int>(wcslen(text));
  tkw::menu::ItemSize size;
  if (bTabbed) {
    DWORD extent = ::GetTabbedTextExtentW(dc, text, len, 0, nullptr);
    size = {LOWORD(extent), HIWORD(extent)};
  } else {
    SIZE s = {0, 0};
    ::GetTextExtentPoint32W(dc, text, len, &s);
    size = {s.cx, s.cy};
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return size;
}

// Some systems leave ODS_DEFAULT out of the drawing state: the menu's own state tells too.
bool IsDefaultItem(const DRAWITEMSTRUCT& dis) {
  if (dis.itemState & ODS_DEFAULT) return true;
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_STATE;
  HMENU hMenu = reinterpret_cast<HMENU>(dis.hwndItem);
  return dis.itemID != 0 && ::GetMenuItemInfoW(hMenu, dis.itemID, FALSE, &mii) &&
         (mii.fState & MFS_DEFAULT);
}

}  // namespace

CGfxPopupMenu::CGfxPopupMenu()
    : m_hBoldFont(nullptr),
      m_hCustomFont(nullptr),
      m_hMenuFont(nullptr),
      m_szImage(20, 20),
      m_nSpawnItems(0),
      m_pSpawnItems(nullptr),
      m_nImageItems(0),
      m_pImageItems(nullptr) {
  m_colours.background = RGB(255, 255, 255);
  m_colours.selection = ::GetSysColor(COLOR_HIGHLIGHT);
  m_colours.selectedText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  m_colours.lightEdge = ::GetSysColor(COLOR_3DHILIGHT);
  m_colours.darkEdge = ::GetSysColor(COLOR_3DSHADOW);
  m_colours.disabledText = ::GetSysColor(COLOR_GRAYTEXT);
  m_colours.imageMask = kToolBarGrey;
  // The structure size of the oldest systems: newer fields are not needed for the font.
  NONCLIENTMETRICSW ncm = {};
  ncm.cbSize = 500;
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0)) {
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
  }
  m_hMenuFont = ::CreateFontIndirectW(&ncm.lfMenuFont);
  CreateBoldFont();
}

CGfxPopupMenu::~CGfxPopupMenu() {
  for (int i = 0; i < m_nSpawnItems; ++i) delete m_pSpawnItems[i];
  free(m_pSpawnItems);
  free(m_pImageItems);
  if (m_hBoldFont) ::DeleteObject(m_hBoldFont);
  if (m_hMenuFont) ::DeleteObject(m_hMenuFont);
  m_ilList.DeleteImageList();
  m_ilOther.DeleteImageList();
  DestroyMenu();
}

bool CGfxPopupMenu::CreateBoldFont() {
  if (m_hBoldFont) ::DeleteObject(m_hBoldFont);
  m_hBoldFont = nullptr;
  LOGFONTW lf = {};
  HFONT from = m_hCustomFont ? m_hCustomFont : m_hMenuFont;
  if (!from || !::GetObjectW(from, sizeof(lf), &lf)) return false;
  lf.lfWeight = FW_BOLD;
  m_hBoldFont = ::CreateFontIndirectW(&lf);
  return m_hBoldFont != nullptr;
}

void CGfxPopupMenu::AddImageItem(int nImage, WORD nCmdID) {
  void* grown = realloc(m_pImageItems, sizeof(ImageItem) * size_t(m_nImageItems + 1));
  if (!grown) return;
  m_pImageItems = static_cast<ImageItem*>(grown);
  m_pImageItems[m_nImageItems++] = {nImage, nCmdID};
}

int CGfxPopupMenu::FindImageItem(int nCmdID) const {
  for (int i = 0; i < m_nImageItems; ++i)
    if (m_pImageItems[i].iCmd == nCmdID) return m_pImageItems[i].iImageIdx;
  return -1;
}

CGfxPopupMenu::SpawnItem* CGfxPopupMenu::AddSpawnItem(LPCTSTR lpszText, int nCmd) {
  void* grown = realloc(m_pSpawnItems, sizeof(SpawnItem*) * size_t(m_nSpawnItems + 1));
  if (!grown) return nullptr;
  m_pSpawnItems = static_cast<SpawnItem**>(grown);
  SpawnItem* item = new SpawnItem;
  item->iImageIdx = nCmd >= 0 ? FindImageItem(nCmd) : nCmd;
  item->iCmd = nCmd;
  wcsncpy(item->cText, lpszText ? lpszText : L"", _countof(item->cText) - 1);
  item->cText[_countof(item->cText) - 1] = 0;
  m_pSpawnItems[m_nSpawnItems++] = item;
  return item;
}

bool CGfxPopupMenu::LoadToolBarResource(UINT nID) {
  return AddToolBarImages(nID, true);
}

bool CGfxPopupMenu::AddToolBarResource(UINT nID) {
  return AddToolBarImages(nID, false);
}

bool CGfxPopupMenu::AddToolBarImages(UINT nID, bool bReplace) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID), kToolBarType);
  HRSRC hRes = hInst ? ::FindResourceW(hInst, MAKEINTRESOURCEW(nID), kToolBarType) : nullptr;
  HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
  tkw::menu::ToolBarLayout layout;
  if (!hData ||
      !tkw::menu::ParseToolBar(::LockResource(hData), ::SizeofResource(hInst, hRes), layout))
    return false;
  COLORREF mask = kToolBarGrey;
  if (bReplace || !m_ilList.GetSafeHandle()) {
    m_ilList.DeleteImageList();
    m_szImage = CSize(layout.imageWidth, layout.imageHeight);
    const int count = static_cast<int>(layout.commands.size());
    if (!m_ilList.Create(layout.imageWidth, layout.imageHeight, ILC_MASK | ILC_COLOR4, count, 1))
      return false;
    // Transparent: the image square takes the item's background, selected or not.
    m_ilList.SetBkColor(CLR_NONE);
    mask = m_colours.imageMask;
  }
  int first = m_ilList.GetImageCount();
  HBITMAP hBitmap = static_cast<HBITMAP>(
      ::LoadImageW(hInst, MAKEINTRESOURCEW(nID), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  if (hBitmap) {
    ::ImageList_AddMasked(m_ilList.GetSafeHandle(), hBitmap, mask);
    ::DeleteObject(hBitmap);
  }
  for (WORD cmd : layout.commands) AddImageItem(first++, cmd);
  return true;
}

void CGfxPopupMenu::RemapMenu(CMenu* pMenu) {
  if (!pMenu || !::IsMenu(pMenu->m_hMenu)) return;
  HMENU hMenu = pMenu->m_hMenu;
  ++g_nRemapDepth;
  for (int pos = ::GetMenuItemCount(hMenu) - 1; pos >= 0; --pos) {
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_BITMAP;
    if (!::GetMenuItemInfoW(hMenu, UINT(pos), TRUE, &mii)) continue;
    const bool drawn = (mii.fType & (MFT_OWNERDRAW | MFT_BITMAP)) || mii.hbmpItem;
    WCHAR label[128] = L"";
    ::GetMenuStringW(hMenu, UINT(pos), label, _countof(label), MF_BYPOSITION);
    SpawnItem* item = nullptr;
    if (mii.hSubMenu) {
      RemapMenu(CMenu::FromHandle(mii.hSubMenu));
      if (drawn || label[0] == 0) continue;
      item = AddSpawnItem(
          label, g_nRemapDepth == 1 ? tkw::menu::kSubmenuTitle : tkw::menu::kDeepSubmenuTitle);
    } else if (drawn) {
      continue;
    } else if (mii.fType & MFT_SEPARATOR) {
      item = AddSpawnItem(L"--", tkw::menu::kSeparator);
    } else {
      item = AddSpawnItem(label, static_cast<int>(mii.wID));
    }
    if (!item) continue;
    // Only the type and data change: identifier, state and submenu stay with the item.
    MENUITEMINFOW set = {};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE | MIIM_DATA;
    set.fType = (mii.fType & (MFT_SEPARATOR | MFT_RADIOCHECK)) | MFT_OWNERDRAW;
    set.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    ::SetMenuItemInfoW(hMenu, UINT(pos), TRUE, &set);
  }
  --g_nRemapDepth;
}

void CGfxPopupMenu::EnableMenuItems(CMenu* pMenu, CWnd* pOwner) {
  if (!pMenu || !pOwner || !::IsMenu(pMenu->m_hMenu)) return;
  CCmdUI state;
  state.m_pMenu = pMenu;
  state.m_nIndexMax = UINT(pMenu->GetMenuItemCount());
  for (int pos = int(state.m_nIndexMax) - 1; pos >= 0; --pos) {
    if (HMENU hSub = ::GetSubMenu(pMenu->m_hMenu, pos)) {
      EnableMenuItems(CMenu::FromHandle(hSub), pOwner);
      continue;
    }
    state.m_nIndex = UINT(pos);
    state.m_nID = pMenu->GetMenuItemID(pos);
    if (state.m_nID == 0) continue;
    state.DoUpdate(pOwner, TRUE);
  }
}

bool CGfxPopupMenu::IsOwnRecord(ULONG_PTR itemData) const {
  if (itemData == 0) return false;
  for (int i = 0; i < m_nSpawnItems; ++i)
    if (reinterpret_cast<ULONG_PTR>(m_pSpawnItems[i]) == itemData) return true;
  return false;
}

HFONT CGfxPopupMenu::ItemFont(bool bDefault) const {
  if (bDefault && m_hBoldFont) return m_hBoldFont;
  return m_hCustomFont ? m_hCustomFont : m_hMenuFont;
}

void CGfxPopupMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  if (!lpMIS || lpMIS->CtlType != ODT_MENU || !IsOwnRecord(lpMIS->itemData)) return;
  const SpawnItem& item = *reinterpret_cast<const SpawnItem*>(lpMIS->itemData);
  tkw::menu::ItemSize text;
  if (item.iCmd != tkw::menu::kSeparator && item.cText[0] != 0)
    text = TextExtent(ItemFont(false), item.cText, item.iCmd != tkw::menu::kSubmenuTitle);
  tkw::menu::ItemSize size =
      tkw::menu::MeasureMenuItem(item.iCmd, item.cText[0] == 0, text, {m_szImage.cx, m_szImage.cy});
  lpMIS->itemWidth = UINT(size.width);
  lpMIS->itemHeight = UINT(size.height);
}

void CGfxPopupMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  if (!lpDIS || lpDIS->CtlType != ODT_MENU || !IsOwnRecord(lpDIS->itemData)) return;
  const SpawnItem& item = *reinterpret_cast<const SpawnItem*>(lpDIS->itemData);
  HDC dc = lpDIS->hDC;
  const CRect rc(lpDIS->rcItem);
  DcState saved(dc, ItemFont(IsDefaultItem(*lpDIS)));
  if (item.iCmd == tkw::menu::kSeparator) {
    // Etched: a dark line with a light one below it.
    Fill(dc, {rc.left + 2, rc.top + 2, rc.right - 2, rc.top + 3}, m_colours.darkEdge);
    Fill(dc, {rc.left + 2, rc.top + 3, rc.right - 2, rc.top + 4}, m_colours.lightEdge);
    return;
  }
  if (item.iCmd == tkw::menu::kSubmenuTitle) {
    CRect rcText(rc.left + rc.Height() + 1, rc.top, rc.right, rc.bottom);
    const bool selected = (lpDIS->itemState & ODS_SELECTED) && !(lpDIS->itemState & ODS_GRAYED);
    DrawSubmenuTitle(dc, item, rcText, selected);
    return;
  }
  DrawCommand(dc, item, rc, lpDIS->itemState);
}

void CGfxPopupMenu::DrawSubmenuTitle(HDC dc, const SpawnItem& item, CRect rcText,
                                     bool bSelected) const {
  CRect rcShifted = rcText;
  if (bSelected) rcShifted.OffsetRect(2, 1);
  Fill(dc, rcText, m_colours.background);
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::DrawTextW(dc, item.cText, -1, rcShifted, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  // Sunken while open: pressed in like a button.
  if (bSelected) Frame3d(dc, rcText, m_colours.darkEdge, m_colours.lightEdge);
}

void CGfxPopupMenu::DrawCommand(HDC dc, const SpawnItem& item, const CRect& rc, UINT nState) const {
  const bool selected = (nState & ODS_SELECTED) != 0;
  const bool disabled = (nState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  const bool checked = (nState & ODS_CHECKED) != 0;
  const CRect square(rc.left, rc.top, rc.left + rc.Height(), rc.bottom);
  const CRect rcText(square.right + 1, rc.top, rc.right, rc.bottom);
  const bool hasImage = item.iImageIdx >= 0 && item.iImageIdx < m_ilList.GetImageCount();

  // The image square never takes the selection colour: the raised frame shows selection there.
  Fill(dc, CRect(square.right, rc.top, rc.right, rc.bottom),
       selected ? m_colours.selection : m_colours.background);
  Fill(dc, square, (hasImage || checked || !selected) ? m_colours.background : m_colours.selection);

  if (hasImage) {
    const CPoint at(square.left + (square.Width() - m_szImage.cx) / 2,
                    square.top + (square.Height() - m_szImage.cy) / 2);
    if (selected && !disabled)
      Frame3d(dc, square, m_colours.lightEdge, m_colours.darkEdge);
    else
      Frame3d(dc, square, m_colours.background, m_colours.background);
    if (disabled) {
      HICON icon = ::ImageList_GetIcon(m_ilList.GetSafeHandle(), item.iImageIdx, ILD_NORMAL);
      ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, at.x, at.y,
                   m_szImage.cx, m_szImage.cy, DST_ICON | DSS_DISABLED);
      ::DestroyIcon(icon);
    } else {
      ::ImageList_Draw(m_ilList.GetSafeHandle(), item.iImageIdx, dc, at.x, at.y, ILD_TRANSPARENT);
    }
  } else if (checked && m_ilOther.GetSafeHandle() && m_ilOther.GetImageCount() > 0) {
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(m_ilOther.GetSafeHandle(), &cx, &cy);
    ::ImageList_Draw(m_ilOther.GetSafeHandle(), 0, dc, square.left + (square.Width() - cx) / 2,
                     square.top + (square.Height() - cy) / 2 - 2, ILD_TRANSPARENT);
  }
  DrawLabel(dc, item, rcText, nState);
}

void CGfxPopupMenu::DrawLabel(HDC dc, const SpawnItem& item, CRect rcText, UINT nState) const {
  const bool selected = (nState & ODS_SELECTED) != 0;
  const bool disabled = (nState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  rcText.left += 2;
  rcText.right -= 15;
  const WCHAR* tab = wcschr(item.cText, L'\t');
  const int leftLength = tab ? int(tab - item.cText) : -1;
  auto draw = [&](CRect rc, COLORREF colour) {
    ::SetTextColor(dc, colour);
    const UINT flags = DT_SINGLELINE | DT_VCENTER;
    ::DrawTextW(dc, item.cText, leftLength, &rc, flags | DT_LEFT);
    if (tab) ::DrawTextW(dc, tab + 1, -1, &rc, flags | DT_RIGHT);
  };
  if (!disabled) {
    draw(rcText, selected ? m_colours.selectedText : RGB(0, 0, 0));
  } else if (selected) {
    draw(rcText, m_colours.background);
  } else {
    // Embossed: a light copy one pixel down and right under the grey text.
    CRect rcLight = rcText;
    rcLight.OffsetRect(1, 1);
    draw(rcLight, m_colours.lightEdge);
    draw(rcText, m_colours.disabledText);
  }
}
