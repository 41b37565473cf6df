// Three-state marks: a subtree marked whole by a click, and ancestors that say whether all,
// some or none below them are marked.
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

// root: a (a1, a2, a3), b (b1 (b1x, b1y))
struct Tree {
  Tree() {
    Node& a = root.Add();
    for (int i = 0; i < 3; ++i) a.Add();
    Node& b1 = root.Add().Add();
    b1.Add();
    b1.Add();
  }
  // Nodes in the order Marks() lists them.
  std::vector<Node*> Nodes() {
    Node& a = *root.GetXact(0);
    Node& b = *root.GetXact(1);
    Node& b1 = *b.GetXact(0);
    return {&root, &a,  a.GetXact(0),  a.GetXact(1), a.GetXact(2),
            &b,    &b1, b1.GetXact(0), b1.GetXact(1)};
  }
  std::string Marks() {
    std::string s;
    for (Node* p : Nodes()) s += static_cast<char>('0' + p->mark);
    return s;
  }
  Node root;
};

TEST(ThreeStateMarks, AncestorsFollowTheirChildren) {
  enum { kRoot, kA, kA1, kA2, kA3, kB, kB1, kB1x, kB1y };
  struct Step {
    const char* what;
    int node, mark;
    const char* expected;  // root, a, a1..a3, b, b1, b1x, b1y
  };
  const Step steps[] = {
      {"one leaf of three", kA2, kMarked, "220100000"},
      {"the same leaf, by a click", kA2, Toggled(kMarked), "000000000"},
      {"a whole subtree", kA, kMarked, "211110000"},
      {"one leaf out of it", kA1, kUnmarked, "220110000"},
      {"the leaf back", kA1, Toggled(kUnmarked), "211110000"},
      {"a deep leaf: a partly marked child makes its parent partly marked", kB1x, kMarked,
       "211112210"},
      {"its sibling", kB1y, kMarked, "111111111"},
      {"the root, cleared", kRoot, Toggled(kPartlyMarked), "000000000"},
  };
  Tree tree;
  for (const Step& s : steps) {
    MarkNode(*tree.Nodes()[static_cast<size_t>(s.node)], s.mark);
    EXPECT_EQ(tree.Marks(), s.expected) << "after marking " << s.what;
  }
}

}  // namespace
