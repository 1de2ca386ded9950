// The SDL window under SDL's dummy video driver: what it shows after the window system
// forgets its contents, and the window events it turns into input.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/message_box.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

PlatformOptions InAWindow() {
  PlatformOptions options;
  options.headless = false;
  options.virtual_clock = true;
  return options;
}

SDL_Window* TheWindow() {
  for (Uint32 id = 1; id < 256; ++id)
    if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
  return nullptr;
}

// The colour the window's framebuffer holds at (x, y), as 0xRRGGBB.
std::uint32_t ShownAt(SDL_Window* window, int x, int y) {
  SDL_Surface* s = SDL_GetWindowSurface(window);
  if (!s || x >= s->w || y >= s->h) return 0xDEADu;
  SDL_LockSurface(s);
  const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
  Uint32 raw = 0;
  std::memcpy(&raw, row + x * s->format->BytesPerPixel, s->format->BytesPerPixel);
  SDL_UnlockSurface(s);
  Uint8 r, g, b;
  SDL_GetRGB(raw, s->format, &r, &g, &b);
  return (static_cast<std::uint32_t>(r) << 16) | (g << 8) | b;
}

// Paints the framebuffer over as another window lying on top would.
void Scribble(SDL_Window* window) {
  SDL_Surface* s = SDL_GetWindowSurface(window);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 255));
}

void PushWindowEvent(SDL_Window* window, Uint8 what) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = SDL_GetWindowID(window);
  e.window.event = what;
  SDL_PushEvent(&e);
}

class WindowTest : public ::testing::Test {
 protected:
  Platform platform_{InAWindow()};
  std::shared_ptr<Form> form_ = testing::ShownForm(platform_, 320, 200);
};

TEST_F(WindowTest, TheLastPictureComesBackWhenTheWindowSystemForgetsIt) {
  form_->client().SetBackColor(VbRgb(255, 0, 0));
  platform_.DoEvents();
  SDL_Window* window = TheWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(ShownAt(window, 10, 10), 0xFF0000u);
  ASSERT_FALSE(platform_.desktop().NeedsRepaint());
  for (Uint8 what : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_SHOWN,
                     SDL_WINDOWEVENT_SIZE_CHANGED}) {
    Scribble(window);
    ASSERT_EQ(ShownAt(window, 10, 10), 0x0000FFu);
    PushWindowEvent(window, what);
    platform_.DoEvents();
    EXPECT_EQ(ShownAt(window, 10, 10), 0xFF0000u) << "window event " << int(what);
    EXPECT_FALSE(platform_.events().input_pending());
  }
}

// The close box asks the window's owner (kClose); SDL's quit event (an interrupt signal, the
// session ending) asks the program to end (kQuit). Neither ends anything by itself.
TEST_F(WindowTest, TheCloseBoxAndTheQuitEventReachTheirOwnHandlers) {
  platform_.DoEvents();
  SDL_Window* window = TheWindow();
  ASSERT_NE(window, nullptr);
  std::vector<std::string> seen;
  form_->on.close = [&](Form&) { seen.push_back("close"); };
  form_->on.quit = [&](Form&) { seen.push_back("quit"); };
  PushWindowEvent(window, SDL_WINDOWEVENT_CLOSE);
  platform_.DoEvents();
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  platform_.DoEvents();
  EXPECT_EQ(seen, (std::vector<std::string>{"close", "quit"}));
  EXPECT_FALSE(platform_.events().quit_requested());
  // Without a quit handler the close handler serves both; without either the program ends.
  form_->on.quit = nullptr;
  SDL_PushEvent(&quit);
  platform_.DoEvents();
  EXPECT_EQ(seen.back(), "close");
  form_->on.close = nullptr;
  PushWindowEvent(window, SDL_WINDOWEVENT_CLOSE);
  platform_.DoEvents();
  EXPECT_TRUE(platform_.events().quit_requested());
}

TEST(WindowDisplay, AnInvisibleVideoDriverIsRefusedWhenAPersonHasToSeeTheWindow) {
  PlatformOptions options = InAWindow();
  options.require_display = true;
  // The tests run on SDL's dummy driver, which shows nothing.
  try {
    Platform platform(options);
    ADD_FAILURE() << "the dummy driver was accepted";
  } catch (const NoDisplayError& e) {
    EXPECT_STREQ(e.what(), "no display: set DISPLAY or use --headless");
  }
}

// Answers the open dialog once `seen` reports what the test waits for (or after 50 passes).
class DialogWatcher : public InputSource {
 public:
  std::function<bool(Platform&, Form&)> seen;
  bool Poll(Platform& p) override {
    Form* dialog = p.desktop().top_modal();
    if (!dialog) return false;
    if (seen(p, *dialog) || ++polls_ > 50) dialog->EndModal(1);
    return true;
  }

 private:
  int polls_ = 0;
};

// A dialog larger than its owner gets a window of its own, so nothing of it is cut off.
TEST_F(WindowTest, ADialogLargerThanItsOwnerHasAWindowOfItsOwn) {
  platform_.DoEvents();
  SDL_Window* main_window = TheWindow();
  ASSERT_NE(main_window, nullptr);
  DialogWatcher watcher;
  Point dialog_window_size{0, 0};
  Point dialog_size{0, 0};
  watcher.seen = [&](Platform&, Form& dialog) {
    dialog_size = {dialog.bounds_px().w, dialog.bounds_px().h};
    for (Uint32 id = 1; id < 256; ++id) {
      SDL_Window* w = SDL_GetWindowFromID(id);
      if (!w || w == main_window) continue;
      SDL_GetWindowSize(w, &dialog_window_size.x, &dialog_window_size.y);
      return true;
    }
    return false;
  };
  platform_.events().SetInputSource(&watcher);
  ShowMessageBox(platform_,
                 "Do you want to open the default mail client to send an e-mail to: "
                 "ann@example.org ?",
                 "Lantern Hill", {MessageButtons::kYesNo, MessageIcon::kQuestion});
  platform_.events().SetInputSource(nullptr);
  EXPECT_GT(dialog_size.x, 320);
  EXPECT_EQ(dialog_window_size, dialog_size);
  platform_.DoEvents();
  int windows = 0;
  for (Uint32 id = 1; id < 256; ++id) windows += SDL_GetWindowFromID(id) != nullptr;
  EXPECT_EQ(windows, 1) << "the dialog's window closes with it";
}

}  // namespace
}  // namespace sw::platform
