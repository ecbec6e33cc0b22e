#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quil {

class TComponent;
class TMetaClass;

// Raw data carried by the program, found by type and name.
inline constexpr int RT_RCDATA = 10;

struct TResource {
  int Type;
  std::string_view Name;
  std::span<const uint8_t> Bytes;
};

// The resource of that type whose name matches without regard to case, or nothing.
std::optional<std::span<const uint8_t>> FindResource(std::span<const TResource> resources, int type,
                                                     std::string_view name);

// Reads into root the stored descriptions of its class and of its ancestors below baseClass,
// ancestors first, each found as the raw-data resource named after its class in capitals;
// then runs Loaded for every object read, in the order they were listed. Fails with
// "Resource %s not found" (the root's class name) when there is none.
void InitInheritedComponent(TComponent& root, const TMetaClass& baseClass, std::span<const TResource> resources);

}  // namespace quil
