// A series taking a data file: where each value lands in its grid, holes, and a file that
// cannot be read leaving the series as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_file_error.h"
#include "data/surface_data.h"
#include "data_file_fixture.h"
#include "engine/chart_exception.h"
#include "series/surface/surface_series.h"

namespace quil::testing {
namespace {

class SurfaceDataLoad : public DataFileFixture {
 protected:
  TSurfaceSeries series_;
};

TEST_F(SurfaceDataLoad, MatrixColumnsAreXAndRowsAreZ) {
  LoadSurfaceDataFile(series_, Write("m.txt", "1 2 3\n4 5 6\n"), TDataForm::Matrix);
  ASSERT_EQ(series_.Count(), 6);
  EXPECT_FALSE(series_.IrregularGrid());
  // Grid positions are 1-based: (column + 1, row + 1).
  EXPECT_EQ(series_.GetValue(1, 1), 1);
  EXPECT_EQ(series_.GetValue(3, 1), 3);
  EXPECT_EQ(series_.GetValue(1, 2), 4);
  EXPECT_EQ(series_.GetValue(3, 2), 6);
  EXPECT_EQ(series_.NumXValues(), 3);
  EXPECT_EQ(series_.NumZValues(), 2);
}

TEST_F(SurfaceDataLoad, PointsFindTheirGridPlacesExactly) {
  // Out of order, with X and Z that a rounding grid would merge.
  LoadSurfaceDataFile(series_, Write("p.csv", "x,y,z\n1.5,4,0.25\n0.5,1,0.25\n1.5,3,0.75\n0.5,2,0.75\n"));
  ASSERT_EQ(series_.Count(), 4);
  EXPECT_TRUE(series_.IrregularGrid());
  EXPECT_EQ(series_.GetValue(1, 1), 1);
  EXPECT_EQ(series_.GetValue(1, 2), 2);
  EXPECT_EQ(series_.GetValue(2, 2), 3);
  EXPECT_EQ(series_.GetValue(2, 1), 4);
  EXPECT_EQ(series_.GridXValue(2), 1.5);
  EXPECT_EQ(series_.GridZValue(2), 0.75);
}

TEST_F(SurfaceDataLoad, HolesHaveNoPoint) {
  LoadSurfaceDataFile(series_, Write("m.txt", "1 nan 3\n4 5 6\n"), TDataForm::Matrix);
  EXPECT_EQ(series_.Count(), 5);
  EXPECT_EQ(series_.GetValue(3, 1), 3);
  EXPECT_THROW(series_.GetValue(2, 1), ChartException);
}

TEST_F(SurfaceDataLoad, ALoadReplacesEveryPoint) {
  LoadSurfaceDataFile(series_, Write("big.txt", "1 2 3\n4 5 6\n7 8 9\n"));
  LoadSurfaceDataFile(series_, Write("small.txt", "0.5 1 0\n1.5 2 0\n0.5 3 1\n1.5 4 1\n"));
  EXPECT_EQ(series_.Count(), 4);
  EXPECT_TRUE(series_.IrregularGrid());
  LoadSurfaceDataFile(series_, Write("again.txt", "1 2\n3 4\n"));
  EXPECT_EQ(series_.Count(), 4);
  EXPECT_FALSE(series_.IrregularGrid()) << "a regular file after an irregular one";
}

TEST_F(SurfaceDataLoad, AFileThatFailsLeavesTheSeriesAsItWas) {
  LoadSurfaceDataFile(series_, Write("good.txt", "1 2 3\n4 5 6\n"), TDataForm::Matrix);
  // The fault is on the last line, after everything else was read.
  EXPECT_THROW(LoadSurfaceDataFile(series_, Write("bad.txt", "9 9 9 9\n9 9 9 9\n9 9 9\n")), EDataFileError);
  EXPECT_THROW(LoadSurfaceDataFile(series_, (dir_ / "missing.txt").string()), EDataFileError);
  ASSERT_EQ(series_.Count(), 6);
  EXPECT_EQ(series_.GetValue(3, 2), 6);
}

}  // namespace
}  // namespace quil::testing
