// CFrameWnd: creation from a menu and an accelerator resource, accelerator translation and
// command routing on to the application.
#include "afxwin.h"

namespace {

// The resource holding lpszName of this type through the chain, or null when none has it.
HINSTANCE FindInChain(LPCTSTR lpszName, LPCTSTR lpszType) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszName, lpszType);
  return ::FindResourceW(hInst, lpszName, lpszType) ? hInst : nullptr;
}

}  // namespace

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() : m_hAccelTable(nullptr), m_nIDHelp(0) {}

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
  (void)pContext;
  HMENU hMenu = nullptr;
  if (lpszMenuName != nullptr) {
    HINSTANCE hInst = FindInChain(lpszMenuName, RT_MENU);
    hMenu = hInst ? ::LoadMenuW(hInst, lpszMenuName) : nullptr;
    if (hMenu == nullptr) {
      PostNcDestroy();  // the frame's last call, as when its window goes
      return FALSE;
    }
  }
  // rectDefault leaves position and size to the system; its width would not fit an int.
  const bool bDefault = ::EqualRect(&rect, &rectDefault) != FALSE;
  const int x = rect.left, y = rect.top;
  const int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
  const int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  // On failure the object may already be gone: only locals are touched.
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                pParentWnd->GetSafeHwnd(), hMenu)) {
    if (hMenu) ::DestroyMenu(hMenu);
    return FALSE;
  }
  return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  CString strTitle;
  strTitle.LoadString(nIDResource);
  const int nNewline = strTitle.Find(L'\n');
  if (nNewline >= 0) strTitle = strTitle.Left(nNewline);

  LPCTSTR lpszResource = MAKEINTRESOURCEW(nIDResource);
  if (m_hAccelTable == nullptr) LoadAccelTable(lpszResource);
  LPCTSTR lpszMenu = FindInChain(lpszResource, RT_MENU) ? lpszResource : nullptr;
  return Create(nullptr, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName) {
  if (m_hAccelTable != nullptr || lpszResourceName == nullptr) return FALSE;
  HINSTANCE hInst = FindInChain(lpszResourceName, RT_ACCELERATOR);
  if (hInst) m_hAccelTable = ::LoadAcceleratorsW(hInst, lpszResourceName);
  return m_hAccelTable != nullptr;
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
  return m_hAccelTable;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  // The frame styles mean something to the frame only; to the system they are class bits.
  cs.style &= ~DWORD(FWS_ADDTOTITLE | FWS_PREFIXTITLE);
  return CWnd::PreCreateWindow(cs);
}

void CFrameWnd::PostNcDestroy() {
  delete this;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
    HACCEL hAccel = GetDefaultAccelerator();
    if (hAccel != nullptr && m_hWnd != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg))
      return TRUE;
  }
  return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
