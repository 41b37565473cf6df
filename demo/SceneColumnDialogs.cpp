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

// A column dialog over the sample columns, shown modeless at the frame's corner the way DoModal
// would show it; Pick then selects what the shot shows.
template <class Dialog>
class CColumnDialogScene : public CGalleryScene {
 public:
  ~CColumnDialogScene() override {
    // The format dialog's own DestroyWindow also frees its working copy of the manager.
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    DefineResultColumns(m_manager);
    m_dlg.m_pColumnManager = &m_manager;
    m_dlg.Create(Dialog::IDD, &m_frame);
    CPoint at(12, 12);
    m_frame.ClientToScreen(&at);
    m_dlg.SetWindowPos(NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_dlg.ShowWindow(SW_SHOW);
    Pick();
  }
  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_dlg}; }

 protected:
  virtual void Pick() = 0;
  // Tells the dialog that the selection of its list box nId changed, as a click would.
  void SelectionChanged(int nId, const CListBox& list) {
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nId, LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(list.GetSafeHwnd()));
  }

  CSceneFrame m_frame;
  CGfxColumnManager m_manager;
  Dialog m_dlg;
};

class CCustomizeColumnsScene : public CColumnDialogScene<CGfxCustomizeColumnDlg> {
  void Pick() override {
    // Two hidden columns picked, ready to be added.
    m_dlg.m_lbAvailable.SetSel(0, TRUE);
    m_dlg.m_lbAvailable.SetSel(2, TRUE);
    SelectionChanged(CGfxCustomizeColumnDlg::IDC_AVAILABLE, m_dlg.m_lbAvailable);
    m_dlg.m_lbShown.SetSel(1, TRUE);
    m_dlg.m_lbShown.SetCaretIndex(1);
    SelectionChanged(CGfxCustomizeColumnDlg::IDC_SHOWN, m_dlg.m_lbShown);
  }
};

class CFormatColumnScene : public CColumnDialogScene<CGfxFormatColumnDlg> {
  void Pick() override {
    m_dlg.m_lbColumns.SetCurSel(2);
    SelectionChanged(CGfxFormatColumnDlg::IDC_SHOWN, m_dlg.m_lbColumns);
  }
};

GallerySceneRegistration g_customize(
    {L"grid-customize-columns", L"Customize Columns dialog", CSize(590, 370),
     [] { return std::unique_ptr<CGalleryScene>(new CCustomizeColumnsScene); }});
GallerySceneRegistration g_format({L"grid-column-format", L"Column Format dialog", CSize(550, 370),
                                   [] {
                                     return std::unique_ptr<CGalleryScene>(new CFormatColumnScene);
                                   }});

}  // namespace
