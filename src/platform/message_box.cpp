#include "platform/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/platform.h"
#include "platform/screen_size.h"

namespace sw::platform {
namespace {

constexpr int kIconSize = 32;
constexpr int kButtonW = 75;
constexpr int kButtonH = 23;
constexpr int kGap = 6;
constexpr int kMargin = 12;
constexpr int kMinTextWidth = 240;

// Long lines wrap at about two thirds of the screen's width, as the system's boxes did.
int MaxBoxWidth(Platform& platform) {
  return std::max(kMinTextWidth + 4 * kMargin, DesktopSizePixels(platform.headless()).x * 2 / 3);
}

// The four message icons: a red disc with a cross, a yellow triangle with "!", and blue
// discs with "i" and "?".
Picture MakeIcon(MessageIcon icon, TextEngine& text) {
  Pixmap px(kIconSize, kIconSize, 0);
  Argb fill = icon == MessageIcon::kCritical  ? 0xFFD42020u
              : icon == MessageIcon::kWarning ? 0xFFF0C000u
                                              : 0xFF2050D0u;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      double cx = x + 0.5 - kIconSize / 2.0, cy = y + 0.5 - kIconSize / 2.0;
      bool inside;
      if (icon == MessageIcon::kWarning) {
        // Triangle pointing up: apex at the top centre, base along the bottom row.
        inside = y >= 1 && std::abs(cx) <= (y - 1) * 0.55 + 0.5;
      } else {
        inside = cx * cx + cy * cy <= 15.0 * 15.0;
      }
      if (inside) px.SetPixel(x, y, fill);
    }
  }
  px.RecomputeOpaque();
  Font glyph_font;
  glyph_font.name = "Arial";
  glyph_font.size = 16;
  glyph_font.bold = true;
  Canvas canvas(px, text, {0, 0}, px.bounds());
  Argb ink = icon == MessageIcon::kWarning ? 0xFF000000u : 0xFFFFFFFFu;
  if (icon == MessageIcon::kCritical) {
    for (int i = 9; i < 23; ++i) {
      canvas.FillRect({i, i, 2, 2}, ink);
      canvas.FillRect({kIconSize - 2 - i, i, 2, 2}, ink);
    }
  } else {
    const char* glyph = icon == MessageIcon::kWarning    ? "!"
                        : icon == MessageIcon::kQuestion ? "?"
                                                         : "i";
    int w = text.LineWidth(glyph_font, glyph), h = text.LineHeight(glyph_font);
    int y = (kIconSize - h) / 2 + (icon == MessageIcon::kWarning ? 3 : 0);
    canvas.DrawText(glyph_font, glyph, {(kIconSize - w) / 2, y}, ink);
  }
  return Picture(std::move(px), {kIconSize / 2, kIconSize / 2});
}

struct ButtonSpec {
  const char* caption;
  MessageResult result;
};

std::vector<ButtonSpec> ButtonsFor(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return {{"OK", MessageResult::kOk}};
    case MessageButtons::kOkCancel:
      return {{"OK", MessageResult::kOk}, {"Cancel", MessageResult::kCancel}};
    case MessageButtons::kAbortRetryIgnore:
      return {{"&Abort", MessageResult::kAbort},
              {"&Retry", MessageResult::kRetry},
              {"&Ignore", MessageResult::kIgnore}};
    case MessageButtons::kYesNoCancel:
      return {{"&Yes", MessageResult::kYes},
              {"&No", MessageResult::kNo},
              {"Cancel", MessageResult::kCancel}};
    case MessageButtons::kYesNo:
      return {{"&Yes", MessageResult::kYes}, {"&No", MessageResult::kNo}};
    case MessageButtons::kRetryCancel:
      return {{"&Retry", MessageResult::kRetry}, {"Cancel", MessageResult::kCancel}};
  }
  return {{"OK", MessageResult::kOk}};
}

// The answer when the box is closed without a choice.
MessageResult CancelAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return MessageResult::kOk;
    case MessageButtons::kYesNo:
      return MessageResult::kNo;
    case MessageButtons::kAbortRetryIgnore:
      return MessageResult::kAbort;
    default:
      return MessageResult::kCancel;
  }
}

}  // namespace

MessageStyle MessageStyleFromVb(int style) {
  MessageStyle out;
  int b = style & 0x7;
  out.buttons = b <= 5 ? static_cast<MessageButtons>(b) : MessageButtons::kOk;
  switch (style & 0x70) {
    case 16:
      out.icon = MessageIcon::kCritical;
      break;
    case 32:
      out.icon = MessageIcon::kQuestion;
      break;
    case 48:
      out.icon = MessageIcon::kWarning;
      break;
    case 64:
      out.icon = MessageIcon::kInformation;
      break;
    default:
      out.icon = MessageIcon::kNone;
      break;
  }
  out.default_button = (style & 0x300) >> 8;
  return out;
}

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return "critical";
    case MessageIcon::kQuestion:
      return "question";
    case MessageIcon::kWarning:
      return "warning";
    case MessageIcon::kInformation:
      return "information";
    case MessageIcon::kNone:
      return "none";
  }
  return "none";
}

MessageResult ShowMessageBox(Platform& platform, std::string_view text, std::string_view title,
                             MessageStyle style) {
  platform.messages().Record({std::string(title), std::string(text), IconName(style.icon), ""});
  MessageResult cancel = CancelAnswer(style.buttons);
  if (platform.events().quit_requested()) return cancel;

  TextEngine& engine = platform.text();
  Font font;
  bool has_icon = style.icon != MessageIcon::kNone;
  int text_x = has_icon ? kMargin + kIconSize + kMargin : kMargin;
  // The box takes the size of its text; it may be larger than the window it belongs to.
  const int wrap = std::max(kMinTextWidth, MaxBoxWidth(platform) - text_x - kMargin);
  std::vector<std::string> lines = engine.Layout(font, text, wrap);
  int text_w = 0;
  for (const auto& line : lines) text_w = std::max(text_w, engine.LineWidth(font, line));
  int text_h = engine.LineHeight(font) * static_cast<int>(lines.size());
  std::vector<ButtonSpec> shown_buttons = ButtonsFor(style.buttons);
  int buttons_w = static_cast<int>(shown_buttons.size()) * (kButtonW + kGap) - kGap;
  Font bold;
  bold.bold = true;
  int title_w = engine.LineWidth(bold, title) + 40;
  int width = std::max({text_x + text_w + kMargin, buttons_w + 2 * kMargin, title_w, 120});
  int body_h = std::max(text_h, has_icon ? kIconSize : 0);
  int height = kMargin + body_h + kMargin + kButtonH + kMargin;

  Dialog dialog(platform, std::string(title), width, height);
  if (has_icon)
    dialog.AddImage(MakeIcon(style.icon, engine), {kMargin, kMargin, kIconSize, kIconSize});
  int text_y = kMargin + (body_h - text_h) / 2;
  LabelElement& label = dialog.AddLabel("", {text_x, text_y, text_w, text_h});
  label.SetWordWrap(true);
  label.SetCaption(std::string(text));
  label.SetWidth(PixelsToTwips(text_w + 1));
  int x = (width - buttons_w) / 2;
  int default_index =
      std::clamp(style.default_button, 0, static_cast<int>(shown_buttons.size()) - 1);
  ButtonElement* focus = nullptr;
  bool has_cancel = style.buttons == MessageButtons::kOk ||
                    style.buttons == MessageButtons::kOkCancel ||
                    style.buttons == MessageButtons::kYesNoCancel ||
                    style.buttons == MessageButtons::kRetryCancel;
  for (int i = 0; i < static_cast<int>(shown_buttons.size()); ++i) {
    bool is_cancel = has_cancel && shown_buttons[i].result == cancel;
    ButtonElement& button = dialog.AddButton(
        shown_buttons[i].caption, static_cast<int>(shown_buttons[i].result),
        {x, height - kMargin - kButtonH, kButtonW, kButtonH}, i == default_index, is_cancel);
    if (i == default_index) focus = &button;
    x += kButtonW + kGap;
  }
  dialog.form().Focus(focus);
  int result = dialog.ShowModal();
  return result == 0 ? cancel : static_cast<MessageResult>(result);
}

std::optional<std::string> ShowInputBox(Platform& platform, std::string_view prompt,
                                        std::string_view title, std::string_view default_text) {
  platform.messages().Record({std::string(title), std::string(prompt), "none", "input"});
  if (platform.events().quit_requested()) return std::nullopt;
  // The prompt beside the buttons, as wide and tall as its text needs (within two thirds
  // of the screen); the field below it.
  TextEngine& engine = platform.text();
  Font font;
  constexpr int kMinWidth = 360, kFieldH = 21;
  const int beside = 3 * kMargin + kButtonW;
  const int wrap = std::max(kMinWidth, MaxBoxWidth(platform)) - beside;
  std::vector<std::string> lines = engine.Layout(font, prompt, wrap);
  int text_w = 0;
  for (const auto& line : lines) text_w = std::max(text_w, engine.LineWidth(font, line));
  const int text_h = engine.LineHeight(font) * static_cast<int>(lines.size());
  const int width = std::max(kMinWidth, text_w + 1 + beside);
  const int prompt_h = std::max(text_h, 2 * kButtonH + kGap);
  const int height = std::max(130, kMargin + prompt_h + kMargin + kFieldH + kMargin);
  Dialog dialog(platform, std::string(title), width, height);
  LabelElement& label = dialog.AddLabel("", {kMargin, kMargin, width - beside, prompt_h});
  label.SetWordWrap(true);
  label.SetCaption(std::string(prompt));
  dialog.AddButton("OK", 1, {width - kMargin - kButtonW, kMargin, kButtonW, kButtonH}, true, false);
  dialog.AddButton("Cancel", 2,
                   {width - kMargin - kButtonW, kMargin + kButtonH + kGap, kButtonW, kButtonH},
                   false, true);
  TextFieldElement& field =
      dialog.AddTextField(std::string(default_text),
                          {kMargin, height - kMargin - kFieldH, width - 2 * kMargin, kFieldH});
  field.SetTabIndex(0);
  field.SelectAll();
  dialog.form().Focus(&field);
  int result = dialog.ShowModal();
  if (result != 1) return std::nullopt;
  return field.text();
}

}  // namespace sw::platform
