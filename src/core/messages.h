#pragma once

#include <string>

namespace quil {

// A single carriage return, used inside several message texts.
extern std::string NewLine;

// Fills every message text of the library (the QuilMsg_ variables) and NewLine; the
// finalisation empties them again.
void InitializeMessages();
void FinalizeMessages();

}  // namespace quil
