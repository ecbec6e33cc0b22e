#include "engine/chart_element.h"

#include "engine/axis_panel.h"

namespace quil {

const TMetaClass& TCustomChartElement::StaticClass() {
  using C = TCustomChartElement;
  static const TMetaClass meta("TCustomChartElement", &TComponent::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Bool("Active", &C::Active, &C::SetActive, true)
                                   .Bool("ShowInEditor", &C::ShowInEditor, &C::SetShowInEditor, true)
                                   .Int("Tag", &C::Tag, &C::SetTag, 0)
                                   .Build());
  return meta;
}

TCustomChartElement::TCustomChartElement(TComponent* owner)
    : TComponent(owner), brush_(std::make_unique<TQuilBrush>(ChangeHandler())) {}

TCustomChartElement::~TCustomChartElement() { StoreParenrOvede(nullptr); }

TChangeHandler TCustomChartElement::ChangeHandler() {
  return [this](TPersistent& sender) { CanvasChanged(sender); };
}

std::unique_ptr<TQuilPen> TCustomChartElement::CreateChartPen() {
  return std::make_unique<TQuilPen>(ChangeHandler());
}

TQuilPen& TCustomChartElement::Pen() {
  if (!pen_) pen_ = CreateChartPen();
  return *pen_;
}

void TCustomChartElement::SetPen(const TQuilPen& pen) { Pen().Assign(pen); }

void TCustomChartElement::SetActive(bool value) { SetBooleanProperty(active_, value); }

void TCustomChartElement::SetParenrOvede(TCustomAxisPanel* chart) { StoreParenrOvede(chart); }

void TCustomChartElement::StoreParenrOvede(TCustomAxisPanel* chart) {
  if (parenrOvede_ == chart) return;
  if (parenrOvede_) RemoveFreeNotification(*parenrOvede_);
  parenrOvede_ = chart;
  if (parenrOvede_) FreeNotification(*parenrOvede_);
  ChartChanged();
}

void TCustomChartElement::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component && component == parenrOvede_) {
    parenrOvede_ = nullptr;
    ChartChanged();
  }
}

void TCustomChartElement::Repaint() const {
  if (parenrOvede_) parenrOvede_->Invalidate();
}

void TCustomChartElement::CanvasChanged(TPersistent&) { Repaint(); }

void TCustomChartElement::SetBooleanProperty(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TCustomChartElement::SetIntegerProperty(int& field, int value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TCustomChartElement::SetColorProperty(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TCustomChartElement::SetDoubleProperty(double& field, double value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TCustomChartElement::SetStringProperty(std::string& field, const std::string& value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TCustomChartElement::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCustomChartElement*>(&source);
  if (!other) {
    TComponent::Assign(source);
    return;
  }
  if (other == this) return;
  SetActive(other->active_);
  brush_->Assign(*other->brush_);
  if (other->pen_) Pen().Assign(*other->pen_);
  tag_ = other->tag_;
  tagObject_ = other->tagObject_;
}

TComponent* TCustomChartElement::GetParentComponent() const { return parenrOvede_; }

void TCustomChartElement::SetParentComponent(TComponent* parent) {
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(parent)) SetParenrOvede(chart);
}

}  // namespace quil
