#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "app/form_file.h"
#include "app/gtk_form_window.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "app/screen_cursors.h"
#include "app/toolkit.h"

namespace {

// QUILCHART_EXIT_AFTER_FIRST_PAINT=1 ends the program once the chart has painted, so that
// start-up to first paint can be measured from outside (time, peak memory).
bool ExitAfterFirstPaint() {
  const char* value = std::getenv("QUILCHART_EXIT_AFTER_FIRST_PAINT");
  return value && std::string_view(value) == "1";
}

// "--form FILE" opens the window a stored description file describes instead of the
// program's own; answers false for any other argument.
bool FormFileArgument(int argc, char** argv, std::string& formFile) {
  if (argc == 1) return true;
  if (argc == 3 && std::string_view(argv[1]) == "--form") {
    formFile = argv[2];
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!quil::InitToolkit(argc, argv)) {
    std::fprintf(stderr, "quilchart: cannot open the display\n");
    return 1;
  }
  std::string formFile;
  if (!FormFileArgument(argc, argv, formFile)) {
    std::fprintf(stderr, "usage: quilchart [--form FILE]\n");
    return 2;
  }
  try {
    const auto cursors = quil::CreateScreenCursors();
    const quil::TLibraryStartup library({[&] { quil::InstallScreenHandCursor(*cursors); },
                                         [&] { quil::RemoveScreenHandCursor(*cursors); }});
    auto form = formFile.empty() ? quil::CreateMainForm() : quil::LoadFormFile(formFile);
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
