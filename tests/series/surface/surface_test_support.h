#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"

namespace quil::testing {

// A surface that remembers the cells it was asked to draw, first corners in drawing order.
class TRecordingSurface : public TSurfaceSeries {
 public:
  std::vector<TPoint> cells;

 protected:
  void DrawCell(int x, int z) override {
    cells.push_back({x, z});
    TSurfaceSeries::DrawCell(x, z);
  }
};

// A headless chart holding one surface series, on the plain canvas unless a test switches to
// the anti-aliased one.
class SurfaceChart : public ::testing::Test {
 protected:
  SurfaceChart() {
    chart.SetBounds(0, 0, 400, 300);
    series.SetParenrOvede(&chart);
    host = std::make_unique<THeadlessHost>(chart);
  }
  ~SurfaceChart() override {
    host.reset();
    series.SetParenrOvede(nullptr);
    if (gdiPlus) {
      chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
      GDIPlusShutdown();
    }
  }

  void UseAntiAliasedCanvas() {
    GDIPlusStartup();
    gdiPlus = true;
    chart.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
  }

  // Points (x, f(x, z), z) for x in 0..numX-1 and z in 0..numZ-1.
  void FillGrid(int numX, int numZ, const std::function<double(int, int)>& f) {
    series.Clear();
    series.BeginUpdate();
    for (int z = 0; z < numZ; ++z)
      for (int x = 0; x < numX; ++x) series.AddXYZ(x, f(x, z), z);
    series.EndUpdate();
  }

  const TBitmap& Render() { return host->Render(); }

  void Save(const TBitmap& image, const std::string& name) const {
    std::filesystem::create_directories(QUIL_TEST_OUTPUT_DIR);
    image.SaveToPNGFile(std::string(QUIL_TEST_OUTPUT_DIR) + "/" + name + ".png");
  }

  // Where a point of the series lands on the screen at a depth, with the axes of the last paint.
  TPoint Project(double x, double y, int depth) {
    return chart.Canvas().Calculate3DPosition(chart.BottomAxis().CalcXPosValue(x), chart.LeftAxis().CalcYPosValue(y),
                                             depth);
  }
  int DepthOf(double z) { return chart.DepthAxis().CalcPosValue(z); }

  ROvede chart;
  TRecordingSurface series;
  std::unique_ptr<THeadlessHost> host;
  bool gdiPlus = false;
};

inline double Bump(int x, int z, int numX, int numZ) {
  const double u = (x - (numX - 1) / 2.0) / numX * 6.0;
  const double v = (z - (numZ - 1) / 2.0) / numZ * 6.0;
  return std::sin(u) * std::cos(v);
}

}  // namespace quil::testing
