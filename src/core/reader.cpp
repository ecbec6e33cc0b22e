#include "core/reader.h"

#include "core/exceptions.h"

namespace quil {

namespace {

[[noreturn]] void Unsupported(const char* operation) {
  throw EReadError(QuilFormat("This reader cannot %s", operation));
}

}  // namespace

TValueType TReader::NextValue() { Unsupported("look ahead"); }

void TReader::SkipValue() { Unsupported("skip values"); }

void TReader::ReadData(TComponent&) { Unsupported("read objects"); }

}  // namespace quil
