#pragma once

#include "core/properties.h"

namespace quil {

// Names of colour constants ("clRed", "clBtnFace", ...) for colour properties.
const TIdentMap& ColorIdents();
// Names of character sets ("DEFAULT_CHARSET", ...) for font charsets.
const TIdentMap& CharsetIdents();

}  // namespace quil
