#include "canvas/picture_file.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#include "canvas/bitmap.h"

namespace quil {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw EPictureFileError("Cannot write " + path + ": " + reason);
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

// Where cairo's encoders write, and the first system error it met.
struct TFileSink {
  int Fd = -1;
  int Error = 0;
};

cairo_status_t WriteToSink(void* closure, const unsigned char* data, unsigned int length) {
  auto& sink = *static_cast<TFileSink*>(closure);
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

// Writes a new picture file through a temporary file beside it: write fills the sink, and only a
// complete, flushed file replaces path.
template <class Write>
void WriteThroughTemporary(const std::string& path, Write write) {
  CheckTarget(path);
  TTemporaryFile file(path);
  TFileSink sink{file.Descriptor(), 0};
  write(sink);
  if (::fsync(file.Descriptor()) != 0) Fail(path, std::strerror(errno));
  if (!file.Close()) Fail(path, std::strerror(errno));
  // The temporary file is created private; the picture gets the permissions of a new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(file.Path().c_str(), 0666 & ~mask);
  if (::rename(file.Path().c_str(), path.c_str()) != 0) Fail(path, std::strerror(errno));
  file.Keep();
}

void CheckWritten(const std::string& path, const TFileSink& sink, cairo_status_t status) {
  if (sink.Error != 0) Fail(path, std::strerror(sink.Error));
  if (status != CAIRO_STATUS_SUCCESS) Fail(path, cairo_status_to_string(status));
}

struct SurfaceRelease {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextRelease {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

cairo_surface_t* CreateVectorSurface(TPictureFormat format, TFileSink& sink, int width, int height) {
  if (format == pfPDF) return cairo_pdf_surface_create_for_stream(WriteToSink, &sink, width, height);
  cairo_surface_t* surface = cairo_svg_surface_create_for_stream(WriteToSink, &sink, width, height);
  // Pixels, so that the picture has the chart's size wherever it is shown.
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
  return surface;
}

}  // namespace

TPictureFormat PictureFormatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return pfPNG;
  if (extension == ".svg") return pfSVG;
  if (extension == ".pdf") return pfPDF;
  Fail(path, "unknown picture format (the name must end in .png, .svg or .pdf)");
}

void CheckPictureSize(const std::string& path, int width, int height) {
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
    Fail(path, "the size " + std::to_string(width) + " x " + std::to_string(height) + " is not 1 to " +
                   std::to_string(kMaxPictureSide) + " pixels on each side");
}

void CheckPictureFileWritable(const std::string& path) {
  if (path.empty()) Fail(path, std::strerror(ENOENT));
  CheckTarget(path);
  TTemporaryFile probe(path);
}

void WritePngFile(const TBitmap& bitmap, const std::string& path) {
  if (!bitmap.Surface()) Fail(path, "the picture is empty");
  WriteThroughTemporary(path, [&](TFileSink& sink) {
    CheckWritten(path, sink, cairo_surface_write_to_png_stream(bitmap.Surface(), WriteToSink, &sink));
  });
}

void WriteVectorFile(TPictureFormat format, int width, int height, const std::function<void(cairo_t*)>& draw,
                     const std::string& path) {
  if (format == pfPNG) Fail(path, "not a vector format");
  CheckPictureSize(path, width, height);
  WriteThroughTemporary(path, [&](TFileSink& sink) {
    std::unique_ptr<cairo_surface_t, SurfaceRelease> surface(CreateVectorSurface(format, sink, width, height));
    // Whatever has to become an image (an operator the format lacks) is rasterised at one pixel
    // per unit, not at the surfaces' default print resolution.
    cairo_surface_set_fallback_resolution(surface.get(), 72, 72);
    {
      std::unique_ptr<cairo_t, ContextRelease> cr(cairo_create(surface.get()));
      draw(cr.get());
      CheckWritten(path, sink, cairo_status(cr.get()));
    }
    cairo_surface_finish(surface.get());
    CheckWritten(path, sink, cairo_surface_status(surface.get()));
  });
}

}  // namespace quil
