#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quil {

// One section of a number picture such as "#,##0.###", taken apart:
// '0' a digit that is always shown, '#' a digit shown only when significant, the first '.' the
// decimal point, any ',' switches thousands grouping on, "E+00" / "E-00" (or 'e') an exponent
// with at least as many digits as zeros ("E+" always shows the exponent's sign, "E-" only a
// minus), text in single or double quotes is copied as it is, every other character is copied.
struct TNumberPicture {
  enum class TKind { IntegerDigit, DecimalPoint, FractionDigit, Literal, Exponent };
  struct TItem {
    TKind Kind;
    std::string Text;  // Literal only
  };

  std::vector<TItem> Items;
  int IntegerPlaceholders = 0;
  int RequiredIntegerDigits = 0;   // placeholders from the first '0' on
  int FractionPlaceholders = 0;
  int RequiredFractionDigits = 0;  // placeholders up to the last '0'
  bool Grouping = false;
  bool HasExponent = false;
  char ExponentChar = 'E';
  bool ExponentPlusSign = false;
  int ExponentDigits = 0;
};

TNumberPicture ParseNumberPicture(std::string_view section);

// The picture's sections split at ';' outside quotes: positive, negative, zero.
std::vector<std::string_view> SplitPictureSections(std::string_view picture);

}  // namespace quil
