// The progress displays' percentage and caption text.
#include "controls/logic/ProgressPercent.h"

namespace tkw {

int ProgressPercent(int nPos, int nLower, int nUpper) {
  if (nUpper <= nLower) return 0;
  const long long span = static_cast<long long>(nUpper) - nLower;
  return static_cast<int>(static_cast<long long>(nPos) * 100 / span);
}

CString ProgressCaption(LPCTSTR pszCaption, int nPercent) {
  CString text;
  text.Format(L"%s [%d%%]", pszCaption ? pszCaption : L"", nPercent);
  return text;
}

}  // namespace tkw
