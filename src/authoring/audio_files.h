// Sound files written from numbers, so that tests and the sample game carry no recordings:
// PCM WAV files from samples, and Standard MIDI files from a list of notes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sw {

// A mono 16-bit PCM WAV file of `seconds` at `rate`; `sample(t)` gives the value at t seconds,
// -1..1 (clipped).
std::string MakeWav(double seconds, int rate, const std::function<double(double)>& sample);
// A sine tone of `hz` at `amplitude` (0..1), with 5 ms ramps at both ends.
std::string MakeToneWav(double seconds, double hz, double amplitude = 0.5, int rate = 22050);

struct MidiNote {
  int key = 60;       // 60 = middle C
  int velocity = 90;  // 1..127
  int beats = 1;      // length in quarter notes; key 0 is a rest
};

// A format-0 Standard MIDI file: one track on channel 1 with the General MIDI program
// `program` (0 = piano), the notes one after another at `bpm` quarter notes per minute.
std::string MakeMidi(const std::vector<MidiNote>& notes, int program = 0, int bpm = 120);

}  // namespace sw
