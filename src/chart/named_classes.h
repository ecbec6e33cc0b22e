#pragma once

#include <string>

#include "core/persistent.h"

namespace quil {

// Classes the program only needs by name: series kinds, tools and functions whose behaviour
// lives outside this library. Each exists once, with the ancestor it would have, so the
// registries and the class registry can list it; it cannot be created.
const TMetaClass& NamedClass(const std::string& name, const TMetaClass& parent);

}  // namespace quil
