#include "canvas/raster_backend.h"

#include "canvas/solid_quad_fill.h"

namespace quil {

std::unique_ptr<TSolidQuadFill> TRasterBackend::SolidQuadFill(std::function<void(const TPoint (&)[4], TColor)>) {
  return nullptr;
}

}  // namespace quil
