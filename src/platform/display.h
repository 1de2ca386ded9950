// Where the composed surface goes and input comes from: an SDL window, or nothing at all
// when headless.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/input.h"
#include "platform/pixmap.h"
#include "platform/window_placement.h"

namespace sw::platform {

// A modal dialog shown in a window of its own.
struct DialogPicture {
  int id = 0;  // the same while the dialog stays open; input from its window carries it
  const Pixmap* picture = nullptr;
};

class Display {
 public:
  virtual ~Display() = default;
  // Shows a composed surface: 1:1 in a window, scaled to fit (aspect kept) full screen.
  virtual void Present(const Pixmap& surface) = 0;
  // Appends pending input, positions converted to surface pixels.
  virtual void Poll(std::vector<InputEvent>& out) = 0;
  // Sleeps until input arrives or `timeout_ms` passes.
  virtual void Wait(int timeout_ms) = 0;
  virtual void SetFullscreen(bool on) = 0;
  virtual bool fullscreen() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetPointer(const PointerShape& shape) = 0;
  // Keeps the window above other programs' windows (while the welcome window is active).
  // Without a window there is nothing to keep on top.
  virtual void SetAlwaysOnTop(bool on) { (void)on; }
  // Moves the whole window with the pointer until the button is released: borderless
  // windows are dragged by their background. Without a window there is nothing to move.
  virtual void BeginWindowDrag() {}
  // False when nothing is ever shown, so composing can wait until someone asks.
  virtual bool shows_frames() const = 0;
  // True when dialogs get windows of their own, centred over the main window and free to
  // be larger than it; otherwise they are drawn into the main window's picture.
  virtual bool separate_dialogs() const { return false; }
  // Shows exactly these dialogs, each in its own window; the windows of dialogs no longer
  // listed close.
  virtual void PresentDialogs(const std::vector<DialogPicture>& dialogs) { (void)dialogs; }
  // The desktop's clipboard, as text. Without a window the player keeps one of its own.
  virtual std::string ClipboardText() const { return clipboard_; }
  virtual void SetClipboardText(const std::string& text) { clipboard_ = text; }

 private:
  std::string clipboard_;
};

// No video driver that shows a window to a person could be started.
class NoDisplayError : public std::runtime_error {
 public:
  NoDisplayError() : std::runtime_error("no display: set DISPLAY or use --headless") {}
};

// An SDL window with a renderer. With `require_visible`, SDL's invisible video drivers
// (dummy, offscreen) are refused with NoDisplayError; without it they serve tests.
std::unique_ptr<Display> CreateWindowDisplay(bool require_visible, ScaleMode scale);
// No window, no device: input comes only from the automation; the process still ends on
// an interrupt signal.
std::unique_ptr<Display> CreateHeadlessDisplay();

}  // namespace sw::platform
