#include <gtest/gtest.h>

#include "platform/image.h"
#include "platform/picture_box.h"
#include "script_game_fixture.h"

namespace sw::testing {
namespace {

class ActionObjectTest : public ScriptGameFixture {};

TEST_F(ActionObjectTest, PicturesAreLoadedFromTheAreasFolderAndMissingOnesAreSilent) {
  writer.WriteRaw("Areas/Key.bmp", MakeBmp(4, 3, [](int, int) { return 0xFF0000u; }));
  Start();
  EXPECT_FALSE(
      Run("LoadAPicture FrameMessageObject, \"key.BMP\"\r\n"
          "Set p = LoadGraphicFile(\"Key.bmp\")\r\n"
          "Set q = LoadGraphicFile(\"\")\r\n"
          "Action.sFrameToLoad = p.Width & \"|\" & q.Type & \"|\" & "
          "(LoadGraphicFile(\"none.bmp\") Is Nothing)\r\n"
          "LoadAPicture FrameMessageObject, \"none.bmp\""));
  EXPECT_EQ(action().sFrameToLoad, "105|0|True");  // 4 px in HiMetric units
  EXPECT_EQ(window().FrameMessageBox.picture().width(), 4) << "a missing file changes nothing";
  EXPECT_FALSE(Run("LoadAPicture FrameMessageObject, \"\""));
  EXPECT_TRUE(window().FrameMessageBox.picture().empty());
  // A hotspot's picture can also be set from a loaded picture object.
  EXPECT_FALSE(
      Run("Action.CreateObject Hotspot(1)\r\n"
          "Set Hotspot(1).Picture = LoadGraphicFile(\"Key.bmp\")"));
  EXPECT_EQ(form().Get<platform::ImageElement>("Area", 1).picture().height(), 3);
  // The media lookup warns of each missing file; the methods add no message of their own.
  ASSERT_EQ(messages().size(), 2u);
  for (const auto& m : messages()) EXPECT_EQ(m.text.rfind("The following file is missing:", 0), 0u);
  // A file that is no picture fails with the method's message; the script goes on.
  writer.WriteRaw("Areas/Bad.bmp", "not a picture");
  EXPECT_FALSE(Run("LoadAPicture FrameMessageObject, \"Bad.bmp\" : Action.sFrameToLoad = 1"));
  ASSERT_EQ(messages().size(), 3u);
  EXPECT_NE(messages()[2].text.find(" Error loading the following picture:'\r\n"),
            std::string::npos);
  EXPECT_NE(messages()[2].text.find("Bad.bmp'.\r\n\r\n"), std::string::npos);
  EXPECT_EQ(action().sFrameToLoad, "1");
}

TEST_F(ActionObjectTest, CreateAndDeleteWindowElements) {
  Start();
  EXPECT_FALSE(
      Run("Action.CreateObject Hotspot(4) : Hotspot(4).Visible = True : "
          "Hotspot(4).Move 30, 45, 150, 300 : Action.sFrameToLoad = Hotspot.UBound"));
  EXPECT_EQ(action().sFrameToLoad, "4");
  EXPECT_TRUE(form().Find("Area", 4)->visible());
  EXPECT_EQ(form().Find("Area", 4)->width(), 150);
  EXPECT_FALSE(
      Run("DeleteObject Hotspot(4) : Action.CreateObject Hotspot(0) : DeleteObject Hotspot(0)"));
  EXPECT_EQ(form().Find("Area", 4), nullptr);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].text, StandardError(" Error creating the object. Object already loaded"));
  EXPECT_EQ(messages()[1].text,
            StandardError(" Error deleting the object. Can't unload controls created at design "
                          "time"));
  // Using a member that is not loaded is the script's own error.
  EXPECT_TRUE(Run("Hotspot(9).Visible = True"));
  EXPECT_NE(messages().back().text.find("Control array element '9' doesn't exist"),
            std::string::npos);
}

TEST_F(ActionObjectTest, ScreenAppAndWindowObjects) {
  writer.WriteVariables({"allowCONTROLSreferences"});
  Start();
  EXPECT_EQ(game.runtime.ControlsReferencesMode, 2) << "the variable's name in any case";
  EXPECT_FALSE(
      Run("Action.sFrameToLoad = ScreenObject.Width / ScreenObject.TwipsPerPixelX & "
          "\"|\" & AppObject.Major & \".\" & AppObject.Minor & \".\" & "
          "AppObject.Revision & \"|\" & WindowObject.Timer1.Enabled & \"|\" & "
          "WindowObject.PictureBox.Width & \"|\" & TypeName(WindowObject.TimedEvent(0))"));
  EXPECT_EQ(action().sFrameToLoad, "1024|3.3.0|False|3000|Timer");
  EXPECT_FALSE(Run("DoNotAllowControlsReferencesNextTime"));
  EXPECT_FALSE(Run("Action.sFrameToLoad = IsObject(WindowObject)"));
  EXPECT_EQ(action().sFrameToLoad, "False") << "no window object from the next run on";
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionObjectTest, MessageMergedIndexesAndInvertedOptions) {
  Start();
  EXPECT_FALSE(
      Run("Message \"Hello\" : Action.sFrameToLoad = GetMergedHotspotIndex() & "
          "GetMergedTextIndex() & GetTransitionsStatus()"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, "Hello");
  EXPECT_EQ(action().sFrameToLoad, "11True");
  // The toggles are the Options menu's commands (the window shell's, here a stand-in).
  for (const char* item : {"mnuDisableTransitions", "mnuDisableEffects"}) {
    form().menu().Get(item).on_click = [](platform::MenuItem& entry) {
      entry.SetChecked(!entry.checked());
    };
  }
  EXPECT_FALSE(
      Run("InvertTransitionsStatus : InvertEffectsStatus : InvertEffectsStatus : "
          "Action.sFrameToLoad = GetTransitionsStatus() & GetEffectsStatus()"));
  EXPECT_EQ(action().sFrameToLoad, "FalseTrue");
  EXPECT_TRUE(form().menu().Get("mnuDisableTransitions").checked());
}

TEST_F(ActionObjectTest, InventoryMethodsGoToTheInventory) {
  Start();
  // Three items named alike, as the inventory stores them (its tags, in lower case).
  for (int i = 1; i <= 3; ++i) {
    form().Load("PickedObject", i).SetTag(i == 2 ? "lamp" : "key");
  }
  EXPECT_FALSE(
      Run("RemoveItem \"key\", False : RemoveItem \"Lamp\", True : AddItem \"Rope\", True"));
  // Only the last of the duplicates; a name with capitals matches nothing.
  EXPECT_EQ(log.calls, std::vector<std::string>({"RemoveItem 3", "AddItem Rope"}));
  log.calls.clear();
  EXPECT_FALSE(Run("RemoveItem \"key\", True"));
  EXPECT_EQ(log.calls, std::vector<std::string>({"RemoveItem 3", "RemoveItem 1"}));
  // The stand-in inventory never shrinks: removing all items must still end.
  log.calls.clear();
  EXPECT_FALSE(Run("RemoveAllItems"));
  EXPECT_EQ(log.calls, std::vector<std::string>({"RemoveItem 1"}));
}

TEST_F(ActionObjectTest, ScriptsSeeAllFortySixMethodsAndTheFiveFields) {
  Start();
  const char* const names[] = {"PopupSaveGame",
                               "PopupLoadGame",
                               "GoToFrame",
                               "ResetModule",
                               "StopEverything",
                               "Message",
                               "AddItem",
                               "SendEmail",
                               "OpenURL",
                               "OpenFile",
                               "OpenExeFileAndWait",
                               "LoadAPicture",
                               "LoadGraphicFile",
                               "GetHotspotNumber",
                               "GetPath",
                               "HideInventoryButton",
                               "ShowInventoryButton",
                               "GetClickPositionX",
                               "GetClickPositionY",
                               "GetTransitionsStatus",
                               "GetEffectsStatus",
                               "InvertTransitionsStatus",
                               "InvertEffectsStatus",
                               "RemoveAllItems",
                               "RemoveItem",
                               "CreateObject",
                               "DeleteObject",
                               "GetScenewrightVersion",
                               "ChangeDisplayResolution",
                               "ChangeDisplayResolutionOnLoadGame",
                               "GetDisplayResolutionX",
                               "GetDisplayResolutionY",
                               "AllowControlsReferencesNextTime",
                               "DoNotAllowControlsReferencesNextTime",
                               "GetCurrentFrameName",
                               "GetMergedHotspotIndex",
                               "GetMergedTextIndex",
                               "Quit",
                               "CreateTimedEvent",
                               "RemoveTimedEvent",
                               "SaveParameter",
                               "LoadParameter",
                               "ChangeDefaultCursor",
                               "ReadINI",
                               "WriteINI",
                               "DDir",
                               "sFrameToLoad",
                               "iHotspotNumber",
                               "dTransitionDuration",
                               "iTransitionNumber",
                               "bStopGame"};
  EXPECT_EQ(std::size(names), 46u + 5u);
  for (const char* name : names) {
    EXPECT_NE(action().FindMember(name), Dispatch::kUnknownMember) << name;
  }
}

// A window element or control array is one object while it lasts, as in the original;
// a hotspot deleted and created again is a new one.
TEST_F(ActionObjectTest, AnElementIsOneObjectUntilItIsCreatedAgain) {
  Start();
  EXPECT_FALSE(
      Run("Action.CreateObject Hotspot(4) : Set h = Hotspot(4) : h.Tag = \"old\"\r\n"
          "s = (h Is Hotspot(4)) & \" \" & (Hotspot Is Hotspot) & \" \" & "
          "(Hotspot(4) Is Hotspot(0))\r\n"
          "DeleteObject Hotspot(4) : Action.CreateObject Hotspot(4)\r\n"
          "Action.sFrameToLoad = s & \" \" & (h Is Hotspot(4)) & \" \" & h.Tag & \"|\" & "
          "Hotspot(4).Tag"));
  EXPECT_EQ(action().sFrameToLoad, "True True False False old|");
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionObjectTest, ChangeDefaultCursorReachesEveryHotspot) {
  writer.WriteRaw("Icons/Hand.bmp", MakeBmp(8, 8, [](int, int) { return 0xFFFFFFu; }));
  Start();
  EXPECT_FALSE(Run("Action.CreateObject Hotspot(1) : Action.CreateObject Hotspot(2)"));
  EXPECT_FALSE(Run("ChangeDefaultCursor \"hand.bmp\""));
  EXPECT_EQ(game.runtime.info.DefaultPointer, "hand.bmp");
  for (int i : {0, 1, 2}) {
    EXPECT_EQ(form().Find("Area", i)->mouse_pointer(), platform::MousePointer::kCustom) << i;
  }
  // A missing file changes nothing (the media lookup's warning aside); "Default" goes back.
  EXPECT_FALSE(Run("ChangeDefaultCursor \"gone.cur\""));
  EXPECT_EQ(game.runtime.info.DefaultPointer, "hand.bmp");
  EXPECT_FALSE(Run("ChangeDefaultCursor \"Default\""));
  EXPECT_EQ(form().Find("Area", 2)->mouse_pointer(), platform::MousePointer::kDefault);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text.rfind("The following file is missing:", 0), 0u);
}

}  // namespace
}  // namespace sw::testing
