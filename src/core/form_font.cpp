#include "core/form_font.h"

#include "core/color_idents.h"

namespace quil {

namespace {

const TEnumInfo& FontStyleNames() {
  static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return info;
}

}  // namespace

const TMetaClass& TFormFont::StaticClass() {
  using C = TFormFont;
  static const TMetaClass meta("TFont", &TPersistent::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Int("Charset", &C::Charset, &C::SetCharset, 1, &CharsetIdents())
                                   .Int("Color", &C::Color, &C::SetColor, clWindowText, &ColorIdents())
                                   .Int("Height", &C::Height, &C::SetHeight, -11)
                                   .String("Name", &C::Name, &C::SetName, std::string("Tahoma"))
                                   .Set("Style", FontStyleNames(), &C::Style, &C::SetStyle, 0)
                                   .Build());
  return meta;
}

}  // namespace quil
