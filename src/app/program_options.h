#pragma once

#include <string>

#include "data/surface_data.h"

namespace quil {

// What the program's command line asks for: "quilchart [--form FILE] [[--data] FILE]".
struct TProgramOptions {
  bool Help = false;
  bool Version = false;
  std::string FormFile;
  std::string DataFile;
  TDataForm DataForm = TDataForm::Auto;
};

// Reads the command line without the toolkit, so --help, --version and usage errors need no
// display. Raises EUsageError for what it does not accept.
TProgramOptions ParseProgramOptions(int argc, const char* const* argv);

std::string ProgramUsageLine();
std::string ProgramHelp();

}  // namespace quil
