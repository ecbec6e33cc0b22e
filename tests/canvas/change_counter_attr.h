#pragma once

#include <vector>

#include "canvas/graphics_object.h"

namespace quil {

// Stands in for an attribute's owner: records every change report and who sent it.
struct TChangeCounter {
  std::vector<const TPersistent*> senders;

  TChangeHandler Handler() {
    return [this](TPersistent& sender) { senders.push_back(&sender); };
  }
  int Count() const { return static_cast<int>(senders.size()); }
  void Reset() { senders.clear(); }
};

}  // namespace quil
