#include <benchmark/benchmark.h>

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <vector>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/view3d_options.h"

namespace quil {
namespace {

constexpr int kWidth = 913;
constexpr int kHeight = 705;
constexpr int kCells = 100;  // 100 x 100 = 10,000 quadrilaterals
constexpr int kLabels = 500;

// The backend is started once for the whole benchmark program.
struct TBackend {
  TBackend() { GDIPlusStartup(); }
};
const TBackend backend;

// The cells of a surface lying in depth, as a 3D series draws them.
struct TGrid {
  std::vector<TPoint> corners;  // chart-space corners, four per cell
  std::vector<int> depths;
  std::vector<TColor> colors;
};

TGrid MakeGrid() {
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

// Axis-like labels: numbers and a few words, each a different text.
std::vector<std::string> MakeLabels() {
  std::vector<std::string> labels;
  for (int i = 0; i < kLabels; ++i)
    labels.push_back(i % 5 == 0 ? "Series " + std::to_string(i) : std::to_string(i * 0.25).substr(0, 6));
  return labels;
}

void SetUpCanvas(TQuilCanvas3D& canvas, TView3DOptions& options) {
  options.SetOrthogonal(false);
  canvas.InitWindow(nullptr, &options, clWhite, true, {0, 0, kWidth, kHeight});
  canvas.Projection(300, {0, 0, kWidth, kHeight}, {100, 80, 800, 640});
  canvas.Pen().SetStyle(psClear);
}

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

void BM_Quads_GDIPlusCanvas(benchmark::State& state) { FillQuads<TGDIPlusCanvas>(state); }
BENCHMARK(BM_Quads_GDIPlusCanvas)->Unit(benchmark::kMillisecond);

void BM_Quads_PlainCanvas(benchmark::State& state) { FillQuads<TQuilCanvas3D>(state); }
BENCHMARK(BM_Quads_PlainCanvas)->Unit(benchmark::kMillisecond);

// The same cells, projected beforehand, filled by bare Cairo calls with or without smoothing.
void BareCairoQuads(benchmark::State& state, cairo_antialias_t antialias) {
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
      cairo_set_source_rgba(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0, 1.0);
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

void BM_Quads_BareCairoSmooth(benchmark::State& state) { BareCairoQuads(state, CAIRO_ANTIALIAS_DEFAULT); }
BENCHMARK(BM_Quads_BareCairoSmooth)->Unit(benchmark::kMillisecond);

void BM_Quads_BareCairoAliased(benchmark::State& state) { BareCairoQuads(state, CAIRO_ANTIALIAS_NONE); }
BENCHMARK(BM_Quads_BareCairoAliased)->Unit(benchmark::kMillisecond);

// A sheet of 500 labels, each measured (as layout code does) and then drawn in a grid.
template <class Canvas>
void LabelSheet(benchmark::State& state) {
  Canvas canvas;
  TView3DOptions options;
  SetUpCanvas(canvas, options);
  canvas.Font().SetName("Arial");
  canvas.Font().SetSize(8);
  canvas.SetBackMode(cbmTransparent);
  const std::vector<std::string> labels = MakeLabels();
  for (auto _ : state) {
    int x = 5, y = 5;
    for (const std::string& label : labels) {
      const int w = canvas.TextWidth(label);
      canvas.TextOut(x, y, label);
      x += w + 40;
      if (x > kWidth - 60) {
        x = 5;
        y += canvas.TextHeight(label) + 2;
      }
    }
    cairo_surface_flush(canvas.Bitmap()->Surface());
  }
  state.SetItemsProcessed(state.iterations() * kLabels);
}

void BM_Labels_GDIPlusCanvas(benchmark::State& state) { LabelSheet<TGDIPlusCanvas>(state); }
BENCHMARK(BM_Labels_GDIPlusCanvas)->Unit(benchmark::kMillisecond);

void BM_Labels_PlainCanvas(benchmark::State& state) { LabelSheet<TQuilCanvas3D>(state); }
BENCHMARK(BM_Labels_PlainCanvas)->Unit(benchmark::kMillisecond);

// The same sheet through one Pango layout per label on bare Cairo, smooth and unhinted.
void BM_Labels_BareCairo(benchmark::State& state) {
  TBitmap image(kWidth, kHeight);
  cairo_t* cr = cairo_create(image.Surface());
  PangoContext* context = pango_font_map_create_context(GDIPlusFontMap());
  pango_cairo_context_set_resolution(context, 96);
  cairo_font_options_t* fo = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context, fo);
  cairo_font_options_destroy(fo);
  PangoLayout* layout = pango_layout_new(context);
  PangoFontDescription* desc = pango_font_description_from_string("Arial 8");
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  const std::vector<std::string> labels = MakeLabels();
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (auto _ : state) {
    int x = 5, y = 5;
    for (const std::string& label : labels) {
      pango_layout_set_text(layout, label.c_str(), static_cast<int>(label.size()));
      int w = 0, h = 0;
      pango_layout_get_pixel_size(layout, &w, &h);
      cairo_move_to(cr, x, y);
      pango_cairo_show_layout(cr, layout);
      x += w + 40;
      if (x > kWidth - 60) {
        x = 5;
        y += h + 2;
      }
    }
    cairo_surface_flush(image.Surface());
  }
  g_object_unref(layout);
  g_object_unref(context);
  cairo_destroy(cr);
  state.SetItemsProcessed(state.iterations() * kLabels);
}
BENCHMARK(BM_Labels_BareCairo)->Unit(benchmark::kMillisecond);

// Measuring the sheet's labels again and again: after the first pass every size comes from
// the cache; the counter shows the layouts made per pass.
void BM_Labels_MeasureAgain(benchmark::State& state) {
  TGDIPlusCanvas canvas;
  canvas.Font().SetName("Arial");
  canvas.Font().SetSize(8);
  const std::vector<std::string> labels = MakeLabels();
  for (const std::string& label : labels) canvas.TextWidth(label);
  const int before = canvas.TextEngine().MeasureLayouts();
  long sum = 0;
  for (auto _ : state) {
    for (const std::string& label : labels) sum += canvas.TextWidth(label) + canvas.TextHeight(label);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["layouts_per_pass"] =
      benchmark::Counter(double(canvas.TextEngine().MeasureLayouts() - before) / double(state.iterations()));
  state.SetItemsProcessed(state.iterations() * kLabels);
}
BENCHMARK(BM_Labels_MeasureAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quil
