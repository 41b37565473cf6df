// Row categories without windows: labels and category identities.
#include "grid/logic/CategoryModel.h"

namespace tkw {
namespace categories {

std::wstring FormatLabel(const wchar_t* name, std::size_t count) {
  std::wstring label = name ? name : L"";
  label += L" (";
  label += std::to_wstring(count);
  label += count != 1 ? L" elements)" : L" element )";
  return label;
}

CategoryIdentities::Identity CategoryIdentities::Add() {
  tokens_.push_back(std::make_unique<char>());
  const Identity identity = reinterpret_cast<Identity>(tokens_.back().get());
  index_[identity] = static_cast<int>(tokens_.size()) - 1;
  return identity;
}

int CategoryIdentities::IndexOf(Identity value) const {
  const auto found = index_.find(value);
  return found == index_.end() ? -1 : found->second;
}

CategoryIdentities::Identity CategoryIdentities::At(int index) const {
  if (index < 0 || index >= Count()) return 0;
  return reinterpret_cast<Identity>(tokens_[static_cast<std::size_t>(index)].get());
}

void CategoryIdentities::Renew(int index, const std::function<bool(Identity)>& isTaken,
                               Moves& moves) {
  if (index < 0 || index >= Count()) return;
  // Rejected tokens stay allocated until a good one is found, so none comes back twice.
  std::vector<std::unique_ptr<char>> rejected;
  auto fresh = std::make_unique<char>();
  while (isTaken && isTaken(reinterpret_cast<Identity>(fresh.get()))) {
    rejected.push_back(std::move(fresh));
    fresh = std::make_unique<char>();
  }
  std::unique_ptr<char>& slot = tokens_[static_cast<std::size_t>(index)];
  const Identity before = reinterpret_cast<Identity>(slot.get());
  const Identity after = reinterpret_cast<Identity>(fresh.get());
  slot = std::move(fresh);
  index_.erase(before);
  index_[after] = index;
  moves.emplace_back(before, after);
}

}  // namespace categories
}  // namespace tkw
