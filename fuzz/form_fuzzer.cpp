// Fuzz target of the form description reader: builds a window from arbitrary bytes, renders
// every chart of it headless, then writes the window back and reads that again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <span>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "core/control.h"
#include "panel/headless_host.h"

namespace {

// Small pictures keep every run fast; what a description sizes larger is drawn smaller.
constexpr int kMaxSide = 160;

void RenderControls(quil::TForm& form) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* control = dynamic_cast<quil::TControl*>(form.Components(i));
    if (!control) continue;
    quil::THeadlessHost host(*control);
    host.Render(std::clamp(control->Width(), 0, kMaxSide), std::clamp(control->Height(), 0, kMaxSide));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static const quil::TLibraryStartup library;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::unique_ptr<quil::TForm> form;
  try {
    form = quil::ReadFormDescription(std::span<const uint8_t>(data, size));
  } catch (const std::exception&) {
    return 0;  // a clear error is the expected answer to most inputs
  }
  try {
    RenderControls(*form);
    const std::vector<uint8_t> written = quil::WriteFormDescription(*form);
    form.reset();
    quil::ReadFormDescription(written);
  } catch (const std::exception&) {
    // Drawing and writing may refuse what a description set; they must not crash.
  }
  return 0;
}
