#pragma once

#include <string>

namespace quil {

// The per-user options of the library: a key file in the user's XDG configuration folder,
//   $XDG_CONFIG_HOME/quilchart/options.ini   (~/.config/quilchart/options.ini by default)
// whose group "SOFTWARE\Varnell Software\Lumora Pro\Editor" holds the values (the syntax is
// ScanKeyFile's). Integers are decimal with an optional sign, Booleans true/false in any case
// (or 1/0), strings plain text. A missing file, group or value gives the default, and so does
// a file that is not a regular file or is larger than QuilMaxOptionFileSize, after a one-line
// warning on stderr. A value that does not parse as the kind asked for raises EQuilError
// "Invalid data type for '<name>'".
std::string QuilReadStringOption(const std::string& name, const std::string& defaultValue);
int QuilReadIntegerOption(const std::string& name, int defaultValue);
bool QuilReadBoolOption(const std::string& name, bool defaultValue);

// Write a value, creating the file and group when missing and keeping everything else. A file
// that cannot be read whole is not replaced: EQuilError "Cannot write <path>: <reason>".
void QuilWriteIntegerOption(const std::string& name, int value);
void QuilWriteBoolOption(const std::string& name, bool value);

// While one exists, every option read uses one reading of the file, made at the first read;
// the chart's creation reads several options and so opens the file once.
class TQuilOptionReading {
 public:
  TQuilOptionReading();
  ~TQuilOptionReading();
  TQuilOptionReading(const TQuilOptionReading&) = delete;
  TQuilOptionReading& operator=(const TQuilOptionReading&) = delete;
};

// The file the options live in.
std::string QuilOptionFilePath();
inline constexpr const char* QuilOptionGroup = "SOFTWARE\\Varnell Software\\Lumora Pro\\Editor";

}  // namespace quil
