#include "core/filer.h"

#include <algorithm>
#include <cstring>

#include "core/exceptions.h"

namespace quil {

void TMemoryStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count > bytes_.size() - std::min(position_, bytes_.size())) throw EReadError("Stream read error");
  if (count) std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
}

void TMemoryStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  if (count) std::memcpy(bytes_.data() + position_, buffer, count);
  position_ += count;
}

}  // namespace quil
