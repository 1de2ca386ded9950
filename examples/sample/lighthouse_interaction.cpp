#include "lighthouse_interaction.h"

#include "authoring/frame_data_writer.h"

namespace sample {

namespace {

sw::HotspotSpec Rect(double left, double top, double width, double height) {
  sw::HotspotSpec h;
  h.Left = left;
  h.Top = top;
  h.Width = width;
  h.Height = height;
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

}  // namespace

void WriteLighthouseInteraction(const sw::ProjectWriter& game) {
  // Harbour: the boat sails to the sea; the sign tells where you are.
  sw::WriteHotspots(game, "Harbour", {Rect(40, 320, 220, 120), Rect(480, 60, 120, 80)});
  sw::WriteActions(
      game, "Harbour",
      {GoTo("Sea"), Say("Harbour of Saint Agnes. The lighthouse keeper is away.", false)});
  sw::WriteTexts(game, "Harbour",
                 {Caption("The Lighthouse", 40, 30, 24),
                  Caption("Click the boat to sail, or the sign to read it.", 40, 80, 11)});

  // Sea: the lamp toggles LampLit; the tower door shows only while the lamp is lit; a
  // bottle floats by until it is taken.
  sw::ActionSpec lamp = Say("The lamp flickers.", true);
  lamp.ChangeVariable = true;
  lamp.VariableToChange = "LampLit";
  lamp.Toggle = true;
  sw::HotspotSpec door = Rect(430, 240, 40, 80);
  door.Conditions = true;
  door.MustBeOne = {"LampLit"};
  sw::ActionSpec bottle = Say("You pick up a bottle with a message inside.", true);
  bottle.HotspotDisappears = true;
  sw::WriteHotspots(game, "Sea", {Rect(420, 120, 60, 30), door, Rect(120, 380, 40, 30)});
  sw::WriteActions(game, "Sea", {lamp, GoTo("Tower"), bottle});
  sw::WriteTexts(game, "Sea", {Caption("Light the lamp to find the door.", 20, 20, 11)});

  // Tower: anywhere goes back to the last visited frame.
  sw::ActionSpec back;
  back.GoBack = true;
  sw::WriteHotspots(game, "Tower", {Rect(0, 0, 640, 480)});
  sw::WriteActions(game, "Tower", {back});
  sw::WriteTexts(game, "Tower", {Caption("Inside the tower. Click to go back.", 20, 20, 14)});
}

}  // namespace sample
