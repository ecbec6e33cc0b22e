#include "app/gtk_form_window.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/gtk_form_window_parts.h"
#include "app/gtk_natural_size_layout.h"
#include "app/screen_cursors.h"
#include "core/rounding.h"

namespace quil {

namespace {

// A form's own font for its push buttons (the form's Font: 12 px "Segoe UI"), and the button
// metrics that let a button keep the height it is given (25 px instead of the theme's 34).
constexpr const char* kCss =
    "button { min-height: 0; min-width: 0; padding: 0 4px; }\n"
    "button label { font-family: \"Segoe UI\"; font-size: 12px; }\n";

// Captions mark their access key with '&' ("&&" is a literal one); the toolkit uses '_'.
std::string MnemonicLabel(const std::string& caption) {
  std::string label;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '_') {
      label += "__";
    } else if (c == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
      label += '&';
      ++i;
    } else if (c == '&') {
      label += '_';
    } else {
      label += c;
    }
  }
  return label;
}

// A rounded rectangle as the union of one span per row: each corner is a quarter of an
// ellipse whose width and height are `round` pixels.
cairo_region_t* RoundRectRegion(int width, int height, int round) {
  cairo_region_t* region = cairo_region_create();
  const double r = std::min({round / 2.0, width / 2.0, height / 2.0});
  for (int y = 0; y < height; ++y) {
    const double fromEdge = std::min(y, height - 1 - y) + 0.5;
    int inset = 0;
    if (fromEdge < r) {
      const double dy = r - fromEdge;
      inset = QuilRound(r - std::sqrt(r * r - dy * dy));
    }
    const cairo_rectangle_int_t span{inset, y, width - 2 * inset, 1};
    if (span.width > 0) cairo_region_union_rectangle(region, &span);
  }
  return region;
}

}  // namespace

TGtkFormWindow::TGtkFormWindow(TForm& form, const TScreenCursors& cursors, TPlacement placement)
    : form_(form), cursors_(cursors) {
  if (placement == fpTopLevel) {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), form.Caption().c_str());
    gtk_window_set_default_size(GTK_WINDOW(window_), form.ClientWidth(), form.ClientHeight());
  }

  css_ = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css_, kCss, -1, nullptr);
  // An embedded form styles its own buttons only, not those of the program around it.
  if (window_)
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css_),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);

  // A layout places its children at fixed positions like GtkFixed, but asks for no size of
  // its own: the window can be made smaller than the children, which are then clipped. An
  // embedded form's layout asks for its form's size only as the natural size.
  if (window_) {
    layout_ = gtk_layout_new(nullptr, nullptr);
    gtk_container_add(GTK_CONTAINER(window_), layout_);
  } else {
    layout_ = NewNaturalSizeLayout(form.ClientWidth(), form.ClientHeight());
    // Kept alive until this host goes, whatever container the program puts it in or takes it from.
    embeddedLayout_ = GTK_WIDGET(g_object_ref_sink(layout_));
  }
  Signals::ConnectWindow(*this);

  form_.SetHost(this);
  for (int i = 0; i < form.ControlCount(); ++i) AddChild(*form.Controls(i));
}

TGtkFormWindow::~TGtkFormWindow() {
  if (GtkWidget* widget = Widget()) gtk_widget_destroy(widget);
  if (embeddedLayout_) g_object_unref(embeddedLayout_);
  if (!formGone_ && form_.Host() == this) form_.SetHost(nullptr);
  if (!embeddedLayout_)
    gtk_style_context_remove_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css_));
  g_object_unref(css_);
}

void TGtkFormWindow::AddChild(TControl& control) {
  auto child = std::make_unique<TControlWidget>();
  child->window = this;
  child->control = &control;
  child->cursor = control.Cursor();
  child->isButton = dynamic_cast<TButton*>(&control) != nullptr;
  GtkWidget* widget;
  if (child->isButton) {
    widget = gtk_button_new_with_mnemonic(MnemonicLabel(control.Caption()).c_str());
    if (embeddedLayout_) {
      gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(css_),
                                     GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
      gtk_style_context_add_provider(gtk_widget_get_style_context(gtk_bin_get_child(GTK_BIN(widget))),
                                     GTK_STYLE_PROVIDER(css_), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    }
    Signals::ConnectButton(widget, *child);
  } else {
    widget = gtk_drawing_area_new();
    // The control paints every pixel itself; the toolkit draws no background first.
    gtk_widget_set_app_paintable(widget, TRUE);
    gtk_widget_set_can_focus(widget, dynamic_cast<TWinControl*>(&control) != nullptr);
    Signals::ConnectDrawingArea(widget, *child);
  }
  child->widget = widget;
  gtk_widget_set_size_request(widget, control.Width(), control.Height());
  gtk_widget_set_sensitive(widget, control.Enabled());
  gtk_layout_put(GTK_LAYOUT(layout_), widget, control.Left(), control.Top());
  gtk_widget_set_visible(widget, control.Visible());
  children_[&control] = std::move(child);
}

TGtkFormWindow::TControlWidget* TGtkFormWindow::Find(const TControl& control) const {
  auto it = children_.find(&control);
  return it == children_.end() ? nullptr : it->second.get();
}

void TGtkFormWindow::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    if (!error_) error_ = std::current_exception();
    if (running_) gtk_main_quit();
  }
}

void TGtkFormWindow::Show() {
  if (!layout_) return;
  gtk_widget_show(layout_);
  if (window_) gtk_widget_show(window_);
  TWinControl* first = form_.ActiveControl();
  if (!first || !first->CanFocus()) first = form_.FindNextControl(nullptr, true);
  if (first) first->SetFocus();
}

void TGtkFormWindow::Run() {
  if (layout_) {
    running_ = true;
    gtk_main();
    running_ = false;
  }
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void TGtkFormWindow::ProcessPendingEvents() {
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void TGtkFormWindow::Close() {
  if (window_) gtk_window_close(GTK_WINDOW(window_));
}

unsigned long TGtkFormWindow::NativeWindow() const {
  GdkWindow* gdkWindow = window_ ? gtk_widget_get_window(window_) : nullptr;
  return gdkWindow && GDK_IS_X11_WINDOW(gdkWindow) ? gdk_x11_window_get_xid(gdkWindow) : 0;
}

GtkWidget* TGtkFormWindow::TopLevel() const {
  if (window_ || !layout_) return window_;
  GtkWidget* top = gtk_widget_get_toplevel(layout_);
  return gtk_widget_is_toplevel(top) ? top : nullptr;
}

void TGtkFormWindow::WindowDestroyed() {
  // The widgets are going; nothing may reach them (or their signal data) from now on.
  window_ = nullptr;
  layout_ = nullptr;
  for (auto& [control, child] : children_) g_signal_handlers_disconnect_by_data(child->widget, child.get());
  children_.clear();
  if (running_) gtk_main_quit();
}

void TGtkFormWindow::InvalidateControl(TControl& control) {
  if (&control == &form_) {
    if (layout_) gtk_widget_queue_draw(layout_);
    return;
  }
  TControlWidget* child = Find(control);
  if (!child) return;
  if (child->isButton) gtk_button_set_label(GTK_BUTTON(child->widget), MnemonicLabel(control.Caption()).c_str());
  gtk_widget_set_sensitive(child->widget, control.Enabled());
  gtk_widget_queue_draw(child->widget);
}

void TGtkFormWindow::UpdateControl(TControl& control) {
  TControlWidget* child = Find(control);
  GtkWidget* widget = child ? child->widget : window_;
  if (!widget || !gtk_widget_is_drawable(widget)) return;
  // The toolkit has no other way to paint a pending area synchronously.
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gdk_window_process_updates(gtk_widget_get_window(widget), FALSE);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

void TGtkFormWindow::ApplyCursor(TControlWidget& child) {
  // A button has no window of its own; its cursor would be the form's.
  if (child.isButton) return;
  if (GdkWindow* gdkWindow = gtk_widget_get_window(child.widget))
    gdk_window_set_cursor(gdkWindow, cursors_.Cursor(child.cursor));
}

void TGtkFormWindow::SetControlCursor(TControl& control, int cursor) {
  if (TControlWidget* child = Find(control)) {
    child->cursor = cursor;
    ApplyCursor(*child);
  }
}

// While a button is held the toolkit already sends every pointer event to the control it
// was pressed in, which is the capture the controls need; outside a press an explicit grab
// stands in for it.
void TGtkFormWindow::SetCapture(TControl& control, bool capture) {
  TControlWidget* child = Find(control);
  if (!child || child->isButton) return;
  GdkWindow* gdkWindow = gtk_widget_get_window(child->widget);
  if (!gdkWindow) return;
  GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(gdkWindow));
  if (capture && !child->explicitGrab && child->buttonsHeld == 0) {
    child->explicitGrab = gdk_seat_grab(seat, gdkWindow, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr, nullptr,
                                        nullptr, nullptr) == GDK_GRAB_SUCCESS;
  } else if (!capture && child->explicitGrab) {
    gdk_seat_ungrab(seat);
    child->explicitGrab = false;
  }
}

void TGtkFormWindow::SetFocus(TControl& control) {
  if (TControlWidget* child = Find(control)) gtk_widget_grab_focus(child->widget);
}

bool TGtkFormWindow::IsFocused(const TControl& control) const {
  const TControlWidget* child = Find(control);
  return child && gtk_widget_is_focus(child->widget);
}

TPoint TGtkFormWindow::CursorPos(const TControl& control) const {
  GtkWidget* topLevel = TopLevel();
  GdkWindow* top = topLevel ? gtk_widget_get_window(topLevel) : nullptr;
  if (!top) return {};
  GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(top)));
  int x = 0;
  int y = 0;
  gdk_window_get_device_position(top, pointer, &x, &y, nullptr);
  const TControlWidget* child = Find(control);
  if (!child) return {x, y};
  int cx = x;
  int cy = y;
  gtk_widget_translate_coordinates(topLevel, child->widget, x, y, &cx, &cy);
  return {cx, cy};
}

void TGtkFormWindow::BoundsChanged(TControl& control) {
  if (&control == &form_) {
    if (window_) gtk_window_resize(GTK_WINDOW(window_), std::max(1, control.Width()), std::max(1, control.Height()));
    else if (layout_) SetNaturalSize(layout_, control.Width(), control.Height());
    return;
  }
  TControlWidget* child = Find(control);
  if (!child) return;
  gtk_layout_move(GTK_LAYOUT(layout_), child->widget, control.Left(), control.Top());
  gtk_widget_set_size_request(child->widget, control.Width(), control.Height());
  gtk_widget_set_visible(child->widget, control.Visible());
}

// A window region limits both what shows and where the control takes the mouse. The toolkit
// clips a child's drawing to its rectangle only, whatever the shape of its window, so the
// paint is clipped to the region here; the region is also the window's input shape, so that
// the cut-off corners pass the mouse on to the form.
void TGtkFormWindow::SetRoundRegion(TControl& control, int round) {
  TControlWidget* child = Find(control);
  if (!child || child->isButton) return;
  child->region.reset(round > 0 ? RoundRectRegion(control.Width(), control.Height(), round) : nullptr);
  gtk_widget_input_shape_combine_region(child->widget, child->region.get());
  // What the region no longer covers shows the form again.
  gtk_widget_queue_draw_area(layout_, control.Left(), control.Top(), control.Width(), control.Height());
  gtk_widget_queue_draw(child->widget);
}

void TGtkFormWindow::ControlRemoved(TControl& control) {
  if (&control == &form_) {
    formGone_ = true;
    if (GtkWidget* widget = Widget()) gtk_widget_destroy(widget);
    return;
  }
  auto it = children_.find(&control);
  if (it == children_.end()) return;
  const std::unique_ptr<TControlWidget> child = std::move(it->second);
  children_.erase(it);
  g_signal_handlers_disconnect_by_data(child->widget, child.get());
  gtk_widget_destroy(child->widget);
}

}  // namespace quil
