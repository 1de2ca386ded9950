#include "launcher/folder_chooser.h"

#include <algorithm>
#include <cctype>

#include "launcher/game_library.h"
#include "platform/dialog.h"
#include "platform/platform.h"

namespace sw::launcher {

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 1;
constexpr const char* kGameMark = "   (game)";

std::string Folded(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

class FolderChooser {
 public:
  FolderChooser(platform::Platform& platform, const fs::path& start)
      : dialog_(platform, "Add game", 520, 360),
        path_(dialog_.AddTextField("", {70, 10, 438, 22})),
        list_(dialog_.AddListBox({12, 40, 496, 236})),
        status_(dialog_.AddLabel("", {12, 284, 496, 20})) {
    dialog_.AddLabel("Folder:", {12, 13, 56, 20});
    dialog_.AddButton("Open", 0, {12, 318, 90, 28}).on.click = [this](platform::Element&) {
      Open();
    };
    dialog_.AddButton("Add", kOk, {318, 318, 90, 28}, true).on.click = [this](platform::Element&) {
      Add();
    };
    dialog_.AddButton("Cancel", 0, {418, 318, 90, 28}, false, true);
    list_.on.dbl_click = [this](platform::Element&) { Enter(list_.list_index()); };
    list_.on.click = [this](platform::Element&) { ShowStatus(); };
    Show(start);
  }

  std::optional<fs::path> Run() {
    if (dialog_.ShowModal() != kOk) return std::nullopt;
    return chosen_;
  }

 private:
  void Show(const fs::path& folder) {
    std::error_code ec;
    fs::path normal = fs::absolute(folder, ec).lexically_normal();
    if (normal.string().size() > 1 && !normal.has_filename()) normal = normal.parent_path();
    if (!fs::is_directory(normal, ec)) {
      status_.SetCaption("There is no folder '" + folder.string() + "'.");
      path_.SetText(current_.string());
      return;
    }
    current_ = normal;
    path_.SetText(current_.string());
    names_ = SubFolders(current_);
    list_.Clear();
    for (const std::string& name : names_) {
      const bool game = name != ".." && IsGameFolder(current_ / name);
      list_.AddItem(game ? name + kGameMark : name);
    }
    ShowStatus();
  }

  // The folder the list's selection names, or the current folder.
  fs::path Candidate() const {
    const int index = list_.list_index();
    if (index < 0 || index >= static_cast<int>(names_.size()) || names_[index] == "..") {
      return current_;
    }
    return current_ / names_[index];
  }

  void ShowStatus() {
    status_.SetCaption(IsGameFolder(Candidate())
                           ? "'" + Candidate().filename().string() + "' holds a game: Add it."
                           : "A game folder holds a Config folder with a General file.");
  }

  void Enter(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) return;
    Show(names_[index] == ".." ? current_.parent_path() : current_ / names_[index]);
  }

  void Open() {
    if (path_.text() != current_.string()) {
      Show(path_.text());
    } else {
      Enter(list_.list_index());
    }
  }

  void Add() {
    if (path_.text() != current_.string()) Show(path_.text());
    const fs::path candidate = Candidate();
    if (!IsGameFolder(candidate)) {
      status_.SetCaption("No game in '" + candidate.string() +
                         "': a game folder holds a Config folder with a General file.");
      return;
    }
    chosen_ = candidate;
    dialog_.End(kOk);
  }

  platform::Dialog dialog_;
  platform::TextFieldElement& path_;
  platform::ListBoxElement& list_;
  platform::LabelElement& status_;
  fs::path current_ = "/";
  std::vector<std::string> names_;
  fs::path chosen_;
};

}  // namespace

std::vector<std::string> SubFolders(const fs::path& folder, size_t limit) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
       !ec && it != end && names.size() < limit; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code type;
    if (it->is_directory(type)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = Folded(a), fb = Folded(b);
    return fa != fb ? fa < fb : a < b;
  });
  if (folder.has_relative_path()) names.insert(names.begin(), "..");
  return names;
}

std::optional<fs::path> ChooseGameFolder(platform::Platform& platform, const fs::path& start) {
  FolderChooser chooser(platform, start);
  return chooser.Run();
}

}  // namespace sw::launcher
