// chart_window [--check OUT.png]: a GTK window of the program's own with a button above a live
// chart; each press of the button gives the surface new data. With --check it presses the button
// itself once the chart is on screen, saves the chart and closes (for running under Xvfb).
#include <gtk/gtk.h>

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "app/gtk_chart_widget.h"
#include "app/library_startup.h"
#include "app/screen_cursors.h"
#include "app/toolkit.h"
#include "chart/rovede.h"
#include "series/surface/surface_series.h"

namespace {

struct TDemo {
  quil::ROvede* Chart = nullptr;
  quil::TSurfaceSeries* Surface = nullptr;
  GtkWidget* Window = nullptr;
  int Presses = 0;
  std::string CheckFile;
};

// New data: the waves move by a phase that grows with every press.
void FillSurface(TDemo& demo) {
  constexpr int kSide = 30;
  const double phase = demo.Presses * 0.8;
  demo.Surface->Clear();
  demo.Surface->BeginUpdate();
  for (int z = 0; z < kSide; ++z)
    for (int x = 0; x < kSide; ++x) demo.Surface->AddXYZ(x, std::sin(x / 4.0 + phase) * std::cos(z / 5.0), z);
  demo.Surface->EndUpdate();
  demo.Chart->Title().SetText("Data set " + std::to_string(demo.Presses + 1));
}

void OnNewData(GtkButton*, gpointer data) {
  auto& demo = *static_cast<TDemo*>(data);
  ++demo.Presses;
  FillSurface(demo);
}

gboolean CheckAndQuit(gpointer data) {
  auto& demo = *static_cast<TDemo*>(data);
  demo.Chart->SaveToFile(demo.CheckFile);
  gtk_widget_destroy(demo.Window);
  return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
  if (!quil::InitToolkit(argc, argv)) {
    std::fprintf(stderr, "chart_window: cannot open the display\n");
    return 1;
  }
  TDemo demo;
  if (argc == 3 && std::string_view(argv[1]) == "--check") demo.CheckFile = argv[2];
  try {
    const auto cursors = quil::CreateScreenCursors();
    const quil::TLibraryStartup library({[&] { quil::InstallScreenHandCursor(*cursors); },
                                         [&] { quil::RemoveScreenHandCursor(*cursors); }});
    quil::ROvede chart;
    chart.SetBounds(0, 0, 640, 440);
    quil::TSurfaceSeries surface;
    surface.SetParenrOvede(&chart);
    demo.Chart = &chart;
    demo.Surface = &surface;
    FillSurface(demo);

    GtkWidget* window = demo.Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Chart in a window");
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
    gtk_container_add(GTK_CONTAINER(window), box);
    GtkWidget* button = gtk_button_new_with_label("New data");
    g_signal_connect(button, "clicked", G_CALLBACK(OnNewData), &demo);
    gtk_box_pack_start(GTK_BOX(box), button, FALSE, FALSE, 0);

    // The chart widget: drag to zoom, right-drag to scroll, wheel, clicks, as in any chart.
    quil::TGtkChartWidget widget(chart, *cursors);
    gtk_box_pack_start(GTK_BOX(box), widget.Widget(), TRUE, TRUE, 0);
    gtk_widget_show_all(window);

    if (!demo.CheckFile.empty()) {
      gtk_button_clicked(GTK_BUTTON(button));
      g_timeout_add(500, CheckAndQuit, &demo);
    }
    // Runs until the window is closed; an error the chart raises while handling an event ends
    // the loop and arrives here.
    widget.Host().Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chart_window: %s\n", e.what());
    return 1;
  }
  return 0;
}
