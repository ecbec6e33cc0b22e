#include "app/screen_cursors.h"

#include <gtk/gtk.h>

#include <string>

#include "app/embedded_resources.h"
#include "core/exceptions.h"
#include "core/host.h"

namespace quil {

namespace {

// The fingertip of resources/quil_cursor_hand.png (make_cursor_hand.py prints it).
constexpr int kHandHotX = 6;
constexpr int kHandHotY = 0;

struct NamedCursor {
  int number;
  const char* name;
};

// CSS cursor names, which every current cursor theme provides.
constexpr NamedCursor kThemeCursors[] = {
    {crArrow, "default"}, {crCross, "crosshair"}, {crIBeam, "text"}, {crSizeAll, "move"}, {crHandPoint, "pointer"},
};

}  // namespace

TScreenCursors::TScreenCursors(GdkDisplay* display) {
  for (const NamedCursor& c : kThemeCursors)
    if (GdkCursor* cursor = gdk_cursor_new_from_name(display, c.name)) Install(c.number, cursor);
}

TScreenCursors::~TScreenCursors() {
  for (auto& [number, cursor] : cursors_) g_object_unref(cursor);
}

void TScreenCursors::Install(int number, GdkCursor* cursor) {
  Remove(number);
  if (cursor) cursors_[number] = cursor;
}

void TScreenCursors::Remove(int number) {
  auto it = cursors_.find(number);
  if (it == cursors_.end()) return;
  g_object_unref(it->second);
  cursors_.erase(it);
}

GdkCursor* TScreenCursors::Cursor(int number) const {
  auto it = cursors_.find(number);
  return it == cursors_.end() ? nullptr : it->second;
}

GdkCursor* CursorFromPng(GdkDisplay* display, const unsigned char* data, std::size_t size, int hotX, int hotY) {
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
  GError* error = nullptr;
  const bool written = gdk_pixbuf_loader_write(loader, data, size, &error);
  // A loader must always be closed; after a failed write its error is already in hand.
  const bool closed = gdk_pixbuf_loader_close(loader, written ? &error : nullptr);
  GdkPixbuf* image = written && closed ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
  GdkCursor* cursor = image ? gdk_cursor_new_from_pixbuf(display, image, hotX, hotY) : nullptr;
  const std::string why = error ? error->message : "not an image";
  if (error) g_error_free(error);
  g_object_unref(loader);
  if (!cursor) throw EQuilError("Cannot load a cursor: " + why);
  return cursor;
}

void InstallHandCursor(TScreenCursors& cursors, GdkDisplay* display) {
  cursors.Install(crQuilHand, CursorFromPng(display, embedded::QUIL_CURSOR_HAND, embedded::QUIL_CURSOR_HAND_size,
                                            kHandHotX, kHandHotY));
}

}  // namespace quil
