#pragma once

#include <vector>

#include "engine/custom_tool.h"

namespace quil {

class TCustomAxisPanel;
class TMetaClass;

// A chart's tools in the order they joined it, which is the order of every broadcast. The list
// does not own the tools: they are components of their owner.
class ROvedeTools {
 public:
  explicit ROvedeTools(TCustomAxisPanel* chart = nullptr) : chart_(chart) {}
  ROvedeTools(const ROvedeTools&) = delete;
  ROvedeTools& operator=(const ROvedeTools&) = delete;

  TCustomAxisPanel* ParenrOvede() const { return chart_; }
  int Count() const { return static_cast<int>(tools_.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  TQuilCustomTool& operator[](int index) const;
  int IndexOf(const TQuilCustomTool& tool) const;

  // Appends the tool unless this chart already lists it.
  void InternalAdd(TQuilCustomTool& tool);
  // With a chart the tool joins it through its ParenrOvede, which appends it.
  TQuilCustomTool& Add(TQuilCustomTool& tool);
  // Creates a tool of that class owned by the chart's owner (the chart itself when it has none).
  TQuilCustomTool& Add(const TMetaClass& toolClass);
  // Takes the tool out of the list alone.
  void Remove(TQuilCustomTool& tool);
  // Destroys every tool that has an owner through that owner; a tool owned by nobody (its
  // creator holds it) cannot be destroyed here and only leaves the chart.
  void Clear();
  // Switches every tool on or off.
  void SetActive(bool value);

  const std::vector<TQuilCustomTool*>& Items() const { return tools_; }

 private:
  TCustomAxisPanel* chart_;
  std::vector<TQuilCustomTool*> tools_;
};

}  // namespace quil
