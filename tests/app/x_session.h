#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quil::testing {

// A rectangle of a window's pixels as 0xRRGGBB values.
struct TPixels {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<uint32_t> rgb;

  uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>((y - top) * width + (x - left))]; }
  bool operator==(const TPixels&) const = default;
};

// A connection to the X server named by DISPLAY, with the few things a window test does:
// find a window, read its pixels, move and click the mouse and press keys through XTest.
class TXSession {
 public:
  TXSession();
  ~TXSession();
  TXSession(const TXSession&) = delete;
  TXSession& operator=(const TXSession&) = delete;

  bool Connected() const { return display_ != nullptr; }
  // A mapped top-level window with this title, or 0.
  Window FindWindow(const std::string& title) const;
  // A mapped top-level window of the process (by the _NET_WM_PID the toolkit sets), or 0.
  Window FindWindowOf(pid_t pid) const;
  TPixels Capture(Window window, int left, int top, int width, int height) const;
  uint32_t Pixel(Window window, int x, int y) const;
  // Size of the window's client area.
  void Size(Window window, int& width, int& height) const;

  // Without a window manager the keyboard focus follows the pointer unless a window takes it.
  void Focus(Window window);
  void MoveMouse(Window window, int x, int y);
  void PressButton(unsigned button, bool down);
  void PressKey(const char* keysymName, bool down);
  void Click(Window window, int x, int y, unsigned button = 1);
  void Key(const char* keysymName, bool shift = false);
  void Resize(Window window, int width, int height);
  // What a window manager sends when the user closes the window.
  void RequestClose(Window window);
  // Destroys the window outright, as a window manager or a tool may do to a window that
  // ignores the close request.
  void DestroyWindow(Window window);
  // Lets go of every button and key still held, so one test cannot leave the next a drag.
  void ReleaseAll();
  void Sync();

 private:
  Window FindTopLevel(const std::function<bool(Window)>& matches) const;

  Display* display_ = nullptr;
  std::vector<unsigned> buttonsDown_;
  std::vector<std::string> keysDown_;
};

// Polls until the condition holds or the time is up; answers the last result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// The exit status of the child process once it has ended within the time (128 + the signal
// for one killed by a signal), nullopt while it still runs. An ended child's pid becomes -1.
std::optional<int> WaitForExit(pid_t& pid, std::chrono::milliseconds timeout);

}  // namespace quil::testing
