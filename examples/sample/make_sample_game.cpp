// Writes the bundled sample game, "The Lighthouse", into the folder given on the command line.
// Every picture is drawn here, so the game carries nothing from elsewhere.
#include <cmath>
#include <cstdio>
#include <string>

#include "authoring/project_writer.h"
#include "sample/lighthouse_effects.h"
#include "sample/lighthouse_ending.h"
#include "sample/lighthouse_interaction.h"
#include "sample/lighthouse_inventory.h"
#include "sample/lighthouse_pointer.h"
#include "sample/lighthouse_sounds.h"
#include "sample/lighthouse_video.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

uint32_t Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

// A night sea under a sky, with a lighthouse on a rock.
uint32_t SeaView(int x, int y) {
  const int horizon = 300;
  if (x > 430 && x < 470 && y > 150 && y < 330) {  // the tower, striped
    return ((y / 30) % 2 == 0) ? Rgb(230, 230, 220) : Rgb(200, 40, 40);
  }
  if (x > 420 && x < 480 && y > 120 && y <= 150) return Rgb(255, 230, 120);  // the lamp
  if (y > 320 && y < 360 && std::abs(x - 450) < 90 - (360 - y)) return Rgb(70, 60, 50);
  if (y < horizon) {
    const int t = y * 255 / horizon;
    return Rgb(10 + t / 6, 20 + t / 4, 60 + t / 2);
  }
  const double wave = std::sin(x / 18.0 + y / 5.0) * 12;
  return Rgb(10, 40 + static_cast<int>(wave), 90 + static_cast<int>(wave) * 2);
}

// One stone of a wall, repeated over a whole frame.
uint32_t Stone(int x, int y) {
  const bool mortar = (y % 40) < 3 || ((x + ((y / 40) % 2) * 30) % 60) < 3;
  if (mortar) return Rgb(60, 55, 50);
  const int grain = ((x * 7 + y * 13) % 17) - 8;
  return Rgb(140 + grain, 130 + grain, 115 + grain);
}

// One order for sound channel 1, cross-faded over `fadeMs`: play `file` for ever at `volume`
// (0-10), or fade out what plays when `file` is empty.
void ChannelOne(sw::FrameFile& f, const std::string& file, double volume, int fadeMs) {
  f.FadeTime = sw::Variant(static_cast<int16_t>(fadeMs));
  f.ValuesPerChannel = 5;
  f.ChannelCount = 1;
  f.Channels = {{sw::Variant(static_cast<int16_t>(file.empty() ? 3 : 2)), sw::Variant(true),
                 sw::Variant(true), sw::Variant(volume), sw::Variant(file)}};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-sample-game FOLDER\n");
    return 2;
  }
  try {
    sw::ProjectWriter game(argv[1]);

    sw::ProjectInfo info;
    sw::ResetProjectInfo(info);
    info.SettingsSection = "ScenewrightSample";
    info.Title = "The Lighthouse";
    info.StartFrame = "Harbour";
    info.Version = "Version 1.0";
    info.FrameWidth = kWidth;
    info.FrameHeight = kHeight;
    info.Author = "The Scenewright team";
    info.Email = "sample@scenewright.invalid";
    info.WebSite = "scenewright.invalid";
    info.ResolutionOffer = 0;
    info.RunInWindow = true;
    game.WriteGeneral(info);
    game.WriteTexts(1);
    // "AllowControlsReferences" lets scripts reach the game window (its object timers).
    game.WriteVariables({"LampLit", "AllowControlsReferences", "HutLit"}, {"Visits"});
    game.WriteProcedures(
        "' The lamp's blinking: object timer 1 calls this while the lamp is lit.\r\n"
        "Sub TimerObject1\r\n"
        "  If Action.GetCurrentFrameName() <> \"Sea\" Or LampLit = 0 Then\r\n"
        "    WindowObject.TimerObject(1).Enabled = False\r\n"
        "    If Action.GetCurrentFrameName() = \"Sea\" Then Text(2).Visible = False\r\n"
        "  Else\r\n"
        "    Text(2).Visible = Not Text(2).Visible\r\n"
        "  End If\r\n"
        "End Sub");
    sample::WriteLighthouseInteraction(game);
    sample::WriteLighthouseSounds(game);
    sample::WriteLighthouseInventory(game);
    sample::WriteLighthouseEffects(game);
    sample::WriteLighthouseVideo(game);
    sample::WriteLighthousePointer(game);
    sample::WriteLighthouseEnding(game);

    game.WriteRaw("Frames/seaview.bmp", sw::MakeBmp(kWidth / 2, kHeight / 2, [](int x, int y) {
                    return SeaView(x * 2, y * 2);
                  }));
    game.WriteRaw("Frames/stone.bmp", sw::MakeBmp(60, 80, Stone));

    // Harbour: a plain colour; after three seconds the view opens on the sea.
    sw::FrameFile harbour;
    harbour.FrameKind = 0;
    harbour.FrameBackground = std::to_string(40 + 256 * 70 + 65536 * 110);
    harbour.TimerEnabled = true;
    harbour.TimerDelay = sw::Variant(std::string("3"));
    harbour.TimerTarget = "Storm";  // the storm's cut scene, then the sea
    // The frame's script counts the visits, shows them, and has the tide come in after two
    // seconds (a timed event).
    harbour.ScriptEnabled = true;
    harbour.ScriptText = sw::Variant(std::string(
        "Visits = Visits + 1\r\n"
        "Text(3).Caption = |Visits to the harbour: | & Visits\r\n"
        "Action.CreateTimedEvent 2, |Text(2).Caption = ||The tide is coming in.|||, False"));
    // The shanty plays at the harbour, the surf swells in on channel 1.
    harbour.MusicFile = "shanty.mid";
    ChannelOne(harbour, "surf.wav", 7, 1500);
    game.WriteFrame("Harbour", harbour);

    // Sea: a picture stretched over the frame; moves on to the tower after four seconds.
    sw::FrameFile sea;
    sea.FrameKind = 1;
    sea.FrameBackground = "seaview.bmp";
    sea.TimerEnabled = true;
    sea.TimerDelay = sw::Variant(std::string("4"));
    sea.TimerTarget = "Tower";
    // The lamp's object timer is made once and set from the lamp's state at each visit.
    sea.ScriptEnabled = true;
    sea.ScriptText =
        sw::Variant(std::string("If WindowObject.TimerObject.UBound < 1 Then Action.CreateObject "
                                "WindowObject.TimerObject(1)\r\n"
                                "WindowObject.TimerObject(1).Interval = 500\r\n"
                                "Text(2).Visible = False\r\n"
                                "WindowObject.TimerObject(1).Enabled = (LampLit = 1)"));
    // Out at sea the wind takes over channel 1 from the surf: a cross-fade.
    ChannelOne(sea, "wind.wav", 8, 2000);
    game.WriteFrame("Sea", sea);

    // Tower: a stone tile repeated over the frame; after a while it fades into the cove.
    sw::FrameFile tower;
    tower.FrameKind = 1;
    tower.FrameBackground = "stone.bmp";
    tower.FrameTiled = true;
    tower.TimerEnabled = true;
    tower.TimerDelay = sw::Variant(std::string("2.5"));
    sample::LeadToTheCove(tower);
    // Inside, the wind dies away.
    ChannelOne(tower, "", 0, 1000);
    game.WriteFrame("Tower", tower);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-sample-game: %s\n", e.what());
    return 1;
  }
  return 0;
}
