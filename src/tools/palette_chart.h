#pragma once

#include "chart/rovede.h"

namespace quil {

class TCustomAxisPanel;

// The small chart a legend palette tool draws over its host chart. It has no window of its
// own: it is drawn only into the host's picture, so asking it to repaint repaints the host.
class TPaletteChart : public ROvede {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TPaletteChart(TComponent* owner = nullptr);

  // The host chart, not owned; the tool keeps it in step with its own chart.
  TCustomAxisPanel* IParent() const { return iParent_; }
  void SetIParent(TCustomAxisPanel* host) { iParent_ = host; }

  // Repaints the host, unless this chart holds its repaints.
  void Invalidate() override;

  // From another palette chart: its background, frame, effects, margins, titles, axes and the
  // legend's settings.
  void Assign(const TPersistent& source) override;

 private:
  TCustomAxisPanel* iParent_ = nullptr;
};

}  // namespace quil
