// Scenes of the combo cell editors: the grid's in-place list dropped down over a Status cell,
// and the composite combo with its list part open over a cell.
#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"
#include "grid/editors/GfxInCombo.h"
#include "grid/editors/InPlaceCombo.h"

namespace {

const wchar_t* const kTransactions[] = {L"Login",           L"Search catalogue", L"Add to basket",
                                        L"Checkout",        L"Order query",      L"Stock update",
                                        L"Publish invoice", L"Archive report"};
const wchar_t* const kStatus[] = {L"Passed", L"Passed", L"Warning", L"Failed",
                                  L"Passed", L"Passed", L"Passed",  L"Skipped"};
const wchar_t* const kChoices[] = {L"Passed", L"Warning", L"Failed", L"Skipped", L"Disabled"};
const int kEditedRow = 2;

// A grid of transactions whose Status column picks its value from a list.
class CComboGridScene : public CGalleryScene {
 public:
  CWnd* GetShotWindow() override { return &m_frame; }

 protected:
  void BuildGrid(CWnd* pParent, const CRect& rc) {
    m_frame.Create(pParent, rc);
    CRect rcList(CPoint(0, 0), rc.Size());
    rcList.DeflateRect(8, 8);
    m_list.Create(
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
        rcList, &m_frame, 100);
    m_list.CreateColumnManager();
    CGfxColumnManager* pModel = m_list.GetColumnManager();
    pModel->DefineColumn(0, L"Transaction", nullptr, LVCFMT_LEFT, 150, GFXCOL_EDIT, -1, nullptr);
    pModel->DefineColumn(1, L"Status", nullptr, LVCFMT_LEFT, 110, GFXCOL_DROPLIST, -1, nullptr);
    pModel->DefineColumn(2, L"Think time (ms)", nullptr, LVCFMT_RIGHT, 110, GFXCOL_NUMERIC, -1,
                         nullptr);
    const int shown[] = {0, 1, 2};
    pModel->DefineDefaultColumns(3, shown);
    m_list.OnInit();
    m_list.SetupColumnData();
    m_frame.SetRowTextSource([this](DWORD_PTR dwData, int nColumn) {
      const int k = int(dwData - 1) % 8;
      CString s;
      switch (m_list.GetColumnIndex(nColumn)) {
        case 0: s = kTransactions[k]; break;
        case 1: s = kStatus[k]; break;
        case 2: s.Format(L"%d", 250 + 125 * k); break;
      }
      return s;
    });
    m_list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
    for (int i = 0; i < 12; ++i) m_list.InsertItemEx(i, DWORD_PTR(i + 1));
    m_list.SetItemState(kEditedRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetFocusColumn(1);
  }

  CRect EditedCell() {
    CRect rc;
    m_list.GetSubItemRect(kEditedRow, 1, rc);
    return rc;
  }

  CSceneFrame m_frame;
  CGfxListCtrl m_list;
};

// The grid's in-place list over the Status cell, dropped down with the cell's value chosen.
class CInPlaceListScene : public CComboGridScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    BuildGrid(pParent, rc);
    CStringArray choices;
    for (const wchar_t* s : kChoices) choices.Add(s);
    // As the grid places it: the cell, extended by room for the drop-down.
    CRect rcCombo = EditedCell();
    rcCombo.bottom += 14 * rcCombo.Height();
    CInPlaceCombo* pCombo = CInPlaceCombo::GetInstance();
    pCombo->ShowForCell(0x508000C3, rcCombo, &m_list, 0, kEditedRow, 1, choices,
                        kStatus[kEditedRow], -1);
    pCombo->SelectString(-1, kStatus[kEditedRow]);
    pCombo->ShowDropDown(TRUE);
  }

  std::vector<CWnd*> GetPopups() override {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    CInPlaceCombo* pCombo = CInPlaceCombo::GetInstance();
    if (!::IsWindow(pCombo->m_hWnd) || !::GetComboBoxInfo(pCombo->m_hWnd, &info)) return {};
    return {CWnd::FromHandle(info.hwndList)};
  }
};

// The composite combo typed into over the Status cell, its list part open below it.
class CInComboScene : public CComboGridScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    BuildGrid(pParent, rc);
    CStringArray* pChoices = new CStringArray;
    for (const wchar_t* s : kChoices) pChoices->Add(s);
    CRect rcCell = EditedCell();
    rcCell.DeflateRect(1, 1);
    // The object deletes itself with its window, when the grid goes.
    CGfxInCombo* pCombo =
        new CGfxInCombo(kEditedRow, 1, kStatus[kEditedRow], pChoices, true, false);
    pCombo->m_hFont = reinterpret_cast<HFONT>(m_list.SendMessage(WM_GETFONT));
    pCombo->Create(WS_VISIBLE, rcCell, &m_list, 300);
    CRect rcClient;
    pCombo->GetClientRect(&rcClient);
    pCombo->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                        MAKELPARAM(rcClient.right - 2, rcClient.Height() / 2));
  }
};

GallerySceneRegistration g_inPlaceList({L"grid-inplace-list",
                                        L"Grid: the in-place list dropped down over a cell",
                                        CSize(420, 300),
                                        [] { return std::make_unique<CInPlaceListScene>(); }});
GallerySceneRegistration g_inCombo({L"grid-combo-editor",
                                    L"Grid: the combo cell editor with its list part open",
                                    CSize(420, 300),
                                    [] { return std::make_unique<CInComboScene>(); }});

}  // namespace
