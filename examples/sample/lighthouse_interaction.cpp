#include "lighthouse_interaction.h"

#include <cstdint>
#include <cstdlib>

#include "authoring/frame_data_writer.h"
#include "lighthouse_pointer.h"

namespace sample {

namespace {

sw::HotspotSpec Rect(double left, double top, double width, double height) {
  sw::HotspotSpec h;
  h.Left = left;
  h.Top = top;
  h.Width = width;
  h.Height = height;
  h.PointerFile = kHandPointer;  // the hand shows what can be clicked
  return h;
}

sw::ActionSpec GoTo(const std::string& frame) {
  sw::ActionSpec a;
  a.GoToFrame = true;
  a.TargetFrame = frame;
  return a;
}

sw::ActionSpec Say(const std::string& text, bool inFrame) {
  sw::ActionSpec a;
  a.ShowMessage = true;
  a.MessageText = text;
  a.MessageInFrame = inFrame;
  return a;
}

sw::TextSpec Caption(const std::string& text, double left, double top, double size) {
  sw::TextSpec t;
  t.Caption = text;
  t.Left = left;
  t.Top = top;
  t.FontSize = size;
  t.Bold = true;
  t.ForeColor = 0xE0F0FF;  // pale yellow, as 0x00BBGGRR
  return t;
}

// The harbour's water colour, so that the pictures of its hotspots blend in.
constexpr uint32_t kHarbour = 0x28466E;

uint32_t Boat(int x, int y) {
  const bool hull = y > 80 && y < 110 && x > 10 + (y - 80) && x < 210 - (y - 80);
  const bool mast = x > 106 && x < 112 && y > 10 && y <= 80;
  const bool sail = y > 15 && y < 78 && x > 114 && x < 114 + (y - 15);
  if (hull) return 0x7A4A22;
  if (mast) return 0x3A2A1A;
  if (sail) return 0xF0ECE0;
  return kHarbour;
}

uint32_t Sign(int x, int y) {
  if (x > 56 && x < 64 && y > 50) return 0x5A3A1A;  // the post
  if (y > 4 && y < 52 && x > 4 && x < 116) {
    return (y > 22 && y < 30 && x > 16 && x < 104) ? 0x2A2A2A : 0xD8C090;  // board, a line
  }
  return kHarbour;
}

// The keeper's hut on the quay: a wooden front with its door ajar.
uint32_t HutDoor(int x, int y) {
  if (y < 30) return (y > 30 - (60 - std::abs(x - 60)) / 2) ? 0x5A2A1A : kHarbour;  // the roof
  if (x > 45 && x < 75 && y > 50) return (x < 52) ? 0x1A120C : 0x0C0806;            // the open door
  return ((x / 12) % 2 == 0) ? 0x7A5A3A : 0x6E5034;
}

sw::HotspotSpec Pictured(sw::HotspotSpec h, const std::string& file) {
  h.HasPicture = true;
  h.PictureFile = file;
  return h;
}

}  // namespace

void WriteLighthouseInteraction(const sw::ProjectWriter& game) {
  // Harbour: the boat sails to the sea; the sign tells where you are.
  game.WriteRaw("Areas/boat.bmp", sw::MakeBmp(220, 120, Boat));
  game.WriteRaw("Areas/sign.bmp", sw::MakeBmp(120, 80, Sign));
  game.WriteRaw("Areas/hutdoor.bmp", sw::MakeBmp(120, 110, HutDoor));
  sw::WriteHotspots(
      game, "Harbour",
      {Pictured(Rect(40, 320, 220, 120), "boat.bmp"), Pictured(Rect(480, 60, 120, 80), "sign.bmp"),
       Pictured(Rect(330, 190, 120, 110), "hutdoor.bmp")});
  sw::WriteActions(game, "Harbour",
                   {GoTo("Sea"),
                    [] {
                      // The sign's bell rings once when it is read.
                      sw::ActionSpec sign =
                          Say("Harbour of Saint Agnes. The lighthouse keeper is away.", false);
                      sign.PlaySound = true;
                      sign.SoundFile = "bell.wav";
                      sign.LoopSound = false;
                      return sign;
                    }(),
                    GoTo("Hut")});
  // Text 3 shows the Visits variable; the frame's script fills it in.
  sw::WriteTexts(game, "Harbour",
                 {Caption("The Lighthouse", 40, 30, 24),
                  Caption("Click the boat to sail, or the sign to read it.", 40, 80, 11),
                  Caption("", 40, 110, 11),
                  Caption("Your goal: light the keeper's hut, so that his boat finds its way home.",
                          40, 150, 11)});

  // Sea: the lamp toggles LampLit; the tower door shows only while the lamp is lit; a
  // bottle floats by until it is taken.
  sw::ActionSpec lamp = Say("The lamp flickers.", true);
  lamp.ChangeVariable = true;
  lamp.VariableToChange = "LampLit";
  lamp.Toggle = true;
  // The lamp's object timer (made by the frame's script) blinks a text while the lamp is lit.
  lamp.ScriptEnabled = true;
  lamp.ScriptText = "WindowObject.TimerObject(1).Enabled = (LampLit = 1)";
  sw::HotspotSpec door = Rect(430, 240, 40, 80);
  door.Conditions = true;
  door.MustBeOne = {"LampLit"};
  sw::ActionSpec bottle = Say("You pick up a bottle with a message inside.", true);
  bottle.HotspotDisappears = true;
  sw::WriteHotspots(game, "Sea", {Rect(420, 120, 60, 30), door, Rect(120, 380, 40, 30)});
  sw::WriteActions(game, "Sea", {lamp, GoTo("Tower"), bottle});
  sw::WriteTexts(game, "Sea",
                 {Caption("Light the lamp to find the door.", 20, 20, 11),
                  Caption("The lamp is lit.", 400, 90, 11)});

  // Tower: anywhere goes back to the last visited frame, as the script asks.
  sw::ActionSpec back;
  back.ScriptEnabled = true;
  back.ScriptText = "Action.GoToFrame |Last Visited Frame|, 0, 0";
  sw::WriteHotspots(game, "Tower", {Rect(0, 0, 640, 480)});
  sw::WriteActions(game, "Tower", {back});
  sw::WriteTexts(game, "Tower", {Caption("Inside the tower. Click to go back.", 20, 20, 14)});
}

}  // namespace sample
