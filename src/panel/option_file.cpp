#include "panel/option_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <utility>

#include "core/exceptions.h"

namespace quil {

namespace {

// Closes the descriptor it holds when it goes.
class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  ~TFileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now and tells whether that worked (a write may only fail here).
  bool Close() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string SystemReason(int error) { return std::strerror(error); }

}  // namespace

TOptionFileText ReadOptionFile(const std::string& path, std::size_t limit) {
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.Get() < 0) {
    if (errno == ENOENT) return {};
    return {std::nullopt, SystemReason(errno)};
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return {std::nullopt, SystemReason(errno)};
  if (!S_ISREG(status.st_mode)) return {std::nullopt, "not a regular file"};
  const std::string tooLarge = "larger than " + std::to_string(limit) + " bytes";
  if (static_cast<std::uintmax_t>(status.st_size) > limit) return {std::nullopt, tooLarge};
  // Room for one byte more than the file holds tells a file that grew while it was read.
  std::string text(static_cast<std::size_t>(status.st_size) + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == text.size()) {
      if (used > limit) return {std::nullopt, tooLarge};
      text.resize(std::min(2 * text.size(), limit + 1));
    }
    const ssize_t n = ::read(file.Get(), text.data() + used, text.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {std::nullopt, SystemReason(errno)};
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
  }
  if (used > limit) return {std::nullopt, tooLarge};
  text.resize(used);
  return {std::move(text), {}};
}

void WriteOptionFile(const std::string& path, const std::string& text) {
  auto fail = [&path](const std::string& reason) { throw EQuilError("Cannot write " + path + ": " + reason); };
  const std::filesystem::path target(path);
  std::error_code ec;
  std::filesystem::create_directories(target.parent_path(), ec);
  if (ec) fail(ec.message());
  std::string name = ".";
  name += target.filename().string();
  name += ".XXXXXX";
  std::string temporary = (target.parent_path() / name).string();
  TFileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) fail(SystemReason(errno));
  auto discard = [&](int error) {
    ::unlink(temporary.c_str());
    fail(SystemReason(error));
  };
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(file.Get(), text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) discard(errno);
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(file.Get()) != 0) discard(errno);
  if (!file.Close()) discard(errno);
  if (::rename(temporary.c_str(), path.c_str()) != 0) discard(errno);
}

}  // namespace quil
