// The runtime's disc service, backed by the multi-disc lookup.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/game/subsystems.h"
#include "discs/multi_cd.h"

namespace sw {

class DiscServiceImpl final : public DiscService {
 public:
  explicit DiscServiceImpl(std::shared_ptr<MultiCD> owner) : owner_(std::move(owner)) {}
  void LoadCDIndex() override { owner_->LoadCDIndex(); }
  std::string ResolveFromCD(const std::string& path) override {
    return owner_->ResolveFromCD(path);
  }
  std::vector<std::string> DiscRoots() override { return owner_->DiscRoots(); }

 private:
  std::shared_ptr<MultiCD> owner_;
};

}  // namespace sw
