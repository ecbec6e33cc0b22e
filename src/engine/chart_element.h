#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "canvas/brush.h"
#include "canvas/pen.h"
#include "core/component.h"

namespace quil {

class TCustomAxisPanel;

// Base of everything a user adds to a chart as a component of its own (series, tools): an
// Active switch, a brush and a pen, and a link to the chart it belongs to. The chart is not
// owned; it clears the link when it goes.
class TCustomChartElement : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomChartElement(TComponent* owner = nullptr);
  ~TCustomChartElement() override;

  bool Active() const { return active_; }
  virtual void SetActive(bool value);
  TQuilBrush& Brush() { return *brush_; }
  const TQuilBrush& Brush() const { return *brush_; }
  void SetBrush(const TQuilBrush& brush) { brush_->Assign(brush); }
  // Created on first use through CreateChartPen, so a kind's own pen class takes part.
  TQuilPen& Pen();
  const TQuilPen* PenOrNull() const { return pen_.get(); }
  virtual void SetPen(const TQuilPen& pen);
  bool ShowInEditor() const { return showInEditor_; }
  void SetShowInEditor(bool value) { showInEditor_ = value; }
  int64_t Tag() const { return tag_; }
  void SetTag(int64_t value) { tag_ = value; }
  // An object of the program's own choosing; not owned.
  TPersistent* TagObject() const { return tagObject_; }
  void SetTagObject(TPersistent* value) { tagObject_ = value; }

  TCustomAxisPanel* ParenrOvede() const { return parenrOvede_; }
  // Series and tools extend this to leave the old chart's list and join the new one's.
  virtual void SetParenrOvede(TCustomAxisPanel* chart);

  // Not to be stored with the form.
  bool DontSave() const { return dontSave_; }
  void SetDontSave(bool value) { dontSave_ = value; }
  // For the library's own use (an inner chart's series): skipped when depth slots are given out.
  bool InternalUse() const { return internalUse_; }
  void SetInternalUse(bool value) { internalUse_ = value; }

  // Asks the chart to repaint; nothing without one.
  void Repaint() const;
  // A drawing attribute of the element changed.
  virtual void CanvasChanged(TPersistent& sender);
  // Editors are not part of this library: no element names one.
  virtual std::string GetEditorClass() const { return {}; }

  // From another element: Active, Brush, Pen, Tag and TagObject.
  void Assign(const TPersistent& source) override;

  // A stored element nests inside its chart, and joins the chart it is read into.
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  virtual std::unique_ptr<TQuilPen> CreateChartPen();
  TChangeHandler ChangeHandler();
  // Store and repaint, only when the value really changes.
  void SetBooleanProperty(bool& field, bool value);
  void SetIntegerProperty(int& field, int value);
  void SetColorProperty(TColor& field, TColor value);
  void SetDoubleProperty(double& field, double value);
  void SetStringProperty(std::string& field, const std::string& value);
  void Notification(TComponent* component, TOperation operation) override;
  // The chart link changed (or was cleared because the chart went): parts that draw on the
  // chart follow it.
  virtual void ChartChanged() {}
  // Stores the chart link alone, without the joining and leaving SetParenrOvede does; the
  // chart's list operations use it too.
  void StoreParenrOvede(TCustomAxisPanel* chart);

 private:
  friend class TCustomAxisPanel;

  std::unique_ptr<TQuilBrush> brush_;
  std::unique_ptr<TQuilPen> pen_;
  TCustomAxisPanel* parenrOvede_ = nullptr;
  TPersistent* tagObject_ = nullptr;
  int64_t tag_ = 0;
  bool active_ = true;
  bool showInEditor_ = true;
  bool dontSave_ = false;
  bool internalUse_ = false;
};

}  // namespace quil
