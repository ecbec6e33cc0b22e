#pragma once

#include <stdexcept>
#include <string>

namespace quil {

class TBitmap;

// A picture file that cannot be written; the message names the file and the system's reason.
class EPngFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fails unless a picture can be written to path: its folder exists and takes a new file, and
// path is not something other than a regular file (a folder, a device, a FIFO). Meant to run
// before a picture is rendered, so that a large render is not spent on a file that cannot be
// written.
void CheckPngFileWritable(const std::string& path);

// Writes the bitmap as a PNG file: into a temporary file in the same folder, flushed to disk and
// then renamed over path, so an interrupted or failed write never leaves a truncated picture in
// place of the old one. The temporary file is removed on failure.
void WritePngFile(const TBitmap& bitmap, const std::string& path);

}  // namespace quil
