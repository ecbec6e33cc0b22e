#pragma once

#include <string>

#include "canvas/bitmap.h"

namespace quil {

// Writes the bitmap as an 8-bit RGB PNG, deflated at the given zlib level (1 fastest, 9
// smallest). Translucent pixels are written with their colour at full strength: the file has
// no alpha. At level 1 a 913 x 705 chart picture is written several times faster than Cairo's
// own writer does it, for a file a little larger, which is what repeated renderings (a
// benchmark, a batch of snapshots) want. Raises EQuilError when the bitmap is empty or the file
// cannot be written.
void SaveOpaquePNG(const TBitmap& bitmap, const std::string& path, int level = 1);

}  // namespace quil
