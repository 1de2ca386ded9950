// Schemes of the welcome window: a folder of button pictures, a background tile and colours
// chosen by the game's author, read from its "Scheme.txt".
#include <optional>

#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/step_errors.h"
#include "core/valuefile/value_reader.h"
#include "platform/platform.h"
#include "shell/welcome_window.h"

namespace sw::shell {

namespace {

// Names that leave a button without a picture.
bool MeansNoPicture(const std::string& name) {
  const std::string lower = LowerAscii(name);
  return lower == "[none]" || lower == "[default]";
}

}  // namespace

void WelcomeWindow::ApplyDefaultLook() {
  for (int i = 0; i < 3; ++i) {
    Img[i]->SetVisible(false);
    lblButton[i]->SetCaption(runtime_.ForDisplay(runtime_.texts[i + 1]));
    lblButton[i]->SetAutoSize(true);
    lblButton[i]->SetVisible(true);
  }
}

void WelcomeWindow::TileBackground(const platform::Picture& tile) {
  if (tile.width() <= 0 || tile.height() <= 0) return;
  platform::PictureBoxElement& client = form_->client();
  const int width = form_->width();
  const int height = form_->height();
  for (int y = 0; y <= height; y += tile.height_twips())
    for (int x = 0; x <= width; x += tile.width_twips()) client.PaintPicture(tile, x, y);
}

void WelcomeWindow::ShowButtonLabels() {
  for (int i = 0; i < 3; ++i) {
    if (Img[i]->picture().height() == 0) {
      lblButton[i]->SetCaption(runtime_.ForDisplay(runtime_.texts[i + 1]));
      lblButton[i]->SetAutoSize(true);
      lblButton[i]->SetVisible(true);
    } else {
      lblButton[i]->SetVisible(false);
    }
  }
}

void WelcomeWindow::UseScheme(const std::string& schemeName) {
  const std::string folder = runtime_.folders.SchemesFolder + schemeName + "\\";
  const std::string file = folder + "Scheme.txt";
  if (!runtime_.FileExists(file)) {
    ApplyDefaultLook();
    return;
  }

  bool picturesRead = false;
  // The background is tiled and the buttons labelled once the pictures are known, also when
  // the file ends or fails later, after the colours so that the background colour does not
  // wipe the tiles.
  auto finish = [&] {
    if (!picturesRead) return;
    StepRunner steps;
    steps.Run([&] {
      if (Img[3]->picture().empty()) return;
      Img[3]->SetVisible(false);
      TileBackground(Img[3]->picture());
    });
    steps.Run([&] { ShowButtonLabels(); });
  };

  auto apply = [&] {
    ValueReader reader =
        ValueReader::FromFile(runtime_.files().Resolve(file), runtime_.files().codec());
    for (int i = 0; i < 3; ++i) reader.Skip();
    const int16_t count = reader.ReadInteger();
    if (count == 0) return;  // not a scheme: the look stays as it is
    for (int i = 0; i < count; ++i) {
      std::string name = "[default]";
      try {
        name = reader.ReadString();
      } catch (const std::exception&) {
        // An unreadable name leaves the button without a picture.
      }
      if (i >= static_cast<int>(Img.size())) throw VbError(vberr::kControlArrayElementMissing);
      platform::ImageElement& image = *Img[i];
      if (MeansNoPicture(name)) {
        image.SetPicture({});
        image.SetVisible(false);
      } else {
        image.SetPicture(runtime_.LoadPicture(folder + name));
        if (i < 3) image.SetLeft((kWelcomeWidth - image.width()) / 2);
        image.SetVisible(true);
      }
    }
    picturesRead = true;

    const int16_t format = reader.ReadInteger();
    if (format == 0) return;
    const platform::VbColor background = static_cast<platform::VbColor>(reader.ReadLong());
    form_->client().SetBackColor(background);
    chkResolution.SetBackColor(background);
    txtAdventureName.SetForeColor(static_cast<platform::VbColor>(reader.ReadLong()));
    const platform::VbColor text = static_cast<platform::VbColor>(reader.ReadLong());
    for (platform::LabelElement* label : {&lblResolution, &txtVersion, &lblAuthor, &lblEmail,
                                          &lblHomepage, &txtAuthor, &txtEmail, &txtHomepage})
      label->SetForeColor(text);
    if (format >= 4) {
      const platform::VbColor buttons = static_cast<platform::VbColor>(reader.ReadLong());
      for (platform::LabelElement* label : lblButton) label->SetForeColor(buttons);
    }
    if (!reader.AtEnd()) {
      for (int i = 0; i < 3; ++i) reader.Skip();
      txtAdventureName.SetVisible(!reader.ReadBoolean());
    }
    if (!reader.AtEnd()) {
      reader.Skip();
      runtime_.info.SchemeLogoVariant = reader.ReadInteger();
      runtime_.info.SchemeLogoPosition = reader.ReadBoolean();
    }
  };
  try {
    apply();
  } catch (const std::exception&) {
    // A broken scheme ends quietly with what it had applied.
  }
  finish();
}

}  // namespace sw::shell
