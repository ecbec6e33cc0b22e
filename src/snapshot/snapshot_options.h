#pragma once

#include <optional>
#include <string>

#include "data/surface_data.h"
#include "series/surface/value_palette.h"
#include "snapshot/snapshot_form.h"

namespace quil {

// The largest picture side chart_snapshot draws.
inline constexpr int kMaxSnapshotSide = 16384;

// What a chart_snapshot command line asks for.
struct TSnapshotOptions {
  bool Help = false;
  bool Version = false;
  std::string Output;
  // Zero: the chart's own size.
  int Width = 0;
  int Height = 0;
  TSnapshotFormOptions Form;
  std::string DataFile;
  TDataForm DataForm = TDataForm::Auto;
  // None: the series' own colour range.
  std::optional<TQuilPaletteStyle> PaletteStyle;
  std::optional<double> Rotation;
  std::optional<double> Elevation;
  std::optional<double> Zoom;
  bool WireFrame = false;
  bool SmoothPalette = false;
  std::optional<std::string> Title;
};

// Reads the command line; raises EUsageError for what it does not accept. Without --help or
// --version it needs the output file, optionally followed by the width and the height.
TSnapshotOptions ParseSnapshotOptions(int argc, const char* const* argv);

// The text --help prints (the first line is also the start of every usage error's message).
std::string SnapshotHelp();
std::string SnapshotUsageLine();

}  // namespace quil
