// The SDL window: uploads the composed surface to a streaming texture and converts window
// input to surface coordinates through the renderer's logical size.
#include <SDL.h>

#include <map>
#include <stdexcept>

#include "platform/display.h"
#include "platform/sdl_keys.h"

namespace sw::platform {
namespace {

int ButtonFromSdl(Uint8 b) {
  switch (b) {
    case SDL_BUTTON_LEFT:
      return kLeftButton;
    case SDL_BUTTON_RIGHT:
      return kRightButton;
    case SDL_BUTTON_MIDDLE:
      return kMiddleButton;
    default:
      return 0;
  }
}

class WindowDisplay final : public Display {
 public:
  WindowDisplay() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  }
  ~WindowDisplay() override {
    if (cursor_) SDL_FreeCursor(cursor_);
    for (auto& [kind, cursor] : system_cursors_) SDL_FreeCursor(cursor);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  void Present(const Pixmap& surface) override {
    if (surface.empty()) return;
    EnsureWindow(surface.width(), surface.height());
    SDL_UpdateTexture(texture_, nullptr, surface.pixels().data(), surface.width() * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  void Poll(std::vector<InputEvent>& out) override {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e, out);
  }

  void Wait(int timeout_ms) override {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeout_ms)) SDL_PushEvent(&e);
  }

  void SetFullscreen(bool on) override {
    fullscreen_ = on;
    if (window_) SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (window_ && !on) SDL_SetWindowSize(window_, width_, height_);
  }
  bool fullscreen() const override { return fullscreen_; }

  void SetAlwaysOnTop(bool on) override {
    always_on_top_ = on;
    if (window_) SDL_SetWindowAlwaysOnTop(window_, on ? SDL_TRUE : SDL_FALSE);
  }

  void BeginWindowDrag() override {
    if (!window_ || fullscreen_) return;
    SDL_GetGlobalMouseState(&drag_pointer_.x, &drag_pointer_.y);
    SDL_GetWindowPosition(window_, &drag_window_.x, &drag_window_.y);
    dragging_ = true;
  }

  void SetTitle(const std::string& title) override {
    title_ = title;
    if (window_) SDL_SetWindowTitle(window_, title.c_str());
  }

  void SetPointer(const PointerShape& shape) override {
    if (shape == pointer_) return;
    pointer_ = shape;
    SDL_Cursor* next = nullptr;
    if (shape.kind == MousePointer::kCustom && !shape.icon.empty()) {
      const Pixmap& px = shape.icon.pixels();
      SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Argb*>(px.pixels().data()),
                                                          px.width(), px.height(), 32,
                                                          px.width() * 4, SDL_PIXELFORMAT_ARGB8888);
      if (s) {
        next = SDL_CreateColorCursor(s, shape.icon.hot_spot().x, shape.icon.hot_spot().y);
        SDL_FreeSurface(s);
      }
      if (cursor_) SDL_FreeCursor(cursor_);
      cursor_ = next;
    } else {
      SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
      if (shape.kind == MousePointer::kHourglass) id = SDL_SYSTEM_CURSOR_WAIT;
      if (shape.kind == MousePointer::kIBeam) id = SDL_SYSTEM_CURSOR_IBEAM;
      if (shape.kind == MousePointer::kCross) id = SDL_SYSTEM_CURSOR_CROSSHAIR;
      auto& cached = system_cursors_[id];
      if (!cached) cached = SDL_CreateSystemCursor(id);
      next = cached;
    }
    if (next) SDL_SetCursor(next);
  }

  bool shows_frames() const override { return true; }

 private:
  void EnsureWindow(int w, int h) {
    if (!window_) {
      Uint32 flags = SDL_WINDOW_SHOWN | (fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) |
                     (always_on_top_ ? SDL_WINDOW_ALWAYS_ON_TOP : 0);
      window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w,
                                 h, flags);
      if (!window_) throw std::runtime_error(SDL_GetError());
      renderer_ = SDL_CreateRenderer(window_, -1, 0);
      if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
      if (!renderer_) throw std::runtime_error(SDL_GetError());
      SDL_StartTextInput();
    }
    if (w != width_ || h != height_) {
      width_ = w;
      height_ = h;
      if (texture_) SDL_DestroyTexture(texture_);
      texture_ =
          SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
      // The logical size scales to fit with black borders and maps mouse positions back.
      SDL_RenderSetLogicalSize(renderer_, w, h);
      if (!fullscreen_) SDL_SetWindowSize(window_, w, h);
    }
  }

  void Translate(const SDL_Event& e, std::vector<InputEvent>& out) {
    InputEvent ev;
    switch (e.type) {
      case SDL_QUIT:
        ev.kind = InputEvent::Kind::kClose;
        break;
      case SDL_MOUSEMOTION:
        if (dragging_) {  // the window follows the pointer; the game sees no move
          Point now;
          SDL_GetGlobalMouseState(&now.x, &now.y);
          SDL_SetWindowPosition(window_, drag_window_.x + now.x - drag_pointer_.x,
                                drag_window_.y + now.y - drag_pointer_.y);
          return;
        }
        ev.kind = InputEvent::Kind::kMouseMove;
        ev.position = {e.motion.x, e.motion.y};
        ev.shift = ShiftFromSdl(SDL_GetModState());
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (e.type == SDL_MOUSEBUTTONUP) dragging_ = false;
        ev.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::kMouseDown
                                                : InputEvent::Kind::kMouseUp;
        ev.position = {e.button.x, e.button.y};
        ev.button = ButtonFromSdl(e.button.button);
        ev.shift = ShiftFromSdl(SDL_GetModState());
        if (!ev.button) return;
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        ev.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::kKeyDown : InputEvent::Kind::kKeyUp;
        ev.key_code = KeyCodeFromSdl(e.key.keysym.sym);
        ev.shift = ShiftFromSdl(e.key.keysym.mod);
        if (e.type == SDL_KEYDOWN && ev.key_code == 13 && (ev.shift & kAltMask)) {
          SetFullscreen(!fullscreen_);  // Alt+Enter switches between window and full screen
          return;
        }
        if (!ev.key_code) return;
        break;
      case SDL_TEXTINPUT:
        ev.kind = InputEvent::Kind::kText;
        ev.text = e.text.text;
        break;
      default:
        return;
    }
    out.push_back(std::move(ev));
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Cursor* cursor_ = nullptr;
  std::map<SDL_SystemCursor, SDL_Cursor*> system_cursors_;
  PointerShape pointer_;
  int width_ = 0;
  int height_ = 0;
  bool fullscreen_ = false;
  bool always_on_top_ = false;
  bool dragging_ = false;
  Point drag_pointer_;
  Point drag_window_;
  std::string title_ = "Scenewright";
};

class HeadlessDisplay final : public Display {
 public:
  void Present(const Pixmap&) override {}
  void Poll(std::vector<InputEvent>& out) override {
    SDL_Event e;
    while (SDL_PollEvent(&e))
      if (e.type == SDL_QUIT) {
        InputEvent close;
        close.kind = InputEvent::Kind::kClose;
        out.push_back(close);
      }
  }
  void Wait(int timeout_ms) override { SDL_Delay(static_cast<Uint32>(timeout_ms)); }
  void SetFullscreen(bool on) override { fullscreen_ = on; }
  bool fullscreen() const override { return fullscreen_; }
  void SetTitle(const std::string&) override {}
  void SetPointer(const PointerShape&) override {}
  bool shows_frames() const override { return false; }

 private:
  bool fullscreen_ = false;
};

}  // namespace

std::unique_ptr<Display> CreateWindowDisplay() {
  return std::make_unique<WindowDisplay>();
}
std::unique_ptr<Display> CreateHeadlessDisplay() {
  return std::make_unique<HeadlessDisplay>();
}

}  // namespace sw::platform
