// The process-wide theme object: owned here, so that it goes with the module at process end.
#include "XTPPaintManager.h"

#include <memory>

namespace {

std::unique_ptr<CXTPPaintManager>& CurrentTheme() {
  static std::unique_ptr<CXTPPaintManager> theme;
  return theme;
}

}  // namespace

CXTPPaintManager::CXTPPaintManager(int nTheme)
    : m_bIconShadows(FALSE),
      m_bFadedIcons(FALSE),
      m_bEmbossDisabledIcons(FALSE),
      m_nTheme(nTheme) {}

CXTPPaintManager::~CXTPPaintManager() = default;

void AFX_CDECL CXTPPaintManager::SetTheme(int nTheme) {
  CurrentTheme() = std::make_unique<CXTPPaintManager>(nTheme);
}

void AFX_CDECL CXTPPaintManager::FreeTheme() {
  CurrentTheme().reset();
}

CXTPPaintManager* AFX_CDECL XTPPaintManager() {
  return CurrentTheme().get();
}
