#include "platform/platform.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <nlohmann/json.hpp>
#include <stdexcept>

namespace sw::platform {

// SDL's libraries for the lifetime of the platform object.
struct Platform::Session {
  Session() {
    if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) throw std::runtime_error(SDL_GetError());
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
    if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
  }
  ~Session() {
    TTF_Quit();
    IMG_Quit();
    SDL_Quit();
  }
};

Platform::Platform(PlatformOptions options) : options_(options) {
  if (options_.headless) options_.virtual_clock = true;
  session_ = std::make_unique<Session>();
  if (options_.virtual_clock) {
    auto clock = std::make_unique<VirtualClock>();
    virtual_clock_ = clock.get();
    clock_ = std::move(clock);
  } else {
    clock_ = std::make_unique<RealClock>();
  }
  text_ = std::make_unique<TextEngine>();
  display_ = options_.headless ? CreateHeadlessDisplay()
                               : CreateWindowDisplay(options_.require_display, options_.scale);
  if (options_.fullscreen) display_->SetFullscreen(true);
  desktop_ = std::make_unique<Desktop>(*this);
  events_ = std::make_unique<EventLoop>(*this);

  own_dump_parts_.push_back(state_.Add([this](nlohmann::json& j) { j["window"] = window_role_; }));
  own_dump_parts_.push_back(state_.Add([this](nlohmann::json& j) {
    nlohmann::json list = nlohmann::json::array();
    for (const MessageRecord& m : messages_.records()) {
      nlohmann::json entry = {{"title", m.title}, {"text", m.text}, {"icon", m.icon}};
      if (!m.kind.empty()) entry["kind"] = m.kind;
      list.push_back(std::move(entry));
    }
    j["messages"] = std::move(list);
    j["messagesDropped"] = messages_.dropped();
  }));
  // Until the game window registers its menus, there are none.
  own_dump_parts_.push_back(state_.Add([](nlohmann::json& j) {
    j["menus"] = {{"visible", false}, {"debug", false}, {"items", nlohmann::json::object()}};
  }));
}

Platform::~Platform() {
  own_dump_parts_.clear();
  events_.reset();
  desktop_.reset();
  display_.reset();
  text_.reset();
}

std::shared_ptr<Form> Platform::CreateForm(std::string name) {
  return std::make_shared<Form>(*this, std::move(name));
}

void Platform::SaveScreenshot(const std::filesystem::path& path) {
  SavePng(Screenshot(), path);
}

}  // namespace sw::platform
