// The SDL windows: the main window shows the composed surface scaled to fit (sharp, smooth
// or pixel scaling), placed centred on its display and fitted to small screens; modal
// dialogs get borderless windows of their own over it. Window input is converted to
// surface pixels, and what the window system forgets is drawn again from the last picture.
#include <SDL.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>

#include "platform/display.h"
#include "platform/sdl_keys.h"
#include "platform/window_icon.h"
#include "platform/window_placement.h"

namespace sw::platform {
namespace {

// SDL's dummy and offscreen drivers accept windows that nobody can see.
bool ShowsAWindow(const char* driver) {
  if (driver == nullptr) return false;
  const std::string name = driver;
  return name != "dummy" && name != "offscreen";
}

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

// One window with its renderer and the texture holding the last picture it was given.
struct Surface {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int width = 0;
  int height = 0;

  void Destroy() {
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    *this = {};
  }
  void Open(const char* title, Rect r, Uint32 flags) {
    window = SDL_CreateWindow(title, r.x, r.y, r.w, r.h, flags);
    if (!window) throw std::runtime_error(SDL_GetError());
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_TARGETTEXTURE);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) throw std::runtime_error(SDL_GetError());
  }
  // Keeps a texture of the picture's size; true when the size changed.
  bool Upload(const Pixmap& picture) {
    bool resized = picture.width() != width || picture.height() != height || !texture;
    if (resized) {
      width = picture.width();
      height = picture.height();
      if (texture) SDL_DestroyTexture(texture);
      texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                  width, height);
    }
    if (texture) SDL_UpdateTexture(texture, nullptr, picture.pixels().data(), width * 4);
    return resized;
  }
  Point OutputSize() const {
    Point out;
    if (SDL_GetRendererOutputSize(renderer, &out.x, &out.y) != 0) out = {width, height};
    return out;
  }
};

class WindowDisplay final : public Display {
 public:
  explicit WindowDisplay(bool require_visible, ScaleMode scale) : scale_(scale) {
    // The close box is a request to the window's owner, not the end of the program.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // The desktop groups every window of the player under one name.
    SDL_SetHint(SDL_HINT_APP_NAME, "Scenewright");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      if (require_visible) throw NoDisplayError();
      throw std::runtime_error(SDL_GetError());
    }
    if (require_visible && !ShowsAWindow(SDL_GetCurrentVideoDriver())) {
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      throw NoDisplayError();
    }
    icon_ = MakeWindowIcon();
  }
  ~WindowDisplay() override {
    if (cursor_) SDL_FreeCursor(cursor_);
    for (auto& [kind, cursor] : system_cursors_) SDL_FreeCursor(cursor);
    for (auto& [id, dialog] : dialogs_) dialog.Destroy();
    if (enlarged_) SDL_DestroyTexture(enlarged_);
    main_.Destroy();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  void Present(const Pixmap& surface) override {
    if (surface.empty()) return;
    const bool created = EnsureWindow();
    if (main_.Upload(surface) || created) Place();
    Draw();
  }

  bool separate_dialogs() const override { return main_.window != nullptr && !fullscreen_; }

  void PresentDialogs(const std::vector<DialogPicture>& dialogs) override {
    bool closed = false;
    for (auto it = dialogs_.begin(); it != dialogs_.end();) {
      bool listed = false;
      for (const DialogPicture& d : dialogs) listed |= d.id == it->first;
      if (listed) {
        ++it;
      } else {
        it->second.Destroy();
        it = dialogs_.erase(it);
        closed = true;
      }
    }
    if (closed) {
      // What the closed windows covered is shown again at once, and the keyboard goes back
      // to the window the last dialog belonged to.
      Draw();
      if (dialogs_.empty() && main_.window) SDL_RaiseWindow(main_.window);
    }
    for (const DialogPicture& d : dialogs) {
      if (!d.picture || d.picture->empty()) continue;
      Surface& dialog = dialogs_[d.id];
      const bool created = dialog.window == nullptr;
      if (created) {
        Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS |
                       (always_on_top_ ? SDL_WINDOW_ALWAYS_ON_TOP : 0);
        dialog.Open(title_.c_str(), DialogPlace({d.picture->width(), d.picture->height()}), flags);
        SetIcon(dialog.window);
      }
      if (dialog.Upload(*d.picture) && !created) {
        SDL_SetWindowSize(dialog.window, dialog.width, dialog.height);
        Rect r = DialogPlace({dialog.width, dialog.height});
        SDL_SetWindowPosition(dialog.window, r.x, r.y);
      }
      if (created) {
        if (main_.window) SDL_SetWindowModalFor(dialog.window, main_.window);
        SDL_ShowWindow(dialog.window);
        SDL_RaiseWindow(dialog.window);
      }
      DrawDialog(dialog);
    }
  }

  void Poll(std::vector<InputEvent>& out) override {
    if (waited_) {
      Translate(*waited_, out);
      waited_.reset();
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e, out);
  }

  // The event that ends the wait is kept for the next Poll rather than pushed back into SDL's
  // queue: pushed back, the quit event of an interrupt (SIGTERM) never reached Poll, the
  // program did not end and every later wait returned at once, spinning a core.
  void Wait(int timeout_ms) override {
    if (waited_) return;
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeout_ms)) waited_ = e;
  }

  void SetFullscreen(bool on) override {
    if (on == fullscreen_) return;
    fullscreen_ = on;
    if (!main_.window) return;
    SDL_SetWindowFullscreen(main_.window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!on) Place();
  }
  bool fullscreen() const override { return fullscreen_; }

  void SetAlwaysOnTop(bool on) override {
    always_on_top_ = on;
    if (main_.window) SDL_SetWindowAlwaysOnTop(main_.window, on ? SDL_TRUE : SDL_FALSE);
  }

  void BeginWindowDrag() override {
    if (!main_.window || fullscreen_) return;
    SDL_GetGlobalMouseState(&drag_pointer_.x, &drag_pointer_.y);
    SDL_GetWindowPosition(main_.window, &drag_window_.x, &drag_window_.y);
    dragging_ = true;
  }

  void SetTitle(const std::string& title) override {
    title_ = title;
    if (main_.window) SDL_SetWindowTitle(main_.window, title.c_str());
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
      if (shape.kind == MousePointer::kHand) id = SDL_SYSTEM_CURSOR_HAND;
      auto& cached = system_cursors_[id];
      if (!cached) cached = SDL_CreateSystemCursor(id);
      next = cached;
    }
    if (next) SDL_SetCursor(next);
  }

  bool shows_frames() const override { return true; }

  std::string ClipboardText() const override {
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
  }
  void SetClipboardText(const std::string& text) override { SDL_SetClipboardText(text.c_str()); }

 private:
  // Creates the main window on the first picture; true when it was created now.
  bool EnsureWindow() {
    if (main_.window) return false;
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE |
                   (fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) |
                   (always_on_top_ ? SDL_WINDOW_ALWAYS_ON_TOP : 0);
    main_.Open(title_.c_str(), {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 64, 64}, flags);
    SetIcon(main_.window);
    SDL_StartTextInput();
    return true;
  }

  void SetIcon(SDL_Window* window) {
    if (icon_.empty()) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Argb*>(icon_.pixels().data()), icon_.width(), icon_.height(), 32,
        icon_.width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return;
    SDL_SetWindowIcon(window, s);
    SDL_FreeSurface(s);
  }

  // The desktop area the window may use, on the display it is on.
  Rect Usable() const {
    int index = main_.window ? SDL_GetWindowDisplayIndex(main_.window) : 0;
    if (index < 0) index = 0;
    SDL_Rect r;
    if (SDL_GetDisplayUsableBounds(index, &r) != 0 && SDL_GetDisplayBounds(index, &r) != 0)
      return {0, 0, main_.width, main_.height};
    return {r.x, r.y, r.w, r.h};
  }

  // Sizes the main window to its picture (smaller when the screen is) and centres it.
  void Place() {
    if (!main_.window) return;
    if (!fullscreen_) {
      Decorations frame;
      if (SDL_GetWindowBordersSize(main_.window, &frame.top, &frame.left, &frame.bottom,
                                   &frame.right) != 0 ||
          frame.top + frame.left + frame.bottom + frame.right == 0) {
        // Not mapped yet: a typical title bar and frame.
        frame = {4, 28, 4, 4};
      }
      Rect r = PlaceWindow({main_.width, main_.height}, Usable(), frame);
      SDL_SetWindowSize(main_.window, r.w, r.h);
      SDL_SetWindowPosition(main_.window, r.x, r.y);
    }
    SDL_ShowWindow(main_.window);
  }

  // Dialog windows are centred over the main window and kept on its display.
  Rect DialogPlace(Point size) const {
    Rect over = Usable();
    if (main_.window) {
      SDL_GetWindowPosition(main_.window, &over.x, &over.y);
      SDL_GetWindowSize(main_.window, &over.w, &over.h);
    }
    Rect usable = Usable();
    int x = over.x + (over.w - size.x) / 2;
    int y = over.y + (over.h - size.y) / 2;
    x = std::max(usable.x, std::min(x, usable.right() - size.x));
    y = std::max(usable.y, std::min(y, usable.bottom() - size.y));
    return {x, y, size.x, size.y};
  }

  // Puts the last picture the window received on screen again, scaled to the window.
  void Draw() {
    if (!main_.texture) return;
    SDL_Renderer* r = main_.renderer;
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    plan_ = PlanScaling({main_.width, main_.height}, main_.OutputSize(), scale_);
    SDL_Rect dest{plan_.dest.x, plan_.dest.y, plan_.dest.w, plan_.dest.h};
    SDL_Texture* source = main_.texture;
    if (plan_.factor > 1 && SDL_RenderTargetSupported(r)) {
      // Square pixels first, on a texture the whole number of times larger.
      const int w = main_.width * plan_.factor, h = main_.height * plan_.factor;
      if (!enlarged_ || enlarged_size_.x != w || enlarged_size_.y != h) {
        if (enlarged_) SDL_DestroyTexture(enlarged_);
        enlarged_ = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
        enlarged_size_ = {w, h};
      }
      if (enlarged_ && SDL_SetRenderTarget(r, enlarged_) == 0) {
        SDL_SetTextureScaleMode(main_.texture, SDL_ScaleModeNearest);
        SDL_RenderCopy(r, main_.texture, nullptr, nullptr);
        SDL_SetRenderTarget(r, nullptr);
        source = enlarged_;
      }
    }
    SDL_SetTextureScaleMode(source, plan_.linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_RenderCopy(r, source, nullptr, &dest);
    SDL_RenderPresent(r);
  }

  void DrawDialog(Surface& dialog) {
    if (!dialog.texture) return;
    SDL_RenderCopy(dialog.renderer, dialog.texture, nullptr, nullptr);
    SDL_RenderPresent(dialog.renderer);
  }

  // The dialog number of an SDL window, 0 for the main window, -1 for none of ours.
  int WindowOf(Uint32 id) const {
    if (main_.window && id == SDL_GetWindowID(main_.window)) return 0;
    for (const auto& [number, dialog] : dialogs_)
      if (dialog.window && id == SDL_GetWindowID(dialog.window)) return number;
    return -1;
  }

  // While dialogs have windows of their own, the main window takes no mouse input, as the
  // owner of a modal dialog does.
  bool OwnerDisabled(int window) const { return window == 0 && !dialogs_.empty(); }

  // A pointer position in the main window to pixels of its picture.
  Point MainPosition(int x, int y) const {
    int win_w = 0, win_h = 0;
    SDL_GetWindowSize(main_.window, &win_w, &win_h);
    Point out = main_.OutputSize();
    // Window coordinates to output pixels (they differ on high-density screens).
    Point px{win_w > 0 ? x * out.x / win_w : x, win_h > 0 ? y * out.y / win_h : y};
    return OutputToPicture(px, plan_.dest, {main_.width, main_.height});
  }

  void WindowEvent(const SDL_WindowEvent& w, int window, std::vector<InputEvent>& out) {
    switch (w.event) {
      case SDL_WINDOWEVENT_CLOSE: {
        InputEvent ev;
        if (window == 0) {
          ev.kind = InputEvent::Kind::kClose;
        } else {
          // A dialog's window closed by the window system: its cancel button, as Esc.
          ev.kind = InputEvent::Kind::kKeyDown;
          ev.key_code = 27;
          ev.window = window;
        }
        out.push_back(std::move(ev));
        break;
      }
      // The window system forgot what the window showed (covered, minimised, resized,
      // moved to another display): the last picture goes back without recomposing it.
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SHOWN:
      case SDL_WINDOWEVENT_RESTORED:
      case SDL_WINDOWEVENT_MAXIMIZED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
      case SDL_WINDOWEVENT_DISPLAY_CHANGED:
        if (window == 0) {
          Draw();
        } else if (auto it = dialogs_.find(window); it != dialogs_.end()) {
          DrawDialog(it->second);
        }
        break;
      default:
        break;
    }
  }

  void Translate(const SDL_Event& e, std::vector<InputEvent>& out) {
    InputEvent ev;
    switch (e.type) {
      case SDL_QUIT:
        ev.kind = InputEvent::Kind::kQuit;
        break;
      case SDL_WINDOWEVENT: {
        const int window = WindowOf(e.window.windowID);
        if (window >= 0) WindowEvent(e.window, window, out);
        return;
      }
      case SDL_MOUSEMOTION: {
        if (dragging_) {  // the window follows the pointer; the game sees no move
          Point now;
          SDL_GetGlobalMouseState(&now.x, &now.y);
          SDL_SetWindowPosition(main_.window, drag_window_.x + now.x - drag_pointer_.x,
                                drag_window_.y + now.y - drag_pointer_.y);
          return;
        }
        ev.window = WindowOf(e.motion.windowID);
        if (ev.window < 0 || OwnerDisabled(ev.window)) return;
        ev.kind = InputEvent::Kind::kMouseMove;
        ev.position =
            ev.window == 0 ? MainPosition(e.motion.x, e.motion.y) : Point{e.motion.x, e.motion.y};
        ev.shift = ShiftFromSdl(SDL_GetModState());
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (e.type == SDL_MOUSEBUTTONUP) dragging_ = false;
        ev.window = WindowOf(e.button.windowID);
        if (ev.window < 0 || OwnerDisabled(ev.window)) return;
        ev.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::kMouseDown
                                                : InputEvent::Kind::kMouseUp;
        ev.position =
            ev.window == 0 ? MainPosition(e.button.x, e.button.y) : Point{e.button.x, e.button.y};
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

  ScaleMode scale_;
  Surface main_;
  std::map<int, Surface> dialogs_;
  SDL_Texture* enlarged_ = nullptr;
  Point enlarged_size_;
  ScalePlan plan_;
  Pixmap icon_;
  SDL_Cursor* cursor_ = nullptr;
  std::map<SDL_SystemCursor, SDL_Cursor*> system_cursors_;
  PointerShape pointer_;
  bool fullscreen_ = false;
  bool always_on_top_ = false;
  bool dragging_ = false;
  std::optional<SDL_Event> waited_;
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
        InputEvent quit;
        quit.kind = InputEvent::Kind::kQuit;
        out.push_back(quit);
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

std::unique_ptr<Display> CreateWindowDisplay(bool require_visible, ScaleMode scale) {
  return std::make_unique<WindowDisplay>(require_visible, scale);
}
std::unique_ptr<Display> CreateHeadlessDisplay() {
  return std::make_unique<HeadlessDisplay>();
}

}  // namespace sw::platform
