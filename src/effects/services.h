// The runtime's transition, rippling-water and animation services, backed by the effects.
#pragma once

#include <memory>
#include <string>

#include "core/game/subsystems.h"
#include "effects/effects.h"

namespace sw::effects {

class TransitionServiceImpl final : public TransitionService {
 public:
  explicit TransitionServiceImpl(std::shared_ptr<Effects> owner) : owner_(std::move(owner)) {}
  void InitTransitionList() override { owner_->transitions.InitTransitionList(); }
  void TransitionStep1(int number) override {
    owner_->transitions.TransitionStep1(static_cast<int16_t>(number));
  }
  void TransitionStep2(int number, double seconds) override {
    owner_->transitions.TransitionStep2(static_cast<int16_t>(number), seconds);
  }
  bool TransitionRunning() override { return owner_->transitions.running(); }

 private:
  std::shared_ptr<Effects> owner_;
};

class RipplingWaterServiceImpl final : public RipplingWaterService {
 public:
  explicit RipplingWaterServiceImpl(std::shared_ptr<Effects> owner) : owner_(std::move(owner)) {}
  bool LoadWaveEffectIfAny(const std::string& frame) override {
    return owner_->water.LoadWaveEffectIfAny(frame);
  }
  bool StepEnded() override { return owner_->water.tick_finished(); }
  void StartTiming() override { owner_->water.StartTiming(); }
  void Tick() override { owner_->water.TimerRipplingWater(); }

 private:
  std::shared_ptr<Effects> owner_;
};

class AnimationServiceImpl final : public AnimationService {
 public:
  explicit AnimationServiceImpl(std::shared_ptr<Effects> owner) : owner_(std::move(owner)) {}
  int AniGifNewWithIndex(int hotspot, const std::string& path, int left, int top,
                         int16_t speed) override {
    return owner_->animations.AniGifNewWithIndex(static_cast<int16_t>(hotspot), path, left, top,
                                                 speed);
  }
  platform::Element* AniGifBox(int k) override { return owner_->animations.AniGifBox(k); }
  void SetAnimationVisible(int k, bool visible) override {
    owner_->animations.SetAnimationVisible(k, visible);
  }
  void UnloadAnimations() override { owner_->animations.UnloadAnimations(); }

 private:
  std::shared_ptr<Effects> owner_;
};

}  // namespace sw::effects
