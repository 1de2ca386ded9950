#include <gtest/gtest.h>

#include "shell/resolution_text.h"
#include "shell_fixture.h"

namespace sw::shell {
namespace {

using testing::ShellGame;

class WelcomeWindowTest : public ::testing::Test {
 protected:
  WelcomeWindow& welcome() { return game.welcome(); }
  ShellGame game;
};

TEST_F(WelcomeWindowTest, EmptyInformationGivesTheBareHeight) {
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(welcome().form().width(), kWelcomeWidth);
  EXPECT_EQ(welcome().form().height(), 3000 + 150);
  for (auto* label :
       {&welcome().txtVersion, &welcome().lblAuthor, &welcome().txtAuthor, &welcome().lblEmail,
        &welcome().txtEmail, &welcome().lblHomepage, &welcome().txtHomepage}) {
    EXPECT_FALSE(label->visible()) << label->name();
  }
  EXPECT_FALSE(welcome().chkResolution.visible());
  EXPECT_EQ(game.platform.window_role(), "welcome");
  EXPECT_TRUE(welcome().form().visible());
}

TEST_F(WelcomeWindowTest, GameTextsAreShownInUnicode) {
  game.info.Title = "Café Noir";  // stored in Windows-1252, as the authoring tool wrote it
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(welcome().txtAdventureName.caption(), "Caf\u00E9 Noir");
  welcome().ClickButton(kStartButton);
  game.answers.Queue("No");
  game.Key('Q', platform::kCtrlMask);
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].title, "Caf\u00E9 Noir");
}

TEST_F(WelcomeWindowTest, InformationLinesStackWithoutGaps) {
  game.info.Version = "1.2";
  game.info.Email = "ann@example.org";
  game.info.WebSite = "https://example.org/hill";
  game.info.ResolutionOffer = 1;  // 1024 x 768 desktop, 640 x 480 project: offered
  ASSERT_TRUE(game.Start());
  WelcomeWindow& w = welcome();
  EXPECT_EQ(w.txtVersion.top(), 3000);
  EXPECT_FALSE(w.txtAuthor.visible());  // no author: no line and no step
  EXPECT_EQ(w.lblEmail.top(), 3255);
  EXPECT_EQ(w.txtEmail.top(), 3255);
  EXPECT_EQ(w.txtHomepage.top(), 3510);
  EXPECT_EQ(w.lblResolution.top(), 3765);
  EXPECT_EQ(w.chkResolution.top(), 3765 + 45);
  EXPECT_TRUE(w.chkResolution.visible());
  EXPECT_EQ(w.form().height(), 3765 + 255 + 150);
  EXPECT_EQ(w.lblEmail.caption(), "E-mail:");
  EXPECT_EQ(w.txtEmail.caption(), "ann@example.org");
}

TEST_F(WelcomeWindowTest, ResolutionLineIsHiddenAtTheProjectsResolution) {
  game.info.ResolutionOffer = 1;
  game.info.ResolutionMode = 1;
  game.desktopWidth = 800;
  game.desktopHeight = 600;
  ASSERT_TRUE(game.Start());
  EXPECT_FALSE(welcome().chkResolution.visible());
  EXPECT_FALSE(welcome().lblResolution.visible());
  EXPECT_EQ(welcome().form().height(), 3150);
  // Starting never changes the mode then.
  welcome().ClickButton(kStartButton);
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 800);
}

TEST(ResolutionLabelText, NeverNamesTheSizeTwice) {
  EXPECT_EQ(ResolutionLabelText("Change display resolution to", 0),
            "Change display resolution to 640x480.");
  EXPECT_EQ(ResolutionLabelText("Change display resolution to 640 x 480.", 1),
            "Change display resolution to 800x600.");
  EXPECT_EQ(ResolutionLabelText("Auflösung auf 640X480 ändern 640*480.", 2),
            "Auflösung auf 640X480 ändern 1024x768.");
  EXPECT_EQ(ResolutionLabelText("Switch to 640x480 ", 1), "Switch to 640x480 800x600.");
  EXPECT_EQ(ResolutionLabelText("Switch to   640 * 480", 0), "Switch to 640x480.");
  EXPECT_EQ(ResolutionLabelText("Switch to 640x480.", 2), "Switch to 1024x768.");
  // Only one full stop is removed.
  EXPECT_EQ(ResolutionLabelText("Switch..", 0), "Switch. 640x480.");
}

TEST_F(WelcomeWindowTest, ResolutionLabelComesFromTheProjectsText) {
  std::vector<std::string> custom(7, "x");
  custom[6] = "Bildschirm umstellen auf 640 x 480.";
  game.writer().WriteTexts(2, custom);
  game.info.ResolutionOffer = 1;
  game.info.ResolutionMode = 1;
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(welcome().lblResolution.caption(), "Bildschirm umstellen auf 800x600.");
}

TEST_F(WelcomeWindowTest, ResolutionChoiceIsRememberedAndUsedByStart) {
  game.info.ResolutionOffer = 1;
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(welcome().chkResolution.value(), 1);
  game.Click(welcome().lblResolution);
  EXPECT_EQ(welcome().chkResolution.value(), 0);
  EXPECT_EQ(game.settings.Get("Software", "ShellTest", "ChangeResolution"), "0");
  welcome().ClickButton(kStartButton);
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 1024) << "an unticked box keeps the desktop";
}

TEST_F(WelcomeWindowTest, RememberedResolutionChoiceIsShown) {
  game.info.ResolutionOffer = 1;
  game.settings.Set("Software", "ShellTest", "ChangeResolution", "0");
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(welcome().chkResolution.value(), 0);
}

// --- Schemes ---------------------------------------------------------------------------

class SchemeTest : public WelcomeWindowTest {
 protected:
  void SetUp() override {
    game.info.SchemeName = "Night";
    game.writer().WriteRaw("Schemes/Night/button.bmp",
                           MakeBmp(60, 20, [](int, int) { return 0x20C040u; }));
  }
  void WriteScheme(const std::string& text) {
    game.writer().WriteRaw("Schemes/Night/Scheme.txt", text);
  }
};

TEST_F(SchemeTest, PictureCountZeroLeavesTheLookAlone) {
  WriteScheme("\"a\",\"b\",\"c\",0,\"button.bmp\",4,255,255,255,255\r\n");
  ASSERT_TRUE(game.Start());
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(welcome().Img[i]->visible());
    EXPECT_TRUE(welcome().lblButton[i]->visible());
  }
  EXPECT_EQ(welcome().lblButton[0]->caption(), "Start");
  EXPECT_NE(welcome().form().client().back_color(), 255u);
  EXPECT_NE(welcome().txtAdventureName.fore_color(), 255u);
}

TEST_F(SchemeTest, FormatThreeKeepsTheButtonColours) {
  WriteScheme(
      "\"a\",\"b\",\"c\",3,\"[none]\",\"[default]\",\"[none]\",3,"
      "65280,255,16711680,65535\r\n");
  ASSERT_TRUE(game.Start());
  const platform::VbColor buttonColour = welcome().lblButton[0]->fore_color();
  EXPECT_EQ(welcome().form().client().back_color(), 65280u);
  EXPECT_EQ(welcome().txtAdventureName.fore_color(), 255u);
  EXPECT_EQ(welcome().txtEmail.fore_color(), 16711680u);
  EXPECT_EQ(welcome().lblResolution.fore_color(), 16711680u);
  EXPECT_NE(buttonColour, 65535u);
}

TEST_F(SchemeTest, FormatFourColoursTheButtons) {
  WriteScheme(
      "\"a\",\"b\",\"c\",3,\"[none]\",\"[none]\",\"[none]\",4,"
      "65280,255,16711680,65535\r\n");
  ASSERT_TRUE(game.Start());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(welcome().lblButton[i]->fore_color(), 65535u);
}

TEST_F(SchemeTest, NoneInCapitalsMeansNoPicture) {
  WriteScheme("\"a\",\"b\",\"c\",3,\"[NONE]\",\"button.bmp\",\"[Default]\",4,0,0,0,0\r\n");
  ASSERT_TRUE(game.Start());
  WelcomeWindow& w = welcome();
  EXPECT_FALSE(w.Img[0]->visible());
  EXPECT_TRUE(w.lblButton[0]->visible());
  EXPECT_EQ(w.lblButton[0]->caption(), "Start");
  EXPECT_TRUE(w.Img[1]->visible());
  EXPECT_EQ(w.Img[1]->width(), 60 * 15);
  EXPECT_FALSE(w.lblButton[1]->visible());
  EXPECT_FALSE(w.Img[2]->visible());
  EXPECT_TRUE(w.lblButton[2]->visible());
}

TEST_F(SchemeTest, OptionalTailHidesTheTitleAndMovesTheLogo) {
  WriteScheme("\"a\",\"b\",\"c\",1,\"[none]\",4,0,0,0,0,\"x\",\"y\",\"z\",1,\"w\",1,#TRUE#\r\n");
  ASSERT_TRUE(game.Start());
  WelcomeWindow& w = welcome();
  EXPECT_FALSE(w.txtAdventureName.visible());
  EXPECT_TRUE(w.imgLogo.visible());
  EXPECT_EQ(w.imgLogo.left(), 4440);
  EXPECT_EQ(w.imgLogo.top(), -720);
  EXPECT_EQ(w.imgLogo.picture(), w.imgLogos[3]->picture());
}

TEST_F(SchemeTest, MissingSchemeGivesTheDefaultLookWithTheProjectsTexts) {
  std::vector<std::string> custom = {"Neues Spiel", "", "Beenden"};
  game.writer().WriteTexts(2, custom);
  game.info.SchemeName = "Nowhere";
  ASSERT_TRUE(game.Start());
  WelcomeWindow& w = welcome();
  EXPECT_EQ(w.lblButton[0]->caption(), "Neues Spiel");
  EXPECT_EQ(w.lblButton[2]->caption(), "Beenden");
  // An empty load caption hides the load button; Exit takes its place.
  EXPECT_FALSE(w.lblButton[1]->visible());
  EXPECT_EQ(w.lblButton[2]->top(), 1560);
  EXPECT_EQ(w.imgLogo.left(), 4560);
  EXPECT_EQ(w.imgLogo.picture(), w.imgLogos[0]->picture());
}

// --- Buttons, keys and links -----------------------------------------------------------

TEST_F(WelcomeWindowTest, HideLoadAndHideLogo) {
  game.info.HideLoad = true;
  game.info.HideLogo = true;
  ASSERT_TRUE(game.Start());
  EXPECT_FALSE(welcome().lblButton[kLoadButton]->visible());
  EXPECT_EQ(welcome().lblButton[kExitButton]->top(), 1560);
  EXPECT_FALSE(welcome().imgLogo.visible());
}

TEST_F(WelcomeWindowTest, EscapeAndExitEndTheProgram) {
  ASSERT_TRUE(game.Start());
  game.Key(platform::keys::kEscape);
  EXPECT_TRUE(game.quit());
  EXPECT_TRUE(welcome().unloaded());
  EXPECT_EQ(game.platform.window_role(), "none");
}

TEST_F(WelcomeWindowTest, ExitButtonEndsTheProgram) {
  ASSERT_TRUE(game.Start());
  game.Click(*welcome().lblButton[kExitButton]);
  EXPECT_TRUE(game.quit());
}

// The welcome window's buttons and links work from the keyboard, and links show the hand.
TEST_F(WelcomeWindowTest, TabReachesTheButtonsAndLinksAndReturnPressesThem) {
  game.info.WebSite = "www.example.org";
  ASSERT_TRUE(game.Start());
  game.Key(platform::keys::kTab);
  EXPECT_EQ(welcome().form().focused(), welcome().lblButton[kStartButton]);
  game.Key(platform::keys::kTab);
  EXPECT_EQ(welcome().form().focused(), welcome().lblButton[kLoadButton]);
  game.Key(platform::keys::kSpace);
  EXPECT_EQ(game.loads, 1);
  game.Key(platform::keys::kTab);
  game.Key(platform::keys::kTab);
  EXPECT_EQ(welcome().form().focused(), &welcome().txtHomepage) << "no e-mail: no stop there";
  game.answers.Queue("Yes");
  game.Key(platform::keys::kReturn);
  EXPECT_EQ(game.links, (std::vector<std::string>{"http://www.example.org"}));
  const platform::Rect link = welcome().txtHomepage.surface_rect_px();
  platform::InputEvent move;
  move.kind = platform::InputEvent::Kind::kMouseMove;
  move.position = {link.x + 2, link.y + 2};
  game.platform.events().Post(move);
  game.platform.DoEvents();
  EXPECT_EQ(game.platform.desktop().CurrentPointer().kind, platform::MousePointer::kHand);
  game.Key(platform::keys::kTab, platform::kShiftMask);
  game.Key(platform::keys::kTab, platform::kShiftMask);
  game.Key(platform::keys::kTab, platform::kShiftMask);
  EXPECT_EQ(welcome().form().focused(), welcome().lblButton[kStartButton]);
  game.Key(platform::keys::kReturn);
  ASSERT_NE(game.game(), nullptr);
  EXPECT_EQ(game.platform.window_role(), "game");
}

TEST_F(WelcomeWindowTest, ButtonsStartAndLoad) {
  ASSERT_TRUE(game.Start());
  game.Click(*welcome().lblButton[kLoadButton]);
  EXPECT_EQ(game.loads, 1);
  game.Click(*welcome().lblButton[kStartButton]);
  ASSERT_NE(game.game(), nullptr);
  EXPECT_FALSE(welcome().form().visible());
  EXPECT_EQ(game.runtime().CurrentFrameName, "Hall");
  EXPECT_EQ(game.platform.window_role(), "game");
}

TEST_F(WelcomeWindowTest, LinksAskFirst) {
  game.info.Email = "ann@example.org";
  game.info.WebSite = "example.org/hill";
  ASSERT_TRUE(game.Start());
  game.answers.Queue("No");
  game.Click(welcome().txtEmail);
  game.Click(welcome().txtEmail);  // answered by Enter: Yes
  game.Click(welcome().txtHomepage);
  game.Click(welcome().imgLogo);
  ASSERT_EQ(game.messages().size(), 4u);
  EXPECT_EQ(game.messages()[0].text,
            "Do you want to open the default mail client to send an e-mail to: "
            "ann@example.org ?");
  EXPECT_EQ(game.messages()[0].title, "Lantern Hill");
  EXPECT_EQ(game.messages()[0].icon, "question");
  EXPECT_EQ(game.messages()[2].text,
            "Do you want to visit example.org/hill ? (You must be connected to the "
            "Internet)");
  EXPECT_EQ(game.messages()[3].title, "Scenewright");
  EXPECT_EQ(game.messages()[3].icon, "information");
  EXPECT_NE(game.messages()[3].text.find(
                "\r\n\r\nDo you want to visit it now? (You must be connected to the Internet)"),
            std::string::npos);
  EXPECT_EQ(game.links, (std::vector<std::string>{"mailto:ann@example.org",
                                                  "http://example.org/hill", kDefaultProductSite}));
}

TEST(WelcomeWindowStart, MissingGeneralFileEndsAtOnce) {
  ShellGame broken;
  broken.player = std::make_unique<PlayerShell>(broken.platform, broken.files, broken.settings,
                                                broken.project().string());
  EXPECT_FALSE(broken.player->Start());
  EXPECT_FALSE(broken.player->welcome().form().visible());
  EXPECT_EQ(broken.platform.window_role(), "none");
}

}  // namespace
}  // namespace sw::shell
