#include "app/program_window.h"

#include <thread>

namespace quil::testing {

using namespace std::chrono_literals;

bool ChartPainted(const TXSession& x, Window window) {
  return x.Pixel(window, kChartLeft, kChartTop) == kHighlight &&
         x.Pixel(window, kChartLeft + kChartWidth - 1, kChartTop + kChartHeight - 1) == kShadow;
}

void ProgramWindowTest::OpenMainWindow(const TProgramStart& start) {
  ASSERT_TRUE(program_.Start(start)) << "the program could not be started";
  window_ = WaitForMainWindow();
  ASSERT_NE(window_, 0u) << "no window \"Form1\"";
  ASSERT_TRUE(WaitUntil([&] { return ChartPainted(x_, window_); }, 10s)) << "the chart was never painted";
}

Window ProgramWindowTest::WaitForMainWindow(std::chrono::milliseconds timeout) const {
  Window window = 0;
  WaitUntil([&] { return (window = x_.FindWindow("Form1")) != 0; }, timeout);
  return window;
}

void ProgramWindowTest::DragTo(int x, int y) {
  x_.MoveMouse(window_, x, y);
  std::this_thread::sleep_for(30ms);
}

void ProgramWindowTest::ExpectCloseEndsTheProgram(Window window) {
  x_.RequestClose(window);
  const std::optional<int> status = program_.WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "still running 5 s after the close request";
  EXPECT_EQ(*status, 0);
}

}  // namespace quil::testing
