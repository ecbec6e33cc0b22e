#include "data/data_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/messages.h"
#include "data/data_file_error.h"

namespace quil {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool ControlByte(unsigned char c) { return c < 0x20 && c != '\t' && c != '\f' && c != '\v' && c != '\r'; }

}  // namespace

TDataLineReader::TDataLineReader(std::string fileName) : fileName_(std::move(fileName)) {
  // Non-blocking, so that a FIFO given as the file does not wait for a writer.
  fd_ = ::open(fileName_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd_ < 0) throw EDataFileError(QuilFormat(QuilMsg_DataFileOpen, fileName_, std::strerror(errno)), fileName_, 0);
  try {
    CountContentLines();
  } catch (...) {
    ::close(fd_);
    throw;
  }
}

void TDataLineReader::CountContentLines() {
  struct stat status {};
  if (::fstat(fd_, &status) != 0) FailRead(errno);
  if (!S_ISREG(status.st_mode))
    throw EDataFileError(QuilFormat(QuilMsg_DataFileOpen, fileName_, "not a regular file"), fileName_, 0);
  block_.resize(kBlockSize);
  // A line counts from its first byte that is neither blank nor a line feed, unless that is '#'.
  enum { kLineStart, kCounted, kSkipped } state = kLineStart;
  while (Fill()) {
    for (std::size_t i = 0; i < end_; ++i) {
      const char c = block_[i];
      if (c == '\n') {
        state = kLineStart;
      } else if (state == kLineStart && c != ' ' && c != '\t' && c != '\r') {
        state = c == '#' ? kSkipped : kCounted;
        contentLines_ += c != '#';
      }
    }
    begin_ = end_;
  }
  if (::lseek(fd_, 0, SEEK_SET) != 0) FailRead(errno);
  begin_ = end_ = 0;
  atEnd_ = false;
}

TDataLineReader::~TDataLineReader() {
  if (fd_ >= 0) ::close(fd_);
}

void TDataLineReader::FailRead(int error) const {
  throw EDataFileError(QuilFormat(QuilMsg_DataFileRead, fileName_, std::strerror(error)), fileName_, 0);
}

// Reads the next block once the current one is used up; false at the end of the file.
bool TDataLineReader::Fill() {
  if (atEnd_) return false;
  for (;;) {
    const ssize_t got = ::read(fd_, block_.data(), block_.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) FailRead(errno);
    begin_ = 0;
    end_ = static_cast<std::size_t>(got);
    atEnd_ = got == 0;
    return !atEnd_;
  }
}

void TDataLineReader::CheckText(std::string_view line) const {
  if (std::any_of(line.begin(), line.end(), [](char c) { return ControlByte(static_cast<unsigned char>(c)); }))
    throw EDataFileError(QuilFormat(QuilMsg_DataFileBinary, fileName_, std::to_string(lineNumber_)), fileName_,
                         lineNumber_);
}

bool TDataLineReader::Next(std::string_view& line) {
  line_.clear();
  bool any = false;
  for (;;) {
    if (begin_ == end_ && !Fill()) {
      if (!any) return false;
      break;
    }
    any = true;
    const char* start = block_.data() + begin_;
    const char* stop = block_.data() + end_;
    const char* lf = std::find(start, stop, '\n');
    const std::size_t length = static_cast<std::size_t>(lf - start);
    if (line_.size() + length > kMaxDataLineLength)
      throw EDataFileError(QuilFormat(QuilMsg_DataFileLongLine, fileName_, std::to_string(lineNumber_ + 1),
                                      std::to_string(kMaxDataLineLength)),
                           fileName_, lineNumber_ + 1);
    if (lf == stop) {
      line_.append(start, length);
      begin_ = end_;
      continue;
    }
    begin_ += length + 1;
    if (line_.empty()) {
      line = std::string_view(start, length);
    } else {
      line_.append(start, length);
      line = line_;
    }
    ++lineNumber_;
    return Finish(line);
  }
  ++lineNumber_;
  line = line_;
  return Finish(line);
}

bool TDataLineReader::Finish(std::string_view& line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (first_) {
    first_ = false;
    if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  }
  CheckText(line);
  return true;
}

}  // namespace quil
