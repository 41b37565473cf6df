// Scenes of the text cell editors: the text editor open over a Transaction cell with a longer
// name typed, and the numeric editor over a Think time cell.
#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"

namespace {

const wchar_t* const kTransactions[] = {L"Login",           L"Search catalogue", L"Add to basket",
                                        L"Checkout",        L"Order query",      L"Stock update",
                                        L"Publish invoice", L"Archive report"};
const int kEditedRow = 3;

// A grid of transactions with an editable name and a think time edited as a whole number.
class CTextEditorScene : public CGalleryScene {
 public:
  explicit CTextEditorScene(bool bPercent) : m_bPercent(bPercent) {}
  CWnd* GetShotWindow() override { return &m_frame; }

  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    CRect rcList(CPoint(0, 0), rc.Size());
    rcList.DeflateRect(8, 8);
    m_list.Create(
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
        rcList, &m_frame, 100);
    m_list.CreateColumnManager();
    CGfxColumnManager* pModel = m_list.GetColumnManager();
    pModel->DefineColumn(0, L"Transaction", nullptr, LVCFMT_LEFT, 150, GFXCOL_EDIT, -1, nullptr);
    pModel->DefineColumn(1, L"Think time (ms)", nullptr, LVCFMT_RIGHT, 110, GFXCOL_PERCENT, -1,
                         nullptr);
    pModel->DefineColumn(2, L"Weight", nullptr, LVCFMT_RIGHT, 80, GFXCOL_NUMERIC, -1, nullptr);
    const int shown[] = {0, 1, 2};
    pModel->DefineDefaultColumns(3, shown);
    m_list.OnInit();
    m_list.SetupColumnData();
    m_frame.SetRowTextSource([this](DWORD_PTR dwData, int nColumn) {
      const int k = int(dwData - 1) % 8;
      CString s;
      switch (m_list.GetColumnIndex(nColumn)) {
        case 0: s = kTransactions[k]; break;
        case 1: s.Format(L"%d", 250 + 1250 * k); break;
        case 2: s.Format(L"%d", 5 + 10 * k); break;
      }
      return s;
    });
    m_list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
    for (int i = 0; i < 12; ++i) m_list.InsertItemEx(i, DWORD_PTR(i + 1));
    m_list.SetItemState(kEditedRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const int nColumn = m_bPercent ? 1 : 0;
    m_list.SetFocusColumn(nColumn);
    // Opened as the grid opens it; the editor deletes itself when the grid goes.
    CRichEditCtrl* pEditor = m_list.EditSubLabel(kEditedRow, nColumn, false);
    if (!pEditor) return;
    const wchar_t* typed = m_bPercent ? L"7" : L" and payment";
    pEditor->SetSel(-1, -1);
    for (const wchar_t* p = typed; *p; ++p) pEditor->SendMessage(WM_CHAR, *p, 1);
  }

 private:
  bool m_bPercent;
  CSceneFrame m_frame;
  CGfxListCtrl m_list;
};

GallerySceneRegistration g_textEditor({L"grid-text-editor",
                                       L"Grid: the text editor over a cell, widened by its text",
                                       CSize(420, 260),
                                       [] { return std::make_unique<CTextEditorScene>(false); }});
GallerySceneRegistration g_percentEditor({L"grid-percent-editor",
                                          L"Grid: the numeric editor over a whole-number cell",
                                          CSize(420, 260),
                                          [] { return std::make_unique<CTextEditorScene>(true); }});

}  // namespace
