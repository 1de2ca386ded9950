#include "effects/transitions.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/project/file_names.h"
#include "effects/bitmap_file.h"
#include "effects/effects.h"
#include "effects/pixel_effects.h"
#include "platform/label.h"
#include "platform/platform.h"
#include "platform/system/file_io.h"

namespace sw::effects {

using platform::kTwipsPerPixel;
using platform::PictureBoxElement;

namespace {

bool IsCrossFade(int n) {
  return n == 0 || n == 1;
}

// Pixels of a twips length, as the window's pixel scale gives them (integer part).
int Px(int twips) {
  return twips / kTwipsPerPixel;
}

// The picture box's drawing as a picture of its own.
platform::Picture Snapshot(PictureBoxElement& box) {
  return platform::Picture(box.surface());
}

}  // namespace

void Transitions::Attach(GameWindow& window) {
  platform::Form& form = window.form();
  if (form.Find("picWhere")) return;
  // picWhere lies over the frame on the window; picStart and picEnd lie inside the frame
  // picture, so that a slide is cut off at its edges.
  where_ = &form.Add<PictureBoxElement>("picWhere");
  start_ = &form.Add<PictureBoxElement>("picStart", &window.PictureBox);
  end_ = &form.Add<PictureBoxElement>("picEnd", &window.PictureBox);
  GameRuntime& rt = owner_.runtime();
  for (PictureBoxElement* box : {where_, start_, end_}) {
    box->SetVisible(false);
    box->SetBorderStyle(0);
    box->SetBackColor(0);
    // A press on the transition is a press on the window: it ends the transition.
    box->on.mouse_down = [&rt](platform::Element&, const platform::MouseArgs&) {
      rt.InterruptMovie();
    };
  }
  // A frozen frame whose frame change never came (a broken link) would cover the frame for
  // good: a press outside a transition takes it away.
  where_->on.mouse_down = [this, &rt](platform::Element&, const platform::MouseArgs&) {
    rt.InterruptMovie();
    if (!running_) where_->SetVisible(false);
  };
}

void Transitions::InitTransitionList() {
  list_ = {"", "Alphablending", "Slide Left", "Slide Right", "Slide Up", "Slide Down"};
}

bool Transitions::Attached() {
  return owner_.Window() != nullptr;
}

bool Transitions::Disabled() {
  GameWindow* window = owner_.Window();
  return window == nullptr || owner_.runtime().StopRequested ||
         window->form().menu().Get("mnuDisableTransitions").checked();
}

std::string Transitions::ScratchPath() const {
  return owner_.runtime().folders.ProjectFolder + kScratchFile;
}

void Transitions::TransitionStep1(int16_t iTransNumber) {
  if (Disabled()) return;
  GameRuntime& rt = owner_.runtime();
  GameWindow& window = *owner_.Window();
  try {
    PictureBoxElement& frame = window.PictureBox;
    where_->Move(frame.left(), frame.top(), frame.width(), frame.height());
    start_->Move(0, 0, frame.width(), frame.height());
    end_->Move(0, 0, frame.width(), frame.height());
    CaptureCurrentFrame(*start_);
    if (IsCrossFade(iTransNumber)) {
      // The old frame goes through the scratch file and comes back as the box's picture.
      const auto path = rt.files().Resolve(ScratchPath());
      WriteFileAtomically(path, EncodeBmp(start_->surface()));
      const platform::Picture frozen = platform::DecodePictureFile(path);
      start_->SetPicture(frozen);
      where_->SetPicture(frozen);
      where_->SetVisible(true);
      where_->ZOrder(0);
    }
  } catch (const std::exception&) {
    // The step ends; the frame change goes on without a frozen picture.
  }
}

void Transitions::TransitionStep2(int16_t iTransNumber, double dTransitionDuration) {
  GameRuntime& rt = owner_.runtime();
  if (Disabled()) {
    // No animation: the sound fades that would have run in step finish now.
    if (!rt.StopRequested) rt.subsystems().sound->StepAudioFade(1);
    return;
  }
  GameWindow& window = *owner_.Window();
  try {
    const bool timer1 = window.Timer1.enabled();
    const bool timerMessage = window.TimerMessageBox.enabled();
    window.Timer1.SetEnabled(false);
    window.TimerMessageBox.SetEnabled(false);
    CaptureCurrentFrame(*end_);
    RenderTransition(iTransNumber, *where_, *start_, *end_, dTransitionDuration);
    owner_.animations.RestartVisible();
    if (timer1) window.Timer1.SetEnabled(true);
    if (timerMessage) window.TimerMessageBox.SetEnabled(true);
    // An interrupted slide leaves its boxes shown: hiding them shows the new frame at once.
    for (PictureBoxElement* box : {where_, start_, end_}) {
      box->SetVisible(false);
      box->SetPicture({});
    }
    if (IsCrossFade(iTransNumber)) rt.DeleteFileIfExists(ScratchPath());
  } catch (const std::exception&) {
    // The step ends; what is drawn stays as it is.
  }
}

void Transitions::CaptureCurrentFrame(PictureBoxElement& PicBox) {
  GameRuntime& rt = owner_.runtime();
  GameWindow& window = *owner_.Window();
  platform::Form& form = window.form();
  if (auto* templateText = dynamic_cast<platform::LabelElement*>(form.Find("Text", 0))) {
    templateText->SetCaption("");
  }
  PicBox.Cls();
  // The background.
  if (rt.FrameKind == 1) {
    PicBox.SetPicture(Snapshot(window.PictureBox));
  } else if (rt.FrameKind == 0) {
    PicBox.SetPicture({});
    const auto colour = static_cast<platform::VbColor>(ValOf(rt.FrameBackground));
    if (colour != PicBox.back_color()) PicBox.SetBackColor(colour);
  }
  // The texts, line by line at their places.
  for (int i : form.Indices("Text")) {
    auto* label = dynamic_cast<platform::LabelElement*>(form.Find("Text", i));
    if (!label) continue;
    PicBox.SetForeColor(label->fore_color());
    PicBox.SetFont(label->font());
    const int x = Px(label->left()) * kTwipsPerPixel;
    PicBox.SetCurrentX(x);
    PicBox.SetCurrentY(Px(label->top()) * kTwipsPerPixel);
    // A hidden text is not part of the picture the player sees.
    if (i == 0 || !label->visible()) continue;
    const std::string& caption = label->caption();
    const long long length = static_cast<long long>(caption.size());
    std::size_t from = 0;
    while (true) {
      std::size_t cr = caption.find('\r', from);
      const std::size_t lineEnd = cr == std::string::npos ? caption.size() : cr;
      PicBox.SetCurrentX(x);
      PicBox.Print(caption.substr(from, lineEnd - from));
      // The end as a 1-based position, compared with the second-to-last character.
      if (static_cast<long long>(lineEnd) + 1 >= length - 1) break;
      from = lineEnd + 2;
    }
  }
  // Hotspot pictures that are not animated.
  for (int i : form.Indices("Area")) {
    if (i == 0) continue;
    auto* area = dynamic_cast<platform::ImageElement*>(form.Find("Area", i));
    if (!area || area->picture().empty() || !area->visible() || owner_.animations.IsAnimated(i))
      continue;
    PicBox.PaintPicture(area->picture(), Px(area->left()) * kTwipsPerPixel,
                        Px(area->top()) * kTwipsPerPixel, Px(area->width()) * kTwipsPerPixel,
                        Px(area->height()) * kTwipsPerPixel);
  }
  // The first image of each animated picture shown.
  for (int i : form.Indices("AniGifBox")) {
    PictureBoxElement* box = owner_.animations.AniGifBox(i);
    if (!box || !box->visible() || !owner_.animations.IsAnimated(i)) continue;
    PicBox.PaintPicture(owner_.animations.FirstImage(i), Px(box->left()) * kTwipsPerPixel,
                        Px(box->top()) * kTwipsPerPixel);
  }
  // The rippling water as it is drawn now.
  PictureBoxElement& water = window.PicRipplingWater;
  if (water.visible()) {
    PicBox.PaintPicture(Snapshot(water), Px(water.left()) * kTwipsPerPixel,
                        Px(water.top()) * kTwipsPerPixel, Px(water.width()) * kTwipsPerPixel,
                        Px(water.height()) * kTwipsPerPixel);
  }
}

void Transitions::RenderTransition(int n, PictureBoxElement& where, PictureBoxElement& start,
                                   PictureBoxElement& end, double d) {
  GameRuntime& rt = owner_.runtime();
  try {
    if (n >= 0 && n <= kTransitionCount && d > 0 && !Animate(n, where, start, end, d)) {
      // Interrupted: the picture stays where it is until step 2 clears the boxes; the sound
      // fades that ran in step finish now rather than stay half done.
      rt.subsystems().sound->StepAudioFade(1);
      return;
    }
    start.SetVisible(false);
    end.SetVisible(false);
    running_ = false;
    rt.subsystems().sound->StepAudioFade(1);
  } catch (const std::exception& e) {
    if (!rt.TransitionErrorShown) {
      rt.ShowStandardError(
          " Error rendering the full-screen alphablending transitions. Make sure that the file "
          "'Msimg32.dll' is in your Windows\\System directory. This message will not reappear "
          "until you restart the program. " +
          ErrorDescription(e));
      rt.TransitionErrorShown = true;
    }
    running_ = false;
  }
}

bool Transitions::Animate(int n, PictureBoxElement& where, PictureBoxElement& start,
                          PictureBoxElement& end, double d) {
  GameRuntime& rt = owner_.runtime();
  platform::Platform& platform = rt.platform();
  SoundService& sound = *rt.subsystems().sound;
  running_ = true;
  rt.UserInterrupt = false;
  last_kind_ = n;
  steps_ = 0;
  const int width = where.width();
  const int height = where.height();
  const int widthPx = Px(width);
  const int heightPx = Px(height);
  // Slides: the moving box holds both pictures side by side or one above the other.
  switch (n) {
    case 2:
    case 4: {
      const bool across = n == 2;
      end.Move(0, 0, across ? 2 * width : width, across ? height : 2 * height);
      end.surface().CopyFrom(start.surface(), {0, 0, widthPx, heightPx},
                             {across ? widthPx : 0, across ? 0 : heightPx});
      end.Invalidate();
      end.Move(across ? -width : 0, across ? 0 : -height, end.width(), end.height());
      end.ZOrder(0);
      end.SetVisible(true);
      break;
    }
    case 3:
    case 5: {
      const bool across = n == 3;
      start.Move(0, 0, across ? 2 * width : width, across ? height : 2 * height);
      start.surface().CopyFrom(end.surface(), {0, 0, widthPx, heightPx},
                               {across ? widthPx : 0, across ? 0 : heightPx});
      start.Invalidate();
      start.ZOrder(0);
      start.SetVisible(true);
      break;
    }
    default:
      break;
  }
  const platform::Picture old = where.picture();
  const double t0 = platform.clock().SecondsSinceMidnight();
  double now = 0;
  while (!(now - t0 > d)) {
    now = platform.clock().SecondsSinceMidnight();
    const double f = (now - t0) / d;
    const double g = now - t0 <= d ? f : 1.0;
    ++steps_;
    switch (n) {
      case 0:
      case 1: {
        // The old frame, then the new one over it with the constant alpha of this step.
        const auto alpha = static_cast<std::uint8_t>(std::lround(std::clamp(g, 0.0, 1.0) * 255));
        CrossFade(old.pixels(), end.surface(), alpha, where.surface());
        where.Invalidate();
        sound.StepAudioFade(f);
        platform.DoEvents();
        break;
      }
      case 2:
        end.SetLeft(static_cast<int>((1 - g) * -width));
        break;
      case 3:
        start.SetLeft(static_cast<int>(g * -width));
        break;
      case 4:
        end.SetTop(static_cast<int>((1 - g) * -height));
        break;
      case 5:
        start.SetTop(static_cast<int>(g * -height));
        break;
      default:
        break;
    }
    if (n >= 2) {
      platform.DoEvents();
      sound.StepAudioFade(f);
    }
    if (rt.UserInterrupt) {
      running_ = false;
      rt.UserInterrupt = false;
      return false;
    }
    if (platform.events().quit_requested()) break;
  }
  return true;
}

nlohmann::json Transitions::Dump() const {
  return {{"running", running_}, {"lastKind", last_kind_}, {"steps", steps_}};
}

}  // namespace sw::effects
