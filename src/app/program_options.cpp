#include "app/program_options.h"

#include <array>

#include "app/command_line.h"

namespace quil {

namespace {

constexpr std::array<TOptionDefinition, 6> kOptionDefinitions{{
    {"help", 'h', false},
    {"version", 'V', false},
    {"form", 0, true},
    {"data", 'd', true},
    {"points", 0, false},
    {"matrix", 0, false},
}};

}  // namespace

TProgramOptions ParseProgramOptions(int argc, const char* const* argv) {
  const TCommandLine line = ParseCommandLine(argc, argv, kOptionDefinitions);
  TProgramOptions options;
  for (const TParsedOption& o : line.Options) {
    if (o.Long == "help") options.Help = true;
    else if (o.Long == "version") options.Version = true;
    else if (o.Long == "form") options.FormFile = o.Value;
    else if (o.Long == "data") options.DataFile = o.Value;
    else if (o.Long == "points") options.DataForm = TDataForm::Points;
    else if (o.Long == "matrix") options.DataForm = TDataForm::Matrix;
  }
  if (options.Help || options.Version) return options;
  if (line.Has("points") && line.Has("matrix")) throw EUsageError("--points and --matrix exclude each other");
  if (line.Operands.size() > 1) throw EUsageError("more than one data file");
  if (line.Operands.size() == 1) {
    if (!options.DataFile.empty()) throw EUsageError("more than one data file");
    options.DataFile = line.Operands.front();
  }
  return options;
}

std::string ProgramUsageLine() { return "usage: quilchart [OPTION...] [FILE]"; }

std::string ProgramHelp() {
  return ProgramUsageLine() + R"(
Opens the chart window; with FILE, its surface Series1 shows the data in FILE.

  FILE, -d, --data FILE    lines of x,y,z (y is the height) or a matrix of
                           heights (one grid row a line; x is the column, z the
                           row); commas or blanks between values, '#' starts a
                           comment, a first line without numbers is a header,
                           "nan" leaves a hole
      --points, --matrix   read FILE as points or as a matrix (by default, three
                           values a line are points, any other count a matrix)
      --form FILE          open the window a stored description file describes
  -h, --help               show this help and exit
  -V, --version            show the version and exit

Exit status: 0 after the window closes, 1 when the window cannot be opened or
FILE cannot be read (a message on stderr says why), 2 for a command line it does
not accept.
)";
}

}  // namespace quil
