#include "canvas/gdiplus_quil_path.h"

#include "canvas/gdiplus_canvas.h"

namespace quil {

TQuilGDIPlusPath::TQuilGDIPlusPath(TGDIPlusCanvas& canvas) : ICanvas(&canvas) { canvas.paths_.push_back(this); }

TQuilGDIPlusPath::~TQuilGDIPlusPath() {
  if (ICanvas) ICanvas->ForgetPath(*this);
}

void TQuilGDIPlusPath::MoveTo(float x, float y) {
  IPath.StartFigure();
  x_ = x;
  y_ = y;
}

void TQuilGDIPlusPath::LineTo(float x, float y) {
  IPath.AddLine(x_, y_, x, y);
  x_ = x;
  y_ = y;
}

void TQuilGDIPlusPath::ArcTo(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  IPath.AddArc({x, y, width, height}, startAngle, sweepAngle);
  const TPointFloat end = IPath.LastPoint();
  x_ = end.x;
  y_ = end.y;
}

void TQuilGDIPlusPath::Curve(const std::vector<TPointFloat>& points, float tension, bool closed) {
  if (points.empty()) return;
  const int n = static_cast<int>(points.size());
  if (closed)
    IPath.AddClosedCurve(points.data(), n, tension);
  else
    IPath.AddCurve(points.data(), n, tension);
  x_ = points.back().x;
  y_ = points.back().y;
}

void TQuilGDIPlusPath::TextOut(float x, float y, const std::string& text) {
  if (!ICanvas) return;
  TGPFontDescription font = ICanvas->TextEngine().Font();
  font.Style = 0;
  ICanvas->TextEngine().AddOutline(IPath, text, x, y, font, -ICanvas->Font().Height());
}

void TQuilGDIPlusPath::Close() { IPath.CloseFigure(); }

void TQuilGDIPlusPath::Draw(TGDIPlusCanvas& canvas) const { canvas.Path(IPath); }

TQuilGDIPlusPath::TPathPoints TQuilGDIPlusPath::GetPoints() const {
  const TGPRect b = IPath.Bounds();
  return {IPath.Types(), IPath.Points(),
          {static_cast<float>(b.X), static_cast<float>(b.Y), static_cast<float>(b.X + b.Width),
           static_cast<float>(b.Y + b.Height)}};
}

std::unique_ptr<TQuilGDIPlusPath> TGDIPlusCanvas::CreatePath(const std::vector<TPointFloat>& points,
                                                             const std::vector<uint8_t>& types) {
  auto path = std::make_unique<TQuilGDIPlusPath>(*this);
  if (!points.empty()) path->IPath = TGPPath::FromPoints(points, types);
  return path;
}

}  // namespace quil
