// Saving and loading in a running headless game through the two dialogs: the messages, the
// replace question, removing, the fallback folder, damaged files, and the timers the dialogs
// pause and restore.
#include "savegames/saved_games.h"

#include "base/code_page.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>

#include <cstdlib>
#include <deque>
#include <functional>
#include <nlohmann/json.hpp>

#include "base/ascii.h"
#include "inventory/inventory_fixture.h"
#include "platform/button.h"
#include "platform/list_box.h"
#include "platform/system/file_io.h"
#include "platform/text_field.h"
#include "platform/timer.h"
#include "savegames/install.h"
#include "test_support/temp_dir.h"
#include "variant/vb_array.h"

namespace sw::testing {
namespace {

using Step = std::function<void(platform::Form&)>;

// Makes a file or folder read-only for this process: its permissions, and for a user whom
// permissions do not stop, the file system's immutable flag.
void SetImmutable(const std::filesystem::path& path, bool on) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return;
  int flags = 0;
  if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  close(fd);
}

std::string ReadFile(const std::filesystem::path& path) {
  return ReadFileBytes(path).value_or("");
}

bool MakeReadOnly(const std::filesystem::path& path) {
  chmod(path.c_str(), std::filesystem::is_directory(path) ? 0555 : 0444);
  if (geteuid() == 0) SetImmutable(path, true);
  return std::filesystem::is_directory(path) ? !CanWriteInFolder(path) : IsReadOnlyFile(path);
}

void MakeWritable(const std::filesystem::path& path) {
  if (geteuid() == 0) SetImmutable(path, false);
  chmod(path.c_str(), std::filesystem::is_directory(path) ? 0755 : 0644);
}

// Carries out one step in each dialog that opens, in order; time passes otherwise. A dialog
// nobody expected is a failure, and is cancelled.
class DialogDriver : public platform::InputSource {
 public:
  std::deque<Step> steps;
  int unexpected = 0;
  std::vector<std::string> unexpectedCaptions;
  // True for a dialog that stays open while the game is busy behind it (a load in progress).
  std::function<bool(platform::Form&)> busy;
  bool Poll(platform::Platform& platform) override {
    platform::Form* form = platform.desktop().top_modal();
    if (form != nullptr && !(busy && busy(*form))) {
      if (steps.empty()) {
        ++unexpected;
        unexpectedCaptions.push_back(form->caption());
        form->EndModal(0);
        return true;
      }
      Step step = std::move(steps.front());
      steps.pop_front();
      step(*form);
      return true;
    }
    platform.virtual_clock()->Advance(10);
    return true;
  }
};

template <class T>
T* FindElement(platform::Form& form, platform::ElementKind kind) {
  for (const auto& e : form.elements()) {
    if (e->kind() == kind) return static_cast<T*>(e.get());
  }
  return nullptr;
}

Step Press(std::string caption) {
  return [caption](platform::Form& form) {
    for (const auto& e : form.elements()) {
      if (e->kind() != platform::ElementKind::kButton) continue;
      auto& button = static_cast<platform::ButtonElement&>(*e);
      if (LowerAscii(button.PlainCaption()) == LowerAscii(caption)) {
        button.Press();
        return;
      }
    }
    ADD_FAILURE() << "no button " << caption << " in " << form.caption();
    form.EndModal(0);
  };
}

Step Type(std::string text) {
  return [text](platform::Form& form) {
    auto* field = FindElement<platform::TextFieldElement>(form, platform::ElementKind::kTextField);
    ASSERT_NE(field, nullptr);
    field->SetText(text);
  };
}

Step Select(std::string entry) {
  return [entry](platform::Form& form) {
    auto* list = FindElement<platform::ListBoxElement>(form, platform::ElementKind::kListBox);
    ASSERT_NE(list, nullptr);
    const int index = list->Find(entry);
    ASSERT_GE(index, 0) << entry;
    list->SetListIndex(index);
  };
}

Step DoubleClick(std::string entry) {
  return [entry](platform::Form& form) {
    auto* list = FindElement<platform::ListBoxElement>(form, platform::ElementKind::kListBox);
    ASSERT_NE(list, nullptr);
    list->SetListIndex(list->Find(entry));
    list->on.dbl_click(*list);
  };
}

// Steps that look at the open dialog without acting.
Step Look(std::function<void(platform::Form&)> look, Step then) {
  return [look = std::move(look), then = std::move(then)](platform::Form& form) {
    look(form);
    then(form);
  };
}

class PauseLog final : public TimedEventService {
 public:
  explicit PauseLog(CallLog& log) : log_(log) {}
  void StartTimedEvents() override { log_.Add("StartTimedEvents"); }
  void PauseTimedEvents() override { log_.Add("PauseTimedEvents"); }

 private:
  CallLog& log_;
};

class SavedGamesTest : public InventoryFixture {
 protected:
  SavedGamesTest() {
    if (const char* old = std::getenv("XDG_DATA_HOME")) oldDataHome = old;
    setenv("XDG_DATA_HOME", (userData.path()).c_str(), 1);
    saved = InstallSavedGames(game.runtime);
    game.runtime.subsystems().timedEvents = std::make_unique<PauseLog>(log);
    game.platform.events().SetInputSource(&driver);
    driver.busy = [this](platform::Form& form) {
      return saved->Loading && form.caption() == game.runtime.texts[17];
    };
    writer.WriteVariables({"Door", "Lamp"}, {"Said", "Met", "Brave", "Gold", "Nothing"});
    Frame("Hall");
    Frame("Cellar");
    Item("Key", 0xFFD700);
    Item("Map", 0x00AA00);
  }
  ~SavedGamesTest() override {
    MakeWritable(game.project());
    for (const auto& name : {"Mine"}) {
      if (std::filesystem::exists(SavePath(name))) MakeWritable(SavePath(name));
    }
    if (oldDataHome.empty()) {
      unsetenv("XDG_DATA_HOME");
    } else {
      setenv("XDG_DATA_HOME", oldDataHome.c_str(), 1);
    }
  }

  void StartAndPlay() {
    Start();
    VariableStore& v = variables();
    v.ChangeVariableValue("Door", 7);
    v.SetVariableValue("Lamp", -1);
    v.ChangeVariableVariantValue("Said", Variant("yes, it's late"));
    v.ChangeVariableVariantValue("Met", Variant::FromDate(DateSerialOf(2003, 3, 7)));
    v.ChangeVariableVariantValue("Brave", Variant(true));
    v.ChangeVariableVariantValue("Gold", Variant(12.75));
    v.ChangeVariableVariantValue("Nothing", Variant());
    v.AddDisappeared("Hall", 3);
    v.AddDisappeared("Cellar", 1);
    Hold({"Key", "Map"});
    window().OpenFrame("Cellar");
  }

  // The parts of the dump a saved game restores.
  nlohmann::json Restored() {
    nlohmann::json all = game.platform.state().Collect();
    nlohmann::json out;
    for (const char* key :
         {"frame", "history", "variables", "variants", "disappeared", "inventory"}) {
      out[key] = all[key];
    }
    return out;
  }

  void Save(const std::string& name, std::vector<Step> more = {}) {
    driver.steps.push_back(Type(name));
    driver.steps.push_back(Press("SAVE"));
    for (auto& s : more) driver.steps.push_back(std::move(s));
    saved->MenuSaveGame();
  }

  void Load(const std::string& name, std::vector<Step> more = {}) {
    driver.steps.push_back(Select(name));
    driver.steps.push_back(Press("LOAD"));
    for (auto& s : more) driver.steps.push_back(std::move(s));
    saved->ShowLoadGameWindow(false);
  }

  std::filesystem::path SavePath(const std::string& name) {
    return game.project() / (name + ".sav");
  }

  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (const auto& entry : saved->files().List()) names.push_back(entry.name);
    return names;
  }

  std::string oldDataHome;
  TempDir userData;
  DialogDriver driver;
  std::shared_ptr<SavedGames> saved;
};

TEST_F(SavedGamesTest, SavedGameLoadsBackToTheSameState) {
  StartAndPlay();
  const nlohmann::json before = Restored();
  Save("First");
  EXPECT_TRUE(std::filesystem::exists(SavePath("First")));
  // Play on: another frame, other values, one item used up.
  variables().ChangeVariableValue("Door", 1);
  variables().ChangeVariableVariantValue("Said", Variant("no"));
  items().RemovePickedObject(1);
  window().OpenFrame("Hall");
  ASSERT_NE(Restored(), before);
  Load("First");
  game.Wait(2000);
  EXPECT_EQ(Restored(), before);
  EXPECT_EQ(driver.unexpected, 0) << driver.unexpectedCaptions[0];
  EXPECT_TRUE(window().PictureBox.visible());
  EXPECT_FALSE(saved->Cancelled);
}

TEST_F(SavedGamesTest, NameChecks) {
  StartAndPlay();
  // A comma is one of the forbidden characters: a message, and the dialog stays open.
  Save("a,b", {Press("OK"), Press("Cancel")});
  ASSERT_FALSE(messages().empty());
  EXPECT_EQ(messages().back().text, game.runtime.texts[35] + "\r\n\" \\ / : * ? < > | ,");
  EXPECT_FALSE(std::filesystem::exists(SavePath("a,b")));
  // An empty name: the prompt as a message.
  Save("", {Press("OK"), Press("Cancel")});
  EXPECT_EQ(messages().back().text, game.runtime.texts[23]);
  // Spaces only are a name.
  Save("   ");
  EXPECT_TRUE(std::filesystem::exists(SavePath("   ")));
  // A name too long for the file system gives the save message, and nothing is left behind.
  Save(std::string(300, 'x'), {Press("OK"), Press("Cancel")});
  EXPECT_NE(messages().back().text.find(" Unable to save '"), std::string::npos);
  EXPECT_EQ(Listed(), std::vector<std::string>{"   "});
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, ReplacingAsksAndCancelKeepsTheOldFile) {
  StartAndPlay();
  Save("Mine");
  const std::string old = ReadFile(SavePath("Mine"));
  variables().ChangeVariableValue("Door", 99);
  // A name differing only in letter case is the same saved game.
  Save("MINE", {Press("Cancel"), Press("Cancel")});
  EXPECT_EQ(messages().back().text, "'MINE' " + game.runtime.texts[24]);
  EXPECT_EQ(ReadFile(SavePath("Mine")), old);
  Save("Mine", {Press("OK")});
  EXPECT_NE(ReadFile(SavePath("Mine")), old);
  EXPECT_EQ(Listed(), std::vector<std::string>{"Mine"});
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, FailedSaveKeepsTheEarlierSave) {
  StartAndPlay();
  Save("Mine");
  const std::string old = ReadFile(SavePath("Mine"));
  // A value that cannot be written.
  variables().ChangeVariableVariantValue("Nothing", Variant(VbArray::FromValues({Variant(1.5)})));
  Save("Mine", {Press("OK"), Press("OK"), Press("Cancel")});
  const std::string expected =
      " Unable to save '" + game.runtime.folders.ProjectFolder +
      "Mine.sav'.\r\nVerify that this file is not Read-Only and that it does not contain any of "
      "the following characters: \" \\ / : * ? < > | ,";
  EXPECT_EQ(messages().back().text, StandardError(expected));
  EXPECT_EQ(ReadFile(SavePath("Mine")), old);
  // A saved game made read-only.
  variables().ChangeVariableVariantValue("Nothing", Variant());
  if (!MakeReadOnly(SavePath("Mine"))) GTEST_SKIP() << "no way to make a file read-only here";
  Save("Mine", {Press("OK"), Press("OK"), Press("Cancel")});
  EXPECT_EQ(messages().back().text, StandardError(expected));
  EXPECT_EQ(ReadFile(SavePath("Mine")), old);
  EXPECT_EQ(Listed(), std::vector<std::string>{"Mine"});  // no temporary file left either
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, ReadOnlyProjectFolderSavesInTheUsersFolder) {
  StartAndPlay();
  Save("Here");
  if (!MakeReadOnly(game.project())) GTEST_SKIP() << "no way to make a folder read-only here";
  Save("There");
  const auto user = userData.path() / "scenewright" / "saves" / info.SettingsSection;
  EXPECT_TRUE(std::filesystem::exists(user / "There.sav"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Here", "There"}));
  const nlohmann::json before = Restored();
  window().OpenFrame("Hall");
  Load("There");
  game.Wait(2000);
  EXPECT_EQ(Restored(), before);
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, ListRunsFromOldestToNewestAndSkipsNamelessFiles) {
  StartAndPlay();
  Save("B");
  Save("A");
  Save("C");
  using namespace std::chrono_literals;
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(SavePath("B"), now - 30s);
  std::filesystem::last_write_time(SavePath("A"), now - 20s);
  std::filesystem::last_write_time(SavePath("C"), now - 10s);
  writer.WriteRaw(".sav", "\"Hall\"\r\n0\r\n0\r\n0\r\n");
  game.files.InvalidateAll();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(game.platform.state().Collect()["savedGames"], nlohmann::json::array({"B", "A", "C"}));
}

TEST_F(SavedGamesTest, RemovingAsksThenDeletes) {
  StartAndPlay();
  Save("Old");
  const std::string full = game.runtime.folders.ProjectFolder + "Old.sav";
  // Nothing selected: the message; then Cancel on the question keeps the file.
  driver.steps = {Press("Remove Selected"),
                  Press("OK"),
                  Select("Old"),
                  Press("Remove Selected"),
                  Press("Cancel"),
                  Press("Remove Selected"),
                  Press("OK"),
                  Press("Cancel")};
  saved->MenuSaveGame();
  EXPECT_FALSE(std::filesystem::exists(SavePath("Old")));
  const auto& m = messages();
  ASSERT_GE(m.size(), 3u);
  EXPECT_EQ(m[m.size() - 3].text, game.runtime.texts[9]);
  EXPECT_EQ(m.back().text, game.runtime.texts[27] + " '" + full + "'?");
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, DamagedSavedGamesLeaveTheRunningGameAsItWas) {
  StartAndPlay();
  const nlohmann::json before = Restored();
  const std::vector<std::pair<std::string, std::string>> files = {
      {"Empty", ""},
      {"Cut", "\"Hall\"\r\n2\r\n\"Door\"\r\n"},
      {"Text", "\"Hall\"\r\nmany\r\n"},
      {"Huge", "\"Hall\"\r\n1\r\n\"Door\"\r\n70000\r\n0\r\n0\r\n"},
      {"Negative", "\"Hall\"\r\n0\r\n0\r\n-3\r\n"},
      {"Gone", "\"Attic\"\r\n0\r\n0\r\n0\r\n"},  // a frame that no longer exists
  };
  for (const auto& [name, bytes] : files) writer.WriteRaw(name + ".sav", bytes);
  game.files.InvalidateAll();
  for (const auto& [name, bytes] : files) {
    const size_t shown = messages().size();
    Load(name, {Press("OK"), Press("Cancel")});
    ASSERT_EQ(messages().size(), shown + 1) << name;
    EXPECT_EQ(
        messages().back().text,
        StandardError(" Unable to load '" + game.runtime.folders.ProjectFolder + name + ".sav'."));
    EXPECT_EQ(Restored(), before) << name;
    EXPECT_TRUE(window().PictureBox.visible());
  }
  EXPECT_EQ(driver.unexpected, 0);
}

// A saved game that links to a file outside the game's and the player's folders is not read.
TEST_F(SavedGamesTest, ASavedGameLinkedToAFileElsewhereIsNotRead) {
  StartAndPlay();
  const nlohmann::json before = Restored();
  const std::filesystem::path project = game.runtime.folders.ProjectFolder;
  const std::filesystem::path outside =
      project.parent_path().parent_path() / (project.parent_path().filename().string() + "-out");
  std::filesystem::create_directories(outside);
  std::ofstream(outside / "elsewhere.sav", std::ios::binary)
      << "\"Hall\"\r\n1\r\n\"Door\"\r\n4\r\n0\r\n0\r\n";
  std::filesystem::create_symlink(outside / "elsewhere.sav", project / "Linked.sav");
  game.files.InvalidateAll();
  Load("Linked", {Press("OK"), Press("Cancel")});
  EXPECT_EQ(
      messages().back().text,
      StandardError(" Unable to load '" + game.runtime.folders.ProjectFolder + "Linked.sav'."));
  EXPECT_EQ(Restored(), before);
  std::filesystem::remove_all(outside);
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, UnknownNamesAndMissingItemsLoadTheRest) {
  StartAndPlay();
  writer.WriteRaw("Odd.sav",
                  "\"Hall\"\r\n2\r\n\"Ghost\"\r\n5\r\n\"Door\"\r\n4\r\n0\r\n2\r\n\"Key\"\r\n"
                  "\"Lost\"\r\n");
  game.files.InvalidateAll();
  Load("Odd", {Press("OK")});  // the missing item's message
  game.Wait(2000);
  const nlohmann::json now = Restored();
  EXPECT_EQ(now["frame"], "Hall");
  EXPECT_EQ(now["inventory"], nlohmann::json::array({"Key"}));
  EXPECT_EQ(now["variables"][0]["value"], 4);
  // A file ending after the items: the history is the one the reset game made.
  EXPECT_EQ(now["history"], nlohmann::json::array({"Hall"}));
  EXPECT_NE(messages().back().text.find("'Lost'"), std::string::npos);
  EXPECT_EQ(driver.unexpected, 0);
}

TEST_F(SavedGamesTest, ResumeFileChoosesTheFrame) {
  StartAndPlay();
  writer.WriteRaw("Config/Resume", "1,2,3,4,5,6\r\n\"CELLAR\",\"Hall\"\r\n\"Cellar\",\"\"\r\n");
  Save("Mine");
  Load("Mine");
  game.Wait(2000);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
}

TEST_F(SavedGamesTest, CancelRestoresTheTimersAndALoadDoesNot) {
  StartAndPlay();
  Save("Mine");
  window().Timer1.SetInterval(5000);
  window().Timer1.SetEnabled(true);
  log.calls.clear();
  driver.steps = {Look(
      [this](platform::Form&) {
        EXPECT_FALSE(window().Timer1.enabled());
        EXPECT_TRUE(game.platform.state().Collect()["loadDialog"].get<bool>());
      },
      Press("Cancel"))};
  saved->ShowLoadGameWindow(false);
  EXPECT_TRUE(window().Timer1.enabled());
  EXPECT_TRUE(saved->Cancelled);
  EXPECT_EQ(log.calls, (std::vector<std::string>{"PauseTimedEvents", "StartTimedEvents"}));
  EXPECT_FALSE(game.platform.state().Collect()["loadDialog"].get<bool>());

  log.calls.clear();
  Load("Mine");
  game.Wait(2000);
  // The loaded frame has no timer: the old one stays off.
  EXPECT_FALSE(window().Timer1.enabled());
  EXPECT_FALSE(saved->Cancelled);
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);  // the loaded frame's own start
}

TEST_F(SavedGamesTest, ScriptsLoadDialogWaitsForObjectTimers) {
  StartAndPlay();
  auto& timer = window().form().Load<platform::TimerElement>("TimerObject", 1);
  timer.SetInterval(1000);
  timer.SetEnabled(true);
  log.calls.clear();
  game.runtime.subsystems().savedGames->ShowLoadGameWindow(true);
  EXPECT_EQ(driver.unexpected, 0);
  EXPECT_TRUE(log.calls.empty());
  timer.SetEnabled(false);
  driver.steps = {Press("Cancel")};
  game.runtime.subsystems().savedGames->ShowLoadGameWindow(true);
  EXPECT_TRUE(driver.steps.empty());
}

TEST_F(SavedGamesTest, DoubleClickPicksAndSaves) {
  StartAndPlay();
  Save("Mine");
  variables().ChangeVariableValue("Door", 42);
  driver.steps = {DoubleClick("Mine"), Press("OK")};
  saved->MenuSaveGame();
  game.files.InvalidateAll();
  ValueReader reader = ValueReader::FromFile(SavePath("Mine"), Windows1252());
  EXPECT_EQ(ReadSavedGame(reader).variables[0].second, 42);
  EXPECT_EQ(driver.unexpected, 0);
}

}  // namespace
}  // namespace sw::testing
