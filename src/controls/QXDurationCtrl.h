// CQXDurationCtrl: the duration control, hosted as an ActiveX control and driven through its
// dispatch interface.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class TKWUI_API CQXDurationCtrl : public CWnd {
  DECLARE_DYNCREATE(CQXDurationCtrl)

 public:
  static CLSID const& GetClsid();

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
  BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
              CFile* pPersist = nullptr, BOOL bStorage = FALSE, BSTR bstrLicKey = nullptr);

  long Get_TotalSeconds();
  void Set_TotalSeconds(long nNewValue);
  BOOL GetSpinButton();
  void SetSpinButton(BOOL bNewValue);
  CString GetDaysLabel();
  void SetDaysLabel(LPCTSTR lpszNewValue);
  CString GetHoursLabel();
  void SetHoursLabel(LPCTSTR lpszNewValue);
  CString GetMinutesLabel();
  void SetMinutesLabel(LPCTSTR lpszNewValue);
  CString GetSecondsLabel();
  void SetSecondsLabel(LPCTSTR lpszNewValue);
  BOOL GetShowDays();
  void SetShowDays(BOOL bNewValue);
  BOOL GetShowHoursMinutes();
  void SetShowHoursMinutes(BOOL bNewValue);
  long GetTotalSeconds();
  void SetTotalSeconds(long nNewValue);
  BOOL GetEnabled();
  void SetEnabled(BOOL bNewValue);
  void SizeToContent();
  void AboutBox();
};
