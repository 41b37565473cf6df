// CRecentProjectsListCtrl.
#include "controls/RecentProjectsListCtrl.h"

#include "QXHostWindows.h"
#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"

#include <qxres_ids.h>

IMPLEMENT_DYNCREATE(CRecentProjectsListCtrl, CGfxListCtrl)

namespace {

// Column ids.
enum { kColHidden = 0, kColSelect = 1, kColIcon = 2, kColFile = 3 };

const std::uint32_t kImageColumn =
    GFXCOL_SORTABLE | GFXCOL_IMAGE | GFXCOL_NOSORTARROW | GFXCOL_FIXEDWIDTH;

}  // namespace

CRecentProjectsListCtrl::CRecentProjectsListCtrl()
    : m_nIndex(-1), m_pPathList(nullptr), m_bCategoryView(false), m_nRowCount(0) {
  m_fontText.CreatePointFont(90, _T("Times New Roman"));
}

CRecentProjectsListCtrl::~CRecentProjectsListCtrl() = default;

BOOL CRecentProjectsListCtrl::Initialize(CStringList* pPathList) {
  ASSERT(::IsWindow(m_hWnd));
  m_pPathList = pPathList;
  CGfxColumnManager* pColumns = CreateColumnManager();
  pColumns->DefineColumn(kColHidden, L"", nullptr, LVCFMT_LEFT, 0,
                         GFXCOL_FIXEDWIDTH | GFXCOL_NOSORTARROW, -1, nullptr);
  pColumns->DefineColumn(kColSelect, nullptr, nullptr, LVCFMT_LEFT, 25, kImageColumn, 0, L"Select");
  pColumns->DefineColumn(kColIcon, nullptr, nullptr, LVCFMT_LEFT, 25, kImageColumn, 0, L"Icon");
  pColumns->DefineColumn(kColFile, L"Recently Used Files", nullptr, LVCFMT_LEFT, 500,
                         GFXCOL_SORTABLE, -1, nullptr);
  const int defaults[] = {kColIcon, kColFile};
  pColumns->DefineDefaultColumns(2, defaults);

  if (!m_headerImages.GetSafeHandle())
    m_headerImages.Create(IDB_QX_HEADER_GLYPHS, 11, 1, RGB(255, 0, 255));
  SetHeaderImageList(&m_headerImages);
  SetItemImageList(m_icons.GetImageList());
  // The list's own answers serve the requests and callbacks, not the parent.
  SetReciper(this);
  OnInit();
  ModifyFlag(30720, 15, 0);
  SetupColumnData();
  SetItemHeight(17);
  SetGetTextCallback(
      static_cast<GFXLIST_GETTEXT_CALLBACK>(&CRecentProjectsListCtrl::GetTextCallback));
  SetShowHeaderPopup(false);
  if (m_bCategoryView) {
    SetCategoryCallback(
        static_cast<GFXLIST_CATEGORY_CALLBACK>(&CRecentProjectsListCtrl::MyCategoryCallBack));
    EnableCategoryView(true);
  }
  Populate(pPathList);
  return TRUE;
}

void CRecentProjectsListCtrl::Populate(CStringList* pPathList) {
  CRedrawOff redrawOff(*this);
  DeleteAllItems();
  SetItemCount(0);
  m_nRowCount = 0;
  if (m_bCategoryView && GetCategoryManager()) GetCategoryManager()->ResetList(this);
  m_pPathList = pPathList;
  if (!pPathList) return;
  for (POSITION pos = pPathList->GetHeadPosition(); pos;) {
    const CString& strPath = pPathList->GetNext(pos);
    ++m_nRowCount;
    InsertItemEx(GetItemCount(), reinterpret_cast<DWORD_PTR>(strPath.GetString()));
  }
}

void CRecentProjectsListCtrl::GetTextCallback(int /*nItem*/, int nColumn, DWORD_PTR dwItemData,
                                              CString& strText) {
  const int nId = GetColumnIndex(nColumn);
  switch (nId) {
    case kColHidden: strText = _T("10"); break;
    case kColSelect: strText.Empty(); break;
    case kColIcon: strText.Format(_T("%d"), m_icons.Add(IDI_QX_RECENT_PROJECT)); break;
    case kColFile: strText = dwItemData ? reinterpret_cast<LPCTSTR>(dwItemData) : _T(""); break;
    case 4: strText.Empty(); break;
    default: strText.Format(_T("%d, %d"), static_cast<int>(dwItemData), nId); break;
  }
}

long CRecentProjectsListCtrl::GetExInfoCallback(LXHDREX* pRequest) {
  if (!pRequest || pRequest->iNotifyCode != NTEX_ITEMINFO) return 0;
  if (pRequest->iSubItem == kColIcon) {
    pRequest->dwFlag |= LXHDREX_TEXTCOLOR;
    pRequest->crText = RGB(255, 0, 0);
  }
  return 1;
}

CString CRecentProjectsListCtrl::GetSelected() {
  CString strPath;
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
    GetItemTextEx(i, 1, strPath);
  return strPath;
}

void CRecentProjectsListCtrl::MyCategoryCallBack(CGfxCategoryManager* pManager,
                                                 DWORD_PTR& dwItemData) {
  if (!pManager) return;
  // Every path is filed under one unnamed category.
  const int nCategory = pManager->FindCategory(_T(""));
  if (nCategory < 0)
    pManager->AddCategory(_T(""), _T(""));
  else
    pManager->AddItemToCategory(nCategory, dwItemData);
}

BOOL CRecentProjectsListCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE) {
    RemoveSelectedRows();
    return TRUE;
  }
  return CGfxListCtrl::PreTranslateMessage(pMsg);
}

void CRecentProjectsListCtrl::RemoveSelectedRows() {
  CString strQuestion;
  strQuestion.LoadString(IDS_QX_REMOVE_RECENT_PROJECTS);
  if (ZRWMessageBox(strQuestion, MB_YESNO | MB_ICONSTOP, 1) != IDYES) return;
  CWnd* pParent = GetParent();
  if (!pParent) return;
  for (int i = 0; ::IsWindow(m_hWnd) && i < GetItemCount();) {
    if (!(GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)) {
      ++i;
      continue;
    }
    const int nCountBefore = GetItemCount();
    pParent->SendMessage(WMU_DELETE_RECENT, 0, 0);
    --m_nRowCount;
    // The parent removed the row, so the same index holds the next one; a parent that kept
    // it must not hold the loop on it.
    if (!::IsWindow(m_hWnd) || GetItemCount() >= nCountBefore) ++i;
  }
}
