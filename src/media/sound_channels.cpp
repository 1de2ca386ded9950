#include "media/sound_channels.h"

#include <cctype>
#include <cmath>

#include "core/valuefile/value_reader.h"

namespace sw::media {

namespace {

using platform::kPlayStatePlaying;
using platform::MediaPlayer;

// True when `name` is longer than 4 characters and ends, ignoring case, in `ending`.
bool EndsWith(const std::string& name, const char* ending) {
  const std::string end(ending);
  if (name.size() <= 4) return false;
  const std::string tail = name.substr(name.size() - end.size());
  for (size_t i = 0; i < end.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != end[i]) return false;
  }
  return true;
}

bool Playing(const MediaPlayer& p) {
  return p.PlayState() == kPlayStatePlaying;
}

}  // namespace

const std::string& SoundChannels::AudioWarningText() {
  static const std::string text =
      "WARNING: Another program may be using the audio hardware resources, an audio file may be "
      "damaged, or your audio drivers may be unable to play at the same time an audio file and "
      "the audio track of a video file. Although this error can be safely ignored, it may "
      "result in some sound files not being played. It is recommended that you close all the "
      "other Windows applications that are running, and that you restart the program.\r\n\r\n"
      "This message will not reappear until you restart the program.";
  return text;
}

SoundChannels::SoundChannels(const std::array<MediaPlayer*, kChannels>& players, SoundHost& host)
    : players_(players), host_(host) {
  for (int c = 1; c <= kChannels; ++c) at(c).player = static_cast<int16_t>(c);
}

int32_t SoundChannels::ChannelVolumeToPlayer(double volume) {
  // Out-of-range levels saturate; the player clamps to its own range.
  if (!std::isfinite(volume)) volume = volume > 0 ? 1000 : 0;
  volume = std::fmax(-1000.0, std::fmin(1000.0, volume));
  return static_cast<int32_t>(std::lround((volume - 10) * 400));
}

void SoundChannels::SetFadeTime(double seconds) {
  fadeTime_ = std::isfinite(seconds) ? std::fmax(0.0, std::fmin(3600.0, seconds)) : 0.0;
}

void SoundChannels::SetActionOrder(int k, const SoundOrder& order) {
  SoundChannel& ch = at(k);
  ch.action = order.action;
  ch.fade = order.fade;
  ch.repeat = order.repeat;
  ch.previousVolume = ch.volume;
  ch.volume = order.volume;
  ch.file = order.file;
  ch.skipIfPlaying = false;
}

bool SoundChannels::OfferFrameOrder(int k, const SoundOrder& order) {
  if (k < 1 || k > kChannels) return false;
  const SoundChannel& ch = channel(k);
  const bool taken =
      (order.action > 1 && ch.action < 2) || (!order.file.empty() && ch.file.empty());
  if (!taken) return false;
  SetActionOrder(k, order);
  at(k).skipIfPlaying = true;
  return true;
}

void SoundChannels::Start(MediaPlayer& p, const std::string& path, bool repeat, double level) {
  p.Stop();
  p.SetFileName(path);
  p.SetVolume(ChannelVolumeToPlayer(level));
  p.SetPlayCount(repeat ? 0 : 1);
  p.Play();
}

void SoundChannels::ApplySoundChannels() {
  try {
    for (int c = 1; c <= kChannels; ++c) {
      SoundChannel& ch = at(c);
      MediaPlayer& p = player(ch.player);
      if (ch.fade) {
        if (ch.file.empty()) continue;
        const std::string path = host_.ResolveSoundFile(ch.file);
        if (!host_.FileExists(path)) {
          ch.file.clear();
          continue;
        }
        StopOtherMidi(c);
        if (Playing(p)) {
          const int free = FindFreePlayer();
          if (free != -1) {
            // Cross-fade: the new sound starts silent on a free player while the old one
            // plays on; the channel that owned the free player takes the old one.
            const int16_t old = ch.player;
            ch.outgoing = old;
            ch.player = static_cast<int16_t>(free);
            Start(player(free), path, ch.repeat, 0);
            for (int d = 1; d <= kChannels; ++d) {
              if (d != c && at(d).player == free) at(d).player = old;
            }
            continue;
          }
        }
        ch.outgoing = 0;
        Start(p, path, ch.repeat, 0);
      } else {
        if (ch.action == 3) p.Stop();
        if (!ch.file.empty()) {
          const std::string path = host_.ResolveSoundFile(ch.file);
          if (host_.FileExists(path)) {
            if (!(ch.skipIfPlaying && IsFilePlaying(path))) {
              StopOtherMidi(c);
              Start(p, path, ch.repeat, ch.volume);
            }
          }
        }
        if (ch.action == 4) p.SetVolume(ChannelVolumeToPlayer(ch.volume));
        ch.action = 0;
        ch.file.clear();
        ch.outgoing = 0;
      }
    }
    fadeStart_ = 0;
  } catch (const std::exception&) {
    // The remaining channels wait for the next call; the fade clock is left as it was.
    if (host_.StopRequested()) return;
    if (!host_.AudioWarningShown()) host_.ShowWarning(AudioWarningText(), kAudioWarningTitle);
    host_.SetAudioWarningShown();
  }
}

void SoundChannels::StepAudioFade(double progress) {
  const double p = progress;
  bool fading = false;
  for (int c = 1; c <= kChannels; ++c) {
    SoundChannel& ch = at(c);
    if (!ch.fade) {
      if (p >= 1) {
        ch.action = 0;
        ch.file.clear();
      }
      continue;
    }
    MediaPlayer& pl = player(ch.player);
    if (p >= 1) {
      if (ch.action == 3) pl.Stop();
      if (ch.action == 4) pl.SetVolume(ChannelVolumeToPlayer(ch.volume));
      if (!ch.file.empty()) {
        pl.SetVolume(ChannelVolumeToPlayer(ch.volume));
        if (ch.outgoing != 0) {
          player(ch.outgoing).Stop();
          ch.outgoing = 0;
        }
      }
      ch.action = 0;
      ch.file.clear();
      ch.outgoing = 0;
      ch.fade = false;
      continue;
    }
    fading = true;
    if (ch.action == 3) pl.SetVolume(ChannelVolumeToPlayer((1 - p) * ch.previousVolume));
    if (ch.action == 4) {
      pl.SetVolume(ChannelVolumeToPlayer(ch.previousVolume + p * (ch.volume - ch.previousVolume)));
    }
    if (!ch.file.empty()) {
      pl.SetVolume(ChannelVolumeToPlayer(p * ch.volume));
      if (ch.outgoing != 0) {
        player(ch.outgoing).SetVolume(ChannelVolumeToPlayer((1 - p) * ch.previousVolume));
      }
    }
  }
  // A progress that is not a number ends nothing but must not keep the timer running.
  if (!(p < 1 && fading)) host_.DisableFadeTimer();
}

void SoundChannels::TimerAudioFade() {
  const double now = host_.SecondsSinceMidnight();
  if (fadeStart_ == 0) {
    fadeStart_ = now;
    return;
  }
  const double elapsed = now - fadeStart_;
  if (elapsed < 0 || elapsed >= fadeTime_) {
    StepAudioFade(1);
    host_.DisableFadeTimer();
  } else {
    StepAudioFade(elapsed / fadeTime_);
  }
}

int SoundChannels::FindFreePlayer() const {
  for (int i = 1; i <= kChannels; ++i) {
    if (!Playing(player(i))) return i;
  }
  return -1;
}

void SoundChannels::StopOtherMidi(int c) {
  if (!EndsWith(channel(c).file, "mid")) return;
  for (int i = 1; i <= kChannels; ++i) {
    if (EndsWith(player(i).FileName(), "mid")) player(i).Stop();
  }
}

bool SoundChannels::IsFilePlaying(const std::string& path) const {
  for (int i = 1; i <= kChannels; ++i) {
    if (player(i).FileName() == path && Playing(player(i))) return true;
  }
  return false;
}

void SoundChannels::ResetSoundChannels() {
  for (int i = 1; i <= kChannels; ++i) {
    player(i).Stop();
    at(i).player = static_cast<int16_t>(i);
  }
}

void SoundChannels::StopAnyWavOrMP3() {
  for (int i = 1; i <= kChannels; ++i) {
    MediaPlayer& p = player(i);
    const std::string& name = p.FileName();
    if (Playing(p) && (EndsWith(name, "wav") || EndsWith(name, "mp3") || EndsWith(name, "wma"))) {
      p.Stop();
    }
  }
}

void SoundChannels::PlaySoundChannels(ValueReader& reader) {
  try {
    reader.Skip();
    for (int i = 0; i < 21; ++i) reader.Skip();
    for (int k = 1; k <= 5; ++k) {
      reader.Skip();
      const bool stop = reader.ReadBoolean();
      const bool play = reader.ReadBoolean();
      const std::string file = reader.ReadString();
      const double repeat = reader.ReadDouble();
      if (stop) PlayerOf(k).Stop();
      if (play && !file.empty()) {
        const std::string path = host_.ResolveSoundFile(file);
        // Missing sound files are skipped without a word of their own.
        if (host_.FileExists(path)) Start(PlayerOf(k), path, repeat != 0, 8);
      }
      if (reader.IsSeparatorNext()) break;
    }
  } catch (const std::exception&) {
    host_.ShowStandardError(" Unable to load old sound system information.");
  }
}

void SoundChannels::PlayOnChannel(int c, const std::string& path, int playCount, double level) {
  MediaPlayer& p = PlayerOf(c);
  p.Stop();
  p.SetFileName(path);
  p.SetPlayCount(playCount);
  p.SetVolume(ChannelVolumeToPlayer(level));
  p.Play();
}

}  // namespace sw::media
