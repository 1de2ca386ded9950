// A headless game shipped on two discs: the game folder with its disc index, disc folders
// beside it, a mount table of the test's own, and a queue of answers for the disc prompt and
// the messages it shows. An answer missing when a dialog is open fails the test and cancels
// the dialog, so that no test can wait for ever.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "authoring/disc_writer.h"
#include "authoring/project_writer.h"
#include "discs/install.h"
#include "discs/multi_cd.h"
#include "interaction/recording_services.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/text_field.h"
#include "test_support/headless_game.h"

namespace sw::testing {

using DialogAction = std::function<void(platform::Platform&, platform::Form&)>;

// What the open dialog showed when an answer looked at it.
struct DialogSeen {
  std::string caption;
  std::vector<std::string> labels;   // label captions in creation order
  std::vector<std::string> entries;  // list entries
  std::string box;                   // the text box
  int selected = -1;
};

class DialogAnswers : public platform::InputSource {
 public:
  std::deque<DialogAction> actions;
  int unanswered = 0;

  bool Poll(platform::Platform& platform) override {
    platform::Form* top = platform.desktop().top_modal();
    if (top == nullptr) return false;
    if (actions.empty()) {
      ++unanswered;
      platform::InputEvent key;
      key.kind = platform::InputEvent::Kind::kKeyDown;
      key.key_code = platform::keys::kEscape;
      platform.events().Post(key);
      key.kind = platform::InputEvent::Kind::kKeyUp;
      platform.events().Post(key);
      return true;
    }
    DialogAction action = std::move(actions.front());
    actions.pop_front();
    action(platform, *top);
    return true;
  }
};

template <class T>
T* FindElement(platform::Form& form, platform::ElementKind kind) {
  for (const auto& element : form.elements())
    if (element->kind() == kind) return static_cast<T*>(element.get());
  return nullptr;
}

// Presses a button with the mouse, as a person (and the automation) does.
inline DialogAction Press(const std::string& caption) {
  return [caption](platform::Platform& platform, platform::Form& form) {
    for (const auto& element : form.elements()) {
      if (element->kind() != platform::ElementKind::kButton) continue;
      auto& button = static_cast<platform::ButtonElement&>(*element);
      if (button.PlainCaption() != caption) continue;
      const platform::Rect r = button.surface_rect_px();
      const platform::Point origin = platform.desktop().FormOrigin(form);
      platform::InputEvent e;
      e.position = {origin.x + r.x + r.w / 2, origin.y + r.y + r.h / 2};
      e.kind = platform::InputEvent::Kind::kMouseMove;
      platform.events().Post(e);
      e.button = platform::kLeftButton;
      e.kind = platform::InputEvent::Kind::kMouseDown;
      platform.events().Post(e);
      e.kind = platform::InputEvent::Kind::kMouseUp;
      platform.events().Post(e);
      return;
    }
    ADD_FAILURE() << "no button " << caption << " in " << form.caption();
  };
}

// Selects a list entry by its text.
inline DialogAction Select(const std::string& entry) {
  return [entry](platform::Platform&, platform::Form& form) {
    auto* list = FindElement<platform::ListBoxElement>(form, platform::ElementKind::kListBox);
    ASSERT_NE(list, nullptr) << "no list in " << form.caption();
    const int index = list->Find(entry);
    ASSERT_GE(index, 0) << "no entry " << entry;
    list->SetListIndex(index);
  };
}

// Types into the text box.
inline DialogAction Type(const std::string& text) {
  return [text](platform::Platform&, platform::Form& form) {
    auto* box = FindElement<platform::TextFieldElement>(form, platform::ElementKind::kTextField);
    ASSERT_NE(box, nullptr);
    box->SetText(text);
  };
}

// Notes what the dialog shows.
inline DialogAction Look(std::vector<DialogSeen>& seen) {
  return [&seen](platform::Platform&, platform::Form& form) {
    DialogSeen s;
    s.caption = form.caption();
    for (const auto& element : form.elements()) {
      if (element->kind() == platform::ElementKind::kLabel)
        s.labels.push_back(static_cast<platform::LabelElement&>(*element).caption());
      if (element->kind() == platform::ElementKind::kListBox) {
        auto& list = static_cast<platform::ListBoxElement&>(*element);
        s.entries = list.items();
        s.selected = list.list_index();
      }
      if (element->kind() == platform::ElementKind::kTextField)
        s.box = static_cast<platform::TextFieldElement&>(*element).text();
    }
    seen.push_back(std::move(s));
  };
}

class DiscFixture : public ::testing::Test {
 protected:
  static constexpr const char* kTitle = "Two Discs";

  DiscFixture() : writer(game.project()) {
    ResetProjectInfo(info);
    info.Title = kTitle;
    info.SettingsSection = "DiscTest";
    info.StartFrame = "Hall";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.StartAtOnce = true;
    info.RunInWindow = true;
    mounts = game.dir.path() / "mounts";
    std::ofstream(mounts) << "";
    discs = InstallDiscs(game.runtime, mounts);
    GameSubsystems& sub = game.runtime.subsystems();
    auto shellService = std::make_unique<RecordingShell>(log);
    shell = shellService.get();
    sub.shell = std::move(shellService);
    sub.timedEvents = std::make_unique<RecordingTimedEvents>(log);
    game.platform.events().SetInputSource(&answers);
  }
  ~DiscFixture() override { game.platform.events().SetInputSource(nullptr); }

  // Disc folders beside the game folder.
  DiscWriter Disc(const std::string& folder) {
    return DiscWriter(game.dir.path() / folder, kTitle);
  }
  std::string Root(const std::string& folder) { return (game.dir.path() / folder).string(); }

  void MountTable(const std::string& text) { std::ofstream(mounts) << text; }

  // The game folder's marker and index.
  void MultiDisc(const CDContents& contents) {
    WriteRunFromCD(writer);
    WriteCDContents(writer, contents);
  }

  void Start() {
    writer.WriteGeneral(info);
    writer.WriteVariables({});
    FrameFile hall;
    hall.FrameBackground = "4210752";
    writer.WriteFrame("Hall", hall);
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.runtime.game(), nullptr);
    log.calls.clear();
  }

  std::string Frames(const std::string& name) { return game.runtime.folders.FramesFolder + name; }
  std::string Areas(const std::string& name) { return game.runtime.folders.AreasFolder + name; }
  std::string Setting() { return game.runtime.GetSetting("DriveLetter", "<none>"); }
  const std::vector<platform::MessageRecord>& messages() { return game.messages(); }
  bool Called(const std::string& call) const {
    return std::find(log.calls.begin(), log.calls.end(), call) != log.calls.end();
  }

  HeadlessGame game;
  ProjectWriter writer;
  ProjectInfo info;
  std::filesystem::path mounts;
  std::shared_ptr<MultiCD> discs;
  CallLog log;
  RecordingShell* shell = nullptr;
  DialogAnswers answers;
};

}  // namespace sw::testing
