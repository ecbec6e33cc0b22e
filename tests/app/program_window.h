#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>

#include "app/program_process.h"
#include "app/x_session.h"

namespace quil::testing {

// Colours of the main window as the program paints it on the test's X server.
constexpr uint32_t kBtnFace = 0xF0F0F0;
constexpr uint32_t kHighlight = 0xFFFFFF;
constexpr uint32_t kShadow = 0xA0A0A0;

// Chart1 and Button1 as the main window places them, in window pixels.
constexpr int kChartLeft = 185, kChartTop = 120, kChartWidth = 913, kChartHeight = 705;
constexpr int kButtonLeft = 1104, kButtonTop = 768, kButtonWidth = 137, kButtonHeight = 25;

// The chart has painted once both corners of its bevel show.
bool ChartPainted(const TXSession& x, Window window);

// A test of the program's main window "Form1" on the test's X display. One X connection
// serves the whole suite, which keeps the X server from resetting between tests; what a test
// started is killed when it ends, and no button or key stays held for the next.
class ProgramWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = std::make_unique<TXSession>(); }
  static void TearDownTestSuite() { session_.reset(); }

  void SetUp() override { ASSERT_TRUE(x_.Connected()) << "no X display: run the window tests under xvfb-run"; }
  void TearDown() override {
    x_.ReleaseAll();
    program_.Kill();
  }

  // Starts the program and waits for its window to show the painted chart.
  void OpenMainWindow(const TProgramStart& start = {});
  // The program's window "Form1" once it is mapped, or 0 when it did not come within the time.
  Window WaitForMainWindow(std::chrono::milliseconds timeout = std::chrono::seconds(15)) const;

  TPixels Chart() const { return x_.Capture(window_, kChartLeft, kChartTop, kChartWidth, kChartHeight); }
  uint32_t Pixel(int x, int y) const { return x_.Pixel(window_, x, y); }
  // Moves the mouse and gives the program a moment to handle it, as a hand's drag arrives.
  void DragTo(int x, int y);
  // Closes the window the way a window manager does; the program must end with status 0.
  void ExpectCloseEndsTheProgram(Window window);

  static inline std::unique_ptr<TXSession> session_;
  TXSession& x_ = *session_;
  TProgramProcess program_;
  Window window_ = 0;
};

}  // namespace quil::testing
