#include "video/mmedia.h"

#include <cmath>
#include <exception>
#include <random>

namespace sw::video {

namespace {

constexpr int kAliases = 50;

}  // namespace

void Mmedia::OpenAudio(const std::string& file, const std::string& type) {
  mmClose();
  // The alias is the file's last three characters and the minute of the hour.
  const int minute = static_cast<int>(std::fmod(backend_.SecondsSinceMidnight() / 60.0, 60.0));
  alias_ = (file.size() > 3 ? file.substr(file.size() - 3) : file) + std::to_string(minute);
  file_name_ = file;
  backend_.Open(alias_, file, type, nullptr);
}

void Mmedia::mmOpen(const std::string& sthefile) {
  OpenAudio(sthefile, "Sequencer");
}

void Mmedia::mmOpenWave(const std::string& sthefile) {
  OpenAudio(sthefile, "Waveaudio");
}

void Mmedia::mmClose() {
  if (!alias_.empty()) backend_.Close(alias_);
  alias_.clear();
  file_name_.clear();
}

void Mmedia::mmPause() {
  if (!alias_.empty()) backend_.Pause(alias_);
}

void Mmedia::mmPlay() {
  if (!alias_.empty()) backend_.Play(alias_, wait_, false);
}

void Mmedia::mmStop() {
  if (!alias_.empty()) backend_.Stop(alias_);
}

void Mmedia::mmSeek(float nPosition) {
  backend_.Seek(alias_, nPosition);
}

float Mmedia::Length() {
  if (alias_.empty()) return 0;
  return static_cast<float>(backend_.Length(alias_));
}

float Mmedia::Position() {
  if (alias_.empty()) return 0;
  return static_cast<float>(backend_.Position(alias_));
}

std::string Mmedia::Status() {
  return backend_.Mode(alias_);
}

void Mmedia::StopMovie() {
  backend_.Stop(alias_);
  backend_.Close(alias_);
  backend_.DoEvents();
}

std::string Mmedia::RandomAlias() {
  // Seeded from the time of day, as each video start does; an alias still open is drawn
  // again, so a second video never takes the first one's place.
  std::minstd_rand random(
      static_cast<std::uint32_t>(std::llround(backend_.SecondsSinceMidnight() * 100)) + 1);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::string alias;
  for (int attempt = 0; attempt < kAliases * 4; ++attempt) {
    alias = std::to_string(static_cast<int>(unit(random) * kAliases) + 1);
    if (!backend_.InUse(alias)) break;
  }
  return alias;
}

void Mmedia::PlayMovie(const std::string& file, platform::Element* where, bool bStretched,
                       std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                       std::int32_t lHeight) {
  try {
    if (!backend_.FileExists(file)) return;
    alias_ = RandomAlias();
    backend_.Open(alias_, file, "AviVideo", where);
    if (bStretched) backend_.PutWindow(alias_, lLeft, lTop, lWidth, lHeight);
    backend_.Play(alias_, false, true);
  } catch (const std::exception&) {
    // Whatever fails here leaves the video unplayed, without a message.
  }
}

}  // namespace sw::video
