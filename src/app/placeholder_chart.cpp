#include "app/placeholder_chart.h"

#include "canvas/device_context.h"

namespace quil {

namespace {

void FillRect(cairo_t* cr, int left, int top, int width, int height, TColor color) {
  const TColor rgb = SystemColor(color);
  cairo_set_source_rgb(cr, GetRValue(rgb) / 255.0, GetGValue(rgb) / 255.0, GetBValue(rgb) / 255.0);
  cairo_rectangle(cr, left, top, width, height);
  cairo_fill(cr);
}

}  // namespace

const TMetaClass& TPlaceholderChart::StaticClass() {
  static const TMetaClass meta("TPlaceholderChart", &TWinControl::StaticClass(), {},
                               ComponentFactory<TPlaceholderChart>());
  return meta;
}

TPlaceholderChart::TPlaceholderChart(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TPlaceholderChart::Paint(TDeviceContext& dc) {
  buffer_.SetSize(Width(), Height());
  cairo_t* cr = cairo_create(buffer_.Surface());
  DrawFace(cr);
  cairo_destroy(cr);
  cairo_surface_flush(buffer_.Surface());

  cairo_t* target = dynamic_cast<TCairoDeviceContext&>(dc).Context();
  cairo_save(target);
  cairo_set_operator(target, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(target, buffer_.Surface(), 0, 0);
  cairo_paint(target);
  cairo_restore(target);
}

// A one-pixel raised bevel: the light edge owns the top and left lines except their far
// corners, which belong to the shadow edge.
void TPlaceholderChart::DrawFace(cairo_t* cr) const {
  const int w = Width();
  const int h = Height();
  FillRect(cr, 0, 0, w, h, Color());
  if (w < 1 || h < 1) return;
  FillRect(cr, 0, 0, w - 1, 1, clBtnHighlight);
  FillRect(cr, 0, 0, 1, h - 1, clBtnHighlight);
  FillRect(cr, w - 1, 0, 1, h, clBtnShadow);
  FillRect(cr, 0, h - 1, w, 1, clBtnShadow);
}

}  // namespace quil
