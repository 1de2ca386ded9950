// MakeAction: finds the hotspot's record in the frame's action files, reads it with its
// reading-time effects, then carries the action out in twelve steps.

#include "base/ascii.h"
#include "base/unicode_case.h"
#include "core/frames/action_record.h"
#include "core/frames/video_placement.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/project/file_names.h"
#include "core/valuefile/value_reader.h"
#include "interaction/actions.h"
#include "interaction/frame_data_files.h"
#include "interaction/interaction.h"
#include "platform/geometry.h"
#include "platform/platform.h"

namespace sw {

namespace {

// Hotspot sounds play on the frame sound's channel.
constexpr int kHotspotSoundChannel = SoundService::kFrameSoundChannel;
constexpr int kMusicChannel = SoundService::kMusicChannel;

// The reading-time effects of a record on the running game.
class GameReadEffects final : public ActionReadEffects {
 public:
  GameReadEffects(Interaction& owner, int16_t areaIndex, int16_t objectIndex)
      : owner_(owner), area_(areaIndex), object_(objectIndex) {}

  void ChangeVariable(const std::string& name, int16_t value) override {
    owner_.variables().ChangeVariableValue(name, value);
  }
  void Disappear() override {
    GameRuntime& rt = owner_.runtime();
    if (object_ != 0) {
      rt.subsystems().inventory->RemovePickedObject(object_);
    } else {
      owner_.variables().AddDisappeared(rt.CurrentFrameName, area_);
    }
  }
  void StopHotspotSound() override {
    owner_.runtime().subsystems().sound->StopChannel(kHotspotSoundChannel);
  }
  void StopAnyWavOrMP3() override { owner_.runtime().subsystems().sound->StopAnyWavOrMP3(); }
  void SetFadeTime(double seconds) override {
    owner_.runtime().subsystems().sound->SetFadeTime(seconds);
  }
  void SetChannelOrder(int k, const ChannelOrder& order) override {
    owner_.runtime().subsystems().sound->SetActionChannelOrder(k, order);
  }
  void AddItem(const std::string& name) override {
    owner_.runtime().subsystems().inventory->AddPickedObject(name, false);
  }

 private:
  Interaction& owner_;
  int16_t area_;
  int16_t object_;
};

// The action's video rectangle in twips, in 16-bit arithmetic as the placement always was.
int ActionPixelsToTwips(int16_t pixels) {
  return platform::PixelsToTwips16(pixels);
}

std::string AsText(const Variant& v) {
  return v.IsEmpty() ? std::string() : v.ToStringUtf8();
}

}  // namespace

bool Actions::FrameChangeFollows(const ActionRecord& r) {
  GameRuntime& rt = owner_.runtime();
  return !rt.subsystems().scripts->Requests().frameToLoad.empty() || r.GoToFrameEnabled != 0 ||
         (IsOn(r.GoBack) && r.GoToFrameEnabled == 0 && rt.FramesHistory.size() > 1);
}

int16_t Actions::MakeAction(int16_t areaIndex, int16_t objectIndex) {
  GameRuntime& rt = owner_.runtime();
  rt.InterruptMovie();
  rt.StopRequested = false;
  GameWindow* window = owner_.Window();
  if (!window) return kNothing;
  try {
    ActionRecord record;
    {
      std::string path;
      std::string itemKey;
      if (objectIndex != 0) {
        const std::string item =
            window->form().Get<platform::Element>("PickedObject", objectIndex).tag();
        itemKey = std::to_string(areaIndex) + "_" + item + ".drg";
        path = ExistingFrameFile(rt, rt.CurrentFrameName, ".fm0");
      } else {
        path = MergedOrFrameFile(rt, rt.CurrentFrameName, '3');
      }
      if (path.empty()) return kNothing;
      ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
      if (objectIndex != 0) {
        bool found = false;
        while (!found && !reader.AtEnd()) {
          if (rt.StopRequested) return kNothing;
          reader.Skip();
          if (EqualsIgnoringCase(reader.ReadString(), itemKey)) {
            found = true;
          } else {
            SkipToSeparator(reader);
          }
        }
        if (!found) return kNothing;
        SkipValues(reader, 8);
      } else {
        for (int skip = 1; skip < areaIndex && !reader.AtEnd(); ++skip) SkipToSeparator(reader);
        if (reader.AtEnd()) return kNothing;
        SkipValues(reader, 10);
      }
      GameReadEffects effects(owner_, areaIndex, objectIndex);
      record = ReadActionFields(reader, effects);
    }
    if (record.GameEnds) return kEndGame;
    return Carry(record, areaIndex, objectIndex);
  } catch (const std::exception& e) {
    if (!rt.StopRequested) {
      rt.ShowStandardError(" Unable to make the action associated with the hotspot #" +
                           std::to_string(areaIndex) + ". " + ErrorDescription(e));
    }
    return kNothing;
  }
}

int16_t Actions::Carry(ActionRecord& r, int16_t areaIndex, int16_t objectIndex) {
  GameRuntime& rt = owner_.runtime();
  GameSubsystems& sub = rt.subsystems();
  GameWindow& window = *rt.game();
  const ProjectFolders& folders = rt.folders;
  auto stopped = [&rt] { return rt.StopRequested; };

  if (stopped()) return kNothing;  // 1
  sub.scripts->ResetActionModule();

  if (stopped()) return kNothing;  // 2
  const std::string script = AsText(r.ScriptText);
  if (r.ScriptEnabled && !script.empty()) {
    sub.scripts->SetActionHotspotNumber(areaIndex);
    sub.scripts->ExecuteVBScript(UnescapeScriptText(script), false);
    if (sub.scripts->Requests().stopGame) return kEndGame;
  }

  if (stopped()) return kNothing;  // 3
  const std::string soundFile = AsText(r.SoundFile);
  if (IsOn(r.PlaySound) && !soundFile.empty() &&
      (!sub.sound->IsChannelPlaying(kHotspotSoundChannel) || r.InterruptSound != 0)) {
    sub.sound->StopChannel(kHotspotSoundChannel);
    sub.sound->PlayOnChannel(kHotspotSoundChannel,
                             rt.ResolveMediaPath(folders.AreasFolder + soundFile),
                             r.LoopSound ? 0 : 1, 7);
  }

  if (stopped()) return kNothing;  // 4
  if (IsOn(r.PlayMusic)) {
    sub.sound->StopChannel(kMusicChannel);
    sub.sound->PlayOnChannel(kMusicChannel,
                             rt.ResolveMediaPath(folders.FramesFolder + AsText(r.MusicFile)), 1, 8);
  } else if (IsOn(r.StopMusic) && r.StopAllSounds == 0) {
    sub.sound->StopChannel(kMusicChannel);
  }

  if (stopped()) return kNothing;  // 5
  if (r.StopAllSounds == 0 && objectIndex == 0) {
    const std::string path = ExistingFrameFile(rt, rt.CurrentFrameName, ".fm5");
    if (!path.empty()) {
      ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
      while (!reader.AtEnd()) {
        reader.Skip();
        if (reader.ReadInteger() == areaIndex) {
          SkipValues(reader, 8);
          sub.sound->PlaySoundChannels(reader);
          break;
        }
        SkipToSeparator(reader);
      }
    }
  }

  if (stopped()) return kNothing;  // 6
  if (r.PlayVideo != 0 || !FrameChangeFollows(r)) {
    sub.sound->ApplySoundChannels();
    sub.sound->StartAudioFade();
    window.TimerAudioFade.SetEnabled(true);
  }

  if (stopped()) return kNothing;  // 7
  if (r.PlayVideo != 0) {
    sub.shell->HideMenus();
    window.CutSceneArea.SetVisible(false);
    window.PlayVideo(rt.ResolveMediaPath(folders.FramesFolder + r.Video.File), r.Video,
                     ActionPixelsToTwips);
  }

  if (stopped()) return kNothing;  // 8
  if (IsOn(r.ShowMessage)) {
    owner_.messages.DisplayTextMessage(
        AsText(r.MessageText), r.MessageOption.IsEmpty() ? false : r.MessageOption.ToBool());
  }

  if (stopped()) return kNothing;  // 9
  if (r.PlayVideo != 0) {
    window.WaitForVideoEnd();
    if (FrameChangeFollows(r)) sub.sound->StepAudioFade(1);
  }

  if (stopped()) return kNothing;  // 10
  const ScriptRequests requests = sub.scripts->Requests();
  std::string frameToLoad = rt.ResolveFrameTarget(requests.frameToLoad, false);
  if (frameToLoad != requests.frameToLoad) sub.scripts->ResolvedFrameToLoad(frameToLoad);
  auto transitionIf = [](bool on, int number, double seconds) -> std::optional<FrameTransition> {
    if (!on) return std::nullopt;
    return FrameTransition{number, seconds};
  };
  int16_t outcome = kNothing;
  if (!frameToLoad.empty()) {
    const double seconds = requests.transitionDuration;
    window.OpenFrame(frameToLoad, transitionIf(seconds != 0, requests.transitionNumber, seconds));
    outcome = kFrameOpened;
  } else {
    if (stopped()) return kNothing;  // 11
    const auto transition = transitionIf(EqualsOne(r.TransitionEnabled), r.TransitionNumber,
                                         r.TransitionDuration / 1000);
    if (r.GoToFrameEnabled != 0) {
      window.OpenFrame(r.TargetFrame, transition);
      outcome = kFrameOpened;
    } else if (IsOn(r.GoBack) && rt.FramesHistory.size() > 1) {
      window.OpenFrame(rt.FramesHistory.TakeLastVisited().value_or(""), transition);
      outcome = kFrameOpened;
    }
  }

  if (stopped()) return kNothing;  // 12
  if (outcome != kFrameOpened) sub.timedEvents->StartTimedEvents();
  return outcome;
}

}  // namespace sw
