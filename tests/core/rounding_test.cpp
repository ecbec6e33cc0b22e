#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/exceptions.h"
#include "core/rounding.h"

namespace quil {
namespace {

TEST(Rounding, NearestWithTiesToEven) {
  struct Case {
    double value;
    int expected;
  };
  const Case cases[] = {
      {0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},    {-0.5, 0},   {-1.5, -2},         {-2.5, -2},
      {1.4, 1},   {1.6, 2},   {-1.4, -1}, {-1.6, -2},  {2.5000001, 3}, {0.49999999999999994, 0},
      {0.0, 0},   {-0.0, 0},  {7.0, 7},   {-7.0, -7},  {1e9 + 0.5, 1000000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(QuilRound(c.value), c.expected);
    EXPECT_EQ(QuilRoundFloat(c.value), static_cast<double>(c.expected));
    EXPECT_EQ(QuilRound64(c.value), c.expected);
  }
}

TEST(Rounding, IndependentOfTheFloatingPointRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    SCOPED_TRACE(mode);
    ASSERT_EQ(std::fesetround(mode), 0);
    volatile double tie = 2.5;  // volatile keeps the compiler from folding the call
    volatile double below = -1.4;
    EXPECT_EQ(QuilRound(tie), 2);
    EXPECT_EQ(QuilRound(-tie), -2);
    EXPECT_EQ(QuilRound(below), -1);
  }
  std::fesetround(saved);
}

TEST(Rounding, IntegerRangeEdges) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(QuilRound(2147483647.4), kMax);
  EXPECT_EQ(QuilRound(-2147483648.5), kMin) << "the tie goes to the even bound";
  EXPECT_EQ(QuilRound(-2147483648.4), kMin);

  const double outside[] = {2147483647.5,
                            -2147483649.0,
                            1e300,
                            -1e300,
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
  for (double v : outside) {
    SCOPED_TRACE(v);
    EXPECT_THROW(QuilRound(v), ERangeError);
  }
}

TEST(Rounding, Int64RangeEdges) {
  EXPECT_EQ(QuilRound64(4294967296.5), int64_t{4294967296});
  EXPECT_EQ(QuilRound64(-9.2233720368547758e18), std::numeric_limits<int64_t>::min());
  EXPECT_THROW(QuilRound64(9.2233720368547758e18), ERangeError);
  EXPECT_THROW(QuilRound64(std::numeric_limits<double>::quiet_NaN()), ERangeError);
  EXPECT_TRUE(std::isnan(QuilRoundFloat(std::numeric_limits<double>::quiet_NaN())));
  EXPECT_EQ(QuilRoundFloat(1e300), 1e300);
}

}  // namespace
}  // namespace quil
