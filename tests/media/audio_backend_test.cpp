// The SDL_mixer players under SDL's dummy audio driver: WAV, MP3, WMA and MIDI files made
// here, play counts, the decoded-sound cache, and files the mixer must refuse without harm.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

#include "authoring/audio_files.h"
#include "media/fake_players.h"
#include "platform/audio_encode.h"
#include "platform/audio_mixer.h"
#include "test_support/temp_dir.h"

namespace sw::testing {
namespace {

using platform::AudioError;
using platform::AudioFileKind;
using platform::AudioMixer;
using platform::kPlayStatePlaying;
using Clock = std::chrono::steady_clock;

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<int16_t> Tone(double seconds, int rate) {
  std::vector<int16_t> s(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<int16_t>(12000 * std::sin(2 * 3.14159265 * 440 * i / rate));
  }
  return s;
}

// Polls until `done` or the time is up; the audio thread runs in real time.
template <typename F>
bool WaitFor(F done, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const auto end = Clock::now() + limit;
  while (!done()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class AudioBackendTest : public ::testing::Test {
 protected:
  AudioBackendTest() {
    platform::AudioMixerOptions options;
    options.headless = true;
    mixer = std::make_unique<AudioMixer>(options);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = dir.path() / name;
    WriteFile(path, bytes);
    return path.string();
  }
  bool Plays(platform::MediaPlayer& p) { return p.PlayState() == kPlayStatePlaying; }

  TempDir dir;
  std::unique_ptr<AudioMixer> mixer;
};

TEST_F(AudioBackendTest, DummyDeviceOpens) {
  ASSERT_TRUE(mixer->device_open());
}

TEST_F(AudioBackendTest, WavPlaysUntilStoppedAndKeepsItsSettings) {
  auto& p = mixer->player(1);
  EXPECT_EQ(p.PlayState(), 0);
  p.SetFileName(Write("tone.wav", MakeToneWav(2, 440)));
  p.SetVolume(-800);
  p.SetPlayCount(1);
  EXPECT_FALSE(Plays(p));  // loading does not start it
  p.Play();
  EXPECT_TRUE(Plays(p));
  EXPECT_EQ(p.Volume(), -800);
  p.Stop();
  EXPECT_FALSE(Plays(p));
  EXPECT_EQ(p.FileName(), (dir.path() / "tone.wav").string());
}

TEST_F(AudioBackendTest, VolumeIsClampedToThePlayersRange) {
  auto& p = mixer->player(2);
  p.SetVolume(500);
  EXPECT_EQ(p.Volume(), 0);
  p.SetVolume(-20000);
  EXPECT_EQ(p.Volume(), -10000);
}

TEST_F(AudioBackendTest, LoopingSoundStillPlaysAfterThreeOfItsLengths) {
  const std::string file = Write("blip.wav", MakeToneWav(0.1, 880));
  auto& loop = mixer->player(1);
  auto& once = mixer->player(2);
  loop.SetFileName(file);
  loop.SetPlayCount(0);
  once.SetFileName(file);
  once.SetPlayCount(1);
  const auto start = Clock::now();
  loop.Play();
  once.Play();
  ASSERT_TRUE(WaitFor([&] { return !Plays(once); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(300) - (Clock::now() - start));
  EXPECT_TRUE(Plays(loop));
  loop.Stop();
}

TEST_F(AudioBackendTest, ContentDecidesTheFormatNotTheExtension) {
  auto& p = mixer->player(3);
  p.SetFileName(Write("tone.010", MakeToneWav(1, 440)));
  p.Play();
  EXPECT_TRUE(Plays(p));
}

TEST_F(AudioBackendTest, Mp3PlaysAndATruncatedOneDoesNoHarm) {
  if (!platform::CanEncodeAudio(AudioFileKind::kMp3)) GTEST_SKIP() << "no MP3 encoder";
  const auto path = dir.path() / "song.mp3";
  platform::EncodeAudioFile(path, AudioFileKind::kMp3, Tone(2, 44100), 44100);
  auto& p = mixer->player(1);
  p.SetFileName(path.string());
  p.Play();
  EXPECT_TRUE(Plays(p));
  // About two seconds of stereo 16-bit samples were decoded.
  EXPECT_NEAR(static_cast<double>(mixer->cached_bytes()), 2.0 * 44100 * 4, 0.2 * 44100 * 4);

  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  auto& q = mixer->player(2);
  try {
    q.SetFileName(Write("cut.mp3", bytes.substr(0, bytes.size() / 3)));
    q.Play();
  } catch (const AudioError&) {
  }
  EXPECT_TRUE(Plays(p));
}

TEST_F(AudioBackendTest, WmaIsDecodedThroughFfmpeg) {
  if (!platform::CanEncodeAudio(AudioFileKind::kWma)) GTEST_SKIP() << "no WMA encoder";
  const auto path = dir.path() / "voice.wma";
  platform::EncodeAudioFile(path, AudioFileKind::kWma, Tone(1, 22050), 22050);
  auto& p = mixer->player(4);
  p.SetFileName(path.string());
  p.SetPlayCount(0);
  p.Play();
  EXPECT_TRUE(Plays(p));
  // One second, resampled to the device's rate, stereo 16-bit.
  EXPECT_NEAR(static_cast<double>(mixer->cached_bytes()), 44100.0 * 4, 0.15 * 44100 * 4);
}

TEST_F(AudioBackendTest, MidiPlaysWithTheSystemSoundfontOneAtATime) {
  const std::string tune = Write("tune.mid", MakeMidi({{60, 90, 2}, {64, 90, 2}, {67, 90, 4}}));
  auto& a = mixer->player(5);
  auto& b = mixer->player(6);
  auto& wav = mixer->player(1);
  wav.SetFileName(Write("hum.wav", MakeToneWav(3, 220)));
  wav.Play();
  a.SetFileName(tune);
  a.Play();
  EXPECT_TRUE(Plays(a));
  b.SetFileName(tune);
  b.Play();
  EXPECT_TRUE(Plays(b));
  EXPECT_FALSE(Plays(a));  // the one music stream went to the second player
  EXPECT_TRUE(Plays(wav));
  a.Stop();  // stopping a player that lost the stream leaves the other alone
  EXPECT_TRUE(Plays(b));
}

TEST_F(AudioBackendTest, MidiWithGarbageEventsOrNoSoundfontIsRefusedOrSilentNeverFatal) {
  std::string garbage = MakeMidi({{60, 90, 1}});
  for (size_t i = 22; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 37 + 11);
  garbage += std::string(64, '\xF7');
  auto& p = mixer->player(7);
  try {
    p.SetFileName(Write("garbage.mid", garbage));
    p.Play();
  } catch (const AudioError&) {
  }
  mixer->SetSoundFont(dir.path() / "missing.sf2");
  const std::string tune = Write("tune.mid", MakeMidi({{60, 90, 1}}));
  try {
    p.SetFileName(tune);
    p.Play();
  } catch (const AudioError&) {
  }
  // Back to the system soundfont, MIDI plays again.
  mixer->SetSoundFont({});
  p.SetFileName(Write("tune2.mid", MakeMidi({{62, 90, 4}})));
  p.Play();
  EXPECT_TRUE(Plays(p));
}

TEST_F(AudioBackendTest, FilesThatAreNotAudioAreRefusedAndKeepTheirName) {
  auto& p = mixer->player(1);
  const std::string text = Write("notes.wav", "These are not the sounds you are looking for.\n");
  EXPECT_THROW(p.SetFileName(text), AudioError);
  EXPECT_EQ(p.FileName(), text);
  p.Play();
  EXPECT_FALSE(Plays(p));
  EXPECT_THROW(p.SetFileName((dir.path() / "nowhere.wav").string()), AudioError);
  EXPECT_THROW(p.SetFileName(Write("empty.wav", "")), AudioError);
  // A WAV header promising more than the file holds.
  std::string cut = MakeToneWav(1, 440);
  EXPECT_NO_FATAL_FAILURE({
    try {
      p.SetFileName(Write("cut.wav", cut.substr(0, 60)));
    } catch (const AudioError&) {
    }
  });
}

TEST_F(AudioBackendTest, DecodedSoundsAreKeptByPathUntilTheFileChanges) {
  const std::string file = Write("click.wav", MakeToneWav(0.2, 1000));
  mixer->player(1).SetFileName(file);
  mixer->player(2).SetFileName(file);
  EXPECT_EQ(mixer->cached_sounds(), 1u);
  const auto first = mixer->cached_bytes();
  WriteFile(file, MakeToneWav(0.4, 1000));
  std::filesystem::last_write_time(
      file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
  mixer->player(3).SetFileName(file);
  EXPECT_EQ(mixer->cached_sounds(), 1u);
  EXPECT_GT(mixer->cached_bytes(), first);
}

TEST(AudioBackendCacheTest, CacheDropsSoundsNoPlayerHoldsWhenOverBudget) {
  TempDir dir;
  platform::AudioMixerOptions options;
  options.cache_bytes = 100000;  // about half a second
  AudioMixer mixer(options);
  ASSERT_TRUE(mixer.device_open());
  for (int i = 0; i < 5; ++i) {
    const auto path = dir.path() / ("s" + std::to_string(i) + ".wav");
    WriteFile(path, MakeToneWav(0.4, 300 + i * 100));
    mixer.player(1).SetFileName(path.string());
  }
  EXPECT_LE(mixer.cached_bytes(), 100000u + 0.4 * 44100 * 4);
  EXPECT_LE(mixer.cached_sounds(), 2u);
}

// Names files in one folder, as the game's areas folder would.
class DirHost final : public media::SoundHost {
 public:
  explicit DirHost(std::filesystem::path d) : dir(std::move(d)) {}
  std::string ResolveSoundFile(const std::string& n) override { return (dir / n).string(); }
  bool FileExists(const std::string& p) override { return std::filesystem::exists(p); }
  bool StopRequested() override { return false; }
  bool AudioWarningShown() override { return false; }
  void SetAudioWarningShown() override {}
  void ShowWarning(const std::string&, const std::string&) override { ++warnings; }
  void ShowStandardError(const std::string&) override {}
  double SecondsSinceMidnight() override { return 0; }
  void DisableFadeTimer() override {}
  std::filesystem::path dir;
  int warnings = 0;
};

TEST_F(AudioBackendTest, CrossFadeOnTheRealPlayers) {
  std::array<platform::MediaPlayer*, media::kChannels> players{};
  for (int i = 1; i <= 7; ++i) players[static_cast<size_t>(i - 1)] = &mixer->player(i);
  Write("a.wav", MakeToneWav(3, 330));
  Write("b.wav", MakeToneWav(3, 440));
  DirHost dirHost(dir.path());
  media::SoundChannels real(players, dirHost);
  real.SetActionOrder(1, Order(2, "a.wav", 8, false, true));
  real.ApplySoundChannels();
  real.SetActionOrder(1, Order(2, "b.wav", 8, true, true));
  real.ApplySoundChannels();
  EXPECT_EQ(real.channel(1).player, 2);
  EXPECT_EQ(real.channel(1).outgoing, 1);
  EXPECT_TRUE(Plays(mixer->player(1)));
  EXPECT_TRUE(Plays(mixer->player(2)));
  real.StepAudioFade(1);
  EXPECT_FALSE(Plays(mixer->player(1)));
  EXPECT_TRUE(Plays(mixer->player(2)));
  EXPECT_EQ(mixer->player(2).Volume(), -800);
  EXPECT_EQ(dirHost.warnings, 0);
}

}  // namespace
}  // namespace sw::testing
