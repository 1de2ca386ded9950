// A script that saves 2,000 parameters in a row: the per-user settings gather the changes
// of a burst instead of rewriting and syncing the whole file for each one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/system/user_settings.h"

namespace {

void BM_SaveTwoThousandParameters(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("sw-settings-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  for (auto _ : state) {
    sw::UserSettings settings(dir / "settings.conf");
    for (int i = 0; i < 2000; ++i) {
      settings.Set("Software", "Bench", "_Param" + std::to_string(i % 50), std::to_string(i));
    }
    settings.Flush();
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveTwoThousandParameters)->Unit(benchmark::kMillisecond);

}  // namespace
