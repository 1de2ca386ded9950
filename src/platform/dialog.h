// A modal dialog built from our own widgets and drawn over the window: the base of the
// message box, the input box and the game's load and save dialogs.
#pragma once

#include <memory>
#include <string>

#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/text_field.h"

namespace sw::platform {

class Platform;

class Dialog {
 public:
  // A dialog whose client area is `client_width` x `client_height` pixels.
  Dialog(Platform& platform, std::string title, int client_width, int client_height);

  Form& form() { return *form_; }
  std::shared_ptr<Form> form_ptr() { return form_; }

  // Widgets at pixel rectangles of the client area. A button ends the dialog with
  // `result` unless the caller replaces its click handler.
  ButtonElement& AddButton(std::string caption, int result, Rect px, bool is_default = false,
                           bool is_cancel = false);
  LabelElement& AddLabel(std::string text, Rect px);
  TextFieldElement& AddTextField(std::string text, Rect px);
  ListBoxElement& AddListBox(Rect px);
  CheckBoxElement& AddCheckBox(std::string caption, Rect px);
  ImageElement& AddImage(Picture picture, Rect px);

  // Runs the dialog modally; the result of the button that closed it, or 0 when the
  // program is quitting.
  int ShowModal() { return form_->ShowModal(); }
  void End(int result) { form_->EndModal(result); }

 private:
  std::string NextName(const char* prefix);

  std::shared_ptr<Form> form_;
  int counter_ = 0;
};

}  // namespace sw::platform
