#include "launcher/library_window.h"

#include <cstdlib>

#include <nlohmann/json.hpp>

#include "launcher/folder_chooser.h"
#include "platform/dialog.h"
#include "platform/platform.h"

namespace sw::launcher {

namespace {

constexpr int kPlay = 1;

class LibraryWindow {
 public:
  LibraryWindow(platform::Platform& platform, GameLibrary& library, std::string codePage)
      : platform_(platform),
        library_(library),
        codePage_(std::move(codePage)),
        dialog_(platform, "Scenewright: game library", 560, 340),
        heading_(dialog_.AddLabel("", {12, 10, 536, 20})),
        list_(dialog_.AddListBox({12, 34, 536, 222})),
        folder_(dialog_.AddLabel("", {12, 262, 536, 20})),
        add_(dialog_.AddButton("Add game\xE2\x80\xA6", 0, {12, 298, 110, 28})),
        remove_(dialog_.AddButton("Remove from list", 0, {130, 298, 130, 28})),
        play_(dialog_.AddButton("Play", kPlay, {340, 298, 100, 28}, true)),
        quit_(dialog_.AddButton("Quit", 0, {448, 298, 100, 28}, false, true)) {
    add_.on.click = [this](platform::Element&) { Add(); };
    remove_.on.click = [this](platform::Element&) { Remove(); };
    play_.on.click = [this](platform::Element&) { Play(); };
    list_.on.click = [this](platform::Element&) { Selected(); };
    list_.on.dbl_click = [this](platform::Element&) { Play(); };
    dump_ = platform.state().Add([this](nlohmann::json& j) {
      if (!shown_) return;
      j["window"] = "library";
      nlohmann::json games = nlohmann::json::array();
      for (const GameEntry& e : entries_) {
        games.push_back({{"folder", e.folder}, {"title", e.title}, {"missing", e.missing}});
      }
      j["library"] = {{"games", games}, {"selected", list_.list_index()}};
    });
    Refresh(0);
  }

  std::optional<std::string> Run() {
    platform_.display().SetTitle("Scenewright");
    platform_.SetWindowRole("library");
    shown_ = true;
    const int result = dialog_.ShowModal();
    shown_ = false;
    platform_.SetWindowRole("none");
    if (result != kPlay) return std::nullopt;
    return chosen_;
  }

 private:
  void Refresh(int select) {
    entries_.clear();
    list_.Clear();
    for (const std::string& folder : library_.folders()) {
      entries_.push_back(DescribeGame(folder, codePage_));
      const GameEntry& e = entries_.back();
      list_.AddItem(e.missing ? e.folder + " (missing)" : e.title);
    }
    heading_.SetCaption(entries_.empty()
                            ? "No games yet: add a game's folder with \"Add game\xE2\x80\xA6\"."
                            : "Games played before, most recent first:");
    if (!entries_.empty()) {
      list_.SetListIndex(std::min(select, static_cast<int>(entries_.size()) - 1));
    }
    Selected();
  }

  const GameEntry* Current() const {
    const int index = list_.list_index();
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[index];
  }

  void Selected() {
    const GameEntry* e = Current();
    folder_.SetCaption(!e           ? ""
                       : e->missing ? "This folder holds no game any more: " + e->folder
                                    : e->folder);
    play_.SetEnabled(e != nullptr && !e->missing);
    remove_.SetEnabled(e != nullptr);
  }

  void Add() {
    const GameEntry* e = Current();
    const char* home = std::getenv("HOME");
    std::filesystem::path start = home != nullptr && home[0] == '/' ? home : "/";
    if (e) start = std::filesystem::path(e->folder).parent_path();
    std::error_code ec;
    if (!std::filesystem::is_directory(start, ec)) start = "/";
    if (auto folder = ChooseGameFolder(platform_, start)) {
      library_.MoveToFront(*folder);
      library_.Save();
      Refresh(0);
    }
  }

  void Remove() {
    const GameEntry* e = Current();
    if (!e) return;
    const int index = list_.list_index();
    library_.Remove(e->folder);
    library_.Save();
    Refresh(index);
  }

  void Play() {
    const GameEntry* e = Current();
    if (!e || e->missing) return;
    chosen_ = e->folder;
    library_.MoveToFront(chosen_);
    library_.Save();
    dialog_.End(kPlay);
  }

  platform::Platform& platform_;
  GameLibrary& library_;
  std::string codePage_;
  platform::Dialog dialog_;
  platform::LabelElement& heading_;
  platform::ListBoxElement& list_;
  platform::LabelElement& folder_;
  platform::ButtonElement& add_;
  platform::ButtonElement& remove_;
  platform::ButtonElement& play_;
  platform::ButtonElement& quit_;
  std::vector<GameEntry> entries_;
  std::string chosen_;
  bool shown_ = false;
  platform::StateDump::Registration dump_;
};

}  // namespace

std::optional<std::string> RunLibraryWindow(platform::Platform& platform, GameLibrary& library,
                                            const std::string& code_page) {
  LibraryWindow window(platform, library, code_page);
  return window.Run();
}

}  // namespace sw::launcher
