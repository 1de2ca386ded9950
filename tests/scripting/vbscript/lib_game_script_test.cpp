// A game-like script using the library end to end: dialogs, text, numbers, dates, a
// Dictionary and a RegExp together.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

class AnsweringHost : public ScriptHost {
 public:
  int MsgBox(const std::string& prompt, int buttons, const std::string&) override {
    shown += prompt + "|" + std::to_string(buttons) + "\n";
    return buttons & 4 ? 6 : 1;  // Yes to every question
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::string("red sword, blue shield,  gold key");
  }
  std::string shown;
};

using GameScript = LibTest;

TEST_F(GameScript, InventoryRoundTrip) {
  AnsweringHost host;
  engine.set_host(&host);
  const std::string script = R"vbs(
Option Explicit
Dim inv, re, items, i, name, total, answer, days
Set inv = CreateObject("Scripting.Dictionary")
inv.CompareMode = vbTextCompare
items = Split(InputBox("What do you carry?", "Inventory"), ",")
Set re = New RegExp
re.Pattern = "^\s*(\w+)\s+(\w+)\s*$"
For i = 0 To UBound(items)
  If re.Test(items(i)) Then
    name = re.Replace(items(i), "$2 ($1)")
    inv.Add UCase(Left(name, 1)) & Mid(name, 2), Len(Trim(items(i))) * 12.5
  End If
Next
For Each name In inv
  total = total + inv(name)
Next
days = DateDiff("d", #12/24/2025#, #1/2/2026#)
answer = MsgBox("Carry " & Join(inv.Keys, "; ") & " worth " & FormatNumber(total * 100) & _
  " for " & days & " days?", vbYesNo + vbQuestion)
If answer = vbYes Then WScript.Echo Replace("accepted: N items", "N", inv.Count)
WScript.Echo inv.Exists("SWORD (RED)"), FormatCurrency(inv("Key (gold)"))
)vbs";
  // Lengths 9 + 11 + 8 = 28 characters at 12.5 each.
  EXPECT_EQ(Run(script), "accepted: 3 items\nTrue $100.00\n");
  EXPECT_EQ(host.shown,
            "Carry Sword (red); Shield (blue); Key (gold) worth 35,000.00 for 9 days?|36\n");
  engine.set_host(nullptr);
}

}  // namespace
}  // namespace sw::vbs
