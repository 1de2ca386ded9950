// Fuzz target: the readers of the project files (project information, interface texts,
// frame files and headers, action records, inventory records), the first byte choosing one.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/frames/action_record.h"
#include "core/frames/frame_file.h"
#include "core/project/interface_texts.h"
#include "core/project/inventory_records.h"
#include "core/project/procedures_cipher.h"
#include "core/project/project_info.h"
#include "core/valuefile/value_reader.h"

namespace {

// Reading-time effects that only count, so that every field is reached.
class CountingEffects : public sw::ActionReadEffects {
 public:
  void ChangeVariable(const std::string&, int16_t) override { ++calls; }
  void Disappear() override { ++calls; }
  void StopHotspotSound() override { ++calls; }
  void StopAnyWavOrMP3() override { ++calls; }
  void SetFadeTime(double) override { ++calls; }
  void SetChannelOrder(int, const sw::ChannelOrder&) override { ++calls; }
  void AddItem(const std::string&) override { ++calls; }
  int calls = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  sw::ValueReader reader(bytes);
  try {
    switch (data[0] % 8) {
      case 0: {
        sw::ProjectInfo info;
        sw::ResetProjectInfo(info);
        sw::ReadProjectInfo(reader, info);
        (void)sw::IsPlayableFrameSize(info.FrameWidth, info.FrameHeight);
        break;
      }
      case 1: {
        sw::InterfaceTexts texts;
        texts.Load(reader);
        break;
      }
      case 2:
        (void)sw::ReadFrameFile(reader);
        break;
      case 3:
        (void)sw::ReadFrameHeader(reader);
        break;
      case 4: {
        CountingEffects effects;
        while (!reader.AtEnd()) {
          for (int i = 0; i < 10 && !reader.AtEnd(); ++i) reader.Skip();
          (void)sw::ReadActionFields(reader, effects);
          if (!reader.AtEnd()) reader.Skip();
        }
        break;
      }
      case 5:
        while (!reader.AtEnd()) (void)sw::ReadItemRecord(reader);
        break;
      case 6: {
        int checks = 0;
        (void)sw::FindPickUp(reader, static_cast<int16_t>(size % 7),
                             [&checks] { return ++checks > 100000; });
        break;
      }
      default: {
        sw::CombinationRecord record;
        sw::ReadCombinationPart(reader, sw::CombinationPart::kRemovals, record);
        sw::ReadCombinationPart(reader, sw::CombinationPart::kResult, record);
        sw::ReadCombinationPart(reader, sw::CombinationPart::kScript, record);
        (void)sw::UnscrambleLine(bytes, sw::ProjectNameSum(bytes.substr(0, 16)));
        break;
      }
    }
  } catch (const std::exception&) {
    // Damaged files fail with an error; only crashes and hangs are findings.
  }
  return 0;
}
