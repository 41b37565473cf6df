// Scene of the owner-drawn popup menu: an edit menu opened over a text, with images, a bold
// default item, a selected item, a disabled item and accelerator texts.
#include "Gallery.h"

#include <afxres.h>

#include "Capture.h"
#include "grid/editors/GfxPopupMenu.h"

namespace {

// The resource module's toolbar with the images of the menus' commands.
const UINT kMenuToolBar = 4120;
const UINT kSortAscending = 32215;
const UINT kSortDescending = 32216;

// A menu only exists inside its own modal loop: a thread timer firing in that loop first
// selects an item with the keyboard, then photographs the menu and closes it.
struct MenuPhotographer {
  int nTicks = 0;
  tks::Capture shot;
};
MenuPhotographer g_photographer;

void CALLBACK PhotographMenu(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hMenuWnd = ::FindWindowW(L"#32768", nullptr);
  if (!hMenuWnd) return;
  if (++g_photographer.nTicks == 1) {
    // Down selects the first item (disabled ones too; separators are skipped): three reach Copy.
    for (int i = 0; i < 3; ++i) ::PostMessageW(hMenuWnd, WM_KEYDOWN, VK_DOWN, 1);
    return;
  }
  g_photographer.shot = tks::CaptureWindow(hMenuWnd);
  ::KillTimer(nullptr, idEvent);
  ::EndMenu();
}

// Owns the menu: enables its commands but Paste, and shows the photograph of the menu over a
// page of text, where a right click would have opened it.
class CMenuSceneWnd : public CWnd {
 public:
  void Paint(HDC dc) {
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(dc, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    CRect rcText(12, 10, rc.right - 12, rc.bottom);
    ::DrawTextW(dc, L"SELECT name, think_time FROM transactions WHERE status = 'Passed'", -1,
                &rcText, DT_WORDBREAK);
    ::SelectObject(dc, oldFont);
    const tks::Capture& shot = g_photographer.shot;
    if (shot.width == 0) return;
    BITMAPINFO bi = {};
    bi.bmiHeader = {
        sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ::SetDIBitsToDevice(dc, kMenuAt.x, kMenuAt.y, DWORD(shot.width), DWORD(shot.height), 0, 0, 0,
                        UINT(shot.height), shot.pixels.data(), &bi, DIB_RGB_COLORS);
  }
  static constexpr POINT kMenuAt = {60, 46};

 protected:
  afx_msg void OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    Paint(dc);
    ::EndPaint(m_hWnd, &ps);
  }
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuSceneWnd, CWnd)
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEnabled)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEnabled)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEnabled)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateDisabled)
  ON_UPDATE_COMMAND_UI(kSortAscending, OnUpdateEnabled)
  ON_UPDATE_COMMAND_UI(kSortDescending, OnUpdateEnabled)
END_MESSAGE_MAP()

class CPopupMenuScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    CGfxPopupMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, L"&Annulla\tCtrl+Z");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_EDIT_CUT, L"&Taglia\tCtrl+X");
    menu.AppendMenu(MF_STRING, ID_EDIT_COPY, L"&Copia\tCtrl+C");
    menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, L"&Incolla\tCtrl+V");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, kSortAscending, L"Sort Ascending");
    menu.AppendMenu(MF_STRING, kSortDescending, L"Sort Descending");
    menu.SetDefaultItem(ID_EDIT_CUT);
    menu.LoadToolBarResource(kMenuToolBar);
    menu.RemapMenu(&menu);
    menu.EnableMenuItems(&menu, &m_wnd);
    g_photographer = MenuPhotographer();
    ::SetTimer(nullptr, 0, 30, PhotographMenu);
    CPoint at(CMenuSceneWnd::kMenuAt);
    m_wnd.ClientToScreen(&at);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, &m_wnd);
  }
  CWnd* GetShotWindow() override { return &m_wnd; }

 private:
  CMenuSceneWnd m_wnd;
};

GallerySceneRegistration g_popupMenu({L"popup-menu",
                                      L"Popup menu: images, default, selected and disabled items",
                                      CSize(300, 220),
                                      [] { return std::make_unique<CPopupMenuScene>(); }});

}  // namespace
