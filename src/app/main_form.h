#pragma once

#include <memory>

#include "core/forms.h"

namespace quil {

// The main window with its chart and button, built as its form description would build it.
std::unique_ptr<TForm> CreateMainForm();

}  // namespace quil
