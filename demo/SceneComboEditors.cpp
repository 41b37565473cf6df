// Scenes of the combo cell editors: the grid's in-place list dropped down over a Status cell,
// and the composite combo with its list part open over a cell.
#include "EditorGridScene.h"
#include "grid/editors/GfxInCombo.h"
#include "grid/editors/InPlaceCombo.h"

namespace {

const wchar_t* const kStatus[] = {L"Passed", L"Passed", L"Warning", L"Failed",
                                  L"Passed", L"Passed", L"Passed",  L"Skipped"};
const wchar_t* const kChoices[] = {L"Passed", L"Warning", L"Failed", L"Skipped", L"Disabled"};
const int kEditedRow = 2;

// A grid of transactions whose Status column picks its value from a list.
class CComboGridScene : public CEditorGridScene {
 protected:
  CString ValueText(int nKind, int nColumn) const override {
    CString s;
    if (nColumn == 1) s = kStatus[nKind];
    if (nColumn == 2) s.Format(L"%d", 250 + 125 * nKind);
    return s;
  }

  void BuildStatusGrid(CWnd* pParent, const CRect& rc) {
    static const ValueColumn kColumns[2] = {
        {L"Status", LVCFMT_LEFT, 110, GFXCOL_DROPLIST},
        {L"Think time (ms)", LVCFMT_RIGHT, 110, GFXCOL_NUMERIC}};
    BuildGrid(pParent, rc, kColumns, kEditedRow, 1);
  }

  CRect EditedCell() {
    CRect rc;
    m_list.GetSubItemRect(kEditedRow, 1, rc);
    return rc;
  }
};

// The grid's in-place list over the Status cell, dropped down with the cell's value chosen.
class CInPlaceListScene : public CComboGridScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    BuildStatusGrid(pParent, rc);
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
    BuildStatusGrid(pParent, rc);
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
