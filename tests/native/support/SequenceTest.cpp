// The message sequence comparer accepts what matches, names the first difference otherwise.
#include "logic/Sequence.h"

#include <gtest/gtest.h>

namespace {

using tks::SeqMsg;

constexpr unsigned kCommand = 0x0111;
constexpr unsigned kNotify = 0x004E;
constexpr unsigned kSetFocus = 0x0007;
constexpr unsigned kKillFocus = 0x0008;

SeqMsg M(unsigned message, unsigned flags = 0, int code = 0, int id = 0) {
  SeqMsg m;
  m.message = message;
  m.flags = flags;
  m.code = code;
  m.id = id;
  return m;
}

SeqMsg Got(unsigned message, int code = 0, int id = 0, std::uintptr_t w = 0, std::intptr_t l = 0) {
  SeqMsg m = M(message, 0, code, id);
  m.wParam = w;
  m.lParam = l;
  return m;
}

TEST(Sequence, EqualSequencesMatchWithoutReport) {
  const auto r = tks::CompareSequence({M(kSetFocus), M(kCommand, tks::kCode | tks::kId, 1, 100)},
                                      {Got(kSetFocus), Got(kCommand, 1, 100)});
  EXPECT_TRUE(r.matches);
  EXPECT_TRUE(r.report.empty());
  EXPECT_TRUE(tks::CompareSequence({}, {}).matches);
}

TEST(Sequence, OnlyFlaggedFieldsAreChecked) {
  // Unflagged fields may differ; a flagged one may not, and the report says which.
  EXPECT_TRUE(tks::CompareSequence({M(kCommand)}, {Got(kCommand, 5, 6, 7, 8)}).matches);
  const auto r = tks::CompareSequence({M(kNotify, tks::kCode, -2)}, {Got(kNotify, -3, 100)});
  EXPECT_FALSE(r.matches);
  EXPECT_NE(std::string::npos, r.report.find("WM_NOTIFY code: expected -2, got -3")) << r.report;

  SeqMsg w = M(kCommand, tks::kWParam | tks::kLParam);
  w.wParam = 0x10;
  w.lParam = -1;  // pointer-sized values keep their full width
  EXPECT_TRUE(tks::CompareSequence({w}, {Got(kCommand, 0, 0, 0x10, -1)}).matches);
  const auto l = tks::CompareSequence({w}, {Got(kCommand, 0, 0, 0x10, 0xFFFFFFFF)});
  EXPECT_FALSE(l.matches);
  EXPECT_NE(std::string::npos, l.report.find("lParam: expected 0xffffffffffffffff, got 0xffffffff"))
      << l.report;
  const auto id = tks::CompareSequence({M(kCommand, tks::kId, 0, 7)}, {Got(kCommand, 0, 8)});
  EXPECT_NE(std::string::npos, id.report.find("id: expected 7, got 8")) << id.report;
}

TEST(Sequence, OptionalEntriesMayBeMissingOrPresent) {
  const std::vector<SeqMsg> expected = {M(kKillFocus, tks::kOptional), M(kSetFocus),
                                        M(kCommand, tks::kOptional | tks::kCode, 3)};
  EXPECT_TRUE(tks::CompareSequence(expected, {Got(kSetFocus)}).matches);
  EXPECT_TRUE(
      tks::CompareSequence(expected, {Got(kKillFocus), Got(kSetFocus), Got(kCommand, 3)}).matches);
  // An optional entry whose fields differ is skipped, so the message is then unexpected.
  const auto r = tks::CompareSequence(expected, {Got(kSetFocus), Got(kCommand, 4)});
  EXPECT_FALSE(r.matches);
  EXPECT_NE(std::string::npos, r.report.find("unexpected WM_COMMAND")) << r.report;
}

TEST(Sequence, MissingExtraAndWrongMessagesAreNamed) {
  const struct {
    std::vector<SeqMsg> expected, got;
    const char* named;
  } cases[] = {
      {{M(kSetFocus), M(kCommand)}, {Got(kSetFocus)}, "missing WM_COMMAND"},
      {{M(kSetFocus), M(kKillFocus)}, {Got(kSetFocus)}, " -> (end)"},
      {{M(kSetFocus)}, {Got(kSetFocus), Got(kKillFocus)}, "unexpected WM_KILLFOCUS"},
      {{M(kSetFocus)}, {Got(kKillFocus)}, "expected WM_SETFOCUS, got WM_KILLFOCUS"},
  };
  for (const auto& c : cases) {
    const auto r = tks::CompareSequence(c.expected, c.got);
    EXPECT_FALSE(r.matches) << c.named;
    EXPECT_NE(std::string::npos, r.report.find(c.named)) << r.report;
  }
}

TEST(Sequence, ReportListsBothSequencesAndMarksTheDifference) {
  const auto r =
      tks::CompareSequence({M(kSetFocus), M(kCommand, tks::kId, 0, 1)},
                           {Got(kSetFocus), Got(kCommand, 0, 2), Got(0x0401)}, "after the click");
  ASSERT_FALSE(r.matches);
  EXPECT_EQ(0u, r.report.find("after the click: message sequence differs at expected #1, got #1"))
      << r.report;
  EXPECT_NE(std::string::npos,
            r.report.find("expected (2):\n    0 WM_SETFOCUS\n -> 1 WM_COMMAND id=1\n"))
      << r.report;
  EXPECT_NE(std::string::npos, r.report.find("got (3):")) << r.report;
  EXPECT_NE(std::string::npos, r.report.find(" -> 1 WM_COMMAND w=0x0 l=0x0 code=0 id=2"))
      << r.report;
  EXPECT_NE(std::string::npos, r.report.find("2 WM_USER+1")) << r.report;
  EXPECT_EQ("WM_USER", tks::MessageName(0x0400));
  EXPECT_EQ("0xc123", tks::MessageName(0xC123)) << "unknown messages print in hex";
}

}  // namespace
