// The runtime's services for hotspots, texts, messages, pointers and the last click position,
// backed by the interaction subsystem.
#pragma once

#include <memory>
#include <string>

#include "core/game/subsystems.h"
#include "interaction/interaction.h"

namespace sw {

class HotspotServiceImpl final : public HotspotService {
 public:
  explicit HotspotServiceImpl(std::shared_ptr<Interaction> owner) : owner_(std::move(owner)) {}
  void SetMergedHotspotStart(int start) override {
    owner_->hotspots.MergedHotspotStart = static_cast<int16_t>(start);
  }
  int MergedHotspotStart() override { return owner_->hotspots.MergedHotspotStart; }
  void ResetFrameAreas() override { owner_->hotspots.ResetFrameAreas(); }
  void LoadAreas(const std::string&) override { owner_->hotspots.LoadAreas(); }
  void ShowOrNotShowAreas() override { owner_->hotspots.ShowOrNotShowAreas(); }

 private:
  std::shared_ptr<Interaction> owner_;
};

class TextServiceImpl final : public TextService {
 public:
  explicit TextServiceImpl(std::shared_ptr<Interaction> owner) : owner_(std::move(owner)) {}
  void SetMergedTextStart(int start) override {
    owner_->texts.MergedTextStart = static_cast<int16_t>(start);
  }
  int MergedTextStart() override { return owner_->texts.MergedTextStart; }
  void ResetFrameTexts() override { owner_->texts.ResetFrameTexts(); }
  void LoadTexts(const std::string&) override { owner_->texts.LoadTexts(); }

 private:
  std::shared_ptr<Interaction> owner_;
};

class MessageServiceImpl final : public MessageService {
 public:
  explicit MessageServiceImpl(std::shared_ptr<Interaction> owner) : owner_(std::move(owner)) {}
  void DisplayTextMessage(const std::string& text, bool inFrame) override {
    owner_->messages.DisplayTextMessage(text, inFrame);
  }

 private:
  std::shared_ptr<Interaction> owner_;
};

// Scripts read where the last hotspot click landed; running a script may reset it.
class ClickPositionServiceImpl final : public ClickPositionService {
 public:
  explicit ClickPositionServiceImpl(std::shared_ptr<Interaction> owner)
      : owner_(std::move(owner)) {}
  void ResetLastClickPosition() override {
    owner_->actions.LastClickX = 0;
    owner_->actions.LastClickY = 0;
  }
  int LastClickX() override { return owner_->actions.LastClickX; }
  int LastClickY() override { return owner_->actions.LastClickY; }

 private:
  std::shared_ptr<Interaction> owner_;
};

class PointerServiceImpl final : public PointerService {
 public:
  explicit PointerServiceImpl(std::shared_ptr<Interaction> owner) : owner_(std::move(owner)) {}
  void ResetDefaultPointer() override { owner_->pointers.ResetDefaultPointer(); }
  void SetScreenPointerArrow() override { owner_->pointers.SetScreenPointerArrow(); }
  void SetScreenPointerDefault() override { owner_->pointers.SetScreenPointerDefault(); }

 private:
  std::shared_ptr<Interaction> owner_;
};

}  // namespace sw
