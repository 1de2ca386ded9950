// The road from program start to the first frame: the project is found and read, the welcome
// window filled (or skipped), and a new game started in the game window.
#pragma once

#include <string>

namespace sw {

class GameRuntime;

class Startup {
 public:
  Startup(GameRuntime& runtime, std::string projectFolder)
      : runtime_(runtime), projectFolder_(std::move(projectFolder)) {}

  // The welcome window's load handler. False when the program has to end at once (the
  // project information is missing or the user declined the large-font warning).
  bool WelcomeLoad();
  // Folders, interface texts, project information. False when the program has to end.
  bool InitializeProject();
  void LoadInterfaceTexts();
  void LoadProjectInfo();
  // The welcome window's start button: loads the game window and starts a new game.
  void StartNewGameFromWelcome();

 private:
  GameRuntime& runtime_;
  std::string projectFolder_;
};

}  // namespace sw
