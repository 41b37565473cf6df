// CGfxCustomizeColumnDlg: two lists of columns on template 4116; OK stores the shown order.
#include "grid/editors/GfxCustomizeColumnDlg.h"

#include "grid/GfxColumnManager.h"
#include "grid/editors/logic/ColumnDialogRules.h"

#include <QXHostWindows.h>

#include <vector>

using namespace tkw::coldlg;

IMPLEMENT_DYNAMIC(CGfxCustomizeColumnDlg, CDialog)

BEGIN_MESSAGE_MAP(CGfxCustomizeColumnDlg, CDialog)
  ON_BN_CLICKED(IDC_ADD, OnAdd)
  ON_BN_CLICKED(IDC_REMOVE, OnRemove)
  ON_BN_CLICKED(IDC_MOVE_DOWN, OnMoveDown)
  ON_BN_CLICKED(IDC_MOVE_UP, OnMoveUp)
  ON_LBN_SELCHANGE(IDC_AVAILABLE, OnSelchangeAvailable)
  ON_LBN_SELCHANGE(IDC_SHOWN, OnSelchangeShown)
  ON_LBN_DBLCLK(IDC_AVAILABLE, OnAdd)
  ON_LBN_DBLCLK(IDC_SHOWN, OnRemove)
END_MESSAGE_MAP()

namespace {

std::vector<int> SelectedIndices(const CListBox& list) {
  const int count = list.GetSelCount();
  std::vector<int> selected(count > 0 ? static_cast<size_t>(count) : 0);
  if (count > 0) list.GetSelItems(count, selected.data());
  return selected;
}

void AddColumn(CListBox& list, const CGfxColumnManager::CGfxColumn& column) {
  const wchar_t* title = column.GetDisplayTitle();
  if (!title || !*title) return;  // a column without a title cannot be told apart
  const int index = list.AddString(title);
  if (index >= 0) list.SetItemData(index, static_cast<DWORD_PTR>(column.GetId()));
}

}  // namespace

CGfxCustomizeColumnDlg::CGfxCustomizeColumnDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_pColumnManager(NULL) {}

void CGfxCustomizeColumnDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_AVAILABLE, m_lbAvailable);
  DDX_Control(pDX, IDC_SHOWN, m_lbShown);
}

BOOL CGfxCustomizeColumnDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pColumnManager) {
    for (int i = 0; i < m_pColumnManager->GetColumnCount(); ++i) {
      const CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumn(i);
      if (!m_pColumnManager->IsDefColumn(column->GetId())) AddColumn(m_lbAvailable, *column);
    }
    for (int id : m_pColumnManager->GetDefaultColumns()) {
      if (const CGfxColumnManager::CGfxColumn* column = m_pColumnManager->GetColumnById(id))
        AddColumn(m_lbShown, *column);
    }
  }
  // Nothing to store until the user changes something.
  GetDlgItem(IDOK)->EnableWindow(FALSE);
  UpdateButtons();
  return TRUE;
}

void CGfxCustomizeColumnDlg::Transfer(CListBox& from, CListBox& to) {
  for (int index : TransferOrder(SelectedIndices(from))) {
    CString title;
    from.GetText(index, title);
    const DWORD_PTR id = from.GetItemData(index);
    from.DeleteString(static_cast<UINT>(index));
    const int added = to.AddString(title);
    if (added >= 0) to.SetItemData(added, id);
  }
}

void CGfxCustomizeColumnDlg::OnAdd() {
  if (m_lbAvailable.GetSelCount() <= 0) return;
  Transfer(m_lbAvailable, m_lbShown);
  GetDlgItem(IDOK)->EnableWindow(TRUE);
  UpdateButtons();
}

void CGfxCustomizeColumnDlg::OnRemove() {
  if (m_lbShown.GetSelCount() <= 0) return;
  Transfer(m_lbShown, m_lbAvailable);
  GetDlgItem(IDOK)->EnableWindow(TRUE);
  UpdateButtons();
}

void CGfxCustomizeColumnDlg::MoveShown(bool bDown) {
  if (m_lbShown.GetSelCount() != 1) return;
  const int from = m_lbShown.GetCaretIndex();
  const int to = MoveTarget(m_lbShown.GetCount(), from, bDown);
  if (to < 0) return;
  CString title;
  m_lbShown.GetText(from, title);
  const DWORD_PTR id = m_lbShown.GetItemData(from);
  m_lbShown.DeleteString(static_cast<UINT>(from));
  const int inserted = m_lbShown.InsertString(to, title);
  if (inserted >= 0) {
    m_lbShown.SetItemData(inserted, id);
    m_lbShown.SetSel(inserted, TRUE);
    m_lbShown.SetCaretIndex(inserted);
  }
  GetDlgItem(IDOK)->EnableWindow(TRUE);
  UpdateButtons();
}

void CGfxCustomizeColumnDlg::OnMoveDown() {
  MoveShown(true);
}

void CGfxCustomizeColumnDlg::OnMoveUp() {
  MoveShown(false);
}

void CGfxCustomizeColumnDlg::OnSelchangeAvailable() {
  UpdateButtons();
}

void CGfxCustomizeColumnDlg::OnSelchangeShown() {
  UpdateButtons();
}

void CGfxCustomizeColumnDlg::UpdateButtons() {
  const CustomizeButtons b =
      GetCustomizeButtons(m_lbAvailable.GetCount(), m_lbAvailable.GetSelCount(),
                          m_lbShown.GetSelCount(), m_lbShown.GetCount(), m_lbShown.GetCaretIndex());
  GetDlgItem(IDC_ADD)->EnableWindow(b.add);
  GetDlgItem(IDC_REMOVE)->EnableWindow(b.remove);
  GetDlgItem(IDC_MOVE_UP)->EnableWindow(b.moveUp);
  GetDlgItem(IDC_MOVE_DOWN)->EnableWindow(b.moveDown);
}

void CGfxCustomizeColumnDlg::OnOK() {
  std::vector<int> shown;
  for (int i = 0; i < m_lbShown.GetCount(); ++i)
    shown.push_back(static_cast<int>(m_lbShown.GetItemData(i)));
  if (shown.empty()) {
    CString message;
    message.LoadString(IDS_NO_SHOWN_COLUMNS);
    ZRWMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (m_pColumnManager) {
    const std::vector<int> ids = ShownColumnsForOk(shown);
    m_pColumnManager->DefineDefaultColumns(static_cast<int>(ids.size()), ids.data());
  }
  CDialog::OnOK();
}
