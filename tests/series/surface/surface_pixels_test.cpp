#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "canvas/view3d_options.h"
#include "series/surface/surface_test_support.h"

namespace quil::testing {
namespace {

constexpr int kColumns = 4;
constexpr int kRows = 3;

// One cell of the 4 x 3 grid by the X and Z of its lower corner.
struct TCell {
  int X;
  int Z;
};

class SurfacePixelsTest : public SurfaceChart {
 protected:
  static TColor PointColor(int x, int z) { return RGBColor(30 + 70 * x, 40 + 90 * z, 220 - 60 * x); }
  // Each cell takes the colour of its corner at the lower column and the higher row.
  static TColor CellColor(TCell c) { return PointColor(c.X, c.Z + 1); }

  // A 4 x 3 grid whose points carry their own colours, under fixed axes a little wider than
  // the data, seen in perspective-free rotation with the pen hidden.
  void Build(const std::function<double(int, int)>& height, const std::function<bool(int, int)>& present = nullptr) {
    series.Clear();
    for (int z = 0; z < kRows; ++z)
      for (int x = 0; x < kColumns; ++x)
        if (!present || present(x, z)) series.AddXYZ(x, height(x, z), z, {}, PointColor(x, z));
    series.Pen().SetVisible(false);
    const auto fix = [](ROvedeAxis& axis, double min, double max) {
      axis.SetAutomatic(false);
      axis.SetMinMax(min, max);
    };
    fix(chart.BottomAxis(), -1, kColumns);
    fix(chart.LeftAxis(), -2, 5);
    fix(chart.DepthAxis(), -1, kRows);
    TView3DOptions& view = chart.View3DOptions();
    view.SetOrthogonal(false);
    view.SetElevation(340);
    view.SetPerspective(0);
    // Nothing but the background around the cells: walls and axes may be drawn over a series.
    chart.SetChart3DPercent(60);
    chart.SetView3DWalls(false);
    chart.SetAxisVisible(false);
  }

  // The cell's outline on the screen, corners in order round it.
  std::vector<TPoint> Outline(TCell c) {
    std::vector<TPoint> outline;
    for (const auto& [x, z] : {std::pair{c.X, c.Z}, {c.X + 1, c.Z}, {c.X + 1, c.Z + 1}, {c.X, c.Z + 1}})
      outline.push_back(Project(x, series.YValue(z * kColumns + x), DepthOf(z)));
    return outline;
  }

  // Which cell owns each pixel when the cells are filled in the given order by Cairo's own
  // aliased even-odd fill; offset: where integer coordinates lie in a pixel.
  std::vector<int> Owners(const std::vector<TCell>& order, double offset, std::vector<int>& covers) {
    const int w = chart.Width(), h = chart.Height();
    std::vector<int> owner(static_cast<std::size_t>(w * h), -1);
    covers.assign(owner.size(), 0);
    for (std::size_t k = 0; k < order.size(); ++k) {
      cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
      cairo_t* cr = cairo_create(mask);
      cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      const std::vector<TPoint> outline = Outline(order[k]);
      cairo_move_to(cr, outline[0].X + offset, outline[0].Y + offset);
      for (std::size_t i = 1; i < outline.size(); ++i) cairo_line_to(cr, outline[i].X + offset, outline[i].Y + offset);
      cairo_close_path(cr);
      cairo_fill(cr);
      cairo_destroy(cr);
      cairo_surface_flush(mask);
      const unsigned char* data = cairo_image_surface_get_data(mask);
      const int stride = cairo_image_surface_get_stride(mask);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if (data[y * stride + x]) {
            owner[static_cast<std::size_t>(y * w + x)] = static_cast<int>(k);
            ++covers[static_cast<std::size_t>(y * w + x)];
          }
      cairo_surface_destroy(mask);
    }
    return owner;
  }

  // Every pixel a cell covers shows the colour of the last cell drawn over it.
  void ExpectCells(const std::vector<TCell>& order, double offset) {
    const TBitmap& image = Render();
    std::vector<int> covers;
    const std::vector<int> owner = Owners(order, offset, covers);
    std::vector<int> shown(order.size(), 0);  // pixels each cell keeps
    int overlapped = 0, wrong = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) {
        const int k = owner[static_cast<std::size_t>(y * image.Width() + x)];
        if (k < 0) continue;
        ++shown[static_cast<std::size_t>(k)];
        overlapped += covers[static_cast<std::size_t>(y * image.Width() + x)] > 1;
        if (image.Pixel(x, y) != CellColor(order[static_cast<std::size_t>(k)]) && ++wrong <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " shows " << std::hex << image.Pixel(x, y) << " instead of cell "
                        << std::dec << order[static_cast<std::size_t>(k)].X << "," << order[static_cast<std::size_t>(k)].Z;
      }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(overlapped, 20) << "the view should make cells overlap";
    EXPECT_GE(std::count_if(shown.begin(), shown.end(), [](int n) { return n > 0; }), 4);
  }

  TPoint Centre(TCell c) {
    TPoint sum{};
    for (const TPoint& p : Outline(c)) sum = {sum.X + p.X, sum.Y + p.Y};
    return {sum.X / 4, sum.Y / 4};
  }
};

// A ridge along the middle row: seen from the front the near slope covers the far one, from
// behind the other way round, and from the side the columns' walk decides.
struct TView {
  const char* Name;
  int Rotation;
  std::vector<TCell> Order;
};
const TView kViews[] = {
    {"front", 345, {{0, 1}, {1, 1}, {2, 1}, {0, 0}, {1, 0}, {2, 0}}},
    {"back", 165, {{2, 0}, {1, 0}, {0, 0}, {2, 1}, {1, 1}, {0, 1}}},
    {"side", 60, {{2, 1}, {2, 0}, {1, 1}, {1, 0}, {0, 1}, {0, 0}}},
};

TEST_F(SurfacePixelsTest, CellsFillTheirQuadrilateralsInTheirCornerColourFarthestFirst) {
  Build([](int x, int z) { return (z == 1 ? 3.5 : 0.0) + 0.3 * x; });
  for (const TView& view : kViews) {
    SCOPED_TRACE(view.Name);
    chart.View3DOptions().SetRotation(view.Rotation);
    ExpectCells(view.Order, 0);
    Save(Render(), std::string("surface_4x3_plain_") + view.Name);
  }
}

// The anti-aliased canvas draws cells without smoothing while the pen is hidden, with integer
// coordinates on pixel centres.
TEST_F(SurfacePixelsTest, AntiAliasedCanvasFillsTheSameCellsOnPixelCentres) {
  UseAntiAliasedCanvas();
  Build([](int x, int z) { return (z == 1 ? 3.5 : 0.0) + 0.3 * x; });
  for (const TView& view : kViews) {
    SCOPED_TRACE(view.Name);
    chart.View3DOptions().SetRotation(view.Rotation);
    ExpectCells(view.Order, 0.5);
    Save(Render(), std::string("surface_4x3_antialiased_") + view.Name);
  }
}

// A point that is missing, or whose value is not a finite number, leaves out the cells that
// need it and nothing else; so does a null colour at a cell's colour corner.
TEST_F(SurfacePixelsTest, CellsNeedingAMissingOrUnusablePointAreLeftOut) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    std::function<void()> change;
    std::vector<std::pair<int, int>> missing;  // cells not drawn, by lower corner
  } cases[] = {
      {"missing point", [&] { Build([](int, int) { return 1.0; }, [](int x, int z) { return x != 1 || z != 1; }); },
       {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
      {"not a number", [&] { series.SetValue(2, 2, nan); }, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
      {"infinite", [&] { series.SetValue(3, 2, inf); }, {{1, 0}, {2, 0}, {1, 1}, {2, 1}}},
      {"null colour", [&] { series.SetValueColor(2 * kColumns, clNone); }, {{0, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Build([](int, int) { return 1.0; });
    chart.View3DOptions().SetRotation(345);
    Render();
    std::vector<TPoint> centres;
    for (int z = 0; z + 1 < kRows; ++z)
      for (int x = 0; x + 1 < kColumns; ++x) centres.push_back(Centre({x, z}));
    c.change();
    series.Repaint();  // a value set by grid position does not repaint by itself
    const TBitmap* image = nullptr;
    EXPECT_NO_THROW(image = &Render());
    for (int z = 0; z + 1 < kRows; ++z)
      for (int x = 0; x + 1 < kColumns; ++x) {
        SCOPED_TRACE(::testing::Message() << "cell " << x << "," << z);
        const bool missing = std::find(c.missing.begin(), c.missing.end(), std::pair{x, z}) != c.missing.end();
        const TPoint p = centres[static_cast<std::size_t>(z * (kColumns - 1) + x)];
        EXPECT_EQ(image->Pixel(p.X, p.Y) == CellColor({x, z}), !missing);
      }
  }
}

TEST_F(SurfacePixelsTest, SmoothPaletteColoursACellByTheMeanOfItsValues) {
  series.Clear();
  for (int z = 0; z < 2; ++z)
    for (int x = 0; x < 2; ++x) series.AddXYZ(x, x == 1 && z == 1 ? 4 : 0, z);
  series.Pen().SetVisible(false);
  Render();
  const auto centre = [&] {
    TPoint sum{};
    for (int i = 0; i < 4; ++i) {
      const TPoint p = Project(series.XValue(i), series.YValue(i), DepthOf(series.GetZValue(i)));
      sum = {sum.X + p.X, sum.Y + p.Y};
    }
    return TPoint{sum.X / 4, sum.Y / 4};
  };
  const TPoint c = centre();
  EXPECT_EQ(Render().Pixel(c.X, c.Y), series.EndColor()) << "the colour corner (0, 1) holds the lowest value";
  series.SetSmoothPalette(true);
  EXPECT_EQ(Render().Pixel(c.X, c.Y), series.RangePercent(0.25));
}

TEST_F(SurfacePixelsTest, WireFrameOutlinesAndDotFrameDotsInTheCellColours) {
  Build([](int, int) { return 1.0; });
  chart.View3DOptions().SetRotation(345);
  const TCell cell{1, 0};
  const TColor color = CellColor(cell);
  const auto count = [](const TBitmap& image, TColor c) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) n += image.Pixel(x, y) == c;
    return n;
  };
  const int filled = count(Render(), color);
  const TPoint centre = Centre(cell);

  series.SetWireFrame(true);
  const TBitmap& wire = Render();
  EXPECT_NE(wire.Pixel(centre.X, centre.Y), color);
  EXPECT_GT(count(wire, color), 20);
  EXPECT_LT(count(wire, color), filled / 2);

  series.SetDotFrame(true);
  const TBitmap& dots = Render();
  EXPECT_NE(dots.Pixel(centre.X, centre.Y), color);
  for (int z = 0; z < kRows; ++z)
    for (int x = 0; x < kColumns; ++x) {
      const TPoint p = Project(x, 1.0, DepthOf(z));
      EXPECT_EQ(dots.Pixel(p.X, p.Y), PointColor(x, z)) << "corner " << x << "," << z;
    }
}

// Every cell, the last one drawn too, lets half of what is behind it through.
TEST_F(SurfacePixelsTest, TranslucentCellsShowWhatIsBehindThem) {
  Build([](int x, int) { return 1.0 + x; });
  chart.View3DOptions().SetRotation(345);
  Render();
  std::vector<TCell> cells;
  for (int z = 0; z + 1 < kRows; ++z)
    for (int x = 0; x + 1 < kColumns; ++x) cells.push_back({x, z});
  std::vector<TPoint> centres;
  for (TCell c : cells) centres.push_back(Centre(c));
  series.SetActive(false);
  const TBitmap behind = Render();
  series.SetActive(true);
  series.SetTransparency(50);
  const TBitmap& mixed = Render();
  for (std::size_t k = 0; k < cells.size(); ++k) {
    SCOPED_TRACE(::testing::Message() << "cell " << cells[k].X << "," << cells[k].Z);
    const TPoint p = centres[k];
    const TColor cell = CellColor(cells[k]);
    for (int shift : {0, 8, 16}) {
      const int expected = ((cell >> shift & 0xFF) + (behind.Pixel(p.X, p.Y) >> shift & 0xFF)) / 2;
      EXPECT_NEAR(static_cast<int>(mixed.Pixel(p.X, p.Y) >> shift & 0xFF), expected, 3) << "channel " << shift;
    }
  }
}

TEST_F(SurfacePixelsTest, SideWallsCloseTheSurfaceDownToItsLowestValue) {
  Build([](int x, int z) { return 1.0 + 0.5 * x + 0.2 * z; });
  chart.View3DOptions().SetRotation(345);
  const auto reds = [&] {
    const TBitmap& image = Render();
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) n += image.Pixel(x, y) == clRed;
    return n;
  };
  EXPECT_EQ(reds(), 0);
  series.SideBrush().SetStyle(bsSolid);
  series.SideBrush().SetColor(clRed);
  EXPECT_GT(reds(), 500);
  // The near wall hangs below the near row, between its first point and the base line.
  const TPoint top = Project(1.5, 1.0 + 0.5 * 1.5, DepthOf(0));
  const TPoint base = Project(1.5, 1.0, DepthOf(0));
  const TBitmap& image = Render();
  EXPECT_EQ(image.Pixel(top.X, (top.Y + base.Y) / 2), clRed);
}

TEST_F(SurfacePixelsTest, HoverMarkCirclesTheHoveredPoint) {
  Build([](int, int) { return 1.0; });
  chart.View3DOptions().SetRotation(345);
  const TBitmap plain = Render();
  series.Selected().Hover().SetVisible(true);
  series.Selected().SetHoverIndex(5);
  const TBitmap& marked = Render();
  const TPoint p = Project(1, 1.0, DepthOf(1));
  int changed = 0, far = 0;
  for (int y = 0; y < plain.Height(); ++y)
    for (int x = 0; x < plain.Width(); ++x) {
      if (plain.Pixel(x, y) == marked.Pixel(x, y)) continue;
      (std::abs(x - p.X) <= 7 && std::abs(y - p.Y) <= 7 ? changed : far)++;
    }
  EXPECT_GT(changed, 10);
  EXPECT_EQ(far, 0);
}

}  // namespace
}  // namespace quil::testing
