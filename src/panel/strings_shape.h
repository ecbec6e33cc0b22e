#pragma once

#include <memory>
#include <string>

#include "core/strings.h"
#include "panel/text_shape.h"

namespace quil {

// A text box whose text is a list of lines (titles). The list and the plain text follow each
// other: the plain text is the lines joined by carriage return and line feed.
class TStringsShape : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TStringsShape(TCustomQuilPanel* parent = nullptr);
  ~TStringsShape() override;

  TStrings& Lines() { return *titleText_; }
  const TStrings& Lines() const { return *titleText_; }
  void SetLines(const TStrings& lines) { titleText_->Assign(lines); }
  // Replaces the lines by those of text.
  void SetText(const std::string& text) override;

  // The first line, or empty; setting it replaces every line (an empty caption clears them).
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  void Clear() { SetCaption(std::string()); }

  void Assign(const TPersistent& source) override;

 private:
  void LinesChanged();

  std::unique_ptr<TStrings> titleText_;
  bool IChangingText = false;
};

}  // namespace quil
