// CScriptWizardListCtrl: value and weight columns over the page's rows.
#include "script/wizard/ScriptWizardListCtrl.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"
#include "script/wizard/ScriptWizardIds.h"

IMPLEMENT_DYNAMIC(CItemTextInfo, CObject)
IMPLEMENT_DYNAMIC(CScriptWizardListCtrl, CGfxListCtrl)

namespace {
enum { kHiddenColumn = 0, kValueColumn = 1, kWeightColumn = 2 };
}  // namespace

CScriptWizardListCtrl::CScriptWizardListCtrl()
    : m_pRows(NULL), m_bCategoryView(false), m_bReserved(false), m_nColumnCount(2) {
  m_images.Create(scriptwiz::IDB_LIST_IMAGES, 11, 1, RGB(255, 255, 255));
  m_fontText.CreatePointFont(90, L"Times New Roman");
  CreateColumnManager();
}

CScriptWizardListCtrl::~CScriptWizardListCtrl() {}

void CScriptWizardListCtrl::SetColumnCount(int nCount) {
  m_nColumnCount = nCount == 1 ? 1 : 2;
}

void CScriptWizardListCtrl::SetColumnHeaderOneText(const CString& strText) {
  m_strHeaderOne = strText;
  if (GetColumnManager()) GetColumnManager()->RenameColumn(kValueColumn, strText);
}

void CScriptWizardListCtrl::SetColumnHeaderTwoText(const CString& strText) {
  m_strHeaderTwo = strText;
  if (GetColumnManager() && m_nColumnCount == 2)
    GetColumnManager()->RenameColumn(kWeightColumn, strText);
}

int CScriptWizardListCtrl::Initialize(CObList* pRows) {
  ASSERT(::IsWindow(m_hWnd));
  CGfxColumnManager* pColumns = CreateColumnManager();
  const bool two = m_nColumnCount == 2;
  pColumns->DefineColumn(kHiddenColumn, L"", L"", LVCFMT_LEFT, 0, 0, -1, NULL);
  pColumns->DefineColumn(kValueColumn, m_strHeaderOne.IsEmpty() ? L"String Value" : m_strHeaderOne,
                         L"", LVCFMT_LEFT, two ? 354 : 432, 0, -1, NULL);
  if (two)
    pColumns->DefineColumn(kWeightColumn, m_strHeaderTwo.IsEmpty() ? L"Weight" : m_strHeaderTwo,
                           L"", LVCFMT_LEFT, 78, 0, -1, NULL);
  const int order[] = {kHiddenColumn, kValueColumn, kWeightColumn};
  pColumns->DefineDefaultColumns(two ? 3 : 2, order);
  SetReciper(this);
  SetupColumnData();
  OnInit();
  // A list of typed values: no sorting, no tips, rows highlighted whole.
  ModifyFlag(GFXLF_SORT | GFXLF_TIPS, GFXLF_FULLROWHIGHLIGHT, 0);
  SetItemHeight(17);
  SetCategoryCallback(
      static_cast<GFXLIST_CATEGORY_CALLBACK>(&CScriptWizardListCtrl::MyCategoryCallBack));
  if (m_bCategoryView) EnableCategoryView(true);
  Populate(pRows);
  return 1;
}

void CScriptWizardListCtrl::Populate(CObList* pRows) {
  m_pRows = pRows;
  DeleteAllItems();
  if (!pRows) return;
  int nItem = 0;
  for (POSITION pos = pRows->GetHeadPosition(); pos;)
    InsertItemEx(nItem++, reinterpret_cast<DWORD_PTR>(pRows->GetNext(pos)));
}

CItemTextInfo* CScriptWizardListCtrl::GetSelected() const {
  const int nItem = GetNextItem(-1, LVNI_SELECTED);
  if (nItem < 0) return NULL;
  CObject* pRow = reinterpret_cast<CObject*>(GetItemData(nItem));
  return pRow && pRow->IsKindOf(RUNTIME_CLASS(CItemTextInfo)) ? static_cast<CItemTextInfo*>(pRow)
                                                              : NULL;
}

void CScriptWizardListCtrl::GetTextCallback(int, int nColumn, DWORD_PTR dwItemData,
                                            CString& strText) {
  const CItemTextInfo* pRow = reinterpret_cast<const CItemTextInfo*>(dwItemData);
  strText.Empty();
  if (!pRow) return;
  const int id = GetColumnIndex(nColumn);
  if (id == kValueColumn) strText = pRow->m_strValue;
  if (id == kWeightColumn) strText = pRow->m_strWeight;
}

long CScriptWizardListCtrl::GetExInfoCallback(LXHDREX* pRequest) {
  return pRequest && pRequest->iSubItem == kHiddenColumn ? 1 : 0;
}

void CScriptWizardListCtrl::MyCategoryCallBack(CGfxCategoryManager* pManager,
                                               DWORD_PTR& dwItemData) {
  int nCategory = pManager->FindCategory(L"");
  if (nCategory < 0) nCategory = pManager->AddCategory(L"", L"");
  pManager->AddItemToCategory(nCategory, dwItemData);
}
