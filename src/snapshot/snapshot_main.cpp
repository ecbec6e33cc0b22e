// chart_snapshot: draws a window's chart without a display and writes it as a PNG, through the
// same paint path the window uses. The window is the main window, or the one a stored
// description file describes; a data file fills its surface. "chart_snapshot --help" lists it all.
#include <cstdio>
#include <exception>
#include <string>

#include "app/command_line.h"
#include "app/data_view.h"
#include "app/form_file.h"
#include "app/library_startup.h"
#include "core/exceptions.h"
#include "data/surface_data.h"
#include "snapshot/snapshot_form.h"
#include "snapshot/snapshot_look.h"
#include "snapshot/snapshot_options.h"
#include "snapshot/snapshot_output.h"

namespace {

int UsageError(const std::string& reason) {
  std::fprintf(stderr, "%s\nchart_snapshot: %s (see chart_snapshot --help)\n", quil::SnapshotUsageLine().c_str(),
               reason.c_str());
  return 2;
}

bool ValidSide(int value) { return value >= 1 && value <= quil::kMaxSnapshotSide; }

void Snapshot(quil::TSnapshotOptions options) {
  // Before the render: a large picture is not drawn for a file that cannot be written.
  quil::CheckSnapshotOutput(options.Output);
  const quil::TLibraryStartup library;
  auto form = quil::SnapshotForm(options.Form);
  quil::TControl* chart = quil::FirstChart(*form);
  if (!chart) throw quil::EQuilError("The window holds no chart");
  if (!options.DataFile.empty()) quil::SetUpDataView(*form, quil::ReadSurfaceData(options.DataFile, options.DataForm));
  quil::ApplySnapshotLook(*form, options);
  if (options.Width == 0) {
    options.Width = chart->Width();
    options.Height = chart->Height();
    if (!ValidSide(options.Width) || !ValidSide(options.Height))
      throw quil::EQuilError("The chart's size is out of range; give WIDTH and HEIGHT");
  }
  quil::WriteChartPicture(*chart, options.Width, options.Height, options.Output);
  quil::SaveSnapshotForm(options.Form, *form);
}

}  // namespace

int main(int argc, char** argv) {
  quil::TSnapshotOptions options;
  try {
    options = quil::ParseSnapshotOptions(argc, argv);
  } catch (const quil::EUsageError& e) {
    return UsageError(e.what());
  }
  if (options.Help) {
    std::fputs(quil::SnapshotHelp().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("chart_snapshot %s\n", std::string(quil::kQuilVersion).c_str());
    return 0;
  }
  try {
    Snapshot(std::move(options));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chart_snapshot: %s\n", e.what());
    return 1;
  }
  return 0;
}
