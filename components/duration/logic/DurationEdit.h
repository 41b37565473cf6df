// A length of time as the duration control shows and edits it: fields for days, hours,
// minutes and seconds over one total of whole seconds. Window-free.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tkw::duration {

enum Field : int { kDays, kHours, kMinutes, kSeconds };

// Which fields the control shows; seconds are always shown.
struct Shown {
  bool days = true;
  bool hoursMinutes = true;
};

// The shown fields, largest first.
std::vector<Field> VisibleFields(Shown shown);
// Seconds in one unit of a field.
int64_t Unit(Field field);
// Each field's value; the largest shown field also holds what a hidden larger field would
// (36 hours without days), and hidden fields are 0.
std::array<int64_t, 4> Split(int32_t total, Shown shown);
// The largest value a field holds: its cycle below a larger shown field, else what fits in
// the total.
int64_t FieldLimit(Field field, Shown shown);

// The editing state: a total, the shown fields and the field that keys act on.
class DurationEdit {
 public:
  int32_t Total() const { return m_total; }
  // Negative totals are not durations: they count as 0.
  void SetTotal(int32_t total);
  Shown GetShown() const { return m_shown; }
  // Hiding the active field makes the nearest shown one active.
  void SetShown(Shown shown);

  Field Active() const { return m_active; }
  // Makes a shown field active; the next digit starts it anew. FALSE for a hidden field.
  bool Select(Field field);
  // Moves the active field by steps among the shown ones (negative: to the left).
  void Move(int steps);

  // A digit typed into the active field: appended, or starting the field anew when it would
  // pass the field's limit. TRUE when the total changed.
  bool Type(wchar_t ch);
  // Drops the last digit of the active field.
  bool Erase();
  // Adds delta units of the active field, staying within 0 and the largest total.
  bool Step(int delta);

  // The field's text: two digits below a larger shown field, plain digits otherwise.
  std::wstring Text(Field field) const;

 private:
  bool SetField(int64_t value);

  int32_t m_total = 0;
  Shown m_shown;
  Field m_active = kSeconds;
  bool m_fresh = true;  // the next digit replaces the active field
};

}  // namespace tkw::duration
