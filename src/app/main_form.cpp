#include "app/main_form.h"

#include "app/placeholder_chart.h"

namespace quil {

std::unique_ptr<TForm> CreateMainForm() {
  auto form = std::make_unique<TForm>();
  form->SetName("Form1");
  form->SetCaption("Form1");
  form->SetClientWidth(1345);
  form->SetClientHeight(966);
  form->SetColor(clBtnFace);

  auto& chart = MakeOwned<TPlaceholderChart>(*form);
  chart.SetName("Chart1");
  chart.SetParent(form.get());
  chart.SetBounds(185, 120, 913, 705);
  chart.SetTabStop(true);
  chart.SetTabOrder(0);

  auto& button = MakeOwned<TButton>(*form);
  button.SetName("Button1");
  button.SetParent(form.get());
  button.SetBounds(1104, 768, 137, 25);
  button.SetCaption("Button1");
  button.SetTabOrder(1);

  form->SetActiveControl(&chart);
  return form;
}

}  // namespace quil
