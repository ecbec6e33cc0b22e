#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "engine/next_step.h"

namespace quil {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(QuilNextStep, FollowsTheOneTwoFiveSequence) {
  const double sequence[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
  for (size_t i = 0; i + 1 < std::size(sequence); ++i) {
    SCOPED_TRACE(sequence[i]);
    EXPECT_EQ(QuilNextStep(sequence[i]), sequence[i + 1]);
  }
}

TEST(QuilNextStep, ValuesBetweenStepsGoToTheNextStep) {
  const struct {
    double X, Next;
  } cases[] = {
      {0.3, 0.5},   {70, 100},      {9.99, 10},        {1.0000001, 2}, {4.9, 5},
      {0.19999999999999998, 0.2},   {0.1 + 0.2, 0.5},  {10.0 / 24, 0.5},
      {3e-7, 5e-7}, {1.5e-320, 2e-320}, {4.4e15, 5e15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.X);
    EXPECT_EQ(QuilNextStep(c.X), c.Next);
  }
}

// Inputs that made the recursive definition loop forever or fall through get a defined result.
TEST(QuilNextStep, EveryInputHasADefinedResult) {
  const double denormalMin = std::numeric_limits<double>::denorm_min();
  const struct {
    double X, Next;
  } cases[] = {
      {0, 1},
      {-0.0, 1},
      {-5, 1},
      {-1e-300, 1},
      {std::nan(""), 1},
      {kInf, 1},
      {-kInf, 1},
      {denormalMin, 1e-323},
      {5e307, 1e308},
      {1e308, kInf},
      {std::numeric_limits<double>::max(), kInf},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.X);
    EXPECT_EQ(QuilNextStep(c.X), c.Next);
  }
}

bool IsSequenceValue(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  const std::string mantissa(text, std::string_view(text, end.ptr - text).find('e'));
  return mantissa == "1" || mantissa == "2" || mantissa == "5";
}

// The sequence value just below a sequence value: 5 before 10, 2 before 5, 1 before 2.
double PreviousStep(double step) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, step, std::chars_format::scientific);
  const std::string_view written(text, end.ptr - text);
  const int exponent = std::stoi(std::string(written.substr(written.find('e') + 1)));
  const char mantissa = written[0];
  const std::string previous = mantissa == '1'   ? "5e" + std::to_string(exponent - 1)
                               : mantissa == '2' ? "1e" + std::to_string(exponent)
                                                 : "2e" + std::to_string(exponent);
  double value = 0;
  std::from_chars(previous.data(), previous.data() + previous.size(), value);
  return value;
}

// Over the whole positive range, including steps themselves and their neighbours: the result is
// a sequence value, greater than x, and no sequence value lies between them.
TEST(QuilNextStep, IsTheSmallestSequenceValueAboveX) {
  for (double exponent = -322.5; exponent < 308; exponent += 0.37) {
    const double base = std::pow(10.0, exponent);
    const double step = QuilNextStep(base);
    for (const double x : {base, step, std::nextafter(step, 0.0), std::nextafter(step, kInf)}) {
      const double next = QuilNextStep(x);
      if (std::isinf(next)) continue;
      SCOPED_TRACE(x);
      ASSERT_GT(next, x);
      ASSERT_TRUE(IsSequenceValue(next)) << next;
      ASSERT_LE(PreviousStep(next), x) << next;
    }
  }
}

// A caller growing an increment from the smallest positive double reaches infinity in a bounded
// number of steps, always moving up.
TEST(QuilNextStep, GrowingFromTheSmallestDoubleEnds) {
  double x = std::numeric_limits<double>::denorm_min();
  int steps = 0;
  while (!std::isinf(x)) {
    const double next = QuilNextStep(x);
    ASSERT_GT(next, x);
    x = next;
    ASSERT_LT(++steps, 3 * 640);
  }
}

}  // namespace
}  // namespace quil
