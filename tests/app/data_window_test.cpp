// "quilchart FILE": the program opened on a data file shows that surface inside its chart's
// walls; help, version and bad command lines need no window, and a file that cannot be read
// stops the program before one appears.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/program_window.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

int Red(uint32_t p) { return static_cast<int>(p >> 16); }
int Green(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
int Blue(uint32_t p) { return static_cast<int>(p & 0xFF); }
// The left wall's yellow.
bool IsWall(uint32_t p) { return Red(p) > 200 && Green(p) > 200 && Blue(p) < 160; }
bool IsDark(uint32_t p) { return Red(p) < 0x80 && Green(p) < 0x80 && Blue(p) < 0x80; }
// The surface's colours run from navy to white: clearly blue between.
bool IsSurface(uint32_t p) { return Blue(p) > Red(p) + 30 && Blue(p) > Green(p) + 30; }

struct TRun {
  int ExitStatus = -1;
  std::string Output;
  std::string Errors;
};

class DataWindowTest : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ProgramWindowTest::SetUp());
    dir_ = fs::temp_directory_path() / ("quil-data-window-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }

  void TearDown() override {
    ProgramWindowTest::TearDown();
    fs::remove_all(dir_);
  }

  std::string WriteData(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name) << text;
    return (dir_ / name).string();
  }

  // The program with these arguments; its output and errors go to files in the folder.
  TProgramStart With(const std::vector<std::string>& args, bool withDisplay = true) const {
    TProgramStart start{.Arguments = args,
                        .Environment = {{"XDG_CONFIG_HOME", "/nonexistent/quil-data-window-test"}},
                        .OutputFile = dir_ / "stdout",
                        .ErrorFile = dir_ / "stderr"};
    if (!withDisplay) start.Environment.emplace_back("DISPLAY", std::nullopt);
    return start;
  }

  // Runs the program to its end (it must end by itself) and answers what it said.
  TRun RunToEnd(const std::vector<std::string>& args, bool withDisplay = true) {
    TRun run;
    EXPECT_TRUE(program_.Start(With(args, withDisplay)));
    const std::optional<int> status = program_.WaitForExit(15s);
    EXPECT_TRUE(status) << "the program did not end by itself";
    run.ExitStatus = status.value_or(-1);
    run.Output = Read("stdout");
    run.Errors = Read("stderr");
    return run;
  }

  void OpenOnAHill();

  std::string Read(const std::string& name) const {
    std::ifstream in(dir_ / name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path dir_;
};

// Opens the program on a hill on a 9 x 7 grid, given as a matrix of heights, and waits for the
// chart's first paint.
void DataWindowTest::OpenOnAHill() {
  std::string matrix;
  for (int z = 0; z < 7; ++z) {
    for (int x = 0; x < 9; ++x) matrix += std::to_string(10 - (x - 4) * (x - 4) - (z - 3) * (z - 3)) + " ";
    matrix += "\n";
  }
  ASSERT_NO_FATAL_FAILURE(OpenMainWindow(With({WriteData("hill.txt", matrix)})));
}

TEST_F(DataWindowTest, TheSurfaceOfTheFileShowsInsideTheWalls) {
  ASSERT_NO_FATAL_FAILURE(OpenOnAHill());
  const TPixels chart = Chart();

  // The box of walls: the left wall's yellow gives its left side and bottom (the palette legend
  // covers the wall's top), the back wall's dark top edge its top, seen in a column right of the
  // title, and the back wall's right edge its right side, seen just below that top.
  int wallRight = -1, boxBottom = -1;
  for (int y = kChartTop; y < kChartTop + kChartHeight; ++y)
    for (int x = kChartLeft; x < kChartLeft + kChartWidth / 3; ++x)
      if (IsWall(chart.At(x, y))) {
        wallRight = std::max(wallRight, x);
        boxBottom = std::max(boxBottom, y);
      }
  ASSERT_GT(wallRight, 0) << "no left wall";
  const int column = kChartLeft + kChartWidth * 3 / 4;
  int boxTop = kChartTop + 5;
  while (boxTop < boxBottom && !IsDark(chart.At(column, boxTop))) ++boxTop;
  int boxRight = column;
  while (boxRight < kChartLeft + kChartWidth - 5 && !IsDark(chart.At(boxRight, boxTop + 3))) ++boxRight;
  ASSERT_GT(boxBottom - boxTop, 300);
  ASSERT_GT(boxRight - wallRight, 400);

  int inside = 0, dark = 0, light = 0;
  for (int y = boxTop; y <= boxBottom; ++y)
    for (int x = wallRight + 1; x < boxRight; ++x) {
      const uint32_t p = chart.At(x, y);
      if (!IsSurface(p)) continue;
      ++inside;
      dark += Blue(p) < 0xA0 && Red(p) < 0x40;
      light += Red(p) > 0xA0;
    }
  EXPECT_GT(inside, 20000) << "the surface fills much of the box";
  EXPECT_GT(dark, 500) << "the hill's top in the dark end of the range";
  EXPECT_GT(light, 500) << "the foot in the light end";
  // Nothing of it beyond the box: above it right of the title, or between it and the legend.
  int beyond = 0;
  for (int y = kChartTop; y < boxTop; ++y)
    for (int x = column; x < boxRight; ++x) beyond += IsSurface(chart.At(x, y));
  for (int y = boxTop; y <= boxBottom; ++y)
    for (int x = boxRight + 2; x < boxRight + 15; ++x) beyond += IsSurface(chart.At(x, y));
  EXPECT_EQ(beyond, 0);
}

// A middle-button drag turns the view of a data file's surface; the drag's end leaves it turned.
TEST_F(DataWindowTest, AMiddleDragTurnsTheView) {
  ASSERT_NO_FATAL_FAILURE(OpenOnAHill());
  const TPixels before = Chart();
  x_.MoveMouse(window_, 640, 470);
  x_.PressButton(2, true);
  x_.MoveMouse(window_, 670, 460);
  x_.MoveMouse(window_, 700, 450);
  x_.PressButton(2, false);
  x_.Sync();
  TPixels after;
  EXPECT_TRUE(WaitUntil(
      [&] {
        after = Chart();
        return !(after == before);
      },
      10s))
      << "the picture did not change";
  // The surface is still drawn, turned: its colours are on screen.
  int surface = 0;
  for (int y = kChartTop; y < kChartTop + kChartHeight; y += 2)
    for (int x = kChartLeft; x < kChartLeft + kChartWidth; x += 2) surface += IsSurface(after.At(x, y));
  EXPECT_GT(surface, 2000);
}

TEST_F(DataWindowTest, HelpVersionAndUsageNeedNoDisplay) {
  const TRun help = RunToEnd({"--help"}, false);
  EXPECT_EQ(help.ExitStatus, 0);
  EXPECT_EQ(help.Output.rfind("usage: quilchart", 0), 0u) << help.Output;
  EXPECT_EQ(help.Errors, "");
  const TRun version = RunToEnd({"--version"}, false);
  EXPECT_EQ(version.ExitStatus, 0);
  EXPECT_EQ(version.Output.rfind("quilchart ", 0), 0u) << version.Output;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--bogus"}, {"a.txt", "b.txt"}, {"--form"}, {"--points", "--matrix", "a.txt"}}) {
    const TRun run = RunToEnd(args, false);
    EXPECT_EQ(run.ExitStatus, 2) << args[0];
    EXPECT_EQ(run.Errors.rfind("usage: quilchart", 0), 0u) << run.Errors;
  }
}

TEST_F(DataWindowTest, AFileThatCannotBeReadEndsTheProgramBeforeAnyWindow) {
  struct TCase {
    std::string File;
    std::string Says;
  };
  for (const TCase& c : std::vector<TCase>{
           {(dir_ / "missing.csv").string(), "Cannot open data file"},
           {WriteData("ragged.txt", "1 2 3 4\n5 6 7 8\n9 10\n"), ", line 3 has 2 values"},
       }) {
    const TRun run = RunToEnd({c.File});
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(run.Errors.rfind("quilchart: ", 0), 0u) << run.Errors;
    EXPECT_NE(run.Errors.find(c.File), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find(c.Says), std::string::npos) << run.Errors;
    EXPECT_EQ(x_.FindWindow("Form1"), 0u);
  }
}

}  // namespace
}  // namespace quil::testing
