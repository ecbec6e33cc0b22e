#pragma once

#include <cstdint>

namespace quil {

// The four bytes every stored form description starts with.
inline constexpr char kFormSignature[4] = {'K', 'W', 'D', '0'};

// Flags in the optional prefix of an object record (its first byte is 0xF0 or more).
enum TFilerFlag : uint8_t {
  ffInherited = 1,  // the object exists already; it is looked up instead of created
  ffChildPos = 2,   // an integer value with the child's position follows
  ffInline = 4,     // an inline frame
};
inline constexpr uint8_t kPrefixMark = 0xF0;

// Failures a description can cause; the texts users see.
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kPropertyDoesNotExist = "Property %s does not exist";
inline constexpr const char* kPropertyReadOnly = "Property is read-only";
inline constexpr const char* kClassNotFound = "Class %s not found";
inline constexpr const char* kResourceNotFound = "Resource %s not found";
inline constexpr const char* kErrorReading = "Error reading %s%s%s: %s";
inline constexpr const char* kAncestorNotFound = "Ancestor for '%s' not found";
inline constexpr const char* kNestedTooDeeply = "Stream nested too deeply";
inline constexpr const char* kNameTooLong = "Name %s is too long to be stored";

// Objects, lists and property paths nested deeper than this are refused: the stack stays small
// whatever a file holds.
inline constexpr int kMaxStreamNesting = 64;

}  // namespace quil
