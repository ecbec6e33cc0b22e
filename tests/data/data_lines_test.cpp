// The line reader under the data files: line ends, blocks, and what makes a file not text.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "data/data_file_error.h"
#include "data/data_lines.h"
#include "data_file_fixture.h"

namespace quil::testing {
namespace {

class DataLines : public DataFileFixture {
 protected:
  std::vector<std::string> ReadAll(const std::string& bytes) {
    TDataLineReader reader(Write("lines.txt", bytes));
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) {
      lines.emplace_back(line);
      EXPECT_EQ(reader.LineNumber(), static_cast<int>(lines.size()));
    }
    return lines;
  }
};

TEST_F(DataLines, SplitsAtLineFeedsWhateverTheLineEnds) {
  struct TCase {
    std::string Bytes;
    std::vector<std::string> Lines;
  };
  for (const TCase& c : std::vector<TCase>{
           {"", {}},
           {"a", {"a"}},
           {"a\nb\n", {"a", "b"}},
           {"a\r\nb\r\n", {"a", "b"}},
           {"a\n\nb", {"a", "", "b"}},
           {"\xEF\xBB\xBF" "1 2\n3 4", {"1 2", "3 4"}},
       })
    EXPECT_EQ(ReadAll(c.Bytes), c.Lines) << c.Bytes;
}

TEST_F(DataLines, LinesThatCrossBlocksComeWhole) {
  // Lines of varied length, so that several straddle the reader's 1 MiB blocks.
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; i < 40000; ++i) {
    expected.push_back(std::string(static_cast<std::size_t>(i % 97), 'x') + std::to_string(i));
    bytes += expected.back() + "\n";
  }
  EXPECT_EQ(ReadAll(bytes), expected);
  TDataLineReader reader(Write("count.txt", bytes));
  EXPECT_EQ(reader.ContentLines(), expected.size());
}

TEST_F(DataLines, ContentLinesLeaveOutBlankAndCommentLines) {
  struct TCase {
    std::string Bytes;
    std::size_t Lines;
  };
  for (const TCase& c : std::vector<TCase>{
           {"", 0},
           {"\n\n \t\r\n", 0},
           {"# a\n  # b\n", 0},
           {"1 2 # c\n\n 3\n4", 3},
           {"x,y,z\r\n1,2,3\r\n", 2},
       }) {
    TDataLineReader reader(Write("content.txt", c.Bytes));
    EXPECT_EQ(reader.ContentLines(), c.Lines) << c.Bytes;
  }
}

TEST_F(DataLines, ControlBytesAndOverlongLinesNameTheLine) {
  struct TCase {
    std::string Bytes;
    int Line;
  };
  for (const TCase& c : std::vector<TCase>{
           {std::string("1 2\n3\0 4\n", 9), 2},
           {"1 2\n3 4\n\x01\n", 3},
           {"\x89PNG\r\n\x1a\n", 2},
           {"1\n" + std::string(kMaxDataLineLength + 1, '1') + "\n", 2},
       }) {
    try {
      ReadAll(c.Bytes);
      ADD_FAILURE() << "accepted " << c.Bytes.substr(0, 20);
    } catch (const EDataFileError& e) {
      EXPECT_EQ(e.Line(), c.Line) << e.what();
      EXPECT_NE(std::string(e.what()).find("line " + std::to_string(c.Line)), std::string::npos) << e.what();
    }
  }
}

TEST_F(DataLines, OnlyRegularFilesAreRead) {
  EXPECT_THROW(TDataLineReader((dir_ / "missing.txt").string()), EDataFileError);
  EXPECT_THROW(TDataLineReader(dir_.string()), EDataFileError);
  const std::string fifo = (dir_ / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Without a writer a blocking open would wait for ever.
  EXPECT_THROW(TDataLineReader{fifo}, EDataFileError);
}

}  // namespace
}  // namespace quil::testing
