#pragma once

// chart_snapshot run as a separate process, as a user runs it, with what it printed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace quil::testing {

namespace fs = std::filesystem;

struct TRun {
  int Status = -1;
  std::string Output;
  std::string Errors;
};

// Limits for the child alone: the largest file it may write, the memory it may map.
struct TLimits {
  std::optional<rlim_t> FileSize;
  std::optional<rlim_t> AddressSpace;
};

inline bool Sanitized() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#endif
#endif
  return false;
}

class SnapshotCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("quil-snapshot-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  TRun Run(const std::vector<std::string>& args, const TLimits& limits = {}) {
    const fs::path errors = dir_ / "stderr.txt";
    const fs::path output = dir_ / "stdout.txt";
    const pid_t pid = fork();
    if (pid == 0) {
      const int fd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (fd >= 0) dup2(fd, STDERR_FILENO);
      const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (out >= 0) dup2(out, STDOUT_FILENO);
      if (limits.FileSize) {
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        const rlimit limit{*limits.FileSize, *limits.FileSize};
        setrlimit(RLIMIT_FSIZE, &limit);
      }
      if (limits.AddressSpace) {
        const rlimit limit{*limits.AddressSpace, *limits.AddressSpace};
        setrlimit(RLIMIT_AS, &limit);
      }
      std::vector<char*> argv{const_cast<char*>(QUIL_SNAPSHOT_PATH)};
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execv(QUIL_SNAPSHOT_PATH, argv.data());
      _exit(127);
    }
    int raw = 0;
    waitpid(pid, &raw, 0);
    TRun run;
    run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    std::ifstream in(errors);
    run.Errors.assign(std::istreambuf_iterator<char>(in), {});
    std::ifstream printed(output);
    run.Output.assign(std::istreambuf_iterator<char>(printed), {});
    fs::remove(errors);
    fs::remove(output);
    return run;
  }

  // Everything in the folder but the given file.
  std::vector<std::string> Others(const fs::path& keep) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      if (entry.path() != keep) names.push_back(entry.path().filename().string());
    return names;
  }

  fs::path dir_;
};

}  // namespace quil::testing
