#pragma once

#include <gtk/gtk.h>

#include <memory>

#include "app/gtk_form_window.h"
#include "app/gtk_input.h"

// What the form window and its signal handlers share.
namespace quil {

// The toolkit side of one child control.
struct TGtkFormWindow::TControlWidget {
  TGtkFormWindow* window = nullptr;
  TControl* control = nullptr;
  GtkWidget* widget = nullptr;
  bool isButton = false;
  int cursor = crDefault;
  TWheelAccumulator wheel;
  bool pointerInside = false;
  bool explicitGrab = false;
  guint buttonsHeld = 0;
  std::unique_ptr<cairo_region_t, void (*)(cairo_region_t*)> region{nullptr, cairo_region_destroy};
};

// The toolkit's signal handlers; the data pointer is the TControlWidget of the control, or the
// window itself for the window's own signals.
struct TGtkFormWindow::Signals {
  static void ConnectWindow(TGtkFormWindow& window);
  static void ConnectButton(GtkWidget* button, TControlWidget& child);
  // Mouse, paint and realize signals of a control's drawing area (keys go through the window).
  static void ConnectDrawingArea(GtkWidget* area, TControlWidget& child);

  static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer data);
  static gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data);
  static gboolean OnButtonRelease(GtkWidget*, GdkEventButton* event, gpointer data);
  static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data);
  static gboolean OnEnter(GtkWidget* widget, GdkEventCrossing* event, gpointer data);
  static gboolean OnLeave(GtkWidget* widget, GdkEventCrossing* event, gpointer data);
  static gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer data);
  static void OnRealize(GtkWidget*, gpointer data);
  static void OnClicked(GtkButton*, gpointer data);
  static gboolean OnWindowKeyPress(GtkWidget* widget, GdkEventKey* event, gpointer data);
  static gboolean OnWindowKeyRelease(GtkWidget*, GdkEventKey* event, gpointer data);
  static gboolean OnWindowDelete(GtkWidget*, GdkEvent*, gpointer data);
  static gboolean OnFormDraw(GtkWidget*, cairo_t* cr, gpointer data);
  static void OnWindowDestroy(GtkWidget*, gpointer data);
  // A top-level window destroyed by another client (see gtk_form_window_lost.cpp).
  static void OnWindowRealize(GtkWidget* widget, gpointer data);
  static GdkFilterReturn OnNativeEvent(GdkXEvent* xevent, GdkEvent*, gpointer data);
};

}  // namespace quil
