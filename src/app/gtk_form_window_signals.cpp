#include <gtk/gtk.h>

#include "app/gtk_form_window_parts.h"
#include "canvas/device_context.h"

namespace quil {

namespace {

// The toolkit queues the double-click event right behind the second press. The library sees a
// double click as one press carrying ssDouble, so that second plain press is left out.
bool DoubleClickFollows(const GdkEventButton& press) {
  GdkEvent* next = gdk_event_peek();
  if (!next) return false;
  const bool follows = next->type == GDK_2BUTTON_PRESS && next->button.window == press.window &&
                       next->button.button == press.button;
  gdk_event_free(next);
  return follows;
}

// The toolkit holds back the newest motion until its frame clock flushes events, and asks for
// that flush only when the motion arrives alone. A motion queued behind a crossing (the first
// one outside a control during a drag) would then wait for the next event; ask for it here.
void FlushHeldMotion(GtkWidget* widget) {
  if (GdkFrameClock* clock = gtk_widget_get_frame_clock(widget))
    gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_FLUSH_EVENTS);
}

}  // namespace

void TGtkFormWindow::Signals::ConnectWindow(TGtkFormWindow& window) {
  g_signal_connect(window.layout_, "draw", G_CALLBACK(OnFormDraw), &window);
  if (!window.window_) {
    g_signal_connect(window.layout_, "destroy", G_CALLBACK(OnWindowDestroy), &window);
    return;
  }
  g_signal_connect(window.window_, "key-press-event", G_CALLBACK(OnWindowKeyPress), &window);
  g_signal_connect(window.window_, "key-release-event", G_CALLBACK(OnWindowKeyRelease), &window);
  g_signal_connect(window.window_, "delete-event", G_CALLBACK(OnWindowDelete), &window);
  g_signal_connect(window.window_, "destroy", G_CALLBACK(OnWindowDestroy), &window);
  g_signal_connect(window.window_, "realize", G_CALLBACK(OnWindowRealize), &window);
}

void TGtkFormWindow::Signals::ConnectButton(GtkWidget* button, TControlWidget& child) {
  g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), &child);
}

void TGtkFormWindow::Signals::ConnectDrawingArea(GtkWidget* area, TControlWidget& child) {
  gtk_widget_add_events(area, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                  GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK | GDK_SCROLL_MASK |
                                  GDK_SMOOTH_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_FOCUS_CHANGE_MASK);
  g_signal_connect(area, "draw", G_CALLBACK(OnDraw), &child);
  g_signal_connect(area, "button-press-event", G_CALLBACK(OnButtonPress), &child);
  g_signal_connect(area, "button-release-event", G_CALLBACK(OnButtonRelease), &child);
  g_signal_connect(area, "motion-notify-event", G_CALLBACK(OnMotion), &child);
  g_signal_connect(area, "enter-notify-event", G_CALLBACK(OnEnter), &child);
  g_signal_connect(area, "leave-notify-event", G_CALLBACK(OnLeave), &child);
  g_signal_connect(area, "scroll-event", G_CALLBACK(OnScroll), &child);
  g_signal_connect(area, "realize", G_CALLBACK(OnRealize), &child);
}

gboolean TGtkFormWindow::Signals::OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  if (child.region) {
    gdk_cairo_region(cr, child.region.get());
    cairo_clip(cr);
  }
  child.window->Guarded([&] {
    TCairoDeviceContext dc(cr);
    child.control->Paint(dc);
  });
  // The loop stops after this dispatch, once the frame holding the picture is finished.
  if (child.window->quitAfterFirstPaint_ && child.window->running_) gtk_main_quit();
  return TRUE;
}

gboolean TGtkFormWindow::Signals::OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  const auto button = MouseButtonFromGdk(event->button);
  if (!button) return FALSE;
  const int x = ClientPixel(event->x);
  const int y = ClientPixel(event->y);
  if (event->type == GDK_BUTTON_PRESS) {
    child.buttonsHeld |= 1u << event->button;
    if (DoubleClickFollows(*event)) return TRUE;
    child.window->Guarded([&] { child.control->MouseDown(*button, PressShift(event->state, *button), x, y); });
  } else if (event->type == GDK_2BUTTON_PRESS) {
    child.window->Guarded([&] {
      child.control->DblClick();
      child.control->MouseDown(*button, PressShift(event->state, *button) | ssDouble, x, y);
    });
  }
  return TRUE;
}

gboolean TGtkFormWindow::Signals::OnButtonRelease(GtkWidget*, GdkEventButton* event, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  const auto button = MouseButtonFromGdk(event->button);
  if (!button) return FALSE;
  child.buttonsHeld &= ~(1u << event->button);
  child.window->Guarded([&] {
    child.control->MouseUp(*button, ReleaseShift(event->state, *button), ClientPixel(event->x), ClientPixel(event->y));
  });
  return TRUE;
}

gboolean TGtkFormWindow::Signals::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  child.pointerInside = true;
  child.window->Guarded([&] {
    child.control->MouseMove(ShiftFromModifiers(event->state), ClientPixel(event->x), ClientPixel(event->y));
  });
  return TRUE;
}

gboolean TGtkFormWindow::Signals::OnEnter(GtkWidget* widget, GdkEventCrossing* event, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  FlushHeldMotion(widget);
  if (event->mode == GDK_CROSSING_NORMAL || event->mode == GDK_CROSSING_UNGRAB) child.pointerInside = true;
  return FALSE;
}

// Only a real departure of the pointer counts. While a button is held the pointer is
// captured, and the departure is reported when the capture ends outside (mode ungrab);
// crossings caused by another widget's grab (a button pressed from the keyboard) are not
// the mouse leaving.
gboolean TGtkFormWindow::Signals::OnLeave(GtkWidget* widget, GdkEventCrossing* event, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  FlushHeldMotion(widget);
  if (event->detail == GDK_NOTIFY_INFERIOR || !child.pointerInside) return FALSE;
  const bool buttonsDown = (event->state & (GDK_BUTTON1_MASK | GDK_BUTTON2_MASK | GDK_BUTTON3_MASK)) != 0;
  bool left = false;
  if (event->mode == GDK_CROSSING_NORMAL) {
    left = !buttonsDown;
  } else if (event->mode == GDK_CROSSING_UNGRAB) {
    const int x = ClientPixel(event->x);
    const int y = ClientPixel(event->y);
    left = x < 0 || y < 0 || x >= gtk_widget_get_allocated_width(widget) || y >= gtk_widget_get_allocated_height(widget);
  }
  if (!left) return FALSE;
  child.pointerInside = false;
  child.window->Guarded([&] { child.control->MouseLeave(); });
  return FALSE;
}

gboolean TGtkFormWindow::Signals::OnScroll(GtkWidget*, GdkEventScroll* event, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  const int units = WheelUnits(child.wheel, *event);
  if (units == 0) return TRUE;
  const TPoint pos{ClientPixel(event->x), ClientPixel(event->y)};
  child.window->Guarded([&] { child.control->MouseWheel(ShiftFromModifiers(event->state), units, pos); });
  return TRUE;
}

void TGtkFormWindow::Signals::OnRealize(GtkWidget*, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  child.window->ApplyCursor(child);
}

void TGtkFormWindow::Signals::OnClicked(GtkButton*, gpointer data) {
  auto& child = *static_cast<TControlWidget*>(data);
  child.window->Guarded([&] { child.control->Click(); });
}

// Keys go through the form first: Tab and Shift+Tab follow the form's tab order (not the
// toolkit's order by position), other keys reach the focused control; what the form leaves
// unused (Space on a button, say) goes on to the toolkit.
gboolean TGtkFormWindow::Signals::OnWindowKeyPress(GtkWidget* widget, GdkEventKey* event, gpointer data) {
  auto& self = *static_cast<TGtkFormWindow*>(data);
  const int key = VirtualKeyFromKeyval(event->keyval);
  if (key == 0) return FALSE;
  bool used = false;
  self.Guarded([&] { used = self.form_.DispatchKeyDown(key, ShiftFromModifiers(event->state)); });
  if (used && key == VK_TAB) gtk_window_set_focus_visible(GTK_WINDOW(widget), TRUE);
  return used;
}

gboolean TGtkFormWindow::Signals::OnWindowKeyRelease(GtkWidget*, GdkEventKey* event, gpointer data) {
  auto& self = *static_cast<TGtkFormWindow*>(data);
  const int key = VirtualKeyFromKeyval(event->keyval);
  if (key == 0) return FALSE;
  bool used = false;
  self.Guarded([&] { used = self.form_.DispatchKeyUp(key, ShiftFromModifiers(event->state)); });
  return used;
}

gboolean TGtkFormWindow::Signals::OnWindowDelete(GtkWidget*, GdkEvent*, gpointer data) {
  auto& self = *static_cast<TGtkFormWindow*>(data);
  self.Guarded([&] {
    if (self.form_.OnClose) self.form_.OnClose(self.form_);
  });
  return FALSE;
}

// The form paints its own background under the children, so that whatever a child leaves
// behind when it moves, shrinks or changes its region is covered.
gboolean TGtkFormWindow::Signals::OnFormDraw(GtkWidget*, cairo_t* cr, gpointer data) {
  auto& self = *static_cast<TGtkFormWindow*>(data);
  const TColor rgb = SystemColor(self.form_.Color());
  cairo_set_source_rgb(cr, GetRValue(rgb) / 255.0, GetGValue(rgb) / 255.0, GetBValue(rgb) / 255.0);
  cairo_paint(cr);
  return FALSE;
}

void TGtkFormWindow::Signals::OnWindowDestroy(GtkWidget*, gpointer data) {
  static_cast<TGtkFormWindow*>(data)->WindowDestroyed();
}

}  // namespace quil
