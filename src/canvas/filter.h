#pragma once

#include <memory>
#include <vector>

#include "canvas/bitmap.h"
#include "core/geometry.h"
#include "core/persistent.h"

namespace quil {

// The part of an image a filter works on; all four 0 means the whole image.
class TFilterRegion : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  int Left() const { return left_; }
  void SetLeft(int left) { left_ = left; }
  int Top() const { return top_; }
  void SetTop(int top) { top_ = top; }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }

  // The region in pixels of an image of the given size, clipped to it (possibly empty).
  TRect Bounds(int imageWidth, int imageHeight) const;
  void Assign(const TPersistent& source) override;

 private:
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// An image operation of a picture's filter list.
class TQuilFilter : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  TFilterRegion& Region() { return region_; }
  const TFilterRegion& Region() const { return region_; }

  // Runs the filter over its region of bitmap.
  virtual void Apply(TBitmap& bitmap) const = 0;
  virtual std::unique_ptr<TQuilFilter> Clone() const = 0;

  void Assign(const TPersistent& source) override;

 private:
  bool enabled_ = true;
  TFilterRegion region_;
};

// The ordered, owned filters of a picture.
class TFilterItems : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  TFilterItems() = default;
  TFilterItems(const TFilterItems& other);
  TFilterItems& operator=(const TFilterItems& other);

  int Count() const { return static_cast<int>(items_.size()); }
  TQuilFilter& operator[](int index);
  const TQuilFilter& operator[](int index) const;
  TQuilFilter& Add(std::unique_ptr<TQuilFilter> filter);
  template <class F>
  F& Add() {
    return static_cast<F&>(Add(std::make_unique<F>()));
  }
  void Delete(int index);
  void Clear() { items_.clear(); }

  // Applies every enabled filter in order.
  void ApplyTo(TBitmap& bitmap) const;
  void Assign(const TPersistent& source) override;

 private:
  std::vector<std::unique_ptr<TQuilFilter>> items_;
};

}  // namespace quil
