// Sends a running program's window a long, seeded random stream of mouse moves, button
// presses, wheel notches, keys and resizes through XTest, then asks the window to close. The
// resident memory of the process is read after the first thousand events and at the end, both
// times with the window back at its first size and given time to settle.
//   soak_driver PID EVENTS SEED
// Prints "rss_first_kib N", "rss_end_kib N" and "rss_growth_percent P"; exits 0 when the
// window was found and the close was sent, 1 otherwise. Whether the program then ends cleanly
// is for the caller to judge.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/x_session.h"

namespace {

using namespace std::chrono_literals;
using quil::testing::TXSession;
using quil::testing::WaitUntil;

// The window may go away under a request or be resized while we ask about it: the soak is
// about the program, so the driver ignores X errors instead of exiting on them.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

class TSoak {
 public:
  TSoak(TXSession& x, Window window, unsigned seed) : x_(x), window_(window), random_(seed) {
    x_.Size(window_, width_, height_);
    firstWidth_ = width_;
    firstHeight_ = height_;
  }

  void Event() {
    const int kind = Pick(0, 99);
    if (kind < 55) Move();
    else if (kind < 75) Button();
    else if (kind < 87) Wheel();
    else if (kind < 97) Key();
    else Resize(Pick(200, 1600), Pick(150, 1200));
    x_.Sync();
  }

  // Lets go of what is held, gives the window its first size back and waits for it to settle.
  void Settle() {
    x_.ReleaseAll();
    for (bool& held : held_) held = false;
    Resize(firstWidth_, firstHeight_);
    x_.MoveMouse(window_, firstWidth_ / 2, firstHeight_ / 2);
    std::this_thread::sleep_for(3s);
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // Mostly inside the window, sometimes beyond its edges, as a drag that leaves and comes back.
  void Move() { x_.MoveMouse(window_, Pick(-100, width_ + 100), Pick(-100, height_ + 100)); }

  void Button() {
    const unsigned button = static_cast<unsigned>(Pick(1, 3));
    held_[button] = !held_[button];
    x_.PressButton(button, held_[button]);
  }

  void Wheel() {
    const unsigned button = static_cast<unsigned>(Pick(4, 7));
    x_.PressButton(button, true);
    x_.PressButton(button, false);
  }

  void Key() {
    static const char* const keys[] = {"Tab", "Return", "space", "Escape", "Left", "Right",
                                       "Up",  "Down",   "a",     "plus",   "minus"};
    const char* key = keys[Pick(0, static_cast<int>(std::size(keys)) - 1)];
    const bool shift = Pick(0, 3) == 0;
    x_.Key(key, shift);
  }

  void Resize(int width, int height) {
    width_ = width;
    height_ = height;
    x_.Resize(window_, width, height);
  }

  TXSession& x_;
  Window window_;
  std::mt19937 random_;
  int width_ = 0, height_ = 0, firstWidth_ = 0, firstHeight_ = 0;
  bool held_[4] = {};
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: soak_driver PID EVENTS SEED\n");
    return 2;
  }
  const pid_t pid = static_cast<pid_t>(std::atol(argv[1]));
  const long events = std::atol(argv[2]);
  const unsigned seed = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10));
  TXSession x;
  if (!x.Connected()) {
    std::fprintf(stderr, "soak_driver: no X display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreXError);
  Window window = 0;
  if (!WaitUntil([&] { return (window = x.FindWindowOf(pid)) != 0; }, 60s)) {
    std::fprintf(stderr, "soak_driver: no window of process %d\n", static_cast<int>(pid));
    return 1;
  }
  // Until the first picture is up, a resize may reach a window the toolkit is still mapping.
  std::this_thread::sleep_for(2s);
  x.Focus(window);

  TSoak soak(x, window, seed);
  long firstKiB = -1;
  const long firstBatch = events < 1000 ? events / 2 : 1000;
  for (long i = 1; i <= events; ++i) {
    soak.Event();
    // Keeps the program's queue short: under a sanitizer it paints far slower than we send.
    if (i % 20 == 0) std::this_thread::sleep_for(15ms);
    if (i == firstBatch) {
      soak.Settle();
      firstKiB = ResidentKiB(pid);
    }
    if (i % 1000 == 0) std::fprintf(stderr, "soak_driver: %ld events\n", i);
  }
  soak.Settle();
  const long endKiB = ResidentKiB(pid);
  std::printf("rss_first_kib %ld\nrss_end_kib %ld\n", firstKiB, endKiB);
  if (firstKiB > 0 && endKiB > 0) std::printf("rss_growth_percent %.1f\n", 100.0 * (endKiB - firstKiB) / firstKiB);
  std::fflush(stdout);
  x.RequestClose(window);
  return firstKiB > 0 && endKiB > 0 ? 0 : 1;
}
