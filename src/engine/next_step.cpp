#include "engine/next_step.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace quil {
namespace {

// The nearest double to mantissa × 10^exponent; 0 when it underflows, +inf when it overflows.
// Parsing the decimal text rounds correctly, which scaling by powers of ten in floating point
// would not.
double DecimalStep(int mantissa, int exponent) {
  const std::string text = std::to_string(mantissa) + 'e' + std::to_string(exponent);
  double result = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), result);
  if (parsed.ec == std::errc::result_out_of_range)
    return exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return result;
}

}  // namespace

double QuilNextStep(double x) {
  if (!std::isfinite(x) || x <= 0) return 1;
  // Start one decade below x's so that rounding of log10 near a power of ten cannot skip a step.
  const int decade = static_cast<int>(std::floor(std::log10(x))) - 1;
  constexpr int kSteps[] = {1, 2, 5};
  for (int exponent = decade; exponent <= decade + 3; ++exponent) {
    for (const int mantissa : kSteps) {
      const double candidate = DecimalStep(mantissa, exponent);
      if (candidate > x) return candidate;
    }
  }
  return std::numeric_limits<double>::infinity();
}

}  // namespace quil
