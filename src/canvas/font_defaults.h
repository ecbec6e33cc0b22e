#pragma once

#include "core/messages.h"

namespace quil {

// QuilMsg_DefaultFontSize as a number (8 when the text is not a number). Fonts read the
// default name and size texts when they are created; a Japanese user locale would use
// another name and size 9.
int QuilDefaultFontSize();

}  // namespace quil
