// CQXImageList: icons by resource identifier, each loaded once.
#include "core/QXImageList.h"

#include "core/ActivationContext.h"

namespace {

const int kIconSize = 16;
const UINT kColourFlags = 255;  // device-dependent colour with a mask

int FindID(const CUIntArray& ids, UINT nID) {
  for (INT_PTR i = 0; i < ids.GetSize(); ++i)
    if (ids[i] == nID) return static_cast<int>(i);
  return -1;
}

}  // namespace

CQXImageList::CQXImageList() {
  {
    tkw::ActivationScope scope;
    m_imageList.Create(kIconSize, kIconSize, kColourFlags, 0, 100);
  }
  AddOverlayImage(kFirstOverlayIcon);
}

CQXImageList::~CQXImageList() {
  tkw::ActivationScope scope;
  m_imageList.DeleteImageList();
}

int CQXImageList::Add(UINT nIconID) {
  if (nIconID == 0) return -1;
  const int known = FindID(m_arrIconIDs, nIconID);
  if (known >= 0) return known;
  if (!m_imageList.GetSafeHandle()) return -1;

  LPCTSTR name = MAKEINTRESOURCE(nIconID);
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_GROUP_ICON);
  HICON hIcon = static_cast<HICON>(::LoadImage(hInst, name, IMAGE_ICON, kIconSize, kIconSize, 0));
  if (!hIcon) return -1;
  int index;
  {
    tkw::ActivationScope scope;
    index = m_imageList.Add(hIcon);
  }
  ::DestroyIcon(hIcon);
  if (index < 0) return -1;
  m_arrIconIDs.Add(nIconID);
  return index;
}

int CQXImageList::GetImageID(UINT nIconID) const {
  return nIconID ? FindID(m_arrIconIDs, nIconID) : -1;
}

void CQXImageList::AddToIconIDArray(UINT nIconID) {
  m_arrIconIDs.Add(nIconID);
}

int CQXImageList::AddOverlayImage(UINT nIconID) {
  const int image = Add(nIconID);
  if (image < 0) return -1;
  const int known = FindID(m_arrOverlayIDs, nIconID);
  if (known >= 0) return known + 1;
  const int overlay = static_cast<int>(m_arrOverlayIDs.GetSize()) + 1;
  BOOL ok;
  {
    tkw::ActivationScope scope;
    ok = m_imageList.SetOverlayImage(image, overlay);
  }
  if (!ok) return -1;
  m_arrOverlayIDs.Add(nIconID);
  return overlay;
}
