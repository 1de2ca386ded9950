// Parsing automation scripts: every command's arguments, and malformed lines reported with
// their line number.
#include <gtest/gtest.h>

#include "automation/script.h"
#include "platform/input.h"

namespace sw::automation {
namespace {

std::vector<Command> Parse(const std::string& text) {
  auto result = ParseScript(text);
  if (auto* e = std::get_if<ScriptError>(&result)) ADD_FAILURE() << e->Describe();
  auto* commands = std::get_if<std::vector<Command>>(&result);
  return commands ? *commands : std::vector<Command>{};
}

ScriptError ParseError(const std::string& text) {
  auto result = ParseScript(text);
  auto* e = std::get_if<ScriptError>(&result);
  if (!e) {
    ADD_FAILURE() << "accepted: " << text;
    return {};
  }
  return *e;
}

TEST(ScriptParseTest, ReadsEveryCommandAndSkipsBlankAndCommentLines) {
  auto commands = Parse(
      "# walkthrough\n"
      "\n"
      "click 10 20\n"
      "  CLICK 5 6 right  \n"
      "move 1 2\r\n"
      "drag 1 2 300 400\n"
      "key s ctrl shift\n"
      "wait 2500\n"
      "dialog-press  Save Game \n"
      "dialog-type My saved game\n"
      "dialog-type\n"
      "dialog-select Slot 1\n"
      "screenshot out/shot 1.png\n"
      "dump state.json\n"
      "quit\n");
  ASSERT_EQ(commands.size(), 13u);
  EXPECT_EQ(commands[0].kind, Command::Kind::kClick);
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(commands[0].x1, 10);
  EXPECT_EQ(commands[0].y1, 20);
  EXPECT_FALSE(commands[0].right);
  EXPECT_TRUE(commands[1].right);
  EXPECT_EQ(commands[2].kind, Command::Kind::kMove);
  EXPECT_EQ(commands[3].x2, 300);
  EXPECT_EQ(commands[3].y2, 400);
  EXPECT_EQ(commands[4].key_code, 'S');
  EXPECT_EQ(commands[4].shift, platform::kCtrlMask | platform::kShiftMask);
  EXPECT_EQ(commands[5].ms, 2500);
  EXPECT_EQ(commands[6].text, "Save Game");
  EXPECT_EQ(commands[7].text, "My saved game");
  EXPECT_EQ(commands[8].text, "") << "typing nothing empties the field";
  EXPECT_EQ(commands[9].text, "Slot 1");
  EXPECT_EQ(commands[10].text, "out/shot 1.png");
  EXPECT_EQ(commands[11].kind, Command::Kind::kDump);
  EXPECT_EQ(commands[12].kind, Command::Kind::kQuit);
  EXPECT_EQ(commands[12].line, 15);
}

TEST(ScriptParseTest, KeyNamesAreSdlNames) {
  auto commands = Parse("key Escape\nkey F2\nkey Return\nkey L alt\nkey Space\nkey Left\n");
  ASSERT_EQ(commands.size(), 6u);
  EXPECT_EQ(commands[0].key_code, 27);
  EXPECT_EQ(commands[1].key_code, 113);
  EXPECT_EQ(commands[2].key_code, 13);
  EXPECT_EQ(commands[3].key_code, 'L');
  EXPECT_EQ(commands[3].shift, platform::kAltMask);
  EXPECT_EQ(commands[4].key_code, 32);
  EXPECT_EQ(commands[5].key_code, 37);
}

TEST(ScriptParseTest, MalformedLinesAreReportedWithTheirLineNumber) {
  struct Case {
    const char* script;
    int line;
    const char* reason_part;
  };
  const Case cases[] = {
      {"clik 1 2\n", 1, "unknown command 'clik'"},
      {"# ok\nclick 1\n", 2, "takes 2 numbers"},
      {"click 1 2 3 4\n", 1, "takes 2 numbers"},
      {"click 1 2 middle\n", 1, "'right'"},
      {"click x 2\n", 1, "'x' is not a number"},
      {"move 1.5 2\n", 1, "not a number"},
      {"\n\n\ndrag 1 2 3\n", 4, "takes 4 numbers"},
      {"key\n", 1, "needs a key name"},
      {"key NoSuchKey\n", 1, "unknown key 'NoSuchKey'"},
      {"key L meta\n", 1, "modifier 'meta'"},
      {"wait\n", 1, "one number"},
      {"wait -5\n", 1, "milliseconds"},
      {"wait 10 20\n", 1, "one number"},
      {"dialog-press\n", 1, "needs a text"},
      {"dialog-select   \n", 1, "needs a text"},
      {"screenshot\n", 1, "file name"},
      {"dump\n", 1, "file name"},
      {"quit now\n", 1, "no arguments"},
  };
  for (const Case& c : cases) {
    ScriptError e = ParseError(c.script);
    EXPECT_EQ(e.line, c.line) << c.script;
    EXPECT_NE(e.reason.find(c.reason_part), std::string::npos) << c.script << " -> " << e.reason;
    EXPECT_EQ(e.Describe().rfind("line " + std::to_string(c.line) + ": ", 0), 0u);
  }
}

}  // namespace
}  // namespace sw::automation
