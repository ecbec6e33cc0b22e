#include "canvas/gdiplus_unit.h"

#include "canvas/canvas_classes.h"
#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"

namespace quil {

void InitializeGDIPlusUnit() {
  GDIPlusStartup();
  RegisterCanvasClass({"TGDIPlusCanvas", [] { return std::make_unique<TGDIPlusCanvas>(); }});
}

void FinalizeGDIPlusUnit() {
  UnregisterCanvasClass("TGDIPlusCanvas");
  GDIPlusShutdown();
}

}  // namespace quil
