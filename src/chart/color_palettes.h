#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/color.h"

namespace quil {

class TCustomAxisPanel;
class TStrings;

// One named palette of the registry.
struct TColorPalette {
  std::string Name;
  std::vector<TColor> Colors;
};

// The registry of named colour palettes a chart chooses from by index (ColorPaletteIndex). It
// starts with the 23 built-in palettes, named by the message texts of the moment it is created;
// palette 0 has no colours, which means the global default palette.
class TColorPalettes {
 public:
  TColorPalettes();

  int Count() const { return static_cast<int>(palettes_.size()); }
  // The index of the palette of that name, compared without regard to case, or -1.
  int IndexOf(const std::string& name) const;
  // Replaces the colours of the palette of that name, or appends a new palette; answers its index.
  int RegisterPalette(const std::string& name, const std::vector<TColor>& colors);
  // Appends a palette, whatever its name; answers its index.
  int Add(const std::string& name, const std::vector<TColor>& colors);
  // Empty for an index out of range.
  std::string GetName(int index) const;
  // Nothing for an index out of range.
  void SetName(int index, const std::string& name);
  // Replaces the colours of palette index by a copy of colors; nothing for an index out of range.
  void CopyPalette(int index, const std::vector<TColor>& colors);
  // A copy of the colours; empty for an index out of range, negative ones included.
  std::vector<TColor> GetPalette(int index) const;
  // Appends the palette names, after "Default" when asked.
  void AddTo(TStrings& items, bool addDefault) const;

  // Gives the chart a copy of palette index (none for an index out of range, so that it uses
  // the global default), makes that its ColorPaletteIndex when it is a chart, and repaints.
  static void ApplyPalette(TCustomAxisPanel& chart, int index);
  // Gives the chart a copy of colors (an empty list clears its own palette); its series with
  // automatic colours take them anew.
  static void ApplyPalette(TCustomAxisPanel& chart, const std::vector<TColor>& colors);

 private:
  std::vector<TColorPalette> palettes_;
};

// The registry, created and filled on first use.
TColorPalettes& ColorPalettes();
// Frees the registry (the chart module's shut-down); the next use creates it afresh.
void FreeColorPalettes();

}  // namespace quil
