#include "variables/variable_service.h"

#include "core/game/game_runtime.h"

namespace sw {

std::shared_ptr<VariableStore> InstallVariables(GameRuntime& runtime) {
  auto store = std::make_shared<VariableStore>(runtime);
  runtime.subsystems().variables = std::make_unique<VariableServiceImpl>(store);
  return store;
}

VariableStore* FindVariableStore(GameRuntime& runtime) {
  auto* service = dynamic_cast<VariableServiceImpl*>(runtime.subsystems().variables.get());
  return service ? service->store().get() : nullptr;
}

}  // namespace sw
