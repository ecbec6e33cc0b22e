#pragma once

#include <cstddef>

// Generated at build time from resources/form1.txt (resources/resources.cmake).
namespace quil::embedded {

// The main window's stored description.
extern const unsigned char TFORM1[];
extern const std::size_t TFORM1_size;

}  // namespace quil::embedded
