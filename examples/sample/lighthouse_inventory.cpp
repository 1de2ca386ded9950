#include "lighthouse_inventory.h"

#include <cstdint>
#include <cstdlib>

#include "authoring/frame_data_writer.h"
#include "authoring/inventory_writer.h"
#include "lighthouse_pointer.h"

namespace sample {

namespace {

constexpr uint32_t kWall = 0x2A1E16;

uint32_t Mix(uint32_t rgb, int add) {
  auto ch = [&](int shift) {
    const int v = static_cast<int>((rgb >> shift) & 0xFF) + add;
    return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)) << shift;
  };
  return ch(16) | ch(8) | ch(0);
}

// The dark hut: plank walls, a floor, a beam under the roof and a small night window.
uint32_t Hut(int x, int y) {
  if (y < 40) return 0x140E0A;                                           // the roof's shadow
  if (y >= 90 && y < 110) return Mix(0x4A3220, (x % 37) < 2 ? -20 : 0);  // the beam
  if (y >= 400) return Mix(0x3A2A1C, ((x + y * 3) % 53) < 2 ? -18 : (y % 20 == 0 ? -10 : 0));
  if (x > 520 && x < 600 && y > 150 && y < 230) {  // the window, night outside
    if (std::abs(x - 560) < 2 || std::abs(y - 190) < 2) return 0x3A2A1C;
    return 0x101C38;
  }
  return Mix(kWall, (x % 64) < 2 ? -14 : ((x * 7 + y) % 31) / 8);  // planks
}

uint32_t OilCan(int x, int y) {
  if (y < 12) return (x > 30 && x < 40) ? 0x707070 : kWall;  // the spout
  if (x < 6 || x > 44) return 0x3A2A1C;
  return (y % 14 < 2) ? 0x8A1A10 : 0xB8281C;
}

uint32_t Wick(int x, int y) {
  if (y > 18) return 0x4A3220;  // the shelf
  return (x > 4 && x < 56 && y > 8 && y < 14) ? 0xE8E0C8 : kWall;
}

uint32_t Hook(int x, int y) {
  const bool shank = x >= 10 && x < 14 && y < 28;
  const bool bend = y >= 26 && y < 32 && x >= 4 && x < 14;
  const bool tip = x >= 4 && x < 8 && y >= 20 && y < 32;
  return (shank || bend || tip) ? 0x9A9A9A : (y < 4 ? 0x4A3220 : kWall);
}

uint32_t LitLantern(int x, int y) {
  if (y < 8) return (x > 16 && x < 24) ? 0x9A9A9A : 0x6A4A20;
  const int dx = x - 20;
  const int dy = y - 32;
  if (dx * dx + dy * dy < 120) return 0xFFF0A0;  // the flame's glow
  return (x < 4 || x > 35 || y > 52) ? 0x3A3A3A : 0xE0A030;
}

uint32_t Door(int x, int y) {
  if (x < 6 || x > 93 || y < 6) return 0x1A120C;
  if (std::abs(x - 80) < 4 && std::abs(y - 110) < 4) return 0xC0A040;  // the knob
  return Mix(0x5A3C24, (x % 23) < 2 ? -16 : 0);
}

// Icons of 32 x 32 pixels on a parchment ground.
uint32_t Parchment(int x, int y) {
  return ((x + y) % 9 == 0) ? 0xD8C8A0 : 0xE8DCB8;
}

uint32_t OilIcon(int x, int y) {
  if (x >= 8 && x < 24 && y >= 10 && y < 28) return (y < 13) ? 0x701810 : 0xB8281C;
  if (x >= 18 && x < 22 && y >= 4 && y < 10) return 0x606060;
  return Parchment(x, y);
}

uint32_t WickIcon(int x, int y) {
  if (std::abs((x - y)) < 3 && x > 4 && x < 28) return 0xF4F0E0;
  if (std::abs((x - y)) < 4 && x > 4 && x < 28) return 0x807860;
  return Parchment(x, y);
}

uint32_t LanternIcon(int x, int y) {
  if (x >= 14 && x < 18 && y < 6) return 0x606060;
  if (x >= 8 && x < 24 && y >= 6 && y < 28) {
    const int dx = x - 16;
    const int dy = y - 17;
    return dx * dx + dy * dy < 20 ? 0xFFF0A0 : 0xE0A030;
  }
  return Parchment(x, y);
}

sw::HotspotSpec Spot(double left, double top, double width, double height,
                     const std::string& picture) {
  sw::HotspotSpec h;
  h.Left = left;
  h.Top = top;
  h.Width = width;
  h.Height = height;
  h.HasPicture = true;
  h.PictureFile = picture;
  h.PointerFile = kHandPointer;
  return h;
}

sw::ActionSpec Banner(const std::string& text) {
  sw::ActionSpec a;
  a.ShowMessage = true;
  a.MessageText = text;
  a.MessageInFrame = true;
  return a;
}

sw::TextSpec Caption(const std::string& text, double left, double top) {
  sw::TextSpec t;
  t.Caption = text;
  t.Left = left;
  t.Top = top;
  t.FontSize = 11;
  t.Bold = true;
  t.ForeColor = 0xE0F0FF;  // pale yellow, as 0x00BBGGRR
  return t;
}

}  // namespace

void WriteLighthouseInventory(const sw::ProjectWriter& game) {
  game.WriteRaw("Frames/hut.bmp", sw::MakeBmp(640, 480, Hut));
  game.WriteRaw("Areas/oilcan.bmp", sw::MakeBmp(50, 60, OilCan));
  game.WriteRaw("Areas/wick.bmp", sw::MakeBmp(60, 24, Wick));
  game.WriteRaw("Areas/hook.bmp", sw::MakeBmp(24, 40, Hook));
  game.WriteRaw("Areas/lantern.bmp", sw::MakeBmp(40, 56, LitLantern));
  game.WriteRaw("Areas/door.bmp", sw::MakeBmp(100, 220, Door));
  game.WriteRaw("Areas/oil_icon.bmp", sw::MakeBmp(32, 32, OilIcon));
  game.WriteRaw("Areas/wick_icon.bmp", sw::MakeBmp(32, 32, WickIcon));
  game.WriteRaw("Areas/lantern_icon.bmp", sw::MakeBmp(32, 32, LanternIcon));

  sw::FrameFile hut;
  hut.FrameKind = 1;
  hut.FrameBackground = "hut.bmp";
  game.WriteFrame("Hut", hut);

  // 1 the oil can, 2 the wick, 3 the hook, 4 the door, 5 the lantern once it hangs.
  sw::HotspotSpec lit = Spot(314, 150, 40, 56, "lantern.bmp");
  lit.Conditions = true;
  lit.MustBeOne = {"HutLit"};
  sw::WriteHotspots(game, "Hut",
                    {Spot(250, 380, 50, 60, "oilcan.bmp"), Spot(460, 220, 60, 24, "wick.bmp"),
                     Spot(322, 106, 24, 40, "hook.bmp"), Spot(20, 170, 100, 220, "door.bmp"), lit});
  sw::ActionSpec oil = Banner("You take the can of lamp oil.");
  oil.HotspotDisappears = true;
  sw::ActionSpec wick = Banner("You take a lamp wick from the shelf.");
  wick.HotspotDisappears = true;
  // The door opens on the cove below; the harbour and its storm lie behind the player.
  sw::ActionSpec door;
  door.GoToFrame = true;
  door.TargetFrame = "Cove";
  // Once the lantern shines, the night passes: the ending.
  sw::ActionSpec dawn;
  dawn.GoToFrame = true;
  dawn.TargetFrame = "Dawn";
  dawn.Transition = true;
  dawn.TransitionNumber = 1;
  dawn.TransitionDurationMs = 2000;
  sw::WriteActions(game, "Hut",
                   {oil, wick, Banner("An iron hook hangs from the beam."), door, dawn});
  sw::WritePickUps(game, "Hut", {{1, true, "Oil"}, {2, true, "Wick"}});

  // Hanging the lantern on the hook lights the hut and uses the lantern up.
  sw::ItemActionSpec hang;
  hang.Hotspot = 3;
  hang.Item = "Lantern";
  hang.Action = Banner("The lantern hangs from the hook and lights the hut.");
  hang.Action.ChangeVariable = true;
  hang.Action.VariableToChange = "HutLit";
  hang.Action.SetToOne = true;
  hang.Action.HotspotDisappears = true;
  hang.Action.ScriptEnabled = true;
  hang.Action.ScriptText =
      "Text(2).Caption = |Its light shines out to sea. Click the lantern to keep watch.|";
  sw::WriteItemActions(game, "Hut", {hang});

  sw::WriteItem(game, "Oil", "oil_icon.bmp");
  sw::WriteItem(game, "Wick", "wick_icon.bmp");
  sw::WriteItem(game, "Lantern", "lantern_icon.bmp");
  // Oil and wick make a lantern, whichever is dropped on the other.
  sw::CombinationSpec lantern;
  lantern.RemoveDragged = true;
  lantern.RemoveTarget = true;
  lantern.AddResult = true;
  lantern.ResultItem = "Lantern";
  lantern.ScriptEnabled = true;
  lantern.ScriptText = "Text(2).Caption = |You made a lantern. Hang it on the hook.|";
  sw::WriteCombination(game, "Oil", "Wick", lantern);
  sw::WriteCombination(game, "Wick", "Oil", lantern);

  sw::WriteTexts(
      game, "Hut",
      {Caption("The keeper's hut is dark. Take what you need; the door leads out.", 140, 430),
       Caption("", 140, 452)});
}

}  // namespace sample
