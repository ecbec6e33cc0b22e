#pragma once

#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <string>

#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"
#include "tools/palette_chart.h"
#include "tools/palette_series.h"

namespace quil::testing {

// The main window's chart size on a headless host, flat and without a legend, holding a surface
// and a legend palette tool attached to it. Members go in reverse order: the host, the tool,
// the series, the chart last.
class PaletteToolTest : public ::testing::Test {
 protected:
  PaletteToolTest() {
    chart.SetBounds(0, 0, 913, 705);
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
    surface.SetParenrOvede(&chart);
    tool.SetParenrOvede(&chart);
    tool.SetSeries(&surface);
    host = std::make_unique<THeadlessHost>(chart);
  }

  // A 10 x 10 grid (y = x + z, 0 to 18 with a regular grid) or a values count given points
  // with values 0 .. count-1 along X.
  void FillGrid(int size = 10) {
    for (int x = 0; x < size; ++x)
      for (int z = 0; z < size; ++z) surface.AddXYZ(x, x + z, z);
  }
  void FillValues(int count) {
    for (int i = 0; i < count; ++i) surface.AddXYZ(i, i, 0);
  }

  TPaletteChart& Bar() { return tool.PaletteChart(); }
  TPaletteSeries& Bands() { return tool.PaletteSeries(); }

  // The pixel row of a value on the bar's vertical axis, after a render.
  int RowOf(double value) { return Bar().LeftAxis().CalcPosValue(value); }
  // The pixel column of a value on the bar's horizontal axis, after a render.
  int ColumnOf(double value) { return Bar().BottomAxis().CalcPosValue(value); }

  void Save(const std::string& name) {
    const std::string dir = QUIL_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    cairo_surface_write_to_png(host->Image().Surface(), (dir + "/" + name).c_str());
  }

  ROvede chart;
  TSurfaceSeries surface;
  TLegendPaletteTool tool;
  std::unique_ptr<THeadlessHost> host;
};

}  // namespace quil::testing
