// The gallery's scenes: each builds one control (or a small group) with sample data.
#pragma once

#include <afxcmn.h>

#include <functional>
#include <memory>
#include <vector>

// A scene's windows live as long as its object; the gallery destroys it after the shot.
class CGalleryScene {
 public:
  virtual ~CGalleryScene() = default;
  // Builds the scene's windows inside pParent, in the rectangle rc.
  virtual void Build(CWnd* pParent, const CRect& rc) = 0;
  // The window that is captured (the scene's own frame).
  virtual CWnd* GetShotWindow() = 0;
  // Pop-up windows of the scene (tips, bubbles) drawn over the shot where they stand.
  virtual std::vector<CWnd*> GetPopups() { return {}; }
};

struct GallerySceneEntry {
  const wchar_t* pszName;   // file name of the shot, without extension
  const wchar_t* pszTitle;  // shown in the interactive gallery
  CSize size;               // client size of the shot
  std::function<std::unique_ptr<CGalleryScene>()> create;
};

// Scenes register themselves at start-up (see the Scene*.cpp files).
std::vector<GallerySceneEntry>& GalleryScenes();

struct GallerySceneRegistration {
  explicit GallerySceneRegistration(GallerySceneEntry entry) {
    GalleryScenes().push_back(std::move(entry));
  }
};

struct LXHDREX;
class CGfxCategoryManager;

// A plain child window that scenes use as their frame and as the owner of their grids: it
// answers list views' requests for callback texts, the grid's text and category callbacks and
// its WM_USER+1 requests through the functions a scene gives it.
class CSceneFrame : public CWnd {
 public:
  using TextSource = std::function<CString(int nItem, int nColumn)>;
  using RowTextSource = std::function<CString(DWORD_PTR dwItemData, int nColumn)>;
  using RequestHandler = std::function<long(LXHDREX* pRequest)>;
  using CategoryFiler = std::function<void(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData)>;

  BOOL Create(CWnd* pParent, const CRect& rc);
  // Creates list as the scene's report grid, 8 pixels inside the frame, with control id 100.
  template <class List>
  BOOL CreateList(List& list, DWORD dwStyle = 0) {
    CRect rcList;
    GetClientRect(&rcList);
    rcList.DeflateRect(8, 8);
    return list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDRAWFIXED |
                           LVS_SHOWSELALWAYS | dwStyle,
                       rcList, this, 100);
  }
  void SetTextSource(TextSource source) { m_textSource = std::move(source); }
  void SetRowTextSource(RowTextSource source) { m_rowTextSource = std::move(source); }
  void SetRequestHandler(RequestHandler handler) { m_requestHandler = std::move(handler); }
  void SetCategoryFiler(CategoryFiler filer) { m_categoryFiler = std::move(filer); }

  // Grid callbacks (member functions of the owner window).
  void OnGridText(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText);
  void OnGridCategory(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData);

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg LRESULT OnGridRequest(WPARAM wParam, LPARAM lParam);
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  DECLARE_MESSAGE_MAP()

  TextSource m_textSource;
  RowTextSource m_rowTextSource;
  RequestHandler m_requestHandler;
  CategoryFiler m_categoryFiler;
  CString m_strLastText;  // keeps the answered text alive until the list view copies it
};
