// CGfxFormatColumnDlg: edits the title, second label, width, alignment and value format of
// each shown column of a grid.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class CGfxColumnManager;

class TKWUI_API CGfxFormatColumnDlg : public CDialog {
  DECLARE_DYNAMIC(CGfxFormatColumnDlg)

 public:
  // Template and controls in the host's resource module.
  enum {
    IDD = 4117,
    IDC_SHOWN = 4126,
    IDC_FORMAT = 4132,
    IDC_LABEL = 4133,
    IDC_LABEL_DT = 4134,
    IDC_WIDTH = 4135,
    IDC_RIGHT = 4136,
    IDC_CENTER = 4137,
    IDC_LEFT = 4138,
    IDC_EDITOR = 4139,
  };

  explicit CGfxFormatColumnDlg(CWnd* pParent = NULL);
  ~CGfxFormatColumnDlg() override;

  // Shows definition nDefinition of the working manager in the fields.
  void SetColumn(int nDefinition);
  // Destroys the window, then the working copy: after OK it holds the grid's old
  // definitions, after Cancel the discarded edits.
  BOOL DestroyWindow() override;

  // The working manager. The caller sets it to the grid's manager before DoModal;
  // OnInitDialog replaces it by a copy, which the dialog owns.
  CGfxColumnManager* m_pColumnManager;
  CGfxColumnManager* m_pGridManager;  // the grid's manager, which OK hands the edits to
  CComboBox m_cbFormat;               // value format; item data = format flags
  CListBox m_lbColumns;               // shown columns; item data = definition position
  CString m_strLabel;                 // title (descr of an image column)
  CString m_strLabelDt;               // second label
  int m_nWidth;                       // width in average characters
  CString m_strEditor;                // name of the column's in-place editor, display only

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  afx_msg void OnSelchangeActcol();
  afx_msg void OnRdCenter();
  afx_msg void OnRdLeft();
  afx_msg void OnRdRight();
  afx_msg void OnKillfocusWidth();
  afx_msg void OnKillfocusLabelDt();
  afx_msg void OnKillfocusCdLabel();
  afx_msg void OnKillfocusCbFormat();
  DECLARE_MESSAGE_MAP()

 private:
  void SetAlign(int align);
  bool IsImageColumn() const;
  bool IsEnabled(int nID) const;
  // Reads the fields; false (the user has been told) when a value is refused.
  bool ReadFields();
  bool ApplyWidth();
  bool ApplyLabel();
  bool ApplyLabelDt();
  bool ApplyFormat();

  int m_nCharWidth;   // average character width of the dialog's font, pixels
  int m_nDefinition;  // definition shown in the fields, -1 none
  bool m_bReading;    // a validation message is up: focus changes must not read again
  bool m_bOwnsCopy;   // m_pColumnManager is the copy OnInitDialog made
};
