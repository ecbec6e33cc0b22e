#pragma once

#include <benchmark/benchmark.h>

#include <cairo.h>

#include <vector>

#include "canvas/quil_canvas3d.h"
#include "canvas/view3d_options.h"

// The scene every canvas benchmark fills: 10,000 cells of a surface lying in depth in a
// 913 x 705 buffer (the main window's chart size), drawn through a canvas or by bare Cairo.
namespace quil::benchscene {

inline constexpr int kWidth = 913;
inline constexpr int kHeight = 705;
inline constexpr int kCells = 100;  // 100 x 100 = 10,000 quadrilaterals

struct TGrid {
  std::vector<TPoint> corners;  // chart-space corners, four per cell
  std::vector<int> depths;      // depth of each cell's near edge
  std::vector<TColor> colors;
};

inline TGrid MakeGrid() {
  TGrid g;
  for (int row = 0; row < kCells; ++row) {
    for (int col = 0; col < kCells; ++col) {
      const int x0 = 150 + col * 6, x1 = x0 + 6;
      const int y0 = 120 + (row * 7 + col * 3) % 400, y1 = y0 + 9;
      g.corners.insert(g.corners.end(), {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
      g.depths.push_back(row * 3);
      g.colors.push_back(RGBColor(static_cast<uint8_t>(col * 2), static_cast<uint8_t>(row * 2), 160));
    }
  }
  return g;
}

// A rotated view with perspective, buffered at the scene's size.
inline void SetUpCanvas(TQuilCanvas3D& canvas, TView3DOptions& options) {
  options.SetOrthogonal(false);
  canvas.InitWindow(nullptr, &options, clWhite, true, {0, 0, kWidth, kHeight});
  canvas.Projection(300, {0, 0, kWidth, kHeight}, {100, 80, 800, 640});
  canvas.Pen().SetStyle(psClear);
}

// Each cell projected by the canvas and filled through it, colour by colour.
template <class Canvas>
void FillQuads(benchmark::State& state) {
  Canvas canvas;
  TView3DOptions options;
  SetUpCanvas(canvas, options);
  const TGrid grid = MakeGrid();
  for (auto _ : state) {
    for (int i = 0; i < kCells * kCells; ++i) {
      canvas.Brush().SetColor(grid.colors[i]);
      const TPoint* c = &grid.corners[4 * static_cast<std::size_t>(i)];
      canvas.PlaneFour3D({c[0], c[1], c[2], c[3]}, grid.depths[i], grid.depths[i] + 3);
    }
    cairo_surface_flush(canvas.Bitmap()->Surface());
  }
  state.SetItemsProcessed(state.iterations() * kCells * kCells);
}

// The same cells, projected beforehand, filled by bare Cairo calls with or without smoothing.
inline void BareCairoQuads(benchmark::State& state, cairo_antialias_t antialias) {
  TQuilCanvas3D canvas;
  TView3DOptions options;
  SetUpCanvas(canvas, options);
  const TGrid grid = MakeGrid();
  std::vector<TPoint> projected;
  for (int i = 0; i < kCells * kCells; ++i) {
    const TPoint* c = &grid.corners[4 * static_cast<std::size_t>(i)];
    const int z0 = grid.depths[i], z1 = z0 + 3;
    projected.insert(projected.end(), {canvas.Calculate3DPosition(c[0], z0), canvas.Calculate3DPosition(c[1], z0),
                                       canvas.Calculate3DPosition(c[2], z1), canvas.Calculate3DPosition(c[3], z1)});
  }
  TBitmap image(kWidth, kHeight);
  cairo_t* cr = cairo_create(image.Surface());
  cairo_set_antialias(cr, antialias);
  for (auto _ : state) {
    for (int i = 0; i < kCells * kCells; ++i) {
      const TColor c = grid.colors[i];
      cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
      const TPoint* p = &projected[4 * static_cast<std::size_t>(i)];
      cairo_move_to(cr, p[0].X, p[0].Y);
      for (int k = 1; k < 4; ++k) cairo_line_to(cr, p[k].X, p[k].Y);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
    cairo_surface_flush(image.Surface());
  }
  cairo_destroy(cr);
  state.SetItemsProcessed(state.iterations() * kCells * kCells);
}

}  // namespace quil::benchscene
