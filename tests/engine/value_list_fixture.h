#pragma once

#include <utility>
#include <vector>

#include "engine/value_lists.h"

namespace quil::testing {

// A series stand-in: three lists (X ascending, Y, Z) kept in step the way a series keeps them,
// recording what the lists tell it.
class TRecordingOwner : public IValueListOwner {
 public:
  TRecordingOwner()
      : X(CreateValueList(*this, "X")), Y(CreateValueList(*this, "Y")), Z(CreateValueList(*this, "Z")) {
    X.SetOrder(loAscending);
  }

  ROvedeValueLists& ValuesList() override { return lists_; }
  void NotifyValue(TValueEvent event, int valueIndex) override { Events.emplace_back(event, valueIndex); }
  void SwapValueIndex(int a, int b) override {
    ++Swaps;
    lists_.Exchange(a, b);
  }
  void Repaint() override { ++Repaints; }
  void CheckDataSource() override { ++DataSourceChecks; }

  // Adds one point as a series does: the ordered list places it, Y goes to the same index, and Z
  // is handed its value first and inserts its pending value there.
  int AddPoint(double x, double y, double z) {
    Z.SetTempValue(z);
    const int index = X.AddChartValue(x);
    Y.InserrOvedeValue(index, y);
    Z.InserrOvedeValue(index, Z.TempValue());
    return index;
  }

  std::vector<std::pair<TValueEvent, int>> Events;
  int Swaps = 0;
  int Repaints = 0;
  int DataSourceChecks = 0;

 private:
  ROvedeValueLists lists_;

 public:
  ROvedeValueList& X;
  ROvedeValueList& Y;
  ROvedeValueList& Z;
};

inline std::vector<double> ValuesOf(const ROvedeValueList& list) {
  return {list.Values().begin(), list.Values().begin() + list.Count()};
}

}  // namespace quil::testing
