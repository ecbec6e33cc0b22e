#pragma once

#include <memory>
#include <vector>

#include "core/collection.h"

namespace quil {

class ROvedeAxis;
class TCustomAxisPanel;

// The axes a program adds to a chart beyond the six standard ones. The collection owns them;
// each new axis is vertical, on the near side, does not shrink the chart rectangle, and is
// appended to the chart's Axes, which it leaves again when it is deleted. Series refer to a
// custom axis by its index here ("CustomHorizAxis", "CustomVertAxis" in a stored form).
class ROvedeCustomAxes : public TCollection {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeCustomAxes(TCustomAxisPanel& chart);
  ~ROvedeCustomAxes() override;

  int Count() const override { return static_cast<int>(items_.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  ROvedeAxis& operator[](int index) const;
  TPersistent& Item(int index) override;
  TPersistent& AddItem() override;
  ROvedeAxis& Add();
  // The axis goes; series and tools that used it forget it.
  void Delete(int index);
  void Clear() override;
  // The position of the axis in this collection, or -1.
  int IndexOf(const ROvedeAxis* axis) const;

  // As many axes as the source has, each with the source's settings.
  void Assign(const TPersistent& source) override;

 protected:
  void Update() override;

 private:
  void CheckIndex(int index) const;

  TCustomAxisPanel& chart_;
  std::vector<std::unique_ptr<ROvedeAxis>> items_;
};

}  // namespace quil
