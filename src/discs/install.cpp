#include "discs/install.h"

#include "core/game/game_runtime.h"
#include "discs/services.h"

namespace sw {

std::shared_ptr<MultiCD> InstallDiscs(GameRuntime& runtime, std::filesystem::path mountTable) {
  auto discs = std::make_shared<MultiCD>(runtime, std::move(mountTable));
  runtime.subsystems().discs = std::make_unique<DiscServiceImpl>(discs);
  return discs;
}

}  // namespace sw
