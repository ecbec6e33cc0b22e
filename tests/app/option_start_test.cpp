// The program started with per-user options in place: a canvas name the library does not know
// is overridden by the window's stored canvas; a value of the wrong kind stops the start.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/x_session.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

class OptionStartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = std::make_unique<TXSession>(); }
  static void TearDownTestSuite() { session_.reset(); }

  void SetUp() override {
    ASSERT_TRUE(x_.Connected()) << "no X display: run the window tests under xvfb-run";
    config_ = std::filesystem::temp_directory_path() / ("quil-option-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(config_ / "quilchart");
    errors_ = config_ / "stderr.txt";
  }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove_all(config_);
  }

  void WriteOptions(const std::string& values) {
    std::ofstream(config_ / "quilchart" / "options.ini") << "[SOFTWARE\\Varnell Software\\Lumora Pro\\Editor]\n"
                                                         << values;
  }

  void Start() {
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
      const int fd = open(errors_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (fd >= 0) dup2(fd, STDERR_FILENO);
      execl(QUIL_APP_PATH, QUIL_APP_PATH, static_cast<char*>(nullptr));
      _exit(127);
    }
  }

  std::optional<int> WaitForExit(std::chrono::milliseconds timeout) { return quil::testing::WaitForExit(pid_, timeout); }

  std::string Errors() const {
    std::ifstream in(errors_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static inline std::unique_ptr<TXSession> session_;
  TXSession& x_ = *session_;
  std::filesystem::path config_;
  std::filesystem::path errors_;
  pid_t pid_ = -1;
};

TEST_F(OptionStartTest, UnknownCanvasNameStillShowsTheChart) {
  WriteOptions("DefaultCanvas=TNoSuchCanvas\n");
  Start();
  Window window = 0;
  ASSERT_TRUE(WaitUntil([&] { return (window = x_.FindWindow("Form1")) != 0; }, 15s));
  ASSERT_TRUE(WaitUntil([&] { return x_.Pixel(window, 185, 120) == 0xFFFFFF; }, 10s)) << "chart never painted";
  EXPECT_EQ(x_.Pixel(window, 185 + 912, 120 + 704), 0xA0A0A0u);
  x_.RequestClose(window);
  const auto status = WaitForExit(5s);
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(*status, 0);
}

TEST_F(OptionStartTest, ValueOfTheWrongKindStopsTheStartWithItsMessage) {
  WriteOptions("DefaultPalette=thirteen\n");
  Start();
  const auto status = WaitForExit(15s);
  ASSERT_TRUE(status.has_value()) << "the program kept running";
  EXPECT_NE(*status, 0);
  EXPECT_LT(*status, 128) << "ended by a signal instead of an orderly exit";
  EXPECT_NE(Errors().find("Invalid data type for 'DefaultPalette'"), std::string::npos) << Errors();
  EXPECT_EQ(x_.FindWindow("Form1"), 0u);
}

}  // namespace
}  // namespace quil::testing
