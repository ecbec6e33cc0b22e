#include "canvas/gdiplus_unit.h"

#include "canvas/canvas_classes.h"
#include "canvas/gdiplus_component.h"
#include "canvas/gdiplus_startup.h"
#include "core/class_registry.h"

namespace quil {

void InitializeGDIPlusUnit() {
  GDIPlusStartup();
  RegisterClass(TQuilGDIPlus::StaticClass());
  RegisterCanvasClass({"TGDIPlusCanvas", [] { return std::make_unique<TGDIPlusCanvas>(); }});
}

void FinalizeGDIPlusUnit() {
  UnregisterCanvasClass("TGDIPlusCanvas");
  GDIPlusShutdown();
}

}  // namespace quil
