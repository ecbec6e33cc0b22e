#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quil {

class TCustom3DSeries;

// The two ways a data file lays out a surface.
enum class TDataForm {
  // Three values per line mean points, any other count a matrix; a header line decides nothing.
  Auto,
  // One point per line: x, y, z (y is the height).
  Points,
  // One grid row per line: the heights of row z, column x being the value's place in the line.
  Matrix,
};

// The most points a data file may hold: the most cells a grid index can have.
inline constexpr int64_t kMaxDataPoints = int64_t{1} << 25;

// A surface read from a data file, checked but not yet given to a series. Heights that are NaN
// are holes: the point is left out, so the surface leaves out the cells around it.
struct TSurfaceData {
  TDataForm Form = TDataForm::Points;
  // Points: X, Y (heights) and Z in file order. Matrix: Y only, row after row.
  std::vector<double> X;
  std::vector<double> Y;
  std::vector<double> Z;
  int Columns = 0;
  int Rows = 0;
  // The X and Z values are not consecutive integers, so the grid must match them exactly.
  bool IrregularGrid = false;

  // Points with a height, holes left out.
  int64_t PointCount() const;
};

// Reads and checks a data file. Lines are numbers separated by commas (when the first line holds
// a comma) or by blanks and tabs; "#" starts a comment to the end of the line; blank lines are
// skipped; a first line without any number is a header. Numbers are decimal, with an optional
// exponent; "nan" marks a hole. Everything that does not make a surface raises EDataFileError
// naming the file and, where one line is at fault, that line: a missing or unreadable file, a
// file that is not text or holds no points, a value that is not a number, a line with a
// different count of values than the ones before it (or, as points, other than three), x or z
// not finite, an infinite height, a point repeating the x and z of an earlier one, fewer than
// two different x or z values, points that do not form a grid of at most kMaxGridCells cells
// (or at most kMaxIrregularValues different x and z values when they are not consecutive
// integers), more than kMaxDataPoints points.
TSurfaceData ReadSurfaceData(const std::string& fileName, TDataForm form = TDataForm::Auto);

// Replaces the series' points with the data, in one update: a matrix value at column x of row z
// becomes the point (x, height, z). A grid series is told whether its grid is irregular.
void LoadSurfaceData(TCustom3DSeries& series, const TSurfaceData& data);

// Reads the file, then loads it: a file that cannot be read leaves the series as it was.
void LoadSurfaceDataFile(TCustom3DSeries& series, const std::string& fileName, TDataForm form = TDataForm::Auto);

}  // namespace quil
