#include "canvas/quil_canvas.h"

#include <cmath>

#include "canvas/font_defaults.h"
#include "canvas/quil_blend.h"
#include "core/exceptions.h"
#include "core/rounding.h"

namespace quil {

namespace {

TPoint PointOnEllipse(int left, int top, int right, int bottom, double degrees) {
  const double cx = (double(left) + right) / 2, cy = (double(top) + bottom) / 2;
  const double rx = (double(right) - left) / 2, ry = (double(bottom) - top) / 2;
  return {QuilRound(cx + rx * std::cos(degrees * QuilPiStep)), QuilRound(cy - ry * std::sin(degrees * QuilPiStep))};
}

}  // namespace

TQuilCanvas::TQuilCanvas()
    : brush_(std::make_unique<TQuilBrush>([this](TPersistent&) { DoChangedBrush(*brush_); })),
      font_(std::make_unique<TQuilFont>([this](TPersistent&) {
        if (!IChangingFont) DoChangedFont();
      })),
      pen_(std::make_unique<TQuilPen>([this](TPersistent&) { DoChangedPen(); })) {
  brush_->InitColor(clWhite);
}

TQuilCanvas::~TQuilCanvas() = default;

void TQuilCanvas::SetCanvas(TDeviceContext* canvas) { referenceCanvas_ = canvas; }

void TQuilCanvas::AssignBrush(const TQuilBrush& brush, TColor color, TColor backColor) {
  const bool monochrome = GetMonochrome();
  brush_->AssignSettings(brush);
  if (monochrome && !brush.HasGraphic()) color = clWhite;
  if (brush_->Style() != bsClear) brush_->SetColor(color);
  brush_->SetBackColor(backColor);
  DoChangedBrush(*brush_);
}

void TQuilCanvas::AssignVisiblePenColor(const TQuilPen& pen, TColor color) {
  if (pen.Visible()) {
    pen_->AssignSettings(pen);
    pen_->SetColor(GetMonochrome() ? clBlack : color);
  } else {
    pen_->SetStyle(psClear);
  }
  DoChangedPen();
}

void TQuilCanvas::AssignFontSize(const TQuilFont& font, double size) {
  if (zoomText_ && fontZoom_ != 100) size = fontZoom_ * size * 0.01;
  IChangingFont = true;
  font_->AssignSettings(font);
  font_->SetSizeFloat(static_cast<float>(size));
  if (GetMonochrome()) font_->SetColor(clBlack);
  IChangingFont = false;
  DoChangedFont();
}

std::unique_ptr<TQuilBlend> TQuilCanvas::BeginBlending(const TRect& r, int transparency) {
  PushTransp();
  transparency_ = 100 - QuilRound((100 - transparency_) * (100 - transparency) * 0.01);
  return std::make_unique<TQuilBlend>(*this, r);
}

void TQuilCanvas::EndBlending(std::unique_ptr<TQuilBlend> blend) {
  if (blend) blend->DoBlend(transparency_);
  blend.reset();
  PopTransp();
}

void TQuilCanvas::PushTransp() { transpStack_.push_back(transparency_); }

void TQuilCanvas::PopTransp() {
  if (transpStack_.empty()) throw EAssertionFailed("Canvas Transparency Stack might be corrupt");
  transparency_ = transpStack_.back();
  transpStack_.pop_back();
}

void TQuilCanvas::Arc(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  const TPoint s = PointOnEllipse(left, top, right, bottom, startAngle);
  const TPoint e = PointOnEllipse(left, top, right, bottom, endAngle);
  Arc(left, top, right, bottom, s.X, s.Y, e.X, e.Y);
}

void TQuilCanvas::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool clockWise) {
  if (clockWise) {
    std::swap(x3, x4);
    std::swap(y3, y4);
  }
  const double cx = (double(x1) + x2) / 2, cy = (double(y1) + y2) / 2;
  const double a3 = std::atan2(cy - y3, x3 - cx) / QuilPiStep;
  const double a4 = std::atan2(cy - y4, x4 - cx) / QuilPiStep;
  const TPoint start = PointOnEllipse(x1, y1, x2, y2, a3);
  const TPoint end = PointOnEllipse(x1, y1, x2, y2, a4);
  const TPoint first = clockWise ? end : start;
  const TPoint last = clockWise ? start : end;
  LineTo(first.X, first.Y);
  Arc(x1, y1, x2, y2, x3, y3, x4, y4);
  MoveTo(last.X, last.Y);
}

void TQuilCanvas::Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width) {
  pen_->SetWidth(1);
  pen_->SetStyle(psSolid);
  pen_->SetVisible(true);
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    pen_->SetColor(topColor);
    const TPoint top[3] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
    Polyline(top, 3);
    pen_->SetColor(bottomColor);
    const TPoint bottom[3] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
    Polyline(bottom, 3);
    rect = InflateRect(rect, -1, -1);
  }
  ++rect.Bottom;
  ++rect.Right;
}

void TQuilCanvas::LineTo(TPointFloat p) { LineTo(QuilRound(p.x), QuilRound(p.y)); }
void TQuilCanvas::MoveTo(TPointFloat p) { MoveTo(QuilRound(p.x), QuilRound(p.y)); }

int TQuilCanvas::TextWidth(const std::string& st) {
  int w = TextExtent(st).X;
  if (const TQuilShadow* s = font_->ShadowOrNull(); s && s->Visible()) w += std::abs(s->HorizSize());
  if (const TQuilEmboss* e = font_->EmbossOrNull(); e && e->Visible()) w += std::abs(e->HorizSize());
  return w;
}

int TQuilCanvas::TextHeight(const std::string& st) {
  int h = TextExtent(st).Y;
  if (const TQuilShadow* s = font_->ShadowOrNull(); s && s->Visible()) h += std::abs(s->VertSize());
  if (const TQuilEmboss* e = font_->EmbossOrNull(); e && e->Visible()) h += std::abs(e->VertSize());
  return h;
}

TPointFloat TQuilCanvas::TextSize(const std::string& st) {
  return {static_cast<float>(TextWidth(st)), static_cast<float>(TextHeight(st))};
}

void TQuilCanvas::Curve(const std::vector<TPoint>& points, float, bool closed, float) {
  if (closed)
    Polygon(points);
  else
    Polyline(points);
}

void TQuilCanvas::DoHorizLine(int x0, int x1, int y) {
  MoveTo(x0, y);
  LineTo(x1, y);
}

void TQuilCanvas::DoVertLine(int x, int y0, int y1) {
  MoveTo(x, y0);
  LineTo(x, y1);
}

void TQuilCanvas::Line(int x0, int y0, int x1, int y1) {
  MoveTo(x0, y0);
  LineTo(x1, y1);
}

void TQuilCanvas::DrawCheckBox(int x, int y, bool checked, TColor backColor, bool checkBox) {
  const int size = QuilCheckBoxSize;
  pen_->SetVisible(true);
  pen_->SetStyle(psSolid);
  pen_->SetWidth(1);
  pen_->SetColor(clBlack);
  brush_->SetStyle(bsSolid);
  brush_->SetColor(backColor);
  if (checkBox)
    Rectangle(x, y, x + size, y + size);
  else
    Ellipse(x, y, x + size, y + size);
  if (!checked) return;
  if (checkBox) {
    // Three strokes of a tick, each a pixel lower than the last.
    for (int i = 0; i < 3; ++i) {
      const TPoint tick[3] = {{x + 2, y + 4 + i}, {x + 4, y + 6 + i}, {x + 9, y + 1 + i}};
      Polyline(tick, 3);
    }
  } else {
    brush_->SetColor(clBlack);
    Ellipse(x + 3, y + 3, x + size - 3, y + size - 3);
  }
}

void* TQuilCanvas::BeginEntity(const std::string&, void* visual, void*) { return visual; }

void TQuilCanvas::TextOut(int x, int y, const std::string& text, bool) { TextOut(x, y, text); }

void TQuilCanvas::ResetState() {
  pen_->SetColor(clBlack);
  pen_->SetWidth(1);
  pen_->SetStyle(psSolid);
  pen_->SetVisible(true);
  brush_->Clear();
  brush_->SetColor(clWhite);
  brush_->SetStyle(bsSolid);
  IChangingFont = true;
  font_->SetColor(clBlack);
  font_->SetStyle(0);
  font_->SetCharset(1);
  font_->SetName(QuilMsg_DefaultFontName);
  font_->SetSize(QuilDefaultFontSize());
  IChangingFont = false;
  DoChangedFont();
  Gradient().ResetColors();
  SetBackColor(clWhite);
  SetBackMode(cbmTransparent);
  SetTextAlign(TA_LEFT);
}

}  // namespace quil
