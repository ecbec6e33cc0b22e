// Data files that make a surface: the spellings of points and matrices, which form a file is
// read as, and when the grid must match values exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data/surface_data.h"
#include "data_file_fixture.h"

namespace quil::testing {
namespace {

using TValues = std::vector<double>;

class SurfaceDataRead : public DataFileFixture {};

TEST_F(SurfaceDataRead, PointsReadTheSameInEverySpelling) {
  // The points (0, 1.5, 0), (1, -2, 0), (0, 3e2, 1), (1, 4, 1).
  for (const std::string& text : std::vector<std::string>{
           "0,1.5,0\n1,-2,0\n0,3e2,1\n1,4,1\n",
           "x,y,z\n0,1.5,0\n1,-2,0\n0,3e2,1\n1,4,1",
           "\"x\", \"height\", \"z\"\r\n 0 , 1.5 ,0\r\n1,-2,0\r\n0,300,1\r\n1,+4,1\r\n",
           "# measured today\n\nx y z\n0 1.5 0   # first\n1\t-2\t0\n\n0  3E+2  1\n1 4.0 1\n",
           "\xEF\xBB\xBF" "0 1.5 0\n1 -2 0\n0 300 1\n1 4 1\n",
       }) {
    const TSurfaceData data = ReadSurfaceData(Write("points.txt", text));
    EXPECT_EQ(data.Form, TDataForm::Points) << text;
    EXPECT_EQ(data.X, (TValues{0, 1, 0, 1})) << text;
    EXPECT_EQ(data.Y, (TValues{1.5, -2, 300, 4})) << text;
    EXPECT_EQ(data.Z, (TValues{0, 0, 1, 1})) << text;
    EXPECT_FALSE(data.IrregularGrid);
  }
}

TEST_F(SurfaceDataRead, AMatrixIsRowsOfHeights) {
  for (const std::string& text : std::vector<std::string>{
           "1 2 3 4\n5 6 7 8\n",
           "a,b,c,d\n1,2,3,4\n5,6,7,8\n",
           "# two rows\n1\t2 3  4 # row 0\n5 6 7 8\n\n",
       }) {
    const TSurfaceData data = ReadSurfaceData(Write("matrix.txt", text));
    EXPECT_EQ(data.Form, TDataForm::Matrix) << text;
    EXPECT_EQ(data.Columns, 4);
    EXPECT_EQ(data.Rows, 2);
    EXPECT_EQ(data.Y, (TValues{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(data.PointCount(), 8);
  }
}

TEST_F(SurfaceDataRead, ThreeValuesALineArePointsUnlessAMatrixIsAskedFor) {
  // Three heights a line are as plausible as x, y, z: points unless a matrix is asked for.
  const std::string file = Write("three.txt", "0 1 0\n1 2 0\n0 3 1\n1 4 1\n");
  EXPECT_EQ(ReadSurfaceData(file).Form, TDataForm::Points);
  EXPECT_EQ(ReadSurfaceData(file, TDataForm::Points).Form, TDataForm::Points);
  const TSurfaceData matrix = ReadSurfaceData(file, TDataForm::Matrix);
  EXPECT_EQ(matrix.Form, TDataForm::Matrix);
  EXPECT_EQ(matrix.Columns, 3);
  EXPECT_EQ(matrix.Rows, 4);
}

TEST_F(SurfaceDataRead, NanHeightsAreHoles) {
  const TSurfaceData matrix = ReadSurfaceData(Write("m.txt", "1 nan 3 4\nNaN 5 6 7\n"));
  EXPECT_EQ(matrix.Y.size(), 8u);
  EXPECT_EQ(matrix.PointCount(), 6);
  const TSurfaceData points = ReadSurfaceData(Write("p.txt", "0 1 0\n1 nan 0\n0 3 1\n1 4 1\n"));
  EXPECT_TRUE(std::isnan(points.Y[1]));
  EXPECT_EQ(points.PointCount(), 3);
}

TEST_F(SurfaceDataRead, OnlyConsecutiveWholeNumbersMakeARegularGrid) {
  struct TCase {
    std::string Text;
    bool Irregular;
  };
  for (const TCase& c : std::vector<TCase>{
           {"-1 0 5\n0 0 5\n-1 0 6\n0 0 6\n", false},
           {"0.5 0 0\n1.5 0 0\n0.5 0 1\n1.5 0 1\n", true},
           {"0 0 0\n2 0 0\n0 0 1\n2 0 1\n", true},
           {"0 0 0\n1 0 0\n0 0 10\n1 0 10\n", true},
       }) {
    EXPECT_EQ(ReadSurfaceData(Write("grid.txt", c.Text)).IrregularGrid, c.Irregular) << c.Text;
  }
}

}  // namespace
}  // namespace quil::testing
