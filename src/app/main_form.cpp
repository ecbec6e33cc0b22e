#include "app/main_form.h"

#include "app/embedded_form.h"
#include "chart/rovede.h"
#include "core/binary_reader.h"
#include "core/binary_writer.h"
#include "panel/option_store.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"

namespace quil {

const TMetaClass& TForm1::StaticClass() {
  static const TMetaClass meta("TForm1", &TForm::StaticClass(), {}, ComponentFactory<TForm1>(),
                               {&ROvede::StaticClass(), &TSurfaceSeries::StaticClass(), &TButton::StaticClass(),
                                &TLegendPaletteTool::StaticClass()});
  return meta;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

std::span<const TResource> ProgramResources() {
  static const TResource resources[] = {
      {RT_RCDATA, "TFORM1", {embedded::TFORM1, embedded::TFORM1_size}},
  };
  return resources;
}

std::unique_ptr<TForm> ReadFormDescription(std::span<const uint8_t> bytes) {
  return ReadRootFromBytes<TForm>(bytes, [] { return std::make_unique<TForm1>(); });
}

std::vector<uint8_t> WriteFormDescription(TForm& form) { return WriteComponentToBytes(form); }

std::unique_ptr<TForm> CreateMainForm() {
  // Every chart reads its options when it is created: one reading of the file serves them all.
  const TQuilOptionReading options;
  auto form = std::make_unique<TForm1>();
  InitInheritedComponent(*form, TForm::StaticClass(), ProgramResources());
  return form;
}

}  // namespace quil
