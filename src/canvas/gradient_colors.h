#pragma once

#include <memory>
#include <vector>

#include "canvas/graphics_object.h"
#include "canvas/transparency.h"
#include "core/collection.h"
#include "core/color.h"

namespace quil {

class TQuilGradientColors;

// One stop of a gradient: a colour at an offset from 0 (start) to 1 (end).
class TQuilGradientColor : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  TQuilGradientColor() = default;
  TQuilGradientColor(TQuilGradientColors& collection, double offset, TColor color, TQuilTransparency transparency);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  double Offset() const { return offset_; }
  void SetOffset(double offset);
  TQuilTransparency Transparency() const { return transparency_; }
  void SetTransparency(TQuilTransparency transparency);

  void Assign(const TPersistent& source) override;

 private:
  void Changed();

  TQuilGradientColors* collection_ = nullptr;  // the collection that owns this item
  TColor color_ = clBlack;
  double offset_ = 0;
  TQuilTransparency transparency_ = 0;
};

// The stops of a gradient, kept in offset order by Add.
class TQuilGradientColors : public TCollection {
  QUIL_PERSISTENT_CLASS
  friend class TQuilGradientColor;

 public:
  explicit TQuilGradientColors(TChangeHandler onChange = nullptr) : onChange_(std::move(onChange)) {}

  int Count() const override { return static_cast<int>(items_.size()); }
  TQuilGradientColor& operator[](int index);
  const TQuilGradientColor& operator[](int index) const;
  TPersistent& Item(int index) override { return (*this)[index]; }

  // Clamps offset to 0..1 and inserts before the first stop with a larger offset.
  TQuilGradientColor& Add(double offset, TColor color, TQuilTransparency transparency = 0);
  // Appends a stop with offset 0, colour black and no transparency (the reader's new item).
  TPersistent& AddItem() override;
  void Delete(int index);
  void Clear() override;

  void SetOnChange(TChangeHandler onChange) { onChange_ = std::move(onChange); }
  // Replaces all stops without reporting.
  void CopyFrom(const TQuilGradientColors& source);
  void Assign(const TPersistent& source) override;

 protected:
  void Update() override;

 private:
  std::vector<std::unique_ptr<TQuilGradientColor>> items_;
  TChangeHandler onChange_;
};

}  // namespace quil
