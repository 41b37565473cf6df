// What a worker reports to a progress display: a status line and the animation to show with
// it, guarded by the caller; and which clip a display opens for a requested animation.
#pragma once
#include <afx.h>

namespace tkw {

// The animation a display shows when none was asked for.
const UINT kDefaultProgressAnimation = 1361;

// The status a worker thread sets and the user-interface thread copies into the display.
struct ProgressStatus {
  CString strText;
  UINT nAnimID = 0;  // 0 until the first status

  // nAnimID 0 keeps the animation shown, or starts the default one with the first status.
  void Set(const CString& strNewText, UINT nNewAnimID) {
    strText = strNewText;
    if (nNewAnimID != 0)
      nAnimID = nNewAnimID;
    else if (nAnimID == 0)
      nAnimID = kDefaultProgressAnimation;
  }
};

// The clip to open for a requested animation: 0 means the default clip.
inline UINT AnimationClip(UINT nAnimID) {
  return nAnimID ? nAnimID : kDefaultProgressAnimation;
}

}  // namespace tkw
