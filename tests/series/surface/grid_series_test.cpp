#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "canvas/bitmap.h"
#include "core/exceptions.h"
#include "engine/chart_exception.h"
#include "series/surface/custom3d_grid_series.h"
#include "series/surface/surface_series.h"

namespace quil {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TPoint3 {
  double x, y, z;
};

void AddPoints(TCustom3DGridSeries& series, const std::vector<TPoint3>& points) {
  for (const TPoint3& p : points) series.AddXYZ(p.x, p.y, p.z);
}

// Every filled position of the index as (column, row, point).
std::vector<std::tuple<int, int, int>> Filled(const TGridIndex& index) {
  std::vector<std::tuple<int, int, int>> filled;
  for (int x = 0; x < index.Columns(); ++x)
    for (int z = 0; z < index.Rows(); ++z)
      if (index(x, z) != -1) filled.emplace_back(x, z, index(x, z));
  return filled;
}

TEST(GridIndex, EmptySeriesHasAnEmptyTenByTenGrid) {
  TCustom3DGridSeries series;
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "as constructed" : "after a build");
    EXPECT_EQ(series.NumXValues(), 10);
    EXPECT_EQ(series.NumZValues(), 10);
    EXPECT_EQ(series.GridIndex().Columns(), 11);
    EXPECT_EQ(series.GridIndex().Rows(), 11);
    EXPECT_TRUE(Filled(series.GridIndex()).empty());
    for (int x = 0; x < 10; ++x)
      for (int z = 0; z < 10; ++z) EXPECT_FALSE(series.ExistFourGridIndex(x, z));
    series.FillGridIndex();
  }
  EXPECT_FALSE(series.DirtyGrid());
}

struct TGridCase {
  const char* name;
  bool irregular;
  std::vector<TPoint3> points;
  int numX, numZ;
  std::vector<std::tuple<int, int, int>> filled;
};

class GridBuildTest : public ::testing::TestWithParam<TGridCase> {};

TEST_P(GridBuildTest, PlacesEachPointAtItsPosition) {
  const TGridCase& c = GetParam();
  TCustom3DGridSeries series;
  series.SetIrregularGrid(c.irregular);
  AddPoints(series, c.points);
  EXPECT_TRUE(series.DirtyGrid());
  series.DoBeforeDrawChart();
  EXPECT_FALSE(series.DirtyGrid());
  EXPECT_EQ(series.NumXValues(), c.numX);
  EXPECT_EQ(series.NumZValues(), c.numZ);
  EXPECT_EQ(series.GridIndex().Columns(), c.numX + 1);
  EXPECT_EQ(series.GridIndex().Rows(), c.numZ + 1);
  EXPECT_EQ(Filled(series.GridIndex()), c.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, GridBuildTest,
    ::testing::Values(
        // A 3 x 2 regular grid from 0 with a hole at (1, 1), points added in any order.
        TGridCase{"RegularFromZero",
                  false,
                  {{2, 5, 1}, {0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {0, 3, 1}},
                  3,
                  2,
                  {{1, 1, 1}, {1, 2, 4}, {2, 1, 2}, {3, 1, 3}, {3, 2, 0}}},
        TGridCase{"RegularFromTen", false, {{10, 0, 5}, {12, 0, 5}, {14, 0, 6}}, 5, 2, {{1, 1, 0}, {3, 1, 1}, {5, 2, 2}}},
        // Rounded to the nearest integer, halves to even; the later of two at one position wins.
        TGridCase{"RegularRounded",
                  false,
                  {{0.4, 0, 0}, {0.6, 0, 0}, {1.5, 0, 0}, {2.5, 0, 0}, {1.6, 9, 0}},
                  3,
                  1,
                  {{1, 1, 0}, {2, 1, 1}, {3, 1, 4}}},
        TGridCase{"RegularNegative", false, {{-3, 0, -2}, {-1, 0, -2}}, 3, 1, {{1, 1, 0}, {3, 1, 1}}},
        // Points without a finite position take no place and no part in the grid's size.
        TGridCase{"RegularNotANumber",
                  false,
                  {{0, 0, 0}, {kNaN, 0, 0}, {1, 0, std::numeric_limits<double>::infinity()}, {2, 0, 1}},
                  3,
                  2,
                  {{1, 1, 0}, {3, 2, 3}}},
        TGridCase{"Irregular",
                  true,
                  {{7, 0, 3}, {0.5, 0, -1}, {2.25, 0, 3}, {0.5, 0, 3}, {7, 0, -1}},
                  3,
                  2,
                  {{1, 1, 1}, {1, 2, 3}, {2, 2, 2}, {3, 1, 4}, {3, 2, 0}}},
        // Exact matching: 0.1 + 0.2 is not 0.3.
        TGridCase{"IrregularExact", true, {{0.1 + 0.2, 0, 0}, {0.3, 0, 0}, {-0.0, 0, 0}, {0.0, 0, 1}}, 3, 2,
                  {{1, 1, 2}, {1, 2, 3}, {2, 1, 1}, {3, 1, 0}}},
        TGridCase{"IrregularDuplicates", true, {{0.5, 1, 2}, {0.5, 2, 2}, {1.5, 3, 2}, {0.5, 4, 2}}, 2, 1,
                  {{1, 1, 3}, {2, 1, 2}}},
        TGridCase{"IrregularNotANumber", true, {{1, 0, 1}, {kNaN, 0, 2}, {2, 0, kNaN}}, 1, 1, {{1, 1, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridIndex, StartIndexTellsWhetherTheSmallestValueIsExactlyZero) {
  struct TCase {
    std::vector<TPoint3> points;
    int xStart, zStart;
  };
  for (const TCase& c : {TCase{{{0, 0, 0}, {1, 0, 1}}, 0, 0}, TCase{{{10, 0, 0}, {11, 0, -0.0}}, 1, 0},
                         TCase{{{0.4, 0, 3}, {2, 0, 4}}, 1, 1}}) {
    TCustom3DGridSeries series;
    AddPoints(series, c.points);
    series.FillGridIndex();
    EXPECT_EQ(series.XStartIndex(), c.xStart);
    EXPECT_EQ(series.ZStartIndex(), c.zStart);
  }
}

TEST(GridIndex, CellCornersFollowTheCellDirections) {
  TCustom3DGridSeries series;
  for (int z = 0; z < 3; ++z)
    for (int x = 0; x < 3; ++x)
      if (!(x == 2 && z == 2)) series.AddXYZ(x, 10 * x + z, z);
  series.FillGridIndex();
  const TGridIndex& grid = series.GridIndex();
  EXPECT_TRUE(series.ExistFourGridIndex(1, 1));
  EXPECT_EQ(series.ValueIndex(0), grid(1, 1));
  EXPECT_EQ(series.ValueIndex(1), grid(2, 1));
  EXPECT_EQ(series.ValueIndex(2), grid(2, 2));
  EXPECT_EQ(series.ValueIndex(3), grid(1, 2));
  EXPECT_FALSE(series.ExistFourGridIndex(2, 2)) << "the corner (3, 3) is missing";
  EXPECT_EQ(series.ValueIndex(1), grid(3, 2));
  EXPECT_EQ(series.ValueIndex(2), -1);

  series.SetCellDirections(-1, -1);
  EXPECT_TRUE(series.ExistFourGridIndex(2, 2));
  EXPECT_EQ(series.ValueIndex(2), grid(1, 1));
  EXPECT_FALSE(series.ExistFourGridIndex(1, 1)) << "column 0 is never filled";
  EXPECT_THROW(series.ExistFourGridIndex(0, 1), ERangeError);
  EXPECT_THROW(series.ExistFourGridIndex(4, 1), ERangeError);
}

TEST(GridIndex, BuildsThatCannotBeDoneLeaveTheIndexAsItWas) {
  struct TCase {
    const char* name;
    bool irregular;
    std::vector<TPoint3> points;
  };
  std::vector<TPoint3> manyX;
  for (int i = 0; i <= kMaxIrregularValues; ++i) manyX.push_back({i * 0.5, 0, 0});
  std::vector<TPoint3> manyZ;
  for (int i = 0; i <= kMaxIrregularValues; ++i) manyZ.push_back({0, 0, -i * 0.25});
  for (const TCase& c : {TCase{"far apart", false, {{0, 0, 0}, {1e7, 0, 1e7}}},
                         TCase{"beyond int", false, {{-1e300, 0, 0}, {1e300, 0, 0}}},
                         TCase{"too many X", true, manyX}, TCase{"too many Z", true, manyZ}}) {
    SCOPED_TRACE(c.name);
    TCustom3DGridSeries series;
    series.SetIrregularGrid(c.irregular);
    AddPoints(series, {{1, 5, 1}, {2, 6, 1}});
    series.FillGridIndex();
    const auto before = Filled(series.GridIndex());
    AddPoints(series, c.points);
    EXPECT_THROW(series.FillGridIndex(), ERangeError);
    EXPECT_THROW(series.DoBeforeDrawChart(), ERangeError) << "the next drawing tries again";
    EXPECT_TRUE(series.DirtyGrid());
    EXPECT_EQ(Filled(series.GridIndex()), before);
    EXPECT_EQ(series.NumXValues(), 2);
  }
}

TEST(GridIndex, IrregularGridHoldsUpToTheLimitOfDifferentValues) {
  TCustom3DGridSeries series;
  series.SetIrregularGrid(true);
  series.BeginUpdate();
  for (int i = 0; i < kMaxIrregularValues; ++i) series.AddXYZ(kMaxIrregularValues - i, i, 0);
  series.EndUpdate();
  series.FillGridIndex();
  EXPECT_EQ(series.NumXValues(), kMaxIrregularValues);
  EXPECT_EQ(series.GridIndex()(1, 1), kMaxIrregularValues - 1);
  EXPECT_EQ(series.GridXValue(1), 1);
}

// A value set at an empty position used to be added at the position's numbers as X and Z, which a
// grid not starting at 0 maps one column and row further on.
TEST(GridValues, ValueSetAtAPositionReadsBackThere) {
  struct TCase {
    const char* name;
    bool irregular;
    std::vector<TPoint3> points;
  };
  for (const TCase& c :
       {TCase{"from zero", false, {{0, 1, 0}, {3, 1, 0}, {0, 1, 3}, {3, 1, 3}}},
        TCase{"from ten", false, {{10, 1, 20}, {13, 1, 20}, {10, 1, 23}, {13, 1, 23}}},
        TCase{"fractional minimum", false, {{0.4, 1, 0.4}, {3, 1, 0}, {0, 1, 3}, {3, 1, 3}}},
        TCase{"irregular", true, {{0.5, 1, -1}, {2.25, 1, -1}, {7, 1, 3}, {9, 1, 3}, {0.5, 1, 11}}}, TCase{"empty", false, {}}}) {
    SCOPED_TRACE(c.name);
    TCustom3DGridSeries series;
    series.SetIrregularGrid(c.irregular);
    AddPoints(series, c.points);
    series.FillGridIndex();
    const int numX = series.NumXValues();
    const int numZ = series.NumZValues();
    int value = 100;
    for (int x = 1; x <= numX; ++x)
      for (int z = 1; z <= numZ; ++z) series.SetValue(x, z, ++value);
    for (int pass = 0; pass < 2; ++pass) {
      SCOPED_TRACE(pass == 0 ? "kept current" : "built again");
      EXPECT_EQ(series.NumXValues(), numX);
      EXPECT_EQ(series.NumZValues(), numZ);
      int expected = 100;
      for (int x = 1; x <= numX; ++x)
        for (int z = 1; z <= numZ; ++z) EXPECT_EQ(series.GetValue(x, z), ++expected) << x << "," << z;
      series.FillGridIndex();
    }
    EXPECT_EQ(series.Count(), numX * numZ) << "every position holds exactly one point";
  }
}

TEST(GridValues, PositionsWithoutAValueAndOutsideTheGrid) {
  TCustom3DGridSeries series;
  AddPoints(series, {{0, 1, 0}, {5, 2, 5}});
  try {
    series.GetValue(3, 4);
    ADD_FAILURE() << "no point lies at (3, 4)";
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "No value found at XZ: 3 4");
  }
  EXPECT_EQ(series.GetValue(6, 6), 2);
  EXPECT_THROW(series.GetValue(0, 1), ChartException) << "position 0 never holds a value";
  for (const auto& [x, z] : std::vector<std::pair<int, int>>{{-1, 1}, {7, 1}, {1, 7}, {1, -5}}) {
    SCOPED_TRACE(testing::Message() << x << "," << z);
    EXPECT_THROW(series.GetValue(x, z), ERangeError);
    EXPECT_THROW(series.SetValue(x, z, 1), ERangeError);
  }
  EXPECT_THROW(series.SetValue(0, 3, 1), ERangeError) << "position 0 is never filled";
  EXPECT_THROW(series.SetValue(3, 0, 1), ERangeError);
  EXPECT_EQ(series.Count(), 2);

  series.SetValue(6, 6, -8);
  EXPECT_EQ(series.Count(), 2) << "overwritten, not added";
  EXPECT_EQ(series.YValue(1), -8);
}

TEST(GridValues, ImageLoadsIntoPositionsFromOne) {
  TBitmap image(3, 2);
  image.Fill(RGBColor(0, 1, 0));
  image.SetPixel(2, 1, RGBColor(5, 0, 0));
  TCustom3DGridSeries series;
  series.Load(image);
  EXPECT_EQ(series.NumXValues(), 3);
  EXPECT_EQ(series.NumZValues(), 2);
  EXPECT_EQ(series.Count(), 6);
  EXPECT_EQ(series.GetValue(1, 1), 256);
  EXPECT_EQ(series.GetValue(3, 2), 5);
  for (int z = 0; z < series.GridIndex().Rows(); ++z) EXPECT_EQ(series.GridIndex()(0, z), -1);
  EXPECT_EQ(series.XValue(0), 0);
  EXPECT_EQ(series.GetZValue(0), 0);
  series.FillGridIndex();
  EXPECT_EQ(series.GetValue(3, 2), 5) << "the points' own positions agree with where they were set";
}

TEST(GridSize, GridSizeSettingsAndSampleValues) {
  TCustom3DGridSeries series;
  AddPoints(series, {{0, 1, 0}});
  series.SetNumXValues(3);
  EXPECT_EQ(series.Count(), 0) << "a running program without a provider creates nothing";

  std::vector<std::pair<int, int>> asked;
  series.OnGetYValue = [&](ROvedeSeries&, int x, int z) {
    asked.emplace_back(x, z);
    return x + 10.0 * z;
  };
  series.SetNumZValues(2);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}));
  ASSERT_EQ(series.Count(), 6);
  EXPECT_EQ(series.GetValue(3, 2), 12);
  EXPECT_EQ(series.Palette().size(), 32u) << "the palette is built for the new values";
  series.SetNoRandom(true);
  series.SetNumXValues(4);
  EXPECT_EQ(series.Count(), 0);
  series.OnGetYValue = nullptr;

  for (int size : {0, 1, 100000}) {
    SCOPED_TRACE(size);
    EXPECT_NO_THROW(series.SetNumXValues(size));
    series.FillGridIndex();
    EXPECT_EQ(series.GridIndex().Columns(), size + 1);
  }
  TCustom3DGridSeries other;
  other.SetNumXValues(100000);
  other.AddXYZ(1, 2, 3);
  EXPECT_THROW(other.SetNumZValues(100000), ChartException) << "ten thousand million cells";
  EXPECT_THROW(other.SetNumXValues(-1), ChartException);
  EXPECT_THROW(other.SetNumZValues(-1), ChartException);
  EXPECT_THROW(other.SetNumXValues(2147483647), ChartException);
  EXPECT_EQ(other.Count(), 1) << "nothing changed";
  EXPECT_EQ(other.NumXValues(), 100000);
  EXPECT_EQ(other.NumZValues(), 10);
}

TEST(GridSize, SampleValuesFillTheGridWhileTheProgramRuns) {
  TSurfaceSeries series;
  const int capacity = QuilDefaultCapacity;
  series.FillSampleValues();
  ASSERT_EQ(series.Count(), 100);
  EXPECT_EQ(QuilDefaultCapacity, capacity);
  EXPECT_EQ(series.XValue(0), 0);
  EXPECT_EQ(series.XValue(1), 1) << "row by row";
  EXPECT_EQ(series.GetZValue(10), 1);
  const auto sample = [](int x, int z) {
    const double cx = std::cos(x / 2.0);
    const double cz = std::cos(z / 2.0);
    return 0.5 * cx * cx + cz * cz - std::cos(z / 5.0);
  };
  EXPECT_DOUBLE_EQ(series.YValue(0), 0.5);
  EXPECT_DOUBLE_EQ(series.GetValue(4, 7), sample(3, 6));
  EXPECT_FALSE(series.CanCreateValues()) << "sample mode ends with the call";

  series.FillSampleValues(3);
  EXPECT_EQ(series.Count(), 9);
  EXPECT_THROW(series.FillSampleValues(100000), ChartException);
  EXPECT_EQ(series.Count(), 9) << "a grid too large changes nothing";
}

TEST(GridSeries, ValueEventsMarkTheIndexOutOfDate) {
  TCustom3DGridSeries series;
  AddPoints(series, {{0, 1, 0}, {1, 2, 0}});
  series.DoBeforeDrawChart();
  EXPECT_FALSE(series.DirtyGrid());
  series.DoBeforeDrawChart();
  series.YValues().SetValue(0, 5);
  EXPECT_TRUE(series.DirtyGrid());
  series.FillGridIndex();
  series.Delete(0);
  EXPECT_TRUE(series.DirtyGrid());
  series.FillGridIndex();
  series.SetIrregularGrid(true);
  EXPECT_FALSE(series.DirtyGrid()) << "the grid kind alone waits for a value change";
  series.XValues().SetOrder(loAscending);
  series.Clear();
  EXPECT_TRUE(series.DirtyGrid());
  EXPECT_EQ(series.XValues().Order(), loNone);
}

TEST(GridSeries, AssignAndAddValuesCarryTheGrid) {
  TCustom3DGridSeries source;
  source.SetIrregularGrid(true);
  AddPoints(source, {{0.5, 1, 0}, {1.5, 2, 0}, {0.5, 3, 2}});
  source.FillGridIndex();
  TCustom3DGridSeries copy;
  copy.Assign(source);
  EXPECT_TRUE(copy.IrregularGrid());
  EXPECT_TRUE(copy.DirtyGrid());
  EXPECT_EQ(copy.GetValue(1, 2), 3);
  TCustom3DGridSeries values;
  values.AddValues(source);
  EXPECT_EQ(values.NumXValues(), 2);
  EXPECT_EQ(values.Count(), 3);
}

TEST(SurfaceSeries, IsAGridSeriesThatKeepsItsDepthSlotToItself) {
  TSurfaceSeries series;
  EXPECT_EQ(series.ClassName(), "TSurfaceSeries");
  EXPECT_TRUE(series.InheritsFrom(TCustom3DGridSeries::StaticClass()));
  EXPECT_FALSE(series.MoreSameZOrder());
  EXPECT_EQ(series.INextXCell(), -1);
  EXPECT_EQ(series.INextZCell(), -1);
  EXPECT_NE(TSurfaceSeries::StaticClass().FindProperty("SeriesColor"), nullptr);
  EXPECT_NE(TSurfaceSeries::StaticClass().FindProperty("NumXValues"), nullptr);
  EXPECT_NE(TSurfaceSeries::StaticClass().FindProperty("PaletteStyle"), nullptr);
  EXPECT_NE(TSurfaceSeries::StaticClass().FindProperty("ZValues"), nullptr);
}

}  // namespace
}  // namespace quil
