#include "discs/run_from_cd.h"

#include <cstdlib>
#include <filesystem>

#include "core/game/game_runtime.h"
#include "platform/platform.h"

namespace sw {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 260;
constexpr int kMargin = 12;
constexpr int kButtonW = 80;
constexpr int kButtonH = 24;
constexpr int kGap = 8;
constexpr int kOK = 1;
constexpr int kCancel = 2;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

RunFromCDWindow::RunFromCDWindow(GameRuntime& runtime, std::vector<Drive> drives)
    : runtime_(runtime),
      drives_(std::move(drives)),
      dialog_(runtime.platform(), runtime.ForDisplay(runtime.info.Title), kWidth, kHeight) {
  const int inner = kWidth - 2 * kMargin;
  message_ = &dialog_.AddLabel("", {kMargin, kMargin, inner, 44});
  message_->SetWordWrap(true);
  lblDrive_ = &dialog_.AddLabel(runtime_.ForDisplay(runtime_.texts[37]),
                                {kMargin, kMargin + 52, inner, 16});
  box_ = &dialog_.AddTextField("", {kMargin, kMargin + 70, inner, 22});
  list_ = &dialog_.AddListBox({kMargin, kMargin + 98, inner, 100});
  const int buttonsTop = kHeight - kMargin - kButtonH;
  platform::ButtonElement& ok = dialog_.AddButton(
      "OK", kOK, {kWidth - kMargin - 2 * kButtonW - kGap, buttonsTop, kButtonW, kButtonH}, true);
  platform::ButtonElement& cancel =
      dialog_.AddButton(runtime_.ForDisplay(runtime_.texts[11]), kCancel,
                        {kWidth - kMargin - kButtonW, buttonsTop, kButtonW, kButtonH}, false, true);
  ok.on.click = [this](platform::Element&) { PressOK(); };
  cancel.on.click = [this](platform::Element&) { PressCancel(); };
  list_->on.click = [this](platform::Element&) {
    const int index = list_->list_index();
    if (index >= 0 && index < static_cast<int>(drives_.size())) box_->SetText(drives_[index].root);
  };

  // Every optical disc becomes the box's text in turn: the last one is proposed.
  for (const Drive& drive : drives_) {
    list_->AddItem(DriveLine(drive));
    if (drive.kind == DriveKind::kCdRom) SetDrive(drive.root);
  }
  dialog_.form().Focus(list_);
}

void RunFromCDWindow::SetDrive(const std::string& root) {
  box_->SetText(root);
  int found = -1;
  for (int i = 0; i < static_cast<int>(drives_.size()); ++i)
    if (drives_[i].root == root) found = i;
  if (found >= 0 && found < list_->list_count()) {
    list_->SetListIndex(found);
  } else if (list_->list_index() >= 0) {
    list_->SetListIndex(-1);
    box_->SetText(root);
  }
}

void RunFromCDWindow::SetMessage(const std::string& text) {
  message_->SetCaption(runtime_.ForDisplay(text));
}

bool RunFromCDWindow::ShowModal() {
  const int result = dialog_.ShowModal();
  if (result == kOK) return true;
  // Cancelled, or the program is ending while the window is open: the game stops either way,
  // so the caller never asks again.
  runtime_.StopRequested = true;
  return false;
}

std::string RunFromCDWindow::TypedRoot() const {
  std::string text = Trimmed(box_->text());
  if (text.empty()) return "";
  if (text == "~" || text.rfind("~/", 0) == 0) {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return "";
    text = std::string(home) + text.substr(1);
  } else if (text.front() != '/') {
    // A name typed on its own is a folder beside the game's own folder.
    std::error_code ec;
    std::filesystem::path project =
        std::filesystem::absolute(runtime_.files().Resolve(runtime_.folders.ProjectFolder), ec);
    while (!project.empty() && !project.has_filename()) project = project.parent_path();
    text = (project.parent_path() / text).string();
  }
  std::string root = runtime_.files().Resolve(text).string();
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

void RunFromCDWindow::PressOK() {
  const std::string root = TypedRoot();
  if (root.empty() || !runtime_.files().IsDirectory(root)) return;  // stays open
  try {
    runtime_.SaveSetting("DriveLetter", root);
  } catch (const std::exception&) {
    return;  // a folder that cannot be kept is not taken: the window stays open
  }
  dialog_.End(kOK);
}

void RunFromCDWindow::PressCancel() {
  runtime_.StopRequested = true;
  dialog_.End(kCancel);
}

}  // namespace sw
