#include "canvas/gdiplus_startup.h"

#include <cairo.h>
#include <pango/pangocairo.h>

namespace quil {

namespace {

// The user-interface thread is the only one that starts, stops or draws.
int startCount = 0;
PangoFontMap* fontMap = nullptr;

}  // namespace

void GDIPlusStartup() {
  if (startCount++ == 0) fontMap = pango_cairo_font_map_new();
}

void GDIPlusShutdown() {
  if (startCount == 0) return;
  if (--startCount == 0) {
    g_object_unref(fontMap);
    fontMap = nullptr;
  }
}

bool GDIPlusStarted() { return startCount > 0; }

TGPStatus GDIPlusProbe() {
  if (!GDIPlusStarted() || !fontMap) return gsGdiplusNotInitialized;
  cairo_pattern_t* probe = cairo_pattern_create_rgba(0, 0, 0, 1);
  const TGPStatus status = GDIPlusStatusOf(cairo_pattern_status(probe));
  cairo_pattern_destroy(probe);
  return status;
}

PangoFontMap* GDIPlusFontMap() { return fontMap; }

}  // namespace quil
