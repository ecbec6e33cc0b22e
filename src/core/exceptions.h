#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <initializer_list>

namespace quil {

// Replaces each %s or %d of pattern, left to right, with the next argument; "%%" is a percent
// sign. Message texts of the library are written with these placeholders.
std::string QuilFormat(std::string_view pattern, std::initializer_list<std::string_view> args);

template <class... Args>
std::string QuilFormat(std::string_view pattern, const Args&... args) {
  return QuilFormat(pattern, {std::string_view(args)...});
}

// Base of every failure the library reports with one of its message texts.
class EQuilError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ERangeError : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EComponentError : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EClassNotFound : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EPropertyError : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EConvertError : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EReadError : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EResNotFound : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

class EAssertionFailed : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

}  // namespace quil
