#include "shell/screenshot_notice.h"

#include "core/game/game_window.h"

namespace sw::shell {

namespace {

constexpr int kPaddingTwips = 150;             // above and below the text
constexpr platform::VbColor kBand = 0x303030;  // dark grey, as 0x00BBGGRR
constexpr platform::VbColor kText = 0xA0F0FF;  // pale yellow

template <class T>
std::shared_ptr<T> Lock(const std::weak_ptr<platform::Element>& element) {
  return std::static_pointer_cast<T>(element.lock());
}

}  // namespace

ScreenshotNotice::ScreenshotNotice(GameWindow& window)
    : frame_(window.PictureBox.weak_from_this()),
      game_banner_(window.FrameMessageBox.weak_from_this()) {
  platform::Form& form = window.form();
  auto& band = form.Add<platform::PictureBoxElement>("PlayerNotice", &window.PictureBox);
  band.SetBackColor(kBand);
  band.SetBorderStyle(0);
  band.SetVisible(false);
  band.SetEnabled(false);  // presses go through to the game beneath
  auto& label = form.Add<platform::LabelElement>("PlayerNoticeText", &band);
  label.SetBackStyle(0);
  label.SetForeColor(kText);
  label.SetAlignment(platform::Alignment::kCenter);
  platform::Font font;
  font.name = "Arial";
  font.size = 10;
  font.bold = true;
  label.SetFont(font);
  label.SetAutoSize(true);
  label.SetTop(kPaddingTwips);
  auto& timer = form.Add<platform::TimerElement>("TimerPlayerNotice");
  timer.SetEnabled(false);
  timer.SetInterval(kShowMs);
  timer.on.timer = [this](platform::Element&) { Hide(); };
  band_ = band.weak_from_this();
  label_ = label.weak_from_this();
  timer_ = timer.weak_from_this();
}

ScreenshotNotice::~ScreenshotNotice() {
  if (auto timer = Lock<platform::TimerElement>(timer_)) {
    timer->SetEnabled(false);
    timer->on.timer = nullptr;
  }
}

void ScreenshotNotice::Show(const std::string& text) {
  auto frame = frame_.lock();
  auto band = Lock<platform::PictureBoxElement>(band_);
  auto label = Lock<platform::LabelElement>(label_);
  auto timer = Lock<platform::TimerElement>(timer_);
  if (!frame || !band || !label || !timer) return;
  band->Move(0, 0, frame->width(), band->height());
  label->SetCaption("");
  label->SetLeft(band->width() / 2);  // centred automatic sizing keeps this the middle
  label->SetCaption(text);
  label->SetVisible(true);
  const int height = label->height() + 2 * kPaddingTwips;
  int bottom = frame->height();
  if (auto banner = game_banner_.lock(); banner && banner->visible()) bottom = banner->top();
  band->Move(0, bottom - height, frame->width(), height);
  band->SetVisible(true);
  band->ZOrder(0);
  timer->SetEnabled(false);  // a second press starts the moment again
  timer->SetEnabled(true);
}

void ScreenshotNotice::Hide() {
  if (auto band = band_.lock()) band->SetVisible(false);
  if (auto timer = timer_.lock()) timer->SetEnabled(false);
}

bool ScreenshotNotice::visible() const {
  auto band = band_.lock();
  return band && band->visible();
}

std::string ScreenshotNotice::text() const {
  auto label = Lock<platform::LabelElement>(label_);
  return label && visible() ? label->caption() : "";
}

}  // namespace sw::shell
