#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/aliased_quad.h"
#include "canvas/cairo_raster.h"
#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/quil_canvas3d.h"
#include "canvas/solid_quad_fill.h"
#include "canvas/view3d_options.h"

namespace quil {
namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 80;

// A buffered canvas with a clear pen, as a drawing of cells without outlines prepares it; the
// anti-aliased one has its smoothing switched off, as such a drawing does.
template <class Canvas = TQuilCanvas3D>
std::unique_ptr<Canvas> CellCanvas(TView3DOptions& options) {
  auto canvas = std::make_unique<Canvas>();
  canvas->InitWindow(nullptr, &options, clWhite, false, {0, 0, kWidth, kHeight});
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetStyle(bsSolid);
  canvas->SetAntiAlias(false);
  return canvas;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (a.PixelData()[y * a.StridePixels() + x] != b.PixelData()[y * b.StridePixels() + x]) return false;
  return true;
}

template <class Canvas>
void Erase(Canvas& canvas) {
  canvas.Bitmap()->Fill(clWhite);
  canvas.Bitmap()->MarkChanged();
}

std::string Describe(const TPoint (&q)[4]) {
  std::ostringstream s;
  for (const TPoint& p : q) s << '(' << p.X << ',' << p.Y << ") ";
  return s.str();
}

// Random corners: small cells, larger shapes, shapes reaching past the surface, and
// axis-aligned rectangles. Random corners make convex, concave and self-intersecting outlines.
void RandomQuad(std::mt19937& rng, int kind, TPoint (&q)[4]) {
  const int sizes[] = {3, 8, 30, 120};
  const int size = sizes[kind % 4];
  std::uniform_int_distribution<int> origin(-size / 2, kWidth - size / 2);
  std::uniform_int_distribution<int> spread(0, size);
  const TPoint o{origin(rng), origin(rng) * kHeight / kWidth};
  if (kind % 7 == 6) {
    const int w = spread(rng), h = spread(rng);
    q[0] = o, q[1] = {o.X + w, o.Y}, q[2] = {o.X + w, o.Y + h}, q[3] = {o.X, o.Y + h};
    return;
  }
  for (TPoint& p : q) p = {o.X + spread(rng), o.Y + spread(rng)};
}

struct TClipCase {
  const char* Name;
  std::function<void(TQuilCanvas3D&)> Apply;
  // One clip rectangle (or none): every quadrilateral is filled directly.
  bool AllDirect;
};

// The clips a drawing may run in: none, one rectangle, the convex outline of a projected box
// (one rectangle per pixel row along its slanted sides), and a region with a hole.
std::vector<TClipCase> ClipCases() {
  return {
      {"no clip", [](TQuilCanvas3D&) {}, true},
      {"rectangle", [](TQuilCanvas3D& c) { c.ClipRectangle({9, 7, 81, 66}); }, true},
      {"box outline",
       [](TQuilCanvas3D& c) {
         const TPoint hull[] = {{12, 4}, {70, 2}, {92, 30}, {84, 76}, {20, 70}, {3, 40}};
         c.ClipPolygon(hull, 6, false);
       },
       false},
      {"region with a hole",
       [](TQuilCanvas3D& c) {
         c.ClipRectangle({0, 0, kWidth, kHeight});
         c.ClipEllipse({30, 20, 70, 60}, true);
       },
       false},
  };
}

// Every quadrilateral filled through the filler must leave exactly the pixels the canvas's own
// polygon leaves, clip included; the images are compared whole after each one.
template <class Canvas>
void ExpectSameFills(const std::vector<TClipCase>& clips) {
  std::mt19937 rng(20261210);
  for (const TClipCase& clip : clips) {
    SCOPED_TRACE(clip.Name);
    TView3DOptions options;
    auto polygon = CellCanvas<Canvas>(options);
    auto direct = CellCanvas<Canvas>(options);
    clip.Apply(*polygon);
    clip.Apply(*direct);
    const int quads = 3000;
    int filled = 0;
    for (int i = 0; i < quads; ++i) {
      TPoint q[4];
      RandomQuad(rng, i, q);
      const TColor color = static_cast<TColor>(rng() & 0xFFFFFF);
      Erase(*polygon);
      Erase(*direct);
      polygon->Brush().SetColor(color);
      polygon->Polygon(q, 4);
      auto fill = direct->SolidQuadFill();
      ASSERT_TRUE(fill);
      fill->Fill(q, color);
      filled += fill->Fallbacks() == 0;
      fill.reset();
      const TBitmap& a = *polygon->Bitmap();
      const TBitmap& b = *direct->Bitmap();
      if (SamePixels(a, b)) continue;
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
          ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << "pixel " << x << "," << y << " of " << Describe(q);
    }
    // The comparison is worth something only when the filler did the filling itself; near the
    // sides of a clip of several rectangles it hands the quadrilateral back.
    if (clip.AllDirect)
      EXPECT_EQ(filled, quads);
    else
      EXPECT_GT(filled, quads / 8);
  }
}

TEST(SolidQuadFillTest, FillsExactlyThePixelsOfThePlainCanvasPolygon) { ExpectSameFills<TQuilCanvas3D>(ClipCases()); }

// The anti-aliased canvas without smoothing puts integer coordinates on pixel centres and keeps
// its clips as Cairo paths: rectangles become a region, one convex polygon is known by its
// corners, and other clips leave the canvas without a direct fill.
class SolidQuadFillAntiAliased : public testing::Test {
 protected:
  void SetUp() override { GDIPlusStartup(); }
  void TearDown() override { GDIPlusShutdown(); }
};

TEST_F(SolidQuadFillAntiAliased, FillsExactlyThePixelsOfItsPolygonWithoutSmoothing) {
  std::vector<TClipCase> clips = ClipCases();
  clips.pop_back();
  // A chart clips its series while smoothing is on, where integer coordinates are pixel edges.
  clips.push_back({"box outline clipped while smoothing",
                   [](TQuilCanvas3D& c) {
                     const TPoint hull[] = {{12, 4}, {70, 2}, {92, 30}, {84, 76}, {20, 70}, {3, 40}};
                     c.SetAntiAlias(true);
                     c.ClipPolygon(hull, 6, false);
                     c.SetAntiAlias(false);
                   },
                   false});
  ExpectSameFills<TGDIPlusCanvas>(clips);
}

TEST_F(SolidQuadFillAntiAliased, OnlyRectanglesAndOneConvexPolygonAreKnownClips) {
  TView3DOptions options;
  const TPoint hull[] = {{12, 4}, {70, 2}, {92, 30}, {84, 76}, {20, 70}, {3, 40}};
  const TPoint dent[] = {{10, 10}, {80, 10}, {40, 30}, {80, 70}, {10, 70}};
  const std::pair<const char*, std::function<void(TGDIPlusCanvas&)>> unknown[] = {
      {"ellipse cut out", [](TGDIPlusCanvas& c) { c.ClipEllipse({30, 20, 70, 60}, true); }},
      {"concave polygon", [&](TGDIPlusCanvas& c) { c.ClipPolygon(dent, 5, false); }},
      {"polygon in a rectangle", [&](TGDIPlusCanvas& c) {
         c.ClipRectangle({5, 5, 90, 75});
         c.ClipPolygon(hull, 6, false);
       }},
      {"smoothing on", [](TGDIPlusCanvas& c) { c.SetAntiAlias(true); }},
  };
  for (const auto& [name, apply] : unknown) {
    SCOPED_TRACE(name);
    auto canvas = CellCanvas<TGDIPlusCanvas>(options);
    apply(*canvas);
    EXPECT_FALSE(canvas->SolidQuadFill());
  }
  auto canvas = CellCanvas<TGDIPlusCanvas>(options);
  canvas->ClipPolygon(hull, 6, false);
  EXPECT_TRUE(canvas->SolidQuadFill());
  canvas->UnClipRectangle();
  EXPECT_TRUE(canvas->SolidQuadFill()) << "back to the polygon's bounds, a rectangle";
}

// Rows of outlines that meet the rasteriser's corner cases, as Cairo fills them: a one-pixel
// gap between two runs of a self-intersecting outline is filled, a run outside the limit still
// closes that gap at the limit's side, and corners on pixel centres (a half-pixel offset) round
// halves downwards.
TEST(SolidQuadFillTest, RowRunsFollowTheRasterisersRounding) {
  struct TCase {
    TPoint Corners[4];
    TFixedOffset Offset;
    int Row, Left, Right;
    std::vector<std::pair<int, int>> Runs;
  } cases[] = {
      {{{0, 0}, {4, 0}, {4, 2}, {0, 2}}, {}, 1, -100, 100, {{0, 4}}},
      {{{0, 0}, {4, 0}, {4, 2}, {0, 2}}, {128, 128}, 1, -100, 100, {{0, 4}}},
      {{{0, 0}, {4, 0}, {4, 2}, {0, 2}}, {128, 128}, 2, -100, 100, {}},
      // Rows are taken from the edges' ends rounded halves downwards, so a top half a pixel
      // down still covers the row above it.
      {{{0, 0}, {4, 0}, {4, 2}, {0, 2}}, {128, 128}, 0, -100, 100, {{0, 4}}},
      // A bow tie: the runs either side of the crossing are one pixel apart and join.
      {{{4, 2}, {30, 31}, {64, 4}, {18, 63}}, {}, 30, -100, 100, {{11, 43}}},
      // Runs far apart stay apart.
      {{{0, 0}, {20, 10}, {20, 0}, {0, 10}}, {}, 2, -100, 100, {{0, 5}, {15, 20}}},
      // The left part lies beyond the limit: its crossings move onto the limit's side.
      {{{-3, 1}, {1, 0}, {-2, 5}, {3, -3}}, {}, 0, 0, 64, {{0, 1}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(Describe(c.Corners));
    SCOPED_TRACE(c.Row);
    const TAliasedQuad quad(c.Corners, c.Offset);
    TPixelRun runs[2];
    const int n = c.Row >= quad.FirstRow() && c.Row < quad.EndRow() ? quad.Runs(c.Row, c.Left, c.Right, runs) : 0;
    std::vector<std::pair<int, int>> got;
    for (int k = 0; k < n; ++k)
      if (runs[k].Left < runs[k].Right) got.emplace_back(runs[k].Left, runs[k].Right);
    EXPECT_EQ(got, c.Runs);
  }
}

TEST(SolidQuadFillTest, OnlyAPlainSolidBrushWithAClearPenFillsDirectly) {
  TView3DOptions options;
  auto canvas = CellCanvas<>(options);
  EXPECT_TRUE(canvas->SolidQuadFill());
  const std::pair<const char*, std::function<void(TQuilCanvas3D&)>> states[] = {
      {"visible pen", [](TQuilCanvas3D& c) { c.Pen().SetStyle(psSolid); }},
      {"hatched brush", [](TQuilCanvas3D& c) { c.Brush().SetStyle(bsCross); }},
      {"clear brush", [](TQuilCanvas3D& c) { c.Brush().SetStyle(bsClear); }},
      {"gradient", [](TQuilCanvas3D& c) { c.Brush().Gradient().SetVisible(true); }},
      // A mix set while the pen showed stays for fills after the pen is hidden.
      {"raster mix", [](TQuilCanvas3D& c) {
         c.Pen().SetStyle(psSolid);
         c.Pen().SetMode(pmXor);
         c.Pen().SetStyle(psClear);
       }},
  };
  for (const auto& [name, apply] : states) {
    SCOPED_TRACE(name);
    auto other = CellCanvas<>(options);
    apply(*other);
    EXPECT_FALSE(other->SolidQuadFill());
  }
}

}  // namespace
}  // namespace quil
