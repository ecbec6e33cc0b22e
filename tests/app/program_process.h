#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quil::testing {

// How a window test starts the program.
struct TProgramStart {
  std::vector<std::string> Arguments = {};
  // Variables set in the program's environment (name and value) or taken out of it (name and
  // nullopt).
  std::vector<std::pair<std::string, std::optional<std::string>>> Environment = {};
  // Files that take the program's standard output and errors; empty leaves the test's own.
  std::filesystem::path OutputFile = {};
  std::filesystem::path ErrorFile = {};
};

// The program running as a child process of the test. A run the test leaves going is killed
// when the process object goes, so one test cannot leave a window to the next.
class TProgramProcess {
 public:
  TProgramProcess() = default;
  ~TProgramProcess() { Kill(); }
  TProgramProcess(const TProgramProcess&) = delete;
  TProgramProcess& operator=(const TProgramProcess&) = delete;

  // Starts the program after killing a run still going; false when no process could be made.
  bool Start(const TProgramStart& start = {});
  // -1 once the program has ended and been waited for.
  pid_t Pid() const { return pid_; }
  // The exit status once the program has ended within the time (128 + the signal for one
  // killed by a signal), nullopt while it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
  void Kill();

 private:
  pid_t pid_ = -1;
};

}  // namespace quil::testing
