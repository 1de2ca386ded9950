#include "shell/welcome_window.h"

#include <iostream>

#include "core/game/game_runtime.h"
#include "core/game/step_errors.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/system/shell.h"
#include "shell/display_mode.h"
#include "shell/logo_pictures.h"
#include "shell/resolution_text.h"
#include "shell/web_address.h"

namespace sw::shell {

using platform::ImageElement;
using platform::LabelElement;
using platform::VbRgb;

namespace {

// Design-time size: wider than the window, because the logo variants lie beyond its edge.
constexpr int kDesignWidth = 6600;
constexpr int kDesignHeight = 4500;
constexpr int kMargin = 240;
constexpr int kButtonTop = 1080;
constexpr int kButtonStep = 480;
constexpr int kLoadHiddenExitTop = 1560;
constexpr int kLogoTop = -720;
constexpr int kLogoLeft = 4560;
constexpr int kLogoLeftMoved = 4440;

// The default look's colours (the game's 0x00BBGGRR values).
constexpr platform::VbColor kBackground = VbRgb(24, 32, 56);
constexpr platform::VbColor kTitleColour = VbRgb(255, 214, 110);
constexpr platform::VbColor kTextColour = VbRgb(214, 220, 232);
constexpr platform::VbColor kButtonColour = VbRgb(255, 255, 255);

platform::Font InterfaceFont(double size, bool bold = false, bool underline = false) {
  platform::Font font;
  font.name = "Arial";
  font.size = size;
  font.bold = bold;
  font.underline = underline;
  return font;
}

LabelElement& AddText(platform::Form& form, const char* name, int left, int width,
                      platform::Font font = InterfaceFont(9)) {
  auto& label = form.Add<LabelElement>(name);
  label.Move(left, kInfoTop, width, 240);
  label.SetBackStyle(0);
  label.SetFont(std::move(font));
  label.SetForeColor(kTextColour);
  return label;
}

}  // namespace

WelcomeWindow::WelcomeWindow(GameRuntime& runtime, const ShellHooks& hooks, WelcomeActions actions,
                             std::string productSite)
    : runtime_(runtime),
      hooks_(hooks),
      form_(runtime.platform().CreateForm("frmWelcome")),
      txtAdventureName(form_->Add<LabelElement>("txtAdventureName")),
      txtVersion(AddText(*form_, "txtVersion", kMargin, kWelcomeWidth - 2 * kMargin)),
      lblAuthor(AddText(*form_, "lblAuthor", kMargin, 1440)),
      txtAuthor(AddText(*form_, "txtAuthor", kMargin + 1440, 2880)),
      lblEmail(AddText(*form_, "lblEmail", kMargin, 1440)),
      txtEmail(AddText(*form_, "txtEmail", kMargin + 1440, 2880, InterfaceFont(9, false, true))),
      lblHomepage(AddText(*form_, "lblHomepage", kMargin, 1440)),
      txtHomepage(
          AddText(*form_, "txtHomepage", kMargin + 1440, 2880, InterfaceFont(9, false, true))),
      chkResolution(form_->Add<platform::CheckBoxElement>("chkResolution")),
      lblResolution(
          AddText(*form_, "lblResolution", kMargin + 240, kWelcomeWidth - 2 * kMargin - 240)),
      imgLogo(form_->Add<ImageElement>("imgLogo")),
      actions_(std::move(actions)),
      productSite_(std::move(productSite)) {
  BuildControls();
}

WelcomeWindow::~WelcomeWindow() {
  form_->Close();
}

void WelcomeWindow::BuildControls() {
  platform::Form& form = *form_;
  form.SetSize(kDesignWidth, kDesignHeight);
  form.SetKeyPreview(true);
  form.client().SetBackColor(kBackground);

  txtAdventureName.Move(kMargin, kMargin, kWelcomeWidth - 2 * kMargin, 720);
  txtAdventureName.SetBackStyle(0);
  txtAdventureName.SetAlignment(platform::Alignment::kCenter);
  txtAdventureName.SetWordWrap(true);
  txtAdventureName.SetFont(InterfaceFont(16, true));
  txtAdventureName.SetForeColor(kTitleColour);

  // The scheme pictures: three buttons and the background tile.
  Img[0] = &form.AddArray<ImageElement>("Img");
  for (int i = 1; i < 4; ++i) Img[i] = &form.Load<ImageElement>("Img", i);
  for (int i = 0; i < 4; ++i) {
    Img[i]->SetVisible(false);
    Img[i]->SetTop(kButtonTop + kButtonStep * (i < 3 ? i : 0));
  }
  // The text buttons, centred, with their design-time captions.
  static constexpr const char* kCaptions[] = {"Start", "  Load...", "Exit"};
  lblButton[0] = &form.AddArray<LabelElement>("lblButton");
  for (int i = 1; i < 3; ++i) lblButton[i] = &form.Load<LabelElement>("lblButton", i);
  for (int i = 0; i < 3; ++i) {
    LabelElement& label = *lblButton[i];
    label.Move(0, kButtonTop + kButtonStep * i, kWelcomeWidth, 360);
    label.SetBackStyle(0);
    label.SetAlignment(platform::Alignment::kCenter);
    label.SetFont(InterfaceFont(12, true));
    label.SetForeColor(kButtonColour);
    label.SetCaption(kCaptions[i]);
    label.SetAutoSize(true);
    label.SetVisible(true);
  }
  for (int i = 0; i < 3; ++i) {
    auto click = [this, i](platform::Element&) { ClickButton(i); };
    Img[i]->on.click = click;
    lblButton[i]->on.click = click;
    // Reached with Tab, pressed with Return or Space; the hand shows they can be clicked.
    lblButton[i]->SetTabStop(true);
    lblButton[i]->SetTabIndex(i);
    lblButton[i]->SetMousePointer(platform::MousePointer::kHand);
  }

  chkResolution.Move(kMargin, kInfoTop + 45, 195, 195);
  chkResolution.SetBackColor(kBackground);
  chkResolution.SetValue(1);
  chkResolution.on.click = [this](platform::Element&) { SaveResolutionChoice(); };
  lblResolution.on.click = [this](platform::Element&) { ToggleResolution(); };
  txtEmail.on.click = [this](platform::Element&) { AskToSendMail(); };
  txtHomepage.on.click = [this](platform::Element&) { AskToVisitWebSite(); };
  int tab = 3;
  for (LabelElement* link : {&txtEmail, &txtHomepage}) {
    link->SetTabStop(true);
    link->SetTabIndex(tab++);
    link->SetMousePointer(platform::MousePointer::kHand);
  }
  imgLogo.SetMousePointer(platform::MousePointer::kHand);

  // The logo variants lie beyond the window's right edge, as designed.
  imgLogos[0] = &form.AddArray<ImageElement>("imgLogos");
  for (int i = 1; i < 4; ++i) imgLogos[i] = &form.Load<ImageElement>("imgLogos", i);
  for (int i = 0; i < 4; ++i) {
    imgLogos[i]->SetPicture(MakeLogoPicture(i));
    imgLogos[i]->Move(kDesignWidth - 1500 + 360 * i, kMargin, imgLogos[i]->width(),
                      imgLogos[i]->height());
    imgLogos[i]->SetVisible(false);
  }
  imgLogo.SetPicture(imgLogos[0]->picture());
  imgLogo.Move(kLogoLeft, kLogoTop, imgLogo.width(), imgLogo.height());
  imgLogo.on.click = [this](platform::Element&) { AskToVisitProductSite(); };

  // The window has no title bar: it is dragged by its background.
  form.client().on.mouse_down = [this](platform::Element&, const platform::MouseArgs& args) {
    if (args.button == platform::kLeftButton) runtime_.platform().display().BeginWindowDrag();
  };
  form.on.key_down = [this](platform::Form&, platform::KeyArgs& args) { OnKeyDown(args); };
  form.on.close = [this](platform::Form&) { Unload(); };
}

void WelcomeWindow::CenterAndSize() {
  // The display centres the window it shows; only the width is the window's own.
  form_->SetSize(kWelcomeWidth, form_->height());
}

void WelcomeWindow::PlaceInformationLines() {
  const ProjectInfo& info = runtime_.info;
  StepRunner steps;
  int y = kInfoTop;
  auto line = [&](LabelElement* caption, LabelElement& value, const std::string& text) {
    steps.Run([&] {
      if (text.empty()) {
        for (LabelElement* label : {caption, &value}) {
          if (!label) continue;
          label->SetCaption("");
          label->SetVisible(false);
        }
        return;
      }
      value.SetCaption(runtime_.ForDisplay(text));
      for (LabelElement* label : {caption, &value}) {
        if (!label) continue;
        label->SetTop(y);
        label->SetVisible(true);
      }
      y += kInfoStep;
    });
  };
  line(nullptr, txtVersion, info.Version);
  line(&lblAuthor, txtAuthor, info.Author);
  line(&lblEmail, txtEmail, info.Email);
  line(&lblHomepage, txtHomepage, info.WebSite);

  steps.Run([&] {
    if (runtime_.IsAtProjectResolution() || info.ResolutionOffer != 1) {
      chkResolution.SetVisible(false);
      lblResolution.SetVisible(false);
      return;
    }
    chkResolution.SetTop(y + 45);
    lblResolution.SetTop(y);
    chkResolution.SetVisible(true);
    lblResolution.SetVisible(true);
    y += kInfoStep;
    lblResolution.SetCaption(
        runtime_.ForDisplay(ResolutionLabelText(runtime_.texts[7], info.ResolutionMode)));
  });
  steps.Run([&] {
    const int frame = form_->height() - form_->scale_height();
    form_->SetSize(form_->width(), y + 150 + frame);
  });
}

void WelcomeWindow::Fill() {
  const ProjectInfo& info = runtime_.info;
  StepRunner steps;  // a failing step leaves its controls as designed
  steps.Run([&] { txtAdventureName.SetCaption(runtime_.ForDisplay(info.Title)); });
  PlaceInformationLines();
  steps.Run([&] { UseScheme(info.SchemeName); });
  steps.Run([&] { lblAuthor.SetCaption(runtime_.ForDisplay(runtime_.texts[4])); });
  steps.Run([&] { lblEmail.SetCaption(runtime_.ForDisplay(runtime_.texts[5])); });
  steps.Run([&] { lblHomepage.SetCaption(runtime_.ForDisplay(runtime_.texts[6])); });
  steps.Run([&] {
    if (info.HideLoad || lblButton[kLoadButton]->caption().empty()) {
      Img[kLoadButton]->SetVisible(false);
      lblButton[kLoadButton]->SetVisible(false);
      lblButton[kExitButton]->SetTop(kLoadHiddenExitTop);
    }
  });
  steps.Run([&] { PlaceLogo(); });
}

void WelcomeWindow::PlaceLogo() {
  const ProjectInfo& info = runtime_.info;
  if (info.HideLogo) {
    imgLogo.SetVisible(false);
    return;
  }
  imgLogo.SetVisible(true);
  imgLogo.ZOrder(0);
  const int k = (info.SchemeLogoVariant == 1 ? 1 : 0) + (info.SchemeLogoPosition ? 2 : 0);
  imgLogo.SetPicture(imgLogos[k]->picture());
  imgLogo.Move(info.SchemeLogoPosition ? kLogoLeftMoved : kLogoLeft, kLogoTop, imgLogo.width(),
               imgLogo.height());
}

bool WelcomeWindow::ResolutionChecked() {
  return chkResolution.visible() && chkResolution.value() == 1;
}

void WelcomeWindow::Show() {
  platform::Platform& platform = runtime_.platform();
  const std::string title = runtime_.ForDisplay(runtime_.info.Title);
  platform.display().SetTitle(title.empty() ? "Scenewright" : title);
  form_->Show();
  platform.SetWindowRole("welcome");
  platform.display().SetAlwaysOnTop(true);  // on top while the welcome window is active
}

void WelcomeWindow::Hide() {
  runtime_.platform().display().SetAlwaysOnTop(false);
  form_->Hide();
}

void WelcomeWindow::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  form_->Close();
  platform::Platform& platform = runtime_.platform();
  platform.display().SetAlwaysOnTop(false);
  platform.SetWindowRole("none");
  platform.events().RequestQuit(0);
}

bool WelcomeWindow::IsSmallFonts() {
  return shell::IsSmallFonts(runtime_.platform().text().LineHeight(platform::Font{}));
}

void WelcomeWindow::ClickButton(int index) {
  switch (index) {
    case kStartButton:
      Run(actions_.start_new_game);
      break;
    case kLoadButton:
      // The load dialog must be able to come above the welcome window.
      runtime_.platform().display().SetAlwaysOnTop(false);
      Run(actions_.load_game);
      break;
    case kExitButton:
      Unload();
      break;
    default:
      break;
  }
}

void WelcomeWindow::OnKeyDown(platform::KeyArgs& args) {
  if (args.key_code == platform::keys::kEscape) {
    args.key_code = 0;
    Unload();
  } else if (args.key_code == platform::keys::kReturn && args.shift == platform::kAltMask) {
    args.key_code = 0;
    runtime_.platform().SetFullscreen(!runtime_.platform().fullscreen());
  }
}

void WelcomeWindow::ToggleResolution() {
  chkResolution.SetValue(chkResolution.value() == 1 ? 0 : 1);
  SaveResolutionChoice();
}

void WelcomeWindow::SaveResolutionChoice() {
  try {
    runtime_.SaveSetting("ChangeResolution", chkResolution.value() == 1 ? "1" : "0");
  } catch (const std::exception&) {
    // The choice still holds for this run; it is only not remembered.
  }
}

bool WelcomeWindow::AskYesNo(const std::string& text, const std::string& title,
                             platform::MessageIcon icon) {
  platform::MessageStyle style;
  style.buttons = platform::MessageButtons::kYesNo;
  style.icon = icon;
  return runtime_.ShowMessage(text, title, style) == platform::MessageResult::kYes;
}

void WelcomeWindow::OpenLink(const std::string& target) {
  try {
    const std::string link = runtime_.ForDisplay(target);
    if (hooks_.open_link) {
      hooks_.open_link(link);
    } else {
      OpenWithDesktop(link);
    }
  } catch (const std::exception& e) {
    // The game goes on; the person at the terminal learns why nothing opened.
    std::cerr << "scenewright: cannot open " << target << ": " << e.what() << '\n';
  }
}

void WelcomeWindow::AskToSendMail() {
  const std::string& address = runtime_.info.Email;
  if (AskYesNo(runtime_.texts[13] + " " + address + " ?", runtime_.info.Title,
               platform::MessageIcon::kQuestion))
    OpenLink("mailto:" + address);
}

void WelcomeWindow::AskToVisitWebSite() {
  const std::string& address = runtime_.info.WebSite;
  if (AskYesNo(runtime_.texts[14] + " " + address + " ? " + runtime_.texts[15], runtime_.info.Title,
               platform::MessageIcon::kQuestion))
    OpenLink(WebAddress(address));
}

void WelcomeWindow::AskToVisitProductSite() {
  const std::string text = "Scenewright on the web: " + productSite_ +
                           "\r\n\r\nDo you want to visit it now? (You must be connected to "
                           "the Internet)";
  if (AskYesNo(text, "Scenewright", platform::MessageIcon::kInformation)) OpenLink(productSite_);
}

}  // namespace sw::shell
