// The program started with per-user options in place: a canvas name the library does not know
// is overridden by the window's stored canvas; a value of the wrong kind stops the start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/program_window.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

class OptionStartTest : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ProgramWindowTest::SetUp());
    config_ = std::filesystem::temp_directory_path() / ("quil-option-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(config_ / "quilchart");
    errors_ = config_ / "stderr.txt";
  }

  void TearDown() override {
    ProgramWindowTest::TearDown();
    std::filesystem::remove_all(config_);
  }

  void WriteOptions(const std::string& values) {
    std::ofstream(config_ / "quilchart" / "options.ini") << "[SOFTWARE\\Varnell Software\\Lumora Pro\\Editor]\n"
                                                         << values;
  }

  // The program reads its options from the test's folder and writes its errors there.
  TProgramStart WithTheOptionsWritten() const {
    return {.Environment = {{"XDG_CONFIG_HOME", config_.string()}}, .ErrorFile = errors_};
  }

  std::string Errors() const {
    std::ifstream in(errors_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path config_;
  std::filesystem::path errors_;
};

TEST_F(OptionStartTest, UnknownCanvasNameStillShowsTheChart) {
  WriteOptions("DefaultCanvas=TNoSuchCanvas\n");
  ASSERT_NO_FATAL_FAILURE(OpenMainWindow(WithTheOptionsWritten()));
  ExpectCloseEndsTheProgram(window_);
}

TEST_F(OptionStartTest, ValueOfTheWrongKindStopsTheStartWithItsMessage) {
  WriteOptions("DefaultPalette=thirteen\n");
  ASSERT_TRUE(program_.Start(WithTheOptionsWritten()));
  const auto status = program_.WaitForExit(15s);
  ASSERT_TRUE(status.has_value()) << "the program kept running";
  EXPECT_NE(*status, 0);
  EXPECT_LT(*status, 128) << "ended by a signal instead of an orderly exit";
  EXPECT_NE(Errors().find("Invalid data type for 'DefaultPalette'"), std::string::npos) << Errors();
  EXPECT_EQ(x_.FindWindow("Form1"), 0u);
}

}  // namespace
}  // namespace quil::testing
