#include "engine/format_picture.h"

namespace quil {
namespace {

class TPictureParser {
 public:
  explicit TPictureParser(std::string_view text) : text_(text) {}

  TNumberPicture Parse() {
    while (pos_ < text_.size()) ParseNext();
    return std::move(picture_);
  }

 private:
  void ParseNext() {
    const char c = text_[pos_++];
    if (c == '"' || c == '\'') {
      ParseQuoted(c);
    } else if ((c == '0' || c == '#') && !picture_.HasExponent) {
      AddDigit(c == '0');
    } else if (c == '.' && !picture_.HasExponent) {
      if (!seenDecimalPoint_) picture_.Items.push_back({TNumberPicture::TKind::DecimalPoint, {}});
      seenDecimalPoint_ = true;
    } else if (c == ',') {
      picture_.Grouping = true;
    } else if ((c == 'E' || c == 'e') && IsExponentSign() && !picture_.HasExponent) {
      ParseExponent(c);
    } else {
      AddLiteral(std::string_view(&c, 1));
    }
  }

  void ParseQuoted(char quote) {
    const size_t end = text_.find(quote, pos_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    AddLiteral(text_.substr(pos_, stop - pos_));
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
  }

  void AddDigit(bool required) {
    if (seenDecimalPoint_) {
      ++picture_.FractionPlaceholders;
      if (required) picture_.RequiredFractionDigits = picture_.FractionPlaceholders;
      picture_.Items.push_back({TNumberPicture::TKind::FractionDigit, {}});
      return;
    }
    ++picture_.IntegerPlaceholders;
    if (required || picture_.RequiredIntegerDigits > 0) ++picture_.RequiredIntegerDigits;
    picture_.Items.push_back({TNumberPicture::TKind::IntegerDigit, {}});
  }

  bool IsExponentSign() const {
    return pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-');
  }

  void ParseExponent(char exponentChar) {
    picture_.HasExponent = true;
    picture_.ExponentChar = exponentChar;
    picture_.ExponentPlusSign = text_[pos_++] == '+';
    while (pos_ < text_.size() && text_[pos_] == '0') {
      ++picture_.ExponentDigits;
      ++pos_;
    }
    picture_.Items.push_back({TNumberPicture::TKind::Exponent, {}});
  }

  void AddLiteral(std::string_view text) {
    auto& items = picture_.Items;
    if (!items.empty() && items.back().Kind == TNumberPicture::TKind::Literal)
      items.back().Text += text;
    else
      items.push_back({TNumberPicture::TKind::Literal, std::string(text)});
  }

  std::string_view text_;
  size_t pos_ = 0;
  bool seenDecimalPoint_ = false;
  TNumberPicture picture_;
};

}  // namespace

TNumberPicture ParseNumberPicture(std::string_view section) {
  return TPictureParser(section).Parse();
}

std::vector<std::string_view> SplitPictureSections(std::string_view picture) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  char quote = 0;
  for (size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(picture.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(picture.substr(start));
  return sections;
}

}  // namespace quil
