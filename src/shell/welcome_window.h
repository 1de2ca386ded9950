// The welcome window frmWelcome: the project's title, version, author and links, the three
// buttons (new game, load, exit), the display-resolution offer and the scheme that skins it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/game/subsystems.h"
#include "platform/check_box.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "shell/shell_hooks.h"

namespace sw {
class GameRuntime;
}

namespace sw::shell {

// Button indices of ClickButton.
inline constexpr int kStartButton = 0;
inline constexpr int kLoadButton = 1;
inline constexpr int kExitButton = 2;

// Layout, in twips.
inline constexpr int kWelcomeWidth = 4800;
inline constexpr int kInfoTop = 3000;
inline constexpr int kInfoStep = 255;

// What the welcome window's start and load buttons do.
struct WelcomeActions {
  std::function<void()> start_new_game;
  std::function<void()> load_game;
};

class WelcomeWindow final : public WelcomeService {
  // Declared first: the control references below are initialised from the form.
  GameRuntime& runtime_;
  const ShellHooks& hooks_;
  std::shared_ptr<platform::Form> form_;

 public:
  // `productSite` is the address behind the logo.
  WelcomeWindow(GameRuntime& runtime, const ShellHooks& hooks, WelcomeActions actions,
                std::string productSite);
  ~WelcomeWindow() override;
  WelcomeWindow(const WelcomeWindow&) = delete;
  WelcomeWindow& operator=(const WelcomeWindow&) = delete;

  platform::Form& form() { return *form_; }

  platform::LabelElement& txtAdventureName;
  platform::LabelElement& txtVersion;
  platform::LabelElement& lblAuthor;
  platform::LabelElement& txtAuthor;
  platform::LabelElement& lblEmail;
  platform::LabelElement& txtEmail;
  platform::LabelElement& lblHomepage;
  platform::LabelElement& txtHomepage;
  platform::CheckBoxElement& chkResolution;
  platform::LabelElement& lblResolution;
  platform::ImageElement& imgLogo;
  std::array<platform::ImageElement*, 4> Img{};
  std::array<platform::LabelElement*, 3> lblButton{};
  std::array<platform::ImageElement*, 4> imgLogos{};

  // --- WelcomeService: what start-up asks of the window ------------------------------------
  // Centred at its design size, then 4800 twips wide.
  void CenterAndSize() override;
  // Fills the window from the project information (information lines, resolution line,
  // height, scheme, captions, load button, logo).
  void Fill() override;
  void SetResolutionCheck(int value) override { chkResolution.SetValue(value); }
  bool ResolutionChecked() override;
  void Hide() override;
  bool IsSmallFonts() override;

  // Applies the scheme of that name from the project's schemes folder.
  void UseScheme(const std::string& schemeName);
  // 0 starts a new game, 1 opens the load dialog, 2 ends the program.
  void ClickButton(int index);
  // Shows the window (again).
  void Show();
  // Closes the window, which ends the program.
  void Unload();
  bool unloaded() const { return unloaded_; }

 private:
  void BuildControls();
  void PlaceInformationLines();
  void ApplyDefaultLook();
  void TileBackground(const platform::Picture& tile);
  void ShowButtonLabels();
  void PlaceLogo();
  void OnKeyDown(platform::KeyArgs& args);
  void ToggleResolution();
  void SaveResolutionChoice();
  void AskToSendMail();
  void AskToVisitWebSite();
  void AskToVisitProductSite();
  bool AskYesNo(const std::string& text, const std::string& title, platform::MessageIcon icon);
  void OpenLink(const std::string& target);

  WelcomeActions actions_;
  std::string productSite_;
  bool unloaded_ = false;
};

}  // namespace sw::shell
