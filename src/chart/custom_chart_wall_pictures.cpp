#include "canvas/canvas3d.h"
#include "canvas/shadow_drawing.h"
#include "canvas/view3d_options.h"
#include "chart/custom_chart.h"

namespace quil {

// The back wall in its own shape: on a flat chart a rectangle one pixel wider (and taller when
// it reaches the bottom) so that its frame meets the axes; in 3D a plane or a slab behind the
// series, reaching over the left wall when it is thick.
void TCustomChart::DrawBackWallShape(TCustomChartWall& wall, TRect rect) {
  TCanvas3D& canvas = Canvas();
  const bool full = canvas.GetSupportsFullRotation();
  const bool round = wall.ShapeStyle() == fosRoundRectangle;
  const int corner = wall.RoundSize();
  if (!View3D()) {
    ++rect.Right;
    if (wall.EndPosition() == 100) ++rect.Bottom;
    DrawBackWallEffects(wall, rect, 0);
    if (full && round)
      canvas.RoundRectWithZ(rect, corner, corner, 1);
    else if (full)
      canvas.RectangleWithZ(rect, 1);
    else if (round)
      canvas.RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, corner, corner);
    else
      canvas.Rectangle(rect);
    return;
  }
  if (wall.Size() > 0 && walls_->Left().Visible()) rect.Left -= walls_->Left().Size();
  DrawBackWallEffects(wall, rect, Width3D());
  if (wall.Size() <= 0) {
    const int z = Width3D() + (full ? 1 : 0);
    if (round)
      canvas.RoundRectWithZ(rect, corner, corner, z);
    else
      canvas.RectangleWithZ(rect, z);
  } else {
    const int size = Width3D() < 0 ? -wall.Size() : wall.Size();
    canvas.Cube(rect.Left, rect.Right, rect.Top, rect.Bottom, Width3D(), Width3D() + size, wall.DarkSides(),
                round ? corner : 0);
  }
}

// Shadow, then emboss, under the wall; they leave the canvas to the wall's own pen and brush.
void TCustomChart::DrawBackWallEffects(TCustomChartWall& wall, const TRect& rect, int z) {
  TCanvas3D& canvas = Canvas();
  const int corner = wall.ShapeStyle() == fosRoundRectangle ? wall.RoundSize() : 0;
  bool drawn = false;
  auto draw = [&](const TQuilShadow& effect) {
    if (!effect.ShouldDraw()) return;
    canvas.Pen().SetStyle(psClear);
    TShadowPainter painter(effect, canvas);
    if (!View3D())
      painter.Draw(rect, 0, corner);
    else if (View3DOptions().Orthogonal())
      painter.Draw(canvas.CalcRect3D(rect, z), 0, corner);
    else {
      const auto corners = canvas.FourPointsFromRect(rect, z);
      painter.Draw(std::vector<TPoint>(corners.begin(), corners.end()));
    }
    drawn = true;
  };
  draw(wall.Shadow());
  if (const TQuilEmboss* emboss = wall.EmbossOrNull()) draw(*emboss);
  if (drawn) PrepareWallCanvas(wall);
}

// The wall's own picture wins over the panel's back image drawn inside the walls; that image
// steps off a visible frame.
void TCustomChart::DrawBackWallPicture(TCustomChartWall& wall, TRect rect) {
  if (wall.HasValidPicture()) {
    DrawImageAtDepth(wall.Picture(), rect, Width3D());
    return;
  }
  TBackImage* image = BackImageObject();
  if (!image || image->Empty() || !BackImageInside()) return;
  if (wall.Frame().Visible()) rect = OffsetRect(rect, 1, 1);
  DrawImageAtDepth(*image, rect, Width3D());
}

void TCustomChart::DrawPlanePicture(const TCustomChartWall& wall, const TRect& rect, int pos, TCanvas3DPlane plane) {
  if (wall.HasValidPicture()) StretchPicture(*wall.PictureOrNull(), rect, pos, plane);
}

// In the image's own resampling quality, which the canvas gets back afterwards.
void TCustomChart::StretchPicture(const TBackImage& image, const TRect& rect, int pos, TCanvas3DPlane plane) {
  TCanvas3D& canvas = Canvas();
  const TCanvasStretchQuality oldQuality = canvas.StretchDrawQuality();
  canvas.SetStretchDrawQuality(image.DrawQuality());
  canvas.StretchDraw(rect, image.Filtered(), pos, plane);
  canvas.SetStretchDrawQuality(oldQuality);
}

// Stretched pictures follow the plane at depth z; the other modes keep their pixel size on
// the projected rectangle.
void TCustomChart::DrawImageAtDepth(TBackImage& image, const TRect& rect, int z) {
  if (image.Mode() != pbmStretch)
    DrawBackImage(image, Canvas().RectFromRectZ(rect, z));
  else
    StretchPicture(image, rect, z, cpZ);
}

}  // namespace quil
