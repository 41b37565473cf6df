// The progress displays' position: the percentage shown in the caption and its caption text.
#pragma once
#include <afx.h>

namespace tkw {

// nPos * 100 / (nUpper - nLower) in integer arithmetic, or 0 when the range is empty or
// reversed. The lower bound is deliberately not subtracted from nPos: hosts count from 0
// whatever range they set. Wide arithmetic keeps large ranges from overflowing.
int ProgressPercent(int nPos, int nLower, int nUpper);

// "Loading [40%]" for caption text Loading and 40.
CString ProgressCaption(LPCTSTR pszCaption, int nPercent);

}  // namespace tkw
