#include "core/messages.h"

namespace quil {

std::string NewLine;

void InitializeMessages() { NewLine = "\r"; }

void FinalizeMessages() { NewLine.clear(); }

}  // namespace quil
