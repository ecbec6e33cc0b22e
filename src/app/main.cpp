#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/data_view.h"
#include "app/form_file.h"
#include "app/gtk_form_window.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "app/program_options.h"
#include "app/screen_cursors.h"
#include "app/toolkit.h"

namespace {

// QUILCHART_EXIT_AFTER_FIRST_PAINT=1 ends the program once the chart has painted, so that
// start-up to first paint can be measured from outside (time, peak memory).
bool ExitAfterFirstPaint() {
  const char* value = std::getenv("QUILCHART_EXIT_AFTER_FIRST_PAINT");
  return value && std::string_view(value) == "1";
}

int UsageError(const std::string& reason) {
  std::fprintf(stderr, "%s\nquilchart: %s (see quilchart --help)\n", quil::ProgramUsageLine().c_str(), reason.c_str());
  return 2;
}

// The window the options ask for: the program's own or a stored one, showing the data file's
// surface when one is given.
std::unique_ptr<quil::TForm> CreateForm(const quil::TProgramOptions& options) {
  // The data is read first: a file that cannot be read is reported before any window exists.
  std::optional<quil::TSurfaceData> data;
  if (!options.DataFile.empty()) data = quil::ReadSurfaceData(options.DataFile, options.DataForm);
  auto form = options.FormFile.empty() ? quil::CreateMainForm() : quil::LoadFormFile(options.FormFile);
  if (data) quil::SetUpDataView(*form, *data);
  return form;
}

}  // namespace

int main(int argc, char** argv) {
  // Before the toolkit: help, version and usage errors need no display.
  quil::TProgramOptions options;
  try {
    options = quil::ParseProgramOptions(argc, argv);
  } catch (const quil::EUsageError& e) {
    return UsageError(e.what());
  }
  if (options.Help) {
    std::fputs(quil::ProgramHelp().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("quilchart %s\n", std::string(quil::kQuilVersion).c_str());
    return 0;
  }
  int toolkitArgc = 1;
  if (!quil::InitToolkit(toolkitArgc, argv)) {
    std::fprintf(stderr, "quilchart: cannot open the display\n");
    return 1;
  }
  try {
    const auto cursors = quil::CreateScreenCursors();
    const quil::TLibraryStartup library({[&] { quil::InstallScreenHandCursor(*cursors); },
                                         [&] { quil::RemoveScreenHandCursor(*cursors); }});
    auto form = CreateForm(options);
    {
      quil::TGtkFormWindow window(*form, *cursors);
      window.SetQuitAfterFirstPaint(ExitAfterFirstPaint());
      window.Show();
      window.Run();
    }
    // The window goes first, so no widget outlives the controls it shows; the components
    // go before the library's modules finalise.
    form.reset();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quilchart: %s\n", e.what());
    return 1;
  }
  return 0;
}
