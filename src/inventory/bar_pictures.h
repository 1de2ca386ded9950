// The inventory bar's own pictures, drawn here: the wooden panel with one shelf per row of
// icons, and the handle tab that hangs below the top edge of the frame.
#pragma once

#include "platform/picture.h"

namespace sw {

// The handle tab: a small wooden tab with a downward arrow, transparent around it.
platform::Picture BuiltInHandlePicture();

// The panel: `width` x `height` pixels of wood. A shelf edge ends every band of `rowHeight`
// pixels after the first `topGap` pixels, so that the bottom of the panel, whatever its number
// of rows, is a shelf. Sizes are clamped to what a frame can show.
platform::Picture BuiltInPanelPicture(int width, int height, int topGap, int rowHeight);

}  // namespace sw
