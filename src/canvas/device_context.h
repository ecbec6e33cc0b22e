#pragma once

#include <cairo.h>

#include "core/host.h"

namespace quil {

// A paint target as the drawing layer sees it: a Cairo context whose user space is the
// control's client pixels. Hosts create one for every paint.
class TCairoDeviceContext : public TDeviceContext {
 public:
  explicit TCairoDeviceContext(cairo_t* cr) : cr_(cr) {}
  cairo_t* Context() const { return cr_; }

 private:
  cairo_t* cr_;  // not owned: the host's for the length of one paint
};

}  // namespace quil
