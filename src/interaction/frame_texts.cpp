#include "interaction/frame_texts.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/valuefile/value_reader.h"
#include "interaction/frame_data_files.h"
#include "interaction/interaction.h"
#include "platform/geometry.h"
#include "platform/label.h"

namespace sw {

using platform::LabelElement;

namespace {

constexpr const char* kDefaultFontName = "Arial";

}  // namespace

void FrameTexts::LoadTexts() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  const std::string path = MergedOrFrameFile(rt, rt.CurrentFrameName, '1');
  if (path.empty()) return;
  platform::Form& form = window->form();
  try {
    MergedTextStart = 1;
    ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
    // From here each failing statement is skipped and reading goes on with the next value.
    int record = 0;
    while (!reader.AtEnd()) {
      if (rt.StopRequested) return;
      ++record;
      const int index = form.UBound("Text") + 1;
      StepRunner steps;
      Variant v;
      // Reads the next value; a failing read is skipped like any statement.
      auto read = [&] { return steps.Run([&] { v = reader.ReadVariant(); }); };
      read();
      steps.Run([&] {
        v = reader.ReadVariant();
        const int16_t marker = v.ToInteger();
        if (marker == 1 && record != 1 && MergedTextStart == 1) {
          MergedTextStart = static_cast<int16_t>(index);
        }
      });
      for (int n = 0; n < 8; ++n) read();
      LabelElement* text = nullptr;
      steps.Run([&] { text = &form.Load<LabelElement>("Text", index); });
      auto set = [&](auto&& apply) {
        steps.Run([&] {
          if (!text) throw VbError(vberr::kObjectRequired);
          apply(*text);
        });
      };
      set([](LabelElement& t) { t.SetVisible(false); });
      set([](LabelElement& t) { t.SetAutoSize(true); });
      platform::Font font = text ? text->font() : platform::Font();
      if (read()) set([&](LabelElement& t) { t.SetCaption(rt.ForDisplay(v.ToStringUtf8())); });
      if (read()) set([&](LabelElement& t) { t.SetLeft(platform::TwipsFromNumber(v.ToSingle())); });
      if (read()) set([&](LabelElement& t) { t.SetTop(platform::TwipsFromNumber(v.ToSingle())); });
      if (read()) steps.Run([&] { font.bold = v.ToBool(); });
      if (read()) steps.Run([&] { font.italic = v.ToBool(); });
      if (read()) {
        steps.Run([&] {
          const std::string name = v.ToStringUtf8();
          font.name = name.empty() ? kDefaultFontName : rt.ForDisplay(name);
        });
      }
      if (read()) steps.Run([&] { font.size = v.ToSingle(); });
      if (read()) steps.Run([&] { font.strikethrough = v.ToBool(); });
      if (read()) steps.Run([&] { font.underline = v.ToBool(); });
      set([&](LabelElement& t) { t.SetFont(font); });
      if (read()) {
        set([&](LabelElement& t) { t.SetForeColor(static_cast<platform::VbColor>(v.ToLong())); });
      }
      set([](LabelElement& t) { t.SetVisible(true); });
      if (window->form().visible()) set([](LabelElement& t) { t.ZOrder(0); });
      read();  // the record's terminator
    }
  } catch (const std::exception& e) {
    if (!rt.StopRequested) {
      platform::MessageStyle style;
      style.icon = platform::MessageIcon::kCritical;
      rt.ShowMessage(rt.texts.StandardErrorText(" Error loading TextBoxes. " + ErrorDescription(e)),
                     "Error", style);
    }
  }
}

void FrameTexts::ResetFrameTexts() {
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Form& form = window->form();
  const int last = form.UBound("Text");
  for (int index = 1; index <= last; ++index) {
    StepRunner step;
    step.Run([&] { form.Unload("Text", index); });
  }
}

nlohmann::json FrameTexts::Dump() const {
  auto out = nlohmann::json::array();
  GameWindow* window = owner_.runtime().game();
  if (!window || window->form().UBound("Text") < 0) return out;
  for (const int index : window->form().Indices("Text")) {
    if (index < 1) continue;
    const auto* text = dynamic_cast<const LabelElement*>(window->form().Find("Text", index));
    if (!text) continue;
    out.push_back({{"index", index},
                   {"caption", text->caption()},
                   {"left", platform::TwipsToPixels(text->left())},
                   {"top", platform::TwipsToPixels(text->top())},
                   {"visible", text->visible()}});
  }
  return out;
}

}  // namespace sw
