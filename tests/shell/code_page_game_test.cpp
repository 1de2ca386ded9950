// Games written in a Japanese (932) and a Cyrillic (1251) code page: their files are decoded
// when read, their texts, messages and item names show as written, their scripts count
// characters as the Windows player did, and an INI file and a saved game they write hold the
// game's code page bytes and read back byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "authoring/frame_data_writer.h"
#include "authoring/inventory_writer.h"
#include "core/game/subsystems.h"
#include "core/valuefile/value_writer.h"
#include "interaction/install.h"
#include "inventory/install.h"
#include "platform/image.h"
#include "platform/picture.h"
#include "savegames/saved_games.h"
#include "scripting/host/game_script_host.h"
#include "shell_fixture.h"

namespace sw::shell {
namespace {

using testing::ShellGame;

struct CodePageGame {
  std::string page;
  std::string title;
  std::string caption;  // a text of the first frame
  std::string message;  // a hotspot's message
  std::string text;     // what the script measures
  std::string part;     // searched for in `text`
  // The script's findings, as Windows reports them: Len / Mid(text, 2, 2) / UCase /
  // InStr / StrComp binary / StrComp text / Asc.
  std::string results;
  std::string iniBytes;   // the INI file the script writes, in the code page
  std::string item;       // an item the script picks up
  std::string itemBytes;  // its name in the code page
};

std::string FileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Answers every box with its default button and lets virtual time pass while no box is open,
// so the short pause after a click ends.
class AnswerAndWait : public platform::InputSource {
 public:
  bool Poll(platform::Platform& platform) override {
    platform::Form* dialog = platform.desktop().top_modal();
    if (dialog == nullptr) {
      platform.virtual_clock()->Advance(10);
      return true;
    }
    dialog->EndModal(1);
    return true;
  }
};

// The bounds of the pixels of a colour (0xRRGGBB) and how many other pixels lie inside them.
platform::Rect Bounds(const platform::Pixmap& shot, uint32_t colour, int* others) {
  int left = shot.width(), top = shot.height(), right = -1, bottom = -1;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      if ((shot.Pixel(x, y) & 0xFFFFFFu) != colour) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  *others = 0;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) *others += (shot.Pixel(x, y) & 0xFFFFFFu) != colour;
  return {left, top, right - left + 1, bottom - top + 1};
}

// Pixels of a rectangle that are nearly black.
int CountDark(const platform::Pixmap& shot, platform::Rect r) {
  int n = 0;
  r = r.Intersect(shot.bounds());
  for (int y = r.y; y < r.bottom(); ++y)
    for (int x = r.x; x < r.right(); ++x) {
      const uint32_t p = shot.Pixel(x, y) & 0xFFFFFFu;
      n += ((p >> 16) & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60;
    }
  return n;
}

void Play(const CodePageGame& c) {
  ShellGame game(c.page);
  game.info.Title = c.title;
  ProjectWriter w = game.writer();
  FrameFile hall;
  hall.FrameBackground = std::to_string(0xFFFFFF);
  w.WriteFrame("Hall", hall);
  TextSpec label;
  label.Caption = c.caption;
  label.Left = 20;
  label.Top = 20;
  label.FontSize = 14;
  WriteTexts(w, "Hall", {label});
  HotspotSpec everywhere;
  everywhere.Top = 100;
  everywhere.Width = 320;
  everywhere.Height = 100;
  WriteHotspots(w, "Hall", {everywhere});
  ProjectWriter items = game.writer();
  items.WriteRaw("Areas/key.bmp", MakeBmp(32, 32, [](int, int) { return 0x3060C0u; }));
  WriteItem(items, c.item, "key.bmp");
  ActionSpec act;
  act.ShowMessage = true;
  act.MessageText = c.message;
  act.ScriptEnabled = true;
  // Quotes are stored as "|" in action files.
  act.ScriptText = "s = |" + c.text + "|\r\nAddItem |" + c.item + "|, True\r\n" +
                   "MsgBox Len(s) & |/| & Mid(s, 2, 2) & |/| & UCase(s) & |/| & InStr(s, |" +
                   c.part +
                   "|) & |/| & StrComp(s, UCase(s)) & |/| & StrComp(s, UCase(s), 1) & |/| & "
                   "Asc(s)\r\n"
                   "WriteINI |Notes.ini|, |" +
                   c.title + "|, Left(s, 3), s\r\nMsgBox ReadINI(|Notes.ini|, |" + c.title +
                   "|, Left(s, 3)) = s";
  WriteActions(w, "Hall", {act});
  w.WriteVariables({"Door"});
  game.writer().WriteGeneral(game.info);
  game.player = std::make_unique<PlayerShell>(game.platform, game.files, game.settings,
                                              game.project().string());
  std::shared_ptr<Interaction> interaction = InstallInteraction(game.runtime());
  std::shared_ptr<Inventory> inventory = InstallInventory(game.runtime());
  // The hotspot's script needs the script engine.
  game.runtime().subsystems().scripts = std::make_unique<GameScriptHost>(game.runtime());
  ASSERT_TRUE(game.player->Start());
  EXPECT_EQ(game.welcome().txtAdventureName.caption(), c.title);
  game.welcome().ClickButton(kStartButton);
  ASSERT_NE(game.game(), nullptr);

  // The frame text is drawn with real glyphs (the screenshot is the frame alone).
  const platform::Rect frame = game.platform.desktop().FrameRect();
  platform::Pixmap shot = game.platform.Screenshot();
  EXPECT_GT(CountDark(shot, {20, 20, 280, 40}), 40);
  if (const char* dir = std::getenv("SW_SCREENSHOT_DIR"))
    platform::SavePng(shot, std::filesystem::path(dir) / (c.page + ".png"));

  AnswerAndWait answers;
  game.platform.events().SetInputSource(&answers);
  game.ClickAt({frame.x + 10, frame.y + 150});
  for (int i = 0; i < 50; ++i) game.platform.DoEvents();
  game.platform.events().SetInputSource(nullptr);
  ASSERT_EQ(game.messages().size(), 3u);
  EXPECT_EQ(game.messages()[0].text, c.results);
  EXPECT_EQ(game.messages()[0].title, c.title);
  EXPECT_EQ(game.messages()[1].text, "True");  // the INI value reads back
  EXPECT_EQ(game.messages()[2].text, c.message);
  EXPECT_EQ(FileBytes(game.project() / "Notes.ini"), c.iniBytes);

  // The item's name shows in its tool tip when the pointer rests on it in the open bar.
  game.platform.events().SetInputSource(&answers);
  auto point = [&](int x, int y, int passes) {
    platform::InputEvent move;
    move.kind = platform::InputEvent::Kind::kMouseMove;
    move.position = {frame.x + x, frame.y + y};
    game.platform.events().Post(move);
    for (int i = 0; i < passes; ++i) game.platform.DoEvents();  // 10 ms each
  };
  point(5, 5, 60);  // the bar's handle opens the bar
  auto& icon = game.game()->form().Get<platform::ImageElement>("PickedObject", 1);
  EXPECT_EQ(icon.tool_tip_text(), c.item);
  const platform::Rect r = icon.surface_rect_px();
  point(r.x + r.w / 2 - frame.x, r.y + r.h / 2 - frame.y, 70);
  game.platform.events().SetInputSource(nullptr);
  EXPECT_EQ(game.platform.desktop().ToolTipText(), c.item);
  shot = game.platform.Screenshot();
  if (const char* dir = std::getenv("SW_SCREENSHOT_DIR"))
    platform::SavePng(shot, std::filesystem::path(dir) / (c.page + "-item.png"));
  int letters = 0;
  const platform::Rect tip = Bounds(shot, 0xFFFFE1, &letters);
  EXPECT_GT(tip.w, 10);
  EXPECT_GT(letters, 30) << "the name's letters are drawn in the tip";

  // A saved game holds the item and the title in the code page and reads back byte for byte.
  SavedGames saved(game.runtime());
  const std::string path = game.runtime().folders.ProjectFolder + "Slot.sav";
  saved.WriteGameFile(path);
  const std::string bytes = FileBytes(game.project() / "Slot.sav");
  EXPECT_NE(bytes.find("\"" + c.itemBytes + "\"\r\n"), std::string::npos) << bytes;
  const SavedGame back = saved.ReadGameFile(path);
  ASSERT_EQ(back.items.size(), 1u);
  EXPECT_EQ(back.items[0].ToStringUtf8(), c.item);
  EXPECT_EQ(back.title, c.title);
  ValueWriter again;
  WriteSavedGame(again, back);
  again.SaveTo(game.project() / "Again.sav", game.files.codec());
  EXPECT_EQ(FileBytes(game.project() / "Again.sav"), bytes);
}

TEST(CodePageGame, JapaneseGameInCodePage932) {
  // 日本語のテキスト in Shift-JIS.
  const std::string sjisText = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67";
  Play({"CP932", "夜の館", "ようこそ、旅人よ", "扉は閉まっている。", "日本語のテキスト", "テキ",
        "8/本語/日本語のテキスト/5/0/0/-27654",
        "[\x96\xE9\x82\xCC\x8A\xD9]\r\n\x93\xFA\x96\x7B\x8C\xEA=" + sjisText + "\r\n", "古い鍵",
        "\x8C\xC3\x82\xA2\x8C\xAE"});
}

TEST(CodePageGame, CyrillicGameInCodePage1251) {
  // Привет, мир in Windows-1251.
  const std::string text1251 = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0";
  Play({"CP1251", "Тёмный дом", "Добро пожаловать", "Дверь заперта.", "Привет, мир", "мир",
        "11/ри/ПРИВЕТ, МИР/9/1/0/207",
        "[\xD2\xB8\xEC\xED\xFB\xE9 \xE4\xEE\xEC]\r\n\xCF\xF0\xE8=" + text1251 + "\r\n",
        "Ржавый ключ", "\xD0\xE6\xE0\xE2\xFB\xE9 \xEA\xEB\xFE\xF7"});
}

}  // namespace
}  // namespace sw::shell
