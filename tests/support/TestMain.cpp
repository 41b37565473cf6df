// Entry point of every wine test program: gtest, the host frame, then the tests.
#include <gtest/gtest.h>

#include "Support.h"

namespace {

// Each test starts with a clean host frame, an empty queue and no leftover modal answers.
class CleanSlate : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    tks::ClearModalAnswers();
    tks::ClearHostFrame();
    tks::PumpUntilIdle();
  }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  tks::CreateHostFrame();
  tks::EnableModalWatchdog(true);
  testing::UnitTest::GetInstance()->listeners().Append(new CleanSlate);
  const int result = RUN_ALL_TESTS();
  tks::DestroyHostFrame();
  return result;
}
