// The program as a process: QUILCHART_EXIT_AFTER_FIRST_PAINT ends it once the chart has
// painted (for measuring start-up from outside), and its start loads no GL driver.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/program_window.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

constexpr const char* kExitVariable = "QUILCHART_EXIT_AFTER_FIRST_PAINT";

class ProgramStartTest : public ProgramWindowTest {
 protected:
  // The program with the exit variable set to exitValue, or unset for nullopt, and with no
  // per-user options.
  static TProgramStart WithExitVariable(const std::optional<std::string>& exitValue) {
    return {.Environment = {{"XDG_CONFIG_HOME", "/nonexistent/quil-program-start-test"},
                            {"GDK_GL", std::nullopt},
                            {kExitVariable, exitValue}}};
  }

  std::string MappedFiles() const {
    std::ifstream in("/proc/" + std::to_string(program_.Pid()) + "/maps");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(ProgramStartTest, ExitAfterFirstPaintEndsTheProgramByItself) {
  ASSERT_TRUE(program_.Start(WithExitVariable("1")));
  const auto status = program_.WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "the program kept running";
  EXPECT_EQ(*status, 0);
}

TEST_F(ProgramStartTest, OtherValuesOfTheExitVariableKeepTheWindowOpen) {
  const std::optional<std::string> values[] = {std::nullopt, "0", "", "yes"};
  for (const auto& value : values) {
    SCOPED_TRACE(value ? "value '" + *value + "'" : std::string("unset"));
    ASSERT_NO_FATAL_FAILURE(OpenMainWindow(WithExitVariable(value)));
    EXPECT_FALSE(program_.WaitForExit(300ms).has_value()) << "the program ended after its first paint";
    if (program_.Pid() <= 0) continue;
    ASSERT_NO_FATAL_FAILURE(ExpectCloseEndsTheProgram(window_));
  }
}

// The toolkit would otherwise map the GL driver (and, on a software renderer, its compiler)
// only to pick window visuals: most of the program's resident memory.
TEST_F(ProgramStartTest, StartLoadsNoGLDriver) {
  ASSERT_NO_FATAL_FAILURE(OpenMainWindow(WithExitVariable(std::nullopt)));
  const std::string maps = MappedFiles();
  ASSERT_NE(maps.find("quilchart"), std::string::npos) << "could not read the program's memory map";
  EXPECT_EQ(maps.find("_dri.so"), std::string::npos);
  EXPECT_EQ(maps.find("libGLX_mesa"), std::string::npos);
}

}  // namespace
}  // namespace quil::testing
