#include "platform/dialog.h"

#include "platform/platform.h"

namespace sw::platform {
namespace {

void Place(Element& e, Rect px) {
  e.Move(PixelsToTwips(px.x), PixelsToTwips(px.y), PixelsToTwips(px.w), PixelsToTwips(px.h));
}

}  // namespace

Dialog::Dialog(Platform& platform, std::string title, int client_width, int client_height)
    : form_(platform.CreateForm("Dialog")) {
  form_->SetBorderStyle(BorderStyle::kDialog);
  form_->SetCaption(std::move(title));
  form_->client().SetBackColor(kVbButtonFace);
  Rect now = form_->client_rect_px();
  Rect outer = form_->bounds_px();
  form_->SetSize(PixelsToTwips(client_width + outer.w - now.w),
                 PixelsToTwips(client_height + outer.h - now.h));
}

std::string Dialog::NextName(const char* prefix) {
  return prefix + std::to_string(++counter_);
}

ButtonElement& Dialog::AddButton(std::string caption, int result, Rect px, bool is_default,
                                 bool is_cancel) {
  auto& button = form_->Add<ButtonElement>(NextName("cmd"));
  button.SetCaption(std::move(caption));
  button.SetDefault(is_default);
  button.SetCancel(is_cancel);
  button.SetTabIndex(counter_);
  Place(button, px);
  std::weak_ptr<Form> form = form_;
  button.on.click = [form, result](Element&) {
    if (auto f = form.lock()) f->EndModal(result);
  };
  return button;
}

LabelElement& Dialog::AddLabel(std::string text, Rect px) {
  auto& label = form_->Add<LabelElement>(NextName("lbl"));
  Place(label, px);
  label.SetBackStyle(0);
  label.SetCaption(std::move(text));
  return label;
}

TextFieldElement& Dialog::AddTextField(std::string text, Rect px) {
  auto& field = form_->Add<TextFieldElement>(NextName("txt"));
  Place(field, px);
  field.SetText(std::move(text));
  field.SetTabIndex(counter_);
  return field;
}

ListBoxElement& Dialog::AddListBox(Rect px) {
  auto& list = form_->Add<ListBoxElement>(NextName("lst"));
  Place(list, px);
  list.SetTabIndex(counter_);
  return list;
}

CheckBoxElement& Dialog::AddCheckBox(std::string caption, Rect px) {
  auto& box = form_->Add<CheckBoxElement>(NextName("chk"));
  Place(box, px);
  box.SetCaption(std::move(caption));
  box.SetTabIndex(counter_);
  return box;
}

ImageElement& Dialog::AddImage(Picture picture, Rect px) {
  auto& image = form_->Add<ImageElement>(NextName("img"));
  Place(image, px);
  image.SetStretch(true);
  image.SetPicture(std::move(picture));
  return image;
}

}  // namespace sw::platform
