#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/gdiplus_path.h"

namespace quil {

class TGDIPlusCanvas;

// A path the anti-aliased canvas hands out: figures of lines, arcs, splines and text outlines
// in float coordinates, drawn with the canvas brush and pen. The canvas that made it is a
// link only; it is cleared when that canvas goes first.
class TQuilGDIPlusPath {
 public:
  explicit TQuilGDIPlusPath(TGDIPlusCanvas& canvas);
  ~TQuilGDIPlusPath();
  TQuilGDIPlusPath(const TQuilGDIPlusPath&) = delete;
  TQuilGDIPlusPath& operator=(const TQuilGDIPlusPath&) = delete;

  // Sets the current point and starts a new figure there.
  void MoveTo(float x, float y);
  void LineTo(float x, float y);
  // An arc of the ellipse in (x, y, width, height), angles in degrees clockwise on screen.
  void ArcTo(float x, float y, float width, float height, float startAngle, float sweepAngle);
  void Curve(const std::vector<TPointFloat>& points, float tension, bool closed);
  // The outline of the text in the family of the canvas's font, regular, at its pixel height.
  void TextOut(float x, float y, const std::string& text);
  void Close();
  void Draw(TGDIPlusCanvas& canvas) const;

  struct TPathPoints {
    std::vector<uint8_t> Types;
    std::vector<TPointFloat> Points;
    TRectF Bounds;
  };
  TPathPoints GetPoints() const;

  const TGDIPlusCanvas* Canvas() const { return ICanvas; }
  TPointFloat CurrentPoint() const { return {x_, y_}; }

 private:
  friend class TGDIPlusCanvas;

  TGDIPlusCanvas* ICanvas;  // not owned
  TGPPath IPath;
  float x_ = 0;
  float y_ = 0;
};

}  // namespace quil
