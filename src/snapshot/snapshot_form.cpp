#include "snapshot/snapshot_form.h"

#include <cstdio>
#include <string_view>

#include "app/form_file.h"
#include "app/main_form.h"

namespace quil {

bool TakeSnapshotFormOptions(int& argc, char** argv, TSnapshotFormOptions& options) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string* target = arg == "--form" ? &options.FormFile : arg == "--save-form" ? &options.SaveFormFile : nullptr;
    if (!target) {
      argv[kept++] = argv[i];
      continue;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "chart_snapshot: %s needs a file name\n", argv[i]);
      return false;
    }
    *target = argv[++i];
  }
  argc = kept;
  return true;
}

std::unique_ptr<TForm> SnapshotForm(const TSnapshotFormOptions& options) {
  return options.FormFile.empty() ? CreateMainForm() : LoadFormFile(options.FormFile);
}

void SaveSnapshotForm(const TSnapshotFormOptions& options, TForm& form) {
  if (!options.SaveFormFile.empty()) SaveFormFile(form, options.SaveFormFile);
}

}  // namespace quil
