// The platform object the application owns and passes down: clock, window or headless
// display, event loop, forms, pictures, fonts, message record and state dump.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/font.h"
#include "platform/form.h"
#include "platform/message_log.h"
#include "platform/picture.h"
#include "platform/state_dump.h"

namespace sw::platform {

struct PlatformOptions {
  // No window and no audio device.
  bool headless = true;
  // Time moves only when the automation (or a test) advances it. Headless implies it.
  bool virtual_clock = true;
  bool fullscreen = false;
  // A window has to be visible to a person: SDL's invisible video drivers are refused with
  // NoDisplayError (tests leave it off to run the window on the dummy driver).
  bool require_display = false;
  // How the window enlarges the picture when it is larger than the picture.
  ScaleMode scale = ScaleMode::kSharp;
};

class Platform {
 public:
  explicit Platform(PlatformOptions options = {});
  ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  bool headless() const { return options_.headless; }
  Clock& clock() { return *clock_; }
  // The virtual clock, or nullptr when real time runs.
  VirtualClock* virtual_clock() { return virtual_clock_; }
  TextEngine& text() { return *text_; }
  PictureCache& pictures() { return pictures_; }
  Desktop& desktop() { return *desktop_; }
  EventLoop& events() { return *events_; }
  Display& display() { return *display_; }
  MessageLog& messages() { return messages_; }
  StateDump& state() { return state_; }

  std::shared_ptr<Form> CreateForm(std::string name);
  // One pass of the event loop.
  void DoEvents() { events_->DoEvents(); }

  // Which window the player shows, for the state dump: "welcome", "game" or "none".
  const std::string& window_role() const { return window_role_; }
  void SetWindowRole(std::string role) { window_role_ = std::move(role); }

  void SetFullscreen(bool on) { display_->SetFullscreen(on); }
  bool fullscreen() const { return display_->fullscreen(); }

  // What the window shows inside the frame rectangle, and the same written as PNG.
  Pixmap Screenshot() { return desktop_->Screenshot(); }
  void SaveScreenshot(const std::filesystem::path& path);

  // Creation order for timers, so timers due together fire in a fixed order.
  std::uint64_t NextSequence() { return ++sequence_; }

 private:
  struct Session;
  PlatformOptions options_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<Clock> clock_;
  VirtualClock* virtual_clock_ = nullptr;
  std::unique_ptr<TextEngine> text_;
  PictureCache pictures_;
  std::unique_ptr<Display> display_;
  MessageLog messages_;
  StateDump state_;
  std::unique_ptr<Desktop> desktop_;
  std::unique_ptr<EventLoop> events_;
  std::string window_role_ = "none";
  std::uint64_t sequence_ = 0;
  std::vector<StateDump::Registration> own_dump_parts_;
};

}  // namespace sw::platform
