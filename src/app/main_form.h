#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "core/form_resources.h"
#include "core/forms.h"

namespace quil {

// The main window's class: a window with no code of its own. Its field classes are those of
// the children its description names, so the reader finds them first.
class TForm1 : public TForm {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TForm1(TComponent* owner = nullptr);
};

// The raw data the program carries: the main window's description "TFORM1".
std::span<const TResource> ProgramResources();

// The main window with its chart and button, read from the description the program carries.
std::unique_ptr<TForm> CreateMainForm();

// A window read from a stored description (a file given on the command line): a TForm1 whose
// objects all come from bytes. The reader's error propagates, and nothing is left behind.
std::unique_ptr<TForm> ReadFormDescription(std::span<const uint8_t> bytes);

// The description of a window, as ReadFormDescription reads it.
std::vector<uint8_t> WriteFormDescription(TForm& form);

}  // namespace quil
