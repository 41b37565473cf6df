// Chart template files: what is written reads back, and every damaged file is refused with a
// reason while the chart keeps its look.
#include <gtest/gtest.h>

#include <cstring>

#include "chart/logic/ChartTemplate.h"

using namespace tkw::chart;

namespace {

Appearance RichLook() {
  Appearance a;
  a.axes.resize(3);
  a.gallery = kBars;
  a.type = 0x41;
  a.grid = kGridHorz;
  a.gaps[2] = 30;
  a.serLegBox = true;
  a.hidden = 2.5;
  a.background = 0x123456;
  a.axes[1].logBase = 10;
  a.axes[1].min = 1;
  a.axes[1].max = 1000;
  a.axes[1].decimals = 2;
  a.axes[2].visible = false;
  a.series = {{u"Users", 0xFF, true}, {u"Errors \u00e9", 0xFF00, false}};
  a.titles = {{u"History", 0}, {u"", 1}};
  a.legend = {u"10:00", u"10:05"};
  a.slices = {{0, 1, 15}};
  a.realTimeStyle = kRealTimeLoopPos;
  a.bufferSize = 600;
  a.loopColour = 0xFF00FF;
  return a;
}

TEST(ChartTemplate, WhatIsWrittenReadsBackUnchanged) {
  const std::vector<uint8_t> bytes = WriteTemplate(RichLook());
  Appearance back;
  const TemplateResult r = ReadTemplate(bytes.data(), bytes.size(), back);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(bytes, WriteTemplate(back));
  EXPECT_EQ(u"Errors \u00e9", back.series[1].legend);
  EXPECT_EQ(10, back.axes[1].logBase);
  EXPECT_EQ(600, back.bufferSize);
}

// Bytes of a template after `edit`.
template <typename F>
std::vector<uint8_t> Damaged(F edit) {
  std::vector<uint8_t> b = WriteTemplate(RichLook());
  edit(b);
  return b;
}

void PutI32(std::vector<uint8_t>& b, size_t at, int32_t v) {
  std::memcpy(&b[at], &v, 4);
}

// Offset of the first record's length field: signature (8), version (2), tag (2).
constexpr size_t kFirstLength = 12;

TEST(ChartTemplate, DamagedFilesAreRefusedWithAReasonAndLeaveTheLook) {
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* reason;
  } cases[] = {
      {"empty", {}, "not a chart template"},
      {"another file", Damaged([](auto& b) { b[0] = 'X'; }), "not a chart template"},
      {"newer version", Damaged([](auto& b) { b[8] = 9; }), "version 9"},
      {"no end record", Damaged([](auto& b) { b.resize(b.size() - 6); }), "truncated"},
      {"length beyond the file", Damaged([](auto& b) { PutI32(b, kFirstLength, 0x7FFFFFF0); }),
       "truncated"},
      {"negative length", Damaged([](auto& b) { PutI32(b, kFirstLength, -4); }), "truncated"},
      {"short record", Damaged([](auto& b) { PutI32(b, kFirstLength, 8); }), "malformed"},
      {"flag that is no boolean", Damaged([](auto& b) { b[kFirstLength + 4 + 22 * 4 - 4] = 7; }),
       "malformed"},
      {"bytes after the end", Damaged([](auto& b) { b.push_back(0); }), "after the end"},
      {"oversized", std::vector<uint8_t>(kMaxTemplateBytes + 1, 'T'), "larger than 10 MB"},
  };
  for (const auto& c : cases) {
    Appearance look;
    look.gallery = kPie;
    const TemplateResult r = ReadTemplate(c.bytes.data(), c.bytes.size(), look);
    EXPECT_FALSE(r.ok) << c.what;
    EXPECT_NE(std::string::npos, r.error.find(c.reason)) << c.what << ": " << r.error;
    EXPECT_EQ(kPie, look.gallery) << c.what << " changed the look";
  }
  // Every cut of a good file is refused.
  const std::vector<uint8_t> good = WriteTemplate(RichLook());
  for (size_t n = 0; n < good.size(); ++n) {
    Appearance look;
    EXPECT_FALSE(ReadTemplate(good.data(), n, look).ok) << "cut at " << n;
  }
}

TEST(ChartTemplate, UnknownRecordsAreSkipped) {
  std::vector<uint8_t> b = WriteTemplate(RichLook());
  const uint8_t extra[] = {0x40, 0, 3, 0, 0, 0, 1, 2, 3};  // tag 0x40, three bytes
  b.insert(b.begin() + 10, extra, extra + sizeof extra);
  Appearance back;
  const TemplateResult r = ReadTemplate(b.data(), b.size(), back);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(WriteTemplate(RichLook()), WriteTemplate(back));
}

}  // namespace
