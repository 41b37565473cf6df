// Scene of the grid's cell tip: the mouse rests on a note too long for its column, and the tip
// shows the whole text over the cell.
#include "Gallery.h"

#include "grid/GfxListCtrl.h"

namespace {

const wchar_t* const kSteps[] = {L"Login", L"Search catalogue", L"Checkout", L"Order query"};
const wchar_t* const kNotes[] = {
    L"OK", L"Slow: the catalogue index was rebuilt while the search ran", L"OK", L"Retried twice"};

class CGridTipScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_frame.CreateList(m_list);
    m_list.InsertColumnEx(0, L"Step", LVCFMT_LEFT, 130, 0);
    m_list.InsertColumnEx(1, L"Notes", LVCFMT_LEFT, 150, 0);
    m_list.InsertColumnEx(2, L"Time (ms)", LVCFMT_RIGHT, 80, 0);
    m_list.OnInit();
    m_frame.SetRowTextSource([](DWORD_PTR dwData, int nColumn) {
      const int i = static_cast<int>(dwData - 1);
      CString s;
      if (nColumn == 0) s = kSteps[i];
      if (nColumn == 1) s = kNotes[i];
      if (nColumn == 2) s.Format(L"%d", 120 + i * 317);
      return s;
    });
    m_list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
    for (int i = 0; i < 4; ++i) m_list.InsertItemEx(i, static_cast<DWORD_PTR>(i + 1));
    m_list.SetFocus();
    // The mouse comes to rest on the long note.
    CRect rcCell;
    m_list.GetSubItemRect(1, 1, rcCell);
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcCell.CenterPoint().x, rcCell.CenterPoint().y));
  }
  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_list.m_wndTip}; }

 private:
  CSceneFrame m_frame;
  CGfxListCtrl m_list;
};

GallerySceneRegistration g_tip({L"grid-cell-tip", L"A cut cell text shown whole in the cell tip",
                                CSize(520, 130),
                                [] { return std::unique_ptr<CGalleryScene>(new CGridTipScene); }});

}  // namespace
