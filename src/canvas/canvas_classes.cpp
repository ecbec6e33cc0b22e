#include "canvas/canvas_classes.h"

#include <algorithm>

#include "canvas/clip_history.h"
#include "canvas/quil_canvas3d.h"
#include "core/properties.h"

namespace quil {

std::vector<TCanvasClass> QuilRenderClasses;

void RegisterCanvasClass(TCanvasClass canvasClass) {
  UnregisterCanvasClass(canvasClass.Name);
  QuilRenderClasses.push_back(std::move(canvasClass));
}

void UnregisterCanvasClass(const std::string& name) {
  std::erase_if(QuilRenderClasses, [&name](const TCanvasClass& c) { return SameText(c.Name, name); });
}

const TCanvasClass* FindCanvasClass(const std::string& name) {
  auto it = std::find_if(QuilRenderClasses.begin(), QuilRenderClasses.end(),
                         [&name](const TCanvasClass& c) { return SameText(c.Name, name); });
  return it == QuilRenderClasses.end() ? nullptr : &*it;
}

std::unique_ptr<TCanvas3D> CreateCanvasByClassName(const std::string& name) {
  const TCanvasClass* c = FindCanvasClass(name);
  return c && c->Create ? c->Create() : nullptr;
}

void InitializeCanvas3DUnit() {
  RegisterCanvasClass({"TQuilCanvas3D", [] { return std::make_unique<TQuilCanvas3D>(); }});
}

void FinalizeCanvas3DUnit() {
  UnregisterCanvasClass("TQuilCanvas3D");
  DeleteClipHistory();
}

}  // namespace quil
