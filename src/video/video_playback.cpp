#include "video/video_playback.h"

#include <algorithm>

#include "platform/geometry.h"

namespace sw::video {

VideoPlayback::VideoPlayback(std::filesystem::path file, std::shared_ptr<VideoWindow> window,
                             PlaybackEnvironment environment)
    : file_(std::move(file)), window_(std::move(window)), environment_(std::move(environment)) {
  Restart(0);
  if (window_) {
    // A window keeps the video's own size at its container's top-left corner until placed.
    const platform::VideoInfo& v = decoder_->info();
    window_->Move(0, 0, platform::PixelsToTwips(v.width), platform::PixelsToTwips(v.height));
  }
}

VideoPlayback::~VideoPlayback() {
  decoder_.reset();  // first: it feeds the sound stream
  sound_.reset();
}

void VideoPlayback::Restart(std::int64_t ms) {
  decoder_.reset();
  sound_.reset();
  if (environment_.open_sound) sound_ = environment_.open_sound();
  if (sound_) sound_->SetPaused(true);
  platform::VideoDecoderOptions options;
  options.sound = sound_.get();
  decoder_ = std::make_unique<platform::VideoDecoder>(file_, options, ms);
  if (!decoder_->info().has_sound) sound_.reset();
  start_ms_ = ms;
  position_ = ms;
  anchor_pos_ = ms;
  anchor_time_ = Now();
}

void VideoPlayback::PutWindow(int left, int top, int width, int height) {
  if (!window_) return;
  window_->Move(platform::PixelsToTwips(left), platform::PixelsToTwips(top),
                platform::PixelsToTwips(std::max(0, width)),
                platform::PixelsToTwips(std::max(0, height)));
}

void VideoPlayback::Play(bool showWindow) {
  if (showWindow && window_) {
    window_->ZOrder(0);
    window_->SetVisible(true);
  }
  if (state_ == State::kPlaying) return;
  state_ = State::kPlaying;
  anchor_pos_ = position_;
  anchor_time_ = Now();
  if (sound_) sound_->SetPaused(false);
}

void VideoPlayback::Pause() {
  if (state_ != State::kPlaying) return;
  position_ = Clock();
  state_ = State::kPaused;
  if (sound_) sound_->SetPaused(true);
}

void VideoPlayback::Stop() {
  if (state_ == State::kPlaying) position_ = Clock();
  state_ = State::kStopped;
  if (sound_) sound_->SetPaused(true);
}

void VideoPlayback::Seek(std::int64_t ms) {
  Stop();
  Restart(std::clamp<std::int64_t>(ms, 0, std::max<std::int64_t>(0, LengthMs())));
}

std::string VideoPlayback::Mode() const {
  switch (state_) {
    case State::kPlaying:
      return "playing";
    case State::kPaused:
      return "paused";
    case State::kStopped:
      break;
  }
  return "stopped";
}

std::int64_t VideoPlayback::LengthMs() const {
  return decoder_->info().length_ms;
}

std::int64_t VideoPlayback::PositionMs() const {
  return position_;
}

std::int64_t VideoPlayback::dropped() const {
  return decoder_->dropped();
}

std::int64_t VideoPlayback::sound_played_ms() const {
  if (!sound_) return 0;
  return sound_->played() * 1000 / std::max(1, sound_->format().rate);
}

std::int64_t VideoPlayback::Clock() {
  if (state_ != State::kPlaying) return position_;
  const std::int64_t now = Now();
  std::int64_t pos = 0;
  const bool soundLeads = sound_ && !(decoder_->read_all() && sound_->buffered() == 0);
  if (soundLeads) {
    pos = start_ms_ + sound_->played() * 1000 / std::max(1, sound_->format().rate);
    anchor_pos_ = pos;
    anchor_time_ = now;
  } else {
    pos = anchor_pos_ + (now - anchor_time_);
  }
  position_ = std::max(position_, pos);
  return position_;
}

void VideoPlayback::Tick() {
  if (state_ != State::kPlaying) return;
  const std::int64_t pos = Clock();
  if (auto picture = decoder_->PictureAt(pos, environment_.repeatable)) {
    shown_ = picture->number;
    last_due_ = picture->due_ms;
    if (window_) window_->Show(std::move(picture->pixels));
  }
  if (!decoder_->ended() || (sound_ && sound_->buffered() > 0)) return;
  // The last picture stays for its own time, then the video has ended.
  const double fps = decoder_->info().fps;
  const std::int64_t frameMs =
      fps > 0 ? std::min<std::int64_t>(1000, static_cast<std::int64_t>(1000 / fps)) : 0;
  if (last_due_ < 0 || pos >= last_due_ + frameMs) {
    state_ = State::kStopped;
    if (sound_) sound_->SetPaused(true);
  }
}

}  // namespace sw::video
