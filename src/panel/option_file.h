#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace quil {

// The largest option file read; a larger one is passed over as if it were missing.
inline constexpr std::size_t QuilMaxOptionFileSize = 1024 * 1024;

// What reading an option file gave: its text, or none. Without text, Problem says why the file
// was passed over; it is empty when there simply is no file.
struct TOptionFileText {
  std::optional<std::string> Text;
  std::string Problem;
};

// Reads the file at path in one go when it is a regular file of at most limit bytes. Anything
// else (a folder, a FIFO, a device such as /dev/zero, a file that grows past the limit while it
// is read) is never read from, and never blocks.
TOptionFileText ReadOptionFile(const std::string& path, std::size_t limit = QuilMaxOptionFileSize);

// Replaces the file at path with text: written to a temporary file in the same folder (which is
// created when missing) and renamed over it, so a failed write leaves the old file whole. Fails
// with EQuilError "Cannot write <path>: <reason>".
void WriteOptionFile(const std::string& path, const std::string& text);

}  // namespace quil
