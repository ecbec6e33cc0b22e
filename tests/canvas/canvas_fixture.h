#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "canvas/cairo_raster.h"
#include "canvas/quil_canvas3d.h"
#include "canvas/view3d_options.h"

namespace quil {

// The plain backend that also remembers the polygons and filled rectangles it was asked for.
class TRecordingRaster : public TCairoRaster {
 public:
  void Polygon(const TPoint* points, int count) override {
    polygons.emplace_back(points, points + count);
    TCairoRaster::Polygon(points, count);
  }
  void FillRect(const TRect& rect) override {
    fills.push_back(rect);
    fillColors.push_back(Brush().Color);
    TCairoRaster::FillRect(rect);
  }
  std::vector<std::vector<TPoint>> polygons;
  std::vector<TRect> fills;
  std::vector<TColor> fillColors;
};

// A buffered plain canvas of the given size painted white, its projection centred on the
// whole area with the given depth; the recording backend is kept for inspection.
class CanvasFixture : public testing::Test {
 protected:
  void Start(int width = 200, int height = 150, int depth = 100, bool is3D = true) {
    auto backend = std::make_unique<TRecordingRaster>();
    raster = backend.get();
    canvas = std::make_unique<TQuilCanvas3D>(std::move(backend));
    canvas->InitWindow(nullptr, &options, clWhite, is3D, {0, 0, width, height});
    canvas->Projection(depth, {0, 0, width, height}, {0, 0, width, height});
    canvas->Pen().SetStyle(psClear);
    canvas->Brush().SetColor(clWhite);
    canvas->FillRect({0, 0, width, height});
    canvas->Pen().SetStyle(psSolid);
    raster->polygons.clear();
    raster->fills.clear();
    raster->fillColors.clear();
  }
  TColor Pixel(int x, int y) const { return canvas->Bitmap()->Pixel(x, y); }
  int CountPixels(TColor color, const TRect& area) const {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += Pixel(x, y) == color;
    return n;
  }

  TView3DOptions options;
  std::unique_ptr<TQuilCanvas3D> canvas;
  TRecordingRaster* raster = nullptr;
};

}  // namespace quil
