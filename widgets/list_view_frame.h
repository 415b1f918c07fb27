#pragma once
// The rounded frame that a list control draws round its item view.
#include "surface.h"

// Lined squares behind the four rounded corners (active or pale lines), then the white
// rounded box over the whole control with a one-pixel outline.
void draw_list_frame(Surface& surface, bool lines_active, ColorRef outline);
