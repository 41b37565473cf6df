// Row categories without windows: the row label, range filing and the identities category rows
// carry.
#pragma once

#include "core/TKWExport.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tkw {
namespace categories {

// "<name> (<count> element<c>)" where c is 's' unless the count is exactly 1, then a space:
// "Red (1 element )", "Red (2 elements)". A null name reads as empty.
TKWUI_API std::wstring FormatLabel(const wchar_t* name, std::size_t count);

// Ranges include their lower bound and exclude their upper one; an empty or reversed range
// (or a value that compares with nothing, such as NaN) holds nothing.
template <class T>
bool InRange(const T& from, const T& to, const T& value) {
  return from <= value && value < to;
}

// The values category rows carry as item data, one per category index. Each is the address
// of a token this object owns, so it stays put while categories are added and differs from
// every other live identity. An item data may still equal one by chance (item data are the
// owner's arbitrary values); Renew then moves that category to a value the owner does not use.
class TKWUI_API CategoryIdentities {
 public:
  using Identity = std::uintptr_t;
  using Moves = std::vector<std::pair<Identity, Identity>>;  // (old, new)

  CategoryIdentities() = default;
  CategoryIdentities(const CategoryIdentities&) = delete;
  CategoryIdentities& operator=(const CategoryIdentities&) = delete;

  // Identity of the next category (its index is the previous Count()).
  Identity Add();
  int Count() const { return static_cast<int>(tokens_.size()); }
  // Category index of a value, -1 when it is no identity.
  int IndexOf(Identity value) const;
  // Identity of a category, 0 out of range.
  Identity At(int index) const;
  // Gives the category a fresh identity for which isTaken answers false, and appends the
  // move. Does nothing out of range.
  void Renew(int index, const std::function<bool(Identity)>& isTaken, Moves& moves);

 private:
  std::vector<std::unique_ptr<char>> tokens_;
  std::unordered_map<Identity, int> index_;
};

}  // namespace categories
}  // namespace tkw
