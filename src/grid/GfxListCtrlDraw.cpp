// CGfxListCtrl: painting rows, category rows, the background picture and short texts.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

void CGfxListCtrl::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/) {}
void CGfxListCtrl::DrawItemCategory(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/) {}
void CGfxListCtrl::DrawWatermark(int /*nItem*/, CRect& /*rcRow*/, CDC* /*pDC*/) {}
BOOL CGfxListCtrl::SetBkImage(LPCTSTR /*lpszResourceName*/) { return FALSE; }
BOOL CGfxListCtrl::SetBkImage(UINT /*nBitmapId*/) { return FALSE; }
void CGfxListCtrl::SetBackgroundImage(LPCTSTR /*lpszUrl*/, int nMode, int, int) { m_nBackgroundMode = nMode; }
LPCTSTR CGfxListCtrl::MakeShortString(CDC* /*pDC*/, LPCTSTR lpszText, int, int) { return lpszText; }
void CGfxListCtrl::MakeShortString(CDC* /*pDC*/, CString& /*strText*/, int, int) {}
BOOL CGfxListCtrl::OnQueryNewPalette() { return FALSE; }
void CGfxListCtrl::OnPaletteChanged(CWnd* /*pFocusWnd*/) {}
