#include "app/x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <sys/wait.h>

#include <string>
#include <thread>

namespace quil::testing {

// Xvfb resets itself when its last client leaves and refuses connections meanwhile, so a
// test that starts just after another may need a few tries.
TXSession::TXSession() {
  WaitUntil([&] { return (display_ = XOpenDisplay(nullptr)) != nullptr; }, std::chrono::seconds(3));
}

TXSession::~TXSession() {
  if (!display_) return;
  ReleaseAll();
  XCloseDisplay(display_);
}

// The first mapped top-level window that matches.
Window TXSession::FindTopLevel(const std::function<bool(Window)>& matches) const {
  Window root = DefaultRootWindow(display_);
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (!XQueryTree(display_, root, &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    if (matches(children[i])) found = children[i];
  }
  if (children) XFree(children);
  return found;
}

Window TXSession::FindWindow(const std::string& title) const {
  return FindTopLevel([&](Window window) {
    char* name = nullptr;
    if (!XFetchName(display_, window, &name) || !name) return false;
    const bool same = title == name;
    XFree(name);
    return same;
  });
}

Window TXSession::FindWindowOf(pid_t pid) const {
  const Atom pidAtom = XInternAtom(display_, "_NET_WM_PID", True);
  if (pidAtom == None) return 0;
  return FindTopLevel([&](Window window) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) != Success ||
        !data)
      return false;
    const bool same = format == 32 && items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    XFree(data);
    return same;
  });
}

TPixels TXSession::Capture(Window window, int left, int top, int width, int height) const {
  TPixels pixels{left, top, width, height, {}};
  XImage* image = XGetImage(display_, window, left, top, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.rgb.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.rgb.push_back(static_cast<uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
  XDestroyImage(image);
  return pixels;
}

uint32_t TXSession::Pixel(Window window, int x, int y) const {
  const TPixels one = Capture(window, x, y, 1, 1);
  return one.rgb.empty() ? 0xFFFFFFFFu : one.rgb[0];
}

void TXSession::Size(Window window, int& width, int& height) const {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display_, window, &attributes);
  width = attributes.width;
  height = attributes.height;
}

void TXSession::Focus(Window window) {
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  Sync();
}

// Through XTest, so the motion takes the same path as a real mouse's.
void TXSession::MoveMouse(Window window, int x, int y) {
  int screenX = x;
  int screenY = y;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &screenX, &screenY, &child);
  XTestFakeMotionEvent(display_, -1, screenX, screenY, CurrentTime);
  Sync();
}

void TXSession::PressButton(unsigned button, bool down) {
  XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
  std::erase(buttonsDown_, button);
  if (down) buttonsDown_.push_back(button);
  Sync();
}

void TXSession::PressKey(const char* keysymName, bool down) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, XStringToKeysym(keysymName)), down ? True : False, CurrentTime);
  std::erase(keysDown_, keysymName);
  if (down) keysDown_.emplace_back(keysymName);
  Sync();
}

void TXSession::ReleaseAll() {
  while (!buttonsDown_.empty()) PressButton(buttonsDown_.back(), false);
  while (!keysDown_.empty()) PressKey(keysDown_.back().c_str(), false);
}

void TXSession::Click(Window window, int x, int y, unsigned button) {
  MoveMouse(window, x, y);
  PressButton(button, true);
  PressButton(button, false);
}

void TXSession::Key(const char* keysymName, bool shift) {
  if (shift) PressKey("Shift_L", true);
  PressKey(keysymName, true);
  PressKey(keysymName, false);
  if (shift) PressKey("Shift_L", false);
}

void TXSession::Resize(Window window, int width, int height) {
  XResizeWindow(display_, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
  Sync();
}

void TXSession::RequestClose(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  Sync();
}

void TXSession::DestroyWindow(Window window) {
  XDestroyWindow(display_, window);
  Sync();
}

void TXSession::Sync() { XSync(display_, False); }

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::optional<int> WaitForExit(pid_t& pid, std::chrono::milliseconds timeout) {
  int status = 0;
  const bool ended = WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeout);
  if (!ended) return std::nullopt;
  pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace quil::testing
