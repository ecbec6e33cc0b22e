#pragma once

#include <memory>
#include <string>

#include "core/forms.h"

namespace quil {

// The description options of chart_snapshot: "--form FILE" renders the chart of the window
// that file describes instead of the main window's; "--save-form FILE" stores the window that
// was drawn as a description.
struct TSnapshotFormOptions {
  std::string FormFile;
  std::string SaveFormFile;
};

// The window to draw: read from the option's file, or the main window.
std::unique_ptr<TForm> SnapshotForm(const TSnapshotFormOptions& options);

// Stores form when asked to.
void SaveSnapshotForm(const TSnapshotFormOptions& options, TForm& form);

}  // namespace quil
