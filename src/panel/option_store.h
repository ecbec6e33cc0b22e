#pragma once

#include <string>

namespace quil {

// The per-user options of the library: a key file in the user's XDG configuration folder,
//   $XDG_CONFIG_HOME/quilchart/options.ini   (~/.config/quilchart/options.ini by default)
// whose group "SOFTWARE\Varnell Software\Lumora Pro\Editor" holds the values. Integers are
// decimal, Booleans true/false (or 1/0), strings plain text; '#' starts a comment line.
// A missing file, group or value gives the default; a value that does not parse as the kind
// asked for raises EQuilError "Invalid data type for '<name>'".
std::string QuilReadStringOption(const std::string& name, const std::string& defaultValue);
int QuilReadIntegerOption(const std::string& name, int defaultValue);
bool QuilReadBoolOption(const std::string& name, bool defaultValue);

// Write a value, creating the file and group when missing and keeping everything else.
void QuilWriteIntegerOption(const std::string& name, int value);
void QuilWriteBoolOption(const std::string& name, bool value);

// The file the options live in.
std::string QuilOptionFilePath();
inline constexpr const char* QuilOptionGroup = "SOFTWARE\\Varnell Software\\Lumora Pro\\Editor";

}  // namespace quil
