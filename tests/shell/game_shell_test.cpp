#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "shell_fixture.h"

namespace sw::shell {
namespace {

using platform::kCtrlMask;
using platform::kRightButton;
namespace keys = platform::keys;
using testing::ShellGame;

constexpr int kF2 = keys::kF1 + 1;
constexpr int kF4 = keys::kF1 + 3;
constexpr int kF6 = keys::kF1 + 5;
constexpr int kF9 = keys::kF1 + 8;

class GameShellTest : public ::testing::Test {
 protected:
  // Starts the game from the welcome window.
  void Play() {
    ASSERT_TRUE(game.Start());
    game.welcome().ClickButton(kStartButton);
    ASSERT_NE(game.game(), nullptr);
  }
  GameShell& shell() { return game.player->game_shell(); }
  ShellGame game;
};

struct OptionsCase {
  bool hideEffects;
  bool hideTransitions;
  bool transitions;  // expected visibility of mnuDisableTransitions
  bool effects;
  bool options;
};

class MenuTableTest : public GameShellTest, public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(MenuTableTest, ShowMenusFollowsTheOptionsTable) {
  const OptionsCase c = GetParam();
  game.info.HideEffectsOption = c.hideEffects;
  game.info.HideTransitionsOption = c.hideTransitions;
  Play();
  EXPECT_FALSE(game.MenusVisible());
  shell().ShowMenus();
  EXPECT_TRUE(game.MenusVisible());
  EXPECT_TRUE(game.Menu("mnuSaveGame").visible());
  EXPECT_TRUE(game.Menu("mnuLoadGame").visible());
  EXPECT_EQ(game.Menu("mnuOptions").visible(), c.options);
  EXPECT_EQ(game.Menu("mnuDisableTransitions").visible(), c.transitions);
  EXPECT_EQ(game.Menu("mnuDisableEffects").visible(), c.effects);
  EXPECT_FALSE(game.Menu("mnuDebug").visible());
}

INSTANTIATE_TEST_SUITE_P(AllFlags, MenuTableTest,
                         ::testing::Values(OptionsCase{false, false, true, true, true},
                                           OptionsCase{true, false, true, false, true},
                                           OptionsCase{false, true, false, true, true},
                                           // both hidden: the items keep what they had
                                           OptionsCase{true, true, true, true, false}));

TEST_F(GameShellTest, HiddenSaveAndLoadStayHiddenAndNeverShownMeansNever) {
  game.info.HideSave = true;
  game.info.HideLoad = true;
  Play();
  shell().ShowMenus();
  EXPECT_TRUE(game.MenusVisible());
  EXPECT_FALSE(game.Menu("mnuSaveGame").visible());
  EXPECT_FALSE(game.Menu("mnuLoadGame").visible());
  shell().HideMenus();
  game.runtime().info.MenusNeverShown = true;
  game.Key(keys::kEscape);
  EXPECT_FALSE(game.MenusVisible());
}

TEST_F(GameShellTest, EscapeTogglesTheMenuBarAndStopsTheMovie) {
  Play();
  game.runtime().StopMovie = false;
  game.Key(keys::kEscape);
  EXPECT_TRUE(game.MenusVisible());
  EXPECT_TRUE(game.runtime().StopMovie);
  EXPECT_TRUE(game.runtime().UserInterrupt);
  game.Key(keys::kEscape);
  EXPECT_FALSE(game.MenusVisible());
}

TEST_F(GameShellTest, RunInWindowKeepsTheMenuBar) {
  game.info.RunInWindow = true;
  Play();
  EXPECT_TRUE(game.MenusVisible()) << "the bar is part of the window";
  EXPECT_FALSE(game.Menu("mnuCancel").visible());
  game.Key(keys::kEscape);
  EXPECT_TRUE(game.MenusVisible());
  game.Key(keys::kEscape);
  EXPECT_TRUE(game.MenusVisible());
  game.ClickAt({10, 100});  // a left press on the frame hides nothing either
  EXPECT_TRUE(game.MenusVisible());
  // The window is the frame plus the menu bar, with the title as caption.
  platform::Form& form = game.game()->form();
  EXPECT_EQ(form.caption(), "Lantern Hill ");
  EXPECT_EQ(form.scale_height(), 200 * 15);
  EXPECT_EQ(form.width(), 320 * 15);
  EXPECT_EQ(game.game()->PictureBox.top(), 0);
  EXPECT_FALSE(game.platform.fullscreen());
}

TEST_F(GameShellTest, StopRequestedKeepsTheMenuBar) {
  Play();
  game.game()->BeginClosing();
  EXPECT_TRUE(game.MenusVisible());
  game.Key(keys::kEscape);
  EXPECT_TRUE(game.MenusVisible());
}

TEST_F(GameShellTest, RightClicksShowAndHideUnlessATitleWasJustOpened) {
  Play();
  game.Click(game.game()->PictureBox, kRightButton);
  EXPECT_TRUE(game.MenusVisible());
  game.Click(game.game()->PictureBox, kRightButton);
  EXPECT_FALSE(game.MenusVisible());

  game.Click(game.game()->PictureBox, kRightButton);
  game.game()->form().menu_tracker().OpenTitle(game.Menu("mnuOptions"));
  EXPECT_TRUE(game.runtime().MenuJustOpened);
  game.game()->form().menu_tracker().Close();
  game.Click(game.game()->PictureBox, kRightButton);
  EXPECT_TRUE(game.MenusVisible()) << "the press after opening a title keeps the bar";
  game.Click(game.game()->PictureBox);
  EXPECT_FALSE(game.MenusVisible());
  EXPECT_FALSE(game.runtime().MenuJustOpened);

  // The Cancel title on the bar closes it too.
  game.Key(keys::kEscape);
  ASSERT_TRUE(game.MenusVisible());
  auto titles = game.game()->form().menu_tracker().TitleRows();
  ASSERT_EQ(titles.back().item, &game.Menu("mnuCancel"));
  const platform::Rect cancel = titles.back().rect;
  game.ClickAt({cancel.x + cancel.w / 2, cancel.y + cancel.h / 2});
  EXPECT_FALSE(game.MenusVisible());
}

TEST_F(GameShellTest, DebugMenuNeedsTheExactKeySequence) {
  Play();
  game.Keys({kF2, kF2, kF9, kF4, kF6});
  EXPECT_FALSE(game.Menu("mnuDebug").visible());
  game.Keys({kF2, kF9, kF4, 'A', kF6});
  EXPECT_FALSE(game.Menu("mnuDebug").visible());
  game.Keys({kF2, kF9, kF4, kF6});
  EXPECT_TRUE(game.Menu("mnuDebug").visible());
  EXPECT_EQ(game.platform.state().Collect()["menus"]["debug"], true);
  // Showing the menus puts it away again.
  game.Key(keys::kEscape);
  EXPECT_FALSE(game.Menu("mnuDebug").visible());
}

TEST_F(GameShellTest, ControlKeysOpenTheDialogsUnlessHidden) {
  game.info.HideSave = true;
  Play();
  game.Key('S', kCtrlMask);
  EXPECT_EQ(game.saves, 0);
  game.Key('S');  // without Ctrl
  game.Key('L', kCtrlMask);
  EXPECT_EQ(game.loads, 1);
  game.runtime().info.HideSave = false;
  game.Key('S', kCtrlMask);
  EXPECT_EQ(game.saves, 1);
  game.Key('S', kCtrlMask | platform::kShiftMask);
  EXPECT_EQ(game.saves, 1) << "only Ctrl alone counts";
}

TEST_F(GameShellTest, ControlQAsksBeforeQuitting) {
  game.info.HideSave = true;
  Play();
  game.answers.Queue("No");
  game.Key('Q', kCtrlMask);
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].text, "Do you really want to quit?");
  EXPECT_EQ(game.messages()[0].title, "Lantern Hill");
  EXPECT_EQ(game.messages()[0].icon, "question");
  game.Wait(500);
  EXPECT_TRUE(game.game()->form().visible());
  EXPECT_EQ(shell().unload_count(), 0);
}

TEST_F(GameShellTest, QuittingTwiceQuicklyUnloadsOnce) {
  Play();
  game.Key('Q', kCtrlMask);
  game.Key('Q', kCtrlMask);
  EXPECT_EQ(game.messages().size(), 2u);
  EXPECT_TRUE(game.game()->form().visible()) << "the unloading waits for its timer";
  game.Wait(1000);
  EXPECT_EQ(shell().unload_count(), 1);
  EXPECT_TRUE(game.welcome().form().visible());
  EXPECT_FALSE(game.quit());
  EXPECT_EQ(game.platform.window_role(), "welcome");
  EXPECT_EQ(game.platform.state().Collect()["menus"]["visible"], false);
  // A new game gets a fresh window.
  game.welcome().ClickButton(kStartButton);
  ASSERT_NE(game.game(), nullptr);
  EXPECT_TRUE(game.game()->form().visible());
  EXPECT_EQ(game.platform.window_role(), "game");
  game.Click(game.game()->PictureBox, kRightButton);
  EXPECT_TRUE(game.MenusVisible()) << "the new window has its handlers";
}

TEST_F(GameShellTest, StartAtOnceEndsTheProgramOnQuit) {
  game.info.StartAtOnce = true;
  ASSERT_TRUE(game.Start());
  ASSERT_NE(game.game(), nullptr);
  EXPECT_FALSE(game.welcome().form().visible());
  game.Click(game.game()->PictureBox, kRightButton);
  game.Click(game.game()->PictureBox, kRightButton);
  game.Key(keys::kEscape);
  game.game()->form().menu_tracker().OpenTitle(game.Menu("mnuExit"));
  game.Wait(200);
  EXPECT_TRUE(game.quit());
  EXPECT_EQ(game.platform.window_role(), "none");
  EXPECT_FALSE(game.welcome().form().visible());
}

// The close box (and Alt+F4, which the window system turns into the same request) is the
// Exit command: the quit question, then the way back to the welcome window.
TEST_F(GameShellTest, TheCloseBoxAsksAndGoesBackToTheWelcomeWindow) {
  Play();
  platform::InputEvent close;
  close.kind = platform::InputEvent::Kind::kClose;
  game.answers.Queue("No");
  game.platform.events().Post(close);
  game.platform.DoEvents();
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].text, "Do you really want to quit?");
  game.Wait(300);
  EXPECT_TRUE(game.game()->form().visible()) << "No keeps playing";
  EXPECT_FALSE(game.quit());

  game.answers.Queue("Yes");
  game.platform.events().Post(close);
  game.platform.DoEvents();
  game.platform.events().Post(close);  // a second request while the unloading waits
  game.platform.DoEvents();
  EXPECT_EQ(game.messages().size(), 2u) << "no second question while unloading";
  game.Wait(300);
  EXPECT_FALSE(game.quit());
  EXPECT_EQ(shell().unload_count(), 1);
  EXPECT_TRUE(game.welcome().form().visible());
  EXPECT_EQ(game.platform.window_role(), "welcome");

  // In the welcome window the close box ends the program.
  game.platform.events().Post(close);
  game.platform.DoEvents();
  EXPECT_TRUE(game.quit());
}

TEST_F(GameShellTest, TheCloseBoxOfAGameThatStartsAtOnceEndsTheProgramAfterYes) {
  game.info.StartAtOnce = true;
  ASSERT_TRUE(game.Start());
  platform::InputEvent close;
  close.kind = platform::InputEvent::Kind::kClose;
  game.answers.Queue("Yes");
  game.platform.events().Post(close);
  game.platform.DoEvents();
  EXPECT_FALSE(game.quit()) << "the unloading waits for its timer";
  game.Wait(300);
  EXPECT_TRUE(game.quit());
  EXPECT_EQ(game.messages().size(), 1u);
}

// An interrupt signal or the automation's quit ends the program at once, undoing the
// display mode, without asking.
TEST_F(GameShellTest, AQuitRequestEndsTheProgramWithoutAsking) {
  game.info.ResolutionOffer = 1;
  Play();
  ASSERT_EQ(game.runtime().ScreenWidthPixels, 640);
  platform::InputEvent quit;
  quit.kind = platform::InputEvent::Kind::kQuit;
  game.platform.events().Post(quit);
  game.platform.DoEvents();
  EXPECT_TRUE(game.quit());
  EXPECT_TRUE(game.game()->form().closed());
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 1024);
  EXPECT_EQ(game.platform.window_role(), "none");
  EXPECT_TRUE(game.messages().empty());
}

// A game whose first frame cannot be opened shows its message, then goes back to the
// welcome window instead of leaving an empty game window with no way out.
TEST_F(GameShellTest, AMissingFirstFrameLeadsBackToTheWelcomeWindow) {
  game.info.StartFrame = "Nowhere";
  ASSERT_TRUE(game.Start());
  game.welcome().ClickButton(kStartButton);
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_NE(game.messages()[0].text.find("\"Nowhere\" was not found"), std::string::npos);
  EXPECT_TRUE(game.welcome().form().visible());
  EXPECT_EQ(game.platform.window_role(), "welcome");
  EXPECT_FALSE(game.quit());
  EXPECT_EQ(game.platform.desktop().base_form(), &game.welcome().form());
  // Escape in the welcome window still ends the program.
  game.Key(keys::kEscape);
  EXPECT_TRUE(game.quit());
}

TEST_F(GameShellTest, AMissingFirstFrameEndsAGameThatStartsAtOnce) {
  game.info.StartFrame = "Nowhere";
  game.info.StartAtOnce = true;
  EXPECT_FALSE(game.Start());
  EXPECT_EQ(game.messages().size(), 1u);
  EXPECT_TRUE(game.quit());
  EXPECT_EQ(game.platform.desktop().base_form(), nullptr);
}

TEST_F(GameShellTest, ProjectLargerThanTheScreen) {
  game.info.FrameWidth = 1024;
  game.info.FrameHeight = 768;
  game.desktopWidth = 800;
  game.desktopHeight = 600;
  Play();
  const platform::PictureBoxElement& picture = game.game()->PictureBox;
  EXPECT_EQ(picture.top(), 0);
  EXPECT_EQ(picture.left(), (800 - 1024) * 15 / 2);
  EXPECT_EQ(picture.width(), 1024 * 15);
  EXPECT_EQ(game.game()->form().width(), 800 * 15);
  EXPECT_TRUE(game.platform.fullscreen());
}

TEST_F(GameShellTest, FullScreenGameFillsTheScreenAndCentresTheFrame) {
  Play();
  platform::Form& form = game.game()->form();
  EXPECT_EQ(form.caption(), "");
  EXPECT_EQ(form.width(), 1024 * 15);
  EXPECT_EQ(form.height(), 768 * 15);
  EXPECT_EQ(game.game()->PictureBox.left(), (1024 - 320) * 15 / 2);
  EXPECT_EQ(game.game()->PictureBox.top(), (768 - 200) * 15 / 2);
}

TEST_F(GameShellTest, ModeChangeShowsTheProjectSizeAndIsUndoneOnQuit) {
  game.info.ResolutionOffer = 1;
  game.info.FrameWidth = 640;
  game.info.FrameHeight = 480;
  Play();  // the box is ticked by default
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 640);
  EXPECT_EQ(game.runtime().ScreenHeightPixels, 480);
  EXPECT_TRUE(game.platform.fullscreen());
  EXPECT_EQ(game.game()->form().width(), 640 * 15);
  EXPECT_EQ(game.game()->PictureBox.left(), 0);
  game.Key('Q', kCtrlMask);
  game.Wait(200);
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 1024);
  EXPECT_EQ(game.runtime().ScreenHeightPixels, 768);
  EXPECT_FALSE(game.platform.fullscreen());
  EXPECT_TRUE(game.welcome().form().visible());
}

TEST_F(GameShellTest, AltEnterTogglesFullScreen) {
  game.info.RunInWindow = true;
  Play();
  EXPECT_FALSE(game.platform.fullscreen());
  game.Key(keys::kReturn, platform::kAltMask);
  EXPECT_TRUE(game.platform.fullscreen());
  game.Key(keys::kReturn, platform::kAltMask);
  EXPECT_FALSE(game.platform.fullscreen());
}

TEST_F(GameShellTest, FrameMenuOpensFramesByName) {
  Play();
  platform::MenuBar& menu = game.game()->form().menu();
  ASSERT_EQ(menu.UBound("mnuFrameName"), 2);
  platform::MenuItem& cellar = menu.Get("mnuFrameName", 1);
  EXPECT_EQ(cellar.caption(), "Cellar");
  ASSERT_TRUE(cellar.on_click);
  cellar.on_click(cellar);
  EXPECT_EQ(game.runtime().CurrentFrameName, "Cellar");
  platform::MenuItem& hall = menu.Get("mnuFrameName", 2);
  hall.on_click(hall);
  EXPECT_EQ(game.runtime().CurrentFrameName, "Hall");
}

TEST_F(GameShellTest, OptionsTogglesAreRemembered) {
  Play();
  platform::MenuItem& transitions = game.Menu("mnuDisableTransitions");
  EXPECT_FALSE(transitions.checked());
  transitions.on_click(transitions);
  EXPECT_TRUE(transitions.checked());
  EXPECT_EQ(game.settings.Get("Software", "ShellTest", "DisableTransitions"), "True");
  platform::MenuItem& effects = game.Menu("mnuDisableEffects");
  effects.on_click(effects);
  effects.on_click(effects);
  EXPECT_EQ(game.settings.Get("Software", "ShellTest", "DisableEffects"), "False");
  EXPECT_EQ(game.platform.state().Collect()["menus"]["items"]["mnuDisableTransitions"]["checked"],
            true);
}

}  // namespace
}  // namespace sw::shell
