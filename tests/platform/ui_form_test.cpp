// Forms and elements: control arrays, hit-testing by z-order and visibility, mouse and key
// routing, focus, pointers, and manual drag and drop.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/button.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/text_field.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

using testing::Click;
using testing::MouseEvent;
using testing::Place;
using testing::ShownForm;

class FormTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = ShownForm(platform_);
  std::vector<std::string> log_;

  void Log(Element& e, const std::string& what) { log_.push_back(e.DisplayName() + " " + what); }
  std::string HitName(int x, int y) {
    Element* e = form_->HitTest({x, y});
    return e ? e->DisplayName() : "none";
  }
};

TEST_F(FormTest, ControlArraysLoadCopiesOfTheTemplateAndUnloadByIndex) {
  auto& tmpl = form_->AddArray<LabelElement>("Text");
  tmpl.SetCaption("template");
  tmpl.SetTag("t");
  tmpl.on.click = [this](Element& e) { Log(e, "click"); };
  auto& third = form_->Load<LabelElement>("Text", 3);
  EXPECT_EQ(third.index(), 3);
  EXPECT_EQ(third.caption(), "template");
  EXPECT_EQ(third.tag(), "t");
  EXPECT_FALSE(third.visible()) << "loaded members start hidden";
  EXPECT_EQ(form_->UBound("TEXT"), 3) << "names are matched without regard to case";
  EXPECT_EQ(form_->Indices("text"), (std::vector<int>{0, 3}));

  third.SetVisible(true);
  Place(third, 10, 10, 50, 20);
  Click(platform_, 20, 15);
  EXPECT_EQ(log_, (std::vector<std::string>{"Text(3) click"})) << "handlers are copied too";

  auto code = [](auto f) {
    try {
      f();
    } catch (const VbError& e) {
      return e.number();
    }
    return 0;
  };
  EXPECT_EQ(code([&] { form_->Load("Text", 3); }), 360);
  EXPECT_EQ(code([&] { form_->Unload("Text", 0); }), 362);
  EXPECT_EQ(code([&] { form_->Get<LabelElement>("Text", 7); }), 340);
  EXPECT_EQ(code([&] { form_->Get<LabelElement>("Nothing"); }), 424);
  form_->Unload("Text", 3);
  EXPECT_EQ(form_->UBound("Text"), 0);
  EXPECT_EQ(form_->Find("Text", 3), nullptr);
  EXPECT_EQ(HitName(20, 15), "Game") << "the client area answers where no element is";
}

TEST_F(FormTest, HitTestFollowsZOrderAndSkipsHiddenAndDisabled) {
  auto& back = form_->Add<ImageElement>("Back");
  auto& front = form_->Add<ImageElement>("Front");
  Place(back, 0, 0, 100, 100);
  Place(front, 50, 50, 100, 100);
  EXPECT_EQ(HitName(60, 60), "Front");
  EXPECT_EQ(HitName(10, 10), "Back");
  back.ZOrder(0);
  EXPECT_EQ(HitName(60, 60), "Back");
  back.ZOrder(1);
  EXPECT_EQ(HitName(60, 60), "Front");
  front.SetVisible(false);
  EXPECT_EQ(HitName(60, 60), "Back");
  front.SetVisible(true);
  front.SetEnabled(false);
  EXPECT_EQ(HitName(60, 60), "Back");
  EXPECT_EQ(HitName(140, 140), "Game");
  EXPECT_EQ(HitName(700, 10), "none") << "outside the client area";
}

TEST_F(FormTest, WindowedElementsLieAboveWindowlessOnesAndContainersClip) {
  auto& box = form_->Add<PictureBoxElement>("Box");
  Place(box, 100, 100, 200, 200);
  auto& image = form_->Add<ImageElement>("Img");  // added later, yet below the picture box
  Place(image, 0, 0, 400, 400);
  image.ZOrder(0);
  EXPECT_EQ(HitName(150, 150), "Box");
  EXPECT_EQ(HitName(50, 50), "Img");
  auto& inner = form_->Add<ImageElement>("Inner", &box);
  Place(inner, 150, 150, 100, 100);  // reaches beyond the box's right and bottom edges
  EXPECT_EQ(HitName(260, 260), "Inner");
  EXPECT_EQ(HitName(320, 320), "Img") << "children are clipped to their container";
  box.SetVisible(false);
  EXPECT_EQ(HitName(260, 260), "Img") << "a hidden container hides its children";
  EXPECT_EQ(inner.surface_rect_px(), (Rect{250, 250, 100, 100}));
}

// `Text(1).Left = 2147483647` and the like: positions and sizes are clamped, so pixel
// rectangles, container offsets and hit tests stay in range and in order.
TEST_F(FormTest, HugePositionsAndSizesAreClampedSoPixelArithmeticStaysInRange) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  auto& box = form_->Add<PictureBoxElement>("Box");
  auto& inner = form_->Add<ImageElement>("Inner", &box);
  box.Move(kMax, kMax, kMax, kMax);
  EXPECT_EQ(box.left(), kMaxElementTwips);
  EXPECT_EQ(box.width(), kMaxElementTwips);
  const Rect r = box.rect_px();
  EXPECT_GT(r.x, 1000000);
  EXPECT_GT(r.w, 1000000);
  inner.Move(kMax, kMin, kMax, kMin);
  EXPECT_EQ(inner.top(), -kMaxElementTwips);
  EXPECT_EQ(inner.height(), 0);
  const Rect s = inner.surface_rect_px();
  EXPECT_GT(s.x, r.x) << "the container's offset and the element's own add up without wrapping";
  EXPECT_LT(s.y, r.y);
  EXPECT_EQ(HitName(20, 20), "Game");
  box.Move(kMin, kMin, 3000, 3000);
  EXPECT_LT(box.rect_px().x, -1000000);
  EXPECT_EQ(HitName(20, 20), "Game");
}

TEST_F(FormTest, MouseEventsCarryButtonShiftAndElementRelativeTwips) {
  auto& img = form_->Add<ImageElement>("Area");
  Place(img, 100, 50, 40, 40);
  img.on.mouse_down = [this](Element& e, const MouseArgs& a) {
    Log(e, "down b" + std::to_string(a.button) + " s" + std::to_string(a.shift) + " " +
               std::to_string(a.x) + "," + std::to_string(a.y));
  };
  img.on.mouse_up = [this](Element& e, const MouseArgs&) { Log(e, "up"); };
  img.on.click = [this](Element& e) { Log(e, "click"); };
  platform_.events().Post(
      MouseEvent(InputEvent::Kind::kMouseDown, 103, 52, kLeftButton, kShiftMask));
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseUp, 103, 52, kLeftButton));
  platform_.DoEvents();
  EXPECT_EQ(log_, (std::vector<std::string>{"Area down b1 s1 45,30", "Area up", "Area click"}));

  log_.clear();
  Click(platform_, 110, 60, kRightButton);
  EXPECT_EQ(log_, (std::vector<std::string>{"Area down b2 s0 150,150", "Area up"}))
      << "the right button gives no click";

  log_.clear();
  // Pressed on the element, released elsewhere: the element keeps the mouse, but no click.
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseDown, 110, 60));
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseUp, 300, 300));
  platform_.DoEvents();
  EXPECT_EQ(log_, (std::vector<std::string>{"Area down b1 s0 150,150", "Area up"}));
}

TEST_F(FormTest, DoubleClickNeedsTheSameElementWithinHalfASecond) {
  auto& img = form_->Add<ImageElement>("Area");
  Place(img, 0, 0, 50, 50);
  int downs = 0, doubles = 0;
  img.on.mouse_down = [&](Element&, const MouseArgs&) { ++downs; };
  img.on.dbl_click = [&](Element&) { ++doubles; };
  Click(platform_, 10, 10);
  Click(platform_, 11, 11);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(downs, 2) << "every press still reaches mouse_down";
  platform_.virtual_clock()->Advance(600);
  Click(platform_, 10, 10);
  EXPECT_EQ(doubles, 1) << "too late for a double click";
}

TEST_F(FormTest, KeysGoToTheFormWithPreviewThenToTheFocusedElement) {
  auto& field = form_->Add<TextFieldElement>("Field");
  Place(field, 0, 0, 100, 20);
  field.on.key_down = [this](Element& e, KeyArgs& k) {
    Log(e, "key " + std::to_string(k.key_code));
  };
  form_->on.key_down = [this](Form&, KeyArgs& k) {
    log_.push_back("form key " + std::to_string(k.key_code) + " shift " + std::to_string(k.shift));
    if (k.key_code == 'X') k.key_code = 0;  // swallowed
  };
  testing::PressKey(platform_, 'A', kCtrlMask);
  EXPECT_EQ(log_, (std::vector<std::string>{"form key 65 shift 2"})) << "no focus: the form";
  log_.clear();
  field.SetFocus();
  testing::PressKey(platform_, 'A');
  EXPECT_EQ(log_, (std::vector<std::string>{"Field key 65"}));
  log_.clear();
  form_->SetKeyPreview(true);
  testing::PressKey(platform_, 'A');
  testing::PressKey(platform_, 'X');
  EXPECT_EQ(log_, (std::vector<std::string>{"form key 65 shift 0", "Field key 65",
                                            "form key 88 shift 0"}));
}

TEST_F(FormTest, TypingEditsTheFocusedFieldAndTabMovesFocus) {
  auto& a = form_->Add<TextFieldElement>("A");
  auto& b = form_->Add<TextFieldElement>("B");
  auto& c = form_->Add<TextFieldElement>("C");
  Place(a, 0, 0, 100, 20);
  Place(b, 0, 30, 100, 20);
  Place(c, 0, 60, 100, 20);
  c.SetEnabled(false);
  Click(platform_, 5, 35);
  EXPECT_EQ(form_->focused(), &b) << "a press focuses";
  InputEvent text;
  text.kind = InputEvent::Kind::kText;
  text.text = "hé!";
  platform_.events().Post(text);
  platform_.DoEvents();
  testing::PressKey(platform_, keys::kBack);
  testing::PressKey(platform_, keys::kLeft);
  platform_.events().Post(text);
  platform_.DoEvents();
  EXPECT_EQ(b.text(), "hhé!é");
  testing::PressKey(platform_, keys::kTab);
  EXPECT_EQ(form_->focused(), &a) << "the disabled field is skipped and the order wraps";
  testing::PressKey(platform_, keys::kTab, kShiftMask);
  EXPECT_EQ(form_->focused(), &b);
}

TEST_F(FormTest, PointerComesFromTheElementUnlessTheScreenOverridesIt) {
  auto dir = testing::TempDir("pointer");
  testing::WriteCur(dir / "hand.cur", 32, 0xFF00FF00u, 5, 9);
  Picture cursor = platform_.pictures().Load(dir / "hand.cur");
  EXPECT_EQ(cursor.hot_spot(), (Point{5, 9}));
  auto& area = form_->Add<ImageElement>("Area");
  Place(area, 0, 0, 50, 50);
  area.SetMousePointer(MousePointer::kCustom);
  area.SetMouseIcon(cursor);
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, 10, 10, 0));
  platform_.DoEvents();
  EXPECT_EQ(platform_.desktop().CurrentPointer().kind, MousePointer::kCustom);
  EXPECT_EQ(platform_.desktop().CurrentPointer().icon, cursor);
  platform_.desktop().SetScreenPointer(MousePointer::kHourglass);
  EXPECT_EQ(platform_.desktop().CurrentPointer().kind, MousePointer::kHourglass);
  platform_.desktop().SetScreenPointer(MousePointer::kDefault);
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, 100, 100, 0));
  platform_.DoEvents();
  EXPECT_EQ(platform_.desktop().CurrentPointer().kind, MousePointer::kDefault);
}

// ---- drag and drop ----

class DragTest : public FormTest {
 protected:
  ImageElement& item_ = form_->AddArray<ImageElement>("Item");
  ImageElement& target_ = form_->Add<ImageElement>("Target");

  void SetUp() override {
    Place(item_, 10, 10, 20, 20);
    Place(target_, 200, 100, 100, 100);
    item_.on.mouse_down = [](Element& e, const MouseArgs&) { e.Drag(1); };
    auto drop = [this](Element& t, Element& source, int x, int y) {
      log_.push_back(t.DisplayName() + " got " + source.DisplayName() + " at " + std::to_string(x) +
                     "," + std::to_string(y));
    };
    target_.on.drag_drop = drop;
    form_->client().on.drag_drop = drop;
    item_.on.click = [this](Element& e) { Log(e, "click"); };
    item_.on.mouse_up = [this](Element& e, const MouseArgs&) { Log(e, "up"); };
  }

  void Drag(Point from, Point to) {
    platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, from.x, from.y, 0));
    platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseDown, from.x, from.y));
    platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, to.x, to.y, 0));
    platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseUp, to.x, to.y));
    platform_.DoEvents();
  }
};

TEST_F(DragTest, DropGoesToTheElementUnderThePointerWithItsPositionAndTheSource) {
  Drag({15, 15}, {210, 130});
  EXPECT_EQ(log_, (std::vector<std::string>{"Target got Item(0) at 150,450"}))
      << "no mouse up or click reaches the dragged element";
  EXPECT_EQ(form_->drag_source(), nullptr);
  log_.clear();
  target_.SetVisible(false);
  Drag({15, 15}, {210, 130});
  EXPECT_EQ(log_, (std::vector<std::string>{"Game got Item(0) at 3150,1950"}));
}

TEST_F(DragTest, DragOverReportsEnterAndLeave) {
  std::vector<int> states;
  target_.on.drag_over = [&](Element&, Element&, int, int, int state) { states.push_back(state); };
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseDown, 15, 15));
  for (int x : {210, 220, 400})
    platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, x, 150, 0));
  platform_.DoEvents();
  EXPECT_EQ(states, (std::vector<int>{0, 2, 1}));
  item_.Drag(0);  // cancelled: nothing is dropped
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseUp, 250, 150));
  platform_.DoEvents();
  EXPECT_EQ(log_, (std::vector<std::string>{"Item(0) up"}));
}

TEST_F(DragTest, TheDragIconFollowsThePointerOnTheComposedSurface) {
  Pixmap red(8, 8, 0xFFFF0000u);
  item_.SetDragIcon(Picture(red, {4, 4}));
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseDown, 15, 15));
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, 300, 300, 0));
  platform_.DoEvents();
  const Pixmap& screen = platform_.desktop().Compose();
  EXPECT_EQ(screen.Pixel(300, 300), 0xFFFF0000u);
  EXPECT_EQ(screen.Pixel(296, 296), 0xFFFF0000u);
  EXPECT_EQ(screen.Pixel(295, 295), 0xFF000000u);
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseUp, 300, 300));
  platform_.DoEvents();
  EXPECT_EQ(platform_.desktop().Compose().Pixel(300, 300), 0xFF000000u);
}

}  // namespace
}  // namespace sw::platform

namespace sw::platform {
namespace {

class TextFieldTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = testing::ShownForm(platform_);
  TextFieldElement& field_ = form_->Add<TextFieldElement>("txtName");

  void SetUp() override {
    testing::Place(field_, 10, 10, 300, 21);
    field_.SetText("lantern hill");
    form_->Focus(&field_);
  }
  void Key(int code, int shift = 0) { testing::PressKey(platform_, code, shift); }
  void Type(const std::string& text) {
    InputEvent e;
    e.kind = InputEvent::Kind::kText;
    e.text = text;
    platform_.events().Post(e);
    platform_.DoEvents();
  }
  // The surface x of the caret position after `chars` characters.
  int XAfter(int chars) {
    return 10 + 3 + platform_.text().LineWidth(Font{}, field_.text().substr(0, chars));
  }
};

TEST_F(TextFieldTest, ShiftWithArrowsHomeAndEndSelectsAndTypingReplacesTheSelection) {
  Key(keys::kHome);
  Key(keys::kRight, kShiftMask);
  Key(keys::kRight, kShiftMask);
  EXPECT_EQ(field_.selected_text(), "la");
  Type("L");
  EXPECT_EQ(field_.text(), "Lntern hill");
  Key(keys::kEnd);
  Key(keys::kLeft, kShiftMask | kCtrlMask);  // a word at a time
  EXPECT_EQ(field_.selected_text(), "hill");
  Key(keys::kBack);
  EXPECT_EQ(field_.text(), "Lntern ");
  Key(keys::kHome, kShiftMask);
  Key(keys::kDelete);
  EXPECT_EQ(field_.text(), "");
  Key('Z', kCtrlMask);
  EXPECT_EQ(field_.text(), "Lntern ") << "Ctrl+Z takes the last change back";
  // An arrow without Shift ends the selection at its edge.
  Key('A', kCtrlMask);
  Key(keys::kLeft);
  EXPECT_EQ(field_.caret(), 0);
  EXPECT_EQ(field_.selected_text(), "");
}

TEST_F(TextFieldTest, CopyCutAndPasteGoThroughTheClipboard) {
  Key('A', kCtrlMask);
  Key('C', kCtrlMask);
  EXPECT_EQ(platform_.display().ClipboardText(), "lantern hill");
  Key(keys::kEnd);
  Key(keys::kLeft, kShiftMask | kCtrlMask);
  Key('X', kCtrlMask);
  EXPECT_EQ(field_.text(), "lantern ");
  EXPECT_EQ(platform_.display().ClipboardText(), "hill");
  Key(keys::kHome);
  Key('V', kCtrlMask);
  EXPECT_EQ(field_.text(), "hilllantern ");
  // Pasted lines become one line; the maximum length holds.
  platform_.display().SetClipboardText("one\r\ntwo");
  Key('A', kCtrlMask);
  Key('V', kCtrlMask);
  EXPECT_EQ(field_.text(), "one  two");
  field_.SetMaxLength(10);
  Key('V', kCtrlMask);
  EXPECT_EQ(field_.text(), "one  twoon");
}

TEST_F(TextFieldTest, TheMouseSetsTheCaretDragsASelectionAndDoubleClickPicksAWord) {
  testing::Click(platform_, XAfter(3), 20);
  EXPECT_EQ(field_.caret(), 3);
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseDown, XAfter(1), 20));
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseMove, XAfter(5), 20, 1));
  platform_.events().Post(testing::MouseEvent(InputEvent::Kind::kMouseUp, XAfter(5), 20));
  platform_.DoEvents();
  EXPECT_EQ(field_.selected_text(), "ante");
  testing::Advance(platform_, 1000);
  testing::Click(platform_, XAfter(10), 20);
  testing::Click(platform_, XAfter(10), 20);
  EXPECT_EQ(field_.selected_text(), "hill");
}

}  // namespace
}  // namespace sw::platform
