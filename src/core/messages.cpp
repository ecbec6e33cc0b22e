#include "core/messages.h"

namespace quil {

std::string NewLine;

namespace {
constexpr char QuilLineBreak = 13;
}  // namespace

void InitializeMessages() { NewLine.assign(1, QuilLineBreak); }

void FinalizeMessages() { NewLine.clear(); }

}  // namespace quil
