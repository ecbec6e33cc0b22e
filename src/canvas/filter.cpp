#include "canvas/filter.h"

#include <algorithm>
#include <string>

#include "core/exceptions.h"

namespace quil {

namespace {

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count)
    throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
}

}  // namespace

const TMetaClass& TFilterRegion::StaticClass() {
  static const TMetaClass meta("TFilterRegion", &TPersistent::StaticClass(),
                               TPropertyListBuilder<TFilterRegion>()
                                   .Int("Height", &TFilterRegion::Height, &TFilterRegion::SetHeight, 0)
                                   .Int("Left", &TFilterRegion::Left, &TFilterRegion::SetLeft, 0)
                                   .Int("Top", &TFilterRegion::Top, &TFilterRegion::SetTop, 0)
                                   .Int("Width", &TFilterRegion::Width, &TFilterRegion::SetWidth, 0)
                                   .Build());
  return meta;
}

TRect TFilterRegion::Bounds(int imageWidth, int imageHeight) const {
  if (left_ == 0 && top_ == 0 && width_ == 0 && height_ == 0) return {0, 0, imageWidth, imageHeight};
  TRect r{std::max(left_, 0), std::max(top_, 0), std::min(left_ + width_, imageWidth),
          std::min(top_ + height_, imageHeight)};
  if (r.IsEmpty()) return {};
  return r;
}

void TFilterRegion::Assign(const TPersistent& source) {
  const auto* region = dynamic_cast<const TFilterRegion*>(&source);
  if (!region) {
    TPersistent::Assign(source);
    return;
  }
  left_ = region->left_;
  top_ = region->top_;
  width_ = region->width_;
  height_ = region->height_;
}

const TMetaClass& TQuilFilter::StaticClass() {
  static const TMetaClass meta("TQuilFilter", &TPersistent::StaticClass(),
                               TPropertyListBuilder<TQuilFilter>()
                                   .Bool("Enabled", &TQuilFilter::Enabled, &TQuilFilter::SetEnabled, true)
                                   .Object("Region", static_cast<TFilterRegion& (TQuilFilter::*)()>(&TQuilFilter::Region))
                                   .Build());
  return meta;
}

void TQuilFilter::Assign(const TPersistent& source) {
  const auto* filter = dynamic_cast<const TQuilFilter*>(&source);
  if (!filter) {
    TPersistent::Assign(source);
    return;
  }
  enabled_ = filter->enabled_;
  region_.Assign(filter->region_);
}

const TMetaClass& TFilterItems::StaticClass() {
  static const TMetaClass meta("TFilterItems", &TPersistent::StaticClass());
  return meta;
}

TFilterItems::TFilterItems(const TFilterItems& other) : TPersistent() { *this = other; }

TFilterItems& TFilterItems::operator=(const TFilterItems& other) {
  if (this == &other) return *this;
  std::vector<std::unique_ptr<TQuilFilter>> copies;
  copies.reserve(other.items_.size());
  for (const auto& item : other.items_) copies.push_back(item->Clone());
  items_ = std::move(copies);
  return *this;
}

TQuilFilter& TFilterItems::operator[](int index) {
  CheckIndex(index, Count());
  return *items_[index];
}

const TQuilFilter& TFilterItems::operator[](int index) const {
  CheckIndex(index, Count());
  return *items_[index];
}

TQuilFilter& TFilterItems::Add(std::unique_ptr<TQuilFilter> filter) {
  items_.push_back(std::move(filter));
  return *items_.back();
}

void TFilterItems::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
}

void TFilterItems::ApplyTo(TBitmap& bitmap) const {
  for (const auto& item : items_)
    if (item->Enabled()) item->Apply(bitmap);
}

void TFilterItems::Assign(const TPersistent& source) {
  const auto* items = dynamic_cast<const TFilterItems*>(&source);
  if (!items) {
    TPersistent::Assign(source);
    return;
  }
  *this = *items;
}

}  // namespace quil
