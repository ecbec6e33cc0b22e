#include "core/exceptions.h"

namespace quil {

std::string QuilFormat(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 16);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      const char k = pattern[i + 1];
      if (k == '%') {
        out += '%';
        ++i;
        continue;
      }
      if ((k == 's' || k == 'd') && next != args.end()) {
        out += *next++;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace quil
