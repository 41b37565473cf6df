// Scenes of the item lists: a transaction list whose marks show a partly chosen test, and the
// recent projects list with a selected file.
#include "Gallery.h"

#include "QXXact.h"
#include "controls/ItemListCtrl.h"
#include "controls/RecentProjectsListCtrl.h"

#include <memory>

namespace {

// A test's transactions with their steps, every one a row; the steps are indented by name.
class CTransactionsScene : public CGalleryScene {
 public:
  ~CTransactionsScene() override {
    m_list.DestroyWindow();
    m_xacts.RemoveAll();
    m_tops.DeleteAll();
  }
  CWnd* GetShotWindow() override { return &m_frame; }

  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    const struct {
      const wchar_t* name;
      std::initializer_list<const wchar_t*> steps;
    } tests[] = {
        {L"Login", {L"Open login page", L"Post credentials", L"Load dashboard"}},
        {L"Search catalogue", {L"Query products", L"Open first result"}},
        {L"Checkout", {L"Add to basket", L"Pay by card", L"Confirm order"}},
        {L"Logout", {}},
    };
    for (const auto& t : tests) {
      CXact* pTop = new CXact(t.name);
      m_tops.Add(pTop);
      m_xacts.Add(pTop);
      for (const wchar_t* step : t.steps) {
        CXact* pStep = new CXact(CString(L"      ") + step);
        pTop->AddXact(pStep);
        m_xacts.Add(pStep);
      }
    }
    m_frame.CreateList(m_list);
    m_list.SetIconMode(true);
    m_list.Initialize(&m_xacts);
    // The whole login, one step of the search; the checkout untouched.
    m_list.SelectItem(m_tops[0], 1);
    m_list.SelectItem(m_tops[1]->GetXact(0), 1);
    m_list.SelectItem(m_tops[3], 1);
    m_list.SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetFocus();
  }

 private:
  CSceneFrame m_frame;
  CItemListCtrl m_list;
  CXactArray m_tops;   // owns the tree
  CXactArray m_xacts;  // every row, borrowed
};

class CRecentProjectsScene : public CGalleryScene {
 public:
  CWnd* GetShotWindow() override { return &m_frame; }

  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    for (const wchar_t* p :
         {L"C:\\Projects\\Web shop\\Checkout load.qxp", L"C:\\Projects\\Web shop\\Soak test.qxp",
          L"D:\\Benchmarks\\Order database\\Nightly.qxp",
          L"\\\\build\\share\\Messaging\\Queue burst.qxp", L"E:\\Archive\\2025\\File copy.qxp"})
      m_paths.AddTail(p);
    m_frame.CreateList(m_list);
    m_list.Initialize(&m_paths);
    m_list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetFocus();
  }

 private:
  CSceneFrame m_frame;
  CStringList m_paths;  // declared before the list: the rows point into it
  CRecentProjectsListCtrl m_list;
};

template <class T>
std::unique_ptr<CGalleryScene> Make() {
  return std::unique_ptr<CGalleryScene>(new T());
}

GallerySceneRegistration g_transactions({L"item-transactions",
                                         L"Transactions and their steps with three-state marks",
                                         CSize(440, 280), Make<CTransactionsScene>});
GallerySceneRegistration g_recent({L"item-recent-projects", L"Recently used project files",
                                   CSize(520, 160), Make<CRecentProjectsScene>});

}  // namespace
