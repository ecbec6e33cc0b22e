#include "app/toolkit.h"

#include <gtk/gtk.h>

#include "app/screen_cursors.h"
#include "core/host.h"

namespace quil {

bool InitToolkit(int& argc, char**& argv) {
  // Nothing here draws through OpenGL, yet on X11 the toolkit would load the GL driver at
  // start only to choose window visuals for it: some 50 MB of resident memory with a software
  // renderer, more than the whole program otherwise needs. A GDK_GL the user set still wins.
  g_setenv("GDK_GL", "disable", FALSE);
  return gtk_init_check(&argc, &argv);
}

std::unique_ptr<TScreenCursors> CreateScreenCursors() {
  GdkDisplay* display = gdk_display_get_default();
  return std::make_unique<TScreenCursors>(display);
}

void InstallScreenHandCursor(TScreenCursors& cursors) { InstallHandCursor(cursors, gdk_display_get_default()); }

void RemoveScreenHandCursor(TScreenCursors& cursors) { cursors.Remove(crQuilHand); }

}  // namespace quil
