// The gallery application: renders every scene to PNG (--shots DIR) or shows them.
#include "Gallery.h"

#include <afxdll_.h>

#include "Capture.h"
#include "grid/GfxListRequest.h"

#include <cstdio>

std::vector<GallerySceneEntry>& GalleryScenes() {
  static std::vector<GallerySceneEntry> scenes;
  return scenes;
}

// ---- scene frame

BEGIN_MESSAGE_MAP(CSceneFrame, CWnd)
  ON_WM_ERASEBKGND()
  ON_MESSAGE(WM_GFXLIST_REQUEST, OnGridRequest)
END_MESSAGE_MAP()

void CSceneFrame::OnGridText(int /*nItem*/, int nColumn, DWORD_PTR dwItemData, CString& strText) {
  if (m_rowTextSource) strText = m_rowTextSource(dwItemData, nColumn);
}

void CSceneFrame::OnGridCategory(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData) {
  if (m_categoryFiler) m_categoryFiler(pManager, dwItemData);
}

LRESULT CSceneFrame::OnGridRequest(WPARAM /*wParam*/, LPARAM lParam) {
  return m_requestHandler ? m_requestHandler(reinterpret_cast<LXHDREX*>(lParam)) : 0;
}

BOOL CSceneFrame::Create(CWnd* pParent, const CRect& rc) {
  const CString cls = AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW), NULL, NULL);
  return CreateEx(0, cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, 1);
}

BOOL CSceneFrame::OnEraseBkgnd(CDC* pDC) {
  CRect rc;
  GetClientRect(&rc);
  pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
  return TRUE;
}

BOOL CSceneFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  NMHDR* pHeader = reinterpret_cast<NMHDR*>(lParam);
  if (pHeader->code == LVN_GETDISPINFOW && m_textSource) {
    NMLVDISPINFOW* pInfo = reinterpret_cast<NMLVDISPINFOW*>(lParam);
    if (pInfo->item.mask & LVIF_TEXT) {
      m_strLastText = m_textSource(pInfo->item.iItem, pInfo->item.iSubItem);
      lstrcpynW(pInfo->item.pszText, m_strLastText, pInfo->item.cchTextMax);
    }
    *pResult = 0;
    return TRUE;
  }
  return CWnd::OnNotify(wParam, lParam, pResult);
}

// ---- application

namespace {

class CGalleryApp : public CWinApp {
 public:
  CGalleryApp() : CWinApp(L"TKWGallery") {}

  BOOL InitInstance() override {
    SetRegistryKey(L"Velotrace Gallery");
    // The host's resource module joins the chain, as in the real host.
    if (HINSTANCE hRes = AfxLoadLibrary(L"qxres.dll")) new CDynLinkLibrary(hRes, hRes);

    CString shots;
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    for (int i = 1; argv && i + 1 < argc; ++i)
      if (lstrcmpW(argv[i], L"--shots") == 0) shots = argv[i + 1];
    ::LocalFree(argv);

    if (!shots.IsEmpty()) {
      m_nExitCode = RenderShots(shots);
      return FALSE;
    }
    return ShowInteractive();
  }

  int ExitInstance() override {
    CWinApp::ExitInstance();
    return m_nExitCode;
  }

 private:
  // One hidden top-level host per shot, sized to the scene; each scene becomes a PNG.
  int RenderShots(const CString& dir) {
    int failures = 0;
    for (const GallerySceneEntry& entry : GalleryScenes()) {
      CWnd host;
      const CString cls =
          AfxRegisterWndClass(0, NULL, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), NULL);
      CRect rc(0, 0, entry.size.cx, entry.size.cy);
      host.CreateEx(0, cls, entry.pszTitle, WS_POPUP, rc, NULL, 0);
      std::unique_ptr<CGalleryScene> scene = entry.create();
      scene->Build(&host, rc);
      PumpIdle();
      const CString path = dir + L"\\" + entry.pszName + L".png";
      const bool ok = Shoot(*scene).WritePng(path.GetString());
      std::printf("%s %ls\n", ok ? "wrote" : "FAILED", path.GetString());
      failures += ok ? 0 : 1;
      scene.reset();
      host.DestroyWindow();
      PumpIdle();
    }
    return failures ? 1 : 0;
  }

  // The scene's window with its pop-ups pasted where they stand on the screen.
  static tks::Capture Shoot(CGalleryScene& scene) {
    CWnd* pShot = scene.GetShotWindow();
    tks::Capture shot = tks::CaptureWindow(pShot->GetSafeHwnd());
    CRect rcShot;
    pShot->GetWindowRect(&rcShot);
    for (CWnd* pPopup : scene.GetPopups()) {
      if (!pPopup || !::IsWindow(pPopup->GetSafeHwnd()) || !pPopup->IsWindowVisible()) continue;
      const tks::Capture popup = tks::CaptureWindow(pPopup->GetSafeHwnd());
      CRect rcPopup;
      pPopup->GetWindowRect(&rcPopup);
      for (int y = 0; y < popup.height; ++y)
        for (int x = 0; x < popup.width; ++x) {
          const int tx = rcPopup.left - rcShot.left + x, ty = rcPopup.top - rcShot.top + y;
          if (tx >= 0 && ty >= 0 && tx < shot.width && ty < shot.height)
            shot.pixels[size_t(ty) * size_t(shot.width) + size_t(tx)] =
                popup.pixels[size_t(y) * size_t(popup.width) + size_t(x)];
        }
    }
    return shot;
  }

  BOOL ShowInteractive() {
    // Every scene in one window, one under the other.
    int height = 0, width = 0;
    for (const GallerySceneEntry& entry : GalleryScenes()) {
      height += entry.size.cy + 8;
      width = std::max<int>(width, entry.size.cx);
    }
    const CString cls =
        AfxRegisterWndClass(0, NULL, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), NULL);
    m_frame.CreateEx(0, cls, L"TKWUICore gallery", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                     CRect(0, 0, width + 16, std::min(height + 40, 1000)), NULL, 0);
    m_pMainWnd = &m_frame;
    int y = 0;
    for (const GallerySceneEntry& entry : GalleryScenes()) {
      std::unique_ptr<CGalleryScene> scene = entry.create();
      scene->Build(&m_frame, CRect(0, y, entry.size.cx, y + entry.size.cy));
      m_scenes.push_back(std::move(scene));
      y += entry.size.cy + 8;
    }
    return TRUE;
  }

  static void PumpIdle() {
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); ++i) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }

  CWnd m_frame;
  std::vector<std::unique_ptr<CGalleryScene>> m_scenes;
  int m_nExitCode = 0;
};

CGalleryApp theApp;

}  // namespace

int main() {
  return AfxWinMain(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOW);
}
