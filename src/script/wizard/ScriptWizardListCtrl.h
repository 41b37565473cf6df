// CScriptWizardListCtrl: the script wizard's grid of entered values (and their weights), one
// CItemTextInfo per row; the rows belong to the page.
#pragma once

#include "grid/GfxListCtrl.h"

class CGfxCategoryManager;

// One row of a list page: a value and its weight (empty where the page has no weights).
class TKWUI_API CItemTextInfo : public CObject {
  DECLARE_DYNAMIC(CItemTextInfo)

 public:
  CItemTextInfo(const CString& strValue = CString(), const CString& strWeight = CString())
      : m_strValue(strValue), m_strWeight(strWeight) {}
  CString m_strValue;
  CString m_strWeight;
};

class TKWUI_API CScriptWizardListCtrl : public CGfxListCtrl {
  DECLARE_DYNAMIC(CScriptWizardListCtrl)

 public:
  CScriptWizardListCtrl();
  ~CScriptWizardListCtrl() override;

  // 1 or 2 columns; any other count gives 2.
  void SetColumnCount(int nCount);
  int GetColumnCountSetting() const { return m_nColumnCount; }
  void SetColumnHeaderOneText(const CString& strText);
  void SetColumnHeaderTwoText(const CString& strText);
  // Defines the columns and shows the rows (not owned); call once the window exists.
  int Initialize(CObList* pRows);
  // One row per element of pRows, in list order, the element as item data.
  virtual void Populate(CObList* pRows);
  // The row of the first selected line, or null.
  CItemTextInfo* GetSelected() const;

  void GetTextCallback(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText) override;
  long GetExInfoCallback(LXHDREX* pRequest) override;
  // Files every row under one untitled category.
  void MyCategoryCallBack(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData);

  CImageList m_images;  // 11-pixel images of bitmap 4124, white transparent
  CFont m_fontText;     // 9-point Times New Roman
  CFont m_fontBold;
  CObList* m_pRows;  // not owned
  bool m_bCategoryView;
  bool m_bReserved;
  int m_nColumnCount;
  CString m_strHeaderOne;
  CString m_strHeaderTwo;
};
