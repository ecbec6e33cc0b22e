#pragma once

#include <vector>

#include "canvas/quil_region.h"

namespace quil {

// The clip regions saved by nested clips, newest last. One stack serves every canvas, as
// clips are always undone in the order they were made on the one drawing thread.
std::vector<TQuilRegion>& ClipHistory();
// Forgets every saved region (at shutdown).
void DeleteClipHistory();

}  // namespace quil
