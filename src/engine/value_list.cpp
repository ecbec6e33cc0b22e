#include "engine/value_list.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numeric>

#include "core/filer.h"
#include "core/reader.h"
#include "engine/chart_exception.h"
#include "engine/quil_sort.h"

namespace quil {

int QuilDefaultCapacity = 1000;

namespace {

constexpr const char* kIndexOutOfBounds = "List index out of bounds (%d)";
constexpr const char* kDeleteTooMany = "Quantity of data to delete must be less than Count.";
constexpr const char* kMultiplierObsolete =
    "Error: Multiplier property is obsolete.\rModify QuilDefs.inc (enable Multiplier) and recompile.";

ROvedeValueList::TMessageProc& MessageHandler() {
  static ROvedeValueList::TMessageProc handler;
  return handler;
}

// The number once scaled the values; it has no effect now, and anything but 1 means the form
// relied on it, which the user is told.
void ReadMultiplier(TReader& reader) {
  if (reader.ReadFloat() == 1.0) return;
  if (const ROvedeValueList::TMessageProc& show = MessageHandler()) show(kMultiplierObsolete);
}

// The shortest general form with up to 15 significant digits: "2.5", "1E20", "1.5E-7", "NAN".
std::string FormatGeneral(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  const bool negative = exponent.front() == '-';
  exponent.erase(0, exponent.find_first_not_of("+-0"));
  return text.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
}

}  // namespace

const TEnumInfo& ListOrderInfo() {
  static const TEnumInfo info{"ROvedeListOrder", {"loNone", "loAscending", "loDescending"}};
  return info;
}

const TMetaClass& ROvedeValueList::StaticClass() {
  static const TMetaClass meta(
      "ROvedeValueList", &TPersistent::StaticClass(),
      TPropertyListBuilder<ROvedeValueList>()
          .Bool("DateTime", &ROvedeValueList::DateTime, &ROvedeValueList::SetDateTime, false)
          .StoredWhen([](const ROvedeValueList& l) { return l.DateTime() != l.IDefDateTime(); })
          .String("Name", &ROvedeValueList::Name, &ROvedeValueList::SetName)
          .Enum("Order", ListOrderInfo(), &ROvedeValueList::Order, &ROvedeValueList::SetOrder)
          .String("ValueSource", &ROvedeValueList::ValueSource, &ROvedeValueList::SetValueSource, std::string())
          .Build());
  return meta;
}

ROvedeValueList::ROvedeValueList(IValueListOwner* owner, std::string name) : owner_(owner), name_(std::move(name)) {}

void ROvedeValueList::CheckIndex(int index) const {
  if (index < 0 || index >= count_) throw ChartException(QuilFormat(kIndexOutOfBounds, std::to_string(index)));
}

ROvedeValue ROvedeValueList::Value(int index) const {
  CheckIndex(index);
  return values_[index];
}

void ROvedeValueList::SetValue(int index, ROvedeValue value) {
  CheckIndex(index);
  values_[index] = value;
  modified_ = true;
  if (owner_) owner_->NotifyValue(veModify, index);
}

ROvedeValue ROvedeValueList::First() const {
  if (count_ == 0) throw ERangeError("Range check error");
  return values_.front();
}

ROvedeValue ROvedeValueList::Last() const {
  if (count_ == 0) throw ERangeError("Range check error");
  return values_[count_ - 1];
}

// The storage grows in whole steps of QuilDefaultCapacity, as series expect (one that knows its
// point count raises the step to take the storage at once). The memory underneath is reserved
// geometrically, so appending a million values in order does not copy the list a thousand times.
void ROvedeValueList::GrowFor(int needed) {
  const int capacity = Capacity();
  if (needed <= capacity) return;
  const int64_t step = std::max(QuilDefaultCapacity, 1);
  const auto grown =
      static_cast<std::size_t>(std::min<int64_t>(std::max<int64_t>(capacity + step, needed), INT32_MAX));
  if (grown > values_.capacity()) values_.reserve(std::max(grown, 2 * values_.capacity()));
  values_.resize(grown);
}

void ROvedeValueList::InsertAt(int index, ROvedeValue value) {
  GrowFor(count_ + 1);
  std::copy_backward(values_.begin() + index, values_.begin() + count_, values_.begin() + count_ + 1);
  values_[index] = value;
  ++count_;
}

bool ROvedeValueList::Precedes(ROvedeValue a, ROvedeValue b) const {
  if (std::isnan(a)) return false;
  if (std::isnan(b)) return true;
  return order_ == loDescending ? a > b : a < b;
}

// After every value the new one does not precede, so equal values keep their arrival order and
// a value arriving in order is appended without a scan.
int ROvedeValueList::OrderedIndex(ROvedeValue value) const {
  if (order_ == loNone || count_ == 0) return count_;
  int i = count_ - 1;
  while (i >= 0 && Precedes(value, values_[i])) --i;
  return i + 1;
}

int ROvedeValueList::AddChartValue(ROvedeValue value) {
  tempValue_ = value;
  return AddChartValue();
}

int ROvedeValueList::AddChartValue() {
  const int index = OrderedIndex(tempValue_);
  InsertAt(index, tempValue_);
  SetModified(true);
  return index;
}

void ROvedeValueList::InserrOvedeValue(int valueIndex, ROvedeValue value) {
  if (valueIndex < 0 || valueIndex > count_)
    throw ChartException(QuilFormat(kIndexOutOfBounds, std::to_string(valueIndex)));
  InsertAt(valueIndex, value);
  SetModified(true);
}

void ROvedeValueList::Delete(int start, int quantity) {
  if (quantity <= 0) return;
  if (start < 0) throw ChartException(QuilFormat(kIndexOutOfBounds, std::to_string(start)));
  if (int64_t(start) + quantity > count_) throw EAssertionFailed(kDeleteTooMany);
  std::copy(values_.begin() + start + quantity, values_.begin() + count_, values_.begin() + start);
  count_ -= quantity;
  SetModified(true);
}

void ROvedeValueList::ClearValues() {
  ROvedeValues().swap(values_);
  count_ = 0;
  modified_ = true;
}

void ROvedeValueList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(values_[index1], values_[index2]);
  modified_ = true;
  if (owner_) owner_->NotifyValue(veModify, index1);
}

void ROvedeValueList::FillSequence() {
  std::iota(values_.begin(), values_.begin() + count_, 0.0);
  modified_ = true;
  if (owner_) owner_->NotifyValue(veModify, 0);
}

void ROvedeValueList::Scroll() {
  if (count_ > 0) std::rotate(values_.begin(), values_.begin() + 1, values_.begin() + count_);
}

int ROvedeValueList::Locate(ROvedeValue value, int firstIndex, int lastIndex) const {
  const int last = std::min(lastIndex, count_ - 1);
  for (int i = std::max(firstIndex, 0); i <= last; ++i)
    if (values_[i] == value) return i;
  return -1;
}

void ROvedeValueList::RecalcStats(int startIndex) const {
  if (startIndex <= 0 || count_ == 0) stats_ = TStats{};
  for (int i = std::max(startIndex, 0); i < count_; ++i) {
    const ROvedeValue x = values_[i];
    stats_.Total += x;
    stats_.TotalAbs += std::fabs(x);
    if (std::isnan(x)) continue;
    if (!stats_.HasExtremes) {
      stats_.Min = stats_.Max = x;
      stats_.HasExtremes = true;
    } else if (x < stats_.Min) {
      stats_.Min = x;
    } else if (x > stats_.Max) {
      stats_.Max = x;
    }
  }
  modified_ = false;
}

ROvedeValue ROvedeValueList::MaxValue() const {
  if (modified_) RecalcStats();
  return stats_.Max;
}

ROvedeValue ROvedeValueList::MinValue() const {
  if (modified_) RecalcStats();
  return stats_.Min;
}

ROvedeValue ROvedeValueList::Total() const {
  if (modified_) RecalcStats();
  return stats_.Total;
}

ROvedeValue ROvedeValueList::TotalABS() const {
  if (modified_) RecalcStats();
  return stats_.TotalAbs;
}

ROvedeValue ROvedeValueList::Range() const { return MaxValue() - MinValue(); }

void ROvedeValueList::SetModified(bool value) {
  if (value == modified_) return;
  modified_ = value;
  if (value && owner_) owner_->NotifyValue(veModify, -1);
}

void ROvedeValueList::Sort() {
  if (order_ == loNone) return;
  auto compare = [this](int a, int b) { return CompareValueIndex(a, b); };
  if (owner_)
    QuilSort(0, count_ - 1, compare, [this](int a, int b) { owner_->SwapValueIndex(a, b); });
  else
    QuilSort(0, count_ - 1, compare, [this](int a, int b) { Exchange(a, b); });
}

// Equal values answer "before" only for the lower index, so a scan stops at the pivot itself
// and runs of equal values are not swapped among themselves.
int ROvedeValueList::CompareValueIndex(int a, int b) const {
  const ROvedeValue va = Value(a);
  const ROvedeValue vb = Value(b);
  if (Precedes(va, vb)) return -1;
  if (Precedes(vb, va)) return 1;
  return a < b ? -1 : 0;
}

std::string ROvedeValueList::ValueToString(int index) const { return FormatGeneral(Value(index)); }

void ROvedeValueList::SetDateTime(bool value) {
  if (value == dateTime_) return;
  dateTime_ = value;
  if (owner_) owner_->Repaint();
}

void ROvedeValueList::InitDateTime(bool value) {
  dateTime_ = value;
  defDateTime_ = value;
}

void ROvedeValueList::SetValueSource(const std::string& value) {
  if (value == valueSource_) return;
  valueSource_ = value;
  if (owner_) owner_->CheckDataSource();
}

void ROvedeValueList::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const ROvedeValueList*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  order_ = other->order_;
  SetDateTime(other->dateTime_);
  SetValueSource(other->valueSource_);
}

void ROvedeValueList::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
  filer.DefineProperty("Multiplier", ReadMultiplier, nullptr, false);
}

ROvedeValueList::TMessageProc ROvedeValueList::SetMessageHandler(TMessageProc handler) {
  return std::exchange(MessageHandler(), std::move(handler));
}

}  // namespace quil
