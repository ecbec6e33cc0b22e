#pragma once

#include <cstddef>

// Files compiled into the program by embed_resource() (src/app/CMakeLists.txt).
namespace quil::embedded {

// resources/quil_cursor_hand.png: the hand cursor, a 32x32 PNG.
extern const unsigned char QUIL_CURSOR_HAND[];
extern const std::size_t QUIL_CURSOR_HAND_size;

}  // namespace quil::embedded
