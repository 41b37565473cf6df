// CImageList: image list handles with permanent and temporary wrappers, adding and drawing.
#include "afxcmn.h"
#include "handlemap_.h"

using namespace afx_internal;

namespace {
void ReleaseImageListWrapper(CObject* p) {
  static_cast<CImageList*>(p)->m_hImageList = NULL;
}
HBITMAP BitmapOf(const CBitmap* p) {
  return static_cast<HBITMAP>(p ? p->m_hObject : NULL);
}
HDC DCOf(const CDC* p) {
  return p ? p->m_hDC : NULL;
}
}  // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() {
  DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
  return WrapperFromHandle<CImageList>(
      kImageListHandle, hImageList,
      NewPlainWrapper<CImageList, HIMAGELIST, &CImageList::m_hImageList>, ReleaseImageListWrapper);
}

void PASCAL CImageList::DeleteTempMap() {
  DeleteTemporaries(kImageListHandle);
}

BOOL CImageList::Attach(HIMAGELIST h) {
  ASSERT(m_hImageList == NULL);  // one list per object
  if (!h) return FALSE;
  if (m_hImageList) DeleteImageList();
  m_hImageList = h;
  SetPermanent(kImageListHandle, h, this);
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST h = m_hImageList;
  if (h) RemovePermanent(kImageListHandle, h, this);
  m_hImageList = NULL;
  return h;
}

BOOL CImageList::DeleteImageList() {
  if (!m_hImageList) return FALSE;
  return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2,
                        int dx, int dy) {
  return Attach(
      ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList) {
  return pImageList && pImageList->m_hImageList
             ? Attach(ImageList_Duplicate(pImageList->m_hImageList))
             : FALSE;
}

int CImageList::GetImageCount() const {
  return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0;
}
BOOL CImageList::SetImageCount(UINT n) {
  return m_hImageList ? ImageList_SetImageCount(m_hImageList, n) : FALSE;
}
COLORREF CImageList::SetBkColor(COLORREF cr) {
  return m_hImageList ? ImageList_SetBkColor(m_hImageList, cr) : CLR_NONE;
}
COLORREF CImageList::GetBkColor() const {
  return m_hImageList ? ImageList_GetBkColor(m_hImageList) : CLR_NONE;
}
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* p) const {
  return m_hImageList && p ? ImageList_GetImageInfo(m_hImageList, nImage, p) : FALSE;
}
BOOL CImageList::GetIconSize(int* cx, int* cy) const {
  return m_hImageList && cx && cy ? ImageList_GetIconSize(m_hImageList, cx, cy) : FALSE;
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return m_hImageList && BitmapOf(pbmImage)
             ? ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask))
             : -1;
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return m_hImageList && BitmapOf(pbmImage)
             ? ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask)
             : -1;
}
int CImageList::Add(HICON hIcon) {
  return m_hImageList && hIcon ? ImageList_AddIcon(m_hImageList, hIcon) : -1;
}
BOOL CImageList::Remove(int nImage) {
  return m_hImageList ? ImageList_Remove(m_hImageList, nImage) : FALSE;
}
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
  return m_hImageList && BitmapOf(pbmImage)
             ? ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask))
             : FALSE;
}
int CImageList::Replace(int nImage, HICON hIcon) {
  return m_hImageList && hIcon ? ImageList_ReplaceIcon(m_hImageList, nImage, hIcon) : -1;
}
HICON CImageList::ExtractIcon(int nImage) {
  return m_hImageList ? ImageList_ExtractIcon(NULL, m_hImageList, nImage) : NULL;
}
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  return m_hImageList && DCOf(pDC)
             ? ImageList_Draw(m_hImageList, nImage, DCOf(pDC), pt.x, pt.y, nStyle)
             : FALSE;
}
BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg,
                        UINT nStyle) {
  return m_hImageList && DCOf(pDC) ? ImageList_DrawEx(m_hImageList, nImage, DCOf(pDC), pt.x, pt.y,
                                                      sz.cx, sz.cy, clrBk, clrFg, nStyle)
                                   : FALSE;
}
BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* p) {
  if (!m_hImageList || !p) return FALSE;
  p->himl = m_hImageList;
  return ImageList_DrawIndirect(p);
}
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
  return m_hImageList ? ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay) : FALSE;
}
BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags) {
  return m_hImageList ? ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags) : FALSE;
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot) {
  return m_hImageList ? ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y) : FALSE;
}
void PASCAL CImageList::EndDrag() {
  ImageList_EndDrag();
}
BOOL PASCAL CImageList::DragMove(CPoint pt) {
  return ImageList_DragMove(pt.x, pt.y);
}
BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot) {
  return m_hImageList ? ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y)
                      : FALSE;
}
BOOL PASCAL CImageList::DragShowNolock(BOOL bShow) {
  return ImageList_DragShowNolock(bShow);
}
CImageList* PASCAL CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot) {
  return FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot));
}
BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point) {
  return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}
BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock) {
  return ImageList_DragLeave(pWndLock->GetSafeHwnd());
}
