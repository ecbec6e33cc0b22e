#include "panel/custom_text_shape.h"

#include <algorithm>

#include "panel/quil_panel.h"
#include "panel/text_lines.h"
#include "panel/text_shape.h"

namespace quil {

const TMetaClass& TCustomTextShape::StaticClass() {
  static const TMetaClass meta("TCustomTextShape", &TQuilCustomShape::StaticClass());
  return meta;
}

TCustomTextShape::TCustomTextShape(TCustomQuilPanel* parent)
    : TQuilCustomShape(parent), margins_(std::make_unique<TMargins>(ChangeHandler())) {}

TCustomTextShape::~TCustomTextShape() = default;

void TCustomTextShape::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  ChangedText();
}

std::unique_ptr<TQuilCustomShape> TCustomTextShape::NewChild() { return std::make_unique<TTextShape>(Parent()); }

void TCustomTextShape::PrepareFont(TCustomQuilPanel& panel) {
  if (IDraw2D)
    panel.Canvas().AssignFont(DrawingFont());
  else
    panel.PrepareFont3D(DrawingFont());
}

TMultiLineSize TCustomTextShape::CalcTextSize(TCustomQuilPanel& panel) {
  return panel.MultiLineTextSize(text_, textFormat_);
}

// The box grows by the text, padded by the frame, plus the margins; the horizontal margins
// count twice, as boxes have always been measured.
void TCustomTextShape::CalcBounds(TCustomQuilPanel& panel) {
  TQuilCustomShape::CalcBounds(panel);
  numLines_ = 0;
  if (text_.empty()) return;
  PrepareFont(panel);
  const TMultiLineSize size = CalcTextSize(panel);
  numLines_ = size.NumLines;
  textWidth_ = size.Width;
  if (!AutoSize()) return;
  int tw = size.Width, th = size.Height;
  if (FrameShows()) {
    tw += Frame().Width() + 1;
    th += Frame().Width() + 1;
  }
  margins_->Calc(size.Height, tw, th, Transparent());
  const int w = tw + 2 * margins_->HorizSize();
  TRect& b = ShapeBounds;
  if (ChildLayout() == slTopBottom) {
    if (b.Width() < w) b.Right = b.Left + w;
    b.Bottom += margins_->VertSize() + th;
  } else {
    if (b.Height() < th) b.Bottom = b.Top + th;
    b.Right += margins_->HorizSize() + w;
  }
}

int TCustomTextShape::CalcTextAlign(TCanvas3D& canvas, const TRect& rect) {
  switch (textAlign_) {
    case taCenter: canvas.SetTextAlign(TA_CENTER | TA_TOP); return (rect.Left + rect.Right) / 2;
    case taRightJustify: canvas.SetTextAlign(TA_RIGHT | TA_TOP); return rect.Right - margins_->ILast().Right;
    case taLeftJustify: break;
  }
  canvas.SetTextAlign(TA_LEFT | TA_TOP);
  return rect.Left + margins_->ILast().Left;
}

void TCustomTextShape::DoDraw(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int z, int angle,
                              const TRect& rect) {
  TQuilCustomShape::DoDraw(panel, points, z, angle, rect);
  DoDrawText(panel, rect, z, angle);
}

void TCustomTextShape::DoDraw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle) {
  TQuilCustomShape::DoDraw(panel, rect, z, angle);
  DoDrawText(panel, rect, z, angle);
}

void TCustomTextShape::DoDrawText(TCustomQuilPanel& panel, const TRect& rect, int z, int angle) {
  TCanvas3D& canvas = panel.Canvas();
  canvas.SetBackMode(cbmTransparent);
  PrepareFont(panel);
  std::string text;
  std::copy_if(text_.begin(), text_.end(), std::back_inserter(text), [](char c) { return c != '\n'; });
  if (text.empty()) text.push_back(' ');
  // Owners measure before drawing; a box drawn without measuring still shows its lines.
  const int numLines = numLines_ > 0 || text_.empty() ? numLines_ : LinesOfText(text_);
  int y = rect.Top + margins_->ILast().Top;
  if (FrameShows()) y += Frame().Width() / 2 + 1;
  const int x = CalcTextAlign(canvas, rect) + ITextOffset;
  const TPoint center{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  const bool clip = clipText_ && !(ITextOffset == 0 && (AutoSize() || angle != 0)) && panel.CanClip();
  if (clip) canvas.ClipRectangle(rect);
  const bool isHtml = textFormat_ == ttfHtml;
  const std::vector<std::string_view> lines = SplitTextLines(text);
  const int lineHeight = canvas.TextHeight("W");
  for (int i = 0; i < numLines && i < static_cast<int>(lines.size()); ++i) {
    const std::string line(lines[static_cast<std::size_t>(i)]);
    if (!line.empty()) DrawString(panel, x, center, angle, isHtml, line, z, y);
    if (numLines > 1) y += isHtml ? canvas.TextHeight(line) : lineHeight;
  }
  if (clip) canvas.UnClipRectangle();
}

void TCustomTextShape::DrawString(TCustomQuilPanel& panel, int x, TPoint center, int angle, bool isHtml,
                                  const std::string& line, int z, int y) {
  TCanvas3D& canvas = panel.Canvas();
  const bool flat = IDraw2D || !canvas.GetSupportsFullRotation();
  if (angle != 0) {
    canvas.SetUseTextCenter(true);
    canvas.SetTextCenter(center);
    if (flat)
      canvas.RotateLabel(x, y, line, angle, isHtml);
    else
      canvas.RotateLabel3D(x, y, z, line, angle, isHtml);
    canvas.SetUseTextCenter(false);
  } else if (flat) {
    canvas.TextOut(x, y, line, isHtml);
  } else {
    canvas.TextOut3D(x, y, z, line, isHtml);
  }
}

int TCustomTextShape::FirstChildPos(TCustomQuilPanel& panel, const TRect& rect) {
  int position = TQuilCustomShape::FirstChildPos(panel, rect);
  if (text_.empty()) return position;
  if (ChildLayout() == slLeftRight) return position + textWidth_ + margins_->ILast().Left;
  PrepareFont(panel);
  return position + numLines_ * panel.Canvas().TextHeight("W") + margins_->ILast().Top;
}

void TCustomTextShape::Assign(const TPersistent& source) {
  if (const auto* s = dynamic_cast<const TCustomTextShape*>(&source); s && s != this) {
    clipText_ = s->clipText_;
    cursor_ = s->cursor_;
    margins_->AssignSettings(*s->margins_);
    textAlign_ = s->textAlign_;
    textFormat_ = s->textFormat_;
    vertTextAlign_ = s->vertTextAlign_;
    text_ = s->text_;
  }
  TQuilCustomShape::Assign(source);
}

}  // namespace quil
