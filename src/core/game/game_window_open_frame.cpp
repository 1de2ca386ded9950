// Frame opening: the frame file is read, old activity stopped, the background drawn, texts,
// hotspots, script, sounds, effects, transition and video started in a fixed order, and the
// frame timer and timed events armed.
#include <chrono>
#include <cmath>

#include "core/frames/frame_file.h"
#include "core/frames/frame_paths.h"
#include "core/frames/frame_timer.h"
#include "core/frames/video_placement.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/project/file_names.h"
#include "core/valuefile/value_reader.h"
#include "platform/geometry.h"
#include "platform/platform.h"

namespace sw {

namespace {

using platform::kTwipsPerPixel;

// The frame's video rectangle in twips, in the window's full integer range.
int FramePixelsToTwips(int16_t pixels) {
  return pixels * kTwipsPerPixel;
}

// A picture size in twips as the 16-bit integer the tiling loop counts with.
int16_t TwipsAsInteger(int twips) {
  if (twips > INT16_MAX || twips < INT16_MIN) throw VbError(vberr::kOverflow);
  return static_cast<int16_t>(twips);
}

}  // namespace

void GameWindow::LoadFrameHeader(const std::string& name) {
  runtime_.CurrentFrameName = name;
  try {
    ValueReader reader = ValueReader::FromFile(
        runtime_.files().Resolve(runtime_.folders.FramesFolder + name + ".fme"),
        runtime_.files().codec());
    const FrameHeader header = ReadFrameHeader(reader);
    runtime_.FrameKind = header.FrameKind;
    runtime_.FrameBackground = header.FrameBackground;
    runtime_.FrameTiled = header.FrameTiled;
  } catch (const std::exception& e) {
    runtime_.ShowStandardError(" Unable to load the frame called '" + name + "'. " +
                               ErrorDescription(e));
  }
}

void GameWindow::DrawBackground() {
  const ProjectFolders& folders = runtime_.folders;
  if (runtime_.FrameKind == 0) {
    PictureBox.Cls();
    const auto colour = static_cast<platform::VbColor>(ValOf(runtime_.FrameBackground));
    if (colour != PictureBox.back_color()) PictureBox.SetBackColor(colour);
  }
  std::string path;
  if (runtime_.FrameKind == 1) {
    // A missing picture has had its warning; nothing is painted and the opening goes on.
    path = runtime_.ResolveMediaPath(folders.FramesFolder + runtime_.FrameBackground);
    if (!runtime_.FileExists(path)) return;
  }
  if (runtime_.FrameKind == 1 && runtime_.FrameTiled) {
    const platform::Picture tile = runtime_.LoadPicture(path);
    ImageTile.SetPicture(tile);
    const int frameW = PictureBox.width();
    const int frameH = PictureBox.height();
    const int w = TwipsAsInteger(tile.width_twips());
    const int h = TwipsAsInteger(tile.height_twips());
    // An empty tile would never advance; it draws nothing instead.
    if (w > 0 && h > 0) {
      for (int x = 0; x <= frameW; x += w) {
        for (int y = 0; y <= frameH; y += h) PictureBox.PaintPicture(tile, x, y);
      }
    }
    ImageTile.SetPicture({});
  } else if (runtime_.FrameKind == 1) {
    const platform::Picture picture = runtime_.LoadPicture(path);
    PictureBox.PaintPicture(picture, 0, 0, runtime_.info.FrameWidth * kTwipsPerPixel,
                            runtime_.info.FrameHeight * kTwipsPerPixel);
  }
}

void GameWindow::WaitForRipplingWaterStep() {
  TimerRipplingWater.SetEnabled(false);
  auto& clock = runtime_.platform().clock();
  const auto start = clock.NowMs();
  while (!runtime_.subsystems().water->StepEnded() && clock.NowMs() - start < 5000 &&
         !runtime_.platform().events().quit_requested()) {
    runtime_.platform().DoEvents();
  }
}

void GameWindow::PlayVideo(const std::string& path, const VideoPlacement& placement,
                           int (*toTwips)(int16_t pixels)) {
  VideoService& video = *runtime_.subsystems().video;
  if (placement.InFrameArea) {
    CutSceneArea.Move(toTwips(placement.Left), toTwips(placement.Top), toTwips(placement.Width),
                      toTwips(placement.Height));
    video.PlayMovieWithStop(path, true, false, 0, 0, 0, 0);
    CutSceneArea.ZOrder(0);
    runtime_.platform().DoEvents();
    CutSceneArea.SetVisible(true);
  } else if (placement.WithoutPlacement) {
    video.PlayMovieWithStop(path, false, false, 0, 0, 0, 0);
  } else {
    video.PlayMovieWithStop(path, false, true, placement.Left, placement.Top, placement.Width,
                            placement.Height);
  }
}

void GameWindow::WaitForVideoEnd() {
  GameRuntime& rt = runtime_;
  GameSubsystems& sub = rt.subsystems();
  sub.pointers->SetScreenPointerArrow();
  auto videoRunning = [&rt] {
    const std::string status = rt.VideoStatus();
    return !(status == "stopped" || status.empty());
  };
  platform::Platform& platform = rt.platform();
  while (videoRunning() && !rt.StopMovie && !platform.events().quit_requested()) {
    bool activity = platform.events().DoEvents();
    sub.shell->HideMenus();
    activity |= platform.events().DoEvents();
    // On the real clock a pass without input or timers waits briefly for the next one
    // rather than spinning a core while the video plays.
    if (!activity && !platform.clock().is_virtual()) platform.display().Wait(1);
  }
  sub.pointers->SetScreenPointerDefault();
  rt.StopMovie = false;
}

void GameWindow::OpenFrame(const std::string& name, std::optional<FrameTransition> transition) {
  GameRuntime& rt = runtime_;
  GameSubsystems& sub = rt.subsystems();
  const ProjectFolders& folders = rt.folders;
  const bool withTransition = transition.has_value();
  const int transNumber = withTransition ? transition->number : 0;
  const double duration = withTransition ? transition->seconds : 0;
  // The frame now shown is captured before anything of it changes.
  if (withTransition) sub.transitions->TransitionStep1(transNumber);

  if (name.empty()) {  // 1
    rt.ShowStandardError(" A program link is broken.");
    return;
  }
  if (!rt.FileExists(folders.FramesFolder + name + ".fme")) {  // 2
    rt.ShowStandardError(
        " A program link is broken. The frame named \"" + name +
        "\" was not found. Verify that the 'Initial Frame' exists and that the 'Go to another "
        "frame' option in the Hotspot Properties is linked to an existing frame.");
    return;
  }

  auto stopped = [&rt] { return rt.StopRequested; };
  try {
    Timer1.SetEnabled(false);  // 3
    Timer1.SetInterval(0);
    sub.timedEvents->ResetTimedEvents();     // 4
    sub.hotspots->SetMergedHotspotStart(1);  // 5
    sub.texts->SetMergedTextStart(1);
    rt.ResetCurrentFrameInfo();  // 6
    LoadFrameHeader(name);
    if (stopped()) return;  // 7
    if (rt.ControlsReferencesMode == 0) sub.scripts->DetermineControlsReferencesMode();
    FramesHistoryAdd(name);  // 8
    if (stopped()) return;   // 9
    FrameFile frame;
    {
      ValueReader reader = ValueReader::FromFile(
          rt.files().Resolve(folders.FramesFolder + name + ".fme"), rt.files().codec());
      frame = ReadFrameFile(reader);
    }
    bool anyFade = false;
    for (size_t k = 0; k < frame.Channels.size(); ++k) {
      const bool accepted =
          sub.sound->OfferFrameChannelEntry(static_cast<int>(k) + 1, frame.Channels[k]);
      if (accepted && !frame.Channels[k][1].IsEmpty() && frame.Channels[k][1].ToBool()) {
        anyFade = true;
      }
    }
    if (anyFade) sub.sound->SetFadeTime(frame.FadeTime.ToDouble() / 1000.0);
    rt.TimerTransition = frame.TimerTransition;
    rt.TimerTransitionDuration = frame.TimerTransitionDuration;
    rt.TimerTransitionNumber = frame.TimerTransitionNumber;

    if (TimerRipplingWater.enabled()) WaitForRipplingWaterStep();  // 10
    bool waterLoaded = false;                                      // 11
    PicRipplingWater.SetVisible(false);

    const bool hasVideo = !frame.Video.File.empty();
    const std::string videoPath =
        hasVideo ? folders.FramesFolder + frame.Video.File : std::string();
    auto startVideo = [&] {
      PlayVideo(rt.ResolveMediaPath(videoPath), frame.Video, FramePixelsToTwips);
    };

    if (stopped()) return;  // 12
    if (hasVideo && frame.VideoFirst && !withTransition) {
      CutSceneArea.SetVisible(false);
      sub.video->Stop();
      sub.shell->HideMenus();
      rt.StopMovie = false;
      startVideo();
    }
    if (stopped()) return;  // 13
    if (frame.StopAllSounds) sub.sound->StopAnyWavOrMP3();
    if (stopped()) return;  // 14
    if (frame.MusicFile.empty() && frame.StopMusic)
      sub.sound->StopChannel(SoundService::kMusicChannel);
    if (stopped()) return;  // 15
    if (frame.InterruptSound) sub.sound->StopChannel(SoundService::kFrameSoundChannel);
    if (!frame.SoundFile.empty()) {  // 16
      const std::string path = rt.ResolveMediaPath(folders.AreasFolder + frame.SoundFile);
      if (!sub.sound->IsFilePlaying(path) || frame.InterruptSound) {
        sub.sound->StopChannel(SoundService::kFrameSoundChannel);
        sub.sound->PlayOnChannel(SoundService::kFrameSoundChannel, path, frame.LoopSound ? 0 : 1,
                                 7);
      }
    }
    if (stopped()) return;  // 17
    sub.texts->ResetFrameTexts();
    if (stopped()) return;  // 18
    sub.hotspots->ResetFrameAreas();
    if (stopped()) return;  // 19
    DrawBackground();
    if (stopped()) return;  // 20
    sub.texts->LoadTexts(name);
    if (stopped()) return;  // 21
    sub.hotspots->LoadAreas(name);
    if (stopped()) return;  // 22
    sub.scripts->ResetActionModule();
    const std::string script = frame.ScriptText.IsEmpty() ? "" : frame.ScriptText.ToStringUtf8();
    if (!script.empty() && frame.ScriptEnabled) {  // 23
      sub.scripts->SetActionHotspotNumber(0);
      sub.scripts->ExecuteVBScript(UnescapeScriptText(script), true);
      if (sub.scripts->Requests().stopGame) {
        sub.shell->StartUnloading();
        return;
      }
    }
    if (stopped()) return;  // 24
    sub.hotspots->ShowOrNotShowAreas();
    sub.inventory->BringItemsToFront();  // 25
    if (stopped()) return;               // 26
    if (!frame.StopAllSounds) {
      const std::string chn = FrameFilePath(
          folders, [&rt](const std::string& p) { return rt.FileExists(p); }, rt.CurrentFrameName,
          ".chn");
      if (rt.FileExists(chn)) {
        ValueReader reader = ValueReader::FromFile(rt.files().Resolve(chn), rt.files().codec());
        sub.sound->PlaySoundChannels(reader);
      }
    }
    if (stopped()) return;  // 27
    if (!frame.MusicFile.empty()) {
      sub.sound->StopChannel(SoundService::kMusicChannel);
      sub.sound->PlayOnChannel(SoundService::kMusicChannel,
                               rt.ResolveMediaPath(folders.FramesFolder + frame.MusicFile), 1, 8);
    }
    const bool lateVideo = hasVideo && (!frame.VideoFirst || withTransition);
    if (stopped()) return;  // 28
    if (lateVideo) {
      CutSceneArea.SetVisible(false);
      sub.video->Stop();
    }
    auto& menu = form_->menu();
    const bool effectsOn = !menu.Get("mnuDisableEffects").checked();
    if (stopped()) return;  // 29
    if (effectsOn && rt.FrameKind == 1 && !rt.FrameTiled) {
      waterLoaded = sub.water->LoadWaveEffectIfAny(name);
    }
    sub.sound->ApplySoundChannels();  // 30
    if (!withTransition) {
      sub.sound->StartAudioFade();
      TimerAudioFade.SetEnabled(true);
    } else {
      sub.transitions->TransitionStep2(transNumber, duration);
    }
    if (stopped()) return;  // 31
    if (lateVideo) {
      sub.shell->HideMenus();
      rt.StopMovie = false;
      startVideo();
    }
    if (stopped()) return;  // 32
    WaitForVideoEnd();
    CutSceneArea.SetVisible(false);
    sub.video->Stop();
    if (stopped()) return;  // 33
    if (effectsOn && waterLoaded) {
      sub.water->StartTiming();
      TimerRipplingWater.SetEnabled(true);
    }

    if (stopped()) return;  // 34: from here a failing statement is skipped
    if (frame.TimerEnabled) {
      StepRunner steps;
      steps.Run([&] { Timer1.SetTag(frame.TimerTarget); });
      steps.Run([&] { Timer1.SetEnabled(true); });
      steps.Run([&] { Timer1.SetInterval(FrameTimerInterval(frame.TimerDelay)); });
      if (steps.failed()) rt.ShowStandardError(" Unable to load timer duration.");
    }
    sub.timedEvents->StartTimedEvents();  // 35
  } catch (const std::exception& e) {
    if (!rt.StopRequested) {
      rt.ShowStandardError(
          " Unable to load the frame called '" + name +
          "'. Verify that the 'Initial Frame' exists and that the 'Go to another frame' option "
          "in the Hotspot Properties is linked to an existing frame. " +
          ErrorDescription(e));
    }
  }
}

}  // namespace sw
