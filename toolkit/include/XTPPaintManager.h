// CXTPPaintManager: the toolkit's process-wide drawing theme, as far as the library uses it.
#pragma once
#include "XTPExport.h"
#include <afxwin.h>

// Drawing themes; 0 is the one the toolkit starts with.
enum XTPPaintTheme {
  xtpThemeDefault = 0,
};

// The current theme object. Themed controls read its settings when they draw; there is one
// per process, replaced by SetTheme and freed at process end.
class XTP_API CXTPPaintManager : public CObject {
 public:
  explicit CXTPPaintManager(int nTheme);
  ~CXTPPaintManager() override;

  // Makes a new theme object of this theme the current one (the old one is deleted).
  static void AFX_CDECL SetTheme(int nTheme);
  // Deletes the current theme object; XTPPaintManager() is null until the next SetTheme.
  static void AFX_CDECL FreeTheme();

  int GetCurrentTheme() const { return m_nTheme; }

  // How toolbar and menu icons are drawn; all off in a new theme.
  BOOL m_bIconShadows;          // a shadow under the icon of a hot item
  BOOL m_bFadedIcons;           // icons of items that are not hot drawn faded
  BOOL m_bEmbossDisabledIcons;  // icons of disabled items embossed instead of greyed

 private:
  int m_nTheme;
};

// The current theme object, or null when no theme was set.
XTP_API CXTPPaintManager* AFX_CDECL XTPPaintManager();
