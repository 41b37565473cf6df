// Three-state marks: a click's toggle, a subtree marked whole, and ancestors that say whether
// all, some or none below them are marked.
#include "controls/logic/ThreeStateMarks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tkw::marks;

// A transaction tree as the marks see it.
struct Node {
  int GetChildCount() const { return static_cast<int>(children.size()); }
  Node* GetXact(int i) const { return children[static_cast<size_t>(i)].get(); }
  Node* GetParent() const { return parent; }
  int GetSelected() const { return mark; }
  void SetSelected(int m) { mark = m; }
  Node& Add() {
    children.push_back(std::make_unique<Node>());
    children.back()->parent = this;
    return *children.back();
  }
  std::vector<std::unique_ptr<Node>> children;
  Node* parent = nullptr;
  int mark = kUnmarked;
};

// root: a (a1, a2, a3), b (b1 (b1x))
struct Tree {
  Tree() {
    Node& a = root.Add();
    for (int i = 0; i < 3; ++i) a.Add();
    root.Add().Add().Add();
  }
  Node& A() { return *root.GetXact(0); }
  Node& Leaf(int i) { return *A().GetXact(i); }
  Node& B() { return *root.GetXact(1); }
  Node& Deep() { return *B().GetXact(0)->GetXact(0); }
  // Marks of root, a, a1..a3, b, b1, b1x in that order.
  std::string Marks() {
    std::string s;
    for (Node* p : {&root, &A(), &Leaf(0), &Leaf(1), &Leaf(2), &B(), B().GetXact(0), &Deep()})
      s += static_cast<char>('0' + p->mark);
    return s;
  }
  Node root;
};

TEST(ThreeStateMarks, AClickMarksAnUnmarkedNodeAndClearsAnyOther) {
  EXPECT_EQ(Toggled(kUnmarked), kMarked);
  EXPECT_EQ(Toggled(kMarked), kUnmarked);
  EXPECT_EQ(Toggled(kPartlyMarked), kUnmarked);
}

TEST(ThreeStateMarks, AncestorsFollowTheirChildren) {
  struct Step {
    const char* what;
    Node& (*node)(Tree&);
    int mark;
    const char* expected;  // root, a, a1..a3, b, b1, b1x
  };
  const Step steps[] = {
      {"one leaf of three", [](Tree& t) -> Node& { return t.Leaf(1); }, kMarked, "22010000"},
      {"the leaf again", [](Tree& t) -> Node& { return t.Leaf(1); }, kUnmarked, "00000000"},
      {"a whole subtree", [](Tree& t) -> Node& { return t.A(); }, kMarked, "21111000"},
      {"one leaf out of it", [](Tree& t) -> Node& { return t.Leaf(0); }, kUnmarked, "22011000"},
      {"the deepest node", [](Tree& t) -> Node& { return t.Deep(); }, kMarked, "22011111"},
      {"the root", [](Tree& t) -> Node& { return t.root; }, kUnmarked, "00000000"},
      {"the root", [](Tree& t) -> Node& { return t.root; }, kMarked, "11111111"},
  };
  Tree tree;
  for (const Step& s : steps) {
    MarkNode(s.node(tree), s.mark);
    EXPECT_EQ(tree.Marks(), s.expected) << "after marking " << s.what << " " << s.mark;
  }
}

TEST(ThreeStateMarks, APartlyMarkedChildMakesItsParentPartlyMarked) {
  Tree tree;
  MarkNode(tree.B(), kMarked);
  MarkNode(tree.Leaf(0), kMarked);
  MarkNode(tree.Leaf(1), kMarked);
  MarkNode(tree.Leaf(2), kMarked);
  EXPECT_EQ(tree.Marks(), "11111111");
  MarkNode(tree.Leaf(2), kUnmarked);
  EXPECT_EQ(tree.root.mark, kPartlyMarked) << "a is partly marked, so the root is too";
}

}  // namespace
