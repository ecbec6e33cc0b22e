#include "engine/axis_labels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "engine/axis_scale.h"
#include "engine/axis_series_source.h"
#include "engine/axis_text_measurer.h"
#include "engine/date_time_step.h"

namespace quil {
namespace {

constexpr int kMaxLabelSteps = 10000;
constexpr int kMaxHookLabels = 2001;
constexpr double kHookTolerance = 1e-7;
// Multiples of the increment that rounding error puts a hair outside the range still count.
constexpr double kStepTolerance = 1e-9;

class TLabelGenerator {
 public:
  TLabelGenerator(const TAxisScale& scale, const TAxisLabelOptions& options, TAxisLabels& out)
      : scale_(scale), options_(options), out_(out), state_(scale.State()) {}

  void Run();

 private:
  TDateTimeStep ExactStep(double inc) const;
  bool CalendarStepping() const { return step_ >= dtHalfMonth && step_ <= dtOneYear; }
  void DefaultLabels();
  void ValueLabels();
  void CalendarLabels(double start);
  void NumericLabels(double start);
  void LogarithmicLabels();
  void HookLabels();
  void SeriesTitleLabels();
  void PointLabels(TAxisLabelStyle style);
  int SizeAlongAxis(const std::string& text) const;
  void Place(double value);
  void Add(double value, int pos, std::string text);

  const TAxisScale& scale_;
  const TAxisLabelOptions& options_;
  TAxisLabels& out_;
  const TAxisRange& state_;
  double inc_ = 0;
  TDateTimeStep step_ = dtNone;
};

void TLabelGenerator::Run() {
  TAxisLabelStyle style = scale_.CalcLabelStyle();
  if (style == talNone) {
    if (!options_.GridDrawAlways) return;
    style = talValue;
  }
  inc_ = scale_.CalcIncrement();
  step_ = ExactStep(inc_);
  if (!((inc_ > 0 || CalendarStepping()) && state_.Minimum <= state_.Maximum)) return;

  if (style == talValue) {
    if (scale_.OnGetNextLabel)
      HookLabels();
    else
      DefaultLabels();
  } else if (style == talText && scale_.IsDepthAxis() && scale_.LabelsAsSeriesTitles()) {
    SeriesTitleLabels();
  } else if (style == talText || style == talMark || style == talPointValue) {
    PointLabels(style);
  }
}

// The table step a fixed date-time increment names, raised until it is not shorter than the
// increment in use; dtNone when labels do not step by the calendar.
TDateTimeStep TLabelGenerator::ExactStep(double inc) const {
  if (!(scale_.IAxisDateTime() && scale_.ExactDateTime() && scale_.Increment() != 0)) return dtNone;
  TDateTimeStep step = FindDateTimeStep(scale_.Increment());
  if (step == dtNone) return dtNone;
  while (step < dtOneYear && DateTimeStep[step] < inc) step = static_cast<TDateTimeStep>(step + 1);
  return step;
}

void TLabelGenerator::DefaultLabels() {
  if (scale_.Logarithmic() && scale_.Increment() == 0)
    LogarithmicLabels();
  else
    ValueLabels();
}

void TLabelGenerator::ValueLabels() {
  const double max = state_.Maximum;
  if (!(std::fabs(static_cast<double>(state_.Range) / inc_) < kMaxLabelSteps)) return;

  const bool exactDates = scale_.IAxisDateTime() && scale_.ExactDateTime();
  if (exactDates && step_ > dtTwelveHours && step_ != dtNone) {
    const double start = QuilRoundDate(max, step_);
    if (CalendarStepping())
      CalendarLabels(start);
    else
      NumericLabels(start);
    return;
  }
  if (state_.RangeZero) {
    Place(max);
    return;
  }
  double start = max;
  if (scale_.RoundFirstLabel()) {
    const double top = std::floor(max / inc_ + kStepTolerance) * inc_;
    if (std::isfinite(top)) start = top;
  }
  NumericLabels(start);
}

// Calendar steps cannot be multiplied out; each label is one step below the previous one.
void TLabelGenerator::CalendarLabels(double start) {
  const double lo = state_.Minimum;
  double value = start;
  for (int i = 0; i < kMaxLabelSteps; ++i) {
    if (value <= state_.Maximum) {
      if (state_.RangeZero) return Place(value);
      if (value < lo) return;
      Place(value);
    }
    const double next = QuilDateTimeIncrement(false, value, step_);
    if (next == value) return;
    value = next;
  }
}

// Values start − i × inc, multiplied out rather than summed so that error does not pile up; the
// walk ends below the range, or where the increment no longer moves the value.
void TLabelGenerator::NumericLabels(double start) {
  const double min = state_.Minimum;
  const double tolerance = inc_ * kStepTolerance;
  const double lo = min >= 0 ? (min - MinAxisIncrement) / (1 + MinAxisIncrement) : min;
  double previous = start;
  for (int i = 0; i < kMaxLabelSteps; ++i) {
    const double value = start - i * inc_;
    if (i > 0 && !(value < previous)) return;
    previous = value;
    if (value > state_.Maximum + tolerance) continue;
    if (state_.RangeZero) return Place(value);
    if (!(value >= lo - tolerance)) return;
    Place(value);
  }
}

void TLabelGenerator::LogarithmicLabels() {
  double min = state_.Minimum;
  const double max = state_.Maximum;
  if (max == min) return;
  const double base = scale_.LogarithmicBase();
  double first;
  if (min > 0) {
    first = RoundLogPower(min, base);
  } else {
    min = min < 0 ? RoundLogPower(MinAxisRange, base) : 0.1;
    first = min;
  }

  if (options_.MinorGridVisible) out_.Ticks.push_back(scale_.CalcPosValue(first < min ? first : min / base));
  if (base <= 1) return;

  bool labelled = false;
  double value = first;
  for (int i = 0; i < kMaxLabelSteps && value <= max; ++i) {
    if (value >= min) {
      Place(value);
      labelled = true;
    }
    const double next = value * base;
    if (!(next > value)) break;
    value = next;
  }
  if (labelled) return;

  // No power of the base lies in the range: label the tenths (for base 10) of the first power.
  const double step = first / base;
  const double tolerance = step * kStepTolerance;
  const double skipped = std::max(0.0, std::ceil((min - first) / step - kStepTolerance));
  for (int i = 0; i < kMaxLabelSteps; ++i) {
    const double v = first + (skipped + i) * step;
    if (!(v <= max + tolerance)) return;
    if (v >= min - tolerance) Place(v);
  }
}

void TLabelGenerator::HookLabels() {
  double value = state_.Minimum;
  for (int i = 0; i < kMaxHookLabels; ++i) {
    bool stop = false;
    scale_.OnGetNextLabel(i, stop, value);
    if (stop) {
      if (i == 0) DefaultLabels();
      return;
    }
    if (!(value >= state_.Minimum - kHookTolerance && value <= state_.Maximum + kHookTolerance)) return;
    Place(value);
  }
}

// Series i sits at depth value MaxZOrder − i, the range being −0.5 .. MaxZOrder + 0.5.
void TLabelGenerator::SeriesTitleLabels() {
  const IAxisSeriesSource* source = scale_.SeriesSource();
  if (!source || source->ActiveSeries().empty()) return;
  constexpr double largestIndex = std::numeric_limits<int>::max();
  const double first = std::clamp(std::trunc(state_.Minimum), -largestIndex, largestIndex);
  const double last = std::clamp(std::trunc(state_.Maximum), first, largestIndex);
  const int count = static_cast<int>(std::min(last - first + 1, double(kMaxLabelSteps)));
  for (int n = 0; n < count; ++n) {
    const int index = static_cast<int>(first + n);
    const double value = state_.Maximum - index - 0.5;
    std::string text = source->SeriesTitle(index);
    if (scale_.OnGetLabelText) scale_.OnGetLabelText(text);
    Add(value, scale_.CalcYPosValue(value), std::move(text));
  }
}

// A point label is placed only when it keeps clear of the previous one placed: half of each
// one's size along the axis, grown by LabelsSeparation percent of twice that size, must fit
// between their centres.
void TLabelGenerator::PointLabels(TAxisLabelStyle style) {
  const IAxisSeriesSource* source = scale_.SeriesSource();
  if (!source) return;
  const bool withText = options_.LabelsVisible || options_.GridDrawAlways;
  const int separation = scale_.LabelsSeparation();
  bool placed = false;
  int previousPos = 0;
  int previousHalf = 0;
  for (const TAxisPointLabel& point : source->PointLabels(style)) {
    const int pos = scale_.CalcPosValue(point.Value);
    if (!(pos >= state_.StartPos && pos <= state_.EndPos)) continue;
    std::string text = style == talPointValue ? scale_.LabelValue(point.Value) : point.Text;
    if (style != talPointValue && scale_.OnGetLabelText) scale_.OnGetLabelText(text);
    int half = 0;
    if (separation > 0 && withText) {
      const int size = SizeAlongAxis(text);
      half = (size + static_cast<int>(size * 0.02 * separation)) / 2;
      if (placed && std::abs(pos - previousPos) < previousHalf + half) continue;
    }
    Add(point.Value, pos, withText ? std::move(text) : std::string());
    placed = true;
    previousPos = pos;
    previousHalf = half;
  }
}

int TLabelGenerator::SizeAlongAxis(const std::string& text) const {
  const IAxisTextMeasurer* measurer = scale_.TextMeasurer();
  if (!measurer) return 0;
  int lines = 0;
  int widest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    widest = std::max(widest, measurer->TextWidth(std::string_view(text).substr(start, end - start)));
    ++lines;
    start = end + 1;
  }
  return scale_.Direction() == TAxisDirection::Vertical ? lines * measurer->TextHeight() : widest;
}

void TLabelGenerator::Place(double value) {
  const int pos = scale_.CalcPosValue(value);
  const bool atEndsToo = scale_.LabelsOnAxis() && !options_.HasGap;
  if (!atEndsToo && !(pos > state_.StartPos && pos < state_.EndPos)) return;
  const bool withText = options_.LabelsVisible || options_.GridDrawAlways;
  Add(value, pos, withText ? scale_.LabelValue(value) : std::string());
}

void TLabelGenerator::Add(double value, int pos, std::string text) {
  out_.Ticks.push_back(pos);
  if (options_.LabelsVisible || options_.GridDrawAlways) out_.Items.push_back({value, pos, std::move(text)});
}

}  // namespace

void CalcAxisLabels(const TAxisScale& scale, const TAxisLabelOptions& options, TAxisLabels& labels) {
  labels.Clear();
  TLabelGenerator(scale, options, labels).Run();
}

TAxisLabels CalcAxisLabels(const TAxisScale& scale, const TAxisLabelOptions& options) {
  TAxisLabels labels;
  CalcAxisLabels(scale, options, labels);
  return labels;
}

}  // namespace quil
