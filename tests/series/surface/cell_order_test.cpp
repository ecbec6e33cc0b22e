#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "series/surface/cell_order.h"

namespace quil {
namespace {

std::vector<int> Rows(const TCellsOrientation& o) {
  std::vector<int> rows;
  for (int z = o.InitZ; o.IncZ > 0 ? z < o.EndZ : z > o.EndZ; z += o.IncZ) rows.push_back(z);
  return rows;
}

TEST(CellOrder, OrientationWalksFromTheBackInTheDrawingDirection) {
  const struct {
    bool backFaced, forward;
    std::vector<int> columns, rows;
  } cases[] = {
      {false, true, {2, 3, 4}, {3, 2}},
      {false, false, {3, 2, 1}, {3, 2}},
      {true, true, {2, 3, 4}, {1, 2}},
      {true, false, {3, 2, 1}, {1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "back faced " << c.backFaced << ", forward " << c.forward);
    const TCellsOrientation o = CellsOrientation(4, 3, c.backFaced, c.forward);
    EXPECT_EQ(ColumnOrder(o, false), c.columns);
    EXPECT_EQ(Rows(o), c.rows);
  }
  EXPECT_TRUE(ColumnOrder(CellsOrientation(1, 1, false, true), false).empty());
  EXPECT_TRUE(Rows(CellsOrientation(1, 1, false, true)).empty());
}

TEST(CellOrder, PerspectiveCorrectionAlternatesFromBothEnds) {
  EXPECT_EQ(ColumnOrder(CellsOrientation(10, 3, false, true), true), (std::vector<int>{2, 10, 3, 9, 4, 8, 5, 7, 6}));
  EXPECT_EQ(ColumnOrder(CellsOrientation(9, 3, false, false), true), (std::vector<int>{8, 1, 7, 2, 6, 3, 5, 4}));
  EXPECT_EQ(ColumnOrder(CellsOrientation(3, 3, false, true), true), (std::vector<int>{2, 3}));
}

TEST(CellOrder, RotationsWhereCellsAreSortedByDepth) {
  const struct {
    int rotation;
    bool sorted, reversed;
  } cases[] = {{0, true, false},    {29, true, false},   {30, false, false}, {90, false, false},
               {150, false, false}, {151, true, true},   {180, true, true},  {209, true, true},
               {210, false, false}, {330, false, false}, {331, true, false}, {345, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rotation);
    const TSortingRange r = InRangeRotation(c.rotation);
    EXPECT_EQ(r.Sorted, c.sorted);
    EXPECT_EQ(r.Reversed, c.reversed);
  }
}

// The cells of a walk in drawing order, expanded from the sorted runs.
struct TCell {
  int Column, Row;
  double Z;
};
std::vector<TCell> Expand(const std::vector<TCellRun>& runs, const std::vector<int>& columns) {
  std::vector<TCell> cells;
  for (const TCellRun& run : runs)
    for (int k = 0; k < run.Count; ++k) cells.push_back({columns[static_cast<std::size_t>(run.First + k)], run.Row, run.Z});
  return cells;
}

// Holes (cells without all four corners) compare with no cell: every valid cell must still come
// in depth order, whatever the holes, and every valid cell exactly once.
TEST(CellOrder, SortedCellsKeepDepthOrderWhateverHolesTheGridHas) {
  std::mt19937 rng(16);
  std::uniform_real_distribution<double> jitter(-0.4, 0.4);
  for (int trial = 0; trial < 200; ++trial) {
    const int numX = 3 + trial % 9, numZ = 3 + trial % 7;
    const TCellsOrientation o = CellsOrientation(numX, numZ, trial % 2 == 0, trial % 3 == 0);
    const std::vector<int> columns = ColumnOrder(o, false);
    // Depth values that vary along a row as well as between rows; about a third of the cells
    // are holes.
    std::vector<double> z(static_cast<std::size_t>((numX + 1) * (numZ + 1)));
    std::vector<bool> hole(z.size());
    for (std::size_t i = 0; i < z.size(); ++i) {
      z[i] = static_cast<double>(i % static_cast<std::size_t>(numZ + 1)) + jitter(rng);
      hole[i] = rng() % 3 == 0;
    }
    const auto at = [&](int x, int row) { return static_cast<std::size_t>(x * (numZ + 1) + row); };
    int valid = 0;
    for (int x : columns)
      for (int row : Rows(o)) valid += !hole[at(x, row)];
    const bool ascending = trial % 5 == 0;
    const std::vector<TCell> cells = Expand(SortedCellRuns(o, columns, ascending,
                                                           [&](int x, int row, double& value) {
                                                             if (hole[at(x, row)]) return false;
                                                             value = z[at(x, row)];
                                                             return true;
                                                           }),
                                            columns);
    ASSERT_EQ(static_cast<int>(cells.size()), valid) << "trial " << trial;
    for (std::size_t k = 1; k < cells.size(); ++k) {
      if (ascending)
        ASSERT_LE(cells[k - 1].Z, cells[k].Z) << "trial " << trial << ", cell " << k;
      else
        ASSERT_GE(cells[k - 1].Z, cells[k].Z) << "trial " << trial << ", cell " << k;
      ASSERT_FALSE(hole[at(cells[k].Column, cells[k].Row)]);
    }
  }
}

TEST(CellOrder, EqualDepthsKeepTheirRowsColumnOrder) {
  const TCellsOrientation o = CellsOrientation(5, 3, false, true);
  const std::vector<int> columns = ColumnOrder(o, false);
  const std::vector<TCell> cells = Expand(SortedCellRuns(o, columns, false,
                                                         [](int x, int row, double& value) {
                                                           if (x == 3 && row == 3) return false;
                                                           value = row;
                                                           return true;
                                                         }),
                                          columns);
  std::vector<std::pair<int, int>> order;
  for (const TCell& c : cells) order.emplace_back(c.Column, c.Row);
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{2, 3}, {4, 3}, {5, 3}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}));
}

}  // namespace
}  // namespace quil
