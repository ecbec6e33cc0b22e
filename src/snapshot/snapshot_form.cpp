#include "snapshot/snapshot_form.h"

#include "app/form_file.h"
#include "app/main_form.h"

namespace quil {

std::unique_ptr<TForm> SnapshotForm(const TSnapshotFormOptions& options) {
  return options.FormFile.empty() ? CreateMainForm() : LoadFormFile(options.FormFile);
}

void SaveSnapshotForm(const TSnapshotFormOptions& options, TForm& form) {
  if (!options.SaveFormFile.empty()) SaveFormFile(form, options.SaveFormFile);
}

}  // namespace quil
