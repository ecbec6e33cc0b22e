#pragma once

#include <memory>
#include <string>

#include "core/forms.h"

namespace quil {

// A window read from a stored description file. Failures to open or read the file, and every
// reading error of the description, are exceptions with their message; no window is returned
// half-built.
std::unique_ptr<TForm> LoadFormFile(const std::string& path);

// Stores the description of form in path. The bytes go to a temporary file beside it first,
// so a failed write leaves an existing file as it was.
void SaveFormFile(TForm& form, const std::string& path);

// The first chart (a windowed control that holds series) of form, or nullptr.
class TControl* FirstChart(TForm& form);

}  // namespace quil
