// Splitting a duration into its shown fields and editing it field by field.
#include "DurationEdit.h"

#include <algorithm>
#include <climits>

namespace tkw::duration {

namespace {
constexpr int64_t kUnits[] = {86400, 3600, 60, 1};
constexpr int64_t kMaxTotal = INT32_MAX;

bool IsShown(Field f, Shown shown) {
  switch (f) {
    case kDays: return shown.days;
    case kHours:
    case kMinutes: return shown.hoursMinutes;
    default: return true;
  }
}
}  // namespace

std::vector<Field> VisibleFields(Shown shown) {
  std::vector<Field> fields;
  for (Field f : {kDays, kHours, kMinutes, kSeconds})
    if (IsShown(f, shown)) fields.push_back(f);
  return fields;
}

int64_t Unit(Field field) {
  return kUnits[field];
}

std::array<int64_t, 4> Split(int32_t total, Shown shown) {
  std::array<int64_t, 4> parts = {0, 0, 0, 0};
  int64_t rest = std::max<int64_t>(0, total);
  for (Field f : VisibleFields(shown)) {
    parts[f] = rest / kUnits[f];
    rest %= kUnits[f];
  }
  return parts;
}

int64_t FieldLimit(Field field, Shown shown) {
  const std::vector<Field> fields = VisibleFields(shown);
  if (field == fields.front()) return kMaxTotal / kUnits[field];
  // Below a larger shown field a field cycles up to one unit of the next larger shown one.
  const auto at = std::find(fields.begin(), fields.end(), field);
  return kUnits[*(at - 1)] / kUnits[field] - 1;
}

void DurationEdit::SetTotal(int32_t total) {
  m_total = std::max<int32_t>(0, total);
  m_fresh = true;
}

void DurationEdit::SetShown(Shown shown) {
  m_shown = shown;
  if (!IsShown(m_active, shown)) {
    // The nearest shown field to the right; seconds always are.
    int f = m_active;
    while (!IsShown(Field(f), shown)) ++f;
    m_active = Field(f);
  }
  m_fresh = true;
}

bool DurationEdit::Select(Field field) {
  if (!IsShown(field, m_shown)) return false;
  m_active = field;
  m_fresh = true;
  return true;
}

void DurationEdit::Move(int steps) {
  const std::vector<Field> fields = VisibleFields(m_shown);
  const int at = int(std::find(fields.begin(), fields.end(), m_active) - fields.begin());
  Select(fields[size_t(std::clamp(at + steps, 0, int(fields.size()) - 1))]);
}

bool DurationEdit::SetField(int64_t value) {
  const int64_t old = Split(m_total, m_shown)[m_active];
  const int64_t total = int64_t(m_total) + (value - old) * kUnits[m_active];
  if (total < 0 || total > kMaxTotal) return false;
  const bool changed = total != m_total;
  m_total = int32_t(total);
  return changed;
}

bool DurationEdit::Type(wchar_t ch) {
  if (ch < L'0' || ch > L'9') return false;
  const int64_t digit = ch - L'0';
  const int64_t current = Split(m_total, m_shown)[m_active];
  int64_t value = m_fresh ? digit : current * 10 + digit;
  if (value > FieldLimit(m_active, m_shown)) value = digit;
  m_fresh = false;
  return SetField(value);
}

bool DurationEdit::Erase() {
  m_fresh = false;
  return SetField(Split(m_total, m_shown)[m_active] / 10);
}

bool DurationEdit::Step(int delta) {
  const int64_t total =
      std::clamp<int64_t>(int64_t(m_total) + delta * kUnits[m_active], 0, kMaxTotal);
  m_fresh = true;
  const bool changed = total != m_total;
  m_total = int32_t(total);
  return changed;
}

std::wstring DurationEdit::Text(Field field) const {
  const std::wstring digits = std::to_wstring(Split(m_total, m_shown)[field]);
  const bool below = VisibleFields(m_shown).front() != field;
  return below && digits.size() < 2 ? L"0" + digits : digits;
}

}  // namespace tkw::duration
