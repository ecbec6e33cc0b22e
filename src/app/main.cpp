#include <cstdio>
#include <exception>

#include "app/gtk_form_window.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "app/screen_cursors.h"
#include "app/toolkit.h"

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
