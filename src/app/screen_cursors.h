#pragma once

#include <cstddef>
#include <map>

// The toolkit's type names only, so that tests can hold the table without toolkit headers.
struct _GdkDisplay;
struct _GdkCursor;

namespace quil {

// The screen's cursor table: cursor numbers as controls use them, each mapped to a GdkCursor.
// The toolkit's own cursors come from the theme by name; the program installs its hand under
// crQuilHand at start-up. Owns every cursor it holds.
class TScreenCursors {
 public:
  explicit TScreenCursors(_GdkDisplay* display);
  ~TScreenCursors();
  TScreenCursors(const TScreenCursors&) = delete;
  TScreenCursors& operator=(const TScreenCursors&) = delete;

  // Takes over the reference; replaces what the number held.
  void Install(int number, _GdkCursor* cursor);
  void Remove(int number);
  // The cursor for a number; nullptr means the parent window's cursor (crDefault, unknown numbers).
  _GdkCursor* Cursor(int number) const;

 private:
  std::map<int, _GdkCursor*> cursors_;
};

// A cursor from PNG data with its hot spot; fails with an error if the data is no image.
_GdkCursor* CursorFromPng(_GdkDisplay* display, const unsigned char* data, std::size_t size, int hotX, int hotY);

// Installs the program's hand cursor as screen cursor crQuilHand.
void InstallHandCursor(TScreenCursors& cursors, _GdkDisplay* display);

}  // namespace quil
