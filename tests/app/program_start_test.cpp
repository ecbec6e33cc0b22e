// The program as a process: QUILCHART_EXIT_AFTER_FIRST_PAINT ends it once the chart has
// painted (for measuring start-up from outside), and its start loads no GL driver.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/x_session.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

constexpr const char* kExitVariable = "QUILCHART_EXIT_AFTER_FIRST_PAINT";

class ProgramStartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = std::make_unique<TXSession>(); }
  static void TearDownTestSuite() { session_.reset(); }

  void SetUp() override { ASSERT_TRUE(x_.Connected()) << "no X display: run the window tests under xvfb-run"; }

  void TearDown() override { Stop(); }

  // Starts the program with the exit variable set to exitValue, or unset for nullopt, and
  // with no per-user options.
  void Start(const std::optional<std::string>& exitValue) {
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      setenv("XDG_CONFIG_HOME", "/nonexistent/quil-program-start-test", 1);
      unsetenv("GDK_GL");
      if (exitValue)
        setenv(kExitVariable, exitValue->c_str(), 1);
      else
        unsetenv(kExitVariable);
      execl(QUIL_APP_PATH, QUIL_APP_PATH, static_cast<char*>(nullptr));
      _exit(127);
    }
  }

  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

  std::optional<int> WaitForExit(std::chrono::milliseconds timeout) { return quil::testing::WaitForExit(pid_, timeout); }

  // The main window once the chart in it has painted its white top-left bevel corner.
  Window PaintedWindow() {
    Window window = 0;
    if (!WaitUntil([&] { return (window = x_.FindWindow("Form1")) != 0; }, 15s)) return 0;
    if (!WaitUntil([&] { return x_.Pixel(window, 185, 120) == 0xFFFFFF; }, 10s)) return 0;
    return window;
  }

  std::string MappedFiles() const {
    std::ifstream in("/proc/" + std::to_string(pid_) + "/maps");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static inline std::unique_ptr<TXSession> session_;
  TXSession& x_ = *session_;
  pid_t pid_ = -1;
};

TEST_F(ProgramStartTest, ExitAfterFirstPaintEndsTheProgramByItself) {
  Start("1");
  const auto status = WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "the program kept running";
  EXPECT_EQ(*status, 0);
}

TEST_F(ProgramStartTest, OtherValuesOfTheExitVariableKeepTheWindowOpen) {
  const std::optional<std::string> values[] = {std::nullopt, "0", "", "yes"};
  for (const auto& value : values) {
    SCOPED_TRACE(value ? "value '" + *value + "'" : std::string("unset"));
    Start(value);
    const Window window = PaintedWindow();
    ASSERT_NE(window, 0u) << "the chart never painted";
    EXPECT_FALSE(WaitForExit(300ms).has_value()) << "the program ended after its first paint";
    if (pid_ <= 0) continue;
    x_.RequestClose(window);
    const auto status = WaitForExit(5s);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
  }
}

// The toolkit would otherwise map the GL driver (and, on a software renderer, its compiler)
// only to pick window visuals: most of the program's resident memory.
TEST_F(ProgramStartTest, StartLoadsNoGLDriver) {
  Start(std::nullopt);
  ASSERT_NE(PaintedWindow(), 0u) << "the chart never painted";
  const std::string maps = MappedFiles();
  ASSERT_NE(maps.find("quilchart"), std::string::npos) << "could not read the program's memory map";
  EXPECT_EQ(maps.find("_dri.so"), std::string::npos);
  EXPECT_EQ(maps.find("libGLX_mesa"), std::string::npos);
}

}  // namespace
}  // namespace quil::testing
