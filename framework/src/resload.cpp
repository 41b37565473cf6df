// Bitmaps, menus and image lists loaded through the resource chain (the application's
// resource handle first, then the linked libraries).
#include "afxcmn.h"

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
  if (!lpszResourceName) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return Attach(::LoadBitmapW(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
  if (!lpszResourceName) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  return Attach(::LoadMenuW(hInst, lpszResourceName));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
  return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
  if (!lpszBitmapID) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
  return Attach(ImageList_LoadImageW(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP,
                                     LR_CREATEDIBSECTION));
}
