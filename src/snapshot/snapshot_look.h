#pragma once

#include "core/forms.h"
#include "snapshot/snapshot_options.h"

namespace quil {

// Gives the window's chart the title, view and surface look the command line asks for. Asking
// for a surface look of a window whose chart has no surface raises EQuilError.
void ApplySnapshotLook(TForm& form, const TSnapshotOptions& options);

}  // namespace quil
