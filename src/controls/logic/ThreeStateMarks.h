// Three-state selection marks over a tree of transactions: marking a node marks its whole
// subtree, and every ancestor then shows whether all, some or none of its children are marked.
#pragma once

namespace tkw::marks {

enum Mark { kUnmarked = 0, kMarked = 1, kPartlyMarked = 2 };

// What a click does to a mark: an unmarked node becomes marked, anything else unmarked.
inline int Toggled(int nMark) {
  return nMark == kUnmarked ? kMarked : kUnmarked;
}

// The mark a parent shows for its children's marks: none marked gives unmarked; some marked
// and all of them fully gives marked; otherwise partly. A partly marked child makes its parent
// partly marked too, so a partial choice deep in a tree shows at the top.
template <class Node>
int ParentMark(const Node& parent) {
  bool bAnyMarked = false, bAnyNotFully = false;
  for (int i = 0; i < parent.GetChildCount(); ++i) {
    const Node* pChild = parent.GetXact(i);
    if (!pChild) continue;
    const int nMark = pChild->GetSelected();
    if (nMark != kUnmarked) bAnyMarked = true;
    if (nMark != kMarked) bAnyNotFully = true;
  }
  if (!bAnyMarked) return kUnmarked;
  return bAnyNotFully ? kPartlyMarked : kMarked;
}

// Node: GetChildCount(), GetXact(i), GetParent(), GetSelected(), SetSelected(mark).
template <class Node>
void MarkSubtree(Node& node, int nMark) {
  node.SetSelected(nMark);
  for (int i = 0; i < node.GetChildCount(); ++i)
    if (Node* pChild = node.GetXact(i)) MarkSubtree(*pChild, nMark);
}

template <class Node>
void UpdateAncestors(Node& node) {
  for (Node* pParent = node.GetParent(); pParent; pParent = pParent->GetParent())
    pParent->SetSelected(ParentMark(*pParent));
}

// Marks node and its subtree, then brings every ancestor up to date.
template <class Node>
void MarkNode(Node& node, int nMark) {
  MarkSubtree(node, nMark);
  UpdateAncestors(node);
}

}  // namespace tkw::marks
