// The runtime's hooks for hotspots, texts and pointers, backed by the interaction subsystem.
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
  void ResetFrameAreas() override { owner_->hotspots.ResetFrameAreas(); }
  void LoadAreas(const std::string&) override { owner_->hotspots.LoadAreas(); }
  void ShowOrNotShowAreas() override { owner_->hotspots.ShowOrNotShowAreas(); }
  Interaction& interaction() const { return *owner_; }

 private:
  std::shared_ptr<Interaction> owner_;
};

class TextServiceImpl final : public TextService {
 public:
  explicit TextServiceImpl(std::shared_ptr<Interaction> owner) : owner_(std::move(owner)) {}
  void SetMergedTextStart(int start) override {
    owner_->texts.MergedTextStart = static_cast<int16_t>(start);
  }
  void ResetFrameTexts() override { owner_->texts.ResetFrameTexts(); }
  void LoadTexts(const std::string&) override { owner_->texts.LoadTexts(); }

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
