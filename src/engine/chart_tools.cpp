#include "engine/chart_tools.h"

#include <algorithm>

#include "core/exceptions.h"
#include "engine/axis_panel.h"

namespace quil {

TQuilCustomTool& ROvedeTools::operator[](int index) const {
  if (index < 0 || index >= Count())
    throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
  return *tools_[static_cast<std::size_t>(index)];
}

int ROvedeTools::IndexOf(const TQuilCustomTool& tool) const {
  const auto it = std::find(tools_.begin(), tools_.end(), &tool);
  return it == tools_.end() ? -1 : static_cast<int>(it - tools_.begin());
}

void ROvedeTools::InternalAdd(TQuilCustomTool& tool) {
  if (IndexOf(tool) >= 0) return;
  tools_.push_back(&tool);
}

TQuilCustomTool& ROvedeTools::Add(TQuilCustomTool& tool) {
  if (chart_)
    tool.SetParenrOvede(chart_);
  else
    InternalAdd(tool);
  return tool;
}

TQuilCustomTool& ROvedeTools::Add(const TMetaClass& toolClass) {
  if (!toolClass.InheritsFrom(TQuilCustomTool::StaticClass()) || !toolClass.CanCreate())
    throw EConvertError(QuilFormat("Cannot create a tool of class %s", toolClass.ClassName()));
  TComponent* owner = chart_ ? (chart_->Owner() ? chart_->Owner() : chart_) : nullptr;
  if (!owner) throw EComponentError("A tool needs a chart or an owner");
  auto created = toolClass.CreateComponent(owner);
  auto& tool = static_cast<TQuilCustomTool&>(owner->InsertComponent(std::move(created)));
  return Add(tool);
}

void ROvedeTools::Remove(TQuilCustomTool& tool) {
  tools_.erase(std::remove(tools_.begin(), tools_.end(), &tool), tools_.end());
}

void ROvedeTools::Clear() {
  while (!tools_.empty()) {
    TQuilCustomTool& tool = *tools_.back();
    if (TComponent* owner = tool.Owner())
      owner->DestroyComponent(tool);
    else if (chart_)
      tool.SetParenrOvede(nullptr);
    // A tool that is still listed left neither way (no chart to leave): drop it here.
    if (!tools_.empty() && tools_.back() == &tool) tools_.pop_back();
  }
}

void ROvedeTools::SetActive(bool value) {
  const std::vector<TQuilCustomTool*> tools = tools_;
  for (TQuilCustomTool* tool : tools) tool->SetActive(value);
}

}  // namespace quil
