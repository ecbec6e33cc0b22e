#include "panel/text_shape.h"

#include "core/color_idents.h"
#include "core/exceptions.h"
#include "core/filer.h"
#include "core/reader.h"

namespace quil {

namespace {

// A colour is stored as a colour name or as a number.
TColor ReadColorValue(TReader& reader) {
  if (reader.NextValue() != vaIdent) return static_cast<TColor>(reader.ReadInteger());
  const std::string name = reader.ReadIdent();
  if (const auto value = ColorIdents().ToInt(name)) return static_cast<TColor>(*value);
  throw EReadError("Invalid property value");
}

}  // namespace

const TMetaClass& TQuilCustomShapePosition::StaticClass() {
  static const TMetaClass meta("TQuilCustomShapePosition", &TCustomTextShape::StaticClass());
  return meta;
}

void TQuilCustomShapePosition::SetLeft(int v) {
  SetCustomPosition(true);
  SetValue(ShapeBounds.Left, v);
}

void TQuilCustomShapePosition::SetTop(int v) {
  SetCustomPosition(true);
  SetValue(ShapeBounds.Top, v);
}

void TQuilCustomShapePosition::Assign(const TPersistent& source) {
  if (const auto* s = dynamic_cast<const TQuilCustomShapePosition*>(&source); s && s != this)
    customPosition_ = s->customPosition_;
  TCustomTextShape::Assign(source);
}

const TMetaClass& TTextShape::StaticClass() {
  using S = TTextShape;
  static const TMetaClass meta(
      "TTextShape", &TQuilCustomShapePosition::StaticClass(),
      TPropertyListBuilder<S>()
          .Enum("Alignment", AlignmentInfo(), &S::Alignment, &S::SetAlignment, taLeftJustify)
          .Int("Angle", &S::Angle, &S::SetAngle, 0)
          .Bool("AutoSize", &S::AutoSize, &S::SetAutoSize, true)
          .Enum("Bevel", PanelBevelInfo(), &S::Bevel, &S::SetBevel, bvNone)
          .Int("BevelWidth", &S::BevelWidth, &S::SetBevelWidth, 2)
          .Object("Children", static_cast<TQuilShapes& (S::*)()>(&S::Children))
          .Enum("ChildLayout", ShapeLayoutInfo(), &S::ChildLayout, &S::SetChildLayout, slTopBottom)
          .Bool("ClipText", &S::ClipText, &S::SetClipText, true)
          .Int("Color", &S::Color, &S::SetColor, clWhite, &ColorIdents())
          .Int("Cursor", &S::Cursor, &S::SetCursor, 0)
          .Bool("CustomPosition", &S::CustomPosition, &S::SetCustomPosition, false)
          .StoredWhen([](const S& s) { return s.CustomPosition() != s.DefaultCustom(); })
          .Object("Emboss", &S::Emboss)
          .Object("Font", static_cast<TQuilFont& (S::*)()>(&S::Font))
          .Object("Gradient", &S::Gradient)
          .StoredWhen([](const S&) { return false; })
          .Int("Left", &S::Left, &S::SetLeft)
          .StoredWhen([](const S& s) { return s.CustomPosition(); })
          .Object("Margins", static_cast<TMargins& (S::*)()>(&S::Margins))
          .Object("Picture", &S::Picture)
          .Object("Shadow", &S::Shadow)
          .Object("ShapeCallout", &S::ShapeCallout)
          .Enum("ShapeStyle", ShapeStyleInfo(), &S::ShapeStyle, &S::SetShapeStyle, fosRectangle)
          .String("Text", &S::Text, &S::SetText, std::string())
          .Enum("TextAlignment", AlignmentInfo(), &S::TextAlignment, &S::SetTextAlignment, taLeftJustify)
          .StoredWhen([](const S& s) { return s.TextAlignment() != s.DefaultTextAlignment(); })
          .Enum("TextFormat", TextFormatInfo(), &S::TextFormat, &S::SetTextFormat, ttfNormal)
          .Int("Top", &S::Top, &S::SetTop)
          .StoredWhen([](const S& s) { return s.CustomPosition(); })
          .Int("Transparency", &S::Transparency, &S::SetTransparency, 0)
          .Bool("Transparent", &S::Transparent, &S::SetTransparent, false)
          .StoredWhen([](const S& s) { return s.Transparent() != s.DefaultTransparent(); })
          .Enum("VertTextAlign", VertTextAlignInfo(), &S::VertTextAlign, &S::SetVertTextAlign, vtaCenter)
          .Build());
  return meta;
}

void TTextShape::DefineProperties(TFiler& filer) {
  TQuilCustomShapePosition::DefineProperties(filer);
  filer.DefineProperty(
      "ShadowColor", [this](TReader& reader) { Shadow().SetColor(ReadColorValue(reader)); }, nullptr, false);
  filer.DefineProperty(
      "ShadowSize", [this](TReader& reader) { Shadow().SetSize(reader.ReadInteger()); }, nullptr, false);
}

}  // namespace quil
