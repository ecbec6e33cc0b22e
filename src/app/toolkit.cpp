#include "app/toolkit.h"

#include <gtk/gtk.h>

#include "app/screen_cursors.h"
#include "core/host.h"

namespace quil {

bool InitToolkit(int& argc, char**& argv) { return gtk_init_check(&argc, &argv); }

std::unique_ptr<TScreenCursors> CreateScreenCursors() {
  GdkDisplay* display = gdk_display_get_default();
  return std::make_unique<TScreenCursors>(display);
}

void InstallScreenHandCursor(TScreenCursors& cursors) { InstallHandCursor(cursors, gdk_display_get_default()); }

void RemoveScreenHandCursor(TScreenCursors& cursors) { cursors.Remove(crQuilHand); }

}  // namespace quil
