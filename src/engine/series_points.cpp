#include <algorithm>
#include <random>

#include "core/exceptions.h"
#include "engine/axis_panel.h"
#include "engine/chart_exception.h"
#include "engine/quil_sort.h"
#include "engine/series.h"
#include "core/messages.h"

namespace quil {

namespace {

constexpr const char* kDeleteNothing = "Quantity of data points to delete must be greater than zero.";
constexpr const char* kDeleteTooMany = "Quantity of data to delete must be less than Count.";

std::mt19937& SampleRandom() {
  static std::mt19937 random(std::random_device{}());
  return random;
}

template <class T>
void EraseRun(std::vector<T>& list, int start, int quantity) {
  const int size = static_cast<int>(list.size());
  if (start >= size) return;
  list.erase(list.begin() + start, list.begin() + std::min(size, start + quantity));
}

}  // namespace

int ROvedeSeries::AddXY(double x, double y, const std::string& label, TColor color) {
  xValues_->SetTempValue(x);
  yValues_->SetTempValue(y);
  if (OnBeforeAdd && !OnBeforeAdd(*this)) return -1;
  const int index = InsertPoint(label, color);
  if (!Updating()) NotifyNewValue(index);
  return index;
}

// The ordered list places the point; every other list takes its staged value at that index.
int ROvedeSeries::InsertPoint(const std::string& label, TColor color) {
  ROvedeValueList& positions = NotMandatoryValueList();
  const int index = positions.AddChartValue();
  for (int i = 0; i < valuesList_.Count(); ++i) {
    ROvedeValueList& list = valuesList_[i];
    if (&list != &positions) list.InserrOvedeValue(index, list.TempValue());
  }
  InsertColor(index, color);
  if (!label.empty() || !labels_.empty()) {
    if (labels_.empty()) labels_.resize(static_cast<std::size_t>(Count() - 1));
    labels_.insert(labels_.begin() + index, label);
  }
  return index;
}

void ROvedeSeries::InsertColor(int index, TColor color) {
  if (!colors_) {
    if (color == clQuilColor) return;
    colors_.emplace(static_cast<std::size_t>(Count() - 1), clQuilColor);
  }
  colors_->insert(colors_->begin() + std::min<int>(index, static_cast<int>(colors_->size())), color);
}

void ROvedeSeries::NotifyNewValue(int valueIndex) {
  if (OnAfterAdd) OnAfterAdd(*this, valueIndex);
  NotifyValue(veAdd, valueIndex);
  if (Active()) Repaint();
}

int ROvedeSeries::Add(double value, const std::string& label, TColor color) {
  if (yMandatory_) return AddXY(xValues_->Count(), value, label, color);
  return AddXY(value, yValues_->Count(), label, color);
}

int ROvedeSeries::AddX(double x, const std::string& label, TColor color) { return AddXY(x, Count(), label, color); }

int ROvedeSeries::AddY(double y, const std::string& label, TColor color) { return AddXY(Count(), y, label, color); }

int ROvedeSeries::AddNull(const std::string& label) { return Add(defaultNull_, label, clNone); }

int ROvedeSeries::AddNull(double value) { return Add(value, {}, clNone); }

int ROvedeSeries::AddNullXY(double x, double y, const std::string& label) { return AddXY(x, y, label, clNone); }

int ROvedeSeries::AddArray(const std::vector<double>& values) {
  BeginUpdate();
  try {
    for (double v : values) Add(v);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return static_cast<int>(values.size());
}

int ROvedeSeries::AddArray(const std::vector<double>& xValues, const std::vector<double>& yValues) {
  const std::size_t count = std::min(xValues.size(), yValues.size());
  BeginUpdate();
  try {
    for (std::size_t i = 0; i < count; ++i) AddXY(xValues[i], yValues[i]);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return static_cast<int>(count);
}

int ROvedeSeries::AddChartValue(const ROvedeSeries& source, int valueIndex) {
  const int lists = std::min(valuesList_.Count(), source.valuesList_.Count());
  for (int i = 0; i < lists; ++i) valuesList_[i].SetTempValue(source.valuesList_[i].Value(valueIndex));
  return InsertPoint({}, clQuilColor);
}

void ROvedeSeries::AddedValue(const ROvedeSeries& source, int valueIndex) {
  const int index = AddChartValue(source, valueIndex);
  if (source.colors_ && valueIndex < static_cast<int>(source.colors_->size())) {
    const TColor color = (*source.colors_)[static_cast<std::size_t>(valueIndex)];
    if (color != clQuilColor) {
      if (!colors_) colors_.emplace(static_cast<std::size_t>(Count()), clQuilColor);
      (*colors_)[static_cast<std::size_t>(index)] = color;
    }
  }
  SetXLabel(index, source.XLabel(valueIndex));
  if (!Updating()) NotifyNewValue(index);
}

void ROvedeSeries::AddValues(const ROvedeSeries& source) {
  if (&source == this) return;
  Clear();
  BeginUpdate();
  try {
    for (int i = 0; i < source.Count(); ++i) AddedValue(source, i);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void ROvedeSeries::DeleteFromLists(int start, int quantity) {
  for (int i = 0; i < valuesList_.Count(); ++i) valuesList_[i].Delete(start, quantity);
  if (colors_) EraseRun(*colors_, start, quantity);
  EraseRun(labels_, start, quantity);
  if (marks_) marks_->DeletePositions(start, quantity);
}

void ROvedeSeries::Delete(int valueIndex) {
  if (valueIndex < 0 || valueIndex >= Count())
    throw ChartException(
        QuilFormat(QuilMsg_SeriesDelete, std::to_string(valueIndex), std::to_string(Count() - 1)));
  DeleteFromLists(valueIndex, 1);
  NotifyValue(veDelete, valueIndex);
  if (Active()) Repaint();
}

void ROvedeSeries::Delete(int start, int quantity, bool removeGap) {
  if (quantity <= 0) throw EAssertionFailed(kDeleteNothing);
  if (start < 0) throw ChartException(QuilFormat("List index out of bounds (%d)", std::to_string(start)));
  if (start >= Count()) return;
  if (static_cast<int64_t>(start) + quantity > Count()) throw EAssertionFailed(kDeleteTooMany);
  DeleteFromLists(start, quantity);
  if (colors_ && colors_->empty()) colors_.reset();
  NotifyValue(veDelete, -1);
  if (Active()) Repaint();
  if (removeGap) NotMandatoryValueList().FillSequence();
}

void ROvedeSeries::DeletedValue(const ROvedeSeries&, int valueIndex) {
  if (valueIndex >= 0 && valueIndex < Count()) Delete(valueIndex);
}

void ROvedeSeries::ClearLists() {
  for (int i = 0; i < valuesList_.Count(); ++i) valuesList_[i].ClearValues();
  colors_.reset();
  labels_.clear();
  if (marks_) marks_->Clear();
}

void ROvedeSeries::Clear() {
  firstVisibleIndex_ = -1;
  lastVisibleIndex_ = -1;
  ClearLists();
  if (OnClearValues) OnClearValues(*this);
  NotifyValue(veClear, 0);
  const TCustomAxisPanel* chart = ParenrOvede();
  if (Active() && chart && !chart->HasState(csDestroying)) Repaint();
}

void ROvedeSeries::SetValueColor(int valueIndex, TColor color) {
  if (valueIndex < 0) throw ChartException(QuilFormat("List index out of bounds (%d)", std::to_string(valueIndex)));
  if (!colors_ && color == clQuilColor) return;
  while (Count() <= valueIndex) AddNull(std::string());
  if (!colors_) colors_.emplace(static_cast<std::size_t>(Count()), clQuilColor);
  (*colors_)[static_cast<std::size_t>(valueIndex)] = color;
  NotifyColorChange(valueIndex);
}

void ROvedeSeries::NotifyColorChange(int) { Repaint(); }

void ROvedeSeries::SwapValueIndex(int a, int b) {
  valuesList_.Exchange(a, b);
  if (colors_) std::swap((*colors_)[static_cast<std::size_t>(a)], (*colors_)[static_cast<std::size_t>(b)]);
  if (!labels_.empty()) std::swap(labels_[static_cast<std::size_t>(a)], labels_[static_cast<std::size_t>(b)]);
}

void ROvedeSeries::SortByLabels(ROvedeListOrder order) {
  if (order == loNone || Count() < 2) return;
  const auto compare = [this, order](int a, int b) {
    const int c = XLabel(a).compare(XLabel(b));
    const int sign = c < 0 ? -1 : (c > 0 ? 1 : 0);
    return order == loDescending ? -sign : sign;
  };
  QuilSort(0, Count() - 1, compare, [this](int a, int b) { SwapValueIndex(a, b); });
  NotMandatoryValueList().FillSequence();
  Repaint();
}

void ROvedeSeries::CheckOrder() {
  bool sorted = false;
  ROvedeValueList& values = MandatoryValueList();
  ROvedeValueList& positions = NotMandatoryValueList();
  if (values.Order() != loNone) {
    values.Sort();
    if (positions.ValueSource().empty()) positions.FillSequence();
    sorted = true;
  }
  if (positions.Order() != loNone) {
    positions.Sort();
    sorted = true;
  }
  if (sorted) Repaint();
}

void ROvedeSeries::EndUpdate() {
  if (iUpdating_ > 0 && --iUpdating_ == 0) RefreshSeries();
}

void ROvedeSeries::RefreshSeries() {
  NotifyValue(veRefresh, 0);
  BroadcastSeriesChange(seDataChanged);
}

// Series fed from this one would react here; data sources are not part of this library, so
// nobody is told.
void ROvedeSeries::NotifyValue(TValueEvent, int) {}

void ROvedeSeries::FillSampleValues(int count) {
  if (count <= 0) count = iNumSampleValues_;
  if (count <= 0) count = NumSampleValues();
  Clear();
  std::mt19937& random = SampleRandom();
  random.seed(std::uniform_int_distribution<unsigned>(0, 7774443)(random));
  BeginUpdate();
  try {
    AddSampleValues(count, false);
    CheckOrder();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  manualData_ = false;
}

void ROvedeSeries::AddSampleValues(int count, bool) {
  std::uniform_int_distribution<int> value(0, 1000);
  for (int i = 0; i < count; ++i) Add(value(SampleRandom()));
}

}  // namespace quil
