#include <benchmark/benchmark.h>

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <vector>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/view3d_options.h"
#include "quad_scene.h"

namespace quil {
namespace {

using namespace benchscene;

constexpr int kLabels = 500;

// The backend is started once for the whole benchmark program.
struct TBackend {
  TBackend() { GDIPlusStartup(); }
};
const TBackend backend;

// Axis-like labels: numbers and a few words, each a different text.
std::vector<std::string> MakeLabels() {
  std::vector<std::string> labels;
  for (int i = 0; i < kLabels; ++i)
    labels.push_back(i % 5 == 0 ? "Series " + std::to_string(i) : std::to_string(i * 0.25).substr(0, 6));
  return labels;
}

void BM_Quads_GDIPlusCanvas(benchmark::State& state) { FillQuads<TGDIPlusCanvas>(state); }
BENCHMARK(BM_Quads_GDIPlusCanvas)->Unit(benchmark::kMillisecond);

void BM_Quads_PlainCanvas(benchmark::State& state) { FillQuads<TQuilCanvas3D>(state); }
BENCHMARK(BM_Quads_PlainCanvas)->Unit(benchmark::kMillisecond);

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
