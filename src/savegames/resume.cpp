#include "savegames/resume.h"

#include "core/game/game_runtime.h"
#include "core/valuefile/stored_values.h"
#include "core/valuefile/value_reader.h"

namespace sw {

std::string ResumeLocationIn(ValueReader& reader, const std::string& frameName,
                             const CaseFolder& letters) {
  if (frameName.empty()) return frameName;
  try {
    std::string result = frameName;
    SkipValues(reader, 6);
    while (!reader.AtEnd()) {
      const std::string from = reader.ReadString();
      const std::string to = reader.ReadString();
      if (!to.empty() && letters.Equal(from, frameName)) result = to;
    }
    return result;
  } catch (const std::exception&) {
    return frameName;
  }
}

std::string GetResumeLocation(GameRuntime& runtime, const std::string& frameName) {
  const std::string file = runtime.folders.ConfigFolder + "Resume";
  if (frameName.empty() || !runtime.FileExists(file)) return frameName;
  try {
    ValueReader reader =
        ValueReader::FromFile(runtime.files().Resolve(file), runtime.files().codec());
    return ResumeLocationIn(reader, frameName, runtime.files().case_folder());
  } catch (const std::exception&) {
    return frameName;
  }
}

}  // namespace sw
