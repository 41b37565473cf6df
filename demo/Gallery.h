// The gallery's scenes: each builds one control (or a small group) with sample data.
#pragma once

#include <afxcmn.h>

#include <functional>
#include <memory>
#include <vector>

// A scene's windows live as long as its object; the gallery destroys it after the shot.
class CGalleryScene
{
public:
    virtual ~CGalleryScene() = default;
    // Builds the scene's windows inside pParent, in the rectangle rc.
    virtual void Build(CWnd* pParent, const CRect& rc) = 0;
    // The window that is captured (the scene's own frame).
    virtual CWnd* GetShotWindow() = 0;
};

struct GallerySceneEntry
{
    const wchar_t* pszName;    // file name of the shot, without extension
    const wchar_t* pszTitle;   // shown in the interactive gallery
    CSize size;                // client size of the shot
    std::function<std::unique_ptr<CGalleryScene>()> create;
};

// Scenes register themselves at start-up (see the Scene*.cpp files).
std::vector<GallerySceneEntry>& GalleryScenes();

struct GallerySceneRegistration
{
    explicit GallerySceneRegistration(GallerySceneEntry entry) { GalleryScenes().push_back(std::move(entry)); }
};

// A plain child window that scenes use as their frame; it answers list views' requests for
// callback texts through the function a scene gives it.
class CSceneFrame : public CWnd
{
public:
    using TextSource = std::function<CString(int nItem, int nSubItem)>;

    BOOL Create(CWnd* pParent, const CRect& rc);
    void SetTextSource(TextSource source) { m_textSource = std::move(source); }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

    TextSource m_textSource;
    CString m_strLastText;   // keeps the answered text alive until the list view copies it
};
