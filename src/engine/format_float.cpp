#include "engine/format_float.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/format_digits.h"
#include "engine/format_picture.h"

namespace quil {
namespace {

// Beyond this many integer digits a fixed picture would print an unbounded row of digits.
constexpr int kMaxFixedIntegerDigits = 18;

const char* NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value > 0 ? "INF" : "-INF";
}

struct TShownNumber {
  std::string Integer;
  std::string Fraction;
  int Exponent = 0;  // only for pictures with an exponent
  bool IsZero = true;
};

TShownNumber RoundForPicture(TDecimalDigits number, const TNumberPicture& picture) {
  TShownNumber shown;
  if (picture.HasExponent) {
    const int integerDigits = std::max(picture.IntegerPlaceholders, 1);
    RoundToSignificant(number, integerDigits + picture.FractionPlaceholders);
    if (!number.IsZero()) {
      shown.Exponent = number.Exponent - integerDigits;
      number.Exponent = integerDigits;
    }
  } else {
    RoundToFraction(number, picture.FractionPlaceholders);
  }
  shown.IsZero = number.IsZero();
  shown.Integer = IntegerDigits(number);
  if (static_cast<int>(shown.Integer.size()) < picture.RequiredIntegerDigits)
    shown.Integer.insert(0, picture.RequiredIntegerDigits - shown.Integer.size(), '0');
  shown.Fraction = FractionDigits(number);
  if (static_cast<int>(shown.Fraction.size()) < picture.RequiredFractionDigits)
    shown.Fraction.append(picture.RequiredFractionDigits - shown.Fraction.size(), '0');
  return shown;
}

std::string ExponentText(const TNumberPicture& picture, int exponent) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < picture.ExponentDigits)
    digits.insert(0, picture.ExponentDigits - digits.size(), '0');
  std::string text(1, picture.ExponentChar);
  if (exponent < 0)
    text += '-';
  else if (picture.ExponentPlusSign)
    text += '+';
  return text + digits;
}

// Walks the picture and puts each digit at its placeholder; integer digits beyond the
// placeholders go to the first one, so the picture never cuts a number short.
class TPictureWriter {
 public:
  TPictureWriter(const TNumberPicture& picture, const TShownNumber& shown,
                 const TFormatSettings& settings)
      : picture_(picture), shown_(shown), settings_(settings) {}

  std::string Write() {
    int integerLeft = picture_.IntegerPlaceholders;
    int fractionIndex = 0;
    for (const auto& item : picture_.Items) {
      switch (item.Kind) {
        case TNumberPicture::TKind::IntegerDigit:
          if (integerLeft == picture_.IntegerPlaceholders) WriteIntegerFrom(integerLeft);
          WriteIntegerDigit(--integerLeft);
          break;
        case TNumberPicture::TKind::DecimalPoint:
          if (picture_.IntegerPlaceholders == 0) WriteIntegerFrom(0);
          if (!shown_.Fraction.empty()) out_ += settings_.DecimalSeparator;
          break;
        case TNumberPicture::TKind::FractionDigit:
          if (fractionIndex < static_cast<int>(shown_.Fraction.size()))
            out_ += shown_.Fraction[fractionIndex];
          ++fractionIndex;
          break;
        case TNumberPicture::TKind::Literal:
          out_ += item.Text;
          break;
        case TNumberPicture::TKind::Exponent:
          out_ += ExponentText(picture_, shown_.Exponent);
          break;
      }
    }
    return std::move(out_);
  }

 private:
  // Writes the integer digits at positions (counted from the right) >= position.
  void WriteIntegerFrom(int position) {
    for (int p = static_cast<int>(shown_.Integer.size()) - 1; p >= position; --p)
      WriteIntegerDigit(p);
  }

  void WriteIntegerDigit(int position) {
    const int size = static_cast<int>(shown_.Integer.size());
    if (position >= size) return;
    out_ += shown_.Integer[size - 1 - position];
    if (picture_.Grouping && position > 0 && position % 3 == 0)
      out_ += settings_.ThousandSeparator;
  }

  const TNumberPicture& picture_;
  const TShownNumber& shown_;
  const TFormatSettings& settings_;
  std::string out_;
};

bool HasSection(const std::vector<std::string_view>& sections, size_t index) {
  return sections.size() > index && !sections[index].empty();
}

size_t ChooseSection(const std::vector<std::string_view>& sections, double value) {
  if (value < 0 && HasSection(sections, 1)) return 1;
  if (value == 0 && HasSection(sections, 2)) return 2;
  return 0;
}

std::string FixedText(const TDecimalDigits& number, const TFormatSettings& settings) {
  const std::string integer = IntegerDigits(number);
  const std::string fraction = FractionDigits(number);
  std::string text = integer.empty() ? "0" : integer;
  if (!fraction.empty()) text += settings.DecimalSeparator + fraction;
  return text;
}

std::string ScientificText(const TDecimalDigits& number, const TFormatSettings& settings) {
  std::string text(1, number.Digits[0]);
  if (number.Digits.size() > 1) text += settings.DecimalSeparator + number.Digits.substr(1);
  return text + "E" + std::to_string(number.Exponent - 1);
}

}  // namespace

std::string FormatFloat(std::string_view picture, double value, const TFormatSettings& settings) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const std::vector<std::string_view> sections = SplitPictureSections(picture);
  size_t index = ChooseSection(sections, value);
  if (sections[index].empty()) return FloatToStr(value, settings);

  const TDecimalDigits number = ShortestDigits(value);
  TNumberPicture parsed = ParseNumberPicture(sections[index]);
  if (!parsed.HasExponent && number.Exponent > kMaxFixedIntegerDigits)
    return FloatToStr(value, settings);

  TShownNumber shown = RoundForPicture(number, parsed);
  if (shown.IsZero && index != 2 && HasSection(sections, 2)) {
    index = 2;
    parsed = ParseNumberPicture(sections[index]);
    shown = RoundForPicture({}, parsed);
  }
  std::string text = TPictureWriter(parsed, shown, settings).Write();
  // Only the first section adds a minus; a negative section writes its own sign.
  if (value < 0 && index == 0 && !shown.IsZero) text.insert(text.begin(), '-');
  return text;
}

std::string FormatFloat(std::string_view picture, double value) {
  return FormatFloat(picture, value, QuilFormatSettings());
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const TDecimalDigits number = ShortestDigits(value);
  if (number.IsZero()) return "0";
  const int exponent = number.Exponent - 1;
  std::string text = exponent >= -5 && exponent < 15 ? FixedText(number, settings)
                                                     : ScientificText(number, settings);
  return value < 0 ? "-" + text : text;
}

std::string FloatToStr(double value) { return FloatToStr(value, QuilFormatSettings()); }

}  // namespace quil
