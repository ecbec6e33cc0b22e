#pragma once

#include <memory>
#include <vector>

#include "canvas/canvas3d.h"
#include "canvas/quil_blend.h"
#include "canvas/shadow.h"

namespace quil {

// One drawing of a shadow on a canvas: it starts the translucency the shadow asks for,
// draws the offset shape through the canvas's SmoothShadow and ends the translucency.
class TShadowPainter {
 public:
  TShadowPainter(const TQuilShadow& shadow, TCanvas3D& canvas) : shadow_(shadow), canvas_(canvas) {}
  ~TShadowPainter();
  TShadowPainter(const TShadowPainter&) = delete;
  TShadowPainter& operator=(const TShadowPainter&) = delete;

  // False when there is nothing to draw (no colour or no offset).
  bool PrepareCanvas(const TRect& r, double angle);
  void FinishBlending();

  void Draw(const TRect& rect, double angle, int roundSize);
  void Draw(const std::vector<TPoint>& points);
  void DrawEllipse(const TRect& rect, int donutPercent, double startAngle, double endAngle);

 private:
  const TQuilShadow& shadow_;
  TCanvas3D& canvas_;
  int ITransp = 0;
  bool blending_ = false;
  std::unique_ptr<TQuilBlend> IBlend;
};

}  // namespace quil
