// Message boxes, input boxes and menus: keyboard and mouse use, results, the message record
// and the menus part of the state dump.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/dialog.h"
#include "platform/menu_dump.h"
#include "platform/menu_tracker.h"
#include "platform/message_box.h"
#include "platform/timer.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

using testing::PressKey;
using testing::ShownForm;

// Runs `show` from a timer (as game code would, inside the event loop) while `drive` is
// played into the open dialog on the next passes.
class ModalDriver : public InputSource {
 public:
  std::function<void(Platform&, Form&)> drive;
  int idle_polls = 0;
  bool Poll(Platform& p) override {
    Form* dialog = p.desktop().top_modal();
    if (!dialog || !drive) {
      // A dialog nobody answers would wait for ever: end the run so the test fails.
      if (dialog && ++idle_polls > 1000) p.events().RequestQuit(99);
      return false;
    }
    idle_polls = 0;
    auto step = std::move(drive);
    drive = nullptr;
    step(p, *dialog);
    return true;
  }
};

class DialogTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = ShownForm(platform_);
  ModalDriver driver_;

  void SetUp() override { platform_.events().SetInputSource(&driver_); }
  void TearDown() override { platform_.events().SetInputSource(nullptr); }

  void Keys(std::initializer_list<int> list) {
    driver_.drive = [codes = std::vector<int>(list)](Platform& p, Form&) {
      for (int code : codes) {
        p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, code));
        p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyUp, code));
      }
    };
  }
};

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndArrowsMoveBetweenButtons) {
  Keys({keys::kReturn});
  MessageStyle yes_no{MessageButtons::kYesNo, MessageIcon::kQuestion, 1};
  EXPECT_EQ(ShowMessageBox(platform_, "Quit?", "Game", yes_no), MessageResult::kNo);
  Keys({keys::kLeft, keys::kReturn});
  EXPECT_EQ(ShowMessageBox(platform_, "Quit?", "Game", yes_no), MessageResult::kYes);
  Keys({keys::kRight, keys::kRight, keys::kSpace});
  EXPECT_EQ(ShowMessageBox(platform_, "Save?", "Game", {MessageButtons::kYesNoCancel}),
            MessageResult::kCancel);
}

TEST_F(DialogTest, EscapeCancelsWhereThereIsACancelAnswer) {
  Keys({keys::kEscape});
  EXPECT_EQ(ShowMessageBox(platform_, "Go on?", "T", {MessageButtons::kOkCancel}),
            MessageResult::kCancel);
  Keys({keys::kEscape});
  EXPECT_EQ(ShowMessageBox(platform_, "Done", "T", {MessageButtons::kOk}), MessageResult::kOk);
  // A Yes/No box has no cancel button: Escape does nothing, the next key answers.
  driver_.drive = [this](Platform& p, Form&) {
    p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, keys::kEscape));
    Keys({keys::kReturn});
  };
  EXPECT_EQ(ShowMessageBox(platform_, "Sure?", "T", {MessageButtons::kYesNo}), MessageResult::kYes);
}

TEST_F(DialogTest, MessagesAreRecordedWithTitleTextAndIcon) {
  Keys({keys::kReturn});
  ShowMessageBox(platform_, "Line one\r\nLine two", "Error", MessageStyleFromVb(16));
  Keys({keys::kEscape});
  ShowInputBox(platform_, "Your name?", "Ask", "Bob");
  nlohmann::json dump = platform_.state().Collect();
  ASSERT_EQ(dump["messages"].size(), 2u);
  EXPECT_EQ(
      dump["messages"][0],
      (nlohmann::json{{"title", "Error"}, {"text", "Line one\r\nLine two"}, {"icon", "critical"}}));
  EXPECT_EQ(dump["messages"][1]["kind"], "input");
  EXPECT_EQ(dump["window"], "none");
}

TEST_F(DialogTest, VbStyleNumbersChooseButtonsIconAndDefault) {
  MessageStyle s = MessageStyleFromVb(4 + 32 + 256);
  EXPECT_EQ(s.buttons, MessageButtons::kYesNo);
  EXPECT_EQ(s.icon, MessageIcon::kQuestion);
  EXPECT_EQ(s.default_button, 1);
  EXPECT_EQ(MessageStyleFromVb(48).icon, MessageIcon::kWarning);
  EXPECT_EQ(MessageStyleFromVb(64 + 1).buttons, MessageButtons::kOkCancel);
}

TEST_F(DialogTest, InputBoxReplacesTheProposedTextWhenTypingAndReturnsNothingOnCancel) {
  driver_.drive = [](Platform& p, Form&) {
    InputEvent text;
    text.kind = InputEvent::Kind::kText;
    text.text = "Ann";
    p.events().Post(text);
    p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, keys::kReturn));
  };
  EXPECT_EQ(ShowInputBox(platform_, "Name?", "Ask", "Bob"), std::optional<std::string>("Ann"));
  Keys({keys::kReturn});
  EXPECT_EQ(ShowInputBox(platform_, "Name?", "Ask", "Bob"), std::optional<std::string>("Bob"));
  driver_.drive = [](Platform& p, Form& dialog) {
    // Tab from the field to OK, then Cancel, and press it.
    for (int code : {keys::kTab, keys::kTab, keys::kSpace})
      p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, code));
    (void)dialog;
  };
  EXPECT_EQ(ShowInputBox(platform_, "Name?", "Ask", "Bob"), std::nullopt);
}

TEST_F(DialogTest, BoxesOpenedWhileQuittingReturnTheCancellingAnswer) {
  platform_.events().RequestQuit(0);
  EXPECT_EQ(ShowMessageBox(platform_, "x", "t", {MessageButtons::kYesNo}), MessageResult::kNo);
  EXPECT_EQ(ShowInputBox(platform_, "x", "t", "y"), std::nullopt);
  EXPECT_EQ(platform_.messages().records().size(), 2u);
}

TEST_F(DialogTest, GenericDialogComposesListsFieldsAndButtons) {
  Dialog dialog(platform_, "Load", 300, 200);
  auto& list = dialog.AddListBox({10, 10, 200, 120});
  for (const char* name : {"alpha", "beta", "gamma"}) list.AddItem(name);
  auto& field = dialog.AddTextField("", {10, 140, 200, 21});
  list.on.click = [&](Element&) { field.SetText(list.text()); };
  dialog.AddButton("&Load", 1, {220, 10, 75, 23}, true);
  dialog.AddButton("Cancel", 2, {220, 40, 75, 23}, false, true);
  dialog.form().Focus(&list);
  Keys({keys::kDown, keys::kDown, keys::kUp, keys::kReturn});
  EXPECT_EQ(dialog.ShowModal(), 1);
  EXPECT_EQ(list.list_index(), 0);
  EXPECT_EQ(field.text(), "alpha");
  EXPECT_EQ(dialog.form().client_rect_px().w, 300);
}

// ---- menus ----

class MenuTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = ShownForm(platform_);
  std::vector<std::string> log_;
  MenuItem& exit_ = form_->menu().Add("mnuExit", "E&xit");
  MenuItem& options_ = form_->menu().Add("mnuOptions", "&Options");
  MenuItem& transitions_ = options_.Add("mnuDisableTransitions", "Disable transitions");
  MenuItem& hidden_ = options_.Add("mnuHidden", "Hidden");
  MenuItem& go_ = options_.Add("mnuGoToFrame", "Go to frame");
  MenuItem& frame0_ = go_.AddArray("mnuFrameName", "template");

  void SetUp() override {
    hidden_.SetVisible(false);
    frame0_.SetVisible(false);
    auto log = [this](MenuItem& m) { log_.push_back(m.DisplayName()); };
    exit_.on_click = log;
    options_.on_click = log;
    transitions_.on_click = [this](MenuItem& m) {
      m.SetChecked(!m.checked());
      log_.push_back(m.name());
    };
    frame0_.on_click = log;
    for (int i = 1; i <= 2; ++i) {
      MenuItem& f = form_->menu().Load("mnuFrameName", i);
      f.SetCaption("Frame " + std::to_string(i));
      f.SetVisible(true);
    }
  }
  Point CentreOfTitle(const std::string& name) {
    for (auto& row : form_->menu_tracker().TitleRows())
      if (row.item->name() == name) return {row.rect.x + 5, row.rect.y + 5};
    return {-1, -1};
  }
  Point CentreOfRow(std::size_t level, const std::string& display_name) {
    for (auto& row : form_->menu_tracker().LevelRows(level))
      if (row.item->DisplayName() == display_name) return {row.rect.x + 5, row.rect.y + 5};
    return {-1, -1};
  }
};

TEST_F(MenuTest, TheBarShowsWhileATitleIsVisibleAndPushesTheClientAreaDown) {
  EXPECT_EQ(form_->client_rect_px().y, MenuTracker::kBarHeight);
  EXPECT_EQ(form_->scale_height(), PixelsToTwips(480 - MenuTracker::kBarHeight));
  exit_.SetVisible(false);
  options_.SetVisible(false);
  EXPECT_EQ(form_->client_rect_px().y, 0);
  EXPECT_EQ(form_->scale_height(), PixelsToTwips(480));
}

TEST_F(MenuTest, ClickingTitlesAndItemsRunsTheirHandlersAndTicksCheckMarks) {
  Point title = CentreOfTitle("mnuOptions");
  testing::Click(platform_, title.x, title.y);
  ASSERT_TRUE(form_->menu_tracker().is_open());
  EXPECT_EQ(log_, (std::vector<std::string>{"mnuOptions"}));
  auto rows = form_->menu_tracker().LevelRows(0);
  ASSERT_EQ(rows.size(), 2u) << "the hidden item takes no row";
  Point item = CentreOfRow(0, "mnuDisableTransitions");
  testing::Click(platform_, item.x, item.y);
  EXPECT_FALSE(form_->menu_tracker().is_open());
  EXPECT_TRUE(transitions_.checked());
  EXPECT_EQ(log_.back(), "mnuDisableTransitions");

  // Into the sub-menu of loaded array members.
  testing::Click(platform_, title.x, title.y);
  Point go = CentreOfRow(0, "mnuGoToFrame");
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseMove, go.x, go.y, 0));
  platform_.DoEvents();
  ASSERT_EQ(form_->menu_tracker().open_path().size(), 2u);
  Point frame2 = CentreOfRow(1, "mnuFrameName(2)");
  testing::Click(platform_, frame2.x, frame2.y);
  EXPECT_EQ(log_.back(), "mnuFrameName(2)");
}

TEST_F(MenuTest, KeyboardWalksAnOpenMenuAndAPressOutsideClosesIt) {
  form_->menu_tracker().OpenTitle(options_);
  PressKey(platform_, keys::kDown);
  PressKey(platform_, keys::kDown);
  PressKey(platform_, keys::kRight);  // opens "Go to frame", highlighting its first entry
  PressKey(platform_, keys::kDown);
  PressKey(platform_, keys::kReturn);
  EXPECT_EQ(log_.back(), "mnuFrameName(2)");
  form_->menu_tracker().OpenTitle(options_);
  int presses = 0;
  form_->client().on.mouse_down = [&](Element&, const MouseArgs&) { ++presses; };
  testing::Click(platform_, 400, 400);
  EXPECT_FALSE(form_->menu_tracker().is_open());
  EXPECT_EQ(presses, 0) << "the press that closes a menu goes no further";
  form_->menu_tracker().OpenTitle(exit_);  // a title without items runs at once
  EXPECT_FALSE(form_->menu_tracker().is_open());
  EXPECT_EQ(log_.back(), "mnuExit");
}

TEST_F(MenuTest, MenusPartOfTheDumpFollowsTheNamedItems) {
  form_->menu().Add("mnuDebug", "Debug").SetVisible(false);
  auto registration = RegisterMenuDump(platform_.state(), form_, "mnuExit", "mnuDebug");
  transitions_.SetChecked(true);
  nlohmann::json menus = platform_.state().Collect()["menus"];
  EXPECT_EQ(menus["visible"], true);
  EXPECT_EQ(menus["debug"], false);
  EXPECT_EQ(menus["items"]["mnuDisableTransitions"],
            (nlohmann::json{{"visible", true}, {"checked", true}}));
  EXPECT_EQ(menus["items"]["mnuHidden"]["visible"], false);
  EXPECT_TRUE(menus["items"].contains("mnuFrameName(2)"));
  form_->menu().Unload("mnuFrameName", 2);
  EXPECT_FALSE(platform_.state().Collect()["menus"]["items"].contains("mnuFrameName(2)"));
  registration.Reset();
  EXPECT_EQ(platform_.state().Collect()["menus"]["items"].size(), 0u) << "back to the default part";
}

TEST(StateDumpTest, ContributorsRunInOrderAndLeaveWithTheirRegistration) {
  StateDump dump;
  auto first = dump.Add([](nlohmann::json& j) { j["a"] = 1; });
  {
    auto second = dump.Add([](nlohmann::json& j) {
      j["a"] = 2;
      j["b"] = true;
    });
    EXPECT_EQ(dump.Collect(), (nlohmann::json{{"a", 2}, {"b", true}}));
  }
  EXPECT_EQ(dump.Collect(), (nlohmann::json{{"a", 1}}));
  auto moved = std::move(first);
  EXPECT_EQ(dump.Collect(), (nlohmann::json{{"a", 1}}));
  auto file = testing::TempDir("dump") / "d.json";
  dump.WriteFile(file);
  std::ifstream in(file);
  EXPECT_EQ(nlohmann::json::parse(in), (nlohmann::json{{"a", 1}}));
}

}  // namespace
}  // namespace sw::platform

namespace sw::platform {
namespace {

// A press that opens a dialog loses its release to the dialog; the form must not keep the
// pressed element holding the mouse, or every later press would go back to it.
TEST_F(DialogTest, APressThatOpensADialogDoesNotKeepTheMouse) {
  auto& first = form_->Add<PictureBoxElement>("First");
  first.Move(0, 0, PixelsToTwips(100), PixelsToTwips(100));
  auto& second = form_->Add<PictureBoxElement>("Second");
  second.Move(PixelsToTwips(200), 0, PixelsToTwips(100), PixelsToTwips(100));
  int firstPresses = 0;
  int secondPresses = 0;
  first.on.mouse_down = [&](Element&, const MouseArgs&) {
    ++firstPresses;
    Keys({keys::kReturn});
    ShowMessageBox(platform_, "Picked up", "Game");
  };
  second.on.mouse_down = [&](Element&, const MouseArgs&) { ++secondPresses; };
  testing::Click(platform_, 50, 50);
  for (int i = 0; i < 20; ++i) platform_.DoEvents();
  testing::Click(platform_, 250, 50);
  for (int i = 0; i < 20; ++i) platform_.DoEvents();
  EXPECT_EQ(firstPresses, 1);
  EXPECT_EQ(secondPresses, 1);
}

}  // namespace
}  // namespace sw::platform

namespace sw::platform {
namespace {

// The middle of a dialog's button with this caption, in window-surface pixels.
Point ButtonCentre(Platform& p, Form& dialog, const std::string& caption) {
  Point origin = p.desktop().FormOrigin(dialog);
  for (const auto& e : dialog.elements()) {
    if (e->kind() != ElementKind::kButton) continue;
    if (static_cast<ButtonElement&>(*e).PlainCaption() != caption) continue;
    Rect r = e->surface_rect_px();
    return {origin.x + r.x + r.w / 2, origin.y + r.y + r.h / 2};
  }
  return {-1, -1};
}

// A box opened by a press must not take the release of that press as a click on the button
// that happens to lie under the pointer: a button is clicked only by a press and a release
// both on it.
TEST_F(DialogTest, TheReleaseOfThePressThatOpenedABoxDoesNotClickItsButton) {
  Point ok{-1, -1};
  driver_.drive = [&](Platform& p, Form& dialog) {
    ok = ButtonCentre(p, dialog, "OK");
    dialog.EndModal(1);
  };
  ShowMessageBox(platform_, "Picked up", "Game");
  ASSERT_GE(ok.x, 0);

  bool open_after_release = false;
  MessageResult answer = MessageResult::kCancel;
  form_->client().on.mouse_down = [&](Element&, const MouseArgs&) {
    driver_.drive = [&](Platform& p, Form& dialog) {
      open_after_release = dialog.visible();
      // A real click on OK closes it.
      p.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseDown, ok.x, ok.y));
      p.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseUp, ok.x, ok.y));
    };
    answer = ShowMessageBox(platform_, "Picked up", "Game");
  };
  testing::Click(platform_, ok.x, ok.y);
  EXPECT_TRUE(open_after_release);
  EXPECT_EQ(answer, MessageResult::kOk);
  EXPECT_EQ(platform_.desktop().top_modal(), nullptr);
}

// A press that begins beside a button and a release on it is no click either, and neither
// is a release that reaches the window after the dialog closed with the keyboard.
TEST_F(DialogTest, AButtonIsClickedOnlyWhenPressAndReleaseAreBothOnIt) {
  Point yes{-1, -1};
  bool still_open = false;
  driver_.drive = [&](Platform& p, Form& dialog) {
    yes = ButtonCentre(p, dialog, "Yes");
    p.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseDown, 2, 2));
    p.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseUp, yes.x, yes.y));
    driver_.drive = [&](Platform& p2, Form& d) {
      still_open = d.visible();
      p2.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, keys::kEscape));
    };
  };
  EXPECT_EQ(ShowMessageBox(platform_, "Sure?", "T", {MessageButtons::kYesNoCancel}),
            MessageResult::kCancel);
  EXPECT_TRUE(still_open);

  int clicks = 0;
  form_->client().on.click = [&](Element&) { ++clicks; };
  form_->client().on.mouse_down = [&](Element&, const MouseArgs&) {
    driver_.drive = [](Platform& p, Form&) {
      p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, keys::kReturn));
    };
    ShowMessageBox(platform_, "Picked up", "Game");
  };
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseDown, 10, 10));
  for (int i = 0; i < 5; ++i) platform_.DoEvents();
  form_->client().on.mouse_down = nullptr;
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseUp, 10, 10));
  platform_.DoEvents();
  EXPECT_EQ(clicks, 0) << "the release came after the dialog that took its press closed";
  testing::Click(platform_, 10, 10);
  EXPECT_EQ(clicks, 1);
}

TEST_F(MenuTest, AReleaseOnAnItemChoosesItOnlyWhenThePressWasInTheMenus) {
  Point title = CentreOfTitle("mnuOptions");
  // A press elsewhere whose handler opens the menu: its release over an item chooses nothing.
  form_->client().on.mouse_down = [&](Element&, const MouseArgs&) {
    form_->menu_tracker().OpenTitle(options_);
  };
  testing::Click(platform_, 300, 300);  // opens, so the rows exist
  Point item = CentreOfRow(0, "mnuDisableTransitions");
  form_->menu_tracker().Close();
  log_.clear();
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseDown, item.x, item.y));
  platform_.DoEvents();
  ASSERT_TRUE(form_->menu_tracker().is_open());
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseUp, item.x, item.y));
  platform_.DoEvents();
  EXPECT_FALSE(transitions_.checked());
  EXPECT_TRUE(form_->menu_tracker().is_open());
  // Pressing the title and dragging down to the item chooses it, as in every menu.
  form_->client().on.mouse_down = nullptr;
  form_->menu_tracker().Close();
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseDown, title.x, title.y));
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseMove, item.x, item.y, 0));
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseUp, item.x, item.y));
  platform_.DoEvents();
  EXPECT_TRUE(transitions_.checked());
}

}  // namespace
}  // namespace sw::platform

namespace sw::platform {
namespace {

// As in the system's message boxes, the underlined letter of a button presses it.
TEST_F(DialogTest, LettersPressTheButtonsTheyMark) {
  Keys({'N'});
  EXPECT_EQ(ShowMessageBox(platform_, "Quit?", "Game", {MessageButtons::kYesNo}),
            MessageResult::kNo);
  Keys({'Y'});
  MessageStyle no_first{MessageButtons::kYesNo, MessageIcon::kQuestion, 1};
  EXPECT_EQ(ShowMessageBox(platform_, "Quit?", "Game", no_first), MessageResult::kYes);
  Keys({'X', 'R'});  // a letter no button marks does nothing
  EXPECT_EQ(ShowMessageBox(platform_, "Disk?", "Game", {MessageButtons::kAbortRetryIgnore}),
            MessageResult::kRetry);
  Keys({'I'});
  EXPECT_EQ(ShowMessageBox(platform_, "Disk?", "Game", {MessageButtons::kAbortRetryIgnore}),
            MessageResult::kIgnore);
  // In a text field letters are typed; Alt+letter still reaches the buttons.
  driver_.drive = [](Platform& p, Form&) {
    p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, 'N'));
    InputEvent typed;
    typed.kind = InputEvent::Kind::kText;
    typed.text = "n";
    p.events().Post(typed);
    p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, keys::kReturn));
  };
  Dialog dialog(platform_, "Name", 200, 80);
  auto& field = dialog.AddTextField("", {10, 10, 120, 21});
  dialog.AddButton("&No", 7, {10, 40, 75, 23});
  dialog.AddButton("OK", 1, {100, 40, 75, 23}, true);
  dialog.form().Focus(&field);
  EXPECT_EQ(dialog.ShowModal(), 1);
  EXPECT_EQ(field.text(), "n");
  driver_.drive = [](Platform& p, Form&) {
    p.events().Post(testing::KeyEvent(InputEvent::Kind::kKeyDown, 'N', kAltMask));
  };
  dialog.form().Focus(&field);
  EXPECT_EQ(dialog.ShowModal(), 7);
}

// Buttons and focusable labels are lit under the pointer; nothing else asks for a repaint.
TEST_F(DialogTest, TheElementUnderThePointerIsKnownToTheForm) {
  auto& button = form_->Add<ButtonElement>("cmdGo");
  testing::Place(button, 10, 10, 80, 24);
  auto& link = form_->Add<LabelElement>("lblLink");
  testing::Place(link, 10, 50, 80, 20);
  link.SetCaption("www.example.com");
  link.SetTabStop(true);
  auto move = [this](int x, int y) {
    platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseMove, x, y, 0));
    platform_.DoEvents();
  };
  move(300, 300);
  EXPECT_EQ(form_->hovered(), &form_->client());
  platform_.desktop().Compose();
  move(310, 310);
  EXPECT_FALSE(platform_.desktop().NeedsRepaint()) << "the background is not lit";
  move(20, 20);
  EXPECT_EQ(form_->hovered(), &button);
  EXPECT_TRUE(platform_.desktop().NeedsRepaint());
  move(20, 55);
  EXPECT_EQ(form_->hovered(), &link);
  // A focusable label: Tab reaches it, Return and Space click it.
  int clicks = 0;
  link.on.click = [&](Element&) { ++clicks; };
  form_->Focus(&link);
  PressKey(platform_, keys::kReturn);
  PressKey(platform_, keys::kSpace);
  EXPECT_EQ(clicks, 2);
  link.SetCaption("");
  EXPECT_FALSE(link.can_focus()) << "an empty link is not a stop";
}

}  // namespace
}  // namespace sw::platform

namespace sw::platform {
namespace {

// Every line of a label's text lies inside the label.
void ExpectWhollyShown(Platform& p, LabelElement& label) {
  Rect r = label.rect_px();
  std::vector<std::string> lines = label.Lines();
  Font font = label.font();
  for (const std::string& line : lines) EXPECT_LE(p.text().LineWidth(font, line), r.w) << line;
  EXPECT_LE(p.text().LineHeight(font) * static_cast<int>(lines.size()), r.h);
}

LabelElement* TheLabel(Form& dialog) {
  for (const auto& e : dialog.elements())
    if (e->kind() == ElementKind::kLabel) return static_cast<LabelElement*>(e.get());
  return nullptr;
}

// A prompt of several lines with a long example line is shown whole: the input box grows
// to its text.
TEST_F(DialogTest, AnInputBoxGrowsToShowItsWholePrompt) {
  const std::string prompt =
      "Type a line of VBScript to run in the game.\r\n\r\nFor example:\r\n"
      "Action.Message \"The lantern is lit\", False : Action.GoToFrame \"Cellar\"\r\n"
      "\r\nThe variables and procedures of the game are available.";
  bool checked = false;
  driver_.drive = [&](Platform& p, Form& dialog) {
    LabelElement* label = TheLabel(dialog);
    ASSERT_NE(label, nullptr);
    ExpectWhollyShown(p, *label);
    for (const auto& e : dialog.elements()) {
      Rect r = e->rect_px();
      Rect client = dialog.client_rect_px();
      EXPECT_LE(r.right(), client.w) << e->name();
      EXPECT_LE(r.bottom(), client.h) << e->name();
      if (e->kind() == ElementKind::kTextField) {
        EXPECT_GE(r.y, label->rect_px().bottom());
      }
    }
    checked = true;
    dialog.EndModal(2);
  };
  ShowInputBox(platform_, prompt, "Execute VBS code", "");
  EXPECT_TRUE(checked);
}

TEST_F(DialogTest, AMessageBoxIsAsWideAsItsTextNeedsEvenBeyondItsOwner) {
  auto small = ShownForm(platform_, 320, 240);
  const std::string question =
      "Do you want to open the default mail client to send an e-mail to: ann@example.org ?";
  driver_.drive = [&](Platform& p, Form& dialog) {
    LabelElement* label = TheLabel(dialog);
    ASSERT_NE(label, nullptr);
    ExpectWhollyShown(p, *label);
    EXPECT_EQ(label->Lines().size(), 1u) << "one line fits in two thirds of the screen";
    EXPECT_GT(dialog.bounds_px().w, 320);
    dialog.EndModal(1);
  };
  ShowMessageBox(platform_, question, "Lantern Hill", {MessageButtons::kYesNo});
  // A very long text wraps at about two thirds of the screen's width.
  driver_.drive = [&](Platform& p, Form& dialog) {
    LabelElement* label = TheLabel(dialog);
    ASSERT_NE(label, nullptr);
    ExpectWhollyShown(p, *label);
    EXPECT_GT(label->Lines().size(), 1u);
    EXPECT_LE(dialog.bounds_px().w, 1024 * 2 / 3 + 40);
    dialog.EndModal(1);
  };
  std::string long_text;
  for (int i = 0; i < 60; ++i) long_text += "lantern ";
  ShowMessageBox(platform_, long_text, "T");
}

}  // namespace
}  // namespace sw::platform
