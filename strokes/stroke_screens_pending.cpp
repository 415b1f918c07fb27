// Placeholder entry points until the strokes screens land: nothing opens yet.
#include "stroke_screens.h"

void Review_Open() {}
void WritingEx_Open() {}
void StrokeOrderEx_Open(bool) {}
