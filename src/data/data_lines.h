#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quil {

// The longest line a data file may have: a matrix row of a few hundred thousand heights. It
// bounds what a file without line breaks makes the reader hold.
inline constexpr std::size_t kMaxDataLineLength = std::size_t{8} << 20;

// Reads a text file line by line in large blocks, without holding more than one block and one
// line. Lines end at "\n" (a "\r" before it is dropped); a UTF-8 byte-order mark at the start is
// skipped. A file that is not a regular file, holds a NUL or another control character than tab,
// form feed, vertical tab or carriage return, or has a line longer than kMaxDataLineLength raises
// EDataFileError naming the file and the line.
class TDataLineReader {
 public:
  explicit TDataLineReader(std::string fileName);
  TDataLineReader(const TDataLineReader&) = delete;
  TDataLineReader& operator=(const TDataLineReader&) = delete;
  ~TDataLineReader();

  // The next line, or false at the end of the file. The view stays valid until the next call.
  bool Next(std::string_view& line);
  // The number of the line Next answered last (1-based).
  int LineNumber() const { return lineNumber_; }
  // Lines that hold something besides blanks and a comment, counted once at opening: an upper
  // bound of the data lines, for storage to reserve.
  std::size_t ContentLines() const { return contentLines_; }
  const std::string& FileName() const { return fileName_; }

 private:
  // Refuses what is not a regular file, then counts the content lines and starts over.
  void CountContentLines();
  bool Fill();
  [[noreturn]] void FailRead(int error) const;
  void CheckText(std::string_view line) const;
  bool Finish(std::string_view& line);

  std::string fileName_;
  int fd_ = -1;
  std::vector<char> block_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool first_ = true;
  std::string line_;
  int lineNumber_ = 0;
  std::size_t contentLines_ = 0;
};

}  // namespace quil
