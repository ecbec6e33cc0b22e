#pragma once

#include <exception>
#include <functional>
#include <map>
#include <memory>

#include "core/forms.h"
#include "core/host.h"

// Only the toolkit's type names, so that code driving a window needs no toolkit headers.
struct _GtkWidget;
struct _GtkCssProvider;

namespace quil {

class TScreenCursors;

// A form on screen: a top-level window with the form's caption, client size and colour, and
// one toolkit widget per child control, placed at the control's bounds in a fixed layout so
// that resizing the window moves nothing. A push button becomes the toolkit's button; every
// other control becomes a drawing area that paints through the control and feeds it mouse and
// key input. The window is the host of the form and its controls.
//
// An embedded form has no window of its own: its layout is a widget another program places in
// its own window (Widget()), asking for the form's size; the mouse reaches the controls as in a
// form window, the keys stay with that program, and Run runs the loop until the program ends it
// or a control raises an error.
class TGtkFormWindow : public IControlHost {
 public:
  enum TPlacement { fpTopLevel, fpEmbedded };

  TGtkFormWindow(TForm& form, const TScreenCursors& cursors, TPlacement placement = fpTopLevel);
  ~TGtkFormWindow() override;
  TGtkFormWindow(const TGtkFormWindow&) = delete;
  TGtkFormWindow& operator=(const TGtkFormWindow&) = delete;

  // Shows the window with the form's active control (or its first tab stop) focused.
  void Show();
  // Runs the message loop until the window is closed. An error a control raised while
  // handling an event ends the loop and is raised again here.
  void Run();
  // Handles the events already queued, without waiting (for tests that drive the window).
  void ProcessPendingEvents();
  // Closes the window as the user would.
  void Close();
  // Ends Run as soon as a control has painted once (for measuring start-up to first paint).
  void SetQuitAfterFirstPaint(bool quit) { quitAfterFirstPaint_ = quit; }
  bool Closed() const { return layout_ == nullptr; }
  // The top-level window, or the layout of an embedded form; null once it is gone.
  _GtkWidget* Widget() const { return window_ ? window_ : layout_; }
  // The X window of the top-level window, 0 when there is none.
  unsigned long NativeWindow() const;

  void InvalidateControl(TControl& control) override;
  void UpdateControl(TControl& control) override;
  void SetControlCursor(TControl& control, int cursor) override;
  void SetCapture(TControl& control, bool capture) override;
  void SetFocus(TControl& control) override;
  bool IsFocused(const TControl& control) const override;
  TPoint CursorPos(const TControl& control) const override;
  void BoundsChanged(TControl& control) override;
  void SetRoundRegion(TControl& control, int round) override;
  void ControlRemoved(TControl& control) override;

 private:
  struct TControlWidget;
  struct Signals;
  friend struct Signals;

  void AddChild(TControl& control);
  TControlWidget* Find(const TControl& control) const;
  void ApplyCursor(TControlWidget& child);
  // Runs a control's handler; an error is kept for Run and ends the message loop.
  void Guarded(const std::function<void()>& handler);
  void WindowDestroyed();
  // The top-level window the form's widgets are in (the program's, for an embedded form).
  _GtkWidget* TopLevel() const;

  TForm& form_;
  const TScreenCursors& cursors_;
  _GtkWidget* window_ = nullptr;
  _GtkWidget* layout_ = nullptr;
  _GtkCssProvider* css_ = nullptr;
  _GtkWidget* embeddedLayout_ = nullptr;  // the reference an embedded form keeps on its layout
  std::map<const TControl*, std::unique_ptr<TControlWidget>> children_;
  std::exception_ptr error_;
  bool running_ = false;
  bool formGone_ = false;
  bool quitAfterFirstPaint_ = false;
};

}  // namespace quil
