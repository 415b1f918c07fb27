// Placeholder entry point until the review window lands: nothing opens yet.
#include "stroke_screens.h"

void Review_Open() {}
