#include <algorithm>

#include "canvas/gdiplus_canvas.h"

namespace quil {

void TGDIPlusCanvas::StrokeLine(double x0, double y0, double x1, double y1) {
  cairo_t* cr = graphics_->Cr();
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  graphics_->StrokeCurrentPath(*gpPen_);
}

// One line after the pen check over the rectangle its ends span; afterwards the pen position is
// the second end, drawn or not.
void TGDIPlusCanvas::LineSegment(int x0, int y0, int x1, int y1, bool xorBranch) {
  if (graphics_ && HasPen(OrientRectangle({x0, y0, x1, y1}))) {
    if (xorBranch && XorPen())
      XORLine(x0, y0, x1, y1);
    else
      StrokeLine(x0, y0, x1, y1);
  }
  x_ = x1;
  y_ = y1;
}

void TGDIPlusCanvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void TGDIPlusCanvas::LineTo(int x, int y) { LineSegment(x_, y_, x, y, true); }

void TGDIPlusCanvas::Line(int x0, int y0, int x1, int y1) { LineSegment(x0, y0, x1, y1, true); }

void TGDIPlusCanvas::DoHorizLine(int x0, int x1, int y) { LineSegment(x0, y, x1, y, true); }

void TGDIPlusCanvas::DoVertLine(int x, int y0, int y1) { LineSegment(x, y0, x, y1, true); }

void TGDIPlusCanvas::FastLineTo(int x, int y) {
  if (graphics_ && gpPen_) StrokeLine(x_, y_, x, y);
  x_ = x;
  y_ = y;
}

void TGDIPlusCanvas::MoveTo3D(int x, int y, int z) {
  z_ = z;
  const TPoint p = Calculate3DPosition(x, y, z);
  x_ = p.X;
  y_ = p.Y;
}

void TGDIPlusCanvas::LineTo3D(int x, int y, int z) {
  const TPoint p = Calculate3DPosition(x, y, z);
  LineTo(p.X, p.Y);
}

void TGDIPlusCanvas::HorizLine3D(int left, int right, int y, int z) {
  const TPoint a = Calculate3DPosition(left, y, z), b = Calculate3DPosition(right, y, z);
  LineSegment(a.X, a.Y, b.X, b.Y, true);
}

void TGDIPlusCanvas::VertLine3D(int x, int top, int bottom, int z) {
  const TPoint a = Calculate3DPosition(x, top, z), b = Calculate3DPosition(x, bottom, z);
  LineSegment(a.X, a.Y, b.X, b.Y, true);
}

void TGDIPlusCanvas::ZLine3D(int x, int y, int z0, int z1) {
  const TPoint a = Calculate3DPosition(x, y, z0), b = Calculate3DPosition(x, y, z1);
  LineSegment(a.X, a.Y, b.X, b.Y, true);
}

void TGDIPlusCanvas::LineWithZ(int x0, int y0, int x1, int y1, int z) {
  const TPoint a = Calculate3DPosition(x0, y0, z), b = Calculate3DPosition(x1, y1, z);
  LineSegment(a.X, a.Y, b.X, b.Y, false);
}

// The pixel is a one-pixel line in its colour with a pen of its own, so the canvas's line pen
// keeps its colour.
void TGDIPlusCanvas::SetPixel(int x, int y, TColor value) {
  if (!graphics_) return;
  const TGPPen pen = CreateGPPen(GDIPColor(value));
  cairo_t* cr = graphics_->Cr();
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + 1, y);
  graphics_->StrokeCurrentPath(pen);
}

void TGDIPlusCanvas::SetPixel3D(int x, int y, int z, TColor value) {
  const TPoint p = Calculate3DPosition(x, y, z);
  SetPixel(p.X, p.Y, value);
}

void TGDIPlusCanvas::CheckXorCanvas() {
  if (!IXORCanvas->ReferenceCanvas()) IXORCanvas->SetCanvas(ReferenceCanvas());
}

// Exclusive-or drawing has no anti-aliased form; it goes through the plain canvas on the
// same surface with the pen's raster mix.
void TGDIPlusCanvas::XORRectangle(const TRect& r) {
  CheckXorCanvas();
  IXORCanvas->AssignBrush(Brush(), Brush().BackColor());
  IXORCanvas->AssignVisiblePenColor(Pen(), Pen().Color());
  IXORCanvas->Rectangle(r);
}

void TGDIPlusCanvas::XORLine(int x0, int y0, int x1, int y1) {
  CheckXorCanvas();
  IXORCanvas->AssignVisiblePenColor(Pen(), Pen().Color());
  IXORCanvas->Line(x0, y0, x1, y1);
}

}  // namespace quil
