#pragma once

namespace quil {

// Start-up of the anti-aliased canvas module, after the drawing layer's own (the plain canvas
// comes first in the canvas class list): starts the backend and adds TGDIPlusCanvas to
// QuilRenderClasses. The finalisation removes the canvas class again and stops the backend.
void InitializeGDIPlusUnit();
void FinalizeGDIPlusUnit();

}  // namespace quil
