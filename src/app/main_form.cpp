#include "app/main_form.h"

#include "chart/rovede.h"
#include "panel/option_store.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"

namespace quil {

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
