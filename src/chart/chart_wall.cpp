#include "chart/chart_wall.h"

#include "core/rounding.h"

namespace quil {

namespace {

TColor WallDefaultColor(TChartWallKind kind) {
  switch (kind) {
    case cwkLeft:
      return static_cast<TColor>(0x80FFFF);
    case cwkBottom:
      return clWhite;
    case cwkBack:
    case cwkRight:
      break;
  }
  return clSilver;
}

}  // namespace

TChartWall::TChartWall(TChartWallKind kind, std::function<void()> onChange)
    : kind_(kind), onChange_(std::move(onChange)) {
  auto notify = [this](TPersistent&) {
    if (onChange_) onChange_();
  };
  pen_ = std::make_unique<TQuilPen>(notify);
  brush_ = std::make_unique<TQuilBrush>(notify);
  InitColor(WallDefaultColor(kind));
  transparent_ = kind == cwkBack;
  visible_ = kind != cwkRight;
}

TChartWall::~TChartWall() = default;

void TChartWall::InitColor(TColor color) { color_ = defaultColor_ = color; }

void TChartWall::CalcPositions(const TRect& chartRect, int bottomWallSize, int& top, int& bottom) const {
  bottom = chartRect.Bottom + bottomWallSize;
  if (end_ != 100) bottom -= QuilRound((100 - end_) * (bottom - chartRect.Top) * 0.01);
  top = chartRect.Top;
  if (start_ != 0) top += QuilRound((chartRect.Bottom - chartRect.Top) * start_ * 0.01);
}

}  // namespace quil
