#include "app/toolkit.h"

#include <gtk/gtk.h>

#include "app/screen_cursors.h"

namespace quil {

bool InitToolkit(int& argc, char**& argv) { return gtk_init_check(&argc, &argv); }

std::unique_ptr<TScreenCursors> CreateScreenCursors() {
  GdkDisplay* display = gdk_display_get_default();
  auto cursors = std::make_unique<TScreenCursors>(display);
  InstallHandCursor(*cursors, display);
  return cursors;
}

}  // namespace quil
