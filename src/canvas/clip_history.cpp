#include "canvas/clip_history.h"

namespace quil {

std::vector<TQuilRegion>& ClipHistory() {
  static std::vector<TQuilRegion> history;
  return history;
}

void DeleteClipHistory() { ClipHistory().clear(); }

}  // namespace quil
