// The "Action" object of scripts: the requests a script leaves for its caller (frame to open,
// transition, end of game) and the methods that act on the player at once.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system/dir_search.h"
#include "variant/host_object.h"

namespace sw {

class GameRuntime;

class ActionObject : public HostObject {
 public:
  explicit ActionObject(GameRuntime& runtime);

  // The request fields, as scripts read and write them.
  std::string sFrameToLoad;
  int16_t iHotspotNumber = 0;
  double dTransitionDuration = 0;
  int16_t iTransitionNumber = 1;
  bool bStopGame = false;

  // Clears the requests; the hotspot number stays.
  void ResetModule();

  // What the methods work with: the runtime, the directory search DDir continues, the file a
  // picture or pointer name stands for below `folder` ("" when none exists), and the
  // standard failure message of a method (its own words follow entry 31).
  GameRuntime& runtime() { return runtime_; }
  DirSearch& dir() { return dir_; }
  std::string ExistingMediaFile(const std::string& folder, const std::string& name);
  void Fail(const std::string& words);

 private:
  void AddFields();

  GameRuntime& runtime_;
  DirSearch dir_;  // DDir goes on where its previous call stopped
};

}  // namespace sw
