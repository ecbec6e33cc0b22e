#include <gtest/gtest.h>

#include <string>

#include "core/exceptions.h"

namespace quil {
namespace {

TEST(QuilFormat, FillsPlaceholdersLeftToRight) {
  EXPECT_EQ(QuilFormat("Class %s not found", "TSurfaceSeries"), "Class TSurfaceSeries not found");
  EXPECT_EQ(QuilFormat("'%s' is not a valid component name", "1x"), "'1x' is not a valid component name");
  EXPECT_EQ(QuilFormat("Error reading %s%s%s: %s", "Chart1", ".", "Foo", "Property Foo does not exist"),
            "Error reading Chart1.Foo: Property Foo does not exist");
  EXPECT_EQ(QuilFormat("%s_%d", "Form1", std::to_string(2)), "Form1_2");
  EXPECT_EQ(QuilFormat("%s", ""), "");
}

TEST(QuilFormat, EdgeCases) {
  struct Case {
    const char* pattern;
    std::string expected;
  };
  const Case cases[] = {
      {"100%% done %s", "100% done A"},  // a doubled percent sign is one
      {"%s and %s", "A and B"},          // arguments run out: the rest stays literal
      {"%s, %s and %s", "A, B and %s"},
      {"no placeholder", "no placeholder"},  // extra arguments are ignored
      {"ends with %", "ends with %"},
      {"%x stays", "%x stays"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(QuilFormat(c.pattern, "A", "B"), c.expected);
  }
  EXPECT_EQ(QuilFormat("%s", "%s"), "%s") << "an argument is not scanned again";
}

}  // namespace
}  // namespace quil
