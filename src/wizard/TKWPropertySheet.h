// TKWPropertySheet: the base of the host's property sheets and wizards.
#pragma once
#include <XTPResizePropertySheet.h>

#include "core/TKWExport.h"
#include "wizard/WizardData.h"
#include "wizard/WizardMessages.h"

class CItem;
class TKWPropertyPage;

// Told by a sheet when its contents should be refreshed and when its active tab changes.
struct ISheetAdvise {
  virtual void Refresh() = 0;
  virtual void SetTab(int nActiveIndex) = 0;
};

class TKWUI_API TKWPropertySheet : public CXTPResizePropertySheet {
  DECLARE_DYNAMIC(TKWPropertySheet)

 public:
  // Masks of SetSheetButtons: the sheet buttons to hide.
  enum SheetButton : DWORD { sheetOK = 1, sheetCancel = 2, sheetApply = 4 };

  TKWPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0, UINT nFlags = 0);
  TKWPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                   UINT nFlags = 0);
  ~TKWPropertySheet() override;

  // Back, Next and Finish (PSWIZB_ flags), through the sheet's message or, with
  // m_bOwnWizardButtons, on the button windows themselves.
  virtual void SetWizardButtons(DWORD dwFlags);
  // With m_bHideBackNext: hides Back (bit 1) and Next (bit 2).
  virtual void HideWizardButtons(DWORD dwMask);
  // For subclasses that save their data in one place.
  virtual void SaveData() {}
  // Asks every page to apply; FALSE when any refused (all are asked).
  virtual BOOL Apply();

  // Adds buttons to hide (SheetButton bits); never clears any.
  void SetSheetButtons(DWORD dwMask) { m_dwSheetButtons |= dwMask; }
  // Hides the buttons asked for and moves the others right into their places.
  void HideSheetButtons();

  void SetItem(CItem* pItem) { m_pItem = pItem; }
  void SetDataObject(CObject* pObject) { m_pDataObject = pObject; }
  CObject* GetDataObject() const { return m_pDataObject; }
  BOOL IsModified() const { return m_bModified; }
  // Stores the mode and hands it to every page of the TKWPropertyPage family.
  void SetReadOnly(BOOL bReadOnly);
  BOOL GetReadOnly() const { return m_bReadOnly; }
  CString GetStrCaption() const { return m_strCaption; }

  void AdviseRefresh();
  void AdviseSetTab();

  // Page title, use-title flag and the shared wizard data for pages added through the sheet;
  // the exterior form also hides the Wizard97 header. Only pages of the TKWPropertyPage
  // family may be given.
  void SetupPropertyPage(TKWPropertyPage* pPage);
  void SetupInteriorPage(CPropertyPage* pPage);
  void SetupExteriorPage(CPropertyPage* pPage);
  // Removes and deletes every page (heap objects), last first.
  void DeleteAllPages();
  // Text of tab nPage; TRUE when the sheet has no tab control.
  BOOL SetPageTitle(int nPage, LPTSTR pszText);

  ISheetAdvise* m_pAdvise;
  BOOL m_bModified;
  DWORD m_dwSheetButtons;
  BOOL m_bReadOnly;
  CItem* m_pItem;
  CObject* m_pOwnedObject;  // deleted with the sheet
  CString m_strPageTitle;
  CObject* m_pDataObject;
  BYTE m_bOwnWizardButtons;  // the sheet shows and enables Back, Next and Finish itself
  BYTE m_bHideBackNext;      // HideWizardButtons may hide Back and Next
  DWORD m_dwWizardButtons;   // last flags given to SetWizardButtons
  CWizardData m_WizData;     // shared by every page set up through the sheet
  DWORD m_dwHostValue1;
  DWORD m_dwHostValue2;  // the wizard data keeps its address
  CString m_strJobName;  // name of the jobs the wizard creates
  CString m_strHost2;
  CString m_strHost3;
  CObArray m_arrHost;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 public:
  // Enter presses Next when the sheet manages its wizard buttons; a click on the frame
  // removes the tips of every descendant.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);

 protected:
  afx_msg LRESULT OnChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnUnChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct();
  void SetupPage(CPropertyPage* pPage, DWORD dwFlags);
};
