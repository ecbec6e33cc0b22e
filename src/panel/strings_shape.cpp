#include "panel/strings_shape.h"

#include "panel/quil_panel.h"

namespace quil {

namespace {

// Lines joined by carriage return and line feed; one final break is dropped, but only from a
// text longer than a lone break (a single empty line stays "\r\n").
std::string JoinedLines(const TStrings& lines) {
  std::string text;
  for (const std::string& line : lines.Lines()) {
    text += line;
    text += "\r\n";
  }
  if (text.size() > 2 && text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text;
}

}  // namespace

const TMetaClass& TStringsShape::StaticClass() {
  static const TMetaClass meta(
      "TStringsShape", &TTextShape::StaticClass(),
      TPropertyListBuilder<TStringsShape>()
          .Object("Text", static_cast<TStrings& (TStringsShape::*)()>(&TStringsShape::Lines))
          .Build());
  return meta;
}

TStringsShape::TStringsShape(TCustomQuilPanel* parent)
    : TTextShape(parent), titleText_(std::make_unique<TStrings>([this] { LinesChanged(); })) {}

TStringsShape::~TStringsShape() { titleText_->SetOnChange(nullptr); }

void TStringsShape::LinesChanged() {
  if (IChangingText) return;
  TTextShape::SetText(JoinedLines(*titleText_));
  if (Parent()) Parent()->Invalidate();
}

void TStringsShape::SetText(const std::string& text) {
  IChangingText = true;
  titleText_->SetText(text);
  IChangingText = false;
  TTextShape::SetText(text);
}

std::string TStringsShape::Caption() const { return titleText_->Count() > 0 ? (*titleText_)[0] : std::string(); }

void TStringsShape::SetCaption(const std::string& caption) {
  if (caption.empty())
    titleText_->Clear();
  else
    titleText_->SetText(caption);
}

void TStringsShape::Assign(const TPersistent& source) {
  TTextShape::Assign(source);
  if (const auto* s = dynamic_cast<const TStringsShape*>(&source); s && s != this) titleText_->Assign(*s->titleText_);
}

}  // namespace quil
