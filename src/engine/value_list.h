#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/persistent.h"
#include "core/properties.h"
#include "engine/value_list_owner.h"

namespace quil {

using ROvedeValue = double;
using ROvedeValues = std::vector<ROvedeValue>;

enum ROvedeListOrder : int { loNone, loAscending, loDescending };

const TEnumInfo& ListOrderInfo();

// The number of entries by which a value list's storage grows; shared by all lists. A series
// that knows how many points it will add sets it first, so the storage is taken once.
extern int QuilDefaultCapacity;

// One named column of a series' values ("X", "Y", "Z" ...), optionally kept sorted, with its
// minimum, maximum and sums cached until the values change. All lists of a series hold the same
// number of values; the series keeps them in step by applying each change to every list.
//
// Within a sorted list a NaN sorts after every number, in both directions, so insertion and
// sorting agree and comparisons stay a strict order.
class ROvedeValueList : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  // An owned list joins its owner's collection through CreateValueList (value_lists.h).
  ROvedeValueList(IValueListOwner* owner, std::string name);

  IValueListOwner* Owner() const { return owner_; }
  int Count() const { return count_; }
  int Capacity() const { return static_cast<int>(values_.size()); }
  // The storage itself, for drawing code that reads by index: the first Count entries are in use.
  const ROvedeValues& Values() const { return values_; }

  // Both raise ChartException "List index out of bounds (%d)" outside 0..Count-1.
  ROvedeValue Value(int index) const;
  void SetValue(int index, ROvedeValue value);
  ROvedeValue First() const;
  ROvedeValue Last() const;

  // The value the parameterless AddChartValue adds: a series stages each list's value of a new
  // point here before it adds the point.
  ROvedeValue TempValue() const { return tempValue_; }
  void SetTempValue(ROvedeValue value) { tempValue_ = value; }

  // Adds at the place the order demands, after any equal values, and answers that index.
  virtual int AddChartValue(ROvedeValue value);
  int AddChartValue();
  virtual void InserrOvedeValue(int valueIndex, ROvedeValue value);
  void Delete(int valueIndex) { Delete(valueIndex, 1); }
  virtual void Delete(int start, int quantity);
  // Empties the list and releases its storage without telling the owner (the series announces
  // its own clearing).
  virtual void ClearValues();
  void Exchange(int index1, int index2);
  void FillSequence();
  void Scroll();

  int Locate(ROvedeValue value) const { return Locate(value, 0, count_ - 1); }
  int Locate(ROvedeValue value, int firstIndex, int lastIndex) const;

  // Statistics, recomputed on first read after a change. NaN values take no part in the
  // extremes: an axis cannot place them, and one NaN must not hide the numbers around it.
  ROvedeValue MaxValue() const;
  ROvedeValue MinValue() const;
  ROvedeValue Total() const;
  ROvedeValue TotalABS() const;
  ROvedeValue Range() const;
  void RecalcStats() const { RecalcStats(0); }
  void RecalcStats(int startIndex) const;

  bool Modified() const { return modified_; }
  void SetModified(bool value);

  // Sorts the whole series by this list through the owner's SwapValueIndex (this list alone
  // when it has no owner); nothing for loNone.
  void Sort();
  int CompareValueIndex(int a, int b) const;
  std::string ValueToString(int index) const;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  ROvedeListOrder Order() const { return order_; }
  void SetOrder(ROvedeListOrder value) { order_ = value; }
  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool value);
  bool IDefDateTime() const { return defDateTime_; }
  void InitDateTime(bool value);
  const std::string& ValueSource() const { return valueSource_; }
  void SetValueSource(const std::string& value);

  // Copies the order, date-time flag and value source; never the name or the values.
  void Assign(const TPersistent& source) override;
  // Reads the obsolete "Multiplier" of old forms; it is never written.
  void DefineProperties(TFiler& filer) override;

  // Where messages for the user go while a form is read; the program installs its dialog here.
  // Without one (headless use) a message is dropped, as the library keeps no log.
  using TMessageProc = std::function<void(const std::string&)>;
  static TMessageProc SetMessageHandler(TMessageProc handler);

 private:
  bool Precedes(ROvedeValue a, ROvedeValue b) const;
  int OrderedIndex(ROvedeValue value) const;
  void CheckIndex(int index) const;
  void GrowFor(int needed);
  void InsertAt(int index, ROvedeValue value);

  struct TStats {
    ROvedeValue Min = 0;
    ROvedeValue Max = 0;
    ROvedeValue Total = 0;
    ROvedeValue TotalAbs = 0;
    bool HasExtremes = false;  // a number (not NaN) has been seen
  };

  IValueListOwner* owner_;
  std::string name_;
  ROvedeValues values_;
  int count_ = 0;
  ROvedeListOrder order_ = loNone;
  bool dateTime_ = false;
  bool defDateTime_ = false;
  std::string valueSource_;
  ROvedeValue tempValue_ = 0;
  mutable TStats stats_;
  mutable bool modified_ = true;
};

}  // namespace quil
