// Scenes of the grid's column dialogs on a sample results grid: choosing the shown columns
// with two of them selected, and formatting a numeric column with an editor.
#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/editors/GfxCustomizeColumnDlg.h"
#include "grid/editors/GfxFormatColumnDlg.h"

namespace {

// The columns of a transaction results grid; three of them shown.
void DefineResultColumns(CGfxColumnManager& m) {
  m.DefineColumn(0, L"Transaction", L"Step", LVCFMT_LEFT, 160, GFXCOL_EDIT, -1, nullptr);
  m.DefineColumn(1, L"Elapsed (ms)", L"Response time", LVCFMT_RIGHT, 90,
                 GFXCOL_NUMERIC | GFXCOL_DROPDOWN | GFXCOL_SORTABLE, -1, nullptr);
  m.DefineColumn(2, nullptr, nullptr, LVCFMT_CENTER, 24, GFXCOL_IMAGE, 0, L"Outcome");
  m.DefineColumn(3, L"Cost", nullptr, LVCFMT_RIGHT, 70, GFXCOL_VALUTE, -1, nullptr);
  m.DefineColumn(4, L"Server", nullptr, LVCFMT_LEFT, 120, GFXCOL_DROPLIST, -1, nullptr);
  m.DefineColumn(5, L"Virtual user", nullptr, LVCFMT_LEFT, 80, 0, -1, nullptr);
  m.DefineColumn(6, L"Started at", nullptr, LVCFMT_LEFT, 110, 0, -1, nullptr);
  const int shown[] = {0, 2, 1};
  m.DefineDefaultColumns(3, shown);
}

// Shows a dialog modeless at the frame's corner, the way DoModal would show it.
template <class Dialog>
void ShowDialog(Dialog& dlg, CWnd* pFrame) {
  dlg.Create(Dialog::IDD, pFrame);
  CPoint at(12, 12);
  pFrame->ClientToScreen(&at);
  dlg.SetWindowPos(NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  dlg.ShowWindow(SW_SHOW);
}

class CCustomizeColumnsScene : public CGalleryScene {
 public:
  ~CCustomizeColumnsScene() override {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    DefineResultColumns(m_manager);
    m_dlg.m_pColumnManager = &m_manager;
    ShowDialog(m_dlg, &m_frame);
    // Two hidden columns picked, ready to be added.
    m_dlg.m_lbAvailable.SetSel(0, TRUE);
    m_dlg.m_lbAvailable.SetSel(2, TRUE);
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxCustomizeColumnDlg::IDC_AVAILABLE, LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(m_dlg.m_lbAvailable.GetSafeHwnd()));
    m_dlg.m_lbShown.SetSel(1, TRUE);
    m_dlg.m_lbShown.SetCaretIndex(1);
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxCustomizeColumnDlg::IDC_SHOWN, LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(m_dlg.m_lbShown.GetSafeHwnd()));
  }
  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_dlg}; }

 private:
  CSceneFrame m_frame;
  CGfxColumnManager m_manager;
  CGfxCustomizeColumnDlg m_dlg;
};

class CFormatColumnScene : public CGalleryScene {
 public:
  ~CFormatColumnScene() override {
    // The dialog's own DestroyWindow also frees its working copy of the manager.
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    DefineResultColumns(m_manager);
    m_dlg.m_pColumnManager = &m_manager;
    ShowDialog(m_dlg, &m_frame);
    m_dlg.m_lbColumns.SetCurSel(2);
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxFormatColumnDlg::IDC_SHOWN, LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(m_dlg.m_lbColumns.GetSafeHwnd()));
  }
  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_dlg}; }

 private:
  CSceneFrame m_frame;
  CGfxColumnManager m_manager;
  CGfxFormatColumnDlg m_dlg;
};

GallerySceneRegistration g_customize(
    {L"grid-customize-columns", L"Customize Columns dialog", CSize(590, 370),
     [] { return std::unique_ptr<CGalleryScene>(new CCustomizeColumnsScene); }});
GallerySceneRegistration g_format({L"grid-column-format", L"Column Format dialog", CSize(550, 370),
                                   [] {
                                     return std::unique_ptr<CGalleryScene>(new CFormatColumnScene);
                                   }});

}  // namespace
