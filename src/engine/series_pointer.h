#pragma once

#include <cstdint>
#include <memory>

#include "canvas/brush.h"
#include "canvas/pen.h"
#include "core/properties.h"

namespace quil {

class TCanvas3D;

enum TSeriesPointerStyle : uint8_t {
  psRectangle,
  psCircle,
  psTriangle,
  psDownTriangle,
  psCross,
  psDiagCross,
  psStar,
  psDiamond,
  psSmallDot,
  psNothing,
  psLeftTriangle,
  psRightTriangle,
  psHexagon,
  psDonut
};

const TEnumInfo& SeriesPointerStyleInfo();

// A point marker: a framed shape of a given style whose half width and half height are
// HorizSize and VertSize, drawn centred on a pixel with its brush and pen. Changes go to the
// owner's handler.
class TSeriesPointer : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSeriesPointer(TChangeHandler onChange = nullptr);
  ~TSeriesPointer() override;

  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }
  TSeriesPointerStyle Style() const { return style_; }
  void SetStyle(TSeriesPointerStyle value) { Store(style_, value); }
  int HorizSize() const { return horizSize_; }
  // Sizes below 0 count as 0.
  void SetHorizSize(int value) { Store(horizSize_, value < 0 ? 0 : value); }
  int VertSize() const { return vertSize_; }
  void SetVertSize(int value) { Store(vertSize_, value < 0 ? 0 : value); }
  // Both sizes at once.
  void SetSize(int value);
  TQuilBrush& Brush() { return *brush_; }
  const TQuilBrush& Brush() const { return *brush_; }
  void SetBrush(const TQuilBrush& brush) { brush_->Assign(brush); }
  TQuilPen& Pen() { return *pen_; }
  const TQuilPen& Pen() const { return *pen_; }
  void SetPen(const TQuilPen& pen) { pen_->Assign(pen); }
  // The fill colour.
  TColor Color() const { return brush_->Color(); }
  void SetColor(TColor value) { brush_->SetColor(value); }

  // Gives the canvas the marker's brush in color (its own colour for clQuilColor) and pen.
  void PrepareCanvas(TCanvas3D& canvas, TColor color = clQuilColor) const;
  // Draws the marker centred on (x, y) with what the canvas holds.
  void Draw(TCanvas3D& canvas, int x, int y) const;

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 protected:
  template <class T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }

 private:
  void DrawDonut(TCanvas3D& canvas, int x, int y) const;

  std::unique_ptr<TQuilBrush> brush_;
  std::unique_ptr<TQuilPen> pen_;
  TSeriesPointerStyle style_ = psRectangle;
  int horizSize_ = 4;
  int vertSize_ = 4;
  bool visible_ = true;
};

}  // namespace quil
