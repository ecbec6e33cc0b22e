#pragma once

#include <cairo.h>

#include <memory>
#include <vector>

#include "canvas/gdiplus_brush.h"
#include "canvas/gdiplus_path.h"
#include "canvas/gdiplus_pen.h"
#include "core/host.h"

namespace quil {

// Text rendering hints, in the backend's numbering.
enum TGPTextHint { thSystemDefault = 0, thSingleBitPerPixelGridFit = 1, thAntiAlias = 4, thClearTypeGridFit = 5 };

// The backend's graphics object: a Cairo context of its own on the surface a device context
// (or an image) draws on, so that its smoothing, clip and world transform never disturb the
// plain canvas sharing that surface. World transforms are relative to the device context's own
// user space; "prepend" operations act before the current transform, as Cairo's do.
class TGPGraphics {
 public:
  // On the surface of a Cairo device context, in its user space and inside its clip; null for
  // any other kind of device context.
  static std::unique_ptr<TGPGraphics> OnContext(TDeviceContext* dc);
  static std::unique_ptr<TGPGraphics> OnSurface(cairo_surface_t* surface);
  ~TGPGraphics();
  TGPGraphics(const TGPGraphics&) = delete;
  TGPGraphics& operator=(const TGPGraphics&) = delete;

  cairo_t* Cr() const { return cr_; }
  // The device context this object was made for (null for an image).
  TDeviceContext* BoundContext() const { return bound_; }
  cairo_status_t LastStatus() const { return cairo_status(cr_); }
  // Raises the "GDI+ Error" of a failed context.
  void CheckStatus() const;

  // High quality smoothing anti-aliases edges; high speed draws them aliased.
  void SetSmoothing(bool highQuality);
  bool Smoothing() const { return smoothing_; }
  // High quality: integer coordinates are pixel edges. None: they are pixel centres.
  void SetPixelOffsetHighQuality(bool highQuality);
  bool PixelOffsetHighQuality() const { return pixelOffsetHighQuality_; }
  void SetTextHint(TGPTextHint hint) { textHint_ = hint; }
  TGPTextHint TextHint() const { return textHint_; }
  void SetInterpolationHigh(bool high) { interpolationHigh_ = high; }
  bool InterpolationHigh() const { return interpolationHigh_; }

  cairo_matrix_t Transform() const { return world_; }
  void SetTransform(const cairo_matrix_t& m);
  void ResetTransform();
  void MultiplyTransform(const cairo_matrix_t& m);
  void TranslateTransform(double dx, double dy);
  // Degrees clockwise on screen.
  void RotateTransform(double degrees);
  void ScaleTransform(double sx, double sy);

  // The visible part of the clip in world coordinates (the whole surface without a clip).
  TRectF VisibleClipBounds() const;
  void IntersectClip(const TGPRect& r);
  void IntersectClip(const TGPPath& path);
  void ExcludeClip(const TGPPath& path);
  void SetClip(const TGPRect& r);
  void ResetClip();

  // Fills or strokes the Cairo context's current path, which is then cleared.
  void FillCurrentPath(const TGPBrush& brush);
  void StrokeCurrentPath(const TGPPen& pen);
  void FillPath(const TGPPath& path, const TGPBrush& brush);
  void DrawPath(const TGPPath& path, const TGPPen& pen);
  // The whole image into dest, its alpha scaled by alpha / 255, with the interpolation mode.
  void DrawImage(cairo_surface_t* image, const TGPRect& dest, int alpha);

 private:
  TGPGraphics(cairo_t* cr, TDeviceContext* bound);
  void ApplyMatrix();
  void ApplyBaseClip();
  void ClipWith(const TGPPath& path, bool exclude);

  cairo_t* cr_;
  TDeviceContext* bound_;
  cairo_matrix_t base_;
  cairo_matrix_t world_;
  std::vector<cairo_rectangle_t> baseClip_;
  bool hasBaseClip_ = false;
  bool smoothing_ = true;
  bool pixelOffsetHighQuality_ = true;
  bool interpolationHigh_ = true;
  TGPTextHint textHint_ = thSystemDefault;
};

}  // namespace quil
