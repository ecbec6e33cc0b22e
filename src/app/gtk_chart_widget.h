#pragma once

#include <memory>

#include "app/gtk_form_window.h"
#include "core/forms.h"

struct _GtkWidget;

namespace quil {

class TCustomQuilPanel;
class TScreenCursors;

// A chart as a GTK widget for another program's window, next to that program's own widgets:
// the chart is placed on a holder form without a window of its own, hosted by the same code that
// hosts a form window, so it paints, takes the mouse (clicks, zoom, scroll, wheel) and shows its
// cursors exactly as in the program's window. The widget asks for the chart's size and the chart
// follows the size it is given. The widget must go before the chart; a chart destroyed first
// simply leaves the widget empty.
class TGtkChartWidget {
 public:
  TGtkChartWidget(TCustomQuilPanel& chart, const TScreenCursors& cursors);
  ~TGtkChartWidget();
  TGtkChartWidget(const TGtkChartWidget&) = delete;
  TGtkChartWidget& operator=(const TGtkChartWidget&) = delete;

  // The widget to put into a container; null once the program destroyed it.
  _GtkWidget* Widget() const { return host_->Widget(); }
  // The chart, or null once it has been destroyed.
  TCustomQuilPanel* Chart() const;
  // The host, to run the toolkit's loop (an error the chart raises in an event handler ends it
  // and is raised from Run or ProcessPendingEvents).
  TGtkFormWindow& Host() const { return *host_; }

 private:
  static void OnSizeAllocate(_GtkWidget*, void* allocation, void* data);

  TForm holder_;
  std::unique_ptr<TGtkFormWindow> host_;
};

}  // namespace quil
