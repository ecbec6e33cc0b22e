#include <algorithm>
#include <vector>

#include "app/gtk_form_window_parts.h"

// After the library's headers: X11's macros (Bool, None) would clash with their names.
#include <X11/Xlibint.h>
#include <gdk/gdkx.h>

namespace quil {

// When another client destroys a form's top-level X window (a window manager's or a tool's
// XDestroyWindow rather than the polite WM_DELETE_WINDOW), two things go wrong in the toolkit:
// - requests it sends to the window before it has read the DestroyNotify (a cursor change or a
//   pointer query as the pointer leaves, a paint) fail with BadWindow or BadDrawable, and an X
//   error the toolkit did not expect ends the program with status 1;
// - it destroys its GdkWindow and frame clock first and the widgets afterwards, and
//   unregistering the window's pending style updates then fails on the missing frame clock,
//   with a warning and criticals on stderr.
// So errors about the form windows' own X windows are dropped where Xlib receives them, before
// any error handler or error trap of the toolkit sees them, and the DestroyNotify is taken
// before the toolkit sees it: the widgets are destroyed in the usual order while the toolkit
// still holds the window.
namespace {

// The X windows of every form window shown, kept after they go: errors about them may arrive
// later.
std::vector<XID> formWindows;
using TWireErrorProc = Bool (*)(Display*, XErrorEvent*, xError*);
TWireErrorProc passBadWindow = nullptr;
TWireErrorProc passBadDrawable = nullptr;

bool AboutAFormWindow(const XErrorEvent* error) {
  return std::find(formWindows.begin(), formWindows.end(), error->resourceid) != formWindows.end();
}

// False drops the error; anything else goes on as before.
Bool FilterBadWindow(Display* display, XErrorEvent* error, xError* wire) {
  return AboutAFormWindow(error) ? False : passBadWindow(display, error, wire);
}

Bool FilterBadDrawable(Display* display, XErrorEvent* error, xError* wire) {
  return AboutAFormWindow(error) ? False : passBadDrawable(display, error, wire);
}

void WatchErrorsAbout(Display* display, XID window) {
  formWindows.push_back(window);
  if (passBadWindow) return;
  passBadWindow = XESetWireToError(display, BadWindow, FilterBadWindow);
  passBadDrawable = XESetWireToError(display, BadDrawable, FilterBadDrawable);
}

}  // namespace

void TGtkFormWindow::Signals::OnWindowRealize(GtkWidget* widget, gpointer data) {
  GdkWindow* window = gtk_widget_get_window(widget);
  if (!GDK_IS_X11_WINDOW(window)) return;
  WatchErrorsAbout(GDK_WINDOW_XDISPLAY(window), gdk_x11_window_get_xid(window));
  gdk_window_add_filter(window, OnNativeEvent, data);
}

// The teardown runs at once, inside the filter; the event keeps its own reference to the
// GdkWindow, so the filter's caller still holds a live object.
GdkFilterReturn TGtkFormWindow::Signals::OnNativeEvent(GdkXEvent* xevent, GdkEvent*, gpointer data) {
  const auto* event = static_cast<const XEvent*>(xevent);
  auto& self = *static_cast<TGtkFormWindow*>(data);
  if (event->type != DestroyNotify || !self.window_ || event->xdestroywindow.window != self.NativeWindow())
    return GDK_FILTER_CONTINUE;
  gtk_widget_destroy(self.window_);
  return GDK_FILTER_REMOVE;
}

}  // namespace quil
