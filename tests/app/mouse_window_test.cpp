// The program's chart under the real mouse: zoom band, undo, pan, wheel, driven through XTest.
// The configured series has no points, so every axis reads 0 wherever the mouse is: a zoom
// fixes the axes at 0 .. 0 and the picture, labels included, stays as it was. What a person
// sees change is the zoom band while dragging.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "app/x_session.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t kBtnFace = 0xF0F0F0;
constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kHighlight = 0xFFFFFF;
constexpr uint32_t kShadow = 0xA0A0A0;

// Chart1 as the main window places it, and a rectangle inside its plotting area, in window pixels.
constexpr int kChartLeft = 185, kChartTop = 120, kChartWidth = 913, kChartHeight = 705;
constexpr int kBandLeft = 500, kBandTop = 400, kBandRight = 700, kBandBottom = 600;

class MouseWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = std::make_unique<TXSession>(); }
  static void TearDownTestSuite() { session_.reset(); }

  void SetUp() override {
    ASSERT_TRUE(x_.Connected()) << "no X display: run the window tests under xvfb-run";
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      execl(QUIL_APP_PATH, QUIL_APP_PATH, static_cast<char*>(nullptr));
      _exit(127);
    }
    ASSERT_TRUE(WaitUntil([&] { return (window_ = x_.FindWindow("Form1")) != 0; }, 15s)) << "no window \"Form1\"";
    ASSERT_TRUE(WaitUntil(
        [&] {
          return x_.Pixel(window_, kChartLeft, kChartTop) == kHighlight &&
                 x_.Pixel(window_, kChartLeft + kChartWidth - 1, kChartTop + kChartHeight - 1) == kShadow;
        },
        10s))
        << "the chart was never painted";
    first_ = Chart();
  }

  void TearDown() override {
    x_.ReleaseAll();
    if (pid_ > 0 && !WaitForExit(pid_, 0ms)) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  TPixels Chart() const { return x_.Capture(window_, kChartLeft, kChartTop, kChartWidth, kChartHeight); }
  uint32_t Pixel(int x, int y) const { return x_.Pixel(window_, x, y); }
  bool ShowsFirstPicture() const {
    return WaitUntil([&] { return Chart() == first_; }, 3s);
  }
  // The top edge of the band from (kBandLeft, kBandTop) to (x, y), half way along.
  bool ShowsBandTo(int x) const {
    return WaitUntil([&] { return Pixel((kBandLeft + x) / 2, kBandTop) == kSilver; }, 3s);
  }

  // Moves in steps, each handled before the next, as a hand's drag arrives.
  void DragTo(int x, int y) {
    x_.MoveMouse(window_, x, y);
    std::this_thread::sleep_for(30ms);
  }

  void ExpectStillRunning() {
    EXPECT_FALSE(WaitForExit(pid_, 100ms)) << "the program ended";
    EXPECT_EQ(x_.FindWindow("Form1"), window_);
  }

  static inline std::unique_ptr<TXSession> session_;
  TXSession& x_ = *session_;
  pid_t pid_ = -1;
  Window window_ = 0;
  TPixels first_;
};

TEST_F(MouseWindowTest, ALeftDragShowsTheBandInSilverAndTheReleaseGivesBackThePicture) {
  ASSERT_EQ(Pixel((kBandLeft + kBandRight) / 2, kBandTop), kBtnFace) << "the plotting area's back colour";
  x_.MoveMouse(window_, kBandLeft, kBandTop);
  x_.PressButton(1, true);
  DragTo(600, 500);
  DragTo(kBandRight, kBandBottom);
  EXPECT_TRUE(ShowsBandTo(kBandRight)) << "the band shows the zoom pen's own colour over a system back colour";
  EXPECT_EQ(Pixel(kBandLeft, (kBandTop + kBandBottom) / 2), kSilver);
  DragTo(650, 550);
  EXPECT_TRUE(WaitUntil([&] { return Pixel(680, kBandTop) == kBtnFace && Pixel(575, kBandTop) == kSilver; }, 3s))
      << "the old band went with the move";
  x_.PressButton(1, false);
  EXPECT_TRUE(ShowsFirstPicture()) << "zoomed to 0 .. 0, the empty chart looks as before";
  ExpectStillRunning();
}

TEST_F(MouseWindowTest, DraggingBackRightDraggingAndWheelNotchesLeaveTheEmptyChartAsItWas) {
  x_.MoveMouse(window_, kBandLeft, kBandTop);
  x_.PressButton(1, true);
  DragTo(kBandRight, kBandBottom);
  x_.PressButton(1, false);
  x_.PressButton(1, true);
  DragTo(600, 500);
  DragTo(kBandLeft, kBandTop);
  EXPECT_TRUE(ShowsBandTo(kBandRight)) << "dragging back shows the band too";
  x_.PressButton(1, false);
  EXPECT_TRUE(ShowsFirstPicture()) << "after the undo";

  x_.MoveMouse(window_, 600, 500);
  x_.PressButton(3, true);
  DragTo(640, 530);
  DragTo(560, 470);
  x_.PressButton(3, false);
  for (unsigned wheel : {4u, 4u, 5u, 5u, 5u}) {
    x_.PressButton(wheel, true);
    x_.PressButton(wheel, false);
  }
  EXPECT_TRUE(ShowsFirstPicture()) << "after a pan and wheel notches";
  ExpectStillRunning();
}

TEST_F(MouseWindowTest, ADragOutOfTheWindowAndBackEndsCleanly) {
  x_.MoveMouse(window_, kBandLeft, kBandTop);
  x_.PressButton(1, true);
  DragTo(kBandRight, kBandBottom);
  ASSERT_TRUE(ShowsBandTo(kBandRight));
  int width = 0, height = 0;
  x_.Size(window_, width, height);
  DragTo(width + 200, height + 150);
  DragTo(-40, -30);
  DragTo(600, 500);
  EXPECT_TRUE(ShowsBandTo(600)) << "the drag goes on when the mouse comes back";
  x_.PressButton(1, false);
  EXPECT_TRUE(ShowsFirstPicture());

  x_.MoveMouse(window_, 600, 500);
  x_.PressButton(3, true);
  DragTo(width + 300, 500);
  x_.PressButton(3, false);
  EXPECT_TRUE(ShowsFirstPicture()) << "a pan released outside the window";
  ExpectStillRunning();

  x_.RequestClose(window_);
  const std::optional<int> status = WaitForExit(pid_, 5s);
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(*status, 0);
}

}  // namespace
}  // namespace quil::testing
