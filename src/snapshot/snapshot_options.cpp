#include "snapshot/snapshot_options.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "app/command_line.h"

namespace quil {

namespace {

constexpr std::array<TOptionDefinition, 18> kOptionDefinitions{{
    {"help", 'h', false},
    {"version", 'V', false},
    {"form", 0, true},
    {"save-form", 0, true},
    {"data", 'd', true},
    {"points", 0, false},
    {"matrix", 0, false},
    {"size", 's', true},
    {"width", 0, true},
    {"height", 0, true},
    {"palette", 'p', true},
    {"rotation", 0, true},
    {"elevation", 0, true},
    {"zoom", 0, true},
    {"wire-frame", 'w', false},
    {"smooth-palette", 0, false},
    {"title", 't', true},
    {"output", 'o', true},
}};

struct TPaletteName {
  std::string_view Name;
  std::optional<TQuilPaletteStyle> Style;
};

constexpr std::array<TPaletteName, 6> kPalettes{{
    {"range", std::nullopt},
    {"pale", psPale},
    {"strong", psStrong},
    {"gray", psGrayScale},
    {"inverted-gray", psInvGray},
    {"rainbow", psRainbow},
}};

[[noreturn]] void Bad(std::string_view option, std::string_view value, std::string_view expected) {
  throw EUsageError("--" + std::string(option) + " " + std::string(value) + ": " + std::string(expected));
}

std::optional<int> ParseSide(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxSnapshotSide)
    return std::nullopt;
  return value;
}

std::string SideRange() { return "a size is a whole number from 1 to " + std::to_string(kMaxSnapshotSide); }

int Side(std::string_view option, std::string_view text) {
  const auto value = ParseSide(text);
  if (!value) Bad(option, text, SideRange());
  return *value;
}

double Number(std::string_view option, std::string_view text, double low, double high) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !(value >= low && value <= high)) {
    char range[64];
    std::snprintf(range, sizeof range, "a number from %g to %g", low, high);
    Bad(option, text, range);
  }
  return value;
}

void TakeSize(std::string_view text, TSnapshotOptions& options) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) Bad("size", text, "WIDTHxHEIGHT, for example 913x705");
  const auto width = ParseSide(text.substr(0, x));
  const auto height = ParseSide(text.substr(x + 1));
  if (!width || !height) Bad("size", text, SideRange());
  options.Width = *width;
  options.Height = *height;
}

std::optional<TQuilPaletteStyle> Palette(std::string_view text) {
  for (const TPaletteName& p : kPalettes)
    if (p.Name == text) return p.Style;
  Bad("palette", text, "one of range, pale, strong, gray, inverted-gray, rainbow");
}

void TakeOption(const TParsedOption& o, TSnapshotOptions& options) {
  const std::string_view name = o.Long;
  if (name == "help") options.Help = true;
  else if (name == "version") options.Version = true;
  else if (name == "form") options.Form.FormFile = o.Value;
  else if (name == "save-form") options.Form.SaveFormFile = o.Value;
  else if (name == "data") options.DataFile = o.Value;
  else if (name == "points") options.DataForm = TDataForm::Points;
  else if (name == "matrix") options.DataForm = TDataForm::Matrix;
  else if (name == "size") TakeSize(o.Value, options);
  else if (name == "width") options.Width = Side(name, o.Value);
  else if (name == "height") options.Height = Side(name, o.Value);
  else if (name == "palette") options.PaletteStyle = Palette(o.Value);
  else if (name == "rotation") options.Rotation = Number(name, o.Value, 0, 360);
  else if (name == "elevation") options.Elevation = Number(name, o.Value, 0, 360);
  else if (name == "zoom") options.Zoom = Number(name, o.Value, 1, 10000);
  else if (name == "wire-frame") options.WireFrame = true;
  else if (name == "smooth-palette") options.SmoothPalette = true;
  else if (name == "title") options.Title = o.Value;
  else if (name == "output") options.Output = o.Value;
}

void TakeOperands(const std::vector<std::string>& operands, TSnapshotOptions& options) {
  std::size_t next = 0;
  if (options.Output.empty()) {
    if (operands.empty()) throw EUsageError("no output file");
    options.Output = operands[next++];
  }
  const std::size_t left = operands.size() - next;
  if (left == 0) return;
  if (left != 2) throw EUsageError("give both WIDTH and HEIGHT, or neither");
  options.Width = Side("width", operands[next]);
  options.Height = Side("height", operands[next + 1]);
}

}  // namespace

TSnapshotOptions ParseSnapshotOptions(int argc, const char* const* argv) {
  const TCommandLine line = ParseCommandLine(argc, argv, kOptionDefinitions);
  TSnapshotOptions options;
  for (const TParsedOption& o : line.Options) TakeOption(o, options);
  if (options.Help || options.Version) return options;
  if (line.Has("points") && line.Has("matrix")) throw EUsageError("--points and --matrix exclude each other");
  if ((options.Width == 0) != (options.Height == 0)) throw EUsageError("give both the width and the height");
  TakeOperands(line.Operands, options);
  return options;
}

std::string SnapshotUsageLine() { return "usage: chart_snapshot [OPTION...] OUT.png|OUT.svg|OUT.pdf [WIDTH HEIGHT]"; }

std::string SnapshotHelp() {
  return SnapshotUsageLine() + R"(
Draws the program's chart without a display and writes it to OUT: a PNG, or an
SVG or PDF drawn as vectors, as the name's extension says.

  -d, --data FILE          show the surface in FILE as Series1: lines of x,y,z
                           (y is the height) or a matrix of heights (one grid row
                           a line; x is the column, z the row); commas or blanks
                           between values, '#' starts a comment, a first line
                           without numbers is a header, "nan" leaves a hole
      --points, --matrix   read FILE as points or as a matrix (by default, three
                           values a line are points, any other count a matrix)
  -s, --size WxH           picture size, 1 to 16384 each (default: the chart's
                           own size, 913x705 for the main window); WIDTH HEIGHT
                           after OUT, or --width and --height, say the same
  -p, --palette STYLE      surface colours: range (the default), pale, strong,
                           gray, inverted-gray or rainbow
      --rotation DEGREES   turn the view (0 to 360; a perspective view)
      --elevation DEGREES  tilt the view (0 to 360; a perspective view)
      --zoom PERCENT       zoom the view (1 to 10000; 100 is the full chart)
  -w, --wire-frame         draw only the cells' outlines
      --smooth-palette     colour each cell by the mean of its four corners
  -t, --title TEXT         the chart's title
  -o, --output FILE        the output file (instead of OUT)
      --form FILE          draw the chart of a stored window description
      --save-form FILE     store the window that was drawn as a description
  -h, --help               show this help and exit
  -V, --version            show the version and exit

Exit status: 0 when the picture was written, 1 when it could not be (a message
on stderr says why), 2 for a command line it does not accept.
)";
}

}  // namespace quil
