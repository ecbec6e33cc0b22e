// Data files that make no surface: each is refused with a message naming the file and, where one
// line is at fault, that line; nothing crashes or hangs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "data/data_file_error.h"
#include "data/surface_data.h"
#include "data_file_fixture.h"
#include "series/surface/grid_index.h"

namespace quil::testing {
namespace {

struct TBadFile {
  const char* What;
  std::string Text;
  TDataForm Form;
  int Line;  // 0: the file as a whole
  std::string Says;
};

class SurfaceDataErrors : public DataFileFixture {};

std::string IrregularColumns(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(i * 2) + " 0 0\n" + std::to_string(i * 2) + " 0 1\n";
  return text;
}

TEST_F(SurfaceDataErrors, EachFaultIsNamedWithItsLine) {
  const auto A = TDataForm::Auto;
  const std::vector<TBadFile> cases{
      {"empty", "", A, 0, "holds no points"},
      {"only comments", "# nothing\n\n   \n", A, 0, "holds no points"},
      {"only a header", "x,y,z\n", A, 0, "holds no points"},
      {"binary", std::string("1 2 3\n\0\0\x7f", 9), A, 2, "not a text file"},
      {"word in data", "0 1 0\n1 2 0\n0 x 1\n", A, 3, "\"x\" is not a number"},
      {"header twice", "x y z\n0 1 0\nx y z\n", A, 3, "\"x\" is not a number"},
      {"empty field", "0,1,0\n1,,0\n", A, 2, "\"\" is not a number"},
      {"hex", "0 1 0\n1 0x10 0\n", A, 2, "\"0x10\" is not a number"},
      {"two signs", "0 1 0\n1 +-2 0\n", A, 2, "\"+-2\" is not a number"},
      {"beyond double", "0 1 0\n1 1e999 0\n", A, 2, "\"1e999\" is not a number"},
      {"ragged matrix", "1 2 3 4\n5 6 7 8\n9 10 11\n", A, 3, "has 3 values, the lines before it 4"},
      {"ragged points", "0 1 0\n1 2 0 7\n", A, 2, "has 4 values; a point is x, y, z"},
      {"forced points", "1 2 3 4\n5 6 7 8\n", TDataForm::Points, 1, "has 4 values; a point is x, y, z"},
      {"infinite x", "0 1 0\ninf 2 0\n", A, 2, "x and z must be finite"},
      {"nan z", "0 1 0\n1 2 nan\n", A, 2, "x and z must be finite"},
      {"infinite height", "0 1 0\n1 -inf 0\n", A, 2, "a height is infinite"},
      {"infinite matrix height", "1 2\n3 Infinity\n", A, 2, "a height is infinite"},
      {"duplicate", "0 1 0\n1 2 0\n0 3 1\n1 4 1\n1 5 0\n", A, 5, "repeats the point x = 1, z = 0 of line 2"},
      {"duplicate of a hole", "0 nan 0\n1 2 0\n0 3 1\n0 4 0\n1 5 1\n", A, 4, "of line 1"},
      {"single row", "1 2 3 4 5\n", A, 0, "needs at least two different x and two different z"},
      {"single column", "1\n2\n3\n4\n", A, 0, "needs at least two different x and two different z"},
      {"single x", "0 1 0\n0 2 1\n0 3 2\n", A, 0, "needs at least two different x and two different z"},
      {"all holes", "nan nan\nnan nan\n", A, 0, "holds no points"},
      {"scattered", IrregularColumns(kMaxIrregularValues + 1), A, 0, "do not form a grid (20001 different x"},
  };
  for (const TBadFile& c : cases) {
    const std::string file = Write("bad.txt", c.Text);
    try {
      ReadSurfaceData(file, c.Form);
      ADD_FAILURE() << c.What << ": accepted";
    } catch (const EDataFileError& e) {
      const std::string message = e.what();
      EXPECT_EQ(e.FileName(), file) << c.What;
      EXPECT_EQ(e.Line(), c.Line) << c.What << ": " << message;
      EXPECT_EQ(message.rfind("Data file " + file, 0), 0u) << c.What << ": " << message;
      EXPECT_NE(message.find(c.Says), std::string::npos) << c.What << ": " << message;
      if (c.Line > 0) {
        EXPECT_NE(message.find("line " + std::to_string(c.Line)), std::string::npos) << message;
      }
      EXPECT_EQ(message.find('\n'), std::string::npos) << c.What << ": one line";
    }
  }
}

TEST_F(SurfaceDataErrors, AFileThatCannotBeOpenedSaysWhy) {
  const std::string missing = (dir_ / "missing.csv").string();
  try {
    ReadSurfaceData(missing);
    ADD_FAILURE();
  } catch (const EDataFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open data file " + missing + ": No such file or directory");
  }
}

TEST_F(SurfaceDataErrors, ALongGarbageFieldIsShortenedInTheMessage) {
  const std::string junk(5000, 'q');
  try {
    ReadSurfaceData(Write("junk.txt", "1 2\n3 " + junk + "\n"));
    ADD_FAILURE();
  } catch (const EDataFileError& e) {
    EXPECT_LT(std::string(e.what()).size(), 200u) << e.what();
  }
}

}  // namespace
}  // namespace quil::testing
