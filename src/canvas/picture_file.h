#pragma once

#include <cairo.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace quil {

class TBitmap;

// A picture file that cannot be written; the message names the file and the reason.
class EPictureFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TPictureFormat { pfPNG, pfSVG, pfPDF };

// The largest width or height of a picture file, in pixels (an image surface of 16384 x 16384
// is already 1 GiB).
constexpr int kMaxPictureSide = 16384;

// The format named by the file's extension (".png", ".svg", ".pdf", in any letter case); fails
// for any other.
TPictureFormat PictureFormatOf(const std::string& path);

// Fails unless width and height are both 1 to kMaxPictureSide.
void CheckPictureSize(const std::string& path, int width, int height);

// Fails unless a picture can be written to path: its folder exists and takes a new file, and
// path is not something other than a regular file (a folder, a device, a FIFO). Meant to run
// before a picture is rendered, so that a large render is not spent on a file that cannot be
// written.
void CheckPictureFileWritable(const std::string& path);

// Writes the bitmap as a PNG file: into a temporary file in the same folder, flushed to disk and
// then renamed over path, so an interrupted or failed write never leaves a truncated picture in
// place of the old one. The temporary file is removed on failure.
void WritePngFile(const TBitmap& bitmap, const std::string& path);

// Writes an SVG or PDF file of width x height pixels (one unit per pixel) the same way: draw
// paints the picture onto a context of the vector surface. What the surface cannot keep as
// vectors it embeds as images at one pixel per unit, the picture's own resolution.
void WriteVectorFile(TPictureFormat format, int width, int height, const std::function<void(cairo_t*)>& draw,
                     const std::string& path);

}  // namespace quil
