#include "core/frames/frame_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "authoring/project_writer.h"
#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "test_support/temp_dir.h"

namespace sw {
namespace {

FrameFile ReadBack(const TempDir& dir, const std::string& name) {
  ValueReader reader =
      ValueReader::FromFile(dir.path() / "Frames" / (name + ".fme"), Windows1252());
  return ReadFrameFile(reader);
}

FrameFile Busy() {
  FrameFile f;
  f.FrameKind = 1;
  f.FrameBackground = "hall.bmp";
  f.FrameTiled = true;
  f.InterruptSound = true;
  f.SoundFile = "wind.wav";
  f.TimerEnabled = true;
  f.TimerDelay = Variant(std::string("2.5"));
  f.TimerTarget = "[last visited frame]";
  f.Video.File = "intro.avi";
  f.StopAllSounds = true;
  f.MusicFile = "theme.mid";
  f.Video.InFrameArea = true;
  f.Video.Left = 10;
  f.Video.Top = 20;
  f.Video.Width = 320;
  f.Video.Height = 240;
  f.LoopSound = false;
  f.TimerTransition = true;
  f.TimerTransitionDuration = 1500;
  f.TimerTransitionNumber = 3;
  f.ScriptEnabled = true;
  f.ScriptText = Variant(std::string("MsgBox |hi|\r\nx = 1"));
  f.FadeTime = Variant(int16_t{500});
  f.ValuesPerChannel = 5;
  for (int k = 1; k <= 9; ++k) {
    f.Channels.push_back({Variant(int16_t{1}), Variant(false), Variant(true),
                          Variant(static_cast<int16_t>(k)), Variant(std::string("s.wav"))});
  }
  f.VideoFirst = true;
  return f;
}

TEST(FrameFile, EveryFieldRoundTrips) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteFrame("Hall", Busy());
  const FrameFile f = ReadBack(dir, "Hall");
  EXPECT_EQ(f.FrameKind, 1);
  EXPECT_EQ(f.FrameBackground, "hall.bmp");
  EXPECT_TRUE(f.FrameTiled);
  EXPECT_EQ(f.SoundFile, "wind.wav");
  EXPECT_DOUBLE_EQ(f.TimerDelay.ToDouble(), 2.5);
  EXPECT_EQ(f.TimerTarget, "[last visited frame]");
  EXPECT_EQ(f.MusicFile, "theme.mid");
  EXPECT_EQ(f.Video.Height, 240);
  EXPECT_FALSE(f.LoopSound);
  EXPECT_EQ(f.TimerTransitionDuration, 1500);
  EXPECT_EQ(f.TimerTransitionNumber, 3);
  EXPECT_EQ(f.ScriptText.ToStringUtf8(), "MsgBox |hi|\r\nx = 1");  // line breaks inside the quotes
  EXPECT_EQ(f.FadeTime.ToDouble(), 500);
  // Entries numbered above 7 are read (the file goes on) but not kept.
  ASSERT_EQ(f.Channels.size(), 7u);
  EXPECT_EQ(f.Channels[6][3].ToLong(), 7);
  EXPECT_TRUE(f.VideoFirst);
}

TEST(FrameFile, HeaderOnlyKeepsDefaults) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteFrame("Hall", Busy(), 3);
  const FrameFile f = ReadBack(dir, "Hall");
  EXPECT_EQ(f.FrameBackground, "hall.bmp");
  EXPECT_TRUE(f.SoundFile.empty());
  EXPECT_FALSE(f.TimerEnabled);
  EXPECT_TRUE(f.Video.File.empty());
  EXPECT_FALSE(f.ScriptEnabled);
  EXPECT_TRUE(f.LoopSound);  // a missing loop flag means the sound repeats
}

TEST(FrameFile, EachEndCheckStopsQuietly) {
  for (int last : {10, 13, 22, 23, 25, 26, 28}) {
    SCOPED_TRACE(last);
    TempDir dir;
    ProjectWriter(dir.path()).WriteFrame("Hall", Busy(), last);
    FrameFile f;
    ASSERT_NO_THROW(f = ReadBack(dir, "Hall"));
    EXPECT_EQ(f.MusicFile, last >= 13 ? "theme.mid" : "");
    EXPECT_EQ(f.LoopSound, last < 23);
    EXPECT_EQ(f.ScriptEnabled, last >= 28);
    EXPECT_TRUE(f.Channels.empty());
    EXPECT_FALSE(f.VideoFirst);
  }
}

TEST(FrameFile, SixValuesPerChannelSkipsEntriesAndVideoFirst) {
  FrameFile busy = Busy();
  busy.ValuesPerChannel = 6;
  TempDir dir;
  ProjectWriter(dir.path()).WriteFrame("Hall", busy);
  const FrameFile f = ReadBack(dir, "Hall");
  EXPECT_EQ(f.ValuesPerChannel, 6);
  EXPECT_TRUE(f.Channels.empty());
  EXPECT_FALSE(f.VideoFirst);
}

TEST(FrameFile, WhatWasReadWritesTheSameFile) {
  FrameFile seven = Busy();
  seven.Channels.resize(7);  // entries above 7 are not kept, so they cannot come back
  for (int last : {3, 10, 13, 22, 23, 25, 26, 28, INT_MAX}) {
    SCOPED_TRACE(last);
    ValueWriter first;
    WriteFrameFile(first, seven, last);
    ValueReader reader(first.bytes());
    const FrameFile read = ReadFrameFile(reader);
    ValueWriter again;
    WriteFrameFile(again, read, last);
    EXPECT_EQ(again.bytes(), first.bytes());
  }
}

TEST(FrameFile, ChannelEntriesCountAsFieldsWhenAFileIsCut) {
  ValueWriter w;
  WriteFrameFile(w, Busy(), 39);  // the count and the first value of entry 1
  ValueReader reader(w.bytes());
  try {
    ReadFrameFile(reader);
    FAIL() << "a file cut inside its channel entries must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 62);
  }
}

TEST(FrameFile, HeaderReadsFirstThreeValues) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteFrame("Hall", Busy());
  ValueReader reader = ValueReader::FromFile(dir.path() / "Frames" / "Hall.fme", Windows1252());
  const FrameHeader h = ReadFrameHeader(reader);
  EXPECT_EQ(h.FrameKind, 1);
  EXPECT_EQ(h.FrameBackground, "hall.bmp");
  EXPECT_TRUE(h.FrameTiled);
}

}  // namespace
}  // namespace sw
