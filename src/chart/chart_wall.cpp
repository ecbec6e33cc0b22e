#include "chart/chart_wall.h"

#include "core/color_idents.h"
#include "core/rounding.h"

namespace quil {

const TMetaClass& TCustomChartWall::StaticClass() {
  static const TMetaClass meta("TCustomChartWall", &TQuilCustomShape::StaticClass());
  return meta;
}

TCustomChartWall::TCustomChartWall(TCustomQuilPanel* parent) : TQuilCustomShape(parent) { InitColor(clQuilColor); }

void TCustomChartWall::InitColor(TColor color) {
  initializing_ = true;
  SetColor(color);
  initializing_ = false;
  defaultColor_ = color;
}

void TCustomChartWall::Repaint() {
  if (!initializing_) TQuilCustomShape::Repaint();
}

bool TCustomChartWall::DarkSides() const {
  const TQuilBrush& brush = Brush();
  const TQuilPicture* image = brush.ImageOrNull();
  return dark3D_ && brush.Style() != bsClear && (!image || image->Empty());
}

void TCustomChartWall::CalcPositions(const TRect& chartRect, int bottomWallSize, int& top, int& bottom) const {
  bottom = chartRect.Bottom + bottomWallSize;
  if (end_ != 100) bottom -= QuilRound((100 - end_) * (bottom - chartRect.Top) * 0.01);
  top = chartRect.Top;
  if (start_ != 0) top += QuilRound((chartRect.Bottom - chartRect.Top) * start_ * 0.01);
}

void TCustomChartWall::Assign(const TPersistent& source) {
  if (const auto* s = dynamic_cast<const TCustomChartWall*>(&source); s && s != this) {
    size_ = s->size_;
    start_ = s->start_;
    end_ = s->end_;
    autoHide_ = s->autoHide_;
    dark3D_ = s->dark3D_;
  }
  TQuilCustomShape::Assign(source);
}

const TMetaClass& ROvedeWall::StaticClass() {
  using S = ROvedeWall;
  static const TMetaClass meta(
      "ROvedeWall", &TCustomChartWall::StaticClass(),
      TPropertyListBuilder<S>()
          .Bool("AutoHide", &S::AutoHide, &S::SetAutoHide, false)
          .Int("Color", &S::Color, &S::SetColor, std::nullopt, &ColorIdents())
          .StoredWhen([](const S& s) { return s.Color() != s.DefaultColor(); })
          .Bool("Dark3D", &S::Dark3D, &S::SetDark3D, true)
          .Int("EndPosition", &S::EndPosition, &S::SetEndPosition, 100)
          .Object("Gradient", &S::Gradient)
          .StoredWhen([](const S&) { return false; })
          .Object("Pen", &S::Pen)
          .Int("RoundSize", &S::RoundSize, &S::SetRoundSize, 16)
          .Int("Size", &S::Size, &S::SetSize, 0)
          .Int("StartPosition", &S::StartPosition, &S::SetStartPosition, 0)
          .Int("Transparency", &S::Transparency, &S::SetTransparency, 0)
          .Bool("Transparent", &S::Transparent, &S::SetTransparent, false)
          .StoredWhen([](const S& s) { return s.Transparent() != s.DefaultTransparent(); })
          .Build());
  return meta;
}

}  // namespace quil
