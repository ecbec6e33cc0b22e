#pragma once

#include <memory>
#include <vector>

#include "core/collection.h"

namespace quil {

class TQuilCustomShape;

// One child shape of a shape.
class TQuilShapeItem : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilShapeItem(std::unique_ptr<TQuilCustomShape> shape);
  ~TQuilShapeItem() override;

  TQuilCustomShape& Shape() { return *shape_; }
  const TQuilCustomShape& Shape() const { return *shape_; }

  void Assign(const TPersistent& source) override;

 private:
  std::unique_ptr<TQuilCustomShape> shape_;
};

// The child shapes a shape lays out inside itself; new children are of the class the owning
// shape chooses (NewChild).
class TQuilShapes : public TCollection {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilShapes(TQuilCustomShape& owner) : owner_(owner) {}
  ~TQuilShapes() override;

  int Count() const override { return static_cast<int>(items_.size()); }
  TQuilShapeItem& operator[](int index);
  const TQuilShapeItem& operator[](int index) const;
  TPersistent& Item(int index) override { return (*this)[index]; }
  TPersistent& AddItem() override;
  // A new child shape at the end.
  TQuilCustomShape& Add();
  void Delete(int index);
  void Clear() override;

  void Assign(const TPersistent& source) override;

 protected:
  void Update() override;

 private:
  void CheckIndex(int index) const;

  TQuilCustomShape& owner_;
  std::vector<std::unique_ptr<TQuilShapeItem>> items_;
};

}  // namespace quil
