#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quil {

class TCanvas3D;

// A canvas class a panel can choose by name.
struct TCanvasClass {
  std::string Name;
  std::function<std::unique_ptr<TCanvas3D>()> Create;
};

// The canvas classes known to the program, in registration order.
extern std::vector<TCanvasClass> QuilRenderClasses;

// Adds a class (replacing one of the same name) or removes one by name.
void RegisterCanvasClass(TCanvasClass canvasClass);
void UnregisterCanvasClass(const std::string& name);
const TCanvasClass* FindCanvasClass(const std::string& name);
// A new canvas of the named class, or null when no such class is registered.
std::unique_ptr<TCanvas3D> CreateCanvasByClassName(const std::string& name);

// Start-up and shutdown of this drawing layer: registers the plain canvas; the finalisation
// removes it again and forgets the saved clip regions.
void InitializeCanvas3DUnit();
void FinalizeCanvas3DUnit();

}  // namespace quil
