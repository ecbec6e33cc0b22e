#include "engine/axis_scale.h"

#include <cmath>

#include "engine/axis_exception.h"
#include "core/messages.h"
#include "engine/axis_series_source.h"

namespace quil {

TAxisScale::TAxisScale(TAxisDirection direction)
    : direction_(direction), axisValuesFormat_(QuilMsg_DefValueFormat) {
  BindMapping();
}

void TAxisScale::Changed(TAxisScaleChange change) const {
  if (OnChange) OnChange(change);
}

template <class T>
void TAxisScale::Store(T& field, const T& value, TAxisScaleChange change) {
  if (field == value) return;
  field = value;
  Changed(change);
}

void TAxisScale::SetDirection(TAxisDirection value) {
  if (direction_ == value) return;
  direction_ = value;
  BindMapping();
  Changed();
}

void TAxisScale::SetAutomatic(bool value) {
  const bool changed = automatic_ != value ||
                       (!reading_ && (automaticMinimum_ != value || automaticMaximum_ != value));
  automatic_ = value;
  if (!reading_) {
    automaticMinimum_ = value;
    automaticMaximum_ = value;
  }
  if (changed) Changed();
}

void TAxisScale::SetAutomaticMinimum(bool value) {
  if (automaticMinimum_ == value) return;
  automaticMinimum_ = value;
  automatic_ = value && automaticMaximum_;
  Changed();
}

void TAxisScale::SetAutomaticMaximum(bool value) {
  if (automaticMaximum_ == value) return;
  automaticMaximum_ = value;
  automatic_ = value && automaticMinimum_;
  Changed();
}

void TAxisScale::SetMinimum(double value) {
  if (!reading_ && value > maximum_) throw AxisException(QuilMsg_AxisMinMax);
  Store(minimum_, value, TAxisScaleChange::Scale);
}

void TAxisScale::SetMaximum(double value) {
  if (!reading_ && value < minimum_) throw AxisException(QuilMsg_AxisMaxMin);
  Store(maximum_, value, TAxisScaleChange::Scale);
}

void TAxisScale::SetMinMax(double min, double max) {
  if (max < min) std::swap(min, max);
  const bool changed = automatic_ || automaticMinimum_ || automaticMaximum_ || minimum_ != min ||
                       maximum_ != max;
  automatic_ = automaticMinimum_ = automaticMaximum_ = false;
  minimum_ = min;
  maximum_ = max;
  if (changed) Changed(TAxisScaleChange::Scale);
}

void TAxisScale::SetMinimumOffset(int value) { Store(minimumOffset_, value); }
void TAxisScale::SetMaximumOffset(int value) { Store(maximumOffset_, value); }
void TAxisScale::SetMinimumRound(bool value) { Store(minimumRound_, value); }
void TAxisScale::SetMaximumRound(bool value) { Store(maximumRound_, value); }

void TAxisScale::SetIncrement(double value) {
  if (!(value >= 0)) throw AxisException(QuilMsg_AxisIncrementNeg);
  Store(increment_, value);
}

void TAxisScale::SetLogarithmic(bool value) {
  if (logarithmic_ == value) return;
  if (value) {
    AdjustMaxMin();
    if (state_.Minimum < 0 || state_.Maximum < 0) throw AxisException(QuilMsg_AxisLogNotPositive);
  }
  logarithmic_ = value;
  BindMapping();
  Changed();
}

void TAxisScale::SetLogarithmicBase(double value) {
  if (!(std::isfinite(value) && value > 0) || value == 1) throw AxisException(QuilMsg_AxisLogBase);
  Store(logarithmicBase_, value);
}

void TAxisScale::SetInverted(bool value) {
  if (inverted_ == value) return;
  inverted_ = value;
  BindMapping();
  Changed();
}

void TAxisScale::SetExactDateTime(bool value) { Store(exactDateTime_, value); }
void TAxisScale::SetDateTimeFormat(const std::string& value) { Store(dateTimeFormat_, value); }
void TAxisScale::SetAxisValuesFormat(const std::string& value) { Store(axisValuesFormat_, value); }
void TAxisScale::SetRoundFirstLabel(bool value) { Store(roundFirstLabel_, value); }
void TAxisScale::SetLabelStyle(TAxisLabelStyle value) { Store(labelStyle_, value); }

void TAxisScale::SetLabelsSeparation(int value) {
  if (value < 0) throw AxisException(QuilMsg_AxisLabelSep);
  Store(labelsSeparation_, value);
}

void TAxisScale::SetLabelsAlternate(bool value) { Store(labelsAlternate_, value); }
void TAxisScale::SetLabelsMultiLine(bool value) { Store(labelsMultiLine_, value); }
void TAxisScale::SetLabelsOnAxis(bool value) { Store(labelsOnAxis_, value); }
void TAxisScale::SetLabelsAngle(int value) { Store(labelsAngle_, value); }
void TAxisScale::SetLabelsGridIgnoresLabelSize(bool value) { Store(labelsGridIgnoresLabelSize_, value); }
void TAxisScale::SetLabelsAsSeriesTitles(bool value) { Store(labelsAsSeriesTitles_, value); }

TAxisLabelStyle TAxisScale::CalcLabelStyle() const {
  if (labelStyle_ != talAuto) return labelStyle_;
  if (master_) return master_->CalcLabelStyle();
  const std::vector<TAxisSeriesInfo> series = source_ ? source_->ActiveSeries() : std::vector<TAxisSeriesInfo>{};
  if (IsDepthAxis()) {
    for (const TAxisSeriesInfo& info : series)
      if (info.HasDepthValues) return talValue;
    return talText;
  }
  TAxisLabelStyle result = talNone;
  for (const TAxisSeriesInfo& info : series) {
    if (info.LabelStyle != talValue) return info.LabelStyle;
    result = talValue;
  }
  return result;
}

bool TAxisScale::IsDateTime() const {
  if (master_) return master_->IsDateTime();
  if (!source_) return false;
  for (const TAxisSeriesInfo& info : source_->ActiveSeries())
    if (info.DateTime) return true;
  return false;
}

}  // namespace quil
