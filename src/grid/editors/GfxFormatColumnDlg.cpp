// CGfxFormatColumnDlg: per-column fields on template 4117, edited on a copy of the manager.
#include "grid/editors/GfxFormatColumnDlg.h"

#include "grid/GfxColumnManager.h"
#include "grid/editors/logic/ColumnDialogRules.h"

#include <commctrl.h>

using namespace tkw::coldlg;

IMPLEMENT_DYNAMIC(CGfxFormatColumnDlg, CDialog)

BEGIN_MESSAGE_MAP(CGfxFormatColumnDlg, CDialog)
  ON_LBN_SELCHANGE(IDC_SHOWN, OnSelchangeActcol)
  ON_BN_CLICKED(IDC_CENTER, OnRdCenter)
  ON_BN_CLICKED(IDC_LEFT, OnRdLeft)
  ON_BN_CLICKED(IDC_RIGHT, OnRdRight)
  ON_EN_KILLFOCUS(IDC_WIDTH, OnKillfocusWidth)
  ON_EN_KILLFOCUS(IDC_LABEL_DT, OnKillfocusLabelDt)
  ON_EN_KILLFOCUS(IDC_LABEL, OnKillfocusCdLabel)
  ON_CBN_KILLFOCUS(IDC_FORMAT, OnKillfocusCbFormat)
END_MESSAGE_MAP()

CGfxFormatColumnDlg::CGfxFormatColumnDlg(CWnd* pParent)
    : CDialog(IDD, pParent),
      m_pColumnManager(NULL),
      m_pGridManager(NULL),
      m_nWidth(0),
      m_nCharWidth(1),
      m_nDefinition(-1),
      m_bReading(false),
      m_bOwnsCopy(false) {}

CGfxFormatColumnDlg::~CGfxFormatColumnDlg() {
  // A modeless dialog destroyed with its object still holds its copy.
  if (m_bOwnsCopy) delete m_pColumnManager;
}

void CGfxFormatColumnDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FORMAT, m_cbFormat);
  DDX_Control(pDX, IDC_SHOWN, m_lbColumns);
  DDX_Text(pDX, IDC_LABEL, m_strLabel);
  DDX_Text(pDX, IDC_LABEL_DT, m_strLabelDt);
  DDX_Text(pDX, IDC_WIDTH, m_nWidth);
  // A disabled field shows a width the user cannot change: nothing to refuse.
  if (IsEnabled(IDC_WIDTH)) DDV_MinMaxInt(pDX, m_nWidth, 0, kMaxWidthChars);
  DDX_Text(pDX, IDC_EDITOR, m_strEditor);
}

BOOL CGfxFormatColumnDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Edits go to a copy; the grid's manager sees them only on OK.
  m_pGridManager = m_pColumnManager;
  m_pColumnManager = new CGfxColumnManager(m_pGridManager);
  m_bOwnsCopy = true;

  {
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetFont());
    m_nCharWidth = AverageCharWidth(dc.GetTextExtent(kWidthSample).cx);
    dc.SelectObject(pOldFont);
  }

  for (int id : m_pColumnManager->GetDefaultColumns()) {
    const int position = m_pColumnManager->FindColumnById(id);
    if (position < 0) continue;
    const wchar_t* title = m_pColumnManager->GetColumn(position)->GetDisplayTitle();
    if (!title || !*title) continue;
    const int index = m_lbColumns.AddString(title);
    if (index >= 0) m_lbColumns.SetItemData(index, static_cast<DWORD_PTR>(position));
  }
  if (m_lbColumns.GetCount() > 0) {
    m_lbColumns.SetCurSel(0);
    SetColumn(static_cast<int>(m_lbColumns.GetItemData(0)));
  } else {
    // No column to format: every field stays empty and disabled.
    SetColumn(-1);
  }
  return TRUE;
}

void CGfxFormatColumnDlg::SetColumn(int nDefinition) {
  ASSERT(::IsWindow(m_hWnd));
  const CGfxColumnManager::CGfxColumn* column =
      m_pColumnManager ? m_pColumnManager->GetColumn(nDefinition) : NULL;
  m_nDefinition = column ? nDefinition : -1;
  m_strEditor.Empty();
  CheckDlgButton(IDC_LEFT, BST_UNCHECKED);
  CheckDlgButton(IDC_CENTER, BST_UNCHECKED);
  CheckDlgButton(IDC_RIGHT, BST_UNCHECKED);
  m_cbFormat.ResetContent();
  const bool image = column && column->HasFlag(GFXCOL_IMAGE);
  m_nWidth = column ? WidthInChars(column->GetWidth(), m_nCharWidth) : 0;
  if (column) {
    for (const FormatChoice& choice : GetFormatChoices(image)) {
      const int index = m_cbFormat.AddString(choice.name);
      if (index >= 0) m_cbFormat.SetItemData(index, choice.flags);
    }
  }
  if (!column) {
    m_strLabel.Empty();
    m_strLabelDt.Empty();
  } else if (image) {
    const wchar_t* descr = column->GetDescr();
    const wchar_t* text = column->GetText();
    m_strLabel = descr ? descr : (text ? text : L"");
    m_strLabelDt.Empty();
    m_cbFormat.SetCurSel(0);
    CheckDlgButton(IDC_CENTER, BST_CHECKED);
  } else {
    m_strLabel = column->GetText() ? column->GetText() : L"";
    m_strLabelDt = column->GetTextDt() ? column->GetTextDt() : L"";
    m_cbFormat.SetCurSel(GetFormatIndex(column->GetFlags()));
    m_strEditor = GetEditorName(column->GetFlags());
    const int align = column->GetAlign();
    CheckDlgButton(align == LVCFMT_RIGHT    ? IDC_RIGHT
                   : align == LVCFMT_CENTER ? IDC_CENTER
                                            : IDC_LEFT,
                   BST_CHECKED);
  }
  const bool editable = column && !image;
  GetDlgItem(IDC_LABEL)->EnableWindow(column != NULL);
  GetDlgItem(IDC_LABEL_DT)->EnableWindow(editable);
  GetDlgItem(IDC_FORMAT)->EnableWindow(column != NULL);
  GetDlgItem(IDC_WIDTH)->EnableWindow(editable);
  GetDlgItem(IDC_LEFT)->EnableWindow(editable);
  GetDlgItem(IDC_CENTER)->EnableWindow(editable);
  GetDlgItem(IDC_RIGHT)->EnableWindow(editable);
  UpdateData(FALSE);
}

bool CGfxFormatColumnDlg::IsEnabled(int nID) const {
  const CWnd* pControl = GetDlgItem(nID);
  return pControl && pControl->IsWindowEnabled();
}

bool CGfxFormatColumnDlg::IsImageColumn() const {
  const CGfxColumnManager::CGfxColumn* column =
      m_pColumnManager ? m_pColumnManager->GetColumn(m_nDefinition) : NULL;
  return column && column->HasFlag(GFXCOL_IMAGE);
}

bool CGfxFormatColumnDlg::ReadFields() {
  if (m_bReading) return false;
  m_bReading = true;
  const bool ok = UpdateData(TRUE) != FALSE;
  m_bReading = false;
  return ok;
}

void CGfxFormatColumnDlg::OnSelchangeActcol() {
  const int index = m_lbColumns.GetCurSel();
  if (index >= 0) SetColumn(static_cast<int>(m_lbColumns.GetItemData(index)));
}

void CGfxFormatColumnDlg::SetAlign(int align) {
  if (CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumn(m_nDefinition))
    column->SetAlign(align);
}

void CGfxFormatColumnDlg::OnRdCenter() {
  SetAlign(LVCFMT_CENTER);
}

void CGfxFormatColumnDlg::OnRdLeft() {
  SetAlign(LVCFMT_LEFT);
}

void CGfxFormatColumnDlg::OnRdRight() {
  SetAlign(LVCFMT_RIGHT);
}

bool CGfxFormatColumnDlg::ApplyWidth() {
  CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumn(m_nDefinition);
  if (!column || !IsEnabled(IDC_WIDTH)) return true;
  if (!ReadFields()) return false;
  column->SetWidth(WidthInPixels(m_nWidth, m_nCharWidth));
  return true;
}

bool CGfxFormatColumnDlg::ApplyLabel() {
  CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumn(m_nDefinition);
  if (!column || !IsEnabled(IDC_LABEL)) return true;
  if (!ReadFields()) return false;
  // An empty label would leave the column without a title: it is not stored.
  if (m_strLabel.IsEmpty()) return true;
  if (column->HasFlag(GFXCOL_IMAGE))
    column->SetDescr(m_strLabel);
  else
    column->SetText(m_strLabel);
  const int index = m_lbColumns.GetCurSel();
  if (index >= 0) {
    const DWORD_PTR data = m_lbColumns.GetItemData(index);
    m_lbColumns.DeleteString(static_cast<UINT>(index));
    const int inserted = m_lbColumns.InsertString(index, m_strLabel);
    if (inserted >= 0) {
      m_lbColumns.SetItemData(inserted, data);
      m_lbColumns.SetCurSel(inserted);
    }
  }
  return true;
}

bool CGfxFormatColumnDlg::ApplyLabelDt() {
  CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumn(m_nDefinition);
  if (!column || !IsEnabled(IDC_LABEL_DT)) return true;
  if (!ReadFields()) return false;
  if (!m_strLabelDt.IsEmpty()) column->SetTextDt(m_strLabelDt);
  return true;
}

bool CGfxFormatColumnDlg::ApplyFormat() {
  CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumn(m_nDefinition);
  if (!column || column->HasFlag(GFXCOL_IMAGE) || !IsEnabled(IDC_FORMAT)) return true;
  if (!ReadFields()) return false;
  const int index = m_cbFormat.GetCurSel();
  if (index >= 0) {
    column->SetFlags(tkw::coldlg::ApplyFormat(
        column->GetFlags(), static_cast<std::uint32_t>(m_cbFormat.GetItemData(index))));
  }
  return true;
}

void CGfxFormatColumnDlg::OnKillfocusWidth() {
  ApplyWidth();
}

void CGfxFormatColumnDlg::OnKillfocusLabelDt() {
  ApplyLabelDt();
}

void CGfxFormatColumnDlg::OnKillfocusCdLabel() {
  ApplyLabel();
}

void CGfxFormatColumnDlg::OnKillfocusCbFormat() {
  ApplyFormat();
}

void CGfxFormatColumnDlg::OnOK() {
  // Enter closes the dialog without the focused field being left: take its value as well.
  if (!ApplyWidth() || !ApplyLabel() || !ApplyLabelDt() || !ApplyFormat()) return;
  if (m_bOwnsCopy && m_pGridManager) m_pColumnManager->SwapDefinitions(*m_pGridManager);
  EndDialog(IDOK);
}

BOOL CGfxFormatColumnDlg::DestroyWindow() {
  const BOOL bDestroyed = CDialog::DestroyWindow();
  if (m_bOwnsCopy) {
    delete m_pColumnManager;
    m_pColumnManager = m_pGridManager;
    m_bOwnsCopy = false;
  }
  return bDestroyed;
}
