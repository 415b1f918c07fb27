// Placeholder entry points until the practice window and the stroke order exercise land:
// nothing opens yet.
#include "stroke_screens.h"

void WritingEx_Open() {}
void StrokeOrderEx_Open(bool) {}
