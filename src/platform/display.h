// Where the composed surface goes and input comes from: an SDL window, or nothing at all
// when headless.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/input.h"
#include "platform/pixmap.h"

namespace sw::platform {

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
  // The desktop's clipboard, as text. Without a window the player keeps one of its own.
  virtual std::string ClipboardText() const { return clipboard_; }
  virtual void SetClipboardText(const std::string& text) { clipboard_ = text; }

 private:
  std::string clipboard_;
};

// An SDL window with a renderer (works with SDL's dummy video driver too).
std::unique_ptr<Display> CreateWindowDisplay();
// No window, no device: input comes only from the automation; the process still ends on
// an interrupt signal.
std::unique_ptr<Display> CreateHeadlessDisplay();

}  // namespace sw::platform
