#include "snapshot/png_file.h"

#include <cairo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "canvas/bitmap.h"

namespace quil {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw EPngFileError("Cannot write " + path + ": " + reason);
}

// A new, empty file beside the target, removed again unless Keep is called.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(const std::string& target) {
    const std::filesystem::path path(target);
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string name = ".";
    name += path.filename().string();
    name += ".XXXXXX";
    path_ = (folder / name).string();
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ < 0) Fail(target, std::strerror(errno));
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  ~TTemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }

  int Descriptor() const { return fd_; }
  const std::string& Path() const { return path_; }
  // Closes the file; errno tells why when it fails.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool kept_ = false;
};

// Where cairo's PNG encoder writes, and the first system error it met.
struct TPngSink {
  int Fd = -1;
  int Error = 0;
};

cairo_status_t WriteToSink(void* closure, const unsigned char* data, unsigned int length) {
  auto& sink = *static_cast<TPngSink*>(closure);
  while (length > 0) {
    const ssize_t n = ::write(sink.Fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      sink.Error = n < 0 ? errno : ENOSPC;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    data += n;
    length -= static_cast<unsigned int>(n);
  }
  return CAIRO_STATUS_SUCCESS;
}

// Renaming over a folder or a device would replace it; only a regular file may be replaced.
void CheckTarget(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return;
    Fail(path, std::strerror(errno));
  }
  if (S_ISDIR(status.st_mode)) Fail(path, std::strerror(EISDIR));
  if (!S_ISREG(status.st_mode)) Fail(path, "not a regular file");
}

}  // namespace

void CheckPngFileWritable(const std::string& path) {
  if (path.empty()) Fail(path, std::strerror(ENOENT));
  CheckTarget(path);
  TTemporaryFile probe(path);
}

void WritePngFile(const TBitmap& bitmap, const std::string& path) {
  if (!bitmap.Surface()) Fail(path, "the picture is empty");
  CheckTarget(path);
  TTemporaryFile file(path);
  TPngSink sink{file.Descriptor(), 0};
  const cairo_status_t status = cairo_surface_write_to_png_stream(bitmap.Surface(), WriteToSink, &sink);
  if (sink.Error != 0) Fail(path, std::strerror(sink.Error));
  if (status != CAIRO_STATUS_SUCCESS) Fail(path, cairo_status_to_string(status));
  if (::fsync(file.Descriptor()) != 0) Fail(path, std::strerror(errno));
  if (!file.Close()) Fail(path, std::strerror(errno));
  // The temporary file is created private; the picture gets the permissions of a new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(file.Path().c_str(), 0666 & ~mask);
  if (::rename(file.Path().c_str(), path.c_str()) != 0) Fail(path, std::strerror(errno));
  file.Keep();
}

}  // namespace quil
