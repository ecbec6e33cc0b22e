#include "engine/series_pointer.h"

#include <vector>

#include "canvas/canvas3d.h"

namespace quil {

const TEnumInfo& SeriesPointerStyleInfo() {
  static const TEnumInfo info{"TSeriesPointerStyle",
                              {"psRectangle", "psCircle", "psTriangle", "psDownTriangle", "psCross", "psDiagCross",
                               "psStar", "psDiamond", "psSmallDot", "psNothing", "psLeftTriangle", "psRightTriangle",
                               "psHexagon", "psDonut"}};
  return info;
}

const TMetaClass& TSeriesPointer::StaticClass() {
  using C = TSeriesPointer;
  static const TMetaClass meta(
      "TSeriesPointer", &TGraphicsObject::StaticClass(),
      TPropertyListBuilder<C>()
          .Object("Brush", static_cast<TQuilBrush& (C::*)()>(&C::Brush))
          .Int("HorizSize", &C::HorizSize, &C::SetHorizSize, 4)
          .Object("Pen", static_cast<TQuilPen& (C::*)()>(&C::Pen))
          .Enum("Style", SeriesPointerStyleInfo(), &C::Style, &C::SetStyle, psRectangle)
          .Int("VertSize", &C::VertSize, &C::SetVertSize, 4)
          .Bool("Visible", &C::Visible, &C::SetVisible, true)
          .Build());
  return meta;
}

TSeriesPointer::TSeriesPointer(TChangeHandler onChange)
    : TGraphicsObject(onChange),
      brush_(std::make_unique<TQuilBrush>(onChange)),
      pen_(std::make_unique<TQuilPen>(onChange)) {}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::SetSize(int value) {
  if (value < 0) value = 0;
  if (horizSize_ == value && vertSize_ == value) return;
  horizSize_ = vertSize_ = value;
  Changed();
}

void TSeriesPointer::SetOnChange(TChangeHandler onChange) {
  brush_->SetOnChange(onChange);
  pen_->SetOnChange(onChange);
  TGraphicsObject::SetOnChange(std::move(onChange));
}

bool TSeriesPointer::AssignSettings(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSeriesPointer*>(&source);
  if (!other) return false;
  brush_->AssignSettings(*other->brush_);
  pen_->AssignSettings(*other->pen_);
  style_ = other->style_;
  horizSize_ = other->horizSize_;
  vertSize_ = other->vertSize_;
  visible_ = other->visible_;
  return true;
}

void TSeriesPointer::PrepareCanvas(TCanvas3D& canvas, TColor color) const {
  canvas.AssignBrush(*brush_, color == clQuilColor ? brush_->Color() : color, brush_->BackColor());
  canvas.AssignVisiblePen(*pen_);
}

void TSeriesPointer::Draw(TCanvas3D& canvas, int x, int y) const {
  const int h = horizSize_;
  const int v = vertSize_;
  const auto polygon = [&](std::vector<TPoint> points) { canvas.Polygon(points); };
  switch (style_) {
    case psRectangle: canvas.Rectangle(x - h, y - v, x + h + 1, y + v + 1); break;
    case psCircle: canvas.Ellipse(x - h, y - v, x + h, y + v); break;
    case psTriangle: polygon({{x - h, y + v}, {x, y - v}, {x + h, y + v}}); break;
    case psDownTriangle: polygon({{x - h, y - v}, {x + h, y - v}, {x, y + v}}); break;
    case psLeftTriangle: polygon({{x + h, y - v}, {x - h, y}, {x + h, y + v}}); break;
    case psRightTriangle: polygon({{x - h, y - v}, {x + h, y}, {x - h, y + v}}); break;
    case psDiamond: polygon({{x, y - v}, {x + h, y}, {x, y + v}, {x - h, y}}); break;
    case psHexagon:
      polygon({{x - h, y}, {x - h / 2, y - v}, {x + h / 2, y - v}, {x + h, y}, {x + h / 2, y + v}, {x - h / 2, y + v}});
      break;
    case psCross:
    case psDiagCross:
    case psStar:
      // Crosses are lines alone: they take the pen, never the brush.
      if (style_ != psDiagCross) {
        canvas.Line(x - h, y, x + h + 1, y);
        canvas.Line(x, y - v, x, y + v + 1);
      }
      if (style_ != psCross) {
        canvas.Line(x - h, y - v, x + h + 1, y + v + 1);
        canvas.Line(x - h, y + v, x + h + 1, y - v - 1);
      }
      break;
    case psSmallDot: canvas.Rectangle(x - 1, y - 1, x + 2, y + 2); break;
    case psDonut: DrawDonut(canvas, x, y); break;
    case psNothing: break;
  }
}

// The ring is filled without its outline, which would cross it where the ring closes; the
// outer and inner circles are drawn after it.
void TSeriesPointer::DrawDonut(TCanvas3D& canvas, int x, int y) const {
  const int h = horizSize_;
  const int v = vertSize_;
  const TPenStyle penStyle = canvas.Pen().Style();
  canvas.Pen().SetStyle(psClear);
  canvas.Donut(x, y, h, v, 0, 360, 50);
  canvas.Pen().SetStyle(penStyle);
  const TBrushStyle brushStyle = canvas.Brush().Style();
  canvas.Brush().SetStyle(bsClear);
  canvas.Ellipse(x - h, y - v, x + h, y + v);
  canvas.Ellipse(x - h / 2, y - v / 2, x + h / 2, y + v / 2);
  canvas.Brush().SetStyle(brushStyle);
}

}  // namespace quil
