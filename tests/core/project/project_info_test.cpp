#include "core/project/project_info.h"

#include <gtest/gtest.h>

#include "authoring/project_writer.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "test_support/temp_dir.h"

namespace sw {
namespace {

ProjectInfo FullInfo() {
  ProjectInfo p;
  p.SettingsSection = "MyGame";
  p.Title = "The Quest";
  p.StartFrame = "Hall";
  p.Version = "1.2";
  p.FrameWidth = 800;
  p.FrameHeight = 600;
  p.Author = "Ann";
  p.Email = "ann@example.org";
  p.WebSite = "example.org";
  p.ResolutionOffer = 0;
  p.SchemeName = "Blue";
  p.HideLoad = true;
  p.HideSave = true;
  p.InventoryMarginX = 4;
  p.InventoryMarginY = 6;
  p.InventoryEnabled = false;
  p.InventorySlideOpen = false;
  p.InventorySlideClose = false;
  p.HideEmptyInventoryHandle = false;
  p.InventoryOpensOnPick = false;
  p.InventoryCustomGraphics = true;
  p.InventoryHandleFile = "handle.bmp";
  p.InventoryBackgroundFile = "back.bmp";
  p.ResolutionMode = 2;
  p.DefaultPointer = "hand.cur";
  p.RunInWindow = true;
  p.StartAtOnce = true;
  p.HideLogo = true;
  p.HideTransitionsOption = true;
  p.HideEffectsOption = true;
  p.MenusNeverShown = true;
  return p;
}

ProjectInfo ReadBack(const TempDir& dir) {
  ProjectInfo info;
  ResetProjectInfo(info);
  ValueReader reader = ValueReader::FromFile(dir.path() / "Config" / "General", Windows1252());
  ReadProjectInfo(reader, info);
  return info;
}

TEST(ProjectInfo, FullFileRoundTripsEveryField) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteGeneral(FullInfo());
  const ProjectInfo got = ReadBack(dir);
  const ProjectInfo want = FullInfo();
  EXPECT_EQ(got.SettingsSection, want.SettingsSection);
  EXPECT_EQ(got.Title, want.Title);
  EXPECT_EQ(got.StartFrame, want.StartFrame);
  EXPECT_EQ(got.FrameWidth, 800);
  EXPECT_EQ(got.FrameHeight, 600);
  EXPECT_EQ(got.WebSite, want.WebSite);
  EXPECT_EQ(got.ResolutionOffer, 0);
  EXPECT_EQ(got.SchemeName, "Blue");
  EXPECT_TRUE(got.HideLoad);
  EXPECT_TRUE(got.HideSave);
  EXPECT_EQ(got.InventoryMarginX, 4);
  EXPECT_EQ(got.InventoryMarginY, 6);
  EXPECT_FALSE(got.InventoryEnabled);
  EXPECT_FALSE(got.HideEmptyInventoryHandle);
  EXPECT_TRUE(got.InventoryCustomGraphics);
  EXPECT_EQ(got.InventoryBackgroundFile, "back.bmp");
  EXPECT_EQ(got.ResolutionMode, 2);
  EXPECT_EQ(got.DefaultPointer, "hand.cur");
  EXPECT_TRUE(got.RunInWindow);
  EXPECT_TRUE(got.StartAtOnce);
  EXPECT_TRUE(got.HideLogo);
  EXPECT_TRUE(got.HideTransitionsOption);
  EXPECT_TRUE(got.HideEffectsOption);
  EXPECT_TRUE(got.MenusNeverShown);
}

TEST(ProjectInfo, FileEndingAfterWebSiteOffersResolutionAndKeepsDefaults) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteGeneral(FullInfo(), 11);
  const ProjectInfo got = ReadBack(dir);
  EXPECT_EQ(got.WebSite, "example.org");
  EXPECT_EQ(got.ResolutionOffer, 1);
  EXPECT_EQ(got.SchemeName, "");
  EXPECT_EQ(got.InventoryMarginY, 10);
  EXPECT_TRUE(got.InventoryEnabled);
  EXPECT_EQ(got.DefaultPointer, "DEFAULT");
  EXPECT_FALSE(got.RunInWindow);
}

TEST(ProjectInfo, FileEndingAfterSaveFlagsKeepsInventoryDefaults) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteGeneral(FullInfo(), 22);
  const ProjectInfo got = ReadBack(dir);
  EXPECT_TRUE(got.HideSave);
  EXPECT_EQ(got.InventoryMarginX, 10);
  EXPECT_EQ(got.InventoryMarginY, 10);
  EXPECT_TRUE(got.InventoryEnabled);
  EXPECT_EQ(got.InventoryHandleFile, "DEFAULT");
}

TEST(ProjectInfo, EveryEndCheckStopsQuietly) {
  // Each place where an older file may end: reading stops there without an error and the
  // last field before it is set.
  for (int last : {11, 12, 16, 22, 38, 41, 44, 46, 47, 48}) {
    SCOPED_TRACE(last);
    TempDir dir;
    ProjectWriter(dir.path()).WriteGeneral(FullInfo(), last);
    ProjectInfo got;
    ASSERT_NO_THROW(got = ReadBack(dir));
    EXPECT_EQ(got.Title, "The Quest");
    EXPECT_EQ(got.MenusNeverShown, last >= 48);
    EXPECT_EQ(got.HideEffectsOption, last >= 47);
    EXPECT_EQ(got.RunInWindow, last >= 41);
    EXPECT_EQ(got.SchemeName, last >= 16 ? "Blue" : "");
  }
}

TEST(ProjectInfo, FileEndingBetweenEndChecksIsAnError) {
  TempDir dir;
  ProjectWriter(dir.path()).WriteGeneral(FullInfo(), 30);
  ProjectInfo info;
  ResetProjectInfo(info);
  ValueReader reader = ValueReader::FromFile(dir.path() / "Config" / "General", Windows1252());
  try {
    ReadProjectInfo(reader, info);
    FAIL() << "reading past the end must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 62);
  }
  // What was read before the error stays.
  EXPECT_EQ(info.InventoryMarginY, 6);
  EXPECT_FALSE(info.InventoryEnabled);
}

TEST(ProjectInfo, WhatWasReadWritesTheSameFileAtEveryEndCheck) {
  for (int last : {11, 12, 16, 22, 38, 41, 44, 46, 47, 48}) {
    SCOPED_TRACE(last);
    ValueWriter first;
    WriteProjectInfo(first, FullInfo(), last);
    ProjectInfo read;
    ValueReader reader(first.bytes());
    ReadProjectInfo(reader, read);
    ValueWriter again;
    WriteProjectInfo(again, read, last);
    EXPECT_EQ(again.bytes(), first.bytes());
  }
}

TEST(ProjectInfo, ResetKeepsTextsButRestoresSwitches) {
  ProjectInfo info = FullInfo();
  info.SchemeLogoVariant = 1;
  info.SchemeLogoPosition = true;
  ResetProjectInfo(info);
  EXPECT_EQ(info.SettingsSection, "None");
  EXPECT_EQ(info.Title, "The Quest");
  EXPECT_EQ(info.InventoryMarginX, 10);
  EXPECT_EQ(info.InventoryHandleFile, "DEFAULT");
  EXPECT_FALSE(info.RunInWindow);
  EXPECT_EQ(info.SchemeLogoVariant, 0);
  EXPECT_FALSE(info.SchemeLogoPosition);
}

}  // namespace
}  // namespace sw
