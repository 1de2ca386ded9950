// Stand-ins for the sound, script, inventory, shell and timed-event subsystems that record
// what the interaction asks of them, in one shared call log.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/game/subsystems.h"
#include "core/valuefile/value_reader.h"

namespace sw::testing {

struct CallLog {
  std::vector<std::string> calls;
  void Add(std::string call) { calls.push_back(std::move(call)); }
  size_t Count(const std::string& call) const {
    size_t n = 0;
    for (const auto& c : calls) n += c == call ? 1 : 0;
    return n;
  }
  // Position of the first call, or -1.
  long IndexOf(const std::string& call) const {
    for (size_t i = 0; i < calls.size(); ++i) {
      if (calls[i] == call) return static_cast<long>(i);
    }
    return -1;
  }
};

class RecordingSound final : public SoundService {
 public:
  explicit RecordingSound(CallLog& log) : log_(log) {}
  std::set<int> playing;          // channels whose player plays
  std::string firstChannelValue;  // what PlaySoundChannels found at the reader's position

  void StopAnyWavOrMP3() override { log_.Add("StopAnyWavOrMP3"); }
  void StopChannel(int channel) override { log_.Add("StopChannel " + std::to_string(channel)); }
  void PlayOnChannel(int channel, const std::string& path, int playCount, int level) override {
    log_.Add("Play " + std::to_string(channel) + " " + path.substr(path.find_last_of('/') + 1) +
             " " + std::to_string(playCount) + " " + std::to_string(level));
  }
  bool IsChannelPlaying(int channel) override { return playing.count(channel) > 0; }
  void SetFadeTime(double seconds) override { log_.Add("Fade " + std::to_string(seconds)); }
  void PlaySoundChannels(ValueReader& reader) override {
    firstChannelValue = reader.ReadString();
    log_.Add("PlaySoundChannels");
  }
  void ApplySoundChannels() override { log_.Add("ApplySoundChannels"); }
  void StepAudioFade(int step) override { log_.Add("StepAudioFade " + std::to_string(step)); }
  void SetActionChannelOrder(int k, const ChannelOrder& o) override {
    log_.Add("Channel " + std::to_string(k) + " " + std::to_string(o.action) + " " +
             (o.fade ? "fade" : "-") + " " + (o.repeat ? "repeat" : "-") + " " +
             std::to_string(static_cast<int>(o.volume)) + " " + o.file);
  }

 private:
  CallLog& log_;
};

class RecordingScripts final : public ScriptService {
 public:
  explicit RecordingScripts(CallLog& log) : log_(log) {}
  // Runs when a script executes: lets a test answer through the Action object's fields.
  std::function<void(const std::string&)> onExecute;
  std::string frameToLoad;
  bool stopGame = false;
  double transitionSeconds = 0;

  bool ExecuteVBScript(const std::string& text, bool reset) override {
    log_.Add("Script " + text + (reset ? " reset" : ""));
    if (onExecute) onExecute(text);
    return false;
  }
  void ResetActionModule() override {
    frameToLoad.clear();
    stopGame = false;
  }
  void SetActionHotspotNumber(int number) override {
    log_.Add("Hotspot " + std::to_string(number));
  }
  ScriptRequests Requests() override { return {frameToLoad, 0, transitionSeconds, stopGame}; }
  void ResolvedFrameToLoad(const std::string& frame) override { frameToLoad = frame; }

 private:
  CallLog& log_;
};

class RecordingInventory final : public InventoryService {
 public:
  explicit RecordingInventory(CallLog& log) : log_(log) {}
  int dragged = 0;
  void RemovePickedObject(int index) override { log_.Add("RemoveItem " + std::to_string(index)); }
  void AddPickedObject(const std::string& name, bool) override { log_.Add("AddItem " + name); }
  void PickOrNotPickObject(int area) override { log_.Add("Pick " + std::to_string(area)); }
  int DraggedItem() override { return dragged; }

 private:
  CallLog& log_;
};

class RecordingShell final : public ShellService {
 public:
  explicit RecordingShell(CallLog& log) : log_(log) {}
  void ShowMenus() override { log_.Add("ShowMenus"); }
  void StartUnloading() override { log_.Add("StartUnloading"); }
  void MenusOnMouseDown(int button) override {
    log_.Add("MenusOnMouseDown " + std::to_string(button));
  }

 private:
  CallLog& log_;
};

class RecordingTimedEvents final : public TimedEventService {
 public:
  explicit RecordingTimedEvents(CallLog& log) : log_(log) {}
  void StartTimedEvents() override { log_.Add("StartTimedEvents"); }

 private:
  CallLog& log_;
};

class RecordingTransitions final : public TransitionService {
 public:
  explicit RecordingTransitions(CallLog& log) : log_(log) {}
  void TransitionStep1(int number) override { log_.Add("Step1 " + std::to_string(number)); }
  void TransitionStep2(int number, double seconds) override {
    log_.Add("Step2 " + std::to_string(number) + " " + std::to_string(seconds));
  }

 private:
  CallLog& log_;
};

class RecordingVideo final : public VideoService {
 public:
  explicit RecordingVideo(CallLog& log) : log_(log) {}
  void PlayMovieWithStop(const std::string& path, bool inCutScene, bool placed, int left, int top,
                         int width, int height) override {
    log_.Add("Video " + path.substr(path.find_last_of('/') + 1) + (inCutScene ? " cut" : "") +
             (placed ? " placed " + std::to_string(left) + "," + std::to_string(top) + "," +
                           std::to_string(width) + "," + std::to_string(height)
                     : ""));
  }

 private:
  CallLog& log_;
};

}  // namespace sw::testing
