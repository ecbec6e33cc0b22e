#include <gtk/gtk.h>

#include <cstdio>
#include <exception>

#include "app/gtk_form_window.h"
#include "app/main_form.h"
#include "app/screen_cursors.h"

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  try {
    quil::TScreenCursors cursors(gdk_display_get_default());
    quil::InstallHandCursor(cursors, gdk_display_get_default());
    auto form = quil::CreateMainForm();
    {
      quil::TGtkFormWindow window(*form, cursors);
      window.Show();
      window.Run();
    }
    form.reset();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quilchart: %s\n", e.what());
    return 1;
  }
  return 0;
}
