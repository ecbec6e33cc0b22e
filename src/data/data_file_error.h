#pragma once

#include <string>

#include "core/exceptions.h"

namespace quil {

// A data file that cannot be read as a surface: the message names the file and, where one line
// is at fault, that line (1-based; 0 when the fault is the file as a whole).
class EDataFileError : public EQuilError {
 public:
  EDataFileError(const std::string& message, std::string fileName, int line)
      : EQuilError(message), fileName_(std::move(fileName)), line_(line) {}

  const std::string& FileName() const { return fileName_; }
  int Line() const { return line_; }

 private:
  std::string fileName_;
  int line_;
};

}  // namespace quil
