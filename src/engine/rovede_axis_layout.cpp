#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/rounding.h"
#include "engine/axis_mapping.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/rovede_axis_sources.h"

namespace quil {

namespace {

int CountLines(const std::string& text) {
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') ++lines;
  }
  return lines;
}

}  // namespace

void ROvedeAxis::AdjustMaxMin() { scale_->AdjustMaxMin(); }

void ROvedeAxis::InternalCalcPositions() {
  if (!chart_) return;
  int start = 0;
  int size = chart_->Width3D();
  if (!IsDepthAxis()) {
    start = horizontal_ ? chart_->ChartRect.Left : chart_->ChartRect.Top;
    size = horizontal_ ? chart_->ChartWidth() : chart_->ChartHeight();
  }
  scale_->SetPositions(start + QuilRound(size * startPosition_ * 0.01), start + QuilRound(size * endPosition_ * 0.01));
  const int depth = IsDepthAxis() ? chart_->Height3D() : chart_->Width3D();
  IZPos = QuilRound(zPosition_ * 0.01 * depth);
}

int ROvedeAxis::GetRectangleEdge(const TRect& rect) const {
  if (horizontal_) return otherSide_ ? rect.Top : rect.Bottom;
  return otherSide_ ? rect.Right : rect.Left;
}

void ROvedeAxis::InflateAxisRect(TRect& rect, int size) const {
  const int64_t s = size;
  if (horizontal_) {
    if (otherSide_)
      rect.Top = QuilClampPixels(std::min(rect.Top + s, rect.Bottom - int64_t{1}));
    else
      rect.Bottom = QuilClampPixels(std::max(rect.Bottom - s, rect.Top + int64_t{1}));
  } else if (otherSide_) {
    rect.Right = QuilClampPixels(std::max(rect.Right - s, rect.Left + int64_t{1}));
  } else {
    rect.Left = QuilClampPixels(std::min(rect.Left + s, rect.Right - int64_t{1}));
  }
}

int ROvedeAxis::InflateAxisPos(int pos, int amount) const {
  const bool topOrLeft = horizontal_ ? otherSide_ : !otherSide_;
  return QuilClampPixels(topOrLeft ? int64_t{pos} - amount : int64_t{pos} + amount);
}

int ROvedeAxis::ApplyPosition(int pos, const TRect& rect) const {
  if (positionPercent_ == 0) return pos;
  double offset = positionPercent_;
  if (positionUnits_ == muPercent) offset *= (horizontal_ ? rect.Height() : rect.Width()) * 0.01;
  int result = QuilRound(offset);
  if (otherSide_) result = -result;
  if (horizontal_) result = -result;
  return pos + result;
}

int ROvedeAxis::SizeTickAxis(bool withTicks) const {
  int64_t result = axisPen_->Visible() ? int64_t{axisPen_->Width()} + 1 : 0;
  if (withTicks && ticks_->Visible()) result += tickLength_;
  if (minorTicks_->Visible()) result = std::max<int64_t>(result, minorTickLength_);
  return QuilClampPixels(result);
}

int ROvedeAxis::TextHeightW() const {
  if (!chart_) return 0;
  chart_->PrepareFont3D(labelsFormat_->Font());
  return chart_->Canvas().TextHeight("W");
}

void ROvedeAxis::BeginDrawing() { seriesSource_->BeginDrawing(); }
void ROvedeAxis::EndDrawing() { seriesSource_->EndDrawing(); }

// Fixed items, then the points' texts for the styles that label points, else value labels.
int ROvedeAxis::MaxLabelsWidth() const {
  const TAxisLabelStyle style = items_.empty() ? scale_->CalcLabelStyle() : talNone;
  const bool pointTexts = style == talText || style == talMark;
  if (items_.empty() && !pointTexts) return scale_->MaxLabelsWidth();
  if (!chart_) return 0;
  chart_->PrepareFont3D(labelsFormat_->Font());
  int widest = 0;
  const auto measure = [&](const std::string& text) { widest = std::max(widest, chart_->Canvas().TextWidth(text)); };
  if (!pointTexts) {
    for (const TAxisItem& item : items_) measure(item.Text);
  } else {
    for (const TAxisPointLabel& point : seriesSource_->PointLabels(style)) measure(point.Text);
  }
  return widest;
}

int ROvedeAxis::InternalCalcSize(TQuilCustomShape& shape, int angle, int fixedSize,
                                 const std::string& text) const {
  if (fixedSize != 0) return QuilClampPixels(fixedSize);
  if (!chart_) return 0;
  const bool horizontal = horizontal_ && !IsDepthAxis();
  const bool alongBand = horizontal ? angle % 180 == 0 : (angle == 90 || angle == 270);
  // Measured before the shape's font is given to the canvas: it sets the labels' font.
  const int widestLabel = !alongBand && text.empty() ? MaxLabelsWidth() : 0;
  chart_->PrepareFont3D(shape.Font());
  TCanvas3D& canvas = chart_->Canvas();
  const int height = canvas.TextHeight("W");
  int64_t result = height;
  if (!alongBand) {
    const double width = text.empty() ? widestLabel : canvas.TextWidth(text);
    const double radians = angle * std::numbers::pi / 180.0;
    result = horizontal ? QuilRound(std::fabs(std::sin(radians)) * width) + height
                        : QuilRound(std::fabs(std::cos(radians)) * width);
  }
  if (!shape.Transparent()) {
    if (shape.Frame().Visible()) result += 2 * int64_t{shape.Frame().Width()};
    if (shape.Shadow().Visible()) result += shape.Shadow().Size();
  }
  return QuilClampPixels(result);
}

int ROvedeAxis::SizeLabels() const {
  int lines = 1;
  if (horizontal_ && !IsDepthAxis() && LabelsAngle() == 0 && LabelsMultiLine()) {
    const TAxisLabels labels = CalcAxisLabels(*scale_, {});
    for (const TAxisLabel& label : labels.Items) lines = std::max(lines, CountLines(label.Text));
  }
  int64_t result = int64_t{InternalCalcSize(*labelsFormat_, LabelsAngle(), labelsSize_, std::string())} * lines;
  if (LabelsAlternate()) result *= 2;
  return QuilClampPixels(result);
}

void ROvedeAxis::CalcRect(TRect& rect, bool resizeChart) {
  scale_->RefreshDateTime();
  if (!resizeChart) {
    PosAxis = ApplyPosition(GetRectangleEdge(rect), rect);
    PosLabels = InflateAxisPos(PosAxis, SizeTickAxis(true));
    PosTitle = InflateAxisPos(PosLabels, SizeLabels());
    return;
  }
  if (IsDepthAxis()) {
    PosTitle = otherSide_ ? rect.Right : rect.Left;
  } else if (title_->Visible() && !title_->Caption().empty()) {
    InflateAxisRect(rect, InternalCalcSize(*title_, title_->Angle(), titleSize_, title_->Caption()));
    PosTitle = GetRectangleEdge(rect);
  }
  if (labels_) {
    const int gap = QuilRound(labelsMarginToAxis_ * TextHeightW() * 0.01);
    InflateAxisRect(rect, SizeLabels());
    PosLabels = InflateAxisPos(GetRectangleEdge(rect), gap);
  }
  const int wallSize = chart_ ? chart_->AxisWallSize(*this) : 0;
  if (const int ticks = QuilClampPixels(int64_t{wallSize} + SizeTickAxis(true)); ticks > 0) InflateAxisRect(rect, ticks);
  PosTitle = ApplyPosition(PosTitle, rect);
  PosLabels = ApplyPosition(PosLabels, rect);
}

}  // namespace quil
