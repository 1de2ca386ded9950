#include "automation/script_runner.h"

#include <algorithm>

#include "base/ascii.h"
#include "base/vb_error.h"
#include "platform/button.h"
#include "platform/list_box.h"
#include "platform/platform.h"
#include "platform/text_field.h"

namespace sw::automation {

using platform::InputEvent;

namespace {

// Largest step of virtual time per event-loop pass.
constexpr long long kMaxWaitStep = 10;
// Intermediate pointer positions of a drag between press and release.
constexpr int kDragSteps = 4;

InputEvent Mouse(InputEvent::Kind kind, platform::Point p, int button = 0) {
  InputEvent e;
  e.kind = kind;
  e.position = p;
  e.button = button;
  return e;
}

InputEvent Key(InputEvent::Kind kind, int code, int shift) {
  InputEvent e;
  e.kind = kind;
  e.key_code = code;
  e.shift = shift;
  return e;
}

}  // namespace

ScriptRunner::ScriptRunner(std::vector<Command> commands, std::ostream& errors)
    : commands_(std::move(commands)), errors_(errors) {}

bool ScriptRunner::Poll(platform::Platform& platform) {
  platform::EventLoop& loop = platform.events();
  if (loop.quit_requested() || failure_) return false;
  if (waiting_) {
    StepWait(platform);
    // Real time passes by itself: let the loop sleep between checks.
    return platform.virtual_clock() != nullptr;
  }
  if (quit_pending_ || next_ >= commands_.size()) {
    // The close request has been handled (or the script is over): the program ends now,
    // cancelling any dialog still open.
    loop.RequestQuit(0);
    return true;
  }
  const Command& command = commands_[next_++];
  try {
    Execute(platform, command);
  } catch (const VbError& e) {
    Fail(platform, command, e.description());
  } catch (const std::exception& e) {
    Fail(platform, command, e.what());
  }
  return true;
}

void ScriptRunner::Fail(platform::Platform& platform, const Command& command, std::string reason) {
  failure_ = ScriptError{command.line, std::move(reason)};
  errors_ << "scenewright: script " << failure_->Describe() << '\n';
  platform.events().RequestQuit(kScriptFailureExit);
}

void ScriptRunner::StepWait(platform::Platform& platform) {
  if (platform::VirtualClock* clock = platform.virtual_clock()) {
    long long step = std::min(kMaxWaitStep, wait_left_);
    clock->Advance(step);
    wait_left_ -= step;
    waiting_ = wait_left_ > 0;
  } else {
    waiting_ = platform.clock().NowMs() < wait_until_;
  }
}

platform::Form* ScriptRunner::OpenDialog(platform::Platform& platform, const Command& command) {
  platform::Form* dialog = platform.desktop().top_modal();
  if (!dialog) Fail(platform, command, "no dialog is open");
  return dialog;
}

void ScriptRunner::Execute(platform::Platform& platform, const Command& c) {
  platform::EventLoop& loop = platform.events();
  platform::Desktop& desktop = platform.desktop();
  platform::Rect frame = desktop.FrameRect();
  auto at = [&](int x, int y) { return platform::Point{frame.x + x, frame.y + y}; };
  using Kind = Command::Kind;

  switch (c.kind) {
    case Kind::kClick: {
      int button = c.right ? platform::kRightButton : platform::kLeftButton;
      loop.Post(Mouse(InputEvent::Kind::kMouseMove, at(c.x1, c.y1)));
      loop.Post(Mouse(InputEvent::Kind::kMouseDown, at(c.x1, c.y1), button));
      loop.Post(Mouse(InputEvent::Kind::kMouseUp, at(c.x1, c.y1), button));
      break;
    }
    case Kind::kMove:
      loop.Post(Mouse(InputEvent::Kind::kMouseMove, at(c.x1, c.y1)));
      break;
    case Kind::kDrag: {
      loop.Post(Mouse(InputEvent::Kind::kMouseMove, at(c.x1, c.y1)));
      loop.Post(Mouse(InputEvent::Kind::kMouseDown, at(c.x1, c.y1), platform::kLeftButton));
      for (int i = 1; i <= kDragSteps; ++i) {
        int x = c.x1 + (c.x2 - c.x1) * i / kDragSteps;
        int y = c.y1 + (c.y2 - c.y1) * i / kDragSteps;
        loop.Post(Mouse(InputEvent::Kind::kMouseMove, at(x, y)));
      }
      loop.Post(Mouse(InputEvent::Kind::kMouseUp, at(c.x2, c.y2), platform::kLeftButton));
      break;
    }
    case Kind::kKey: {
      loop.Post(Key(InputEvent::Kind::kKeyDown, c.key_code, c.shift));
      if (int ch = platform::KeyCharacter(c.key_code, c.shift)) {
        InputEvent text;
        text.kind = InputEvent::Kind::kText;
        text.text = std::string(1, static_cast<char>(ch));
        loop.Post(text);
      }
      loop.Post(Key(InputEvent::Kind::kKeyUp, c.key_code, c.shift));
      break;
    }
    case Kind::kWait:
      wait_left_ = c.ms;
      wait_until_ = platform.clock().NowMs() + c.ms;
      waiting_ = c.ms > 0;
      if (waiting_) StepWait(platform);
      break;
    case Kind::kDialogPress: {
      platform::Form* dialog = OpenDialog(platform, c);
      if (!dialog) return;
      std::string wanted = LowerAscii(c.text);
      for (const auto& element : dialog->elements()) {
        if (element->kind() != platform::ElementKind::kButton) continue;
        auto& button = static_cast<platform::ButtonElement&>(*element);
        if (!platform::Form::IsShown(button) || !button.enabled()) continue;
        if (LowerAscii(button.PlainCaption()) != wanted && LowerAscii(button.caption()) != wanted)
          continue;
        // Press it with the mouse, through the same path as a person's click.
        platform::Rect r = button.surface_rect_px();
        platform::Point origin = desktop.FormOrigin(*dialog);
        platform::Point centre{origin.x + r.x + r.w / 2, origin.y + r.y + r.h / 2};
        loop.Post(Mouse(InputEvent::Kind::kMouseMove, centre));
        loop.Post(Mouse(InputEvent::Kind::kMouseDown, centre, platform::kLeftButton));
        loop.Post(Mouse(InputEvent::Kind::kMouseUp, centre, platform::kLeftButton));
        return;
      }
      Fail(platform, c, "no button '" + c.text + "' in the open dialog");
      break;
    }
    case Kind::kDialogType: {
      platform::Form* dialog = OpenDialog(platform, c);
      if (!dialog) return;
      platform::Element* target = dialog->focused();
      if (!target || target->kind() != platform::ElementKind::kTextField) {
        target = nullptr;
        for (const auto& element : dialog->elements())
          if (element->kind() == platform::ElementKind::kTextField &&
              platform::Form::IsShown(*element) && element->enabled()) {
            target = element.get();
            break;
          }
      }
      if (!target) {
        Fail(platform, c, "the open dialog has no text field");
        return;
      }
      dialog->Focus(target);
      static_cast<platform::TextFieldElement*>(target)->SetText(c.text);
      break;
    }
    case Kind::kDialogSelect: {
      platform::Form* dialog = OpenDialog(platform, c);
      if (!dialog) return;
      for (const auto& element : dialog->elements()) {
        if (element->kind() != platform::ElementKind::kListBox ||
            !platform::Form::IsShown(*element) || !element->enabled())
          continue;
        auto& list = static_cast<platform::ListBoxElement&>(*element);
        int index = list.Find(c.text);
        if (index < 0) continue;
        dialog->Focus(&list);
        list.SetListIndex(index);
        return;
      }
      Fail(platform, c, "no list entry '" + c.text + "' in the open dialog");
      break;
    }
    case Kind::kScreenshot:
      try {
        platform.SaveScreenshot(c.text);
      } catch (const VbError&) {
        Fail(platform, c, "cannot write the screenshot '" + c.text + "'");
      }
      break;
    case Kind::kDump:
      try {
        platform.state().WriteFile(c.text);
      } catch (const VbError&) {
        Fail(platform, c, "cannot write the dump '" + c.text + "'");
      }
      break;
    case Kind::kQuit: {
      InputEvent close;
      close.kind = InputEvent::Kind::kClose;
      loop.Post(close);
      quit_pending_ = true;
      break;
    }
  }
}

}  // namespace sw::automation
