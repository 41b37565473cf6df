// CGfxCustomizeColumnDlg: chooses which columns of a grid are shown and in which order.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class CGfxColumnManager;

class TKWUI_API CGfxCustomizeColumnDlg : public CDialog {
  DECLARE_DYNAMIC(CGfxCustomizeColumnDlg)

 public:
  // Template and controls in the host's resource module.
  enum {
    IDD = 4116,
    IDC_ADD = 251,
    IDC_REMOVE = 591,
    IDC_SHOWN = 4126,
    IDC_MOVE_UP = 4129,
    IDC_MOVE_DOWN = 4130,
    IDC_AVAILABLE = 4131,
  };
  // String shown when OK is pressed with no shown column.
  enum { IDS_NO_SHOWN_COLUMNS = 536 };

  explicit CGfxCustomizeColumnDlg(CWnd* pParent = NULL);

  // The manager whose default column list is edited; set before DoModal, not owned. Only
  // OK changes it.
  CGfxColumnManager* m_pColumnManager;
  CListBox m_lbAvailable;  // columns not shown; item data = column id
  CListBox m_lbShown;      // shown columns in display order; item data = column id

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  afx_msg void OnAdd();
  afx_msg void OnRemove();
  afx_msg void OnMoveDown();
  afx_msg void OnMoveUp();
  afx_msg void OnSelchangeAvailable();
  afx_msg void OnSelchangeShown();
  DECLARE_MESSAGE_MAP()

 private:
  // Moves the selected entries of from to the end of to, the last selected first.
  static void Transfer(CListBox& from, CListBox& to);
  void MoveShown(bool bDown);
  void UpdateButtons();
};
