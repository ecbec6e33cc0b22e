#include <gtest/gtest.h>

#include "panel/text_lines.h"

namespace quil {
namespace {

TEST(TextLines, SplitsAtCarriageReturnSkippingOneLineFeed) {
  struct Case {
    const char* text;
    std::vector<std::string_view> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\rtwo", {"one", "two"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\r\n\ntwo", {"one", "\ntwo"}},
      {"one\r", {"one"}},
      {"\r", {""}},
      {"\r\r", {"", ""}},
      {"a\nb", {"a\nb"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitTextLines(c.text), c.lines);
    EXPECT_EQ(LinesOfText(c.text), static_cast<int>(c.lines.size()));
  }
}

}  // namespace
}  // namespace quil
