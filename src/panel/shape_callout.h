#pragma once

#include <vector>

#include "canvas/graphics_object.h"
#include "panel/shape_outline.h"

namespace quil {

// The pointer a shape may have on one side (a callout): where along the side it starts
// (Position, percent), where its tip points (PointPosition, percent along the same side),
// how far it reaches (Size) and how wide its base is (Width), in pixels.
class TShapeCallout : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TShapeCallout(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  TShapeCalloutSide Side() const { return side_; }
  void SetSide(TShapeCalloutSide v);
  int Position() const { return position_; }
  void SetPosition(int v);
  int PointPosition() const { return pointPosition_; }
  void SetPointPosition(int v);
  int Size() const { return size_; }
  void SetSize(int v);
  int Width() const { return width_; }
  void SetWidth(int v);

  // The outline of the rectangle r with this pointer, corners rounded by roundSize.
  std::vector<TPoint> GetPath(const TRect& r, int roundSize) const;

  bool AssignSettings(const TPersistent& source) override;

 private:
  void SetValue(int& field, int v);

  TShapeCalloutSide side_ = csNone;
  int position_ = 50;
  int pointPosition_ = 50;
  int size_ = 25;
  int width_ = 20;
};

}  // namespace quil
