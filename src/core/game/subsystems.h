// The services other subsystems give the runtime core: hotspots, texts, messages, sound,
// video, transitions, rippling water, timed events, scripts, inventory, pointers, the
// window shell and the discs of a game shipped on several. Frame opening and the reset call them at
// their fixed steps. Each subsystem replaces its entry in GameSubsystems with its own
// implementation; until then the base classes below do nothing, which is how a game without that
// feature behaves.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/frames/channel_order.h"
#include "core/frames/frame_file.h"
#include "variant/dispatch.h"

namespace sw::platform {
class Element;
}

namespace sw {

class ValueReader;

struct HotspotService {
  virtual ~HotspotService() = default;
  // The number of the frame's first hotspot in the merged numbering (1 for a frame of its own).
  virtual void SetMergedHotspotStart(int start) { (void)start; }
  virtual int MergedHotspotStart() { return 1; }
  virtual void ResetFrameAreas() {}
  virtual void LoadAreas(const std::string& frame) { (void)frame; }
  virtual void ShowOrNotShowAreas() {}
};

// The project variables and the list of hotspots that disappeared.
struct VariableService {
  virtual ~VariableService() = default;
  virtual void RemoveAll() {}
  virtual void LoadVariables() {}
  // The variables as scripts see them, by name: the integer variables, then the variant
  // variables, each in collection order.
  virtual std::vector<std::pair<std::string, Ref<Dispatch>>> ScriptObjects() { return {}; }
  // The names of every integer and variant variable.
  virtual std::vector<std::string> Names() { return {}; }
  // What a saved game holds of them, in collection order: the integer variables, the
  // hotspots that disappeared (frame and hotspot number) and the variant variables.
  virtual std::vector<std::pair<std::string, int16_t>> IntegerValues() { return {}; }
  virtual std::vector<std::pair<std::string, int16_t>> DisappearedHotspots() { return {}; }
  virtual std::vector<std::pair<std::string, Variant>> VariantValues() { return {}; }
  // Restoring them: every integer (variant) variable of that exact name gets the value, a
  // name that is no variable changes nothing; a disappeared hotspot is appended.
  virtual void SetIntegerValue(const std::string& name, int16_t value) { (void)name, (void)value; }
  virtual void ChangeVariableVariantValue(const std::string& name, const Variant& value) {
    (void)name, (void)value;
  }
  virtual void AddDisappeared(const std::string& frame, int16_t index) { (void)frame, (void)index; }
};

// Where the last hotspot click landed, in pixels; scripts read it through the Action object.
struct ClickPositionService {
  virtual ~ClickPositionService() = default;
  virtual void ResetLastClickPosition() {}
  virtual int LastClickX() { return 0; }
  virtual int LastClickY() { return 0; }
};

struct TextService {
  virtual ~TextService() = default;
  virtual void SetMergedTextStart(int start) { (void)start; }
  virtual int MergedTextStart() { return 1; }
  virtual void ResetFrameTexts() {}
  virtual void LoadTexts(const std::string& frame) { (void)frame; }
};

// Messages to the player: a dialog box, or the banner across the frame.
struct MessageService {
  virtual ~MessageService() = default;
  // Shows `text` (game code page) as a dialog, or in the banner when `inFrame` is true.
  virtual void DisplayTextMessage(const std::string& text, bool inFrame) {
    (void)text, (void)inFrame;
  }
};

// The seven sound channels: 6 serves the frame and hotspot sounds, 7 the music.
struct SoundService {
  // The channel whose player plays the frame's sound and a hotspot's sound.
  static constexpr int kFrameSoundChannel = 6;
  // The channel whose player plays the music of frames and hotspots.
  static constexpr int kMusicChannel = 7;

  virtual ~SoundService() = default;
  virtual void ResetSoundChannels() {}
  virtual void StopAnyWavOrMP3() {}
  virtual void StopChannel(int channel) { (void)channel; }
  virtual bool IsFilePlaying(const std::string& path) {
    (void)path;
    return false;
  }
  // Plays a file on a channel: play count 0 repeats for ever; level on the 0-10 scale.
  virtual void PlayOnChannel(int channel, const std::string& path, int playCount, int level) {
    (void)channel, (void)path, (void)playCount, (void)level;
  }
  // A channel entry of a frame file, offered to channel k (1..7); true when the channel
  // accepted it.
  virtual bool OfferFrameChannelEntry(int k, const ChannelEntry& entry) {
    (void)k, (void)entry;
    return false;
  }
  virtual void SetFadeTime(double seconds) { (void)seconds; }
  // Reads an old-style ".chn" channel block and plays it.
  virtual void PlaySoundChannels(ValueReader& reader) { (void)reader; }
  virtual void ApplySoundChannels() {}
  virtual void StartAudioFade() {}
  // `progress`: the part of the fade time gone by, 0..1; 1 finishes every fade at once.
  virtual void StepAudioFade(double progress) { (void)progress; }
  // One tick of the game window's 100 ms TimerAudioFade.
  virtual void TimerAudioFade() {}
  // True while the player serving the channel plays.
  virtual bool IsChannelPlaying(int channel) {
    (void)channel;
    return false;
  }
  // A hotspot action's order for channel k (1..7) replaces the channel's pending order: its
  // previous volume becomes the current one, and skip-if-playing is False.
  virtual void SetActionChannelOrder(int k, const ChannelOrder& order) { (void)k, (void)order; }
};

struct VideoService {
  virtual ~VideoService() = default;
  // Stops and closes the video now playing (its alias stays the current one).
  virtual void Stop() {}
  // Closes the current device and forgets its alias.
  virtual void Close() {}
  // "playing", "stopped" or "" (no video open).
  virtual std::string Status() { return ""; }
  // Plays in the frame picture (inCutSceneArea false) or the cut-scene area; with `placed`,
  // at the rectangle given in pixels.
  virtual void PlayMovieWithStop(const std::string& path, bool inCutSceneArea, bool placed,
                                 int left, int top, int width, int height) {
    (void)path, (void)inCutSceneArea, (void)placed, (void)left, (void)top, (void)width,
        (void)height;
  }
};

struct TransitionService {
  virtual ~TransitionService() = default;
  virtual void InitTransitionList() {}
  // Captures the frame now shown, before a frame change with a transition.
  virtual void TransitionStep1(int number) { (void)number; }
  // Draws the transition from the captured frame to the new one.
  virtual void TransitionStep2(int number, double seconds) { (void)number, (void)seconds; }
  // True while a transition animates (the window's Esc key waits for it).
  virtual bool TransitionRunning() { return false; }
};

struct RipplingWaterService {
  virtual ~RipplingWaterService() = default;
  // True when the frame has a rippling-water effect and it was loaded.
  virtual bool LoadWaveEffectIfAny(const std::string& frame) {
    (void)frame;
    return false;
  }
  virtual bool StepEnded() { return true; }
  virtual void StartTiming() {}
  virtual void Tick() {}
};

// Timed events (pieces of script scheduled by scripts) and the object timers scripts drive.
struct TimedEventService {
  virtual ~TimedEventService() = default;
  virtual void ResetTimedEvents() {}
  virtual void StartTimedEvents() {}
  virtual void PauseTimedEvents() {}
  // The tick handlers of the TimedEvent and TimerObject timer arrays.
  virtual void TimedEventTimer(int index) { (void)index; }
  virtual void TimerObjectTimer(int index) { (void)index; }
  // A new event after `seconds`, started by the next StartTimedEvents; returns its index, or
  // 0 when the delay is too long or there are no timed events.
  virtual int16_t CreateTimedEvent(double seconds, const std::string& script, bool repeat) {
    (void)seconds, (void)script, (void)repeat;
    return 0;
  }
  // Stops event `index` for good.
  virtual void RemoveTimedEvent(int index) { (void)index; }
  // The index the next CreateTimedEvent gives.
  virtual int NextIndex() { return 0; }
};

// The saved-games dialogs as scripts open them.
struct SavedGamesService {
  virtual ~SavedGamesService() = default;
  // The save dialog, shown modally; the caller pauses what must wait for it.
  virtual void ShowSaveDialog() {}
  // The load dialog during a game; with `abortIfATimerIsEnabled` nothing is shown while an
  // object timer runs.
  virtual void ShowLoadGameWindow(bool abortIfATimerIsEnabled) { (void)abortIfATimerIsEnabled; }
};

// What a script left in the Action object for its caller: the frame to open ("last visited
// frame" stands for the previous one), its transition, and the end of the game.
struct ScriptRequests {
  std::string frameToLoad;
  int transitionNumber = 1;
  double transitionDuration = 0;  // seconds; 0 opens the frame without a transition
  bool stopGame = false;
};

// The script host and the requests scripts leave in the Action object.
struct ScriptService {
  virtual ~ScriptService() = default;
  virtual void DetermineControlsReferencesMode() {}
  virtual void LoadProcedures() {}
  // Seconds from the project's "ScriptTimeOut" setting (never called with 0).
  virtual void SetTimeoutSeconds(int seconds) { (void)seconds; }
  // True when the script failed (its message has been shown).
  virtual bool ExecuteVBScript(const std::string& text, bool resetLastClickPosition) {
    (void)text, (void)resetLastClickPosition;
    return false;
  }
  virtual void ResetActionModule() {}
  virtual void SetActionHotspotNumber(int number) { (void)number; }
  // The requests the Action object holds now.
  virtual ScriptRequests Requests() { return {}; }
  // The caller resolved the frame request ("last visited frame" became the frame it opens,
  // or "" when there was none): the Action object keeps what was resolved.
  virtual void ResolvedFrameToLoad(const std::string& frame) { (void)frame; }
};

struct InventoryService {
  virtual ~InventoryService() = default;
  virtual void UnloadItems() {}
  virtual void LayOutBar() {}
  virtual void BringItemsToFront() {}
  virtual bool Moving() { return false; }
  // Item actions: the item used up, an item added (silently or with its pop-up), a hotspot
  // that is an item to pick up, and the item being dragged (0 = none).
  virtual void RemovePickedObject(int index) { (void)index; }
  virtual void AddPickedObject(const std::string& name, bool silent) { (void)name, (void)silent; }
  // The names of the items held, in order.
  virtual std::vector<std::string> ItemNames() { return {}; }
  virtual void PickOrNotPickObject(int areaIndex) { (void)areaIndex; }
  virtual int DraggedItem() { return 0; }
  // The pointer moved over the frame: the bar may slide in when it is enabled and at rest.
  virtual void PointerOverFrame() {}
};

// Animated hotspot pictures (AniGif and AniGifBox): k is the index of the animated hotspot.
struct AnimationService {
  virtual ~AnimationService() = default;
  // Starts the animation of hotspot `hotspot` at (left, top) twips; returns its index k, or
  // 0 when animations are not available.
  virtual int AniGifNewWithIndex(int hotspot, const std::string& path, int left, int top,
                                 int16_t speed) {
    (void)hotspot, (void)path, (void)left, (void)top, (void)speed;
    return 0;
  }
  // The element that shows animation k (for its mouse pointer), or nullptr.
  virtual platform::Element* AniGifBox(int k) {
    (void)k;
    return nullptr;
  }
  // Shows or hides animation k; one that becomes visible restarts from its first picture.
  virtual void SetAnimationVisible(int k, bool visible) { (void)k, (void)visible; }
  // Unloads every animation (when the frame's hotspots are removed).
  virtual void UnloadAnimations() {}
};

struct PointerService {
  virtual ~PointerService() = default;
  virtual void ResetDefaultPointer() {}
  virtual void SetScreenPointerArrow() {}
  virtual void SetScreenPointerDefault() {}
};

// The game window's frame: menus, placing the window on the display, display mode and
// shutdown.
struct ShellService {
  virtual ~ShellService() = default;
  // Called by CenterWindowAndPictureBox once the window has its size: shows it full screen or
  // as a window with its caption.
  virtual void PlaceWindow() {}
  virtual void ShowMenus() {}
  virtual void HideMenus() {}
  // The menu rule of a mouse press on the frame's background: the right button shows the
  // menu bar when it is hidden, else hides it unless a menu title was just clicked; any
  // other button hides it.
  virtual void MenusOnMouseDown(int button) { (void)button; }
  virtual void StartUnloading() {}
  virtual void FillFrameMenu(const std::vector<std::string>& frames) { (void)frames; }
  virtual void ChangeToProjectResolution(int type) { (void)type; }
};

// The welcome window as start-up needs it.
struct WelcomeService {
  virtual ~WelcomeService() = default;
  virtual void CenterAndSize() {}
  virtual void Fill() {}
  virtual void SetResolutionCheck(int value) { (void)value; }
  // The resolution check box is visible and ticked.
  virtual bool ResolutionChecked() { return false; }
  virtual void Hide() {}
  // Answers the large-font check: true when the interface font is small enough.
  virtual bool IsSmallFonts() { return true; }
};

// A game shipped on several discs: the index of the files that lie on the discs, and the
// lookup that finds a file there, asking for the right disc when it is missing.
struct DiscService {
  virtual ~DiscService() = default;
  // Reads the disc index at start-up (nothing for a game on one disc).
  virtual void LoadCDIndex() {}
  // The path under which a file missing from the game folder can be read; the path itself
  // for a game on one disc.
  virtual std::string ResolveFromCD(const std::string& path) { return path; }
  // The folders besides the game folder that the game reads files from: the disc root in
  // use (none for a game on one disc).
  virtual std::vector<std::string> DiscRoots() { return {}; }
};

struct GameSubsystems {
  std::unique_ptr<HotspotService> hotspots = std::make_unique<HotspotService>();
  std::unique_ptr<VariableService> variables = std::make_unique<VariableService>();
  std::unique_ptr<ClickPositionService> clicks = std::make_unique<ClickPositionService>();
  std::unique_ptr<TextService> texts = std::make_unique<TextService>();
  std::unique_ptr<MessageService> messages = std::make_unique<MessageService>();
  std::unique_ptr<SoundService> sound = std::make_unique<SoundService>();
  std::unique_ptr<VideoService> video = std::make_unique<VideoService>();
  std::unique_ptr<TransitionService> transitions = std::make_unique<TransitionService>();
  std::unique_ptr<RipplingWaterService> water = std::make_unique<RipplingWaterService>();
  std::unique_ptr<TimedEventService> timedEvents = std::make_unique<TimedEventService>();
  std::unique_ptr<ScriptService> scripts = std::make_unique<ScriptService>();
  std::unique_ptr<InventoryService> inventory = std::make_unique<InventoryService>();
  std::unique_ptr<SavedGamesService> savedGames = std::make_unique<SavedGamesService>();
  std::unique_ptr<AnimationService> animations = std::make_unique<AnimationService>();
  std::unique_ptr<PointerService> pointers = std::make_unique<PointerService>();
  std::unique_ptr<ShellService> shell = std::make_unique<ShellService>();
  std::unique_ptr<WelcomeService> welcome = std::make_unique<WelcomeService>();
  std::unique_ptr<DiscService> discs = std::make_unique<DiscService>();
};

}  // namespace sw
