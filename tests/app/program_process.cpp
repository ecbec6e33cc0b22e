#include "app/program_process.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/x_session.h"

namespace quil::testing {
namespace {

void RedirectTo(const std::filesystem::path& file, int stream) {
  if (file.empty()) return;
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd >= 0) dup2(fd, stream);
}

}  // namespace

bool TProgramProcess::Start(const TProgramStart& start) {
  Kill();
  // Everything the child needs is made before the fork.
  std::vector<char*> argv{const_cast<char*>(QUIL_APP_PATH)};
  for (const std::string& argument : start.Arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ < 0) return false;
  if (pid_ == 0) {
    RedirectTo(start.OutputFile, STDOUT_FILENO);
    RedirectTo(start.ErrorFile, STDERR_FILENO);
    for (const auto& [name, value] : start.Environment) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
    execv(QUIL_APP_PATH, argv.data());
    _exit(127);
  }
  return true;
}

std::optional<int> TProgramProcess::WaitForExit(std::chrono::milliseconds timeout) {
  return quil::testing::WaitForExit(pid_, timeout);
}

void TProgramProcess::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace quil::testing
