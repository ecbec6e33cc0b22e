#include "engine/rovede_axis.h"

#include "core/filer.h"
#include "core/properties.h"
#include "core/reader.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis_sources.h"

namespace quil {

namespace {

TAxisDirection DirectionOf(bool horizontal, bool depth) {
  if (depth) return TAxisDirection::Depth;
  return horizontal ? TAxisDirection::Horizontal : TAxisDirection::Vertical;
}

int TitleAngleFor(bool horizontal, bool otherSide) {
  if (horizontal) return 0;
  return otherSide ? 270 : 90;
}

}  // namespace

ROvedeAxis::ROvedeAxis(TCustomAxisPanel* chart, bool horizontal, bool otherSide)
    : chart_(chart), horizontal_(horizontal), otherSide_(otherSide) {
  CreateParts();
}

ROvedeAxis::~ROvedeAxis() { ClearChartLinks(); }

void ROvedeAxis::CreateParts() {
  auto repaint = [this](TPersistent&) { Repaint(); };
  scale_ = std::make_unique<TAxisScale>(DirectionOf(horizontal_, false));
  scale_->SetAxisValuesFormat("#,##0.###");
  scale_->OnChange = [this](TAxisScaleChange change) { ScaleChanged(change); };
  seriesSource_ = std::make_unique<TAxisChartSeriesSource>(*this);
  measurer_ = std::make_unique<TAxisCanvasMeasurer>(*this);
  scale_->SetSeriesSource(seriesSource_.get());
  scale_->SetTextMeasurer(chart_ ? measurer_.get() : nullptr);
  axisPen_ = std::make_unique<ROvedeAxisPen>(repaint);
  grid_ = std::make_unique<TAxisGridPen>(repaint);
  minorGrid_ = std::make_unique<TQuilHiddenPen>(repaint);
  ticks_ = std::make_unique<TDarkGrayPen>(repaint);
  ticksInner_ = std::make_unique<TDarkGrayPen>(repaint);
  minorTicks_ = std::make_unique<TDarkGrayPen>(repaint);
  labelsFormat_ = std::make_unique<TAxisLabelsFormat>(chart_);
  title_ = std::make_unique<ROvedeAxisTitle>(chart_, TitleAngleFor(horizontal_, otherSide_));
}

void ROvedeAxis::ClearChartLinks() {
  if (!chart_) return;
  TCustomAxisPanel* chart = chart_;
  chart_ = nullptr;
  scale_->SetTextMeasurer(nullptr);
  chart->RemoveAxis(*this);
}

void ROvedeAxis::DetachChart() { ClearChartLinks(); }

void ROvedeAxis::Repaint() const {
  if (chart_) chart_->Invalidate();
}

void ROvedeAxis::ScaleChanged(TAxisScaleChange) const { Repaint(); }

void ROvedeAxis::SetHorizontal(bool value) {
  if (horizontal_ == value) return;
  horizontal_ = value;
  if (!IsDepthAxis()) scale_->SetDirection(DirectionOf(value, false));
  title_->SetDefaultAngle(TitleAngleFor(horizontal_, otherSide_));
  Repaint();
}

void ROvedeAxis::SetOtherSide(bool value) {
  if (otherSide_ == value) return;
  otherSide_ = value;
  title_->SetDefaultAngle(TitleAngleFor(horizontal_, otherSide_));
  Repaint();
}

void ROvedeAxis::InitZPosition(double value) {
  zPosition_ = defaultZPosition_ = value;
  grid_->InitZPosition(value);
}

void ROvedeAxis::AddItem(double value, const std::string& text) {
  items_.push_back({value, text});
  Repaint();
}

void ROvedeAxis::ClearItems() {
  if (items_.empty()) return;
  items_.clear();
  Repaint();
}

void ROvedeAxis::SetStoredMinimum(double value) {
  scale_->SetReading(true);
  scale_->SetMinimum(value);
  scale_->SetReading(false);
}

void ROvedeAxis::SetStoredMaximum(double value) {
  scale_->SetReading(true);
  scale_->SetMaximum(value);
  scale_->SetReading(false);
}

void ROvedeAxis::Assign(const TPersistent& source) {
  const auto* axis = dynamic_cast<const ROvedeAxis*>(&source);
  if (!axis) {
    TPersistent::Assign(source);
    return;
  }
  const TAxisScale& from = axis->Scale();
  scale_->SetReading(true);
  scale_->SetAutomatic(from.Automatic());
  scale_->SetAutomaticMinimum(from.AutomaticMinimum());
  scale_->SetAutomaticMaximum(from.AutomaticMaximum());
  scale_->SetMinimum(from.Minimum());
  scale_->SetMaximum(from.Maximum());
  scale_->SetReading(false);
  scale_->SetIncrement(from.Increment());
  scale_->SetLogarithmicBase(from.LogarithmicBase());
  scale_->SetLogarithmic(from.Logarithmic());
  scale_->SetInverted(from.Inverted());
  scale_->SetMinimumOffset(from.MinimumOffset());
  scale_->SetMaximumOffset(from.MaximumOffset());
  scale_->SetMinimumRound(from.MinimumRound());
  scale_->SetMaximumRound(from.MaximumRound());
  scale_->SetExactDateTime(from.ExactDateTime());
  scale_->SetDateTimeFormat(from.DateTimeFormat());
  scale_->SetAxisValuesFormat(from.AxisValuesFormat());
  scale_->SetRoundFirstLabel(from.RoundFirstLabel());
  scale_->SetLabelStyle(from.LabelStyle());
  scale_->SetLabelsSeparation(from.LabelsSeparation());
  scale_->SetLabelsAlternate(from.LabelsAlternate());
  scale_->SetLabelsMultiLine(from.LabelsMultiLine());
  scale_->SetLabelsOnAxis(from.LabelsOnAxis());
  scale_->SetLabelsAngle(from.LabelsAngle());
  scale_->SetLabelsGridIgnoresLabelSize(from.LabelsGridIgnoresLabelSize());
  axisPen_->Assign(axis->Axis());
  grid_->Assign(axis->Grid());
  minorGrid_->Assign(axis->MinorGrid());
  ticks_->Assign(axis->Ticks());
  ticksInner_->Assign(axis->TicksInner());
  minorTicks_->Assign(axis->MinorTicks());
  labelsFormat_->Assign(axis->LabelsFormat());
  title_->Assign(axis->Title());
  items_ = axis->items_;
  visible_ = axis->visible_;
  labels_ = axis->labels_;
  labelsAlign_ = axis->labelsAlign_;
  labelsBehind_ = axis->labelsBehind_;
  labelsSize_ = axis->labelsSize_;
  labelsMarginToAxis_ = axis->labelsMarginToAxis_;
  tickLength_ = axis->tickLength_;
  tickInnerLength_ = axis->tickInnerLength_;
  minorTickLength_ = axis->minorTickLength_;
  minorTickCount_ = axis->minorTickCount_;
  tickOnLabelsOnly_ = axis->tickOnLabelsOnly_;
  titleSize_ = axis->titleSize_;
  startPosition_ = axis->startPosition_;
  endPosition_ = axis->endPosition_;
  positionPercent_ = axis->positionPercent_;
  positionUnits_ = axis->positionUnits_;
  zPosition_ = axis->zPosition_;
  Repaint();
}

// Fixed labels are stored as a list of value and text pairs.
void ROvedeAxis::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
  filer.DefineProperty(
      "Items",
      [this](TReader& reader) {
        items_.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
          TAxisItem item;
          item.Value = reader.ReadFloat();
          item.Text = reader.ReadString();
          items_.push_back(std::move(item));
        }
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (const TAxisItem& item : items_) {
          writer.WriteFloat(item.Value);
          writer.WriteString(item.Text);
        }
        writer.WriteListEnd();
      },
      !items_.empty());
}

ROvedeDepthAxis::ROvedeDepthAxis(TCustomAxisPanel* chart, bool otherSide) : ROvedeAxis(chart, false, otherSide) {
  Scale().SetDirection(TAxisDirection::Depth);
  InitVisible(false);
}

void ROvedeDepthAxis::SetInverted(bool value) {
  if (Inverted() == value) return;
  ROvedeAxis::SetInverted(value);
  TCustomAxisPanel* chart = ParentChart();
  if (!chart) return;
  for (int i = 0; i < chart->Axes().Count(); ++i)
    if (ROvedeAxis& other = chart->Axes()[i]; &other != this && other.IsDepthAxis()) other.SetInverted(value);
}

std::vector<std::unique_ptr<ROvedeAxis>> CreateStandardAxes(TCustomAxisPanel& chart) {
  std::vector<std::unique_ptr<ROvedeAxis>> axes;
  auto add = [&](std::unique_ptr<ROvedeAxis> axis, const char* identifier, double zPosition) {
    axis->SetIdentifier(identifier);
    axis->SetStandard(true);
    axis->SetResizeChart(true);
    axis->InitZPosition(zPosition);
    chart.Axes().Add(*axis);
    axes.push_back(std::move(axis));
  };
  add(std::make_unique<ROvedeAxis>(&chart, true, false), "Bottom", 0);
  add(std::make_unique<ROvedeAxis>(&chart, true, true), "Top", 100);
  add(std::make_unique<ROvedeAxis>(&chart, false, false), "Left", 0);
  add(std::make_unique<ROvedeAxis>(&chart, false, true), "Right", 100);
  add(std::make_unique<ROvedeDepthAxis>(&chart, true), "Depth", 0);
  add(std::make_unique<ROvedeDepthAxis>(&chart, false), "DepthTop", 0);
  return axes;
}

}  // namespace quil
