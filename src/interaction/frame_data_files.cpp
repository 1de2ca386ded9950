#include "interaction/frame_data_files.h"

#include "core/frames/frame_paths.h"
#include "core/game/game_runtime.h"
#include "core/valuefile/value_reader.h"

namespace sw {

std::string ExistingFrameFile(GameRuntime& runtime, const std::string& frame,
                              const std::string& extension) {
  auto exists = [&runtime](const std::string& p) { return runtime.FileExists(p); };
  std::string path = FrameFilePath(runtime.folders, exists, frame, extension);
  return exists(path) ? path : std::string();
}

std::string MergedOrFrameFile(GameRuntime& runtime, const std::string& frame, char digit) {
  std::string path = ExistingFrameFile(runtime, frame, std::string(".mr") + digit);
  if (path.empty()) path = ExistingFrameFile(runtime, frame, std::string(".fm") + digit);
  return path;
}

void SkipToSeparator(ValueReader& reader) {
  while (!reader.AtEnd()) {
    if (reader.ReadString() == ValueReader::kSeparator) return;
  }
}

void SkipValues(ValueReader& reader, int count) {
  for (int i = 0; i < count; ++i) reader.Skip();
}

int32_t ReadCount(ValueReader& reader) {
  return reader.ReadVariant().ToLong();
}

namespace {
double NumberOf(const Variant& value) {
  const Variant& v = value.Deref();
  if (v.IsEmpty()) return 0;
  if (v.IsString()) {
    const auto number = ParseNumber(v.AsString());
    if (!number) throw VbError(vberr::kTypeMismatch);
    return *number;
  }
  return v.ToDouble();
}
}  // namespace

bool IsOn(const Variant& value) {
  return NumberOf(value) != 0;
}

bool EqualsOne(const Variant& value) {
  return NumberOf(value) == 1;
}

}  // namespace sw
