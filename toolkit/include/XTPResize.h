// CXTPResize: the toolkit's layout helper that keeps a window's controls anchored to its edges
// while the window is resized. Mixed into CXTPResizePropertySheet and CXTPResizePropertyPage.
#pragma once
#include "XTPExport.h"
#include <afxwin.h>

#include <vector>

#include "XTPResizeLayout.h"

// Flags of a resizable window.
enum XTPResizeFlags : UINT {
  XTP_RESIZE_NOMINSIZE = 0x1,     // may shrink below the size it was created with
  XTP_RESIZE_NOHORIZONTAL = 0x2,  // width stays fixed
  XTP_RESIZE_NOVERTICAL = 0x4,    // height stays fixed
};

class XTP_API CXTPResize {
 public:
  // pWnd is the window whose client area the controls are anchored to (usually `this`).
  CXTPResize(CWnd* pWnd, UINT nFlags = 0);
  virtual ~CXTPResize();

  // Anchors a child (by identifier or handle): its top-left corner follows topLeft's share of
  // the parent's growth and its bottom-right corner bottomRight's. The child's present place
  // is the reference. FALSE when there is no such child. Anchoring a child again replaces it.
  BOOL SetResize(UINT nID, XTP_RESIZEPOINT topLeft, XTP_RESIZEPOINT bottomRight);
  BOOL SetResize(HWND hWnd, XTP_RESIZEPOINT topLeft, XTP_RESIZEPOINT bottomRight);
  // Stops moving a child; FALSE when it was not anchored.
  BOOL RemoveResize(HWND hWnd);
  // Forgets every anchored child.
  void RemoveAllControls();
  int GetControlCount() const { return int(m_items.size()); }

  UINT GetFlags() const { return m_nFlags; }
  void SetFlag(UINT nFlags) { m_nFlags = nFlags; }
  // Window size limits (0: no limit); by default the minimum is the size Init found.
  void SetMinSize(CSize size) { m_szMin = size; }
  void SetMaxSize(CSize size) { m_szMax = size; }
  CSize GetMinSize() const { return m_szMin; }

 protected:
  // Takes the window's present size as its minimum (unless XTP_RESIZE_NOMINSIZE).
  void Init();
  // Places every anchored child for the window's present client size.
  void Size();
  // Answers WM_GETMINMAXINFO with the limits and the fixed directions.
  void GetMinMaxInfo(MINMAXINFO* pMMI) const;

  CWnd* m_pResizeWnd;

 private:
  struct Item {
    HWND hWnd;
    XTP_RESIZEPOINT topLeft, bottomRight;
    XTP_RESIZEBOX box;  // the child's rectangle when ...
    CSize szClient;     // ... the parent's client area had this size
  };
  CSize ClientSize() const;

  std::vector<Item> m_items;
  UINT m_nFlags;
  CSize m_szMin, m_szMax;
};
