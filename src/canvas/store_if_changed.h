#pragma once

namespace quil {

// Writes value into field when it differs; the answer tells a setter whether to report.
template <class T>
bool StoreIfChanged(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace quil
