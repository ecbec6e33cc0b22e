#include "app/gtk_chart_widget.h"

#include <gtk/gtk.h>

#include "panel/quil_panel.h"

namespace quil {

TGtkChartWidget::TGtkChartWidget(TCustomQuilPanel& chart, const TScreenCursors& cursors) {
  holder_.SetClientWidth(chart.Width());
  holder_.SetClientHeight(chart.Height());
  chart.SetParent(&holder_);
  chart.SetBounds(0, 0, chart.Width(), chart.Height());
  host_ = std::make_unique<TGtkFormWindow>(holder_, cursors, TGtkFormWindow::fpEmbedded);
  GtkWidget* widget = host_->Widget();
  gtk_widget_set_hexpand(widget, TRUE);
  gtk_widget_set_vexpand(widget, TRUE);
  g_signal_connect(widget, "size-allocate", G_CALLBACK(OnSizeAllocate), this);
  host_->Show();
}

TGtkChartWidget::~TGtkChartWidget() {
  if (GtkWidget* widget = host_->Widget()) g_signal_handlers_disconnect_by_data(widget, this);
  host_.reset();
  if (TCustomQuilPanel* chart = Chart()) chart->SetParent(nullptr);
}

TCustomQuilPanel* TGtkChartWidget::Chart() const {
  return holder_.ControlCount() > 0 ? dynamic_cast<TCustomQuilPanel*>(holder_.Controls(0)) : nullptr;
}

// The chart fills whatever room the program's layout gives the widget.
void TGtkChartWidget::OnSizeAllocate(GtkWidget*, void* allocation, void* data) {
  auto& self = *static_cast<TGtkChartWidget*>(data);
  const auto& area = *static_cast<GtkAllocation*>(allocation);
  TCustomQuilPanel* chart = self.Chart();
  if (!chart || (chart->Width() == area.width && chart->Height() == area.height)) return;
  chart->SetBounds(0, 0, area.width, area.height);
}

}  // namespace quil
