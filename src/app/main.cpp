#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

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

}  // namespace

int main(int argc, char** argv) {
  if (!quil::InitToolkit(argc, argv)) {
    std::fprintf(stderr, "quilchart: cannot open the display\n");
    return 1;
  }
  try {
    const auto cursors = quil::CreateScreenCursors();
    const quil::TLibraryStartup library({[&] { quil::InstallScreenHandCursor(*cursors); },
                                         [&] { quil::RemoveScreenHandCursor(*cursors); }});
    auto form = quil::CreateMainForm();
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
