#pragma once

#include <initializer_list>
#include <string_view>

#include "core/persistent.h"

namespace quil {

// Makes a class findable by its name (the form reader creates objects this way).
// Registering a class twice is harmless; a different class under a taken name is refused.
void RegisterClass(const TMetaClass& c);
void RegisterClasses(std::initializer_list<const TMetaClass*> classes);
void UnRegisterClass(const TMetaClass& c);
// The registered class of that name (compared without regard to case), or nullptr.
const TMetaClass* GetClass(std::string_view name);
// As GetClass, failing with "Class %s not found".
const TMetaClass& FindClass(std::string_view name);
// Forgets every registration (shut-down and tests).
void ClearRegisteredClasses();

}  // namespace quil
