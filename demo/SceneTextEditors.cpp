// Scenes of the text cell editors: the text editor open over a Transaction cell with a longer
// name typed, and the numeric editor over a Think time cell.
#include "EditorGridScene.h"

namespace {

const int kEditedRow = 3;

// A grid of transactions with an editable name and a think time edited as a whole number.
class CTextEditorScene : public CEditorGridScene {
 public:
  explicit CTextEditorScene(bool bPercent) : m_bPercent(bPercent) {}

  void Build(CWnd* pParent, const CRect& rc) override {
    static const ValueColumn kColumns[2] = {{L"Think time (ms)", LVCFMT_RIGHT, 110, GFXCOL_PERCENT},
                                            {L"Weight", LVCFMT_RIGHT, 80, GFXCOL_NUMERIC}};
    const int nColumn = m_bPercent ? 1 : 0;
    BuildGrid(pParent, rc, kColumns, kEditedRow, nColumn);
    // Opened as the grid opens it; the editor deletes itself when the grid goes.
    CRichEditCtrl* pEditor = m_list.EditSubLabel(kEditedRow, nColumn, false);
    if (!pEditor) return;
    const wchar_t* typed = m_bPercent ? L"7" : L" and payment";
    pEditor->SetSel(-1, -1);
    for (const wchar_t* p = typed; *p; ++p) pEditor->SendMessage(WM_CHAR, *p, 1);
  }

 protected:
  CString ValueText(int nKind, int nColumn) const override {
    CString s;
    s.Format(L"%d", nColumn == 1 ? 250 + 1250 * nKind : 5 + 10 * nKind);
    return s;
  }

 private:
  bool m_bPercent;
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
