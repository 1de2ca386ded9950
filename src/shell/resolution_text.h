// The text of the welcome window's display-resolution line.
#pragma once

#include <string>

namespace sw::shell {

// Builds the label from interface text 7: without its final ".", without a size it already
// names ("640x480", "640*480", "640 x 480" or "640 * 480" at the end), then the size of the
// project's resolution mode (0, 1, 2) and a full stop.
std::string ResolutionLabelText(std::string text, int resolutionMode);

}  // namespace sw::shell
