#pragma once

#include <string>
#include <vector>

#include "core/control.h"
#include "core/host.h"

namespace quil::test {

// A host that keeps what its controls asked of it, in order, as "Request:ControlName" lines.
class TRecordingHost : public IControlHost {
 public:
  std::vector<std::string> Log;
  const TControl* Focused = nullptr;
  const TControl* Captured = nullptr;
  TPoint MousePos;

  void InvalidateControl(TControl& c) override { Record("Invalidate", c); }
  void UpdateControl(TControl& c) override { Record("Update", c); }
  void SetControlCursor(TControl& c, int cursor) override { Record("Cursor" + std::to_string(cursor), c); }
  void SetCapture(TControl& c, bool capture) override {
    Record(capture ? "Capture" : "Release", c);
    if (capture)
      Captured = &c;
    else if (Captured == &c)
      Captured = nullptr;
  }
  void SetFocus(TControl& c) override {
    Record("Focus", c);
    Focused = &c;
  }
  bool IsFocused(const TControl& c) const override { return Focused == &c; }
  TPoint CursorPos(const TControl&) const override { return MousePos; }
  void BoundsChanged(TControl& c) override { Record("Bounds", c); }
  void SetRoundRegion(TControl& c, int round) override { Record("Region" + std::to_string(round), c); }
  void ControlRemoved(TControl& c) override {
    Record("Removed", c);
    if (Focused == &c) Focused = nullptr;
    if (Captured == &c) Captured = nullptr;
  }

  // The logged requests of one kind, e.g. Requests("Invalidate") = {"Chart1", "Chart1"}.
  std::vector<std::string> Requests(const std::string& kind) const {
    std::vector<std::string> names;
    for (const auto& line : Log)
      if (line.compare(0, kind.size() + 1, kind + ":") == 0) names.push_back(line.substr(kind.size() + 1));
    return names;
  }

 private:
  void Record(const std::string& what, const TControl& c) { Log.push_back(what + ":" + c.Name()); }
};

}  // namespace quil::test
