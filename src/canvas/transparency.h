#pragma once

namespace quil {

// A percentage from 0 (opaque) to 100 (invisible).
using TQuilTransparency = int;

}  // namespace quil
