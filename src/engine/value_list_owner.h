#pragma once

namespace quil {

class ROvedeValueLists;

// What changed in a series' values; the ordinals are part of the stored and event protocol.
enum TValueEvent : int { veClear, veAdd, veDelete, veRefresh, veModify };

// The series side of its value lists. A series owns its lists and implements this; each list
// keeps a plain pointer back, which is safe because a list never outlives the series holding it.
class IValueListOwner {
 public:
  virtual ~IValueListOwner() = default;

  // Every value list of the owner in creation order: X first, then Y, then the kind's own.
  virtual ROvedeValueLists& ValuesList() = 0;
  // valueIndex is the changed value, or -1 when several values may have changed.
  virtual void NotifyValue(TValueEvent event, int valueIndex) = 0;
  // Exchanges two whole points in every list the owner keeps (values, colours, labels), so a
  // sort by one list moves records rather than single values.
  virtual void SwapValueIndex(int a, int b) = 0;
  virtual void Repaint() = 0;
  // A list's external source name changed: the owner re-reads its data source.
  virtual void CheckDataSource() = 0;
};

}  // namespace quil
