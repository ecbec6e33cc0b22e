#include <algorithm>
#include <array>
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
// So the errors such requests cause are dropped where Xlib receives them, before any error
// handler or error trap of the toolkit sees them: errors about a form window's own X window,
// and once one is gone, any error of a request sent before the widgets were torn down (a
// pixmap made for the gone window fails, and so does every request made with that pixmap).
// And the DestroyNotify is taken before the toolkit sees it: the widgets are destroyed in the
// usual order while the toolkit still holds the window.
namespace {

constexpr int kLastErrorCode = 255;
using TWireErrorProc = Bool (*)(Display*, XErrorEvent*, xError*);

struct TExpectedErrors {
  // The X windows of every form window shown, kept after they go: errors about them may
  // arrive later.
  std::vector<XID> FormWindows;
  // A form window is gone and its widgets are not torn down yet.
  bool WindowLost = false;
  // Errors of requests before this one follow from a lost window; 0 when none was lost.
  unsigned long SettledSerial = 0;
  std::array<TWireErrorProc, kLastErrorCode + 1> Passed{};
};

TExpectedErrors expected;

bool AboutAFormWindow(const XErrorEvent& error) {
  return std::find(expected.FormWindows.begin(), expected.FormWindows.end(), error.resourceid) !=
         expected.FormWindows.end();
}

// False drops the error; any other goes on as before.
Bool FilterError(Display* display, XErrorEvent* error, xError* wire) {
  const bool gone = error->error_code == BadWindow || error->error_code == BadDrawable;
  if (gone && AboutAFormWindow(*error)) {
    expected.WindowLost = true;
    return False;
  }
  if (expected.WindowLost || error->serial < expected.SettledSerial) return False;
  return expected.Passed[error->error_code](display, error, wire);
}

void WatchErrorsAbout(Display* display, XID window) {
  expected.FormWindows.push_back(window);
  if (expected.Passed[BadWindow]) return;
  for (int code = 1; code <= kLastErrorCode; ++code)
    expected.Passed[static_cast<std::size_t>(code)] = XESetWireToError(display, code, FilterError);
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
  Display* display = GDK_WINDOW_XDISPLAY(gtk_widget_get_window(self.window_));
  gtk_widget_destroy(self.window_);
  expected.WindowLost = false;
  expected.SettledSerial = NextRequest(display);
  return GDK_FILTER_REMOVE;
}

}  // namespace quil
