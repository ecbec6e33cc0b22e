// A chart in another program's window through the chart widget, under a real X server.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>

#include "app/gtk_chart_widget.h"
#include "app/screen_cursors.h"
#include "app/toolkit.h"
#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "series/surface/surface_series.h"
// Xlib after the library: its macros would clash with member names.
#include <gdk/gdkx.h>

#include "app/x_session.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

bool ToolkitStarted() {
  static const bool started = [] {
    int argc = 0;
    char** argv = nullptr;
    return InitToolkit(argc, argv);
  }();
  return started;
}

// The program's own window: a button above the chart widget in a vertical box.
class ChartWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.Connected() && ToolkitStarted()) << "no X display: run the window tests under xvfb-run";
    chart_.SetBounds(0, 0, 400, 300);
    chart_.Title().SetText("Widget");
    series_.SetParenrOvede(&chart_);
    for (int z = 0; z < 10; ++z)
      for (int x = 0; x < 10; ++x) series_.AddXYZ(x, std::sin(x / 2.0) * std::cos(z / 2.0), z);
    cursors_ = CreateScreenCursors();
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), "ChartWidgetTest");
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window_), box);
    button_ = gtk_button_new_with_label("Program's button");
    gtk_box_pack_start(GTK_BOX(box), button_, FALSE, FALSE, 0);
    widget_ = std::make_unique<TGtkChartWidget>(chart_, *cursors_);
    gtk_box_pack_start(GTK_BOX(box), widget_->Widget(), TRUE, TRUE, 0);
    gtk_widget_show_all(window_);
    ASSERT_TRUE(Pump([&] { return Xid() != 0 && ChartOrigin().Y > 0; }));
    Settle();
  }

  void TearDown() override {
    if (x_.Connected()) x_.ReleaseAll();
    widget_.reset();
    if (window_) gtk_widget_destroy(window_);
    series_.SetParenrOvede(nullptr);
  }

  Window Xid() const {
    GdkWindow* w = gtk_widget_get_window(window_);
    return w ? gdk_x11_window_get_xid(w) : 0;
  }
  // Where the chart's top left corner is in the window.
  TPoint ChartOrigin() const {
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(widget_->Widget(), window_, 0, 0, &x, &y);
    return {x, y};
  }
  bool Pump(const std::function<bool()>& condition) {
    return WaitUntil(
        [&] {
          widget_->Host().ProcessPendingEvents();
          return condition();
        },
        3s);
  }
  void Settle() {
    WaitUntil(
        [&] {
          widget_->Host().ProcessPendingEvents();
          return false;
        },
        200ms);
  }

  TXSession x_;
  ROvede chart_;
  TSurfaceSeries series_;
  std::unique_ptr<TScreenCursors> cursors_;
  GtkWidget* window_ = nullptr;
  GtkWidget* button_ = nullptr;
  std::unique_ptr<TGtkChartWidget> widget_;
};

TEST_F(ChartWidgetTest, TheChartShowsBelowTheProgramsButtonAsItDrawsItself) {
  const TPoint at = ChartOrigin();
  EXPECT_EQ(at.X, 0);
  EXPECT_EQ(at.Y, gtk_widget_get_allocated_height(button_)) << "the chart is below the program's button";
  // The program's button keeps its theme's size: the chart's own button style stays with it.
  EXPECT_GE(at.Y, 30);
  const TBitmap expected = chart_.CreatePicture(chart_.Width(), chart_.Height());
  const TPixels shown = x_.Capture(Xid(), at.X, at.Y, chart_.Width(), chart_.Height());
  int different = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const TColor c = expected.Pixel(x, y);
      const uint32_t rgb = (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
      different += shown.At(at.X + x, at.Y + y) != rgb;
    }
  EXPECT_EQ(different, 0);
}

// Larger and smaller than the chart's start size of 400 x 300: the program's window decides.
// (The program's button keeps the window wider than its caption.)
TEST_F(ChartWidgetTest, TheChartFollowsTheRoomItIsGiven) {
  for (const auto& [width, height] : {std::pair{600, 500}, {250, 180}, {200, 80}}) {
    x_.Resize(Xid(), width, height);
    ASSERT_TRUE(Pump([&] { return chart_.Width() == width; })) << width << " x " << height;
    EXPECT_EQ(chart_.Height(), height - ChartOrigin().Y) << width << " x " << height;
  }
  const TPixels shown = x_.Capture(Xid(), 0, ChartOrigin().Y, 200, 80 - ChartOrigin().Y);
  EXPECT_EQ(shown.At(0, ChartOrigin().Y), 0xFFFFFFu) << "the small chart still paints its bevel";
}

TEST_F(ChartWidgetTest, ADragOnTheChartZoomsIt) {
  const double before = chart_.BottomAxis().Minimum();
  const TPoint at = ChartOrigin();
  x_.MoveMouse(Xid(), at.X + 120, at.Y + 100);
  x_.PressButton(1, true);
  for (int step = 1; step <= 10; ++step) x_.MoveMouse(Xid(), at.X + 120 + step * 15, at.Y + 100 + step * 10);
  x_.PressButton(1, false);
  ASSERT_TRUE(Pump([&] { return chart_.BottomAxis().Minimum() != before; }));
  EXPECT_GT(chart_.BottomAxis().Minimum(), before);
}

TEST_F(ChartWidgetTest, DestroyingTheProgramsWindowFirstLeavesTheWidgetEmpty) {
  gtk_widget_destroy(window_);
  window_ = nullptr;
  EXPECT_EQ(widget_->Widget(), nullptr);
  EXPECT_EQ(widget_->Chart(), &chart_);
  widget_.reset();
  EXPECT_EQ(chart_.Parent(), nullptr);
}

}  // namespace
}  // namespace quil::testing
