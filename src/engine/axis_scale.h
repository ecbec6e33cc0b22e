#pragma once

#include <functional>
#include <string>

#include "core/geometry.h"
#include "engine/axis_label_style.h"
#include "engine/axis_mapping.h"
#include "engine/axis_range.h"

namespace quil {

class IAxisSeriesSource;
class IAxisTextMeasurer;

// What a setting change asks of the axis' owner: Scale also tells every series that the axis'
// scale changed; both repaint.
enum class TAxisScaleChange { Repaint, Scale };

// The scale of one axis: where its range comes from (the series or the user), how pixel margins
// widen it and how its ends are rounded, the increment between labels, the label texts and
// sizes, and the value↔pixel mapping. Platform-independent: the axis component that owns it
// supplies the series (IAxisSeriesSource), the label font's text sizes (IAxisTextMeasurer) and
// the pixel span (SetPositions), and forwards its published settings here.
class TAxisScale {
 public:
  explicit TAxisScale(TAxisDirection direction = TAxisDirection::Horizontal);
  virtual ~TAxisScale() = default;
  TAxisScale(const TAxisScale&) = delete;
  TAxisScale& operator=(const TAxisScale&) = delete;

  // Non-owning links; whoever ends a target's life clears the link first.
  void SetSeriesSource(const IAxisSeriesSource* source) { source_ = source; }
  const IAxisSeriesSource* SeriesSource() const { return source_; }
  void SetTextMeasurer(const IAxisTextMeasurer* measurer) { measurer_ = measurer; }
  const IAxisTextMeasurer* TextMeasurer() const { return measurer_; }
  // A sub-axis takes its label style and date-time state from its master.
  void SetMaster(const TAxisScale* master) { master_ = master; }
  const TAxisScale* Master() const { return master_; }

  // Told about every setting that really changed.
  std::function<void(TAxisScaleChange)> OnChange;
  // The chart's label-text hook: may change the text of a label.
  std::function<void(std::string& text)> OnGetLabelText;
  // The chart's label-value hook: called with index 0, 1, 2 ... and the previous value; it sets
  // the next value, or stop. Stop at index 0 means "use the normal labels".
  std::function<void(int index, bool& stop, double& value)> OnGetNextLabel;

  // While the owner's stored form is read, Minimum and Maximum accept any order and Automatic
  // leaves the two end flags alone.
  bool Reading() const { return reading_; }
  void SetReading(bool value) { reading_ = value; }

  TAxisDirection Direction() const { return direction_; }
  void SetDirection(TAxisDirection value);
  bool Horizontal() const { return direction_ == TAxisDirection::Horizontal; }
  bool IsDepthAxis() const { return direction_ == TAxisDirection::Depth; }

  bool Automatic() const { return automatic_; }
  void SetAutomatic(bool value);
  bool AutomaticMinimum() const { return automaticMinimum_; }
  void SetAutomaticMinimum(bool value);
  bool AutomaticMaximum() const { return automaticMaximum_; }
  void SetAutomaticMaximum(bool value);
  double Minimum() const { return minimum_; }
  // Raises AxisException QuilMsg_AxisMinMax above Maximum, unless Reading.
  void SetMinimum(double value);
  double Maximum() const { return maximum_; }
  // Raises AxisException QuilMsg_AxisMaxMin below Minimum, unless Reading.
  void SetMaximum(double value);
  // Fixes the range, as zooming and scrolling do: the automatic flags go off and the smaller
  // value becomes the minimum. Never raises.
  void SetMinMax(double min, double max);

  int MinimumOffset() const { return minimumOffset_; }
  void SetMinimumOffset(int value);
  int MaximumOffset() const { return maximumOffset_; }
  void SetMaximumOffset(int value);
  bool MinimumRound() const { return minimumRound_; }
  void SetMinimumRound(bool value);
  bool MaximumRound() const { return maximumRound_; }
  void SetMaximumRound(bool value);

  double Increment() const { return increment_; }
  // Raises AxisException QuilMsg_AxisIncrementNeg unless value >= 0 (NaN included).
  void SetIncrement(double value);

  bool Logarithmic() const { return logarithmic_; }
  // Switching on recomputes the range first and raises AxisException QuilMsg_AxisLogNotPositive
  // when either end is negative.
  void SetLogarithmic(bool value);
  double LogarithmicBase() const { return logarithmicBase_; }
  // Raises AxisException QuilMsg_AxisLogBase unless value is finite, positive and not 1.
  void SetLogarithmicBase(double value);
  bool Inverted() const { return inverted_; }
  void SetInverted(bool value);

  bool ExactDateTime() const { return exactDateTime_; }
  void SetExactDateTime(bool value);
  const std::string& DateTimeFormat() const { return dateTimeFormat_; }
  void SetDateTimeFormat(const std::string& value);
  const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
  void SetAxisValuesFormat(const std::string& value);

  bool RoundFirstLabel() const { return roundFirstLabel_; }
  void SetRoundFirstLabel(bool value);
  TAxisLabelStyle LabelStyle() const { return labelStyle_; }
  void SetLabelStyle(TAxisLabelStyle value);
  int LabelsSeparation() const { return labelsSeparation_; }
  // Raises AxisException QuilMsg_AxisLabelSep when negative.
  void SetLabelsSeparation(int value);
  bool LabelsAlternate() const { return labelsAlternate_; }
  void SetLabelsAlternate(bool value);
  bool LabelsMultiLine() const { return labelsMultiLine_; }
  void SetLabelsMultiLine(bool value);
  bool LabelsOnAxis() const { return labelsOnAxis_; }
  void SetLabelsOnAxis(bool value);
  int LabelsAngle() const { return labelsAngle_; }
  void SetLabelsAngle(int value);
  bool LabelsGridIgnoresLabelSize() const { return labelsGridIgnoresLabelSize_; }
  void SetLabelsGridIgnoresLabelSize(bool value);
  // Depth axes only: label the series' depth slots with the series titles.
  bool LabelsAsSeriesTitles() const { return labelsAsSeriesTitles_; }
  void SetLabelsAsSeriesTitles(bool value);

  // Computed state, valid after AdjustMaxMin and SetPositions.
  const TAxisRange& State() const { return state_; }
  double IMinimum() const { return state_.Minimum; }
  double IMaximum() const { return state_.Maximum; }
  long double IRange() const { return state_.Range; }
  bool IRangeZero() const { return state_.RangeZero; }
  int IStartPos() const { return state_.StartPos; }
  int IEndPos() const { return state_.EndPos; }
  int IAxisSize() const { return state_.AxisSize; }
  int ICenterPos() const { return state_.CenterPos; }
  double IAxisSizeRange() const { return state_.AxisSizeRange; }
  bool IAxisDateTime() const { return axisDateTime_; }

  // The pixel span along the axis' direction (the layout's InternalCalcPositions): for a depth
  // axis 0 to the depth of the 3D box. Recomputes the derived range values.
  void SetPositions(int startPos, int endPos);

  // Full recomputation of the range: the automatic ends from the series, the derived values and
  // the rounding of the ends. Ends that are not finite are replaced by finite ones (NaN by 0,
  // the infinities by the largest doubles), so that everything after stays finite.
  void AdjustMaxMin();
  // Widens the range so that the data occupies the pixel span shrunk by the margins of rect:
  // Left and Right for horizontal and depth axes, Top and Bottom for vertical ones. Margins
  // that leave less than a pixel change nothing.
  void AdjustMaxMinRect(const TRect& rect);
  // The automatic ends from the series, into Minimum and Maximum.
  void CalcMinMax(double& min, double& max) const;
  // Recomputes the derived values of the current range and rebinds the mapping.
  void InternalCalcRange();
  // Rounds automatic ends to multiples of the increment when MinimumRound or MaximumRound.
  void CalcRoundScales();
  // Takes another axis' range as it is (sub-axes share their master's range).
  void SetRange(double min, double max);
  // Refreshes IAxisDateTime from the series.
  void RefreshDateTime() { axisDateTime_ = IsDateTime(); }

  // The increment between labels: from the label sizes and the axis size, or Increment.
  double CalcIncrement() const;
  double CalcXYIncrement(int maxLabelSize) const;
  double CalcLabelsIncrement(int maxNumLabels) const;

  TAxisLabelStyle CalcLabelStyle() const;
  bool IsDateTime() const;

  // The label text of a value, and its pixel size in the label font (0 without a measurer).
  virtual std::string LabelValue(double value) const;
  int LabelWidth(double value) const { return InternalLabelSize(true, value); }
  int LabelHeight(double value) const { return InternalLabelSize(false, value); }
  int InternalLabelSize(bool isWidth, double value) const;
  // The widest value label the axis would show, plus one blank (at most 5000 values are
  // measured); the layout sizes vertical axes with it.
  int MaxLabelsWidth() const;

  const TAxisMapping& Mapping() const { return mapping_; }
  int CalcPosValue(double value) const { return mapping_.CalcPosValue(value); }
  int CalcXPosValue(double value) const { return mapping_.CalcPosValue(value); }
  int CalcYPosValue(double value) const { return mapping_.CalcPosValue(value); }
  double CalcPosPoint(int pixel) const { return mapping_.CalcPosPoint(pixel); }
  int CalcSizeValue(double finish, double start) const { return mapping_.CalcSizeValue(finish, start); }
  int CalcSizeValue(double value) const { return mapping_.CalcSizeValue(value); }

 private:
  void Changed(TAxisScaleChange change = TAxisScaleChange::Repaint) const;
  template <class T>
  void Store(T& field, const T& value, TAxisScaleChange change = TAxisScaleChange::Repaint);
  void BindMapping();
  double CalcDateTimeIncrement(int maxNumLabels) const;
  double NumericIncrement(int maxNumLabels) const;
  double GrowIncrement(double inc) const;
  bool FewPointsOnAxis(int maxNumLabels) const;
  int MaxLabelSizeForIncrement() const;

  const IAxisSeriesSource* source_ = nullptr;
  const IAxisTextMeasurer* measurer_ = nullptr;
  const TAxisScale* master_ = nullptr;
  bool reading_ = false;

  TAxisDirection direction_;
  bool automatic_ = true;
  bool automaticMinimum_ = true;
  bool automaticMaximum_ = true;
  double minimum_ = 0;
  double maximum_ = 0;
  int minimumOffset_ = 0;
  int maximumOffset_ = 0;
  bool minimumRound_ = false;
  bool maximumRound_ = false;
  double increment_ = 0;
  bool logarithmic_ = false;
  double logarithmicBase_ = 10;
  bool inverted_ = false;
  bool exactDateTime_ = true;
  std::string dateTimeFormat_;
  std::string axisValuesFormat_;
  bool roundFirstLabel_ = true;
  TAxisLabelStyle labelStyle_ = talAuto;
  int labelsSeparation_ = 10;
  bool labelsAlternate_ = false;
  bool labelsMultiLine_ = false;
  bool labelsOnAxis_ = true;
  int labelsAngle_ = 0;
  bool labelsGridIgnoresLabelSize_ = false;
  bool labelsAsSeriesTitles_ = true;

  TAxisRange state_;
  bool axisDateTime_ = false;
  TAxisMapping mapping_;
};

}  // namespace quil
