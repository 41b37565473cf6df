// CItemListCtrl.
#include "controls/ItemListCtrl.h"

#include "controls/logic/ThreeStateMarks.h"
#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"

#include <qxres_ids.h>

IMPLEMENT_DYNCREATE(CItemListCtrl, CGfxListCtrl)

BEGIN_MESSAGE_MAP(CItemListCtrl, CGfxListCtrl)
  ON_WM_LBUTTONDOWN()
  ON_NOTIFY_REFLECT(NM_RCLICK, OnRClick)
END_MESSAGE_MAP()

namespace {

// Column ids.
enum { kColHidden = 0, kColIcon = 1, kColID = 2, kColName = 3, kColType = 4 };

const COLORREF kIDColour = RGB(255, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);

}  // namespace

CItemListCtrl::CItemListCtrl()
    : m_pXactArray(nullptr), m_nIndex(-1), m_bCategoryView(false), m_bIconMode(false) {
  m_fontText.CreatePointFont(90, _T("Times New Roman"));
  for (int& nImage : m_nMarkImages) nImage = -1;
}

CItemListCtrl::~CItemListCtrl() = default;

BOOL CItemListCtrl::Initialize(CXactArray* pXactArray) {
  ASSERT(::IsWindow(m_hWnd));
  m_pXactArray = pXactArray;
  if (m_bIconMode) {
    const int ids[] = {IDI_QX_MARK_NONE, IDI_QX_MARK_ALL, IDI_QX_MARK_SOME};
    for (int i = 0; i < 3; ++i) m_nMarkImages[i] = m_icons.Add(static_cast<UINT>(ids[i]));
    SetItemImageList(m_icons.GetImageList());
  }

  CGfxColumnManager* pColumns = CreateColumnManager();
  pColumns->DefineColumn(kColHidden, L"", nullptr, LVCFMT_LEFT, 0,
                         GFXCOL_FIXEDWIDTH | GFXCOL_NOSORTARROW, -1, nullptr);
  pColumns->DefineColumn(kColIcon, nullptr, nullptr, LVCFMT_LEFT, 25,
                         GFXCOL_SORTABLE | GFXCOL_IMAGE | GFXCOL_NOSORTARROW | GFXCOL_FIXEDWIDTH, 0,
                         L"Icon");
  pColumns->DefineColumn(kColID, L"ID", nullptr, LVCFMT_LEFT, 50, GFXCOL_SORTABLE, -1, nullptr);
  pColumns->DefineColumn(kColName, L"Name", nullptr, LVCFMT_LEFT, 225, GFXCOL_SORTABLE, -1,
                         nullptr);
  pColumns->DefineColumn(kColType, L"Type", nullptr, LVCFMT_LEFT, 100, GFXCOL_SORTABLE, -1,
                         nullptr);
  const int iconDefaults[] = {kColHidden, kColIcon, kColName, kColType};
  const int plainDefaults[] = {kColID, kColName, kColType};
  if (m_bIconMode)
    pColumns->DefineDefaultColumns(4, iconDefaults);
  else
    pColumns->DefineDefaultColumns(3, plainDefaults);

  if (!m_headerImages.GetSafeHandle()) m_headerImages.Create(IDB_QX_HEADER_GLYPHS, 11, 1, kMagenta);
  SetHeaderImageList(&m_headerImages);
  // The list's own answers serve the requests and callbacks, not the parent.
  SetReciper(this);
  OnInit();
  ModifyFlag(24576, 15, 0);
  SetupColumnData();
  SetItemHeight(17);
  SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CItemListCtrl::GetTextCallback));
  SetCategoryCallback(static_cast<GFXLIST_CATEGORY_CALLBACK>(&CItemListCtrl::MyCategoryCallBack));
  if (m_bCategoryView) EnableCategoryView(true);
  Populate(pXactArray);
  return TRUE;
}

void CItemListCtrl::Populate(CXactArray* pXactArray) {
  CRedrawOff redrawOff(*this);
  DeleteAllItems();
  SetItemCount(0);
  if (m_bCategoryView && GetCategoryManager()) GetCategoryManager()->ResetList(this);
  m_pXactArray = pXactArray;
  if (!pXactArray) return;
  const int nCount = static_cast<int>(pXactArray->GetSize());
  SetItemCount(nCount);
  for (int i = 0; i < nCount; ++i)
    InsertItemEx(i, reinterpret_cast<DWORD_PTR>(pXactArray->GetAt(i)));
}

int CItemListCtrl::IconIndex(int nIconID) {
  return m_icons.Add(static_cast<UINT>(nIconID));
}

int CItemListCtrl::GetMarkImage(int nMark) const {
  return nMark >= 0 && nMark < 3 ? m_nMarkImages[nMark] : -1;
}

void CItemListCtrl::GetTextCallback(int /*nItem*/, int nColumn, DWORD_PTR dwItemData,
                                    CString& strText) {
  const CXact* pXact = reinterpret_cast<const CXact*>(dwItemData);
  switch (GetColumnIndex(nColumn)) {
    case kColHidden: strText = _T("10"); break;
    case kColIcon: strText.Format(_T("%d"), pXact ? IconIndex(pXact->GetIconID()) : -1); break;
    case kColName: strText = pXact ? pXact->GetName() : CString(); break;
    case kColID:
    case kColType: strText.Empty(); break;
    default:
      strText.Format(_T("%d, %d"), static_cast<int>(dwItemData), GetColumnIndex(nColumn));
      break;
  }
}

void CItemListCtrl::GetImageCallback(int /*nItem*/, int nColumn, DWORD_PTR dwItemData,
                                     int& nImage) {
  const CXact* pXact = reinterpret_cast<const CXact*>(dwItemData);
  if (pXact && GetColumnIndex(nColumn) == kColIcon && GetMarkImage(pXact->GetSelected()) >= 0)
    nImage = GetMarkImage(pXact->GetSelected());
}

long CItemListCtrl::GetExInfoCallback(LXHDREX* pRequest) {
  if (!pRequest || pRequest->iNotifyCode != NTEX_ITEMINFO) return 0;
  if (pRequest->iSubItem == kColID) {
    pRequest->dwFlag |= LXHDREX_TEXTCOLOR;
    pRequest->crText = kIDColour;
  }
  return 1;
}

void CItemListCtrl::OnProperties(int /*nItem*/) {
  GetSelected();
}

CXact* CItemListCtrl::GetSelected() const {
  return reinterpret_cast<CXact*>(CGfxListCtrl::GetSelected());
}

BOOL CItemListCtrl::Edit(CXact* /*pXact*/) {
  return FALSE;
}

void CItemListCtrl::SelectItem(CXact* pXact, int nMark) {
  if (pXact) tkw::marks::MarkNode(*pXact, nMark);
}

void CItemListCtrl::MyCategoryCallBack(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData) {
  if (!pManager) return;
  // Every transaction is filed under one unnamed category.
  const int nCategory = pManager->FindCategory(_T(""));
  if (nCategory < 0)
    pManager->AddCategory(_T(""), _T(""));
  else
    pManager->AddItemToCategory(nCategory, dwItemData);
}

void CItemListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  int nColumn = -1;
  const int nItem = HitTestEx(point, &nColumn);
  CXact* pXact =
      nItem >= 0 && !IsCategoryRow(nItem) ? reinterpret_cast<CXact*>(GetItemData(nItem)) : nullptr;
  // The first shown column, and in icon mode the mark's own image, toggle the mark.
  const bool bOnMark = nColumn == 0 || (m_bIconMode && GetColumnIndex(nColumn) == kColIcon);
  if (!pXact || !bOnMark) {
    CGfxListCtrl::OnLButtonDown(nFlags, point);
    return;
  }
  const int nMark = tkw::marks::Toggled(pXact->GetSelected());
  SelectItem(pXact, nMark);
  // A click on a selected row marks the whole selection alike.
  if (GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED) {
    for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED)) {
      if (i == nItem || IsCategoryRow(i)) continue;
      SelectItem(reinterpret_cast<CXact*>(GetItemData(i)), nMark);
    }
  }
  // Ancestors and descendants may sit on any row.
  Invalidate(FALSE);
  if (CWnd* pParent = GetParent()) pParent->PostMessage(WM_ITEMLIST_MARKSCHANGED, 0, 0);
}

void CItemListCtrl::OnRClick(NMHDR* pNMHDR, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  CPoint point;
  ::GetCursorPos(&point);
  // The notification names the row; without one the row under the cursor counts.
  int nItem = -1;
  if (pNMHDR) {
    nItem = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
  } else {
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    nItem = HitTestEx(ptClient, nullptr);
  }
  if (nItem < 0) return;
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_ITEMLIST_SELECTALL, _T("Select All"));
  const UINT nCommand = static_cast<UINT>(
      menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, this));
  menu.DestroyMenu();
  if (nCommand == ID_ITEMLIST_SELECTALL) OnSelectAll();
}
