// The duration control's fields without a window: splitting a total into the shown fields,
// typing digits, erasing, stepping and moving between fields.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "duration/logic/DurationEdit.h"

namespace {

using namespace tkw::duration;

// The shown fields' texts joined by blanks, largest first.
std::wstring Shows(const DurationEdit& e) {
  std::wstring s;
  for (Field f : VisibleFields(e.GetShown())) s += (s.empty() ? L"" : L" ") + e.Text(f);
  return s;
}

TEST(DurationEdit, LargestShownFieldTakesWhatHiddenFieldsWouldHold) {
  const int32_t total = 2 * 86400 + 3 * 3600 + 4 * 60 + 5;  // 2 d 03:04:05
  const struct {
    Shown shown;
    const wchar_t* text;
  } cases[] = {{{true, true}, L"2 03 04 05"},
               {{false, true}, L"51 04 05"},
               {{true, false}, L"2 11045"},
               {{false, false}, L"183845"}};
  for (const auto& c : cases) {
    DurationEdit e;
    e.SetShown(c.shown);
    e.SetTotal(total);
    EXPECT_EQ(c.text, Shows(e)) << c.shown.days << c.shown.hoursMinutes;
  }
  DurationEdit e;
  e.SetTotal(-5);
  EXPECT_EQ(0, e.Total()) << "a negative total counts as none";
}

TEST(DurationEdit, KeysEditTheActiveField) {
  const struct {
    const char* what;
    Shown shown;
    int32_t start;
    Field field;
    const wchar_t* keys;  // digits; '<' '>' move, '+' '-' step, 'b' erases
    int32_t total;
  } cases[] = {
      {"digits fill a field", {}, 0, kMinutes, L"45", 45 * 60},
      {"a digit passing the limit starts the field anew", {}, 0, kMinutes, L"67", 7 * 60},
      {"hours cycle below days", {}, 0, kHours, L"25", 5 * 3600},
      {"hours grow without days", {false, true}, 0, kHours, L"25", 25 * 3600},
      {"selecting starts the field anew", {}, 9 * 60, kMinutes, L"3", 3 * 60},
      {"moving right types into the next field", {}, 0, kHours, L"1>30", 3600 + 30 * 60},
      {"moving stops at the ends", {}, 0, kSeconds, L">>7<<<<<1", 86400 + 7},
      {"erasing drops the last digit", {}, 0, kSeconds, L"59b", 5},
      {"steps carry across fields", {}, 59 * 60, kMinutes, L"+", 3600},
      {"steps stop at zero", {}, 30, kMinutes, L"-", 0},
      {"steps stop at the largest total", {}, INT_MAX - 10, kSeconds, L"++++++++++++", INT_MAX},
      {"a digit passing the days limit starts anew", {}, 0, kDays, L"24856", 6 * 86400},
      {"a day count passing the largest total is refused",
       {},
       23 * 3600,
       kDays,
       L"24855",
       2485 * 86400 + 23 * 3600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DurationEdit e;
    e.SetShown(c.shown);
    e.SetTotal(c.start);
    ASSERT_TRUE(e.Select(c.field));
    for (const wchar_t* k = c.keys; *k; ++k) {
      switch (*k) {
        case L'<': e.Move(-1); break;
        case L'>': e.Move(1); break;
        case L'+': e.Step(1); break;
        case L'-': e.Step(-1); break;
        case L'b': e.Erase(); break;
        default: e.Type(*k);
      }
    }
    EXPECT_EQ(c.total, e.Total());
  }
}

TEST(DurationEdit, HidingTheActiveFieldMovesToTheNextShownOne) {
  DurationEdit e;
  ASSERT_TRUE(e.Select(kHours));
  e.SetShown({true, false});
  EXPECT_EQ(kSeconds, e.Active());
  EXPECT_FALSE(e.Select(kMinutes)) << "a hidden field cannot be chosen";
  EXPECT_EQ(86399, FieldLimit(kSeconds, {true, false})) << "seconds below days";
}

}  // namespace
