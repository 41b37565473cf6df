// CQXImageList: an icon image list addressed by icon resource identifier.
#pragma once
#include <afxcmn.h>

#include "core/TKWExport.h"

// Icons are added by resource identifier (found through the resource chain); the list
// remembers which identifier sits at which index, so callers ask for the image of an icon
// instead of keeping indices. 16 by 16 images; icon 4247 is overlay image 1.
class TKWUI_API CQXImageList {
 public:
  CQXImageList();
  virtual ~CQXImageList();

  // Index of the icon's image, loading and appending it the first time; -1 for identifier 0,
  // a missing icon or a refused append (the identifier is then not recorded).
  int Add(UINT nIconID);
  // Index registered for the identifier, or -1; nothing is loaded.
  int GetImageID(UINT nIconID) const;
  // Records an identifier for an image the caller appended to the list itself, so that the
  // indices stay in step.
  void AddToIconIDArray(UINT nIconID);
  // Overlay number (from 1) of the icon, adding the icon as an image when needed; -1 when it
  // cannot be added or the list refuses the overlay.
  int AddOverlayImage(UINT nIconID);

  // The underlying list, for attaching to list and tree controls.
  CImageList* GetImageList() { return &m_imageList; }

  // Icon used as overlay 1 by every list.
  enum { kFirstOverlayIcon = 4247 };

 private:
  CQXImageList(const CQXImageList&) = delete;
  CQXImageList& operator=(const CQXImageList&) = delete;

  CImageList m_imageList;
  CUIntArray m_arrIconIDs;     // one per image, in index order
  CUIntArray m_arrOverlayIDs;  // one per overlay, in overlay order
};
