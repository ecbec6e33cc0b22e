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
                               {&ROvede::StaticClass(), &TButton::StaticClass(), &TLegendPaletteTool::StaticClass()});
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

namespace {

// Objects are created loading and told that loading ended only when the whole window is
// built, as a stored description is read.
template <class T>
T& CreateLoading(TForm& form, const std::string& name) {
  auto& c = MakeOwned<T>(form);
  c.SetState(csLoading);
  c.SetName(name);
  c.SetParent(&form);
  return c;
}

}  // namespace

std::unique_ptr<TForm> CreateMainForm() {
  // Every chart reads its options when it is created: one reading of the file serves them all.
  const TQuilOptionReading options;
  auto form = std::make_unique<TForm>();
  form->SetState(csLoading);
  form->SetName("Form1");
  form->SetCaption("Form1");
  form->SetClientWidth(1345);
  form->SetClientHeight(966);
  form->SetColor(clBtnFace);

  auto& series = MakeOwned<TSurfaceSeries>(*form);
  series.SetState(csLoading);
  series.SetName("Series1");
  series.SetHoverElement(0);
  series.Selected().Hover().SetVisible(false);
  for (ROvedeValueList* list : {&series.XValues(), &series.YValues(), &series.ZValues()}) list->SetOrder(loNone);

  auto& chart = CreateLoading<ROvede>(*form, "Chart1");
  chart.SetBounds(185, 120, 913, 705);
  chart.SetTabOrder(0);
  chart.SetDefaultCanvasName("TGDIPlusCanvas");
  chart.Title().SetText({"ROvede"});
  chart.SetColorPaletteIndex(0);
  series.SetParenrOvede(&chart);

  auto& tool = MakeOwned<TLegendPaletteTool>(*form);
  tool.SetState(csLoading);
  tool.SetName("ChartTool1");
  tool.SetParenrOvede(&chart);
  tool.SetSeries(&series);

  auto& button = CreateLoading<TButton>(*form, "Button1");
  button.SetBounds(1104, 768, 137, 25);
  button.SetCaption("Button1");
  button.SetTabOrder(1);

  // The order a reader lists them in: the window first, then each child after what it holds.
  for (TComponent* c : std::initializer_list<TComponent*>{form.get(), &series, &tool, &chart, &button}) c->Loaded();
  form->SetActiveControl(&chart);
  return form;
}

}  // namespace quil
