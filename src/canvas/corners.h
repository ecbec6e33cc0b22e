#pragma once

#include <cstdint>
#include <memory>

#include "canvas/graphics_object.h"

namespace quil {

enum TQuilCornerStyle : uint8_t { cosRound, cosBevel, cosNone };

class TQuilCorner : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCorner(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  TQuilCornerStyle Style() const { return style_; }
  void SetStyle(TQuilCornerStyle style);

  bool AssignSettings(const TPersistent& source) override;

 private:
  TQuilCornerStyle style_ = cosRound;
};

// The four corners of a rounded frame, each reporting to the same handler.
class TQuilCorners : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCorners(TChangeHandler onChange = nullptr);
  ~TQuilCorners() override;

  TQuilCorner& LeftTop() { return *leftTop_; }
  const TQuilCorner& LeftTop() const { return *leftTop_; }
  TQuilCorner& RightTop() { return *rightTop_; }
  const TQuilCorner& RightTop() const { return *rightTop_; }
  TQuilCorner& LeftBottom() { return *leftBottom_; }
  const TQuilCorner& LeftBottom() const { return *leftBottom_; }
  TQuilCorner& RightBottom() { return *rightBottom_; }
  const TQuilCorner& RightBottom() const { return *rightBottom_; }

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  std::unique_ptr<TQuilCorner> leftTop_;
  std::unique_ptr<TQuilCorner> rightTop_;
  std::unique_ptr<TQuilCorner> leftBottom_;
  std::unique_ptr<TQuilCorner> rightBottom_;
};

}  // namespace quil
